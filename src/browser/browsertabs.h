#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class WebView;

// The fixed row of tabs: one web view per tab, a caption per tab (empty while the tab is
// unopened) and `TabURL`, the address each tab was last sent. What a click on a tab does
// lives here; the strip widget only shows it.
//
// It is also the one funnel of the views' events: every view is connected here, each
// tab's latest values are kept, and only the current tab's events are passed on, so the
// bars the window shares never tell of a page the user is not looking at.
class BrowserTabs : public QObject {
    Q_OBJECT

public:
    // A tab's page as the tab last reported it.
    struct Page {
        // What the address bar shows for the tab: the web address it is going to while it
        // loads, the view's own address once it is idle.
        QString shownAddress;
        // The page's address as stored in links and history: the last web address that
        // completed in the tab, or the address last sent to it.
        QString address;
        QString title;
        int progress = 0; // percent
        bool loading = false;
    };

    static constexpr int DefaultTabCount = 8; // when the language file names none
    static constexpr int MaxTabCount = 32;

    using ViewFactory = std::function<WebView *(int index)>;

    // View 0 is made at once; the others when the tab count asks for them.
    explicit BrowserTabs(ViewFactory factory, QObject *parent = nullptr);
    ~BrowserTabs() override;

    // The tab count the language file gave (kept within 1..MaxTabCount); views are made
    // for new tabs, and every caption is emptied. When the current tab is gone, tab 0
    // becomes current and shows its page.
    void setTabCount(int count);
    // `TabURL` sized to the tab count, all entries empty.
    void clearTabURLs();

    int count() const { return static_cast<int>(m_captions.size()); }
    int currentIndex() const { return m_current; }
    // The one way a tab becomes current: its view is shown, the others hidden, and the
    // window lays itself out again.
    void setCurrentIndex(int index);

    WebView *view(int index) const;
    WebView *currentView() const { return view(m_current); }
    const QList<WebView *> &views() const { return m_views; }

    QString caption(int index) const { return m_captions.value(index); }
    void setCaption(int index, const QString &caption);
    QString tabURL(int index) const { return m_tabURLs.value(index); }
    // The address sent to the tab is its page's address until a page completes there.
    void setTabURL(int index, const QString &address);

    // The tab's present values; an empty page past the last tab.
    Page page(int index) const;
    Page currentPage() const { return page(m_current); }

    // The click on a tab, after it has become current. mouseButtons: 1 left, 2 right,
    // 4 middle, as they were when the pointer went down.
    void tabClick(int mouseButtons);
    // The address of the tab under x when all tabs share the strip's width equally;
    // empty past the last tab.
    QString tooltipAt(int x, int stripWidth) const;

    // Only the current tab's view is shown.
    void showCurrentViewOnly();

Q_SIGNALS:
    void viewCreated(int index, WebView *view);
    void countChanged(int count);
    void captionChanged(int index, const QString &caption);
    void currentChanged(int index);
    // The window lays itself out again, placing the current view.
    void layoutRequested();

    // The current tab's events; a background tab's only change what it keeps.
    void navigationStarted(const QString &address);
    void progressChanged(int percent);
    void titleChanged(const QString &title);
    void statusTextChanged(const QString &text);
    void loadFinished(const QString &address);
    void navigationRefused(const QString &address);
    // Another tab became current: its present values, at once.
    void currentPageChanged(const BrowserTabs::Page &page);

private:
    void connectView(WebView *view);
    // Keeps what the view reported in its tab's page; true when that tab is the current one.
    bool record(const WebView *view, const std::function<void(Page &)> &change);
    void passOnCurrent();

    ViewFactory m_factory;
    QList<WebView *> m_views;
    QStringList m_captions;
    QStringList m_tabURLs;
    QList<Page> m_pages;
    int m_current = 0;
};
