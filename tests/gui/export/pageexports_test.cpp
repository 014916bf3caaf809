#include "commandbar/maincommandbars.h"
#include "export/officerunner.h"
#include "export/pageexports.h"
#include "fakeofficesuite.h"
#include "fakewebview.h"
#include "filehelpers.h"
#include "mainwindow/mainpageexports.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/statusline.h"
#include "programfolderfixture.h"
#include "recordingnotifier.h"
#include "waituntil.h"

#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The main window on fake pages, with the Save dialog answered by the test.
class PageExportsTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> start() {
        auto window = std::make_unique<MainWindow>(ProgramFiles(ProgramFolder(folder.path())),
                                                   notifier, [](int) { return new FakeWebView; });
        EXPECT_TRUE(window->load());
        window->setGeometry(40, 40, 640, 480);
        window->show();
        static_cast<FakeWebView *>(window->tabs().currentView())->setHasContent(true);
        window->pageExports().setFileChooser([this](QWidget *, const SaveDialogRequest &request) {
            offered.append(request.defaultName);
            return answer;
        });
        return window;
    }
    FakeWebView *view(MainWindow &w) { return static_cast<FakeWebView *>(w.tabs().currentView()); }
    // Runs a command as the menu gives it and waits until it has ended.
    void run(MainWindow &w, const char *key) {
        Q_EMIT w.bars().buttonClick(3, QLatin1String(key));
        ASSERT_TRUE(waitUntil([&] { return !w.pageExports().exports().isBusy(); }, 5000));
    }
    QString picture(int n) {
        return folder.filePath(QStringLiteral("Images/Quort%1.bmp").arg(n, 3, 10, QChar('0')));
    }

    TemporaryProgramFolder folder;
    RecordingNotifier notifier;
    QStringList offered;
    QString answer;
};

} // namespace

TEST_F(PageExportsTest, PicturesAreNumberedOnAcrossRunsAndNeverOverwrite) {
    putFile(picture(0), "a picture of an earlier run");
    {
        auto w = start();
        run(*w, "EDIT:PICTURE");
        run(*w, "EDIT:PICTURE");
        // The strips are back, and the page is where it was.
        EXPECT_TRUE(w->state().barsShown);
        EXPECT_FALSE(w->statusLine().isHidden());
    }
    auto next = start();
    run(*next, "EDIT:PICTURE");

    EXPECT_EQ(fileBytes(picture(0)), QByteArray("a picture of an earlier run"));
    for (int n = 1; n <= 3; ++n) {
        QImageReader reader(picture(n));
        EXPECT_EQ(reader.format(), "bmp") << n;
        EXPECT_EQ(reader.size(), QSize(640, 480)) << n;
    }
    ASSERT_EQ(notifier.messages.size(), 3);
    EXPECT_TRUE(notifier.messages[2].endsWith("The picture was saved: " + picture(3)))
        << notifier.messages[2].toStdString();
}

TEST_F(PageExportsTest, TheWebArchiveGoesWhereTheUserSaysAndOnlyAWrittenFileIsNamed) {
    auto w = start();
    view(*w)->simulateLoad(QStringLiteral("http://127.0.0.1/kontakt"),
                           QStringLiteral("Über uns – Kontakt (2)"));
    const QString path = folder.filePath("saved/page.mht");
    QDir().mkpath(folder.filePath("saved"));

    answer.clear(); // the dialog cancelled: nothing written, nothing said
    run(*w, "SAVE:HTML");
    EXPECT_EQ(offered, QStringList{"ÜberunsKontakt2.mht"});
    EXPECT_TRUE(notifier.messages.isEmpty());

    answer = path;
    run(*w, "SAVE:HTML");
    EXPECT_TRUE(QFile::exists(path));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].endsWith("The file was saved: " + path));
    EXPECT_EQ(w->windowOpacity(), 1.0);

    // The file exists now: kept when the user says no, and told as a failure when the
    // page cannot be saved.
    notifier.answer = false;
    putFile(path, "kept");
    run(*w, "SAVE:HTML");
    EXPECT_EQ(fileBytes(path), QByteArray("kept"));
    EXPECT_EQ(notifier.messages.size(), 2); // the question only
    notifier.answer = true;
    view(*w)->setArchiveResult(false, QStringLiteral("disk full"));
    QFile::remove(path);
    run(*w, "SAVE:HTML");
    EXPECT_TRUE(notifier.messages.last().contains("could not be saved"))
        << notifier.messages.last().toStdString();
    EXPECT_TRUE(notifier.messages.last().contains("disk full"));
    EXPECT_FALSE(notifier.messages.last().contains("The file was saved"));
}

TEST_F(PageExportsTest, APageWithNothingToExportIsToldSoAndNoDialogOpens) {
    auto w = start();
    view(*w)->setHasContent(false);
    answer = folder.filePath("empty.mht");
    run(*w, "SAVE:HTML");
    EXPECT_TRUE(offered.isEmpty());
    EXPECT_FALSE(QFile::exists(answer));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("nothing to export"));
    EXPECT_EQ(w->windowOpacity(), 1.0);
}

