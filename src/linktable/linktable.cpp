#include "linktable.h"

#include "core/captions.h"
#include "core/languagefile.h"

#include <QFileInfo>

LinkTable::LinkTable(const ProgramFolder &folder)
    : m_store(folder)
    , m_titles(folder.path(QStringLiteral("Links/Links.Bok"))) {}

WriteResult LinkTable::readTitles(const LanguageFile &language) {
    return m_titles.read(language.caption(Captions::EmptyGroupTitle));
}

void LinkTable::applyColumnTitles(const LanguageFile &language) {
    // The hidden address column is titled too, for screen readers.
    m_model.setColumnTitles(
        {language.caption(Captions::LinkColumnNumber), language.caption(Captions::LinkColumnTitle),
         language.caption(Captions::LinkColumnAddress),
         language.caption(Captions::LinkColumnPrivate), language.caption(Captions::LinkColumnNote),
         language.caption(Captions::LinkColumnDate), language.caption(Captions::LinkColumnCount)});
}

QString LinkTable::groupFilePath(int group) const {
    return m_store.path(group);
}

void LinkTable::setCurrentGroup(int group) {
    if (group >= 0 && group < GroupCount)
        m_currentGroup = group;
}

bool LinkTable::readTable(int minRows) {
    m_model.setLinks(m_store.read(m_currentGroup, m_titles.count(m_currentGroup + 1)), minRows);
    m_modified = false;
    const QFileInfo file(m_store.path(m_currentGroup));
    return !file.exists() || file.isReadable();
}

QString LinkTable::shownAddress(const QString &address) {
    if (address.size() <= ShownAddressLength)
        return address;
    return address.left(ShownAddressLength) + QStringLiteral("..");
}

LinkTable::AddOutcome LinkTable::addPage(const Page &page) {
    if (page.title.isEmpty())
        return AddOutcome::NoTitle;
    for (int row = 0; row < m_model.linkCount(); ++row) {
        if (m_model.entry(row).name == page.title)
            return AddOutcome::AlreadyThere;
    }
    m_model.addLink({page.title, page.address, QString(), QString(), shownAddress(page.addressText),
                     page.date});
    // The group's count follows when the save has written the link, so the titles never
    // count a link its file does not hold.
    m_modified = true;
    return AddOutcome::Added;
}

void LinkTable::setLink(int row, const LinkEntry &entry) {
    if (!m_model.isLink(row))
        return;
    m_model.setEntry(row, entry);
    m_modified = true;
}

WriteResult LinkTable::renameGroup(const QString &title) {
    m_pendingTitle.clear();
    m_titles.setTitle(m_currentGroup + 1, title);
    return m_titles.save();
}

WriteResult LinkTable::saveTable() {
    const LinkGroupStore::SaveOutcome saved = m_store.write(m_currentGroup, m_model.links());
    if (!saved.result)
        return saved.result;
    // The grid keeps its rows; the links move into their sorted order.
    m_model.setLinks(saved.links, m_model.rowCount() + 1);
    m_titles.setCount(m_currentGroup + 1, saved.count());
    m_modified = false;
    return saveTitle();
}

WriteResult LinkTable::saveTitle() {
    if (!m_pendingTitle.isEmpty()) {
        m_titles.setTitle(m_currentGroup + 1, m_pendingTitle);
        m_pendingTitle.clear();
    }
    return m_titles.save();
}
