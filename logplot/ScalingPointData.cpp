#include "logplot/ScalingPointData.h"

#include <qwt_scale_map.h>

#include <QRectF>

#include <cstring>

namespace {

// Four doubles side by side: two samples.
using Quad = double __attribute__((vector_size(32)));

constexpr qint64 LEFT = std::numeric_limits<qint64>::min();
constexpr qint64 RIGHT = std::numeric_limits<qint64>::max();

void includeValue(double v, double& low, double& high)
{
    if (std::isfinite(v)) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
}

void includeTime(double t, double& early, double& late)
{
    if (std::fabs(t) <= ScalingPointData::TIME_LIMIT) {
        early = std::min(early, t);
        late = std::max(late, t);
    }
}

} // namespace

void ScalingPointData::setSamples(const QVector<QPointF>* series)
{
    m_series = series;
    m_values = Range();
    m_times = Range();
    m_ordered = series != nullptr;
    m_blocks.resize(0); // keeps the room, which the next log of the same length reuses
    m_thinned = false;
    m_points.resize(0);
    if (!series)
        return;
    // One pass: a long log does not fit in the caches, so each pass costs.
    const QVector<QPointF>& s = *series;
    const int n = s.size();
    m_blocks.resize((n + BLOCK - 1) / BLOCK);
    double previous = -std::numeric_limits<double>::infinity();
    bool ordered = true;
    for (int b = 0; b < m_blocks.size(); ++b) {
        const int from = b * BLOCK, to = std::min(n, from + BLOCK);
        Block& block = m_blocks[b];
        if (to - from < BLOCK || !measureNumbers(s.constData() + from, previous, block, ordered))
            measure(s, from, to, previous, block, ordered);
        block.lowAt += from;
        block.highAt += from;
        previous = s[to - 1].x();
        m_values.low = std::min(m_values.low, block.low);
        m_values.high = std::max(m_values.high, block.high);
    }
    m_ordered = ordered;
    // In time order the first and the last sample span the times, unless broken data lies
    // beyond sensible times; then, or in any other order, every time is looked at.
    if (ordered && n > 0) {
        m_times.include(s[0].x(), TIME_LIMIT);
        m_times.include(s[n - 1].x(), TIME_LIMIT);
    }
    if (!ordered || m_times.isEmpty() || m_times.low != s[0].x() || m_times.high != s[n - 1].x()) {
        constexpr double largest = std::numeric_limits<double>::max();
        double early = largest, late = -largest;
        for (const QPointF& p : s)
            includeTime(p.x(), early, late);
        m_times = Range();
        m_times.include(early, TIME_LIMIT);
        m_times.include(late, TIME_LIMIT);
    }
}

namespace {

// What measuring a block of numbers finds.
struct Extremes
{
    double low, high;
    int lowAt, highAt; // the first sample that holds each
    bool none; // a value or a time is NaN, which the extremes pass over
    bool rising; // every time is at least the one before it
};

// Two samples at a time: the lanes 1 and 3 of four doubles hold their values, 0 and 2 their
// times. Where the processor has AVX2 the four are one instruction; elsewhere two.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
Extremes
measureBlock(const QPointF* p, double previous)
{
    constexpr double largest = std::numeric_limits<double>::max();
    constexpr int BLOCK = ScalingPointData::BLOCK, EIGHTH = ScalingPointData::EIGHTH;
    constexpr int PARTS = BLOCK / EIGHTH;
    static_assert(sizeof(QPointF) * 2 == sizeof(Quad) && BLOCK % EIGHTH == 0 && EIGHTH % 2 == 0);
    Quad lows[PARTS], highs[PARTS];
    Quad zero = { 0, 0, 0, 0 };
    auto unordered = zero != zero; // all lanes false
    auto rising = zero == zero; // all lanes true
    // each pair of samples against the pair one sample earlier: its times in lanes 0 and 2
    Quad earlier = { previous, 0, p[0].x(), p[0].y() };
    Quad low = { largest, largest, largest, largest }, high = -low;
    for (int k = 0; k < PARTS; ++k) {
        Quad part_low = low, part_high = high;
        for (int i = k * EIGHTH; i < (k + 1) * EIGHTH; i += 2) {
            Quad two;
            std::memcpy(&two, p + i, sizeof two);
            if (i > 0)
                std::memcpy(&earlier, p + i - 1, sizeof earlier);
            // (v < m ? v : m) is one instruction that passes NaN over
            part_low = two < part_low ? two : part_low;
            part_high = two > part_high ? two : part_high;
            unordered |= two != two;
            rising &= two >= earlier;
        }
        lows[k] = part_low;
        highs[k] = part_high;
        low = part_low; // each part's extremes include those before it
        high = part_high;
    }
    Extremes e;
    e.none = unordered[0] | unordered[1] | unordered[2] | unordered[3];
    e.rising = rising[0] & rising[2];
    e.low = std::min(low[1], low[3]);
    e.high = std::max(high[1], high[3]);
    // The first eighth that reaches an extreme holds its first sample: found by masks rather
    // than by loops, whose ends the processor cannot foresee in noise.
    const auto first = [p](const Quad* parts, double v) {
        const Quad wanted = { v, v, v, v };
        unsigned in_part = 0, in_eighth = 0;
        for (int k = 0; k < PARTS; ++k) {
            const auto equal = parts[k] == wanted;
            in_part |= unsigned(equal[1] | equal[3]) << k;
        }
        const int from = __builtin_ctz(in_part | 1u << PARTS) * EIGHTH;
        for (int i = 0; i < EIGHTH && from < BLOCK; ++i)
            in_eighth |= unsigned(p[from + i].y() == v) << i;
        return std::min(from + __builtin_ctz(in_eighth | 1u << EIGHTH), BLOCK - 1);
    };
    e.lowAt = first(lows, e.low);
    e.highAt = first(highs, e.high);
    return e;
}

} // namespace

