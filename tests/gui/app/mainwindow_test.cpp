#include "app/mainwindow.h"
#include "app/statusline.h"
#include "browser/addressbar.h"
#include "browser/tabstrip.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "fakewebview.h"
#include "filehelpers.h"
#include "programfolderfixture.h"
#include "recordingnotifier.h"
#include "text/textfile.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> start() {
        auto window = std::make_unique<MainWindow>(ProgramFiles(ProgramFolder(folder.path())),
                                                   notifier, [](int) { return new FakeWebView; });
        EXPECT_TRUE(window->load());
        return window;
    }
    FakeWebView *view(MainWindow &w, int i) { return static_cast<FakeWebView *>(w.tabs().view(i)); }
    QStringList lines(const QString &name) {
        return TextFile::readLines(folder.filePath(name)).value_or(QStringList());
    }
    void writeOptions(const QString &home, const QString &language) {
        putFile(folder.filePath("Data/quortspeak.Opt"),
                ("1\r\n0\r\n0\r\n0\r\n" + home + "\r\n" + language + "\r\n").toUtf8());
    }

    TemporaryProgramFolder folder;
    RecordingNotifier notifier;
};

} // namespace

TEST_F(MainWindowTest, FirstStartOpensTheShippedStartPageInTabZero) {
    auto w = start();
    const QString home = ProgramFiles(ProgramFolder(folder.path())).defaultHomeAddress();
    EXPECT_TRUE(home.startsWith("file://"));
    EXPECT_EQ(lines("Data/quortspeak.Opt"), (QStringList{"1", "0", "0", "0", home}));
    EXPECT_EQ(w->tabs().count(), 8);
    EXPECT_EQ(view(*w, 0)->navigations(), QStringList{home});
    for (int i = 1; i < 8; ++i)
        EXPECT_TRUE(view(*w, i)->navigations().isEmpty());
    EXPECT_EQ(w->tabs().caption(0), "Start");
    EXPECT_EQ(w->tabStrip().tabText(0), "Start");
    EXPECT_EQ(w->addressBar().currentText(), home);
    EXPECT_TRUE(view(*w, 0)->isSilent());
    EXPECT_FALSE(view(*w, 7)->isRegisteredAsBrowser());
    EXPECT_TRUE(notifier.messages.isEmpty());

    // The deferred steps enable the link table and mark the user's own language.
    EXPECT_FALSE(w->registry().button("FAVORITE")->enabled());
    QSignalSpy deferred(&w->timer4(), &QTimer::timeout);
    ASSERT_TRUE(deferred.wait(3000));
    EXPECT_TRUE(w->registry().button("FAVORITE")->enabled());
    EXPECT_TRUE(w->registry().button("MYLANG:ENGLISH")->checked());
    EXPECT_EQ(lines("Links/Links.Bok").value(0), "Group 1,0");
}

TEST_F(MainWindowTest, TheLayoutFollowsTheWindowSize) {
    auto w = start();
    w->show();
    w->resize(700, 500); // 10500 × 7500 twips at 15 twips a pixel
    QCoreApplication::processEvents();
    ASSERT_EQ(w->size(), QSize(700, 500));
    ASSERT_EQ(w->twips().perPixel(), 15.0);
    // The page lies between the bars' strip (385 twips) and the status line (330).
    EXPECT_EQ(w->tabs().currentView()->geometry(), QRect(0, 26, 700, 452));
    EXPECT_EQ(w->statusLine().geometry(), QRect(0, 478, 699, 22));
    EXPECT_EQ(w->picBar().geometry(), QRect(1, 0, 699, 26));
    // The right move button ends 50 twips before the window's edge.
    const QRect move = w->statusLine().cmdMove()->geometry();
    EXPECT_EQ(move.right() + 1, 697);
    EXPECT_LT(w->statusLine().progressBar()->geometry().right(), move.left());
    // The address bar begins right after the tabs.
    EXPECT_GT(w->addressBar().geometry().left(), w->tabStrip().width());
}

TEST_F(MainWindowTest, TextsComeFromTheChosenLanguage) {
    writeOptions("http://127.0.0.1:9/", "deutsch");
    auto w = start();
    EXPECT_EQ(w->registry().button("EDIT:COPY")->caption(), "Kopieren");
    EXPECT_EQ(w->registry().button("EDIT:TXT")->caption(), "trans_Deutsch.txt");
    EXPECT_EQ(w->statusLine().progressBar()->format(), "QuortTrans");
    // Even the page properties window speaks German, in every tab.
    EXPECT_EQ(w->tabs().view(7)->propertyTexts().size, "Größe");
    EXPECT_EQ(w->tabs().view(0)->propertyTexts().bytes.arg(12), "12 Bytes");
    EXPECT_EQ(w->tabs().caption(0), "127.0.0.1:9");
}

