#pragma once

// The zoom levels a page steps through with Ctrl+plus and Ctrl+minus: the ones browsers
// share, so a page looks the same size here after the same number of presses.
class ZoomSteps {
public:
    // The next level above (direction > 0) or below (direction < 0) factor, kept at the
    // last level at either end; direction 0 gives the page's own size, 1.
    static double step(double factor, int direction);
};
