#pragma once

#include <qwt_magnifier.h>

#include <QPoint>

class PlotZoomer;

// Zooms the time axis with the mouse wheel, around the time under the pointer (which stays
// where it is), and with the + and - keys around the middle. Never beyond the whole log; the
// zoomer keeps the range shown.
class PlotMagnifier : public QwtMagnifier
{
    Q_OBJECT

public:
    // What one notch of the wheel (or a key press) keeps of the range shown when zooming in.
    static constexpr double STEP = 0.8;

    PlotMagnifier(QWidget* canvas, PlotZoomer* zoomer);

protected:
    void rescale(double factor) override;
    void widgetWheelEvent(QWheelEvent* event) override;
    void widgetKeyPressEvent(QKeyEvent* event) override;

private:
    PlotZoomer* m_zoomer;
    double m_anchorX = -1; // canvas position kept in place; below 0: the middle
};
