#include "PlotTestLogs.h"

#include "logplot/Plot.h"
#include "logplot/PlotDlg.h"
#include "logplot/PlotZoomer.h"

#include <qwt_date_scale_draw.h>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_textlabel.h>
#include <qwt_scale_div.h>

#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QtTest>

#include <cmath>

namespace {

using Flags = std::array<bool, LogData::SERIES_COUNT>;

QList<QwtPlotItem*> curves(const Plot& plot)
{
    return plot.itemList(QwtPlotItem::Rtti_PlotCurve);
}

// The legend's entries for the items on the plot; a detached curve must have none.
int legendEntries(const Plot& plot)
{
    auto* legend = qobject_cast<const QwtLegend*>(plot.legend());
    int entries = 0;
    for (QwtPlotItem* item : plot.itemList())
        entries += legend->legendWidgets(plot.itemToInfo(item)).size();
    for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
        if (plot.curve(s)->plot() != &plot)
            entries += 100 * legend->legendWidgets(plot.itemToInfo(plot.curve(s))).size();
    }
    return entries;
}

QwtLegendLabel* legendLabel(const Plot& plot, int series)
{
    auto* legend = qobject_cast<const QwtLegend*>(plot.legend());
    const QList<QWidget*> widgets = legend->legendWidgets(plot.itemToInfo(plot.curve(series)));
    return widgets.size() == 1 ? qobject_cast<QwtLegendLabel*>(widgets.first()) : nullptr;
}

void toggle(Plot& plot, int series)
{
    QwtLegendLabel* label = legendLabel(plot, series);
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton);
}

QPair<double, double> rightAxis(const Plot& plot)
{
    const QwtScaleDiv& div = plot.axisScaleDiv(QwtPlot::yRight);
    return { div.lowerBound(), div.upperBound() };
}

// Pixels of roughly this colour (antialiased edges blend) inside a rectangle.
int pixelsNear(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green())
                    + qAbs(c.blue() - colour.blue())
                < 40)
                ++count;
        }
    }
    return count;
}

} // namespace

Q_DECLARE_METATYPE(Flags)

class tst_Plot : public QObject
{
    Q_OBJECT

private slots:
    void newPlot_showsPlaceholderOnly();
    void curves_followPresentFlags_data();
    void curves_followPresentFlags();
    void rightAxis_roundsToFives_data();
    void rightAxis_roundsToFives();
    void leftAxis_ticksOnlyZeroAndOne();
    void legend_togglesCurvesAndRescales();
    void legend_leavesZoomedRangesAlone();
    void legendChecks_surviveTheNextLog();
    void timeAxis_spansTheWholeLog();
    void hourLabels_showDatesOnlyForLogsOverDays();
    void dateRangeText_namesOneOrTwoDays_data();
    void dateRangeText_namesOneOrTwoDays();
    void newestFirst_headingAndDaysGoByEarliestAndLatest();
    void longLogs_labelTicksWithDates_data();
    void longLogs_labelTicksWithDates();
    void hostileLogs_drawWithoutFault();
    void clear_removesCurvesAndLog();
    void render_drawsTheThreeCurves();
    void emptyLog_saysSoInsteadOfATimeAxis();
    void singleSample_isADotInTheMiddle();
    void copyToClipboard_putsThePlotImageThere();
    void dialog_titlesAndHeading();
};

void tst_Plot::newPlot_showsPlaceholderOnly()
{
    Plot plot;
    QCOMPARE(curves(plot).size(), 1);
    QCOMPARE(curves(plot).first()->title().text(), QString());
    QVERIFY(!plot.axisEnabled(QwtPlot::yLeft));
    QVERIFY(!plot.axisEnabled(QwtPlot::yRight));
    QCOMPARE(legendEntries(plot), 1);
    QCOMPARE(plot.curve(LogData::SETPOINT)->title().text(), QStringLiteral("Setpoint"));
    QCOMPARE(plot.curve(LogData::TRIAC)->yAxis(), int(QwtPlot::yLeft));
    QCOMPARE(plot.curve(LogData::TEMPERATURE)->pen().color(), QColor(47, 194, 105));
    QCOMPARE(plot.curve(LogData::TEMPERATURE)->pen().widthF(), 2.0);
}

