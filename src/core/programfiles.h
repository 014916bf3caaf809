#pragma once

#include "text/programfolder.h"

#include <QString>

// Where each of the program's files lives below the program folder.
class ProgramFiles {
public:
    explicit ProgramFiles(ProgramFolder folder);

    const ProgramFolder &folder() const { return m_folder; }

    QString optionsFile() const;  // Data/quortspeak.Opt
    QString settingsFile() const; // Data/Quortspeak.Ini
    QString historyFile() const;  // Data/quortspeak.Hys
    QString bookmarkFile() const; // Data/QuortBook.bm
    QString languageFile(const QString &language) const;

    // The start page shipped in Data/, as a file address: the first start shows a useful
    // page without any network.
    QString defaultHomeAddress() const;

private:
    ProgramFolder m_folder;
};
