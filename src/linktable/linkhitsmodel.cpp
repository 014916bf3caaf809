#include "linkhitsmodel.h"

LinkHitsModel::LinkHitsModel(QObject *parent)
    : QAbstractListModel(parent) {}

void LinkHitsModel::setHits(QList<LinkSearch::Hit> hits) {
    if (hits.isEmpty() && m_hits.isEmpty())
        return;
    beginResetModel();
    m_hits = std::move(hits);
    endResetModel();
}

int LinkHitsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_hits.size());
}

QString LinkHitsModel::text(const LinkSearch::Hit &hit) {
    return hit.name + QStringLiteral("  —  ") + hit.groupTitle;
}

QVariant LinkHitsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_hits.size())
        return {};
    const LinkSearch::Hit &hit = m_hits[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return text(hit);
    case Qt::ToolTipRole:
        return hit.shownAddress;
    case AddressRole:
        return hit.address;
    default:
        return {};
    }
}
