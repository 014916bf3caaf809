#include "filehelpers.h"
#include "userdata/historyfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QStringList numbered(int n) {
    QStringList list;
    for (int i = 0; i < n; ++i)
        list.append(QStringLiteral("http://site%1/").arg(i));
    return list;
}
} // namespace

TEST(HistoryFile, SavesTheNewestThirty) {
    EXPECT_EQ(HistoryFile::entriesToSave(numbered(30)), numbered(30));
    EXPECT_EQ(HistoryFile::entriesToSave(numbered(31)), numbered(31).mid(1));
    EXPECT_EQ(HistoryFile::entriesToSave(numbered(45)), numbered(45).mid(15));
}

TEST(HistoryFile, EmptyEntriesAreSkipped) {
    QStringList list = numbered(40);
    list[35] = QString();
    list[39] = QString();
    const QStringList saved = HistoryFile::entriesToSave(list);
    EXPECT_EQ(saved.size(), 28);
    EXPECT_EQ(saved.first(), list[10]);
    EXPECT_EQ(saved.last(), list[38]);
}

TEST(HistoryFile, ReadsBackWhatWasSavedInOrder) {
    QTemporaryDir dir;
    const HistoryFile file(dir.filePath(QStringLiteral("Data/quortspeak.Hys")));
    ASSERT_TRUE(file.save(numbered(45)).ok);
    EXPECT_EQ(file.read(), numbered(45).mid(15));
    EXPECT_TRUE(fileBytes(dir.filePath(QStringLiteral("Data/quortspeak.Hys")))
                    .startsWith("http://site15/\r\nhttp://site16/\r\n"));
}

TEST(HistoryFile, KeepsDuplicatesAndEmptyLinesWhenReading) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h"));
    putFile(path, "a\r\n\r\na\r\n  b \r\n");
    EXPECT_EQ(HistoryFile(path).read(), (QStringList{"a", "", "a", "  b "}));
}

TEST(HistoryFile, MissingFileGivesAnEmptyList) {
    QTemporaryDir dir;
    EXPECT_TRUE(HistoryFile(dir.filePath(QStringLiteral("none"))).read().isEmpty());
}

TEST(HistoryFile, AnAddressIsKnownWhenEqualAfterTrimmingOnly) {
    const QStringList list{QStringLiteral(" http://a.org/ "), QStringLiteral("http://b.org/")};
    EXPECT_TRUE(HistoryFile::containsAddress(list, QStringLiteral("http://a.org/")));
    EXPECT_TRUE(HistoryFile::containsAddress(list, QStringLiteral("  http://b.org/")));
    EXPECT_FALSE(HistoryFile::containsAddress(list, QStringLiteral("HTTP://A.ORG/")));
}

TEST(HistoryFile, AnAddressWithALineBreakStaysOneEntry) {
    QTemporaryDir dir;
    const HistoryFile file(dir.filePath(QStringLiteral("h")));
    ASSERT_TRUE(file.save({QStringLiteral("http://a/\nb"), QStringLiteral("http://c/")}).ok);
    EXPECT_EQ(file.read(), (QStringList{"http://a/ b", "http://c/"}));
}
