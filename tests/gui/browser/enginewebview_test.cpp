#include "browser/enginewebview.h"
#include "support/httpserver.h"
#include "webvieweventlog.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int LoadTimeLimitMs = 20000;

QString page(const QString &title, const QString &body) {
    return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
        .arg(title, body);
}

template <typename T> T *findTopLevel() {
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (auto *found = qobject_cast<T *>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}

QString runTool(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(LoadTimeLimitMs);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString labelText(QWidget *dialog, const QString &name) {
    auto *label = dialog->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

class EngineWebViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.isListening());
        view.resize(800, 600);
        view.show();
    }

    QString address(const QString &path) const { return server.url(path).toString(); }

    // Runs action and waits for the next documentComplete; true if it came.
    template <typename Action> bool completes(Action action) {
        QSignalSpy spy(&view, &WebView::documentComplete);
        action();
        return spy.count() > 0 || spy.wait(LoadTimeLimitMs);
    }

    bool load(const QString &path) {
        return completes([&] { view.navigate(address(path)); });
    }

    QVariant runScript(const QString &script) {
        auto result = std::make_shared<std::pair<bool, QVariant>>();
        view.engineView()->page()->runJavaScript(script, [result](const QVariant &value) {
            *result = {true, value};
        });
        waitUntil([result] { return result->first; });
        return result->second;
    }

    // Waits until the engine has taken in a selection made on the page.
    bool selectionSettles(const QString &script) {
        QSignalSpy spy(view.engineView(), &QWebEngineView::selectionChanged);
        runScript(script);
        return spy.count() > 0 || spy.wait(LoadTimeLimitMs);
    }

    // The centre of the element with this id, in the page's widget coordinates.
    QPoint centreOf(const QString &id) {
        const QVariantList xy =
            runScript(QStringLiteral("(function(){var r=document.getElementById('%1')"
                                     ".getBoundingClientRect();"
                                     "return [r.left+r.width/2, r.top+r.height/2];})()")
                          .arg(id))
                .toList();
        return QPoint(xy.value(0).toInt(), xy.value(1).toInt());
    }

    QWidget *pageWidget() { return view.engineView()->focusProxy(); }

    TestHttpServer server;
    EngineWebView view;
    WebViewEventLog log{&view};
};

TEST_F(EngineWebViewTest, ARedirectCompletesWithTheAddressRedirectedTo) {
    server.setRedirect(QStringLiteral("/old"), QStringLiteral("/new"));
    server.setHtml(QStringLiteral("/new"), page(QStringLiteral("New home"), "moved here"));
    ASSERT_TRUE(load(QStringLiteral("/old")));

    EXPECT_EQ(log.values(QStringLiteral("complete")), QStringList{address(QStringLiteral("/new"))});
    // The redirect is a navigation of its own.
    EXPECT_EQ(log.values(QStringLiteral("before")),
              QStringList({address(QStringLiteral("/old")), address(QStringLiteral("/new"))}));
    EXPECT_EQ(view.locationURL(), address(QStringLiteral("/new")));
    EXPECT_EQ(view.locationName(), "New home");
}

TEST_F(EngineWebViewTest, ASlowPageIsBusyUntilItHasLoaded) {
    server.setHtml(QStringLiteral("/slow"), page(QStringLiteral("Slow"), "at last"), 1500);
    QSignalSpy complete(&view, &WebView::documentComplete);
    view.navigate(address(QStringLiteral("/slow")));

    // The server holds its answer back, so the page is still loading when the request is in.
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/slow")));
    EXPECT_TRUE(view.busy());
    EXPECT_EQ(view.readyState(), "loading");
    EXPECT_EQ(complete.count(), 0);

    ASSERT_TRUE(complete.wait(LoadTimeLimitMs));
    EXPECT_FALSE(view.busy());
    EXPECT_EQ(view.readyState(), "complete");
    EXPECT_EQ(view.locationName(), "Slow");
}

TEST_F(EngineWebViewTest, AFramesNavigationIsReportedToo) {
    server.setHtml(QStringLiteral("/framed"),
                   page(QStringLiteral("Framed"), "<iframe src=\"/inner\"></iframe>"));
    server.setHtml(QStringLiteral("/inner"), page(QStringLiteral("Inner"), "inside"));
    ASSERT_TRUE(load(QStringLiteral("/framed")));
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/inner")));

    const QStringList before = log.values(QStringLiteral("before"));
    EXPECT_TRUE(before.contains(address(QStringLiteral("/framed"))));
    EXPECT_TRUE(before.contains(address(QStringLiteral("/inner"))))
        << before.join('\n').toStdString();
    // The view's own address stays the page's, not the frame's.
    EXPECT_EQ(view.locationURL(), address(QStringLiteral("/framed")));
}

