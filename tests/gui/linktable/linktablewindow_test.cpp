#include "core/captions.h"
#include "desktop/systemdesktop.h"
#include "filehelpers.h"
#include "linktable/bookmarktransfer.h"
#include "linktable/groupstrip.h"
#include "linktable/linkeditor.h"
#include "linktable/linksearchbox.h"
#include "linktable/linktablewindow.h"
#include "text/textfile.h"
#include "waituntil.h"
#include "windows/windowstestsupport.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

// The link table window on real widgets over a program folder of its own.
namespace {

class LinkTableWindowTest : public WindowsTest {
protected:
    LinkTableWindowTest() { EXPECT_TRUE(table.readTitles(language).ok); }

    std::unique_ptr<LinkTableWindow> open() {
        auto window = std::make_unique<LinkTableWindow>(context(), table, [this] { return page; });
        window->show();
        return window;
    }
    QStringList groupLines(int group) const {
        return TextFile::readLines(table.groupFilePath(group)).value_or(QStringList());
    }
    static QString cell(const LinkTableWindow &window, int row, int column) {
        return window.gridList()->model()->index(row, column).data().toString();
    }
    // The rows of the list of links found, as shown.
    static QStringList hitRows(const LinkTableWindow &window) {
        QStringList rows;
        const QAbstractItemModel *found = window.search()->hits()->model();
        for (int row = 0; row < found->rowCount(); ++row)
            rows.append(found->index(row, 0).data().toString());
        return rows;
    }
    static QPoint cellCentre(const LinkTableWindow &window, int row, int column) {
        QTableView *grid = window.gridList();
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
    // As the user double-clicks: the first click, then the second one.
    static void doubleClick(const LinkTableWindow &window, int row, int column) {
        QWidget *viewport = window.gridList()->viewport();
        const QPoint at = cellCentre(window, row, column);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    }
    static void clickTab(GroupStrip *strip, int tab) {
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(tab).center());
    }
    // Runs `act` on the link editor once it shows, then closes it if `act` did not.
    void withEditor(const std::function<void(LinkEditor *)> &act) {
        QTimer::singleShot(0, &table.model(), [act] {
            for (QWidget *shown : QApplication::topLevelWidgets()) {
                auto *editor = qobject_cast<LinkEditor *>(shown);
                if (!editor || !editor->isVisible())
                    continue;
                act(editor);
                if (editor->isVisible())
                    editor->reject();
            }
        });
    }
    void putGroup(int group, const QByteArray &lines, int count) {
        putFile(table.groupFilePath(group), lines);
        table.titles().setCount(group + 1, count);
    }

    LinkTable table{folder};
    LinkTable::Page page{QStringLiteral("Wombat page"), QStringLiteral("http://127.0.0.1:9/w"),
                         QStringLiteral("http://127.0.0.1:9/w"), QStringLiteral("2026-12-08")};
};

} // namespace

