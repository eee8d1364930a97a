#include "logplot/LogCurve.h"

#include "logplot/ScalingPointData.h"

#include <qwt_clipper.h>
#include <qwt_painter.h>
#include <qwt_scale_map.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// One column of a band, in canvas coordinates: the extent of its points.
struct Column
{
    qint64 column;
    double left, right, top, bottom;
    double inkLeft = 0, inkRight = 0; // where its line runs from its lowest to its highest point
    void include(const QPointF& p)
    {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        reach(p.y());
    }
    void reach(double y)
    {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
};

// Samples a tall column must hold to be filled: fewer are drawn as the lines they are, which
// costs little.
constexpr int DENSE = 5;

// Where the ink of a band reaches from top to bottom, between x0 and x1.
struct Step
{
    double x0, x1, top, bottom;
};

// The ink that lines through the points of a band's columns leave: from each column's top to
// its bottom where its line runs from one to the other, widened by the pen's reach, and the
// union where those overlap.
QVector<Step> bandSteps(const QVector<Column>& band, double reach)
{
    QVector<double> xs;
    xs.reserve(2 * band.size());
    for (const Column& c : band)
        xs << c.inkLeft - reach << c.inkRight + reach;
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    QVector<Step> steps;
    steps.reserve(xs.size());
    int first = 0; // the first column that may still cover what follows
    for (int j = 0; j + 1 < xs.size(); ++j) {
        const double x0 = xs[j], x1 = xs[j + 1];
        while (first < band.size() && band[first].inkRight + reach <= x0)
            ++first;
        Step step { x0, x1, std::numeric_limits<double>::max(),
                    std::numeric_limits<double>::lowest() };
        for (int k = first; k < band.size() && band[k].inkLeft - reach < x1; ++k) {
            if (band[k].inkRight + reach > x0) {
                step.top = std::min(step.top, band[k].top - reach);
                step.bottom = std::max(step.bottom, band[k].bottom + reach);
            }
        }
        if (step.top <= step.bottom)
            steps << step;
    }
    return steps;
}

// The outline of steps that follow each other without a gap.
QPolygonF outline(const QVector<Step>& steps)
{
    QPolygonF polygon;
    polygon.reserve(4 * steps.size());
    for (const Step& step : steps)
        polygon << QPointF(step.x0, step.top) << QPointF(step.x1, step.top);
    for (int k = steps.size() - 1; k >= 0; --k)
        polygon << QPointF(steps[k].x1, steps[k].bottom) << QPointF(steps[k].x0, steps[k].bottom);
    return polygon;
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
    // Points placed as QwtPlotCurve places them: on whole pixels where Qwt aligns to them,
    const bool align = QwtPainter::roundingAlignment(painter);
    const auto round = [](double v) { return std::isfinite(v) ? std::floor(v + 0.5) : v; };
    const auto map = [&](const QPointF& p) {
        const QPointF q(x_map.transform(p.x()), y_map.transform(p.y()));
        return align ? QPointF(round(q.x()), round(q.y())) : q;
    };
    // and without a point that repeats the one before.
    const bool weed = align && testPaintAttribute(FilterPoints);

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
    const auto columnLeft = [&](qint64 column) { return (double(column) - offset) / scale; };
    const auto drawBand = [&] {
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->setBrush(pen().color());
        // The rasterizer keeps the crossings of each pixel row in a list: a band that crosses
        // a row hundreds of times is drawn in pieces, as Qwt draws long lines, which meet at
        // pixel borders.
        constexpr double piece = 16; // device pixels
        QVector<Step> part;
        const auto drawPart = [&] {
            if (!part.isEmpty())
                painter->drawPolygon(QwtClipper::clipPolygonF(clip, outline(part), true));
            part.clear();
        };
        for (Step step : bandSteps(band, reach)) {
            if (!part.isEmpty() && part.last().x1 != step.x0)
                drawPart(); // a gap
            if (!part.isEmpty() && (step.x1 - part.first().x0) * scale > piece) {
                const double border = columnLeft(qint64(std::ceil(step.x0 * scale + offset)));
                if (border > step.x0 && border < step.x1) {
                    part << Step { step.x0, border, step.top, step.bottom };
                    drawPart();
                    step.x0 = border;
                }
            }
            part << step;
        }
        drawPart();
        painter->restore();
    };

    // Where the line from `from` to `to` crosses the border x.
    const auto crossing = [](const QPointF& from, const QPointF& to, double x) {
        return from.y() + (to.y() - from.y()) * (x - from.x()) / (to.x() - from.x());
    };
    // The points of a stretch joined to the line, without what is no number.
    const auto addToLine = [&](const ScalingPointData::Stretch& stretch) {
        for (int i = 0; i < stretch.count; ++i) {
            const QPointF p = map(source->sample(size_t(stretch.first + i)));
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                drawLine(); // a value or time that is no number leaves a gap
            else if (!weed || line.isEmpty() || p != line.last())
                line << p;
        }
    };
    QVector<int> run; // the stretches of the band so far
    const auto endRun = [&] {
        const auto& stretches = source->stretches();
        if (!band.isEmpty()) {
            line << map(source->sample(size_t(stretches[run.first()].first)));
            drawLine();
            drawBand();
            const ScalingPointData::Stretch& last = stretches[run.last()];
            line << map(source->sample(size_t(last.first + last.count - 1)));
        } else {
            for (int k : run)
                addToLine(stretches[k]);
        }
        band.clear();
        run.clear();
    };

    QPointF previous; // the last point of the stretch before
    bool after = false;
    for (int k = 0; k < source->stretches().size(); ++k) {
        const ScalingPointData::Stretch& stretch = source->stretches()[k];
        const QPointF first = map(source->sample(size_t(stretch.first)));
        Column c { stretch.column, first.x(), first.x(), first.y(), first.y() };
        QPointF last = first, top = first, bottom = first;
        for (int i = 1; i < stretch.count; ++i) {
            last = map(source->sample(size_t(stretch.first + i)));
            c.include(last);
            top = last.y() < top.y() ? last : top;
            bottom = last.y() > bottom.y() ? last : bottom;
        }
        c.inkLeft = std::min(top.x(), bottom.x());
        c.inkRight = std::max(top.x(), bottom.x());
        // The ink of a column also reaches as high and as low as the lines that enter and
        // leave it.
        if (after && stretch.inColumn && previous.x() != first.x() && std::isfinite(previous.y())
            && std::isfinite(first.y())) {
            const bool rightwards = previous.x() < first.x();
            const double in = columnLeft(c.column + (rightwards ? 0 : 1));
            c.reach(crossing(previous, first, in));
            if (!band.isEmpty()) {
                const double out = columnLeft(band.last().column + (rightwards ? 1 : 0));
                band.last().reach(crossing(previous, first, out));
            }
        }
        previous = last;
        after = true;

        const bool is_tall = stretch.inColumn && stretch.samples >= DENSE
            && std::isfinite(c.top + c.bottom) && c.bottom - c.top > tall;
        if (is_tall && !band.isEmpty()
            && (band.last().column + 1 != c.column || c.top - reach > band.last().bottom + reach
                || band.last().top - reach > c.bottom + reach
                || c.inkLeft - reach > band.last().inkRight + reach))
            endRun();
        if (is_tall) {
            band.append(c); // the lines between a band's columns lie within it
            run.append(k);
            continue;
        }
        if (!band.isEmpty())
            endRun();
        addToLine(stretch);
    }
    if (!band.isEmpty())
        endRun();
    drawLine();
}
