#include "logplot/PlotLabelManager.h"

#include "logdata/LogData.h"
#include "logplot/PlotLabel.h"
#include "logplot/PlotLabelOverlay.h"
#include "logplot/ScalingPointData.h"

#include <qwt_date.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>

#include <QMouseEvent>
#include <QWidget>

#include <cmath>

PlotLabelManager::PlotLabelManager(QwtPlot* plot, ScalingPointData* const* point_sources,
                                   QwtPlotCurve* const* curves, int count)
    : QObject(plot)
    , m_pointSources(point_sources)
    , m_curves(curves)
    , m_count(count)
    , m_label(new PlotLabel)
    , m_overlay(new PlotLabelOverlay(m_label, plot->canvas()))
{
    QWidget* canvas = plot->canvas();
    canvas->installEventFilter(this);
    m_label->setDrawnByOverlay(true);
    canvas->setAttribute(Qt::WA_MouseTracking, true);
    canvas->setFocus(Qt::OtherFocusReason);
    m_label->attach(plot);
    m_label->setZ(10000); // above the curves
    m_label->setVisible(false);
}

QwtPlot* PlotLabelManager::plot() const
{
    return qobject_cast<QwtPlot*>(parent());
}

// A curve of a series the log does not have is detached and has nothing to say.
bool PlotLabelManager::shown(int curve) const
{
    return m_curves[curve]->plot() == plot() && m_curves[curve]->isVisible();
}

bool PlotLabelManager::anyCurveShown() const
{
    for (int i = 0; i < m_count; ++i) {
        if (shown(i))
            return true;
    }
    return false;
}

bool PlotLabelManager::eventFilter(QObject* object, QEvent* event)
{
    QwtPlot* p = plot();
    if (p && object == p->canvas()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::Leave:
            m_label->setVisible(false);
            refresh();
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::Enter:
            if (anyCurveShown())
                m_label->setVisible(true);
            refresh();
            break;
        case QEvent::MouseMove:
            updateLabels(static_cast<QMouseEvent*>(event)->localPos().toPoint());
            break;
        case QEvent::Resize:
            refresh();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(object, event);
}

void PlotLabelManager::updateLabels(const QPoint& m)
{
    QwtPlot* p = plot();
    if (!p)
        return;
    // The search runs on the first series the log has: setpoint, else temperature, else TRIAC.
    int searched = -1;
    for (int i = 0; i < m_count && searched < 0; ++i) {
        if (m_curves[i]->plot() == p)
            searched = i;
    }
    if (searched < 0)
        return;

    // All samples, not only those the curve draws.
    const int nearest
        = m_pointSources[searched]->nearest(p->canvasMap(m_curves[searched]->xAxis()), m.x());
    if (nearest < 0)
        return;

    QVector<PlotLabel::Label> labels;
    for (int c = 0; c < m_count; ++c) {
        if (!shown(c))
            continue;
        const QVector<QPointF>* samples = m_pointSources[c]->samples();
        if (!samples || nearest >= samples->size() || !std::isfinite(samples->at(nearest).y()))
            continue;
        const QPointF point = samples->at(nearest);
        PlotLabel::Label l;
        l.x = point.x();
        l.y = point.y();
        l.xAxis = m_curves[c]->xAxis();
        l.yAxis = m_curves[c]->yAxis();
        l.colour = m_curves[c]->pen().color();
        l.text = c % LogData::SERIES_COUNT == LogData::TRIAC
            ? QStringLiteral("%1").arg(l.y, 0, 'f', 0)
            : QStringLiteral("%1 °C").arg(l.y, 0, 'f', 1);
        labels.append(l);
    }
    if (!labels.isEmpty()) {
        const QDateTime time = QwtDate::toDateTime(labels.first().x, Qt::LocalTime);
        m_label->setTimeText(time.toString(m_showDate ? QStringLiteral("hh:mm (dd.MM.yyyy)")
                                                      : QStringLiteral("hh:mm:ss")));
        m_label->setLabels(labels);
    }
    refresh();
}

void PlotLabelManager::refresh()
{
    m_overlay->refresh();
}

void PlotLabelManager::clear()
{
    m_label->setLabels({});
    m_label->setTimeText(QString());
    refresh();
}
