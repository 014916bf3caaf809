#pragma once

#include "export/exportsteps.h"
#include "export/officeexports.h"
#include "export/pageexportkind.h"
#include "export/savedialog.h"

#include <QImage>
#include <QObject>
#include <QString>

class OfficeRunner;
class WebView;

// The page commands: a numbered picture of the page in Images/, the page as a web archive,
// and with an office suite the Word, PDF,
// Excel and PowerPoint exports (OfficeExports). They share the steps of every export
// (ExportSteps): the window dims while it works, a page with nothing to export is told
// so, the Save dialog offers the page title's name, a file that exists is replaced only
// after a question, and the closing notice names only a file written now. One command
// runs at a time; another one meanwhile is refused with a message.
class PageExports : public QObject {
    Q_OBJECT

public:
    using Context = ExportSteps::Context;

    explicit PageExports(Context context, QObject *parent = nullptr);
    ~PageExports() override;

    // True when this export can be made here (then it ran or was refused); the office
    // exports cannot without an office suite.
    bool run(PageExportKind kind);
    bool isBusy() const { return m_steps.isBusy(); }
    void setFileChooser(SaveDialog::Chooser chooser);
    // The office suite's thread; without one the office exports are not offered.
    void setOffice(OfficeRunner *office);

Q_SIGNALS:
    // A command has ended, whatever its outcome.
    void finished();

private:
    void takePicture();
    void writePicture(const QImage &picture);
    void saveArchive();
    void archiveWithContent(WebView *view);

    ExportSteps m_steps;
    OfficeExports m_officeExports;
};
