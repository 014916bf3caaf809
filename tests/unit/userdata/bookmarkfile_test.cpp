#include "filehelpers.h"
#include "userdata/bookmarkfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(BookmarkFile, StoresOneLineAndReadsItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data/QuortBook.bm"));
    const BookmarkFile file(path);
    ASSERT_TRUE(file.save(QStringLiteral("http://example.org/a")).ok);
    EXPECT_EQ(fileBytes(path), QByteArray("http://example.org/a\r\n"));
    EXPECT_EQ(file.read(), QStringLiteral("http://example.org/a"));
}

TEST(BookmarkFile, AnEmptyBookmarkIsAnEmptyLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b"));
    ASSERT_TRUE(BookmarkFile(path).save(QString()).ok);
    EXPECT_EQ(fileBytes(path), QByteArray("\r\n"));
    EXPECT_EQ(BookmarkFile(path).read(), QString());
}

TEST(BookmarkFile, MissingOrEmptyFileHoldsNoBookmark) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b"));
    EXPECT_FALSE(BookmarkFile(path).read().has_value());
    putFile(path, "");
    EXPECT_FALSE(BookmarkFile(path).read().has_value());
}

TEST(BookmarkFile, OnlyTheFirstLineCounts) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b"));
    putFile(path, "http://one/\r\nhttp://two/\r\n");
    EXPECT_EQ(BookmarkFile(path).read(), QStringLiteral("http://one/"));
    ASSERT_TRUE(BookmarkFile(path).save(QStringLiteral("http://x/\r\nhttp://y/")).ok);
    EXPECT_EQ(BookmarkFile(path).read(), QStringLiteral("http://x/  http://y/"));
}
