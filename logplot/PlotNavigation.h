#pragma once

#include <array>

class PlotMagnifier;
class PlotPanner;
class PlotZoomer;
class QwtPlot;

// What moves a plot's view, the same in the log plot and the live trend: one drag zooms all
// four axes, a middle drag and the arrow keys pan the time axis, the wheel and + and - zoom it,
// Home shows everything, a right click steps back on both zoomers alike. The canvas is drawn
// without a frame or a backing store of its own.
struct PlotNavigation
{
    std::array<PlotZoomer*, 2> zoomers {};
    PlotPanner* panner = nullptr;
    PlotMagnifier* magnifier = nullptr;

    // Zooming in stops at `minimum_span` of the time axis.
    static PlotNavigation attach(QwtPlot* plot, double minimum_span);
};
