#include "filehelpers.h"
#include "mainwindow/mainlayout.h"
#include "mainwindow/windowplacement.h"

#include <gtest/gtest.h>

namespace {
MainLayoutInput wide() {
    MainLayoutInput in;
    in.scaleWidth = 10020; // toolbarArea 10000 wide
    in.scaleHeight = 8000;
    in.tabStripWidth = 880;
    in.minAddressWidth = 0; // the plain rules, without room kept for the address
    return in;
}
} // namespace

TEST(MainLayout, ToolbarsShareTheTopStrip) {
    const MainLayoutResult r = MainLayout::compute(wide());
    EXPECT_EQ(r.toolbarArea, QRectF(20, 0, 10000, 385));
    EXPECT_EQ(r.element2.left(), 7350);
    EXPECT_EQ(r.element1.width(), 10000 - 6050 - 2800 + 150);
    EXPECT_EQ(r.element1.left(), 6050);
    EXPECT_EQ(r.element1.top(), -10); // ten above the window's top, right of element 0
    EXPECT_EQ(r.addressBar.left(), 880 + 60);
    EXPECT_EQ(r.addressBar.width(), 1300 - 880 - 110);
}

TEST(MainLayout, TabsGiveWayToTheAddressBarOnASmallScreen) {
    MainLayoutInput in = wide();
    in.scaleWidth = 19200; // 1280 pixels
    in.tabStripWidth = 8800;
    in.tabCount = 8;
    in.minAddressWidth = 3000;
    const MainLayoutResult r = MainLayout::compute(in);
    EXPECT_EQ(r.element1.width(), 19180 - 6050 - 2800 + 150);
    EXPECT_EQ(r.addressBar.width(), 3000 + 60); // the least room it keeps
    EXPECT_EQ(r.tabStripWidth, 10480 - 170 - 3000);
    in.scaleWidth = 28800; // 1920 pixels: TAB_WIDTH as the language file says
    EXPECT_EQ(MainLayout::compute(in).tabStripWidth, 8800);
    in.scaleWidth = 9000; // a tiny window: every tab keeps 300 twips
    EXPECT_EQ(MainLayout::compute(in).tabStripWidth, 2400);
}

TEST(MainLayout, OnASmallScreenTheTabsAndTheAddressTakeALineOfTheirOwn) {
    MainLayoutInput in = wide();
    in.element0Width = 7725; // the toolbars as our buttons make them
    in.element2Width = 3750;
    in.tabStripWidth = 8800;
    in.tabCount = 8;
    in.minAddressWidth = 3000;
    in.minTabWidth = 900;
    in.scaleWidth = 15360; // 1024 pixels
    MainLayoutResult r = MainLayout::compute(in);
    EXPECT_TRUE(r.secondLine);
    EXPECT_EQ(r.toolbarArea, QRectF(20, 0, 15340, 770));
    EXPECT_EQ(r.element1, QRectF(0, 375, 15340, 385));
    EXPECT_EQ(r.element2.left(), 15340 - 3750 + 150);            // the toolbars keep their places
    EXPECT_EQ(r.element0, QRectF(0, 0, r.element2.left(), 385)); // and leave no hole
    // The address keeps 30 % of the line, the tabs take the rest.
    EXPECT_DOUBLE_EQ(r.tabStripWidth, 15340 - 170 - 0.3 * 15340);
    EXPECT_DOUBLE_EQ(r.addressBar.width(), 0.3 * 15340 + 60);
    EXPECT_EQ(r.webView, QRectF(0, 770, 15360, 8000 - 770 - 300));
    EXPECT_EQ(MainLayout::webView(in), r.webView);

    // Exactly room for eight readable tabs beside the least address: one line, as always.
    in.scaleWidth = 20 + 7725 + 3750 - 150 + 170 + 3000 + 8 * 900;
    r = MainLayout::compute(in);
    EXPECT_FALSE(r.secondLine);
    EXPECT_EQ(r.element1, QRectF(7725, -10, 8 * 900 + 3170, 385));
    EXPECT_EQ(r.element0.width(), 7725);
    EXPECT_EQ(r.tabStripWidth, 8 * 900);
    EXPECT_EQ(r.webView.top(), 385);
    in.scaleWidth -= 1;
    EXPECT_TRUE(MainLayout::compute(in).secondLine);
    // A narrower TAB_WIDTH asks for no more than itself.
    in.tabStripWidth = 8 * 900 - 1;
    EXPECT_FALSE(MainLayout::compute(in).secondLine);
    in.scaleWidth = 9000; // 600 pixels: the address keeps its least room even so
    EXPECT_EQ(MainLayout::compute(in).addressBar.width(), 3000 + 60);
}

