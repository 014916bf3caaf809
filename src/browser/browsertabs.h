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
class BrowserTabs : public QObject {
    Q_OBJECT

public:
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
    void setTabURL(int index, const QString &address);

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

private:
    ViewFactory m_factory;
    QList<WebView *> m_views;
    QStringList m_captions;
    QStringList m_tabURLs;
    int m_current = 0;
};
