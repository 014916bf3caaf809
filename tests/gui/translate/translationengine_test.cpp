// Selection translation on the real web engine: the page, the translation service and
// everything the engine fetches are served from 127.0.0.1.
#include "browser/enginewebview.h"
#include "core/captions.h"
#include "core/programstate.h"
#include "support/httpserver.h"
#include "translate/selectiontranslation.h"
#include "translate/translationrequest.h"
#include "translate/translationservice.h"
#include "translationtesthelpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int TimeLimitMs = 20000;
const QString ClipboardMarker = QStringLiteral("clipboard marker 4711");
const QString Translate = QStringLiteral("/translate_t");

// The service answers with the text and pair it was asked for, decoded, as its title.
const QString ServicePage = QStringLiteral(
    "<html><head><title>Service</title><script>"
    "var q = new URLSearchParams(location.search);"
    "document.title = 'Translated: ' + q.get('text') + ' [' + q.get('langpair') + ']';"
    "</script></head><body><p>Translation service</p></body></html>");

// The page counts the button's presses and releases, so a test knows when the engine has
// taken them in.
QString pageWith(const QString &body) {
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Page</title><script>"
                          "window.downs = 0; window.ups = 0;"
                          "document.addEventListener('mousedown', function() { window.downs++; });"
                          "document.addEventListener('mouseup', function() { window.ups++; });"
                          "</script></head><body style=\"height:2000px\">%1</body></html>")
        .arg(body);
}

QString expectedTitle(const QString &text) {
    return QStringLiteral("Translated: ") + text + QStringLiteral(" [de|en]");
}

// A port of 127.0.0.1 where nothing listens.
quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

class TranslationEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pages.isListening());
        ASSERT_TRUE(service.isListening());
        service.setHtml(Translate, ServicePage);
        useHost(QStringLiteral("127.0.0.1:%1").arg(service.port()));
        state.sourceLanguage = QStringLiteral("de");
        state.settings.myLanguage = QStringLiteral("en");
        selectionTimer.setInterval(1000);
        QGuiApplication::clipboard()->setText(ClipboardMarker);

        tab.resize(800, 600);
        tab.show();
        pages.setHtml(QStringLiteral("/page"),
                      pageWith(QStringLiteral("<p id=\"one\">Fish &amp; chips | café über alles</p>"
                                              "<p id=\"two\">Zweiter Absatz, 100% + mehr</p>")));
        ASSERT_TRUE(load(QStringLiteral("/page")));
    }

    void useHost(const QString &host) {
        state.language =
            shippedLanguage(QStringLiteral("English"), {QStringLiteral("TRANSLATE_HOST=") + host});
    }

    bool load(const QString &path) {
        bool done = false;
        QObject::connect(&tab, &WebView::documentComplete, &tab, [&] { done = true; });
        tab.navigate(pages.url(path).toString());
        return waitUntil([&] { return done; }, TimeLimitMs);
    }

    QVariant runScript(const QString &script) {
        auto result = std::make_shared<std::pair<bool, QVariant>>();
        tab.engineView()->page()->runJavaScript(script, [result](const QVariant &value) {
            *result = {true, value};
        });
        waitUntil([result] { return result->first; }, TimeLimitMs);
        return result->second;
    }

    // Selects a paragraph's contents by script and waits until the engine reports it.
    bool select(const QString &id, const QString &expected) {
        runScript(QStringLiteral("window.getSelection().selectAllChildren("
                                 "document.getElementById('%1'))")
                      .arg(id));
        return waitUntil([&] { return tab.selectedText() == expected; }, TimeLimitMs);
    }

    QString pageSelection() {
        return runScript(QStringLiteral("window.getSelection().toString()")).toString();
    }

    QWidget *pageWidget() { return tab.engineView()->focusProxy(); }
    // A point below the text, on the page's empty body.
    static QPoint emptySpot() { return QPoint(400, 500); }

    // The user drags over a paragraph: the button goes down on the page, the text gets
    // selected, the button comes up.
    bool dragSelect(const QString &id, const QString &expected) {
        const int downs = counter(QStringLiteral("downs"));
        const int ups = counter(QStringLiteral("ups"));
        QTest::mousePress(pageWidget(), Qt::LeftButton, {}, emptySpot());
        // A selection made before the page has taken the press in would be undone by it.
        if (!waitUntil([&] { return counter(QStringLiteral("downs")) > downs; }, TimeLimitMs))
            return false;
        const bool selected = select(id, expected);
        QTest::mouseRelease(pageWidget(), Qt::LeftButton, {}, emptySpot());
        // While the mode is on, the release itself translates and clears the selection.
        return waitUntil([&] { return counter(QStringLiteral("ups")) > ups; }, TimeLimitMs) &&
               selected && (selectionTimer.isActive() || tab.selectedText() == expected);
    }

    int counter(const QString &name) { return runScript(QStringLiteral("window.") + name).toInt(); }

    // Two ticks of the selection timer: the press is noticed, then the button is found up.
    void twoTicks() {
        translation.translator().tick();
        translation.translator().tick();
    }

    TranslationWindow *translationWindow() const { return translation.window(); }
    QString shownTitle() const {
        return translationWindow() ? translationWindow()->resultView()->locationName() : QString();
    }

    TestHttpServer pages;
    TestHttpServer service;
    ProgramState state;
    EngineWebView tab;
    QTimer selectionTimer;
    SelectionTranslation translation{selectionTimer, state, [this] { return &tab; }};
};

} // namespace

