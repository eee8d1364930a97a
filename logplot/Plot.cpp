#include "logplot/Plot.h"

#include "logplot/LogCurve.h"
#include "logplot/LogDateScaleDraw.h"
#include "logplot/PlotLabelManager.h"
#include "logplot/PlotMagnifier.h"
#include "logplot/PlotNavigation.h"
#include "logplot/PlotPanner.h"
#include "logplot/PlotZoomer.h"

#include <qwt_date.h>
#include <qwt_date_scale_draw.h>
#include <qwt_date_scale_engine.h>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_textlabel.h>
#include <qwt_scale_div.h>

#include <QAbstractScrollArea>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace {

constexpr double TEN_MINUTES = 600000;

struct CurveStyle
{
    const char* title;
    QColor colour;
    int yAxis;
    double z;
};

// Dates and scales stay within the times a log can sensibly have.
constexpr double TIME_LIMIT = ScalingPointData::TIME_LIMIT;

QDate localDate(double time)
{
    if (!(std::fabs(time) <= TIME_LIMIT))
        return QDate();
    return QwtDate::toDateTime(time, Qt::LocalTime).date();
}

// Axis labels stay readable whatever a file claims; beyond this nobody reads a temperature.
double bounded(double v)
{
    return std::clamp(v, -1e9, 1e9);
}

} // namespace

