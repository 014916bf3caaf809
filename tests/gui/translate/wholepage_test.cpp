// Whole-page translation as a reader meets it in the main window: the real engine on pages
// served from 127.0.0.1, the real Apertium spa-eng pair, and the real LibreOffice for the
// Word and PDF exports. What the page should read is asked of a bare apertium run, never written
// here.
#include "browser/enginewebview.h"
#include "browser/navigationpolicy.h"
#include "commandbar/maincommandbars.h"
#include "export/libreoffice/libreofficesuite.h"
#include "export/pageexports.h"
#include "mainwindow/mainpageexports.h"
#include "mainwindow/mainpagetranslation.h"
#include "mainwindow/mainwindow.h"
#include "programfolderfixture.h"
#include "recordingnotifier.h"
#include "support/httpserver.h"
#include "translate/apertiumpipeline.h"
#include "translate/pagetranslationbar.h"
#include "translate/tabtranslation.h"
#include "userdata/settingsfile.h"
#include "waituntil.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int TimeLimitMs = 60000;
constexpr int ExportTimeLimitMs = 120000; // a cold office included
using Shown = TabTranslation::Shown;

const char Paragraphs[] =
    "<p id=a>El perro come la manzana roja en el jardín de la casa.</p>"
    "<p id=b>Lee <a id=link href='/es2'>este artículo</a> sobre la <em>historia</em> de la"
    " ciudad y <a href='/otro?x=1'>sus calles</a> antiguas.</p>"
    "<p id=c>Los niños juegan en el parque cuando hace buen tiempo, y sus padres hablan"
    " de los problemas del barrio mientras beben café.</p>"
    "<p id=d>La biblioteca municipal abre todos los días por la mañana y cierra muy tarde"
    " por la noche durante el verano.</p>";

const char English[] =
    "<p>The library opens every day in the morning and closes late at night during the"
    " summer. Children play in the park when the weather is good, and their parents talk"
    " about the problems of the neighbourhood while they drink coffee in the square.</p>";

QString pageHtml(const char *lang, const QString &title, const QString &body) {
    return QStringLiteral("<!DOCTYPE html><html lang=%1><head><meta charset=utf-8><title>%2"
                          "</title></head><body>%3</body></html>")
        .arg(QLatin1String(lang), title, body);
}

// What a bare `apertium -u spa-eng` makes of text.
QString apertium(const QString &text) {
    QProcess process;
    process.start(QStringLiteral("apertium"), {QStringLiteral("-u"), QStringLiteral("spa-eng")});
    process.write(text.toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(TimeLimitMs);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

class WholePageTranslation : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.isListening());
        const NavigationPolicy policy(folder.path());
        window = std::make_unique<MainWindow>(
            ProgramFiles(ProgramFolder(folder.path())), notifier,
            [policy](int) { return new EngineWebView(nullptr, policy); });
        ASSERT_TRUE(window->load());
        window->setGeometry(40, 40, 1000, 700);
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    EngineWebView *view() { return static_cast<EngineWebView *>(window->tabs().currentView()); }
    TabTranslation &tab() { return *window->pageTranslation().current(); }
    PageTranslationBar &bar() { return window->pageTranslation().bar(); }

    // Opens path and waits until its language is found and the offer decided.
    void open(const QString &path, const QString &html) {
        server.setHtml(path, html);
        settle([&] { view()->navigate(server.url(path).toString()); });
    }
    // Runs load, then waits until the new page's language is found and the offer decided.
    void settle(const std::function<void()> &load) {
        bool found = false;
        auto connection = QObject::connect(&tab(), &TabTranslation::languageFound,
                                           [&found](const QString &) { found = true; });
        load();
        EXPECT_TRUE(waitUntil([&] { return found; }, TimeLimitMs));
        QObject::disconnect(connection);
    }

    // The page's own script world sees what the reader sees.
    QVariant page(const QString &script) {
        auto result = std::make_shared<std::pair<bool, QVariant>>();
        view()->engineView()->page()->runJavaScript(script, [result](const QVariant &value) {
            *result = {true, value};
        });
        waitUntil([result] { return result->first; }, TimeLimitMs);
        return result->second;
    }
    QString text(const QString &script) { return page(script).toString().simplified(); }
    bool reaches(Shown shown) {
        return waitUntil([&] { return tab().shown() == shown; }, TimeLimitMs);
    }

    // Saves the page through the save menu's key and gives the text the file holds.
    QString exportText(const char *key, const QString &target) {
        if (!officeSet) {
            window->pageExports().setOfficeSuite(
                std::make_unique<LibreOfficeSuite>(out.filePath(QStringLiteral("profile"))));
            officeSet = true;
        }
        window->pageExports().setFileChooser(
            [target](QWidget *, const SaveDialogRequest &) { return target; });
        Q_EMIT window->bars().buttonClick(3, QLatin1String(key));
        EXPECT_TRUE(waitUntil([&] { return !window->pageExports().exports().isBusy(); },
                              ExportTimeLimitMs));
        QProcess reader;
        if (target.endsWith(QLatin1String(".pdf")))
            reader.start(QStringLiteral("pdftotext"), {target, QStringLiteral("-")});
        else
            reader.start(QStringLiteral("unzip"),
                         {QStringLiteral("-p"), target, QStringLiteral("word/document.xml")});
        reader.waitForFinished(TimeLimitMs);
        return QString::fromUtf8(reader.readAllStandardOutput());
    }

    TemporaryProgramFolder folder;
    QTemporaryDir out;
    TestHttpServer server;
    RecordingNotifier notifier;
    std::unique_ptr<MainWindow> window;
    bool officeSet = false;
};

} // namespace

