#pragma once

#include "logdata/LogData.h"

#include <qwt_plot.h>

#include <QPointF>
#include <QStringList>
#include <QVector>

#include <array>

class LogDateScaleDraw;
class PlotLabelManager;
class PlotMagnifier;
class PlotPanner;
class PlotZoomer;
class QwtPlotCurve;
class ScalingPointData;

// The live trend of one box: for each of its eight actuators the effective setpoint (dashed)
// and the temperature against the right axis and the TRIAC state against the left one (in the
// bottom tenth), one colour per actuator. The legend switches actuators and series on and off.
// It follows the newest values, showing the last ten minutes, until the user pauses it or
// looks elsewhere (a drag, the wheel, panning or Home, as in the log plot); following again
// shows the last ten minutes. The mouse reads values off the curves.
class TrendPlot : public QwtPlot
{
    Q_OBJECT

public:
    static constexpr int ACTUATORS = 8;
    static constexpr int CURVES = ACTUATORS * LogData::SERIES_COUNT;
    // What the plot shows while following, and the most it keeps (ms).
    static constexpr double WINDOW = 10 * 60 * 1000.0;
    static constexpr double KEPT = 24 * 3600 * 1000.0;

    using Values = std::array<float, CURVES>;
    using Series = std::array<QVector<QPointF>, CURVES>;

    explicit TrendPlot(QWidget* parent = nullptr);
    ~TrendPlot() override;

    // The curve of an actuator's series (LogData::Series): curve actuator × 3 + series.
    static constexpr int curveIndex(int actuator, int series)
    {
        return actuator * LogData::SERIES_COUNT + series;
    }

    // The legend's names of the actuators ("Actuator 1" … by default).
    void setActuatorNames(const QStringList& names);
    // Replaces the trend: one series per curve, all of the same times in ascending order; a
    // point whose values are no numbers is a gap.
    void setSeries(Series series);
    // Adds a point at `time` (ms since 1970 UTC) to every curve.
    void appendPoint(double time, const Values& values);
    const QVector<QPointF>& series(int curve) const { return m_series.at(size_t(curve)); }

    bool isFollowing() const { return m_following; }
    bool isActuatorShown(int actuator) const { return m_actuatorShown.at(size_t(actuator)); }
    bool isSeriesShown(int series) const { return m_seriesShown.at(size_t(series)); }
    // As a click on their legend entries.
    void setActuatorShown(int actuator, bool on);
    void setSeriesShown(int series, bool on);

    QwtPlotCurve* curve(int index) const { return m_curves.at(size_t(index)); }
    PlotZoomer* zoomer(int i) const { return m_zoomers.at(size_t(i)); }
    PlotLabelManager* labelManager() const { return m_labelManager; }

public slots:
    // Shows the last ten minutes from now on; off keeps the view where it is (paused).
    void setFollowing(bool on);
    void replot() override;

signals:
    void followingChanged(bool on);

private slots:
    void legendChecked(const QVariant& item_info, bool on);
    void onZoomed();

private:
    void updateVisibility();
    // Measures the curves anew whose series changed; those hidden when they are next shown.
    void refreshSources();
    void showLatest();
    void extendZoomBase(double time);
    void updateYAxes();
    void setLegendChecked(QwtPlotItem* item, bool on);
    double firstTime() const;
    double lastTime() const;

    Series m_series;
    std::array<ScalingPointData*, CURVES> m_sources {}; // owned by the curves
    std::array<QwtPlotCurve*, CURVES> m_curves {};
    std::array<bool, CURVES> m_stale {};
    // Legend entries only: they switch the curves.
    std::array<QwtPlotCurve*, ACTUATORS> m_actuatorItems {};
    std::array<QwtPlotCurve*, LogData::SERIES_COUNT> m_seriesItems {};
    std::array<bool, ACTUATORS> m_actuatorShown {};
    std::array<bool, LogData::SERIES_COUNT> m_seriesShown {};
    bool m_following = true;
    bool m_settingView = false; // the zoom comes from the plot, not from the user
    LogDateScaleDraw* m_dateScaleDraw = nullptr;
    std::array<PlotZoomer*, 2> m_zoomers {};
    PlotPanner* m_panner = nullptr;
    PlotMagnifier* m_magnifier = nullptr;
    PlotLabelManager* m_labelManager = nullptr;
};
