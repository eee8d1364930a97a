// Commissioning many boxes through the manager, end to end on virtual boxes: one settings file
// applied to eight boxes (checked for all before any write, each box with its own result, the
// locations left alone unless asked), a backup of the settings before every step that may
// change them, and the backup offered back when a box returns from an update or a reset with
// other settings.
#include "tests/support/CommTestSupport.h"

#include "tests/support/ScriptedDialogs.h"

#include "device/AppSettings.h"
#include "device/SettingsBackup.h"
#include "devicelink/VoroCommands.h"
#include "devicemanager/SettingsApply.h"
#include "devicemanager/VoroManager.h"
#include "firmware/FirmwareUpdateController.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
constexpr int kReadyMs = 10000;
constexpr int kUpdateMs = 30000;

QList<VoroDevice::Id> readyIds(const VoroManager* m)
{
    QList<VoroDevice::Id> out;
    for (VoroDevice::Id id : m->deviceIds()) {
        if (m->device(id).state == VoroDefinitions::DS__READY)
            out << id;
    }
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class tst_Commissioning : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        hidsim::Bus::instance().setLatency(std::chrono::microseconds(0));
        QDir(SettingsBackup::rootFolder()).removeRecursively();
        QFile::remove(SettingsBackup::rootFolder());
    }
    void cleanup() { hidsim::Bus::instance().unplugAll(); }

    void applyToEight_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("with_locations");
        QTest::addColumn<int>("failing"); // the box that answers without taking; -1 none
        QTest::addColumn<bool>("written");
        const QByteArray valid = "[config]\nlocation=Lobby\nactuator_locations\\1\\location=Hall\n"
                                 "actuator_locations\\size=8\nactuator_settings\\2\\setpoint=245\n"
                                 "actuator_settings\\size=8\n";
        QTest::newRow("locations left alone") << valid << false << -1 << true;
        QTest::newRow("locations ticked") << valid << true << -1 << true;
        QTest::newRow("one box failing") << valid << false << 5 << true;
        QTest::newRow("one invalid key")
            << QByteArray("[config]\nactuator_settings\\2\\setpoint=245\n"
                          "actuator_settings\\3\\sensor_offset=999\nactuator_settings\\size=8\n")
            << false << -1 << false;
    }

    void applyToEight()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, with_locations);
        QFETCH(int, failing);
        QFETCH(bool, written);
        std::vector<std::unique_ptr<PluggedBox>> boxes;
        for (int i = 0; i < 8; ++i) {
            boxes.push_back(std::make_unique<PluggedBox>(QStringLiteral("Room %1").arg(i + 1)));
            boxes.back()->box->setActuatorLocation(0, QStringLiteral("Window %1").arg(i + 1));
        }
        if (failing >= 0)
            boxes.at(failing)->box->overrideReply(CMD__SET_ACTUATOR_SETTINGS, "OK", -1);
        QObject owner;
        ScriptedDialogs dialogs;
        auto* manager = new VoroManager(&owner, &dialogs, VoroManager::WithoutUpdater);
        QTRY_COMPARE_WITH_TIMEOUT(readyIds(manager).size(), 8, kReadyMs);
        QTemporaryDir dir;
        const QString path = dir.filePath("building.cfg");
        QVERIFY(writeFile(path, file));

        SettingsApply apply(manager);
        QCOMPARE(apply.prepare(path, readyIds(manager), with_locations), written);
        if (!written) {
            // Named for the user: the file, the key, the value and what is allowed.
            const QString problem = apply.plans().first().problem;
            for (const QString& part :
                 { QString("building.cfg"), QString("actuator_settings\\3\\sensor_offset"),
                   QString("'999'"), QString("allowed: -") })
                QVERIFY2(problem.contains(part), qPrintable(problem));
            QTest::qWait(300); // what a write would have sent by now
            for (const auto& p : boxes) {
                QVERIFY(p->box->receivedArguments(CMD__SAVE).isEmpty());
                QVERIFY(SettingsBackup::list(p->box->serial()).isEmpty());
            }
            return;
        }
        for (const SettingsApply::Plan& plan : apply.plans())
            QCOMPARE(plan.changes.size(), with_locations ? 3 : 1);
        QSignalSpy results(&apply, &SettingsApply::boxFinished);
        QSignalSpy finished(&apply, &SettingsApply::finished);
        apply.start();
        QVERIFY(finished.wait(kReadyMs));
        QCOMPARE(results.size(), 8);
        for (const QList<QVariant>& args : results) {
            const auto r = args.first().value<SettingsApply::Result>();
            const bool fails = failing >= 0 && r.serial_number == boxes.at(failing)->box->serial();
            QCOMPARE(r.end, fails ? SettingsApply::Result::FAILED : SettingsApply::Result::SAVED);
            QCOMPARE(r.reason.isEmpty(), !fails);
        }
        for (int i = 0; i < 8; ++i) {
            const hidsim::VoroBox& box = *boxes.at(i)->box;
            // Each box saved once, after a backup of what it held.
            QCOMPARE(box.receivedArguments(CMD__SAVE).size(), 1);
            QCOMPARE(SettingsBackup::list(box.serial()).size(), 1);
            QCOMPARE(box.actuatorSetting(1, hidsim::Setpoint) == 245, i != failing);
            QCOMPARE(box.location(),
                     with_locations ? QString("Lobby") : QString("Room %1").arg(i + 1));
            QCOMPARE(box.actuatorLocation(0),
                     with_locations ? QString("Hall") : QString("Window %1").arg(i + 1));
        }
    }

    // Every step that may change a box's settings is preceded by a backup of them; when no
    // backup can be written, the step is not taken.
    void backupBeforeRiskyStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("backups_possible");
        QTest::addColumn<int>("command"); // what the step sends the box
        QTest::addColumn<int>("reason");
        for (const bool possible : { true, false }) {
            const char* suffix = possible ? "" : ", no backup possible";
            QTest::newRow(qPrintable(QString("update") + suffix))
                << "update" << possible << int(CMD__ENTER_BOOTLOADER)
                << int(SettingsBackup::FIRMWARE_UPDATE);
            QTest::newRow(qPrintable(QString("reset") + suffix))
                << "reset" << possible << int(CMD__FACTORY_RESET)
                << int(SettingsBackup::FACTORY_RESET);
            QTest::newRow(qPrintable(QString("import") + suffix))
                << "import" << possible << -1 << int(SettingsBackup::IMPORT);
        }
    }

    void backupBeforeRiskyStep()
    {
        QFETCH(QString, step);
        QFETCH(bool, backups_possible);
        QFETCH(int, command);
        QFETCH(int, reason);
        PluggedBox hall(QStringLiteral("Hall"));
        hall.box->setActuatorSetting(3, hidsim::Setpoint, 235);
        if (!backups_possible) {
            // A file where the backups' folder should be: nothing can be written below it.
            QVERIFY(QDir().mkpath(AppSettings::dataFolder()));
            QVERIFY(writeFile(SettingsBackup::rootFolder(), "in the way"));
        }
        QObject owner;
        ScriptedDialogs dialogs;
        auto* manager = new VoroManager(&owner, &dialogs, VoroManager::WithoutUpdater);
        QTRY_COMPARE_WITH_TIMEOUT(readyIds(manager).size(), 1, kReadyMs);
        const VoroDevice held = manager->device(readyIds(manager).first());
        QSignalSpy outcomes(manager, &VoroManager::writeFinished);
        QTemporaryDir dir;
        if (step == "update") {
            QCOMPARE(manager->enterBootloader(held.id), backups_possible);
        } else if (step == "reset") {
            manager->factoryReset(held.id);
        } else {
            const QString file = dir.filePath("import.cfg");
            QVERIFY(writeFile(file, "[config]\nlocation=Hall\nlog_interval=1200\n"));
            dialogs.paths << file;
            bool cancelled = true;
            const VoroDevice imported = manager->importSettings(held, &cancelled);
            QCOMPARE(cancelled, !backups_possible);
            QCOMPARE(imported.config.log_interval == 1200, backups_possible);
        }
        const QList<SettingsBackup> backups = SettingsBackup::list(held.serial_number);
        if (!backups_possible) {
            QVERIFY(backups.isEmpty());
            QCOMPARE(dialogs.messages().size(), 1);
            QVERIFY2(dialogs.messages().first().text.contains("could not be backed up"),
                     qPrintable(dialogs.messages().first().text));
            if (step == "reset") {
                QCOMPARE(outcomes.size(), 1);
                QCOMPARE(outcomes.first().first().value<WriteOutcome>().failure,
                         WriteOutcome::NO_BACKUP);
            }
            if (command >= 0) {
                QTest::qWait(300);
                QVERIFY(hall.box->receivedArguments(command).isEmpty());
            }
            return;
        }
        QCOMPARE(backups.size(), 1);
        QCOMPARE(int(backups.first().reason), reason);
        VoroConfig other = held.config; // the backup's values go over whatever is there
        other.location = "Elsewhere";
        other.actuator_settings[3].setpoint = 200;
        const SettingsFile::ReadResult read = backups.first().read(other);
        QVERIFY(read.ok());
        QCOMPARE(read.config, held.config);
        if (command >= 0)
            QTRY_VERIFY(!hall.box->receivedArguments(command).isEmpty());
    }

    // A box back from its update or reset with other settings than before is offered its
    // backup, and restoring it brings the settings back through a confirmed write.
    void restoreOfferedAfterChange_data()
    {
        QTest::addColumn<bool>("update");
        QTest::newRow("firmware update") << true;
        QTest::newRow("factory reset") << false;
    }

    void restoreOfferedAfterChange()
    {
        QFETCH(bool, update);
        PluggedBox hall(QStringLiteral("Hall"));
        hall.box->setActuatorSetting(3, hidsim::Setpoint, 235);
        if (update)
            hall.box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        QObject owner;
        ScriptedDialogs dialogs;
        dialogs.buttons << UserDialogs::Yes; // the version check's question
        auto* manager = new VoroManager(
            &owner, &dialogs, update ? VoroManager::WithUpdater : VoroManager::WithoutUpdater);
        QSignalSpy offered(manager, &VoroManager::settingsDifferFromBackup);
        if (update) {
            // The new firmware starts with other settings.
            connect(manager->firmwareUpdater(), &FirmwareUpdateController::updateStarted, &owner,
                    [&] { hall.box->setActuatorSetting(3, hidsim::Setpoint, 210); });
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(readyIds(manager).size(), 1, kReadyMs);
            manager->factoryReset(readyIds(manager).first());
        }
        QVERIFY(offered.wait(kUpdateMs));
        QCOMPARE(offered.size(), 1);
        const VoroDevice::Id back = offered.first().at(0).toInt();
        const auto backup = offered.first().at(1).value<SettingsBackup>();
        QCOMPARE(backup.reason,
                 update ? SettingsBackup::FIRMWARE_UPDATE : SettingsBackup::FACTORY_RESET);
        QVERIFY(hall.box->actuatorSetting(3, hidsim::Setpoint) != 235);

        const SettingsFile::ReadResult read = backup.read(manager->device(back).config);
        QVERIFY(read.ok());
        SettingsApply restore(manager);
        QVERIFY(restore.prepare(read.config, { back }, true));
        QSignalSpy results(&restore, &SettingsApply::boxFinished);
        restore.start();
        QVERIFY(results.wait(kReadyMs));
        QCOMPARE(results.first().first().value<SettingsApply::Result>().end,
                 SettingsApply::Result::SAVED);
        QCOMPARE(hall.box->actuatorSetting(3, hidsim::Setpoint), 235);
        QCOMPARE(hall.box->location(), QString("Hall"));
    }

    // Backups are never overwritten, listed newest first, and pruned on request; files that
    // are not backups are left out.
    void backupFiles()
    {
        VoroConfig config;
        config.location = "Hall";
        const QString serial = "0123;/../x"; // made safe for a folder name
        QList<SettingsBackup> made;
        for (const auto reason :
             { SettingsBackup::MANUAL, SettingsBackup::APPLY, SettingsBackup::APPLY })
            made << SettingsBackup::write(serial, config, reason);
        for (const SettingsBackup& b : made) {
            QVERIFY(b.isValid());
            QVERIFY(b.file.startsWith(SettingsBackup::rootFolder() + "/0123_____x/"));
        }
        QVERIFY(writeFile(SettingsBackup::folderOf(serial) + "/notes.cfg", "[config]\n"));
        QVERIFY(writeFile(SettingsBackup::folderOf(serial) + "/2026-13-45_99-00-00_apply.cfg",
                          "[config]\n"));
        const QList<SettingsBackup> listed = SettingsBackup::list(serial);
        QCOMPARE(listed.size(), 3);
        QSet<QString> files;
        for (const SettingsBackup& b : listed)
            files << b.file;
        QCOMPARE(files.size(), 3);
        QVERIFY(listed.first().time >= listed.last().time);
        QCOMPARE(SettingsBackup::prune(serial, 1), 2);
        QCOMPARE(SettingsBackup::list(serial).size(), 1);
        QCOMPARE(SettingsBackup::list(serial).first().read(VoroConfig()).config.location,
                 QString("Hall"));
    }
};

QTEST_MAIN(tst_Commissioning)
#include "tst_commissioning.moc"
