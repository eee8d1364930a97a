// The communication thread on the virtual box: its start, its queue and modes, how it ends,
// and that every fault the bus can inject ends it cleanly.
#include "tests/support/CommTestSupport.h"

#include "device/VoroCommThread.h"
#include "devicelink/VoroCommands.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>
#include <chrono>

using hidsim::Bus;
using hidsim::Fault;
using Op = VoroCommThread::OperationData;

Q_DECLARE_METATYPE(hidsim::Fault::Kind)

namespace {
QString endMessage(int id, bool aborted)
{
    return QStringLiteral("VoroCommThread end:  %1 aborted:  %2")
        .arg(id)
        .arg(aborted ? "true" : "false");
}

Op withIndex(int type, int index)
{
    Op op(type);
    op.has_actuator_index = true;
    op.actuator_index = index;
    return op;
}

// A started thread on a plugged box. Its signals are recorded as the manager receives them:
// queued into the test's thread.
struct Running
{
    struct Finished
    {
        VoroDevice::Id id;
        Op op;
        VoroDevice data;
        bool success;
    };

    explicit Running(const PluggedBox& plugged, int id = 1,
                     int idle_wait_ms = VoroCommThread::IDLE_WAIT_MS)
        : thread(plugged.openComm(id), nullptr, idle_wait_ms)
    {
        QObject::connect(
            &thread, &VoroCommThread::initFailed, &context,
            [this](VoroDevice::Id id, VoroDevice data) { failed << qMakePair(id, data); },
            Qt::QueuedConnection);
        QObject::connect(
            &thread, &VoroCommThread::initSucceeded, &context,
            [this](VoroDevice::Id id, VoroDevice data) { succeeded << qMakePair(id, data); },
            Qt::QueuedConnection);
        QObject::connect(
            &thread, &VoroCommThread::operationFinished, &context,
            [this](VoroDevice::Id id, Op op, VoroDevice data, bool success) {
                finished << Finished { id, op, data, success };
            },
            Qt::QueuedConnection);
        QObject::connect(
            &thread, &QThread::finished, &context, [this] { ended = true; }, Qt::QueuedConnection);
        thread.start();
    }
    // Finished operations of this type so far.
    int count(int type) const
    {
        return int(std::count_if(finished.begin(), finished.end(),
                                 [type](const Finished& f) { return f.op.type == type; }));
    }
    bool waitStarted()
    {
        return QTest::qWaitFor([this] { return !succeeded.isEmpty(); }, 3000);
    }
    bool waitEnded(int ms = 3000)
    {
        return QTest::qWaitFor([this] { return ended; }, ms);
    }
    // Waits for an operation to finish after the `seen` ones already recorded.
    bool waitFinished(int seen)
    {
        return QTest::qWaitFor([this, seen] { return finished.size() > seen; }, 3000);
    }
    bool waitFinished() { return waitFinished(finished.size()); }

    VoroCommThread thread;
    QObject context;
    QList<QPair<VoroDevice::Id, VoroDevice>> failed;
    QList<QPair<VoroDevice::Id, VoroDevice>> succeeded;
    QList<Finished> finished;
    bool ended = false;
};
} // namespace

