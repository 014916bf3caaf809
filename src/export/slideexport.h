#pragma once

#include "export/officevalue.h"

#include <QString>

class OfficeSuite;

// What the PowerPoint export asks of the office suite: the page's picture on a new blank
// slide at the end of the presentation the user chose, made when the file does not exist
// and added to when it does. Runs on the office worker thread.
struct SlideExport {
    QString picturePath; // the page's picture
    QString target;

    // Gives the new slide's number. A presentation that cannot be read is left as it is:
    // the suite saves beside it and renames only a complete file.
    OfficeValue<int> run(OfficeSuite &suite) const;
};
