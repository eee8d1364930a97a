#include "propertyeditor/FilterProxyModel.h"

#include "propertyeditor/Property.h"
#include "propertyeditor/QPropertyModel.h"

bool FilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    // Nodes are only known behind a property model.
    if (!qobject_cast<const QPropertyModel*>(sourceModel()))
        return true;
    const QModelIndex source = sourceModel()->index(sourceRow, 1, sourceParent);
    const auto* node = static_cast<const Property*>(source.internalPointer());
    return !node || !node->isHidden();
}
