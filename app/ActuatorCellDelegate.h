#pragma once

#include <QStyledItemDelegate>

// The editor of the actuator table's plain cells (line edits). It takes only what its field
// may hold (a number, a location of at most 24 characters), shows what that is as its tool
// tip and says so when a key or what was typed is refused; it writes back only what the user
// changed, so that a value the table would clamp (a setpoint outside what the editors accept)
// survives opening and closing the editor.
class ActuatorCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

signals:
    // What was typed was not taken: `problem` names the field and what it may hold.
    void inputRefused(const QString& problem);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};
