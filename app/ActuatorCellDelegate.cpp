#include "app/ActuatorCellDelegate.h"

#include "propertyeditor/EditorValue.h"

void ActuatorCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    QStyledItemDelegate::setEditorData(editor, index);
    EditorValue::remember(editor, EditorValue::userValue(editor));
}

void ActuatorCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const
{
    if (!EditorValue::unchanged(editor, EditorValue::userValue(editor)))
        QStyledItemDelegate::setModelData(editor, model, index);
}
