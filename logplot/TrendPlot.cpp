#include "logplot/TrendPlot.h"

#include "logplot/LogCurve.h"
#include "logplot/LogDateScaleDraw.h"
#include "logplot/PlotLabelManager.h"
#include "logplot/PlotMagnifier.h"
#include "logplot/PlotNavigation.h"
#include "logplot/PlotPanner.h"
#include "logplot/PlotZoomer.h"
#include "logplot/ScalingPointData.h"

#include <qwt_date.h>
#include <qwt_date_scale_engine.h>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_layout.h>
#include <qwt_scale_div.h>

#include <QAbstractScrollArea>
#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace {

const QColor ACTUATOR_COLOURS[TrendPlot::ACTUATORS] = {
    QColor(234, 71, 62),  QColor(47, 194, 105), QColor(32, 142, 226), QColor(243, 156, 18),
    QColor(142, 68, 173), QColor(22, 160, 133), QColor(141, 110, 99), QColor(233, 30, 99),
};
const QColor GREY(139, 139, 139);

// The setpoint dashed, so that it is told from the temperature in the same colour.
QPen seriesPen(const QColor& colour, int series)
{
    return QPen(QBrush(colour, Qt::SolidPattern), 1.0,
                series == LogData::SETPOINT ? Qt::DashLine : Qt::SolidLine, Qt::SquareCap,
                Qt::BevelJoin);
}

// A legend entry that draws nothing: it switches curves.
QwtPlotCurve* legendItem(const QString& title, const QPen& pen, double z)
{
    QwtText text(title);
    text.setColor(GREY);
    auto* item = new QwtPlotCurve(text);
    item->setPen(pen);
    item->setLegendAttribute(QwtPlotCurve::LegendShowLine, true);
    item->setZ(z);
    return item;
}

} // namespace

TrendPlot::TrendPlot(QWidget* parent)
    : QwtPlot(parent)
{
    m_actuatorShown.fill(true);
    m_seriesShown.fill(true);
    // The log plot's moves, within the whole trend; zooming in stops at a second, one point.
    const PlotNavigation navigation = PlotNavigation::attach(this, 1000);
    m_zoomers = navigation.zoomers;
    m_panner = navigation.panner;
    m_magnifier = navigation.magnifier;
    // Whatever moves the view away from the newest values pauses the following.
    connect(m_zoomers[0], &QwtPlotZoomer::zoomed, this, &TrendPlot::onZoomed);

    setAutoReplot(false);

    auto* legend = new QwtLegend(this);
    legend->setDefaultItemMode(QwtLegendData::Checkable);
    if (auto* view = legend->findChild<QAbstractScrollArea*>())
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    insertLegend(legend, QwtPlot::TopLegend, -1.0);
    legend->setMaxColumns(0);
    connect(legend, &QwtLegend::checked, this, &TrendPlot::legendChecked);

    setAxisTitle(yLeft, QwtText(tr("Triac")));
    setAxisTitle(yRight, QwtText(tr("Temperature [°C]")));
    setAxisTitle(xBottom, QwtText(tr("Time")));
    m_dateScaleDraw = new LogDateScaleDraw;
    setAxisScaleDraw(xBottom, m_dateScaleDraw);
    setAxisScaleEngine(xBottom, new QwtDateScaleEngine(Qt::LocalTime));
    setAxisMaxMinor(yRight, 0);
    setAxisMaxMinor(xBottom, 0);
    setAxisMaxMinor(yLeft, 0);
    setAxisMaxMajor(yLeft, 0);

    for (int a = 0; a < ACTUATORS; ++a) {
        for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
            const int c = curveIndex(a, s);
            auto* curve = new LogCurve(QwtText());
            curve->setPen(seriesPen(ACTUATOR_COLOURS[a], s));
            curve->setAxes(xBottom, s == LogData::TRIAC ? yLeft : yRight);
            curve->setZ(3 - s);
            curve->setRenderHint(QwtPlotItem::RenderAntialiased, true);
            curve->setItemAttribute(QwtPlotItem::Legend, false);
            m_sources[size_t(c)] = new ScalingPointData;
            curve->setData(m_sources[size_t(c)]);
            curve->attach(this);
            m_curves[size_t(c)] = curve;
        }
        m_actuatorItems[size_t(a)]
            = legendItem(tr("Actuator %1").arg(a + 1),
                         seriesPen(ACTUATOR_COLOURS[a], LogData::TEMPERATURE), 100 + a);
        m_actuatorItems[size_t(a)]->attach(this);
    }
    const char* const titles[LogData::SERIES_COUNT]
        = { QT_TR_NOOP("Setpoint"), QT_TR_NOOP("Temperature"), QT_TR_NOOP("Triac") };
    for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
        m_seriesItems[size_t(s)] = legendItem(tr(titles[s]), seriesPen(GREY, s), 200 + s);
        m_seriesItems[size_t(s)]->attach(this);
    }
    for (QwtPlotCurve* item : m_actuatorItems)
        setLegendChecked(item, true);
    for (QwtPlotCurve* item : m_seriesItems)
        setLegendChecked(item, true);

    m_labelManager = new PlotLabelManager(this, m_sources.data(), m_curves.data(), CURVES);
    showLatest();
}