TEST_F(EngineWebViewTest, NewWindowsOpenInTheSameView) {
    server.setHtml(QStringLiteral("/opener"),
                   page(QStringLiteral("Opener"),
                        "<a id=\"away\" target=\"_blank\" href=\"/linked\" "
                        "style=\"display:block;width:300px;height:100px\">open</a>"));
    server.setHtml(QStringLiteral("/linked"), page(QStringLiteral("Linked"), "from a link"));
    server.setHtml(QStringLiteral("/scripted"), page(QStringLiteral("Scripted"), "by script"));
    ASSERT_TRUE(load(QStringLiteral("/opener")));

    const QPoint link = centreOf(QStringLiteral("away"));
    ASSERT_TRUE(completes([&] { QTest::mouseClick(pageWidget(), Qt::LeftButton, {}, link); }));
    EXPECT_EQ(view.locationURL(), address(QStringLiteral("/linked")));
    EXPECT_EQ(view.locationName(), "Linked");

    ASSERT_TRUE(completes([&] { runScript(QStringLiteral("window.open('/scripted')")); }));
    EXPECT_EQ(view.locationURL(), address(QStringLiteral("/scripted")));
    EXPECT_EQ(view.locationName(), "Scripted");
    int windows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows += widget->isVisible() ? 1 : 0;
    EXPECT_EQ(windows, 1);

    // The pages before are still in this view's history.
    ASSERT_TRUE(completes([&] { view.goBack(); }));
    EXPECT_EQ(view.locationURL(), address(QStringLiteral("/linked")));
}

TEST_F(EngineWebViewTest, HoveringALinkShowsItsAddress) {
    server.setHtml(QStringLiteral("/links"),
                   page(QStringLiteral("Links"),
                        "<a id=\"target\" href=\"/somewhere?x=1\" "
                        "style=\"display:block;width:300px;height:100px\">go</a>"
                        "<div id=\"plain\" style=\"height:200px\">text</div>"));
    ASSERT_TRUE(load(QStringLiteral("/links")));
    QSignalSpy status(&view, &WebView::statusTextChange);

    QTest::mouseMove(pageWidget(), centreOf(QStringLiteral("target")));
    ASSERT_TRUE(status.wait(LoadTimeLimitMs));
    EXPECT_EQ(status.last().value(0).toString(), address(QStringLiteral("/somewhere?x=1")));

    QTest::mouseMove(pageWidget(), centreOf(QStringLiteral("plain")));
    ASSERT_TRUE(status.wait(LoadTimeLimitMs));
    EXPECT_EQ(status.last().value(0).toString(), "");
}

TEST_F(EngineWebViewTest, APageCannotCloseItsWindow) {
    server.setHtml(QStringLiteral("/closer"), page(QStringLiteral("Closer"), "bye?"));
    ASSERT_TRUE(load(QStringLiteral("/closer")));
    QList<bool> childFlags;
    // A handler that lets the window go: the view stays all the same.
    QObject::connect(&view, &WebView::windowClosing, &view, [&](bool isChildWindow, bool *cancel) {
        childFlags.append(isChildWindow);
        *cancel = false;
    });
    QSignalSpy closing(&view, &WebView::windowClosing);

    runScript(QStringLiteral("window.close()"));
    ASSERT_TRUE(closing.count() > 0 || closing.wait(LoadTimeLimitMs));
    EXPECT_EQ(childFlags, QList<bool>{false});
    // The page still answers after its request, so it was not closed.
    EXPECT_EQ(runScript(QStringLiteral("document.title")).toString(), "Closer");
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.locationURL(), address(QStringLiteral("/closer")));
    EXPECT_EQ(view.locationName(), "Closer");
}

