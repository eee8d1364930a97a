#include "logplot/LineDrawer.h"

#include <qwt_clipper.h>
#include <qwt_painter.h>

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Lines QwtPainter::drawPolyline strokes at a time on the raster engine: where two pieces meet,
// each has its cap, not a joint.
constexpr int PIECE = 6;
// Pixels a run must reach up and down before it pays to fill it.
constexpr double TALL = 4;
// Short enough that no pixel centre and no visible share of a pixel is covered by it.
constexpr double STUB = 1.0 / 64;
// A line between neighbouring columns at least this steep reaches less than a sixty-fourth of
// a pixel sideways beyond them.
constexpr double STEEP = 6;

bool whole(double v)
{
    return v == std::floor(v);
}

double sign(double v)
{
    return v < 0 ? -1 : 1;
}

} // namespace

LineDrawer::LineDrawer(QPainter* painter, const QRectF& clip, bool clipping, bool weeding,
                       bool strips)
    : m_painter(painter)
    , m_clip(clip)
    , m_clipping(clipping)
    , m_weeding(weeding)
    , m_strips(strips)
    , m_half(int(painter->pen().widthF() / 2))
    , m_brush(painter->pen().brush())
{ }

void LineDrawer::add(const QPointF& p)
{
    if (!m_weeding || m_points.isEmpty() || m_points.last() != p)
        m_points.append(p);
}

void LineDrawer::finish()
{
    if (m_clipping)
        m_points = QwtClipper::clipPolygonF(m_clip, m_points);
    const int n = m_points.size();
    if (!m_strips) {
        if (n > 1)
            QwtPainter::drawPolyline(m_painter, m_points);
    } else {
        findRuns();
        for (int from = 0; from + 1 < n; from += PIECE)
            drawPiece(from, std::min(from + PIECE, n - 1));
        fillStrips();
    }
    m_points.clear();
}

// Points in one column (on whole pixels, as clipping leaves all but those it adds) that reach
// far up and down: a column of a long noisy log.
void LineDrawer::findRuns()
{
    const int n = m_points.size();
    m_runs.clear();
    m_runOf.resize(n);
    for (int begin = 0; begin < n;) {
        Run run { begin, begin + 1, m_points[begin].y(), m_points[begin].y() };
        const double x = m_points[begin].x();
        bool whole_pixels = whole(x) && whole(run.top);
        while (run.end < n && m_points[run.end].x() == x) {
            const double y = m_points[run.end].y();
            run.top = std::min(run.top, y);
            run.bottom = std::max(run.bottom, y);
            whole_pixels &= whole(y);
            ++run.end;
        }
        run.strip = whole_pixels && run.end - run.begin > 1 && run.bottom - run.top >= TALL;
        if (run.strip) {
            m_fill.append(
                QRect(int(x) - m_half, int(run.top), 2 * m_half, int(run.bottom - run.top)));
        }
        std::fill(m_runOf.begin() + begin, m_runOf.begin() + run.end, m_runs.size());
        m_runs.append(run);
        begin = run.end;
    }
}

// The piece of the line from point `from` to point `to`, as Qwt strokes it; but of the lines
// up and down a strip only the stubs where the line enters and leaves it, so that the joints
// there come out the same, and no line from strip to strip that lies within the two.
void LineDrawer::drawPiece(int from, int to)
{
    m_line << m_points[from];
    for (int i = from; i < to; ++i) {
        const Run& run = m_runs[m_runOf[i]];
        const QPointF& a = m_points[i];
        const QPointF& b = m_points[i + 1];
        if (run.strip && m_runOf[i + 1] == m_runOf[i]) {
            if (i == run.begin) {
                m_line << QPointF(a.x(), a.y() + STUB * sign(b.y() - a.y()));
                stroke();
            }
            m_line.clear();
            if (i + 1 == run.end - 1)
                m_line << QPointF(b.x(), b.y() - STUB * sign(b.y() - a.y())) << b;
            continue;
        }
        if (covered(i, i + 1)) {
            m_line.clear();
            continue;
        }
        if (m_line.isEmpty())
            m_line << a;
        m_line << b;
    }
    stroke();
    if (to < m_points.size() - 1)
        addCaps(to);
}

