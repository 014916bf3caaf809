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
    m_timer5.setInterval(2000);
    connect(&m_timer5, &QTimer::timeout, this, &PageTracker::timer5Tick);
    connect(&tabs, &BrowserTabs::statusTextChanged, this, &PageTracker::StatusTextChange);
    connect(&tabs, &BrowserTabs::progressChanged, this, &PageTracker::setProgress);
    connect(&tabs, &BrowserTabs::titleChanged, this, &PageTracker::TitleChange);
    connect(&tabs, &BrowserTabs::navigationStarted, this, &PageTracker::BeforeNavigate2);
    connect(&tabs, &BrowserTabs::loadFinished, this, &PageTracker::DocumentComplete);
    connect(&tabs, &BrowserTabs::navigationRefused, this, &PageTracker::NavigationRefused);
    connect(&tabs, &BrowserTabs::currentPageChanged, this, &PageTracker::showPage);
}

void PageTracker::StatusTextChange(const QString &text) {
    setStatusText(text);
}

void PageTracker::TitleChange(const QString &text) {
    setStatusText(text);
}

void PageTracker::BeforeNavigate2(const QString &address) {
    setProgress(0);
    if (isWebAddress(address))
        Q_EMIT addressTextChanged(address);
    setStatusText(m_language.caption(179));
    m_timer5.start();
}

void PageTracker::DocumentComplete() {
    setProgress(100);
}

void PageTracker::NavigationRefused(const QString &address) {
    // A data address can be megabytes long; the status line needs only its beginning.
    constexpr qsizetype Shown = 200;
    setStatusText(m_language.caption(Captions::NavigationRefused) + QLatin1Char(' ') +
                  (address.size() > Shown ? address.left(Shown) + QChar(0x2026) : address));
}

void PageTracker::showPage(const BrowserTabs::Page &page) {
    setProgress(page.progress);
    setStatusText(page.loading ? m_language.caption(179) : page.title);
    // An unopened tab has no address yet; the bar keeps its text until the tab opens.
    if (!page.shownAddress.isEmpty())
        Q_EMIT addressTextChanged(page.shownAddress);
    // Still loading: its final address follows once it is idle.
    if (page.loading)
        m_timer5.start();
}

void PageTracker::timer5Tick() {
    WebView *view = m_tabs.currentView();
    if (!view || view->busy())
        return;
    Q_EMIT addressTextChanged(view->locationURL());
    m_timer5.stop();
}

void PageTracker::setProgress(int progress) {
    m_progress = progress;
    Q_EMIT progressChanged(progress);
}

void PageTracker::setStatusText(const QString &text) {
    m_statusText = text;
    Q_EMIT statusTextChanged(text);
}
