#pragma once

#include <qwt_plot_zoomer.h>

// Rubber-band zoom on the plot canvas: a left-button drag zooms, a right click zooms out one
// step, Ctrl + right click returns to the full view. A tiny drag (a click that moved a little)
// does not zoom, and a thin one is widened so the zoom stays readable.
class PlotZoomer : public QwtPlotZoomer
{
    Q_OBJECT

public:
    PlotZoomer(int x_axis, int y_axis, QWidget* canvas);

protected:
    bool accept(QPolygon& points) const override;
    void rescale() override;
};
