// The device manager on virtual boxes, through its real threads and the real detector: ids,
// the firmware check with its message boxes, change detection, drop and rediscovery, the
// settings file dialogs, log reads and the log export.
#include "tests/support/CommTestSupport.h"

#include "tests/support/ScriptedDialogs.h"

#include "device/AppSettings.h"
#include "devicelink/VoroCommands.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using hidsim::Bus;
using hidsim::Fault;

namespace {
constexpr int kReadyMs = 5000;

// A manager as the window holds it: a child of the window, its questions answered by a script.
struct Managed
{
    Managed()
        : manager(new VoroManager(&owner, &dialogs))
        , detected(manager, &VoroManager::deviceDetected)
        , updated(manager, &VoroManager::deviceUpdated)
        , deleted(manager, &VoroManager::deviceDeleted)
        , logs(manager, &VoroManager::logRead)
        , exported(manager, &VoroManager::logExportComplete)
    { }

    QList<VoroDevice::Id> withState(int state) const
    {
        QList<VoroDevice::Id> ids;
        for (const VoroDevice::Id id : manager->deviceIds()) {
            if (manager->device(id).state == state)
                ids << id;
        }
        return ids;
    }
    QList<VoroDevice::Id> ready() const { return withState(VoroDefinitions::DS__READY); }
    // The one ready box, once there is exactly one.
    VoroDevice::Id waitReady()
    {
        return QTest::qWaitFor([this] { return ready().size() == 1; }, kReadyMs) ? ready().first()
                                                                                 : -1;
    }
    // Updates of the box since `from`, as the config_changed flags.
    QList<bool> changedFlags(VoroDevice::Id id, int from = 0) const
    {
        QList<bool> flags;
        for (int i = from; i < updated.size(); ++i) {
            if (updated.at(i).at(0).toInt() == id)
                flags << updated.at(i).at(1).toBool();
        }
        return flags;
    }

    ScriptedDialogs dialogs;
    QObject owner;
    VoroManager* manager;
    QSignalSpy detected;
    QSignalSpy updated;
    QSignalSpy deleted;
    QSignalSpy logs;
    QSignalSpy exported;
};

QVector<hidsim::LogRecord> recordsOf(int count, int setpoint)
{
    QVector<hidsim::LogRecord> records;
    for (int i = 0; i < count; ++i)
        records << hidsim::LogRecord { setpoint, 200 + i, i % 2 == 1 };
    return records;
}

// The one folder the export made below `parent`.
QString onlySubfolder(const QString& parent)
{
    const QStringList entries = QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return entries.size() == 1 ? parent + '/' + entries.first() : QString();
}

LogExportResult exportResult(const QList<QVariant>& signal)
{
    return signal.at(1).value<LogExportResult>();
}

LogData readCsv(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return LogData::fromCsv(QString::fromLocal8Bit(f.readAll()));
}
} // namespace