TrendPlot::~TrendPlot()
{
    // The label manager filters the canvas's events; it must not see those of its teardown.
    delete m_labelManager;
}

void TrendPlot::setActuatorNames(const QStringList& names)
{
    for (int a = 0; a < ACTUATORS; ++a) {
        QwtText title(names.value(a).isEmpty() ? tr("Actuator %1").arg(a + 1) : names.value(a));
        title.setColor(GREY);
        m_actuatorItems[size_t(a)]->setTitle(title);
    }
}

double TrendPlot::firstTime() const
{
    return m_series[0].isEmpty() ? 0 : m_series[0].first().x();
}

double TrendPlot::lastTime() const
{
    return m_series[0].isEmpty() ? 0 : m_series[0].last().x();
}

void TrendPlot::setSeries(Series series)
{
    m_series = std::move(series);
    m_stale.fill(true);
    refreshSources();
    m_labelManager->clear();
    // Another box's trend: its newest values.
    if (!m_following) {
        m_following = true;
        emit followingChanged(true);
    }
    showLatest();
    replot();
}

void TrendPlot::appendPoint(double time, const Values& values)
{
    for (int c = 0; c < CURVES; ++c)
        m_series[size_t(c)].append(QPointF(time, double(values[size_t(c)])));
    // The oldest go ten minutes' worth at a time: each removal moves the whole series.
    if (time - firstTime() > KEPT + WINDOW) {
        const QVector<QPointF>& times = m_series[0];
        const int old = int(std::lower_bound(times.begin(), times.end(), time - KEPT,
                                             [](const QPointF& p, double t) { return p.x() < t; })
                            - times.begin());
        for (QVector<QPointF>& s : m_series)
            s.remove(0, old);
    }
    m_stale.fill(true);
    refreshSources();
    if (m_following)
        showLatest();
    else
        extendZoomBase(time);
    replot();
}

void TrendPlot::extendZoomBase(double time)
{
    // Paused in a zoom: the view stays, but panning and zooming out reach the new points. The
    // whole trend shown (the base itself) stays as it is, as a pause promises.
    QStack<QRectF> stack = m_zoomers[0]->zoomStack();
    const int index = int(m_zoomers[0]->zoomRectIndex());
    if (index == 0 || stack.isEmpty() || stack[0].right() >= time)
        return;
    stack[0].setRight(time);
    m_settingView = true;
    m_zoomers[0]->setZoomStack(stack, index);
    m_settingView = false;
}

void TrendPlot::refreshSources()
{
    for (int c = 0; c < CURVES; ++c) {
        if (m_stale[size_t(c)] && m_curves[size_t(c)]->isVisible()) {
            m_sources[size_t(c)]->setSamples(&m_series[size_t(c)]);
            m_stale[size_t(c)] = false;
        }
    }
}

void TrendPlot::setFollowing(bool on)
{
    if (on == m_following)
        return;
    m_following = on;
    emit followingChanged(on);
    if (on) {
        showLatest();
        replot();
    }
}

void TrendPlot::onZoomed()
{
    if (!m_settingView)
        setFollowing(false);
}

