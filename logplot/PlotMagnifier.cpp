#include "logplot/PlotMagnifier.h"

#include "logplot/PlotZoomer.h"

#include <qwt_plot.h>
#include <qwt_scale_map.h>

#include <QKeyEvent>
#include <QWheelEvent>

#include <cmath>

PlotMagnifier::PlotMagnifier(QWidget* canvas, PlotZoomer* zoomer)
    : QwtMagnifier(canvas)
    , m_zoomer(zoomer)
{
    setMouseButton(Qt::NoButton); // a right drag is the zoomer's
    // Qwt zooms out when the wheel turns away from the user; everybody else zooms in.
    setWheelFactor(1 / STEP);
    setKeyFactor(STEP);
}

void PlotMagnifier::rescale(double factor)
{
    const QwtPlot* plot = m_zoomer->plot();
    if (!plot || !std::isfinite(factor) || factor <= 0)
        return;
    const QwtScaleMap map = plot->canvasMap(m_zoomer->xAxis());
    const QRectF shown = m_zoomer->zoomRect();
    const double anchor = m_anchorX >= 0 ? map.invTransform(m_anchorX) : shown.center().x();
    m_zoomer->showRange(anchor - (anchor - shown.left()) * factor,
                        anchor + (shown.right() - anchor) * factor);
}

void PlotMagnifier::widgetWheelEvent(QWheelEvent* event)
{
    m_anchorX = event->position().x();
    QwtMagnifier::widgetWheelEvent(event);
    m_anchorX = -1;
}

void PlotMagnifier::widgetKeyPressEvent(QKeyEvent* event)
{
    // Whatever the keyboard needs to type them: Shift for + on many, the number pad.
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        rescale(keyFactor());
        break;
    case Qt::Key_Minus:
        rescale(1 / keyFactor());
        break;
    default:
        break;
    }
}
