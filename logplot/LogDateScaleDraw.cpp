#include "logplot/LogDateScaleDraw.h"

const QString LogDateScaleDraw::DAY_FORMAT = QStringLiteral("    hh:mm\ndd.MM.yyyy");
const QString LogDateScaleDraw::TIME_FORMAT = QStringLiteral("hh:mm");

LogDateScaleDraw::LogDateScaleDraw()
    : QwtDateScaleDraw(Qt::LocalTime)
{
    setDateFormat(QwtDate::Millisecond, QStringLiteral("hh:mm:ss"));
    setDateFormat(QwtDate::Second, QStringLiteral("hh:mm:ss"));
    setDateFormat(QwtDate::Minute, TIME_FORMAT);
    setDateFormat(QwtDate::Hour, TIME_FORMAT);
    setDateFormat(QwtDate::Day, DAY_FORMAT);
    // Ticks weeks, months or years apart fall on midnight: their dates say which one.
    setDateFormat(QwtDate::Week, QStringLiteral("dd.MM."));
    setDateFormat(QwtDate::Month, QStringLiteral("MM.yyyy"));
    setDateFormat(QwtDate::Year, QStringLiteral("yyyy"));
}

void LogDateScaleDraw::setHourFormat(const QString& format)
{
    setDateFormat(QwtDate::Hour, format);
    invalidateCache();
}

QwtDate::IntervalType LogDateScaleDraw::intervalType(const QwtScaleDiv& div) const
{
    if (!m_intervalValid || !(div == m_intervalDiv)) {
        m_interval = QwtDateScaleDraw::intervalType(div);
        m_intervalDiv = div;
        m_intervalValid = true;
    }
    return m_interval;
}
