#pragma once

#include "logdata/LogData.h"

#include <qwt_plot.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

class PlotLabelManager;
class PlotZoomer;
class QwtDateScaleDraw;
class QwtPlotCurve;
class ScalingPointData;

// One actuator's log: setpoint and temperature against the right axis, the TRIAC state
// against the left one (it occupies the bottom tenth), local time along the bottom. The legend
// switches curves on and off; a drag zooms; the mouse reads values off the curves.
class Plot : public QwtPlot
{
    Q_OBJECT

public:
    // Most points a curve draws; longer logs are thinned.
    static constexpr int MAX_CURVE_POINTS = 10000;

    explicit Plot(QWidget* parent = nullptr);
    ~Plot() override;

    // The weekday and date of the first sample, and those of the last when they differ.
    QString dateRangeText() const;
    // Paints the plot, as printed (no pressed legend entries, no title), scaled into rect.
    void render(QPaintDevice* device, const QRectF& rect);

    const LogData& log() const { return m_log; }
    QwtPlotCurve* curve(int series) const { return m_curves.at(size_t(series)); }
    PlotZoomer* zoomer(int i) const { return m_zoomers.at(size_t(i)); }
    PlotLabelManager* labelManager() const { return m_labelManager; }
    // The user has zoomed the time axis away from the whole log.
    bool isXZoomed() const;

public slots:
    void clear(bool remove_curves);
    void clear();
    void setData(LogData data);
    void updatePlot();
    void autoScale();

private slots:
    void legendChecked(const QVariant& itemInfo, bool on);
    void copyToClipboard();

private:
    // The smallest and largest of the finite numbers seen (low > high: none).
    struct Range
    {
        double low = std::numeric_limits<double>::max();
        double high = std::numeric_limits<double>::lowest();
        void include(double v, double limit)
        {
            if (std::fabs(v) <= limit) { // false for NaN
                low = std::min(low, v);
                high = std::max(high, v);
            }
        }
        bool isEmpty() const { return low > high; }
    };

    void measureLog();
    void updateYAxes();
    void setCurveChecked(QwtPlotCurve* curve, bool on);

    std::array<ScalingPointData*, LogData::SERIES_COUNT> m_pointSources {}; // owned by curves
    std::array<QwtPlotCurve*, LogData::SERIES_COUNT> m_curves {};
    QwtPlotCurve* m_placeholder = nullptr; // holds the legend's place while nothing is shown
    LogData m_log;
    // Found once per log: the axes are fitted at every legend click.
    std::array<Range, LogData::SERIES_COUNT> m_values;
    Range m_times;
    std::array<bool, LogData::SERIES_COUNT> m_checked { { true, true, true } };
    double m_fullRangeStart = 0;
    double m_fullRangeEnd = -1.0;
    QwtDateScaleDraw* m_dateScaleDraw = nullptr;
    std::array<PlotZoomer*, 2> m_zoomers {};
    PlotLabelManager* m_labelManager = nullptr;
};
