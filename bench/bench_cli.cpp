// The command line on the simulated bus at 1 ms per report (USB full speed), through
// runCommandLine as the executable calls it:
//  1. `voro-box list` with sixteen boxes attached, against the time the sixteen need to answer
//     their identity (protocol version, location, firmware version), all at once, each on a
//     thread of its own: what no listing can undercut;
//  2. `voro-box update --all --yes` of eight outdated boxes against the same of one: from the
//     call to every box back in normal operation with the new firmware.
// Goals: list within 1.5 times the identity floor; eight updates within 1.3 times one.
#include "BenchResult.h"
#include "BenchSupport.h"

#include "cli/Commands.h"
#include "cli/Console.h"
#include "sim/Bootloader.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

using namespace bench;

namespace {
const bench::Goal LIST { "voro-box list, 16 boxes, vs their identity floor", "<= 1.5" };
const bench::Goal UPDATE { "voro-box update --all, 8 boxes vs 1", "<= 1.3" };
constexpr int kListBoxes = 16;
constexpr int kListRuns = 15;
constexpr int kUpdateBoxes = 8;
constexpr int kUpdateRuns = 3;

// One call, its output kept out of the way; the exit status.
int voroBox(const QStringList& arguments, QString* out = nullptr)
{
    QString text, messages;
    QTextStream o(&text), e(&messages);
    Console console(o, e, false, false);
    const int status = runCommandLine(arguments, console);
    if (out)
        *out = text;
    if (status != 0)
        std::printf("voro-box %s: status %d: %s\n", qPrintable(arguments.join(' ')), status,
                    qPrintable(messages.trimmed()));
    return status;
}

// The sixteen identities read at once, as fast as the bus allows.
double identityFloor(const std::vector<std::string>& paths)
{
    const auto start = Clock::now();
    std::vector<std::thread> threads;
    for (const std::string& path : paths)
        threads.emplace_back([path] {
            VoroComm comm(new HidDevice(idOf(path)), -1);
            comm.readIdentity();
        });
    for (std::thread& t : threads)
        t.join();
    return ms(Clock::now() - start);
}

bool listBenchmark()
{
    std::vector<std::string> paths;
    for (int i = 0; i < kListBoxes; ++i) {
        auto box = std::make_shared<hidsim::VoroBox>(QStringLiteral("Box %1").arg(i + 1));
        box->setTimeScale(0);
        paths.push_back(hidsim::Bus::instance().plug(box));
    }
    // Alternated, so that both sides meet the machine in the same mood.
    std::vector<double> floors, lists;
    bool all_listed = true;
    for (int run = 0; run < kListRuns; ++run) {
        floors.push_back(identityFloor(paths));
        QString out;
        const auto start = Clock::now();
        const int status = voroBox({ "list", "--json" }, &out);
        lists.push_back(ms(Clock::now() - start));
        all_listed = all_listed && status == 0 && out.count('\n') == kListBoxes;
    }
    for (const std::string& path : paths)
        hidsim::Bus::instance().unplug(path);
    const double floor = median(floors), list = median(lists);
    std::printf("voro-box list with %d boxes, median of %d: %.1f ms\n", kListBoxes, kListRuns,
                list);
    std::printf("  their identities read at once, one thread each: %.1f ms (nominal 3 round "
                "trips, 6 ms)\n",
                floor);
    return reportRatio(LIST, 1.5, lists, floors, all_listed, "; NOT ALL LISTED");
}

// `count` outdated boxes updated with one call; the time until all are back, or -1.
double updateRun(int count)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        auto box = std::make_shared<hidsim::VoroBox>(QStringLiteral("Old %1").arg(i + 1));
        box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        box->setTimeScale(0);
        hidsim::Bootloader::installOn(box);
        paths.push_back(hidsim::Bus::instance().plug(box));
    }
    QString out;
    const auto start = Clock::now();
    const int status = voroBox({ "update", "--all", "--yes", "--json" }, &out);
    const double took = ms(Clock::now() - start);
    hidsim::Bus::instance().unplugAll();
    return status == 0 && out.count(QStringLiteral("\"updated\"")) == count ? took : -1;
}

bool updateBenchmark()
{
    std::vector<double> ones, eights;
    for (int run = 0; run < kUpdateRuns; ++run) {
        ones.push_back(updateRun(1));
        eights.push_back(updateRun(kUpdateBoxes));
    }
    const bool all_updated = *std::min_element(ones.begin(), ones.end()) > 0
        && *std::min_element(eights.begin(), eights.end()) > 0;
    const double one = median(ones), eight = median(eights);
    std::printf("voro-box update --all --yes, median of %d: one box %.0f ms, %d boxes %.0f ms\n",
                kUpdateRuns, one, kUpdateBoxes, eight);
    return reportRatio(UPDATE, 1.3, eights, ones, all_updated, "; AN UPDATE FAILED");
}
} // namespace

int main(int argc, char** argv)
{
    if (bench::listGoals(argc, argv, { LIST, UPDATE }))
        return 0;
    // The update history goes where no user keeps one.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    printCriticalMessagesOnly();
    hidsim::Bus::instance().setLatency(std::chrono::milliseconds(1));
    const bool list_met = listBenchmark();
    std::fflush(stdout);
    const bool update_met = updateBenchmark();
    return list_met && update_met ? 0 : 1;
}
