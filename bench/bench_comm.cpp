// Speed of the device link on the simulated bus at 1 ms per report (USB full speed):
//  1. one full read of a box (29 transactions) against the floor of 29 bare round trips;
//  2. the time from enqueue() to the box receiving the command while the thread idles.
// Goals: the full read within 1.10 times the floor; enqueue-to-wire under 2 ms median.
#include "BenchResult.h"
#include "BenchSupport.h"

#include "device/VoroCommThread.h"
#include "devicelink/VoroComm.h"
#include "devicelink/VoroCommands.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

using namespace bench;

namespace {
constexpr int kTransactions = 29;

bool fullReadBenchmark(const std::string& path)
{
    const double bare = medianRoundTrip(path, 20 * kTransactions);
    VoroComm comm(new HidDevice(idOf(path)), 1);
    std::vector<double> reads;
    for (int i = 0; i < 40; ++i) {
        const auto start = Clock::now();
        if (!comm.readConfig() || !comm.readStatus()) {
            std::printf("full read failed\n");
            bench::result("full read vs 29 bare round trips", 0, "<= 1.10", false, "failed");
            return false;
        }
        reads.push_back(ms(Clock::now() - start));
    }
    const double latency = ms(hidsim::Bus::instance().latency());
    const double floor = kTransactions * bare;
    const double read = median(reads);
    std::printf("full read (29 transactions), median of %zu: %.2f ms\n", reads.size(), read);
    std::printf("  floor, 29 bare round trips (median %.3f ms each): %.2f ms\n", bare, floor);
    std::printf("  nominal 29 x 2 reports x %.1f ms: %.2f ms\n", latency,
                kTransactions * 2 * latency);
    std::printf("  ratio to the floor: %.3f (goal <= 1.10) %s\n", read / floor,
                read / floor <= 1.10 ? "met" : "MISSED");
    bench::result("full read vs 29 bare round trips", read / floor, "<= 1.10", read / floor <= 1.10,
                  "%.3f");
    return read / floor <= 1.10;
}

// Enqueues a clear-errors request at a random moment of the idle wait after each poll and
// takes the time until the box has it.
class EnqueueBenchmark : public QObject
{
public:
    EnqueueBenchmark(std::shared_ptr<hidsim::VoroBox> box, const std::string& path)
        : box(std::move(box))
        , thread(new VoroComm(new HidDevice(idOf(path)), 1))
    {
        connect(&thread, &VoroCommThread::operationFinished, this,
                [this](VoroDevice::Id, VoroCommThread::OperationData op, VoroDevice, bool ok) {
                    onFinished(op.type, ok);
                });
        connect(&thread, &VoroCommThread::initSucceeded, this,
                [this] { thread.setMode(VoroCommThread::MODE_RUN); });
        connect(&thread, &VoroCommThread::initFailed, qApp, &QCoreApplication::quit);
        thread.start();
    }
    ~EnqueueBenchmark() override { thread.stop(); }

    std::vector<double> delays;

private:
    static constexpr int kSamples = 40;

    void onFinished(int type, bool ok)
    {
        if (!ok) {
            QCoreApplication::quit();
            return;
        }
        if (type == VoroCommThread::OT__CLEAR_ERRORS) {
            measure();
            if (int(delays.size()) >= kSamples)
                QCoreApplication::quit();
            return;
        }
        // A poll has ended; the thread now waits up to 200 ms.
        QTimer::singleShot(std::uniform_int_distribution<int>(5, 150)(random), this, [this] {
            box->clearReceived();
            enqueued = Clock::now();
            VoroCommThread::OperationData op(VoroCommThread::OT__CLEAR_ERRORS);
            op.has_actuator_index = true;
            thread.enqueue(op);
        });
    }

    void measure()
    {
        for (const auto& r : box->received()) {
            if (uint8_t(r.report[1]) == CMD__CLEAR_ERRORS) {
                delays.push_back(ms(r.time - enqueued));
                return;
            }
        }
    }

    std::shared_ptr<hidsim::VoroBox> box;
    VoroCommThread thread;
    Clock::time_point enqueued;
    std::mt19937 random { 17 };
};
} // namespace

int main(int argc, char** argv)
{
    if (bench::listGoals(argc, argv,
                         { { "full read vs 29 bare round trips", "<= 1.10" },
                           { "enqueue to wire, median", "< 2 ms" } }))
        return 0;
    QCoreApplication app(argc, argv);
    hidsim::Bus& bus = hidsim::Bus::instance();
    bus.setLatency(std::chrono::microseconds(1000));
    auto box = std::make_shared<hidsim::VoroBox>(QStringLiteral("Bench"));
    box->setTimeScale(0);
    const std::string path = bus.plug(box);

    const bool read_met = fullReadBenchmark(path);
    std::fflush(stdout);

    bool enqueue_met = false;
    {
        EnqueueBenchmark bench(box, path);
        QTimer::singleShot(60000, &app, &QCoreApplication::quit);
        app.exec();
        if (bench.delays.empty()) {
            std::printf("enqueue to wire: no samples\n");
            bench::result("enqueue to wire, median", 0, "< 2 ms", false, "no samples");
        } else {
            const double med = median(bench.delays);
            std::printf("enqueue to the box receiving the report (includes the %.1f ms report "
                        "latency), %zu samples: median %.2f ms, p90 %.2f ms, max %.2f ms\n",
                        ms(bus.latency()), bench.delays.size(), med, percentile(bench.delays, 0.9),
                        percentile(bench.delays, 1.0));
            enqueue_met = med < 2.0;
            std::printf("  goal median < 2 ms: %s\n", enqueue_met ? "met" : "MISSED");
            bench::result("enqueue to wire, median", med, "< 2 ms", enqueue_met, "%.2f ms");
            std::fflush(stdout);
        }
    }
    bus.unplug(path);
    return read_met && enqueue_met ? 0 : 1;
}
