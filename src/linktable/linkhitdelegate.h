#pragma once

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Paints a row of the links found. The style's own delegate lays each row's text out
// three times a paint (size, elision, drawing), and a keystroke repaints every row shown:
// here a row's text is laid out once, cut to the width, and kept for the next paints.
class LinkHitDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    const QStaticText &laidOut(const QString &text, const QFont &font, int width) const;

    // By width and text: the width changes as the scroll bar comes and goes with the
    // number of links found, and each width keeps its texts.
    mutable QHash<std::pair<int, QString>, QStaticText> m_texts;
    mutable QFont m_font; // the texts were laid out in
};
