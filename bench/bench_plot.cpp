// Speed and memory of the log plot against plain Qwt curves drawing every sample (QwtPlotCurve
// on QwtPointSeriesData with Qwt's default filtering, the same pens and antialiasing, the same
// axes and legend), on the shapes of log it must draw faithfully (tests/support/LogShapes.h),
// at 1600 x 900 and 2560 x 1440. Times are CPU time of the thread, the best of the same number
// of runs on both sides; the wall clock is printed next to them.
//   bench_plot [--images DIR]     DIR receives both renders of each shape at 1600 x 900
#include "BenchResult.h"

#include "logplot/Plot.h"
#include "logplot/PlotLabelManager.h"
#include "tests/support/LogShapes.h"

#include <qwt_date_scale_draw.h>
#include <qwt_date_scale_engine.h>
#include <qwt_legend.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_point_data.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

const bench::Goal NEVER_SLOWER { "plot vs plain Qwt, slowest shape and size", ">= 1x" };
const bench::Goal ANY_SHAPE { "plot 1M samples 1600x900, slowest shape", "< 15 ms" };
const bench::Goal NOISE_FACTOR { "plot 1M noise 1600x900 vs plain Qwt", ">= 30x" };
const bench::Goal ROOM_FACTOR { "plot 1M room 1600x900 vs plain Qwt", ">= 30x" };
const bench::Goal FIRST_FRAME { "plot 10M samples, first frame", "< 200 ms" };
const bench::Goal MEMORY { "plot 10M samples, memory added", "< 50 MB" };
const bench::Goal HOVER { "hover 10000 samples: labels", "< 2 ms" };
const bench::Goal REPAINT { "hover 10000 samples: labels + repaint", "< 8 ms" };

constexpr int RUNS = 3; // on either side: plain Qwt takes seconds on noise

// The CPU time of this thread in milliseconds: on a machine shared with other work the wall
// clock also counts the time slices that went to others.
double cpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Timing
{
    double cpu = 1e300, wall = 1e300;
};

Timing best(const std::function<void()>& run, int runs = RUNS)
{
    Timing fastest;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpu = cpuMs();
        run();
        fastest.cpu = std::min(fastest.cpu, cpuMs() - cpu);
        fastest.wall = std::min(fastest.wall, double(timer.nsecsElapsed()) / 1e6);
    }
    return fastest;
}

// What the process holds in memory, and the most it has held since resetPeak(), in MB.
double statusMb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(std::strlen(field))).trimmed().split(' ').value(0).toDouble()
                / 1024;
    }
    return 0;
}

