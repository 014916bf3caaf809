#include "core/captions.h"
#include "core/languagefile.h"
#include "filehelpers.h"
#include "linktable/bookmarkexport.h"
#include "linktable/bookmarkimport.h"
#include "linktable/linkgroupfile.h"
#include "linktable/linktable.h"
#include "text/textfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// Bookmark files read into a real program folder's Links, and written from it.
namespace {

const QString DefaultTitle = QStringLiteral("Group");
const QString Imported = QStringLiteral("Imported");

QString firefoxFile() {
    return QStringLiteral(LINKTABLE_TEST_DATA "/firefox-bookmarks.html");
}

class BookmarkImportFiles : public ::testing::Test {
protected:
    BookmarkImportFiles() { EXPECT_TRUE(titles.read(DefaultTitle).ok); }

    BookmarkImport::Outcome importFile(const QString &path, int capacity = LinkTitles::MaxCount) {
        BookmarkImport import(store, titles, DefaultTitle, Imported, capacity);
        BookmarkImport::Outcome outcome = import.importFile(path);
        titles = import.titles();
        return outcome;
    }
    void putGroup(int group, const QString &title, const QList<LinkEntry> &links) {
        titles.setTitle(group + 1, title);
        titles.setCount(group + 1, int(links.size()));
        ASSERT_TRUE(LinkGroupFile::write(store.path(group), links).ok);
        ASSERT_TRUE(titles.save().ok);
    }
    QList<LinkEntry> group(int group) const {
        // As the program reads them: the titles file counts the lines.
        LinkTitles written(titles.path());
        EXPECT_TRUE(written.read(DefaultTitle).ok);
        return store.read(group, written.count(group + 1));
    }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    LinkGroupStore store{folder};
    LinkTitles titles{folder.path(QStringLiteral("Links/Links.Bok"))};
};

LinkEntry link(const QString &name, const QString &address, const QString &note = QString(),
               const QString &secret = QString()) {
    return {name, address, note, secret, address, QStringLiteral("2025-06-30")};
}

} // namespace

