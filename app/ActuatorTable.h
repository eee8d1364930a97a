#pragma once

#include <QTableView>

// The view of the actuator table, made for the keyboard as much as for the mouse. One cell is
// current and shows it; arrows, Home, End and the page keys move it, Tab and Shift+Tab go from
// cell to cell and leave the table after its last (or before its first) cell, Ctrl+Tab leaves
// at once. A value is edited with a click, F2, Enter or by typing, and Esc cancels. Space or
// Enter press the button of a button cell, open the list of a combo-box cell (so does Alt+Down)
// and toggle Active. The buttons and combo boxes in the cells never take the focus: an arrow
// key meant to move never changes a value, and the mouse wheel over a combo box scrolls the
// table rather than change the box.
class ActuatorTable : public QTableView
{
    Q_OBJECT

public:
    explicit ActuatorTable(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The button or combo box of the cell, pressed or opened; false when it has none.
    bool pressWidget(const QModelIndex& index);
    void toggleCheck(const QModelIndex& index);
};
