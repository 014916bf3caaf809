#include "browser/browsertabs.h"
#include "fakewebview.h"
#include "filehelpers.h"

#include <QSignalSpy>
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
    QSignalSpy layouts(&tabs, &BrowserTabs::layoutRequested);
    tabs.setCurrentIndex(1);
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
    EXPECT_TRUE(tabs.view(2)->isHidden()); // visibility is not changed by a right click
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
