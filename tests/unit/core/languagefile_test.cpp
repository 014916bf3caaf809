#include "core/languagefile.h"
#include "filehelpers.h"
#include "text/programfolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

LanguageFile parsed(const QStringList &lines) {
    LanguageFile file;
    file.parse(lines);
    return file;
}

} // namespace

TEST(LanguageFileCaptions, QuotedLinesAreNumberedInFileOrder) {
    const LanguageFile file = parsed({"\"Hello\"", "\"Hell", "  \"Padded\"  ", "\"", "\"a\"b\""});
    EXPECT_EQ(file.caption(1), "Hello");
    EXPECT_EQ(file.caption(2), "Hel"); // the last character goes whatever it is
    EXPECT_EQ(file.caption(3), "Padded");
    EXPECT_EQ(file.caption(4), ""); // a lone quote still takes its number
    EXPECT_EQ(file.caption(5), "a\"b");
    EXPECT_EQ(file.caption(6), "");
}

TEST(LanguageFileCaptions, ALineStartingWithAQuoteIsAlwaysACaption) {
    const LanguageFile file = parsed({"\"a:=:b\"", "\"START_PAGE=x\""});
    EXPECT_EQ(file.caption(1), "a:=:b");
    EXPECT_EQ(file.caption(2), "START_PAGE=x");
    EXPECT_EQ(file.settings().startPage, "");
    EXPECT_EQ(file.translationRow(0).name, "");
}

TEST(LanguageFileCaptions, CommentsAndHeadingsAreIgnoredEvenIndented) {
    const LanguageFile file = parsed({"   [Captions]", "  ' a comment", "", "\"One\""});
    EXPECT_EQ(file.caption(1), "One");
}

TEST(LanguageFileCaptions, ExtraCaptionsBeyondTheTableAreIgnored) {
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines.append(QStringLiteral("\"c%1\"").arg(i));
    const LanguageFile file = parsed(lines);
    EXPECT_EQ(file.caption(LanguageFile::CaptionCount),
              QStringLiteral("c%1").arg(LanguageFile::CaptionCount));
    EXPECT_EQ(file.caption(LanguageFile::CaptionCount + 1), "");
    EXPECT_EQ(file.caption(0), "");
    EXPECT_EQ(file.caption(-1), "");
}

TEST(LanguageFileCaptions, AFileMadeBeforeTheLaterCaptionsShowsTheirEnglishText) {
    QStringList lines;
    for (int i = 1; i <= LanguageFile::RequiredCaptions + 2; ++i)
        lines.append(QStringLiteral("\"c%1\"").arg(i));
    const LanguageFile file = parsed(lines);
    EXPECT_TRUE(file.isUsable());
    const int first = LanguageFile::RequiredCaptions + 1;
    EXPECT_EQ(file.caption(first), QStringLiteral("c%1").arg(first));
    EXPECT_EQ(file.caption(first + 1), QStringLiteral("c%1").arg(first + 1));
    for (int n = first + 2; n <= LanguageFile::CaptionCount; ++n) {
        EXPECT_FALSE(file.caption(n).isEmpty()) << n;
        EXPECT_EQ(file.caption(n), LanguageFile::laterEnglishCaption(n));
    }
    // A lone quote the file does give stays the empty caption it chose.
    lines.append(QStringLiteral("\""));
    EXPECT_EQ(parsed(lines).caption(first + 2), "");
    // Short of the required captions, a file does not serve.
    lines = lines.mid(0, LanguageFile::RequiredCaptions - 1);
    EXPECT_FALSE(parsed(lines).isUsable());
}

TEST(LanguageFileCaptions, EachLoadStartsFromEmptyCaptions) {
    LanguageFile file;
    file.parse({"\"one\"", "\"two\""});
    file.parse({"\"uno\""});
    EXPECT_EQ(file.caption(1), "uno");
    EXPECT_EQ(file.caption(2), ""); // not the old language's text
}

TEST(LanguageFileSettings, KeysAreCaseInsensitiveButNotTrimmed) {
    const LanguageFile file =
        parsed({"start_page= http://a/", "LANG =Xyz", "SEARCH_URL=http://s/?q=a=b", "F2=x"});
    EXPECT_EQ(file.settings().startPage, " http://a/"); // the blank after "=" stays
    EXPECT_EQ(file.settings().lang, "");                // "LANG " is no key
    EXPECT_EQ(file.settings().searchUrl, "http://s/?q=a=b");
}

TEST(LanguageFileSettings, LangIsTrimmedAndCutToThreeLetters) {
    EXPECT_EQ(parsed({"LANG= English"}).settings().lang, "Eng");
}

TEST(LanguageFileSettings, NumbersAreRoundedAndOutOfRangeValuesIgnored) {
    LanguageFile file;
    file.parse({"TAB_NUMBER=8", "TAB_WIDTH=8800.5"});
    EXPECT_EQ(file.settings().tabNumber, qint16(8));
    EXPECT_EQ(file.settings().tabWidth, qint16(8800)); // halves to even
    file.parse({"TAB_NUMBER=99999999999", "TAB_WIDTH=abc"});
    EXPECT_EQ(file.settings().tabNumber, qint16(8));
    EXPECT_EQ(file.settings().tabWidth, qint16(0)); // no number counts as 0
}

