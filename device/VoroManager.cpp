#include "device/VoroManager.h"

#include "device/FolderSettings.h"
#include "device/LogExport.h"
#include "device/SettingsFile.h"
#include "device/UserDialogs.h"
#include "devicelink/VoroComm.h"
#include "devicelink/VoroUsbDetector.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QWidget>

#include <limits>

namespace {
using Op = VoroCommThread::OperationData;

// The last id handed out, for the whole program: ids are never reused during a run, also not
// by a second manager.
int next_id = 0;

VoroDevice::Id takeNextId()
{
    next_id = next_id == std::numeric_limits<int>::max() ? std::numeric_limits<int>::min()
                                                         : next_id + 1;
    if (next_id == -1) // means "no device"
        ++next_id;
    return next_id;
}

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

VoroManager::VoroManager(QWidget* parent, UserDialogs* dialogs)
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
    // Seam for the firmware update: the one FirmwareUpdater, a child of the window, is created
    // here once the firmware subsystem exists. Until then a box sent into its bootloader stays
    // there, and the manager only sees it leave.
    connect(&check_timer, &QTimer::timeout, this, &VoroManager::checkDevices);
    check_timer.start(CHECK_INTERVAL_MS);
}

VoroManager::~VoroManager()
{
    delete detector;
    for (VoroCommThread* thread : qAsConst(threads)) {
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
    return devices.value(id);
}

QList<VoroDevice::Id> VoroManager::deviceIds() const
{
    return devices.keys();
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
    auto* thread = new VoroCommThread(new VoroComm(new HidDevice(hid_id), id));
    connect(thread, &VoroCommThread::initFailed, this, &VoroManager::onInitFailed,
            Qt::QueuedConnection);
    connect(thread, &VoroCommThread::initSucceeded, this, &VoroManager::onInitSucceeded,
            Qt::QueuedConnection);
    connect(thread, &VoroCommThread::operationFinished, this, &VoroManager::onOperationFinished,
            Qt::QueuedConnection);
    connect(
        thread, &QThread::finished, this, [this, id] { onThreadFinished(id); },
        Qt::QueuedConnection);
    threads.insert(id, thread);
    thread->start(QThread::InheritPriority);
    hid_ids.insert(id, hid_id);
    qDebug("manager: added USB device: %08x, id: %d", hid_id.getHash(), id);
}

void VoroManager::updateDevice(VoroDevice::Id id, const VoroDevice& data)
{
    if (!threads.contains(id))
        return;
    device_configs[id] = data.config;
    VoroDevice& record = devices[id];
    const VoroConfig config = record.config;
    const int state = record.state;
    record = data;
    record.config = config;
    record.state = state;
}

void VoroManager::onInitSucceeded(VoroDevice::Id id, const VoroDevice& data)
{
    updateDevice(id, data);
    if (!devices.contains(id))
        return;
    devices[id].state = VoroDefinitions::DS__INITIALIZED;
    pending_checks.insert(id);
}

void VoroManager::onInitFailed(VoroDevice::Id id, const VoroDevice& data)
{
    updateDevice(id, data);
    qDebug("init of device %d failed", id);
}

void VoroManager::checkDevices()
{
    while (!pending_checks.isEmpty()) {
        const VoroDevice::Id id = *pending_checks.begin();
        pending_checks.erase(pending_checks.begin());
        if (threads.contains(id) && !checkFirmware(id))
            return;
    }
}

bool VoroManager::checkFirmware(VoroDevice::Id id)
{
    const VoroDevice d = devices.value(id);
    // The manager's own configuration of a new box is still empty; the identity read brought
    // the location.
    const QString location = device_configs.value(id).location;
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
    VoroCommThread* thread = threads.value(id);
    if (!thread)
        return;
    thread->enqueue(Op(type));
    thread->setMode(VoroCommThread::MODE_RUN);
}

void VoroManager::watch(VoroDevice::Id id)
{
    VoroCommThread* thread = threads.value(id);
    if (!thread)
        return;
    thread->setMode(VoroCommThread::MODE_WATCH);
    devices[id].state = VoroDefinitions::DS__UNSUPPORTED;
    emit deviceDetected(id);
}

void VoroManager::onOperationFinished(VoroDevice::Id id, const VoroCommThread::OperationData& op,
                                      const VoroDevice& data, bool success)
{
    updateDevice(id, data);
    if (!success || !threads.contains(id))
        return; // the thread ends next
    switch (op.type) {
    case VoroCommThread::OT__POLL: {
        const bool known = baseline_configs.contains(id) && device_configs.contains(id);
        emit deviceUpdated(id, known && baseline_configs.value(id) != device_configs.value(id));
        break;
    }
    case VoroCommThread::OT__READ_ALL:
        baseline_configs[id] = data.config;
        device_configs[id] = data.config;
        devices[id].config = data.config;
        devices[id].state = VoroDefinitions::DS__READY;
        emit deviceDetected(id);
        break;
    case VoroCommThread::OT__READ_LOG: {
        // Only the read the export waits for is its step; another one (the window's Log
        // button during an export) is shown as usual, so no file gets another actuator's log.
        const auto running = log_exports.constFind(id);
        if (running != log_exports.constEnd() && running->index == op.actuator_index)
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
    if (hid_ids.contains(id))
        detector->removeDevice(hid_ids.take(id));
    if (VoroCommThread* thread = threads.take(id))
        thread->deleteLater();
    devices.remove(id);
    baseline_configs.remove(id);
    device_configs.remove(id);
    pending_checks.remove(id);
    log_exports.remove(id); // an export of a dropped box ends without completing
    qDebug("device %d deleted", id);
    emit deviceDeleted(id);
}

bool VoroManager::enqueue(VoroDevice::Id id, const VoroCommThread::OperationData& op)
{
    VoroCommThread* thread = threads.value(id);
    if (!thread)
        return false;
    thread->enqueue(op);
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
    devices[id].config = config;
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
    if (!devices.contains(id) || !baseline_configs.contains(id) || !device_configs.contains(id))
        return;
    const VoroConfig config = device_configs.value(id);
    devices[id].config = config;
    baseline_configs[id] = config;
}

bool VoroManager::isExportingLogs(VoroDevice::Id id) const
{
    return log_exports.contains(id);
}

void VoroManager::exportLogs(VoroDevice::Id id)
{
    // A box that is only watched never works through its queue: its export would never end.
    if (devices.value(id).state != VoroDefinitions::DS__READY || log_exports.contains(id))
        return;
    const QString chosen = dialogs->existingDirectory(window(), tr("Export Logs"),
                                                      lastFolder(AppSettings::FOLDER_EXPORT_LOGS),
                                                      QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return;
    setLastFolder(AppSettings::FOLDER_EXPORT_LOGS, chosen);
    if (!threads.contains(id) || log_exports.contains(id))
        return; // gone, or started meanwhile, while the dialog was open

    LogExportState state;
    state.folder = LogExport::folder(chosen, devices.value(id).config.location,
                                     QDateTime::currentDateTime());
    // A folder that cannot be made shows as files that cannot be written.
    QDir().mkpath(state.folder);
    log_exports.insert(id, state);
    readActuatorLog(id, 0);
}

void VoroManager::continueLogExport(VoroDevice::Id id, const VoroDevice& data)
{
    LogExportState& state = log_exports[id];
    const QString file = LogExport::fileName(state.folder, state.index,
                                             data.config.actuator_locations.value(state.index));
    if (!LogExport::write(file, data.log)) {
        qDebug("unable to write log file: %s", qPrintable(QDir::toNativeSeparators(file)));
        state.failed_files << file;
    }
    ++state.index;
    if (state.index < VoroDefinitions::ACTUATOR_COUNT) {
        readActuatorLog(id, state.index);
        return;
    }
    const QStringList failed = state.failed_files;
    log_exports.remove(id);
    emit logExportComplete(id, failed);
}

void VoroManager::exportSettings(const VoroDevice& device, const QString& file_name)
{
    if (!devices.contains(device.id))
        return;
    QString file = file_name;
    if (file.isEmpty()) {
        const QString proposed = lastFolder(AppSettings::FOLDER_EXPORT_IMPORT) + QDir::separator()
            + makeFileName(device.config.location, QStringLiteral("voro-BOX"),
                           QStringLiteral(".cfg"));
        file = dialogs->saveFileName(window(), tr("Export Settings"), proposed,
                                     QStringLiteral("*.cfg"));
        if (file.isEmpty())
            return;
    }
    // The file does not exist yet, so its folder is what is remembered.
    setLastFolder(AppSettings::FOLDER_EXPORT_IMPORT, QFileInfo(file).absolutePath());
    if (!SettingsFile::write(file, device.config)) {
        ask(QMessageBox::Warning, tr("Export Settings"),
            tr("Unable to write the settings file '%1'.").arg(QDir::toNativeSeparators(file)),
            QMessageBox::Ok);
    }
}

VoroDevice VoroManager::importSettings(const VoroDevice& device, bool* cancelled)
{
    bool ignored = true;
    bool& nothing_read = cancelled ? *cancelled : ignored;
    nothing_read = true;
    VoroDevice result = device;
    if (!devices.contains(device.id))
        return result;
    const QString file = dialogs->openFileName(window(), tr("Import Settings"),
                                               lastFolder(AppSettings::FOLDER_EXPORT_IMPORT),
                                               QStringLiteral("*.cfg"));
    if (file.isEmpty())
        return result;
    setLastFolder(AppSettings::FOLDER_EXPORT_IMPORT, file);

    const VoroConfig held = device_configs.value(device.id, device.config);
    const SettingsFile::ReadResult read = SettingsFile::read(file, device.config, held);
    const QString shown = QDir::toNativeSeparators(file);
    switch (read.problem) {
    case SettingsFile::ReadResult::NONE:
        result.config = read.config;
        nothing_read = false;
        return result;
    case SettingsFile::ReadResult::UNREADABLE:
        ask(QMessageBox::Warning, tr("Import Settings"),
            tr("Unable to read the settings file '%1'.").arg(shown), QMessageBox::Ok);
        break;
    case SettingsFile::ReadResult::NOT_SETTINGS:
        ask(QMessageBox::Warning, tr("Import Settings"),
            tr("The file '%1' is not a settings file: it has no readable group '%2'.")
                .arg(shown, read.key),
            QMessageBox::Ok);
        break;
    case SettingsFile::ReadResult::INVALID_VALUE:
        ask(QMessageBox::Warning, tr("Import Settings"),
            tr("The settings file '%1' holds a value for '%2' that the device cannot take. "
               "Nothing has been imported.")
                .arg(shown, read.key),
            QMessageBox::Ok);
        break;
    }
    return result;
}
