#pragma once

#include <QSortFilterProxyModel>

// Hides the rows whose node carries the "hidden" hint.
class FilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
};
