#include "logdata/LogData.h"

#include "logdata/LocalDayCache.h"

#include <QObject>

#include <charconv>
#include <cmath>
#include <limits>

void LogData::clear()
{
    for (auto& s : series)
        s.resize(0); // keeps the capacity for the next read
    present = { { false, false, false } };
    firstTime = 0;
    lastTime = 0;
    interval = 3.0;
}

const QVector<QPointF>* LogData::timeSeries() const
{
    for (int s = 0; s < SERIES_COUNT; ++s) {
        if (present[s] && !series[s].isEmpty())
            return &series[s];
    }
    return nullptr;
}

int LogData::count() const
{
    const QVector<QPointF>* s = timeSeries();
    return s ? s->size() : 0;
}

double LogData::time(int i) const
{
    const QVector<QPointF>* s = timeSeries();
    return (s && i >= 0 && i < s->size()) ? s->at(i).x() : 0;
}

double LogData::minValue(int s) const
{
    if (s < 0 || s >= SERIES_COUNT || !present[s])
        return 0;
    double result = std::numeric_limits<double>::max();
    for (const QPointF& p : series[s]) {
        if (std::isfinite(p.y()) && p.y() < result)
            result = p.y();
    }
    return result;
}

double LogData::maxValue(int s) const
{
    if (s < 0 || s >= SERIES_COUNT || !present[s])
        return 0;
    double result = std::numeric_limits<double>::lowest();
    for (const QPointF& p : series[s]) {
        if (std::isfinite(p.y()) && p.y() > result)
            result = p.y();
    }
    return result;
}

namespace {

// Appends value as QString::arg(value, 0, 'f', 1) does, without its cost: Qt rounds an exact
// tie away from zero and never writes "-0.0" for a zero, where to_chars would round to even.
void appendValue(QString& out, double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e15) {
        out += QString::number(value, 'f', 1);
        return;
    }
    char buf[32];
    char* end;
    const double quarters = value * 4;
    if (value == 0) {
        buf[0] = '0', buf[1] = '.', buf[2] = '0';
        end = buf + 3;
    } else if (quarters == std::floor(quarters) && std::fmod(quarters, 2) != 0) {
        // x.25 or x.75: the only exact ties at one decimal. Ten times the value is no longer
        // exact near 1e15, so the whole part and the quarter are taken apart.
        const double whole = std::floor(std::fabs(value));
        const long long tenths
            = static_cast<long long>(whole) * 10 + (std::fabs(value) - whole == 0.25 ? 3 : 8);
        end = buf;
        if (value < 0)
            *end++ = '-';
        end = std::to_chars(end, buf + sizeof buf, tenths / 10).ptr;
        *end++ = '.';
        *end++ = char('0' + tenths % 10);
    } else {
        end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 1).ptr;
    }
    out += QLatin1String(buf, int(end - buf));
}

// Reads a decimal number with '.' or ',' as separator. The common shapes ("-12", "21.5")
// are converted here exactly (integer mantissa over a power of ten); anything else goes to
// QString::toDouble.
bool parseValue(const QChar* begin, const QChar* end, double& value)
{
    static const double kPow10[]
        = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15 };
    const QChar* p = begin;
    const bool negative = p != end && *p == QLatin1Char('-');
    if (negative)
        ++p;
    long long mantissa = 0;
    int digits = 0, decimals = 0;
    bool separator = false, simple = p != end;
    for (; p != end; ++p) {
        const ushort c = p->unicode();
        if (c >= '0' && c <= '9') {
            mantissa = mantissa * 10 + (c - '0');
            decimals += separator;
            if (++digits > 15) {
                simple = false;
                break;
            }
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
        } else {
            simple = false;
            break;
        }
    }
    if (simple && digits > 0) {
        value = double(mantissa) / kPow10[decimals];
        if (negative)
            value = -value;
        return true;
    }
    QString field(begin, int(end - begin));
    field.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = field.toDouble(&ok);
    return ok;
}

} // namespace

QString LogData::toCsv() const
{
    const int n = count();
    QString out = QObject::tr("date;setpoint;temperature;triac") + QStringLiteral("\r\n");
    out.reserve(out.size() + n * 40);
    LocalDayCache days;
    for (int i = 0; i < n; ++i) {
        days.appendText(out, time(i));
        for (int s = 0; s < SERIES_COUNT; ++s) {
            out += QLatin1Char(';');
            // a series that is absent or shorter than the time series writes 0.0
            const QVector<QPointF>& v = series[s];
            appendValue(out, i < v.size() ? v[i].y() : 0.0);
        }
        out += QLatin1String("\r\n");
    }
    return out;
}

LogData LogData::fromCsv(const QString& text)
{
    LogData log;
    log.present = { { true, true, true } };
    LocalDayCache days;
    const QChar* p = text.constData();
    const QChar* const textEnd = p + text.size();
    while (p < textEnd) {
        // Lines end with CR LF as written, or with LF alone from other editors.
        const QChar* lineEnd = p;
        while (lineEnd < textEnd && *lineEnd != QLatin1Char('\n'))
            ++lineEnd;
        const QChar* next = lineEnd + 1;
        if (lineEnd > p && lineEnd[-1] == QLatin1Char('\r'))
            --lineEnd;

        const QChar* fields[5];
        int separators = 0;
        fields[0] = p;
        for (const QChar* q = p; q < lineEnd && separators < 4; ++q) {
            if (*q == QLatin1Char(';'))
                fields[++separators] = q + 1;
        }
        double t, values[3];
        if (separators == 3 && days.parse(p, fields[1] - 1, t)
            && parseValue(fields[1], fields[2] - 1, values[0])
            && parseValue(fields[2], fields[3] - 1, values[1])
            && parseValue(fields[3], lineEnd, values[2])) {
            if (log.series[SETPOINT].isEmpty()) {
                log.firstTime = t;
                log.interval = 600000;
            }
            for (int s = 0; s < SERIES_COUNT; ++s)
                log.series[s].append(QPointF(t, values[s]));
        }
        p = next;
    }
    const QVector<QPointF>& setpoints = log.series[SETPOINT];
    if (!setpoints.isEmpty())
        log.lastTime = setpoints.last().x();
    if (setpoints.size() >= 2)
        log.interval = setpoints[1].x() - setpoints[0].x();
    return log;
}
