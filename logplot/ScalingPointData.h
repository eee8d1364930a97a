#pragma once

#include <qwt_point_data.h>

#include <QPointF>
#include <QVector>

// The points of one log series as a curve draws them. A series longer than `max points` is
// thinned: point i stands for sample i × step and carries the mean of the step samples around
// it, so a million-sample import draws as fast as a device log.
class ScalingPointData : public QwtSyntheticPointData
{
public:
    explicit ScalingPointData(int max_points);

    void setSamples(const QVector<QPointF>* series);
    void setFirstTime(double time) { m_firstTime = time; }
    void setIntervalMs(int interval) { m_interval = interval; }
    // Makes the source serve max points points (indexes past the data repeat the last real
    // point); nothing for n <= 0.
    void setSampleCount(int n);

    QPointF sample(size_t i) const override;
    void setRectOfInterest(const QRectF& rect) override;
    double y(double) const override { return 0; }

    int step() const { return m_step; }
    // Indexes below this carry real samples of the series.
    size_t pointCount() const;

private:
    void updateStep();
    double average(int j) const;

    int m_sampleCount = -1;
    int m_maxPoints;
    int m_step = 1;
    int m_interval = 0;
    double m_firstTime = 0;
    const QVector<QPointF>* m_series = nullptr; // not owned
};
