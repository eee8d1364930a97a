#include "devicemanager/VoroManager.h"

#include "device/AppSettings.h"
#include "devicelink/HidOpenMonitor.h"
#include "devicelink/VoroComm.h"
#include "devicelink/VoroUsbDetector.h"
#include "devicemanager/UserDialogs.h"
#include "firmware/FirmwareUpdater.h"

#include <QDebug>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace {
using Op = VoroCommThread::OperationData;

bool validIndex(int index)
{
    return index >= 0 && index < VoroDefinitions::ACTUATOR_COUNT;
}

// Up to four parts, non-numbers as 0; only the first three take part in comparisons.
QVector<int> versionParts(const QString& version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    QVector<int> numbers(4, 0);
    for (int i = 0; i < qMin(4, parts.size()); ++i)
        numbers[i] = parts.at(i).toInt();
    return numbers;
}
} // namespace

VoroDevice::Id VoroManager::last_id = 0;

VoroDevice::Id VoroManager::takeNextId()
{
    last_id = last_id == std::numeric_limits<int>::max() ? std::numeric_limits<int>::min()
                                                         : last_id + 1;
    if (last_id == -1) // means "no device"
        ++last_id;
    return last_id;
}

VoroManager::VoroManager(QWidget* parent, UserDialogs* dialogs, FirmwareUpdates updates)
    : QObject(parent)
    , own_dialogs(dialogs ? nullptr : new StandardDialogs)
    , dialogs(dialogs ? dialogs : own_dialogs.get())
    , detector(new VoroUsbDetector)
{
    // The manager's own signals carry these before any thread has registered them.
    qRegisterMetaType<VoroDevice>("VoroDevice");
    qRegisterMetaType<VoroDevice::Id>("VoroDevice::Id");
    qRegisterMetaType<VoroConfig>("VoroConfig");
    qRegisterMetaType<VoroCommThread::OperationData>("VoroCommThread::OperationData");
    qRegisterMetaType<LogData>("LogData");

    connect(detector, &VoroUsbDetector::deviceDetected, this, &VoroManager::onDeviceDetected);
    // A box sent into its bootloader leaves the detector's sight; the updater finds it there.
    if (updates == WithUpdater) {
        updater = new FirmwareUpdater(parent);
        updater->startPolling(UPDATER_POLL_MS);
    }
    const HidOpenMonitor* opens = HidOpenMonitor::instance();
    connect(opens, &HidOpenMonitor::openFailed, this, &VoroManager::deviceOpenFailed);
    connect(opens, &HidOpenMonitor::opened, this, &VoroManager::deviceOpened);
    connect(&check_timer, &QTimer::timeout, this, &VoroManager::checkDevices);
    check_timer.start(CHECK_INTERVAL_MS);
}

VoroManager::~VoroManager()
{
    delete detector;
    if (updater && !updater->parent())
        delete updater;
    for (auto& [id, box] : boxes) {
        VoroCommThread* thread = box.thread;
        thread->disconnect(this);
        thread->stop();
        delete thread;
    }
}

QWidget* VoroManager::window() const
{
    return qobject_cast<QWidget*>(parent());
}

QMessageBox::StandardButton VoroManager::ask(QMessageBox::Icon icon, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons)
{
    return dialogs->message(window(), icon, title, text, buttons);
}

VoroDevice VoroManager::device(VoroDevice::Id id) const
{
    const Box* b = box(id);
    return b && b->record ? *b->record : VoroDevice();
}

QList<VoroDevice::Id> VoroManager::deviceIds() const
{
    QList<VoroDevice::Id> ids;
    for (const auto& [id, box] : boxes) {
        if (box.record)
            ids << id;
    }
    return ids;
}

VoroManager::Box* VoroManager::box(VoroDevice::Id id)
{
    const auto found = boxes.find(id);
    return found == boxes.end() ? nullptr : &found->second;
}

const VoroManager::Box* VoroManager::box(VoroDevice::Id id) const
{
    const auto found = boxes.find(id);
    return found == boxes.end() ? nullptr : &found->second;
}

VoroManager::Box* VoroManager::boxWithRecord(VoroDevice::Id id)
{
    Box* b = box(id);
    return b && b->record ? b : nullptr;
}

