#pragma once

#include "linkentry.h"
#include "text/writeresult.h"

#include <QAbstractTableModel>
#include <QStringList>

// The links of the current group as the link table's grid shows them: column 0 the row
// number, then name, address (a hidden column), free text, private text (masked), the
// address as shown and the date added. The grid never has fewer than MinRows rows with
// its header, so blank rows follow the links.
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

    // Read_Table: count links of the group file at path; a missing file leaves the group
    // empty. minRows counts the header row, as the grid does.
    void readGroup(const QString &path, int count, int minRows);

    // Save_Table's file part: the links sorted by name (letter case mattering), links
    // without a name left out. On success the number written is the group's new count.
    struct SaveOutcome {
        WriteResult result;
        int count = 0;
    };
    SaveOutcome saveGroup(const QString &path);

    int linkCount() const { return m_count; }
    // Rows count from 0 here; row r is grid row r + 1.
    LinkEntry entry(int row) const;
    void setEntry(int row, const LinkEntry &entry);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<LinkEntry> m_entries; // one per row shown, links first
    int m_count = 0;
    QStringList m_titles;
};
