// The live trend on virtual boxes: the reports of a second make one point of the last values,
// the setpoint is the one the box regulates to, a box that drops and returns goes on in its
// trend after a gap and its recording goes on, the recorded files read back through Import
// Log's reader as shown, and a day at most is kept.
#include "tests/support/CommTestSupport.h"

#include "tests/support/ScriptedDialogs.h"

#include "devicemanager/LiveTrend.h"
#include "devicemanager/VoroManager.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using hidsim::Bus;
using hidsim::Fault;

namespace {
constexpr int kReadyMs = 5000;
constexpr qint64 kStart = 1700000000000; // ms, 14.11.2023 22:13:20 UTC

// A manager with one box, its trend kept on a clock the test moves.
struct Trended
{
    Trended()
        : manager(new VoroManager(&owner, &dialogs))
        , trend(manager, [this] { return now; })
        , updates(manager, &VoroManager::deviceUpdated)
        , returned(manager, &VoroManager::deviceReturned)
    {
        manager->setReturnGrace(kReadyMs);
    }

    VoroDevice::Id waitReady()
    {
        VoroDevice::Id ready = -1;
        (void)QTest::qWaitFor(
            [&] {
                for (VoroDevice::Id id : manager->deviceIds()) {
                    if (manager->device(id).state == VoroDefinitions::DS__READY)
                        ready = id;
                }
                return ready != -1;
            },
            kReadyMs);
        return ready;
    }

    // Waits for n more update reports.
    bool reports(int n)
    {
        const int wanted = updates.size() + n;
        return QTest::qWaitFor([&] { return updates.size() >= wanted; }, kReadyMs);
    }

    // Lets a second's reports come, then starts the next second: a point per call.
    bool nextSecond()
    {
        const bool ok = reports(2);
        now += 1000;
        return ok && reports(1);
    }

    qint64 now = kStart + 100;
    ScriptedDialogs dialogs;
    QObject owner;
    VoroManager* manager;
    LiveTrend trend;
    QSignalSpy updates;
    QSignalSpy returned;
};
} // namespace

