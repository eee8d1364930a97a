#pragma once

#include <qwt_series_data.h>

#include <QPointF>
#include <QVector>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

class QwtScaleMap;

// The points of one log series as a curve draws them. Of the samples that follow each other
// within one pixel column it keeps the first, the lowest, the highest and the last, in their
// order: a line through these covers the pixels of the line through all of them, so a
// million-sample import draws as fast as a device log. A column of only a few samples keeps
// them all, which costs little and leaves a thin line exactly as it was. The columns follow
// zoom and canvas size; the hover labels and the axes read all samples.
class ScalingPointData : public QwtSeriesData<QPointF>
{
public:
    // The smallest and largest of the numbers seen within a limit (low > high: none).
    struct Range
    {
        double low = std::numeric_limits<double>::max();
        double high = std::numeric_limits<double>::lowest();
        void include(double v, double limit)
        {
            if (std::fabs(v) <= limit) { // false for NaN
                low = std::min(low, v);
                high = std::max(high, v);
            }
        }
        bool isEmpty() const { return low > high; }
    };

    // Log times beyond this (about the year 5000) come only from broken data.
    static constexpr double TIME_LIMIT = 1e14;

    // Serves the samples of `series` (not owned; null for none) and measures them.
    void setSamples(const QVector<QPointF>* series);
    const QVector<QPointF>* samples() const { return m_series; }
    // The finite values, and the times within TIME_LIMIT.
    const Range& values() const { return m_values; }
    const Range& times() const { return m_times; }

    // How thin() groups the samples: into the pixel columns
    // floor(scale × x_map.transform(time) + offset) of the device drawn on, those left of
    // column `first` and those right of column `last` into one each. A column of at most
    // `keep` samples keeps them all; with `y`, the map of a curve whose points are rounded to
    // whole pixels, all but those that fall on the pixel of the one before.
    struct Columns
    {
        double scale = 1, offset = 0, first = 0, last = 0;
        int keep = 0;
        const QwtScaleMap* y = nullptr;
    };
    // Thins the samples to columns; nothing is done again for the same columns and maps.
    void thin(const QwtScaleMap& x_map, const Columns& columns) const;

    // Qwt's rounding of a mapped coordinate to a whole pixel (qRound), without a call into the
    // maths library.
    static double toPixel(double v)
    {
        if (!(std::fabs(v) < 1e15))
            return v; // whole already, or no number
        const double up = v + 0.5;
        const double whole = double(qint64(up)); // towards zero
        return whole > up ? whole - 1 : whole;
    }

    // The index of the sample whose value is a number and whose time maps nearest to canvas
    // position x (the first of equally near ones); -1 when there is none.
    int nearest(const QwtScaleMap& x_map, double x) const;

    // The samples are measured in blocks of BLOCK in a row, and these in eighths, so that
    // thinning a series in time order reads a few samples per column rather than all.
    static constexpr int BLOCK = 64;
    static constexpr int EIGHTH = BLOCK / 8;

    bool isThinned() const { return m_thinned; }
    // What thin() kept, in order.
    const QVector<QPointF>& thinned() const { return m_points; }

    // Before the first thin() every sample.
    size_t size() const override;
    QPointF sample(size_t i) const override;
    QRectF boundingRect() const override;

private:
    // What a thinning depends on.
    struct Key
    {
        std::array<double, 12> numbers {};
        int keep = 0;
        bool operator==(const Key& o) const { return numbers == o.numbers && keep == o.keep; }
    };

    // The extremes of the values of BLOCK samples in a row (see Block).
    struct Block
    {
        double low, high;
        double first, last; // times of the first and last sample
        int lowAt, highAt;
        bool numbers; // every value is a finite number
    };
    class Thinner;

    // The extremes of a whole block, its times against the one before; false (and nothing
    // found) where a value is infinite.
    static bool measureNumbers(const QPointF* p, double previous, Block& block, bool& ordered);
    static void measure(const QVector<QPointF>& s, int from, int to, double previous, Block& block,
                        bool& ordered);

    int nearestInOrder(const QwtScaleMap& x_map, double x) const;

    const QVector<QPointF>* m_series = nullptr; // not owned
    Range m_values;
    Range m_times;
    bool m_ordered = false; // times never decrease, none is NaN
    QVector<Block> m_blocks;
    // What thin() made, and for which columns.
    mutable QVector<QPointF> m_points;
    mutable Key m_key;
    mutable bool m_thinned = false;
};
