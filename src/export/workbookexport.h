#pragma once

#include "export/officeresult.h"

#include <QString>

class OfficeSuite;

// What the Excel export asks of the office suite: a workbook whose first sheet holds the
// page's tables as cells, in front of a new workbook's own sheet. Runs on the office
// worker thread.
struct WorkbookExport {
    QString htmlPath; // the page, images inlined
    QString target;   // the file the user chose; its extension picks the format

    // The workbook is closed on every path; an existing file is replaced only by a
    // complete new one (the suite writes beside it and renames).
    OfficeResult run(OfficeSuite &suite) const;
};
