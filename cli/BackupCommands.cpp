// The commands about backups of the boxes' settings: backup and backups. A backup is written
// back with set-settings --with-location.
#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Records.h"
#include "device/SettingsBackup.h"
#include "records/BoxName.h"

#include <QDir>
#include <QJsonObject>

void BackupCommand::start()
{
    findAndOpen(
        invocation.all ? BoxSession::ALL_BOXES : BoxSession::NAMED, VoroManager::WithoutUpdater,
        [this] {
            VoroManager* manager = session.manager();
            for (BoxSession::Target* t : readyTargets()) {
                const VoroDevice d = manager->device(t->id);
                const SettingsBackup b = manager->backUp(t->id, SettingsBackup::MANUAL);
                if (!b.isValid()) {
                    failed(BoxName::qualified(d), d.serial_number,
                           QStringLiteral("its settings could not be backed up: %1")
                               .arg(manager->backupProblem()));
                    continue;
                }
                const QString shown = QDir::toNativeSeparators(b.file);
                if (console.json) {
                    QJsonObject o = Records::identity(d);
                    o.insert(QStringLiteral("result"), QStringLiteral("backed-up"));
                    o.insert(QStringLiteral("file"), shown);
                    console.result(o);
                } else {
                    console.result(
                        QStringLiteral("%1: backed up to %2").arg(BoxName::qualified(d), shown));
                }
            }
            finish();
        });
}

void BackupsCommand::start()
{
    findAndOpen(BoxSession::NAMED, VoroManager::WithoutUpdater, [this] {
        for (BoxSession::Target* t : readyTargets(true)) {
            const VoroDevice d = session.manager()->device(t->id);
            for (const SettingsBackup& b : SettingsBackup::list(d.serial_number)) {
                const QString time = b.time.toString(Qt::ISODate);
                const QString shown = QDir::toNativeSeparators(b.file);
                if (console.json) {
                    QJsonObject o = Records::identity(d);
                    o.insert(QStringLiteral("time"), time);
                    o.insert(QStringLiteral("reason"), SettingsBackup::reasonKey(b.reason));
                    o.insert(QStringLiteral("file"), shown);
                    console.result(o);
                } else {
                    console.result(QStringLiteral("%1  %2  %3")
                                       .arg(time, SettingsBackup::reasonKey(b.reason), shown));
                }
            }
        }
        finish();
    });
}
