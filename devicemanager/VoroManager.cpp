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
    qRegisterMetaType<WriteOutcome>("WriteOutcome");
    qRegisterMetaType<LogExportResult>("LogExportResult");

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
    connect(&check_timer, &QTimer::timeout, this, &VoroManager::expireLostBoxes);
    check_timer.start(CHECK_INTERVAL_MS);
}

VoroManager::~VoroManager()
{
    delete detector;
    if (updater && !updater->parent())
        delete updater;
    // No actuator is left testing, and a write under way is finished rather than cut off: each
    // thread works through its queue and ends, for a few seconds at most.
    for (auto& [id, box] : boxes) {
        endTests(id);
        box.thread->disconnect(this);
        box.thread->finishQueue();
    }
    const QDeadlineTimer deadline(SHUTDOWN_WAIT_MS);
    for (auto& [id, box] : boxes) {
        box.thread->wait(deadline);
        box.thread->stop();
        delete box.thread;
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
    announce(id);
}

void VoroManager::onOperationFinished(VoroDevice::Id id, const VoroCommThread::OperationData& op,
                                      const VoroDevice& data, bool success)
{
    updateDevice(id, data);
    Box* b = boxWithRecord(id);
    if (!b)
        return;
    if (!success) {
        operationFailed(id, op); // the thread ends next
        return;
    }
    b->writes.operationDone(op);
    switch (op.type) {
    case VoroCommThread::OT__POLL:
        emit deviceUpdated(id, b->baseline && *b->baseline != b->device_config);
        confirmWrites(id);
        break;
    case VoroCommThread::OT__READ_ALL: {
        const bool first = b->record->state != VoroDefinitions::DS__READY;
        b->baseline = data.config;
        b->device_config = data.config;
        b->record->config = data.config;
        b->record->state = VoroDefinitions::DS__READY;
        if (first)
            announce(id);
        else
            emit deviceDetected(id);
        confirmWrites(id);
        break;
    }
    case VoroCommThread::OT__READ_LOG: {
        // Only the read the export waits for is its step; another one (the window's Log
        // button during an export) is shown as usual, so no file gets another actuator's log.
        if (b->log_export && b->log_export->awaitedIndex() == op.actuator_index
            && op.stop == b->export_stop)
            continueLogExport(id, op, data);
        else if (!op.stopped)
            emit logRead(id, op.actuator_index);
        break;
    }
    case VoroCommThread::OT__ENTER_BOOTLOADER:
        // It leaves the detector's sight until its update has run.
        updating.insert(identityKey(*b->record));
        break;
    default:
        break;
    }
}

void VoroManager::onThreadFinished(VoroDevice::Id id)
{
    const auto found = boxes.find(id);
    if (found != boxes.end()) {
        Box& b = found->second;
        detector->removeDevice(b.hid_id);
        b.thread->deleteLater();
        // An export the box's end has cut short is over too: the user learns which logs are
        // missing.
        if (b.log_export)
            endLogExport(id,
                         b.export_stop->load() ? LogExportResult::CANCELLED
                                               : LogExportResult::BOX_STOPPED);
        keepLost(id, b);
        boxes.erase(found);
    }
    qDebug("device %d deleted", id);
    emit deviceDeleted(id);
}
