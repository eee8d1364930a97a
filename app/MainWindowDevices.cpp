// The device list and the selection: boxes coming, going and coming back, and the working copy
// of the selected box kept in line with what the box holds.
#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "app/ActuatorModel.h"
#include "app/BoxList.h"
#include "app/ButtonDelegate.h"
#include "app/ControlProperties.h"
#include "app/InfoProperties.h"
#include "app/LogProperties.h"
#include "app/RS485Properties.h"
#include "devicemanager/VoroManager.h"
#include "logplot/PlotDlg.h"
#include "records/BoxName.h"
#include "records/ConfigField.h"

namespace {
enum Group { INFO = 0, CONTROL = 1, RS485 = 2, LOG = 3 };
} // namespace

void MainWindow::onDeviceDetected(VoroDevice::Id id)
{
    const VoroDevice d = m_manager->device(id);
    if (d.id == -1)
        return;
    m_boxes->put(d);
    if (!selected()) {
        selectDevice(id);
        return;
    }
    if (id != m_device.id)
        return;
    // Announced again: ready now, or read after a save. The edits stay over the new values.
    const bool was_read_only = m_device.state != VoroDefinitions::DS__READY;
    VoroDevice fresh = d;
    fresh.config = ConfigFields::merged(m_baseline, m_device.config, d.config);
    m_baseline = d.config;
    m_device = fresh;
    if (was_read_only != (d.state != VoroDefinitions::DS__READY)) {
        deleteGroups();
        createGroups(d.state != VoroDefinitions::DS__READY);
    }
    showWorkingCopy();
}

void MainWindow::onDeviceDeleted(VoroDevice::Id id)
{
    if (id == -1) {
        removeCurrentDevice();
        return;
    }
    // The selected box stays, read only, until it is back or given up.
    if (id == m_device.id) {
        if (!m_reconnecting)
            startReconnecting();
        return;
    }
    m_boxes->remove(id);
}

void MainWindow::startReconnecting()
{
    m_reconnecting = true;
    withdrawQuestions();
    endTests(); // their buttons go; the manager ends the tests once the box is back
    m_model->setCapabilities(0);
    deleteGroups();
    createGroups(true);
    showWorkingCopy();
    updateActions();
    m_boxes->put(heldRecord(), true);
    status(m_restartAsked ? tr("%1 restarts; waiting for it to come back…").arg(boxName())
                          : tr("%1 does not answer; waiting for it to come back…").arg(boxName()));
    m_restartAsked = false;
}

void MainWindow::onDeviceReturned(VoroDevice::Id old_id, VoroDevice::Id new_id)
{
    if (!m_reconnecting || old_id != m_device.id)
        return;
    const VoroDevice d = m_manager->device(new_id);
    if (d.id == -1)
        return;
    m_boxes->replace(old_id, d);
    m_reconnecting = false;
    // What the user changed stays, over what the box holds now.
    VoroDevice fresh = d;
    fresh.config = ConfigFields::merged(m_baseline, m_device.config, d.config);
    m_baseline = d.config;
    m_device = fresh;
    const bool read_only = d.state != VoroDefinitions::DS__READY;
    m_model->setCapabilities(read_only ? 0 : ALL_CAPABILITIES);
    deleteGroups();
    createGroups(read_only);
    showWorkingCopy();
    updateActions();
    status(tr("%1 is back.").arg(boxName()));
}

void MainWindow::onDeviceLost(VoroDevice::Id old_id)
{
    if (!m_reconnecting || old_id != m_device.id)
        return;
    const QString name = boxName();
    const bool edits = hasEdits();
    removeCurrentDevice();
    m_boxes->remove(old_id);
    if (m_boxes->idAt(0) != -1) {
        m_boxes->setCurrent(m_boxes->idAt(0));
        selectDevice(m_boxes->idAt(0));
    }
    status(edits ? tr("%1 did not come back; its unsaved changes are gone.").arg(name)
                 : tr("%1 did not come back.").arg(name));
}