TEST_F(LinkTableWindowTest, ShowsSevenStripsOverTheGridOfGroupZero) {
    table.titles().setTitle(17, QStringLiteral("Rock & roll"));
    putGroup(0, "Alpha;-;http://a/;-;free;-;pin;-;a/;-;2026-01-02\r\n", 1);
    auto window = open();

    for (int strip = 0; strip < LinkTableWindow::StripCount; ++strip) {
        ASSERT_EQ(window->tabF(strip)->count(), 15);
        EXPECT_EQ(window->tabF(strip)->showsCurrent(), strip == 0);
    }
    EXPECT_EQ(window->tabF(0)->accessibleTabName(3), "Group 4");
    // A title's "&" is shown, not taken for a shortcut.
    EXPECT_EQ(window->tabF(1)->tabText(1), "Rock && roll");
    EXPECT_EQ(window->tabF(1)->accessibleTabName(1), "Rock & roll");
    // Strip 6 stands highest, strip 0 just over the grid.
    EXPECT_LT(window->tabF(6)->y(), window->tabF(0)->y());
    EXPECT_LE(window->tabF(0)->geometry().bottom(), window->gridList()->y());

    QTableView *grid = window->gridList();
    EXPECT_EQ(grid->accessibleName(), language.caption(74));
    EXPECT_TRUE(grid->isColumnHidden(LinkTableModel::AddressColumn));
    for (const auto &[column, caption] :
         {std::pair{0, 64}, {1, 65}, {3, 67}, {4, 68}, {5, 69}, {6, 73}})
        EXPECT_EQ(grid->model()->headerData(column, Qt::Horizontal).toString(),
                  language.caption(caption));
    EXPECT_EQ(cell(*window, 0, LinkTableModel::NameColumn), "Alpha");
    EXPECT_EQ(cell(*window, 0, LinkTableModel::PrivateColumn), "********");
    EXPECT_GE(grid->model()->rowCount(), window->minRows() - 1);

    // A click on the private cell shows it, another hides it again.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      cellCentre(*window, 0, LinkTableModel::PrivateColumn));
    EXPECT_EQ(cell(*window, 0, LinkTableModel::PrivateColumn), "pin");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      cellCentre(*window, 0, LinkTableModel::PrivateColumn));
    EXPECT_EQ(cell(*window, 0, LinkTableModel::PrivateColumn), "********");
    EXPECT_FALSE(window->groupTitleEdit()->isVisible());
}

TEST_F(LinkTableWindowTest, AGroupTabShowsItsLinksAndOnlyItsStripMarksACurrentTab) {
    putGroup(47, "Beta;-;http://b/;-;;-;;-;b/;-;2026-01-03\r\n", 1);
    auto window = open();
    clickTab(window->tabF(3), 2); // group 3 × 15 + 2
    EXPECT_EQ(table.currentGroup(), 47);
    EXPECT_EQ(cell(*window, 0, LinkTableModel::NameColumn), "Beta");
    for (int strip = 0; strip < LinkTableWindow::StripCount; ++strip)
        EXPECT_EQ(window->tabF(strip)->showsCurrent(), strip == 3) << strip;
    clickTab(window->tabF(0), 0);
    EXPECT_EQ(cell(*window, 0, LinkTableModel::NameColumn), "");
}

TEST_F(LinkTableWindowTest, AddingThePageAndRenamingTheGroupReachTheFiles) {
    auto window = open();
    clickBar(window->toolBar(0), "ADDURL");
    clickBar(window->toolBar(0), "ADDURL");
    EXPECT_EQ(cell(*window, 0, LinkTableModel::NameColumn), "Wombat page");
    EXPECT_EQ(groupLines(0), QStringList{"Wombat page;-;http://127.0.0.1:9/w;-;;-;;-;"
                                         "http://127.0.0.1:9/w;-;2026-12-08"});
    EXPECT_EQ(notifier.messages.size(), 1); // the second time: already in the group
    EXPECT_TRUE(notifier.messages.value(0).contains(language.caption(86)));

    clickBar(window->toolBar(0), "TITLE");
    ASSERT_TRUE(window->groupTitleEdit()->isVisible());
    EXPECT_EQ(window->groupTitleEdit()->accessibleName(), language.caption(72));
    QTest::keyClicks(window->groupTitleEdit(), QStringLiteral("Animals"));
    QTest::keyClick(window->groupTitleEdit(), Qt::Key_Return);
    EXPECT_FALSE(window->groupTitleEdit()->isVisible());
    EXPECT_EQ(window->tabF(0)->accessibleTabName(0), "Animals");
    EXPECT_EQ(TextFile::readLines(table.titles().path())->first(), "Animals,1");

    // Choosing the link closes the window with its address.
    doubleClick(*window, 0, LinkTableModel::NameColumn);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->chosenLink(), "http://127.0.0.1:9/w");
}