bool ScalingPointData::measureNumbers(const QPointF* p, double previous, Block& block,
                                      bool& ordered)
{
    constexpr double largest = std::numeric_limits<double>::max();
    const Extremes e = measureBlock(p, previous);
    // infinities are rare enough to go the slow way
    if (e.low <= e.high && !(e.low >= -largest && e.high <= largest))
        return false;
    ordered &= e.rising;
    // of a block with values that are no number only the extremes of the others count
    block = Block { e.low, e.high, p[0].x(), p[BLOCK - 1].x(), e.lowAt, e.highAt, !e.none };
    return true;
}

// Sample by sample: the end of a log, and blocks with values that are no number.
void ScalingPointData::measure(const QVector<QPointF>& s, int from, int to, double previous,
                               Block& block, bool& ordered)
{
    constexpr double largest = std::numeric_limits<double>::max();
    double low = largest, high = -largest;
    int low_at = from, high_at = from;
    bool numbers = true;
    for (int i = from; i < to; ++i) {
        const double v = s[i].y(), t = s[i].x();
        numbers &= std::fabs(v) <= largest; // false for NaN
        low_at = v < low ? i : low_at;
        low = v < low ? v : low;
        high_at = v > high ? i : high_at;
        high = v > high ? v : high;
        ordered &= t >= previous; // false for NaN
        previous = t;
    }
    if (!numbers) {
        low = largest, high = -largest;
        for (int i = from; i < to; ++i)
            includeValue(s[i].y(), low, high);
        low_at = high_at = from; // unused: the block is thinned sample by sample
    }
    block = Block { low, high, s[from].x(), s[to - 1].x(), low_at - from, high_at - from, numbers };
}

// Splits the samples into stretches that share a column, appending what each keeps.
class ScalingPointData::Thinner
{
    // Blocks ahead of the one at work whose samples are asked for: about as many as take as
    // long to go through as memory takes to answer.
    static constexpr int AHEAD = 16;

public:
    Thinner(const ScalingPointData& data, const QwtScaleMap& x_map, const Columns& columns)
        : m_data(data)
        , m_s(*data.m_series)
        , m_map(x_map)
        , m_scale(columns.scale)
        , m_offset(columns.offset)
        , m_left(columns.first)
        , m_right(columns.last)
        , m_base(std::floor(columns.first))
        , m_keep(columns.keep)
        , m_y(columns.y)
    { }

    // The column of a time; LEFT or RIGHT outside the columns, NaN as LEFT.
    qint64 column(double time) const
    {
        const double c = m_scale * m_map.transform(time) + m_offset;
        return !(c >= m_left) ? LEFT : c > m_right ? RIGHT : qint64(m_base) + qint64(c - m_base);
    }

    // Samples in any order, one by one.
    void scan(int from, int to)
    {
        for (int i = from; i < to; ++i)
            step(i);
        finish();
    }

