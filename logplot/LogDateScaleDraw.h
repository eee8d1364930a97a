#pragma once

#include <qwt_date_scale_draw.h>
#include <qwt_scale_div.h>

#include <QString>

// The time axis of the plots, in local time: hours as time alone, or time above date when a
// plot spans days (setHourFormat), and weeks, months and years by their dates.
class LogDateScaleDraw : public QwtDateScaleDraw
{
public:
    static const QString DAY_FORMAT; // time above date
    static const QString TIME_FORMAT;

    LogDateScaleDraw();

    // The labels it has cached must go with the old format.
    void setHourFormat(const QString& format);

    // Qwt works the interval out anew for every label, from every tick, and each tick's local
    // time costs a look at the system's time zone: once per scale is enough.
    QwtDate::IntervalType intervalType(const QwtScaleDiv& div) const override;

private:
    mutable QwtScaleDiv m_intervalDiv;
    mutable QwtDate::IntervalType m_interval = QwtDate::Millisecond;
    mutable bool m_intervalValid = false;
};
