#include "support/fakewebview.h"
#include "webvieweventlog.h"

#include <gtest/gtest.h>

namespace {

TEST(FakeWebView, RecordsCallsAndSendsEventsInOrder) {
    FakeWebView view;
    view.setSilent(true);
    view.navigate(QStringLiteral("http://127.0.0.1/a"));
    view.runPageCommand(WebView::PageCommand::Copy);
    view.goBack();
    EXPECT_EQ(view.calls(), QStringList({"setSilent true", "navigate http://127.0.0.1/a",
                                         "runPageCommand Copy", "goBack"}));
    EXPECT_EQ(view.navigations(), QStringList{"http://127.0.0.1/a"});
    EXPECT_EQ(view.commands(), QList<WebView::PageCommand>{WebView::PageCommand::Copy});
    EXPECT_TRUE(view.isSilent());

    WebViewEventLog log(&view);
    bool busyAtStart = false;
    bool busyAtEnd = true;
    QObject::connect(&view, &WebView::navigationStarting, &view,
                     [&] { busyAtStart = view.busy(); });
    QObject::connect(&view, &WebView::documentComplete, &view, [&] { busyAtEnd = view.busy(); });
    QObject::connect(&view, &WebView::windowClosing, &view,
                     [](bool isChild, bool *cancel) { *cancel = !isChild; });
    view.simulateLoad(QStringLiteral("http://127.0.0.1/b"), QStringLiteral("Bee"));
    Q_EMIT view.statusTextChange(QStringLiteral("hover"));
    EXPECT_TRUE(view.simulateWindowClosing(false));
    EXPECT_FALSE(view.simulateWindowClosing(true));

    EXPECT_EQ(log.lines(),
              QStringList({"before http://127.0.0.1/b", "progress 50/100", "progress 100/100",
                           "title Bee", "complete http://127.0.0.1/b", "status hover",
                           "closing top", "closing child"}));
    EXPECT_TRUE(busyAtStart);
    EXPECT_FALSE(busyAtEnd);
    EXPECT_EQ(view.locationURL(), "http://127.0.0.1/b");
    EXPECT_EQ(view.locationName(), "Bee");
    EXPECT_EQ(view.readyState(), "complete");
}

} // namespace
