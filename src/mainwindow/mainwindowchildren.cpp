// The main window's children: made in order, then connected, and its two timers.
#include "browser/addressbar.h"
#include "browser/findbar.h"
#include "browser/pagetracker.h"
#include "browser/tabstrip.h"
#include "commandbar/commandregistry.h"
#include "commandbar/floatingbars.h"
#include "commandbar/maincommandbars.h"
#include "desktop/systemdesktop.h"
#include "dispatch/maindispatcher.h"
#include "mainwindow.h"
#include "mainwindow/mainpageexports.h"
#include "mainwindow/mainpagetranslation.h"
#include "mainwindow/mainshortcuts.h"
#include "mainwindow/mainwindowlayout.h"
#include "mainwindow/statusline.h"
#include "startup/deferredstartup.h"
#include "translate/pagetranslationbar.h"
#include "translate/selectiontranslation.h"

#include <QApplication>

void MainWindow::createChildren() {
    m_tracker = new PageTracker(*m_tabs, m_state.language, this);
    onViewCreated(0, m_tabs->view(0));
    connect(m_tabs, &BrowserTabs::viewCreated, this, &MainWindow::onViewCreated);
    connect(m_tabs, &BrowserTabs::layoutRequested, this, &MainWindow::layoutStep);

    m_toolbarArea = new QWidget(this);
    m_toolbarArea->setObjectName(QStringLiteral("toolbarArea"));
    m_toolbarArea->setAutoFillBackground(true);
    m_tabStrip = new TabStrip(*m_tabs);
    m_bars = new MainCommandBars(*m_registry, *m_images, this);
    m_addressBar = new AddressBar(*m_tabs, m_state, m_state.language);
    m_addressBar->setObjectName(QStringLiteral("Text1"));
    m_statusLine = new StatusLine(this);
    m_findBar = new FindBar([this] { return m_tabs->currentView(); }, this);
    m_translation = std::make_unique<SelectionTranslation>(
        m_selectionTimer, m_state, [this] { return m_tabs->currentView(); }, this);
    m_pageTranslation = std::make_unique<MainPageTranslation>(
        *this, *m_tabs, m_state, m_translation->localPairs(), [this] { layoutStep(); });
    m_pageTranslation->addView(m_tabs->view(0));
    m_systemDesktop = std::make_unique<SystemDesktop>(m_files.folder());
    m_desktop = m_systemDesktop.get();

    m_floatingBars = std::make_unique<FloatingBars>(
        *this, *m_toolbarArea, *m_statusLine, m_state, m_twips,
        [this] { placeCurrentView(m_tabs->currentIndex()); },
        [this]() -> QWidget * { return m_tabs->currentView(); });
    connect(m_translation.get(), &SelectionTranslation::modeChanged, this,
            &MainWindow::showTranslationIndicator);

    m_layout = std::make_unique<MainWindowLayout>(MainWindowLayout::Parts{
        *this, *m_toolbarArea, *m_statusLine, *m_bars, *m_tabStrip, *m_addressBar, *m_findBar,
        m_pageTranslation->bar(), *m_tabs, *m_registry, m_state, m_twips});
    m_pageExports = std::make_unique<MainPageExports>(
        *this, *m_statusLine, *m_floatingBars, *m_layout, *m_tabs, m_state, m_files, m_notifier);
    makeDispatcher();
    connectChildren();
    setUpTimers();
    MainShortcuts::install(*this, *m_findBar, *m_addressBar, *m_bars,
                           [this] { m_layout->spreadOverScreen(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::exitAndSave);
}

void MainWindow::connectChildren() {
    connect(m_bars, &MainCommandBars::buttonClick, this,
            [this](int bar, const QString &key) { m_dispatcher->buttonClick(bar, key); });
    connect(m_bars, &MainCommandBars::menuOpened, this,
            [this](int bar) { m_dispatcher->menuOpened(bar); });
    connect(m_bars, &MainCommandBars::menuClosed, this,
            [this](int bar) { m_dispatcher->menuClosed(bar); });

    connect(m_tracker, &PageTracker::progressChanged, m_statusLine, &StatusLine::setProgress);
    connect(m_tracker, &PageTracker::statusTextChanged, m_statusLine, &StatusLine::setStatusText);
    connect(m_tracker, &PageTracker::addressTextChanged, m_addressBar,
            &AddressBar::showPageAddress);
    connect(m_addressBar, &AddressBar::focusEntered, m_floatingBars.get(),
            &FloatingBars::addressBarFocused);
    connect(m_addressBar, &AddressBar::navigated, m_floatingBars.get(), &FloatingBars::navigated);
    connect(m_statusLine, &StatusLine::moveRequested, this, &MainWindow::startMove);
    connect(m_addressBar, &AddressBar::addressRefused, this,
            [this](const QString &address) { m_messages.tooLongAddress(address); });
}

void MainWindow::setUpTimers() {
    m_deferredStartTimer.setObjectName(QStringLiteral("Timer4"));
    m_selectionTimer.setObjectName(QStringLiteral("the selection timer"));
    m_deferredStartTimer.setSingleShot(true);
    connect(&m_deferredStartTimer, &QTimer::timeout, this, [this] {
        DeferredStartup::run(*m_linkTable, m_state, m_files, *m_registry, m_messages);
    });
}

void MainWindow::makeDispatcher() {
    m_dispatcher = std::make_unique<MainDispatcher>(
        DispatchContext{*m_tabs, *m_addressBar, *m_findBar, *m_floatingBars, *m_translation,
                        m_state, *m_registry, *m_desktop, m_notifier, m_files, *this});
}
