#pragma once

#include <QSortFilterProxyModel>

// The comparison as the user sorts it by clicking a column's header: numbers by their value, texts
// by their letters (case ignored), a number before a text or an empty cell. Unsorted it shows the
// comparison's own order, most moved first, which is also the order the export writes.
class ComparisonSortModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
