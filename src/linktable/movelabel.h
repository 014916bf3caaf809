#pragma once

#include <QLabel>

// lblMove: a label that moves its window while the pointer is pressed on it, for a window
// the user drags by its title row.
class MoveLabel : public QLabel {
    Q_OBJECT

public:
    MoveLabel(const QString &name, QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
