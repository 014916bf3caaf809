#include "filehelpers.h"
#include "translate/pairtable.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

struct ChoiceCase {
    const char *page;
    const char *mine;
    QStringList installed;
    const char *mode;
    const char *package;
};

TEST(PairTable, ChoosesAnInstalledModeOrNamesThePackage) {
    const QStringList here = {"cat-eng", "eng-cat", "eng-cat_valencia", "eng-spa", "spa-eng"};
    const ChoiceCase cases[] = {
        {"es", "en", here, "spa-eng", ""},
        {"es-ES", "EN", here, "spa-eng", ""},
        {"ca", "en", here, "cat-eng", ""},
        {"es", "en", {}, "", "apertium-eng-spa"},
        // Older pairs keep two-letter mode names.
        {"gl", "es", {"gl-es"}, "gl-es", ""},
        {"an", "es", here, "", "apertium-spa-arg"},
        {"br", "fr", here, "", "apertium-br-fr"},
        // One-way pairs: nothing the other way.
        {"fr", "br", here, "", ""},
        {"es", "ast", {}, "", "apertium-spa-ast"},
        // A pair installed by hand, outside the table.
        {"de", "en", {"deu-eng"}, "deu-eng", ""},
        {"de", "en", here, "", ""},
        {"en", "en", here, "", ""},
        {"", "en", here, "", ""},
    };
    for (const ChoiceCase &c : cases) {
        SCOPED_TRACE(std::string(c.page) + " -> " + c.mine);
        const PairTable::Choice choice = PairTable::choose(
            QString::fromLatin1(c.page), QString::fromLatin1(c.mine), c.installed);
        EXPECT_EQ(choice.mode, QString::fromLatin1(c.mode));
        EXPECT_EQ(choice.package, QString::fromLatin1(c.package));
    }
}

TEST(PairTable, EveryLanguageOfTheTableReachesEnglishSpanishOrCatalan) {
    QSet<QString> pairs;
    for (const PairTable::Row *row = PairTable::begin(); row != PairTable::end(); ++row) {
        EXPECT_TRUE(QString::fromLatin1(row->package).startsWith(QLatin1String("apertium-")));
        const QString pair = QString::fromLatin1(row->from) + QLatin1Char('>') + row->to;
        EXPECT_FALSE(pairs.contains(pair)) << pair.toStdString() << " twice";
        pairs.insert(pair);
    }
    for (const char *language :
         {"es", "ca", "gl", "eu", "oc", "an", "br", "fr", "pt", "it", "en"}) {
        const QString from = QString::fromLatin1(language);
        EXPECT_TRUE(pairs.contains(from + QLatin1String(">en")) ||
                    pairs.contains(from + QLatin1String(">es")) ||
                    pairs.contains(from + QLatin1String(">ca")) ||
                    pairs.contains(from + QLatin1String(">fr")))
            << language;
    }
}

} // namespace
