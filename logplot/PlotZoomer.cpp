#include "logplot/PlotZoomer.h"

#include <qwt_plot.h>
#include <qwt_scale_div.h>

#include <algorithm>

PlotZoomer::PlotZoomer(int x_axis, int y_axis, QWidget* canvas)
    : QwtPlotZoomer(x_axis, y_axis, canvas, true)
{
    setTrackerMode(QwtPicker::AlwaysOff);
    setRubberBand(QwtPicker::NoRubberBand);
    setMousePattern(QwtEventPattern::MouseSelect2, Qt::RightButton, Qt::ControlModifier);
    setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton, Qt::NoModifier);
}

bool PlotZoomer::accept(QPolygon& points) const
{
    constexpr int min_drag = 8;
    constexpr int min_span = 10;
    if (points.size() < 2)
        return false;
    const QPoint a = points.first(), b = points.last();
    const QRect r(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                  QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    const int dx = r.right() - r.left();
    const int dy = r.bottom() - r.top();
    if (dx <= min_drag && dy <= min_drag)
        return false;

    const QPoint centre = r.center();
    const int w = dx >= min_span ? dx : min_span;
    const int h = dy >= min_span ? dy : min_span;
    const int left = centre.x() - w / 2;
    const int top = centre.y() - h / 2;
    points.resize(2);
    points[0] = QPoint(left, top);
    points[1] = QPoint(left + w, top + h);
    return true;
}

void PlotZoomer::rescale()
{
    QwtPlotZoomer::rescale();
    QwtPlot* p = plot();
    if (!p)
        return;
    // The TRIAC axis only ever means off and on.
    const QwtScaleDiv current = p->axisScaleDiv(QwtPlot::yLeft);
    QList<double> major;
    for (double tick : { 0.0, 1.0 }) {
        if (current.contains(tick))
            major << tick;
    }
    const QwtScaleDiv div(current.lowerBound(), current.upperBound(), QList<double>(),
                          current.ticks(QwtScaleDiv::MediumTick), major);
    if (div == current)
        return; // nothing to draw anew
    p->setAxisScaleDiv(QwtPlot::yLeft, div);
    p->replot();
}
