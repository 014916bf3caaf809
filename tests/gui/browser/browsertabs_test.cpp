#include "browser/browsertabs.h"
#include "browser/tabstrip.h"
#include "fakewebview.h"
#include "filehelpers.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class Tabs : public ::testing::Test {
protected:
    FakeWebView *fake(int i) { return static_cast<FakeWebView *>(tabs.view(i)); }

    QWidget host;
    BrowserTabs tabs{[this](int) { return new FakeWebView(&host); }};
};

} // namespace

TEST_F(Tabs, TheCountMakesOneViewPerTabAndEmptiesCaptions) {
    tabs.setCaption(0, "Home");
    tabs.setTabCount(4);
    EXPECT_EQ(tabs.count(), 4);
    EXPECT_EQ(tabs.views().size(), 4);
    EXPECT_EQ(tabs.caption(0), "");
    EXPECT_TRUE(tabs.view(3)->isHidden());
    tabs.setTabCount(0);
    EXPECT_EQ(tabs.count(), 1); // never fewer than one tab
    tabs.setTabCount(1000);
    EXPECT_EQ(tabs.count(), BrowserTabs::MaxTabCount);
}

TEST_F(Tabs, ALeftClickOnAnUnopenedTabOpensItsLeftNeighboursPage) {
    tabs.setTabCount(4);
    tabs.setCaption(0, "Example");
    tabs.setTabURL(0, "http://www.example.org/");
    tabs.setCurrentIndex(1);
    QSignalSpy layouts(&tabs, &BrowserTabs::layoutRequested);
    tabs.tabClick(1);
    EXPECT_EQ(layouts.count(), 1);
    EXPECT_EQ(tabs.caption(1), "Example");
    EXPECT_EQ(tabs.tabURL(1), "http://www.example.org/");
    EXPECT_EQ(fake(1)->navigations(), QStringList{"http://www.example.org/"});
    EXPECT_FALSE(tabs.view(1)->isHidden());
    EXPECT_TRUE(tabs.view(0)->isHidden());

    // Clicked again, an opened tab only shows itself.
    fake(1)->clearCalls();
    tabs.tabClick(1);
    EXPECT_TRUE(fake(1)->navigations().isEmpty());
}

TEST_F(Tabs, AnUnopenedNeighbourPassesOnItsEmptyCaption) {
    tabs.setTabCount(4);
    tabs.setTabURL(2, "http://left/");
    tabs.setCurrentIndex(3);
    tabs.tabClick(1);
    EXPECT_EQ(tabs.caption(3), "");
    EXPECT_EQ(fake(3)->navigations(), QStringList{"http://left/"});
    tabs.tabClick(1); // still unopened: copies again
    EXPECT_EQ(fake(3)->navigations().size(), 2);
}

TEST_F(Tabs, RightClickRefreshesOtherButtonsOnlyLayOut) {
    tabs.setTabCount(3);
    tabs.setCurrentIndex(2);
    tabs.tabClick(2);
    EXPECT_EQ(fake(2)->calls(), QStringList{"refresh"});
    fake(2)->clearCalls();
    tabs.tabClick(4);
    tabs.tabClick(3);
    EXPECT_TRUE(fake(2)->calls().isEmpty());
    EXPECT_EQ(tabs.caption(2), "");
}

TEST_F(Tabs, TabZeroUnopenedHasNoNeighbourToCopy) {
    tabs.setTabCount(2);
    tabs.tabClick(1);
    EXPECT_TRUE(fake(0)->navigations().isEmpty());
    EXPECT_FALSE(tabs.view(0)->isHidden());
}

TEST_F(Tabs, TooltipIsTheAddressOfTheTabUnderThePointer) {
    tabs.setTabCount(4);
    tabs.setTabURL(0, "http://a/");
    tabs.setTabURL(3, "http://d/");
    EXPECT_EQ(tabs.tooltipAt(10, 400), "http://a/");
    EXPECT_EQ(tabs.tooltipAt(399, 400), "http://d/");
    EXPECT_EQ(tabs.tooltipAt(400, 400), ""); // past the last tab
}

namespace {

// The strip as the window shows it, over the tabs it presents.
class Strip : public Tabs {
protected:
    void SetUp() override {
        tabs.setTabCount(4);
        for (int i = 0; i < 4; ++i)
            tabs.setCaption(i, QStringLiteral("Tab %1").arg(i));
        strip.setStripWidth(400);
        strip.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    }

    // Which tab the user sees: the strip's highlight, the model's current tab and the
    // only visible page must agree.
    int shown() {
        int visible = -1;
        for (int i = 0; i < tabs.count(); ++i) {
            if (!tabs.view(i)->isHidden()) {
                EXPECT_EQ(visible, -1) << "two pages shown";
                visible = i;
            }
        }
        EXPECT_EQ(strip.currentIndex(), tabs.currentIndex());
        EXPECT_EQ(visible, tabs.currentIndex());
        return visible;
    }

    TabStrip strip{tabs};
};

} // namespace

TEST_F(Strip, WheelAndArrowKeysSwitchThePageShown) {
    EXPECT_EQ(shown(), 0);
    QWheelEvent down(QPointF(10, 5), strip.mapToGlobal(QPointF(10, 5)), {}, QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&strip, &down);
    EXPECT_EQ(shown(), 1);
    QTest::keyClick(&strip, Qt::Key_Right);
    EXPECT_EQ(shown(), 2);
    QTest::keyClick(&strip, Qt::Key_Left);
    EXPECT_EQ(shown(), 1);
}

TEST_F(Strip, ARightClickOnAnotherTabMakesItCurrentAndRefreshesIt) {
    QTest::mouseClick(&strip, Qt::RightButton, {}, strip.tabRect(2).center());
    EXPECT_EQ(shown(), 2);
    EXPECT_EQ(fake(2)->calls(), QStringList{"refresh"});
    EXPECT_TRUE(fake(0)->calls().isEmpty());
}

TEST_F(Strip, AShorterRowWithoutTheCurrentTabShowsTabZero) {
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(3).center());
    EXPECT_EQ(shown(), 3);
    tabs.setTabCount(2);
    EXPECT_EQ(strip.count(), 2);
    EXPECT_EQ(shown(), 0);
}
