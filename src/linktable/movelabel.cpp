#include "movelabel.h"

#include <QIcon>
#include <QMouseEvent>
#include <QWindow>

MoveLabel::MoveLabel(const QString &name, QWidget *parent)
    : QLabel(parent) {
    setObjectName(QStringLiteral("lblMove"));
    setPixmap(QIcon::fromTheme(QStringLiteral("transform-move")).pixmap(16));
    setText(pixmap().isNull() ? QStringLiteral("✥") : QString());
    setToolTip(name);
    setAccessibleName(name);
    setCursor(Qt::SizeAllCursor);
}

void MoveLabel::mousePressEvent(QMouseEvent *event) {
    if (QWindow *handle = window()->windowHandle()) {
        handle->startSystemMove();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}
