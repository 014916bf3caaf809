#include "desktop/twips.h"

#include <QScreen>
#include <cmath>

namespace {

// What QT_SCALE_FACTOR makes of one logical pixel, in device pixels, read as the toolkit
// reads it; anything it would not take counts as no factor.
double userScaleFactor() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

} // namespace

Twips::Twips(double twipsPerPixel)
    : m_perPixel(twipsPerPixel > 0 ? twipsPerPixel : 15.0) {}

Twips Twips::forScreen(const QScreen *screen) {
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return Twips(dpi > 0 ? 1440.0 / dpi : 15.0);
}

Twips Twips::forPlacements(const QScreen *screen) {
    // The logical DPI stays at the desktop's setting under QT_SCALE_FACTOR, while each
    // logical pixel covers that many device pixels. The desktop's own scaling (a screen
    // set to 192 dpi) needs nothing here: its logical pixels keep their physical size.
    return Twips(forScreen(screen).perPixel() * userScaleFactor());
}

int Twips::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips / m_perPixel));
}
