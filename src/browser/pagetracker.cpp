#include "pagetracker.h"

#include "core/captions.h"
#include "core/languagefile.h"
#include "webview.h"

namespace {

bool isWebAddress(const QString &address) {
    return address.left(4).toLower() == QLatin1String("http");
}

} // namespace

PageTracker::PageTracker(BrowserTabs &tabs, const LanguageFile &language, QObject *parent)
    : QObject(parent)
    , m_tabs(tabs)
    , m_language(language) {
    m_settleTimer.setInterval(2000);
    connect(&m_settleTimer, &QTimer::timeout, this, &PageTracker::showSettledAddress);
    connect(&tabs, &BrowserTabs::statusTextChanged, this, &PageTracker::showStatusText);
    connect(&tabs, &BrowserTabs::progressChanged, this, &PageTracker::setProgress);
    connect(&tabs, &BrowserTabs::titleChanged, this, &PageTracker::showTitle);
    connect(&tabs, &BrowserTabs::navigationStarted, this, &PageTracker::navigationStarted);
    connect(&tabs, &BrowserTabs::loadFinished, this, &PageTracker::loadFinished);
    connect(&tabs, &BrowserTabs::navigationRefused, this, &PageTracker::showRefusedNavigation);
    connect(&tabs, &BrowserTabs::currentPageChanged, this, &PageTracker::showPage);
}

void PageTracker::showStatusText(const QString &text) {
    setStatusText(text);
}

void PageTracker::showTitle(const QString &text) {
    setStatusText(text);
}

void PageTracker::navigationStarted(const QString &address) {
    setProgress(0);
    if (isWebAddress(address))
        Q_EMIT addressTextChanged(address);
    setStatusText(m_language.caption(Captions::ProgramName));
    m_settleTimer.start();
}

void PageTracker::loadFinished() {
    setProgress(100);
}

void PageTracker::showRefusedNavigation(const QString &address) {
    // A data address can be megabytes long; the status line needs only its beginning.
    constexpr qsizetype Shown = 200;
    setStatusText(m_language.caption(Captions::NavigationRefused) + QLatin1Char(' ') +
                  (address.size() > Shown ? address.left(Shown) + QChar(0x2026) : address));
}

void PageTracker::showPage(const BrowserTabs::Page &page) {
    setProgress(page.progress);
    setStatusText(page.loading ? m_language.caption(Captions::ProgramName) : page.title);
    // An unopened tab has no address yet; the bar keeps its text until the tab opens.
    if (!page.shownAddress.isEmpty())
        Q_EMIT addressTextChanged(page.shownAddress);
    // Still loading: its final address follows once it is idle.
    if (page.loading)
        m_settleTimer.start();
}

void PageTracker::showSettledAddress() {
    WebView *view = m_tabs.currentView();
    if (!view || view->busy())
        return;
    Q_EMIT addressTextChanged(view->locationURL());
    m_settleTimer.stop();
}

void PageTracker::setProgress(int progress) {
    m_progress = progress;
    Q_EMIT progressChanged(progress);
}

void PageTracker::setStatusText(const QString &text) {
    m_statusText = text;
    Q_EMIT statusTextChanged(text);
}
