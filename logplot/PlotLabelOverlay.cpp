#include "logplot/PlotLabelOverlay.h"

#include "logplot/PlotLabel.h"

#include <QFrame>

namespace {

QRectF canvasRect(const QWidget* canvas)
{
    // what the plot hands its items as canvas rectangle
    if (auto* frame = qobject_cast<const QFrame*>(canvas))
        return QRectF(frame->contentsRect());
    return QRectF(canvas->rect());
}

} // namespace

PlotLabelOverlay::PlotLabelOverlay(const PlotLabel* label, QWidget* canvas)
    : QwtWidgetOverlay(canvas)
    , m_label(label)
{
    setMaskMode(QwtWidgetOverlay::MaskHint);
}

bool PlotLabelOverlay::shown() const
{
    return m_label->isVisible() && m_label->plot() && !m_label->labels().isEmpty();
}

void PlotLabelOverlay::refresh()
{
    // Without a mask the overlay would cover, and repaint, the whole canvas.
    if (shown())
        updateOverlay();
    else
        hide();
}

void PlotLabelOverlay::drawOverlay(QPainter* painter) const
{
    if (shown())
        m_label->paintOn(painter, canvasRect(parentWidget()));
}

QRegion PlotLabelOverlay::maskHint() const
{
    return shown() ? m_label->area(canvasRect(parentWidget()), font()) : QRegion();
}