class tst_VoroCommThread : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::instance().setLatency(std::chrono::microseconds(0)); }

    void identityFails_emitsInitFailedAndEnds()
    {
        PluggedBox plugged;
        plugged.inject(Fault::once(Fault::WriteFailure, CMD__GET_FIRMWARE_VERSION));
        MessageLog log;
        Running r(plugged, 4);
        QVERIFY(r.waitEnded(3000));
        QCOMPARE(r.failed.count(), 1);
        QCOMPARE(r.failed.at(0).first, 4);
        const VoroDevice data = r.failed.at(0).second;
        QCOMPARE(data.id, 4);
        QCOMPARE(r.succeeded.count(), 0);
        QCOMPARE(r.finished.count(), 0);
        QCOMPARE(log.messages(), QStringList { endMessage(4, false) });
        QVERIFY(!r.thread.isRunning());
    }

    void identity_thenIdleUntilAModeIsSet()
    {
        PluggedBox plugged(QStringLiteral("Attic"));
        Running r(plugged, 2);
        QVERIFY(r.waitStarted());
        const VoroDevice data = r.succeeded.at(0).second;
        QCOMPARE(r.succeeded.at(0).first, 2);
        QCOMPARE(data.protocol_version, 2);
        QCOMPARE(data.firmware_version, QStringLiteral("1.1.2.17"));
        QCOMPARE(data.config.location, QStringLiteral("Attic"));
        // Mode 0: nothing goes out, even with work queued.
        r.thread.enqueue(withIndex(VoroCommThread::OT__CLEAR_ERRORS, 1));
        QVERIFY(!QTest::qWaitFor([&] { return !r.finished.isEmpty(); }, 450));
        QCOMPARE(plugged.commands().size(), 3);

        r.thread.setMode(VoroCommThread::MODE_RUN);
        QTRY_VERIFY(r.count(VoroCommThread::OT__POLL) >= 1);
        QCOMPARE(r.finished.at(0).op.type, int(VoroCommThread::OT__CLEAR_ERRORS));
        // The poll carries the whole record, with the manager's id.
        const Running::Finished poll = r.finished.at(1);
        const VoroDevice polled = poll.data;
        QCOMPARE(poll.id, 2);
        QVERIFY(poll.success);
        QCOMPARE(polled.id, 2);
        QCOMPARE(polled.config.actuator_settings.size(), 8);
        QCOMPARE(polled.actuator_data.size(), 8);
        QCOMPARE(polled.config.location, QStringLiteral("Attic"));
        r.thread.stop();
    }

    void firstPollFails_reportsAndEnds()
    {
        PluggedBox plugged;
        // The identity asks for the firmware version once; the poll's request fails.
        plugged.inject(Fault::once(Fault::WriteFailure, CMD__GET_FIRMWARE_VERSION, 1));
        MessageLog log;
        Running r(plugged, 5);
        QVERIFY(r.waitStarted());
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QVERIFY(r.waitEnded(3000));
        QCOMPARE(r.finished.count(), 1);
        QCOMPARE(r.finished.at(0).op.type, int(VoroCommThread::OT__POLL));
        QVERIFY(!r.finished.at(0).success);
        // The record from before the failed operation.
        QCOMPARE(r.finished.at(0).data.config.actuator_settings.size(), 0);
        QCOMPARE(log.messages(),
                 QStringList({ "unable to get firmware version", endMessage(5, false) }));
    }

    void enqueue_wakesTheIdleWaitAtOnce()
    {
        PluggedBox plugged;
        Running r(plugged);
        QVERIFY(r.waitStarted());
        r.thread.setMode(VoroCommThread::MODE_RUN);
        for (int round = 0; round < 3; ++round) {
            QVERIFY(r.waitFinished()); // a poll has ended; the thread waits for 200 ms
            const auto enqueued = std::chrono::steady_clock::now();
            r.thread.enqueue(withIndex(VoroCommThread::OT__CLEAR_ERRORS, round));
            QTRY_COMPARE(plugged.box->receivedArguments(CMD__CLEAR_ERRORS).size(), round + 1);
            const auto sent = plugged.box->received();
            auto it = std::find_if(sent.rbegin(), sent.rend(), [](const auto& rec) {
                return uint8_t(rec.report[1]) == CMD__CLEAR_ERRORS;
            });
            const auto delay
                = std::chrono::duration_cast<std::chrono::milliseconds>(it->time - enqueued);
            QVERIFY2(delay.count() < 100, qPrintable(QString::number(delay.count())));
        }
        r.thread.stop();
    }

    void queuedOperations_runInOrderWithoutAPollBetween()
    {
        PluggedBox plugged;
        Bus::instance().setLatency(std::chrono::microseconds(1000));
        Running r(plugged);
        QVERIFY(r.waitStarted());
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QVERIFY(r.waitFinished());
        const int before = r.finished.count();

        Op test = withIndex(VoroCommThread::OT__TEST_ACTUATOR, 6);
        test.has_test_on = true;
        test.test_on = 1;
        r.thread.enqueue(withIndex(VoroCommThread::OT__CLEAR_ERRORS, 3));
        r.thread.enqueue(test);
        r.thread.enqueue(VoroCommThread::OT__READ_ALL);
        QTRY_VERIFY(r.count(VoroCommThread::OT__READ_ALL) == 1);
        r.thread.stop();

        QList<int> types;
        for (int i = before; i < r.finished.count(); ++i)
            types << r.finished.at(i).op.type;
        // A poll may have been running when the three were queued; none runs between them.
        if (types.first() == VoroCommThread::OT__POLL)
            types.removeFirst();
        QCOMPARE(types.mid(0, 3),
                 QList<int>({ VoroCommThread::OT__CLEAR_ERRORS, VoroCommThread::OT__TEST_ACTUATOR,
                              VoroCommThread::OT__READ_ALL }));
        QCOMPARE(plugged.box->receivedArguments(CMD__TEST_ACTUATOR), QStringList { "6;1" });
        QCOMPARE(plugged.box->receivedArguments(CMD__CLEAR_ERRORS), QStringList { "3" });
    }

    void writeOperations_reachTheBoxAndTheNextRead()
    {
        PluggedBox plugged;
        Running r(plugged);
        QVERIFY(r.waitStarted());
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QVERIFY(r.waitFinished());
        VoroConfig config = r.finished.last().data.config;
        config.location = QStringLiteral("Moved");
        config.actuator_settings[2].setpoint = 190;
        Op settings(VoroCommThread::OT__WRITE_ACTUATOR_SETTINGS);
        settings.has_config = true;
        settings.config = config;
        Op write(VoroCommThread::OT__WRITE_CONFIG);
        write.has_config = true;
        write.config = config;
        r.thread.enqueue(settings);
        r.thread.enqueue(write);
        r.thread.enqueue(VoroCommThread::OT__READ_ALL);
        QTRY_VERIFY(r.count(VoroCommThread::OT__READ_ALL) == 1);
        r.thread.stop();

        for (const auto& args : r.finished) {
            if (args.op.type == VoroCommThread::OT__READ_ALL)
                QVERIFY(args.data.config == config);
        }
        QCOMPARE(plugged.box->actuatorSetting(2, hidsim::Setpoint), 190);
        QCOMPARE(plugged.box->location(), QStringLiteral("Moved"));
    }

    void failedOperation_carriesTheRecordFromBefore()
    {
        PluggedBox plugged;
        Running r(plugged, 9);
        QVERIFY(r.waitStarted());
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QVERIFY(r.waitFinished());
        const VoroDevice before = r.finished.last().data;

        plugged.inject(Fault::once(Fault::WriteFailure, CMD__SAVE));
        Op write(VoroCommThread::OT__WRITE_CONFIG);
        write.has_config = true;
        write.config = before.config;
        write.config.location = QStringLiteral("Never saved");
        r.thread.enqueue(write);
        r.thread.enqueue(VoroCommThread::OT__READ_ALL);
        QVERIFY(r.waitEnded(3000));

        const Running::Finished last = r.finished.last();
        QCOMPARE(last.op.type, int(VoroCommThread::OT__WRITE_CONFIG));
        QVERIFY(!last.success);
        QCOMPARE(last.data.config.location, before.config.location);
        QCOMPARE(last.op.config.location, QStringLiteral("Never saved"));
        QCOMPARE(r.count(VoroCommThread::OT__READ_ALL), 0); // dropped with the thread
    }

    void setModeWatch_duringAPoll_returnsAfterIt()
    {
        PluggedBox plugged;
        Bus::instance().setLatency(std::chrono::microseconds(5000)); // a poll takes ~300 ms
        Running r(plugged);
        std::atomic<int> polls_done { 0 };
        connect(
            &r.thread, &VoroCommThread::operationFinished, &r.thread,
            [&](VoroDevice::Id, Op op, VoroDevice, bool) {
                polls_done += op.type == VoroCommThread::OT__POLL;
            },
            Qt::DirectConnection);
        QVERIFY(r.waitStarted());
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QTRY_VERIFY(plugged.commands().size() >= 3 + 5); // inside the first poll

        r.thread.setMode(VoroCommThread::MODE_WATCH);
        // Every poll that had started (each opens with 0xE3, as the identity did) is done.
        const int polls_started = plugged.commands().count(CMD__GET_FIRMWARE_VERSION) - 1;
        QVERIFY(polls_started >= 1);
        QCOMPARE(polls_done.load(), polls_started);
        plugged.box->clearReceived();
        QTRY_VERIFY(plugged.commands().size() >= 2);
        QVERIFY(r.thread.isRunning());
        for (int command : plugged.commands())
            QCOMPARE(command, int(CMD__GET_PROTOCOL_VERSION));
        QCOMPARE(polls_done.load(), polls_started);
        r.thread.stop();
    }

    void watchMode_pingsAboutFiveTimesASecond_andEndsSilentlyOnSilence()
    {
        PluggedBox plugged;
        MessageLog log;
        Running r(plugged, 6);
        QVERIFY(r.waitStarted());
        plugged.box->clearReceived();
        QElapsedTimer timer;
        timer.start();
        // Each of these two calls wakes the thread once, so at most two pings go out without
        // waiting; every further ping waits its idle wait, however the threads are scheduled.
        r.thread.setMode(VoroCommThread::MODE_WATCH);
        r.thread.enqueue(VoroCommThread::OT__READ_ALL); // not for watch mode: must not spin
        QTRY_VERIFY(plugged.commands().size() >= 4);
        QVERIFY2(timer.elapsed() >= 2 * VoroCommThread::IDLE_WAIT_MS - 50,
                 qPrintable(QString::number(timer.elapsed())));
        for (int command : plugged.commands())
            QCOMPARE(command, int(CMD__GET_PROTOCOL_VERSION));

        plugged.inject(Fault::once(Fault::WriteFailure, CMD__GET_PROTOCOL_VERSION));
        QVERIFY(r.waitEnded(3000));
        QCOMPARE(r.finished.count(), 0);
        QCOMPARE(log.messages(), QStringList { endMessage(6, false) });
    }

    void unknownMode_warnsAndDoesNothing()
    {
        PluggedBox plugged;
        MessageLog log;
        Running r(plugged);
        QVERIFY(r.waitStarted());
        r.thread.setMode(5);
        QTRY_VERIFY(log.count("Error: unknown mode: 5") >= 2);
        QCOMPARE(plugged.commands().size(), 3);
        r.thread.stop();
    }

    void factoryReset_endsWithAbortedTrue()
    {
        PluggedBox plugged;
        MessageLog log;
        Running r(plugged, 3);
        QVERIFY(r.waitStarted());
        r.thread.enqueue(VoroCommThread::OT__FACTORY_RESET);
        r.thread.enqueue(VoroCommThread::OT__READ_ALL);
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QVERIFY(r.waitEnded(3000));
        QCOMPARE(r.finished.count(), 1);
        QCOMPARE(r.finished.at(0).op.type, int(VoroCommThread::OT__FACTORY_RESET));
        QVERIFY(r.finished.at(0).success);
        QCOMPARE(plugged.box->factoryResets(), 1);
        QCOMPARE(log.messages().last(), endMessage(3, true));
    }

    void enterBootloader_endsAndTheBoxLeavesForItsBootloader()
    {
        PluggedBox plugged;
        std::atomic<bool> hooked { false };
        plugged.box->setBootloaderHook([&](auto, const std::string&) { hooked = true; });
        MessageLog log;
        Running r(plugged, 8);
        QVERIFY(r.waitStarted());
        r.thread.setMode(VoroCommThread::MODE_RUN);
        r.thread.enqueue(VoroCommThread::OT__ENTER_BOOTLOADER);
        QVERIFY(r.waitEnded(3000));
        QVERIFY(r.finished.last().success);
        QCOMPARE(r.finished.last().op.type, int(VoroCommThread::OT__ENTER_BOOTLOADER));
        QVERIFY(hooked);
        QVERIFY(!plugged.plugged());
        QCOMPARE(log.messages().last(), endMessage(8, true));
    }

    void stop_wakesTheIdleWait_andReturnsAtOnceWhenEnded()
    {
        PluggedBox plugged;
        MessageLog log;
        // An idle wait far longer than any scheduling delay: a stop that waited for it would
        // show plainly.
        constexpr int kIdleWaitMs = 60000;
        Running r(plugged, 2, kIdleWaitMs);
        QVERIFY(r.waitStarted());
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QVERIFY(r.waitFinished());
        QElapsedTimer timer;
        timer.start();
        r.thread.stop();
        QVERIFY(timer.elapsed() < kIdleWaitMs / 2);
        QVERIFY(r.thread.isFinished());
        QCOMPARE(log.messages().last(), endMessage(2, true));
        timer.restart();
        r.thread.stop();
        QVERIFY(timer.elapsed() < kIdleWaitMs / 2);
    }

    void neverStarted_deletesItsTransport()
    {
        PluggedBox plugged;
        QPointer<VoroComm> comm = plugged.openComm();
        {
            VoroCommThread thread(comm);
            QCOMPARE(comm->thread(), &thread);
            thread.stop();
        }
        QVERIFY(comm.isNull());
    }

    void unplugWhileTheThreadReads_endsIt()
    {
        PluggedBox plugged;
        Running r(plugged);
        QVERIFY(r.waitStarted());
        plugged.inject(Fault::always(Fault::SlowReply));
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QTRY_VERIFY(plugged.commands().size() >= 4); // the worker now waits in its read
        Bus::instance().unplug(plugged.path);
        QVERIFY(r.waitEnded(2000));
        QVERIFY(!r.finished.last().success);
    }

    void everyFault_endsTheThreadCleanly_data()
    {
        QTest::addColumn<Fault::Kind>("kind");
        QTest::newRow("no reply") << Fault::NoReply;
        QTest::newRow("wrong echo") << Fault::WrongEcho;
        QTest::newRow("garbage reply") << Fault::GarbageReply;
        QTest::newRow("late reply") << Fault::LateReply;
        QTest::newRow("write failure") << Fault::WriteFailure;
        QTest::newRow("unplug mid-transaction") << Fault::UnplugMidTransaction;
    }
    void everyFault_endsTheThreadCleanly()
    {
        QFETCH(Fault::Kind, kind);
        PluggedBox plugged;
        Running r(plugged);
        QVERIFY(r.waitStarted());
        // Every request from the fourth actuator's settings on misbehaves.
        Fault fault = Fault::always(kind, CMD__GET_ACTUATOR_SETTINGS);
        fault.skip = 3;
        plugged.inject(fault);
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QVERIFY(r.waitEnded(4000));
        QCOMPARE(r.finished.count(), 1);
        QVERIFY(!r.finished.at(0).success);
        const VoroDevice data = r.finished.at(0).data;
        QVERIFY(data.config.actuator_settings.isEmpty()); // nothing half-read got out
    }

    void slowReplies_keepTheThreadGoing()
    {
        PluggedBox plugged;
        plugged.inject(Fault::always(Fault::SlowReply, CMD__GET_STATUS));
        Running r(plugged);
        QVERIFY(r.waitStarted());
        r.thread.setMode(VoroCommThread::MODE_RUN);
        QTRY_VERIFY_WITH_TIMEOUT(r.count(VoroCommThread::OT__POLL) >= 2, 5000);
        for (const auto& args : r.finished)
            QVERIFY(args.success);
        QElapsedTimer timer;
        timer.start();
        r.thread.stop(); // waits for the running poll, not for the ones it would start
        QVERIFY(timer.elapsed() < 2 * VoroComm::REPLY_TIMEOUT_MS);
    }
};

QTEST_GUILESS_MAIN(tst_VoroCommThread)
#include "tst_vorocommthread.moc"
