#include "app/ActuatorTableEditors.h"

#include "app/ActuatorModel.h"

#include <QTableView>

bool updatePersistentEditors(QTableView* table)
{
    static constexpr int editor_rows[]
        = { ActuatorModel::ROW_COPY_SETTINGS, ActuatorModel::ROW_PASTE_SETTINGS,
            ActuatorModel::ROW_CLEAR_ERRORS,  ActuatorModel::ROW_TEST,
            ActuatorModel::ROW_LOG,           ActuatorModel::ROW_CONTROL_SOURCE,
            ActuatorModel::ROW_SENSOR_TYPE,   ActuatorModel::ROW_ACTUATOR_TYPE };
    constexpr int column_width = 120;

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
    if (opened) {
        table->resizeRowsToContents();
        for (int col = 0; col < model->columnCount(); ++col)
            table->setColumnWidth(col, column_width);
    }
    return opened;
}
