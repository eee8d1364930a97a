#pragma once

#include <qwt_plot_curve.h>

// The curve of one log series. Before drawing it has its ScalingPointData thin the samples to
// the pixel columns of the device it draws on (the screen, or an image of another size or
// pixel ratio). Where consecutive columns each hold a tall stretch of samples, a long log
// packed into the width of the canvas, the line through them covers a solid band: that band
// is filled rather than stroked up and down, which costs the rasterizer a fraction.
class LogCurve : public QwtPlotCurve
{
public:
    explicit LogCurve(const QwtText& title);

protected:
    void drawSeries(QPainter* painter, const QwtScaleMap& x_map, const QwtScaleMap& y_map,
                    const QRectF& canvas_rect, int from, int to) const override;
    void drawLines(QPainter* painter, const QwtScaleMap& x_map, const QwtScaleMap& y_map,
                   const QRectF& canvas_rect, int from, int to) const override;
};
