#include "propertyeditor/EnumProperty.h"

#include <QComboBox>
#include <QMetaProperty>
#include <QSignalBlocker>
#include <QStandardItemModel>

EnumProperty::EnumProperty(const QString& name, QObject* propertyObject, QObject* parent)
    : Property(name, propertyObject, parent)
{ }

QVariant EnumProperty::value(int role) const
{
    if (role != Qt::DisplayRole || !propertyObject())
        return Property::value(role);
    return valueText(Property::value(Qt::UserRole).toInt());
}

QWidget* EnumProperty::createEditor(QWidget* parent, const QStyleOptionViewItem&)
{
    auto* combo = new QComboBox(parent);
    auto* model = new QStandardItemModel(combo);
    combo->setModel(model);

    const QMetaEnum e = metaEnum();
    for (int i = 0; i < e.keyCount(); ++i) {
        auto* item = new QStandardItem(valueText(e.value(i)));
        item->setData(QString::fromLatin1(e.key(i)), Qt::UserRole);
        item->setEnabled(!isItemDisabled(e.value(i)));
        model->appendRow(item);
    }

    // A heading stands just before the enumeration item it is keyed with; one keyed past the
    // end goes last, one keyed below zero first.
    const QMap<int, QString> headings = labels();
    int inserted = 0;
    for (auto it = headings.cbegin(); it != headings.cend(); ++it, ++inserted) {
        auto* heading = new QStandardItem(it.value());
        heading->setEnabled(false);
        const qint64 row = qint64(it.key()) + inserted;
        model->insertRow(int(qBound<qint64>(0, row, model->rowCount())), heading);
    }

    if (const int visible = maxVisibleItems())
        combo->setMaxVisibleItems(visible);

    m_editor = combo;
    connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this, combo](int index) { writeChoice(combo, index); });
    return combo;
}

QVariant EnumProperty::editorData(QWidget* editor)
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return combo->currentData(Qt::UserRole);
    return QVariant();
}

bool EnumProperty::setEditorData(QWidget* editor, const QVariant& data)
{
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo)
        return false;
    // A value the enumeration does not know (a faulty box) selects no item: showing one would
    // pass it off as the value, and choosing that very item would then write nothing.
    const char* key = metaEnum().valueToKey(data.toInt());
    const int index = key
        ? combo->findData(QString::fromLatin1(key), Qt::UserRole, Qt::MatchCaseSensitive)
        : -1;
    const QSignalBlocker blocker(combo); // showing the value is no choice
    combo->setCurrentIndex(index);
    return true;
}

void EnumProperty::valueChanged(const QString&)
{
    if (m_editor)
        writeChoice(m_editor, m_editor->currentIndex());
}

QMetaEnum EnumProperty::metaEnum() const
{
    if (!propertyObject())
        return QMetaEnum();
    const QMetaObject* meta = propertyObject()->metaObject();
    return meta->property(meta->indexOfProperty(propertyName().constData())).enumerator();
}

QString EnumProperty::valueText(int value) const
{
    const QString text = itemText(value);
    if (!text.isEmpty())
        return text;
    // A value the enumeration does not know (a faulty box) still shows, as its number.
    const char* key = metaEnum().valueToKey(value);
    return key ? QObject::tr(key) : QString::number(value);
}

void EnumProperty::writeChoice(QComboBox* combo, int index)
{
    // Headings carry no key and are never written.
    const QVariant key = combo->itemData(index, Qt::UserRole);
    if (key.isValid())
        setValue(key);
}
