#pragma once

#include <qwt_plot_item.h>

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QRegion>
#include <QString>
#include <QVector>

// The hover read-out of the log plot: a callout with the value of each visible curve at the
// sample under the mouse, a vertical line through it and a box with its time at the bottom.
// Callouts that would overlap are spread apart and kept inside the canvas.
class PlotLabel : public QwtPlotItem
{
public:
    struct Label
    {
        double x = 0, y = 0; // the point in scale coordinates (time, value)
        int xAxis = 0, yAxis = 0; // the curve's axes
        double px = 0, py = 0; // the point on the canvas, computed when drawing
        int ix = 0, iy = 0; // the callout anchor; iy is the centre line of its box
        QString text;
        QColor colour;
    };

    // Pixels: callout box, the gap between anchors that keeps boxes apart, time box strip.
    static constexpr int BOX_WIDTH = 60;
    static constexpr int BOX_HEIGHT = 18;
    static constexpr int SEPARATION = 20;
    static constexpr int TIME_STRIP = 20;

    PlotLabel();

    // An overlay over the canvas paints the read-out (paintOn); drawn with the canvas it is then
    // only laid out.
    void setDrawnByOverlay(bool on) { m_drawnByOverlay = on; }
    void setLabels(const QVector<Label>& labels) { m_labels = labels; }
    void setTimeText(const QString& text) { m_timeText = text; }
    // As last drawn: anchors computed and spread apart.
    const QVector<Label>& labels() const { return m_labels; }
    QString timeText() const { return m_timeText; }

    // The callout box of a label: right of its point, or left of it near the canvas's right
    // edge.
    static QRectF calloutBox(const Label& label, const QRectF& canvas);

    void draw(QPainter* painter, const QwtScaleMap& x_map, const QwtScaleMap& y_map,
              const QRectF& canvas_rect) const override;
    // Lays the labels out on the plot's current scales and paints them.
    void paintOn(QPainter* painter, const QRectF& canvas_rect) const;
    // What paintOn() with this font covers, in whole pixels; nothing without labels.
    QRegion area(const QRectF& canvas_rect, const QFont& font) const;
    int rtti() const override { return QwtPlotItem::Rtti_PlotUserItem; }

private:
    void place(const QRectF& canvas) const;
    void paint(QPainter* painter, const QRectF& canvas) const;
    QRectF timeBox(const QFont& font, const QRectF& canvas) const;

    mutable QVector<Label> m_labels; // anchors are worked out in draw()
    QString m_timeText;
    bool m_drawnByOverlay = false;
};
