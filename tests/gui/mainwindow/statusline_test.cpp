// The status line: what it shows while a page reports its progress.
#include "mainwindow/statusline.h"
#include "waituntil.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

class StatusLineTest : public ::testing::Test {
protected:
    StatusLineTest() {
        line.resize(800, 22);
        line.statusBar()->resize(500, 22);
    }
    QString text() const { return line.statusBar()->text(); }
    int progress() const { return line.progressBar()->value(); }

    StatusLine line;
};

TEST_F(StatusLineTest, AFirstChangeShowsAtOnceAndABurstEndsOnItsLastValues) {
    line.setStatusText(QStringLiteral("Opening the page"));
    line.setProgress(0);
    EXPECT_EQ(text(), "Opening the page");

    // A page reports many times in a few milliseconds; what stays is its last word.
    line.setProgress(10);
    line.setStatusText(QStringLiteral("http://127.0.0.1/"));
    line.setProgress(70);
    line.setStatusText(QStringLiteral("Start page"));
    line.setProgress(100);
    ASSERT_TRUE(waitUntil([&] { return text() == "Start page" && progress() == 100; }, 5000))
        << text().toStdString() << " " << progress();
    EXPECT_EQ(line.statusBar()->toolTip(), "Start page");

    // Nothing is left to show afterwards: the values stay.
    QEventLoop wait;
    QTimer::singleShot(3 * StatusLine::RefreshPauseMs, &wait, &QEventLoop::quit);
    wait.exec();
    EXPECT_EQ(text(), "Start page");
    EXPECT_EQ(progress(), 100);

    // After a quiet time, a change shows at once again.
    line.setStatusText(QStringLiteral("Opening the next page"));
    EXPECT_EQ(text(), "Opening the next page");
}

TEST_F(StatusLineTest, ALongAddressIsShortenedInTheMiddleAndWholeInTheToolTip) {
    const QString address = QStringLiteral("http://127.0.0.1/") + QString(300, QLatin1Char('a')) +
                            QStringLiteral("/end.html");
    line.setStatusText(address);
    EXPECT_TRUE(text().startsWith("http://127.0.0.1/")) << text().toStdString();
    EXPECT_TRUE(text().endsWith("end.html")) << text().toStdString();
    EXPECT_LT(text().size(), address.size());
    EXPECT_EQ(line.statusBar()->toolTip(), address);
}

} // namespace
