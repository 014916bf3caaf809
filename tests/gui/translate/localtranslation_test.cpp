// Translation on this computer with the real apertium (apertium-eng-spa installed): which
// translator serves each setting and pair, and what awkward input and a failing apertium
// give. Stand-in programs take apertium's place only where the real one cannot be made to
// hang or vanish.
#include "browser/enginewebview.h"
#include "core/programstate.h"
#include "translate/choosingtranslation.h"
#include "translate/localpairs.h"
#include "translate/translationwindow.h"
#include "translate/webpagetranslation.h"
#include "translationtesthelpers.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

constexpr int TimeLimitMs = 30000;
const QString House = QStringLiteral("The house is red.");

// The service as the program builds it, with apertium as given.
class Services {
public:
    explicit Services(const QString &program = QStringLiteral("apertium"))
        : pairs(program) {}

    std::optional<Translation> translate(const QString &setting, const QString &text,
                                         const QString &from, const QString &to,
                                         int limitMs = 10000) {
        ChoosingTranslation service(
            [setting] { return setting; }, pairs,
            std::make_unique<WebPageTranslation>([] { return QStringLiteral("127.0.0.1:9"); }));
        service.setTimeLimit(limitMs);
        std::optional<Translation> answer;
        service.translate(text, from, to, [&](const Translation &given) { answer = given; });
        waitUntil([&] { return answer.has_value(); }, TimeLimitMs);
        return answer;
    }

    LocalPairs pairs;
};

enum class Path { Local, Web, None };

Path pathOf(const Translation &answer) {
    if (answer.failed)
        return Path::None;
    return answer.local ? Path::Local : Path::Web;
}

// A program in folder that stands in for apertium: it lists eng-spa and runs body.
QString standIn(const QTemporaryDir &folder, const QString &body) {
    const QString path = folder.filePath(QStringLiteral("apertium"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\nif [ \"$1\" = -l ]; then echo '  eng-spa'; exit 0; fi\n");
    file.write(body.toUtf8() + "\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

// Whether any process runs with that word in its command line.
bool processWith(const QByteArray &word) {
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        QFile cmdline(QStringLiteral("/proc/") + entry + QStringLiteral("/cmdline"));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(word))
            return true;
    }
    return false;
}

} // namespace

TEST(LocalTranslationTest, EachSettingAndPairPicksLocalWebOrNone) {
    Services services;
    struct Case {
        const char *setting;
        const char *from;
        const char *to;
        Path path;
    };
    const Case cases[] = {
        {"auto", "en", "es", Path::Local},   {"auto", "fr", "en", Path::Web},
        {"local", "en", "es", Path::Local},  {"local", "fr", "en", Path::None},
        {"web", "en", "es", Path::Web},      {"web", "fr", "en", Path::Web},
        {"", "es", "en", Path::Local},       {" LOCAL ", "en", "ca", Path::Local},
        {"nonsense", "de", "en", Path::Web},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.setting) + " " + c.from + "-" + c.to);
        const auto answer =
            services.translate(QString::fromLatin1(c.setting), House, QString::fromLatin1(c.from),
                               QString::fromLatin1(c.to));
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(pathOf(*answer), c.path);
        if (c.path == Path::Web)
            EXPECT_TRUE(answer->pageAddress.startsWith("http://127.0.0.1:9/translate_t?"));
        else
            EXPECT_TRUE(answer->pageAddress.isEmpty());
    }
    EXPECT_TRUE(services.pairs.modes().contains("eng-spa"));
    const auto spanish = services.translate(QStringLiteral("local"), House, "en", "es");
    EXPECT_EQ(spanish->text, "La casa es roja.");
    EXPECT_EQ(spanish->source, House);
}

TEST(LocalTranslationTest, ALongSelectionIsTranslatedWhole) {
    Services services;
    QString text;
    for (int sentence = 0; sentence < 400; ++sentence)
        text += QStringLiteral("The house %1 is red. ").arg(sentence);
    ASSERT_GE(text.size(), 7000);
    const auto answer = services.translate(QStringLiteral("auto"), text, "en", "es");
    ASSERT_TRUE(answer && answer->local);
    EXPECT_FALSE(answer->shortened);
    EXPECT_EQ(answer->source, text);
    EXPECT_EQ(answer->text.count(QStringLiteral("casa")), 400);
    // The last sentence too: nothing was cut.
    EXPECT_TRUE(answer->text.contains(QStringLiteral("La casa 399 es")));
}

TEST(LocalTranslationTest, TextInAScriptThePairDoesNotKnowComesBackUnchanged) {
    Services services;
    const QString text = QStringLiteral("Красный дом. 赤い家。 البيت الأحمر");
    const auto answer = services.translate(QStringLiteral("local"), text, "en", "es");
    ASSERT_TRUE(answer && answer->local);
    EXPECT_EQ(answer->text, text);
}

