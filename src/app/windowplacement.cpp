#include "windowplacement.h"

#include <algorithm>

namespace {
// Enough of the window to grab one of its move buttons and drag it back.
constexpr int MinimumVisibleWidth = 100;
constexpr int MinimumVisibleHeight = 40;
} // namespace

namespace WindowPlacement {

QRect onScreen(const QRect &stored, const QList<QRect> &screens, const QRect &primary) {
    for (const QRect &screen : screens) {
        const QRect visible = screen.intersected(stored);
        if (visible.width() >= MinimumVisibleWidth && visible.height() >= MinimumVisibleHeight)
            return stored;
    }
    QRect placed = stored;
    placed.setWidth(std::min(stored.width(), primary.width()));
    placed.setHeight(std::min(stored.height(), primary.height()));
    placed.moveTopLeft(primary.topLeft());
    return placed;
}

} // namespace WindowPlacement