TEST_F(BookmarkImportFiles, FirefoxFileFillsNamedGroupsAndASecondImportAddsNothing) {
    putGroup(0, QStringLiteral("Mine"), {}); // named by the user: not free, though empty
    putGroup(5, QStringLiteral("Travel"),
             {link(QStringLiteral("Porto"), "https://porto.example/")});

    const BookmarkImport::Outcome first = importFile(firefoxFile());
    ASSERT_EQ(first.file.error, BookmarkFile::Error::None);
    ASSERT_TRUE(first.written.ok) << first.written.error.toStdString();
    EXPECT_EQ(first.summary.imported, 4);
    EXPECT_EQ(first.summary.groups, 4);
    EXPECT_EQ(first.summary.alreadyThere, 0);
    EXPECT_EQ(first.summary.didNotFit, 0);
    EXPECT_EQ(first.summary.notWeb, 3); // javascript:, place: and file:

    EXPECT_EQ(titles.title(1), "Mine");
    EXPECT_EQ(titles.title(2), Imported);
    EXPECT_EQ(titles.title(3), "Travel / Spain");
    EXPECT_EQ(titles.title(4), "Bookmarks Toolbar");
    const QList<LinkEntry> imported = group(1);
    ASSERT_EQ(imported.size(), 1);
    EXPECT_EQ(imported[0].name, "Get Help & Support");
    EXPECT_EQ(imported[0].address, "https://www.mozilla.org/en-US/firefox/");
    EXPECT_EQ(imported[0].freeText, "Firefox's own \"help\" pages");
    EXPECT_EQ(imported[0].dateAdded, "2023-11-14");
    EXPECT_TRUE(imported[0].privateText.isEmpty());

    // The group of that name already held a link: it keeps it, the new one joins it.
    const QList<LinkEntry> travel = group(5);
    ASSERT_EQ(travel.size(), 2);
    EXPECT_EQ(travel[0].name, "Lisboa – Café Brasileira");
    EXPECT_EQ(travel[0].address, "https://www.example.org/lisbon?a=1&b=2");
    EXPECT_EQ(travel[0].freeText, "Best pastéis de nata, then the tram");
    EXPECT_EQ(travel[0].dateAdded, "2024-01-01");
    EXPECT_EQ(travel[1].name, "Porto");
    // Named references as HTML 4 has them; a bare & or one without its ; stays as written.
    EXPECT_EQ(group(2).value(0).name, QString::fromUtf8("Sevilla <Alcázar> – 5 € &amp c&eacute"));
    EXPECT_EQ(group(2).value(0).dateAdded, "2024-02-01");
    EXPECT_EQ(group(3).value(0).name, "日本語のページ");

    // The files keep their format and stay the owner's alone.
    for (const QString &path : {titles.path(), store.path(1), store.path(5)})
        EXPECT_EQ(QFile::permissions(path) &
                      (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                  QFile::Permissions())
            << path.toStdString();
    EXPECT_TRUE(fileBytes(store.path(1)).contains(";-;https://www.mozilla.org/en-US/firefox/;-;"));

    const QByteArray before = fileBytes(titles.path());
    const BookmarkImport::Outcome second = importFile(firefoxFile());
    EXPECT_EQ(second.summary.imported, 0);
    EXPECT_EQ(second.summary.alreadyThere, 4);
    EXPECT_EQ(fileBytes(titles.path()), before);
    EXPECT_EQ(group(5).size(), 2);
}

TEST_F(BookmarkImportFiles, LinksThatDoNotFitAreCountedNotWritten) {
    const QString path = dir.filePath(QStringLiteral("full.html"));
    putFile(path, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
                  "<DT><A HREF=\"https://a.example/\">A</A>\n"
                  "<DT><A HREF=\"https://b.example/\">B</A>\n"
                  "<DT><A HREF=\"https://c.example/\">C</A>\n</DL>\n");
    const BookmarkImport::Outcome outcome = importFile(path, 2);
    EXPECT_EQ(outcome.summary.imported, 2);
    EXPECT_EQ(outcome.summary.didNotFit, 1);
    EXPECT_EQ(group(0).size(), 2);

    // With every group named by the user, a folder of a new name has nowhere to go.
    for (int g = 0; g < LinkTable::GroupCount; ++g)
        titles.setTitle(g + 1, QStringLiteral("Kept %1").arg(g));
    ASSERT_TRUE(titles.save().ok);
    EXPECT_EQ(importFile(path).summary.didNotFit, 3);
    EXPECT_EQ(titles.title(1), "Kept 0");
}

TEST_F(BookmarkImportFiles, BadInputIsToldAndLeavesTheLinkTableAsItWas) {
    putGroup(0, QStringLiteral("Mine"), {link(QStringLiteral("Old"), "https://old.example/")});
    const QByteArray head = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
    using E = BookmarkFile::Error;
    const struct {
        const char *what;
        QByteArray bytes;
        E error;
    } cases[] = {
        {"an ordinary page", "<html><body><a href=\"https://a.example/\">a</a></body></html>",
         E::NotBookmarkFile},
        {"text before the heading", "hello\n" + head, E::NotBookmarkFile},
        {"a picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), E::Binary},
        {"a tag never closed", head + "<DT><A HREF=\"https://a.example/\" ADD_DATE=\"1", E::Broken},
        {"a link never closed", head + "<DT><A HREF=\"https://a.example/\">a\n</DL>", E::Broken},
        {"a comment never closed", head + "<!-- <DT><A HREF=\"https://a.example/\">a</A>",
         E::Broken},
    };
    const QByteArray titlesBefore = fileBytes(titles.path());
    const QString path = dir.filePath(QStringLiteral("bad.html"));
    for (const auto &bad : cases) {
        putFile(path, bad.bytes);
        const BookmarkImport::Outcome outcome = importFile(path);
        EXPECT_EQ(outcome.file.error, bad.error) << bad.what;
        EXPECT_EQ(outcome.summary.imported, 0) << bad.what;
        EXPECT_EQ(fileBytes(titles.path()), titlesBefore) << bad.what;
    }

    // 50 MB is refused before it is read.
    QFile large(dir.filePath(QStringLiteral("large.html")));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write(head);
    ASSERT_TRUE(large.resize(50 * 1024 * 1024));
    large.close();
    EXPECT_EQ(importFile(large.fileName()).file.error, E::TooLarge);
    EXPECT_EQ(fileBytes(titles.path()), titlesBefore);
    EXPECT_EQ(group(0).size(), 1);
}

TEST_F(BookmarkImportFiles, ScriptAndFileAddressesAreSkippedAndControlCharactersBlanked) {
    const QString path = dir.filePath(QStringLiteral("odd.html"));
    putFile(path, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
                  "<DT><A HREF=\"javascript:alert(document.cookie)\">Run me</A>\n"
                  "<DT><A HREF=\"JAVASCRIPT:void(0)\">Me too</A>\n"
                  "<DT><A HREF=\"file:///home/me/.ssh/id_rsa\">Key</A>\n"
                  "<DT><A HREF=\"https://ok.example/\">Line\rbreak\x01\x1b;-;here&#10;</A>\n"
                  "<DD>note&#13;&#10;two\n</DL>\n");
    const BookmarkImport::Outcome outcome = importFile(path);
    EXPECT_EQ(outcome.summary.notWeb, 3);
    EXPECT_EQ(outcome.summary.imported, 1);
    const QList<LinkEntry> links = group(0);
    ASSERT_EQ(links.size(), 1);
    // Nothing of the title may break the link's line or shift its fields.
    EXPECT_EQ(links[0].name, "Line break ;- ;here");
    EXPECT_EQ(links[0].address, "https://ok.example/");
    EXPECT_EQ(links[0].freeText, "note two");
    EXPECT_EQ(TextFile::readLines(store.path(0)).value_or(QStringList()).size(), 1);
}

TEST_F(BookmarkImportFiles, ExportThenImportIntoEmptyLinksGivesTheSameLinks) {
    putGroup(0, QStringLiteral("News & <views>"),
             {link(QStringLiteral("Café \"Zeit\""), "https://zeit.example/?a=1&b=2",
                   QStringLiteral("read <daily>"), QStringLiteral("secret-pin-4711")),
              link(QStringLiteral("Zürich"), "http://zh.example/")});
    putGroup(9, QStringLiteral("Travel / Spain"),
             {link(QStringLiteral("Sevilla"), "ftp://s.example/")});
    const QString path = dir.filePath(QStringLiteral("out/bookmarks.html"));
    ASSERT_TRUE(BookmarkExport::write(path, store, titles, LinkTable::GroupCount).ok);
    const QByteArray written = fileBytes(path);
    EXPECT_TRUE(written.startsWith("<!DOCTYPE NETSCAPE-Bookmark-file-1>"));
    EXPECT_FALSE(written.contains("secret-pin"));
    EXPECT_EQ(written.count("<H3>"), 2); // empty groups are left out

    QTemporaryDir other;
    const ProgramFolder otherFolder(other.path());
    const LinkGroupStore otherStore(otherFolder);
    LinkTitles otherTitles(otherFolder.path(QStringLiteral("Links/Links.Bok")));
    ASSERT_TRUE(otherTitles.read(DefaultTitle).ok);
    BookmarkImport import(otherStore, otherTitles, DefaultTitle, Imported);
    const BookmarkImport::Outcome outcome = import.importFile(path);
    ASSERT_TRUE(outcome.written.ok);
    EXPECT_EQ(outcome.summary.imported, 3);
    const auto same = [](const QList<LinkEntry> &a, const QList<LinkEntry> &b) -> void {
        ASSERT_EQ(a.size(), b.size());
        for (int i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].name, b[i].name);
            EXPECT_EQ(a[i].address, b[i].address);
            EXPECT_EQ(a[i].freeText, b[i].freeText);
            EXPECT_EQ(a[i].dateAdded, b[i].dateAdded);
            EXPECT_TRUE(b[i].privateText.isEmpty());
        }
    };
    EXPECT_EQ(import.titles().title(1), titles.title(1));
    EXPECT_EQ(import.titles().title(2), titles.title(10));
    same(group(0), otherStore.read(0, import.titles().count(1)));
    same(group(9), otherStore.read(1, import.titles().count(2)));
}

TEST(BookmarkImportMessage, SummaryNamesEveryCount) {
    LanguageFile english;
    ASSERT_TRUE(english.load(QStringLiteral(QUORT_SOURCE_DATA "/languages/Trans_English.txt")));
    BookmarkImport::Summary summary;
    summary.imported = 12;
    summary.groups = 3;
    summary.alreadyThere = 4;
    summary.didNotFit = 5;
    EXPECT_EQ(BookmarkImport::message(summary, english),
              english.caption(Captions::ImportSummary).arg(12).arg(3).arg(4).arg(5));
    EXPECT_FALSE(BookmarkImport::message(summary, english).contains(QLatin1Char('%')));
    summary.notWeb = 2;
    EXPECT_TRUE(BookmarkImport::message(summary, english).contains(QLatin1Char('\n')));
}