// Where two pieces meet within a strip, their caps reach a pixel further along the column.
void LineDrawer::addCaps(int at)
{
    const Run& run = m_runs[m_runOf[at]];
    if (!run.strip || at == run.begin || at == run.end - 1)
        return;
    const QPointF& p = m_points[at];
    for (const double y : { 2 * p.y() - m_points[at - 1].y(), m_points[at + 1].y() }) {
        const double reach = p.y() + sign(p.y() - y); // one pixel on, away from the other end
        if (reach < run.top || reach > run.bottom)
            m_fill.append(QRect(int(p.x()) - m_half, int(std::min(p.y(), reach)), 2 * m_half, 1));
    }
}

// The line from point i, the last of a strip, to point j, the first of the next one a pixel to
// its right or left, covers no pixel that the two strips do not: it runs steeply within the
// rows both cover, a pixel clear of their ends, where its caps would reach.
bool LineDrawer::covered(int i, int j) const
{
    const Run& from = m_runs[m_runOf[i]];
    const Run& to = m_runs[m_runOf[j]];
    if (!from.strip || !to.strip || i != from.end - 1 || j != to.begin)
        return false;
    const QPointF& a = m_points[i];
    const QPointF& b = m_points[j];
    const double top = std::max(from.top, to.top) + 1;
    const double bottom = std::min(from.bottom, to.bottom) - 1;
    return std::fabs(a.x() - b.x()) == 1 && std::fabs(a.y() - b.y()) >= STEEP
        && std::min(a.y(), b.y()) >= top && std::max(a.y(), b.y()) <= bottom;
}

void LineDrawer::stroke()
{
    if (m_line.size() > 1)
        m_painter->drawPolyline(m_line);
    m_line.clear();
}

// Strips side by side mostly cover the same rows: those are filled as one rectangle, row by
// row, and only what each reaches beyond them as its own. Filling a narrow strip touches a
// piece of memory in every row it covers, which costs more than the pixels it colours.
void LineDrawer::fillStrips()
{
    const int n = m_fill.size();
    if (n == 0)
        return;
    // On whole pixels of the device antialiasing changes nothing, and costs; on a screen of
    // one and a half device pixels to the pixel it shades the edges as it shades the strokes'.
    const bool antialiased = m_painter->testRenderHint(QPainter::Antialiasing);
    const QTransform device = m_painter->deviceTransform();
    if (device.type() <= QTransform::TxScale && whole(device.m11()) && whole(device.m22())
        && whole(device.dx()) && whole(device.dy()))
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    const auto fill = [this](int left, int right, int top, int bottom) {
        if (top < bottom)
            m_painter->fillRect(QRect(left, top, right - left, bottom - top), m_brush);
    };
    for (int begin = 0, end = 0; begin < n; begin = end) {
        const QRect& first = m_fill[begin];
        int left = first.left(), right = first.right() + 1;
        int top = first.top(), bottom = first.bottom() + 1;
        for (end = begin + 1; end < n; ++end) {
            const QRect& s = m_fill[end];
            const int shared_top = std::max(top, s.top());
            const int shared_bottom = std::min(bottom, s.bottom() + 1);
            const bool beside = s.left() == right - 1 || s.right() == left;
            if (!beside || 2 * (shared_bottom - shared_top) < bottom - top)
                break;
            top = shared_top, bottom = shared_bottom;
            left = std::min(left, s.left()), right = std::max(right, s.right() + 1);
        }
        fill(left, right, top, bottom);
        for (int i = begin; i < end; ++i) {
            const QRect& s = m_fill[i];
            fill(s.left(), s.right() + 1, s.top(), top);
            fill(s.left(), s.right() + 1, bottom, s.bottom() + 1);
        }
    }
    m_painter->setRenderHint(QPainter::Antialiasing, antialiased);
    m_fill.clear();
}
