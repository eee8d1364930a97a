#include "logplot/PlotLabel.h"

#include <qwt_plot.h>
#include <qwt_scale_map.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using Labels = QVector<PlotLabel::Label>;
constexpr int SEPARATION = PlotLabel::SEPARATION;
constexpr int HALF_BOX = PlotLabel::BOX_HEIGHT / 2;
constexpr int KEEP_INSIDE_STEP = 19;

// Pixel coordinates far outside any canvas are cut before they become integers.
int toPixel(double v)
{
    constexpr double limit = 1e6;
    return int(std::trunc(std::clamp(v, -limit, limit)));
}

// Moves the lower label of each pair below `from` that is closer than the separation down by
// the overlap, at most `limit`.
void pushDown(Labels& labels, int from, int limit)
{
    for (int a = from; a + 1 < labels.size(); ++a) {
        const int overlap = SEPARATION - (labels[a + 1].iy - labels[a].iy);
        if (overlap > 0)
            labels[a + 1].iy += std::min(overlap, limit);
    }
}

// The same upwards from `from`.
void pushUp(Labels& labels, int from, int limit)
{
    for (int a = from; a > 0; --a) {
        const int overlap = SEPARATION - (labels[a].iy - labels[a - 1].iy);
        if (overlap > 0)
            labels[a - 1].iy -= std::min(overlap, limit);
    }
}

int firstCrowdedPair(const Labels& labels)
{
    for (int k = 0; k + 1 < labels.size(); ++k) {
        if (std::abs(labels[k + 1].iy - labels[k].iy) < SEPARATION)
            return k;
    }
    return -1;
}

// Spreads crowded anchors symmetrically around each crowded pair until every neighbour is at
// least the separation away.
void separate(Labels& labels)
{
    // Three curves settle in a few rounds; the bound only guards against a pathological input.
    for (int round = 0; round < 1000; ++round) {
        const int k = firstCrowdedPair(labels);
        if (k < 0)
            return;
        const int gap = SEPARATION - std::abs(labels[k + 1].iy - labels[k].iy);
        if (gap % 2)
            labels[k].iy -= 1;
        labels[k].iy -= gap / 2;
        labels[k + 1].iy += gap / 2;
        pushDown(labels, k, gap / 2);
        pushUp(labels, k, gap / 2);
    }
    for (int k = 0; k + 1 < labels.size(); ++k)
        labels[k + 1].iy = std::max(labels[k + 1].iy, labels[k].iy + SEPARATION);
}

// Moves the first label down (or the last one up) by `distance` in steps, pushing its
// neighbours along so the separation holds.
void shift(Labels& labels, int index, int distance, int direction)
{
    while (distance > 0) {
        const int step = std::min(distance, KEEP_INSIDE_STEP);
        labels[index].iy += direction * step;
        if (direction > 0)
            pushDown(labels, index, step);
        else
            pushUp(labels, index, step);
        distance -= step;
    }
}

} // namespace

PlotLabel::PlotLabel()
    : QwtPlotItem(QwtText())
{ }

QRectF PlotLabel::calloutBox(const Label& label, const QRectF& canvas)
{
    const double x = canvas.left() + canvas.width() >= label.ix + 10 + BOX_WIDTH
        ? label.ix + 10
        : label.ix - 10 - BOX_WIDTH;
    return QRectF(x, label.iy - HALF_BOX, BOX_WIDTH, BOX_HEIGHT);
}

void PlotLabel::place(const QRectF& canvas) const
{
    const QwtPlot* p = plot();
    const double top = canvas.top();
    const double usable = canvas.height() - TIME_STRIP;
    for (Label& l : m_labels) {
        l.px = p->canvasMap(l.xAxis).transform(l.x);
        l.py = p->canvasMap(l.yAxis).transform(l.y);
        l.ix = toPixel(l.px);
        l.iy = toPixel(l.py);
        if (l.iy < top)
            l.iy = toPixel(top + HALF_BOX);
        else if (l.iy > top + usable)
            l.iy = toPixel(top + usable - HALF_BOX);
    }
    std::stable_sort(m_labels.begin(), m_labels.end(),
                     [](const Label& a, const Label& b) { return a.iy < b.iy; });
    separate(m_labels);

    // The time box owns the strip below the usable height, so the last box stops above it.
    const double box_top = m_labels.first().iy - HALF_BOX;
    if (box_top < top)
        shift(m_labels, 0, toPixel(top - box_top), +1);
    const double box_bottom = m_labels.last().iy + HALF_BOX;
    if (box_bottom > top + usable)
        shift(m_labels, m_labels.size() - 1, toPixel(box_bottom - (top + usable)), -1);
}