TEST_F(LinkTableWindowTest, TheEditorSavesOrRemovesTheRowAndBlankRowsOpenNothing) {
    putGroup(0,
             "One;-;http://1/;-;;-;;-;1/;-;2026-01-01\r\n"
             "Two;-;http://2/;-;;-;secret;-;2/;-;2026-01-01\r\n",
             2);
    auto window = open();
    QString privateShown;
    withEditor([&](LinkEditor *editor) {
        privateShown = editor->txt(4)->text();
        editor->txt(3)->setText(QStringLiteral("my notes"));
        clickBar(editor->toolBar(), "SAVE3");
    });
    doubleClick(*window, 1, LinkTableModel::NumberColumn);
    EXPECT_EQ(privateShown, "secret"); // in full, not the mask
    EXPECT_EQ(groupLines(0).value(1), "Two;-;http://2/;-;my notes;-;secret;-;2/;-;2026-01-01");

    withEditor([](LinkEditor *editor) { clickBar(editor->toolBar(), "CANCEL"); });
    doubleClick(*window, 0, LinkTableModel::NumberColumn);
    EXPECT_EQ(groupLines(0).size(), 1);
    EXPECT_EQ(cell(*window, 0, LinkTableModel::NameColumn), "Two");
    EXPECT_EQ(table.titles().count(1), 1);

    // No editor and no link for a row without a link.
    bool opened = false;
    withEditor([&opened](LinkEditor *) { opened = true; });
    doubleClick(*window, 3, LinkTableModel::NumberColumn);
    doubleClick(*window, 3, LinkTableModel::NameColumn);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(LinkTableWindowTest, AFailedSaveIsToldAndAskedAboutOnLeaving) {
    QFile::remove(table.groupFilePath(0));
    QDir().mkpath(table.groupFilePath(0)); // the file cannot be replaced
    auto window = open();
    clickBar(window->toolBar(0), "ADDURL");
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains(language.caption(91)));
    EXPECT_EQ(cell(*window, 0, LinkTableModel::NameColumn), "Wombat page"); // still shown

    notifier.answer = false;
    clickBar(window->toolBar(1), "EXIT6");
    EXPECT_EQ(notifier.messages.size(), 2);
    EXPECT_TRUE(notifier.messages.value(1).contains(language.caption(101)));
    EXPECT_FALSE(window->isVisible());
    EXPECT_GT(state.settings.linkTable.width, 0); // the placement for the settings file
}

TEST_F(LinkTableWindowTest, HelpOpensTheLanguagesDocumentOrSaysInItsLanguageWhyNot) {
    auto window = open();
    const QString help = folder.path("Data/QuortGOTab" + language.settings().lang + ".pdf");
    EXPECT_TRUE(help.endsWith("/Data/QuortGOTabEng.pdf")) << help.toStdString();
    QFile::remove(help);
    clickBar(window->toolBar(0), "HELP2");
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("The file could not be opened."));
    EXPECT_TRUE(notifier.messages[0].contains(help));
    EXPECT_TRUE(desktop.opened.isEmpty());
    putFile(help, "%PDF-1.4\n");
    clickBar(window->toolBar(0), "HELP2");
    EXPECT_EQ(desktop.opened, QStringList{help});
    EXPECT_EQ(notifier.messages.size(), 1);

    // In German the German document is asked for, and a desktop without a viewer is told
    // in German.
    window.reset();
    loadLanguage(QStringLiteral("Deutsch"));
    desktop.fileViewer = false;
    window = open();
    const QString hilfe = folder.path("Data/QuortGOTabDeu.pdf");
    putFile(hilfe, "%PDF-1.4\n");
    clickBar(window->toolBar(0), "HELP2");
    EXPECT_EQ(desktop.opened, (QStringList{help, hilfe}));
    ASSERT_EQ(notifier.messages.size(), 2);
    EXPECT_TRUE(notifier.messages[1].contains("Die Datei konnte nicht geöffnet werden."));
}

