// The log plot's curves, thinned to what each pixel column needs, against plain Qwt curves
// drawing every sample with the same pens: the oracle is Qwt's own line.
#include "tests/support/LogShapes.h"

#include "logplot/Plot.h"

#include <qwt_plot_curve.h>
#include <qwt_point_data.h>

#include <QImage>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using logshapes::Shape;

// Plain curves through every sample of the plot's shown curves, broken where a value is no
// number, in their place.
class WholeCurves
{
public:
    WholeCurves(Plot& plot, bool antialiased)
        : m_plot(plot)
    {
        for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
            QwtPlotCurve* ours = plot.curve(s);
            if (ours->plot() != &plot || !ours->isVisible())
                continue;
            QVector<QPointF> run;
            const QVector<QPointF>& series = plot.log().series[size_t(s)];
            for (int i = 0; i <= series.size(); ++i) {
                if (i < series.size() && std::isfinite(series[i].y())) {
                    run << series[i];
                    continue;
                }
                if (run.isEmpty())
                    continue;
                auto* curve = new QwtPlotCurve;
                curve->setItemAttribute(QwtPlotItem::Legend, false);
                curve->setPen(ours->pen());
                curve->setAxes(ours->xAxis(), ours->yAxis());
                curve->setZ(ours->z());
                curve->setRenderHint(QwtPlotItem::RenderAntialiased, antialiased);
                curve->setData(new QwtPointSeriesData(run));
                curve->attach(&plot);
                m_curves << curve;
                run.clear();
            }
            ours->setVisible(false);
            m_hidden << ours;
        }
    }
    ~WholeCurves()
    {
        qDeleteAll(m_curves);
        for (QwtPlotCurve* curve : qAsConst(m_hidden))
            curve->setVisible(true);
    }

private:
    Plot& m_plot;
    QList<QwtPlotCurve*> m_curves;
    QList<QwtPlotCurve*> m_hidden;
};

