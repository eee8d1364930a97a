#include "app/ActuatorTable.h"

#include "app/ButtonDelegate.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>

namespace {
// Pixels of the frame around the current cell: what the buttons and combo boxes leave free.
constexpr int CURRENT_FRAME = ButtonDelegate::CELL_MARGIN;

// Before in the order Tab goes through the cells: row by row, left to right.
bool before(const QModelIndex& a, const QModelIndex& b)
{
    return a.row() < b.row() || (a.row() == b.row() && a.column() < b.column());
}

bool pressKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Select:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        return true;
    case Qt::Key_Down:
        return event->modifiers() & Qt::AltModifier;
    default:
        return false;
    }
}
} // namespace

ActuatorTable::ActuatorTable(QWidget* parent)
    : QTableView(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Moving onto a cell must not open its editor: the arrow keys would then be the editor's.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setTextElideMode(Qt::ElideRight);
    setWordWrap(false);
    // One click still opens a value, as the mouse user expects of this table.
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if ((index.flags() & Qt::ItemIsEditable) && (index.flags() & Qt::ItemIsEnabled)
            && !indexWidget(index))
            edit(index);
    });
}

void ActuatorTable::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    // The cells are not selectable, and a button or combo box covers its cell: the current
    // cell is framed in the highlight colour, around what covers it.
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid())
        return;
    QPainter painter(viewport());
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), CURRENT_FRAME);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const int inset = CURRENT_FRAME / 2;
    painter.drawRect(visualRect(current).adjusted(inset, inset, -inset, -inset));
}

void ActuatorTable::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update(visualRect(currentIndex()));
}

void ActuatorTable::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->update(visualRect(currentIndex()));
}

void ActuatorTable::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && state() != EditingState) {
        if (pressKey(event) && pressWidget(current))
            return;
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const Qt::ItemFlags flags = current.flags();
        if (enter && !indexWidget(current) && (flags & Qt::ItemIsEnabled)) {
            if (flags & Qt::ItemIsEditable) {
                edit(current);
                return;
            }
            if (flags & Qt::ItemIsUserCheckable) {
                toggleCheck(current);
                return;
            }
        }
    }
    if (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ControlModifier)) {
        QWidget::focusNextPrevChild(!(event->modifiers() & Qt::ShiftModifier));
        return;
    }
    if (event->key() == Qt::Key_Backtab && (event->modifiers() & Qt::ControlModifier)) {
        QWidget::focusNextPrevChild(false);
        return;
    }
    QTableView::keyPressEvent(event);
}

bool ActuatorTable::pressWidget(const QModelIndex& index)
{
    QWidget* widget = indexWidget(index);
    if (!widget)
        return false;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->isEnabled())
            button->animateClick();
        return true;
    }
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        if (box->isEnabled())
            box->showPopup();
        return true;
    }
    return false;
}

void ActuatorTable::toggleCheck(const QModelIndex& index)
{
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    model()->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

bool ActuatorTable::focusNextPrevChild(bool next)
{
    // Within the table Tab goes from cell to cell; past the last one it leaves, rather than
    // start over at the first.
    const QModelIndex from = currentIndex();
    if (tabKeyNavigation() && state() != EditingState && from.isValid()) {
        const QModelIndex to = moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier);
        const bool inside = to.isValid() && (next ? before(from, to) : before(to, from));
        if (inside)
            return QTableView::focusNextPrevChild(next);
    }
    return QWidget::focusNextPrevChild(next);
}
