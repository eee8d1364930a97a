// The composite operations of VoroComm against the virtual box: what they read and write, and
// the one message with which each failure ends them.
#include "tests/support/CommTestSupport.h"

#include "devicelink/VoroCommands.h"

#include <QElapsedTimer>
#include <QtTest>

using hidsim::Fault;
using namespace hidsim;

Q_DECLARE_METATYPE(hidsim::Fault::Kind)

class tst_VoroCommands : public QObject
{
    Q_OBJECT

private:
    // A configuration as the editors would hand it over: eight of everything.
    static VoroConfig editedConfig()
    {
        VoroConfig c;
        c.location = QStringLiteral("Hall 3");
        c.log_interval = 300;
        c.common.control_mode = 1;
        c.common.control_type = 2;
        c.common.modbus_response_delay = 40;
        for (int i = 0; i < 8; ++i) {
            ActuatorSettings a;
            a.setpoint = 200 + i;
            a.hysteresis_heating = 3;
            a.hysteresis_cooling = 4;
            a.sensor_type = VoroDefinitions::ST__NI1000;
            c.actuator_settings << a;
            c.actuator_locations << QStringLiteral("Zone %1").arg(i + 1);
        }
        return c;
    }

    // Adds the rows of a failing step: the fault hits the `skip`+1-th request of `command`.
    static void failureRow(const char* name, int command, int skip, const char* message)
    {
        QTest::newRow(name) << command << skip << QByteArray() << QString::fromLatin1(message);
    }
    static void invalidRow(const char* name, int command, const QByteArray& reply,
                           const QString& message)
    {
        QTest::newRow(name) << command << 0 << reply << message;
    }
    static void addFailureColumns()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("skip");
        QTest::addColumn<QByteArray>("reply"); // a scripted reply, or null for silence
        QTest::addColumn<QString>("message");
    }
    // Silence (a refused write answers as fast as it fails) or a scripted reply.
    static void arrange(const PluggedBox& plugged)
    {
        QFETCH(int, command);
        QFETCH(int, skip);
        QFETCH(QByteArray, reply);
        if (reply.isNull())
            plugged.inject(Fault::once(Fault::WriteFailure, command, skip));
        else
            plugged.box->overrideReply(command, reply);
    }

