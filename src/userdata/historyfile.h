#pragma once

#include "text/writeresult.h"

#include <QStringList>

// Data/quortspeak.Hys: the address bar's history, one address a line, oldest first.
class HistoryFile {
public:
    static constexpr int SavedEntries = 30;

    explicit HistoryFile(QString path);

    // Reading the history: every line as it stands; nothing when the file cannot be read.
    QStringList read() const;
    // Saving the history: the newest 30 entries of the list, empty ones left out.
    WriteResult save(const QStringList &list) const;

    static QStringList entriesToSave(const QStringList &list);
    // The rule of addToHistory: an address is added unless an entry equals the bar's text,
    // both trimmed of blanks, letter case mattering.
    static bool containsAddress(const QStringList &list, const QString &barText);

private:
    QString m_path;
};