void tst_Plot::curves_followPresentFlags_data()
{
    QTest::addColumn<Flags>("present");
    QTest::newRow("all") << Flags { { true, true, true } };
    QTest::newRow("setpoint and triac") << Flags { { true, false, true } };
    QTest::newRow("temperature") << Flags { { false, true, false } };
    QTest::newRow("none") << Flags { { false, false, false } };
}

void tst_Plot::curves_followPresentFlags()
{
    QFETCH(Flags, present);
    Plot plot;
    plot.setData(dayLog()); // a previous log with every curve
    LogData log = dayLog();
    log.present = present;
    plot.setData(log);
    int shown = 0;
    for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
        QCOMPARE(plot.curve(s)->plot() == &plot, present[size_t(s)]);
        shown += present[size_t(s)];
    }
    const QList<QwtPlotItem*> attached = curves(plot);
    QCOMPARE(attached.size(), shown ? shown : 1);
    if (!shown)
        QCOMPARE(attached.first()->title().text(), QString()); // the placeholder
    QCOMPARE(legendEntries(plot), attached.size());
    QCOMPARE(plot.axisEnabled(QwtPlot::yLeft), present[LogData::TRIAC]);
    QCOMPARE(plot.axisEnabled(QwtPlot::yRight),
             present[LogData::SETPOINT] || present[LogData::TEMPERATURE]);
    for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
        if (present[size_t(s)])
            QVERIFY(legendLabel(plot, s)->isChecked());
    }
}

void tst_Plot::rightAxis_roundsToFives_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::newRow("room") << 17.3 << 23.4 << 15.0 << 25.0;
    QTest::newRow("frost") << -3.2 << 8.0 << -5.0 << 10.0;
    QTest::newRow("high on a five") << 20.0 << 25.0 << 20.0 << 30.0;
    QTest::newRow("all below zero") << -12.0 << -3.0 << -15.0 << 0.0;
}

void tst_Plot::rightAxis_roundsToFives()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, lower);
    QFETCH(double, upper);
    Plot plot;
    // the extremes spread over both series
    plot.setData(makeLog(morning(), 10, 60000, [&](int series, int i) {
        if (series == LogData::TRIAC)
            return 0.0;
        if (series == LogData::SETPOINT)
            return i == 3 ? low : (low + high) / 2;
        return i == 7 ? high : (low + high) / 2;
    }));
    QCOMPARE(rightAxis(plot), qMakePair(lower, upper));
}

void tst_Plot::leftAxis_ticksOnlyZeroAndOne()
{
    Plot plot;
    plot.setData(dayLog());
    const QwtScaleDiv& div = plot.axisScaleDiv(QwtPlot::yLeft);
    QCOMPARE(div.lowerBound(), 0.0);
    QCOMPARE(div.upperBound(), 10.0);
    QCOMPARE(div.ticks(QwtScaleDiv::MajorTick), QList<double>({ 0, 1 }));
    QVERIFY(div.ticks(QwtScaleDiv::MediumTick).isEmpty());
    QVERIFY(div.ticks(QwtScaleDiv::MinorTick).isEmpty());
}

void tst_Plot::legend_togglesCurvesAndRescales()
{
    ShownPlot p;
    QCOMPARE(rightAxis(p.plot), qMakePair(15.0, 25.0)); // 18 … 22.9 over both
    toggle(p.plot, LogData::TEMPERATURE);
    QVERIFY(!p.plot.curve(LogData::TEMPERATURE)->isVisible());
    QVERIFY(!legendLabel(p.plot, LogData::TEMPERATURE)->isChecked());
    QCOMPARE(rightAxis(p.plot), qMakePair(15.0, 25.0)); // the setpoint's 18 … 22
    toggle(p.plot, LogData::SETPOINT);
    QVERIFY(!p.plot.axisEnabled(QwtPlot::yRight));
    QVERIFY(p.plot.axisEnabled(QwtPlot::yLeft));
    toggle(p.plot, LogData::TRIAC);
    QVERIFY(!p.plot.axisEnabled(QwtPlot::yLeft));
    toggle(p.plot, LogData::TEMPERATURE);
    QVERIFY(p.plot.axisEnabled(QwtPlot::yRight));
    QVERIFY(p.plot.curve(LogData::TEMPERATURE)->isVisible());

    // a log whose temperature runs far above its setpoint shows the difference
    ShownPlot hot(makeLog(morning(), 20, 60000, [](int series, int i) {
        return series == LogData::TEMPERATURE ? 40.0 + i : series == LogData::SETPOINT ? 21 : 0;
    }));
    QCOMPARE(rightAxis(hot.plot), qMakePair(20.0, 60.0));
    toggle(hot.plot, LogData::TEMPERATURE);
    QCOMPARE(rightAxis(hot.plot), qMakePair(20.0, 25.0));
}

