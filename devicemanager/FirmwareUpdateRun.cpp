#include "devicemanager/FirmwareUpdateRun.h"

#include "devicemanager/VoroManager.h"
#include "firmware/FirmwareUpdateController.h"
#include "records/BoxName.h"

FirmwareUpdateRun::FirmwareUpdateRun(VoroManager* manager, QObject* parent)
    : QObject(parent)
    , manager(manager)
{
    FirmwareUpdateController* updater = manager->firmwareUpdater();
    Q_ASSERT(updater);
    connect(updater, &FirmwareUpdateController::boxChanged, this, &FirmwareUpdateRun::onBoxChanged);
    connect(manager, &VoroManager::deviceDetected, this, &FirmwareUpdateRun::onDeviceDetected);
    connect(&timer, &QTimer::timeout, this, &FirmwareUpdateRun::check);
    timer.start(VoroManager::CHECK_INTERVAL_MS);
}

void FirmwareUpdateRun::start(const QList<VoroDevice::Id>& boxes,
                              const QList<SurveyedBox>& bootloaders)
{
    QList<Result> refused;
    for (const VoroDevice::Id id : boxes) {
        const VoroDevice d = manager->device(id);
        Followed f;
        f.result.key = d.serial_number;
        f.result.serial_number = d.serial_number;
        f.result.box = BoxName::qualified(d);
        // Its bootloader is known by the serial number alone: the path changes on the way.
        if (d.serial_number.isEmpty()) {
            f.result.text = tr("Failed: %1 has no serial number to follow it into its bootloader")
                                .arg(f.result.box);
            refused << f.result;
            continue;
        }
        if (!manager->enterBootloader(id)) {
            const QString problem = manager->backupProblem();
            f.result.text = problem.isEmpty()
                ? tr("Failed: %1 cannot be sent into its bootloader").arg(f.result.box)
                : tr("Failed: the settings of %1 could not be backed up (%2)")
                      .arg(f.result.box, problem);
            refused << f.result;
            continue;
        }
        following << f;
    }
    FirmwareUpdateController* updater = manager->firmwareUpdater();
    for (const SurveyedBox& loader : bootloaders) {
        Followed f;
        f.result.key = loader.serial_number.isEmpty() ? loader.usb_path : loader.serial_number;
        f.result.serial_number = loader.serial_number;
        f.result.box = loader.name();
        following << f;
        updater->include(f.result.key);
    }
    for (const Result& r : qAsConst(refused))
        emit boxFinished(r);
    if (following.isEmpty())
        emit finished();
}

void FirmwareUpdateRun::onBoxChanged(const BoxUpdate& update)
{
    for (Followed& f : following) {
        if (f.result.key != update.key)
            continue;
        if (update.announced)
            f.result.box = update.name();
        f.result.serial_number = update.serial;
        emit boxChanged(update);
        switch (update.phase) {
        case BoxUpdate::Updated:
            f.written = true;
            f.result.text = update.result();
            f.stalled.start();
            // A bootloader without a serial number cannot be recognised when it is back.
            if (update.serial.isEmpty())
                end(f.result.key, true, f.result.text, update.to_version);
            return;
        case BoxUpdate::Kept:
        case BoxUpdate::Failed:
            end(f.result.key, false, update.result());
            return;
        case BoxUpdate::Disconnected:
        case BoxUpdate::Retrying:
            f.result.text = update.phase == BoxUpdate::Disconnected
                ? update.result()
                : tr("Failed: %1").arg(update.reason.isEmpty() ? update.status : update.reason);
            if (!f.stalled.isValid())
                f.stalled.start();
            return;
        case BoxUpdate::Waiting:
        case BoxUpdate::Running:
            f.stalled.invalidate();
            return;
        }
        return;
    }
}

void FirmwareUpdateRun::onDeviceDetected(VoroDevice::Id id)
{
    const VoroDevice d = manager->device(id);
    for (const Followed& f : qAsConst(following)) {
        if (f.written && f.result.key == d.serial_number) {
            end(f.result.key, true, f.result.text, d.firmware_version);
            return;
        }
    }
}

void FirmwareUpdateRun::check()
{
    for (const Followed& f : qAsConst(following)) {
        if (f.stalled.isValid() && f.stalled.hasExpired(RETURN_WAIT_MS)) {
            end(f.result.key, false,
                f.written ? tr("%1, but the box did not come back").arg(f.result.text)
                          : f.result.text);
            return; // the list has changed; the rest waits for the next tick
        }
    }
}

void FirmwareUpdateRun::end(QString key, bool success, QString text, QString version)
{
    for (int i = 0; i < following.size(); ++i) {
        if (following.at(i).result.key != key)
            continue;
        Result r = following.takeAt(i).result;
        r.success = success;
        r.text = text;
        r.version = version;
        emit boxFinished(r);
        if (following.isEmpty())
            emit finished();
        return;
    }
}
