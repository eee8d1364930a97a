#pragma once

#include <QAbstractItemModel>
#include <QStringList>

// Reading a property tree the way the user sees it.

// "name=value" of every row below `parent`, as the display role shows them.
inline QStringList rowTexts(const QAbstractItemModel* model, const QModelIndex& parent)
{
    QStringList rows;
    for (int r = 0; r < model->rowCount(parent); ++r) {
        rows << model->index(r, 0, parent).data().toString() + QLatin1Char('=')
                + model->index(r, 1, parent).data().toString();
    }
    return rows;
}

// The index of the row named `name` (display role) under the group titled `group`.
inline QModelIndex findRow(const QAbstractItemModel* model, const QString& group,
                           const QString& name, int column = 0)
{
    for (int g = 0; g < model->rowCount(); ++g) {
        const QModelIndex groupIndex = model->index(g, 0);
        if (groupIndex.data().toString() != group)
            continue;
        for (int r = 0; r < model->rowCount(groupIndex); ++r) {
            const QModelIndex row = model->index(r, 0, groupIndex);
            if (row.data().toString() == name)
                return row.sibling(r, column);
        }
    }
    return QModelIndex();
}
