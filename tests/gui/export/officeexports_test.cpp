// The Word and PDF exports on awkward pages, with the real engine and the real LibreOffice:
// each one ends in a good file or in a clear message, and never hangs.
#include "browser/enginewebview.h"
#include "browser/navigationpolicy.h"
#include "commandbar/maincommandbars.h"
#include "export/libreoffice/libreofficesuite.h"
#include "export/pageexports.h"
#include "mainwindow/mainpageexports.h"
#include "mainwindow/mainwindow.h"
#include "programfolderfixture.h"
#include "recordingnotifier.h"
#include "support/httpserver.h"
#include "waituntil.h"

#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int ExportTimeLimitMs = 120000; // a cold office included

class OfficeExportsOnRealPages : public ::testing::Test {
protected:
    void SetUp() override {
        const NavigationPolicy policy(folder.path());
        window = std::make_unique<MainWindow>(
            ProgramFiles(ProgramFolder(folder.path())), notifier,
            [policy](int) { return new EngineWebView(nullptr, policy); });
        ASSERT_TRUE(window->load());
        window->setGeometry(40, 40, 800, 600);
        window->show();
        window->pageExports().setOfficeSuite(
            std::make_unique<LibreOfficeSuite>(out.filePath(QStringLiteral("profile"))));
        window->pageExports().setFileChooser([this](QWidget *, const SaveDialogRequest &r) {
            offered.append(r.defaultName);
            return answer;
        });
        ASSERT_TRUE(waitUntil([&] { return !window->state().wordTemplateHPath.isEmpty(); }, 5000));
    }

    void open(const QString &path, const QString &html) {
        server.setHtml(path, html);
        WebView *view = window->tabs().currentView();
        int complete = 0;
        auto connection = QObject::connect(view, &WebView::documentComplete,
                                           [&](const QString &) { ++complete; });
        view->navigate(server.url(path).toString());
        ASSERT_TRUE(waitUntil([&] { return complete > 0; }, 20000)) << path.toStdString();
        QObject::disconnect(connection);
    }

    // Runs the command with the dialog answered by target; what the user was told last.
    QString exportTo(const char *key, const QString &target) {
        answer = target;
        notifier.messages.clear();
        Q_EMIT window->bars().buttonClick(3, QLatin1String(key));
        EXPECT_TRUE(
            waitUntil([&] { return !window->pageExports().exports().isBusy(); }, ExportTimeLimitMs))
            << key << " on " << target.toStdString() << " never ended";
        return notifier.messages.isEmpty() ? QString() : notifier.messages.last();
    }

    void expectWritten(const QString &told, const QString &target) {
        EXPECT_TRUE(told.contains(QStringLiteral("The file was saved: ") + target))
            << told.toStdString();
        EXPECT_GT(QFileInfo(target).size(), 1000) << target.toStdString();
    }

    TemporaryProgramFolder folder;
    QTemporaryDir out;
    TestHttpServer server;
    RecordingNotifier notifier;
    std::unique_ptr<MainWindow> window;
    QStringList offered;
    QString answer;
};

} // namespace

TEST_F(OfficeExportsOnRealPages, AwkwardPagesEndInAGoodFileOrAClearMessage) {
    // A title of punctuation only offers the untitled name, and still gives a document.
    open("/punctuation", "<title>?!&lt;&gt; -- ...</title><p>Only punctuation above.</p>");
    expectWritten(exportTo("SAVE:WORDH", out.filePath("punctuation.doc")),
                  out.filePath("punctuation.doc"));
    EXPECT_EQ(offered.last(), "WordDocument.doc");

    // A picture that does not load, and a name with spaces and letters beyond ASCII.
    open("/broken", "<title>Broken</title><p>Before</p><img src='/missing.png'><p>After</p>");
    const QString spaced = out.filePath(QStringLiteral("Größe und Maß.pdf"));
    expectWritten(exportTo("SAVE:PDF", spaced), spaced);
    EXPECT_TRUE(QFileInfo::exists(out.filePath(QStringLiteral("Größe und Maß.doc"))));

    // A page that rewrites itself all the while the export runs.
    open("/restless", "<title>Restless</title><body><p id=n>0</p><script>let i = 0;"
                      "setInterval(() => { document.body.innerHTML = '<p>' + (++i) + '</p>'"
                      " + 'x'.repeat(i % 500); }, 5);</script></body>");
    expectWritten(exportTo("SAVE:WORDV", out.filePath("restless.doc")),
                  out.filePath("restless.doc"));

    // A folder that cannot be written to (a file stands where the folder should be): told,
    // and nothing is left behind.
    QFile blocker(out.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString told = exportTo("SAVE:WORDH", out.filePath("not-a-folder/page.doc"));
    EXPECT_TRUE(told.contains("The office suite could not finish the export"))
        << told.toStdString();
    EXPECT_TRUE(told.contains("not-a-folder")) << told.toStdString();
    EXPECT_FALSE(told.contains("was saved"));
    EXPECT_EQ(window->windowOpacity(), 1.0);

    // Five megabytes of text (some 30 s of the office's HTML import here).
    QString big = QStringLiteral("<title>Big</title>");
    const QString line = QStringLiteral("<p>%1 wombats dig burrows all night long.</p>\n");
    for (int i = 0; big.size() < 5 * 1024 * 1024; ++i)
        big += line.arg(i);
    open("/big", big);
    // About 30 s on a quiet machine; on a busy one it may pass the export's 60 s limit, and
    // LibreOffice's HTML import has lost its bridge on it now and then. Being stopped or told
    // of the office's failure, with no file left, is then the right end too.
    const QString bigTold = exportTo("SAVE:WORDH", out.filePath("big.doc"));
    if (bigTold.contains("was saved")) {
        expectWritten(bigTold, out.filePath("big.doc"));
    } else {
        EXPECT_TRUE(bigTold.contains("was stopped") ||
                    bigTold.contains("The office suite could not finish the export"))
            << bigTold.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out.filePath("big.doc")));
    }

    // Only the chosen files are left: no temporary or half-written file.
    QStringList left = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    left.removeAll("big.doc");
    EXPECT_EQ(left, (QStringList{"Größe und Maß.doc", "Größe und Maß.pdf", "not-a-folder",
                                 "punctuation.doc", "restless.doc"}));
}

