#pragma once

#include "export/officerunner.h"
#include "export/pageexportkind.h"

#include <QObject>
#include <QString>
#include <memory>

class ExportSteps;
class QTemporaryFile;
class WebView;

// The exports the office suite writes: a Word document on the landscape or the portrait
// template, a PDF with its Word copy beside it, a workbook of the page's tables, a slide
// with the page's picture at the end of a presentation. The page's HTML goes to the office as a
// file, never through the clipboard; the office works on its own thread while the status line says
// what it does.
class OfficeExports : public QObject {
    Q_OBJECT

public:
    explicit OfficeExports(ExportSteps &steps, QObject *parent = nullptr);

    void setOffice(OfficeRunner *office) { m_office = office; }
    bool hasOffice() const { return m_office != nullptr; }
    bool isBusy() const { return m_office && m_office->isBusy(); }

    // Runs one of the office exports; the export has begun (ExportSteps::begin).
    void run(PageExportKind kind);

private:
    // The shared beginning: the office is there, the window dims (not for a slide) and the
    // page has something to export; then next(view).
    void withPage(bool dim, bool checkContent, std::function<void(WebView *)> next);
    void word(WebView *view, const QString &templatePath, bool pdf);
    void workbook(WebView *view);
    void slide(WebView *view);
    // Writes the page's HTML to a file the office reads, then runs the job made for it.
    void withPageFile(WebView *view,
                      std::function<OfficeRunner::Job(const QString &htmlPath)> makeJob,
                      std::function<QString()> notice, const QString &target);
    void runJob(OfficeRunner::Job job, std::function<QString()> notice, const QString &target,
                std::shared_ptr<QTemporaryFile> input);

    ExportSteps &m_steps;
    OfficeRunner *m_office = nullptr;
};