Plot::Plot(QWidget* parent)
    : QwtPlot(parent)
{
    const PlotNavigation navigation = PlotNavigation::attach(this, MINIMUM_SPAN);
    m_zoomers = navigation.zoomers;
    m_panner = navigation.panner;
    m_magnifier = navigation.magnifier;

    setAutoReplot(false);

    auto* legend = new QwtLegend(this);
    legend->setDefaultItemMode(QwtLegendData::Checkable);
    if (auto* view = legend->findChild<QAbstractScrollArea*>()) {
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    insertLegend(legend, QwtPlot::RightLegend, -1.0);
    connect(legend, &QwtLegend::checked, this, &Plot::legendChecked);

    setAxisScale(yLeft, -0.1, 10.0);
    setAxisTitle(yLeft, QwtText(tr("Triac")));
    enableAxis(yLeft, false);
    setAxisScale(yRight, 0, 100);
    setAxisTitle(yRight, QwtText(tr("Temperature [°C]")));
    enableAxis(yRight, false);
    setAxisTitle(xBottom, QwtText(tr("Time")));
    m_dateScaleDraw = new LogDateScaleDraw;
    setAxisScaleDraw(xBottom, m_dateScaleDraw);
    setAxisScaleEngine(xBottom, new QwtDateScaleEngine(Qt::LocalTime));

    const CurveStyle styles[LogData::SERIES_COUNT] = {
        { QT_TR_NOOP("Setpoint"), QColor(234, 71, 62), yRight, 3 },
        { QT_TR_NOOP("Temperature"), QColor(47, 194, 105), yRight, 2 },
        { QT_TR_NOOP("Triac"), QColor(32, 142, 226), yLeft, 1 },
    };
    for (int i = 0; i < LogData::SERIES_COUNT; ++i) {
        QwtText title(tr(styles[i].title));
        title.setColor(QColor(139, 139, 139));
        auto* curve = new LogCurve(title);
        curve->setPen(QPen(QBrush(styles[i].colour, Qt::SolidPattern), 2.0, Qt::SolidLine,
                           Qt::SquareCap, Qt::BevelJoin));
        curve->setAxes(xBottom, styles[i].yAxis);
        curve->setZ(styles[i].z);
        curve->setRenderHint(QwtPlotItem::RenderAntialiased, true);
        curve->setLegendAttribute(QwtPlotCurve::LegendShowLine, true);
        m_pointSources[size_t(i)] = new ScalingPointData;
        curve->setData(m_pointSources[size_t(i)]);
        m_curves[size_t(i)] = curve;
    }

    m_placeholder = new QwtPlotCurve(QwtText());
    m_placeholder->setLegendAttribute(QwtPlotCurve::LegendShowSymbol, true);
    m_placeholder->setLegendAttribute(QwtPlotCurve::LegendShowLine, true);
    m_placeholder->attach(this);

    m_emptyText = new QwtPlotTextLabel;
    QwtText empty(tr("This log holds no samples"));
    empty.setColor(QColor(139, 139, 139));
    m_emptyText->setText(empty);

    plotLayout()->setLegendPosition(QwtPlot::TopLegend);
    legend->setMaxColumns(0); // one row across the top

    setAxisMaxMinor(yRight, 0);
    setAxisMaxMinor(xBottom, 0);
    setAxisMaxMinor(yLeft, 0);
    setAxisMaxMajor(yLeft, 0);

    m_labelManager = new PlotLabelManager(this, m_pointSources.data(), m_curves.data());
}

Plot::~Plot()
{
    // The label manager filters the canvas's events; it must not see those of its teardown.
    delete m_labelManager;
    // The curves are items of the plot only while attached; the others are ours to delete.
    for (QwtPlotCurve* curve : m_curves) {
        if (curve->plot() != this)
            delete curve;
    }
    if (m_placeholder->plot() != this)
        delete m_placeholder;
    if (m_emptyText->plot() != this)
        delete m_emptyText;
}

void Plot::clear(bool remove_curves)
{
    forgetLog();
    m_labelManager->clear();
    if (remove_curves) {
        for (QwtPlotCurve* curve : m_curves)
            curve->detach();
        m_placeholder->attach(this);
    }
    replot();
}

void Plot::forgetLog()
{
    m_log = LogData();
    setTitle(QString());
    for (ScalingPointData* source : m_pointSources)
        source->setSamples(nullptr);
    measureLog();
}

void Plot::clear()
{
    clear(true);
}

void Plot::setData(LogData data)
{
    // As after clear(): but the curves of series this log has too stay attached, since their
    // legend entries would only be made anew.
    forgetLog();
    m_log.series = data.series;
    m_log.present = data.present;
    m_log.firstTime = data.firstTime;
    m_log.lastTime = data.lastTime;
    m_log.interval = data.interval;

    bool any_present = false;
    for (size_t i = 0; i < m_curves.size(); ++i) {
        QwtPlotCurve* curve = m_curves[i];
        if (m_log.present[i]) {
            m_pointSources[i]->setSamples(&m_log.series[i]);
            if (curve->plot() != this) {
                curve->attach(this);
                setCurveChecked(curve, m_checked[i]);
            }
            any_present = true;
        } else {
            curve->detach();
        }
    }
    if (any_present)
        m_placeholder->detach();
    else if (m_placeholder->plot() != this)
        m_placeholder->attach(this);
    measureLog();

    // A file need not list its rows in time order: days and heading go by the earliest and
    // the latest sample, as the time axis does.
    const bool one_day = localDate(startTime()) == localDate(endTime());
    m_labelManager->setShowDate(!one_day);
    static_cast<LogDateScaleDraw*>(m_dateScaleDraw)
        ->setHourFormat(one_day ? LogDateScaleDraw::TIME_FORMAT : LogDateScaleDraw::DAY_FORMAT);

    // A log without a single sample has no time to show: the canvas says so instead.
    const bool empty = !hasSamples();
    enableAxis(xBottom, !empty);
    if (empty)
        m_emptyText->attach(this);
    else
        m_emptyText->detach();
    // What the mouse read off the last log is no value of this one.
    m_labelManager->clear();

    autoScale();
    updateYAxes();
    for (PlotZoomer* zoomer : m_zoomers)
        zoomer->setZoomBase(false);
    replot();
}

void Plot::updatePlot()
{
    updateYAxes();
    replot();
}

void Plot::replot()
{
    QwtPlot::replot();
    if (m_labelManager)
        m_labelManager->refresh();
}

void Plot::measureLog()
{
    m_times = ScalingPointData::Range();
    m_values.fill(ScalingPointData::Range());
    m_times.include(m_log.firstTime, TIME_LIMIT);
    m_times.include(m_log.lastTime, TIME_LIMIT);
    // The point sources measured their series; the times come from the first that has samples.
    bool times_done = false;
    for (size_t s = 0; s < m_values.size(); ++s) {
        if (!m_log.present[s])
            continue;
        const ScalingPointData* source = m_pointSources[s];
        m_values[s] = source->values();
        if (!times_done && !m_log.series[s].isEmpty()) {
            m_times.include(source->times().low, TIME_LIMIT);
            m_times.include(source->times().high, TIME_LIMIT);
            times_done = true;
        }
    }
}

double Plot::startTime() const
{
    return m_times.isEmpty() ? m_log.firstTime : m_times.low;
}

double Plot::endTime() const
{
    return m_times.isEmpty() ? m_log.lastTime : m_times.high;
}

void Plot::autoScale()
{
    // The rows of a file need not be in time order: span the earliest to the latest sample.
    double start = m_times.isEmpty() ? 0 : m_times.low;
    double end = m_times.isEmpty() ? 0 : m_times.high;
    // A log with one sample still spans one interval, with the sample in its middle.
    const double interval = m_log.interval;
    const double span = interval > 0 && interval <= TIME_LIMIT ? interval : TEN_MINUTES;
    if (start == end)
        start -= span / 2;
    end = std::max(end, start + span);
    setAxisScale(xBottom, start, end);
    m_fullRangeStart = start;
    m_fullRangeEnd = end;
}

void Plot::updateYAxes()
{
    const auto shown = [this](int s) {
        return m_log.present[size_t(s)] && m_curves[size_t(s)]->isVisible()
            && !m_log.series[size_t(s)].isEmpty();
    };
    const bool s = shown(LogData::SETPOINT);
    const bool t = shown(LogData::TEMPERATURE);
    const bool r = shown(LogData::TRIAC);
    enableAxis(yRight, s || t);
    enableAxis(yLeft, r);

    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (int series : { LogData::SETPOINT, LogData::TEMPERATURE }) {
        if (shown(series)) {
            low = std::min(low, m_values[size_t(series)].low);
            high = std::max(high, m_values[size_t(series)].high);
        }
    }
    if (low > high) { // nothing shown, or not a single finite value
        setAxisScale(yRight, 0, 5);
    } else {
        low = bounded(low);
        high = bounded(high);
        // Whole multiples of five around the values, with room above the highest.
        const double lower = std::trunc(std::trunc(low < 0 ? low - 5 : low) / 5) * 5;
        const double upper = std::trunc(std::trunc(high < 0 ? high : high + 5) / 5) * 5;
        setAxisScale(yRight, lower, upper);
    }

    // The TRIAC is off or on: ticks at 0 and 1 in the bottom tenth of the canvas.
    setAxisScaleDiv(yLeft, QwtScaleDiv(0, 10, QList<double>(), QList<double>(), { 0, 1 }));
    updateAxes();
}

bool Plot::hasSamples() const
{
    return std::any_of(m_log.series.begin(), m_log.series.end(),
                       [](const QVector<QPointF>& s) { return !s.isEmpty(); });
}

bool Plot::isXZoomed() const
{
    const QwtScaleDiv& div = axisScaleDiv(xBottom);
    return div.lowerBound() != m_fullRangeStart || div.upperBound() != m_fullRangeEnd;
}

void Plot::setCurveChecked(QwtPlotCurve* curve, bool on)
{
    curve->setVisible(on);
    const auto it = std::find(m_curves.begin(), m_curves.end(), curve);
    if (it != m_curves.end())
        m_checked[size_t(it - m_curves.begin())] = on;
    if (auto* legend = qobject_cast<QwtLegend*>(this->legend())) {
        const QList<QWidget*> widgets = legend->legendWidgets(itemToInfo(curve));
        if (widgets.size() == 1) {
            if (auto* label = qobject_cast<QwtLegendLabel*>(widgets.first()))
                label->setChecked(on);
        }
    }
}

void Plot::legendChecked(const QVariant& itemInfo, bool on)
{
    if (auto* curve = dynamic_cast<QwtPlotCurve*>(infoToItem(itemInfo)))
        setCurveChecked(curve, on);
    // The right axis follows the curves shown, but a zoomed view is left as the user made it.
    if (!isXZoomed())
        updateYAxes();
    replot();
}

QString Plot::dateRangeText() const
{
    // In the program's language (QLocale's default), weekday and month names included.
    const QLocale locale;
    const QDate first = localDate(startTime());
    const QDate last = localDate(endTime());
    if (!hasSamples() || !first.isValid())
        return QString(); // no sample: no day to name
    QString text = locale.toString(first, QLocale::LongFormat);
    if (last.isValid() && last != first)
        text += QStringLiteral(" - ") + locale.toString(last, QLocale::LongFormat);
    return text;
}
