#include "logplot/LogCurve.h"

#include "logplot/ScalingPointData.h"

#include <qwt_clipper.h>
#include <qwt_painter.h>
#include <qwt_scale_map.h>

#include <QPainter>

#include <algorithm>

namespace {

// One column of a band, in canvas coordinates: the extent of its points.
struct Column
{
    qint64 column;
    double left, right, top, bottom;
};

// The outline of the ink that lines through the points of columns [from, to) of a band leave:
// each column's extent widened by the pen's reach, neighbours meeting at the border of their
// pixel columns, `border(k)` between columns k and k + 1.
template<typename Border>
QPolygonF bandOutline(const QVector<Column>& band, int from, int to, double reach,
                      const Border& border)
{
    QPolygonF outline;
    outline.reserve(4 * (to - from) + 4);
    const double left = from == 0 ? band[0].left - reach : border(from - 1);
    const double right = to == band.size() ? band[to - 1].right + reach : border(to - 1);
    outline << QPointF(left, band[from].top - reach);
    for (int k = from; k + 1 < to; ++k)
        outline << QPointF(border(k), band[k].top - reach)
                << QPointF(border(k), band[k + 1].top - reach);
    outline << QPointF(right, band[to - 1].top - reach)
            << QPointF(right, band[to - 1].bottom + reach);
    for (int k = to - 2; k >= from; --k)
        outline << QPointF(border(k), band[k + 1].bottom + reach)
                << QPointF(border(k), band[k].bottom + reach);
    outline << QPointF(left, band[from].bottom + reach);
    return outline;
}

} // namespace

LogCurve::LogCurve(const QwtText& title)
    : QwtPlotCurve(title)
{ }

void LogCurve::drawSeries(QPainter* painter, const QwtScaleMap& x_map, const QwtScaleMap& y_map,
                          const QRectF& canvas_rect, int from, int to) const
{
    if (auto* source = dynamic_cast<const ScalingPointData*>(data())) {
        // Columns of device pixels; a rotated or mirrored painter thins by canvas pixels.
        const QTransform device = painter->deviceTransform();
        const bool plain = device.type() <= QTransform::TxScale && device.m11() > 0;
        const double scale = plain ? device.m11() : 1.0;
        const double offset = plain ? device.dx() : 0.0;
        // Beyond this many device pixels left or right of the canvas no ink of the pen lands
        // on it, so what lies there may share a column.
        const double reach = 2 + 2 * std::max(1.0, pen().widthF()) * scale;
        source->thin(x_map, scale, offset, scale * canvas_rect.left() + offset - reach,
                     scale * canvas_rect.right() + offset + reach);
        from = 0;
        to = -1; // all the thinned points
    }
    QwtPlotCurve::drawSeries(painter, x_map, y_map, canvas_rect, from, to);
}

void LogCurve::drawLines(QPainter* painter, const QwtScaleMap& x_map, const QwtScaleMap& y_map,
                         const QRectF& canvas_rect, int from, int to) const
{
    auto* source = dynamic_cast<const ScalingPointData*>(data());
    if (!source || !source->isThinned() || from != 0 || to != int(source->size()) - 1
        || brush().style() != Qt::NoBrush || testCurveAttribute(Fitted)) {
        QwtPlotCurve::drawLines(painter, x_map, y_map, canvas_rect, from, to);
        return;
    }
    const double pen_width = std::max(1.0, painter->pen().widthF());
    const double reach = pen_width / 2; // of the ink beyond the points of a line
    const double tall = 2 * pen_width; // a column whose points span more is part of a band
    // as QwtPlotCurve clips its lines
    const QRectF clip = canvas_rect.adjusted(-pen_width, -pen_width, pen_width, pen_width);
    const auto map
        = [&](const QPointF& p) { return QPointF(x_map.transform(p.x()), y_map.transform(p.y())); };

    QPolygonF line;
    QVector<Column> band;
    const auto drawLine = [&] {
        if (line.size() > 1)
            QwtPainter::drawPolyline(painter, QwtClipper::clipPolygonF(clip, line));
        line.clear();
    };
    // Pixel column borders on the device, where pieces of a band meet without a seam.
    const QTransform device = painter->deviceTransform();
    const double scale = device.m11() > 0 ? device.m11() : 1.0;
    const double offset = device.m11() > 0 ? device.dx() : 0.0;
    const auto border = [&](int k) { return (double(band[k].column + 1) - offset) / scale; };
    const auto drawBand = [&] {
        if (band.isEmpty())
            return;
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->setBrush(pen().color());
        // The rasterizer keeps the crossings of each pixel row in a list: a band that crosses
        // a row hundreds of times is drawn in pieces, as Qwt draws long lines.
        constexpr int piece = 16;
        for (int from = 0; from < band.size(); from += piece) {
            const int to = std::min(band.size(), from + piece);
            const QPolygonF outline = bandOutline(band, from, to, reach, border);
            painter->drawPolygon(QwtClipper::clipPolygonF(clip, outline, true));
        }
        painter->restore();
        band.clear();
    };

    for (const ScalingPointData::Stretch& stretch : source->stretches()) {
        const QPointF first = map(source->sample(size_t(stretch.first)));
        Column c { stretch.column, first.x(), first.x(), first.y(), first.y() };
        for (int i = 1; i < stretch.count; ++i) {
            const QPointF p = map(source->sample(size_t(stretch.first + i)));
            c.left = std::min(c.left, p.x());
            c.right = std::max(c.right, p.x());
            c.top = std::min(c.top, p.y());
            c.bottom = std::max(c.bottom, p.y());
        }
        const bool is_tall = stretch.inColumn && c.bottom - c.top > tall;
        if (is_tall && !band.isEmpty() && band.last().column + 1 == c.column
            && c.top - reach <= band.last().bottom + reach
            && band.last().top - reach <= c.bottom + reach) {
            band.append(c); // the band goes on; the lines between its columns lie within it
            continue;
        }
        if (!band.isEmpty()) {
            drawBand();
            line << map(source->sample(size_t(stretch.first - 1))); // where the band ended
        }
        if (is_tall) {
            line << first;
            drawLine();
            band.append(c);
            continue;
        }
        for (int i = 0; i < stretch.count; ++i)
            line << map(source->sample(size_t(stretch.first + i)));
    }
    drawBand();
    drawLine();
}
