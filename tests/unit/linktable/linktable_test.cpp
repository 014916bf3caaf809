#include "core/languagefile.h"
#include "filehelpers.h"
#include "linktable/linkgroupfile.h"
#include "linktable/linktable.h"
#include "text/textfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const int MinRows = 10;

class LinkTableFiles : public ::testing::Test {
protected:
    void SetUp() override {
        language.parse(QStringList(33, QStringLiteral("\"x\"")) << QStringLiteral("\"Group\""));
        ASSERT_TRUE(table.readTitles(language).ok);
    }
    QString groupFile(int g) const { return table.groupFilePath(g); }
    QStringList groupLines(int g) const {
        return TextFile::readLines(groupFile(g)).value_or(QStringList());
    }
    QString cell(int row, int column) const {
        return table.model().index(row, column).data().toString();
    }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    LanguageFile language;
    LinkTable table{folder};
};

LinkEntry link(const QString &name, const QString &address = QStringLiteral("http://a/")) {
    return {name,      address, QStringLiteral("note"),
            QString(), address, QStringLiteral("2026-03-05")};
}

} // namespace

TEST_F(LinkTableFiles, TitlesAndGroupsLiveInTheLinksFolder) {
    EXPECT_EQ(table.titles().path(), dir.filePath(QStringLiteral("Links/Links.Bok")));
    EXPECT_EQ(groupFile(104), dir.filePath(QStringLiteral("Links/Links.104")));
    EXPECT_EQ(table.titles().title(1), "Group 1");
}

TEST_F(LinkTableFiles, ANewGroupShowsOnlyBlankRows) {
    table.readTable(MinRows);
    EXPECT_EQ(table.model().rowCount(), MinRows - 1);
    EXPECT_EQ(table.model().linkCount(), 0);
    EXPECT_EQ(cell(0, LinkTableModel::NumberColumn), "");
}

TEST_F(LinkTableFiles, ReadsLinksAndMasksPrivateText) {
    table.setCurrentGroup(4);
    table.titles().setCount(5, 2);
    putFile(groupFile(4), "Alpha;-;http://alpha/;-;free;-;secret;-;alpha/;-;2026-01-02\r\n"
                          "Beta;-;http://beta/;-;;-;;-;beta/;-;2026-01-03\r\n");
    table.applyColumnTitles(language);
    table.readTable(MinRows);
    EXPECT_EQ(cell(0, LinkTableModel::NumberColumn), "1");
    EXPECT_EQ(cell(0, LinkTableModel::NameColumn), "Alpha");
    EXPECT_EQ(cell(0, LinkTableModel::PrivateColumn), "********");
    EXPECT_EQ(table.model().entry(0).privateText, "secret");
    EXPECT_EQ(cell(1, LinkTableModel::PrivateColumn), "");
    EXPECT_EQ(cell(1, LinkTableModel::DateColumn), "2026-01-03");
    EXPECT_EQ(table.model().headerData(1, Qt::Horizontal).toString(), language.caption(65));
}

TEST_F(LinkTableFiles, TheEditRoleGivesThePrivateTextInFullWhileTheGridShowsTheMask) {
    table.titles().setCount(1, 1);
    putFile(groupFile(0), "Bank;-;http://bank/;-;;-;pin 1234;-;bank/;-;2026-01-02\r\n");
    table.readTable(MinRows);
    const QModelIndex privateCell = table.model().index(0, LinkTableModel::PrivateColumn);
    EXPECT_EQ(privateCell.data(Qt::DisplayRole).toString(), "********");
    EXPECT_EQ(privateCell.data(Qt::EditRole).toString(), "pin 1234");
    // A link without private text has nothing to reveal either way.
    EXPECT_EQ(table.model().index(1, LinkTableModel::PrivateColumn).data(Qt::EditRole).toString(),
              "");
}

TEST_F(LinkTableFiles, ACountBeyondTheFileGivesABlankRowThatTheNextSaveDrops) {
    table.titles().setCount(1, 3);
    putFile(groupFile(0), "B;-;http://b/;-;;-;;-;b;-;2026-01-01\r\n"
                          "A;-;http://a/;-;;-;;-;a;-;2026-01-01\r\n");
    table.readTable(MinRows);
    EXPECT_EQ(cell(1, LinkTableModel::NameColumn), "A");
    EXPECT_EQ(cell(2, LinkTableModel::NumberColumn), "");
    EXPECT_EQ(cell(2, LinkTableModel::NameColumn), "");

    ASSERT_TRUE(table.saveTable().ok);
    EXPECT_EQ(table.titles().count(1), 2);
    // The grid shows the group as saved, in its sorted order, and keeps its rows.
    EXPECT_EQ(cell(0, LinkTableModel::NameColumn), "A");
    EXPECT_EQ(cell(1, LinkTableModel::NumberColumn), "2");
    EXPECT_EQ(cell(2, LinkTableModel::NumberColumn), "");
    EXPECT_EQ(table.model().rowCount(), MinRows - 1);
    EXPECT_EQ(groupLines(0), (QStringList{"A;-;http://a/;-;;-;;-;a;-;2026-01-01",
                                          "B;-;http://b/;-;;-;;-;b;-;2026-01-01"}));
    // The titles file holds the lowered count.
    EXPECT_EQ(TextFile::readLines(table.titles().path())->first(), "Group 1,2");
}

TEST_F(LinkTableFiles, AFailedGroupWriteChangesNeitherCountNorTitles) {
    table.titles().setCount(1, 1);
    table.readTable(MinRows);
    table.model().setEntry(0, link(QString())); // would lower the count
    const QByteArray titlesBefore = fileBytes(table.titles().path());
    QDir(dir.path()).mkpath(groupFile(0)); // a folder where the file should be
    const WriteResult result = table.saveTable();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(table.model().linkCount(), 1);
    EXPECT_EQ(table.titles().count(1), 1);
    EXPECT_EQ(fileBytes(table.titles().path()), titlesBefore);
}

TEST_F(LinkTableFiles, APendingTitleIsAppliedOnSave) {
    table.setCurrentGroup(16);
    table.setPendingTitle(QStringLiteral("Recipes, baking"));
    ASSERT_TRUE(table.saveTitle().ok);
    EXPECT_EQ(table.pendingTitle(), "");
    EXPECT_EQ(TextFile::readLines(table.titles().path())->at(16), "Recipes, baking,0");
}

TEST(LinkGroupFile, ShortLinesGiveEmptyFields) {
    const QList<LinkEntry> entries = LinkGroupFile::parse({"Only a name", "A;-;b"}, 2);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].name, "Only a name");
    EXPECT_EQ(entries[0].address, "");
    EXPECT_EQ(entries[1].address, "b");
    EXPECT_EQ(entries[1].dateAdded, "");
}
