#include "groupstrip.h"

#include "linktable/linktitles.h"

#include <QStyleOptionTab>
#include <QStylePainter>

GroupStrip::GroupStrip(int strip, QWidget *parent)
    : QTabBar(parent)
    , m_strip(strip) {
    setObjectName(QStringLiteral("TabF%1").arg(strip));
    setExpanding(false);
    // All fifteen tabs stay in sight: long titles are shortened instead.
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideRight);
    setDrawBase(false);
    // Fifteen titles side by side: a smaller type and tighter tabs keep them readable.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    setFont(small);
    setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 2px 4px; border: 1px solid palette(mid); border-bottom: none;"
        " background: palette(button); }"
        " QTabBar::tab:selected { background: palette(base); font-weight: bold; }"));
}

void GroupStrip::setShowsCurrent(bool shows) {
    if (m_showsCurrent == shows)
        return;
    m_showsCurrent = shows;
    update();
}

void GroupStrip::setTitle(int index, const QString &title) {
    QString shown = title;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    setTabText(index, shown);
    setAccessibleTabName(index, title);
}

void GroupStrip::setTitles(const LinkTitles &titles) {
    for (int tab = 0; tab < count(); ++tab)
        setTitle(tab, titles.title(1 + m_strip * count() + tab));
}

QString GroupStrip::title(int index) const {
    return accessibleTabName(index);
}

void GroupStrip::paintEvent(QPaintEvent *event) {
    if (m_showsCurrent) {
        QTabBar::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
}