    // Samples in time order, so in order of their columns: a block whose first and last sample
    // share a column lies in it whole, and its extremes stand for its samples; what the blocks
    // hold is all that is read of them. A block across columns is cut where they change.
    void scanInOrder()
    {
        const int n = m_s.size();
        const int blocks = m_data.m_blocks.size();
        for (int b = 0; b < blocks; ++b) {
            // The samples of a block across columns are read: some blocks ahead, ask for
            // them early, so that the waits for memory overlap with the work on these.
            if (b + AHEAD < blocks) {
                const Block& ahead = m_data.m_blocks[b + AHEAD];
                if (!ahead.numbers || column(ahead.first) != column(ahead.last)) {
                    const char* p
                        = reinterpret_cast<const char*>(m_s.constData() + (b + AHEAD) * BLOCK);
                    const char* end = reinterpret_cast<const char*>(
                        m_s.constData() + std::min(n, (b + AHEAD + 1) * BLOCK));
                    for (; p < end; p += 64)
                        __builtin_prefetch(p);
                }
            }
            const Block& block = m_data.m_blocks[b];
            const int from = b * BLOCK, to = std::min(n, from + BLOCK);
            // In time order a block that ends in the column the one before ended in lies in it
            // whole; else one that starts and ends in the same column does.
            const qint64 c = column(block.last);
            const bool same = b > 0 && c == m_lastColumn;
            m_lastColumn = c;
            if (!block.numbers && block.low > block.high) {
                gap(from); // not one number: a gap, or more of one
                continue;
            }
            if (!block.numbers) {
                for (int i = from; i < to; ++i)
                    step(i);
                continue;
            }
            if (same || column(block.first) == c) {
                take(from, to, c, block.low, block.lowAt, block.high, block.highAt);
                continue;
            }
            // Columns never decrease in time order, so the samples of each column of the block
            // follow each other and a bisection finds where the next one starts.
            for (int start = from; start < to;) {
                const qint64 here = column(m_s[start].x());
                int end = to;
                for (int inside = start; end - inside > 1;) {
                    const int middle = inside + (end - inside) / 2;
                    (column(m_s[middle].x()) == here ? inside : end) = middle;
                }
                takeSamples(start, end, here);
                start = end;
            }
        }
        finish();
    }

private:
    // Samples `from` to before `to`, all numbers in column c, of which low and high are the
    // first lowest and the first highest.
    void take(int from, int to, qint64 c, double low, int low_at, double high, int high_at)
    {
        if (m_start >= 0 && c == m_column) {
            if (low < m_lowValue)
                m_low = low_at, m_lowValue = low;
            if (high > m_highValue)
                m_high = high_at, m_highValue = high;
        } else {
            finish();
            m_gap = false;
            m_start = from, m_column = c;
            m_low = low_at, m_lowValue = low, m_high = high_at, m_highValue = high;
        }
        m_end = to - 1;
    }

    // Samples `from` to before `to`, all numbers in column c.
    void takeSamples(int from, int to, qint64 c)
    {
        double low = m_s[from].y(), high = low;
        int low_at = from, high_at = from;
        for (int i = from + 1; i < to; ++i) {
            const double v = m_s[i].y();
            low_at = v < low ? i : low_at;
            low = v < low ? v : low;
            high_at = v > high ? i : high_at;
            high = v > high ? v : high;
        }
        take(from, to, c, low, low_at, high, high_at);
    }

    void step(int i)
    {
        const double v = m_s[i].y();
        // What a number cannot place (a value or time that is none) is kept alone.
        const bool placed = std::isfinite(v) && !std::isnan(m_s[i].x());
        const qint64 c = placed ? column(m_s[i].x()) : 0;
        if (m_start >= 0 && placed && c == m_column) {
            if (v < m_lowValue)
                m_low = i, m_lowValue = v;
            else if (v > m_highValue)
                m_high = i, m_highValue = v;
            m_end = i;
            return;
        }
        finish();
        if (!placed) {
            gap(i);
            return;
        }
        m_gap = false;
        m_start = m_low = m_high = m_end = i;
        m_lowValue = m_highValue = v;
        m_column = c;
    }

    // Sample i, which no number can place, breaks the line; those that follow it add nothing.
    void gap(int i)
    {
        finish();
        if (!m_gap)
            m_data.m_points.append(m_s[i]);
        m_gap = true;
    }