TEST_F(TranslationEngineTest, ReleasingTheButtonAsksTheServiceOnceForExactlyTheSelection) {
    const QString text = QStringLiteral("Fish & chips | café über alles");
    ASSERT_TRUE(dragSelect(QStringLiteral("one"), text));
    twoTicks();

    ASSERT_TRUE(service.waitForRequest(Translate, TimeLimitMs));
    ASSERT_TRUE(waitUntil([&] { return shownTitle() == expectedTitle(text); }, TimeLimitMs))
        << shownTitle().toStdString();
    ASSERT_EQ(service.requestCount(Translate), 1);
    const TestHttpServer::Request request = service.requests().constFirst();
    EXPECT_EQ(request.queryValue(QStringLiteral("text")), text);
    EXPECT_EQ(request.queryValue(QStringLiteral("langpair")), "de|en");
    EXPECT_EQ(request.queryValue(QStringLiteral("hl")), "en");
    EXPECT_EQ(request.queryValue(QStringLiteral("ie")), "UTF8");
    EXPECT_TRUE(request.rawQuery.contains("langpair=de%7Cen")) << request.rawQuery.toStdString();

    ASSERT_NE(translationWindow(), nullptr);
    EXPECT_TRUE(translationWindow()->isVisible());
    EXPECT_EQ(translationWindow()->windowTitle(),
              state.language.caption(Captions::TranslationWindowTitle));
    EXPECT_EQ(translationWindow()->windowTitle(), "QuortTrans translation");
    EXPECT_TRUE(
        translationWindow()->findChild<QLabel *>(QStringLiteral("shortenedNotice"))->isHidden());
    EXPECT_TRUE(
        translationWindow()->findChild<QLabel *>(QStringLiteral("failureNotice"))->isHidden());

    EXPECT_TRUE(waitUntil([&] { return pageSelection().isEmpty(); }, TimeLimitMs));
    EXPECT_TRUE(tab.selectedText().isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ClipboardMarker);
    EXPECT_EQ(pages.requestCount(Translate), 0);
}

namespace {
// A translator on this computer, as far as the window can tell: it answers with text.
class TextTranslation : public TranslationService {
public:
    void translate(const QString &text, const QString &, const QString &, Done done) override {
        Translation answer;
        answer.text = QStringLiteral("<b>") + text + QStringLiteral("</b> & more");
        done(answer);
    }
};
} // namespace

