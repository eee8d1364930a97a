#include "app/ActuatorTableEditors.h"

#include "app/ActuatorModel.h"
#include "app/ButtonDelegate.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace {
constexpr int SPACER_HEIGHT = 4;

// The widest thing a column must show whole.
int contentWidth(QTableView* table)
{
    const QAbstractItemModel* model = table->model();
    QHeaderView* header = table->horizontalHeader();
    QStyleOptionViewItem option;
    option.initFrom(table->viewport());
    option.font = table->font();
    int width = 0;
    for (int col = 0; col < model->columnCount(); ++col) {
        width = std::max(width, header->sectionSizeHint(col));
        for (int row = 0; row < model->rowCount(); ++row) {
            if (row == ActuatorModel::ROW_ERRORS || row == ActuatorModel::ROW_MEM_ERRORS)
                continue;
            const QModelIndex index = model->index(row, col);
            if (const QWidget* editor = table->indexWidget(index))
                width
                    = std::max(width, editor->sizeHint().width() + 2 * ButtonDelegate::CELL_MARGIN);
            else
                width
                    = std::max(width, table->itemDelegate(index)->sizeHint(option, index).width());
        }
    }
    return width + 2 * table->showGrid();
}
} // namespace

bool updatePersistentEditors(QTableView* table)
{
    static constexpr int editor_rows[]
        = { ActuatorModel::ROW_COPY_SETTINGS, ActuatorModel::ROW_PASTE_SETTINGS,
            ActuatorModel::ROW_CLEAR_ERRORS,  ActuatorModel::ROW_TEST,
            ActuatorModel::ROW_LOG,           ActuatorModel::ROW_CONTROL_SOURCE,
            ActuatorModel::ROW_SENSOR_TYPE,   ActuatorModel::ROW_ACTUATOR_TYPE };

    const QAbstractItemModel* model = table->model();
    if (!model || model->rowCount() < ActuatorModel::ROW_COUNT)
        return false;
    bool opened = false;
    for (int col = 0; col < model->columnCount(); ++col) {
        for (int row : editor_rows) {
            const QModelIndex index = model->index(row, col);
            if (!table->isPersistentEditorOpen(index)) {
                table->openPersistentEditor(index);
                opened = true;
            }
        }
    }
    if (opened)
        fitActuatorTable(table);
    return opened;
}

void fitActuatorTable(QTableView* table)
{
    const QAbstractItemModel* model = table->model();
    if (!model || model->rowCount() < ActuatorModel::ROW_COUNT)
        return;
    // Rows as low as what they show: the style's minimum would keep them all as high as a
    // combo box.
    table->verticalHeader()->setMinimumSectionSize(SPACER_HEIGHT);
    table->resizeRowsToContents();
    for (int row : { ActuatorModel::ROW_SPACER_1, ActuatorModel::ROW_SPACER_2 })
        table->setRowHeight(row, SPACER_HEIGHT);
    // An editor of a fixed height keeps it inside its cell's margin.
    for (int row = 0; row < model->rowCount(); ++row) {
        int height = table->rowHeight(row);
        for (int col = 0; col < model->columnCount(); ++col) {
            if (const QWidget* editor = table->indexWidget(model->index(row, col)))
                height = std::max(height,
                                  editor->minimumHeight() + 2 * ButtonDelegate::CELL_MARGIN
                                      + int(table->showGrid()));
        }
        table->setRowHeight(row, height);
    }
    // Stretched, a column never gets narrower than the header's minimum: that is its content.
    QHeaderView* header = table->horizontalHeader();
    header->setMinimumSectionSize(contentWidth(table));
    header->setSectionResizeMode(QHeaderView::Stretch);
}
