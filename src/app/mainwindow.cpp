#include "mainwindow.h"

#include "app/mainlayout.h"
#include "core/notifier.h"
#include "app/settingsfile.h"
#include "app/statusline.h"
#include "app/windowplacement.h"
#include "browser/addressbar.h"
#include "browser/addressrule.h"
#include "browser/findbar.h"
#include "browser/pagetracker.h"
#include "browser/sitename.h"
#include "browser/tabstrip.h"
#include "browser/webview.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/floatingbars.h"
#include "commandbar/imagelist.h"
#include "commandbar/maincommandbars.h"
#include "commandbar/mainimages.h"
#include "desktop/systemdesktop.h"
#include "dispatch/maindispatcher.h"
#include "linktable/linktable.h"
#include "commandbar/applylanguagetexts.h"
#include "core/captions.h"
#include "settings/languagechoice.h"
#include "translate/selectiontranslation.h"
#include "userdata/historyfile.h"
#include "userdata/optionsfile.h"
#include "windows/secondarywindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <cmath>

namespace {

constexpr double PicStatHeight = 330;
constexpr double SmallButtonWidth = 330;

QRect toPixels(const Twips &twips, const QRectF &r) {
    return {twips.toPixels(r.left()), twips.toPixels(r.top()), twips.toPixels(r.width()),
            twips.toPixels(r.height())};
}

} // namespace

MainWindow::MainWindow(ProgramFiles files, Notifier &notifier, BrowserTabs::ViewFactory viewFactory,
                       QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_files(std::move(files))
    , m_notifier(notifier)
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

void MainWindow::createChildren() {
    m_tracker = new PageTracker(*m_tabs, m_state, m_state.language, this);
    onViewCreated(0, m_tabs->view(0));
    connect(m_tabs, &BrowserTabs::viewCreated, this, &MainWindow::onViewCreated);
    connect(m_tabs, &BrowserTabs::layoutRequested, this, &MainWindow::layoutStep);

    m_picBar = new QWidget(this);
    m_picBar->setObjectName(QStringLiteral("picBar"));
    m_picBar->setAutoFillBackground(true);
    m_tabStrip = new TabStrip(*m_tabs);
    m_bars = new MainCommandBars(*m_registry, *m_images, this);
    m_addressBar = new AddressBar(*m_tabs, m_state, m_state.language);
    m_addressBar->setObjectName(QStringLiteral("Text1"));
    m_statusLine = new StatusLine(this);
    m_findBar = new FindBar([this] { return m_tabs->currentView(); }, this);
    m_translation = std::make_unique<SelectionTranslation>(
        m_timer6, m_state, [this] { return m_tabs->currentView(); }, this);
    m_systemDesktop = std::make_unique<SystemDesktop>(m_files.folder().root());
    m_desktop = m_systemDesktop.get();

    m_floatingBars = std::make_unique<FloatingBars>(
        *this, *m_picBar, *m_statusLine, m_state, m_twips,
        [this] { Set_Web(m_tabs->currentIndex()); },
        [this]() -> QWidget * { return m_tabs->currentView(); });
    connect(m_translation.get(), &SelectionTranslation::modeChanged, this,
            &MainWindow::showTranslationIndicator);

    makeDispatcher();
    connect(m_bars, &MainCommandBars::buttonClick, this,
            [this](int bar, const QString &key) { m_dispatcher->ButtonClick(bar, key); });
    connect(m_bars, &MainCommandBars::menuOpened, this,
            [this](int bar) { m_dispatcher->MenuOpened(bar); });
    connect(m_bars, &MainCommandBars::menuClosed, this,
            [this](int bar) { m_dispatcher->MenuClosed(bar); });

    connect(m_tracker, &PageTracker::progressChanged, m_statusLine, &StatusLine::setProgress);
    connect(m_tracker, &PageTracker::statusTextChanged, m_statusLine, &StatusLine::setStatusText);
    connect(m_tracker, &PageTracker::addressTextChanged, m_addressBar,
            &AddressBar::showPageAddress);
    connect(m_addressBar, &AddressBar::focusEntered, m_floatingBars.get(),
            &FloatingBars::addressBarFocused);
    connect(m_addressBar, &AddressBar::navigated, m_floatingBars.get(), &FloatingBars::navigated);
    connect(m_statusLine, &StatusLine::moveRequested, this, &MainWindow::startMove);
    connect(m_addressBar, &AddressBar::addressRefused, this, &MainWindow::reportTooLongAddress);

    m_timer4.setObjectName(QStringLiteral("Timer4"));
    m_timer6.setObjectName(QStringLiteral("Timer6"));
    m_timer4.setSingleShot(true);
    connect(&m_timer4, &QTimer::timeout, this, &MainWindow::timer4Tick);

    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, m_findBar, &FindBar::open);
    auto *f12 = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(f12, &QShortcut::activated, this, &MainWindow::spreadOverScreen);
    // The address bar is where a user expects Ctrl+L, Alt+D and F6 to go.
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_L),
                                     QKeySequence(Qt::ALT | Qt::Key_D), QKeySequence(Qt::Key_F6)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            m_addressBar->setFocus(Qt::ShortcutFocusReason);
            m_addressBar->lineEdit()->selectAll();
        });
    }
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::GO_Exit);
}