TEST_F(TranslationEngineTest, ATranslatedTextShowsAsWrittenNeverAsMarkup) {
    translation.translator().setService(std::make_unique<TextTranslation>());
    const QString text = QStringLiteral("Fish & chips | café über alles");
    ASSERT_TRUE(dragSelect(QStringLiteral("one"), text));
    twoTicks();
    ASSERT_TRUE(waitUntil(
        [&] {
            return translationWindow() && !translationWindow()->resultView()->busy() &&
                   translationWindow()->resultView()->locationURL().startsWith("data:");
        },
        TimeLimitMs));
    auto *engine = static_cast<EngineWebView *>(translationWindow()->resultView());
    QVariant shown;
    bool answered = false;
    engine->engineView()->page()->runJavaScript(
        QStringLiteral("document.body.innerText + '|' + document.getElementsByTagName('b').length"),
        [&](const QVariant &value) {
            shown = value;
            answered = true;
        });
    ASSERT_TRUE(waitUntil([&] { return answered; }, TimeLimitMs));
    EXPECT_EQ(shown.toString(), "<b>" + text + "</b> & more|0");
    EXPECT_EQ(service.requestCount(Translate), 0); // nothing left the computer
}

TEST_F(TranslationEngineTest, TheButtonStateSeenAtTheTicksIsEnoughWithoutAnyClick) {
    const QString text = QStringLiteral("Zweiter Absatz, 100% + mehr");
    ASSERT_TRUE(select(QStringLiteral("two"), text));
    bool down = true;
    translation.translator().setLeftButtonState([&] { return down; });
    translation.translator().tick();
    EXPECT_EQ(translationWindow(), nullptr);
    down = false;
    translation.translator().tick();

    ASSERT_TRUE(service.waitForRequest(Translate, TimeLimitMs));
    EXPECT_EQ(service.requests().constFirst().queryValue(QStringLiteral("text")), text);
    EXPECT_TRUE(waitUntil([&] { return shownTitle() == expectedTitle(text); }, TimeLimitMs))
        << shownTitle().toStdString();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ClipboardMarker);
}

TEST_F(TranslationEngineTest, AClickWithoutASelectionSendsNothingAndShowsNothing) {
    QTest::mouseClick(pageWidget(), Qt::LeftButton, {}, emptySpot());
    ASSERT_TRUE(waitUntil([&] { return counter(QStringLiteral("ups")) == 1; }, TimeLimitMs));
    twoTicks();
    EXPECT_FALSE(translation.translator().selectionPending());
    EXPECT_FALSE(service.waitForRequest(Translate, 1000));
    EXPECT_EQ(translationWindow(), nullptr);
    EXPECT_TRUE(visibleWindows(QStringLiteral("frmShow")).isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ClipboardMarker);
}

TEST_F(TranslationEngineTest, ASecondTranslationIsShownInTheSameWindow) {
    const QString first = QStringLiteral("Fish & chips | café über alles");
    const QString second = QStringLiteral("Zweiter Absatz, 100% + mehr");
    ASSERT_TRUE(dragSelect(QStringLiteral("one"), first));
    twoTicks();
    ASSERT_TRUE(waitUntil([&] { return shownTitle() == expectedTitle(first); }, TimeLimitMs));
    TranslationWindow *window = translationWindow();

    ASSERT_TRUE(dragSelect(QStringLiteral("two"), second));
    twoTicks();
    ASSERT_TRUE(waitUntil([&] { return shownTitle() == expectedTitle(second); }, TimeLimitMs))
        << shownTitle().toStdString();
    EXPECT_EQ(translationWindow(), window);
    EXPECT_EQ(visibleWindows(QStringLiteral("frmShow")).size(), 1);
    ASSERT_EQ(service.requestCount(Translate), 2);
    EXPECT_EQ(service.requests().constLast().queryValue(QStringLiteral("text")), second);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ClipboardMarker);
}