QImage rendered(Plot& plot, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    plot.render(&image, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

bool far(QRgb a, QRgb b) // by more than a quarter of the range
{
    return std::abs(qRed(a) - qRed(b)) > 64 || std::abs(qGreen(a) - qGreen(b)) > 64
        || std::abs(qBlue(a) - qBlue(b)) > 64;
}

// How the thinned picture differs from the whole one: the share of the whole line's ink
// pixels that differ, and the most ink pixels a pixel column has beyond the whole line's.
struct Difference
{
    double percent = 0;
    int excess = 0;
};

Difference compare(const QImage& thinned, const QImage& whole, const QImage& background)
{
    const int width = whole.width(), height = whole.height();
    QVector<int> column_excess(width);
    long ink = 0, differ = 0;
    for (int y = 0; y < height; ++y) {
        const auto* t = reinterpret_cast<const QRgb*>(thinned.constScanLine(y));
        const auto* w = reinterpret_cast<const QRgb*>(whole.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(background.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (t[x] == b[x] && w[x] == b[x])
                continue; // most of the picture, and quick also without optimisation
            const bool whole_ink = far(w[x], b[x]);
            ink += whole_ink;
            differ += far(t[x], w[x]);
            column_excess[x] += int(far(t[x], b[x])) - int(whole_ink);
        }
    }
    return { ink ? 100.0 * differ / ink : 0.0,
             *std::max_element(column_excess.begin(), column_excess.end()) };
}

} // namespace

class tst_PlotThinning : public QObject
{
    Q_OBJECT

private slots:
    void thinnedCurves_drawWhatTheWholeLineDraws_data();
    void thinnedCurves_drawWhatTheWholeLineDraws();
};

void tst_PlotThinning::thinnedCurves_drawWhatTheWholeLineDraws_data()
{
    QTest::addColumn<LogData>("log");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("zoom"); // the share of the log shown, around its middle
    QTest::addColumn<double>("scale"); // of the picture against the plot
    // Of the whole line's ink, the pixels that may differ without antialiasing, in percent.
    // With antialiasing pixels that differ by more than a quarter of their range count, and
    // twice as many may.
    QTest::addColumn<double>("bound");
    // Also with antialiasing (which makes plain Qwt slow on noise).
    QTest::addColumn<bool>("antialiased");

    // Moderate lengths: the shape matters, and at 60000 samples or more the pixel columns of
    // the larger plot hold more than the columns that keep all their samples.
    const QSize large(1600, 900), small(800, 450);
    for (int s = logshapes::NOISE; s <= logshapes::GAPS; ++s) {
        const Shape shape = Shape(s);
        const bool noise = shape == logshapes::NOISE;
        const LogData log = logshapes::makeLog(shape, noise ? 60000 : 100000);
        // Next to gaps joints differ more; steps and spikes come out exactly.
        const double exact = shape == logshapes::STEPS || shape == logshapes::SPIKES ? 0 : 1;
        const double gaps = shape == logshapes::GAPS ? 2 : 1;
        const QByteArray name = logshapes::names()[s].toUtf8();
        QTest::newRow(name + " 1600x900")
            << log << large << 1.0 << 1.0 << 2 * exact * gaps << !noise;
        QTest::newRow(name + " 800x450")
            << log << small << 1.0 << 1.0 << 4 * exact * gaps << !noise;
        QTest::newRow(name + " 1600x900 zoomed")
            << log << large << 0.2 << 1.0 << 2 * exact * gaps << !noise;
    }
    QTest::newRow("device log") << logshapes::makeLog(logshapes::ROOM, 1200) << small << 1.0 << 1.0
                                << 0.0 << true;
    LogData newest_first = logshapes::makeLog(logshapes::ROOM, 100000);
    for (auto& series : newest_first.series)
        std::reverse(series.begin(), series.end());
    QTest::newRow("newest first") << newest_first << large << 1.0 << 1.0 << 2.0 << true;
    // a screen of two device pixels to the pixel, and a picture scaled down
    const LogData room = logshapes::makeLog(logshapes::ROOM, 100000);
    QTest::newRow("twice the size") << room << small << 1.0 << 2.0 << 4.0 << true;
    QTest::newRow("two thirds") << room << large << 1.0 << 2.0 / 3 << 4.0 << true;
}

void tst_PlotThinning::thinnedCurves_drawWhatTheWholeLineDraws()
{
    QFETCH(LogData, log);
    QFETCH(QSize, size);
    QFETCH(double, zoom);
    QFETCH(double, scale);
    QFETCH(double, bound);
    QFETCH(bool, antialiased);
    Plot plot;
    plot.resize(size);
    plot.show();
    plot.setData(log);
    QApplication::processEvents();
    if (zoom < 1) {
        const QwtInterval x = plot.axisInterval(QwtPlot::xBottom);
        const double middle = (x.minValue() + x.maxValue()) / 2, half = x.width() * zoom / 2;
        plot.setAxisScale(QwtPlot::xBottom, middle - half, middle + half);
        plot.replot();
    }
    const QSize picture = size * scale;
    for (int s = 0; s < LogData::SERIES_COUNT; ++s)
        plot.curve(s)->setVisible(false);
    const QImage background = rendered(plot, picture);
    for (int s = 0; s < LogData::SERIES_COUNT; ++s)
        plot.curve(s)->setVisible(true);
    for (const bool smooth : { false, true }) {
        if (smooth && !antialiased)
            break;
        for (int s = 0; s < LogData::SERIES_COUNT; ++s)
            plot.curve(s)->setRenderHint(QwtPlotItem::RenderAntialiased, smooth);
        const QImage thinned = rendered(plot, picture);
        QImage whole;
        {
            WholeCurves curves(plot, smooth);
            whole = rendered(plot, picture);
        }
        QVERIFY(thinned != background); // the curves are there
        const Difference d = compare(thinned, whole, background);
        const double allowed = smooth ? 2 * bound : bound;
        QVERIFY2(d.percent <= allowed,
                 qPrintable(QStringLiteral("%1 %2 % of the ink differ, %3 % allowed")
                                .arg(smooth ? "antialiased:" : "aliased:")
                                .arg(d.percent, 0, 'f', 2)
                                .arg(allowed)));
        // No column is filled where the whole line leaves it open.
        QVERIFY2(d.excess <= 4,
                 qPrintable(QStringLiteral("%1 more pixels in a column").arg(d.excess)));
    }
}

QTEST_MAIN(tst_PlotThinning)
#include "tst_plotthinning.moc"
