// The live trend: the memory of a full day of sixteen boxes, fed to the buffers directly,
// with the plot of one of them; the redraw of a full day when a point comes; and the main
// window with sixteen boxes polling at 1 ms per report and the trend of the first shown: how
// much of the GUI thread it takes, and the longest the GUI thread is held by one event.
//
//   bench_trend [seconds]      # default 20, the window part
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise. Prints a RESULT line
// per figure and exits with 0 when every goal is met.
#include "BenchResult.h"
#include "BenchSupport.h"
#include "TimedApplication.h"
#include "tests/support/ScriptedDialogs.h"

#include "app/MainWindow.h"
#include "app/TrendView.h"
#include "devicemanager/LiveTrend.h"
#include "devicemanager/TrendBuffer.h"
#include "devicemanager/VoroManager.h"
#include "logplot/PlotZoomer.h"
#include "logplot/TrendPlot.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

#include <QComboBox>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

using namespace bench;

namespace {
constexpr int kBoxes = 16;
constexpr int kDay = int(TrendBuffer::SPAN_SECONDS);
constexpr qint64 kStart = 1700000000;
const Goal BUSY { "trend GUI thread busy", "< 3 %" };
const Goal LONGEST { "trend longest event", "< 50 ms" };
const Goal REDRAW { "trend redraw 24 h, following", "< 10 ms" };
const Goal MEMORY { "trend memory 16 boxes 24 h", "< 300 MB" };

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * 4096 / 1e6 : 0;
}

// A room that warms and cools about once a minute, and its TRIAC.
TrendBuffer::Values roomAt(int second, int box)
{
    TrendBuffer::Values v;
    for (int a = 0; a < TrendBuffer::ACTUATORS; ++a) {
        const double phase = (second + 7 * a + 13 * box) % 75 / 75.0;
        v[size_t(TrendBuffer::channel(a, LogData::SETPOINT))] = 21.0f + 0.5f * float(a % 3);
        v[size_t(TrendBuffer::channel(a, LogData::TEMPERATURE))]
            = float(20.5 + std::fabs(phase - 0.5) + 0.05 * std::sin(second / 3.0));
        v[size_t(TrendBuffer::channel(a, LogData::TRIAC))] = phase < 0.3 ? 1.0f : 0.0f;
    }
    return v;
}

TrendPlot::Series seriesOf(const TrendBuffer& b)
{
    TrendPlot::Series series;
    for (QVector<QPointF>& s : series)
        s.reserve(b.size());
    for (int i = 0; i < b.size(); ++i) {
        for (int c = 0; c < TrendBuffer::CHANNELS; ++c)
            series[size_t(c)].append(QPointF(b.time(i), double(b.value(i, c))));
    }
    return series;
}

