// The live trend in the window: another box's history is there at once, its actuators named in
// the legend, and Record… writes what the trend shows into files Import Log reads.
#include "tests/support/CommTestSupport.h"

#include "tests/app/WindowFixture.h"

#include "app/TrendView.h"
#include "devicemanager/LiveTrend.h"
#include "logplot/TrendPlot.h"

#include <qwt_legend_label.h>

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {
// Points come once a second: a few seconds, on a busy machine more.
constexpr int kPointsMs = 15000;

int shownPoints(const Window& w)
{
    return w.window.trendView()->plot()->series(0).size();
}

int trendSize(const Window& w, const QString& location)
{
    const TrendBuffer* t
        = w.window.liveTrend()->trend(w.window.liveTrend()->trendKey(w.idOf(location)));
    return t ? t->size() : 0;
}
} // namespace

class tst_WindowTrend : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::Bus::instance().setLatency(std::chrono::microseconds(0)); }

    void anotherBox_showsItsHistoryAtOnce()
    {
        PluggedBox lab("Lab 2");
        Window w;
        QVERIFY(w.waitSelected("Lab 2"));
        // plugged once Lab 2 is selected: the first box to be ready would be
        PluggedBox office("Office");
        office.box->setActuatorLocation(0, QStringLiteral("Window"));
        QVERIFY(QTest::qWaitFor([&] { return trendSize(w, "Office") >= 2; }, kPointsMs));
        QVERIFY(shownPoints(w) > 0);
        w.pick("Office");
        QVERIFY(w.waitSelected("Office"));
        QVERIFY(shownPoints(w) >= 2);
        QCOMPARE(shownPoints(w), trendSize(w, "Office"));
        QStringList legend;
        for (QwtLegendLabel* label : w.window.trendView()->plot()->findChildren<QwtLegendLabel*>())
            legend << label->data().title().text();
        QVERIFY(legend.contains("1 Window"));
        QVERIFY(legend.contains("Actuator 2"));
    }

    void record_writesWhatTheTrendShows()
    {
        PluggedBox lab("Lab 2");
        lab.box->setRoomTemperature(4, 19.27);
        Window w;
        QVERIFY(w.waitSelected("Lab 2"));
        QTemporaryDir dir;
        w.dialogs.paths << dir.path();
        TrendView* view = w.window.trendView();
        QTRY_VERIFY(view->recordButton()->isEnabled());
        view->recordButton()->click();
        const QStringList files
            = w.window.liveTrend()->recordingFiles(w.window.liveTrend()->trendKey(w.copy().id));
        QCOMPARE(files.size(), 8);
        const int from = shownPoints(w);
        QVERIFY(QTest::qWaitFor([&] { return shownPoints(w) >= from + 2; }, kPointsMs));
        view->recordButton()->click(); // Stop Recording
        QVERIFY(w.window.liveTrend()
                    ->recordingFiles(w.window.liveTrend()->trendKey(w.copy().id))
                    .isEmpty());

        bool ok = false;
        const LogData log = LogData::readCsvFile(files.at(4), &ok);
        QVERIFY(ok);
        QVERIFY(log.count() >= 2);
        const TrendPlot* plot = view->plot();
        const QVector<QPointF>& shown
            = plot->series(TrendPlot::curveIndex(4, LogData::TEMPERATURE));
        for (int k = 0; k < log.count(); ++k) {
            const double time = log.time(k);
            const auto at = std::find_if(shown.begin(), shown.end(),
                                         [&](const QPointF& p) { return p.x() == time; });
            QVERIFY(at != shown.end());
            QCOMPARE(log.series[LogData::TEMPERATURE].at(k).y(), std::round(at->y() * 10) / 10);
        }
        QCOMPARE(log.series[LogData::TEMPERATURE].first().y(), 19.3);
    }
};

QTEST_MAIN(tst_WindowTrend)
#include "tst_windowtrend.moc"
