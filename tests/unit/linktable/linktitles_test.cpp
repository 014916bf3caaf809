#include "filehelpers.h"
#include "linktable/linktitles.h"
#include "text/textfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(LinkTitles, AMissingFileIsCreatedWithDefaultTitles) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Links/Links.Bok"));
    LinkTitles titles(path);
    ASSERT_TRUE(titles.read(QStringLiteral("Group")).ok);
    EXPECT_EQ(titles.title(1), "Group 1");
    EXPECT_EQ(titles.title(150), "Group 150");
    EXPECT_EQ(titles.count(7), 0);
    const QStringList lines = TextFile::readLines(path).value_or(QStringList());
    ASSERT_EQ(lines.size(), 150);
    EXPECT_EQ(lines.first(), "Group 1,0");
    EXPECT_EQ(lines.last(), "Group 150,0");
}

TEST(LinkTitles, ATitleWithCommasReadsBackAsWritten) {
    QTemporaryDir dir;
    LinkTitles titles(dir.filePath(QStringLiteral("Links.Bok")));
    ASSERT_TRUE(titles.read(QStringLiteral("Group")).ok);
    titles.setTitle(3, QStringLiteral("News, sport, weather"));
    titles.setCount(3, 12);
    ASSERT_TRUE(titles.save().ok);
    LinkTitles back(titles.path());
    ASSERT_TRUE(back.read(QStringLiteral("x")).ok);
    EXPECT_EQ(back.title(3), "News, sport, weather");
    EXPECT_EQ(back.count(3), 12);
}

TEST(LinkTitles, OldFilesReadTheSame) {
    LinkTitles titles(QString{});
    titles.parse({"Travel, 4", "  Music,0  ", "no comma", "Bad,count", "Neg,-3"});
    EXPECT_EQ(titles.title(1), "Travel");
    EXPECT_EQ(titles.count(1), 4); // a count may carry a leading blank
    EXPECT_EQ(titles.title(2), "Music");
    EXPECT_EQ(titles.title(3), "no comma");
    EXPECT_EQ(titles.count(3), 0);
    EXPECT_EQ(titles.count(4), 0);
    EXPECT_EQ(titles.count(5), 0);
    EXPECT_EQ(titles.lines().first(), "Travel,4");
}

TEST(LinkTitles, CapacityIsNeverExceeded) {
    QStringList lines;
    for (int i = 1; i <= 400; ++i)
        lines.append(QStringLiteral("T%1,%2").arg(i).arg(i));
    lines[0] = QStringLiteral("Many,99999999999999");
    LinkTitles titles(QString{});
    titles.parse(lines);
    EXPECT_EQ(titles.title(160), "T160");
    EXPECT_EQ(titles.title(161), "");
    EXPECT_EQ(titles.count(1), LinkTitles::MaxCount);
    titles.setTitle(500, QStringLiteral("nowhere"));
    titles.setCount(0, 3);
    EXPECT_EQ(titles.title(500), "");
    EXPECT_EQ(titles.count(0), 0);
    EXPECT_EQ(titles.lines().size(), LinkTitles::WrittenEntries);
}

TEST(LinkTitles, EmptyGroupsTakeTheNewLanguagesTitle) {
    LinkTitles titles(QString{});
    titles.parse({"Group 1,0", "Travel,3", "Mine,0"});
    titles.retitleEmptyGroups(QStringLiteral("Gruppe"), 150);
    EXPECT_EQ(titles.title(1), "Gruppe 1");
    EXPECT_EQ(titles.title(2), "Travel");
    EXPECT_EQ(titles.title(3), "Gruppe 3");
    EXPECT_EQ(titles.title(150), "Gruppe 150");
}

TEST(LinkTitles, ALineBreakInATitleStaysOnItsLine) {
    LinkTitles titles(QString{});
    titles.setTitle(1, QStringLiteral("a\nb"));
    EXPECT_EQ(titles.lines().first(), "a b,0");
}
