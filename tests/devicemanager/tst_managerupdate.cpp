// A box with older firmware, end to end: the manager asks, the answer is Yes, the box turns into
// its bootloader, the manager's updater brings it up to the bundled firmware, and the box comes
// back and becomes ready with the new version and its settings.
#include "tests/support/CommTestSupport.h"

#include "tests/support/ScriptedDialogs.h"

#include "devicemanager/VoroManager.h"
#include "firmware/FirmwareUpdater.h"

#include <QtTest>

class tst_ManagerUpdate : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::Bus::instance().setLatency(std::chrono::microseconds(0)); }
    void cleanup() { hidsim::Bus::instance().unplugAll(); }

    void olderBox_isUpdatedAndComesBackReady()
    {
        PluggedBox plugged(QStringLiteral("Workshop"));
        plugged.box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        plugged.box->setActuatorSetting(4, hidsim::Setpoint, 245);
        ScriptedDialogs dialogs;
        dialogs.buttons << QMessageBox::Yes;
        QWidget window;
        VoroManager* manager = new VoroManager(&window, &dialogs);
        auto* updater = window.findChild<FirmwareUpdater*>();
        QVERIFY(updater);
        QSignalSpy complete(updater, &FirmwareUpdater::updateComplete);

        const auto readyId = [manager] {
            for (VoroDevice::Id id : manager->deviceIds()) {
                const VoroDevice d = manager->device(id);
                if (d.state == VoroDefinitions::DS__READY)
                    return id;
            }
            return VoroDevice::Id(-1);
        };
        QTRY_VERIFY_WITH_TIMEOUT(readyId() != -1, 30000);
        QCOMPARE(complete.size(), 1);
        QVERIFY(complete.first().at(1).toBool());
        const VoroDevice box = manager->device(readyId());
        QCOMPARE(box.firmware_version, QString(VoroManager::FIRMWARE_VERSION));
        QCOMPARE(box.config.location, QString("Workshop"));
        QCOMPARE(plugged.box->actuatorSetting(4, hidsim::Setpoint), 245);
        // One question: the box that came back is up to date.
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked.first().text,
                 QString("A new firmware is available, do you want to update the device "
                         "'Workshop'?"));
        QTRY_VERIFY(!updater->isVisible());
    }

    void withoutUpdater_noDialogIsMade()
    {
        QWidget window;
        new VoroManager(&window, nullptr, VoroManager::WithoutUpdater);
        QVERIFY(!window.findChild<FirmwareUpdater*>());
    }
};

QTEST_MAIN(tst_ManagerUpdate)
#include "tst_managerupdate.moc"
