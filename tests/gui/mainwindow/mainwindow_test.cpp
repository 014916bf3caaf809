#include "browser/addressbar.h"
#include "browser/tabstrip.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/maincommandbars.h"
#include "fakewebview.h"
#include "filehelpers.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/statusline.h"
#include "programfolderfixture.h"
#include "recordingnotifier.h"
#include "text/textfile.h"
#include "windows/inputdialog.h"
#include "windows/languageeditor.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> start(const QString &startAddress = QString()) {
        auto window = std::make_unique<MainWindow>(ProgramFiles(ProgramFolder(folder.path())),
                                                   notifier, [](int) { return new FakeWebView; });
        EXPECT_TRUE(window->load(startAddress));
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
    EXPECT_TRUE(notifier.messages.isEmpty());

    // The deferred steps enable the link table and mark the user's own language.
    EXPECT_FALSE(w->registry().button("FAVORITE")->enabled());
    QSignalSpy deferred(&w->deferredStartTimer(), &QTimer::timeout);
    ASSERT_TRUE(deferred.wait(3000));
    EXPECT_TRUE(w->registry().button("FAVORITE")->enabled());
    EXPECT_TRUE(w->registry().button("MYLANG:ENGLISH")->checked());
    EXPECT_EQ(lines("Links/Links.Bok").value(0), "Group 1,0");
}

TEST_F(MainWindowTest, AnAddressGivenAtStartOpensInPlaceOfTheHomePageAsIfTyped) {
    writeOptions("http://127.0.0.1:9/home", "English");
    auto w = start("127.0.0.1:9/given");
    EXPECT_EQ(view(*w, 0)->navigations(), QStringList{"http://127.0.0.1:9/given"});
    EXPECT_EQ(w->tabs().currentIndex(), 0);
    EXPECT_EQ(w->addressBar().currentText(), "http://127.0.0.1:9/given");
    EXPECT_EQ(w->tabs().caption(0), "127.0.0.1:9");
    EXPECT_EQ(w->addressBar().history(), QStringList{"http://127.0.0.1:9/given"});
    w->exitAndSave();
    // The home page stays the user's, for the next start without an address.
    EXPECT_EQ(lines("Data/quortspeak.Opt").value(4), "http://127.0.0.1:9/home");
}

TEST_F(MainWindowTest, AnAddressGivenAtStartThatIsTooLongIsToldAndTheHomePageOpens) {
    writeOptions("http://127.0.0.1:9/home", "English");
    auto w = start("http://example.org/" + QString(70 * 1024, 'c'));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("too long"));
    EXPECT_EQ(view(*w, 0)->navigations(), QStringList{"http://127.0.0.1:9/home"});
    EXPECT_TRUE(w->addressBar().history().isEmpty());
}

TEST_F(MainWindowTest, TheLayoutFollowsTheWindowSize) {
    auto w = start();
    w->show();
    w->resize(700, 500); // 10500 × 7500 twips at 15 twips a pixel
    QCoreApplication::processEvents();
    ASSERT_EQ(w->size(), QSize(700, 500));
    ASSERT_EQ(w->twips().perPixel(), 15.0);
    // The page lies between the bars' strip (two lines of 385 twips: the tabs and the
    // address have a line of their own this narrow) and the status line (330).
    EXPECT_EQ(w->tabs().currentView()->geometry(), QRect(0, 51, 700, 427));
    EXPECT_EQ(w->statusLine().geometry(), QRect(0, 478, 699, 22));
    EXPECT_EQ(w->toolbarArea().geometry(), QRect(1, 0, 699, 51));
    // The right move button ends 50 twips before the window's edge.
    const QRect move = w->statusLine().moveButton()->geometry();
    EXPECT_EQ(move.right() + 1, 697);
    EXPECT_LT(w->statusLine().progressBar()->geometry().right(), move.left());
    // The address bar begins right after the tabs.
    EXPECT_GT(w->addressBar().geometry().left(), w->tabStrip().width());
}

