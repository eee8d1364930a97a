#pragma once

#include <qwt_panner.h>

class PlotZoomer;

// Moves the plot along its time axis: by dragging with the middle mouse button (the canvas
// moves as a picture while dragging; the curves are drawn anew once, when the button is
// released) and by the arrow keys, a tenth of what is shown per press. Never beyond the
// whole log; the zoomer keeps the range shown.
class PlotPanner : public QwtPanner
{
    Q_OBJECT

public:
    // Parts of the range shown that an arrow key moves it.
    static constexpr int KEY_STEPS = 10;

    PlotPanner(QWidget* canvas, PlotZoomer* zoomer);

    // Moves the range shown by `pixels` of the canvas: positive moves the curves to the right.
    void moveBy(double pixels);

protected:
    void widgetMousePressEvent(QMouseEvent* event) override;
    void widgetMouseMoveEvent(QMouseEvent* event) override;
    void widgetKeyPressEvent(QKeyEvent* event) override;

private:
    PlotZoomer* m_zoomer;
    // While dragging: where it started, and how far the curves may move either way (pixels).
    int m_pressX = 0;
    int m_leftRoom = 0, m_rightRoom = 0;
};
