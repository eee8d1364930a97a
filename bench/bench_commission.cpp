// Commissioning many boxes through the manager on the simulated bus at 1 ms per report (USB
// full speed), the way the Boxes overview and `voro-box set-settings` drive it:
//  1. a settings file applied to sixteen boxes against the same file applied to one: from the
//     start of the writes to every box confirmed by its read (a backup of each box included);
//  2. the logs of eight boxes exported at once against the logs of one (eight full logs of
//     1200 records each per box).
// Goals: sixteen boxes within 1.3 times one; eight log exports within 1.3 times one.
#include "BenchResult.h"
#include "BenchSupport.h"

#include "devicemanager/LogExportBatch.h"
#include "devicemanager/SettingsApply.h"
#include "devicemanager/VoroManager.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

using namespace bench;

namespace {
const bench::Goal APPLY { "settings file applied, 16 boxes vs 1", "<= 1.3" };
const bench::Goal LOGS { "log export, 8 boxes vs 1", "<= 1.3" };
constexpr int kApplyBoxes = 16;
constexpr int kApplyRuns = 5;
constexpr int kLogBoxes = 8;
constexpr int kLogRuns = 3;
constexpr int kLogRecords = 1200;
constexpr int kWaitMs = 120000;

// Runs the event loop until `done` holds, or the time is up; false then.
template<typename Done> bool waitFor(Done done)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > kWaitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

QList<VoroDevice::Id> readyIds(const VoroManager& m)
{
    QList<VoroDevice::Id> out;
    for (VoroDevice::Id id : m.deviceIds()) {
        if (m.device(id).state == VoroDefinitions::DS__READY)
            out << id;
    }
    return out;
}

// One apply of a file with the setpoint `setpoint` to `ids`; its time, or -1 when a box was not
// written.
double applyRun(VoroManager& manager, const QList<VoroDevice::Id>& ids, const QString& file,
                int setpoint)
{
    {
        QSettings s(file, QSettings::IniFormat);
        s.setValue("config/actuator_settings/1/setpoint", setpoint);
        s.setValue("config/actuator_settings/size", 8);
    }
    SettingsApply apply(&manager);
    if (!apply.prepare(file, ids, false))
        return -1;
    int saved = 0;
    bool done = false;
    QObject::connect(&apply, &SettingsApply::boxFinished, [&](const SettingsApply::Result& r) {
        saved += r.end == SettingsApply::Result::SAVED;
    });
    QObject::connect(&apply, &SettingsApply::finished, [&] { done = true; });
    const auto start = Clock::now();
    apply.start();
    if (!waitFor([&] { return done; }))
        return -1;
    const double took = ms(Clock::now() - start);
    return saved == ids.size() ? took : -1;
}

bool applyBenchmark()
{
    for (int i = 0; i < kApplyBoxes; ++i) {
        auto box = std::make_shared<hidsim::VoroBox>(QStringLiteral("Room %1").arg(i + 1));
        box->setTimeScale(0);
        hidsim::Bus::instance().plug(box);
    }
    QObject owner;
    VoroManager manager(&owner, nullptr, VoroManager::WithoutUpdater);
    manager.setFirmwareQuestions(false);
    if (!waitFor([&] { return readyIds(manager).size() == kApplyBoxes; })) {
        bench::result(APPLY, "the boxes did not become ready", false);
        return false;
    }
    const QList<VoroDevice::Id> all = readyIds(manager);
    QTemporaryDir dir;
    const QString file = dir.filePath("building.cfg");
    std::vector<double> ones, many;
    bool all_written = true;
    // Alternated, each with a new value, so that every run writes every box.
    for (int run = 0; run < kApplyRuns; ++run) {
        const double one = applyRun(manager, { all.first() }, file, 220 + run * 2);
        const double sixteen = applyRun(manager, all, file, 221 + run * 2);
        all_written = all_written && one > 0 && sixteen > 0;
        ones.push_back(one);
        many.push_back(sixteen);
    }
    hidsim::Bus::instance().unplugAll();
    const double one = median(ones), sixteen = median(many);
    std::printf("settings file applied, median of %d: one box %.0f ms, %d boxes %.0f ms\n",
                kApplyRuns, one, kApplyBoxes, sixteen);
    return reportRatio(APPLY, 1.3, many, ones, all_written, "; A BOX FAILED");
}

// The logs of `count` fresh boxes exported at once; the time, or -1 when one is incomplete.
double logRun(int count)
{
    QVector<hidsim::LogRecord> records(kLogRecords);
    for (int i = 0; i < kLogRecords; ++i)
        records[i] = hidsim::LogRecord { 210 + i % 7, 205 + i % 11, i % 3 == 0 };
    for (int i = 0; i < count; ++i) {
        auto box = std::make_shared<hidsim::VoroBox>(QStringLiteral("Room %1").arg(i + 1));
        box->setTimeScale(0);
        for (int a = 0; a < hidsim::VoroBox::ACTUATORS; ++a)
            box->setLog(a, records);
        hidsim::Bus::instance().plug(box);
    }
    double took = -1;
    {
        QObject owner;
        VoroManager manager(&owner, nullptr, VoroManager::WithoutUpdater);
        manager.setFirmwareQuestions(false);
        if (waitFor([&] { return readyIds(manager).size() == count; })) {
            QTemporaryDir dir;
            LogExportBatch batch(&manager);
            int complete = 0;
            bool done = false;
            QObject::connect(&batch, &LogExportBatch::boxFinished,
                             [&](VoroDevice::Id, const LogExportResult& r) {
                                 complete += r.end == LogExportResult::COMPLETE
                                     && r.written.size() == VoroDefinitions::ACTUATOR_COUNT;
                             });
            QObject::connect(&batch, &LogExportBatch::finished, [&] { done = true; });
            const auto start = Clock::now();
            batch.start(readyIds(manager), dir.path());
            if (waitFor([&] { return done; }) && complete == count)
                took = ms(Clock::now() - start);
        }
    }
    hidsim::Bus::instance().unplugAll();
    return took;
}

bool logBenchmark()
{
    std::vector<double> ones, many;
    for (int run = 0; run < kLogRuns; ++run) {
        ones.push_back(logRun(1));
        many.push_back(logRun(kLogBoxes));
    }
    const bool all_exported = *std::min_element(ones.begin(), ones.end()) > 0
        && *std::min_element(many.begin(), many.end()) > 0;
    const double one = median(ones), eight = median(many);
    std::printf("log export of %d records per actuator, median of %d: one box %.0f ms, %d boxes "
                "%.0f ms\n",
                kLogRecords, kLogRuns, one, kLogBoxes, eight);
    return reportRatio(LOGS, 1.3, many, ones, all_exported, "; AN EXPORT FAILED");
}
} // namespace

int main(int argc, char** argv)
{
    if (bench::listGoals(argc, argv, { APPLY, LOGS }))
        return 0;
    // The backups go where no user keeps them.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    printCriticalMessagesOnly();
    hidsim::Bus::instance().setLatency(std::chrono::milliseconds(1));
    const bool apply_met = applyBenchmark();
    std::fflush(stdout);
    const bool logs_met = logBenchmark();
    return apply_met && logs_met ? 0 : 1;
}
