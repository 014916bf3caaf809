#pragma once

#include "linkentry.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The links of the current group as the link table's grid shows them: column 0 the row
// number, then name, address (a hidden column), free text, private text, the address as
// shown and the date added. The private text is masked for display; the edit role gives it
// in full, for the link editor. Reading and writing the group is LinkGroupStore's part.
class LinkTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        NumberColumn,
        NameColumn,
        AddressColumn,
        FreeTextColumn,
        PrivateColumn,
        ShownAddressColumn,
        DateColumn,
        ColumnCount
    };
    static const QString Mask;

    explicit LinkTableModel(QObject *parent = nullptr);

    // Column_Titles: the seven header texts (the address column has none).
    void setColumnTitles(const QStringList &titles);

    // The links of a group, shown in as many rows as there are links, and at least minRows
    // with the header row, as the grid counts them; blank rows follow the links.
    void setLinks(const QList<LinkEntry> &links, int minRows);
    // The first linkCount rows as they stand now, edits included.
    QList<LinkEntry> links() const { return m_entries.mid(0, m_count); }

    int linkCount() const { return m_count; }
    // Rows count from 0 here; row r is grid row r + 1.
    LinkEntry entry(int row) const;
    void setEntry(int row, const LinkEntry &entry);
    // A row that holds a link, not one of the blank rows after them or a row the file
    // could not fill.
    bool isLink(int row) const;
    // The link goes into the row after the last link, the rows growing when none is left.
    void addLink(const LinkEntry &entry);
    // Sorts the links by one column's text, ignoring letter case; links of equal text keep
    // their order. The blank rows stay after them.
    void sortLinks(Column column);

    // The private column shows the text of one row at a time: a click on another row's
    // private cell masks the row shown and shows that one; a click on the row shown masks
    // it, and a click again shows it. A row without private text does nothing.
    void togglePrivate(int row);
    // -1 when every private text is masked.
    int revealedRow() const { return m_revealed ? m_revealedRow : -1; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void privateChanged(int row);

    QList<LinkEntry> m_entries; // one per row shown, links first
    int m_count = 0;
    int m_revealedRow = -1;
    bool m_revealed = false;
    QStringList m_titles;
};
