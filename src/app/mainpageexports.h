#pragma once

#include "export/savedialog.h"

#include <memory>

class FloatingBars;
class MainMessages;
class PageCapture;
class PageExports;
class ProgramFiles;
class QWidget;
class StatusLine;
class BrowserTabs;
struct ProgramState;
class Notifier;

// The main window's page pictures and web archives: the capture hides the window's own
// strips through the floating bars, and the commands run on the current tab's page.
class MainPageExports {
public:
    MainPageExports(QWidget &window, StatusLine &statusLine, FloatingBars &floatingBars,
                    BrowserTabs &tabs, ProgramState &state, const ProgramFiles &files,
                    Notifier &notifier);
    ~MainPageExports();

    // False when key is not one of these commands.
    bool run(const QString &key);
    // Tests answer the Save dialog themselves.
    void setFileChooser(SaveDialog::Chooser chooser);
    PageExports &exports() { return *m_exports; }

private:
    std::unique_ptr<PageCapture> m_capture;
    std::unique_ptr<PageExports> m_exports;
};
