#include "logplot/PlotPanner.h"

#include "logplot/PlotZoomer.h"

#include <qwt_plot.h>
#include <qwt_scale_map.h>

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

PlotPanner::PlotPanner(QWidget* canvas, PlotZoomer* zoomer)
    : QwtPanner(canvas)
    , m_zoomer(zoomer)
{
    setMouseButton(Qt::MiddleButton);
    setOrientations(Qt::Horizontal);
    setCursor(Qt::ClosedHandCursor);
    connect(this, &QwtPanner::panned, this, [this](int dx, int) { moveBy(dx); });
}

void PlotPanner::moveBy(double pixels)
{
    const QwtPlot* plot = m_zoomer->plot();
    if (!plot || pixels == 0)
        return;
    const QwtScaleMap map = plot->canvasMap(m_zoomer->xAxis());
    const QRectF shown = m_zoomer->zoomRect();
    // the time at the canvas position the left edge moves to
    const double start = map.invTransform(map.transform(shown.left()) - pixels);
    if (std::isfinite(start))
        m_zoomer->showRange(start, start + shown.width());
}

void PlotPanner::widgetMousePressEvent(QMouseEvent* event)
{
    // The picture may go only as far as the log reaches.
    const QwtPlot* plot = m_zoomer->plot();
    if (plot) {
        const QwtScaleMap map = plot->canvasMap(m_zoomer->xAxis());
        const QRectF base = m_zoomer->zoomBase(), shown = m_zoomer->zoomRect();
        m_pressX = event->pos().x();
        m_leftRoom = int(
            std::floor(std::fabs(map.transform(base.right()) - map.transform(shown.right()))));
        m_rightRoom
            = int(std::floor(std::fabs(map.transform(shown.left()) - map.transform(base.left()))));
    }
    QwtPanner::widgetMousePressEvent(event);
}

void PlotPanner::widgetMouseMoveEvent(QMouseEvent* event)
{
    const int x = std::clamp(event->pos().x(), m_pressX - m_leftRoom, m_pressX + m_rightRoom);
    QMouseEvent held(event->type(), QPointF(x, event->localPos().y()), event->windowPos(),
                     event->screenPos(), event->button(), event->buttons(), event->modifiers());
    QwtPanner::widgetMouseMoveEvent(&held);
}

void PlotPanner::widgetKeyPressEvent(QKeyEvent* event)
{
    const QwtPlot* plot = m_zoomer->plot();
    const int key = event->key();
    if (plot && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        const double step = plot->canvas()->width() / double(KEY_STEPS);
        moveBy(key == Qt::Key_Left ? step : -step);
        return;
    }
    QwtPanner::widgetKeyPressEvent(event);
}
