#pragma once

#include "export/officesuite.h"

#include <QString>
#include <memory>

// The office suite as LibreOffice, started headless as a child of the program and driven
// over a private pipe. It gets a profile of its own, so a LibreOffice the user has open is
// neither used nor disturbed, and it lives until the suite is destroyed or the program
// ends in any way. UNO stays behind a plugin loaded on first use: the program starts, and
// isAvailable() says no, on a computer without LibreOffice.
class LibreOfficeSuite : public OfficeSuite {
public:
    // profileFolder holds the office's settings for this program; made when missing.
    explicit LibreOfficeSuite(const QString &profileFolder);
    ~LibreOfficeSuite() override;

    // The folder holding soffice.bin: UNO_PATH when set, else where the build found it.
    static QString officeFolder();

    bool isAvailable() const override;
    OfficeResult start() override;
    void abort() override;
    OfficeValue<OfficeDocument> newTextDocument(const QString &templatePath) override;
    OfficeResult insertHtml(OfficeDocument document, const QString &htmlPath) override;
    OfficeResult exportPdf(OfficeDocument document, const QString &path) override;
    OfficeValue<OfficeDocument> newWorkbookFromHtml(const QString &htmlPath) override;
    OfficeValue<OfficeDocument> openPresentation(const QString &path) override;
    OfficeValue<OfficeDocument> newPresentation() override;
    OfficeValue<int> addPictureSlide(OfficeDocument document, const QString &imagePath) override;
    OfficeResult save(OfficeDocument document, const QString &path, OfficeFormat format) override;
    OfficeResult close(OfficeDocument document) override;

    // The running office's process id, 0 when none runs; for tests and logs.
    qint64 officeProcessId() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
