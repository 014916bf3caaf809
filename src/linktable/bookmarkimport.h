#pragma once

#include "bookmarkfile.h"
#include "linkgroupstore.h"
#include "linktitles.h"

#include <QHash>
#include <QSet>

class LanguageFile;

// Bookmarks added to the link table: each folder's links go into the group of the
// folder's name, made in the first empty group when no group has that name; links outside
// any folder go into the group named for imported links. Nothing the table holds is
// replaced. Works on a copy of the titles and the groups it touches, so the files change
// only at commit().
class BookmarkImport {
public:
    // A tab shortens long titles anyway; beyond this a name no longer tells groups apart.
    static constexpr int GroupNameLength = 40;

    struct Summary {
        int imported = 0;
        int groups = 0; // groups that received links
        int alreadyThere = 0;
        int didNotFit = 0; // no free group, or a full one
        int notWeb = 0;    // not http, https or ftp: skipped
    };

    // defaultTitle: the stem an empty group's title carries (caption 34); capacity: the
    // links a group can hold.
    BookmarkImport(LinkGroupStore store, LinkTitles titles, QString defaultTitle,
                   QString importedName, int capacity = LinkTitles::MaxCount);

    void add(const QList<BookmarkLink> &links, int notWeb = 0);
    const Summary &summary() const { return m_summary; }
    const LinkTitles &titles() const { return m_titles; }

    // Writes the groups that received links, then the titles with their new counts. When a
    // write fails, the groups written before it get their former links back.
    WriteResult commit();

    // The group a folder's links go into, cut to GroupNameLength.
    static QString groupName(const QString &folder, const QString &importedName);
    // "N links imported into M groups; ..." in the language's words.
    static QString message(const Summary &summary, const LanguageFile &language);

    // The whole import of one file: read (BookmarkFile::Error::None when read), added,
    // and committed when the file was read whole.
    struct Outcome {
        BookmarkFile::Parsed file; // its links are dropped once added
        Summary summary;
        WriteResult written;
    };
    Outcome importFile(const QString &path);

private:
    // -1 when no group has the name and none is free.
    int groupFor(const QString &name);
    bool isFree(int group) const;
    QList<LinkEntry> &linksOf(int group);

    LinkGroupStore m_store;
    LinkTitles m_titles;
    QString m_defaultTitle;
    QString m_importedName;
    int m_capacity;
    QHash<QString, int> m_groupOfName;
    QHash<int, QList<LinkEntry>> m_links;    // the groups read, as changed
    QHash<int, QList<LinkEntry>> m_original; // the same groups as read
    QHash<int, QSet<QString>> m_addresses;
    QSet<int> m_receiving;
    Summary m_summary;
};
