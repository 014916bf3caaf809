#include "windowplacement.h"

#include <algorithm>

namespace {
// Enough of the window to grab one of its move buttons and drag it back.
constexpr int MinimumVisibleWidth = 100;
constexpr int MinimumVisibleHeight = 40;

qint64 areaOf(const QRect &r) {
    return r.isValid() ? qint64(r.width()) * r.height() : 0;
}

// The window shrunk to the screen's size and moved inside it, so its exit and minimise
// buttons at the corners and its status line can be reached.
QRect fittedInto(const QRect &window, const QRect &screen) {
    QRect fitted = window;
    fitted.setWidth(std::min(window.width(), screen.width()));
    fitted.setHeight(std::min(window.height(), screen.height()));
    fitted.moveLeft(std::clamp(fitted.left(), screen.left(), screen.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), screen.top(), screen.bottom() - fitted.height() + 1));
    return fitted;
}
} // namespace

namespace WindowPlacement {

QRect onScreen(const QRect &stored, const QList<QRect> &screens, const QRect &primary) {
    // The screen that shows most of the window is the one it is on.
    const QRect *home = nullptr;
    for (const QRect &screen : screens) {
        const QRect visible = screen.intersected(stored);
        if (visible.width() >= MinimumVisibleWidth && visible.height() >= MinimumVisibleHeight &&
            (!home || areaOf(visible) > areaOf(home->intersected(stored))))
            home = &screen;
    }
    if (home) {
        // A placement from a bigger monitor would put the window's edges off the screen.
        if (stored.width() > home->width() || stored.height() > home->height())
            return fittedInto(stored, *home);
        return stored;
    }
    QRect placed = stored;
    placed.setWidth(std::min(stored.width(), primary.width()));
    placed.setHeight(std::min(stored.height(), primary.height()));
    placed.moveTopLeft(primary.topLeft());
    return placed;
}

} // namespace WindowPlacement