// From here on the peak counts what is added: memory freed before goes back to the system
// first, so that new allocations cannot hide in it.
void resetPeak()
{
    malloc_trim(0);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// The three curves as plain Qwt draws them: every sample, no thinning, same pens, axes (a date
// scale along the bottom) and legend as the log plot.
struct PlainPlot
{
    QwtPlot plot;
    QwtPlotCurve* curves[LogData::SERIES_COUNT];

    explicit PlainPlot(const Plot& like)
    {
        plot.insertLegend(new QwtLegend, QwtPlot::TopLegend);
        plot.setAxisScaleDraw(QwtPlot::xBottom, new QwtDateScaleDraw(Qt::LocalTime));
        plot.setAxisScaleEngine(QwtPlot::xBottom, new QwtDateScaleEngine(Qt::LocalTime));
        if (auto* canvas = qobject_cast<QwtPlotCanvas*>(plot.canvas()))
            canvas->setPaintAttribute(QwtPlotCanvas::BackingStore, false);
        for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
            curves[s] = new QwtPlotCurve(like.curve(s)->title());
            curves[s]->setPen(like.curve(s)->pen());
            curves[s]->setAxes(QwtPlot::xBottom, like.curve(s)->yAxis());
            curves[s]->setRenderHint(QwtPlotItem::RenderAntialiased, true);
            curves[s]->attach(&plot);
        }
        for (int axis : { QwtPlot::xBottom, QwtPlot::yLeft, QwtPlot::yRight }) {
            plot.enableAxis(axis, like.axisEnabled(axis));
            plot.setAxisScaleDiv(axis, like.axisScaleDiv(axis));
        }
        plot.resize(like.size());
        plot.show();
        QApplication::processEvents(); // laid out like the log plot
    }

    void setData(const LogData& log)
    {
        for (int s = 0; s < LogData::SERIES_COUNT; ++s)
            curves[s]->setData(new QwtPointSeriesData(log.series[size_t(s)]));
        plot.replot();
    }

    void render(QImage& image)
    {
        image.fill(Qt::white);
        QPainter painter(&image);
        plot.render(&painter, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
};

struct Comparison
{
    Timing ours, plain;
    double factor() const { return plain.cpu / ours.cpu; }
};

// setData plus a render of the log plot against the plain curves, best of RUNS each.
Comparison compare(const LogData& log, const QSize& size, const QString& images,
                   const QString& name)
{
    Plot plot;
    plot.resize(size);
    plot.show();
    QApplication::processEvents();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    Comparison c;
    c.ours = best([&] {
        plot.setData(log);
        plot.render(&image, QRectF(QPointF(0, 0), QSizeF(size)));
    });
    PlainPlot plain(plot);
    QImage plain_image(size, QImage::Format_ARGB32_Premultiplied);
    c.plain = best([&] {
        plain.setData(log);
        plain.render(plain_image);
    });
    if (!images.isEmpty()) {
        const QString base
            = images + QLatin1Char('/') + QString(name).replace(QLatin1Char(' '), '-');
        image.save(base + QStringLiteral("-thinned.png"));
        plain_image.save(base + QStringLiteral("-plain.png"));
    }
    return c;
}

struct Case
{
    QString name;
    std::function<LogData()> make;
};

// The first frame of a ten-million-sample log, and what it adds to the memory the log
// itself takes; the same for plain Qwt for comparison.
bool tenMillion()
{
    const LogData log = logshapes::makeLog(logshapes::ROOM, 10000000);
    const QSize size(1600, 900);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    double ours_ms = 0, ours_mb = 0, plain_ms = 0, plain_mb = 0;
    {
        Plot plot;
        plot.resize(size);
        plot.show();
        QApplication::processEvents();
        resetPeak();
        const double before = statusMb("VmRSS:");
        const Timing t = best(
            [&] {
                plot.setData(log);
                plot.render(&image, QRectF(QPointF(0, 0), QSizeF(size)));
            },
            1);
        ours_ms = t.cpu;
        ours_mb = std::max(statusMb("VmHWM:"), statusMb("VmRSS:")) - before;
    }
    {
        Plot like; // for the axes
        like.resize(size);
        like.setData(log);
        PlainPlot plain(like);
        resetPeak();
        const double before = statusMb("VmRSS:");
        const Timing t = best(
            [&] {
                plain.setData(log);
                plain.render(image);
            },
            1);
        plain_ms = t.cpu;
        plain_mb = std::max(statusMb("VmHWM:"), statusMb("VmRSS:")) - before;
    }
    std::printf("10,000,000 samples (room), first frame at 1600x900 (setData + render), CPU time,"
                " and memory added to the log's own:\n"
                "  log plot:  %8.1f ms  %7.1f MB\n"
                "  plain Qwt: %8.1f ms  %7.1f MB\n\n",
                ours_ms, ours_mb, plain_ms, plain_mb);
    bench::result(FIRST_FRAME, ours_ms, ours_ms < 200, "%.1f ms");
    bench::result(MEMORY, ours_mb, ours_mb < 50, "%.1f MB");
    bench::info("plain Qwt 10M samples, first frame", plain_ms, "%.0f ms");
    bench::info("plain Qwt 10M samples, memory added", plain_mb, "%.0f MB");
    return ours_ms < 200 && ours_mb < 50;
}

// Hovering over a log of 10000 samples: the labels alone, and with the repaint they cause.
bool hover()
{
    const QSize size(1600, 900);
    Plot plot;
    plot.resize(size);
    plot.show();
    plot.setData(logshapes::makeLog(logshapes::ROOM, 10000));
    QApplication::processEvents();
    PlotLabelManager* labels = plot.labelManager();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(plot.canvas(), &enter);
    const int width = plot.canvas()->width();
    constexpr int MOVES = 400;
    int move = 0;
    const double per_update = best([&] {
                                  for (int i = 0; i < MOVES; ++i, ++move)
                                      labels->updateLabels(QPoint(move * 7 % width, 300));
                              }).cpu
        / MOVES;
    const Timing repaints = best([&] {
        for (int i = 0; i < 20; ++i, ++move) {
            labels->updateLabels(QPoint(move * 7 % width, 300));
            QApplication::processEvents();
        }
    });
    const double per_repaint = repaints.cpu / 20;
    std::printf("hover over a 10000-sample log, CPU time:\n"
                "  nearest sample and labels:  %6.3f ms (goal: under 2)\n"
                "  with the repaint:           %6.3f ms (goal: under 8); wall %.3f ms\n",
                per_update, per_repaint, repaints.wall / 20);
    bench::result(HOVER, per_update, per_update < 2.0, "%.3f ms");
    bench::result(REPAINT, per_repaint, per_repaint < 8.0, "%.3f ms");
    return per_update < 2.0 && per_repaint < 8.0;
}

} // namespace

int main(int argc, char** argv)
{
    if (bench::listGoals(argc, argv,
                         { NEVER_SLOWER, ANY_SHAPE, NOISE_FACTOR, ROOM_FACTOR, FIRST_FRAME, MEMORY,
                           HOVER, REPAINT }))
        return 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int option = args.indexOf(QStringLiteral("--images"));
    const QString images = option > 0 ? args.value(option + 1) : QString();

    using namespace logshapes;
    const std::vector<Case> shapes {
        { QStringLiteral("noise"), [] { return makeLog(NOISE, 1000000); } },
        { QStringLiteral("room"), [] { return makeLog(ROOM, 1000000); } },
        { QStringLiteral("10 s log"), [] { return makeLog(WEEK, 1000000); } },
        { QStringLiteral("one week at 10 s"), [] { return makeLog(WEEK, 60480); } },
        { QStringLiteral("slow swing"), [] { return makeLog(SWING, 1000000); } },
        { QStringLiteral("steps"), [] { return makeLog(STEPS, 1000000); } },
        { QStringLiteral("spikes"), [] { return makeLog(SPIKES, 1000000); } },
        { QStringLiteral("NaN gaps"), [] { return makeLog(GAPS, 1000000); } },
    };
    const QSize sizes[] = { QSize(1600, 900), QSize(2560, 1440) };
    // first, while the process has allocated little that it could reuse
    const bool large_log_met = tenMillion();

    std::printf("setData + render, best of %d runs each side, CPU time in ms (wall in brackets):\n"
                "%-18s %-10s %9s %9s %18s %18s %8s\n",
                RUNS, "shape", "size", "samples", "", "log plot", "plain Qwt", "factor");
    double slowest_factor = 1e300, slowest_ms = 0, noise_factor = 0, room_factor = 0;
    QString slowest_case, slowest_shape;
    for (const Case& shape : shapes) {
        const LogData log = shape.make();
        for (const QSize& size : sizes) {
            const bool large = size.width() > 1600;
            const QString size_text = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            const Comparison c = compare(log, size, large ? QString() : images, shape.name);
            std::printf("%-18s %-10s %9d %9s %8.1f (%7.1f) %8.1f (%7.1f) %7.1fx\n",
                        qPrintable(shape.name), qPrintable(size_text), log.count(), "", c.ours.cpu,
                        c.ours.wall, c.plain.cpu, c.plain.wall, c.factor());
            std::fflush(stdout);
            if (c.factor() < slowest_factor) {
                slowest_factor = c.factor();
                slowest_case = shape.name + QStringLiteral(", ") + size_text;
            }
            if (!large && log.count() == 1000000 && c.ours.cpu > slowest_ms) {
                slowest_ms = c.ours.cpu;
                slowest_shape = shape.name;
            }
            if (!large && shape.name == QLatin1String("noise"))
                noise_factor = c.factor();
            if (!large && shape.name == QLatin1String("room"))
                room_factor = c.factor();
        }
    }
    std::printf("\n");
    char text[96];
    std::snprintf(text, sizeof text, "%.1fx (%s)", slowest_factor, qPrintable(slowest_case));
    bench::result(NEVER_SLOWER, text, slowest_factor >= 1);
    std::snprintf(text, sizeof text, "%.1f ms (%s)", slowest_ms, qPrintable(slowest_shape));
    bench::result(ANY_SHAPE, text, slowest_ms < 15);
    bench::result(NOISE_FACTOR, noise_factor, noise_factor >= 30, "%.0fx");
    bench::result(ROOM_FACTOR, room_factor, room_factor >= 30, "%.0fx");

    const bool hover_met = hover();
    const bool met = slowest_factor >= 1 && slowest_ms < 15 && noise_factor >= 30
        && room_factor >= 30 && large_log_met && hover_met;
    return met ? 0 : 1;
}
