// The actuator table's buttons and editors, the repeated actuator test, and the log display.
#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "app/ActuatorModel.h"
#include "app/ActuatorTableEditors.h"
#include "app/ButtonDelegate.h"
#include "devicemanager/VoroManager.h"
#include "logplot/PlotDlg.h"

void MainWindow::updatePersistentEditors()
{
    ::updatePersistentEditors(ui->m_actuators);
}

void MainWindow::onActuatorConfigChanged(int index, ActuatorSettings config, QString location)
{
    // The table shows eight actuators even when a record holds fewer; edits of the ones the
    // record lacks have nowhere to go.
    VoroConfig& c = m_device.config;
    if (!selected() || index < 0 || index >= c.actuator_settings.size())
        return;
    c.actuator_settings[index] = config;
    if (index < c.actuator_locations.size())
        c.actuator_locations[index] = location;
}

void MainWindow::onCopy(int, int col)
{
    if (!selected() || col < 0 || col >= m_device.config.actuator_settings.size())
        return;
    m_copiedSettings = m_device.config.actuator_settings.at(col);
    m_model->setSettingsCopied();
}

void MainWindow::onPaste(int, int col)
{
    // The table shows the pasted values at the next update report.
    if (!writable() || col < 0 || col >= m_device.config.actuator_settings.size())
        return;
    m_device.config.actuator_settings[col] = m_copiedSettings;
}

void MainWindow::onClearErrors(int, int col)
{
    if (selected())
        m_manager->clearErrors(m_device.id, col);
}

void MainWindow::onShowLog(int, int col)
{
    if (selected())
        m_manager->readActuatorLog(m_device.id, col); // onLogRead shows it
}

void MainWindow::onTestActuator(int row, int col)
{
    if (!selected())
        return;
    if (m_testDelegate->isChecked(row, col))
        repeatTests();
    else
        m_manager->testActuator(m_device.id, col, 0);
}

void MainWindow::repeatTests()
{
    if (!selected())
        return;
    // The box ends a test a few seconds after the last "on": repeating it keeps it running
    // for as long as the button stays checked.
    for (int i = 0; i < VoroDefinitions::ACTUATOR_COUNT; ++i) {
        if (m_testDelegate->isChecked(ActuatorModel::ROW_TEST, i))
            m_manager->testActuator(m_device.id, i, 1);
    }
}

void MainWindow::onLogRead(VoroDevice::Id id, int actuator_index)
{
    if (!selected() || id != m_device.id)
        return;
    const VoroDevice d = m_manager->device(id);
    m_plotDlg->showLog(actuator_index, d.config.actuator_locations.value(actuator_index), d.log);
}
