#pragma once

#include "linksearch.h"

#include <QAbstractListModel>
#include <QList>

// The links a search found, one row each: "Title — Group" shown, the shown address as the
// tooltip, the address to open under AddressRole. The whole list is replaced at once, so a
// keystroke costs one reset of the view, not an item made per hit.
class LinkHitsModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int AddressRole = Qt::UserRole;

    explicit LinkHitsModel(QObject *parent = nullptr);

    void setHits(QList<LinkSearch::Hit> hits);
    void clear() { setHits({}); }
    const QList<LinkSearch::Hit> &hits() const { return m_hits; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // What a row shows.
    static QString text(const LinkSearch::Hit &hit);

private:
    QList<LinkSearch::Hit> m_hits;
};
