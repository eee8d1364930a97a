// Boxes with older firmware, end to end: the manager checks the image, asks once for all of
// them, the boxes turn into their bootloaders, the manager's update controller brings them up to
// the bundled firmware, and they come back and become ready with the new version and their
// settings. An image that cannot be used sends no box anywhere.
#include "tests/support/CommTestSupport.h"

#include "tests/support/ScriptedDialogs.h"

#include "device/AppSettings.h"
#include "devicelink/VoroCommands.h"
#include "devicemanager/VoroManager.h"
#include "firmware/BundledFirmware.h"
#include "firmware/FirmwareUpdateController.h"
#include "sim/Bootloader.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int kUpdateMs = 30000;

struct Managed
{
    explicit Managed(UserDialogs* dialogs)
        : manager(new VoroManager(&owner, dialogs))
    { }
    QList<VoroDevice> ready() const
    {
        QList<VoroDevice> out;
        for (VoroDevice::Id id : manager->deviceIds()) {
            const VoroDevice d = manager->device(id);
            if (d.state == VoroDefinitions::DS__READY)
                out << d;
        }
        return out;
    }
    QObject owner;
    VoroManager* manager;
};

QString line(const PluggedBox& p, const QString& from)
{
    return QString("%1 (%2): %3 \u2192 1.1.2.17")
        .arg(p.box->location(), p.box->serial().right(6).toUpper(), from);
}
} // namespace

class tst_ManagerUpdate : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        hidsim::Bus::instance().setLatency(std::chrono::microseconds(0));
        // The history of an earlier test, or run, in the same home folder.
        QFile::remove(AppSettings::dataFolder() + '/' + UpdateHistory::FILE_NAME);
    }
    void cleanup() { hidsim::Bus::instance().unplugAll(); }

    void olderBoxes_oneQuestionForAll_updatedAndBackReady()
    {
        PluggedBox workshop(QStringLiteral("Workshop")), hall(QStringLiteral("Hall"));
        workshop.box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        hall.box->setFirmwareVersion(QStringLiteral("1.1.0.3"));
        workshop.box->setActuatorSetting(4, hidsim::Setpoint, 245);
        ScriptedDialogs dialogs;
        dialogs.buttons << UserDialogs::Yes;
        Managed m(&dialogs);
        FirmwareUpdateController* updater = m.manager->firmwareUpdater();
        QVERIFY(updater);
        QSignalSpy finished(updater, &FirmwareUpdateController::updateFinished);

        QTRY_VERIFY_WITH_TIMEOUT(m.ready().size() == 2, kUpdateMs);
        QCOMPARE(finished.size(), 2);
        for (const VoroDevice& d : m.ready())
            QCOMPARE(d.firmware_version, QString(VoroManager::FIRMWARE_VERSION));
        QCOMPARE(workshop.box->actuatorSetting(4, hidsim::Setpoint), 245);
        // One question, naming both boxes with their versions; the boxes that came back are up
        // to date.
        QCOMPARE(dialogs.asked.size(), 1);
        const QString text = dialogs.asked.first().text;
        QVERIFY2(text.startsWith("A new firmware is available for these devices:\n\n")
                     && text.contains(line(workshop, "1.1.1.9"))
                     && text.contains(line(hall, "1.1.0.3")),
                 qPrintable(text));
        QCOMPARE(updater->boxes().size(), 2);
        QCOMPARE(updater->history().read().size(), 2);
    }

    void oneOlderBox_isNamedWithItsVersions()
    {
        PluggedBox workshop(QStringLiteral("Workshop"));
        workshop.box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        ScriptedDialogs dialogs;
        dialogs.buttons << UserDialogs::No;
        Managed m(&dialogs);
        QTRY_VERIFY_WITH_TIMEOUT(m.ready().size() == 1, kUpdateMs);
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages().first().text,
                 QString("A new firmware is available, do you want to update the device '%1 "
                         "(%2)' from 1.1.1.9 to 1.1.2.17?")
                     .arg("Workshop", workshop.box->serial().right(6).toUpper()));
        QVERIFY(!workshop.commands().contains(CMD__ENTER_BOOTLOADER));
    }

    void unusableImage_isToldOnce_andNoBoxLeavesNormalOperation()
    {
        QTemporaryDir folder;
        QFile damaged(folder.filePath("d2e15c8.bme"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("bm01{1;1;2;221124040}be01 not a container");
        damaged.close();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        PluggedBox workshop(QStringLiteral("Workshop")), hall(QStringLiteral("Hall"));
        workshop.box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        ScriptedDialogs dialogs;
        Managed m(&dialogs);
        QTRY_VERIFY_WITH_TIMEOUT(m.ready().size() == 2, kUpdateMs);
        const QString told = "The firmware image d2e15c8.bme cannot be used: the file is damaged "
                             "(its container or its digest does not match). No device is updated.";
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages().first().text, told);
        QCOMPARE(dialogs.messages().first().icon, UserDialogs::Warning);

        // Asked for by the user, it is told again, and still nothing is sent.
        VoroDevice::Id id = -1;
        for (const VoroDevice& d : m.ready())
            id = d.config.location == "Workshop" ? d.id : id;
        m.manager->requestFirmwareUpdate(id);
        QDir::setCurrent(previous);
        QCOMPARE(dialogs.messages().size(), 2);
        QCOMPARE(dialogs.messages().last().text, told);
        QVERIFY(!workshop.commands().contains(CMD__ENTER_BOOTLOADER));
        QVERIFY(workshop.plugged());
        QVERIFY(m.manager->firmwareUpdater()->boxes().isEmpty());
    }

    void boxKeptOnItsFirmware_isNotOfferedAgainByItself()
    {
        PluggedBox workshop(QStringLiteral("Workshop"));
        workshop.box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        // A bootloader whose memory the image does not fit: nothing is erased, the box restarts.
        hidsim::Bootloader::installOn(workshop.box, [](hidsim::Bootloader& loader) {
            loader.setRegions({ { 1, 0x1000, 0x100 } });
        });
        ScriptedDialogs dialogs;
        dialogs.buttons << UserDialogs::Yes;
        Managed m(&dialogs);
        FirmwareUpdateController* updater = m.manager->firmwareUpdater();
        QTRY_VERIFY_WITH_TIMEOUT(
            !updater->boxes().isEmpty() && updater->boxes().first().hasResult(), kUpdateMs);
        QCOMPARE(updater->boxes().first().phase, BoxUpdate::Kept);
        QTRY_VERIFY_WITH_TIMEOUT(m.ready().size() == 1, kUpdateMs);
        QCOMPARE(m.ready().first().firmware_version, QString("1.1.1.9"));
        QCOMPARE(dialogs.asked.size(), 1);
        // The user may still ask.
        dialogs.buttons << UserDialogs::No;
        m.manager->requestFirmwareUpdate(m.ready().first().id);
        QCOMPARE(dialogs.asked.size(), 2);
        QCOMPARE(dialogs.asked.last().text,
                 QString("Do you really want to update the firmware of the device 'Workshop "
                         "(%1)' from 1.1.1.9 to 1.1.2.17?")
                     .arg(workshop.box->serial().right(6).toUpper()));
    }

    void withoutUpdater_noControllerIsMade()
    {
        QObject owner;
        auto* manager = new VoroManager(&owner, nullptr, VoroManager::WithoutUpdater);
        QVERIFY(!manager->firmwareUpdater());
    }
};

QTEST_GUILESS_MAIN(tst_ManagerUpdate)
#include "tst_managerupdate.moc"
