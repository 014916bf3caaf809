#pragma once

#include "core/options.h"
#include "text/writeresult.h"

#include <QStringList>

// Data/quortspeak.Opt: six lines, one value each.
class OptionsFile {
public:
    explicit OptionsFile(QString path);

    // Read_Opt. A missing file is first created with the default five lines. When it
    // cannot be created the defaults are used in memory and the failure is returned.
    WriteResult read(Options &options, const QString &defaultHomeAddress) const;
    // Save_Opt.
    WriteResult save(const Options &options) const;

    // The values of the lines over those already in options; a line missing or out of
    // range leaves its value.
    static void parse(const QStringList &lines, Options &options);
    static QStringList defaultLines(const QString &defaultHomeAddress);

    const QString &path() const { return m_path; }

private:
    QString m_path;
};
