#include "browser/webattend.h"
#include "fakewebview.h"
#include "filehelpers.h"

#include <QTimer>
#include <gtest/gtest.h>

TEST(WebAttend, ReturnsOnceThePageHasLoaded) {
    FakeWebView view;
    view.setBusy(true);
    view.setReadyState("loading");
    // The page finishes while the wait lets events run.
    QTimer::singleShot(800, &view, [&view] {
        view.setBusy(false);
        view.setReadyState("complete");
    });
    EXPECT_EQ(WebAttend([&view] { return &view; }).wait(10000), WebAttend::Result::Loaded);
    EXPECT_EQ(view.readyState(), "complete");
}

TEST(WebAttend, GivesUpAtItsLimit) {
    FakeWebView view;
    view.setBusy(true);
    EXPECT_EQ(WebAttend([&view] { return &view; }).wait(700), WebAttend::Result::TimedOut);
}

TEST(WebAttend, AnIdleViewThatIsNotCompleteKeepsItWaiting) {
    FakeWebView view; // as an empty tab, which never completes
    EXPECT_EQ(WebAttend([&view] { return &view; }).wait(700), WebAttend::Result::TimedOut);
}

TEST(WebAttend, NoViewEndsTheWait) {
    EXPECT_EQ(WebAttend([] { return static_cast<WebView *>(nullptr); }).wait(700),
              WebAttend::Result::ViewGone);
}