TEST_F(EngineWebViewTest, TheSelectionIsReadFromThePage) {
    server.setHtml(QStringLiteral("/text"),
                   page(QStringLiteral("Text"), "<p id=\"one\">First words</p><p>Second part</p>"));
    ASSERT_TRUE(load(QStringLiteral("/text")));
    EXPECT_EQ(view.selectedText(), "");

    ASSERT_TRUE(selectionSettles(
        QStringLiteral("window.getSelection().selectAllChildren(document.getElementById('one'))")));
    EXPECT_EQ(view.selectedText(), "First words");

    view.runPageCommand(WebView::PageCommand::ClearSelection);
    ASSERT_TRUE(waitUntil([&] { return view.selectedText().isEmpty(); }));

    view.runPageCommand(WebView::PageCommand::SelectAll);
    ASSERT_TRUE(waitUntil([&] { return view.selectedText().contains("Second part"); }));
    EXPECT_TRUE(view.selectedText().contains("First words"));
}

TEST_F(EngineWebViewTest, EditingCommandsWorkOnTheFocusedField) {
    server.setHtml(QStringLiteral("/edit"),
                   page(QStringLiteral("Edit"), "<textarea id=\"box\">alpha beta</textarea>"));
    ASSERT_TRUE(load(QStringLiteral("/edit")));
    QApplication::setActiveWindow(&view);
    view.setFocus();
    QApplication::clipboard()->clear();
    const auto value = [&] {
        return runScript(QStringLiteral("document.getElementById('box').value")).toString();
    };
    const auto select = [&](int from, int to) {
        return selectionSettles(QStringLiteral("var b = document.getElementById('box');"
                                               "b.focus(); b.setSelectionRange(%1, %2);")
                                    .arg(from)
                                    .arg(to));
    };

    ASSERT_TRUE(select(0, 5));
    view.runPageCommand(WebView::PageCommand::Copy);
    ASSERT_TRUE(waitUntil([] { return QApplication::clipboard()->text() == "alpha"; }));
    EXPECT_EQ(value(), "alpha beta");

    view.runPageCommand(WebView::PageCommand::Cut);
    EXPECT_TRUE(waitUntil([&] { return value() == " beta"; })) << value().toStdString();

    runScript(QStringLiteral("var b = document.getElementById('box');"
                             "b.setSelectionRange(b.value.length, b.value.length);"));
    view.runPageCommand(WebView::PageCommand::Paste);
    EXPECT_TRUE(waitUntil([&] { return value() == " betaalpha"; })) << value().toStdString();

    ASSERT_TRUE(select(1, 5));
    view.runPageCommand(WebView::PageCommand::Delete);
    EXPECT_TRUE(waitUntil([&] { return value() == " alpha"; })) << value().toStdString();
}

TEST_F(EngineWebViewTest, PropertiesShowWhatThePageIs) {
    // Markup written as the browser writes it back, so its size is known beforehand.
    const QString markup = page(QStringLiteral("Facts"), QStringLiteral("<p>Grüße</p>"));
    server.setHtml(QStringLiteral("/facts"), markup);
    ASSERT_TRUE(load(QStringLiteral("/facts")));

    view.runPageCommand(WebView::PageCommand::Properties);
    QDialog *dialog = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        dialog = view.findChild<QDialog *>(QStringLiteral("pageProperties"));
        return dialog && dialog->isVisible();
    }));
    EXPECT_EQ(labelText(dialog, QStringLiteral("title")), "Facts");
    EXPECT_EQ(labelText(dialog, QStringLiteral("address")), address(QStringLiteral("/facts")));
    EXPECT_EQ(labelText(dialog, QStringLiteral("contentType")), "text/html");
    EXPECT_EQ(labelText(dialog, QStringLiteral("encoding")), "UTF-8");
    EXPECT_EQ(labelText(dialog, QStringLiteral("size")),
              QStringLiteral("%1 bytes").arg(markup.toUtf8().size()));
    dialog->reject();
}

TEST_F(EngineWebViewTest, NavigationStepsMoveThroughTheHistory) {
    server.setHtml(QStringLiteral("/a"), page(QStringLiteral("A"), "a"));
    server.setHtml(QStringLiteral("/b"), page(QStringLiteral("B"), "b"));
    ASSERT_TRUE(load(QStringLiteral("/a")));
    ASSERT_TRUE(load(QStringLiteral("/b")));

    ASSERT_TRUE(completes([&] { view.goBack(); }));
    EXPECT_EQ(view.locationName(), "A");
    ASSERT_TRUE(completes([&] { view.goForward(); }));
    EXPECT_EQ(view.locationName(), "B");

    const int before = server.requestCount(QStringLiteral("/b"));
    ASSERT_TRUE(completes([&] { view.refresh(); }));
    EXPECT_EQ(server.requestCount(QStringLiteral("/b")), before + 1);

    log.clear();
    ASSERT_TRUE(completes([&] { view.goHome(); }));
    EXPECT_EQ(view.locationURL(), "about:blank");
    EXPECT_EQ(log.values(QStringLiteral("before")), QStringList{"about:blank"});
}