TEST_F(WholePageTranslation, ASpanishPageIsOfferedTurnedEnglishInPlaceExportedAndGivenBack) {
    open(QStringLiteral("/en"), pageHtml("en", QStringLiteral("The library"), English));
    EXPECT_EQ(tab().pageLanguage(), "en");
    EXPECT_TRUE(bar().isHidden());

    open(QStringLiteral("/es"),
         pageHtml("es", QStringLiteral("La casa roja"), QString::fromUtf8(Paragraphs)));
    ASSERT_TRUE(waitUntil([&] { return bar().isVisible(); }, TimeLimitMs));
    EXPECT_EQ(bar().message()->text(), "This page is in Spanish.");
    EXPECT_EQ(bar().translateButton()->text(), "Translate into English");
    EXPECT_EQ(bar().notNowButton()->accessibleName(), "Not now");
    EXPECT_EQ(bar().neverButton()->accessibleName(), "Never for Spanish");
    EXPECT_EQ(bar().accessibleName(), "Page translation");
    // Above the page, never over it, and the focus stays where it was.
    EXPECT_LE(bar().geometry().bottom(), view()->geometry().top());
    EXPECT_FALSE(bar().isAncestorOf(QApplication::focusWidget()));

    const QString originalHtml = page("document.body.innerHTML").toString();
    const QStringList ids = {"a", "c", "d"};
    QStringList originals;
    for (const QString &id : ids)
        originals.append(text("document.getElementById('" + id + "').innerText"));
    const QString links = text("[...document.links].map(a => a.href).join(' ')");

    bar().translateButton()->click();
    ASSERT_TRUE(reaches(Shown::Translated)) << bar().message()->text().toStdString();
    EXPECT_TRUE(bar().showOriginalButton()->isVisible());
    for (int i = 0; i < ids.size(); ++i)
        EXPECT_EQ(text("document.getElementById('" + ids[i] + "').innerText"),
                  apertium(originals[i]));
    // The links are the same elements at the same addresses, with English text.
    EXPECT_EQ(text("[...document.links].map(a => a.href).join(' ')"), links);
    EXPECT_NE(text("document.getElementById('link').innerText"), "este artículo");
    EXPECT_NE(view()->title(), "La casa roja");
    // Hovering a block shows its original.
    EXPECT_EQ(text("document.getElementById('a').title"), originals[0]);

    // What the page adds after the translation is translated as it comes.
    const QString late = QStringLiteral("El gato duerme en la silla de la cocina.");
    page("document.body.insertAdjacentHTML('beforeend', '<p id=late>" + late + "</p>')");
    ASSERT_TRUE(waitUntil(
        [&] { return text("document.getElementById('late').innerText") == apertium(late); },
        TimeLimitMs));

    // The Word and PDF exports hold what the reader sees.
    const QString word = exportText("SAVE:WORDH", out.filePath(QStringLiteral("translated.docx")));
    EXPECT_TRUE(word.contains(apertium(originals[0]))) << word.left(2000).toStdString();
    EXPECT_FALSE(word.contains(originals[0]));
    const QString pdf =
        exportText("SAVE:PDF", out.filePath(QStringLiteral("translated.pdf"))).simplified();
    EXPECT_TRUE(pdf.contains(apertium(originals[2]))) << pdf.left(2000).toStdString();
    EXPECT_TRUE(pdf.contains(apertium(late))) << pdf.left(2000).toStdString();
    EXPECT_FALSE(pdf.contains(originals[0]));

    bar().showOriginalButton()->click();
    ASSERT_TRUE(waitUntil(
        [&] {
            return page("document.body.innerHTML").toString() ==
                   originalHtml + "<p id=\"late\">" + late + "</p>";
        },
        TimeLimitMs));
    EXPECT_TRUE(waitUntil([&] { return view()->title() == "La casa roja"; }, TimeLimitMs));
    EXPECT_EQ(text("document.getElementById('a').title"), "");
    EXPECT_EQ(bar().translateButton()->text(), "Translate into English");
    EXPECT_TRUE(tab().following().isEmpty());

    // Nothing of the page went anywhere: the server saw the pages' own requests alone.
    QStringList paths = server.requestedPaths();
    paths.removeAll(QStringLiteral("/favicon.ico"));
    EXPECT_EQ(paths, (QStringList{"/en", "/es"}));
}

