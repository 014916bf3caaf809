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

TEST(ProgramFolder, InstalledReadsShippedFilesWhereTheUserHasNoneAndWritesTheUsers) {
    QTemporaryDir user, shipped;
    putFile(shipped.filePath(QStringLiteral("Data/start.html")), "start");
    putFile(shipped.filePath(QStringLiteral("languages/Trans_English.txt")), "shipped");
    putFile(user.filePath(QStringLiteral("languages/trans_english.txt")), "the user's");
    const ProgramFolder folder(user.path(), shipped.path());
    EXPECT_EQ(folder.path(QStringLiteral("data/START.html")),
              shipped.filePath(QStringLiteral("Data/start.html")));
    EXPECT_EQ(fileBytes(folder.path(QStringLiteral("Languages/Trans_English.txt"))), "the user's");
    // What exists nowhere yet is made among the user's files, never the shipped ones.
    EXPECT_EQ(folder.path(QStringLiteral("Data/quortspeak.Opt")),
              user.filePath(QStringLiteral("Data/quortspeak.Opt")));
    EXPECT_EQ(folder.shippedRoot(), shipped.path());
    EXPECT_EQ(ProgramFolder(user.path()).shippedRoot(), user.path());
}
