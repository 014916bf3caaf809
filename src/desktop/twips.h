#pragma once

class QScreen;

// Window measures are kept in twips (1/1440 inch), as every stored placement is;
// the screen's real resolution turns them into pixels.
class Twips {
public:
    explicit Twips(double twipsPerPixel = 15.0);
    static Twips forScreen(const QScreen *screen);

    double perPixel() const { return m_perPixel; }
    int toPixels(double twips) const;
    double fromPixels(double pixels) const { return pixels * m_perPixel; }

private:
    double m_perPixel;
};
