#pragma once

#include "browser/browsertabs.h"
#include "browser/webview.h"
#include "core/programfiles.h"
#include "core/programstate.h"
#include "desktop/twips.h"
#include "dispatch/mainwindowactions.h"
#include "startup/mainmessages.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class AddressBar;
class CommandRegistry;
class Desktop;
class FindBar;
class FloatingBars;
class ImageList;
class LinkTable;
class MainCommandBars;
class MainDispatcher;
class Notifier;
class PageTracker;
class SecondaryWindows;
class SelectionTranslation;
class StatusLine;
class TabStrip;
class MainPageExports;
class MainPageTranslation;
class MainWindowLayout;

// `frmStart`: the borderless main window. Its top strip carries the command bars, the
// tabs and the address bar, its bottom strip the status line, and the current tab's
// page fills the space between.
class MainWindow : public QWidget, public MainWindowActions {
    Q_OBJECT

public:
    MainWindow(ProgramFiles files, Notifier &notifier, BrowserTabs::ViewFactory viewFactory,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The load step: reads the user's files, builds the bars, places the window and
    // opens tab 0 on startAddress (one given on the command line) or, without one, on
    // the home address. False when the program cannot start (no language file at all);
    // the user has been told why.
    bool load(const QString &startAddress = QString());
    // Run by the load step once the language file is read and before the first page is made:
    // what must be fixed before any page (Qt Quick's renderer) may follow its settings.
    void setBeforeFirstPage(std::function<void(ProgramState &)> step) {
        m_beforeFirstPage = std::move(step);
    }

    // The one exit sequence, whatever the path: saves the options, the history and the
    // settings, stops the page, hides the window and ends the program. Runs once.
    void exitAndSave();

    // The layout step, run on every resize and tab click.
    void layoutStep();
    // `placeCurrentView`: places the view of tab index.
    void placeCurrentView(int index);

    // What the dispatcher asks of the window.
    void exitProgram() override { exitAndSave(); }
    void minimise() override { showMinimized(); }
    // A language item of the language menu: loads that language's file, applies its
    // texts everywhere at once and saves the choice. An unreadable file is told and the
    // current language stays.
    void switchLanguage(const QString &language) override;
    void showAbout() override;
    void showLanguageEditor() override;
    void showLinkTable() override;
    void applyBarStyle() override;
    void exportPage(PageExportKind kind) override;
    // The status line's indicator of selection translation.
    void showTranslationIndicator(bool on) override;
    void togglePageTranslation() override;
    // Tells the user that a file could not be written.
    void reportWriteFailure(const struct WriteResult &result) override;

    ProgramState &state() { return m_state; }
    const ProgramFiles &files() const { return m_files; }
    BrowserTabs &tabs() { return *m_tabs; }
    TabStrip &tabStrip() { return *m_tabStrip; }
    AddressBar &addressBar() { return *m_addressBar; }
    PageTracker &tracker() { return *m_tracker; }
    StatusLine &statusLine() { return *m_statusLine; }
    CommandRegistry &registry() { return *m_registry; }
    MainCommandBars &bars() { return *m_bars; }
    LinkTable &linkTable() { return *m_linkTable; }
    QWidget &toolbarArea() { return *m_toolbarArea; }
    FloatingBars &floatingBars() { return *m_floatingBars; }
    MainPageExports &pageExports() { return *m_pageExports; }
    MainPageTranslation &pageTranslation() { return *m_pageTranslation; }
    QTimer &deferredStartTimer() { return m_deferredStartTimer; }
    QTimer &selectionTimer() { return m_selectionTimer; }
    const Twips &twips() const { return m_twips; }
    Notifier &notifier() { return m_notifier; }
    Desktop &desktop() { return *m_desktop; }
    // Tests hand over a desktop that records instead of opening.
    void setDesktop(Desktop *desktop);
    FindBar &findBar() { return *m_findBar; }
    ImageList &images() { return *m_images; }

Q_SIGNALS:
    // The exit sequence has saved everything and the program is about to end.
    void exited();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createChildren();
    void makeDispatcher();
    void connectChildren();
    void setUpTimers();
    bool loadLanguage();
    void applyLanguageTexts();
    void startTimers();
    void startMove();
    void onViewCreated(int index, class WebView *view);

    ProgramFiles m_files;
    Notifier &m_notifier;
    ProgramState m_state;
    MainMessages m_messages;
    Twips m_twips;

    std::unique_ptr<CommandRegistry> m_registry;
    std::unique_ptr<ImageList> m_images;
    std::unique_ptr<LinkTable> m_linkTable;
    BrowserTabs *m_tabs = nullptr;
    MainCommandBars *m_bars = nullptr;
    std::unique_ptr<MainDispatcher> m_dispatcher;
    std::unique_ptr<Desktop> m_systemDesktop;
    Desktop *m_desktop = nullptr;
    FindBar *m_findBar = nullptr;
    std::unique_ptr<SelectionTranslation> m_translation;
    std::unique_ptr<MainPageTranslation> m_pageTranslation;
    std::unique_ptr<FloatingBars> m_floatingBars;
    std::unique_ptr<MainWindowLayout> m_layout;
    std::unique_ptr<MainPageExports> m_pageExports;
    std::unique_ptr<SecondaryWindows> m_windows;
    PageTracker *m_tracker = nullptr;
    QWidget *m_toolbarArea = nullptr;
    TabStrip *m_tabStrip = nullptr;
    AddressBar *m_addressBar = nullptr;
    StatusLine *m_statusLine = nullptr;

    std::function<void(ProgramState &)> m_beforeFirstPage;
    QTimer m_deferredStartTimer; // the deferred start-up steps, once
    QTimer m_selectionTimer;     // selection translation
    bool m_wasMinimised = false;
    bool m_exiting = false;
};
