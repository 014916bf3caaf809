#include "mainwindow.h"

#include "browser/addressbar.h"
#include "browser/findbar.h"
#include "browser/pagetracker.h"
#include "browser/tabstrip.h"
#include "commandbar/applylanguagetexts.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/floatingbars.h"
#include "commandbar/imagelist.h"
#include "commandbar/maincommandbars.h"
#include "commandbar/maincommandtable.h"
#include "commandbar/mainimages.h"
#include "core/captions.h"
#include "desktop/systemdesktop.h"
#include "dispatch/maindispatcher.h"
#include "linktable/linktable.h"
#include "mainwindow/mainlinktable.h"
#include "mainwindow/mainpageexports.h"
#include "mainwindow/mainpagetranslation.h"
#include "mainwindow/mainshortcuts.h"
#include "mainwindow/mainwindowlayout.h"
#include "mainwindow/mainwindowtexts.h"
#include "mainwindow/secondarywindows.h"
#include "mainwindow/statusline.h"
#include "settings/languagechoice.h"
#include "startup/deferredstartup.h"
#include "startup/exitfiles.h"
#include "startup/startaddress.h"
#include "translate/pagetranslationbar.h"
#include "translate/selectiontranslation.h"
#include "userdata/historyfile.h"
#include "userdata/optionsfile.h"
#include "userdata/settingsfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

