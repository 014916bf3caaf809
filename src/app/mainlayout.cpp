#include "mainlayout.h"

#include <algorithm>

namespace MainLayout {

QRectF webView(const MainLayoutInput &in) {
    const double statusHeight = in.statusShown ? in.picStatHeight : 0;
    if (in.barsShown)
        return {0, in.picBarHeight, in.scaleWidth, in.scaleHeight - in.picBarHeight - statusHeight};
    return {0, 0, in.scaleWidth, in.scaleHeight - statusHeight};
}

MainLayoutResult compute(const MainLayoutInput &in) {
    MainLayoutResult r;
    const double picBarWidth = in.scaleWidth - 20;
    r.picBar = {20, 0, picBarWidth, in.picBarHeight};
    r.element0 = {0, 0, in.element0Width, in.picBarHeight};
    const double element1Width = picBarWidth - in.element0Width - in.element2Width + 150;
    r.element1 = {in.element0Width, -10, element1Width, in.picBarHeight};
    r.element2 = {picBarWidth - in.element2Width + 150, 0, in.element2Width, in.picBarHeight};
    const double tabRoom = element1Width - 170 - in.minAddressWidth;
    r.tabStripWidth = std::max(std::min(in.tabStripWidth, tabRoom),
                               std::min(in.tabStripWidth, 300.0 * in.tabCount));
    r.addressBar = {r.tabStripWidth + 60, 30, std::max(0.0, element1Width - r.tabStripWidth - 110),
                    in.picBarHeight - 60};

    r.picStat = {0, in.scaleHeight - in.picStatHeight, in.scaleWidth - 20, in.picStatHeight};
    const double statusWidth =
        in.scaleWidth - in.progressWidth - in.moveWidth - in.moveLWidth - in.timebarWidth - 60;
    r.moveL = {0, 0, in.moveLWidth, in.picStatHeight};
    r.statusBar = {in.moveLWidth, 0, statusWidth, in.picStatHeight};
    r.timebar = {r.statusBar.left() + statusWidth, 0, in.timebarWidth, in.picStatHeight};
    r.progressBar = {r.timebar.left() + in.timebarWidth, 0, in.progressWidth, in.picStatHeight};
    r.move = {in.scaleWidth - in.moveWidth - 50, 0, in.moveWidth, in.picStatHeight};
    r.webView = webView(in);
    return r;
}

} // namespace MainLayout
