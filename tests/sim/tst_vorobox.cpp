// The virtual box itself: its regulation, its logs on the wire (checked with an independent
// decoder), its control API, the demo's boxes, and the bus faults' counting.
#include "tests/support/CommTestSupport.h"

#include "devicelink/VoroCommands.h"
#include "devicelink/VoroUsbDetector.h"
#include "sim/DemoScenario.h"

#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>

using namespace hidsim;

namespace {
// Everything the box sends for one log read: its header, then each chunk's text.
QStringList readLogReplies(VoroComm& comm, int index)
{
    QStringList replies;
    QByteArray reply = comm.transact(CMD__READ_LOG, QString::number(index));
    replies << VoroComm::replyText(reply);
    for (int guard = 0; guard < 1000 && !reply.isNull(); ++guard) {
        reply = comm.transact(CMD__READ_LOG, QString());
        if (reply.isNull())
            break;
        replies << VoroComm::replyText(reply);
        if (replies.last().startsWith(QLatin1Char(';')))
            break;
    }
    return replies;
}
} // namespace

class tst_VoroBox : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::instance().setLatency(std::chrono::microseconds(0)); }

    void newBox_hasAFullHistoryAndFactorySettings()
    {
        PluggedBox plugged;
        const VoroBox& box = *plugged.box;
        QCOMPARE(box.logInterval(), 600);
        for (int i = 0; i < VoroBox::ACTUATORS; ++i)
            QCOMPARE(box.log(i).size(), BoxState::LOG_CAPACITY);
        QCOMPARE(box.actuatorSetting(0, Setpoint), 210);
        QCOMPARE(box.actuatorSetting(0, SensorType), 16);
        QCOMPARE(box.common(ModbusResponseDelay), 10);
        // The history is a regulated room: around the setpoint, the TRIAC switching.
        const QVector<LogRecord> log = box.log(0);
        int switches = 0;
        for (int i = 600; i < log.size(); ++i) {
            QVERIFY(qAbs(log[i].temperature - 210) < 15);
            switches += log[i].triac != log[i - 1].triac;
        }
        QVERIFY(switches > 10);
    }

    void logOnTheWire_decodesWithAnIndependentDecoder()
    {
        PluggedBox plugged;
        QVector<LogRecord> records;
        for (int i = 0; i < BoxState::LOG_CAPACITY; ++i)
            records.append({ (i * 37) % 400 - 100, (i * 53) % 700 - 300, i % 3 == 0 });
        records[0] = { 210, 215, true }; // w1 0x44BA, w2 0x00D7
        records[1] = { 0, -100, false }; // w1 0x03E8, w2 0xFF9C
        plugged.box->setLog(2, records, 120);
        std::unique_ptr<VoroComm> comm(plugged.openComm());

        const QStringList replies = readLogReplies(*comm, 2);
        QCOMPARE(replies.first(), QStringLiteral("120;600"));
        QCOMPARE(replies.last(), QStringLiteral(";"));
        QCOMPARE(replies.size(), 1 + 110 + 1); // 11 records a chunk
        for (const QString& r : replies)
            QVERIFY(r.toUtf8().size() <= VoroComm::ARGUMENT_SIZE);

        QTemporaryFile chunks;
        QVERIFY(chunks.open());
        chunks.write(replies.mid(1, replies.size() - 2).join(QLatin1Char('\n')).toLatin1());
        chunks.close();
        QProcess python;
        python.start(
            QStringLiteral("python3"),
            { QStringLiteral("-c"),
              QStringLiteral("import base64, struct, sys\n"
                             "for line in open(sys.argv[1]):\n"
                             "    data = base64.b64decode(line.split(';')[0], validate=True)\n"
                             "    assert len(data) % 4 == 0\n"
                             "    for i in range(0, len(data), 4):\n"
                             "        w1, w2 = struct.unpack('<Hh', data[i:i + 4])\n"
                             "        print((w1 & ~0x4000) - 1000, w2, (w1 >> 14) & 1)\n"),
              chunks.fileName() });
        QVERIFY(python.waitForFinished(10000));
        QCOMPARE(python.exitCode(), 0);
        const QStringList lines
            = QString::fromLatin1(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), records.size());
        for (int i = 0; i < lines.size(); ++i) {
            const LogRecord& r = records[records.size() - 1 - i]; // newest first
            QCOMPARE(
                lines[i],
                QStringLiteral("%1 %2 %3").arg(r.setpoint).arg(r.temperature).arg(int(r.triac)));
        }
    }

    void logCutShort_fallsSilentAfterItsChunks_once()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.box->cutLogShort(2);
        const QStringList cut = readLogReplies(*comm, 0); // the silence costs one time-out
        QCOMPARE(cut.size(), 1 + 2);
        QVERIFY(!cut.last().startsWith(QLatin1Char(';')));
        QCOMPARE(readLogReplies(*comm, 0).size(), 1 + 110 + 1);
        // An unknown actuator gives no header and an empty log.
        QCOMPARE(readLogReplies(*comm, 8), QStringList({ "ERR", ";" }));
    }

    void newLogInterval_startsAnEmptyLog()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        QVERIFY(!comm->transact(CMD__SET_LOG_INTERVAL, QStringLiteral("60")).isNull());
        QCOMPARE(plugged.box->logInterval(), 60);
        QVERIFY(plugged.box->log(0).isEmpty());
        QCOMPARE(readLogReplies(*comm, 0), QStringList({ "0;60", ";" }));
        plugged.box->advance(60 * 5 + 30);
        QCOMPARE(plugged.box->log(0).size(), 5);
        QCOMPARE(readLogReplies(*comm, 0).first(), QStringLiteral("30;60"));
        // Years at once: a full log of the latest samples, in bounded time.
        plugged.box->advance(1e9);
        QCOMPARE(plugged.box->log(0).size(), BoxState::LOG_CAPACITY);
    }

    void regulation_followsSetpointAndHysteresis()
    {
        PluggedBox plugged;
        VoroBox& box = *plugged.box;
        box.setRoomTemperature(0, 15.0);
        box.advance(1);
        QVERIFY(box.triac(0)); // far below 21.0 °C: heating
        box.advance(3 * 3600);
        // From now on the room stays within the hysteresis band around the setpoint.
        int on = 0;
        for (int minute = 0; minute < 240; ++minute) {
            box.advance(60);
            const int t = box.temperature(0);
            QVERIFY2(t >= 210 - 5 - 3 && t <= 210 + 3, qPrintable(QString::number(t)));
            on += box.triac(0);
        }
        QVERIFY(on > 10 && on < 230);

        // A normally-open actuator is powered to close.
        box.setActuatorSetting(1, ActuatorType, 1);
        box.setRoomTemperature(1, 15.0);
        box.advance(1);
        QVERIFY(!box.triac(1));
        // An inactive actuator stays off; one that follows another switches with it.
        box.setActuatorSetting(2, Active, 0);
        box.setRoomTemperature(2, 15.0);
        box.setActuatorSetting(3, ControlSource, 5);
        box.setRoomTemperature(4, 15.0);
        box.setRoomTemperature(3, 30.0);
        box.advance(1);
        box.advance(1); // a follower switches one model step after its leader
        QVERIFY(!box.triac(2));
        QVERIFY(box.triac(4));
        QVERIFY(box.triac(3));
    }

    void cooling_opensAboveTheSetpoint()
    {
        PluggedBox plugged;
        VoroBox& box = *plugged.box;
        box.setCommon(ControlType, 0); // the X19 input decides
        box.setCoolingInput(true);
        box.setRoomTemperature(0, 25.0);
        box.setRoomTemperature(1, 19.0);
        box.advance(1);
        QVERIFY(box.triac(0));
        QVERIFY(!box.triac(1));
        box.advance(3 * 3600);
        QVERIFY(box.temperature(0) <= 210 + 5 + 3);
    }

    void potentiometer_andSensorErrors_showInTheLiveValues()
    {
        PluggedBox plugged;
        VoroBox& box = *plugged.box;
        box.setPotResistance(0, 10000); // 1000.0 ohm: the top of 0 ... 1000
        box.setErrors(1, SensorNc);
        box.setErrors(2, PotNc);
        box.setRoomTemperature(1, 10.0);
        box.advance(1);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        QVERIFY(comm->readStatus());
        const auto& d = comm->device.actuator_data;
        QCOMPARE(d[0].pot_shift, 30);
        QCOMPARE(d[0].pot_setpoint, 240);
        QVERIFY(d[1].sensor_resistance > ActuatorData::MAX_VALID_RESISTANCE);
        QVERIFY(!d[1].triac); // no regulation without a sensor
        QVERIFY(d[2].pot_resistance > ActuatorData::MAX_VALID_RESISTANCE);
        QCOMPARE(d[2].pot_shift, 0);
        QVERIFY(d[3].sensor_resistance > 10000 && d[3].sensor_resistance < 12000); // PT1000
    }

    void saves_andFactoryReset_countAndNeedTheConfirmation()
    {
        PluggedBox plugged(QStringLiteral("Store"));
        VoroBox& box = *plugged.box;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        const quint32 config = box.configWriteCount(), flash = box.flashWriteCount();
        QVERIFY(!comm->transact(CMD__SAVE, QString()).isNull());
        QVERIFY(!comm->transact(CMD__SAVE, QString()).isNull());
        QCOMPARE(box.configWriteCount(), config + 2);
        QCOMPARE(box.flashWriteCount(), flash + 2);
        QVERIFY(comm->readStatus());
        QCOMPARE(comm->device.status.config_write_count, config + 2);

        QCOMPARE(VoroComm::replyText(comm->transact(CMD__FACTORY_RESET, "1630497259")),
                 QStringLiteral("ERR"));
        QCOMPARE(box.location(), QStringLiteral("Store"));
        QCOMPARE(box.factoryResets(), 0);
    }

    void restart_startsFromTheSavedConfiguration_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("location"); // after the restart
        QTest::newRow("unplug and plug") << "replug"
                                         << "Saved";
        QTest::newRow("control API") << "restart"
                                     << "Saved";
        QTest::newRow("factory reset") << "factory reset"
                                       << "";
    }

    void restart_startsFromTheSavedConfiguration()
    {
        QFETCH(QString, how);
        QFETCH(QString, location);
        PluggedBox plugged(QStringLiteral("Store"));
        VoroBox& box = *plugged.box;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        const auto send = [&](int command, const QString& argument) {
            return VoroComm::replyText(comm->transact(command, argument));
        };
        QCOMPARE(send(CMD__SET_LOCATION, "Saved"), QStringLiteral("OK"));
        QCOMPARE(send(CMD__SAVE, QString()), QStringLiteral("OK"));
        // Set commands change what the box uses now, not what it starts from.
        QCOMPARE(send(CMD__SET_LOCATION, "Unsaved"), QStringLiteral("OK"));
        QCOMPARE(send(CMD__SET_ACTUATOR_SETTINGS, "1;1;16;0;0;1000;-30;30;5;5;250;0;0"),
                 QStringLiteral("OK"));
        QCOMPARE(send(CMD__SET_LOG_INTERVAL, "60"), QStringLiteral("OK"));
        QCOMPARE(box.location(), QStringLiteral("Unsaved"));
        QCOMPARE(box.actuatorSetting(1, Setpoint), 250);
        const BoxConfig saved = box.savedConfig();
        QCOMPARE(saved.location, QStringLiteral("Saved"));
        QCOMPARE(saved.settings[1][Setpoint], 210);
        QCOMPARE(saved.log_interval, 600);
        box.advance(3600);

        if (how == "replug") {
            Bus::instance().unplug(plugged.path);
            QCOMPARE(Bus::instance().plug(plugged.box, plugged.path), plugged.path);
        } else if (how == "restart") {
            box.restart();
        } else {
            QVERIFY(comm->factoryReset());
        }
        QVERIFY(plugged.plugged());
        QVERIFY(!comm->ping()); // the old handle went with the box
        comm.reset(plugged.openComm());
        QVERIFY(comm->readConfig() && comm->readStatus());
        QCOMPARE(comm->device.config.location, location);
        QCOMPARE(comm->device.config.actuator_settings.at(1).setpoint, 210);
        QCOMPARE(comm->device.config.log_interval, 600);
        QCOMPARE(comm->device.status.uptime, 0);
        QCOMPARE(box.savedConfig().location, location);
    }

    void busFaults_skipThenStrikeTheirCount()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        Fault fault = Fault::once(Fault::WriteFailure, CMD__GET_PROTOCOL_VERSION, 2);
        fault.times = 2;
        plugged.inject(fault);
        QList<bool> answered;
        for (int i = 0; i < 6; ++i) {
            answered << comm->ping();
            QVERIFY(!comm->transact(CMD__GET_LOCATION, QString()).isNull()); // never hit
        }
        QCOMPARE(answered, QList<bool>({ true, true, false, false, true, true }));

        plugged.inject(Fault::always(Fault::WriteFailure));
        QVERIFY(!comm->ping());
        Bus::instance().clearFaults(plugged.path);
        QVERIFY(comm->ping());
        QVERIFY(!Bus::instance().injectFault("/dev/hidraw-nowhere", fault));
    }

    void openFailure_failsOpensUntilClearedAndSparesReports()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::once(Fault::OpenFailure));
        QVERIFY(comm->ping()); // an open handle goes on working
        QVERIFY(!HidDevice(plugged.id()).isOpen());
        QVERIFY(HidDevice(plugged.id()).isOpen());

        plugged.inject(Fault::always(Fault::OpenFailure));
        for (int i = 0; i < 3; ++i)
            QVERIFY(!HidDevice(plugged.id()).isOpen());
        QVERIFY(comm->ping());
        Bus::instance().clearFaults(plugged.path);
        QVERIFY(HidDevice(plugged.id()).isOpen());
    }

    void demoScenario_plugsTwoBoxesInDifferentPlaces()
    {
        Bus::instance().unplugAll();
        plugDemoScenario();
        const auto ids
            = HidDevice::enumerate(VoroUsbDetector::VENDOR_ID, VoroUsbDetector::PRODUCT_ID);
        QCOMPARE(int(ids.size()), 2);
        QStringList locations;
        for (const HidDevice::Id& id : ids) {
            VoroComm comm(new HidDevice(id), 1);
            QVERIFY(comm.readIdentity());
            QVERIFY(comm.readConfig() && comm.readStatus());
            locations << comm.device.config.location;
        }
        locations.sort();
        QCOMPARE(locations, QStringList({ "Lab 2", "Office 1.01" }));
        Bus::instance().unplugAll();
    }
};

QTEST_GUILESS_MAIN(tst_VoroBox)
#include "tst_vorobox.moc"
