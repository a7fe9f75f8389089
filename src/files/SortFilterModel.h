#pragma once

#include <QSortFilterProxyModel>

// The proxy between the thumbnail browser's item model and its view: a
// caption filter and an order by the sort role (dates before strings).
class SortFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit SortFilterModel(QObject* parent = nullptr);

    // Shows only the rows whose filter-role text contains `text`, ignoring
    // case; an empty text shows every row. Takes effect on invalidate().
    void setFilter(const QString& text);
    QString filter() const { return m_filter; }
    // The filter's test on one text.
    bool isInCondition(const QString& text) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    // Dates compare by time, strings case-sensitively; other values as the
    // base class compares them.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString m_filter;
};
