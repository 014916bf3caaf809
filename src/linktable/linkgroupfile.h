#pragma once

#include "linkentry.h"
#include "text/writeresult.h"

#include <QList>
#include <QString>
#include <QStringList>

// Links/Links.<nnn>: the links of one group, one line each, six fields joined by ";-;".
class LinkGroupFile {
public:
    static const QString FieldSeparator;

    // The first count lines of the file; a line the file lacks is a blank entry.
    // Nothing when the file does not exist.
    static std::optional<QList<LinkEntry>> read(const QString &path, int count);
    static QList<LinkEntry> parse(const QStringList &lines, int count);

    static WriteResult write(const QString &path, const QList<LinkEntry> &entries);
    static QString line(const LinkEntry &entry);

    // A field must not break its line: line breaks become blanks, ";-;" becomes ";- ;"
    // and a closing ";-" gets a blank after it, so the later fields do not shift.
    static QString storedField(QString field);
};
