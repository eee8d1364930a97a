#include "logplot/ScalingPointData.h"

#include <algorithm>

ScalingPointData::ScalingPointData(int max_points)
    : QwtSyntheticPointData(0, QwtInterval())
    , m_maxPoints(std::max(1, max_points))
{ }

void ScalingPointData::setSamples(const QVector<QPointF>* series)
{
    m_series = series;
    // Qwt sets the rect of interest only when it next lays out the scales; a new series must
    // not be served with the step of the old one until then.
    updateStep();
}

void ScalingPointData::setSampleCount(int n)
{
    if (n <= 0)
        return;
    m_sampleCount = n;
    setSize(size_t(m_maxPoints));
    setInterval(QwtInterval(m_firstTime, m_firstTime + double(m_interval) * n));
}

void ScalingPointData::updateStep()
{
    m_step = 1;
    if (!m_series)
        return;
    const int length = m_series->size();
    // the smallest step >= 2 with length / step <= max points
    if (length > m_maxPoints)
        m_step = std::max(2, length / (m_maxPoints + 1) + 1);
}

void ScalingPointData::setRectOfInterest(const QRectF& rect)
{
    if (m_series && !m_series->isEmpty())
        updateStep();
    QwtSyntheticPointData::setRectOfInterest(rect);
}

size_t ScalingPointData::pointCount() const
{
    if (!m_series)
        return 0;
    const size_t real = (size_t(m_series->size()) + size_t(m_step) - 1) / size_t(m_step);
    return std::min(real, size());
}

double ScalingPointData::average(int j) const
{
    const int length = m_series->size();
    const int start = std::max(0, j - m_step / 2);
    const int n = std::min(m_step, length - start);
    double sum = 0;
    for (int k = start; k < start + n; ++k)
        sum += (*m_series)[k].y();
    return sum / n;
}

QPointF ScalingPointData::sample(size_t i) const
{
    if (!m_series || i >= size() || m_series->isEmpty())
        return QPointF(0, 0);
    // Indexes past the data repeat the last real point, which draws nothing extra. Working it
    // out from the index rather than remembering the last call keeps sample() free of state.
    const size_t last = pointCount() - 1;
    const int j = int(std::min(i, last)) * m_step;
    return QPointF((*m_series)[j].x(), average(j));
}
