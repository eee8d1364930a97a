#pragma once

#include <QBrush>
#include <QHash>
#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QVector>

#include <array>

class QPainter;

// Draws a curve's line through mapped points with the painter's pen as Qwt draws a polyline:
// clipped, without a point that repeats the one before, stroked in pieces of six lines (whose
// caps show where they meet). With `strips`, the points lie on whole pixels and the pen is
// opaque and of an even whole width: then the strokes up and down a column, which a long noisy
// log packs by the hundred into each, cover a rectangle of whole pixels, and filling it draws
// the same pixels in a fraction of the time. A line of a single point is drawn as a dot.
class LineDrawer
{
public:
    // `clipping` and `weeding` as the curve's ClipPolygons and FilterPoints.
    LineDrawer(QPainter* painter, const QRectF& clip, bool clipping, bool weeding, bool strips);

    // The next point of the line.
    void add(const QPointF& p);
    // Ends the line so far (where a value is no number): what follows starts a new one.
    void finish();

private:
    // Points that share a column, from `begin` to before `end`, and how far up and down they
    // reach; filled as a strip when it pays.
    struct Run
    {
        int begin = 0, end = 0;
        double top = 0, bottom = 0;
        bool strip = false;
    };

    void dot(const QPointF& p);
    void findRuns();
    bool piecesMeetAt(int i) const;
    void addPoints(const Run& run);
    void addStrip(const Run& run);
    void addCaps(int at);
    bool covered(int i, int j) const;
    void stroke();
    bool stamp();
    void fillStrips();

    QPainter* m_painter;
    const QRectF m_clip;
    const bool m_clipping;
    const bool m_weeding;
    const bool m_strips;
    const int m_half; // of the pen's width, with strips
    const QBrush m_brush;
    QPolygonF m_points; // of the line so far
    bool m_inside = true; // all of them within the clip
    int m_added = 0; // points given for the line so far, repeated ones included
    QVector<Run> m_runs; // of the line, clipped
    QVector<int> m_runOf; // the run of each point of the line, clipped
    QPolygonF m_line; // what is to be stroked next
    QVector<QRect> m_fill; // the strips and what reaches beyond them

    // A short stroke drawn once and copied wherever the same comes again a whole number of
    // pixels away (see stamp()): a long log's strips are entered and left the same way by
    // the thousand.
    struct Shape
    {
        static constexpr int POINTS = 6;
        std::array<double, 2 * POINTS> offsets {}; // of the points from the picture's corner
        int count = 0;
        bool operator==(const Shape& o) const { return count == o.count && offsets == o.offsets; }
    };
    friend uint qHash(const Shape& shape, uint seed);
    struct Stamp
    {
        int seen = 0;
        QImage picture; // once seen twice
    };
    const bool m_stamping; // the painter copies pictures as it strokes: unscaled, opaque
    QHash<Shape, Stamp> m_stamps;
};