void PlotLabel::draw(QPainter* painter, const QwtScaleMap&, const QwtScaleMap&,
                     const QRectF& canvas_rect) const
{
    if (m_drawnByOverlay) {
        if (!m_labels.isEmpty() && plot())
            place(canvas_rect);
        return;
    }
    paintOn(painter, canvas_rect);
}

void PlotLabel::paintOn(QPainter* painter, const QRectF& canvas_rect) const
{
    if (m_labels.isEmpty() || !plot())
        return;
    place(canvas_rect);
    painter->save();
    paint(painter, canvas_rect);
    painter->restore();
}

QRegion PlotLabel::area(const QRectF& canvas, const QFont& font) const
{
    if (m_labels.isEmpty() || !plot())
        return QRegion();
    place(canvas);
    // Antialiased edges reach a pixel beyond the shapes.
    const auto pixels = [](const QRectF& r) { return r.adjusted(-2, -2, 2, 2).toAlignedRect(); };
    const double top = canvas.top();
    const double usable = canvas.height() - TIME_STRIP;
    QRegion region = pixels(QRectF(m_labels.first().px, top, 0, usable));
    for (const Label& l : m_labels) {
        const QRectF dot(l.px - 3, l.py - 3, 6, 6);
        region += pixels(calloutBox(l, canvas).united(dot)); // the callout runs from the dot
    }
    return region + pixels(timeBox(font, canvas));
}

QRectF PlotLabel::timeBox(const QFont& font, const QRectF& canvas) const
{
    const double top = canvas.top();
    const double usable = canvas.height() - TIME_STRIP;
    const double line_x = m_labels.first().px;
    const int w = QFontMetrics(font).horizontalAdvance(m_timeText) + 10;
    QRectF time_box(line_x - w / 2, top + usable + 1, w, 18);
    if (time_box.left() < canvas.left())
        time_box.moveLeft(canvas.left());
    else if (time_box.right() > canvas.left() + canvas.width())
        time_box.moveRight(canvas.left() + canvas.width());
    return time_box;
}

void PlotLabel::paint(QPainter* painter, const QRectF& canvas) const
{
    const QColor dark(31, 31, 31);
    const double top = canvas.top();
    const double usable = canvas.height() - TIME_STRIP;
    const double line_x = m_labels.first().px;

    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(dark);
    painter->drawLine(QPointF(line_x, top), QPointF(line_x, top + usable));

    for (const Label& l : m_labels) {
        painter->setBrush(l.colour);
        painter->setPen(l.colour);
        painter->drawEllipse(QRectF(l.px - 3, l.py - 3, 6, 6));

        const QRectF box = calloutBox(l, canvas);
        const double c = box.center().y();
        const QPointF point(l.px, l.py);
        QPolygonF outline;
        if (box.left() > l.px) {
            outline << point << QPointF(box.left(), c - 2.25) << box.topLeft() << box.topRight()
                    << box.bottomRight() << box.bottomLeft() << QPointF(box.left(), c + 2.25);
        } else {
            outline << point << QPointF(box.right(), c + 2.25) << box.bottomRight()
                    << box.bottomLeft() << box.topLeft() << box.topRight()
                    << QPointF(box.right(), c - 2.25);
        }
        QPainterPath path;
        path.addPolygon(outline);
        path.closeSubpath();
        painter->setPen(painter->background().color());
        painter->drawPath(path);
        painter->setPen(Qt::white);
        painter->drawText(box, Qt::AlignCenter, l.text);
    }

    const QRectF time_box = timeBox(painter->font(), canvas);
    painter->setPen(Qt::NoPen);
    painter->setBrush(dark);
    painter->drawRect(time_box);
    painter->setPen(Qt::white);
    painter->drawText(time_box, Qt::AlignCenter, m_timeText);
}
