#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The programs of an Apertium mode file (/usr/share/apertium/modes/spa-eng.mode), to be run
// one by one as a chain of processes instead of through the apertium script, each flushing
// at every NUL. Read as apertium-apy reads them: the line split at each unquoted |, words
// unquoted; $1, the generator's option, becomes -n (no marks on unknown words, as
// `apertium -u` gives), $2, the tagger's option for showing ambiguity, is left out; -z
// follows each program's name except for the few that do not know it.
class ApertiumModeFile {
public:
    struct Program {
        QString program;
        QStringList arguments;
    };

    static QString installedPath(const QString &mode);
    // Empty when the text is no pipeline: empty, an unclosed quote, an empty stage.
    static QList<Program> parse(const QString &text);
    static QList<Program> read(const QString &path);
};