TEST_F(LinkTableWindowTest, HelpOnADesktopWithNoPdfViewerSaysSoWithThePath) {
    // The machine's own desktop, whose xdg-open runs but which has nothing set for PDFs:
    // stand-in xdg-open and xdg-mime first on PATH keep what they were asked.
    QTemporaryDir bin;
    for (const QString name : {"xdg-open", "xdg-mime"}) {
        putFile(bin.filePath(name),
                "#!/bin/sh\necho \"$@\" >> '" + bin.filePath(name).toUtf8() + ".log'\n");
        QFile::setPermissions(bin.filePath(name), QFile::ReadOwner | QFile::ExeOwner);
    }
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ':' + oldPath);
    SystemDesktop system(folder);
    LinkTableWindow window({registry, language, folder, notifier, system, state, [] { return 0; }},
                           table, [this] { return page; });
    window.show();
    putFile(folder.path("Data/QuortGOTabEng.pdf"), "%PDF-1.4\n");
    clickBar(window.toolBar(0), "HELP2");
    qputenv("PATH", oldPath);
    EXPECT_EQ(fileBytes(bin.filePath("xdg-mime.log")), "query default application/pdf\n");
    EXPECT_FALSE(QFileInfo::exists(bin.filePath("xdg-open.log")));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains("The file could not be opened.\n" +
                                              folder.path("Data/QuortGOTabEng.pdf")));
}

TEST_F(LinkTableWindowTest, SearchFindsALinkOfAnotherGroupIgnoringAccentsAndEnterOpensIt) {
    table.titles().setTitle(42, QStringLiteral("Food"));
    putGroup(41, "Café Bleu;-;https://bleu.example/;-;;-;pin;-;bleu.example/;-;2026-01-02\r\n", 1);
    putGroup(0, "Tea house;-;https://tea.example/;-;;-;;-;tea/;-;2026-01-02\r\n", 1);
    auto window = open();
    QApplication::setActiveWindow(window.get());
    QLineEdit *field = window->search()->field();
    EXPECT_EQ(field->accessibleName(), language.caption(Captions::SearchLinks));

    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("cafe"));
    QListView *hits = window->search()->hits();
    EXPECT_TRUE(waitUntil([&] { return hits->isVisible(); }));
    ASSERT_EQ(hitRows(*window).size(), 1);
    EXPECT_TRUE(hitRows(*window)[0].contains(QStringLiteral("Café Bleu")));
    EXPECT_TRUE(hitRows(*window)[0].contains(QLatin1String("Food")));
    EXPECT_FALSE(hitRows(*window)[0].contains(QLatin1String("pin")));

    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(window->chosenLink(), "https://bleu.example/");
}

TEST_F(LinkTableWindowTest, EscClearsTheSearchAndLeavesTheWindowOpen) {
    putGroup(7, "Tea house;-;https://tea.example/;-;;-;;-;tea/;-;2026-01-02\r\n", 1);
    auto window = open();
    QLineEdit *field = window->search()->field();
    QTest::keyClicks(field, QStringLiteral("TEA"));
    EXPECT_TRUE(waitUntil([&] { return hitRows(*window).size() == 1; }));
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_FALSE(window->search()->hits()->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->chosenLink().isEmpty());
}