class tst_LiveTrend : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::instance().setLatency(std::chrono::microseconds(0)); }

    void aSecondsReports_makeOnePointOfTheLastValues_data()
    {
        QTest::addColumn<int>("pot"); // 0.1 Ω
        QTest::addColumn<double>("setpoint"); // effective, °C
        QTest::newRow("potentiometer in the middle") << 5000 << 21.0;
        QTest::newRow("shifted up") << 8000 << 22.8;
        QTest::newRow("shifted down all the way") << 0 << 18.0;
    }

    void aSecondsReports_makeOnePointOfTheLastValues()
    {
        QFETCH(int, pot);
        QFETCH(double, setpoint);
        PluggedBox plugged;
        plugged.box->setPotResistance(2, pot);
        Trended t;
        const VoroDevice::Id id = t.waitReady();
        QVERIFY(id > 0);
        const int key = t.trend.trendKey(id);
        QVERIFY(key > 0);
        QVERIFY(t.reports(2));
        plugged.box->setRoomTemperature(2, 23.44); // later in the same second: this counts
        QVERIFY(t.reports(2));
        QCOMPARE(t.trend.trend(key)->size(), 0); // the second is not over
        t.now += 1000;
        QVERIFY(t.reports(1));

        const TrendBuffer* buffer = t.trend.trend(key);
        QCOMPARE(buffer->size(), 1);
        QCOMPARE(buffer->second(0), kStart / 1000);
        QCOMPARE(buffer->value(0, TrendBuffer::channel(2, LogData::SETPOINT)), float(setpoint));
        QCOMPARE(buffer->value(0, TrendBuffer::channel(2, LogData::TEMPERATURE)), 23.4f);
        QCOMPARE(buffer->value(0, TrendBuffer::channel(2, LogData::TRIAC)),
                 plugged.box->triac(2) ? 1.0f : 0.0f);
        QCOMPARE(buffer->value(0, TrendBuffer::channel(0, LogData::SETPOINT)), 21.0f);
    }

    // The box stops answering once and is back within the grace period: one trend with a gap,
    // and the recording started before has every point shown, in the log format.
    void boxThatReturns_goesOnAfterAGap_andItsRecordingGoesOn()
    {
        PluggedBox plugged("Lab 2");
        plugged.box->setActuatorLocation(1, QStringLiteral("Door"));
        Trended t;
        const VoroDevice::Id id = t.waitReady();
        QVERIFY(id > 0);
        const int key = t.trend.trendKey(id);
        QTemporaryDir dir;
        QVERIFY(t.trend.startRecording(key, dir.path()));
        const QStringList files = t.trend.recordingFiles(key);
        QCOMPARE(files.size(), 8);
        QVERIFY(files.at(1).endsWith(QStringLiteral("_live/actuator_2_door.csv")));
        for (int s = 0; s < 3; ++s) {
            plugged.box->setRoomTemperature(0, 20.0 + s * 0.55);
            QVERIFY(t.nextSecond());
        }

        plugged.inject(Fault::once(Fault::WrongEcho));
        QTRY_COMPARE_WITH_TIMEOUT(t.returned.size(), 1, kReadyMs);
        const VoroDevice::Id back = t.returned.first().at(1).toInt();
        QCOMPARE(t.trend.trendKey(back), key);
        QCOMPARE(t.trend.trendKey(id), key);
        t.now += 5000;
        for (int s = 0; s < 2; ++s)
            QVERIFY(t.nextSecond());
        QVERIFY(t.trend.isRecording(key));

        const TrendBuffer* buffer = t.trend.trend(key);
        QVector<int> gaps, points;
        for (int i = 0; i < buffer->size(); ++i) {
            (buffer->isGap(i) ? gaps : points) << i;
            if (i > 0)
                QVERIFY(buffer->second(i) > buffer->second(i - 1));
        }
        QCOMPARE(gaps.size(), 1);
        QVERIFY(gaps.first() >= 3 && gaps.first() < buffer->size() - 2);

        for (int a = 0; a < TrendBuffer::ACTUATORS; ++a) {
            bool ok = false;
            const LogData log = LogData::readCsvFile(files.at(a), &ok);
            QVERIFY(ok);
            QCOMPARE(log.count(), points.size());
            for (int k = 0; k < points.size(); ++k) {
                const int i = points.at(k);
                QCOMPARE(log.time(k), buffer->time(i));
                for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
                    const double shown = buffer->value(i, TrendBuffer::channel(a, s));
                    QCOMPARE(log.series[size_t(s)].at(k).y(), std::round(shown * 10) / 10);
                }
            }
        }
        QCOMPARE(LogData::readCsvFile(files.at(0)).series[LogData::TEMPERATURE].at(2).y(), 21.1);
    }

    // Twin boxes of one location recorded in the same second.
    void recordingsOfTheSameSecond_keepApart()
    {
        QTemporaryDir dir;
        const QDateTime now = QDateTime::fromMSecsSinceEpoch(kStart);
        TrendRecorder first(dir.path(), "Lab 2", {}, now);
        TrendRecorder second(dir.path(), "Lab 2", {}, now);
        QVERIFY(first.open());
        TrendBuffer::Values v;
        v.fill(21.5f);
        QVERIFY(first.write(kStart / 1000, v));
        QVERIFY(second.open());
        QVERIFY(first.folder() != second.folder());
        QCOMPARE(second.folder(), first.folder() + "_2");
        QCOMPARE(LogData::readCsvFile(first.files().at(0)).count(), 1);
        QCOMPARE(LogData::readCsvFile(second.files().at(0)).count(), 0);
    }

    void aDayAtMost_theOldestGoFirst()
    {
        TrendBuffer b;
        TrendBuffer::Values v;
        const qint64 first = 1700000000;
        const int n = int(TrendBuffer::SPAN_SECONDS) + 5000;
        for (int s = 0; s < n; ++s) {
            v.fill(float(s % 100));
            b.append(first + s, v);
        }
        QCOMPARE(qint64(b.size()), TrendBuffer::SPAN_SECONDS);
        QCOMPARE(b.second(0), first + 5000);
        QCOMPARE(b.second(b.size() - 1), first + n - 1);
        QCOMPARE(b.value(0, 7), 0.0f);
        QCOMPARE(b.value(b.size() - 1, 23), float((n - 1) % 100));
        // 32-bit times and values, in chunks of which one at most is partly filled at each end
        QVERIFY(b.memoryUsed() <= size_t(TrendBuffer::SPAN_SECONDS + 2048) * 100);

        // The same second again, or one before, stands for the newest point.
        v.fill(-1);
        b.append(first + n - 1, v);
        b.append(first, v);
        QCOMPARE(qint64(b.size()), TrendBuffer::SPAN_SECONDS);
        QCOMPARE(b.value(b.size() - 1, 0), -1.0f);
        // After a gap a point never takes the gap's second.
        b.appendGap();
        b.appendGap();
        b.append(first + n - 1, v);
        QCOMPARE(b.second(b.size() - 1), first + n + 1);
        QVERIFY(b.isGap(b.size() - 2));
        QVERIFY(!b.isGap(b.size() - 1));
    }
};

QTEST_GUILESS_MAIN(tst_LiveTrend)
#include "tst_livetrend.moc"
