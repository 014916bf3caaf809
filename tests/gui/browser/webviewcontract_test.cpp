// What every web view does as the program sees it, held against the engine's view on pages
// served from 127.0.0.1 and the fake the other tests drive, so the fake reports nothing the
// engine would not. The engine loads what the test server serves; the fake is told of the
// same load, as a test on fakes tells it.
#include "browser/enginewebview.h"
#include "filehelpers.h"
#include "support/fakewebview.h"
#include "support/httpserver.h"
#include "waituntil.h"
#include "webvieweventlog.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <type_traits>

namespace {

constexpr int LoadTimeLimitMs = 20000;

// The one answer to a request made with a callback, which comes later, never inside the
// call.
template <typename Result, typename Request> Result answer(Request request) {
    auto answers = std::make_shared<QList<Result>>();
    request([answers](const Result &value) { answers->append(value); });
    EXPECT_TRUE(answers->isEmpty()) << "answered inside the call";
    EXPECT_TRUE(waitUntil([answers] { return !answers->isEmpty(); }, 60000));
    QTest::qWait(50);
    EXPECT_EQ(answers->size(), 1);
    return answers->value(0);
}

std::pair<bool, QString> saveArchive(WebView &view, const QString &path) {
    using Outcome = std::pair<bool, QString>;
    return answer<Outcome>([&](auto done) {
        view.saveArchive(path, [done](bool ok, const QString &error) { done({ok, error}); });
    });
}

bool printToPdf(WebView &view, const QString &path) {
    return answer<bool>([&](auto done) { view.printToPdf(path, done); });
}

QString page(const QString &title, const QString &body) {
    return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
        .arg(title, body);
}

template <typename View> class WebViewContract : public ::testing::Test {
protected:
    static constexpr bool IsFake = std::is_same_v<View, FakeWebView>;

    void SetUp() override {
        ASSERT_TRUE(server.isListening());
        ASSERT_TRUE(folder.isValid());
        view.resize(640, 480);
        view.show();
    }
    QString address(const QString &path) const { return server.url(path).toString(); }
    QString file(const QString &name) const { return folder.filePath(name); }

    // Goes to address and waits for the load to end. The fake is told of the load as the
    // page at address would give it: titled title, with markup as its source and a script
    // asking for its title answered.
    bool load(const QString &address, const QString &title, const QString &markup) {
        QSignalSpy complete(&view, &WebView::documentComplete);
        view.navigate(address);
        if constexpr (IsFake) {
            view.setPageSource(markup);
            view.setHasContent(!markup.isEmpty());
            view.setIsolatedAnswer([title](const QString &) { return QVariant(title); });
            view.simulateLoad(address, title);
        }
        return complete.count() > 0 || complete.wait(LoadTimeLimitMs);
    }

    TestHttpServer server;
    QTemporaryDir folder;
    std::unique_ptr<View> owned = std::make_unique<View>();
    View &view = *owned;
    WebViewEventLog log{&view};
};

using Views = ::testing::Types<FakeWebView, EngineWebView>;
TYPED_TEST_SUITE(WebViewContract, Views);

TYPED_TEST(WebViewContract, BeforeAnyPageItShowsNothingAndAnswersCalmly) {
    WebView &view = this->view;
    view.setSilent(true);
    EXPECT_FALSE(view.busy());
    EXPECT_EQ(view.readyState(), "uninitialized");
    EXPECT_EQ(view.locationURL(), "");
    EXPECT_EQ(view.title(), "");
    EXPECT_EQ(view.selectedText(), "");
    view.goBack();
    view.goForward();
    view.refresh();
    view.stop();

    const auto [archived, reason] = saveArchive(view, this->file(QStringLiteral("page.mhtml")));
    EXPECT_FALSE(archived);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(printToPdf(view, this->file(QStringLiteral("page.pdf"))));
    EXPECT_TRUE(QDir(this->folder.path()).isEmpty());
    EXPECT_EQ(answer<int>([&](auto done) { view.findText(QStringLiteral("x"), false, done); }), 0);
    EXPECT_EQ(answer<QString>([&](auto done) { view.requestPageSource(done); }), "");
    EXPECT_EQ(answer<QString>([&](auto done) { view.requestHtmlWithInlineImages(done); }), "");
    EXPECT_FALSE(answer<bool>([&](auto done) { view.requestHasContent(done); }));
    EXPECT_FALSE(answer<QVariant>([&](auto done) {
                     view.runIsolatedScript(QStringLiteral("document.title"), done);
                 }).isValid());
    EXPECT_EQ(this->log.lines(), QStringList());
}

TYPED_TEST(WebViewContract, ALoadIsReportedFromStartToEndAndThePageAnswersTillTheViewCloses) {
    WebView &view = this->view;
    const QString markup =
        page(QStringLiteral("First page"), QStringLiteral("<p>one &amp; two</p>"));
    this->server.setHtml(QStringLiteral("/first"), markup);
    const QString url = this->address(QStringLiteral("/first"));
    // What the program reads from the view when the load starts and when it has ended.
    const auto state = [&view]() -> QStringList {
        return {view.busy() ? "busy" : "idle", view.readyState(), view.locationURL(), view.title()};
    };
    QStringList atStart;
    QStringList atEnd;
    QObject::connect(&view, &WebView::navigationStarting, &view, [&] { atStart = state(); });
    QObject::connect(&view, &WebView::documentComplete, &view, [&] { atEnd = state(); });
    ASSERT_TRUE(this->load(url, QStringLiteral("First page"), markup));

    const QStringList lines = this->log.lines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), "before " + url);
    EXPECT_EQ(lines.last(), "complete " + url);
    EXPECT_EQ(this->log.values(QStringLiteral("before")), QStringList{url});
    // Nothing was hovered, so the status line is left to the load events.
    EXPECT_TRUE(this->log.values(QStringLiteral("status")).isEmpty());
    EXPECT_EQ(this->log.values(QStringLiteral("title")).last(), "First page")
        << lines.join('\n').toStdString();
    const QStringList progress = this->log.values(QStringLiteral("progress"));
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last(), "100/100");
    for (const QString &step : progress)
        EXPECT_TRUE(step.endsWith("/100")) << step.toStdString();
    EXPECT_EQ(atStart, QStringList({"idle", "uninitialized", "", ""}));
    EXPECT_EQ(atEnd, QStringList({"idle", "complete", url, "First page"}));
    EXPECT_EQ(view.locationName(), "First page");

    EXPECT_EQ(answer<QString>([&](auto done) { view.requestPageSource(done); }), markup);
    EXPECT_TRUE(answer<bool>([&](auto done) { view.requestHasContent(done); }));
    EXPECT_EQ(answer<QVariant>([&](auto done) {
                  view.runIsolatedScript(QStringLiteral("document.title"), done);
              }),
              QVariant(QStringLiteral("First page")));

    // With nothing before or after it, going back or forward goes nowhere.
    this->log.clear();
    view.goBack();
    view.goForward();
    QTest::qWait(300);
    EXPECT_EQ(this->log.lines(), QStringList());
    EXPECT_EQ(view.locationURL(), url);

    const QString archive = this->file(QStringLiteral("page.mhtml"));
    const auto [archived, reason] = saveArchive(view, archive);
    ASSERT_TRUE(archived) << reason.toStdString();
    EXPECT_TRUE(fileBytes(archive).contains("MIME-Version: 1.0"));
    EXPECT_TRUE(fileBytes(archive).contains("Content-Type: multipart/related"));
    const QString pdf = this->file(QStringLiteral("page.pdf"));
    ASSERT_TRUE(printToPdf(view, pdf));
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF-"));

    // A folder that is a file cannot hold one, whoever runs the test (root included).
    const QString notAFolder = this->file(QStringLiteral("plain"));
    ASSERT_TRUE(QFile(notAFolder).open(QIODevice::WriteOnly));
    const auto [failed, why] = saveArchive(view, notAFolder + QStringLiteral("/page.mhtml"));
    EXPECT_FALSE(failed);
    EXPECT_TRUE(why.contains(QStringLiteral("page.mhtml"))) << why.toStdString();
    EXPECT_FALSE(printToPdf(view, notAFolder + QStringLiteral("/page.pdf")));
    EXPECT_EQ(QDir(this->folder.path()).entryList(QDir::Files),
              QStringList({"page.mhtml", "page.pdf", "plain"}));

    // A view closed while its page still answers calls nobody back and opens no window.
    int answers = 0;
    view.requestPageSource([&](const QString &) { ++answers; });
    view.requestHtmlWithInlineImages([&](const QString &) { ++answers; });
    view.requestHasContent([&](bool) { ++answers; });
    view.runIsolatedScript(QStringLiteral("document.title"), [&](const QVariant &) { ++answers; });
    view.saveArchive(this->file(QStringLiteral("late.mhtml")),
                     [&](bool, const QString &) { ++answers; });
    view.printToPdf(this->file(QStringLiteral("late.pdf")), [&](bool) { ++answers; });
    view.runPageCommand(WebView::PageCommand::Properties);
    this->owned.reset();
    QTest::qWait(1000);
    EXPECT_EQ(answers, 0);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TYPED_TEST(WebViewContract, AFailedLoadStillCompletes) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const QString url = QStringLiteral("http://127.0.0.1:%1/nothing").arg(closed.serverPort());
    closed.close();

    // The engine's page of the failure is titled with the host.
    ASSERT_TRUE(this->load(url, QStringLiteral("127.0.0.1"), QString()));
    EXPECT_EQ(this->log.values(QStringLiteral("complete")), QStringList{url});
    EXPECT_FALSE(this->view.busy());
    EXPECT_EQ(this->view.readyState(), "complete");
    EXPECT_EQ(this->view.locationURL(), url);
}

} // namespace
