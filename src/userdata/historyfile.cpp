#include "historyfile.h"

#include "text/textfile.h"

HistoryFile::HistoryFile(QString path)
    : m_path(std::move(path)) {}

QStringList HistoryFile::read() const {
    return TextFile::readLines(m_path).value_or(QStringList());
}

QStringList HistoryFile::entriesToSave(const QStringList &list) {
    const qsizetype first = list.size() > SavedEntries ? list.size() - SavedEntries : 0;
    QStringList entries;
    for (qsizetype i = first; i < list.size(); ++i) {
        if (!list[i].isEmpty())
            entries.append(TextFile::oneLine(list[i]));
    }
    return entries;
}

WriteResult HistoryFile::save(const QStringList &list) const {
    return TextFile::writeLines(m_path, entriesToSave(list));
}

bool HistoryFile::containsAddress(const QStringList &list, const QString &barText) {
    const QString wanted = barText.trimmed();
    for (const QString &entry : list) {
        if (entry.trimmed() == wanted)
            return true;
    }
    return false;
}
