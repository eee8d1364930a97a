#pragma once

#include <qwt_plot_curve.h>

// The curve of one log series. Before drawing it has its ScalingPointData thin the samples to
// the pixel columns of the device it draws on (the screen, or an image of another size or
// pixel ratio), and draws the line through what is left as Qwt draws the line through every
// sample: the same pixels, in a fraction of the time.
class LogCurve : public QwtPlotCurve
{
public:
    explicit LogCurve(const QwtText& title);

    // Columns of at most this many samples keep them all.
    static constexpr int KEEP = 32;

protected:
    void drawSeries(QPainter* painter, const QwtScaleMap& x_map, const QwtScaleMap& y_map,
                    const QRectF& canvas_rect, int from, int to) const override;
    void drawLines(QPainter* painter, const QwtScaleMap& x_map, const QwtScaleMap& y_map,
                   const QRectF& canvas_rect, int from, int to) const override;
};
