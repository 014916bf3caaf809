#include "filehelpers.h"
#include "text/programfolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFolder, MatchesExistingNamesWithoutRegardToCase) {
    QTemporaryDir dir;
    putFile(dir.filePath(QStringLiteral("languages/Trans_English.txt")), "x");
    const ProgramFolder folder(dir.path());
    EXPECT_EQ(folder.path(QStringLiteral("Languages\\trans_english.TXT")),
              dir.filePath(QStringLiteral("languages/Trans_English.txt")));
}

TEST(ProgramFolder, KeepsTheGivenSpellingWhereNothingExists) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("data"));
    const ProgramFolder folder(dir.path());
    // The folder exists under another spelling, the file not at all.
    EXPECT_EQ(folder.path(QStringLiteral("Data/quortspeak.Opt")),
              dir.filePath(QStringLiteral("data/quortspeak.Opt")));
    EXPECT_EQ(folder.path(QStringLiteral("Links/Links.Bok")),
              dir.filePath(QStringLiteral("Links/Links.Bok")));
}

TEST(ProgramFolder, PrefersTheExactSpelling) {
    QTemporaryDir dir;
    putFile(dir.filePath(QStringLiteral("Data/a.txt")), "1");
    putFile(dir.filePath(QStringLiteral("Data/A.TXT")), "2");
    EXPECT_EQ(ProgramFolder(dir.path()).path(QStringLiteral("Data/A.TXT")),
              dir.filePath(QStringLiteral("Data/A.TXT")));
}
