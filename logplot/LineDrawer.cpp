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
constexpr double TALL = 32;
// Short enough that no pixel centre and no visible share of a pixel is covered by it.
constexpr double STUB = 1.0 / 64;
// Pixels a line across a strip may run before it pays to stroke anew instead.
constexpr double ACROSS = 64;

bool whole(double v)
{
    return std::fabs(v) < 1e15 && v == double(qint64(v));
}

double sign(double v)
{
    return v < 0 ? -1 : 1;
}

bool wholeTranslation(const QTransform& t)
{
    return t.type() <= QTransform::TxTranslate && whole(t.dx()) && whole(t.dy());
}

} // namespace

LineDrawer::LineDrawer(QPainter* painter, const QRectF& clip, bool clipping, bool weeding,
                       bool strips)
    : m_painter(painter)
    , m_clip(clip.normalized())
    , m_clipping(clipping)
    , m_weeding(weeding)
    , m_strips(strips)
    , m_half(int(painter->pen().widthF() / 2))
    , m_brush(painter->pen().brush())
    , m_stamping(strips && wholeTranslation(painter->deviceTransform()) && painter->opacity() == 1
                 && painter->compositionMode() == QPainter::CompositionMode_SourceOver)
{ }

void LineDrawer::add(const QPointF& p)
{
    ++m_added;
    if (!m_weeding || m_points.isEmpty() || m_points.last() != p) {
        m_points.append(p);
        // as QRectF::contains, which is no inline function, for a rectangle of some size
        m_inside &= p.x() >= m_clip.left() && p.x() <= m_clip.right() && p.y() >= m_clip.top()
            && p.y() <= m_clip.bottom();
    }
}

void LineDrawer::finish()
{
    // What lies inside the clip the clipper would leave as it is.
    if (m_clipping && !m_inside)
        m_points = QwtClipper::clipPolygonF(m_clip, m_points);
    const int n = m_points.size();
    if (n == 1 && m_added == 1) {
        dot(m_points.first());
    } else if (!m_strips) {
        if (n > 1)
            QwtPainter::drawPolyline(m_painter, m_points);
    } else {
        findRuns();
        for (int i = 0; i < n; i = m_runs[m_runOf[i]].end) {
            if (m_runs[m_runOf[i]].strip)
                addStrip(m_runs[m_runOf[i]]);
            else
                addPoints(m_runs[m_runOf[i]]);
        }
        stroke();
        fillStrips();
    }
    m_points.clear();
    m_inside = true;
    m_added = 0;
}