void MainWindow::makeDispatcher() {
    m_dispatcher = std::make_unique<MainDispatcher>(
        DispatchContext{*m_tabs, *m_addressBar, *m_findBar, *m_floatingBars, *m_translation,
                        m_state, *m_registry, *m_desktop, m_notifier, m_files, *this});
}

void MainWindow::setDesktop(Desktop *desktop) {
    m_desktop = desktop;
    makeDispatcher();
}

void MainWindow::onViewCreated(int /*index*/, WebView *view) {
    m_tracker->track(view);
    view->setPropertyTexts(propertyTexts());
}

bool MainWindow::load() {
    // Values fixed for the run; TodayText is set when the state is made.
    m_state.pictureCounter = 0;

    const WriteResult options =
        OptionsFile(m_files.optionsFile()).read(m_state.options, m_files.defaultHomeAddress());
    if (!options)
        reportWriteFailure(options);

    if (!loadLanguage())
        return false;
    m_tabs->clearTabURLs();

    MainImages::load(*m_images, m_files.folder());
    m_bars->build(m_state.language, m_files.folder(), m_tabStrip,
                  m_twips.toPixels(m_state.language.settings().tabStripWidth()));
    // The other windows' bars use separators the main command set made.
    m_windows = std::make_unique<SecondaryWindows>(
        WindowContext{*m_registry, m_state.language, m_files.folder(), m_notifier, *m_desktop,
                      m_state, [this] { return int(m_state.options.selectedBarStyle); }});
    applyLanguageTexts();
    readSettings();

    m_state.barsShown = true;
    m_registry->item(QStringLiteral("FILE:FLOATING")).setChecked(m_state.options.autoHideBars != 0);
    static const char *const StyleItems[] = {"FILE:SYSTEM", "FILE:OFFICE", "FILE:MONEY", "FILE:XP"};
    const int style = m_state.options.selectedBarStyle;
    if (style >= 0 && style <= 3)
        m_registry->item(QLatin1String(StyleItems[style])).setChecked(true);

    m_addressBar->appendHistory(HistoryFile(m_files.historyFile()).read());

    for (int element = 0; element < 3; ++element)
        m_bars->toolbar(element)->setParent(m_picBar);
    m_addressBar->setParent(m_bars->toolbar(1));
    // The last bar reaches past the window's edge by design; room at its end keeps its
    // last button whole.
    m_bars->toolbar(2)->setContentsMargins(0, 0, m_twips.toPixels(150), 0);
    m_bars->setBarStyle(style);
    m_registry->item(QStringLiteral("FAVORITE")).setEnabled(false);

    placeWindow();
    for (WebView *view : m_tabs->views()) {
        view->setRegisterAsBrowser(false);
        view->setSilent(true);
    }
    for (int i = 0; i < m_tabs->count(); ++i)
        Set_Web(i);
    m_state.currentURL.clear();

    m_statusLine->cmdMove()->setIcon(m_images->picture(121));
    m_statusLine->cmdMoveL()->setIcon(m_images->picture(122));
    showTranslationIndicator(false);

    openHomeAddress();
    startTimers();
    layoutStep();
    return true;
}

bool MainWindow::loadLanguage() {
    const LanguageChoice choice =
        LanguageChoice::load(m_state.language, m_files.folder(), m_state.options.currentLanguage);
    if (choice.outcome == LanguageChoice::Outcome::NoLanguage) {
        // Without any texts there is nothing to show; the built-in English texts say why.
        m_notifier.warn(m_state.language.caption(Captions::ProgramName),
                        m_state.language.caption(Captions::LanguageFileNotLoaded) +
                            QStringLiteral("\n") + choice.failed);
        return false;
    }
    if (choice.outcome == LanguageChoice::Outcome::EnglishInstead) {
        reportLanguageFailure(choice.failed);
        m_state.options.currentLanguage = choice.language;
    }
    m_tabs->setTabCount(
        m_state.language.settings().tabNumber.value_or(BrowserTabs::DefaultTabCount));
    return true;
}

