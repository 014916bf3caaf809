#include "mainwindow/mainpageexports.h"

#include "browser/browsertabs.h"
#include "browser/webview.h"
#include "commandbar/floatingbars.h"
#include "core/programfiles.h"
#include "core/programstate.h"
#include "export/officerunner.h"
#include "export/officesuite.h"
#include "export/pagecapture.h"
#include "export/pageexports.h"
#include "mainwindow/mainwindowlayout.h"
#include "mainwindow/statusline.h"

#include <QDir>
#include <QTimer>

namespace {
// The Save dialog is made this long after start-up, when the first page has had its turn.
constexpr int PrepareDialogAfterMs = 5000;
} // namespace

MainPageExports::MainPageExports(QWidget &window, StatusLine &statusLine,
                                 FloatingBars &floatingBars, MainWindowLayout &layout,
                                 BrowserTabs &tabs, ProgramState &state, const ProgramFiles &files,
                                 Notifier &notifier) {
    PageCapture::Host host{window, [&tabs]() -> QWidget * { return tabs.currentView(); },
                           [&] {
                               // The page takes the whole window; floating bars must not come back
                               // meanwhile.
                               floatingBars.stop();
                               state.barsShown = true;
                               statusLine.hide();
                               floatingBars.hideBars();
                           },
                           [&] {
                               statusLine.show();
                               state.barsShown = false;
                               floatingBars.showBars();
                               floatingBars.navigated(); // floating bars watch the pointer again
                           }};
    m_capture = std::make_unique<PageCapture>(std::move(host));
    m_exports = std::make_unique<PageExports>(
        PageExports::Context{window, state.language, notifier, state,
                             // Spelled exactly: found without regard to case, it would be images/,
                             // the folder of the buttons' pictures.
                             QDir(files.folder().root()).filePath(QStringLiteral("Images")),
                             [&tabs] { return tabs.currentView(); }, *m_capture,
                             [this](QWidget *parent, const SaveDialogRequest &request) {
                                 return m_saveDialog.ask(parent, request);
                             },
                             [&statusLine](const QString &text) { statusLine.setStatusText(text); },
                             [&layout](bool frozen) { layout.setFrozen(frozen); }});
    // Made at the first export, the dialog held the window for over 50 ms.
    QTimer::singleShot(PrepareDialogAfterMs, &window, [this, &window] {
        if (m_ownDialog)
            m_saveDialog.prepare(&window);
    });
}

MainPageExports::~MainPageExports() = default;

bool MainPageExports::run(PageExportKind kind) {
    return m_exports->run(kind);
}

void MainPageExports::setOfficeSuite(std::unique_ptr<OfficeSuite> suite) {
    m_exports->setOffice(nullptr);
    m_office = std::make_unique<OfficeRunner>(std::move(suite));
    m_exports->setOffice(m_office.get());
}

void MainPageExports::setFileChooser(SaveDialog::Chooser chooser) {
    m_ownDialog = false;
    m_exports->setFileChooser(std::move(chooser));
}
