#pragma once

#include <qwt_plot_zoomer.h>

// Rubber-band zoom on the plot canvas: a left-button drag zooms, a right click zooms out one
// step, Ctrl + right click and the Home key return to the full view. A tiny drag (a click that
// moved a little) does not zoom, and a thin one is widened so the zoom stays readable; the
// rectangle ends where the button was released, however fast the drag. The arrow, Return and
// Space keys are left to the plot's panner: Qwt's picker would move the mouse pointer.
class PlotZoomer : public QwtPlotZoomer
{
    Q_OBJECT

public:
    PlotZoomer(int x_axis, int y_axis, QWidget* canvas);

    // The zoomer of the other two axes, created after this one, which must take as many zoom
    // steps as this one.
    void setPartner(PlotZoomer* partner);
    // The narrowest range showRange() shows.
    void setMinimumSpan(double span) { m_minimumSpan = span; }

    // Shows `start` … `end` of this zoomer's x axis, within the zoom base, its y axis as it is.
    // From the zoom base this is one more zoom step (a right click returns to the whole); from
    // a zoom it replaces the zoom, so that panning and the mouse wheel do not pile steps up.
    void showRange(double start, double end);

protected:
    bool accept(QPolygon& points) const override;
    void rescale() override;

private:
    PlotZoomer* m_partner = nullptr;
    double m_minimumSpan = 0;
};