void MainWindow::reportTooLongAddress(const QString &address) {
    constexpr qsizetype Shown = 100;
    m_notifier.warn(m_state.language.caption(Captions::ProgramName),
                    m_state.language.caption(Captions::AddressTooLong) + QLatin1Char('\n') +
                        address.left(Shown) + QChar(0x2026));
}

void MainWindow::reportLanguageFailure(const QString &failed) {
    m_notifier.warn(m_state.language.caption(Captions::ProgramName),
                    m_state.language.caption(Captions::LanguageFileNotLoaded) +
                        QStringLiteral("\n") + failed);
}

void MainWindow::applyLanguageTexts() {
    LanguageTexts::Targets targets;
    targets.setMoveButtonsToolTip = [this](const QString &text) {
        for (QToolButton *button : {m_statusLine->cmdMove(), m_statusLine->cmdMoveL()}) {
            button->setToolTip(text);
            button->setAccessibleName(text);
        }
    };
    targets.setProgressBarText = [this](const QString &text) {
        m_statusLine->progressBar()->setFormat(text);
        m_statusLine->progressBar()->setAccessibleName(text);
    };
    targets.linkTitles = &m_linkTable->titles();
    m_windows->addTo(targets);
    ApplyLanguageTexts(*m_registry, m_state, targets);
    // The controls that show no caption of their own are named for screen readers too.
    m_tabStrip->setAccessibleName(m_state.language.caption(Captions::TabBar));
    m_addressBar->setAccessibleName(m_state.language.caption(Captions::AddressBar));
    m_addressBar->lineEdit()->setAccessibleName(m_state.language.caption(Captions::AddressBar));
    setAccessibleName(m_state.language.caption(Captions::ProgramName));
    for (int element = 0; element < 3; ++element) {
        if (QToolBar *bar = m_bars->toolbar(element)) {
            bar->setWindowTitle(m_state.language.caption(Captions::Toolbar));
            bar->setAccessibleName(m_state.language.caption(Captions::Toolbar));
        }
    }
    m_statusLine->statusBar()->setAccessibleName(m_state.language.caption(Captions::StatusBar));
    m_statusLine->timebar()->setToolTip(m_state.language.caption(Captions::TranslateSelection));
    m_statusLine->timebar()->setAccessibleName(
        m_state.language.caption(Captions::TranslateSelection));
    m_translation->applyLanguageTexts();
    for (WebView *view : m_tabs->views())
        view->setPropertyTexts(propertyTexts());
    const LanguageFile &language = m_state.language;
    m_findBar->setTexts(language.caption(Captions::FindOnPage),
                        language.caption(Captions::FindNext),
                        language.caption(Captions::FindPrevious), language.caption(Captions::Close),
                        language.caption(Captions::TextNotFound));
}

WebView::PropertyTexts MainWindow::propertyTexts() const {
    const LanguageFile &language = m_state.language;
    WebView::PropertyTexts texts;
    texts.window = language.caption(Captions::PropertiesWindow);
    texts.title = language.caption(Captions::PropertyTitle);
    texts.address = language.caption(Captions::PropertyAddress);
    texts.type = language.caption(Captions::PropertyType);
    texts.size = language.caption(Captions::PropertySize);
    texts.bytes = language.caption(Captions::PropertyBytes);
    texts.encoding = language.caption(Captions::PropertyEncoding);
    return texts;
}

void MainWindow::switchLanguage(const QString &language) {
    const QString path = m_files.languageFile(language);
    // Reading clears every text first, so a file that cannot be read is not tried.
    if (path.isEmpty() || !QFileInfo(path).isReadable()) {
        reportLanguageFailure(path.isEmpty() ? language : path);
        return;
    }
    // A broken file (not text, or short of captions) gives way to English, and the user
    // learns which file it was.
    const LanguageChoice choice =
        LanguageChoice::load(m_state.language, m_files.folder(), language);
    if (choice.outcome != LanguageChoice::Outcome::Chosen)
        reportLanguageFailure(choice.failed);
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
    notYetAvailable();
}

void MainWindow::exportPage(const QString & /*key*/) {
    notYetAvailable();
}

