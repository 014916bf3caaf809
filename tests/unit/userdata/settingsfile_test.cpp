#include "core/programstate.h"
#include "filehelpers.h"
#include "userdata/settingsfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QSizeF Screen(28800, 16200); // 1920 × 1080 pixels at 15 twips a pixel

SettingsValues parsed(const QStringList &lines) {
    return SettingsFile::parse(lines, Screen);
}
} // namespace

TEST(SettingsFileRead, MissingFileGivesTheWholeScreenAndEnglish) {
    QTemporaryDir dir;
    const SettingsValues v = SettingsFile(dir.filePath(QStringLiteral("none"))).read(Screen);
    EXPECT_EQ(v.main.top, 0);
    EXPECT_EQ(v.main.left, 0);
    EXPECT_EQ(v.main.height, 16200);
    EXPECT_EQ(v.main.width, 28800);
    EXPECT_EQ(v.linkTable.width, 0);
    EXPECT_EQ(v.windowMode, 0);
    EXPECT_EQ(v.myLanguage, "en");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none")))); // not created here
}

TEST(SettingsFileRead, SmallSizesMeanTheScreensAndNegativePositionsZero) {
    SettingsValues v = parsed({"-120", "-1", "1999", "2999"});
    EXPECT_EQ(v.main.top, 0);
    EXPECT_EQ(v.main.left, 0);
    EXPECT_EQ(v.main.height, 16200);
    EXPECT_EQ(v.main.width, 28800);
    v = parsed({"300", "450", "2000", "3000"});
    EXPECT_EQ(v.main.top, 300);
    EXPECT_EQ(v.main.left, 450);
    EXPECT_EQ(v.main.height, 2000);
    EXPECT_EQ(v.main.width, 3000);
}

TEST(SettingsFileRead, AFourLineFileLeavesTheRestEmpty) {
    const SettingsValues v = parsed({"15", "30", "9000", "12000"});
    EXPECT_EQ(v.main.width, 12000);
    EXPECT_EQ(v.linkTable.top, 0);
    EXPECT_EQ(v.editor.width, 0);
    EXPECT_EQ(v.myLanguage, ""); // "en" stands only for a missing file
}

TEST(SettingsFileRead, ReadsEveryLine) {
    const SettingsValues v = parsed({" 15 ", "30.5", "9000", "12000", "100.25", "200", "3000",
                                     "4000", "1", "2", "3", "4", "2", " de "});
    EXPECT_EQ(v.main.top, 15);
    EXPECT_EQ(v.main.left, 30); // halves to even
    EXPECT_EQ(v.linkTable.top, 100.25);
    EXPECT_EQ(v.linkTable.width, 4000);
    EXPECT_EQ(v.editor.top, 1);
    EXPECT_EQ(v.editor.width, 4);
    EXPECT_EQ(v.windowMode, 2);
    EXPECT_EQ(v.myLanguage, " de "); // the whole line, untrimmed
}

TEST(SettingsFileRead, UnreadableValuesKeepSaneDefaults) {
    const QString huge(60, QLatin1Char('9'));
    const QString infinite(400, QLatin1Char('9'));
    const SettingsValues v =
        parsed({"15", huge, huge, "12000", infinite, "", "", "", "", "", "", "", "70000"});
    EXPECT_EQ(v.main.top, 15);
    EXPECT_EQ(v.main.left, 0);
    EXPECT_EQ(v.main.height, 16200); // never a window of no size
    EXPECT_EQ(v.linkTable.top, 0);
    EXPECT_EQ(v.windowMode, 0);
}

TEST(SettingsFileRead, AWideWindowReadsBack) {
    // 2560 pixels at 15 twips: past the 16-bit range the old files were limited to.
    const SettingsValues v = parsed({"0", "40000", "20000", "38400"});
    EXPECT_EQ(v.main.left, 40000);
    EXPECT_EQ(v.main.width, 38400);
}

TEST(SettingsFileSave, WritesFourteenLinesWithFallbacks) {
    SettingsValues v;
    v.linkTable = {100, 200, 3000.5, 4000};
    v.editor = {1, 2, 3, 4};
    v.windowMode = 7;
    v.myLanguage = QStringLiteral("fr");
    // A minimised window reports a far-off position and a tiny size.
    const QStringList lines = SettingsFile::lines(v, {-32000, -32000, 1000, 2000});
    EXPECT_EQ(lines, (QStringList{"0", "0", "1000", "2000", "100", "200", "3000.5", "4000", "1",
                                  "2", "3", "4", "7", "fr"}));
    EXPECT_EQ(SettingsFile::lines(v, {15, 30, 1001, 2001.5}).mid(0, 4),
              (QStringList{"15", "30", "1001", "2001.5"}));
}

TEST(SettingsFileSave, RoundTripThroughTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data/Quortspeak.Ini"));
    SettingsValues v;
    v.linkTable = {100, 200, 3000, 4000};
    v.editor = {500, 600, 7000, 8000};
    v.windowMode = 2;
    v.myLanguage = QStringLiteral("de");
    ASSERT_TRUE(SettingsFile(path).save(v, {150, 300, 9000, 12000}).ok);
    EXPECT_TRUE(fileBytes(path).startsWith("150\r\n300\r\n9000\r\n12000\r\n100\r\n"));
    const SettingsValues back = SettingsFile(path).read(Screen);
    EXPECT_EQ(back.main.top, 150);
    EXPECT_EQ(back.main.width, 12000);
    EXPECT_EQ(back.linkTable.height, 3000);
    EXPECT_EQ(back.editor.width, 8000);
    EXPECT_EQ(back.windowMode, 2);
    EXPECT_EQ(back.myLanguage, "de");
    EXPECT_TRUE(back.neverTranslate.isEmpty());
}

TEST(SettingsFileSave, LanguagesNeverOfferedTakeAFifteenthLineOnlyWhenThereAreAny) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data/Quortspeak.Ini"));
    SettingsValues v;
    v.myLanguage = QStringLiteral("en");
    v.neverTranslate = QStringList{"es", "ca"};
    ASSERT_TRUE(SettingsFile(path).save(v, {0, 0, 9000, 12000}).ok);
    EXPECT_TRUE(fileBytes(path).endsWith("\r\nen\r\nes,ca\r\n"));
    const SettingsValues back = SettingsFile(path).read(Screen);
    EXPECT_EQ(back.myLanguage, "en");
    EXPECT_EQ(back.neverTranslate, (QStringList{"es", "ca"}));
    // Blanks, empty entries and repeats written by hand read as the list they mean.
    const QStringList older = SettingsFile::lines(v, {0, 0, 9000, 12000}).mid(0, 14);
    EXPECT_EQ(parsed(older + QStringList{" es,,es , gl"}).neverTranslate,
              (QStringList{"es", "gl"}));
}

TEST(ProgramState, TodayTextHasFourDigitYearAndTwoDigitMonthAndDay) {
    EXPECT_EQ(ProgramState::dateText(QDate(2026, 3, 5)), "2026-03-05");
    EXPECT_EQ(ProgramState::dateText(QDate(1999, 12, 31)), "1999-12-31");
}