TEST_F(MainWindowTest, AMissingLanguageFallsBackToEnglishAndSaysSo) {
    writeOptions("http://127.0.0.1:9/", "klingon");
    auto w = start();
    EXPECT_EQ(w->registry().button("EDIT:COPY")->caption(), "Copy");
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("klingon"));
    EXPECT_EQ(w->state().options.currentLanguage, "English");
}

TEST_F(MainWindowTest, TheStoredPlacementIsUsed) {
    putFile(folder.filePath("Data/Quortspeak.Ini"),
            "1500\r\n3000\r\n6000\r\n9000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\nde\r\n");
    auto w = start();
    EXPECT_EQ(w->geometry(), QRect(200, 100, 600, 400));
    EXPECT_EQ(w->state().settings.myLanguage, "de");
}

TEST_F(MainWindowTest, WindowModeTwoCoversTheScreen) {
    putFile(folder.filePath("Data/Quortspeak.Ini"),
            "1500\r\n3000\r\n6000\r\n9000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\nde\r\n");
    auto w = start();
    EXPECT_EQ(w->geometry(), QGuiApplication::primaryScreen()->geometry());
}

TEST_F(MainWindowTest, APlacementOffEveryScreenComesBackOnThePrimary) {
    putFile(folder.filePath("Data/Quortspeak.Ini"), "1500\r\n300000\r\n6000\r\n9000\r\n");
    auto w = start();
    EXPECT_EQ(w->geometry().topLeft(),
              QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    EXPECT_EQ(w->geometry().size(), QSize(600, 400));
}

TEST_F(MainWindowTest, ExitWritesOptionsHistoryAndSettingsOnce) {
    auto w = start();
    w->setGeometry(150, 90, 700, 500);
    w->addressBar().setAddressText("http://127.0.0.1:9/visited");
    QTest::keyClick(&w->addressBar(), Qt::Key_Return);
    putFile(folder.filePath("html.txt"), "x");
    putFile(folder.filePath("Doc.TXT"), "x");

    QSignalSpy exited(w.get(), &MainWindow::exited);
    w->GO_Exit();
    EXPECT_EQ(exited.count(), 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(lines("Data/quortspeak.Opt").size(), 6);
    EXPECT_EQ(lines("Data/quortspeak.Opt").value(5), "English");
    EXPECT_EQ(lines("Data/quortspeak.Hys"), QStringList{"http://127.0.0.1:9/visited"});
    EXPECT_EQ(lines("Data/Quortspeak.Ini"), (QStringList{"1350", "2250", "7500", "10500", "0", "0",
                                                         "0", "0", "0", "0", "0", "0", "0", "en"}));
    EXPECT_FALSE(QFile::exists(folder.filePath("html.txt")));
    EXPECT_FALSE(QFile::exists(folder.filePath("Doc.TXT")));

    // Closing the window afterwards does not run the sequence again.
    QFile::remove(folder.filePath("Data/quortspeak.Opt"));
    w->close();
    EXPECT_EQ(exited.count(), 1);
    EXPECT_FALSE(QFile::exists(folder.filePath("Data/quortspeak.Opt")));
}

TEST_F(MainWindowTest, AFileThatCannotBeWrittenAtExitIsToldAndTheOthersAreWritten) {
    auto w = start();
    QDir().mkpath(folder.filePath("Data/quortspeak.Hys")); // a folder where the file goes
    w->GO_Exit();
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("quortspeak.Hys"));
    EXPECT_TRUE(notifier.messages[0].contains("could not be saved"));
    EXPECT_EQ(lines("Data/quortspeak.Opt").size(), 6);
    EXPECT_EQ(lines("Data/Quortspeak.Ini").size(), 14);
}

TEST_F(MainWindowTest, TheHistoryOfTheLastRunFillsTheList) {
    putFile(folder.filePath("Data/quortspeak.Hys"),
            "http://a.example/\r\n\r\nhttp://a.example/\r\n");
    auto w = start();
    EXPECT_EQ(w->addressBar().history(),
              (QStringList{"http://a.example/", "", "http://a.example/"}));
}