    // Ends the stretch so far: its samples share a column, and all have numbers.
    void finish()
    {
        if (m_start < 0)
            return;
        QVector<QPointF>& out = m_data.m_points;
        if (m_end - m_start < m_keep && m_y) {
            // the points Qwt would draw of them: one per pixel the line passes
            double pixel = qQNaN();
            for (int i = m_start; i <= m_end; ++i) {
                const double p = toPixel(m_y->transform(m_s[i].y()));
                if (p != pixel)
                    out.append(m_s[i]);
                pixel = p;
            }
        } else if (m_end - m_start < m_keep) {
            for (int i = m_start; i <= m_end; ++i)
                out.append(m_s[i]);
        } else {
            // first, lowest, highest and last, in their order, none twice
            const int kept[4]
                = { m_start, std::min(m_low, m_high), std::max(m_low, m_high), m_end };
            int previous = -1;
            for (int i : kept) {
                if (i != previous)
                    out.append(m_s[i]);
                previous = i;
            }
        }
        m_start = -1;
    }

    const ScalingPointData& m_data;
    const QVector<QPointF>& m_s;
    const QwtScaleMap& m_map;
    const double m_scale, m_offset, m_left, m_right, m_base;
    const int m_keep;
    const QwtScaleMap* const m_y;
    bool m_gap = false; // the last point kept is one that no number can place
    int m_start = -1, m_low = 0, m_high = 0, m_end = 0; // the stretch so far
    double m_lowValue = 0, m_highValue = 0;
    qint64 m_column = 0;
    qint64 m_lastColumn = 0; // of the last sample of the block before
};

void ScalingPointData::thin(const QwtScaleMap& x_map, const Columns& columns) const
{
    const QwtScaleMap& y = columns.y ? *columns.y : QwtScaleMap();
    const Key key { { x_map.s1(), x_map.s2(), x_map.p1(), x_map.p2(), columns.scale, columns.offset,
                      columns.first, columns.last, columns.y ? y.s1() : 0, columns.y ? y.s2() : 0,
                      columns.y ? y.p1() : 0, columns.y ? y.p2() : 0 },
                    columns.keep };
    if (!m_series || (m_thinned && key == m_key))
        return;
    m_key = key;
    m_thinned = true;
    m_points.resize(0);
    Thinner thinner(*this, x_map, columns);
    // Columns follow the times where the map runs left to right.
    const bool forward
        = columns.scale > 0 && (x_map.p2() - x_map.p1()) * (x_map.s2() - x_map.s1()) > 0;
    if (m_ordered && forward)
        thinner.scanInOrder();
    else
        thinner.scan(0, m_series->size());
}

size_t ScalingPointData::size() const
{
    if (m_thinned)
        return size_t(m_points.size());
    return m_series ? size_t(m_series->size()) : 0;
}

QPointF ScalingPointData::sample(size_t i) const
{
    if (i >= size())
        return QPointF(0, 0);
    return m_thinned ? m_points[int(i)] : (*m_series)[int(i)];
}

QRectF ScalingPointData::boundingRect() const
{
    if (m_values.isEmpty() || m_times.isEmpty())
        return QRectF(1.0, 1.0, -2.0, -2.0); // Qwt's "no bounding rectangle"
    return QRectF(m_times.low, m_values.low, m_times.high - m_times.low,
                  m_values.high - m_values.low);
}

int ScalingPointData::nearest(const QwtScaleMap& x_map, double x) const
{
    if (!m_series)
        return -1;
    if (m_ordered)
        return nearestInOrder(x_map, x);
    const QVector<QPointF>& s = *m_series;
    double best = 1e10;
    int found = -1;
    for (int i = 0; i < s.size(); ++i) {
        if (!std::isfinite(s[i].y()))
            continue;
        const double distance = std::fabs(x_map.transform(s[i].x()) - x);
        if (distance < best) {
            best = distance;
            found = i;
        }
    }
    return found;
}

// The same answer from the two numbered samples on either side of x.
int ScalingPointData::nearestInOrder(const QwtScaleMap& x_map, double x) const
{
    const QVector<QPointF>& s = *m_series;
    const double time = x_map.invTransform(x);
    const int k = int(std::lower_bound(s.begin(), s.end(), time,
                                       [](const QPointF& p, double t) { return p.x() < t; })
                      - s.begin());
    int before = k - 1;
    while (before >= 0 && !std::isfinite(s[before].y()))
        --before;
    int after = k;
    while (after < s.size() && !std::isfinite(s[after].y()))
        ++after;
    double best = 1e10;
    int found = -1;
    for (int i : { before, after }) {
        if (i < 0 || i >= s.size())
            continue;
        const double distance = std::fabs(x_map.transform(s[i].x()) - x);
        if (distance < best) {
            best = distance;
            found = i;
        }
    }
    if (found < 0)
        return -1;
    // Of samples at the same time the first with a number.
    while (found > 0 && s[found - 1].x() == s[found].x())
        --found;
    while (!std::isfinite(s[found].y()))
        ++found;
    return found;
}