TEST_F(PageExportsTest, ASecondCommandWhileOneRunsIsRefused) {
    auto w = start();
    Q_EMIT w->bars().buttonClick(3, QStringLiteral("EDIT:PICTURE"));
    ASSERT_TRUE(w->pageExports().exports().isBusy());
    Q_EMIT w->bars().buttonClick(3, QStringLiteral("SAVE:HTML"));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("please wait"));
    ASSERT_TRUE(waitUntil([&] { return !w->pageExports().exports().isBusy(); }, 5000));
    EXPECT_TRUE(offered.isEmpty());
    EXPECT_TRUE(QFile::exists(picture(0))) << notifier.messages.join('|').toStdString();
}

namespace {
// The office exports over a recording office suite.
class OfficeExportsTest : public PageExportsTest {
protected:
    std::unique_ptr<MainWindow> startWithOffice() {
        auto w = start();
        auto suite = std::make_unique<FakeOfficeSuite>();
        office = suite.get();
        w->pageExports().setOfficeSuite(std::move(suite));
        EXPECT_TRUE(waitUntil([&] { return !w->state().wordTemplateHPath.isEmpty(); }, 5000));
        view(*w)->setTitle(QStringLiteral("Report: 2026"));
        view(*w)->setHtml(QStringLiteral("<h1>Report</h1>"));
        return w;
    }
    FakeOfficeSuite *office = nullptr; // owned by the window's office thread
};
} // namespace

TEST_F(OfficeExportsTest, WordUsesItsTemplateAndAPdfLeavesItsWordCopyBesideIt) {
    auto w = startWithOffice();
    QDir().mkpath(folder.filePath("out"));
    answer = folder.filePath("out/page.doc");
    run(*w, "SAVE:WORDV");
    answer = folder.filePath("out/page.pdf");
    run(*w, "SAVE:PDF");

    EXPECT_EQ(offered, (QStringList{"Report2026.doc", "Report2026.pdf"}));
    const QStringList calls = office->calls().filter(QRegularExpression("^(new|save|export)"));
    ASSERT_EQ(calls.size(), 5) << calls.join('\n').toStdString();
    EXPECT_TRUE(calls[0].endsWith("Data/TemplateH.Doc"));
    EXPECT_EQ(calls[1], "save 1 " + answer.chopped(4) + ".doc Word 97");
    EXPECT_TRUE(calls[3].startsWith("save 2 ") && calls[3].endsWith("out/page.doc Word 97"));
    EXPECT_EQ(calls[4], "exportPdf 2 " + answer);
    EXPECT_EQ(office->openDocumentCount(), 0);
    // The Word export's page.doc is the PDF's Word copy too: asked before it is replaced.
    ASSERT_EQ(notifier.messages.size(), 3);
    EXPECT_TRUE(notifier.messages[1].contains(folder.filePath("out/page.doc")));
    EXPECT_TRUE(notifier.messages[2].contains("The file was saved: " + answer));
    EXPECT_TRUE(notifier.messages[2].contains(folder.filePath("out/page.doc")));
    EXPECT_EQ(w->windowOpacity(), 1.0);

    // Both files exist now: one question names both, and no means nothing is written.
    notifier.answer = false;
    office->clearCalls();
    run(*w, "SAVE:PDF");
    EXPECT_TRUE(notifier.messages.last().contains(answer));
    EXPECT_TRUE(notifier.messages.last().contains(folder.filePath("out/page.doc")));
    EXPECT_TRUE(office->calls().filter("save").isEmpty());
}

TEST_F(OfficeExportsTest, AFailingOrMissingOfficeIsToldAndNothingIsSaidToBeSaved) {
    auto w = startWithOffice();
    answer = folder.filePath("page.doc");
    office->failOn("insertHtml", 1, "The page could not be read.");
    run(*w, "SAVE:WORDH");
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("The page could not be read."));
    EXPECT_FALSE(notifier.messages[0].contains("was saved"));
    EXPECT_FALSE(QFile::exists(answer));
    EXPECT_EQ(office->openDocumentCount(), 0);
    EXPECT_EQ(w->windowOpacity(), 1.0);

    office->setAvailable(false);
    offered.clear();
    run(*w, "SAVE:WORDH");
    EXPECT_TRUE(offered.isEmpty()); // told before any dialog
    EXPECT_TRUE(notifier.messages.last().contains("LibreOffice was not found"));
}

TEST(OfficeRunner, AJobOverItsTimeLimitIsReportedStoppedAndItsLateResultDropped) {
    auto suite = std::make_unique<FakeOfficeSuite>();
    FakeOfficeSuite *office = suite.get();
    OfficeRunner runner(std::move(suite));
    QStringList answers;
    runner.run(
        [](OfficeSuite &) {
            QThread::msleep(300);
            return OfficeResult::success();
        },
        [&](const OfficeResult &r) { answers.append(r.ok ? "ok" : r.error); }, "stopped", 50);
    EXPECT_TRUE(runner.isBusy());
    ASSERT_TRUE(waitUntil([&] { return !runner.isBusy(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(answers, QStringList{"stopped"});
    // The office was told to end the job, so it writes no file after the user was told.
    EXPECT_EQ(office->calls(), QStringList{"abort"});
}
