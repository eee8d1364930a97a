#include "logplot/LogCurve.h"

#include "logplot/LineDrawer.h"
#include "logplot/ScalingPointData.h"

#include <qwt_painter.h>
#include <qwt_scale_map.h>

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Where Qwt does not round points to whole pixels (a painter scaled by hand, a PDF or SVG
// device; screens of any pixel ratio and the plot's own render() it rounds to the plot's
// pixels), the line through the thinned points runs within this fraction of a device pixel of
// the line through all samples.
constexpr double SUBCOLUMNS = 16;

// An opaque pen of an even whole width, unscaled, covers whole pixels along a vertical line
// through whole pixels: the line's ink there is a rectangle.
bool stripsAreRectangles(const QPen& pen)
{
    const double width = pen.widthF();
    return pen.style() == Qt::SolidLine && pen.brush().style() == Qt::SolidPattern
        && pen.color().alpha() == 255 && width >= 2 && std::fmod(width, 2.0) == 0;
}

} // namespace

LogCurve::LogCurve(const QwtText& title)
    : QwtPlotCurve(title)
{ }

void LogCurve::drawSeries(QPainter* painter, const QwtScaleMap& x_map, const QwtScaleMap& y_map,
                          const QRectF& canvas_rect, int from, int to) const
{
    if (auto* source = dynamic_cast<const ScalingPointData*>(data())) {
        // The columns are the pixels as the line's points fall on them: where Qwt rounds points
        // to whole pixels of the plot, the samples that round to the same one; elsewhere
        // sixteenths of device pixels. A rotated or mirrored painter thins by canvas pixels.
        const bool rounded = QwtPainter::roundingAlignment(painter);
        const QTransform device = painter->deviceTransform();
        const bool plain = device.type() <= QTransform::TxScale && device.m11() > 0;
        const double pixel = rounded || !plain ? 1.0 : device.m11();
        const double scale = rounded ? 1.0 : pixel * SUBCOLUMNS;
        const double offset = rounded ? 0.5 : plain ? device.dx() * SUBCOLUMNS : 0.0;
        // Beyond this many device pixels left or right of the canvas no ink of the pen lands
        // on it, so what lies there may share a column.
        const double reach = (2 + 2 * std::max(1.0, pen().widthF()) * pixel) * scale / pixel;
        ScalingPointData::Columns columns;
        columns.scale = scale;
        columns.offset = offset;
        columns.first = scale * canvas_rect.left() + offset - reach;
        columns.last = scale * canvas_rect.right() + offset + reach;
        columns.keep = rounded ? KEEP : 0;
        columns.y = rounded ? &y_map : nullptr;
        source->thin(x_map, columns);
        from = 0;
        to = -1; // all the thinned points
    }
    QwtPlotCurve::drawSeries(painter, x_map, y_map, canvas_rect, from, to);
}

void LogCurve::drawLines(QPainter* painter, const QwtScaleMap& x_map, const QwtScaleMap& y_map,
                         const QRectF& canvas_rect, int from, int to) const
{
    auto* source = dynamic_cast<const ScalingPointData*>(data());
    if (!source || !source->isThinned() || brush().style() != Qt::NoBrush
        || testCurveAttribute(Fitted)) {
        QwtPlotCurve::drawLines(painter, x_map, y_map, canvas_rect, from, to);
        return;
    }
    // Points mapped as QwtPlotCurve maps them: on whole pixels where Qwt aligns to them,
    // clipped as it clips them, without a point that repeats the one before; and a value or
    // time that is no number breaks the line.
    const bool rounded = QwtPainter::roundingAlignment(painter);
    const double pen_width = std::max(1.0, painter->pen().widthF());
    const QRectF clip = canvas_rect.adjusted(-pen_width, -pen_width, pen_width, pen_width);
    LineDrawer line(painter, clip, testPaintAttribute(ClipPolygons),
                    testPaintAttribute(FilterPoints),
                    rounded && stripsAreRectangles(painter->pen()));
    const QVector<QPointF>& points = source->thinned();
    to = std::min(to, points.size() - 1);
    for (int i = std::max(from, 0); i <= to; ++i) {
        QPointF p(x_map.transform(points[i].x()), y_map.transform(points[i].y()));
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) {
            line.finish();
            continue;
        }
        if (rounded)
            p = QPointF(ScalingPointData::toPixel(p.x()), ScalingPointData::toPixel(p.y()));
        line.add(p);
    }
    line.finish();
}
