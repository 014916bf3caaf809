#pragma once

class QScreen;

// Window measures are kept in twips (1/1440 inch), as every stored placement is;
// the screen's real resolution turns them into pixels.
class Twips {
public:
    explicit Twips(double twipsPerPixel = 15.0);
    // For what is laid out inside a window: it grows with the buttons and the text when
    // the toolkit enlarges every pixel (QT_SCALE_FACTOR).
    static Twips forScreen(const QScreen *screen);
    // For the stored window placements: a twip keeps its length on the screen at any
    // scale factor, so a window comes back at the same physical place and size.
    static Twips forPlacements(const QScreen *screen);

    double perPixel() const { return m_perPixel; }
    int toPixels(double twips) const;
    double fromPixels(double pixels) const { return pixels * m_perPixel; }

private:
    double m_perPixel;
};