TEST_F(TranslationEngineTest, TheSelectionTimerDrivesTheModeAndStoppingItEndsIt) {
    const QString first = QStringLiteral("Fish & chips | café über alles");
    selectionTimer.start();
    ASSERT_TRUE(dragSelect(QStringLiteral("one"), first));
    ASSERT_TRUE(service.waitForRequest(Translate, TimeLimitMs));
    ASSERT_TRUE(waitUntil([&] { return shownTitle() == expectedTitle(first); }, TimeLimitMs));

    selectionTimer.stop();
    const QString second = QStringLiteral("Zweiter Absatz, 100% + mehr");
    ASSERT_TRUE(dragSelect(QStringLiteral("two"), second));
    // Three ticks' time would have been enough for a translation.
    QTest::qWait(3 * selectionTimer.interval());
    EXPECT_EQ(service.requestCount(Translate), 1);
    EXPECT_EQ(tab.selectedText(), second);
    EXPECT_EQ(shownTitle(), expectedTitle(first));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ClipboardMarker);
}

TEST_F(TranslationEngineTest, ALongSelectionIsShortenedAndTheWindowSaysSo) {
    QString words;
    for (int word = 0; word < 2500; ++word)
        words += QStringLiteral("Wort%1 ").arg(word);
    words = words.trimmed();
    pages.setHtml(QStringLiteral("/long"),
                  pageWith(QStringLiteral("<p id=\"long\">") + words + QStringLiteral("</p>")));
    ASSERT_TRUE(load(QStringLiteral("/long")));
    ASSERT_TRUE(dragSelect(QStringLiteral("long"), words));
    twoTicks();

    ASSERT_TRUE(service.waitForRequest(Translate, TimeLimitMs));
    const TestHttpServer::Request request = service.requests().constFirst();
    const QString sent = request.queryValue(QStringLiteral("text"));
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_LT(sent.size(), words.size());
    EXPECT_TRUE(words.startsWith(sent));
    EXPECT_EQ(words.at(sent.size()), QLatin1Char(' '));
    EXPECT_EQ(request.queryValue(QStringLiteral("langpair")), "de|en");
    const QString address = QStringLiteral("http://127.0.0.1:%1").arg(service.port()) +
                            QString::fromLatin1(request.rawTarget);
    EXPECT_LE(address.size(), TranslationRequest::MaxAddressLength);

    auto *notice = translationWindow()->findChild<QLabel *>(QStringLiteral("shortenedNotice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(
        notice->text(),
        QStringLiteral("The selected text was too long; only its beginning has been translated."));
}

TEST_F(TranslationEngineTest, AServiceThatCannotBeReachedIsTold) {
    useHost(QStringLiteral("127.0.0.1:%1").arg(closedPort()));
    ASSERT_TRUE(
        dragSelect(QStringLiteral("one"), QStringLiteral("Fish & chips | café über alles")));
    twoTicks();
    ASSERT_TRUE(waitUntil([&] { return translationWindow() != nullptr; }, TimeLimitMs));
    auto *notice = translationWindow()->findChild<QLabel *>(QStringLiteral("failureNotice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(waitUntil([&] { return notice->isVisible(); }, TimeLimitMs));
    EXPECT_EQ(notice->text(), "The translation service could not be reached.");
    EXPECT_EQ(service.requestCount(Translate), 0);
}

TEST_F(TranslationEngineTest, LettingGoOfTheButtonAsksAtOnceAndOnlyOnce) {
    // No tick comes during the test: only the release can start the translation.
    selectionTimer.start(24 * 3600 * 1000);
    const QString text = QStringLiteral("Fish & chips | café über alles");
    ASSERT_TRUE(dragSelect(QStringLiteral("one"), text));
    ASSERT_TRUE(service.waitForRequest(Translate, TimeLimitMs));
    ASSERT_TRUE(waitUntil([&] { return shownTitle() == expectedTitle(text); }, TimeLimitMs));
    EXPECT_FALSE(translation.translator().selectionPending());

    // The ticks that follow the release find nothing left to translate.
    twoTicks();
    EXPECT_FALSE(waitUntil([&] { return service.requestCount(Translate) > 1; }, 1000));
    EXPECT_EQ(service.requestCount(Translate), 1);
    EXPECT_EQ(service.requests().constFirst().queryValue(QStringLiteral("text")), text);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ClipboardMarker);
}
