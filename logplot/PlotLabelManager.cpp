#include "logplot/PlotLabelManager.h"

#include "logdata/LogData.h"
#include "logplot/PlotLabel.h"
#include "logplot/ScalingPointData.h"

#include <qwt_date.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>

#include <QMouseEvent>
#include <QWidget>

#include <cmath>

PlotLabelManager::PlotLabelManager(QwtPlot* plot, ScalingPointData* const* point_sources,
                                   QwtPlotCurve* const* curves)
    : QObject(plot)
    , m_pointSources(point_sources)
    , m_curves(curves)
    , m_label(new PlotLabel)
{
    QWidget* canvas = plot->canvas();
    canvas->installEventFilter(this);
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
    for (int i = 0; i < LogData::SERIES_COUNT; ++i) {
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
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::Enter:
            if (anyCurveShown())
                m_label->setVisible(true);
            break;
        case QEvent::MouseMove:
            updateLabels(static_cast<QMouseEvent*>(event)->localPos().toPoint());
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
    for (int i = 0; i < LogData::SERIES_COUNT && searched < 0; ++i) {
        if (m_curves[i]->plot() == p)
            searched = i;
    }
    if (searched < 0)
        return;

    const ScalingPointData* data = m_pointSources[searched];
    const QwtScaleMap x_map = p->canvasMap(m_curves[searched]->xAxis());
    // Indexes past the real points repeat the last one and can never be strictly nearer.
    const size_t n = data->pointCount();
    double best = 1e10;
    size_t nearest = n;
    for (size_t i = 0; i < n; ++i) {
        const QPointF point = data->sample(i);
        if (!std::isfinite(point.y()))
            continue;
        const double distance = std::fabs(x_map.transform(point.x()) - m.x());
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    if (nearest == n)
        return;

    QVector<PlotLabel::Label> labels;
    for (int c = 0; c < LogData::SERIES_COUNT; ++c) {
        if (!shown(c))
            continue;
        const QPointF point = m_pointSources[c]->sample(nearest);
        if (!std::isfinite(point.y()))
            continue;
        PlotLabel::Label l;
        l.x = point.x();
        l.y = point.y();
        l.xAxis = m_curves[c]->xAxis();
        l.yAxis = m_curves[c]->yAxis();
        l.colour = m_curves[c]->pen().color();
        l.text = c == LogData::TRIAC ? QStringLiteral("%1").arg(l.y, 0, 'f', 0)
                                     : QStringLiteral("%1 °C").arg(l.y, 0, 'f', 1);
        labels.append(l);
    }
    if (!labels.isEmpty()) {
        const QDateTime time = QwtDate::toDateTime(labels.first().x, Qt::LocalTime);
        m_label->setTimeText(time.toString(m_showDate ? QStringLiteral("hh:mm (dd.MM.yyyy)")
                                                      : QStringLiteral("hh:mm:ss")));
        m_label->setLabels(labels);
    }
    p->replot();
}