MainWindow::MainWindow(ProgramFiles files, Notifier &notifier, BrowserTabs::ViewFactory viewFactory,
                       QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_files(std::move(files))
    , m_notifier(notifier)
    , m_messages(notifier, m_state.language)
    , m_twips(Twips::forScreen(QGuiApplication::primaryScreen()))
    , m_registry(std::make_unique<CommandRegistry>())
    , m_images(std::make_unique<ImageList>())
    , m_linkTable(std::make_unique<LinkTable>(m_files.folder())) {
    setObjectName(QStringLiteral("frmStart"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_tabs = new BrowserTabs(
        [this, viewFactory](int index) {
            WebView *view = viewFactory(index);
            view->setParent(this);
            return view;
        },
        this);
    createChildren();
}

MainWindow::~MainWindow() = default;

void MainWindow::setDesktop(Desktop *desktop) {
    m_desktop = desktop;
    makeDispatcher();
}

void MainWindow::onViewCreated(int /*index*/, WebView *view) {
    if (m_pageTranslation) // view 0 comes before it, and is added when it is made
        m_pageTranslation->addView(view);
    view->setPropertyTexts(MainWindowTexts::propertyTexts(m_state.language));
}

namespace {

// The button of the command that does action.
CommandButton &buttonOf(const CommandRegistry &registry, CommandAction action) {
    return registry.item(QLatin1String(MainCommandTable::keyOf(action)));
}

} // namespace

bool MainWindow::load(const QString &startAddress) {
    // Values fixed for the run; TodayText is set when the state is made.
    m_state.pictureCounter = 0;

    const WriteResult options =
        OptionsFile(m_files.optionsFile()).read(m_state.options, m_files.defaultHomeAddress());
    if (!options)
        reportWriteFailure(options);

    if (!loadLanguage())
        return false;
    if (m_beforeFirstPage)
        m_beforeFirstPage(m_state);
    m_tabs->clearTabURLs();

    MainImages::load(*m_images, m_files.folder());
    m_bars->build(m_state.language, m_files.folder(), m_tabStrip,
                  m_twips.toPixels(m_state.language.settings().tabStripWidth()));
    // The other windows' bars use separators the main command set made.
    m_windows = std::make_unique<SecondaryWindows>(
        WindowContext{*m_registry, m_state.language, m_files.folder(), m_notifier, *m_desktop,
                      m_state, [this] { return int(m_state.options.selectedBarStyle); }});
    applyLanguageTexts();
    m_state.settings = SettingsFile(m_files.settingsFile()).read(m_layout->screenSizeInTwips());

    m_state.barsShown = true;
    buttonOf(*m_registry, CommandAction::FloatingBars)
        .setChecked(m_state.options.autoHideBars != 0);
    const int style = m_state.options.selectedBarStyle;
    if (style >= 0 && style <= 3)
        buttonOf(*m_registry, MainCommandTable::styleAction(style)).setChecked(true);

    m_addressBar->appendHistory(HistoryFile(m_files.historyFile()).read());

    for (int element = 0; element < 3; ++element)
        m_bars->toolbar(element)->setParent(m_toolbarArea);
    m_addressBar->setParent(m_bars->toolbar(1));
    // The last bar reaches past the window's edge by design; room at its end keeps its
    // last button whole.
    m_bars->toolbar(2)->setContentsMargins(0, 0, m_twips.toPixels(150), 0);
    m_bars->setBarStyle(style);
    buttonOf(*m_registry, CommandAction::LinkTable).setEnabled(false);

    m_layout->placeWindow();
    for (WebView *view : m_tabs->views())
        view->setSilent(true);
    for (int i = 0; i < m_tabs->count(); ++i)
        placeCurrentView(i);

    m_statusLine->moveButton()->setIcon(m_images->picture(MainImages::MovePicture));
    m_statusLine->moveLeftButton()->setIcon(m_images->picture(MainImages::MoveLeftPicture));
    showTranslationIndicator(false);

    StartAddress::open(startAddress, m_state, m_files, *m_addressBar, *m_tabs, m_messages);
    startTimers();
    layoutStep();
    return true;
}

bool MainWindow::loadLanguage() {
    const LanguageChoice choice =
        LanguageChoice::load(m_state.language, m_files.folder(), m_state.options.currentLanguage);
    if (choice.outcome == LanguageChoice::Outcome::NoLanguage) {
        // Without any texts there is nothing to show; the built-in English texts say why.
        m_messages.languageFailure(choice.failed);
        return false;
    }
    if (choice.outcome == LanguageChoice::Outcome::EnglishInstead) {
        m_messages.languageFailure(choice.failed);
        m_state.options.currentLanguage = choice.language;
    }
    m_tabs->setTabCount(
        m_state.language.settings().tabNumber.value_or(BrowserTabs::DefaultTabCount));
    return true;
}

void MainWindow::applyLanguageTexts() {
    LanguageTexts::Targets targets;
    targets.setMoveButtonsToolTip = [this](const QString &text) {
        for (QToolButton *button : {m_statusLine->moveButton(), m_statusLine->moveLeftButton()}) {
            button->setToolTip(text);
            button->setAccessibleName(text);
        }
    };
    targets.setProgressBarText = [this](const QString &text) {
        m_statusLine->progressBar()->setFormat(text);
        m_statusLine->progressBar()->setAccessibleName(text);
    };
    // Empty groups 1..150 (LinkGroupCount × LinkGroupSize) take the new language's title.
    targets.retitleEmptyGroups = [this](const QString &title) {
        m_linkTable->titles().retitleEmptyGroups(title, ProgramState::LinkGroupCount *
                                                            ProgramState::LinkGroupSize);
    };
    m_windows->addTo(targets);
    ApplyLanguageTexts(*m_registry, m_state, targets);
    MainWindowTexts::nameControls(m_state.language, *this, *m_statusLine, *m_tabStrip,
                                  *m_addressBar, *m_bars, *m_findBar);
    m_translation->applyLanguageTexts();
    m_pageTranslation->applyLanguageTexts();
    for (WebView *view : m_tabs->views())
        view->setPropertyTexts(MainWindowTexts::propertyTexts(m_state.language));
}

void MainWindow::switchLanguage(const QString &language) {
    const QString path = m_files.languageFile(language);
    // Reading clears every text first, so a file that cannot be read is not tried.
    if (path.isEmpty() || !QFileInfo(path).isReadable()) {
        m_messages.languageFailure(path.isEmpty() ? language : path);
        return;
    }
    // A broken file (not text, or short of captions) gives way to English, and the user
    // learns which file it was.
    const LanguageChoice choice =
        LanguageChoice::load(m_state.language, m_files.folder(), language);
    if (choice.outcome != LanguageChoice::Outcome::Chosen)
        m_messages.languageFailure(choice.failed);
    if (choice.outcome == LanguageChoice::Outcome::NoLanguage)
        return;
    m_state.options.currentLanguage = choice.language;
    // The tab count is read again; every tab becomes unopened while its page stays.
    m_tabs->setTabCount(
        m_state.language.settings().tabNumber.value_or(BrowserTabs::DefaultTabCount));
    applyLanguageTexts();
    const WriteResult saved = OptionsFile(m_files.optionsFile()).save(m_state.options);
    if (!saved)
        reportWriteFailure(saved);
    m_tabStrip->setStripWidth(0); // the next layout sizes the tabs again
    layoutStep();
}

void MainWindow::showAbout() {
    m_windows->showAbout(this);
}

void MainWindow::showLanguageEditor() {
    m_windows->showLanguageEditor(this);
}

void MainWindow::showLinkTable() {
    MainLinkTable::open(*m_windows, *m_linkTable, m_state, *m_tabs, *m_addressBar, this);
}

void MainWindow::exportPage(PageExportKind kind) {
    if (!m_pageExports->run(kind))
        m_messages.notYetAvailable();
}

void MainWindow::reportWriteFailure(const WriteResult &result) {
    m_messages.writeFailure(result);
}

void MainWindow::applyBarStyle() {
    m_bars->setBarStyle(m_state.options.selectedBarStyle);
}

void MainWindow::showTranslationIndicator(bool on) {
    m_statusLine->timebar()->setIcon(m_images->picture(on ? MainImages::TranslationOnPicture
                                                          : MainImages::TranslationOffPicture));
}

void MainWindow::togglePageTranslation() {
    m_pageTranslation->toggle();
}

void MainWindow::startTimers() {
    m_floatingBars->start();
    m_deferredStartTimer.setInterval(750);
    m_deferredStartTimer.start();
    m_tracker->settleTimer().start();
    m_selectionTimer.setInterval(1000);
    m_selectionTimer.stop();
}

void MainWindow::layoutStep() {
    if (m_layout)
        m_layout->layoutStep();
}

void MainWindow::placeCurrentView(int index) {
    if (m_layout)
        m_layout->placeCurrentView(index);
}

void MainWindow::startMove() {
    if (QWindow *handle = windowHandle())
        handle->startSystemMove();
}

void MainWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    layoutStep();
}

void MainWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (windowState() & Qt::WindowMinimized) {
        // The task bar shows a name while the window is minimised.
        m_wasMinimised = true;
        setWindowTitle(m_state.language.caption(Captions::ProgramName));
    } else if (m_wasMinimised && windowState() == Qt::WindowNoState) {
        // A frameless window gains no title bar here, so nothing moves on restore.
        m_wasMinimised = false;
        setWindowTitle(QString());
        layoutStep();
    }
}

void MainWindow::closeEvent(QCloseEvent *event) {
    exitAndSave();
    event->accept();
}

void MainWindow::exitAndSave() {
    if (m_exiting)
        return;
    m_exiting = true;
    m_floatingBars->stop();
    m_selectionTimer.stop();
    // Whatever path ends the program, an open window asks nothing more: a session's end
    // cannot wait for an answer, and unsaved typing is kept for the next start.
    if (m_windows)
        m_windows->endSession();

    // Every failure is told.
    const QList<WriteResult> results =
        ExitFiles::save(m_files, m_state, m_addressBar->history(), m_layout->placementInTwips());
    for (const WriteResult &result : results) {
        if (!result)
            reportWriteFailure(result);
    }

    if (WebView *view = m_tabs->currentView())
        view->stop();
    hide();
    ExitFiles::removeTemporaryFiles(m_files);
    m_translation->closeWindow();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->close();
    }
    Q_EMIT exited();
    QCoreApplication::quit();
}