void MainWindow::notYetAvailable() {
    // Better said plainly than a command that does nothing.
    m_notifier.inform(m_state.language.caption(Captions::ProgramName),
                      m_state.language.caption(Captions::NotAvailableYet));
}

void MainWindow::applyBarStyle() {
    m_bars->setBarStyle(m_state.options.selectedBarStyle);
}

void MainWindow::showTranslationIndicator(bool on) {
    m_statusLine->timebar()->setIcon(m_images->picture(on ? MainImages::TranslationOnPicture
                                                          : MainImages::TranslationOffPicture));
}

void MainWindow::readSettings() {
    m_state.settings = SettingsFile(m_files.settingsFile()).read(screenSizeInTwips());
}

QSizeF MainWindow::screenSizeInTwips() const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1280, 800);
    return {m_twips.fromPixels(size.width()), m_twips.fromPixels(size.height())};
}

void MainWindow::placeWindow() {
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect screenRect = primary ? primary->geometry() : QRect(0, 0, 1280, 800);
    if (m_state.settings.windowMode == 2) {
        setGeometry(screenRect);
        return;
    }
    const auto &p = m_state.settings.main;
    const QRect stored(m_twips.toPixels(p.left), m_twips.toPixels(p.top), m_twips.toPixels(p.width),
                       m_twips.toPixels(p.height));
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    const QRect placed = WindowPlacement::onScreen(
        stored, screens, primary ? primary->availableGeometry() : screenRect);
    // A frameless window's frame is its client area, so this is the outer placement too.
    setGeometry(placed);
}

void MainWindow::openHomeAddress() {
    if (AddressRule::isTooLong(m_state.options.homeAddress)) {
        // No page has such an address; the start page shows instead of nothing, and it
        // is the home page kept from now on.
        reportTooLongAddress(m_state.options.homeAddress);
        m_state.options.homeAddress.clear();
    }
    if (m_state.options.homeAddress.isEmpty())
        m_state.options.homeAddress = m_files.defaultHomeAddress();
    const QString address = m_state.options.homeAddress;
    m_addressBar->setAddressText(address);
    m_tabs->setCurrentIndex(0);
    m_tabs->setTabURL(0, address);
    m_state.currentURL = address;
    m_tabs->view(0)->navigate(address);
    m_tabs->setCaption(0, SiteName::of(address));
    m_tabs->showCurrentViewOnly();
}

void MainWindow::startTimers() {
    m_floatingBars->start();
    m_timer4.setInterval(750);
    m_timer4.start();
    m_tracker->timer5().start();
    m_timer6.setInterval(1000);
    m_timer6.stop();
}

MainLayoutInput MainWindow::layoutInput() const {
    MainLayoutInput in;
    in.scaleWidth = m_twips.fromPixels(width());
    in.scaleHeight = m_twips.fromPixels(height());
    in.tabStripWidth = m_state.language.settings().tabStripWidth();
    in.tabCount = m_tabs->count();
    // Our buttons are wider than the old ones were; a bar never cuts its last buttons off.
    if (m_bars) {
        if (const QToolBar *bar = m_bars->toolbar(0))
            in.element0Width =
                std::max(in.element0Width, m_twips.fromPixels(bar->sizeHint().width()));
        if (const QToolBar *bar = m_bars->toolbar(2))
            in.element2Width =
                std::max(in.element2Width, m_twips.fromPixels(bar->sizeHint().width()));
    }
    in.picStatHeight = PicStatHeight;
    in.moveLWidth = SmallButtonWidth;
    in.moveWidth = SmallButtonWidth;
    in.timebarWidth = SmallButtonWidth;
    in.barsShown = m_state.barsShown;
    in.statusShown = m_statusLine && !m_statusLine->isHidden();
    return in;
}

