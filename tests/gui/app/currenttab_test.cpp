// The bars the tabs share follow the tab the user is on, with the real engine on pages
// served from 127.0.0.1: a tab in the background that moves on by itself never shows in
// them, and the link table adds the page the user sees.
#include "app/mainwindow.h"
#include "app/statusline.h"
#include "browser/addressbar.h"
#include "browser/enginewebview.h"
#include "browser/navigationpolicy.h"
#include "browser/pagetracker.h"
#include "browser/tabstrip.h"
#include "filehelpers.h"
#include "linktable/linktable.h"
#include "programfolderfixture.h"
#include "recordingnotifier.h"
#include "support/httpserver.h"
#include "text/textfile.h"
#include "waituntil.h"
#include "windows/linktablewindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int LoadTimeLimitMs = 20000;

QString page(const QString &title, const QString &script = QString()) {
    return QStringLiteral("<html><head><title>%1</title></head><body><p>%1</p>"
                          "<script>%2</script></body></html>")
        .arg(title, script);
}

class CurrentTab : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.isListening());
        server.setHtml("/front", page("Front"));
        // It moves on by itself a while after it has loaded, as a news page or a login does.
        server.setHtml("/leaving",
                       page("Leaving", "setTimeout(() => location = '/arrived', 2000)"));
        server.setHtml("/arrived", page("Arrived"));
        putFile(folder.filePath("Data/quortspeak.Opt"),
                "1\r\n0\r\n0\r\n0\r\n" + url("/front").toUtf8() + "\r\nEnglish\r\n");
        const NavigationPolicy policy(folder.path());
        window = std::make_unique<MainWindow>(
            ProgramFiles(ProgramFolder(folder.path())), notifier,
            [policy](int) { return new EngineWebView(nullptr, policy); });
        ASSERT_TRUE(window->load());
        window->setGeometry(40, 40, 1000, 700);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(waitUntil([this] { return idleOn(0, "Front"); }, LoadTimeLimitMs));

        // Tab 1 opens the page that will move on; the user goes back to tab 0 before it does.
        clickTab(1);
        addressBar().setAddressText(url("/leaving"));
        QTest::keyClick(&addressBar(), Qt::Key_Return);
        ASSERT_TRUE(waitUntil([this] { return idleOn(1, "Leaving"); }, LoadTimeLimitMs));
        clickTab(0);
        ASSERT_EQ(server.requestCount("/arrived"), 0) << "tab 1 moved on before the user left it";
    }

    QString url(const QString &path) const { return server.url(path).toString(); }
    AddressBar &addressBar() { return window->addressBar(); }
    QString statusShown() { return window->statusLine().statusBar()->text(); }
    int progressShown() { return window->statusLine().progressBar()->value(); }
    void clickTab(int index) {
        TabStrip &strip = window->tabStrip();
        QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(index).center());
        ASSERT_EQ(window->tabs().currentIndex(), index);
    }
    bool idleOn(int tab, const QString &title) {
        const WebView *view = window->tabs().view(tab);
        return !view->busy() && view->title() == title;
    }

    TestHttpServer server;
    TemporaryProgramFolder folder;
    RecordingNotifier notifier;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(CurrentTab, ABackgroundTabMovingOnNeverShowsInTheBarsAndShowsAtOnceWhenChosen) {
    EXPECT_EQ(addressBar().currentText(), url("/front"));
    ASSERT_TRUE(waitUntil([this] { return statusShown() == "Front"; }));
    EXPECT_EQ(progressShown(), 100);

    // All the address bar, the status line and the progress bar are told from now on.
    QStringList addresses, statuses;
    QList<int> progresses;
    QObject::connect(addressBar().lineEdit(), &QLineEdit::textChanged,
                     [&](const QString &text) { addresses.append(text); });
    QObject::connect(&window->tracker(), &PageTracker::statusTextChanged,
                     [&](const QString &text) { statuses.append(text); });
    QObject::connect(window->statusLine().progressBar(), &QProgressBar::valueChanged,
                     [&](int value) { progresses.append(value); });

    ASSERT_TRUE(waitUntil([this] { return idleOn(1, "Arrived"); }, LoadTimeLimitMs));
    // Past Timer5's next tick too, which would have put tab 0's address back.
    QSignalSpy tick(&window->tracker().timer5(), &QTimer::timeout);
    window->tracker().timer5().start();
    ASSERT_TRUE(tick.wait(5000));
    for (const QString &text : addresses)
        EXPECT_EQ(text, url("/front"));
    for (const QString &text : statuses)
        EXPECT_EQ(text, QStringLiteral("Front"));
    for (int value : progresses)
        EXPECT_EQ(value, 100);
    EXPECT_EQ(addressBar().currentText(), url("/front"));
    EXPECT_EQ(statusShown(), "Front");

    // Back on tab 1: its new page, at once.
    clickTab(1);
    EXPECT_EQ(addressBar().currentText(), url("/arrived"));
    EXPECT_EQ(window->tracker().statusText(), "Arrived");
    EXPECT_EQ(window->tabs().currentPage().title, "Arrived");
    ASSERT_TRUE(waitUntil([this] { return statusShown() == "Arrived"; }));
    EXPECT_EQ(progressShown(), 100);
}

TEST_F(CurrentTab, TheLinkTableAddsThePageTheUserSees) {
    ASSERT_TRUE(waitUntil([this] { return idleOn(1, "Arrived"); }, LoadTimeLimitMs));
    // The titles file is read by the deferred start-up steps.
    ASSERT_TRUE(waitUntil([this] { return !window->timer4().isActive(); }));
    const auto addThisPage = [this] {
        QTimer::singleShot(0, window.get(), [] {
            auto *table = qobject_cast<LinkTableWindow *>(QApplication::activeModalWidget());
            ASSERT_NE(table, nullptr);
            QToolBar *bar = table->toolBar(0);
            for (QAction *action : bar->actions()) {
                if (action->objectName() == "ADDURL")
                    QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
            }
            table->done(0);
        });
        window->showLinkTable();
    };
    addThisPage();
    clickTab(1);
    addThisPage();

    const QString today = window->state().todayText;
    const QStringList links = TextFile::readLines(window->linkTable().groupFilePath(0)).value();
    EXPECT_EQ(
        links,
        (QStringList{"Arrived;-;" + url("/arrived") + ";-;;-;;-;" + url("/arrived") + ";-;" + today,
                     "Front;-;" + url("/front") + ";-;;-;;-;" + url("/front") + ";-;" + today}));
}
