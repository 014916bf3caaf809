#include "mainwindow/mainwindowlayout.h"

#include "browser/addressbar.h"
#include "browser/browsertabs.h"
#include "browser/findbar.h"
#include "browser/tabstrip.h"
#include "browser/webview.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/maincommandbars.h"
#include "commandbar/maincommandtable.h"
#include "core/programstate.h"
#include "desktop/twips.h"
#include "mainwindow/statusline.h"
#include "mainwindow/windowplacement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr double PicStatHeight = 330;
constexpr double SmallButtonWidth = 330;
// Room for a caption's first and last letters either side of the ellipsis ("duck…com").
constexpr double MinTabWidth = 900;

QRect toPixels(const Twips &twips, const QRectF &r) {
    return {twips.toPixels(r.left()), twips.toPixels(r.top()), twips.toPixels(r.width()),
            twips.toPixels(r.height())};
}

} // namespace

MainWindowLayout::MainWindowLayout(const Parts &parts)
    : m_parts(parts) {}

MainLayoutInput MainWindowLayout::input() const {
    const Twips &twips = m_parts.twips;
    MainLayoutInput in;
    in.scaleWidth = twips.fromPixels(m_parts.window.width());
    in.scaleHeight = twips.fromPixels(m_parts.window.height());
    in.tabStripWidth = m_parts.state.language.settings().tabStripWidth();
    in.tabCount = m_parts.tabs.count();
    in.minTabWidth = MinTabWidth;
    // Our buttons are wider than the old ones were; a bar never cuts its last buttons off.
    if (const QToolBar *bar = m_parts.bars.toolbar(0))
        in.element0Width = std::max(in.element0Width, twips.fromPixels(bar->sizeHint().width()));
    if (const QToolBar *bar = m_parts.bars.toolbar(2))
        in.element2Width = std::max(in.element2Width, twips.fromPixels(bar->sizeHint().width()));
    in.picStatHeight = PicStatHeight;
    in.moveLWidth = SmallButtonWidth;
    in.moveWidth = SmallButtonWidth;
    in.timebarWidth = SmallButtonWidth;
    in.barsShown = m_parts.state.barsShown;
    in.statusShown = !m_parts.statusLine.isHidden();
    if (!m_parts.offerBar.isHidden())
        in.offerBarHeight = twips.fromPixels(m_parts.offerBar.sizeHint().height());
    return in;
}

void MainWindowLayout::layoutStep() {
    if (m_frozen)
        return;
    const Twips &twips = m_parts.twips;
    const MainLayoutResult r = MainLayout::compute(input());
    StatusLine &status = m_parts.statusLine;
    m_parts.toolbarArea.setGeometry(toPixels(twips, r.toolbarArea));
    status.setGeometry(toPixels(twips, r.picStat));
    status.moveLeftButton()->setGeometry(toPixels(twips, r.moveL));
    status.statusBar()->setGeometry(toPixels(twips, r.statusBar));
    status.timebar()->setGeometry(toPixels(twips, r.timebar));
    status.progressBar()->setGeometry(toPixels(twips, r.progressBar));
    status.moveButton()->setGeometry(toPixels(twips, r.move));
    const QRectF elements[] = {r.element0, r.element1, r.element2};
    for (int element = 0; element < 3; ++element) {
        if (QToolBar *bar = m_parts.bars.toolbar(element))
            bar->setGeometry(toPixels(twips, elements[element]));
    }
    const int tabWidth = twips.toPixels(r.tabStripWidth);
    if (tabWidth != m_parts.tabStrip.stripWidth()) {
        m_parts.registry.item(QLatin1String(MainCommandTable::TabStripPanel))
            .setPanelWidth(tabWidth);
        m_parts.tabStrip.setStripWidth(tabWidth);
    }
    m_parts.addressBar.setGeometry(toPixels(twips, r.addressBar));
    placeCurrentView(m_parts.tabs.currentIndex());
    // The find bar floats over the page's top right corner.
    const QRect page = toPixels(twips, r.webView);
    const QSize findSize = m_parts.findBar.sizeHint();
    m_parts.findBar.setGeometry(page.right() - findSize.width() - 16, page.top(), findSize.width(),
                                findSize.height());
}

void MainWindowLayout::placeCurrentView(int index) {
    const MainLayoutResult r = MainLayout::compute(input());
    if (WebView *view = m_parts.tabs.view(index))
        view->setGeometry(toPixels(m_parts.twips, r.webView));
    // The floating bars place the page alone; the offer bar goes with it.
    if (index == m_parts.tabs.currentIndex())
        m_parts.offerBar.setGeometry(toPixels(m_parts.twips, r.offerBar));
}

QSizeF MainWindowLayout::screenSizeInTwips() const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1280, 800);
    const Twips twips = Twips::forPlacements(screen);
    return {twips.fromPixels(size.width()), twips.fromPixels(size.height())};
}

void MainWindowLayout::placeWindow() {
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect screenRect = primary ? primary->geometry() : QRect(0, 0, 1280, 800);
    if (m_parts.state.settings.windowMode == 2) {
        m_parts.window.setGeometry(screenRect);
        return;
    }
    const Twips twips = Twips::forPlacements(primary);
    const auto &p = m_parts.state.settings.main;
    const QRect stored(twips.toPixels(p.left), twips.toPixels(p.top), twips.toPixels(p.width),
                       twips.toPixels(p.height));
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    // A frameless window's frame is its client area, so this is the outer placement too.
    m_parts.window.setGeometry(WindowPlacement::onScreen(
        stored, screens, primary ? primary->availableGeometry() : screenRect));
}

void MainWindowLayout::spreadOverScreen() {
    if (const QScreen *screen = m_parts.window.screen())
        m_parts.window.setGeometry(screen->geometry());
}

Placement<double> MainWindowLayout::placementInTwips() const {
    const QRect outer = m_parts.window.frameGeometry();
    const Twips twips = Twips::forPlacements(m_parts.window.screen());
    return {twips.fromPixels(outer.top()), twips.fromPixels(outer.left()),
            twips.fromPixels(outer.height()), twips.fromPixels(outer.width())};
}
