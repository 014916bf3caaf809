#include "browser/browsertabs.h"
#include "browser/pagetracker.h"
#include "core/programstate.h"
#include "fakewebview.h"
#include "filehelpers.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class Tracking : public ::testing::Test {
protected:
    void SetUp() override {
        QStringList lines(178, QStringLiteral("\"x\""));
        lines << QStringLiteral("\"QuortTrans\"");
        state.language.parse(lines);
        tabs.setTabCount(2);
    }
    FakeWebView *fake(int i) { return static_cast<FakeWebView *>(tabs.view(i)); }

    QWidget host;
    ProgramState state;
    BrowserTabs tabs{[this](int) { return new FakeWebView(&host); }};
    PageTracker tracker{tabs, state.language};
    QSignalSpy address{&tracker, &PageTracker::addressTextChanged};
};

} // namespace

TEST_F(Tracking, ALoadMovesProgressStatusAndAddress) {
    fake(0)->simulateLoad("http://127.0.0.1/a", "Page A");
    EXPECT_EQ(tracker.progress(), 100);
    EXPECT_EQ(tracker.statusText(), "Page A");
    EXPECT_EQ(tabs.currentPage().title, "Page A");
    EXPECT_EQ(tabs.currentPage().address, "http://127.0.0.1/a");
    ASSERT_GE(address.count(), 1);
    EXPECT_EQ(address.first().at(0).toString(), "http://127.0.0.1/a");
    EXPECT_TRUE(tracker.settleTimer().isActive());
}

TEST_F(Tracking, BeforeNavigateResetsProgressAndShowsTheProgramsName) {
    Q_EMIT fake(0)->progressChange(50, 100);
    Q_EMIT fake(0)->navigationStarting("HTTPS://example.org/");
    EXPECT_EQ(tracker.progress(), 0);
    EXPECT_EQ(tracker.statusText(), "QuortTrans");
    ASSERT_EQ(address.count(), 1); // "HTTP" in capitals is still a web address
}

TEST_F(Tracking, OddProgressLeavesTheBarAlone) {
    Q_EMIT fake(0)->progressChange(30, 100);
    for (auto [progress, maximum] : {std::pair{0, 100}, {-5, 100}, {150, 100}, {1, 0}})
        Q_EMIT fake(0)->progressChange(progress, maximum);
    EXPECT_EQ(tracker.progress(), 30);
    Q_EMIT fake(0)->progressChange(1, 8); // 12.5 rounds to the even 12
    EXPECT_EQ(tracker.progress(), 12);
}

TEST_F(Tracking, NonWebAddressesLeaveBarAndCurrentUrlUntilTimer5) {
    tabs.setTabURL(0, "http://before/");
    Q_EMIT fake(0)->navigationStarting("file:///tmp/x.html");
    Q_EMIT fake(0)->documentComplete("file:///tmp/x.html");
    EXPECT_EQ(address.count(), 0);
    EXPECT_EQ(tabs.currentPage().address, "http://before/");

    // the settle timer waits for the current view to be idle, then shows its final address.
    fake(0)->setLocation("file:///tmp/x.html", "X");
    fake(0)->setBusy(true);
    tracker.settleTimer().setInterval(20);
    QSignalSpy ticks(&tracker.settleTimer(), &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(3000));
    EXPECT_EQ(address.count(), 0);
    fake(0)->setBusy(false);
    ASSERT_TRUE(address.wait(3000));
    EXPECT_EQ(address.last().at(0).toString(), "file:///tmp/x.html");
    EXPECT_FALSE(tracker.settleTimer().isActive());
}

TEST_F(Tracking, ABackgroundTabStillLoadingShowsItsOwnValuesOnceChosen) {
    fake(1)->setBusy(true);
    Q_EMIT fake(1)->navigationStarting("http://background/");
    Q_EMIT fake(1)->progressChange(40, 100);
    EXPECT_EQ(address.count(), 0);
    EXPECT_EQ(tracker.progress(), 0);
    tabs.setCurrentIndex(1);
    EXPECT_EQ(address.last().at(0).toString(), "http://background/");
    EXPECT_EQ(tracker.progress(), 40);
    EXPECT_EQ(tracker.statusText(), "QuortTrans"); // the loading text, not the old title
    EXPECT_TRUE(tracker.settleTimer().isActive()); // its final address follows when idle
}

TEST_F(Tracking, APageCannotCloseTheBrowser) {
    EXPECT_TRUE(fake(0)->simulateWindowClosing(false));
    EXPECT_FALSE(fake(0)->simulateWindowClosing(true));
}
