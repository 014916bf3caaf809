#pragma once

#include <QTabBar>

class BrowserTabs;

// `Tab1`: shows the tabs of BrowserTabs in equal widths and hands its clicks back. A
// caption too long for its tab loses its middle, so both the start and the end of a site
// name stay readable, and the tooltip then shows it whole. Every
// change of its current tab (click, wheel, arrow keys) goes to BrowserTabs, the one owner
// of which tab is current.
class TabStrip : public QTabBar {
    Q_OBJECT

public:
    explicit TabStrip(BrowserTabs &tabs, QWidget *parent = nullptr);

    // The whole strip's width; every tab takes an equal share.
    void setStripWidth(int width);
    int stripWidth() const { return m_stripWidth; }
    // Caption index as its tab shows it: shortened in the middle when the tab is too narrow
    // for it ("duckd…go.com"); the tab's accessible name keeps the whole caption.
    QString shownCaption(int index) const;

protected:
    QSize tabSizeHint(int index) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void syncCount(int count);

    BrowserTabs &m_tabs;
    int m_stripWidth = 0;
    int m_pressedButtons = 0; // `TabMouseButtons`
    // Adding and removing tabs moves QTabBar's current index on the way; those moves
    // are not the user's.
    bool m_syncing = false;
};
