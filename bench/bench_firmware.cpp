// Programming the bundled image into virtual bootloaders at 1 ms per report: one alone
// against its floor, and four and eight at once against one alone.
#include "BenchResult.h"
#include "BenchSupport.h"

#include "devicelink/HidDevice.h"
#include "firmware/BundledFirmware.h"
#include "firmware/FwHidProgrammer.h"
#include "sim/Bootloader.h"
#include "sim/HidBus.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

using namespace bench;

namespace {
// Bare traffic on the same bus: `writes` reports that nothing answers, then `trips` round
// trips; what no programmer can undercut.
double bareFloor(int writes, int trips)
{
    auto loader = std::make_shared<hidsim::Bootloader>();
    HidDevice::Id id;
    id.path = hidsim::Bus::instance().plug(loader);
    std::vector<double> times;
    {
        HidDevice hid(id);
        for (int run = 0; run < 5; ++run) {
            uint8_t lock[65] = { 0, hidsim::Bootloader::ConfigLock, 1 };
            uint8_t query[65] = { 0, hidsim::Bootloader::Query };
            uint8_t reply[65];
            const auto start = Clock::now();
            for (int i = 0; i < writes; ++i)
                hid.write(lock, sizeof(lock));
            for (int i = 0; i < trips; ++i) {
                hid.write(query, sizeof(query));
                hid.read(reply, sizeof(reply), 1000);
            }
            times.push_back(ms(Clock::now() - start));
        }
    }
    hidsim::Bus::instance().unplug(id.path);
    return median(times);
}

// A bootloader on the bus with a programmer attached, the image loaded and the flash erased.
struct Target
{
    Target()
        : loader(std::make_shared<hidsim::Bootloader>())
    {
        id.vendor_id = hidsim::Bootloader::VENDOR_ID;
        id.product_id = hidsim::Bootloader::PRODUCT_ID;
        id.path = hidsim::Bus::instance().plug(loader);
        ready = programmer.pollConnection(&id)
            && programmer.loadFile(QString::fromLatin1(BundledFirmware::RESOURCE), false)
            && programmer.erase();
    }
    ~Target() { hidsim::Bus::instance().unplug(id.path); }
    // What one write put on the wire: program packets, and completions (each a round trip).
    int count(uint8_t command) const
    {
        int n = 0;
        for (const QByteArray& p : loader->received())
            n += uint8_t(p[0]) == command;
        return n;
    }
    double write()
    {
        loader->clearReceived();
        const auto start = Clock::now();
        ok = programmer.write(true, false, false) && ok;
        return ms(Clock::now() - start);
    }

    std::shared_ptr<hidsim::Bootloader> loader;
    HidDevice::Id id;
    FwHidProgrammer programmer { hidsim::Bootloader::VENDOR_ID, hidsim::Bootloader::PRODUCT_ID };
    bool ready = false;
    bool ok = true;
};
} // namespace

int main(int argc, char** argv)
{
    if (bench::listGoals(argc, argv,
                         { { "write of the bundled image vs bare floor", "<= 1.05" },
                           { "four bootloaders at once vs one alone", "<= 1.2" },
                           { "eight bootloaders at once vs one alone", "<= 1.3" } }))
        return 0;
    QCoreApplication app(argc, argv);
    // The digest of every completion is logged; not wanted between the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    hidsim::Bus::instance().setLatency(std::chrono::milliseconds(1));
    constexpr int runs = 7;

    Target alone;
    if (!alone.ready) {
        std::printf("could not attach to the virtual bootloader\n");
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(alone.write());
    const double single = median(times);
    const int packets = alone.count(hidsim::Bootloader::Program);
    const int completions = alone.count(hidsim::Bootloader::ProgramComplete);
    const double floor = bareFloor(packets, completions);
    const double ratio = single / floor;
    std::printf("write of the bundled image: %d program packets, %d completions\n", packets,
                completions);
    std::printf("  %.1f ms against the bare floor of %.1f ms on the same bus (nominal %d ms at "
                "1 ms per report): %.3f x (goal <= 1.05)\n",
                single, floor, packets + 2 * completions, ratio);

    bool all_ok = alone.ok;
    // `n` bootloaders written in parallel, one thread each: the median time against one alone.
    const auto together = [&](int n) {
        std::vector<std::unique_ptr<Target>> targets;
        for (int i = 0; i < n; ++i)
            targets.push_back(std::make_unique<Target>());
        std::vector<double> parallel;
        for (int r = 0; r < runs; ++r) {
            const auto start = Clock::now();
            std::vector<std::thread> threads;
            for (auto& t : targets)
                threads.emplace_back([&t] { t->write(); });
            for (auto& t : threads)
                t.join();
            parallel.push_back(ms(Clock::now() - start));
        }
        for (auto& t : targets)
            all_ok = all_ok && t->ready && t->ok;
        return median(parallel);
    };
    const double four = together(4);
    const double four_ratio = four / single;
    std::printf("four bootloaders at once: %.1f ms against %.1f ms alone: %.3f x (goal <= 1.2)\n",
                four, single, four_ratio);
    const double eight = together(8);
    const double eight_ratio = eight / single;
    std::printf("eight bootloaders at once: %.1f ms against %.1f ms alone: %.3f x (goal <= 1.3)\n",
                eight, single, eight_ratio);
    if (!all_ok)
        std::printf("a write failed\n");
    bench::result("write of the bundled image vs bare floor", ratio, "<= 1.05",
                  all_ok && ratio <= 1.05, "%.3f");
    bench::result("four bootloaders at once vs one alone", four_ratio, "<= 1.2",
                  all_ok && four_ratio <= 1.2, "%.3f");
    bench::result("eight bootloaders at once vs one alone", eight_ratio, "<= 1.3",
                  all_ok && eight_ratio <= 1.3, "%.3f");
    return all_ok && ratio <= 1.05 && four_ratio <= 1.2 && eight_ratio <= 1.3 ? 0 : 1;
}
