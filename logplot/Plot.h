#pragma once

#include "logdata/LogData.h"
#include "logplot/ScalingPointData.h"

#include <qwt_plot.h>

#include <array>

class PlotLabelManager;
class PlotMagnifier;
class PlotPanner;
class PlotZoomer;
class QwtPlotTextLabel;
class QwtDateScaleDraw;
class QwtPlotCurve;

// One actuator's log: setpoint and temperature against the right axis, the TRIAC state
// against the left one (it occupies the bottom tenth), local time along the bottom. The legend
// switches curves on and off; a drag zooms, the wheel zooms around the pointer, a middle drag
// or the arrow keys pan, Home shows the whole log; the mouse reads values off the curves.
class Plot : public QwtPlot
{
    Q_OBJECT

public:
    // The narrowest time range the wheel and the keys zoom to (ms).
    static constexpr double MINIMUM_SPAN = 1000;

    explicit Plot(QWidget* parent = nullptr);
    ~Plot() override;

    // The weekday and date of the first sample, and those of the last when they differ.
    QString dateRangeText() const;
    // Paints the plot, as printed (no pressed legend entries, no title), scaled into rect.
    void render(QPaintDevice* device, const QRectF& rect);

    const LogData& log() const { return m_log; }
    QwtPlotCurve* curve(int series) const { return m_curves.at(size_t(series)); }
    PlotZoomer* zoomer(int i) const { return m_zoomers.at(size_t(i)); }
    PlotPanner* panner() const { return m_panner; }
    PlotMagnifier* magnifier() const { return m_magnifier; }
    PlotLabelManager* labelManager() const { return m_labelManager; }
    // The user has zoomed the time axis away from the whole log.
    bool isXZoomed() const;
    // The log has at least one sample; without one the canvas says so instead of a time axis.
    bool hasSamples() const;

public slots:
    // Also lays the hover read-out out anew on the new scales.
    void replot() override;
    void clear(bool remove_curves);
    void clear();
    void setData(LogData data);
    void updatePlot();
    void autoScale();

private slots:
    void legendChecked(const QVariant& itemInfo, bool on);
    void copyToClipboard();

private:
    // Back to the empty log; the curves stay as they are.
    void forgetLog();
    void measureLog();
    // The earliest and the latest time of the log: what the time axis spans.
    double startTime() const;
    double endTime() const;
    void updateYAxes();
    void setCurveChecked(QwtPlotCurve* curve, bool on);

    std::array<ScalingPointData*, LogData::SERIES_COUNT> m_pointSources {}; // owned by curves
    std::array<QwtPlotCurve*, LogData::SERIES_COUNT> m_curves {};
    QwtPlotCurve* m_placeholder = nullptr; // holds the legend's place while nothing is shown
    LogData m_log;
    // Found once per log: the axes are fitted at every legend click.
    std::array<ScalingPointData::Range, LogData::SERIES_COUNT> m_values;
    ScalingPointData::Range m_times;
    std::array<bool, LogData::SERIES_COUNT> m_checked { { true, true, true } };
    double m_fullRangeStart = 0;
    double m_fullRangeEnd = -1.0;
    QwtDateScaleDraw* m_dateScaleDraw = nullptr;
    std::array<PlotZoomer*, 2> m_zoomers {};
    PlotPanner* m_panner = nullptr;
    PlotMagnifier* m_magnifier = nullptr;
    QwtPlotTextLabel* m_emptyText = nullptr; // attached while the log has no sample
    PlotLabelManager* m_labelManager = nullptr;
};
