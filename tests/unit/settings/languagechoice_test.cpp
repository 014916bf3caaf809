#include "core/languagefile.h"
#include "filehelpers.h"
#include "settings/languagechoice.h"
#include "text/programfolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A language file of 250 captions, each naming its language and number.
QByteArray completeFile(const QByteArray &language, const QByteArray &extra = {}) {
    QByteArray text = extra;
    for (int n = 1; n <= LanguageFile::CaptionCount; ++n)
        text += "\"" + language + " " + QByteArray::number(n) + "\"\r\n";
    return text;
}

class LanguageChoiceTest : public ::testing::Test {
protected:
    void put(const QString &name, const QByteArray &bytes) {
        putFile(dir.filePath(QStringLiteral("languages/") + name), bytes);
    }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    LanguageFile file;
};

} // namespace

TEST(LanguageFileBeforeLoading, StartUpMessagesHaveEnglishTexts) {
    LanguageFile file;
    EXPECT_EQ(file.caption(179), "QuortTrans");
    EXPECT_EQ(file.caption(105), "The file could not be saved.");
    EXPECT_EQ(file.caption(207), "The language file could not be loaded.");
    // A file that cannot be opened leaves them; once one was read, its texts alone count.
    EXPECT_FALSE(file.load(QStringLiteral("/nonexistent/Trans_X.txt")));
    EXPECT_EQ(file.caption(179), "QuortTrans");
    file.parse({"\"Only one\""});
    EXPECT_EQ(file.caption(179), "");
}

TEST(LanguageFileSettings, UnusableTabWidthsGiveTheDefault) {
    LanguageFile file;
    EXPECT_EQ(file.settings().tabStripWidth(), LanguageSettings::DefaultTabWidth); // missing
    for (const char *width : {"-5", "0", "30000", "x"}) {
        file.parse({QStringLiteral("TAB_WIDTH=8000"), QStringLiteral("TAB_WIDTH=") + width});
        EXPECT_EQ(file.settings().tabStripWidth(), LanguageSettings::DefaultTabWidth) << width;
    }
    file.parse({QStringLiteral("TAB_WIDTH=5000")});
    EXPECT_EQ(file.settings().tabStripWidth(), 5000);
}

TEST_F(LanguageChoiceTest, ACompleteFileIsTakenAsChosen) {
    put("Trans_English.txt", completeFile("English"));
    put("Trans_Weiß.txt", completeFile("Weiß"));
    const LanguageChoice choice = LanguageChoice::load(file, folder, QStringLiteral("Weiß"));
    EXPECT_EQ(choice.outcome, LanguageChoice::Outcome::Chosen);
    EXPECT_EQ(choice.language, "Weiß");
    EXPECT_EQ(file.caption(1), "Weiß 1");
}

TEST_F(LanguageChoiceTest, BrokenOrMissingFilesGiveWayToEnglishAndAreNamed) {
    put("Trans_English.txt", completeFile("English"));
    put("Trans_Short.txt", "\"One\"\r\n\"Two\"\r\nTAB_NUMBER=3\r\n");
    QByteArray picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    put("Trans_Picture.txt", picture + completeFile("Picture"));

    for (const char *name : {"Short", "Picture"}) {
        const LanguageChoice choice = LanguageChoice::load(file, folder, QLatin1String(name));
        EXPECT_EQ(choice.outcome, LanguageChoice::Outcome::EnglishInstead) << name;
        EXPECT_EQ(choice.language, "English");
        EXPECT_EQ(choice.failed,
                  dir.filePath(QStringLiteral("languages/Trans_%1.txt").arg(QLatin1String(name))));
        EXPECT_EQ(file.caption(250), "English 250");
    }

    const LanguageChoice missing = LanguageChoice::load(file, folder, QStringLiteral("Klingon"));
    EXPECT_EQ(missing.outcome, LanguageChoice::Outcome::EnglishInstead);
    EXPECT_EQ(missing.failed, "Klingon");
}

TEST_F(LanguageChoiceTest, WithoutAnyEnglishThereIsNoLanguage) {
    put("Trans_Short.txt", "\"One\"\r\n");
    EXPECT_EQ(LanguageChoice::load(file, folder, QStringLiteral("Short")).outcome,
              LanguageChoice::Outcome::NoLanguage);
    // A broken English file still serves, rather than no texts at all.
    put("Trans_English.txt", "\"Exit\"\r\n");
    const LanguageChoice english = LanguageChoice::load(file, folder, QStringLiteral("English"));
    EXPECT_EQ(english.outcome, LanguageChoice::Outcome::EnglishInstead);
    EXPECT_EQ(file.caption(1), "Exit");
}