TEST(MainLayout, StatusLineEndsWithTheMoveButtonTenAfterTheProgressBar) {
    const MainLayoutResult r = MainLayout::compute(wide());
    EXPECT_EQ(r.picStat.top(), 8000 - 300);
    EXPECT_EQ(r.statusBar.left(), r.moveL.width());
    EXPECT_EQ(r.timebar.left(), r.statusBar.right());
    EXPECT_EQ(r.progressBar.left(), r.timebar.right());
    EXPECT_EQ(r.progressBar.width(), 1800);
    EXPECT_EQ(r.move.left() - r.progressBar.right(), 10);
}

TEST(MainLayout, ThePageFillsTheSpaceBetweenOrCoversTheBars) {
    MainLayoutInput in = wide();
    EXPECT_EQ(MainLayout::webView(in), QRectF(0, 385, 10020, 8000 - 385 - 300));
    in.barsShown = false;
    EXPECT_EQ(MainLayout::webView(in), QRectF(0, 0, 10020, 8000 - 300));
    in.statusShown = false;
    EXPECT_EQ(MainLayout::webView(in), QRectF(0, 0, 10020, 8000));
}

TEST(MainLayout, ANarrowWindowGivesNegativeWidthsUnchanged) {
    MainLayoutInput in = wide();
    in.scaleWidth = 3000;
    EXPECT_LT(MainLayout::compute(in).element1.width(), 0);
}

TEST(WindowPlacement, APlacementThatCanBeSeenStays) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QRect onSecond(2000, 100, 800, 600);
    EXPECT_EQ(WindowPlacement::onScreen(onSecond, screens, screens[0]), onSecond);
    const QRect partly(-300, 50, 800, 600);
    EXPECT_EQ(WindowPlacement::onScreen(partly, screens, screens[0]), partly);
}

TEST(WindowPlacement, APlacementLargerThanItsScreenIsShrunkOntoIt) {
    const QList<QRect> screens{QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
    // Stored on a 2560 × 1440 monitor, now mostly on a laptop's screen: every edge on it.
    EXPECT_EQ(WindowPlacement::onScreen(QRect(-500, 50, 2560, 1440), screens, screens[0]),
              QRect(0, 0, 1280, 800));
    // Too tall only, mostly on the second screen: it stays there, as wide as it was.
    EXPECT_EQ(WindowPlacement::onScreen(QRect(1500, -100, 1000, 1300), screens, screens[0]),
              QRect(1500, 0, 1000, 1080));
}

TEST(WindowPlacement, APlacementOffEveryScreenMovesToThePrimary) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080)};
    const QRect primary(0, 0, 1920, 1040);
    EXPECT_EQ(WindowPlacement::onScreen(QRect(2500, 200, 800, 600), screens, primary),
              QRect(0, 0, 800, 600));
    EXPECT_EQ(WindowPlacement::onScreen(QRect(3000, 0, 2560, 1440), screens, primary),
              QRect(0, 0, 1920, 1040));
    // A sliver of 20 pixels cannot be grabbed.
    EXPECT_EQ(WindowPlacement::onScreen(QRect(1900, 500, 800, 600), screens, primary).left(), 0);
}