void tst_Plot::legend_leavesZoomedRangesAlone()
{
    ShownPlot p;
    p.drag(QPoint(100, 100), QPoint(300, 250));
    QVERIFY(p.plot.isXZoomed());
    const auto zoomed = rightAxis(p.plot);
    toggle(p.plot, LogData::SETPOINT);
    toggle(p.plot, LogData::TEMPERATURE);
    QCOMPARE(rightAxis(p.plot), zoomed);
    QVERIFY(p.plot.axisEnabled(QwtPlot::yRight));
}

void tst_Plot::legendChecks_surviveTheNextLog()
{
    ShownPlot p;
    toggle(p.plot, LogData::SETPOINT);
    p.plot.setData(makeLog(morning().addDays(3), 30, 60000, roomValue));
    QVERIFY(!p.plot.curve(LogData::SETPOINT)->isVisible());
    QVERIFY(!legendLabel(p.plot, LogData::SETPOINT)->isChecked());
    QVERIFY(legendLabel(p.plot, LogData::TEMPERATURE)->isChecked());
    // also across a log that lacked the series
    LogData without = dayLog();
    without.present[LogData::SETPOINT] = false;
    p.plot.setData(without);
    p.plot.setData(dayLog());
    QVERIFY(!p.plot.curve(LogData::SETPOINT)->isVisible());
    QVERIFY(!legendLabel(p.plot, LogData::SETPOINT)->isChecked());
}

void tst_Plot::timeAxis_spansTheWholeLog()
{
    Plot plot;
    const LogData day = dayLog();
    plot.setData(day);
    QCOMPARE(plot.axisScaleDiv(QwtPlot::xBottom).lowerBound(), day.firstTime);
    QCOMPARE(plot.axisScaleDiv(QwtPlot::xBottom).upperBound(), day.lastTime);
    QVERIFY(!plot.isXZoomed());

    // one sample spans one interval, in its middle
    const LogData one = makeLog(morning(), 1, 600000, roomValue);
    plot.setData(one);
    QCOMPARE(plot.axisScaleDiv(QwtPlot::xBottom).lowerBound(), one.firstTime - 300000);
    QCOMPARE(plot.axisScaleDiv(QwtPlot::xBottom).upperBound(), one.firstTime + 300000);

    // a file listing the newest row first still shows all of it, forwards
    LogData reversed = day;
    for (auto& series : reversed.series)
        std::reverse(series.begin(), series.end());
    std::swap(reversed.firstTime, reversed.lastTime);
    reversed.interval = -reversed.interval;
    plot.setData(reversed);
    QCOMPARE(plot.axisScaleDiv(QwtPlot::xBottom).lowerBound(), day.firstTime);
    QCOMPARE(plot.axisScaleDiv(QwtPlot::xBottom).upperBound(), day.lastTime);
}

void tst_Plot::hourLabels_showDatesOnlyForLogsOverDays()
{
    Plot plot;
    const auto hourFormat = [&] {
        auto* draw = static_cast<const QwtDateScaleDraw*>(plot.axisScaleDraw(QwtPlot::xBottom));
        return draw->dateFormat(QwtDate::Hour);
    };
    plot.setData(dayLog());
    QCOMPARE(hourFormat(), QStringLiteral("hh:mm"));
    plot.setData(makeLog(morning(), 40, 3600000, roomValue));
    QCOMPARE(hourFormat(), QStringLiteral("    hh:mm\ndd.MM.yyyy"));
    // the labels drawn follow at once, also for the same time range
    const QwtScaleDiv div = plot.axisScaleDiv(QwtPlot::xBottom);
    const double tick = div.ticks(QwtScaleDiv::MajorTick).value(1);
    QVERIFY(plot.axisScaleDraw(QwtPlot::xBottom)->label(tick).text().contains(QLatin1Char('\n')));
}

