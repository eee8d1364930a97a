// What the manager does for the window: the operations it queues for a box, and the outcome of
// every write, known from a read of the box after it.
#include "devicemanager/VoroManager.h"

#include "devicelink/VoroComm.h"
#include "firmware/FirmwareUpdateController.h"
#include "records/BoxName.h"

#include <QDebug>

namespace {
using Op = VoroCommThread::OperationData;

bool validIndex(int index)
{
    return index >= 0 && index < VoroDefinitions::ACTUATOR_COUNT;
}

QString failureText(int failure)
{
    return failure == VoroComm::INVALID_ANSWER
        ? VoroManager::tr("the box sent an answer that cannot be read")
        : VoroManager::tr("the box stopped answering");
}
} // namespace

bool VoroManager::enqueue(VoroDevice::Id id, const VoroCommThread::OperationData& op)
{
    Box* b = box(id);
    if (!b)
        return false;
    // A watched box only answers pings: its queue never runs.
    if (b->record && b->record->state == VoroDefinitions::DS__UNSUPPORTED) {
        qDebug("manager: device %d is only watched, operation %d ignored", id, op.type);
        return false;
    }
    b->thread->enqueue(op);
    return true;
}

bool VoroManager::enqueueForActuator(VoroDevice::Id id, int type, int index, bool has_test_on,
                                     uint8_t test_on, std::shared_ptr<std::atomic<bool>> stop)
{
    if (!validIndex(index))
        return false;
    Op op(type);
    op.has_actuator_index = true;
    op.actuator_index = index;
    op.has_test_on = has_test_on;
    op.test_on = test_on;
    op.stop = std::move(stop);
    return enqueue(id, op);
}

void VoroManager::expectWrite(VoroDevice::Id id, WriteOutcome::Kind kind, int actuator_index,
                              const VoroConfig& expected)
{
    Box* b = boxWithRecord(id);
    if (!b)
        return;
    WriteOutcome w;
    w.kind = kind;
    w.id = id;
    w.serial_number = b->record->serial_number;
    w.box = BoxName::qualified(*b->record);
    w.actuator_index = actuator_index;
    b->writes.add(w, expected);
}

void VoroManager::confirmWrites(VoroDevice::Id id)
{
    Box* b = boxWithRecord(id);
    if (!b)
        return;
    for (const WriteOutcome& w : b->writes.confirm(*b->record))
        emit writeFinished(w);
}

void VoroManager::operationFailed(VoroDevice::Id id, const VoroCommThread::OperationData& op)
{
    Box* b = boxWithRecord(id);
    b->writes.stopped(op.failure);
    const bool export_step = b->log_export && op.stop && op.stop == b->export_stop;
    if (op.type == VoroCommThread::OT__READ_LOG && !export_step)
        emit logReadFailed(id, op.actuator_index, BoxName::qualified(*b->record),
                           failureText(op.failure));
}

void VoroManager::writeConfig(VoroDevice::Id id, const VoroConfig& config)
{
    Op op(VoroCommThread::OT__WRITE_CONFIG);
    op.has_config = true;
    op.config = config;
    if (!boxWithRecord(id) || !enqueue(id, op))
        return;
    // The record keeps what the box holds until the read confirms the write: a write that
    // fails must not look like one that succeeded.
    expectWrite(id, WriteOutcome::SAVE, -1, config);
    enqueue(id, Op(VoroCommThread::OT__READ_ALL));
}

void VoroManager::resendSave(VoroDevice::Id id, const VoroConfig& config)
{
    // The write as the window made it: actuator settings only where they differ.
    const Box* b = boxWithRecord(id);
    if (!b)
        return;
    if (b->record->config.actuator_settings != config.actuator_settings)
        writeActuatorSettings(id, config);
    Op op(VoroCommThread::OT__WRITE_CONFIG);
    op.has_config = true;
    op.config = config;
    if (enqueue(id, op))
        enqueue(id, Op(VoroCommThread::OT__READ_ALL));
}

void VoroManager::writeActuatorSettings(VoroDevice::Id id, const VoroConfig& config)
{
    Op op(VoroCommThread::OT__WRITE_ACTUATOR_SETTINGS);
    op.has_config = true;
    op.config = config;
    enqueue(id, op);
}

void VoroManager::readActuatorLog(VoroDevice::Id id, int index)
{
    enqueueForActuator(id, VoroCommThread::OT__READ_LOG, index);
}

