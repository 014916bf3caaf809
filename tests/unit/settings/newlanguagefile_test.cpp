// The rules of a new language file, without the window.
#include "core/languagefile.h"
#include "filehelpers.h"
#include "programfolderfixture.h"
#include "recordingnotifier.h"
#include "settings/newlanguagefile.h"
#include "text/programfolder.h"

#include <gtest/gtest.h>

namespace {

// A program folder of its own with the shipped language files, English loaded.
class NewLanguageFileTest : public ::testing::Test {
protected:
    NewLanguageFileTest() { loadLanguage(QStringLiteral("English")); }
    void loadLanguage(const QString &name) { language.load(LanguageFile::pathFor(folder, name)); }
    QString languagesFile(const QString &name) const {
        return programFolder.filePath(QStringLiteral("languages/") + name);
    }

    TemporaryProgramFolder programFolder;
    ProgramFolder folder{programFolder.path()};
    LanguageFile language;
    RecordingNotifier notifier;
    NewLanguageFile file{folder, language, notifier};
};

using Check = NewLanguageFile::NameCheck;

TEST(NewLanguageNameTest, PlainNamesAreAllowed) {
    for (const char *name : {"Klingon", "Esperanto", "Deutsch", "my_language", "Pt-BR", "X 2"})
        EXPECT_EQ(NewLanguageFile::checkName(QString::fromLatin1(name)), Check::Allowed) << name;
    EXPECT_EQ(NewLanguageFile::checkName(QString::fromUtf8("Español")), Check::Allowed);
    EXPECT_EQ(NewLanguageFile::checkName(QString::fromUtf8("日本語")), Check::Allowed);
}

TEST(NewLanguageNameTest, NothingOrBlanksAreNoName) {
    EXPECT_EQ(NewLanguageFile::checkName(QString()), Check::Empty);
    EXPECT_EQ(NewLanguageFile::checkName(QStringLiteral("   ")), Check::Empty);
}

TEST(NewLanguageNameTest, NamesThatLeaveTheFolderOrBreakAFileNameAreRefused) {
    const char *const refused[] = {"../x", "..",   "a/b",  "a\\b", "/x",   "con:x", "a<b",
                                   "a>b",  "a\"b", "a|b",  "a?b",  "a*b",  "a.b",   "x.",
                                   "a\tb", "a\rb", "a\nb", "\x7f", "a\x1b"};
    for (const char *name : refused)
        EXPECT_EQ(NewLanguageFile::checkName(QString::fromLatin1(name)), Check::Refused) << name;
    EXPECT_EQ(NewLanguageFile::checkName(QStringLiteral("a") + QChar(0) + QStringLiteral("b")),
              Check::Refused);
    EXPECT_EQ(NewLanguageFile::checkName(QStringLiteral("a") + QChar(0x85) + QStringLiteral("b")),
              Check::Refused);
    EXPECT_EQ(NewLanguageFile::checkName(QStringLiteral("a") + QChar(0xD800)), Check::Refused);
}

TEST_F(NewLanguageFileTest, BlanksAroundTheNameDropAndTheTextIsUtf8WithCrLf) {
    ASSERT_EQ(file.save(QStringLiteral(" Klingon "), QString::fromUtf8("\"Qapla'\"\n\"Über\"")),
              NewLanguageFile::SaveResult::Written);
    EXPECT_EQ(fileBytes(languagesFile(QStringLiteral("trans_Klingon.Txt"))),
              QByteArray("\"Qapla'\"\r\n\"\xc3\x9c"
                         "ber\""));
}

TEST_F(NewLanguageFileTest, AWindows1252TemplateIsReadAsSuch) {
    putFile(languagesFile(QStringLiteral("Trans_English.txt")), "\"Caf\xe9\"\r\n\"x\"");
    EXPECT_EQ(file.readTemplate(), QString::fromUtf8("\"Café\"\n\"x\""));
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(NewLanguageFileTest, TheUserIsToldInTheCurrentLanguage) {
    loadLanguage(QStringLiteral("Deutsch"));
    EXPECT_EQ(file.save(QStringLiteral("a/b"), QStringLiteral("x")),
              NewLanguageFile::SaveResult::Refused);
    ASSERT_EQ(file.save(QStringLiteral("Klingonisch"), QStringLiteral("x")),
              NewLanguageFile::SaveResult::Written);
    ASSERT_EQ(notifier.messages.size(), 2);
    EXPECT_TRUE(notifier.messages.at(0).contains(
        QString::fromUtf8("Der Name enthält unzulässige Zeichen.")));
    EXPECT_TRUE(notifier.messages.at(1).contains(
        QString::fromUtf8("Die neue Sprachdatei wurde gespeichert.")));
}

} // namespace