TEST_F(MainWindowTest, OnASmallScreenEveryTabCaptionStaysReadableBesideAUsableAddressBar) {
    auto w = start();
    w->show();
    // Captions as site names come out of addresses.
    const QStringList sites{"Duckduckgo",      "En.wiktionary.org",
                            "Openstreetmap",   "Mastodon.social",
                            "127.0.0.1:41234", "A-rather-long-site-name.example.org",
                            "Start",           "X.org"};
    for (int i = 0; i < 8; ++i)
        w->tabs().setCaption(i, sites[i]);
    const QWidget &mainBar = *w->bars().toolbar(0);
    const TabStrip &strip = w->tabStrip();
    const auto stripTop = [&] { return strip.mapTo(w.get(), QPoint(0, 0)).y(); };
    const auto barBottom = [&] { return mainBar.mapTo(w.get(), QPoint(0, mainBar.height())).y(); };

    // A large screen keeps its one line: the tabs beside the toolbars, as wide as
    // TAB_WIDTH says.
    w->resize(1920, 1000);
    QCoreApplication::processEvents();
    EXPECT_LT(stripTop(), barBottom());
    EXPECT_EQ(strip.stripWidth(), qRound(8800 / w->twips().perPixel()));
    EXPECT_EQ(w->tabs().currentView()->geometry().top(), barBottom());

    // 1024 × 768: the tabs and the address take a line of their own under the toolbars.
    w->resize(1024, 768);
    QCoreApplication::processEvents();
    EXPECT_GE(stripTop(), barBottom() - 1);
    EXPECT_GE(w->addressBar().width(), 300);
    EXPECT_GE(w->addressBar().geometry().top(), 0);
    EXPECT_GE(w->tabs().currentView()->geometry().top(),
              w->addressBar().mapTo(w.get(), QPoint(0, w->addressBar().height())).y());
    int shortened = 0;
    for (int i = 0; i < 8; ++i) {
        const QString shown = strip.shownCaption(i);
        // Whole, or at least three letters of its start and of its end around one
        // ellipsis; never wider than its tab.
        EXPECT_LT(strip.fontMetrics().horizontalAdvance(shown), strip.tabRect(i).width());
        if (shown == sites[i])
            continue;
        ++shortened;
        // The tooltip shows the whole caption.
        QTest::mouseMove(&w->tabStrip(), strip.tabRect(i).center());
        EXPECT_TRUE(strip.toolTip().startsWith(sites[i])) << strip.toolTip().toStdString();
        const qsizetype dots = shown.indexOf(QChar(0x2026));
        ASSERT_GE(dots, 3) << shown.toStdString();
        EXPECT_GE(shown.size() - dots - 1, 3) << shown.toStdString();
        EXPECT_TRUE(sites[i].startsWith(shown.left(dots))) << shown.toStdString();
        EXPECT_TRUE(sites[i].endsWith(shown.mid(dots + 1))) << shown.toStdString();
    }
    EXPECT_GE(shortened, 1);
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
    w->exitAndSave();
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
    w->exitAndSave();
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

TEST_F(MainWindowTest, BrokenLanguageFilesAndLayoutNumbersStillGiveAUsableWindow) {
    // A language cut short after its settings: too few captions to show anything.
    QByteArray english = fileBytes(folder.filePath("languages/Trans_English.txt"));
    putFile(folder.filePath("languages/Trans_Short.txt"),
            english.left(english.indexOf("\"Open\"")));
    // Layout numbers no screen can use.
    english.replace("TAB_WIDTH=8800", "TAB_WIDTH=-5").replace("TAB_NUMBER=8", "TAB_NUMBER=0");
    putFile(folder.filePath("languages/Trans_Odd.txt"), english);

    writeOptions("http://127.0.0.1:9/", "Short");
    auto w = start();
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("Trans_Short.txt"))
        << notifier.messages[0].toStdString();
    EXPECT_EQ(w->registry().button("EDIT:COPY")->caption(), "Copy");
    EXPECT_EQ(w->state().options.currentLanguage, "English");

    Q_EMIT w->bars().buttonClick(3, "LANG:ODD");
    EXPECT_EQ(notifier.messages.size(), 1);
    EXPECT_EQ(w->tabs().count(), 1);
    w->show();
    w->resize(1920, 1000);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->tabStrip().stripWidth(), qRound(8800 / w->twips().perPixel()));
    EXPECT_TRUE(w->addressBar().isVisible());
    EXPECT_GT(w->addressBar().width(), 200);
}

TEST_F(MainWindowTest, AHomeAddressTooLongForAnyPageIsRefusedAndTheStartPageShows) {
    writeOptions("http://example.org/" + QString(10 * 1024 * 1024, 'a'), "English");
    auto w = start();
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("too long"))
        << notifier.messages[0].left(200).toStdString();
    const QString start = ProgramFiles(ProgramFolder(folder.path())).defaultHomeAddress();
    EXPECT_EQ(view(*w, 0)->navigations(), QStringList{start});

    // Typed (or pasted) into the address bar, such an address goes nowhere either.
    w->addressBar().setAddressText("http://example.org/" + QString(70 * 1024, 'b'));
    QTest::keyClick(&w->addressBar(), Qt::Key_Return);
    EXPECT_EQ(notifier.messages.size(), 2);
    EXPECT_EQ(view(*w, 0)->navigations().size(), 1); // only the start page
    w->exitAndSave();
    EXPECT_EQ(lines("Data/quortspeak.Opt").value(4), start);
}

