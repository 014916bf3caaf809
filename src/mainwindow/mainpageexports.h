#pragma once

#include "export/pageexportkind.h"
#include "export/savedialog.h"

#include <memory>

class FloatingBars;
class MainMessages;
class MainWindowLayout;
class OfficeRunner;
class OfficeSuite;
class PageCapture;
class PageExports;
class ProgramFiles;
class QWidget;
class StatusLine;
class BrowserTabs;
struct ProgramState;
class Notifier;

// The main window's page pictures, web archives and office exports: the capture hides the
// window's own strips through the floating bars, the commands run on the current tab's
// page, and the office suite works on a thread of its own.
class MainPageExports {
public:
    MainPageExports(QWidget &window, StatusLine &statusLine, FloatingBars &floatingBars,
                    MainWindowLayout &layout, BrowserTabs &tabs, ProgramState &state,
                    const ProgramFiles &files, Notifier &notifier);
    ~MainPageExports();

    // False when key is not one of these commands.
    bool run(PageExportKind kind);
    // Tests answer the Save dialog themselves.
    void setFileChooser(SaveDialog::Chooser chooser);
    // The office suite the Word and PDF exports drive; without one they are not offered.
    void setOfficeSuite(std::unique_ptr<OfficeSuite> suite);
    PageExports &exports() { return *m_exports; }

private:
    SaveDialog m_saveDialog;
    bool m_ownDialog = true;                // false once a test answers instead
    std::unique_ptr<OfficeRunner> m_office; // outlives the exports that use it
    std::unique_ptr<PageCapture> m_capture;
    std::unique_ptr<PageExports> m_exports;
};