void VoroManager::clearErrors(VoroDevice::Id id, int index)
{
    if (enqueueForActuator(id, VoroCommThread::OT__CLEAR_ERRORS, index))
        expectWrite(id, WriteOutcome::CLEAR_ERRORS, index);
}

void VoroManager::testActuator(VoroDevice::Id id, int index, uint8_t on)
{
    if (!enqueueForActuator(id, VoroCommThread::OT__TEST_ACTUATOR, index, true, on))
        return;
    Box* b = box(id);
    if (on) {
        b->tests_on |= quint8(1u << index);
        return;
    }
    b->tests_on &= quint8(~(1u << index));
    expectWrite(id, WriteOutcome::TEST_OFF, index);
}

void VoroManager::endTests(VoroDevice::Id id)
{
    const Box* b = box(id);
    const quint8 running = b ? b->tests_on : 0;
    for (int i = 0; i < VoroDefinitions::ACTUATOR_COUNT; ++i) {
        if (running & (1u << i))
            testActuator(id, i, 0);
    }
}

bool VoroManager::enterBootloader(VoroDevice::Id id)
{
    backup_problem.clear();
    Box* b = boxWithRecord(id);
    const bool watched = b && b->record->state == VoroDefinitions::DS__UNSUPPORTED;
    if (!b || (watched && !b->update_only))
        return false; // a watched box only answers pings
    // A box just checked has told its identity only: its settings are read and backed up
    // before it leaves. A watched box speaks an older protocol whose settings cannot be read.
    if (b->record->state == VoroDefinitions::DS__INITIALIZED
        && b->record->protocol_version == PROTOCOL_VERSION) {
        b->update_after_read = true;
        startOperation(id, VoroCommThread::OT__READ_ALL);
        return true;
    }
    if (b->record->state == VoroDefinitions::DS__READY
        && !backUpBefore(id, SettingsBackup::FIRMWARE_UPDATE))
        return false;
    sendToBootloader(id);
    return true;
}

void VoroManager::sendToBootloader(VoroDevice::Id id)
{
    Box* b = boxWithRecord(id);
    const bool watched = b->record->state == VoroDefinitions::DS__UNSUPPORTED;
    const QString serial = QString::fromStdWString(b->hid_id.serial_number);
    const QString location = b->device_config.location;
    const QString firmware = b->record->firmware_version;
    // A box just checked waits for its first operation, a watched one polls no queue; a ready
    // one takes it from its queue.
    if (b->record->state == VoroDefinitions::DS__INITIALIZED || watched)
        startOperation(id, VoroCommThread::OT__ENTER_BOOTLOADER);
    else
        b->thread->enqueue(Op(VoroCommThread::OT__ENTER_BOOTLOADER));
    // Announced before the updater's next poll can find its bootloader.
    if (updater)
        updater->announce(serial, location, firmware);
}

void VoroManager::requestFirmwareUpdate(VoroDevice::Id id)
{
    if (!boxWithRecord(id) || asking || !firmwareImageUsable(true))
        return;
    asking = true;
    const bool yes = ask(UserDialogs::Question, tr("Firmware Update"),
                         tr("Do you really want to update the firmware of the device '%1' from %2 "
                            "to %3?")
                             .arg(boxName(id), device(id).firmware_version, image_version),
                         UserDialogs::Yes | UserDialogs::No)
        == UserDialogs::Yes;
    asking = false;
    if (yes)
        enterBootloader(id);
}

void VoroManager::factoryReset(VoroDevice::Id id)
{
    const Box* b = boxWithRecord(id);
    if (!b || b->record->state != VoroDefinitions::DS__READY)
        return;
    if (!backUpBefore(id, SettingsBackup::FACTORY_RESET)) {
        WriteOutcome w;
        w.kind = WriteOutcome::FACTORY_RESET;
        w.id = id;
        w.serial_number = b->record->serial_number;
        w.box = BoxName::qualified(*b->record);
        w.failure = WriteOutcome::NO_BACKUP;
        w.detail = backup_problem;
        emit writeFinished(w);
        return;
    }
    if (enqueue(id, Op(VoroCommThread::OT__FACTORY_RESET)))
        expectWrite(id, WriteOutcome::FACTORY_RESET);
}

void VoroManager::acceptDeviceSettings(VoroDevice::Id id)
{
    Box* b = boxWithRecord(id);
    if (!b || !b->baseline)
        return;
    b->record->config = b->device_config;
    b->baseline = b->device_config;
}

bool VoroManager::isExportingLogs(VoroDevice::Id id) const
{
    const Box* b = box(id);
    return b && b->log_export;
}
