#include "propertyeditor/ColorCombo.h"

#include <QColorDialog>

ColorCombo::ColorCombo(QWidget* parent, ColorChooser chooser)
    : QComboBox(parent)
    , m_chooser(std::move(chooser))
{
    if (!m_chooser) {
        m_chooser = [](const QColor& initial, QWidget* dialogParent) {
            return QColorDialog::getColor(initial, dialogParent, QString());
        };
    }
    const QStringList names = QColor::colorNames();
    for (const QString& name : names)
        addItem(name);
    for (int i = 0; i < names.size(); ++i)
        setItemData(i, QColor(names.at(i)), Qt::DecorationRole);
    addItem(tr("Custom"), CUSTOM_ITEM);
    connect(this, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ColorCombo::currentChanged);
}

QColor ColorCombo::color() const
{
    return currentData(Qt::DecorationRole).value<QColor>();
}

void ColorCombo::setColor(const QColor& color)
{
    m_color = color;
    // An unset colour selects nothing rather than a black "#000000" entry.
    if (!color.isValid()) {
        setCurrentIndex(-1);
        return;
    }
    const int index = indexOf(color);
    setCurrentIndex(index >= 0 ? index : appendColor(color));
}

void ColorCombo::currentChanged(int index)
{
    const QVariant data = itemData(index, Qt::UserRole);
    if (!data.isValid() || data.toInt() != CUSTOM_ITEM)
        return;
    const QColor chosen = m_chooser(m_color, this);
    if (chosen.isValid()) {
        const int found = indexOf(chosen);
        setCurrentIndex(found >= 0 ? found : appendColor(chosen));
    } else {
        setCurrentIndex(m_color.isValid() ? indexOf(m_color) : -1);
    }
}

int ColorCombo::indexOf(const QColor& color) const
{
    return findData(color, Qt::DecorationRole, Qt::MatchCaseSensitive);
}

int ColorCombo::appendColor(const QColor& color)
{
    addItem(color.name());
    setItemData(count() - 1, color, Qt::DecorationRole);
    return count() - 1;
}
