#include "mainlayout.h"

#include <algorithm>

namespace MainLayout {

namespace {

// On a line of its own the address bar keeps this share of it: room for an address of
// some 40 letters on a 1024-pixel screen.
constexpr double LineAddressShare = 0.3;

double element1Width(const MainLayoutInput &in) {
    return in.scaleWidth - 20 - in.element0Width - in.element2Width + 150;
}

// What the tabs may take beside the bars, the address bar keeping its least width.
double tabRoomBesideBars(const MainLayoutInput &in) {
    return element1Width(in) - 170 - in.minAddressWidth;
}

} // namespace

bool needsSecondLine(const MainLayoutInput &in) {
    const double readableTabs = std::min(in.tabStripWidth, in.minTabWidth * in.tabCount);
    return in.minTabWidth > 0 && tabRoomBesideBars(in) < readableTabs;
}

QRectF webView(const MainLayoutInput &in) {
    const double statusHeight = in.statusShown ? in.picStatHeight : 0;
    const double barsHeight =
        (in.barsShown ? in.toolbarHeight * (needsSecondLine(in) ? 2 : 1) : 0) + in.offerBarHeight;
    return {0, barsHeight, in.scaleWidth, in.scaleHeight - barsHeight - statusHeight};
}

MainLayoutResult compute(const MainLayoutInput &in) {
    MainLayoutResult r;
    const double toolbarWidth = in.scaleWidth - 20;
    r.secondLine = needsSecondLine(in);
    r.toolbarArea = {20, 0, toolbarWidth, in.toolbarHeight * (r.secondLine ? 2 : 1)};
    r.element2 = {toolbarWidth - in.element2Width + 150, 0, in.element2Width, in.toolbarHeight};
    // On a small screen the tabs and the address share a line of the whole width, under
    // the toolbars, rather than squeeze between them; the main toolbar then reaches to the
    // shortcut toolbar, so the first line has no hole.
    r.element0 = {0, 0, r.secondLine ? r.element2.left() : in.element0Width, in.toolbarHeight};
    const double element1Width = r.secondLine ? toolbarWidth : MainLayout::element1Width(in);
    r.element1 = r.secondLine ? QRectF(0, in.toolbarHeight - 10, element1Width, in.toolbarHeight)
                              : QRectF(in.element0Width, -10, element1Width, in.toolbarHeight);
    if (r.secondLine) // the tabs take what the address does not need
        r.tabStripWidth =
            element1Width - 170 - std::max(in.minAddressWidth, element1Width * LineAddressShare);
    else
        r.tabStripWidth = std::max(std::min(in.tabStripWidth, tabRoomBesideBars(in)),
                                   std::min(in.tabStripWidth, 300.0 * in.tabCount));
    r.addressBar = {r.tabStripWidth + 60, 30, std::max(0.0, element1Width - r.tabStripWidth - 110),
                    in.toolbarHeight - 60};

    r.picStat = {0, in.scaleHeight - in.picStatHeight, in.scaleWidth - 20, in.picStatHeight};
    const double statusWidth =
        in.scaleWidth - in.progressWidth - in.moveWidth - in.moveLWidth - in.timebarWidth - 60;
    r.moveL = {0, 0, in.moveLWidth, in.picStatHeight};
    r.statusBar = {in.moveLWidth, 0, statusWidth, in.picStatHeight};
    r.timebar = {r.statusBar.left() + statusWidth, 0, in.timebarWidth, in.picStatHeight};
    r.progressBar = {r.timebar.left() + in.timebarWidth, 0, in.progressWidth, in.picStatHeight};
    r.move = {in.scaleWidth - in.moveWidth - 50, 0, in.moveWidth, in.picStatHeight};
    r.webView = webView(in);
    r.offerBar = {0, r.webView.top() - in.offerBarHeight, in.scaleWidth, in.offerBarHeight};
    return r;
}

} // namespace MainLayout
