#include "groupstrip.h"

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
