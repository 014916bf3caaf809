#pragma once

#include "officedocument.h"
#include "officeformats.h"
#include "officeresult.h"
#include "officevalue.h"

#include <QString>

// The office suite as the exports use it: Word documents and PDFs of a page, a workbook
// of its tables, a slide of its picture. One real implementation drives LibreOffice; tests
// use a fake that records the calls.
//
// Threads: every call blocks until the suite has answered, which takes a second or more
// per document, so calls are made on a worker thread, never on the UI thread. One thread
// at a time uses a suite object. Nothing here creates or touches a widget.
//
// Documents: a call that opens or makes a document gives a handle; the suite owns the
// document behind it. The caller closes every document it was given, also after a later
// step failed, and uses no handle after closing it. Closing discards what was not saved.
//
// Files: paths are local file paths. A save or export that fails leaves nothing under the
// chosen name that was not there before: implementations write to a temporary name in the
// same folder and rename it to the chosen name only when the write succeeded, so a file
// that was there stays as it was and no half-written file is left.
//
// Errors: every call reports whether it worked; a failure's text says what failed in
// words a user can be shown (see OfficeResult), and the document, when one was given,
// stays open for the caller to close.
class OfficeSuite {
public:
    virtual ~OfficeSuite();

    // Whether the suite is installed on this computer, without starting it.
    virtual bool isAvailable() const = 0;
    // Starts the suite if it is not running yet. The other calls start it themselves; an
    // early start only moves the wait to a moment of the caller's choosing. Fails when the
    // suite is missing or does not answer in time.
    virtual OfficeResult start() = 0;
    // From any thread: ends what the suite is doing now, so a call that hangs returns with
    // a failure and writes nothing. The next call starts afresh.
    virtual void abort() = 0;

    // A new text document made from the template at templatePath (the template itself is
    // not changed), or, for an empty templatePath, a blank document in landscape format.
    virtual OfficeValue<OfficeDocument> newTextDocument(const QString &templatePath) = 0;
    // Puts the HTML of the file at htmlPath (images inlined) at the end of a text document.
    virtual OfficeResult insertHtml(OfficeDocument document, const QString &htmlPath) = 0;
    // Exports a text document as PDF.
    virtual OfficeResult exportPdf(OfficeDocument document, const QString &path) = 0;

    // A new workbook whose first sheet holds the tables of the HTML file at htmlPath as
    // cells; that sheet comes in front of the sheet a new workbook starts with.
    virtual OfficeValue<OfficeDocument> newWorkbookFromHtml(const QString &htmlPath) = 0;

    // The presentation saved at path, opened to add to it.
    virtual OfficeValue<OfficeDocument> openPresentation(const QString &path) = 0;
    // A new presentation without slides.
    virtual OfficeValue<OfficeDocument> newPresentation() = 0;
    // Adds a blank slide after the last one, with the picture of the image file at
    // imagePath on it, scaled to fit the slide with its proportions kept, and centred.
    // Gives the new slide's number, counted from 1.
    virtual OfficeValue<int> addPictureSlide(OfficeDocument document, const QString &imagePath) = 0;

    // Saves a document under path in format, which must be of the document's kind (a text
    // document as .doc, .docx or .odt; a workbook as .xls, .xlsx or .ods; a presentation
    // as .ppt, .pptx or .odp). The document stays open.
    virtual OfficeResult save(OfficeDocument document, const QString &path,
                              OfficeFormat format) = 0;

    virtual OfficeResult close(OfficeDocument document) = 0;
};