void TrendPlot::showLatest()
{
    if (!m_following)
        return;
    m_settingView = true;
    const double end
        = m_series[0].isEmpty() ? double(QDateTime::currentMSecsSinceEpoch()) : lastTime();
    const double start = end - WINDOW;
    const double base_start = m_series[0].isEmpty() ? start : std::min(start, firstTime());
    const bool one_day = QwtDate::toDateTime(base_start, Qt::LocalTime).date()
        == QwtDate::toDateTime(end, Qt::LocalTime).date();
    m_dateScaleDraw->setHourFormat(one_day ? LogDateScaleDraw::TIME_FORMAT
                                           : LogDateScaleDraw::DAY_FORMAT);
    setAxisScale(xBottom, start, end);
    updateYAxes();
    // The whole trend is the zoom base, the last minutes one step in: a right click, Home
    // or the wheel show more of it.
    const QwtScaleDiv& left = axisScaleDiv(yLeft);
    m_zoomers[0]->setZoomBase(
        QRectF(base_start, left.lowerBound(), end - base_start, left.range()));
    m_zoomers[1]->setZoomBase(false);
    if (m_zoomers[0]->zoomRectIndex() == 1) {
        QStack<QRectF> stack = m_zoomers[1]->zoomStack();
        stack.push(stack.top());
        m_zoomers[1]->setZoomStack(stack, 1);
    }
    m_settingView = false;
}

void TrendPlot::updateYAxes()
{
    ScalingPointData::Range values;
    bool triac = false;
    for (int c = 0; c < CURVES; ++c) {
        if (!m_curves[size_t(c)]->isVisible())
            continue;
        if (c % LogData::SERIES_COUNT == LogData::TRIAC) {
            triac = true;
            continue;
        }
        const ScalingPointData::Range& r = m_sources[size_t(c)]->values();
        if (!r.isEmpty()) {
            values.low = std::min(values.low, r.low);
            values.high = std::max(values.high, r.high);
        }
    }
    enableAxis(yLeft, triac);
    enableAxis(yRight, !values.isEmpty());
    if (values.isEmpty()) {
        setAxisScale(yRight, 0, 5);
    } else {
        // Whole multiples of five around the values, with room above the highest, as the log
        // plot has them.
        const double low = std::clamp(values.low, -1e9, 1e9);
        const double high = std::clamp(values.high, -1e9, 1e9);
        const double lower = std::trunc(std::trunc(low < 0 ? low - 5 : low) / 5) * 5;
        const double upper = std::trunc(std::trunc(high < 0 ? high : high + 5) / 5) * 5;
        setAxisScale(yRight, lower, upper);
    }
    // The TRIAC is off or on: ticks at 0 and 1 in the bottom tenth of the canvas.
    setAxisScaleDiv(yLeft, QwtScaleDiv(0, 10, QList<double>(), QList<double>(), { 0, 1 }));
    updateAxes();
}

void TrendPlot::updateVisibility()
{
    for (int a = 0; a < ACTUATORS; ++a) {
        for (int s = 0; s < LogData::SERIES_COUNT; ++s)
            m_curves[size_t(curveIndex(a, s))]->setVisible(m_actuatorShown[size_t(a)]
                                                           && m_seriesShown[size_t(s)]);
    }
    refreshSources();
    if (m_following)
        showLatest();
    replot();
}

void TrendPlot::setActuatorShown(int actuator, bool on)
{
    m_actuatorShown.at(size_t(actuator)) = on;
    setLegendChecked(m_actuatorItems.at(size_t(actuator)), on);
    updateVisibility();
}

void TrendPlot::setSeriesShown(int series, bool on)
{
    m_seriesShown.at(size_t(series)) = on;
    setLegendChecked(m_seriesItems.at(size_t(series)), on);
    updateVisibility();
}

void TrendPlot::legendChecked(const QVariant& item_info, bool on)
{
    QwtPlotItem* item = infoToItem(item_info);
    for (int a = 0; a < ACTUATORS; ++a) {
        if (item == m_actuatorItems[size_t(a)])
            setActuatorShown(a, on);
    }
    for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
        if (item == m_seriesItems[size_t(s)])
            setSeriesShown(s, on);
    }
}

void TrendPlot::setLegendChecked(QwtPlotItem* item, bool on)
{
    if (auto* legend = qobject_cast<QwtLegend*>(this->legend())) {
        const QList<QWidget*> widgets = legend->legendWidgets(itemToInfo(item));
        if (widgets.size() == 1) {
            if (auto* label = qobject_cast<QwtLegendLabel*>(widgets.first()))
                label->setChecked(on);
        }
    }
}

void TrendPlot::replot()
{
    QwtPlot::replot();
    if (m_labelManager)
        m_labelManager->refresh();
}
