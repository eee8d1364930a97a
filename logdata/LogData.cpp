#include "logdata/LogData.h"

#include "logdata/LocalDayCache.h"
#include "logdata/LogCsvReader.h"

#include <QFile>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

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

// Files are read in pieces of this size, so that a long import touches little fresh memory.
constexpr int READ_CHUNK = 1 << 20;

} // namespace

QString LogData::toCsv() const
{
    const int n = count();
    // The header names the columns for the readers of the file, whatever the user's language.
    QString out = QStringLiteral("date;setpoint;temperature;triac\r\n");
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
    LogCsvReader reader;
    reader.reserveFor(text.size());
    reader.addText(text);
    return reader.finish();
}

LogData LogData::fromCsvUtf8(const QByteArray& utf8)
{
    // QString(QByteArray) ends the text at the first zero byte.
    const char* const text = utf8.constData();
    const uint length = qstrnlen(text, uint(utf8.size()));
    LogCsvReader reader;
    reader.reserveFor(length);
    reader.addUtf8(text, text + length, true);
    return reader.finish();
}

LogData LogData::readCsvFile(const QString& path, bool* ok)
{
    if (ok)
        *ok = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return LogData();
    // Pipes and devices report no size and may never end: what counts is what was read.
    const qint64 size = file.size();
    if (size > MAX_CSV_FILE_SIZE)
        return LogData();
    LogCsvReader reader;
    reader.reserveFor(size);
    std::vector<char> buffer(READ_CHUNK);
    size_t kept = 0; // the start of a line read before
    qint64 total = 0;
    for (;;) {
        if (kept == buffer.size()) // a line longer than the buffer
            buffer.resize(2 * buffer.size());
        const qint64 n = file.read(buffer.data() + kept, qint64(buffer.size() - kept));
        total += n;
        if (n < 0 || total > MAX_CSV_FILE_SIZE)
            return LogData();
        char* const begin = buffer.data();
        char* end = begin + kept + n;
        // As QString(QByteArray) reads it, the text ends at the first zero byte.
        if (char* zero = static_cast<char*>(std::memchr(begin + kept, 0, size_t(n))))
            end = zero;
        const bool last = n == 0 || end < begin + kept + n;
        const char* rest = reader.addUtf8(begin, end, last);
        if (last)
            break;
        kept = size_t(end - rest);
        std::memmove(begin, rest, kept);
    }
    if (ok)
        *ok = true;
    return reader.finish();
}
