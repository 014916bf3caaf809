#pragma once

#include "linkgroupstore.h"
#include "linktitles.h"
#include "text/writeresult.h"

#include <QString>

// The link table as a Netscape bookmark file (bookmarks.html) that Firefox and Chromium
// import: one folder per group that holds links, named by the group's title, each link
// with its title, address, date and note. The private value is never written.
class BookmarkExport {
public:
    static QString text(const LinkGroupStore &store, const LinkTitles &titles, int groups);
    // Replaces the file atomically.
    static WriteResult write(const QString &path, const LinkGroupStore &store,
                             const LinkTitles &titles, int groups);

    // Text and attribute values escaped for HTML.
    static QString escaped(const QString &text);
    // The link table's YYYY-MM-DD as ADD_DATE: seconds since 1970 at that day's local
    // midnight, so the importer gives back the same day; empty for no date.
    static QString addDate(const QString &date);
};
