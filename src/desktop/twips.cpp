#include "desktop/twips.h"

#include <QScreen>
#include <cmath>

Twips::Twips(double twipsPerPixel)
    : m_perPixel(twipsPerPixel > 0 ? twipsPerPixel : 15.0) {}

Twips Twips::forScreen(const QScreen *screen) {
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return Twips(dpi > 0 ? 1440.0 / dpi : 15.0);
}

int Twips::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips / m_perPixel));
}
