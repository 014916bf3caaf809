#include "linktablemodel.h"

#include <algorithm>

const QString LinkTableModel::Mask = QStringLiteral("********");

LinkTableModel::LinkTableModel(QObject *parent)
    : QAbstractTableModel(parent) {}

void LinkTableModel::setColumnTitles(const QStringList &titles) {
    m_titles = titles;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void LinkTableModel::setLinks(const QList<LinkEntry> &links, int minRows) {
    beginResetModel();
    m_count = static_cast<int>(links.size());
    m_entries = links;
    m_entries.resize(std::max(minRows - 1, m_count));
    m_revealedRow = -1;
    m_revealed = false;
    endResetModel();
}

bool LinkTableModel::isLink(int row) const {
    return row >= 0 && row < m_count && !m_entries[row].isBlank();
}

void LinkTableModel::addLink(const LinkEntry &entry) {
    const int row = m_count;
    if (row >= m_entries.size()) {
        beginInsertRows(QModelIndex(), row, row);
        m_entries.append(entry);
        ++m_count;
        endInsertRows();
        return;
    }
    ++m_count;
    setEntry(row, entry);
}

void LinkTableModel::sortLinks(Column column) {
    const auto text = [column](const LinkEntry &e) {
        return column == AddressColumn ? e.address : e.name;
    };
    beginResetModel();
    std::stable_sort(m_entries.begin(), m_entries.begin() + m_count,
                     [&text](const LinkEntry &a, const LinkEntry &b) {
                         return QString::compare(text(a), text(b), Qt::CaseInsensitive) < 0;
                     });
    m_revealedRow = -1;
    m_revealed = false;
    endResetModel();
}

void LinkTableModel::togglePrivate(int row) {
    if (row < 0 || row >= m_entries.size() || m_entries[row].privateText.isEmpty())
        return;
    if (row != m_revealedRow) {
        const int masked = m_revealed ? m_revealedRow : -1;
        m_revealedRow = row;
        m_revealed = true;
        if (masked >= 0)
            privateChanged(masked);
    } else {
        m_revealed = !m_revealed;
    }
    privateChanged(row);
}

void LinkTableModel::privateChanged(int row) {
    const QModelIndex cell = index(row, PrivateColumn);
    Q_EMIT dataChanged(cell, cell);
}

LinkEntry LinkTableModel::entry(int row) const {
    return m_entries.value(row);
}

void LinkTableModel::setEntry(int row, const LinkEntry &entry) {
    if (row < 0 || row >= m_entries.size())
        return;
    m_entries[row] = entry;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int LinkTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int LinkTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LinkTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == NumberColumn)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const LinkEntry &e = m_entries[index.row()];
    switch (index.column()) {
    case NumberColumn:
        // Rows the file could not fill stay blank, number included.
        return index.row() < m_count && !e.isBlank() ? QString::number(index.row() + 1) : QString();
    case NameColumn:
        return e.name;
    case AddressColumn:
        return e.address;
    case FreeTextColumn:
        return e.freeText;
    case PrivateColumn:
        if (role == Qt::EditRole || index.row() == revealedRow())
            return e.privateText;
        return e.privateText.isEmpty() ? QString() : Mask;
    case ShownAddressColumn:
        return e.shownAddress;
    case DateColumn:
        return e.dateAdded;
    }
    return {};
}

QVariant LinkTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == Qt::DisplayRole)
        return m_titles.value(section);
    return {};
}