// A sample alone, with no neighbour to draw a line to: a line would be a point of the pen's
// width, which nobody sees; a dot a few times as wide shows it.
void LineDrawer::dot(const QPointF& p)
{
    const double radius = 1.5 * std::max(1.0, m_painter->pen().widthF());
    m_painter->save();
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(m_brush);
    m_painter->drawEllipse(p, radius, radius);
    m_painter->restore();
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

// Qwt strokes the line in pieces that meet at every sixth point, each with its caps.
bool LineDrawer::piecesMeetAt(int i) const
{
    return i % PIECE == 0 && i > 0 && i < m_points.size() - 1;
}

void LineDrawer::addPoints(const Run& run)
{
    for (int i = run.begin; i < run.end; ++i) {
        m_line << m_points[i];
        if (piecesMeetAt(i)) {
            stroke();
            m_line << m_points[i];
        }
    }
}

// Of the strokes up and down a strip only the stubs where the line enters and leaves it are
// drawn, so that the joints there come out as the whole line's; between them, a line straight
// across where that costs less than stroking anew. No line from strip to strip that lies
// within the two is drawn at all.
void LineDrawer::addStrip(const Run& run)
{
    const int first = run.begin, last = run.end - 1;
    const QPointF& p = m_points[first];
    const QPointF& q = m_points[last];
    for (int i = first + 1; i < last; ++i) {
        if (piecesMeetAt(i))
            addCaps(i);
    }
    const bool in = !covered(first - 1, first);
    const bool out = !covered(last, last + 1);
    if (!in && piecesMeetAt(first))
        addCaps(first);
    if (!out && piecesMeetAt(last))
        addCaps(last);
    if (in) {
        m_line << p;
        if (piecesMeetAt(first)) {
            stroke();
            m_line << p;
        }
        m_line << QPointF(p.x(), p.y() + STUB * sign(m_points[first + 1].y() - p.y()));
    }
    if (!in || !out || std::fabs(q.y() - p.y()) > ACROSS)
        stroke();
    if (out) {
        m_line << QPointF(q.x(), q.y() - STUB * sign(q.y() - m_points[last - 1].y())) << q;
        if (piecesMeetAt(last)) {
            stroke();
            m_line << q;
        }
    }
}

// Where two pieces of Qwt's meet at a point of a strip whose lines are not drawn, their caps
// reach a pixel further on, along the column.
void LineDrawer::addCaps(int at)
{
    const Run& run = m_runs[m_runOf[at]];
    const QPointF& p = m_points[at];
    // each of the lines that end there reaches on, away from its other end
    for (const double y : { m_points[at - 1].y(), m_points[at + 1].y() }) {
        const double reach = p.y() + sign(p.y() - y) * m_half;
        if (reach < run.top || reach > run.bottom) {
            m_fill.append(
                QRect(int(p.x()) - m_half, int(std::min(p.y(), reach)), 2 * m_half, m_half));
        }
    }
}

// The line from point i, the last of a strip, to point j, the first of the next one a pixel to
// its right or left, covers no pixel that the two strips do not: it ends within the rows both
// cover, either so far within that its width stays inside, or running so steeply that its
// ends lean out by less than a sixty-fourth of a pixel. (Such lines, steep and long, are what
// a long noisy log is made of, and what costs most to draw.) Where a piece of Qwt's ends on
// it, the caps are added to the strips.
bool LineDrawer::covered(int i, int j) const
{
    if (i < 0 || j >= m_points.size())
        return false;
    const Run& from = m_runs[m_runOf[i]];
    const Run& to = m_runs[m_runOf[j]];
    if (!from.strip || !to.strip || i != from.end - 1 || j != to.begin)
        return false;
    const QPointF& a = m_points[i];
    const QPointF& b = m_points[j];
    if (std::fabs(a.x() - b.x()) != 1)
        return false;
    const double top = std::max(from.top, to.top), bottom = std::min(from.bottom, to.bottom);
    const double high = std::min(a.y(), b.y()), low = std::max(a.y(), b.y());
    if (high < top || low > bottom)
        return false;
    return (high >= top + m_half && low <= bottom - m_half) || m_half <= STUB * (low - high);
}

void LineDrawer::stroke()
{
    if (m_line.size() > 1 && !stamp())
        m_painter->drawPolyline(m_line);
    m_line.clear();
}

uint qHash(const LineDrawer::Shape& shape, uint seed)
{
    return qHashBits(shape.offsets.data(), sizeof(double) * 2 * size_t(shape.count), seed);
}

// The rasteriser shades a stroke the same wherever it lies a whole number of device pixels
// away, and copying what it drew onto a transparent picture blends each pixel as stroking it
// does: so a short stroke seen before is copied rather than stroked anew. A shape is drawn
// into a picture only when it comes a second time, so that lines that never repeat cost no
// more than a look-up.
bool LineDrawer::stamp()
{
    constexpr int LARGEST = 8; // pixels across; larger strokes seldom repeat
    constexpr int SHAPES = 256;
    if (!m_stamping || m_line.size() > Shape::POINTS)
        return false;
    const QRectF box = m_line.boundingRect();
    if (box.width() > LARGEST || box.height() > LARGEST)
        return false;
    // room for the pen's width and the shading of its edges
    const int margin = m_half + 2;
    const QPoint corner(int(std::floor(box.left())) - margin, int(std::floor(box.top())) - margin);
    Shape shape;
    shape.count = m_line.size();
    for (int i = 0; i < shape.count; ++i) {
        shape.offsets[size_t(2 * i)] = m_line[i].x() - corner.x();
        shape.offsets[size_t(2 * i + 1)] = m_line[i].y() - corner.y();
    }
    auto found = m_stamps.find(shape);
    if (found == m_stamps.end()) {
        if (m_stamps.size() < SHAPES)
            m_stamps.insert(shape, Stamp { 1, QImage() });
        return false;
    }
    Stamp& stamp = found.value();
    if (stamp.picture.isNull()) {
        if (++stamp.seen < 2)
            return false;
        const int side = LARGEST + 2 + 2 * margin;
        stamp.picture = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        stamp.picture.fill(Qt::transparent);
        QPainter painter(&stamp.picture);
        painter.setRenderHints(m_painter->renderHints());
        painter.setPen(m_painter->pen());
        painter.translate(-corner);
        painter.drawPolyline(m_line);
    }
    m_painter->drawImage(corner, stamp.picture);
    return true;
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
            const bool beside = s.left() <= right && s.right() + 1 >= left; // or over

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
