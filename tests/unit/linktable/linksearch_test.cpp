#include "filehelpers.h"
#include "linktable/linkgroupfile.h"
#include "linktable/linksearch.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The search over every group's files, as the link table holds them.
namespace {

class LinkSearchFiles : public ::testing::Test {
protected:
    void putGroup(int group, const QString &title, const QList<LinkEntry> &links) {
        titles.setTitle(group + 1, title);
        titles.setCount(group + 1, int(links.size()));
        ASSERT_TRUE(LinkGroupFile::write(store.path(group), links).ok);
    }
    QStringList found(const QString &text) {
        if (!search.isBuilt())
            search.rebuild(store, titles, 105);
        QStringList names;
        for (const LinkSearch::Hit &hit : search.find(text, 100))
            names.append(hit.name + QLatin1Char('@') + hit.groupTitle);
        return names;
    }

    QTemporaryDir dir;
    LinkGroupStore store{ProgramFolder(dir.path())};
    LinkTitles titles{dir.filePath(QStringLiteral("Links/Links.Bok"))};
    LinkSearch search;
};

LinkEntry link(const QString &name, const QString &address, const QString &note = QString(),
               const QString &secret = QString()) {
    return {name, address, note, secret, address, QStringLiteral("2025-06-30")};
}

} // namespace

TEST_F(LinkSearchFiles, FindsTitlesAddressesAndNotesInEveryGroupIgnoringCaseAndAccents) {
    putGroup(0, QStringLiteral("Work"), {link(QStringLiteral("Mail"), "https://mail.example/")});
    putGroup(
        64, QStringLiteral("Food"),
        {link(QStringLiteral("CAFÉ Bleu"), "https://bleu.example/"),
         link(QStringLiteral("Bakery"), "https://crème-brûlée.example/"),
         link(QStringLiteral("Market"), "https://m.example/", QStringLiteral("Açaí on Fridays"))});
    putGroup(104, QStringLiteral("Last"),
             {link(QStringLiteral("Café Noir"), "https://noir.example/")});

    EXPECT_EQ(found(QStringLiteral("cafe")), (QStringList{"CAFÉ Bleu@Food", "Café Noir@Last"}));
    EXPECT_EQ(found(QStringLiteral("creme brulee")), QStringList{"Bakery@Food"});
    EXPECT_EQ(found(QStringLiteral("acai")), QStringList{"Market@Food"});
    EXPECT_EQ(found(QStringLiteral("  noir   CAFÉ ")), QStringList{"Café Noir@Last"});
    EXPECT_TRUE(found(QStringLiteral(" ")).isEmpty());
    EXPECT_TRUE(found(QStringLiteral("tea")).isEmpty());
}

TEST_F(LinkSearchFiles, ThePrivateValueIsNeitherSearchedNorHandedOut) {
    putGroup(3, QStringLiteral("Bank"),
             {link(QStringLiteral("Bank"), "https://bank.example/", QString(), "pin 4711")});
    EXPECT_TRUE(found(QStringLiteral("4711")).isEmpty());
    const QList<LinkSearch::Hit> hits = search.find(QStringLiteral("bank"), 10);
    ASSERT_EQ(hits.size(), 1);
    EXPECT_EQ(hits[0].group, 3);
    EXPECT_EQ(hits[0].address, "https://bank.example/");
}
