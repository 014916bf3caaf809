// The bars the tabs share follow the tab the user is on, with the real engine on pages
// served from 127.0.0.1, and the link table adds the page the user sees.
#include "browser/addressbar.h"
#include "browser/enginewebview.h"
#include "browser/navigationpolicy.h"
#include "browser/pagetracker.h"
#include "browser/tabstrip.h"
#include "linktable/linktable.h"
#include "linktable/linktablewindow.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/statusline.h"
#include "programfolderfixture.h"
#include "recordingnotifier.h"
#include "support/httpserver.h"
#include "text/textfile.h"
#include "waituntil.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

class CurrentTab : public ::testing::Test {
protected:
    // Tab 0 on a page; tab 1 on one that moves on by itself 2 s after loading, which the
    // user has left for tab 0 before it does.
    void SetUp() override {
        for (const char *title : {"Front", "Arrived"})
            server.setHtml("/" + QString(title).toLower(),
                           QStringLiteral("<title>%1</title><p>%1</p>").arg(title));
        server.setHtml("/leaving", "<title>Leaving</title><script>setTimeout(() => "
                                   "location = '/arrived', 2000)</script>");
        const NavigationPolicy policy(folder.path());
        window = std::make_unique<MainWindow>(
            ProgramFiles(ProgramFolder(folder.path())), notifier,
            [policy](int) { return new EngineWebView(nullptr, policy); });
        ASSERT_TRUE(window->load());
        window->show();
        typeAddress("/front");
        ASSERT_TRUE(waitUntil([this] { return idleOn(0, "Front"); }));
        clickTab(1);
        typeAddress("/leaving");
        ASSERT_TRUE(waitUntil([this] { return idleOn(1, "Leaving"); }));
        clickTab(0);
        ASSERT_EQ(server.requestCount("/arrived"), 0) << "tab 1 moved on before the user left it";
        // Tab 0's own last events may still be on their way (a slow machine, a sanitizer):
        // the bars settle on its page before tab 1 moves on.
        ASSERT_TRUE(waitUntil([this] {
            return window->statusLine().progressBar()->value() == 100 && statusShown() == "Front";
        }));
    }

    QString url(const QString &path) const { return server.url(path).toString(); }
    AddressBar &bar() { return window->addressBar(); }
    QString statusShown() { return window->statusLine().statusBar()->text(); }
    void typeAddress(const QString &path) {
        bar().setAddressText(url(path));
        QTest::keyClick(&bar(), Qt::Key_Return);
    }
    void clickTab(int index) {
        QTest::mouseClick(&window->tabStrip(), Qt::LeftButton, {},
                          window->tabStrip().tabRect(index).center());
    }
    bool idleOn(int tab, const QString &title) {
        return !window->tabs().view(tab)->busy() && window->tabs().view(tab)->title() == title;
    }

    TestHttpServer server;
    TemporaryProgramFolder folder;
    RecordingNotifier notifier;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(CurrentTab, ABackgroundTabMovingOnNeverShowsInTheBarsAndShowsAtOnceWhenChosen) {
    // The address bar, the status line and the progress bar stay as they are on tab 0.
    QStringList seen;
    QObject::connect(bar().lineEdit(), &QLineEdit::textChanged,
                     [&](const QString &text) { seen << text; });
    QObject::connect(&window->tracker(), &PageTracker::statusTextChanged,
                     [&](const QString &text) { seen << text; });
    QObject::connect(window->statusLine().progressBar(), &QProgressBar::valueChanged,
                     [&](int value) { seen << QString::number(value); });
    ASSERT_TRUE(waitUntil([this] { return idleOn(1, "Arrived"); }));
    EXPECT_TRUE(seen.isEmpty()) << seen.join(' ').toStdString();
    EXPECT_EQ(bar().currentText(), url("/front"));
    EXPECT_EQ(statusShown(), "Front");
    EXPECT_EQ(window->statusLine().progressBar()->value(), 100);

    // Back on tab 1: its new address and title, at once.
    clickTab(1);
    EXPECT_EQ(bar().currentText(), url("/arrived"));
    EXPECT_EQ(window->tracker().statusText(), "Arrived");
    EXPECT_TRUE(waitUntil([this] { return statusShown() == "Arrived"; }));
}

TEST_F(CurrentTab, TheLinkTableAddsThePageTheUserSees) {
    ASSERT_TRUE(waitUntil(
        [this] { return idleOn(1, "Arrived") && !window->deferredStartTimer().isActive(); }));
    const auto addThisPage = [this] {
        QTimer::singleShot(0, window.get(), [] {
            auto *table = qobject_cast<LinkTableWindow *>(QApplication::activeModalWidget());
            ASSERT_NE(table, nullptr);
            for (QAction *action : table->toolBar(0)->actions()) {
                if (action->objectName() == "ADDURL")
                    QTest::mouseClick(table->toolBar(0)->widgetForAction(action), Qt::LeftButton);
            }
            table->done(0);
        });
        window->showLinkTable();
    };
    addThisPage();
    clickTab(1);
    addThisPage();
    const QString today = window->state().todayText;
    EXPECT_EQ(
        TextFile::readLines(window->linkTable().groupFilePath(0)).value(),
        (QStringList{"Arrived;-;" + url("/arrived") + ";-;;-;;-;" + url("/arrived") + ";-;" + today,
                     "Front;-;" + url("/front") + ";-;;-;;-;" + url("/front") + ";-;" + today}));
}
