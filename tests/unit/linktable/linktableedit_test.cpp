#include "core/languagefile.h"
#include "filehelpers.h"
#include "linktable/linktable.h"
#include "text/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// What the user does in the link table, seen in the grid and in the files it leaves.
namespace {

const int MinRows = 10;

class LinkTableEdits : public ::testing::Test {
protected:
    void SetUp() override {
        language.parse(QStringList(33, QStringLiteral("\"x\"")) << QStringLiteral("\"Group\""));
        ASSERT_TRUE(table.readTitles(language).ok);
        table.readTable(MinRows);
    }
    LinkTable::Page page(const QString &title, const QString &address) const {
        return {title, address, address, QStringLiteral("2026-12-08")};
    }
    QStringList groupLines(int g) const {
        return TextFile::readLines(table.groupFilePath(g)).value_or(QStringList());
    }
    QString cell(int row, int column) const {
        return table.model().index(row, column).data().toString();
    }
    // A fresh run of the program over the same folder.
    std::unique_ptr<LinkTable> reopened(int group) const {
        auto again = std::make_unique<LinkTable>(folder);
        EXPECT_TRUE(again->readTitles(language).ok);
        again->setCurrentGroup(group);
        again->readTable(MinRows);
        return again;
    }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    LanguageFile language;
    LinkTable table{folder};
};

} // namespace

TEST_F(LinkTableEdits, APageIsAddedOnceAndOnlyWithATitle) {
    EXPECT_EQ(table.addPage(page(QString(), QStringLiteral("http://127.0.0.1/a"))),
              LinkTable::AddOutcome::NoTitle);
    const QString longAddress =
        QStringLiteral("http://127.0.0.1/") + QString(120, QLatin1Char('x'));
    ASSERT_EQ(table.addPage(page(QStringLiteral("Wombats"), longAddress)),
              LinkTable::AddOutcome::Added);
    EXPECT_TRUE(table.isModified());
    ASSERT_TRUE(table.saveTable().ok);
    EXPECT_EQ(table.addPage(page(QStringLiteral("Wombats"), QStringLiteral("http://other/"))),
              LinkTable::AddOutcome::AlreadyThere);

    EXPECT_EQ(table.model().linkCount(), 1);
    EXPECT_EQ(cell(0, LinkTableModel::NumberColumn), "1");
    // The address as shown is cut to 100 characters and marked so.
    EXPECT_EQ(cell(0, LinkTableModel::ShownAddressColumn), longAddress.left(100) + "..");
    EXPECT_EQ(groupLines(0), QStringList{"Wombats;-;" + longAddress + ";-;;-;;-;" +
                                         longAddress.left(100) + "..;-;2026-12-08"});
    EXPECT_EQ(TextFile::readLines(table.titles().path())->first(), "Group 1,1");
    // Private values live in these files: nobody but their owner reads them.
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther;
    for (const QString &path : {table.groupFilePath(0), table.titles().path()}) {
        EXPECT_EQ(QFile::permissions(path) & others, QFileDevice::Permissions())
            << path.toStdString();
        EXPECT_TRUE(QFile::permissions(path) & QFileDevice::WriteOwner) << path.toStdString();
    }
}

TEST_F(LinkTableEdits, SortingMoreLinksThanTheGridHasRowsKeepsAndSavesEveryLink) {
    const QStringList names = {"delta", "Alpha", "charlie", "Bravo", "echo"};
    for (int i = 0; i < 25; ++i)
        ASSERT_EQ(table.addPage(page(names[i % 5] + QString::number(i / 5),
                                     QStringLiteral("http://127.0.0.1/%1").arg(i))),
                  LinkTable::AddOutcome::Added);
    table.model().sortLinks(LinkTableModel::NameColumn);
    ASSERT_EQ(table.model().linkCount(), 25);
    // Letter case does not matter to the sort...
    EXPECT_EQ(cell(0, LinkTableModel::NameColumn), "Alpha0");
    EXPECT_EQ(cell(5, LinkTableModel::NameColumn), "Bravo0");
    EXPECT_EQ(cell(24, LinkTableModel::NameColumn), "echo4");

    ASSERT_TRUE(table.saveTable().ok);
    const QStringList lines = groupLines(0);
    ASSERT_EQ(lines.size(), 25);
    // ...but to the file's order it does, capitals first.
    EXPECT_TRUE(lines.first().startsWith("Alpha0;-;"));
    EXPECT_TRUE(lines[9].startsWith("Bravo4;-;"));
    EXPECT_TRUE(lines.last().startsWith("echo4;-;"));
    EXPECT_EQ(table.titles().count(1), 25);
    EXPECT_EQ(reopened(0)->model().linkCount(), 25);
}

TEST_F(LinkTableEdits, OnePrivateTextIsShownAtATime) {
    table.titles().setCount(1, 5);
    QByteArray lines;
    for (int i = 1; i <= 5; ++i)
        lines +=
            QStringLiteral("L%1;-;http://l%1/;-;;-;pin %1;-;l%1;-;2026-01-01\r\n").arg(i).toUtf8();
    putFile(table.groupFilePath(0), lines);
    table.readTable(MinRows);
    LinkTableModel &grid = table.model();

    grid.togglePrivate(4); // row 5
    EXPECT_EQ(cell(4, LinkTableModel::PrivateColumn), "pin 5");
    grid.togglePrivate(1); // row 2
    EXPECT_EQ(cell(4, LinkTableModel::PrivateColumn), LinkTableModel::Mask);
    EXPECT_EQ(cell(1, LinkTableModel::PrivateColumn), "pin 2");
    grid.togglePrivate(1);
    EXPECT_EQ(cell(1, LinkTableModel::PrivateColumn), LinkTableModel::Mask);
    grid.togglePrivate(1);
    EXPECT_EQ(cell(1, LinkTableModel::PrivateColumn), "pin 2");
    // A blank row has nothing to show.
    grid.togglePrivate(7);
    EXPECT_EQ(grid.revealedRow(), 1);
}

