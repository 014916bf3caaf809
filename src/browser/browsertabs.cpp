#include "browsertabs.h"

#include "webview.h"

#include <algorithm>

BrowserTabs::BrowserTabs(ViewFactory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory)) {
    m_views.append(m_factory(0));
    m_captions.append(QString());
    m_tabURLs.append(QString());
}

BrowserTabs::~BrowserTabs() = default;

void BrowserTabs::setTabCount(int count) {
    count = std::clamp(count, 1, MaxTabCount);
    for (int i = static_cast<int>(m_views.size()); i < count; ++i) {
        WebView *view = m_factory(i);
        view->hide();
        m_views.append(view);
        Q_EMIT viewCreated(i, view);
    }
    // A shorter row leaves the views beyond it without a tab; they go.
    while (m_views.size() > count)
        delete m_views.takeLast();
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
    if (index >= 0 && index < count())
        m_tabURLs[index] = address;
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