void MainWindow::onCurrentDeviceChanged(int index)
{
    const VoroDevice::Id id = m_boxes->idAt(index);
    if (id == -1 || id == m_device.id)
        return;
    if (hasEdits()) {
        // While the question is open, the list shows the box it is about.
        m_boxes->setCurrent(m_device.id);
        // The question runs its own event loop, in which the picked box may have gone.
        if (askAboutEdits(tr("Select Box")) == CANCEL || m_boxes->indexOf(id) < 0)
            return;
    }
    endTests();
    const VoroDevice::Id left = m_device.id;
    const bool left_waiting = m_reconnecting;
    removeCurrentDevice();
    if (left_waiting) // it is listed again if it comes back
        m_boxes->remove(left);
    m_boxes->setCurrent(id);
    selectDevice(id);
}

void MainWindow::selectDevice(VoroDevice::Id id)
{
    m_device = m_manager->device(id);
    m_baseline = m_device.config;
    m_reconnecting = false;
    m_saves.clear();
    if (selected()) {
        // Decided once: the manager announces the box again when it becomes ready.
        const bool read_only = m_device.state != VoroDefinitions::DS__READY;
        m_model->setCapabilities(read_only ? 0 : ALL_CAPABILITIES);
        createGroups(read_only);
        m_boxes->setCurrent(id);
    }
    updateActions(); // the table fills at the box's next update report
}

void MainWindow::createGroups(bool read_only)
{
    m_groups.insert(INFO, new InfoProperties(&m_device, read_only, this));
    ui->m_properties->appendObject(m_groups.value(INFO));
    m_groups.insert(CONTROL, new ControlProperties(&m_device, read_only, this));
    ui->m_properties->appendObject(m_groups.value(CONTROL));
    m_groups.insert(RS485, new RS485Properties(&m_device, read_only, this));
    ui->m_properties->appendObject(m_groups.value(RS485));
    m_groups.insert(LOG, new LogProperties(&m_device, read_only, this));
    ui->m_properties->appendObject(m_groups.value(LOG));
}

void MainWindow::deleteGroups()
{
    ui->m_properties->showObject(nullptr);
    qDeleteAll(m_groups);
    m_groups.clear();
}

void MainWindow::removeCurrentDevice()
{
    withdrawQuestions();
    m_device = VoroDevice();
    m_baseline = VoroConfig();
    m_reconnecting = false;
    m_restartAsked = false;
    m_saves.clear();
    m_closeAfterSave = false;
    m_model->clear(); // its editors go, and the Test buttons with them
    m_plotDlg->hide();
    deleteGroups();
    updateActions();
}

void MainWindow::refreshGroup(int key)
{
    PropertyObject* group = m_groups.value(key);
    if (!group)
        return;
    group->refresh();
    ui->m_properties->refreshObject(group);
}

void MainWindow::showWorkingCopy()
{
    if (!m_device.actuator_data.isEmpty()) {
        m_model->updateActuators(m_device.actuator_data, m_device.config.actuator_settings,
                                 m_device.config.actuator_locations);
        updatePersistentEditors();
    }
    for (const int key : m_groups.keys())
        refreshGroup(key);
    updateEditButtons();
}

void MainWindow::rebase(const VoroConfig& fresh)
{
    m_device.config = ConfigFields::merged(m_baseline, m_device.config, fresh);
    m_baseline = fresh;
}

// ---- update reports ----

void MainWindow::onDeviceUpdated(VoroDevice::Id id, bool config_changed)
{
    if (!selected() || id != m_device.id || m_reconnecting) {
        // Nothing is edited of another box: its entry simply follows what the box holds.
        if (config_changed) {
            m_manager->acceptDeviceSettings(id);
            m_boxes->put(m_manager->device(id));
        }
        return;
    }
    const VoroDevice d = m_manager->device(id);
    const DeviceStatus& before = m_device.status;
    const bool rs485_changed = before.modbus_address != d.status.modbus_address
        || before.baudrate != d.status.baudrate || before.parity != d.status.parity
        || before.stop_bits != d.status.stop_bits;
    m_device.status = d.status;
    m_device.actuator_data = d.actuator_data;

    m_model->updateActuators(m_device.actuator_data, m_device.config.actuator_settings,
                             m_device.config.actuator_locations);
    updatePersistentEditors();
    refreshGroup(INFO);
    refreshGroup(CONTROL);
    if (rs485_changed)
        refreshGroup(RS485);
    updateEditButtons();
    if (!config_changed)
        return;
    if (!hasEdits()) {
        m_manager->acceptDeviceSettings(id);
        rebase(m_manager->device(id).config);
        showWorkingCopy();
        m_boxes->put(m_manager->device(id));
        return;
    }
    resolveConflict(id);
}
