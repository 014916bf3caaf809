#pragma once

#include "export/officeresult.h"

#include <QString>

class OfficeSuite;

// What the Word and PDF exports ask of the office suite, once the page's HTML is in a
// file and the user has chosen where to write. Runs on the office worker thread.
struct WordExport {
    QString htmlPath;     // the page, images inlined
    QString templatePath; // empty: a blank landscape document
    QString target;       // the file the user chose
    bool pdf = false;     // target is a PDF, with a Word copy beside it

    // The Word copy beside a PDF: the PDF's name with ".doc" for its extension
    // (page.pdf gives page.doc; a name without an extension gets ".doc" added).
    static QString wordCopyOf(const QString &pdfPath);

    // Makes the document from the template, puts the page at its end and saves it; for a
    // PDF the Word copy first, then the PDF. The document is closed on every path.
    OfficeResult run(OfficeSuite &suite) const;
};
