#include "PlotTestLogs.h"

#include "logplot/Plot.h"
#include "logplot/PlotLabel.h"
#include "logplot/PlotLabelManager.h"
#include "logplot/PlotMagnifier.h"
#include "logplot/PlotPanner.h"
#include "logplot/PlotZoomer.h"
#include "logplot/ScalingPointData.h"

#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <qwt_scale_map.h>

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using Points = QVector<QPointF>;

namespace {

// Time 0 to 100 on canvas pixels 0 to 100.
QwtScaleMap unitMap()
{
    QwtScaleMap map;
    map.setScaleInterval(0, 100);
    map.setPaintInterval(0, 100);
    return map;
}

Points points(const ScalingPointData& data)
{
    Points out;
    for (size_t i = 0; i < data.size(); ++i)
        out.append(data.sample(i));
    return out;
}

// Equal, NaN included.
bool samePoints(const Points& a, const Points& b)
{
    if (a.size() != b.size())
        return false;
    const auto same = [](double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    for (int i = 0; i < a.size(); ++i) {
        if (!same(a[i].x(), b[i].x()) || !same(a[i].y(), b[i].y()))
            return false;
    }
    return true;
}

PlotLabel::Label labelAt(const Plot& plot, double time, double py, const QString& text)
{
    PlotLabel::Label l;
    l.x = time;
    l.y = plot.canvasMap(QwtPlot::yRight).invTransform(py + 0.5); // inside pixel row py
    l.xAxis = QwtPlot::xBottom;
    l.yAxis = QwtPlot::yRight;
    l.text = text;
    l.colour = Qt::red;
    return l;
}

// Lays the labels out as a replot would and returns them as drawn.
QVector<PlotLabel::Label> drawn(const ShownPlot& p, const QVector<PlotLabel::Label>& labels)
{
    PlotLabel* item = p.plot.labelManager()->label();
    item->setLabels(labels);
    item->setTimeText(QStringLiteral("12:00:00"));
    QImage image(p.canvas()->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    item->draw(&painter, QwtScaleMap(), QwtScaleMap(), QRectF(p.canvas()->contentsRect()));
    return item->labels();
}

void legendClick(Plot& plot, int series)
{
    auto* legend = qobject_cast<QwtLegend*>(plot.legend());
    const QList<QWidget*> widgets = legend->legendWidgets(plot.itemToInfo(plot.curve(series)));
    QCOMPARE(widgets.size(), 1);
    QTest::mouseClick(widgets.first(), Qt::LeftButton);
}

} // namespace

Q_DECLARE_METATYPE(Points)

class tst_PlotAids : public QObject
{
    Q_OBJECT

private slots:
    void thinning_keepsTheExtremesOfEachColumn_data();
    void thinning_keepsTheExtremesOfEachColumn();
    void thinning_inTimeOrder_agreesWithSampleBySample();
    void nearestSample_inTimeOrder_agreesWithFullSearch();
    void pointSource_withoutSeries_servesNothing();
    void smallDrag_doesNotZoom();
    void thinDrag_zoomsToTenPixelsAroundItsCentre();
    void rightClicks_zoomOutStepwiseAndToBase();
    void zoomedTriacAxis_keepsOnlyTicksZeroAndOne();
    void crowdedLabels_endTwentyPixelsApartInOrder();
    void labels_stayInsideTheCanvas();
    void manyEqualLabels_separateWithoutHanging();
    void hover_readsNearestSampleOfShownCurves();
    void hover_timeText_showsDateOnlyForLogsOverDays();
    void hover_skipsValuesThatAreNoNumbers();
    void hover_searchesTemperatureWhenSetpointMissing();
    void label_showsOnEnterHidesOnLeaveAndPress();
    void newData_clearsTheHoverLabels();
    void fastDrag_zoomsToWhereTheButtonWasReleased();
    void navigation_wheelPanAndHome_withinTheLog();
};

void tst_PlotAids::thinning_keepsTheExtremesOfEachColumn_data()
{
    // One unit of time is one pixel column; columns 0 to 99 are the canvas.
    QTest::addColumn<Points>("samples");
    QTest::addColumn<Points>("thinned");
    QTest::addColumn<int>("keep"); // columns of at most so many samples keep them all
    const double nan = qQNaN();
    QTest::newRow("fewer samples than columns")
        << Points { { 1, 5 }, { 2, 6 }, { 3, 4 } } << Points { { 1, 5 }, { 2, 6 }, { 3, 4 } } << 0;
    const Points six { { 1.0, 5 }, { 1.1, 1 }, { 1.2, 3 }, { 1.3, 9 }, { 1.4, 7 }, { 1.5, 4 } };
    const Points extremes { { 1.0, 5 }, { 1.1, 1 }, { 1.3, 9 }, { 1.5, 4 } };
    QTest::newRow("first, lowest, highest, last") << six << extremes << 0;
    QTest::newRow("a column of a few samples keeps them all") << six << six << 6;
    QTest::newRow("one more than a few") << six << extremes << 5;
    QTest::newRow("highest before lowest")
        << Points { { 1.0, 5 }, { 1.1, 9 }, { 1.2, 3 }, { 1.3, 1 }, { 1.4, 4 } }
        << Points { { 1.0, 5 }, { 1.1, 9 }, { 1.3, 1 }, { 1.4, 4 } } << 0;
    QTest::newRow("first of equal extremes, and no point twice")
        << Points { { 1.0, 1 }, { 1.1, 9 }, { 1.2, 1 }, { 1.3, 9 }, { 2.0, 3 } }
        << Points { { 1.0, 1 }, { 1.1, 9 }, { 1.3, 9 }, { 2.0, 3 } } << 0;
    QTest::newRow("a value that is no number stands alone")
        << Points { { 1.0, 5 }, { 1.1, 1 }, { 1.2, nan }, { 1.3, 2 }, { 1.4, 3 }, { 1.5, 8 } }
        << Points { { 1.0, 5 }, { 1.1, 1 }, { 1.2, nan }, { 1.3, 2 }, { 1.5, 8 } } << 0;
    QTest::newRow("a time that is no number stands alone")
        << Points { { 1.0, 5 }, { nan, 1 }, { 1.2, 3 } }
        << Points { { 1.0, 5 }, { nan, 1 }, { 1.2, 3 } } << 0;
    QTest::newRow("a gap of no numbers is kept once")
        << Points { { 1.0, 5 }, { 1.1, nan }, { 1.2, qInf() }, { nan, 1 }, { 2.5, 3 } }
        << Points { { 1.0, 5 }, { 1.1, nan }, { 2.5, 3 } } << 0;
    QTest::newRow("beyond the canvas one column each side")
        << Points { { -50, 5 }, { -45, 6 }, { -40, 1 }, { -30, 9 }, { -25, 7 }, { -20, 4 },
                    { 50, 2 },  { 300, 3 }, { 350, 2 }, { 400, 0 }, { 500, 1 } }
        << Points { { -50, 5 }, { -40, 1 }, { -30, 9 }, { -20, 4 },
                    { 50, 2 },  { 300, 3 }, { 400, 0 }, { 500, 1 } }
        << 0;
    QTest::newRow("newest first") << Points { { 3.5, 1 }, { 3.3, 3 }, { 3.2, 7 }, { 3.1, 2 },
                                              { 2.9, 4 }, { 2.8, 0 }, { 2.1, 5 } }
                                  << Points { { 3.5, 1 }, { 3.2, 7 }, { 3.1, 2 },
                                              { 2.9, 4 }, { 2.8, 0 }, { 2.1, 5 } }
                                  << 0;
    QTest::newRow("back and forth between columns")
        << Points { { 1.1, 1 }, { 1.2, 2 }, { 2.1, 3 }, { 1.3, 4 }, { 1.4, 5 }, { 1.5, 6 } }
        << Points { { 1.1, 1 }, { 1.2, 2 }, { 2.1, 3 }, { 1.3, 4 }, { 1.5, 6 } } << 0;
}

void tst_PlotAids::thinning_keepsTheExtremesOfEachColumn()
{
    QFETCH(Points, samples);
    QFETCH(Points, thinned);
    QFETCH(int, keep);
    ScalingPointData data;
    data.setSamples(&samples);
    QCOMPARE(data.size(), size_t(samples.size())); // every sample until the first thinning
    data.thin(unitMap(), { 1, 0, -2, 102, keep, nullptr });
    QVERIFY2(samePoints(points(data), thinned), qPrintable(QString::number(data.size())));
}

void tst_PlotAids::thinning_inTimeOrder_agreesWithSampleBySample()
{
    // A long noisy series with gaps of no numbers; a time that is no number at its end takes
    // the thinning off its shortcut for samples in time order, and adds only itself.
    // Values in steps of 0.5 repeat their extremes within a column: the first of them counts.
    for (const double step : { 0.0, 0.5 }) {
        QRandomGenerator random(9);
        Points ordered;
        double v = 20;
        for (int i = 0; i < 40000; ++i) {
            v += random.bounded(2.0) - 1;
            const bool none = i % 997 < 3 || (i >= 10000 && i < 10300); // and whole blocks of none
            const double value = step > 0 ? std::round(v / step) * step : v;
            ordered.append(QPointF(i * 0.01 + (i % 7 == 0 ? 0 : 0.001), none ? qQNaN() : value));
        }
        Points unordered = ordered;
        unordered.append(QPointF(qQNaN(), 1));
        for (double offset : { 0.0, 0.3, -150.0 }) {
            ScalingPointData a, b;
            a.setSamples(&ordered);
            b.setSamples(&unordered);
            a.thin(unitMap(), { 2, offset, -3, 303, 0, nullptr });
            b.thin(unitMap(), { 2, offset, -3, 303, 0, nullptr });
            Points expected = points(b);
            expected.removeLast();
            QVERIFY(points(a).size() < ordered.size() / 10);
            QVERIFY2(samePoints(points(a), expected), qPrintable(QString::number(step)));
        }
    }
}

void tst_PlotAids::nearestSample_inTimeOrder_agreesWithFullSearch()
{
    Points ordered;
    for (int i = 0; i < 3000; ++i) // runs without numbers, and times given twice
        ordered.append(QPointF((i - i % 3 / 2) * 0.05, i % 400 < 60 ? qQNaN() : i));
    Points unordered = ordered;
    unordered.append(QPointF(qQNaN(), 1));
    ScalingPointData a, b;
    a.setSamples(&ordered);
    b.setSamples(&unordered);
    for (double x = -20; x < 170; x += 0.37)
        QCOMPARE(a.nearest(unitMap(), x), b.nearest(unitMap(), x));
    QCOMPARE(a.nearest(unitMap(), 0.0), 60); // the first with a number
    const Points none { { 1, qQNaN() }, { 2, qInf() } };
    a.setSamples(&none);
    QCOMPARE(a.nearest(unitMap(), 1.0), -1);
}

void tst_PlotAids::pointSource_withoutSeries_servesNothing()
{
    ScalingPointData data;
    QCOMPARE(data.size(), size_t(0));
    QCOMPARE(data.sample(0), QPointF(0, 0));
    data.thin(unitMap(), { 1, 0, -2, 102, 0, nullptr });
    QCOMPARE(data.size(), size_t(0));
    QVERIFY(data.boundingRect().width() < 0);
    QCOMPARE(data.nearest(unitMap(), 5), -1);
    const Points empty;
    data.setSamples(&empty);
    data.thin(unitMap(), { 1, 0, -2, 102, 0, nullptr });
    QCOMPARE(data.sample(5), QPointF(0, 0));
    QCOMPARE(data.size(), size_t(0));
}

void tst_PlotAids::smallDrag_doesNotZoom()
{
    ShownPlot p;
    const QwtInterval before = p.plot.axisInterval(QwtPlot::xBottom);
    p.drag(QPoint(300, 200), QPoint(305, 205));
    QCOMPARE(p.plot.zoomer(0)->zoomRectIndex(), 0u);
    QCOMPARE(p.plot.axisInterval(QwtPlot::xBottom), before);
    QVERIFY(!p.plot.isXZoomed());
}

void tst_PlotAids::thinDrag_zoomsToTenPixelsAroundItsCentre()
{
    ShownPlot p;
    const QwtScaleMap x_map = p.plot.canvasMap(QwtPlot::xBottom);
    const QwtScaleMap y_map = p.plot.canvasMap(QwtPlot::yRight);
    p.drag(QPoint(300, 200), QPoint(320, 203));
    QCOMPARE(p.plot.zoomer(0)->zoomRectIndex(), 1u);
    QCOMPARE(p.plot.zoomer(1)->zoomRectIndex(), 1u);
    QVERIFY(p.plot.isXZoomed());

    // the new ranges, seen in the pixels of the old view
    const QwtInterval x = p.plot.axisInterval(QwtPlot::xBottom);
    const QwtInterval y = p.plot.axisInterval(QwtPlot::yRight);
    const double left = x_map.transform(x.minValue());
    const double right = x_map.transform(x.maxValue());
    const double top = y_map.transform(y.maxValue());
    const double bottom = y_map.transform(y.minValue());
    QVERIFY2(qAbs(left - 300) <= 1 && qAbs(right - 320) <= 1.5,
             qPrintable(QStringLiteral("%1 … %2").arg(left).arg(right)));
    // 3 pixels high became 10 (one more where Qwt counts the far edge) around y 201
    QVERIFY2(bottom - top >= 9.5 && bottom - top <= 11.5,
             qPrintable(QStringLiteral("%1 … %2").arg(top).arg(bottom)));
    QVERIFY(qAbs((top + bottom) / 2 - 201.5) <= 1);
}

void tst_PlotAids::rightClicks_zoomOutStepwiseAndToBase()
{
    ShownPlot p;
    const QwtInterval full = p.plot.axisInterval(QwtPlot::xBottom);
    p.drag(QPoint(100, 100), QPoint(400, 300));
    const QwtInterval first = p.plot.axisInterval(QwtPlot::xBottom);
    p.drag(QPoint(100, 100), QPoint(300, 200));
    QCOMPARE(p.plot.zoomer(0)->zoomRectIndex(), 2u);
    p.rightClick(QPoint(200, 200));
    QCOMPARE(p.plot.zoomer(0)->zoomRectIndex(), 1u);
    QCOMPARE(p.plot.axisInterval(QwtPlot::xBottom), first);
    p.drag(QPoint(100, 100), QPoint(300, 200));
    p.rightClick(QPoint(200, 200), Qt::ControlModifier);
    QCOMPARE(p.plot.zoomer(0)->zoomRectIndex(), 0u);
    QCOMPARE(p.plot.axisInterval(QwtPlot::xBottom), full);
    QVERIFY(!p.plot.isXZoomed());
}

void tst_PlotAids::zoomedTriacAxis_keepsOnlyTicksZeroAndOne()
{
    ShownPlot p;
    const int canvas_height = p.canvas()->height();
    // the bottom quarter of the canvas: the TRIAC axis from about -0.3 to 2.5
    p.drag(QPoint(100, canvas_height * 3 / 4), QPoint(500, canvas_height + 20));
    QwtScaleDiv div = p.plot.axisScaleDiv(QwtPlot::yLeft);
    QVERIFY(div.upperBound() < 5);
    QCOMPARE(div.ticks(QwtScaleDiv::MajorTick), QList<double>({ 0, 1 }));
    QVERIFY(div.ticks(QwtScaleDiv::MinorTick).isEmpty());

    // zoomed above the off state: only 1 is left
    p.rightClick(QPoint(10, 10), Qt::ControlModifier);
    const QwtScaleMap y = p.plot.canvasMap(QwtPlot::yLeft);
    p.drag(QPoint(100, int(y.transform(1.5))), QPoint(500, int(y.transform(0.5))));
    div = p.plot.axisScaleDiv(QwtPlot::yLeft);
    QCOMPARE(div.ticks(QwtScaleDiv::MajorTick), QList<double>({ 1 }));
}

void tst_PlotAids::crowdedLabels_endTwentyPixelsApartInOrder()
{
    ShownPlot p;
    const double t = p.plot.log().time(100);
    const auto labels = drawn(p,
                              { labelAt(p.plot, t, 105, "b"), labelAt(p.plot, t, 100, "a"),
                                labelAt(p.plot, t, 110, "c") });
    QCOMPARE(labels.size(), 3);
    QCOMPARE(labels[0].text + labels[1].text + labels[2].text, QStringLiteral("abc"));
    QCOMPARE(labels[1].iy - labels[0].iy, 20);
    QCOMPARE(labels[2].iy - labels[1].iy, 20);
    // spread around where they were
    QVERIFY(labels[0].iy < 100 && labels[2].iy > 110);
    for (const auto& l : labels)
        QCOMPARE(l.ix, p.xOf(t));

    // labels already apart stay where they are
    const auto apart = drawn(p, { labelAt(p.plot, t, 100, "a"), labelAt(p.plot, t, 150, "b") });
    QCOMPARE(apart[0].iy, 100);
    QCOMPARE(apart[1].iy, 150);
}

void tst_PlotAids::labels_stayInsideTheCanvas()
{
    ShownPlot p;
    const QRectF canvas(p.canvas()->contentsRect());
    const double usable_bottom = canvas.bottom() - PlotLabel::TIME_STRIP;
    const double t = p.plot.log().time(50);

    const auto high = drawn(p, { labelAt(p.plot, t, -300, "above"), labelAt(p.plot, t, 12, "b") });
    QCOMPARE(high[0].text, QStringLiteral("above"));
    QCOMPARE(high[0].iy - PlotLabel::BOX_HEIGHT / 2, int(canvas.top())); // touching the top
    QVERIFY(high[1].iy - high[0].iy >= 20);

    const auto low = drawn(p,
                           { labelAt(p.plot, t, usable_bottom - 40, "a"),
                             labelAt(p.plot, t, usable_bottom + 400, "below") });
    QCOMPARE(low[1].text, QStringLiteral("below"));
    QVERIFY(low[1].iy + PlotLabel::BOX_HEIGHT / 2 <= usable_bottom);
    QVERIFY(low[1].iy - low[0].iy >= 20);

    // near the right edge the box goes left of the point
    PlotLabel::Label edge = labelAt(p.plot, 0, 100, "edge");
    edge.x = p.plot.canvasMap(QwtPlot::xBottom).invTransform(canvas.right() - 20);
    const auto right = drawn(p, { edge });
    const QRectF box = PlotLabel::calloutBox(right[0], canvas);
    QVERIFY(box.right() < right[0].px);
    QVERIFY(canvas.contains(box));
    const QRectF normal
        = PlotLabel::calloutBox(drawn(p, { labelAt(p.plot, t, 100, "x") })[0], canvas);
    QVERIFY(normal.left() > p.xOf(t));
}

void tst_PlotAids::manyEqualLabels_separateWithoutHanging()
{
    ShownPlot p;
    QVector<PlotLabel::Label> labels;
    for (int i = 0; i < 12; ++i)
        labels << labelAt(p.plot, p.plot.log().time(10), 200, QString::number(i));
    // a point far outside any canvas must not overflow the pixel arithmetic
    PlotLabel::Label wild = labelAt(p.plot, p.plot.log().time(10), 0, "wild");
    wild.y = 1e300;
    wild.x = -1e300;
    labels << wild;
    const auto placed = drawn(p, labels);
    for (int i = 0; i + 1 < placed.size(); ++i)
        QVERIFY(placed[i + 1].iy - placed[i].iy >= 20);
}

void tst_PlotAids::hover_readsNearestSampleOfShownCurves()
{
    ShownPlot p;
    const LogData& log = p.plot.log();
    const int k = 123;
    // a little to the right of sample k, still nearer to it than to k + 1
    const int x = p.xOf(log.time(k)) + 1;
    p.hover(QPoint(x, 100));
    PlotLabel* label = p.plot.labelManager()->label();
    QVERIFY(label->isVisible());
    // drawing orders the labels from top to bottom: find each by its curve's colour
    const auto text = [&](const QColor& colour) {
        for (const auto& l : label->labels()) {
            if (l.colour == colour)
                return l.text;
        }
        return QString();
    };
    const QColor setpoint(234, 71, 62), temperature(47, 194, 105), triac(32, 142, 226);
    QCOMPARE(label->labels().size(), 3);
    for (const auto& l : label->labels()) {
        QCOMPARE(l.x, log.time(k));
        QCOMPARE(l.yAxis, int(l.colour == triac ? QwtPlot::yLeft : QwtPlot::yRight));
    }
    QCOMPARE(text(setpoint), QStringLiteral("%1 °C").arg(roomValue(0, k), 0, 'f', 1));
    QCOMPARE(text(temperature), QStringLiteral("%1 °C").arg(roomValue(1, k), 0, 'f', 1));
    QCOMPARE(text(triac), QStringLiteral("%1").arg(roomValue(2, k), 0, 'f', 0));

    legendClick(p.plot, LogData::TRIAC); // the left axis goes, the canvas widens
    p.hover(QPoint(p.xOf(log.time(k)), 100));
    QCOMPARE(label->labels().size(), 2);
    QCOMPARE(text(triac), QString());
    QCOMPARE(text(temperature), QStringLiteral("%1 °C").arg(roomValue(1, k), 0, 'f', 1));
}

void tst_PlotAids::hover_timeText_showsDateOnlyForLogsOverDays()
{
    ShownPlot day;
    day.hover(QPoint(day.xOf(day.plot.log().time(20)), 50));
    QCOMPARE(day.plot.labelManager()->label()->timeText(), QStringLiteral("09:00:00"));

    ShownPlot days(makeLog(morning(), 40, 3600000, roomValue)); // two days, hourly
    days.hover(QPoint(days.xOf(days.plot.log().time(30)), 50));
    QCOMPARE(days.plot.labelManager()->label()->timeText(), QStringLiteral("14:00 (06.03.2021)"));
}

void tst_PlotAids::hover_skipsValuesThatAreNoNumbers()
{
    LogData log = dayLog();
    for (int i = 40; i <= 60; ++i)
        log.series[LogData::SETPOINT][i].setY(qQNaN());
    log.series[LogData::TEMPERATURE][61].setY(qInf());
    ShownPlot p(log);
    p.hover(QPoint(p.xOf(log.time(45)), 50));
    const auto labels = p.plot.labelManager()->label()->labels();
    QCOMPARE(labels.first().x, log.time(39)); // the nearest sample with a setpoint
    p.hover(QPoint(p.xOf(log.time(61)), 50));
    QCOMPARE(p.plot.labelManager()->label()->labels().size(), 2); // the infinite one is left out
}

void tst_PlotAids::hover_searchesTemperatureWhenSetpointMissing()
{
    LogData log = dayLog();
    log.present[LogData::SETPOINT] = false;
    ShownPlot p(log);
    p.hover(QPoint(p.xOf(log.time(77)), 50));
    const auto labels = p.plot.labelManager()->label()->labels();
    QCOMPARE(labels.size(), 2);
    for (const auto& l : labels) {
        QCOMPARE(l.x, log.time(77));
        QVERIFY(l.colour != QColor(234, 71, 62));
    }
}

void tst_PlotAids::label_showsOnEnterHidesOnLeaveAndPress()
{
    ShownPlot p;
    PlotLabel* label = p.plot.labelManager()->label();
    QVERIFY(!label->isVisible());
    QCOMPARE(label->rtti(), 1000);
    QVERIFY(label->z() > p.plot.curve(0)->z());
    p.hover(QPoint(200, 100));
    QVERIFY(label->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(p.canvas(), &leave);
    QVERIFY(!label->isVisible());
    p.hover(QPoint(200, 100));
    p.send(QEvent::MouseButtonPress, QPoint(200, 100), Qt::LeftButton);
    QVERIFY(!label->isVisible());
    p.send(QEvent::MouseButtonRelease, QPoint(200, 100), Qt::LeftButton);
    QVERIFY(label->isVisible());

    for (int series = 0; series < LogData::SERIES_COUNT; ++series)
        legendClick(p.plot, series);
    QApplication::sendEvent(p.canvas(), &leave);
    p.hover(QPoint(200, 100));
    QVERIFY(!label->isVisible()); // nothing to read
}

void tst_PlotAids::newData_clearsTheHoverLabels()
{
    ShownPlot p;
    PlotLabel* label = p.plot.labelManager()->label();
    p.hover(QPoint(200, 100));
    QVERIFY(label->isVisible() && !label->labels().isEmpty());
    p.plot.setData(makeLog(morning().addDays(3), 50000, 1000, roomValue));
    QVERIFY(label->labels().isEmpty()); // nothing of the old log is drawn on the new one
    QVERIFY(label->timeText().isEmpty());
    p.send(QEvent::MouseMove, QPoint(300, 100)); // the next move reads the new log
    QVERIFY(!label->labels().isEmpty());
    QVERIFY(label->labels().first().x >= p.plot.log().time(0));
}

// Released before a move reached the place: the rectangle still ends where the button went up.
void tst_PlotAids::fastDrag_zoomsToWhereTheButtonWasReleased()
{
    ShownPlot p;
    const QwtScaleMap x_map = p.plot.canvasMap(QwtPlot::xBottom);
    p.send(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton);
    p.send(QEvent::MouseMove, QPoint(104, 103), Qt::LeftButton);
    p.send(QEvent::MouseButtonRelease, QPoint(500, 300), Qt::LeftButton);
    const QwtInterval x = p.plot.axisInterval(QwtPlot::xBottom);
    QVERIFY2(qAbs(x_map.transform(x.minValue()) - 100) <= 1
                 && qAbs(x_map.transform(x.maxValue()) - 500) <= 1.5,
             qPrintable(QStringLiteral("%1 … %2")
                            .arg(x_map.transform(x.minValue()))
                            .arg(x_map.transform(x.maxValue()))));
}

// The wheel zooms around the time under the pointer, a middle drag and the arrow keys pan,
// + and - zoom around the middle, Home shows the whole log again; never beyond it.
void tst_PlotAids::navigation_wheelPanAndHome_withinTheLog()
{
    ShownPlot p;
    QWidget* canvas = p.canvas();
    const auto shown = [&] { return p.plot.axisInterval(QwtPlot::xBottom); };
    const auto wheel = [&](const QPoint& at, int notches) {
        QWheelEvent event(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &event);
    };
    const auto key = [&](int k) { QTest::keyClick(canvas, Qt::Key(k)); };
    const QwtInterval full = shown();

    key(Qt::Key_Left); // the whole log is shown: nowhere to go
    QCOMPARE(shown(), full);
    const double under = p.plot.canvasMap(QwtPlot::xBottom).invTransform(200);
    wheel(QPoint(200, 100), 1);
    QVERIFY(p.plot.isXZoomed());
    QVERIFY(qAbs(shown().width() - full.width() * PlotMagnifier::STEP) < 1);
    QVERIFY(qAbs(p.plot.canvasMap(QwtPlot::xBottom).transform(under) - 200) < 1);
    wheel(QPoint(200, 100), 2);
    const QwtInterval zoomed = shown();
    QCOMPARE(p.plot.zoomer(0)->zoomRectIndex(), 1u); // the wheel takes one zoom step
    QCOMPARE(p.plot.zoomer(1)->zoomRectIndex(), 1u);

    // a middle drag 60 pixels to the right shows what lay 60 pixels to the left
    const double left_of = p.plot.canvasMap(QwtPlot::xBottom).invTransform(140);
    p.send(QEvent::MouseButtonPress, QPoint(300, 100), Qt::MiddleButton);
    p.send(QEvent::MouseMove, QPoint(330, 100), Qt::MiddleButton);
    p.send(QEvent::MouseMove, QPoint(360, 100), Qt::MiddleButton);
    p.send(QEvent::MouseButtonRelease, QPoint(360, 100), Qt::MiddleButton);
    QVERIFY(qAbs(p.plot.canvasMap(QwtPlot::xBottom).transform(left_of) - 200) < 1);
    QVERIFY(qAbs(shown().width() - zoomed.width()) < 1);
    key(Qt::Key_Right);
    QVERIFY(qAbs(shown().minValue()
                 - (zoomed.minValue() - 60 * zoomed.width() / canvas->width()
                    + zoomed.width() / PlotPanner::KEY_STEPS))
            < zoomed.width() / 100);
    for (int i = 0; i < 3 * PlotPanner::KEY_STEPS; ++i)
        key(Qt::Key_Left);
    QCOMPARE(shown().minValue(), full.minValue());
    QVERIFY(qAbs(shown().width() - zoomed.width()) < 1);

    key(Qt::Key_Plus);
    QVERIFY(qAbs(shown().width() - zoomed.width() * PlotMagnifier::STEP) < 1);
    for (int i = 0; i < 20; ++i)
        key(Qt::Key_Minus); // out as far as the whole log, and no further
    QCOMPARE(shown(), full);
    QCOMPARE(p.plot.zoomer(0)->zoomRectIndex(), 0u);

    wheel(QPoint(200, 100), 3);
    key(Qt::Key_Home);
    QCOMPARE(shown(), full);
    QCOMPARE(p.plot.zoomer(1)->zoomRectIndex(), 0u);
    QVERIFY(!p.plot.isXZoomed());
}

QTEST_MAIN(tst_PlotAids)
#include "tst_plotaids.moc"
