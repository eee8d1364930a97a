#pragma once

#include <QObject>
#include <QPoint>

class PlotLabel;
class PlotLabelOverlay;
class QwtPlot;
class QwtPlotCurve;
class ScalingPointData;

// Watches the mouse over the plot canvas, finds the sample nearest to it and has the label
// item show the values of the visible curves there. It never consumes an event, so the
// zoomers see every one.
class PlotLabelManager : public QObject
{
    Q_OBJECT

public:
    // `count` curves, of the log's series in turn (setpoint, temperature, TRIAC, then again
    // for the next actuator of a trend), all with samples at the same times.
    PlotLabelManager(QwtPlot* plot, ScalingPointData* const* point_sources,
                     QwtPlotCurve* const* curves, int count = 3);

    void setShowDate(bool show) { m_showDate = show; }
    PlotLabel* label() const { return m_label; }

    // Points the labels at the sample nearest to canvas position m.
    void updateLabels(const QPoint& m);
    // Shows the labels as they are now, on the plot's current scales.
    void refresh();
    // Forgets the labels (new data came); the next mouse move shows new ones.
    void clear();

    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QwtPlot* plot() const;
    bool shown(int curve) const;
    bool anyCurveShown() const;

    ScalingPointData* const* m_pointSources; // the plot's, in curve order
    QwtPlotCurve* const* m_curves;
    int m_count;
    PlotLabel* m_label;
    PlotLabelOverlay* m_overlay;
    bool m_showDate = false;
};
