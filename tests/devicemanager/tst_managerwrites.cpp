// The manager's word on every write it is asked for, and on boxes that stop answering: a
// write is known only from a read of the box after it; a box that drops is recognised when it
// comes back, or given up after the grace period (not while its update runs); the program's
// end switches running tests off; a log read or export that fails or is cancelled says so.
#include "tests/support/CommTestSupport.h"

#include "tests/support/ScriptedDialogs.h"

#include "devicelink/VoroCommands.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using hidsim::Bus;
using hidsim::Fault;

namespace {
constexpr int kReadyMs = 5000;
// Longer than a box needs to come back (the detector's block, the identity read, the firmware
// check, the first read), even on a busy machine; shorter where a box is meant to stay away.
constexpr int kGraceMs = 5000;
constexpr int kShortGraceMs = 300;

struct Managed
{
    Managed()
        : manager(new VoroManager(&owner, &dialogs))
        , writes(manager, &VoroManager::writeFinished)
        , returned(manager, &VoroManager::deviceReturned)
        , lost(manager, &VoroManager::deviceLost)
    {
        manager->setReturnGrace(kGraceMs);
    }

    // The one ready box, once there is exactly one.
    VoroDevice::Id waitReady()
    {
        VoroDevice::Id ready = -1;
        (void)QTest::qWaitFor(
            [&] {
                const QList<VoroDevice::Id> ids = manager->deviceIds();
                ready = ids.size() == 1
                        && manager->device(ids.first()).state == VoroDefinitions::DS__READY
                    ? ids.first()
                    : -1;
                return ready != -1;
            },
            kReadyMs);
        return ready;
    }
    WriteOutcome outcome(int i = 0) const { return writes.at(i).at(0).value<WriteOutcome>(); }

    ScriptedDialogs dialogs;
    QObject owner;
    VoroManager* manager;
    QSignalSpy writes;
    QSignalSpy returned;
    QSignalSpy lost;
};

QStringList keys(const QVector<ConfigField>& fields)
{
    QStringList out;
    for (const ConfigField& f : fields)
        out << f.key();
    return out;
}
} // namespace