void tst_Plot::dateRangeText_namesOneOrTwoDays_data()
{
    QTest::addColumn<QString>("locale"); // the program's language, as its start sets it
    QTest::addColumn<QString>("oneDay");
    QTest::addColumn<QString>("twoDays");
    QTest::newRow("en") << "en_CH"
                        << "Friday, 5 March 2021"
                        << "Friday, 5 March 2021 - Saturday, 6 March 2021";
    QTest::newRow("de") << "de_CH"
                        << "Freitag, 5. März 2021"
                        << "Freitag, 5. März 2021 - Samstag, 6. März 2021";
    QTest::newRow("fr") << "fr_CH"
                        << "vendredi, 5 mars 2021"
                        << "vendredi, 5 mars 2021 - samedi, 6 mars 2021";
}

void tst_Plot::dateRangeText_namesOneOrTwoDays()
{
    QFETCH(QString, locale);
    QFETCH(QString, oneDay);
    QFETCH(QString, twoDays);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    Plot plot;
    plot.setData(dayLog());
    const QString one = plot.dateRangeText();
    plot.setData(makeLog(morning(), 40, 3600000, roomValue));
    const QString two = plot.dateRangeText();
    plot.setData(LogData());
    const QString none = plot.dateRangeText();
    QLocale::setDefault(before);
    QCOMPARE(one, oneDay);
    QCOMPARE(two, twoDays);
    QCOMPARE(none, QString()); // no sample, no day
}

void tst_Plot::newestFirst_headingAndDaysGoByEarliestAndLatest()
{
    const auto newestFirst = [](LogData log) {
        for (auto& series : log.series)
            std::reverse(series.begin(), series.end());
        std::swap(log.firstTime, log.lastTime); // as the file reader has them
        return log;
    };
    Plot plot;
    const QLocale locale;
    plot.setData(newestFirst(makeLog(morning(), 40, 3600000, roomValue)));
    QCOMPARE(
        plot.dateRangeText(),
        QStringLiteral("%1 - %2").arg(locale.toString(QDate(2021, 3, 5), QLocale::LongFormat),
                                      locale.toString(QDate(2021, 3, 6), QLocale::LongFormat)));
    // a file whose first row is not its earliest: the days are those of the samples
    LogData shuffled = makeLog(morning(), 3, 3600000, roomValue);
    std::swap(shuffled.series[0][0], shuffled.series[0][1]);
    shuffled.firstTime = shuffled.series[0][0].x();
    shuffled.lastTime = shuffled.series[0][2].x();
    shuffled.series[0][2].setX(QwtDate::toDouble(morning().addDays(2)));
    plot.setData(shuffled);
    QVERIFY(plot.dateRangeText().endsWith(locale.toString(QDate(2021, 3, 7), QLocale::LongFormat)));
    const auto hourFormat = [&] {
        auto* draw = static_cast<const QwtDateScaleDraw*>(plot.axisScaleDraw(QwtPlot::xBottom));
        return draw->dateFormat(QwtDate::Hour);
    };
    QCOMPARE(hourFormat(), QStringLiteral("    hh:mm\ndd.MM.yyyy"));
    plot.setData(newestFirst(dayLog()));
    QCOMPARE(hourFormat(), QStringLiteral("hh:mm"));
    QVERIFY(!plot.dateRangeText().contains(QStringLiteral(" - ")));
}

void tst_Plot::longLogs_labelTicksWithDates_data()
{
    QTest::addColumn<int>("days");
    QTest::newRow("two months") << 60;
    QTest::newRow("a year") << 400;
    QTest::newRow("four years") << 1500;
}

