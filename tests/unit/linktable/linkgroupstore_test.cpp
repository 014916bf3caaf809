#include "filehelpers.h"
#include "linktable/linkgroupfile.h"
#include "linktable/linkgroupstore.h"
#include "text/textfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LinkGroupStoreFiles : public ::testing::Test {
protected:
    QStringList namesInFile(int group) const {
        QStringList names;
        for (const QString &line : TextFile::readLines(store.path(group)).value_or(QStringList()))
            names.append(line.section(LinkGroupFile::FieldSeparator, 0, 0));
        return names;
    }

    QTemporaryDir dir;
    LinkGroupStore store{ProgramFolder(dir.path())};
};

LinkEntry link(const QString &name, const QString &freeText = QString()) {
    return {name,      QStringLiteral("http://a/"), freeText,
            QString(), QStringLiteral("a/"),        QStringLiteral("2026-03-05")};
}

} // namespace

TEST_F(LinkGroupStoreFiles, GroupFilesAreNumberedWithThreeDigits) {
    EXPECT_EQ(store.path(0), dir.filePath(QStringLiteral("Links/Links.000")));
    EXPECT_EQ(store.path(42), dir.filePath(QStringLiteral("Links/Links.042")));
    EXPECT_EQ(store.path(104), dir.filePath(QStringLiteral("Links/Links.104")));
}

TEST_F(LinkGroupStoreFiles, ReadGivesExactlyTheCountedLinks) {
    putFile(store.path(3), "A;-;http://a/;-;;-;;-;a;-;2026-01-01\r\n"
                           "B;-;http://b/;-;;-;;-;b;-;2026-01-01\r\n"
                           "C;-;http://c/;-;;-;;-;c;-;2026-01-01\r\n");
    const QList<LinkEntry> fewer = store.read(3, 2);
    ASSERT_EQ(fewer.size(), 2);
    EXPECT_EQ(fewer[1].name, "B");
    const QList<LinkEntry> more = store.read(3, 5);
    ASSERT_EQ(more.size(), 5);
    EXPECT_EQ(more[2].address, "http://c/");
    EXPECT_TRUE(more[4].isBlank());
    // A group without a file yet still shows its counted rows, all blank.
    const QList<LinkEntry> missing = store.read(7, 2);
    ASSERT_EQ(missing.size(), 2);
    EXPECT_TRUE(missing[0].isBlank());
    EXPECT_TRUE(store.read(3, -1).isEmpty());
}

TEST_F(LinkGroupStoreFiles, SavingSortsByNameWithLetterCaseMatteringAndDropsNamelessLinks) {
    const auto saved = store.write(0, {link(QStringLiteral("delta")), link(QString()),
                                       link(QStringLiteral("Charlie"), QStringLiteral("first")),
                                       link(QStringLiteral("bravo")), link(QStringLiteral("Alpha")),
                                       link(QStringLiteral("Charlie"), QStringLiteral("second"))});
    ASSERT_TRUE(saved.result.ok);
    EXPECT_EQ(saved.count(), 5);
    EXPECT_EQ(namesInFile(0), (QStringList{"Alpha", "Charlie", "Charlie", "bravo", "delta"}));
    // Links of one name keep the order they had.
    EXPECT_EQ(saved.links[1].freeText, "first");
    EXPECT_EQ(saved.links[2].freeText, "second");
}

TEST_F(LinkGroupStoreFiles, FieldsSurviveTheirOwnSeparatorsAndLineBreaks) {
    const LinkEntry entry{QStringLiteral("Name ;-; with ;-;-; marks;-"),
                          QStringLiteral("http://x/"),
                          QStringLiteral("two\r\nlines"),
                          QStringLiteral("pass;-;word"),
                          QStringLiteral("x/"),
                          QStringLiteral("2026-03-05")};
    ASSERT_TRUE(store.write(0, {entry}).result.ok);

    const QList<LinkEntry> back = store.read(0, 1);
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].name, "Name ;- ; with ;- ;- ; marks;- ");
    EXPECT_EQ(back[0].address, "http://x/");
    EXPECT_EQ(back[0].freeText, "two  lines");
    EXPECT_EQ(back[0].privateText, "pass;- ;word");
    EXPECT_EQ(back[0].shownAddress, "x/");
    EXPECT_EQ(back[0].dateAdded, "2026-03-05");
}