bool VoroManager::isOlderVersion(const QString& version, const QString& reference)
{
    const QVector<int> a = versionParts(version);
    const QVector<int> b = versionParts(reference);
    return std::lexicographical_compare(a.begin(), a.begin() + 3, b.begin(), b.begin() + 3);
}

void VoroManager::onDeviceDetected(const HidDevice::Id& hid_id)
{
    const VoroDevice::Id id = takeNextId();
    auto* hid = new HidDevice(hid_id);
    // A box that cannot be opened fails its first transaction at once and comes back after the
    // detector's block, like any failing box; the report lets the window say why.
    HidOpenMonitor::instance()->report(*hid);
    auto* thread = new VoroCommThread(new VoroComm(hid, id));
    connect(thread, &VoroCommThread::initFailed, this, &VoroManager::onInitFailed,
            Qt::QueuedConnection);
    connect(thread, &VoroCommThread::initSucceeded, this, &VoroManager::onInitSucceeded,
            Qt::QueuedConnection);
    connect(thread, &VoroCommThread::operationFinished, this, &VoroManager::onOperationFinished,
            Qt::QueuedConnection);
    connect(
        thread, &QThread::finished, this, [this, id] { onThreadFinished(id); },
        Qt::QueuedConnection);
    Box& box = boxes[id];
    box.thread = thread;
    box.hid_id = hid_id;
    thread->start(QThread::InheritPriority);
    qDebug("manager: added USB device: %08x, id: %d", hid_id.getHash(), id);
}

void VoroManager::updateDevice(VoroDevice::Id id, const VoroDevice& data)
{
    Box* b = box(id);
    if (!b)
        return;
    b->device_config = data.config;
    const VoroDevice own = b->record.value_or(VoroDevice());
    b->record = data;
    b->record->config = own.config;
    b->record->state = own.state;
}

void VoroManager::onInitSucceeded(VoroDevice::Id id, const VoroDevice& data)
{
    updateDevice(id, data);
    Box* b = boxWithRecord(id);
    if (!b)
        return;
    b->record->state = VoroDefinitions::DS__INITIALIZED;
    b->check_pending = true;
}

void VoroManager::onInitFailed(VoroDevice::Id id, const VoroDevice& data)
{
    updateDevice(id, data);
    qDebug("init of device %d failed", id);
}

void VoroManager::checkDevices()
{
    // A message box of a check runs its own event loop, in which boxes may come and go: look
    // for the next pending one anew each time.
    for (;;) {
        const auto pending = std::find_if(boxes.begin(), boxes.end(), [](const auto& entry) {
            return entry.second.check_pending;
        });
        if (pending == boxes.end())
            return;
        pending->second.check_pending = false;
        if (!checkFirmware(pending->first))
            return;
    }
}

bool VoroManager::checkFirmware(VoroDevice::Id id)
{
    const Box* b = boxWithRecord(id);
    if (!b)
        return true;
    const VoroDevice d = *b->record;
    // The manager's own configuration of a new box is still empty; the identity read brought
    // the location.
    const QString location = b->device_config.location;
    const QString firmware = d.firmware_version;
    const bool older = isOlderVersion(firmware, QString::fromLatin1(FIRMWARE_VERSION));
    // A message box runs its own event loop: the box may be gone when the user has answered,
    // which the operations below check.
    if (d.protocol_version == PROTOCOL_VERSION) {
        if (older
            && ask(QMessageBox::Question, tr("Firmware Update"),
                   tr("A new firmware is available, do you want to update the device '%1'?")
                       .arg(location),
                   QMessageBox::Yes | QMessageBox::No)
                == QMessageBox::Yes) {
            startOperation(id, VoroCommThread::OT__ENTER_BOOTLOADER);
            return false;
        }
        startOperation(id, VoroCommThread::OT__READ_ALL);
        return true;
    }
    if (d.protocol_version > PROTOCOL_VERSION) {
        ask(QMessageBox::Warning, tr("Update"),
            tr("Unable to communicate with device '%1' with firmware version '%2', please use a "
               "newer version of the %3-CDU.")
                .arg(location, firmware, QStringLiteral("voro-BOX")),
            QMessageBox::Ok);
    } else if (older) {
        ask(QMessageBox::Information, tr("Firmware Update"),
            tr("The firmware '%1' of device '%2' has to be updated").arg(firmware, location),
            QMessageBox::Ok);
        startOperation(id, VoroCommThread::OT__ENTER_BOOTLOADER);
        return false;
    } else {
        ask(QMessageBox::Critical, tr("Error"),
            tr("Unable to communicate with device '%1' with firmware version '%2'.")
                .arg(location, firmware),
            QMessageBox::Ok);
    }
    watch(id);
    return false;
}

