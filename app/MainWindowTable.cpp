// The actuator table's buttons and editors, the repeated actuator test, and the log display.
#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "app/ActuatorModel.h"
#include "app/ActuatorTableEditors.h"
#include "app/ButtonDelegate.h"
#include "devicemanager/VoroManager.h"
#include "logplot/PlotDlg.h"
#include "records/SettingRules.h"

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
    if (!writable() || col < 0 || col >= m_device.config.actuator_settings.size())
        return;
    // Settings that were right where they came from may not be here: an actuator that followed
    // this one would now follow itself.
    QVector<ActuatorSettings> pasted = m_device.config.actuator_settings;
    pasted[col] = m_copiedSettings;
    if (const std::optional<SettingProblem> problem
        = SettingRules::checkActuators(pasted, m_baseline.actuator_settings)) {
        warning(tr("Paste Settings"),
                tr("The settings cannot be pasted onto actuator %1 of %2:\n%3")
                    .arg(col + 1)
                    .arg(boxName(), problem->text()));
        return;
    }
    m_device.config.actuator_settings = pasted;
    showWorkingCopy();
}

void MainWindow::onEditRefused(const QString& problem)
{
    warning(tr("Invalid Setting"), problem);
}

void MainWindow::onClearErrors(int, int col)
{
    if (writable())
        m_manager->clearErrors(m_device.id, col);
}

void MainWindow::onShowLog(int, int col)
{
    if (writable())
        m_manager->readActuatorLog(m_device.id, col); // onLogRead shows it
}

void MainWindow::onTestActuator(int row, int col)
{
    if (!writable())
        return;
    if (m_testDelegate->isChecked(row, col))
        repeatTests();
    else
        m_manager->testActuator(m_device.id, col, 0);
}

void MainWindow::repeatTests()
{
    if (!writable())
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

void MainWindow::onLogReadFailed(VoroDevice::Id, int actuator_index, const QString& box,
                                 const QString& reason)
{
    warning(tr("Log"),
            tr("The log of actuator %1 of %2 could not be read: %3.")
                .arg(actuator_index + 1)
                .arg(box, reason));
}
