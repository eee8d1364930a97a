// The live trend's plot: the legend switches actuators and series, the view follows the newest
// values until the user looks elsewhere, and a day at most is kept.
#include "logplot/TrendPlot.h"

#include "logplot/PlotZoomer.h"

#include <qwt_legend_label.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <QtTest>

namespace {
constexpr double kStart = 1700000000000; // ms

TrendPlot::Values valuesAt(int second)
{
    TrendPlot::Values v;
    for (int a = 0; a < TrendPlot::ACTUATORS; ++a) {
        v[size_t(TrendPlot::curveIndex(a, LogData::SETPOINT))] = 21.0f + a;
        v[size_t(TrendPlot::curveIndex(a, LogData::TEMPERATURE))] = 20.0f + (second % 60) / 30.0f;
        v[size_t(TrendPlot::curveIndex(a, LogData::TRIAC))] = second % 60 < 30 ? 1.0f : 0.0f;
    }
    return v;
}

TrendPlot::Series seriesOf(int seconds)
{
    TrendPlot::Series series;
    for (int s = 0; s < seconds; ++s) {
        const TrendPlot::Values v = valuesAt(s);
        for (int c = 0; c < TrendPlot::CURVES; ++c)
            series[size_t(c)].append(QPointF(kStart + s * 1000.0, double(v[size_t(c)])));
    }
    return series;
}

void clickLegend(TrendPlot& plot, const QString& title)
{
    for (QwtLegendLabel* label : plot.findChildren<QwtLegendLabel*>()) {
        if (label->data().title().text() == title) {
            QTest::mouseClick(label, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable("no legend entry " + title));
}

QPair<double, double> timeAxis(const TrendPlot& plot)
{
    const QwtScaleDiv& div = plot.axisScaleDiv(QwtPlot::xBottom);
    return { div.lowerBound(), div.upperBound() };
}
} // namespace

class tst_TrendPlot : public QObject
{
    Q_OBJECT

private slots:
    void legend_switchesActuatorsAndSeries_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QVector<int>>("hiddenActuators");
        QTest::addColumn<QVector<int>>("hiddenSeries");
        QTest::newRow("none") << QStringList() << QVector<int>() << QVector<int>();
        QTest::newRow("an actuator")
            << QStringList { "2 Door" } << QVector<int> { 1 } << QVector<int>();
        QTest::newRow("a series") << QStringList { "Triac" } << QVector<int>()
                                  << QVector<int> { LogData::TRIAC };
        QTest::newRow("both, one of them back")
            << QStringList { "Actuator 8", "Setpoint", "2 Door", "Actuator 8" }
            << QVector<int> { 1 } << QVector<int> { LogData::SETPOINT };
    }

    void legend_switchesActuatorsAndSeries()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QVector<int>, hiddenActuators);
        QFETCH(QVector<int>, hiddenSeries);
        TrendPlot plot;
        plot.resize(900, 400);
        plot.setActuatorNames({ QString(), "2 Door" });
        plot.setSeries(seriesOf(120));
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        for (const QString& title : clicks)
            clickLegend(plot, title);
        for (int a = 0; a < TrendPlot::ACTUATORS; ++a) {
            QCOMPARE(plot.isActuatorShown(a), !hiddenActuators.contains(a));
            for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
                const bool shown = !hiddenActuators.contains(a) && !hiddenSeries.contains(s);
                QCOMPARE(plot.curve(TrendPlot::curveIndex(a, s))->isVisible(), shown);
            }
        }
        QCOMPARE(plot.axisEnabled(QwtPlot::yLeft), !hiddenSeries.contains(LogData::TRIAC));
    }

    // The last ten minutes while following; a look elsewhere pauses, following again returns.
    void view_followsTheNewestUntilTheUserLooksElsewhere()
    {
        TrendPlot plot;
        plot.resize(900, 400);
        QSignalSpy following(&plot, &TrendPlot::followingChanged);
        plot.setSeries(seriesOf(3600));
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        const double last = kStart + 3599 * 1000.0;
        QCOMPARE(timeAxis(plot), qMakePair(last - TrendPlot::WINDOW, last));
        plot.appendPoint(last + 1000, valuesAt(3600));
        QCOMPARE(timeAxis(plot), qMakePair(last + 1000 - TrendPlot::WINDOW, last + 1000));
        QVERIFY(following.isEmpty());

        QTest::keyClick(plot.canvas(), Qt::Key_Home); // the whole trend
        QVERIFY(!plot.isFollowing());
        QCOMPARE(following.size(), 1);
        QCOMPARE(timeAxis(plot), qMakePair(kStart, last + 1000));
        plot.appendPoint(last + 2000, valuesAt(3601));
        QCOMPARE(timeAxis(plot), qMakePair(kStart, last + 1000));

        plot.setFollowing(true);
        QCOMPARE(timeAxis(plot), qMakePair(last + 2000 - TrendPlot::WINDOW, last + 2000));
        // Paused in a zoom: the view stays, and what came meanwhile can be panned to.
        plot.setFollowing(false);
        plot.appendPoint(last + 3000, valuesAt(3602));
        QCOMPARE(timeAxis(plot), qMakePair(last + 2000 - TrendPlot::WINDOW, last + 2000));
        QTest::keyClick(plot.canvas(), Qt::Key_Right);
        QCOMPARE(timeAxis(plot).second, last + 3000);
        plot.setFollowing(true);
        // a right click goes back to the whole trend
        QTest::mouseClick(plot.canvas(), Qt::RightButton, Qt::NoModifier, QPoint(300, 150));
        QVERIFY(!plot.isFollowing());
        QCOMPARE(timeAxis(plot), qMakePair(kStart, last + 3000));
    }

    void aDayAtMost()
    {
        TrendPlot plot;
        plot.setSeries(seriesOf(10));
        const double day_later = kStart + TrendPlot::KEPT + TrendPlot::WINDOW + 1000;
        plot.appendPoint(day_later, valuesAt(0));
        for (int c = 0; c < TrendPlot::CURVES; ++c) {
            QCOMPARE(plot.series(c).size(), 1);
            QCOMPARE(plot.series(c).first().x(), day_later);
        }
    }
};

QTEST_MAIN(tst_TrendPlot)
#include "tst_trendplot.moc"
