#pragma once

#include <QString>

// One link of a bookmark file, with the folders it stands in joined into one name (empty
// outside any folder).
struct BookmarkLink {
    QString folder;
    QString title;
    QString address;
    QString note; // the <DD> description
    QString date; // YYYY-MM-DD, empty when the file gives none
};