TEST_F(LinkTableEdits, RenamingWithAnEmptyBoxLeavesTheGroupUntitled) {
    table.setCurrentGroup(3);
    ASSERT_TRUE(table.renameGroup(QStringLiteral("Recipes, baking")).ok);
    EXPECT_EQ(reopened(3)->titles().title(4), "Recipes, baking");
    ASSERT_TRUE(table.renameGroup(QString()).ok);
    EXPECT_EQ(TextFile::readLines(table.titles().path())->at(3), ",0");
    EXPECT_EQ(reopened(3)->titles().title(4), "");
    EXPECT_EQ(reopened(3)->titles().title(5), "Group 5");
}

TEST_F(LinkTableEdits, TheEditorsAnswersReachTheFile) {
    for (const char *name : {"One", "Two"})
        ASSERT_EQ(table.addPage(page(QLatin1String(name), QStringLiteral("http://a/"))),
                  LinkTable::AddOutcome::Added);
    LinkEntry edited = table.model().entry(1);
    edited.privateText = QStringLiteral("secret");
    table.setLink(1, edited);
    table.removeLink(0);
    table.setLink(5, edited); // a blank row is no link to edit
    ASSERT_TRUE(table.saveTable().ok);
    EXPECT_EQ(groupLines(0), QStringList{"Two;-;http://a/;-;;-;secret;-;http://a/;-;2026-12-08"});
    EXPECT_EQ(table.titles().count(1), 1);
    EXPECT_FALSE(table.isModified());
}

TEST_F(LinkTableEdits, AwkwardTextIsKeptOnItsLineAndInFull) {
    const QString rtl = QStringLiteral("مرحبا بالعالم שלום");
    const QString huge(10000, QLatin1Char('w'));
    const QStringList titles = {"a;-;b", "line\nbreak", rtl, huge};
    for (const QString &title : titles)
        ASSERT_EQ(table.addPage(page(title, "http://127.0.0.1/" + huge)),
                  LinkTable::AddOutcome::Added);
    ASSERT_TRUE(table.saveTable().ok);
    ASSERT_EQ(groupLines(0).size(), 4);

    const auto back = reopened(0);
    ASSERT_EQ(back->model().linkCount(), 4);
    QStringList names;
    for (int row = 0; row < 4; ++row) {
        const LinkEntry entry = back->model().entry(row);
        names.append(entry.name);
        EXPECT_EQ(entry.address, "http://127.0.0.1/" + huge); // later fields do not shift
        EXPECT_EQ(entry.dateAdded, "2026-12-08");
    }
    EXPECT_TRUE(names.contains("a;- ;b"));
    EXPECT_TRUE(names.contains("line break"));
    EXPECT_TRUE(names.contains(rtl));
    EXPECT_TRUE(names.contains(huge));
}

TEST_F(LinkTableEdits, AGroupOf5000LinksReadsAndSavesWhole) {
    QByteArray lines;
    for (int i = 0; i < 5000; ++i)
        lines += QStringLiteral("N%1;-;http://n/%1;-;;-;;-;n;-;2026-01-01\r\n")
                     .arg(i, 4, 10, QLatin1Char('0'))
                     .toUtf8();
    putFile(table.groupFilePath(0), lines);
    table.titles().setCount(1, 5000);
    table.readTable(MinRows);
    EXPECT_EQ(cell(4999, LinkTableModel::NameColumn), "N4999");
    ASSERT_TRUE(table.saveTable().ok);
    EXPECT_EQ(fileBytes(table.groupFilePath(0)), lines);
}

TEST_F(LinkTableEdits, AShortTitlesFileKeepsTheDefaultsForTheRest) {
    putFile(table.titles().path(), "Travel,0\r\nMusic,0\r\n");
    LinkTable again(folder);
    ASSERT_TRUE(again.readTitles(language).ok);
    EXPECT_EQ(again.titles().title(2), "Music");
    EXPECT_EQ(again.titles().title(3), "Group 3");
    EXPECT_EQ(again.titles().title(105), "Group 105");
}

TEST_F(LinkTableEdits, AMissingLinksFolderIsMadeAgainAndAFailedWriteKeepsTheTableModified) {
    QDir(dir.filePath(QStringLiteral("Links"))).removeRecursively();
    ASSERT_EQ(table.addPage(page(QStringLiteral("First"), QStringLiteral("http://a/"))),
              LinkTable::AddOutcome::Added);
    ASSERT_TRUE(table.saveTable().ok);
    EXPECT_EQ(groupLines(0).size(), 1);

    // The group's file cannot be replaced: a read-only folder, or here (the tests may run
    // as root, whom no folder refuses) a folder standing in the file's place.
    const QString file = table.groupFilePath(0);
    QFile::remove(file);
    QDir().mkpath(file);
    ASSERT_EQ(table.addPage(page(QStringLiteral("Second"), QStringLiteral("http://b/"))),
              LinkTable::AddOutcome::Added);
    EXPECT_FALSE(table.saveTable().ok);
    EXPECT_TRUE(table.isModified());
    EXPECT_EQ(table.model().linkCount(), 2);
    EXPECT_EQ(cell(1, LinkTableModel::NameColumn), "Second");
    EXPECT_EQ(table.titles().count(1), 1);
}
