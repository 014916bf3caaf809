#pragma once

#include <QRectF>

// Where the main window's controls go for a given inner size, in twips. The window
// applies the result; the numbers live here so they can be checked without a display.
struct MainLayoutInput {
    double scaleWidth = 0;  // inner width of the window
    double scaleHeight = 0; // inner height
    double toolbarHeight = 385;
    double element0Width = 6050; // main toolbar
    double element2Width = 2800; // shortcut toolbar
    double tabStripWidth = 0;    // TAB_WIDTH
    int tabCount = 1;
    // The address bar keeps at least this much room; the tabs give way on a small
    // screen rather than leave no address to read.
    double minAddressWidth = 3000;
    // Each tab's least room for a readable caption. When the strip beside the toolbars
    // cannot give it, the tabs and the address bar take a second line of the whole width,
    // where the tabs get all the address bar does not need. 0: one line at any width.
    double minTabWidth = 0;
    double picStatHeight = 300;
    double moveLWidth = 300; // left move button
    double moveWidth = 300;  // right move button
    double timebarWidth = 300;
    double progressWidth = 1800;
    bool barsShown = true;
    bool statusShown = true;
    // The page translation's offer bar takes this much above the page; 0 while it is hidden.
    double offerBarHeight = 0;
};

struct MainLayoutResult {
    QRectF toolbarArea;
    QRectF element0;          // in toolbarArea
    QRectF element1;          // in toolbarArea; hosts the tab strip and the address bar
    bool secondLine = false;  // element 1 lies under elements 0 and 2
    QRectF element2;          // in toolbarArea
    double tabStripWidth = 0; // what the tabs get
    QRectF addressBar;        // in element 1
    QRectF picStat;
    QRectF moveL; // in picStat, as the four below
    QRectF statusBar;
    QRectF timebar;
    QRectF progressBar;
    QRectF move;
    QRectF webView;  // `placeCurrentView`: the current tab's view
    QRectF offerBar; // right above the view, as wide
};

namespace MainLayout {
MainLayoutResult compute(const MainLayoutInput &in);
// Whether the tabs and the address bar need a line of their own.
bool needsSecondLine(const MainLayoutInput &in);
// The view's place alone, as `placeCurrentView` gives it.
QRectF webView(const MainLayoutInput &in);
} // namespace MainLayout
