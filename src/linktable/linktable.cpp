#include "linktable.h"

#include "core/languagefile.h"

LinkTable::LinkTable(const ProgramFolder &folder)
    : m_store(folder)
    , m_titles(folder.path(QStringLiteral("Links/Links.Bok"))) {}

WriteResult LinkTable::readTitles(const LanguageFile &language) {
    return m_titles.read(language.caption(34));
}

void LinkTable::applyColumnTitles(const LanguageFile &language) {
    m_model.setColumnTitles({language.caption(64), language.caption(65), QString(),
                             language.caption(67), language.caption(68), language.caption(69),
                             language.caption(73)});
}

QString LinkTable::groupFilePath(int group) const {
    return m_store.path(group);
}

void LinkTable::setCurrentGroup(int group) {
    if (group >= 0 && group < GroupCount)
        m_currentGroup = group;
}

void LinkTable::readTable(int minRows) {
    m_model.setLinks(m_store.read(m_currentGroup, m_titles.count(m_currentGroup + 1)), minRows);
}

WriteResult LinkTable::saveTable() {
    const LinkGroupStore::SaveOutcome saved = m_store.write(m_currentGroup, m_model.links());
    if (!saved.result)
        return saved.result;
    // The grid keeps its rows; the links move into their sorted order.
    m_model.setLinks(saved.links, m_model.rowCount() + 1);
    m_titles.setCount(m_currentGroup + 1, saved.count());
    return saveTitle();
}

WriteResult LinkTable::saveTitle() {
    if (!m_pendingTitle.isEmpty()) {
        m_titles.setTitle(m_currentGroup + 1, m_pendingTitle);
        m_pendingTitle.clear();
    }
    return m_titles.save();
}