class tst_ManagerWrites : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::instance().setLatency(std::chrono::microseconds(0)); }

    void save_data()
    {
        QTest::addColumn<int>("fault"); // -1: none
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("times"); // how often the fault strikes, -1: always
        QTest::addColumn<bool>("success");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QStringList>("notWritten");
        QTest::addColumn<int>("returns"); // how often the box drops and comes back
        QTest::addColumn<QString>("saved"); // the location the box keeps
        const QStringList location { "location" };
        QTest::newRow("confirmed by the read after it")
            << -1 << 0 << 0 << true << int(WriteOutcome::NONE) << QStringList() << 0 << "Hall";
        QTest::newRow("a value the box refuses")
            << -1 << 0 << 0 << false << int(WriteOutcome::NOT_TAKEN)
            << QStringList { "common_settings\\modbus_response_delay" } << 0 << "Hall";
        // the box may hold what it was given without keeping it: once back, it is written again
        QTest::newRow("write failed once")
            << int(Fault::WriteFailure) << int(CMD__SET_LOG_INTERVAL) << 1 << true
            << int(WriteOutcome::NONE) << QStringList() << 1 << "Hall";
        QTest::newRow("write keeps failing")
            << int(Fault::WriteFailure) << int(CMD__SET_LOCATION) << -1 << false
            << int(WriteOutcome::NO_ANSWER) << location << 2 << "Lab 2";
        QTest::newRow("unplugged for good")
            << int(Fault::UnplugMidTransaction) << int(CMD__SET_LOCATION) << 1 << false
            << int(WriteOutcome::NOT_RETURNED) << location << 0 << "Lab 2";
    }

    void save()
    {
        QFETCH(int, fault);
        QFETCH(int, command);
        QFETCH(int, times);
        QFETCH(bool, success);
        QFETCH(int, failure);
        QFETCH(QStringList, notWritten);
        QFETCH(int, returns);
        QFETCH(QString, saved);
        PluggedBox plugged("Lab 2");
        Managed m;
        if (failure == WriteOutcome::NOT_RETURNED)
            m.manager->setReturnGrace(kShortGraceMs);
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        if (fault >= 0) {
            Fault f = Fault::once(Fault::Kind(fault), command);
            f.times = times;
            plugged.inject(f);
        }
        VoroConfig edited = m.manager->device(id).config;
        edited.location = "Hall";
        if (QByteArray(QTest::currentDataTag()) == "a value the box refuses")
            edited.common.modbus_response_delay = 300;
        // The record holds what the box holds, and only that.
        QString held;
        connect(m.manager, &VoroManager::writeFinished,
                [&](const WriteOutcome& w) { held = m.manager->device(w.id).config.location; });
        m.manager->writeConfig(id, edited);
        QCOMPARE(m.manager->device(id).config.location, QString("Lab 2"));

        QTRY_COMPARE_WITH_TIMEOUT(m.writes.size(), 1, 2 * kReadyMs + kGraceMs);
        const WriteOutcome w = m.outcome();
        QCOMPARE(w.kind, WriteOutcome::SAVE);
        QCOMPARE(w.success, success);
        QCOMPARE(int(w.failure), failure);
        QCOMPARE(keys(w.not_written), notWritten);
        QCOMPARE(w.box, "Lab 2 (" + plugged.box->serial().right(6) + ")");
        QCOMPARE(w.serial_number, plugged.box->serial());
        QCOMPARE(m.returned.size(), returns);
        if (returns) {
            QCOMPARE(m.returned.first().at(0).toInt(), id);
            QCOMPARE(w.id, m.returned.last().at(1).toInt());
        } else {
            QCOMPARE(w.id, id);
        }
        QCOMPARE(m.lost.size(), failure == WriteOutcome::NOT_RETURNED ? 1 : 0);
        QCOMPARE(plugged.box->savedConfig().location, saved);
        QCOMPARE(held, m.lost.isEmpty() ? saved : QString()); // a box that is gone has no record
    }

    // Ending the tests of a box ends those started, once each. (Cleared errors are confirmed in
    // the window's tests.)
    void endTests_endsWhatWasStartedOnce()
    {
        PluggedBox plugged;
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        m.manager->testActuator(id, 3, 1);
        m.manager->endTests(id);
        m.manager->endTests(id); // nothing left running: nothing more sent
        QTRY_COMPARE(m.writes.size(), 1);
        const WriteOutcome w = m.outcome();
        QCOMPARE(w.kind, WriteOutcome::TEST_OFF);
        QCOMPARE(w.actuator_index, 3);
        QVERIFY(w.success);
        QCOMPARE(plugged.box->receivedArguments(CMD__TEST_ACTUATOR), QStringList({ "3;1", "3;0" }));
        QVERIFY(!plugged.box->testing(3));
    }

    void factoryReset_knownWhenTheBoxIsBack()
    {
        PluggedBox plugged("Lab 2");
        plugged.box->setActuatorSetting(1, hidsim::Setpoint, 250);
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        m.manager->factoryReset(id);
        QTRY_COMPARE_WITH_TIMEOUT(m.writes.size(), 1, kReadyMs);
        const WriteOutcome w = m.outcome();
        QCOMPARE(w.kind, WriteOutcome::FACTORY_RESET);
        QVERIFY(w.success);
        QCOMPARE(m.returned.size(), 1);
        QCOMPARE(w.id, m.returned.first().at(1).toInt());
        QCOMPARE(m.manager->device(w.id).config.actuator_settings.at(1).setpoint, 210);
        QCOMPARE(w.box, "Lab 2 (" + plugged.box->serial().right(6) + ")"); // as it was asked
    }

    // A box in its bootloader is not given up while its update runs: only once the update has
    // ended does the usual grace period start.
    void boxUnderUpdate_waitedForUntilTheUpdateEnds()
    {
        PluggedBox plugged;
        plugged.box->setBootloaderHook([](auto, const std::string&) {}); // stays away
        Managed m;
        m.manager->setReturnGrace(kShortGraceMs);
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        const QString serial = plugged.box->serial();
        m.manager->enterBootloader(id);
        QTRY_VERIFY(m.manager->isUpdating(serial));
        // several times the grace period, and the expiry check on its 500 ms tick
        QTest::qWait(kShortGraceMs + 3 * VoroManager::CHECK_INTERVAL_MS);
        QVERIFY(m.lost.isEmpty());
        m.manager->updateEnded(serial);
        QVERIFY(!m.manager->isUpdating(serial));
        QTRY_COMPARE(m.lost.size(), 1);
        QCOMPARE(m.lost.first().at(0).toInt(), id);
    }

    // The program's end leaves no actuator testing: the test end goes out before the box's
    // connection is closed.
    void end_switchesRunningTestsOff()
    {
        PluggedBox plugged;
        auto m = std::make_unique<Managed>();
        const VoroDevice::Id id = m->waitReady();
        QVERIFY(id > 0);
        m->manager->testActuator(id, 2, 1);
        m->manager->testActuator(id, 5, 1);
        QTRY_VERIFY(plugged.box->testing(5));
        m.reset();
        const QStringList tests = plugged.box->receivedArguments(CMD__TEST_ACTUATOR);
        QVERIFY(tests.endsWith("2;0") || tests.endsWith("5;0"));
        QVERIFY(tests.contains("2;0") && tests.contains("5;0"));
        QVERIFY(!plugged.box->testing(2) && !plugged.box->testing(5));
    }

    void logReadFailure_data()
    {
        QTest::addColumn<QByteArray>("header"); // the box's answer to the log's opening; null: none
        QTest::addColumn<QString>("reason");
        QTest::newRow("silence") << QByteArray() << "the box stopped answering";
        QTest::newRow("garbage") << QByteArray("x;y;z")
                                 << "the box sent an answer that cannot be read";
    }

    void logReadFailure()
    {
        QFETCH(QByteArray, header);
        QFETCH(QString, reason);
        PluggedBox plugged("Lab 2");
        Managed m;
        QSignalSpy failed(m.manager, &VoroManager::logReadFailed);
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        if (header.isNull())
            plugged.inject(Fault::once(Fault::NoReply, CMD__READ_LOG));
        else
            plugged.box->overrideReply(CMD__READ_LOG, header);
        m.manager->readActuatorLog(id, 3);
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.first(),
                 QVariantList({ id, 3, "Lab 2 (" + plugged.box->serial().right(6) + ")", reason }));
        QTRY_COMPARE_WITH_TIMEOUT(m.returned.size(), 1, kReadyMs); // and it comes back
    }

    // Cancel stops the export after the chunk under way: what was written stays, the rest is
    // named, and the box is asked for nothing more.
    void logExport_cancelled()
    {
        PluggedBox plugged;
        Managed m;
        const VoroDevice::Id id = m.waitReady();
        QVERIFY(id > 0);
        QSignalSpy done(m.manager, &VoroManager::logExportComplete);
        QList<int> progress;
        connect(m.manager, &VoroManager::logExportProgress, [&](VoroDevice::Id, int logs) {
            progress << logs;
            m.manager->cancelLogExport(id);
        });
        QTemporaryDir dir;
        m.dialogs.paths << dir.path();
        plugged.box->clearReceived();
        m.manager->exportLogs(id);
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, kReadyMs);
        const LogExportResult r = done.first().at(1).value<LogExportResult>();
        QCOMPARE(r.end, LogExportResult::CANCELLED);
        QCOMPARE(progress, QList<int> { 1 });
        QCOMPARE(r.written.size(), 1);
        QCOMPARE(r.not_read.size(), 7);
        QVERIFY(QFile::exists(r.written.first()));
        QVERIFY(!m.manager->isExportingLogs(id));
        // one whole log of 1200 records in chunks of 11, and then one opening at most
        QVERIFY(plugged.box->receivedArguments(CMD__READ_LOG).size() <= 1 + 110 + 1 + 1);
        QVERIFY(m.returned.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_ManagerWrites)
#include "tst_managerwrites.moc"