// The day of sixteen boxes and the plot of one: the memory they take, and the redraw of the
// whole day (a point comes, the curves are drawn anew on a canvas of a large screen).
bool dayOfSixteen()
{
    const double before = residentMb();
    std::vector<std::unique_ptr<TrendBuffer>> buffers;
    size_t held = 0;
    for (int box = 0; box < kBoxes; ++box) {
        buffers.push_back(std::make_unique<TrendBuffer>());
        for (int s = 0; s < kDay + 600; ++s)
            buffers.back()->append(kStart + s, roomAt(s, box));
        held += buffers.back()->memoryUsed();
    }
    auto plot = std::make_unique<TrendPlot>();
    plot->resize(1600, 500);
    plot->setSeries(seriesOf(*buffers.front()));
    plot->show();
    (void)plot->canvas()->grab();
    const double used = residentMb() - before;
    std::printf("16 boxes, a day each: buffers hold %.1f MB; with the plot of one, %.1f MB "
                "more resident (goal < 300)\n",
                held / 1e6, used);
    bench::info("trend buffers 16 boxes 24 h (MB)", held / 1e6, "%.1f");
    bench::result(MEMORY, used, used < 300, "%.1f MB");

    // A point while following: the last ten minutes, the whole day measured anew.
    std::vector<double> follow, whole;
    int second = kDay + 600;
    for (int run = 0; run < 7; ++run, ++second) {
        const double start = threadCpuMs();
        plot->appendPoint(double(kStart + second) * 1000, roomAt(second, 0));
        (void)plot->canvas()->grab();
        follow.push_back(threadCpuMs() - start);
    }
    // Paused on the whole day.
    plot->setFollowing(false);
    plot->zoomer(0)->zoom(0);
    for (int run = 0; run < 7; ++run, ++second) {
        const double start = threadCpuMs();
        plot->appendPoint(double(kStart + second) * 1000, roomAt(second, 0));
        (void)plot->canvas()->grab();
        whole.push_back(threadCpuMs() - start);
    }
    const double redraw = median(follow);
    std::printf("a new point on a day's trend, 24 curves at 1600 x 500, measured and drawn anew,\n"
                "CPU time, median of 7:\n"
                "  following the last ten minutes: %.2f ms (goal < 10)\n"
                "  the whole day shown:            %.2f ms\n",
                redraw, median(whole));
    bench::result(REDRAW, redraw, redraw < 10, "%.2f ms");
    bench::info("trend redraw 24 h, the whole day shown (ms)", median(whole));
    return used < 300 && redraw < 10;
}

bool windowOfSixteen(TimedApplication& app, int seconds)
{
    hidsim::Bus& bus = hidsim::Bus::instance();
    bus.setLatency(std::chrono::microseconds(1000));
    std::vector<std::string> paths;
    for (int i = 0; i < kBoxes; ++i) {
        auto box = std::make_shared<hidsim::VoroBox>(QStringLiteral("Box %1").arg(i + 1));
        box->setTimeScale(30); // live values move, as in the demo
        paths.push_back(bus.plug(box));
    }
    ScriptedDialogs dialogs;
    auto* window = new MainWindow(nullptr, &dialogs);
    window->show();
    auto* devices = window->findChild<QComboBox*>(QStringLiteral("m_devices"));
    TrendPlot* plot = window->trendView()->plot();
    const auto ready = [&] {
        return devices->count() == kBoxes && window->workingCopy().id != -1 && plot->isVisible()
            && !plot->series(0).isEmpty();
    };
    const auto start = Clock::now();
    while (!ready() && Clock::now() - start < std::chrono::seconds(30))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!ready()) {
        std::printf("only %d of %d boxes listed, or no trend shown\n", devices->count(), kBoxes);
        bench::result(BUSY, "no trend shown", false);
        return false;
    }
    const int points_before = plot->series(0).size();
    const auto [cpu, wall] = app.run(seconds);
    const int points = plot->series(0).size() - points_before;
    delete window;
    for (const std::string& path : paths)
        bus.unplug(path);

    const double busy = 100.0 * cpu / wall;
    std::printf("over %.1f s with the trend of the first of 16 boxes shown: %d points added; "
                "GUI thread busy %.0f ms = %.2f %% (goal < 3); longest event %.1f ms, %s "
                "(goal < 50)\n",
                wall / 1e3, points, cpu, busy, app.longest_ms, qPrintable(app.longest_what));
    bench::result(BUSY, busy, busy < 3, "%.2f %%");
    bench::result(LONGEST, app.longest_ms, app.longest_ms < 50, "%.1f ms");
    return busy < 3 && app.longest_ms < 50 && points > 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (bench::listGoals(argc, argv, { BUSY, LONGEST, REDRAW, MEMORY }))
        return 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    TimedApplication app(argc, argv);
    QTemporaryDir settings; // the window keeps its geometry in the user's settings
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const bool day = dayOfSixteen();
    const bool window = windowOfSixteen(app, seconds);
    return day && window ? 0 : 1;
}