private slots:
    void init() { Bus::instance().setLatency(std::chrono::microseconds(0)); }

    // The identity decides how the box is treated: an answer that is not wholly what it must
    // be fails the read, says so, and leaves nothing of itself in the record.
    void readIdentity_garbage_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("message");
        QTest::newRow("protocol version with a letter")
            << int(CMD__GET_PROTOCOL_VERSION) << QByteArray("v2") << "invalid protocol version: v2";
        QTest::newRow("protocol version with a dot")
            << int(CMD__GET_PROTOCOL_VERSION) << QByteArray("2.0")
            << "invalid protocol version: 2.0";
        QTest::newRow("negative protocol version")
            << int(CMD__GET_PROTOCOL_VERSION) << QByteArray("-2") << "invalid protocol version: -2";
        QTest::newRow("empty protocol version")
            << int(CMD__GET_PROTOCOL_VERSION) << QByteArray("") << "invalid protocol version: ";
        QTest::newRow("firmware version with a letter")
            << int(CMD__GET_FIRMWARE_VERSION) << QByteArray("1.1.2.l7")
            << "invalid firmware version: 1.1.2.l7";
        QTest::newRow("firmware version with an empty part")
            << int(CMD__GET_FIRMWARE_VERSION) << QByteArray("1..2")
            << "invalid firmware version: 1..2";
        QTest::newRow("empty firmware version")
            << int(CMD__GET_FIRMWARE_VERSION) << QByteArray("") << "invalid firmware version: ";
    }
    void readIdentity_garbage()
    {
        QFETCH(int, command);
        QFETCH(QByteArray, reply);
        QFETCH(QString, message);
        PluggedBox plugged;
        plugged.box->setFirmwareVersion(QStringLiteral("1.1.2.17"));
        plugged.box->overrideReply(command, reply);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        comm->device.protocol_version = 7; // what an earlier read left
        MessageLog log;
        QVERIFY(!comm->readIdentity());
        QCOMPARE(log.messages().size(), 1);
        QVERIFY2(log.messages().first().startsWith(message), qPrintable(log.messages().first()));
        const int expected_protocol = command == CMD__GET_PROTOCOL_VERSION ? 7 : 2;
        QCOMPARE(comm->device.protocol_version, expected_protocol);
        QVERIFY(comm->device.firmware_version.isNull());
        if (command == CMD__GET_PROTOCOL_VERSION) { // a ping asks for it too
            plugged.box->overrideReply(command, reply);
            QVERIFY(!comm->ping());
            QVERIFY(comm->ping());
        }
    }

    // Free text stays as the box stores it, whatever it holds: a name never makes a box
    // unusable. What is not UTF-8 shows byte by byte.
    void locations_keptAsTheBoxSendsThem_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("location");
        const QString euros(21, QChar(0x20AC));
        const QString accents(31, QChar(0xE9));
        QTest::newRow("separators") << QByteArray("Hall; east") << "Hall; east";
        QTest::newRow("empty") << QByteArray("") << "";
        QTest::newRow("control characters") << QByteArray("a\tb\x01") << "a\tb\x01";
        QTest::newRow("byte order mark")
            << QByteArray("\xef\xbb\xbfX") << QString(QChar(0xFEFF)) + QLatin1Char('X');
        QTest::newRow("63 bytes") << euros.toUtf8() << euros;
        // 62 bytes of accents and the first byte of a euro sign: the report had no more room
        QTest::newRow("last character cut by the report")
            << (accents + QChar(0x20AC)).toUtf8() << accents;
        QTest::newRow("Latin-1, written by other means") << QByteArray("K\xfc"
                                                                       "che")
                                                         << QString::fromUtf8("Küche");
        QTest::newRow("broken UTF-8") << QByteArray("Lab\xc3("
                                                    "2")
                                      << QString::fromLatin1("Lab\xc3(2");
    }
    void locations_keptAsTheBoxSendsThem()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, location);
        PluggedBox plugged;
        plugged.box->overrideReply(CMD__GET_LOCATION, reply, 2);
        plugged.box->overrideReply(CMD__GET_ACTUATOR_LOCATION, reply);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        MessageLog log;
        QVERIFY(comm->readIdentity());
        QCOMPARE(comm->device.config.location, location);
        QVERIFY(comm->readConfig());
        QCOMPARE(comm->device.config.location, location);
        QCOMPARE(comm->device.config.actuator_locations.first(), location);
        for (const QString& message : log.messages())
            QVERIFY2(message.startsWith("text not UTF-8"), qPrintable(message));
    }

    void readIdentity_readsThreeValuesAndNothingElse()
    {
        PluggedBox plugged(QStringLiteral("Büro 2"));
        plugged.box->setFirmwareVersion(QStringLiteral("1.1.2.9"));
        std::unique_ptr<VoroComm> comm(plugged.openComm(7));
        MessageLog log;
        QVERIFY(comm->readIdentity());
        QCOMPARE(comm->device.id, 7);
        QCOMPARE(comm->device.protocol_version, 2);
        QCOMPARE(comm->device.config.location, QStringLiteral("Büro 2"));
        QCOMPARE(comm->device.firmware_version, QStringLiteral("1.1.2.9"));
        QCOMPARE(plugged.commands(), QList<int>({ 0xE2, 0xE4, 0xE3 }));
        QVERIFY(comm->device.config.actuator_settings.isEmpty());
        QVERIFY(log.messages().isEmpty());
    }

    void readIdentity_stopsAtFirstMissingReply()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::once(Fault::NoReply, CMD__GET_LOCATION));
        MessageLog log;
        QVERIFY(!comm->readIdentity());
        QCOMPARE(plugged.commands(), QList<int>({ 0xE2, 0xE4 }));
        QCOMPARE(comm->device.protocol_version, 2);
        QVERIFY(comm->device.firmware_version.isNull());
        QVERIFY(log.messages().isEmpty()); // the thread reports a failed start
    }

    void readConfig_readsEverything()
    {
        PluggedBox plugged(QStringLiteral("Lab"));
        Bus::instance().setLatency(std::chrono::microseconds(0));
        VoroBox& box = *plugged.box;
        box.setLogInterval(120);
        box.setCommon(ControlType, 0);
        box.setActuatorSetting(4, Setpoint, 235);
        box.setActuatorSetting(4, SensorOffset, -7);
        box.setActuatorSetting(6, ControlSource, 3);
        box.setActuatorLocation(2, QStringLiteral("Hall; east"));
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        QVERIFY(comm->readConfig());

        const VoroConfig& c = comm->device.config;
        QCOMPARE(comm->device.firmware_version, QStringLiteral("1.1.2.17"));
        QCOMPARE(c.log_interval, 120);
        QCOMPARE(c.location, QStringLiteral("Lab"));
        QCOMPARE(c.common.control_type, int(VoroDefinitions::CT__DEFINED_BY_INPUT));
        QCOMPARE(c.actuator_settings.size(), 8);
        QCOMPARE(c.actuator_locations.size(), 8);
        QCOMPARE(c.actuator_settings[4].setpoint, 235);
        QCOMPARE(c.actuator_settings[4].sensor_offset, -7);
        QCOMPARE(c.actuator_settings[6].control_source, 3);
        QCOMPARE(c.actuator_settings[0].sensor_type, int(VoroDefinitions::ST__PT1000));
        QCOMPARE(c.actuator_locations[2], QStringLiteral("Hall; east"));
        QCOMPARE(plugged.commands().size(), 4 + 16);

        // A second read replaces the lists rather than growing them.
        QVERIFY(comm->readConfig());
        QCOMPARE(comm->device.config.actuator_settings.size(), 8);
        QCOMPARE(comm->device.config.actuator_locations.size(), 8);
    }

    void readConfig_failures_data()
    {
        addFailureColumns();
        failureRow("firmware version", 0xE3, 0, "unable to get firmware version");
        failureRow("log interval", 0x21, 0, "unable to get log interval");
        failureRow("location", 0xE4, 0, "unable to get location");
        failureRow("common settings", 0x02, 0, "unable to get settings");
        invalidRow("common settings, two fields", 0x02, "0;1",
                   QStringLiteral("invalid common settings: 0;1"));
        failureRow("settings of the first actuator", 0x05, 0, "unable to get actuator settings");
        invalidRow("settings not numbers", 0x05, "1;16;x;0;1000;-30;30;5;5;210;0;2",
                   QStringLiteral("invalid actuator settings: 1;16;x;0;1000;-30;30;5;5;210;0;2"));
        failureRow("location of the eighth actuator", 0x08, 7, "unable to get actuator location");
        // Answers that do not parse, or hold a value their field cannot take, are failures too.
        invalidRow("firmware version not a version", 0xE3, "1.1.2.17 beta",
                   "invalid firmware version: 1.1.2.17 beta");
        invalidRow("log interval not a number", 0x21, "6OO", "invalid log interval: 6OO");
        invalidRow("log interval of zero", 0x21, "0", "invalid log interval: 0");
        invalidRow("response delay beyond a byte", 0x02, "0;1;256",
                   "invalid common settings: 0;1;256");
        invalidRow("control type without a key", 0x02, "0;3;10", "invalid common settings: 0;3;10");
        invalidRow("negative potentiometer limit", 0x05, "1;16;-5;-1;1000;-30;30;5;5;210;0;2",
                   "invalid actuator settings: 1;16;-5;-1;1000;-30;30;5;5;210;0;2");
        invalidRow("sensor type without a key", 0x05, "1;11;-5;0;1000;-30;30;5;5;210;0;2",
                   "invalid actuator settings: 1;11;-5;0;1000;-30;30;5;5;210;0;2");
        invalidRow("setpoint beyond 16 bits", 0x05, "1;16;-5;0;1000;-30;30;5;5;32768;0;2",
                   "invalid actuator settings: 1;16;-5;0;1000;-30;30;5;5;32768;0;2");
        invalidRow("control source beyond the eighth actuator", 0x05,
                   "1;16;-5;0;1000;-30;30;5;5;210;0;9",
                   "invalid actuator settings: 1;16;-5;0;1000;-30;30;5;5;210;0;9");
    }
    void readConfig_failures()
    {
        QFETCH(QString, message);
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        comm->device.config.log_interval = 42; // what an earlier read left
        arrange(plugged);
        MessageLog log;
        QVERIFY(!comm->readConfig());
        QCOMPARE(log.messages().size(), 1);
        QVERIFY2(log.messages().first().startsWith(message), qPrintable(log.messages().first()));
        if (log.messages().first().contains("log interval"))
            QCOMPARE(comm->device.config.log_interval, 42);
    }

    // Odd values the box can hold and take back are read as they are.
    void readConfig_oddButRepresentableValues()
    {
        PluggedBox plugged;
        plugged.box->overrideReply(0x21, "1");
        plugged.box->overrideReply(0x02, "1;0;255");
        plugged.box->overrideReply(0x05, "-3;19;-32768;2147483647;0;32767;-32768;0;32767;-40;1;8");
        plugged.box->overrideReply(0xE3, "2");
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        QVERIFY(comm->readConfig());
        const VoroConfig& c = comm->device.config;
        QCOMPARE(comm->device.firmware_version, QStringLiteral("2"));
        QCOMPARE(c.log_interval, 1);
        QCOMPARE(c.common.modbus_response_delay, 255);
        const ActuatorSettings& a = c.actuator_settings.first();
        QVERIFY(a.active);
        QCOMPARE(a.pot_min, 2147483647u);
        QCOMPARE(a.setpoint, -40);
        QCOMPARE(a.sensor_offset, -32768);
        QCOMPARE(a.control_source, 8);
        // and the save sends them back as they came
        QVERIFY(comm->writeActuatorSettings(c));
        QCOMPARE(plugged.box->receivedArguments(0x06).first(),
                 QStringLiteral("0;1;19;-32768;2147483647;0;32767;-32768;0;32767;-40;1;8"));
    }

    void readConfig_missingFifthSettings_keepsFourEntries()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::once(Fault::NoReply, CMD__GET_ACTUATOR_SETTINGS, 4));
        MessageLog log;
        QVERIFY(!comm->readConfig());
        QCOMPARE(log.messages(), QStringList { "unable to get actuator settings" });
        QCOMPARE(plugged.commands().size(), 4 + 9);
        QCOMPARE(comm->device.config.actuator_settings.size(), 4);
        QCOMPARE(comm->device.config.actuator_locations.size(), 4);
    }

    void readStatus_readsStatusAndLiveValues()
    {
        PluggedBox plugged;
        VoroBox& box = *plugged.box;
        box.setModbus(17, 9600, 'o', 2);
        box.setErrors(3, SensorNc | PotNc);
        box.setErrors(3, SensorNc);
        box.setRoomTemperature(1, 19.5);
        box.setActuatorSetting(1, SensorOffset, 3);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        QVERIFY(comm->readStatus());

        const VoroDevice& d = comm->device;
        QCOMPARE(d.status.modbus_address, 17);
        QCOMPARE(d.status.baudrate, 9600);
        QCOMPARE(d.status.parity, 'o');
        QCOMPARE(d.status.stop_bits, 2);
        QCOMPARE(d.status.flash_write_count, box.flashWriteCount());
        QCOMPARE(d.actuator_data.size(), 8);
        QCOMPARE(d.actuator_data[1].temperature, 198);
        QCOMPARE(d.actuator_data[3].errors, quint8(VoroDefinitions::E__SENSOR_NC));
        QCOMPARE(d.actuator_data[3].mem_errors,
                 quint8(VoroDefinitions::E__SENSOR_NC | VoroDefinitions::E__POT_NC));
        QVERIFY(d.actuator_data[3].sensor_resistance > ActuatorData::MAX_VALID_RESISTANCE);
        QCOMPARE(plugged.commands().size(), 9);

        box.setReportsFlashCount(false);
        QVERIFY(comm->readStatus());
        QCOMPARE(comm->device.status.flash_write_count, 0xFFFFFFFFu);
    }

    void readStatus_failures_data()
    {
        addFailureColumns();
        failureRow("status", 0x01, 0, "unable to get status");
        invalidRow("status with an empty parity", 0x01, "1;19200;;1;5;0;0;3;4",
                   QStringLiteral("invalid status: 1;19200;;1;5;0;0;3;4"));
        failureRow("data of the sixth actuator", 0x04, 5, "unable to get actuator data");
        invalidRow("data with two fields", 0x04, "215;10950",
                   QStringLiteral("invalid actuator data: 215;10950"));
        invalidRow("error bits beyond a byte", 0x04, "215;10950;0;17000000;0;1;256;0",
                   QStringLiteral("invalid actuator data: 215;10950;0;17000000;0;1;256;0"));
        invalidRow("negative uptime", 0x01, "1;19200;e;1;-5;0;0;3;4",
                   QStringLiteral("invalid status: 1;19200;e;1;-5;0;0;3;4"));
    }
    void readStatus_failures()
    {
        QFETCH(QString, message);
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        arrange(plugged);
        MessageLog log;
        QVERIFY(!comm->readStatus());
        QCOMPARE(log.messages(), QStringList { message });
    }

    void writeConfig_writesInOrderAndSaves()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        const quint32 saves = plugged.box->configWriteCount();
        VoroConfig config = editedConfig();
        config.actuator_locations[2] = QStringLiteral("Hall; east");
        QVERIFY(comm->writeConfig(config));

        QList<int> expected { 0x22, 0x07, 0x03 };
        for (int i = 0; i < 8; ++i)
            expected << 0x09;
        expected << 0xEF;
        QCOMPARE(plugged.commands(), expected);
        QCOMPARE(plugged.box->receivedArguments(0x09)[2], QStringLiteral("2;Hall; east"));
        QCOMPARE(plugged.box->receivedArguments(0x03), QStringList { "1;2;40" });

        const VoroBox& box = *plugged.box;
        QCOMPARE(box.configWriteCount(), saves + 1);
        QCOMPARE(box.location(), QStringLiteral("Hall 3"));
        QCOMPARE(box.logInterval(), 300);
        QCOMPARE(box.common(ModbusResponseDelay), 40);
        QCOMPARE(box.actuatorLocation(2), QStringLiteral("Hall; east"));
        QCOMPARE(box.actuatorLocation(7), QStringLiteral("Zone 8"));
        // Settings are not part of it.
        QCOMPARE(box.actuatorSetting(0, Setpoint), 210);
    }

    void writeConfig_failures_data()
    {
        addFailureColumns();
        failureRow("log interval", 0x22, 0, "unable to set log interval");
        failureRow("location", 0x07, 0, "unable to set location");
        failureRow("common settings", 0x03, 0, "unable to set common settings");
        failureRow("fourth actuator location", 0x09, 3, "unable to set actuator location");
        failureRow("save", 0xEF, 0, "unable to save");
    }
    void writeConfig_failures()
    {
        QFETCH(QString, message);
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        const quint32 saves = plugged.box->configWriteCount();
        arrange(plugged);
        MessageLog log;
        QVERIFY(!comm->writeConfig(editedConfig()));
        QCOMPARE(log.messages(), QStringList { message });
        QCOMPARE(plugged.box->configWriteCount(), saves);
    }

    void writeActuatorSettings_sendsEightRecordsWithoutSaving()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        const quint32 saves = plugged.box->configWriteCount();
        VoroConfig config = editedConfig();
        ActuatorSettings& a = config.actuator_settings[3];
        a.active = true;
        a.sensor_type = 16;
        a.sensor_offset = -5;
        a.pot_min = 0;
        a.pot_max = 1000;
        a.pot_shift_min = -30;
        a.pot_shift_max = 30;
        a.hysteresis_heating = 5;
        a.hysteresis_cooling = 5;
        a.setpoint = 210;
        a.actuator_type = 0;
        a.control_source = 2;
        QVERIFY(comm->writeActuatorSettings(config));

        const QStringList args = plugged.box->receivedArguments(0x06);
        QCOMPARE(args.size(), 8);
        QCOMPARE(args[3], QStringLiteral("3;1;16;-5;0;1000;-30;30;5;5;210;0;2"));
        QCOMPARE(plugged.commands().count(0xEF), 0);
        QCOMPARE(plugged.box->configWriteCount(), saves);
        QCOMPARE(plugged.box->actuatorSetting(3, ControlSource), 2);
        QCOMPARE(plugged.box->actuatorSetting(7, Setpoint), 207);
        QCOMPARE(plugged.box->actuatorSetting(7, SensorType), 17);

        plugged.inject(Fault::once(Fault::WriteFailure, 0x06, 6));
        MessageLog log;
        QVERIFY(!comm->writeActuatorSettings(config));
        QCOMPARE(log.messages(), QStringList { "unable to set actuator settings" });
    }

    void writes_refuseConfigurationsWithFewerThanEightActuators()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        VoroConfig config = editedConfig();
        config.actuator_locations.removeLast();
        config.actuator_settings.resize(0);
        MessageLog log;
        QVERIFY(!comm->writeConfig(config));
        QVERIFY(!comm->writeActuatorSettings(config));
        QVERIFY(!comm->writeConfig(VoroConfig()));
        QVERIFY(plugged.box->received().empty());
        QCOMPARE(log.messages(),
                 QStringList({ "invalid configuration: 7 actuator locations",
                               "invalid configuration: 0 actuator settings",
                               "invalid configuration: 0 actuator locations" }));
    }

    void writeConfig_cutsOverlongLocationsAtCharacterBoundaries()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        VoroConfig config = editedConfig();
        // 24 characters of three bytes each: 72 bytes, 63 fit.
        config.location = QString(24, QChar(0x6C34));
        // "e" with a combining acute accent, three bytes a character: "5;" and 20 of them fit.
        QString decomposed;
        for (int i = 0; i < 24; ++i)
            decomposed += QStringLiteral("e\u0301");
        config.actuator_locations[5] = decomposed;
        MessageLog log;
        QVERIFY(comm->writeConfig(config));

        QCOMPARE(plugged.box->location(), QString(21, QChar(0x6C34)));
        QCOMPARE(plugged.box->actuatorLocation(5), decomposed.left(40));
        QCOMPARE(log.messages().size(), 2);
        QVERIFY(log.messages()[0].startsWith("location too long for one report, cut to: "));
        for (const QString& a : plugged.box->receivedArguments(0x09))
            QVERIFY(a.toUtf8().size() <= VoroComm::ARGUMENT_SIZE);
    }

    void clearErrors_andTestActuator()
    {
        PluggedBox plugged;
        VoroBox& box = *plugged.box;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        box.setErrors(2, PotOutOfRange);
        box.setErrors(2, 0);
        QCOMPARE(box.memErrors(2), uint8_t(PotOutOfRange));
        QVERIFY(comm->clearErrors(2));
        QCOMPARE(box.memErrors(2), uint8_t(0));

        QVERIFY(comm->testActuator(0, 1));
        QVERIFY(box.testing(0));
        QVERIFY(box.triac(0));
        QVERIFY(comm->testActuator(7, 0));
        QCOMPARE(box.receivedArguments(0x10), QStringList({ "0;1", "7;0" }));
        QCOMPARE(box.receivedArguments(0x0A), QStringList { "2" });

        MessageLog log;
        plugged.inject(Fault::once(Fault::WriteFailure));
        QVERIFY(!comm->clearErrors(1));
        plugged.inject(Fault::once(Fault::WriteFailure));
        QVERIFY(!comm->testActuator(1, 1));
        QCOMPARE(log.messages(),
                 QStringList({ "unable to clear errors", "unable to test actuator" }));
    }

    void factoryReset_sendsConfirmationAndAlwaysSucceeds()
    {
        PluggedBox plugged(QStringLiteral("Kitchen"));
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.box->setActuatorSetting(1, Setpoint, 250);
        QVERIFY(comm->factoryReset());
        QCOMPARE(plugged.box->receivedArguments(0x70), QStringList { "1630497258" });
        QCOMPARE(plugged.box->factoryResets(), 1);
        QCOMPARE(plugged.box->location(), QString());
        QCOMPARE(plugged.box->actuatorSetting(1, Setpoint), 210);
        QCOMPARE(plugged.box->savedConfig().location, QString());

        // The box has restarted: it left the bus, so this handle is dead, and came back on the
        // same port. A reset that reaches no box at all still counts as done.
        QVERIFY(plugged.plugged());
        QVERIFY(comm->factoryReset());
        QCOMPARE(plugged.box->factoryResets(), 1);
        comm.reset(plugged.openComm());
        QVERIFY(comm->factoryReset());
        QCOMPARE(plugged.box->factoryResets(), 2);
    }

    void enterBootloader_doesNotWaitAndTheBoxLeaves()
    {
        PluggedBox plugged;
        std::shared_ptr<VoroBox> left;
        std::string left_from;
        plugged.box->setBootloaderHook([&](std::shared_ptr<VoroBox> box, const std::string& p) {
            left = box;
            left_from = p;
        });
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(comm->enterBootloader());
        QVERIFY(timer.elapsed() < VoroComm::REPLY_TIMEOUT_MS); // no reply is awaited
        QCOMPARE(plugged.commands(), QList<int>({ 0xE1 }));
        QVERIFY(!plugged.plugged());
        QCOMPARE(left, plugged.box);
        QCOMPARE(left_from, plugged.path);
        QVERIFY(comm->enterBootloader()); // even towards a box that is gone
    }

    void hostileReplies_failCleanly()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::always(Fault::GarbageReply));
        MessageLog log;
        for (int round = 0; round < 50; ++round) {
            QVERIFY(!comm->readIdentity());
            QVERIFY(!comm->readConfig());
            QVERIFY(!comm->readStatus());
            QVERIFY(!comm->ping());
        }
        QCOMPARE(log.messages().size(), 200); // one message for each failure
        QVERIFY(comm->device.firmware_version.isNull());
    }
};

QTEST_GUILESS_MAIN(tst_VoroCommands)
#include "tst_vorocommands.moc"
