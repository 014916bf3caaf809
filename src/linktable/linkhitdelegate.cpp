#include "linkhitdelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace {

// Enough for every row of many searches; beyond it the texts are laid out afresh.
constexpr int KeptTexts = 2000;

} // namespace

const QStaticText &LinkHitDelegate::laidOut(const QString &text, const QFont &font,
                                            int width) const {
    if (font != m_font || m_texts.size() > KeptTexts) {
        m_texts.clear();
        m_font = font;
    }
    const std::pair<int, QString> key{width, text};
    auto kept = m_texts.find(key);
    if (kept == m_texts.end()) {
        QStaticText laid(QFontMetrics(font).elidedText(text, Qt::ElideRight, width));
        // Laid out at its first drawing, for the painter's own scale (a HiDPI screen).
        laid.setTextFormat(Qt::PlainText);
        kept = m_texts.insert(key, laid);
    }
    return *kept;
}

void LinkHitDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    // The background, selection and focus as the style draws them; the text is ours.
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(opt);
        focus.backgroundColor = opt.palette.color(QPalette::Highlight);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }

    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = opt.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText &laid = laidOut(opt.text, opt.font, area.width());
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Active
                                                                            : QPalette::Inactive;
    const QPalette::ColorRole role =
        opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, role));
    const int top = area.top() + (area.height() - opt.fontMetrics.height()) / 2;
    painter->drawStaticText(QPoint(area.left(), top), laid);
    painter->restore();
}
