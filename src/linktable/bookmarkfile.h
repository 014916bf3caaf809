#pragma once

#include "bookmarklink.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The Netscape bookmark file (bookmarks.html) as Firefox, Chromium and Falkon export it:
// <H3> folders over <DL> lists of <DT><A HREF ADD_DATE> links, each maybe followed by a
// <DD> description. Read leniently where browsers differ, refused where it is not such a
// file at all.
class BookmarkFile {
public:
    // Firefox's files with icons inlined run to a few megabytes; anything far beyond that
    // is not a bookmark file worth holding in memory.
    static constexpr qint64 MaxBytes = 32 * 1024 * 1024;
    // A folder inside a folder is named by both, joined by this.
    static const QString FolderJoin;

    enum class Error { None, Unreadable, TooLarge, Binary, NotBookmarkFile, Broken };
    struct Parsed {
        Error error = Error::None;
        QString where; // for Broken: the text around the fault
        QList<BookmarkLink> links;
        int notWeb = 0; // links skipped: their address is not http, https or ftp
    };

    static Parsed read(const QString &path);
    static Parsed parse(const QByteArray &bytes);

    // The link table keeps web addresses only, as navigation opens them.
    static bool isWebAddress(const QString &address);
    // ADD_DATE (seconds since 1970; some writers give milliseconds or microseconds) as the
    // link table's date; empty when it is no date.
    static QString dateOf(const QString &addDate);
    // Text of the file: entities decoded, control characters and runs of blanks made one
    // blank, so no field can break its line in the group file.
    static QString plainText(QStringView html);
};