void tst_Plot::longLogs_labelTicksWithDates()
{
    QFETCH(int, days);
    ShownPlot p(makeLog(morning(), days, 86400000, roomValue)); // a sample a day
    const QwtScaleDraw* draw = p.plot.axisScaleDraw(QwtPlot::xBottom);
    const QList<double> ticks = p.plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick);
    QVERIFY(ticks.size() >= 3);
    QStringList labels;
    for (double tick : ticks)
        labels << draw->label(tick).text();
    QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size()); // all differ
    for (const QString& label : labels)
        QVERIFY2(
            label.contains(QRegularExpression(QStringLiteral("^(\\d\\d\\.)+(\\d{4})?$|^\\d{4}$"))),
            qPrintable(labels.join(QLatin1Char(' '))));
}

void tst_Plot::hostileLogs_drawWithoutFault()
{
    ShownPlot p;
    LogData log = dayLog();
    log.series[LogData::TEMPERATURE].resize(7); // series of different lengths
    log.series[LogData::TRIAC].clear();
    log.series[LogData::SETPOINT][3].setY(qQNaN());
    log.series[LogData::SETPOINT][4].setY(-qInf());
    log.interval = 1e300;
    p.plot.setData(log);
    p.plot.grab();
    const auto axis = rightAxis(p.plot);
    QVERIFY(std::isfinite(axis.first) && std::isfinite(axis.second));
    p.hover(QPoint(300, 100));

    LogData nothing_finite = dayLog();
    for (auto& series : nothing_finite.series) {
        for (QPointF& point : series)
            point.setY(qQNaN());
    }
    nothing_finite.firstTime = qInf();
    nothing_finite.interval = qQNaN();
    p.plot.setData(nothing_finite);
    p.plot.grab();
    QCOMPARE(rightAxis(p.plot), qMakePair(0.0, 5.0));
    p.hover(QPoint(300, 100));
    QVERIFY(std::isfinite(p.plot.axisScaleDiv(QwtPlot::xBottom).upperBound()));
}

void tst_Plot::clear_removesCurvesAndLog()
{
    ShownPlot p;
    p.plot.clear();
    QCOMPARE(p.plot.log().count(), 0);
    QCOMPARE(curves(p.plot).size(), 1);
    QCOMPARE(p.plot.curve(0)->data()->sample(0), QPointF(0, 0));
    p.plot.clear(false);
    p.plot.setData(dayLog());
    p.plot.clear(false); // curves stay, with nothing to draw
    QCOMPARE(curves(p.plot).size(), 3);
    p.plot.grab();
}

void tst_Plot::emptyLog_saysSoInsteadOfATimeAxis()
{
    ShownPlot p;
    LogData empty;
    empty.present = { { true, true, true } };
    p.plot.setData(empty);
    QVERIFY(!p.plot.axisEnabled(QwtPlot::xBottom)); // no 1 January 1970
    QVERIFY(!p.plot.axisEnabled(QwtPlot::yRight));
    const QList<QwtPlotItem*> texts = p.plot.itemList(QwtPlotItem::Rtti_PlotTextLabel);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(static_cast<QwtPlotTextLabel*>(texts.first())->text().text(),
             QStringLiteral("This log holds no samples"));
    QCOMPARE(p.plot.dateRangeText(), QString());
    p.plot.setData(dayLog());
    QVERIFY(p.plot.axisEnabled(QwtPlot::xBottom));
    QVERIFY(p.plot.itemList(QwtPlotItem::Rtti_PlotTextLabel).isEmpty());
}

// A lone sample has no line to be drawn along: it shows as a dot in the middle of the canvas.
void tst_Plot::singleSample_isADotInTheMiddle()
{
    LogData one = makeLog(morning(), 5, 600000, roomValue);
    for (auto& series : one.series) { // the middle sample stands alone among values that are none
        for (int i : { 0, 1, 3, 4 })
            series[i].setY(qQNaN());
    }
    ShownPlot p(makeLog(morning(), 1, 600000, roomValue));
    const QRect canvas = p.canvas()->geometry();
    QImage image(p.plot.size(), QImage::Format_ARGB32);
    p.plot.render(&image, QRectF(QPointF(0, 0), QSizeF(image.size())));
    const QColor setpoint = p.plot.curve(LogData::SETPOINT)->pen().color();
    const int x = canvas.left() + p.xOf(p.plot.log().time(0));
    QCOMPARE(x - canvas.left(), canvas.width() / 2);
    const QRect around(x - 8, canvas.top(), 16, canvas.height());
    QVERIFY2(pixelsNear(image, around, setpoint) >= 12,
             qPrintable(QString::number(pixelsNear(image, around, setpoint))));

    p.plot.setData(one);
    p.plot.render(&image, QRectF(QPointF(0, 0), QSizeF(image.size())));
    const int middle = canvas.left() + p.xOf(one.series[0][2].x());
    QVERIFY(pixelsNear(image, QRect(middle - 8, canvas.top(), 16, canvas.height()), setpoint)
            >= 12);
}

