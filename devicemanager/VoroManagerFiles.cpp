// What the manager writes to and reads from files: the log export, and settings files, each
// through the user's file dialogs.
#include "devicemanager/VoroManager.h"

#include "device/AppSettings.h"
#include "device/SettingsFile.h"
#include "devicemanager/UserDialogs.h"
#include "records/BoxName.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

void VoroManager::exportLogs(VoroDevice::Id id)
{
    // A box that is only watched never works through its queue: its export would never end.
    const Box* b = boxWithRecord(id);
    if (!b || b->record->state != VoroDefinitions::DS__READY || b->log_export)
        return;
    const QString chosen = dialogs->existingDirectory(parent(), tr("Export Logs"),
                                                      lastFolder(AppSettings::FOLDER_EXPORT_LOGS));
    if (chosen.isEmpty())
        return;
    setLastFolder(AppSettings::FOLDER_EXPORT_LOGS, chosen);
    // The box may have gone, or its export started, while the dialog was open.
    exportLogs(id, chosen);
}

bool VoroManager::exportLogs(VoroDevice::Id id, const QString& chosen, const QString& folder_name)
{
    Box* running = boxWithRecord(id);
    if (!running || running->record->state != VoroDefinitions::DS__READY || running->log_export)
        return false;
    const LogExport run(chosen,
                        folder_name.isEmpty() ? running->record->config.location : folder_name,
                        QDateTime::currentDateTime());
    const QString name = BoxName::qualified(*running->record);
    // Eight logs take a while to read: a folder that cannot take them is said at once.
    if (!run.prepare()) {
        LogExportResult result = run.result(LogExportResult::FOLDER_NOT_WRITABLE, {});
        result.box = name;
        emit logExportComplete(id, result);
        return true;
    }
    running->log_export.emplace(run);
    running->export_box = name;
    running->export_stop = std::make_shared<std::atomic<bool>>(false);
    enqueueForActuator(id, VoroCommThread::OT__READ_LOG, 0, false, 0, running->export_stop);
    return true;
}

void VoroManager::cancelLogExport(VoroDevice::Id id)
{
    Box* b = box(id);
    if (b && b->log_export)
        b->export_stop->store(true); // the read under way ends after its chunk
}

void VoroManager::continueLogExport(VoroDevice::Id id, const VoroCommThread::OperationData& op,
                                    const VoroDevice& data)
{
    Box* b = box(id);
    if (op.stopped) {
        endLogExport(id, LogExportResult::CANCELLED);
        return;
    }
    const bool more = b->log_export->takeLog(data);
    emit logExportProgress(id, b->log_export->awaitedIndex());
    // The slots may have cancelled it.
    b = box(id);
    if (!b || !b->log_export)
        return;
    if (!more)
        endLogExport(id, LogExportResult::COMPLETE);
    else if (b->export_stop->load())
        endLogExport(id, LogExportResult::CANCELLED);
    else
        enqueueForActuator(id, VoroCommThread::OT__READ_LOG, b->log_export->awaitedIndex(), false,
                           0, b->export_stop);
}

void VoroManager::endLogExport(VoroDevice::Id id, LogExportResult::End end)
{
    Box* b = box(id);
    LogExportResult result = b->log_export->result(end, b->device_config.actuator_locations);
    result.box = b->export_box;
    b->log_export.reset();
    b->export_stop.reset();
    emit logExportComplete(id, result);
}

void VoroManager::exportSettings(const VoroDevice& device, const QString& file_name)
{
    if (!boxWithRecord(device.id))
        return;
    QString file = file_name;
    if (file.isEmpty()) {
        const QString proposed = lastFolder(AppSettings::FOLDER_EXPORT_IMPORT) + QDir::separator()
            + makeFileName(device.config.location, QStringLiteral("voro-BOX"),
                           QStringLiteral(".cfg"));
        file = dialogs->saveFileName(parent(), tr("Export Settings"), proposed,
                                     QStringLiteral("*.cfg"));
        if (file.isEmpty())
            return;
    }
    // The file does not exist yet, so its folder is what is remembered.
    setLastFolder(AppSettings::FOLDER_EXPORT_IMPORT, QFileInfo(file).absolutePath());
    if (!SettingsFile::write(file, device.config)) {
        ask(UserDialogs::Warning, tr("Export Settings"),
            tr("Unable to write the settings file '%1'.").arg(QDir::toNativeSeparators(file)),
            UserDialogs::Ok);
    }
}

VoroDevice VoroManager::importSettings(const VoroDevice& device, bool* cancelled)
{
    bool ignored = true;
    bool& nothing_read = cancelled ? *cancelled : ignored;
    nothing_read = true;
    VoroDevice result = device;
    if (!boxWithRecord(device.id))
        return result;
    const QString file = dialogs->openFileName(parent(), tr("Import Settings"),
                                               lastFolder(AppSettings::FOLDER_EXPORT_IMPORT),
                                               QStringLiteral("*.cfg"));
    if (file.isEmpty())
        return result;
    setLastFolder(AppSettings::FOLDER_EXPORT_IMPORT, file);

    // The box may have gone while the dialog was open.
    const Box* held_by = boxWithRecord(device.id);
    const VoroConfig held = held_by ? held_by->device_config : device.config;
    const SettingsFile::ReadResult read = SettingsFile::read(file, device.config, held);
    if (read.ok()) {
        // What the box holds is kept before the file's values go there.
        if (read.config != held && !backUpBefore(device.id, SettingsBackup::IMPORT))
            return result;
        result.config = read.config;
        nothing_read = false;
        return result;
    }
    ask(UserDialogs::Warning, tr("Import Settings"), settingsFileProblem(read, file),
        UserDialogs::Ok);
    return result;
}

QString VoroManager::settingsFileProblem(const SettingsFile::ReadResult& read, const QString& file)
{
    const QString shown = QDir::toNativeSeparators(file);
    switch (read.problem) {
    case SettingsFile::ReadResult::NONE:
        break;
    case SettingsFile::ReadResult::UNREADABLE:
        return tr("Unable to read the settings file '%1'.").arg(shown);
    case SettingsFile::ReadResult::NOT_SETTINGS:
        return tr("The file '%1' is not a settings file: it has no readable group '%2'.")
            .arg(shown, read.key);
    case SettingsFile::ReadResult::INVALID_VALUE:
        if (read.allowed.isEmpty())
            return tr("The settings file '%1' holds the value '%2' for '%3', which the device "
                      "cannot take. Nothing has been imported.")
                .arg(shown, read.value, read.key);
        return tr("The settings file '%1' holds the value '%2' for '%3', which the device cannot "
                  "take (allowed: %4). Nothing has been imported.")
            .arg(shown, read.value, read.key, read.allowed);
    }
    return QString();
}
