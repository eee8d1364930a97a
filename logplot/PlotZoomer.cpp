#include "logplot/PlotZoomer.h"

#include <qwt_plot.h>
#include <qwt_scale_div.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include <algorithm>

namespace {
// The rectangle follows the mouse moves, and a fast drag is released before a move has reached
// the place: this tells the canvas of that move first. Every zoomer of the canvas must take it
// before any ends its selection, since the first to zoom may resize the canvas, which moves
// the selections of the others.
class ReleaseMover : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* canvas = qobject_cast<QWidget*>(object);
        if (canvas && event->type() == QEvent::MouseButtonRelease) {
            const auto* release = static_cast<const QMouseEvent*>(event);
            QMouseEvent move(QEvent::MouseMove, release->localPos(), release->windowPos(),
                             release->screenPos(), Qt::NoButton,
                             release->buttons() | release->button(), release->modifiers());
            QCoreApplication::sendEvent(canvas, &move);
        }
        return false;
    }
};
} // namespace

void PlotZoomer::setPartner(PlotZoomer* partner)
{
    m_partner = partner;
    // Installed after both zoomers, it sees a release before either does.
    if (QWidget* canvas = parentWidget())
        canvas->installEventFilter(new ReleaseMover(this));
}

PlotZoomer::PlotZoomer(int x_axis, int y_axis, QWidget* canvas)
    : QwtPlotZoomer(x_axis, y_axis, canvas, true)
{
    setTrackerMode(QwtPicker::AlwaysOff);
    setRubberBand(QwtPicker::NoRubberBand);
    setMousePattern(QwtEventPattern::MouseSelect2, Qt::RightButton, Qt::ControlModifier);
    setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton, Qt::NoModifier);
    setKeyPattern(QwtEventPattern::KeyHome, Qt::Key_Home);
    for (const int pattern :
         { QwtEventPattern::KeyLeft, QwtEventPattern::KeyRight, QwtEventPattern::KeyUp,
           QwtEventPattern::KeyDown, QwtEventPattern::KeySelect1, QwtEventPattern::KeySelect2,
           QwtEventPattern::KeyUndo, QwtEventPattern::KeyRedo })
        setKeyPattern(QwtEventPattern::KeyPatternCode(pattern), Qt::Key_unknown);
}

void PlotZoomer::showRange(double start, double end)
{
    const QRectF base = zoomBase();
    const QRectF current = zoomRect();
    // As wide as allowed, and inside the base: a range pushed past an end keeps its width.
    double span = std::clamp(end - start, std::min(m_minimumSpan, base.width()), base.width());
    start = std::clamp(start, base.left(), base.right() - span);
    const QRectF wanted(start, current.top(), span, current.height());
    if (wanted == current)
        return;
    if (wanted == base) {
        zoom(0);
        if (m_partner)
            m_partner->zoom(0);
        return;
    }
    QStack<QRectF> stack = zoomStack();
    int index = int(zoomRectIndex());
    stack.resize(index + 1); // what lay beyond the current zoom is gone, as after a zoom
    if (index == 0) {
        stack.push(wanted);
        ++index;
        if (m_partner) {
            QStack<QRectF> other = m_partner->zoomStack();
            other.resize(int(m_partner->zoomRectIndex()) + 1);
            other.push(m_partner->zoomRect());
            m_partner->setZoomStack(other, other.size() - 1);
        }
    } else {
        stack[index] = wanted;
    }
    setZoomStack(stack, index);
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