TEST_F(LinkTableWindowTest, ImportedBookmarksShowInTheGroupsAndTheExportLeavesPrivateTextsOut) {
    table.titles().setTitle(6, QStringLiteral("Travel"));
    putGroup(5, "Porto;-;https://porto.example/;-;;-;door code 1234;-;porto/;-;2025-06-30\r\n", 1);
    ASSERT_TRUE(table.titles().save().ok);
    const QString bookmarks = programFolder.filePath(QStringLiteral("bookmarks.html"));
    putFile(bookmarks, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<DL><p>\n"
                       "<DT><A HREF=\"https://news.example/\">Morning news</A>\n"
                       "<DT><H3>Travel</H3>\n<DL><p>\n"
                       "<DT><A HREF=\"https://porto.example/\">Porto again</A>\n"
                       "<DT><A HREF=\"https://lisboa.example/?a=1&amp;b=2\">Lisboa &#x2013; "
                       "Caf\xc3\xa9</A>\n<DD>Past\xc3\xa9is de nata\n</DL><p>\n"
                       "<DT><H3>Recipes</H3>\n<DL><p>\n"
                       "<DT><A HREF=\"https://bread.example/\">Sourdough</A>\n"
                       "<DT><A HREF=\"javascript:alert(1)\">Bookmarklet</A>\n</DL><p>\n</DL><p>\n");
    const QString exported = programFolder.filePath(QStringLiteral("exported.html"));
    auto window = open();
    QStringList asked; // the chooser's titles, as the user would read them
    window->bookmarkTransfer()->setFileChooser(
        [&](QWidget *, const QString &title, const QString &, bool forWriting) {
            asked.append(title);
            return forWriting ? exported : bookmarks;
        });

    clickBar(window->toolBar(0), "IMPORTBM");
    ASSERT_TRUE(waitUntil([&] { return !notifier.messages.isEmpty(); }));
    EXPECT_EQ(notifier.messages[0],
              "QuortTrans: 3 links imported into 3 groups; 1 already there; 0 did not fit\n"
              "1 links were skipped: the link table holds web addresses only.");
    EXPECT_TRUE(window->isEnabled());
    // A link outside any folder goes into a group named for it, a folder into the group of
    // its name or the first free one.
    EXPECT_EQ(window->tabF(0)->accessibleTabName(0), "Imported");
    EXPECT_EQ(window->tabF(0)->accessibleTabName(1), "Recipes");
    EXPECT_EQ(window->tabF(0)->accessibleTabName(5), "Travel");
    EXPECT_EQ(cell(*window, 0, LinkTableModel::NameColumn), "Morning news");
    clickTab(window->tabF(0), 5);
    EXPECT_EQ(cell(*window, 0, LinkTableModel::NameColumn), "Lisboa – Café");
    EXPECT_EQ(cell(*window, 0, LinkTableModel::FreeTextColumn), "Pastéis de nata");
    EXPECT_EQ(cell(*window, 1, LinkTableModel::NameColumn), "Porto");
    EXPECT_EQ(cell(*window, 1, LinkTableModel::PrivateColumn), "********");
    EXPECT_EQ(cell(*window, 2, LinkTableModel::NameColumn), "");
    // The search knows the new links.
    QTest::keyClicks(window->search()->field(), QStringLiteral("lisboa"));
    EXPECT_TRUE(waitUntil([&] { return hitRows(*window).size() == 1; }));
    EXPECT_EQ(hitRows(*window).value(0), "Lisboa – Café  —  Travel");
    QTest::keyClick(window->search()->field(), Qt::Key_Escape);

    clickBar(window->toolBar(0), "EXPORTBM");
    EXPECT_EQ(asked, (QStringList{language.caption(Captions::ImportBookmarks),
                                  language.caption(Captions::ExportBookmarks)}));
    ASSERT_EQ(notifier.messages.size(), 2);
    EXPECT_TRUE(notifier.messages[1].contains(QDir::toNativeSeparators(exported)));
    const QString file = QString::fromUtf8(fileBytes(exported));
    EXPECT_TRUE(file.startsWith("<!DOCTYPE NETSCAPE-Bookmark-file-1>"));
    for (const QString folder : {"Imported", "Recipes", "Travel"})
        EXPECT_TRUE(file.contains("<H3>" + folder + "</H3>")) << folder.toStdString();
    EXPECT_TRUE(file.contains("HREF=\"https://lisboa.example/?a=1&amp;b=2\""));
    EXPECT_TRUE(file.contains(">Lisboa – Café</A>\n        <DD>Pastéis de nata\n"));
    EXPECT_TRUE(file.contains(">Porto</A>"));
    EXPECT_FALSE(file.contains("door code"));
}
