#include "pagetracker.h"

#include "browsertabs.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "core/programstate.h"
#include "webview.h"

#include <cmath>

namespace {

bool isWebAddress(const QString &address) {
    return address.left(4).toLower() == QLatin1String("http");
}

} // namespace

PageTracker::PageTracker(BrowserTabs &tabs, ProgramState &state, const LanguageFile &language,
                         QObject *parent)
    : QObject(parent)
    , m_tabs(tabs)
    , m_state(state)
    , m_language(language) {
    m_timer5.setInterval(2000);
    connect(&m_timer5, &QTimer::timeout, this, &PageTracker::timer5Tick);
}

void PageTracker::track(WebView *view) {
    connect(view, &WebView::statusTextChange, this, &PageTracker::StatusTextChange);
    connect(view, &WebView::progressChange, this, &PageTracker::ProgressChange);
    connect(view, &WebView::titleChange, this, &PageTracker::TitleChange);
    connect(view, &WebView::beforeNavigate2, this, &PageTracker::BeforeNavigate2);
    connect(view, &WebView::documentComplete, this, &PageTracker::DocumentComplete);
    connect(view, &WebView::windowClosing, this, &PageTracker::WindowClosing);
    connect(view, &WebView::navigationRefused, this, &PageTracker::NavigationRefused);
}

void PageTracker::StatusTextChange(const QString &text) {
    setStatusText(text);
}

void PageTracker::ProgressChange(int progress, int maximum) {
    if (progress <= 0 || progress > maximum)
        return;
    // Halves go to the even neighbour, as everywhere in the program.
    setProgress(static_cast<int>(std::nearbyint(progress * 100.0 / maximum)));
}

void PageTracker::TitleChange(const QString &text) {
    setStatusText(text);
    m_state.pageTitle = text;
}

void PageTracker::BeforeNavigate2(const QString &address) {
    setProgress(0);
    if (isWebAddress(address))
        Q_EMIT addressTextChanged(address);
    setStatusText(m_language.caption(179));
    m_timer5.start();
}

void PageTracker::DocumentComplete(const QString &address) {
    setProgress(100);
    if (isWebAddress(address))
        m_state.currentURL = address;
}

void PageTracker::WindowClosing(bool isChildWindow, bool *cancel) {
    // A page may close a window it opened, never the browser.
    if (!isChildWindow && cancel)
        *cancel = true;
}

void PageTracker::NavigationRefused(const QString &address) {
    // A data address can be megabytes long; the status line needs only its beginning.
    constexpr qsizetype Shown = 200;
    setStatusText(m_language.caption(Captions::NavigationRefused) + QLatin1Char(' ') +
                  (address.size() > Shown ? address.left(Shown) + QChar(0x2026) : address));
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
