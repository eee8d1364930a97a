#include "logplot/PlotNavigation.h"

#include "logplot/PlotMagnifier.h"
#include "logplot/PlotPanner.h"
#include "logplot/PlotZoomer.h"

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>

PlotNavigation PlotNavigation::attach(QwtPlot* plot, double minimum_span)
{
    QWidget* canvas = plot->canvas();
    if (auto* c = qobject_cast<QwtPlotCanvas*>(canvas)) {
        c->setPaintAttribute(QwtPlotCanvas::Opaque, false);
        c->setPaintAttribute(QwtPlotCanvas::BackingStore, false);
        c->setFrameShape(QFrame::NoFrame);
    }
    PlotNavigation n;
    // Only the first zoomer draws its rectangle. Its tracker is on (and invisible) because
    // that keeps mouse tracking on.
    n.zoomers[0] = new PlotZoomer(QwtPlot::xBottom, QwtPlot::yLeft, canvas);
    n.zoomers[0]->setRubberBand(QwtPicker::RectRubberBand);
    n.zoomers[0]->setTrackerMode(QwtPicker::AlwaysOn);
    n.zoomers[0]->setTrackerPen(QPen(QColor(Qt::transparent)));
    n.zoomers[1] = new PlotZoomer(QwtPlot::xTop, QwtPlot::yRight, canvas);
    // Panning and the wheel move the time axis, which the first zoomer keeps; the second takes
    // as many zoom steps, so that a right click goes back on both alike.
    n.zoomers[0]->setPartner(n.zoomers[1]);
    n.zoomers[0]->setMinimumSpan(minimum_span);
    n.panner = new PlotPanner(canvas, n.zoomers[0]);
    n.magnifier = new PlotMagnifier(canvas, n.zoomers[0]);
    // A click gives the canvas the keys.
    canvas->setFocusPolicy(Qt::StrongFocus);
    return n;
}
