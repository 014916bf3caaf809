// Whole-page translation in place on the real engine, with a page served from 127.0.0.1,
// and what the page side may not make the program do, on the fake view. A small word
// substitution stands in for Apertium.
#include "browser/enginewebview.h"
#include "support/fakewebview.h"
#include "support/httpserver.h"
#include "translate/apertiummodefile.h"
#include "translate/apertiumpipeline.h"
#include "translate/blocktranslator.h"
#include "translate/pagetranslation.h"
#include "waituntil.h"

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int TimeLimitMs = 20000;
using State = PageTranslation::State;

// Spanish to English word by word, answering each block on a later turn, in order.
class WordTranslator : public BlockTranslator {
public:
    using BlockTranslator::BlockTranslator;

    void translate(quint64 id, const QString &fragment) override {
        fragments.append(fragment);
        QTimer::singleShot(0, this, [this, id, fragment, generation = m_generation] {
            if (generation != m_generation)
                return;
            if (failWith.isEmpty())
                Q_EMIT translated(id, english(fragment));
            else
                Q_EMIT failed(id, failWith);
        });
    }
    void cancelAll() override { ++m_generation; }

    QStringList fragments;
    QString failWith;

private:
    static QString english(const QString &fragment) {
        static const QHash<QString, QString> words = {
            {"el", "the"},
            {"la", "the"},
            {"casa", "house"},
            {"roja", "red"},
            {"rojo", "red"},
            {"perro", "dog"},
            {"come", "eats"},
            {"es", "is"},
            {"lee", "read"},
            {"este", "this"},
            {"enlace", "link"},
            {"y", "and"},
            {"ahora", "now"},
            {"nombre", "name"},
            {"enviar", "send"},
            // A translation carrying markup of its own.
            {"trampa", "<img src=x onerror=\"document.title='pwned'\">"}};
        // Tags and escapes pass untouched, as through Apertium.
        static const QRegularExpression parts(QStringLiteral("(<[^>]*>|&\\w+;)|(\\p{L}+)"));
        QString out;
        qsizetype last = 0;
        for (auto it = parts.globalMatch(fragment); it.hasNext();) {
            const auto match = it.next();
            out += fragment.mid(last, match.capturedStart() - last);
            last = match.capturedEnd();
            QString word = match.captured(2);
            if (word.isEmpty()) {
                out += match.captured(1);
                continue;
            }
            QString english = words.value(word.toLower(), word);
            if (word.at(0).isUpper())
                english[0] = english.at(0).toUpper();
            out += english;
        }
        return out + fragment.mid(last);
    }

    int m_generation = 0;
};

const char *SpanishPage = R"HTML(<!DOCTYPE html>
<html lang="es"><head><meta charset="utf-8"><title>La casa roja</title></head><body>
<div style="position:absolute;top:5000px"><p id="far">El perro come.</p></div>
<h1>La casa</h1>
<p id="p1" title="propio">Lee <a id="link" href="/destino">este enlace</a> y <em>la casa</em> ahora.</p>
<form id="form" action="/enviar"><label>Nombre <input name="n" value="x"></label>
<button id="send" type="submit">Enviar</button></form>
<p id="escaped">La casa &lt;roja&gt; y la trampa.</p>
<pre><code>var casa = 1;</code></pre>
<script>
document.getElementById('link').addEventListener('click', function (event) {
  event.preventDefault();
  document.body.dataset.clicks = Number(document.body.dataset.clicks || 0) + 1;
});
window.keptLink = document.getElementById('link');
setTimeout(function () {
  var late = document.createElement('p');
  late.id = 'late';
  late.textContent = 'El perro es rojo.';
  document.body.appendChild(late);
}, 1000);
</script></body></html>)HTML";

class PageTranslationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.isListening());
        view.resize(800, 600);
        view.show();
    }

    bool load(const QString &path) {
        bool done = false;
        auto connection = QObject::connect(&view, &WebView::documentComplete,
                                           [&done](const QString &) { done = true; });
        view.navigate(server.url(path).toString());
        const bool loaded = waitUntil([&] { return done; }, TimeLimitMs);
        QObject::disconnect(connection);
        return loaded;
    }

    // The page's own script world sees what the user sees.
    QVariant page(const QString &script) {
        auto result = std::make_shared<std::pair<bool, QVariant>>();
        view.engineView()->page()->runJavaScript(script, [result](const QVariant &value) {
            *result = {true, value};
        });
        waitUntil([result] { return result->first; }, TimeLimitMs);
        return result->second;
    }
    QString text(const QString &script) { return page(script).toString(); }

    bool reaches(State state) {
        return waitUntil([&] { return translation.state() == state; }, TimeLimitMs);
    }

    TestHttpServer server;
    EngineWebView view;
    WordTranslator translator;
    PageTranslation translation{&view, &translator};
};

} // namespace

TEST_F(PageTranslationTest, APageTurnsEnglishInPlaceAndBackExactly) {
    server.setHtml(QStringLiteral("/es"), QString::fromUtf8(SpanishPage));
    server.setHtml(QStringLiteral("/enviar"), QStringLiteral("<p>sent</p>"));
    ASSERT_TRUE(load(QStringLiteral("/es")));
    const QString originalHtml = text(QStringLiteral("document.body.innerHTML"));

    QList<int> progress;
    QObject::connect(&translation, &PageTranslation::progress,
                     [&](int done, int) { progress.append(done); });
    translation.translate();
    ASSERT_TRUE(reaches(State::Translated));
    // The paragraph the page adds a second after loading is translated as it comes.
    ASSERT_TRUE(waitUntil(
        [&] {
            return text("(document.getElementById('late') || {}).textContent") == "The dog is red.";
        },
        TimeLimitMs));
    // So is what the page adds now.
    page(QStringLiteral("document.body.insertAdjacentHTML('beforeend',"
                        " '<p id=\"later\">La <b>casa</b> es roja.</p>')"));
    ASSERT_TRUE(waitUntil(
        [&] {
            return text("document.getElementById('later').innerHTML") == "The <b>house</b> is red.";
        },
        TimeLimitMs));
    ASSERT_TRUE(reaches(State::Translated));
    EXPECT_EQ(translation.blocksDone(), translation.blocksTotal());
    // The bar's count, told once a call into the page, ends at every block.
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last(), translation.blocksDone());

    // The inline elements travelled as placeholders; what was on screen went first.
    const QString sentence = QStringLiteral("Lee <x1>este enlace</x1> y <x2>la casa</x2> ahora.");
    EXPECT_TRUE(translator.fragments.contains(sentence))
        << translator.fragments.join('\n').toStdString();
    EXPECT_GT(translator.fragments.indexOf(QStringLiteral("El perro come.")),
              translator.fragments.indexOf(sentence));
    EXPECT_FALSE(translator.fragments.join(' ').contains("var casa"));

    EXPECT_EQ(view.title(), "The house red");
    EXPECT_EQ(text("document.getElementById('p1').innerText"), "Read this link and the house now.");
    EXPECT_EQ(text("document.querySelector('h1').innerText"), "The house");
    EXPECT_EQ(text("document.getElementById('send').innerText"), "Send");
    EXPECT_EQ(text("document.querySelector('pre').innerText"), "var casa = 1;");
    // The same link node, with its address and its listener.
    EXPECT_TRUE(page("window.keptLink === document.querySelector('#p1 a') &&"
                     " keptLink.getAttribute('href') === '/destino' &&"
                     " keptLink.textContent === 'this link'")
                    .toBool());
    // The page's own scripts see nothing of the translation's script.
    EXPECT_TRUE(page("typeof QuortPageTranslation === 'undefined' &&"
                     " typeof quortPost === 'undefined' && typeof qt === 'undefined'")
                    .toBool());
    page(QStringLiteral("keptLink.click()"));
    EXPECT_EQ(text("document.body.dataset.clicks"), "1");
    // Hovering shows the original.
    EXPECT_EQ(text("document.getElementById('p1').title"), "Lee este enlace y la casa ahora.");
    // Markup in a translation is text, never elements.
    EXPECT_EQ(text("document.getElementById('escaped').textContent"),
              "The house <red> and the <img src=x onerror=\"document.title='pwned'\">.");
    EXPECT_FALSE(page("!!document.querySelector('#escaped img')").toBool());

    translation.showOriginal();
    EXPECT_EQ(translation.state(), State::Idle);
    QString expected = originalHtml;
    if (!expected.contains(QStringLiteral("id=\"late\"")))
        expected += QStringLiteral("<p id=\"late\">El perro es rojo.</p>");
    expected += QStringLiteral("<p id=\"later\">La <b>casa</b> es roja.</p>");
    ASSERT_TRUE(waitUntil([&] { return text("document.body.innerHTML") == expected; }, TimeLimitMs))
        << text("document.body.innerHTML").toStdString();
    EXPECT_EQ(text("document.getElementById('p1').title"), "propio");
    EXPECT_TRUE(waitUntil([&] { return view.title() == "La casa roja"; }, TimeLimitMs));
    EXPECT_TRUE(page("window.keptLink === document.querySelector('#p1 a')").toBool());

    // Again, then the form still sends, and leaving the page ends the translation.
    translation.translate();
    ASSERT_TRUE(reaches(State::Translated));
    EXPECT_EQ(text("document.getElementById('p1').innerText"), "Read this link and the house now.");
    page(QStringLiteral("document.getElementById('send').click()"));
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/enviar")));
    EXPECT_EQ(server.requests().last().queryValue(QStringLiteral("n")), "x");
    EXPECT_TRUE(reaches(State::Idle));
    // Nothing of the page went anywhere but the translator.
    QStringList paths = server.requestedPaths();
    paths.removeAll(QStringLiteral("/favicon.ico"));
    EXPECT_EQ(paths, QStringList({"/es", "/enviar"}));
}

