#pragma once

#include <QStyledItemDelegate>

// The editor of the actuator table's plain cells (line edits). With every edit trigger one
// click opens it; it writes back only what the user changed, so that a value the table would
// clamp (a setpoint outside what the editors accept) survives the click.
class ActuatorCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};