void VoroManager::startOperation(VoroDevice::Id id, int type)
{
    Box* b = box(id);
    if (!b)
        return;
    b->thread->enqueue(Op(type));
    b->thread->setMode(VoroCommThread::MODE_RUN);
}

void VoroManager::watch(VoroDevice::Id id)
{
    Box* b = boxWithRecord(id);
    if (!b)
        return;
    b->thread->setMode(VoroCommThread::MODE_WATCH);
    b->record->state = VoroDefinitions::DS__UNSUPPORTED;
    // Nothing beyond the identity is ever read from a watched box: what that read brought
    // (its location) is all the configuration the window can show of it.
    b->record->config = b->device_config;
    emit deviceDetected(id);
}

void VoroManager::onOperationFinished(VoroDevice::Id id, const VoroCommThread::OperationData& op,
                                      const VoroDevice& data, bool success)
{
    updateDevice(id, data);
    Box* b = boxWithRecord(id);
    if (!success || !b)
        return; // the thread ends next
    switch (op.type) {
    case VoroCommThread::OT__POLL:
        emit deviceUpdated(id, b->baseline && *b->baseline != b->device_config);
        break;
    case VoroCommThread::OT__READ_ALL:
        b->baseline = data.config;
        b->device_config = data.config;
        b->record->config = data.config;
        b->record->state = VoroDefinitions::DS__READY;
        emit deviceDetected(id);
        break;
    case VoroCommThread::OT__READ_LOG: {
        // Only the read the export waits for is its step; another one (the window's Log
        // button during an export) is shown as usual, so no file gets another actuator's log.
        if (b->log_export && b->log_export->awaitedIndex() == op.actuator_index)
            continueLogExport(id, data);
        else
            emit logRead(id, op.actuator_index);
        break;
    }
    default:
        break;
    }
}

void VoroManager::onThreadFinished(VoroDevice::Id id)
{
    const auto found = boxes.find(id);
    std::optional<QStringList> unfinished_export;
    if (found != boxes.end()) {
        Box& b = found->second;
        detector->removeDevice(b.hid_id);
        b.thread->deleteLater();
        if (b.log_export)
            unfinished_export = b.log_export->unwrittenFiles(b.device_config.actuator_locations);
        boxes.erase(found);
    }
    qDebug("device %d deleted", id);
    // An export the box's end has cut short is over too: the user learns which files are
    // missing.
    if (unfinished_export)
        emit logExportComplete(id, *unfinished_export);
    emit deviceDeleted(id);
}

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

void VoroManager::enqueueForActuator(VoroDevice::Id id, int type, int index, bool has_test_on,
                                     uint8_t test_on)
{
    if (!validIndex(index))
        return;
    Op op(type);
    op.has_actuator_index = true;
    op.actuator_index = index;
    op.has_test_on = has_test_on;
    op.test_on = test_on;
    enqueue(id, op);
}

void VoroManager::writeConfig(VoroDevice::Id id, const VoroConfig& config)
{
    Op op(VoroCommThread::OT__WRITE_CONFIG);
    op.has_config = true;
    op.config = config;
    if (!enqueue(id, op))
        return;
    if (Box* b = boxWithRecord(id))
        b->record->config = config;
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
    enqueueForActuator(id, VoroCommThread::OT__CLEAR_ERRORS, index);
}

void VoroManager::testActuator(VoroDevice::Id id, int index, uint8_t on)
{
    enqueueForActuator(id, VoroCommThread::OT__TEST_ACTUATOR, index, true, on);
}

void VoroManager::enterBootloader(VoroDevice::Id id)
{
    enqueue(id, Op(VoroCommThread::OT__ENTER_BOOTLOADER));
}

void VoroManager::factoryReset(VoroDevice::Id id)
{
    enqueue(id, Op(VoroCommThread::OT__FACTORY_RESET));
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