namespace {

// What a bare `apertium -u -f html spa-eng` run makes of html.
QString bareApertium(const QString &html) {
    QProcess process;
    process.start(QStringLiteral("apertium"), {QStringLiteral("-u"), QStringLiteral("-f"),
                                               QStringLiteral("html"), QStringLiteral("spa-eng")});
    process.write(html.toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(TimeLimitMs);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

// The real pair through its kept-running chain: each block reads as one apertium html run
// over the same markup gives it, inline elements in the place Apertium puts them, and the
// original comes back exactly.
TEST(PageTranslationWithApertium, BlocksReadAsABareHtmlRunAndTheOriginalComesBack) {
    TestHttpServer server;
    ASSERT_TRUE(server.isListening());
    EngineWebView view;
    view.resize(800, 600);
    view.show();
    ApertiumPipeline pipeline(ApertiumModeFile::installedPath(QStringLiteral("spa-eng")),
                              QStringLiteral("spa-eng"));
    PageTranslation translation(&view, &pipeline);
    const QStringList paragraphs = {
        QStringLiteral("Lee <a href=\"/destino\">este enlace</a> y <em>la casa</em> ahora."),
        QStringLiteral("El perro come la <b>manzana roja</b> en el jardín."),
        QStringLiteral("Los niños juegan en el parque cuando hace buen tiempo.")};
    QString body;
    for (int i = 0; i < paragraphs.size(); ++i)
        body += QStringLiteral("<p id=p%1>%2</p>").arg(i).arg(paragraphs[i]);
    server.setHtml(
        QStringLiteral("/es"),
        QStringLiteral("<html lang=es><meta charset=utf-8><body>%1</body></html>").arg(body));
    bool loaded = false;
    QObject::connect(&view, &WebView::documentComplete, [&](const QString &) { loaded = true; });
    view.navigate(server.url(QStringLiteral("/es")).toString());
    ASSERT_TRUE(waitUntil([&] { return loaded; }, TimeLimitMs));
    auto html = [&](int i) {
        auto result = std::make_shared<QVariant>();
        view.engineView()->page()->runJavaScript(
            QStringLiteral("document.getElementById('p%1').innerHTML").arg(i),
            [result](const QVariant &value) { *result = value; });
        waitUntil([result] { return result->isValid(); }, TimeLimitMs);
        return result->toString();
    };
    QStringList originals;
    for (int i = 0; i < paragraphs.size(); ++i)
        originals.append(html(i));

    translation.translate();
    ASSERT_TRUE(waitUntil([&] { return translation.state() == State::Translated; }, TimeLimitMs))
        << translation.failureReason().toStdString();
    EXPECT_TRUE(pipeline.running());
    for (int i = 0; i < paragraphs.size(); ++i)
        EXPECT_EQ(html(i).simplified(), bareApertium(originals[i]).simplified()) << i;

    translation.showOriginal();
    ASSERT_TRUE(waitUntil([&] { return html(0) == originals[0]; }, TimeLimitMs));
    for (int i = 1; i < paragraphs.size(); ++i)
        EXPECT_EQ(html(i), originals[i]);
}

TEST(PageTranslationPageSideTest, WhatThePageSendsIsCheckedAndFailuresAreTold) {
    FakeWebView view;
    WordTranslator translator;
    PageTranslation translation(&view, &translator);
    QString given;
    view.setIsolatedAnswer([&](const QString &script) -> QVariant {
        static const QRegularExpression start(QStringLiteral("start\\((\"[^\"]*\")\\)"));
        const auto match = start.match(script);
        if (!match.hasMatch())
            return QVariant();
        given = match.captured(1);
        return QString(QStringLiteral("{\"token\":") % given %
                       QStringLiteral(",\"blocks\":[[1,\"La casa\"]]}"));
    });
    translation.translate();
    ASSERT_TRUE(waitUntil([&] { return translation.state() == State::Translated; }));
    ASSERT_EQ(translator.fragments, QStringList{"La casa"});

    const QString big(PageTranslation::MaxFragmentChars + 1, QLatin1Char('a'));
    const QStringList bad = {
        QStringLiteral("{\"token\":\"other\",\"blocks\":[[2,\"El perro\"]]}"),
        QStringLiteral("{\"token\":%1,\"blocks\":[[1,\"again\"]]}").arg(given),
        QStringLiteral("{\"token\":%1,\"blocks\":[[2.5,\"half\"],[-3,\"below\"],[4]]}").arg(given),
        QStringLiteral("{\"token\":%1,\"blocks\":[[5,\"%2\"]]}").arg(given, big),
        QStringLiteral("{\"token\":%1,\"blocks\":[[6,{\"x\":1}]]}").arg(given),
        QStringLiteral("not json"),
    };
    for (const QString &message : bad)
        Q_EMIT view.isolatedMessage(message);
    Q_EMIT view.isolatedMessage(
        QStringLiteral("{\"token\":%1,\"blocks\":[[7,\"El perro\"]]}").arg(given));
    EXPECT_EQ(translator.fragments, QStringList({"La casa", "El perro"}));

    translator.failWith = QStringLiteral("The pair spa-eng stopped.");
    QString told;
    QObject::connect(&translation, &PageTranslation::failed,
                     [&](const QString &reason) { told = reason; });
    Q_EMIT view.isolatedMessage(
        QStringLiteral("{\"token\":%1,\"blocks\":[[8,\"Lee\"]]}").arg(given));
    ASSERT_TRUE(waitUntil([&] { return translation.state() == State::Failed; }));
    EXPECT_EQ(told, "The pair spa-eng stopped.");
    EXPECT_EQ(translation.failureReason(), told);
}

// A block whose translation is too long to put in stays as it was, and the page still ends
// translated, even when that answer is the last and the page is putting nothing in.
TEST(PageTranslationPageSideTest, AnAnswerTooLongToPutInStillEndsTheTranslation) {
    FakeWebView view;
    WordTranslator translator;
    PageTranslation translation(&view, &translator);
    QString block;
    while (block.size() + 7 <= PageTranslation::MaxFragmentChars)
        block += QStringLiteral("trampa ");
    view.setIsolatedAnswer([&](const QString &script) -> QVariant {
        static const QRegularExpression start(QStringLiteral("start\\((\"[^\"]*\")\\)"));
        const auto match = start.match(script);
        if (!match.hasMatch())
            return QVariant();
        return QString(QStringLiteral("{\"token\":") % match.captured(1) %
                       QStringLiteral(",\"shown\":1,\"blocks\":[[1,\"") % block.trimmed() %
                       QStringLiteral("\"]]}"));
    });
    translation.translate();
    ASSERT_TRUE(waitUntil([&] { return translation.state() == State::Translated; }));
    EXPECT_EQ(translation.blocksDone(), 1);
    EXPECT_EQ(translation.blocksTotal(), 1);
}
