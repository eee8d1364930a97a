#include "app/ComboBoxDelegate.h"

#include "app/ButtonDelegate.h"
#include "records/VoroDefinitions.h"

#include <QComboBox>
#include <QEvent>
#include <QMetaEnum>
#include <QSignalMapper>

ComboBoxDelegate::ComboBoxDelegate(const char* enumeration, QObject* parent)
    : QItemDelegate(parent)
    , m_mapper(new QSignalMapper(this))
{
    const QMetaObject& meta = VoroDefinitions::staticMetaObject;
    const int e = meta.indexOfEnumerator(enumeration);
    if (e >= 0) {
        const QMetaEnum values = meta.enumerator(e);
        for (int i = 0; i < values.keyCount(); ++i)
            m_items.append({ QString::fromLatin1(values.key(i)), values.value(i) });
    }
    connect(m_mapper, SIGNAL(mapped(QWidget*)), this, SIGNAL(commitData(QWidget*)));
}

QWidget* ComboBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const
{
    auto* box = new QComboBox(parent);
    box->setMaxVisibleItems(20);
    // The table keeps the focus and opens the box for the keyboard (ActuatorTable).
    box->setFocusPolicy(Qt::NoFocus);
    const QVariant excluded = index.data(ExcludedValueRole);
    for (const auto& item : m_items) {
        if (excluded.isValid() && excluded.toInt() == item.second)
            continue;
        box->addItem(QIcon(), QObject::tr(item.first.toLocal8Bit().constData()), item.second);
    }
    connect(box, qOverload<int>(&QComboBox::currentIndexChanged), m_mapper,
            qOverload<>(&QSignalMapper::map));
    m_mapper->setMapping(box, box);
    return box;
}

void ComboBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* box = qobject_cast<QComboBox*>(editor);
    if (!box)
        return;
    // showing the model's value is no edit
    const bool blocked = m_mapper->blockSignals(true);
    const int value = index.data(Qt::EditRole).toInt();
    box->setCurrentIndex(
        box->findData(value, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_mapper->blockSignals(blocked);
}

void ComboBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const
{
    auto* box = qobject_cast<QComboBox*>(editor);
    // A box that shows no item (the model's value matched none) has nothing to say; committing
    // it, as focus changes do, would overwrite the stored value.
    if (!box || box->currentIndex() < 0)
        return;
    if (model->setData(index, box->currentData(Qt::UserRole), Qt::EditRole) || box->count() == 0)
        return;
    // Refused: fall back to the first item. The view ignores a commit made from inside a
    // commit, so the fallback is written here rather than through commitData.
    const bool blocked = m_mapper->blockSignals(true);
    box->setCurrentIndex(0);
    m_mapper->blockSignals(blocked);
    model->setData(index, box->itemData(0, Qt::UserRole), Qt::EditRole);
}

void ComboBoxDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const
{
    editor->setGeometry(ButtonDelegate::insideCell(option.rect));
}

bool ComboBoxDelegate::eventFilter(QObject* object, QEvent* event)
{
    // A wheel turned over the table scrolls it, also where a box lies under the pointer; the
    // box changes only when the user picks from its list.
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(object)) {
        event->ignore();
        return true;
    }
    return QItemDelegate::eventFilter(object, event);
}