void MainWindow::layoutStep() {
    if (m_layoutFrozen || !m_bars)
        return;
    const MainLayoutResult r = MainLayout::compute(layoutInput());
    m_picBar->setGeometry(toPixels(m_twips, r.picBar));
    m_statusLine->setGeometry(toPixels(m_twips, r.picStat));
    m_statusLine->cmdMoveL()->setGeometry(toPixels(m_twips, r.moveL));
    m_statusLine->statusBar()->setGeometry(toPixels(m_twips, r.statusBar));
    m_statusLine->timebar()->setGeometry(toPixels(m_twips, r.timebar));
    m_statusLine->progressBar()->setGeometry(toPixels(m_twips, r.progressBar));
    m_statusLine->cmdMove()->setGeometry(toPixels(m_twips, r.move));
    if (QToolBar *bar = m_bars->toolbar(0))
        bar->setGeometry(toPixels(m_twips, r.element0));
    if (QToolBar *bar = m_bars->toolbar(1))
        bar->setGeometry(toPixels(m_twips, r.element1));
    if (QToolBar *bar = m_bars->toolbar(2))
        bar->setGeometry(toPixels(m_twips, r.element2));
    const int tabWidth = m_twips.toPixels(r.tabStripWidth);
    if (tabWidth != m_tabStrip->stripWidth()) {
        m_registry->item(QStringLiteral("NIL4")).setPanelWidth(tabWidth);
        m_tabStrip->setStripWidth(tabWidth);
    }
    m_addressBar->setGeometry(toPixels(m_twips, r.addressBar));
    Set_Web(m_tabs->currentIndex());
    // The find bar floats over the page's top right corner.
    const QRect page = toPixels(m_twips, r.webView);
    const QSize findSize = m_findBar->sizeHint();
    m_findBar->setGeometry(page.right() - findSize.width() - 16, page.top(), findSize.width(),
                           findSize.height());
}

void MainWindow::Set_Web(int index) {
    WebView *view = m_tabs->view(index);
    if (!view)
        return;
    view->setGeometry(toPixels(m_twips, MainLayout::webView(layoutInput())));
}

void MainWindow::timer4Tick() {
    const WriteResult titles = m_linkTable->readTitles(m_state.language);
    if (!titles)
        reportWriteFailure(titles);
    m_state.wordTemplatePath = m_files.folder().path(QStringLiteral("Data/Template.Doc"));
    m_state.wordTemplateHPath = m_files.folder().path(QStringLiteral("Data/TemplateH.Doc"));
    m_registry->item(QStringLiteral("FAVORITE")).setEnabled(true);
    const LanguageFile &language = m_state.language;
    if (const TranslationLanguage *mine =
            language.findTranslationCode(m_state.settings.myLanguage)) {
        if (CommandButton *item =
                m_registry->find(QStringLiteral("MYLANG:") + mine->name.trimmed().toUpper()))
            item->setChecked(true);
    }
}

void MainWindow::spreadOverScreen() {
    const QScreen *screen = this->screen();
    if (screen)
        setGeometry(screen->geometry());
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
        setWindowTitle(m_state.language.caption(179));
    } else if (m_wasMinimised && windowState() == Qt::WindowNoState) {
        // A frameless window gains no title bar here, so nothing moves on restore.
        m_wasMinimised = false;
        setWindowTitle(QString());
        layoutStep();
    }
}

void MainWindow::closeEvent(QCloseEvent *event) {
    GO_Exit();
    event->accept();
}

Placement<double> MainWindow::placementInTwips() const {
    const QRect outer = frameGeometry();
    return {m_twips.fromPixels(outer.top()), m_twips.fromPixels(outer.left()),
            m_twips.fromPixels(outer.height()), m_twips.fromPixels(outer.width())};
}

void MainWindow::reportWriteFailure(const WriteResult &result) {
    m_notifier.warn(m_state.language.caption(179), m_state.language.caption(105) +
                                                       QLatin1Char('\n') + result.path +
                                                       QStringLiteral("\n") + result.error);
}

void MainWindow::GO_Exit() {
    if (m_exiting)
        return;
    m_exiting = true;
    m_floatingBars->stop();
    m_timer6.stop();
    // Whatever path ends the program, an open window asks nothing more: a session's end
    // cannot wait for an answer, and unsaved typing is kept for the next start.
    if (m_windows)
        m_windows->endSession();

    // Each file is written even when an earlier one failed; every failure is told.
    const WriteResult results[] = {
        OptionsFile(m_files.optionsFile()).save(m_state.options),
        HistoryFile(m_files.historyFile()).save(m_addressBar->history()),
        SettingsFile(m_files.settingsFile()).save(m_state.settings, placementInTwips()),
    };
    for (const WriteResult &result : results) {
        if (!result)
            reportWriteFailure(result);
    }

    if (WebView *view = m_tabs->currentView())
        view->stop();
    hide();
    for (const char *name : {"html.txt", "doc.txt"}) {
        const QString path = m_files.folder().path(QLatin1String(name));
        if (QFile::exists(path))
            QFile::remove(path);
    }
    m_translation->closeWindow();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->close();
    }
    Q_EMIT exited();
    QCoreApplication::quit();
}
