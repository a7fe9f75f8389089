#include "files/SortFilterModel.h"

#include <QDateTime>

SortFilterModel::SortFilterModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

void SortFilterModel::setFilter(const QString& text)
{
    m_filter = text;
}

bool SortFilterModel::isInCondition(const QString& text) const
{
    return m_filter.isEmpty() || text.contains(m_filter, Qt::CaseInsensitive);
}

bool SortFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_filter.isEmpty())
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, filterKeyColumn() < 0 ? 0 : filterKeyColumn(), sourceParent);
    return isInCondition(index.data(filterRole()).toString());
}

bool SortFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant a = sourceModel()->data(left, sortRole());
    const QVariant b = sourceModel()->data(right, sortRole());
    if (a.typeId() == QMetaType::QDateTime)
        return a.toDateTime() < b.toDateTime();
    if (a.typeId() == QMetaType::QString)
        return a.toString().compare(b.toString(), Qt::CaseSensitive) < 0;
    return QSortFilterProxyModel::lessThan(left, right);
}