TEST_F(MainWindowTest, ASessionEndAsksNothingAndKeepsTheEditorsTypingAsADraft) {
    QObject scope;
    bool questionShown = false;
    // Had the editor asked, the question would wait for ever; it is answered here.
    QTimer::singleShot(5000, &scope, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<InputDialog *>(window); dialog && dialog->isVisible()) {
                questionShown = true;
                dialog->reject();
            }
        }
    });
    auto w = start();
    QTimer::singleShot(0, &scope, [&] {
        auto *editor = qobject_cast<LanguageEditor *>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        editor->textArea()->setPlainText("\"Beenden\"\n\"Zurück\"\n");
        w->exitAndSave(); // what SIGTERM and SIGHUP run
    });
    w->showLanguageEditor();
    EXPECT_FALSE(questionShown);
    const QString draft = folder.filePath("Data/trans_new.draft");
    EXPECT_EQ(fileBytes(draft), QByteArray("\"Beenden\"\r\n\"Zur\xc3\xbc"
                                           "ck\"\r\n"));

    // The next start offers it, and taken, it is the editor's text.
    auto next = start();
    QString offered;
    QTimer::singleShot(0, &scope, [&] {
        auto *editor = qobject_cast<LanguageEditor *>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        offered = editor->text();
        EXPECT_FALSE(QFile::exists(draft));
        next->exitAndSave();
    });
    next->showLanguageEditor();
    EXPECT_EQ(offered, "\"Beenden\"\n\"Zurück\"\n");
    EXPECT_TRUE(notifier.messages.last().contains("language editor"))
        << notifier.messages.last().toStdString();
    EXPECT_TRUE(QFile::exists(draft)); // still unsaved at this end too
    EXPECT_FALSE(questionShown);
}

TEST_F(MainWindowTest, ALanguageItemChangesEveryTextAndIsSavedAtOnce) {
    auto w = start();
    auto click = [&](const QString &key) { Q_EMIT w->bars().buttonClick(3, key); };
    w->tabs().setCaption(0, "Example");
    view(*w, 0)->clearCalls();
    click("LANG:DEUTSCH");
    EXPECT_EQ(w->state().options.currentLanguage, "Deutsch"); // as the file spells it
    EXPECT_EQ(w->registry().item("EDIT:COPY").caption(), "Kopieren");
    EXPECT_EQ(w->registry().item("EDIT:TXT").caption(), "trans_Deutsch.txt");
    EXPECT_EQ(lines("Data/quortspeak.Opt").value(5), "Deutsch");
    EXPECT_EQ(w->tabs().caption(0), ""); // tabs become unopened, pages stay
    EXPECT_TRUE(view(*w, 0)->calls().isEmpty());

    click("LANG:KLINGON"); // no such file: the user is told, German stays
    EXPECT_EQ(w->registry().item("EDIT:COPY").caption(), "Kopieren");
    EXPECT_EQ(notifier.messages.size(), 1);

    // "Weiß" upper-cased is "WEISS", lower-cased again "weiss": no file has that name.
    QFile::copy(folder.filePath("languages/Trans_Deutsch.txt"),
                folder.filePath("languages/Trans_Weiß.txt"));
    auto next = start();
    Q_EMIT next->bars().buttonClick(3, "LANG:WEISS");
    EXPECT_EQ(notifier.messages.size(), 1) << notifier.messages.join('|').toStdString();
    EXPECT_EQ(next->state().options.currentLanguage, "Weiß");
    EXPECT_EQ(next->registry().item("EDIT:TXT").caption(), "trans_Weiß.txt");
}

TEST_F(MainWindowTest, TheModalWindowsOpenFromTheirKeys) {
    auto w = start();
    for (const auto &[bar, key, title] :
         {std::tuple{0, "TORVELLO", 138}, {3, "FILE:TORVELLO", 138}, {3, "LANG:NEW", 209}}) {
        QString seen;
        // The window is modal: look at it from inside its own event loop, then close it.
        QTimer::singleShot(0, [&seen] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                seen = modal->windowTitle();
                modal->close();
            }
        });
        Q_EMIT w->bars().buttonClick(bar, key);
        EXPECT_EQ(seen, w->state().language.caption(title)) << key;
    }
}

TEST_F(MainWindowTest, CommandsNotBuiltYetSaySo) {
    auto w = start();
    for (const char *key : {"SAVE:PDF", "SAVE:WORDH", "SAVE:WORDV", "SAVE:EXCEL", "SAVE:PPT"})
        Q_EMIT w->bars().buttonClick(3, key);
    ASSERT_EQ(notifier.messages.size(), 5);
    for (const QString &message : notifier.messages)
        EXPECT_TRUE(message.contains("not available yet")) << message.toStdString();
}
