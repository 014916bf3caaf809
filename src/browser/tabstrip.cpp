#include "tabstrip.h"

#include "browsertabs.h"
#include "mousebuttons.h"

#include <QMouseEvent>
#include <QStyleOptionTab>

TabStrip::TabStrip(BrowserTabs &tabs, QWidget *parent)
    : QTabBar(parent)
    , m_tabs(tabs) {
    setExpanding(false);
    setUsesScrollButtons(false);
    setDrawBase(false);
    setElideMode(Qt::ElideMiddle);
    setMouseTracking(true);
    syncCount(tabs.count());
    connect(&tabs, &BrowserTabs::countChanged, this, &TabStrip::syncCount);
    connect(&tabs, &BrowserTabs::captionChanged, this,
            [this](int index, const QString &caption) { setTabText(index, caption); });
    connect(&tabs, &BrowserTabs::currentChanged, this, &QTabBar::setCurrentIndex);
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_syncing)
            m_tabs.setCurrentIndex(index);
    });
}

void TabStrip::syncCount(int count) {
    m_syncing = true;
    while (this->count() > count)
        removeTab(this->count() - 1);
    while (this->count() < count)
        addTab(QString());
    for (int i = 0; i < count; ++i)
        setTabText(i, m_tabs.caption(i));
    setCurrentIndex(m_tabs.currentIndex());
    m_syncing = false;
}

void TabStrip::setStripWidth(int width) {
    m_stripWidth = width;
    setFixedWidth(width);
    // QTabBar lays its tabs out again only when told; setting the elide mode tells it.
    setElideMode(elideMode());
    updateGeometry();
}

QSize TabStrip::tabSizeHint(int index) const {
    QSize size = QTabBar::tabSizeHint(index);
    if (m_stripWidth > 0 && count() > 0)
        size.setWidth(m_stripWidth / count());
    return size;
}

QString TabStrip::shownCaption(int index) const {
    // Asking for a tab's place lays the tabs out first when a new width left them stale.
    if (tabRect(index).isEmpty())
        return {};
    QStyleOptionTab option;
    initStyleOption(&option, index); // QTabBar shortens the text here, as it paints it
    return option.text;
}

void TabStrip::mousePressEvent(QMouseEvent *event) {
    m_pressedButtons = MouseButton();
    QTabBar::mousePressEvent(event);
}

void TabStrip::mouseReleaseEvent(QMouseEvent *event) {
    QTabBar::mouseReleaseEvent(event);
    const int index = tabAt(event->position().toPoint());
    if (index < 0)
        return;
    // QTabBar makes a tab current only for the left button; a click with any button
    // acts on the tab clicked, so a right click refreshes that tab, not the one shown.
    setCurrentIndex(index);
    m_tabs.tabClick(m_pressedButtons);
}

void TabStrip::mouseMoveEvent(QMouseEvent *event) {
    QTabBar::mouseMoveEvent(event);
    QString tip = m_tabs.tooltipAt(event->position().toPoint().x(), width());
    const int index = tabAt(event->position().toPoint());
    if (index >= 0 && shownCaption(index) != tabText(index))
        tip = tip.isEmpty() ? tabText(index) : tabText(index) + u'\n' + tip;
    setToolTip(tip);
}
