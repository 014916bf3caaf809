// The LanguageFiles that ship with the program: complete and in step with each other.
#include "core/languagefile.h"
#include "filehelpers.h"
#include "text/programfolder.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

LanguageFile shipped(const QString &language) {
    LanguageFile file;
    const QString path =
        LanguageFile::pathFor(ProgramFolder(QStringLiteral(QUORT_SOURCE_DATA)), language);
    EXPECT_TRUE(file.load(path)) << path.toStdString();
    return file;
}

class ShippedLanguage : public ::testing::TestWithParam<const char *> {};

} // namespace

TEST_P(ShippedLanguage, HasEveryCaptionAndSetting) {
    const LanguageFile file = shipped(QString::fromLatin1(GetParam()));
    for (int n = 1; n <= LanguageFile::CaptionCount; ++n)
        EXPECT_FALSE(file.caption(n).isEmpty()) << "caption " << n;
    const LanguageSettings &s = file.settings();
    for (const QString &url : {s.startPage, s.searchUrl, s.dictionaryUrl, s.mapUrl, s.socialUrl,
                               s.ecommerceUrl, s.translatorPath})
        EXPECT_TRUE(url.startsWith(QLatin1String("https://"))) << url.toStdString();
    for (const QString &text : {s.searchDescr, s.dictionaryDescr, s.mapDescr, s.socialDescr,
                                s.ecommerceDescr, s.translateHost})
        EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(s.tabNumber, qint16(8));
    ASSERT_TRUE(s.tabWidth.has_value());
    EXPECT_GE(*s.tabWidth, 8 * 900); // room for eight captions
    EXPECT_EQ(s.lang.size(), 3);
    EXPECT_EQ(s.renderer, "auto");
}

TEST_P(ShippedLanguage, OffersAtLeastTwentyLanguagesWithTwoLetterCodes) {
    const LanguageFile file = shipped(QString::fromLatin1(GetParam()));
    EXPECT_GE(file.lastTranslationRow() + 1, 20);
    QSet<QString> codes;
    for (int r = 0; r <= file.lastTranslationRow(); ++r) {
        const TranslationLanguage &row = file.translationRow(r);
        EXPECT_FALSE(row.name.trimmed().isEmpty());
        EXPECT_EQ(row.code.size(), 2) << row.code.toStdString();
        codes.insert(row.code);
    }
    EXPECT_EQ(codes.size(), file.lastTranslationRow() + 1) << "a code appears twice";
    EXPECT_TRUE(codes.contains(QStringLiteral("en")));
    EXPECT_TRUE(codes.contains(QStringLiteral("de")));
}

TEST(ShippedLanguages, TheEnglishTextsOfLaterCaptionsAreTheEnglishFilesOwn) {
    const LanguageFile english = shipped(QStringLiteral("English"));
    for (int n = LanguageFile::RequiredCaptions + 1; n <= LanguageFile::CaptionCount; ++n)
        EXPECT_EQ(english.caption(n), LanguageFile::laterEnglishCaption(n)) << "caption " << n;
}

INSTANTIATE_TEST_SUITE_P(BothShipped, ShippedLanguage, ::testing::Values("English", "deutsch"));

TEST(ShippedLanguages, GermanIsATranslationOfEnglish) {
    const LanguageFile english = shipped(QStringLiteral("English"));
    const LanguageFile german = shipped(QStringLiteral("Deutsch"));
    EXPECT_EQ(english.caption(179), german.caption(179)); // the program's name
    EXPECT_EQ(english.caption(2), QStringLiteral("Back"));
    EXPECT_EQ(german.caption(2), QStringLiteral("Zurück"));
    // Notices that a file name follows end where the name begins.
    EXPECT_TRUE(english.caption(108).endsWith(QLatin1Char(' ')));
    EXPECT_TRUE(german.caption(108).endsWith(QLatin1Char(' ')));
    int differing = 0;
    for (int n = 1; n <= LanguageFile::CaptionCount; ++n)
        differing += english.caption(n) != german.caption(n);
    EXPECT_GT(differing, 200);
    ASSERT_EQ(english.lastTranslationRow(), german.lastTranslationRow());
    for (int r = 0; r <= english.lastTranslationRow(); ++r)
        EXPECT_EQ(english.translationRow(r).code, german.translationRow(r).code);
}