TEST(LocalTranslationTest, NoApertiumFallsBackToTheWebOrIsTold) {
    Services services(QStringLiteral("/nonexistent/apertium"));
    const auto automatic = services.translate(QStringLiteral("auto"), House, "en", "es");
    ASSERT_TRUE(automatic.has_value());
    EXPECT_EQ(pathOf(*automatic), Path::Web);
    const auto local = services.translate(QStringLiteral("local"), House, "en", "es");
    ASSERT_TRUE(local.has_value());
    EXPECT_EQ(pathOf(*local), Path::None);
    EXPECT_TRUE(local->pageAddress.isEmpty());
}

TEST(LocalTranslationTest, ABrokenModeFileFallsBackToTheWebOrIsTold) {
    // The real apertium, reading its modes from a folder with a broken one.
    QTemporaryDir data;
    ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("modes")));
    QFile mode(data.filePath(QStringLiteral("modes/eng-spa.mode")));
    ASSERT_TRUE(mode.open(QIODevice::WriteOnly));
    mode.write("no-such-program-in-this-pipeline $1\n");
    mode.close();
    qputenv("APERTIUM_DATADIR", data.path().toUtf8());
    Services services;
    const auto automatic = services.translate(QStringLiteral("auto"), House, "en", "es");
    const auto local = services.translate(QStringLiteral("local"), House, "en", "es");
    qunsetenv("APERTIUM_DATADIR");

    EXPECT_EQ(services.pairs.modes(), QStringList{"eng-spa"});
    ASSERT_TRUE(automatic && local);
    EXPECT_EQ(pathOf(*automatic), Path::Web);
    EXPECT_EQ(pathOf(*local), Path::None);
    EXPECT_EQ(local->detail, "apertium eng-spa");
}

TEST(LocalTranslationTest, AnApertiumThatHangsIsKilledAtTheLimitAndTheUserIsTold) {
    QTemporaryDir folder;
    const QString program = standIn(folder, QStringLiteral("exec sleep 47110815"));
    Services services(program);
    const auto answer = services.translate(QStringLiteral("auto"), House, "en", "es", 500);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(pathOf(*answer), Path::None);
    EXPECT_EQ(answer->detail, program + " eng-spa, 1 s");
    EXPECT_TRUE(waitUntil([] { return !processWith("47110815"); }, TimeLimitMs));

    // The window says so, in the user's language.
    ProgramState state;
    state.language = shippedLanguage(QStringLiteral("English"));
    TranslationWindow window(state.language);
    window.showTranslation(*answer);
    auto *notice = window.findChild<QLabel *>(QStringLiteral("localFailureNotice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), "The text could not be translated on this computer: English "
                              "\u2192 Spanish (" +
                                  program + " eng-spa, 1 s)");
    EXPECT_EQ(notice->accessibleName(), notice->text());
}

TEST(LocalTranslationTest, MarkupInTheSelectionShowsAsTextAndRunsNothing) {
    Services services;
    const QString text = QStringLiteral("<script>document.title='ran'</script> & <b>house</b>");
    const auto answer = services.translate(QStringLiteral("local"), text, "en", "es");
    ASSERT_TRUE(answer && answer->local);

    ProgramState state;
    state.language = shippedLanguage(QStringLiteral("English"));
    TranslationWindow window(state.language);
    window.showTranslation(*answer);
    auto *resultView = static_cast<EngineWebView *>(window.resultView());
    ASSERT_TRUE(
        waitUntil([&] { return !resultView->busy() && resultView->readyState() == "complete"; },
                  TimeLimitMs));
    QVariant shown;
    bool answered = false;
    resultView->engineView()->page()->runJavaScript(
        QStringLiteral("[document.title, document.querySelector('.source').textContent,"
                       " document.querySelector('.translation').textContent,"
                       " document.querySelector('.local').textContent,"
                       " document.querySelectorAll('script, b').length].join('|')"),
        [&](const QVariant &value) {
            shown = value;
            answered = true;
        });
    ASSERT_TRUE(waitUntil([&] { return answered; }, TimeLimitMs));
    const QStringList parts = shown.toString().split(QLatin1Char('|'));
    ASSERT_EQ(parts.size(), 5) << shown.toString().toStdString();
    EXPECT_EQ(parts[0], "English \u2192 Spanish");
    EXPECT_EQ(parts[1], text);
    EXPECT_EQ(parts[2], answer->text);
    EXPECT_TRUE(parts[2].contains("&")) << parts[2].toStdString();
    EXPECT_EQ(parts[3], "On this computer: translated here, the text did not leave it.");
    EXPECT_EQ(parts[4], "0");
}
