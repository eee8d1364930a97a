#include "devicemanager/VoroManager.h"

#include "device/AppSettings.h"
#include "devicelink/HidOpenMonitor.h"
#include "devicelink/VoroComm.h"
#include "devicelink/VoroUsbDetector.h"
#include "devicemanager/UserDialogs.h"
#include "firmware/FirmwareUpdateController.h"
#include "records/BoxName.h"

#include <QDebug>

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

VoroManager::VoroManager(QObject* parent, UserDialogs* dialogs, FirmwareUpdates updates)
    : QObject(parent)
    , own_dialogs(dialogs ? nullptr : new UnattendedDialogs)
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
        updater = new FirmwareUpdateController(
            UpdateHistory(AppSettings::dataFolder() + QLatin1Char('/')
                          + QLatin1String(UpdateHistory::FILE_NAME)),
            this);
        updater->startPolling(UPDATER_POLL_MS);
        // A box waits for its return without a time limit while its update runs.
        connect(updater, &FirmwareUpdateController::updateFinished, this,
                [this](const QString& serial) { updateEnded(serial); });
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

UserDialogs::Button VoroManager::ask(UserDialogs::Icon icon, const QString& title,
                                     const QString& text, UserDialogs::Buttons buttons)
{
    return dialogs->message(parent(), icon, title, text, buttons);
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
    // A message box runs its own event loop, in which this timer comes again: one question at a
    // time; boxes that became due meanwhile wait for the next tick.
    if (asking)
        return;
    QList<VoroDevice::Id> due;
    bool starting = false;
    for (const auto& [id, box] : boxes) {
        if (box.check_pending)
            due << id;
        starting = starting || !box.record;
    }
    if (due.isEmpty())
        return;
    // Boxes plugged in together are asked about together: a box still reading its identity is
    // waited for a little.
    if (firmware_questions && starting && deferred_checks < MAX_DEFERRED_CHECKS) {
        ++deferred_checks;
        return;
    }
    deferred_checks = 0;
    asking = true;
    QList<VoroDevice::Id> offered, required;
    // The boxes may come and go in the event loop of a message box; every step checks.
    for (const VoroDevice::Id id : qAsConst(due)) {
        Box* b = box(id);
        if (!b || !b->check_pending)
            continue;
        b->check_pending = false;
        bool must = false;
        if (needsUpdate(id, &must))
            (must ? required : offered) << id;
    }
    if (!offered.isEmpty() || !required.isEmpty())
        offerUpdates(offered, required);
    asking = false;
}

bool VoroManager::needsUpdate(VoroDevice::Id id, bool* required)
{
    Box* b = boxWithRecord(id);
    if (!b)
        return false;
    const VoroDevice d = *b->record;
    const QString name = boxName(id);
    const QString firmware = d.firmware_version;
    // A box whose update failed during this run is not offered another by itself: the user
    // can still ask for one.
    const bool failed
        = updater && updater->hasFailed(QString::fromStdWString(b->hid_id.serial_number));
    const bool older = isOlderVersion(firmware, QString::fromLatin1(FIRMWARE_VERSION));
    if (d.protocol_version == PROTOCOL_VERSION) {
        if (older && !failed && firmware_questions) {
            *required = false;
            return true;
        }
        startOperation(id, VoroCommThread::OT__READ_ALL);
        return false;
    }
    b->update_only = d.protocol_version < PROTOCOL_VERSION && older;
    if (!firmware_questions) {
        watch(id);
        return false;
    }
    if (d.protocol_version > PROTOCOL_VERSION) {
        ask(UserDialogs::Warning, tr("Update"),
            tr("Unable to communicate with device '%1' with firmware version '%2', please use a "
               "newer version of the %3-CDU.")
                .arg(name, firmware, QStringLiteral("voro-BOX")),
            UserDialogs::Ok);
    } else if (older && !failed) {
        *required = true;
        return true;
    } else {
        ask(UserDialogs::Critical, tr("Error"),
            tr("Unable to communicate with device '%1' with firmware version '%2'.")
                .arg(name, firmware),
            UserDialogs::Ok);
    }
    watch(id);
    return false;
}

void VoroManager::offerUpdates(const QList<VoroDevice::Id>& offered,
                               const QList<VoroDevice::Id>& required)
{
    // Nothing leaves normal operation for an image that cannot be written.
    if (!firmwareImageUsable(false)) {
        for (const VoroDevice::Id id : offered)
            startOperation(id, VoroCommThread::OT__READ_ALL);
        for (const VoroDevice::Id id : required)
            watch(id);
        return;
    }
    const auto lines = [this](const QList<VoroDevice::Id>& ids) {
        QStringList out;
        for (const VoroDevice::Id id : ids)
            out << updateLine(id);
        return out.join(QLatin1Char('\n'));
    };
    if (!required.isEmpty()) {
        const VoroDevice first = device(required.first());
        ask(UserDialogs::Information, tr("Firmware Update"),
            required.size() == 1
                ? tr("The firmware '%1' of device '%2' has to be updated to %3.")
                      .arg(first.firmware_version, boxName(required.first()), image_version)
                : tr("The firmware of these devices has to be updated:\n\n%1").arg(lines(required)),
            UserDialogs::Ok);
        for (const VoroDevice::Id id : required)
            enterBootloader(id);
    }
    if (offered.isEmpty())
        return;
    const VoroDevice first = device(offered.first());
    const bool yes
        = ask(UserDialogs::Question, tr("Firmware Update"),
              offered.size() == 1
                  ? tr("A new firmware is available, do you want to update the device '%1' from "
                       "%2 to %3?")
                        .arg(boxName(offered.first()), first.firmware_version, image_version)
                  : tr("A new firmware is available for these devices:\n\n%1\n\nDo you want to "
                       "update them?")
                        .arg(lines(offered)),
              UserDialogs::Yes | UserDialogs::No)
        == UserDialogs::Yes;
    for (const VoroDevice::Id id : offered) {
        if (yes)
            enterBootloader(id);
        else
            startOperation(id, VoroCommThread::OT__READ_ALL);
    }
}

bool VoroManager::firmwareImageUsable(bool always)
{
    const UpdateImage image
        = updater ? updater->checkImage() : UpdateImage::find(BundledFirmware::HARDWARE_ID);
    image_version = image.version;
    if (image.usable()) {
        reported_image_error.clear();
        return true;
    }
    // Told once, not at every box that comes.
    const QString fault = image.path + image.error;
    if (always || fault != reported_image_error) {
        reported_image_error = fault;
        ask(UserDialogs::Warning, tr("Firmware Update"),
            tr("The firmware image %1 cannot be used: %2. No device is updated.")
                .arg(image.fileName(), image.error),
            UserDialogs::Ok);
    }
    return false;
}

QString VoroManager::boxName(VoroDevice::Id id) const
{
    const Box* b = box(id);
    return b ? BoxName::qualified(b->device_config.location,
                                  QString::fromStdWString(b->hid_id.serial_number),
                                  QString::fromStdString(b->hid_id.path))
             : QString();
}

QString VoroManager::updateLine(VoroDevice::Id id) const
{
    return QStringLiteral("%1: %2 \u2192 %3")
        .arg(boxName(id), device(id).firmware_version, image_version);
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
        if (b->update_after_read) {
            b->baseline = data.config;
            b->device_config = data.config;
            b->record->config = data.config;
            readBeforeUpdate(id);
            break;
        }
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