TEST(LanguageFileSettings, AFileWithoutAKeyKeepsThePreviousValue) {
    LanguageFile file;
    file.parse({"MAP_DESCR=Map", "SOCIAL_DESCR=Social", "Deutsch:=:de"});
    file.parse({"SOCIAL_DESCR=Sozial"});
    EXPECT_EQ(file.settings().mapDescr, "Map");
    EXPECT_EQ(file.settings().socialDescr, "Sozial");
    EXPECT_EQ(file.translationRow(0).code, "de");
    EXPECT_EQ(file.lastTranslationRow(), 0);
}

TEST(LanguageFilePairs, SplitAtTheSeparatorUntrimmed) {
    const LanguageFile file = parsed({"English:=:en", " French :=: fr=x ", "A:=:b:=:c"});
    EXPECT_EQ(file.lastTranslationRow(), 2);
    EXPECT_EQ(file.translationRow(0).name, "English");
    EXPECT_EQ(file.translationRow(0).code, "en");
    // Only the line's outer blanks go; the pieces keep theirs, and "=" stays in the code.
    EXPECT_EQ(file.translationRow(1).name, "French ");
    EXPECT_EQ(file.translationRow(1).code, " fr=x");
    EXPECT_EQ(file.translationRow(2).code, "b"); // a third piece is dropped
}

TEST(LanguageFilePairs, RowsBeyondTheTableAreIgnored) {
    QStringList lines;
    for (int i = 0; i < 60; ++i)
        lines.append(QStringLiteral("L%1:=:c%1").arg(i));
    const LanguageFile file = parsed(lines);
    EXPECT_EQ(file.lastTranslationRow(), LanguageFile::TranslationRowCount - 1);
    EXPECT_EQ(file.translationRow(40).name, "L40");
    EXPECT_EQ(file.translationRow(41).name, "");
}

TEST(LanguageFilePairs, AShorterFileLeavesOldRowsBeyondItsLast) {
    LanguageFile file;
    file.parse({"A:=:a", "B:=:b", "C:=:c"});
    file.parse({"X:=:x"});
    EXPECT_EQ(file.lastTranslationRow(), 0);
    EXPECT_EQ(file.translationRow(0).name, "X");
    EXPECT_EQ(file.translationRow(1).name, "B");
}

TEST(LanguageFileLoad, AnEmptyFileClearsCaptionsOnly) {
    QTemporaryDir dir;
    const QString full = dir.filePath(QStringLiteral("full.txt"));
    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    putFile(full, "\"One\"\r\nSTART_PAGE=http://x/\r\nA:=:a\r\n");
    putFile(empty, "");
    LanguageFile file;
    ASSERT_TRUE(file.load(full));
    ASSERT_TRUE(file.load(empty));
    EXPECT_EQ(file.caption(1), "");
    EXPECT_EQ(file.settings().startPage, "http://x/");
    EXPECT_EQ(file.translationRow(0).name, "A");
}

TEST(LanguageFileLoad, AMissingFileFailsWithCaptionsCleared) {
    QTemporaryDir dir;
    LanguageFile file;
    file.parse({"\"One\"", "START_PAGE=http://x/"});
    EXPECT_FALSE(file.load(dir.filePath(QStringLiteral("none.txt"))));
    EXPECT_EQ(file.caption(1), "");
    EXPECT_EQ(file.settings().startPage, "http://x/");
}

TEST(LanguageFileLoad, Windows1252FileWithUmlauts) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    putFile(path, "\"Zur\xfc"
                  "ck\"\r\nDeutsch:=:de\r\nSEARCH_DESCR=Gro\xdf\r\n");
    LanguageFile file;
    ASSERT_TRUE(file.load(path));
    EXPECT_EQ(file.caption(1), QStringLiteral("Zurück"));
    EXPECT_EQ(file.settings().searchDescr, QStringLiteral("Groß"));
}

TEST(LanguageFileLoad, SurvivesNoiseAndHugeLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    QByteArray noise;
    for (int i = 0; i < 70000; ++i)
        noise.append(char((i * 7919) % 256));
    putFile(path, noise + "\r\n\"" + QByteArray(10 * 1024 * 1024, 'x') + "\"\r\n\"after\"");
    LanguageFile file;
    ASSERT_TRUE(file.load(path));
    bool foundAfter = false;
    for (int n = 1; n <= LanguageFile::CaptionCount; ++n)
        foundAfter = foundAfter || file.caption(n) == QLatin1String("after");
    EXPECT_TRUE(foundAfter);
}

TEST(LanguageFilePath, NamesThatLeaveTheFolderAreRefused) {
    QTemporaryDir dir;
    putFile(dir.filePath(QStringLiteral("languages/Trans_Deutsch.txt")), "x");
    const ProgramFolder folder(dir.path());
    EXPECT_EQ(LanguageFile::pathFor(folder, QStringLiteral("deutsch")),
              dir.filePath(QStringLiteral("languages/Trans_Deutsch.txt")));
    EXPECT_EQ(LanguageFile::pathFor(folder, QStringLiteral("../../etc/x")), QString());
    EXPECT_EQ(LanguageFile::pathFor(folder, QString()), QString());
}