namespace {
// The first sheet of each workbook as CSV lines, read back by LibreOffice itself.
QMap<QString, QStringList> firstSheets(const QStringList &workbooks, const QString &folder) {
    QProcess soffice;
    soffice.start(QStringLiteral("soffice"),
                  QStringList{QStringLiteral("-env:UserInstallation=file://") + folder +
                                  QStringLiteral("/reader-profile"),
                              QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                              QStringLiteral("csv"), QStringLiteral("--outdir"), folder} +
                      workbooks);
    soffice.waitForFinished(180000);
    QMap<QString, QStringList> sheets;
    for (const QString &workbook : workbooks) {
        QFile csv(QDir(folder).filePath(QFileInfo(workbook).completeBaseName() + ".csv"));
        if (csv.open(QIODevice::ReadOnly))
            sheets[QFileInfo(workbook).fileName()] =
                QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    return sheets;
}
} // namespace

TEST_F(OfficeExportsOnRealPages, WorkbooksAndSlidesOfAwkwardPages) {
    open("/plain", "<title>Plain</title><p>First paragraph</p><p>Second paragraph</p>");
    expectWritten(exportTo("SAVE:EXCEL", out.filePath("plain.xlsx")), out.filePath("plain.xlsx"));

    QString rows = QStringLiteral("<title>Rows</title><table>");
    for (int i = 1; i <= 2000; ++i)
        rows += QStringLiteral("<tr><td>Burrow %1</td><td>%2</td></tr>").arg(i).arg(i * 3);
    open("/rows", rows + "</table>");
    expectWritten(exportTo("SAVE:EXCEL", out.filePath("rows.xls")), out.filePath("rows.xls"));

    open("/nested", "<title>Nested</title><table><tr><td colspan=2>Both columns</td></tr>"
                    "<tr><td>Outer</td><td><table><tr><td>Inner</td><td>7</td></tr></table>"
                    "</td></tr></table>");
    expectWritten(exportTo("SAVE:EXCEL", out.filePath("nested.ods")), out.filePath("nested.ods"));

    const QMap<QString, QStringList> sheets = firstSheets(
        {out.filePath("plain.xlsx"), out.filePath("rows.xls"), out.filePath("nested.ods")},
        out.path());
    // Without tables the text lands in column A, one paragraph a row.
    EXPECT_EQ(sheets.value("plain.xlsx"), (QStringList{"First paragraph", "Second paragraph"}));
    // Every one of 2,000 rows, in two columns.
    const QStringList all = sheets.value("rows.xls");
    ASSERT_EQ(all.size(), 2000);
    EXPECT_EQ(all.first(), "Burrow 1,3");
    EXPECT_EQ(all.last(), "Burrow 2000,6000");
    // Merged and nested cells keep their text.
    const QString nested = sheets.value("nested.ods").join('\n');
    for (const char *text : {"Both columns", "Outer", "Inner", "7"})
        EXPECT_TRUE(nested.contains(text)) << text << " in " << nested.toStdString();

    // A 300-character title offers its first 22 letters; the slide is written.
    open("/long", "<title>" + QString(300, 'w') + "</title><p>A long title</p>");
    const QString told = exportTo("SAVE:PPT", out.filePath("deck.pptx"));
    EXPECT_TRUE(
        told.endsWith("Slide 1 was added to the presentation:\r\n" + out.filePath("deck.pptx")))
        << told.toStdString();
    EXPECT_GT(QFileInfo(out.filePath("deck.pptx")).size(), 1000);
    EXPECT_EQ(offered.last(), QString(22, 'w') + ".ppt");
}
