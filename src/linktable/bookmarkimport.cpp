#include "bookmarkimport.h"

#include "core/captions.h"
#include "core/languagefile.h"
#include "linktable.h"

BookmarkImport::BookmarkImport(LinkGroupStore store, LinkTitles titles, QString defaultTitle,
                               QString importedName, int capacity)
    : m_store(std::move(store))
    , m_titles(std::move(titles))
    , m_defaultTitle(std::move(defaultTitle))
    , m_importedName(std::move(importedName))
    , m_capacity(capacity) {}

QString BookmarkImport::groupName(const QString &folder, const QString &importedName) {
    const QString name = folder.isEmpty() ? importedName : folder;
    return name.left(GroupNameLength).trimmed();
}

bool BookmarkImport::isFree(int group) const {
    const int entry = group + 1;
    const QString title = m_titles.title(entry);
    // A group the user named keeps its name, even while it holds no link.
    return m_titles.count(entry) == 0 && !m_links.contains(group) &&
           (title.isEmpty() || title == m_defaultTitle + QLatin1Char(' ') + QString::number(entry));
}

int BookmarkImport::groupFor(const QString &name) {
    if (const auto known = m_groupOfName.constFind(name); known != m_groupOfName.constEnd())
        return *known;
    int found = -1;
    for (int group = 0; group < LinkTable::GroupCount && found < 0; ++group) {
        if (m_titles.title(group + 1) == name)
            found = group;
    }
    for (int group = 0; group < LinkTable::GroupCount && found < 0; ++group) {
        if (isFree(group)) {
            found = group;
            m_titles.setTitle(group + 1, name);
        }
    }
    if (found >= 0)
        linksOf(found);
    m_groupOfName.insert(name, found);
    return found;
}

QList<LinkEntry> &BookmarkImport::linksOf(int group) {
    auto links = m_links.find(group);
    if (links != m_links.end())
        return *links;
    QList<LinkEntry> read = m_store.read(group, m_titles.count(group + 1));
    QSet<QString> &addresses = m_addresses[group];
    for (const LinkEntry &entry : std::as_const(read))
        addresses.insert(entry.address);
    m_original.insert(group, read);
    return *m_links.insert(group, read);
}

void BookmarkImport::add(const QList<BookmarkLink> &links, int notWeb) {
    m_summary.notWeb += notWeb;
    for (const BookmarkLink &link : links) {
        const int group = groupFor(groupName(link.folder, m_importedName));
        if (group < 0) {
            ++m_summary.didNotFit;
            continue;
        }
        QSet<QString> &addresses = m_addresses[group];
        if (addresses.contains(link.address)) {
            ++m_summary.alreadyThere;
            continue;
        }
        QList<LinkEntry> &entries = m_links[group];
        if (entries.size() >= m_capacity) {
            ++m_summary.didNotFit;
            continue;
        }
        // A link needs a name, or the group's file would drop it.
        const QString name = link.title.isEmpty() ? link.address : link.title;
        entries.append({name, link.address, link.note, QString(),
                        LinkTable::shownAddress(link.address), link.date});
        addresses.insert(link.address);
        m_receiving.insert(group);
        ++m_summary.imported;
    }
    m_summary.groups = static_cast<int>(m_receiving.size());
}

WriteResult BookmarkImport::commit() {
    QList<int> written;
    WriteResult result = WriteResult::success(m_titles.path());
    QList<int> groups(m_receiving.begin(), m_receiving.end());
    std::sort(groups.begin(), groups.end());
    for (const int group : std::as_const(groups)) {
        const LinkGroupStore::SaveOutcome saved = m_store.write(group, m_links.value(group));
        if (!saved.result) {
            result = saved.result;
            break;
        }
        m_titles.setCount(group + 1, saved.count());
        written.append(group);
    }
    if (result)
        result = m_titles.save();
    if (!result) {
        // The titles file still counts the former links: the files must hold them again.
        for (const int group : std::as_const(written))
            (void)m_store.write(group, m_original.value(group));
    }
    return result;
}

QString BookmarkImport::message(const Summary &summary, const LanguageFile &language) {
    QString text = language.caption(Captions::ImportSummary)
                       .arg(summary.imported)
                       .arg(summary.groups)
                       .arg(summary.alreadyThere)
                       .arg(summary.didNotFit);
    if (summary.notWeb > 0)
        text += QLatin1Char('\n') + language.caption(Captions::ImportSkipped).arg(summary.notWeb);
    return text;
}

BookmarkImport::Outcome BookmarkImport::importFile(const QString &path) {
    Outcome outcome;
    outcome.file = BookmarkFile::read(path);
    if (outcome.file.error != BookmarkFile::Error::None)
        return outcome;
    add(outcome.file.links, outcome.file.notWeb);
    outcome.file.links.clear();
    outcome.summary = m_summary;
    outcome.written = commit();
    return outcome;
}
