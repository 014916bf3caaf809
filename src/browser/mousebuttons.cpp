#include "mousebuttons.h"

#include <QGuiApplication>

int MouseButton() {
    const Qt::MouseButtons held = QGuiApplication::mouseButtons();
    return (held & Qt::LeftButton ? 1 : 0) | (held & Qt::RightButton ? 2 : 0) |
           (held & Qt::MiddleButton ? 4 : 0);
}
