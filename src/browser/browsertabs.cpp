#include "browsertabs.h"

#include "webview.h"

#include <algorithm>
#include <cmath>

namespace {

bool isWebAddress(const QString &address) {
    return address.left(4).toLower() == QLatin1String("http");
}

} // namespace

BrowserTabs::BrowserTabs(ViewFactory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory)) {
    m_views.append(m_factory(0));
    m_captions.append(QString());
    m_tabURLs.append(QString());
    m_pages.append(Page());
    connectView(m_views.first());
}

BrowserTabs::~BrowserTabs() = default;

void BrowserTabs::setTabCount(int count) {
    count = std::clamp(count, 1, MaxTabCount);
    for (int i = static_cast<int>(m_views.size()); i < count; ++i) {
        WebView *view = m_factory(i);
        view->hide();
        m_views.append(view);
        m_pages.append(Page());
        connectView(view);
        Q_EMIT viewCreated(i, view);
    }
    // A shorter row leaves the views beyond it without a tab; they go.
    while (m_views.size() > count) {
        delete m_views.takeLast();
        m_pages.removeLast();
    }
    m_captions = QStringList(count, QString());
    m_tabURLs.resize(count);
    const bool currentRemoved = m_current >= count;
    if (currentRemoved)
        m_current = 0;
    Q_EMIT countChanged(count);
    // The current tab went with the shorter row: tab 0 takes its place, page and all.
    if (currentRemoved) {
        showCurrentViewOnly();
        Q_EMIT currentChanged(m_current);
        passOnCurrent();
        Q_EMIT layoutRequested();
    }
}

void BrowserTabs::clearTabURLs() {
    m_tabURLs = QStringList(count(), QString());
}

void BrowserTabs::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    // Whatever made the tab current (a click, the wheel, a key), its page shows: a typed
    // address must never go to a tab other than the one the strip highlights.
    showCurrentViewOnly();
    Q_EMIT currentChanged(index);
    passOnCurrent();
    Q_EMIT layoutRequested();
}

WebView *BrowserTabs::view(int index) const {
    return m_views.value(index, nullptr);
}

void BrowserTabs::setCaption(int index, const QString &caption) {
    if (index < 0 || index >= count())
        return;
    m_captions[index] = caption;
    Q_EMIT captionChanged(index, caption);
}

void BrowserTabs::setTabURL(int index, const QString &address) {
    if (index < 0 || index >= count())
        return;
    m_tabURLs[index] = address;
    m_pages[index].address = address;
}

BrowserTabs::Page BrowserTabs::page(int index) const {
    if (index < 0 || index >= count())
        return {};
    Page page = m_pages[index];
    const WebView *view = m_views[index];
    page.loading = view->busy();
    // Idle, the view's own address is final (redirects, a script's pushState); loading,
    // it is still the old page's.
    if (!page.loading && !view->locationURL().isEmpty())
        page.shownAddress = view->locationURL();
    return page;
}

void BrowserTabs::connectView(WebView *view) {
    connect(view, &WebView::navigationStarting, this, [this, view](const QString &address) {
        const bool current = record(view, [&address](Page &page) {
            page.progress = 0;
            if (isWebAddress(address))
                page.shownAddress = address;
        });
        if (current)
            Q_EMIT navigationStarted(address);
    });
    connect(view, &WebView::progressChange, this, [this, view](int progress, int maximum) {
        if (progress <= 0 || progress > maximum)
            return;
        // Halves go to the even neighbour, as everywhere in the program.
        const int percent = static_cast<int>(std::nearbyint(progress * 100.0 / maximum));
        if (record(view, [percent](Page &page) { page.progress = percent; }))
            Q_EMIT progressChanged(percent);
    });
    connect(view, &WebView::titleChange, this, [this, view](const QString &title) {
        if (record(view, [&title](Page &page) { page.title = title; }))
            Q_EMIT titleChanged(title);
    });
    connect(view, &WebView::statusTextChange, this, [this, view](const QString &text) {
        // A hovered link means nothing once the user is elsewhere: not kept.
        if (record(view, [](Page &) {}))
            Q_EMIT statusTextChanged(text);
    });
    connect(view, &WebView::documentComplete, this, [this, view](const QString &address) {
        const bool current = record(view, [&address](Page &page) {
            page.progress = 100;
            if (isWebAddress(address))
                page.address = address;
        });
        if (current)
            Q_EMIT loadFinished(address);
    });
    connect(view, &WebView::navigationRefused, this, [this, view](const QString &address) {
        if (record(view, [](Page &) {}))
            Q_EMIT navigationRefused(address);
    });
    // A page may close a window it opened, never the browser, whichever tab it is in.
    connect(view, &WebView::windowClosing, this, [](bool isChildWindow, bool *cancel) {
        if (!isChildWindow && cancel)
            *cancel = true;
    });
}

bool BrowserTabs::record(const WebView *view, const std::function<void(Page &)> &change) {
    const auto index = m_views.indexOf(view);
    if (index < 0)
        return false;
    change(m_pages[index]);
    return index == m_current;
}

void BrowserTabs::passOnCurrent() {
    Q_EMIT currentPageChanged(currentPage());
}

void BrowserTabs::showCurrentViewOnly() {
    for (int i = 0; i < count(); ++i)
        m_views[i]->setVisible(i == m_current);
}

void BrowserTabs::tabClick(int mouseButtons) {
    Q_EMIT layoutRequested();
    if (mouseButtons == 1) {
        showCurrentViewOnly();
        const int k = m_current;
        // An unopened tab opens on the page of its left neighbour; tab 0 has none.
        if (k >= 1 && m_captions[k].isEmpty()) {
            setCaption(k, m_captions[k - 1]);
            m_views[k]->navigate(m_tabURLs[k - 1]);
            m_tabURLs[k] = m_tabURLs[k - 1];
        }
    } else if (mouseButtons == 2) {
        currentView()->refresh();
    }
}

QString BrowserTabs::tooltipAt(int x, int stripWidth) const {
    if (x < 0 || stripWidth <= 0)
        return {};
    const double tabWidth = double(stripWidth) / count();
    const int k = static_cast<int>(x / tabWidth);
    return m_tabURLs.value(k);
}