void tst_Plot::render_drawsTheThreeCurves()
{
    ShownPlot p;
    // wider than the plot: the uniform scale leaves a white strip on the right
    QImage image(1000, 500, QImage::Format_ARGB32);
    image.fill(Qt::black);
    p.plot.render(&image, QRectF(0, 0, 1000, 500));
    QCOMPARE(image.pixelColor(950, 250), QColor(Qt::white));
    const QRect canvas = p.canvas()->geometry();
    for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
        const QColor colour = p.plot.curve(s)->pen().color();
        QVERIFY2(pixelsNear(image, canvas, colour) > 200, qPrintable(colour.name()));
    }
    // the legend's check states are back as they were
    QVERIFY(legendLabel(p.plot, LogData::SETPOINT)->isChecked());

    // a log set a moment ago renders as it will once the event loop has laid everything out
    Plot fresh;
    fresh.resize(800, 500);
    fresh.show();
    QApplication::processEvents();
    fresh.setData(dayLog());
    fresh.setData(dayLog()); // the legend entries of the first are not even deleted yet
    QImage at_once(fresh.size(), QImage::Format_ARGB32);
    fresh.render(&at_once, QRectF(0, 0, 800, 500));
    QApplication::processEvents();
    QImage settled(fresh.size(), QImage::Format_ARGB32);
    fresh.render(&settled, QRectF(0, 0, 800, 500));
    QCOMPARE(at_once, settled);

    // scaled into half the size, still all three
    QImage half(p.plot.size() / 2, QImage::Format_ARGB32);
    p.plot.render(&half, QRectF(QPointF(0, 0), QSizeF(half.size())));
    const QRect small(canvas.topLeft() / 2, canvas.size() / 2);
    for (int s = 0; s < LogData::SERIES_COUNT; ++s)
        QVERIFY(pixelsNear(half, small, p.plot.curve(s)->pen().color()) > 50);
}

void tst_Plot::copyToClipboard_putsThePlotImageThere()
{
    ShownPlot p;
    QTest::ignoreMessage(
        QtDebugMsg,
        QRegularExpression(QStringLiteral("^screen: 0, ratio: 1\\.0+, logical DPI: "
                                          "[0-9.]+, physical DPI: [0-9.]+, width: "
                                          "800, height: 500$")));
    QVERIFY(QMetaObject::invokeMethod(&p.plot, "copyToClipboard"));
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(800, 500));
    QVERIFY(pixelsNear(copied, p.canvas()->geometry(), QColor(234, 71, 62)) > 200);
}

void tst_Plot::dialog_titlesAndHeading()
{
    PlotDlg dialog;
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.size(), QSize(814, 560));
    QCOMPARE(dialog.objectName(), QStringLiteral("PlotDlg"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("m_title"))->font().pointSize(), 14);

    dialog.showLog(2, QStringLiteral("Kitchen"), dayLog());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Actuator 3 - Kitchen"));
    QCOMPARE(dialog.heading(), dialog.plot()->dateRangeText());
    QCOMPARE(dialog.plot()->log().count(), 200);

    dialog.close();
    dialog.showLog(2, QString(), makeLog(morning(), 40, 3600000, roomValue));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Actuator 3"));
    QVERIFY(dialog.heading().contains(QStringLiteral(" - ")));

    dialog.showLog(-1, QStringLiteral("/home/me/logs/actuator_3_desk.csv"), dayLog());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("/home/me/logs/actuator_3_desk.csv"));
}

QTEST_MAIN(tst_Plot)
#include "tst_plot.moc"