class tst_VoroManager : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Bus::instance().setLatency(std::chrono::microseconds(0));
        QSettings(AppSettings::ORGANISATION, AppSettings::APPLICATION).clear();
    }
    // A box sent into its bootloader comes back updated under a path of its own.
    void cleanup() { Bus::instance().unplugAll(); }

    void twoBoxesAtStart_getConsecutiveIdsAndBecomeReady()
    {
        PluggedBox office(QStringLiteral("Office 1.01"));
        PluggedBox lab(QStringLiteral("Lab 2"));
        Managed m;
        QTRY_COMPARE_WITH_TIMEOUT(m.ready().size(), 2, kReadyMs);
        QList<VoroDevice::Id> ids = m.ready();
        std::sort(ids.begin(), ids.end());
        // ids come from one counter for the whole program, whatever ran before in this process
        QVERIFY(ids.first() > 0);
        QCOMPARE(ids.last(), ids.first() + 1);
        QCOMPARE(m.detected.size(), 2);
        QStringList locations { m.manager->device(ids.first()).config.location,
                                m.manager->device(ids.last()).config.location };
        locations.sort();
        QCOMPARE(locations, QStringList({ "Lab 2", "Office 1.01" }));
        QCOMPARE(m.manager->device(ids.first()).firmware_version, QString("1.1.2.17"));
        QCOMPARE(m.manager->device(ids.first()).actuator_data.size(), 8);
        QVERIFY(m.dialogs.asked.isEmpty());
        // both stay polled, with nothing changed at the boxes
        QTRY_VERIFY(m.changedFlags(ids.first()).size() >= 2
                    && m.changedFlags(ids.last()).size() >= 2);
        QVERIFY(!m.changedFlags(ids.first()).contains(true)
                && !m.changedFlags(ids.last()).contains(true));
        QCOMPARE(m.deleted.size(), 0);
    }

    void versionComparison_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("older");
        QTest::newRow("same") << "1.1.2.17" << false;
        QTest::newRow("fourth part ignored") << "1.1.2.16" << false;
        QTest::newRow("older patch") << "1.1.1.99" << true;
        QTest::newRow("three parts") << "1.0.9" << true;
        QTest::newRow("newer patch") << "1.1.3" << false;
        QTest::newRow("newer major") << "2" << false;
        QTest::newRow("two digits") << "1.1.10.0" << false;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("not a version") << "abc" << true;
        QTest::newRow("many parts") << "1.1.2.17.3.4" << false;
    }

    void versionComparison()
    {
        QFETCH(QString, version);
        QTEST(VoroManager::isOlderVersion(version, "1.1.2.17"), "older");
    }

    void firmwareCheck_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("outcome");
        const int none = UserDialogs::NoButton;
        QTest::newRow("current") << 2 << "1.1.2.17" << none << 0 << ""
                                 << ""
                                 << "ready";
        QTest::newRow("older, Yes")
            << 2 << "1.1.1.5" << int(UserDialogs::Yes) << int(UserDialogs::Question)
            << "Firmware Update"
            << "A new firmware is available, do you want to update the device '%name' from 1.1.1.5 "
               "to 1.1.2.17?"
            << "bootloader";
        QTest::newRow("older, No")
            << 2 << "1.1.1.5" << int(UserDialogs::No) << int(UserDialogs::Question)
            << "Firmware Update"
            << "A new firmware is available, do you want to update the device '%name' from 1.1.1.5 "
               "to 1.1.2.17?"
            << "ready";
        QTest::newRow("newer protocol")
            << 3 << "1.1.2.17" << none << int(UserDialogs::Warning) << "Update"
            << "Unable to communicate with device '%name' with firmware version '1.1.2.17', "
               "please use a newer version of the voro-BOX-CDU."
            << "watch";
        QTest::newRow("old protocol, newer firmware")
            << 1 << "1.1.2.20" << none << int(UserDialogs::Critical) << "Error"
            << "Unable to communicate with device '%name' with firmware version '1.1.2.20'."
            << "watch";
        QTest::newRow("old protocol, older firmware")
            << 1 << "1.0.9" << none << int(UserDialogs::Information) << "Firmware Update"
            << "The firmware '1.0.9' of device '%name' has to be updated to 1.1.2.17."
            << "bootloader";
    }

    void firmwareCheck()
    {
        QFETCH(int, protocol);
        QFETCH(QString, firmware);
        QFETCH(int, answer);
        QFETCH(int, icon);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, outcome);

        PluggedBox plugged;
        plugged.box->setProtocolVersion(protocol);
        plugged.box->setFirmwareVersion(firmware);
        Managed m;
        if (answer != UserDialogs::NoButton)
            m.dialogs.buttons << UserDialogs::Button(answer);

        if (outcome == "ready") {
            QVERIFY(m.waitReady() > 0);
        } else if (outcome == "bootloader") {
            QTRY_VERIFY_WITH_TIMEOUT(m.deleted.size() == 1, kReadyMs);
            QVERIFY(plugged.commands().contains(CMD__ENTER_BOOTLOADER));
            QVERIFY(!plugged.plugged()); // gone to its bootloader
            QCOMPARE(m.detected.size(), 0);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(m.withState(VoroDefinitions::DS__UNSUPPORTED).size(), 1,
                                      kReadyMs);
            QCOMPARE(m.detected.size(), 1);
            // listed by the location its identity read brought; requests for it go nowhere
            const VoroDevice::Id id = m.withState(VoroDefinitions::DS__UNSUPPORTED).first();
            QCOMPARE(m.manager->device(id).config.location, QString("Room 1"));
            MessageLog log;
            m.manager->writeConfig(id, m.manager->device(id).config);
            m.manager->testActuator(id, 0, 1);
            for (const int type :
                 { VoroCommThread::OT__WRITE_CONFIG, VoroCommThread::OT__TEST_ACTUATOR }) {
                QCOMPARE(log.count(QString("manager: device %1 is only watched, operation %2 "
                                           "ignored")
                                       .arg(id)
                                       .arg(type)),
                         1);
            }
            plugged.box->clearReceived();
            QTRY_VERIFY(plugged.commands().size() >= 3);
            const QList<int> sent = plugged.commands();
            QVERIFY(std::all_of(sent.begin(), sent.end(),
                                [](int c) { return c == CMD__GET_PROTOCOL_VERSION; }));
            Bus::instance().unplug(plugged.path);
            QTRY_COMPARE(m.deleted.size(), 1);
        }

        const QList<ScriptedDialogs::Question> messages = m.dialogs.messages();
        if (icon == 0) {
            QVERIFY(messages.isEmpty());
            return;
        }
        QCOMPARE(messages.size(), 1);
        QCOMPARE(int(messages.first().icon), icon);
        QCOMPARE(messages.first().title, title);
        QCOMPARE(messages.first().text,
                 text.replace("%name", BoxName::qualified("Room 1", plugged.box->serial())));
        QCOMPARE(messages.first().parent, static_cast<QObject*>(&m.owner));
    }

    void externalChange_reportedUntilAcceptedOrSaved()
    {
        PluggedBox plugged;
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);

        plugged.box->setActuatorSetting(2, hidsim::Setpoint, 245);
        QTRY_VERIFY(m.changedFlags(id).contains(true));
        int from = m.updated.size();
        QTRY_VERIFY(m.changedFlags(id, from).size() >= 2);
        QVERIFY(!m.changedFlags(id, from).contains(false)); // keeps saying so
        QCOMPARE(m.manager->device(id).config.actuator_settings.at(2).setpoint, 210);

        m.manager->acceptDeviceSettings(id);
        QCOMPARE(m.manager->device(id).config.actuator_settings.at(2).setpoint, 245);
        from = m.updated.size();
        QTRY_VERIFY(m.changedFlags(id, from).size() >= 2);
        QVERIFY(!m.changedFlags(id, from).contains(true));

        // changed again, then saved: the save's read is the new baseline
        plugged.box->setLocation(QStringLiteral("Elsewhere"));
        QTRY_VERIFY(m.changedFlags(id, from).contains(true));
        VoroConfig edited = m.manager->device(id).config;
        edited.log_interval = 900;
        const int detected = m.detected.size();
        m.manager->writeConfig(id, edited);
        QTRY_COMPARE(m.detected.size(), detected + 1);
        QCOMPARE(plugged.box->savedConfig().log_interval, 900);
        QCOMPARE(plugged.box->location(), QString("Room 1")); // the saved copy wins
        QCOMPARE(m.manager->device(id).config.location, QString("Room 1"));
        from = m.updated.size();
        QTRY_VERIFY(m.changedFlags(id, from).size() >= 2);
        QVERIFY(!m.changedFlags(id, from).contains(true));
    }

    // The box comes back with what it really holds, and the write that it fell silent in goes
    // out again.
    void failingWrite_recreatesTheBoxThenWritesAgain()
    {
        PluggedBox plugged;
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        plugged.inject(Fault::once(Fault::WriteFailure, CMD__SET_LOG_INTERVAL));
        QStringList announced;
        connect(m.manager, &VoroManager::deviceDetected, [&](VoroDevice::Id detected) {
            announced << m.manager->device(detected).config.location;
        });

        VoroConfig edited = m.manager->device(id).config;
        edited.location = QStringLiteral("Never written");
        m.manager->writeConfig(id, edited);
        // what the box holds until a read shows otherwise
        QCOMPARE(m.manager->device(id).config.location, QString("Room 1"));

        QTRY_COMPARE(m.deleted.size(), 1);
        QCOMPARE(m.deleted.first().first().toInt(), id);
        QCOMPARE(m.manager->device(id).id, -1);
        QTRY_COMPARE_WITH_TIMEOUT(announced.size(), 2, kReadyMs);
        QCOMPARE(announced, QStringList({ "Room 1", "Never written" }));
        QVERIFY(m.manager->deviceIds().first() > id);
        QCOMPARE(plugged.box->savedConfig().location, QString("Never written"));
    }

    void unknownIds_doNothing()
    {
        PluggedBox plugged;
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        const VoroDevice unknown = m.manager->device(99);
        QCOMPARE(unknown.id, -1);

        m.manager->writeConfig(99, VoroConfig());
        m.manager->writeActuatorSettings(99, VoroConfig());
        m.manager->readActuatorLog(99, 0);
        m.manager->clearErrors(99, 0);
        m.manager->testActuator(99, 0, 1);
        m.manager->enterBootloader(99);
        m.manager->factoryReset(99);
        m.manager->acceptDeviceSettings(99);
        m.manager->exportLogs(99);
        m.manager->exportSettings(VoroDevice(99));
        bool cancelled = false;
        const VoroDevice same = m.manager->importSettings(unknown, &cancelled);
        QVERIFY(cancelled);
        QCOMPARE(same.id, -1);
        // an actuator that does not exist is as unknown as a box that does not
        m.manager->readActuatorLog(id, 8);
        m.manager->clearErrors(id, -1);

        QVERIFY(m.dialogs.asked.isEmpty());
        QCOMPARE(m.manager->deviceIds(), QList<VoroDevice::Id>({ id }));
        const int polls = m.updated.size();
        QTRY_VERIFY(m.updated.size() > polls + 1);
        QCOMPARE(m.logs.size(), 0);
        QCOMPARE(m.deleted.size(), 0);
        QVERIFY(!plugged.commands().contains(CMD__READ_LOG));
        QVERIFY(!plugged.commands().contains(CMD__CLEAR_ERRORS));
    }

    void settingsFiles_throughTheDialogs()
    {
        PluggedBox plugged(QStringLiteral("Lab 2"));
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        QTemporaryDir dir;
        const VoroDevice device = m.manager->device(id);

        // cancelled: nothing written, nothing remembered
        m.manager->exportSettings(device);
        QCOMPARE(m.dialogs.asked.size(), 1);
        ScriptedDialogs::Question q = m.dialogs.asked.takeFirst();
        QCOMPARE(q.kind, QString("save"));
        QCOMPARE(q.title, QString("Export Settings"));
        QCOMPARE(q.text, QDir::homePath() + "/lab_2.cfg");
        QCOMPARE(q.filter, QString("*.cfg"));
        QCOMPARE(q.parent, static_cast<QObject*>(&m.owner));
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_IMPORT), QDir::homePath());

        const QString file = dir.filePath("lab_2.cfg");
        m.dialogs.paths << file;
        m.manager->exportSettings(device);
        QVERIFY(QFile::exists(file));
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_IMPORT), dir.path());
        m.dialogs.asked.clear();

        VoroDevice nameless = device;
        nameless.config.location.clear();
        m.manager->exportSettings(nameless);
        QCOMPARE(m.dialogs.asked.takeFirst().text, dir.path() + "/voro-BOX.cfg");

        // import over an edited copy gives back what was exported
        VoroDevice edited = device;
        edited.config.actuator_settings[4].setpoint = 222;
        edited.config.location = QStringLiteral("Edited");
        bool cancelled = false;
        m.dialogs.paths << file;
        VoroDevice imported = m.manager->importSettings(edited, &cancelled);
        QVERIFY(!cancelled);
        q = m.dialogs.asked.takeFirst();
        QCOMPARE(q.kind, QString("open"));
        QCOMPARE(q.title, QString("Import Settings"));
        QCOMPARE(q.text, dir.path());
        QCOMPARE(q.filter, QString("*.cfg"));
        QVERIFY(imported.config == device.config);
        QCOMPARE(imported.id, id);

        // cancelled import
        imported = m.manager->importSettings(edited, &cancelled);
        QVERIFY(cancelled);
        QVERIFY(imported.config == edited.config);
        QVERIFY(m.dialogs.messages().isEmpty());

        // a refused file: the box names file and key, nothing is taken
        QFile bad(dir.filePath("bad.cfg"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("[config]\nactuator_settings\\size=8\nactuator_settings\\3\\setpoint=300\n");
        bad.close();
        m.dialogs.paths << bad.fileName();
        imported = m.manager->importSettings(edited, &cancelled);
        QVERIFY(cancelled);
        QVERIFY(imported.config == edited.config);
        QCOMPARE(m.dialogs.messages().size(), 1);
        const ScriptedDialogs::Question refusal = m.dialogs.messages().first();
        QCOMPARE(refusal.icon, UserDialogs::Warning);
        QCOMPARE(refusal.title, QString("Import Settings"));
        QVERIFY(refusal.text.contains(bad.fileName()));
        QVERIFY(refusal.text.contains("actuator_settings\\3\\setpoint"));
        QCOMPARE(refusal.parent, static_cast<QObject*>(&m.owner));

        // an export that cannot be written says so
        m.dialogs.asked.clear();
        m.manager->exportSettings(device, dir.filePath("bad.cfg/x.cfg"));
        QCOMPARE(m.dialogs.messages().size(), 1);
        QCOMPARE(m.dialogs.messages().first().title, QString("Export Settings"));
        QVERIFY(m.dialogs.messages().first().text.contains("x.cfg"));
    }

    // Two boxes exported at once: one with a location, one without.
    void logExport_foldersAndFileNames()
    {
        PluggedBox lab(QStringLiteral(" Lab 2 "));
        lab.box->setActuatorLocation(2, QStringLiteral("Desk, left"));
        for (int i = 0; i < 8; ++i)
            lab.box->setLog(i, recordsOf(20 + i, 150 + 10 * i));
        PluggedBox nameless(QString {});
        Managed m;
        QTRY_COMPARE_WITH_TIMEOUT(m.ready().size(), 2, kReadyMs);
        const VoroDevice::Id labId = m.manager->device(m.ready().at(0)).config.location.isEmpty()
            ? m.ready().at(1)
            : m.ready().at(0);
        const VoroDevice::Id otherId = labId == m.ready().at(0) ? m.ready().at(1) : m.ready().at(0);

        QTemporaryDir dir;
        m.dialogs.paths << dir.path() << dir.path();
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        m.manager->exportLogs(labId);
        m.manager->exportLogs(otherId);
        QVERIFY(m.manager->isExportingLogs(labId));
        m.manager->exportLogs(labId); // already running: not asked again
        QCOMPARE(m.dialogs.asked.size(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(m.exported.size(), 2, 10000);
        for (const auto& done : m.exported) {
            QCOMPARE(exportResult(done).end, LogExportResult::COMPLETE);
            QCOMPARE(exportResult(done).written.size(), 8);
        }
        QCOMPARE(m.logs.size(), 0);
        QVERIFY(!m.manager->isExportingLogs(labId));

        const ScriptedDialogs::Question q = m.dialogs.asked.first();
        QCOMPARE(q.kind, QString("directory"));
        QCOMPARE(q.title, QString("Export Logs"));
        QCOMPARE(q.text, QDir::homePath());
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_LOGS), dir.path());

        const QString folder = onlySubfolder(dir.filePath("lab_2"));
        QVERIFY(!folder.isEmpty());
        const QDateTime stamp
            = QDateTime::fromString(QFileInfo(folder).fileName(), "yyyy_MM_dd_hh_mm_ss");
        QVERIFY(stamp >= before && stamp <= QDateTime::currentDateTime());
        QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files,
                 QStringList({ "actuator_1.csv", "actuator_2.csv", "actuator_3_desk_left.csv",
                               "actuator_4.csv", "actuator_5.csv", "actuator_6.csv",
                               "actuator_7.csv", "actuator_8.csv" }));
        for (int i = 0; i < 8; ++i) {
            const LogData log = readCsv(folder + '/' + files.at(i));
            QCOMPARE(log.count(), 20 + i);
            QCOMPARE(log.maxValue(LogData::SETPOINT), 15.0 + i);
        }
        const QString other = onlySubfolder(dir.filePath("voro-BOX"));
        QCOMPARE(QDir(other).entryList(QDir::Files).size(), 8);
    }

    void logButtonDuringExport_showsThatLogAndKeepsTheFilesRight()
    {
        PluggedBox plugged;
        for (int i = 0; i < 8; ++i)
            plugged.box->setLog(i, recordsOf(10 + i, 150 + 10 * i));
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);

        // outside an export, a read is shown
        m.manager->readActuatorLog(id, 3);
        QTRY_COMPARE(m.logs.size(), 1);
        QCOMPARE(m.logs.first(), QVariantList({ id, 3 }));
        QCOMPARE(m.manager->device(id).log.count(), 13);

        QTemporaryDir dir;
        m.dialogs.paths << dir.path();
        m.manager->exportLogs(id);
        m.manager->readActuatorLog(id, 5);
        m.manager->readActuatorLog(id, 1);
        QTRY_COMPARE(m.exported.size(), 1);
        QCOMPARE(exportResult(m.exported.first()).not_written, QStringList());
        QTRY_COMPARE(m.logs.size(), 3);
        QCOMPARE(m.logs.at(1), QVariantList({ id, 5 }));
        QCOMPARE(m.logs.at(2), QVariantList({ id, 1 }));
        const QString folder = onlySubfolder(dir.filePath("room_1"));
        for (int i = 0; i < 8; ++i) {
            const LogData log = readCsv(folder + QStringLiteral("/actuator_%1.csv").arg(i + 1));
            QCOMPARE(log.count(), 10 + i);
            QCOMPARE(log.maxValue(LogData::SETPOINT), 15.0 + i);
        }
    }

    // A corrupt answer to any identity or polled request decides nothing and is never stored:
    // no firmware question, no watch mode, no reported change; the box is dropped and comes
    // back with what it really holds. (Locations are free text: whatever the box sends is its
    // name.)
    void garbageReply_dropsAndRediscoversTheBox_data()
    {
        QTest::addColumn<bool>("identity"); // at the identity read, or in a poll
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("garbage");
        QTest::newRow("identity: protocol version") << true << 0xE2 << QByteArray("2x");
        QTest::newRow("identity: firmware version") << true << 0xE3 << QByteArray("l.1.2.17");
        QTest::newRow("poll: firmware version") << false << 0xE3 << QByteArray("1.1.2.l7");
        QTest::newRow("poll: log interval") << false << 0x21 << QByteArray("6OO");
        QTest::newRow("poll: common settings") << false << 0x02 << QByteArray("0;1;300");
        QTest::newRow("poll: actuator settings")
            << false << 0x05 << QByteArray("1;16;0;-5;-1;-30;30;5;5;210;0;0");
        QTest::newRow("poll: status") << false << 0x01 << QByteArray("1;19200;e;1;-5;0;0;3;4");
        QTest::newRow("poll: actuator data") << false << 0x04 << QByteArray("200;1;0;1;0;0;256;0");
    }
    void garbageReply_dropsAndRediscoversTheBox()
    {
        QFETCH(bool, identity);
        QFETCH(int, command);
        QFETCH(QByteArray, garbage);
        PluggedBox plugged;
        if (identity)
            plugged.box->overrideReply(command, garbage);
        Managed m;
        // Every record the window is shown holds the box's own values.
        int corrupt = 0;
        const auto check = [&](VoroDevice::Id id, bool changed) {
            const VoroDevice d = m.manager->device(id);
            if (changed || d.firmware_version != "1.1.2.17" || d.config.location != "Room 1"
                || d.config.log_interval != 600 || d.config.actuator_locations.value(0) != ""
                || d.config.actuator_settings.value(0).pot_max != 1000)
                ++corrupt;
        };
        connect(m.manager, &VoroManager::deviceUpdated, check);
        connect(m.manager, &VoroManager::deviceDetected,
                [&](VoroDevice::Id id) { check(id, false); });

        VoroDevice::Id first = -1;
        if (!identity) {
            first = m.waitReady();
            QVERIFY(first > 0);
            plugged.box->overrideReply(command, garbage);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!m.deleted.isEmpty(), kReadyMs);
        if (!identity)
            QCOMPARE(m.deleted.first().first().toInt(), first);
        QTRY_VERIFY_WITH_TIMEOUT(m.ready().size() == 1 && m.ready().first() > first, kReadyMs);
        const int polls = m.updated.size();
        QTRY_VERIFY(m.updated.size() > polls + 1);
        QCOMPARE(corrupt, 0);
        QVERIFY(m.dialogs.asked.isEmpty());
        QVERIFY(m.withState(VoroDefinitions::DS__UNSUPPORTED).isEmpty());
        QCOMPARE(m.deleted.size(), 1);
    }

    // A chunk that comes after its time-out, in the middle of an export: the read fails and the
    // box is dropped, the export names every file it did not write, no file holds another
    // actuator's log, and the box comes back, its late chunk gone with its old connection.
    void logExport_lateChunk_namesTheMissingFilesAndTheBoxComesBack()
    {
        PluggedBox plugged;
        for (int i = 0; i < 8; ++i)
            plugged.box->setLog(i, recordsOf(30 + i, 150 + 10 * i));
        // 30 to 32 records a log: a header, three chunks and the end mark each; the late one is
        // the second chunk of the third log.
        plugged.inject(Fault::once(Fault::LateReply, CMD__READ_LOG, 5 + 5 + 2));
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        QTemporaryDir dir;
        m.dialogs.paths << dir.path();
        m.manager->exportLogs(id);
        QTRY_COMPARE_WITH_TIMEOUT(m.exported.size(), 1, kReadyMs);
        QCOMPARE(m.exported.first().at(0).toInt(), id);
        const QString folder = onlySubfolder(dir.filePath("room_1"));
        QStringList missing;
        for (int i = 3; i <= 8; ++i)
            missing << folder + QStringLiteral("/actuator_%1.csv").arg(i);
        QCOMPARE(exportResult(m.exported.first()).end, LogExportResult::BOX_STOPPED);
        QCOMPARE(exportResult(m.exported.first()).not_read, missing);
        QCOMPARE(exportResult(m.exported.first()).box,
                 "Room 1 (" + plugged.box->serial().right(6) + ")");
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
                 QStringList({ "actuator_1.csv", "actuator_2.csv" }));
        QTRY_COMPARE(m.deleted.size(), 1);
        QCOMPARE(m.deleted.first().first().toInt(), id);

        const VoroDevice::Id again = m.waitReady();
        QVERIFY(again > id);
        QTemporaryDir second;
        m.dialogs.paths << second.path();
        m.manager->exportLogs(again);
        QTRY_COMPARE_WITH_TIMEOUT(m.exported.size(), 2, kReadyMs);
        QCOMPARE(exportResult(m.exported.last()).end, LogExportResult::COMPLETE);
        for (const QString& made : { folder, onlySubfolder(second.filePath("room_1")) }) {
            for (const QString& file : QDir(made).entryList(QDir::Files)) {
                const int i = file.mid(9, 1).toInt() - 1; // actuator_<n>.csv
                const LogData log = readCsv(made + '/' + file);
                QCOMPARE(log.count(), 30 + i);
                QCOMPARE(log.maxValue(LogData::SETPOINT), 15.0 + i);
            }
        }
        QCOMPARE(m.logs.size(), 0);
    }

    // Nothing is read for a folder that cannot take the files.
    void logExportThatCannotWrite_saysSoBeforeReading()
    {
        PluggedBox plugged;
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        m.manager->exportLogs(id); // cancelled: nothing happens
        QVERIFY(!m.manager->isExportingLogs(id));
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_LOGS), QDir::homePath());

        plugged.box->clearReceived();
        m.dialogs.paths << blocker.fileName(); // its folder cannot be made below a file
        m.manager->exportLogs(id);
        QCOMPARE(m.exported.size(), 1);
        const LogExportResult result = exportResult(m.exported.first());
        QCOMPARE(result.end, LogExportResult::FOLDER_NOT_WRITABLE);
        QVERIFY(result.folder.startsWith(blocker.fileName() + "/room_1/"));
        QVERIFY(!m.manager->isExportingLogs(id));
        QVERIFY(m.waitReady() == id);
        QVERIFY(!plugged.commands().contains(CMD__READ_LOG));
    }
};

QTEST_GUILESS_MAIN(tst_VoroManager)
#include "tst_voromanager.moc"
