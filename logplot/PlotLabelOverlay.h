#pragma once

#include <qwt_widget_overlay.h>

class PlotLabel;

// Draws the hover read-out in a widget over the plot canvas: a mouse move then repaints only
// what the read-out covers, before and after, and not the curves beneath it.
class PlotLabelOverlay : public QwtWidgetOverlay
{
public:
    PlotLabelOverlay(const PlotLabel* label, QWidget* canvas);

    // Follows the label item: its labels, its visibility and the plot's scales.
    void refresh();

protected:
    void drawOverlay(QPainter* painter) const override;
    QRegion maskHint() const override;

private:
    bool shown() const;

    const PlotLabel* m_label;
};
