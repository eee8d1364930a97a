#pragma once

#include <QItemDelegate>
#include <QPair>
#include <QString>
#include <QVector>

class QSignalMapper;

// Edits a table row with a combo box of the keys of one VoroDefinitions enumeration, shown
// translated. Picking an item commits at once; a value the model refuses falls back to the
// first item. A value the model names in ExcludedValueRole for a cell is not offered there.
class ComboBoxDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    // The value (int) a cell's box must not offer, such as the actuator itself as the one it
    // follows; none when every value may be picked.
    static constexpr int ExcludedValueRole = Qt::UserRole + 18;

    ComboBoxDelegate(const char* enumeration, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;

    // (key, value) of the enumeration in declaration order.
    const QVector<QPair<QString, int>>& items() const { return m_items; }

private:
    QVector<QPair<QString, int>> m_items;
    QSignalMapper* m_mapper;
};