TEST_F(EngineWebViewTest, StoppingASlowLoadEndsIt) {
    server.setHtml(QStringLiteral("/endless"), page(QStringLiteral("Late"), "late"), 30000);
    view.navigate(address(QStringLiteral("/endless")));
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/endless")));
    ASSERT_TRUE(view.busy());

    ASSERT_TRUE(completes([&] { view.stop(); }));
    EXPECT_FALSE(view.busy());
    EXPECT_EQ(view.readyState(), "complete");
}

TEST_F(EngineWebViewTest, ASilentViewKeepsThePageConsoleQuiet) {
    static QStringList messages;
    messages.clear();
    const auto previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { messages.append(text); });
    server.setHtml(QStringLiteral("/noisy"), page(QStringLiteral("Noisy"), "quiet please"));
    ASSERT_TRUE(load(QStringLiteral("/noisy")));

    view.setSilent(true);
    runScript(QStringLiteral("console.error('hushed-line')"));
    view.setSilent(false);
    runScript(QStringLiteral("console.error('spoken-line')"));
    qInstallMessageHandler(previous);

    EXPECT_FALSE(messages.join('\n').contains("hushed-line"));
    EXPECT_TRUE(messages.join('\n').contains("spoken-line")) << messages.join('\n').toStdString();
}

TEST_F(EngineWebViewTest, ThePreviewShowsThePage) {
    server.setHtml(QStringLiteral("/printable"),
                   page(QStringLiteral("Printable"), "<h1>Paper</h1>"));
    ASSERT_TRUE(load(QStringLiteral("/printable")));

    view.runPageCommand(WebView::PageCommand::PrintPreview);
    QPrintPreviewWidget *preview = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        auto *dialog = findTopLevel<QPrintPreviewDialog>();
        preview = dialog ? dialog->findChild<QPrintPreviewWidget *>() : nullptr;
        return preview && preview->pageCount() > 0;
    }));
    EXPECT_EQ(preview->pageCount(), 1);
    findTopLevel<QPrintPreviewDialog>()->reject();
    // The preview's own printing must not ask for a print dialog.
    EXPECT_EQ(findTopLevel<QPrintDialog>(), nullptr);
}

TEST_F(EngineWebViewTest, PrintingUsesThePageSetupChosenBefore) {
    server.setHtml(QStringLiteral("/printable"),
                   page(QStringLiteral("Printable"), "<h1>Paper</h1>"));
    ASSERT_TRUE(load(QStringLiteral("/printable")));

    // Page setup is modal: the user's choice is made while it runs.
    bool turned = false;
    QTimer::singleShot(0, &view, [&] {
        waitUntil([] { return findTopLevel<QPageSetupDialog>() != nullptr; });
        QPageSetupDialog *setup = findTopLevel<QPageSetupDialog>();
        if (!setup)
            return;
        if (auto *landscape = setup->findChild<QRadioButton *>(QStringLiteral("landscape"))) {
            landscape->click();
            turned = true;
        }
        setup->accept();
    });
    view.runPageCommand(WebView::PageCommand::PageSetup);
    ASSERT_TRUE(turned);

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("page.pdf"));
    view.runPageCommand(WebView::PageCommand::Print);
    ASSERT_TRUE(waitUntil([] { return findTopLevel<QPrintDialog>() != nullptr; }));
    auto *dialog = findTopLevel<QPrintDialog>();
    auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
    ASSERT_NE(fileName, nullptr);
    fileName->setText(file);
    QSignalSpy finished(&view, &EngineWebView::printFinished);
    dialog->accept();
    ASSERT_TRUE(finished.wait(LoadTimeLimitMs));
    EXPECT_TRUE(finished.first().value(0).toBool());

    const QString text = runTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    EXPECT_TRUE(text.contains("Paper")) << text.toStdString();
    const QString info = runTool(QStringLiteral("pdfinfo"), {file});
    const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"));
    const QRegularExpressionMatch match = size.match(info);
    ASSERT_TRUE(match.hasMatch()) << info.toStdString();
    EXPECT_GT(match.captured(1).toDouble(), match.captured(2).toDouble()) << info.toStdString();
}

} // namespace