TEST_F(WholePageTranslation, TheCommandTranslatesFollowsLinksOfTheLanguageAndGivesBack) {
    server.setHtml(QStringLiteral("/es2"),
                   pageHtml("es", QStringLiteral("Segunda"), QString::fromUtf8(Paragraphs)));
    open(QStringLiteral("/es"),
         pageHtml("es", QStringLiteral("Primera"), QString::fromUtf8(Paragraphs)));
    const QString original = text("document.getElementById('c').innerText");
    // The key, as the window's shortcut gives it.
    window->bars().choose(MainCommandBars::MenuIndex, QStringLiteral("TTS:PAGE"));
    ASSERT_TRUE(reaches(Shown::Translated));
    ASSERT_NE(tab().pipeline(), nullptr);
    const QList<qint64> chain = tab().pipeline()->processIds();
    EXPECT_FALSE(chain.isEmpty());
    EXPECT_EQ(tab().following(), "es");

    // A link to a page of the same language: translated too, by the same chain.
    settle([&] { page("document.getElementById('link').click()"); });
    EXPECT_EQ(server.requestCount(QStringLiteral("/es2")), 1);
    ASSERT_TRUE(reaches(Shown::Translated));
    EXPECT_EQ(text("document.getElementById('c').innerText"), apertium(original));
    EXPECT_EQ(tab().pipeline()->processIds(), chain);

    // The same command gives the original back, and the next page is only offered.
    window->bars().choose(MainCommandBars::MenuIndex, QStringLiteral("TTS:PAGE"));
    EXPECT_TRUE(reaches(Shown::Offer));
    EXPECT_EQ(text("document.getElementById('c').innerText"), original);
    settle([&] { view()->refresh(); });
    EXPECT_EQ(tab().shown(), Shown::Offer);
    EXPECT_EQ(text("document.getElementById('c').innerText"), original);
}

TEST_F(WholePageTranslation, NeverForALanguageIsKeptAndADeadPairIsToldWithThePageReadable) {
    QString many;
    for (int i = 0; i < 400; ++i)
        many +=
            QStringLiteral("<p>Párrafo %1: el perro come la manzana roja en el jardín.</p>").arg(i);
    open(QStringLiteral("/many"), pageHtml("es", QStringLiteral("Muchos"), many));
    ASSERT_TRUE(waitUntil([&] { return bar().isVisible(); }, TimeLimitMs));
    bar().translateButton()->click();
    ASSERT_TRUE(waitUntil([&] { return tab().done() > 0; }, TimeLimitMs));
    // The pair dies under the page.
    for (const qint64 pid : tab().pipeline()->processIds())
        QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-9"), QString::number(pid)});
    ASSERT_TRUE(reaches(Shown::Failed));
    EXPECT_TRUE(bar().message()->text().startsWith(
        "The page could not be translated completely; the rest stays as it was:"));
    EXPECT_TRUE(bar().showOriginalButton()->isVisible());
    // The untranslated rest reads as it was.
    EXPECT_TRUE(text("document.body.lastElementChild.innerText").startsWith("Párrafo 399"));

    // Browsing on: the next Spanish page is translated by a new chain.
    open(QStringLiteral("/es"),
         pageHtml("es", QStringLiteral("La casa roja"), QString::fromUtf8(Paragraphs)));
    ASSERT_TRUE(reaches(Shown::Translated)) << bar().message()->text().toStdString();
    bar().showOriginalButton()->click();
    ASSERT_TRUE(reaches(Shown::Offer));
    // "Never for Spanish" is kept, for this run and in the settings file for the next.
    bar().neverButton()->click();
    EXPECT_TRUE(bar().isHidden());
    EXPECT_EQ(window->state().settings.neverTranslate, QStringList{"es"});
    settle([&] { view()->refresh(); });
    EXPECT_TRUE(bar().isHidden());
    // Asked for, the page is translated all the same.
    window->bars().choose(MainCommandBars::MenuIndex, QStringLiteral("TTS:PAGE"));
    EXPECT_TRUE(reaches(Shown::Translated));
    window->exitAndSave();
    EXPECT_EQ(SettingsFile(ProgramFiles(ProgramFolder(folder.path())).settingsFile())
                  .read(QSizeF(15360, 8000))
                  .neverTranslate,
              QStringList{"es"});
}
