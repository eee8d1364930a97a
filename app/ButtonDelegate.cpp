#include "app/ButtonDelegate.h"

#include <QPointer>
#include <QPushButton>

ButtonDelegate::ButtonDelegate(const QString& label, bool checkable, int height, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_label(label)
    , m_checkable(checkable)
    , m_height(height)
{
    connect(&m_mapper, SIGNAL(mapped(QString)), this, SLOT(onMapped(QString)));
}

QString ButtonDelegate::cellKey(int row, int col)
{
    return QStringLiteral("%1;%2").arg(row).arg(col);
}

QWidget* ButtonDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const
{
    const QString key = cellKey(index.row(), index.column());
    auto* button = new QPushButton(m_label, parent);
    if (m_height != 0)
        button->setFixedHeight(m_height);
    button->setCheckable(m_checkable);
    // The table keeps the focus and presses the button for the keyboard (ActuatorTable).
    button->setFocusPolicy(Qt::NoFocus);
    m_buttons.insert(key, button);
    m_mapper.setMapping(button, key);
    connect(button, &QPushButton::clicked, &m_mapper, qOverload<>(&QSignalMapper::map));
    connect(button, &QObject::destroyed, this, &ButtonDelegate::onButtonDestroyed);
    return button;
}

void ButtonDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* button = qobject_cast<QPushButton*>(editor);
    if (!button)
        return;
    const bool enabled = index.flags() & Qt::ItemIsEnabled;
    button->setEnabled(enabled);
    if (!enabled && button->isChecked())
        const_cast<ButtonDelegate*>(this)->uncheck(button, cellKey(index.row(), index.column()));
}

void ButtonDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const
{
    // a button has no value to write
}

void ButtonDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                          const QModelIndex&) const
{
    editor->setGeometry(insideCell(option.rect));
}

QRect ButtonDelegate::insideCell(const QRect& cell)
{
    // The current cell's highlight shows around it.
    return cell.adjusted(CELL_MARGIN, CELL_MARGIN, -CELL_MARGIN, -CELL_MARGIN);
}

bool ButtonDelegate::isChecked(int row, int col) const
{
    const QPushButton* button = m_buttons.value(cellKey(row, col));
    return button && button->isChecked();
}

void ButtonDelegate::resetCheckState()
{
    // A slot behind clicked() may reset the model, which destroys buttons under our feet.
    QList<QPair<QString, QPointer<QPushButton>>> checked;
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (it.value()->isChecked())
            checked.append({ it.key(), it.value() });
    }
    for (const auto& entry : checked) {
        if (entry.second && entry.second->isChecked())
            uncheck(entry.second, entry.first);
    }
}

void ButtonDelegate::uncheck(QPushButton* button, const QString& key)
{
    button->setChecked(false);
    onMapped(key);
}

void ButtonDelegate::onMapped(const QString& str)
{
    const QStringList parts = str.split(QLatin1Char(';'));
    if (parts.size() != 2)
        return;
    emit clicked(parts.at(0).toInt(), parts.at(1).toInt());
}

void ButtonDelegate::onButtonDestroyed(QObject* obj)
{
    for (auto it = m_buttons.begin(); it != m_buttons.end(); ++it) {
        if (static_cast<QObject*>(it.value()) == obj) {
            m_buttons.erase(it);
            return;
        }
    }
}
