// Backups of a box's settings before every step that may change them, and the comparison with
// the backup when a box comes back from an update or a reset.
#include "devicemanager/VoroManager.h"

#include "devicemanager/UserDialogs.h"

#include <thread>
#include <vector>

SettingsBackup VoroManager::backUp(VoroDevice::Id id, SettingsBackup::Reason reason)
{
    const Box* b = boxWithRecord(id);
    // Only settings read in full are worth keeping: a box's identity alone is no backup.
    if (!b || !b->baseline) {
        backup_problem = tr("its settings have not been read");
        return {};
    }
    backup_problem.clear();
    const SettingsBackup made = SettingsBackup::write(b->record->serial_number, b->device_config,
                                                      reason, &backup_problem);
    if (made.isValid()) {
        qDebug("manager: settings of device %d backed up to %s", id, qPrintable(made.file));
        emit backupMade(id, made);
    }
    return made;
}

QMap<VoroDevice::Id, SettingsBackup> VoroManager::backUp(const QList<VoroDevice::Id>& ids,
                                                         SettingsBackup::Reason reason,
                                                         QMap<VoroDevice::Id, QString>* problems)
{
    struct Job
    {
        VoroDevice::Id id;
        QString serial;
        VoroConfig config;
        SettingsBackup made;
        QString problem;
    };
    std::vector<Job> jobs;
    for (const VoroDevice::Id id : ids) {
        const Box* b = boxWithRecord(id);
        if (!b || !b->baseline)
            problems->insert(id, tr("its settings have not been read"));
        else
            jobs.push_back({ id, b->record->serial_number, b->device_config, {}, {} });
    }
    // Each file is flushed to the disk before it counts as written: side by side, the boxes
    // wait for one flush rather than one after another.
    std::vector<std::thread> writers;
    for (Job& job : jobs)
        writers.emplace_back([&job, reason] {
            job.made = SettingsBackup::write(job.serial, job.config, reason, &job.problem);
        });
    for (std::thread& t : writers)
        t.join();
    QMap<VoroDevice::Id, SettingsBackup> out;
    for (const Job& job : jobs) {
        out.insert(job.id, job.made);
        if (!job.made.isValid()) {
            problems->insert(job.id, job.problem);
            continue;
        }
        qDebug("manager: settings of device %d backed up to %s", job.id, qPrintable(job.made.file));
        emit backupMade(job.id, job.made);
    }
    return out;
}

bool VoroManager::backUpBefore(VoroDevice::Id id, SettingsBackup::Reason reason)
{
    const SettingsBackup made = backUp(id, reason);
    if (!made.isValid()) {
        ask(UserDialogs::Warning, tr("Backup"),
            tr("The settings of %1 could not be backed up: %2. Nothing has been changed.")
                .arg(boxName(id), backup_problem),
            UserDialogs::Ok);
        return false;
    }
    if (reason == SettingsBackup::FIRMWARE_UPDATE || reason == SettingsBackup::FACTORY_RESET)
        restore_offers.insert(identityKey(*boxWithRecord(id)->record), made);
    return true;
}

void VoroManager::readBeforeUpdate(VoroDevice::Id id)
{
    Box* b = boxWithRecord(id);
    b->update_after_read = false;
    if (backUpBefore(id, SettingsBackup::FIRMWARE_UPDATE)) {
        sendToBootloader(id);
        return;
    }
    // Without a backup the box stays as it is, in normal operation.
    b = boxWithRecord(id);
    if (!b)
        return;
    b->record->state = VoroDefinitions::DS__READY;
    announce(id);
    confirmWrites(id);
}

void VoroManager::compareWithBackup(VoroDevice::Id id)
{
    const Box* b = boxWithRecord(id);
    if (!b || !b->baseline)
        return;
    const auto offer = restore_offers.find(identityKey(*b->record));
    if (offer == restore_offers.end())
        return;
    const SettingsBackup backup = offer.value();
    restore_offers.erase(offer);
    const SettingsFile::ReadResult read = backup.read(b->device_config);
    if (read.ok() && read.config != b->device_config)
        emit settingsDifferFromBackup(id, backup);
}
