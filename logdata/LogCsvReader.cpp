#include "logdata/LogCsvReader.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

ushort code(QChar c)
{
    return c.unicode();
}

ushort code(char c)
{
    return uchar(c);
}

QString text(const QChar* begin, const QChar* end)
{
    return QString(begin, int(end - begin));
}

QString text(const char* begin, const char* end)
{
    return QString::fromLatin1(begin, int(end - begin));
}

// Reads a decimal number with '.' or ',' as separator. The common shapes ("-12", "21.5")
// are converted here exactly (integer mantissa over a power of ten); anything else goes to
// QString::toDouble.
template<typename Char> bool parseValue(const Char* begin, const Char* end, double& value)
{
    static const double kPow10[]
        = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15 };
    const Char* p = begin;
    const bool negative = p != end && code(*p) == '-';
    if (negative)
        ++p;
    long long mantissa = 0;
    int digits = 0, decimals = 0;
    bool separator = false, simple = p != end;
    for (; p != end; ++p) {
        const ushort c = code(*p);
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
    QString field = text(begin, end);
    field.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = field.toDouble(&ok);
    return ok;
}

// A long log fills tens of megabytes of fresh memory. Backed by 2 MiB pages that costs a few
// dozen page faults instead of one per 4 KiB page, which in a virtual machine is most of the
// time an import takes. Only advice: where the system has no such pages nothing changes.
void adviseLargePages(const void* data, size_t bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr uintptr_t large = uintptr_t(2) << 20;
    const uintptr_t begin = (uintptr_t(data) + large - 1) & ~(large - 1);
    const uintptr_t end = (uintptr_t(data) + bytes) & ~(large - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(bytes);
#endif
}

bool isAscii(const char* begin, const char* end)
{
    uchar bits = 0;
    for (const char* p = begin; p < end; ++p)
        bits |= uchar(*p);
    return bits < 0x80;
}

} // namespace

LogCsvReader::LogCsvReader()
{
    m_log.present = { { true, true, true } };
}

void LogCsvReader::reserveFor(qint64 length)
{
    // The shortest row: date, three one-digit values, the separators and a line feed.
    constexpr qint64 shortest_row = 19 + 3 + 3 + 1;
    const int rows = int(std::min<qint64>(length / shortest_row + 1, INT_MAX / 16));
    for (auto& s : m_log.series) {
        s.reserve(rows);
        adviseLargePages(s.constData(), size_t(s.capacity()) * sizeof(QPointF));
    }
}

void LogCsvReader::addText(const QString& text)
{
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    while (p < end) {
        const QChar* line_end = std::find(p, end, QLatin1Char('\n'));
        const QChar* next = line_end + 1;
        if (line_end > p && line_end[-1] == QLatin1Char('\r'))
            --line_end;
        addLine(p, line_end);
        p = next;
    }
    m_textStart = false;
}

const char* LogCsvReader::addUtf8(const char* begin, const char* end, bool last)
{
    const char* p = begin;
    while (p < end) {
        const void* found = std::memchr(p, '\n', size_t(end - p));
        if (!found && !last)
            return p;
        const char* line_end = found ? static_cast<const char*>(found) : end;
        const char* next = line_end + 1;
        if (line_end > p && line_end[-1] == '\r')
            --line_end;
        addUtf8Line(p, line_end);
        p = next;
    }
    return end;
}

void LogCsvReader::addUtf8Line(const char* begin, const char* end)
{
    const bool text_start = m_textStart;
    m_textStart = false;
    if (isAscii(begin, end)) {
        addLine(begin, end);
        return;
    }
    // Decoded as part of the whole text would be: UTF-8 resynchronises at every ASCII byte,
    // and a byte order mark is dropped only at the start of the text, so anywhere else the
    // line is decoded behind the line feed that stood before it.
    QByteArray bytes;
    bytes.reserve(int(end - begin) + 1);
    if (!text_start)
        bytes.append('\n');
    bytes.append(begin, int(end - begin));
    const QString line = QString::fromUtf8(bytes);
    addLine(line.constData() + (text_start ? 0 : 1), line.constData() + line.size());
}

template<typename Char> void LogCsvReader::addLine(const Char* begin, const Char* end)
{
    const Char* fields[4];
    int separators = 0;
    fields[0] = begin;
    for (const Char* q = begin; q < end; ++q) {
        if (code(*q) == ';') {
            if (++separators > 3)
                return;
            fields[separators] = q + 1;
        }
    }
    double t, values[LogData::SERIES_COUNT];
    if (separators != 3 || !m_days.parse(begin, fields[1] - 1, t)
        || !parseValue(fields[1], fields[2] - 1, values[0])
        || !parseValue(fields[2], fields[3] - 1, values[1])
        || !parseValue(fields[3], end, values[2]))
        return;
    if (m_log.series[LogData::SETPOINT].isEmpty()) {
        m_log.firstTime = t;
        m_log.interval = 600000;
    }
    for (int s = 0; s < LogData::SERIES_COUNT; ++s)
        m_log.series[s].append(QPointF(t, values[s]));
}

LogData LogCsvReader::finish()
{
    // A file of junk lines must not keep the room reserved for rows it never had.
    for (auto& s : m_log.series) {
        if (s.capacity() > 2 * s.size() + 1024)
            s.squeeze();
    }
    const QVector<QPointF>& setpoints = m_log.series[LogData::SETPOINT];
    if (!setpoints.isEmpty())
        m_log.lastTime = setpoints.last().x();
    if (setpoints.size() >= 2)
        m_log.interval = setpoints[1].x() - setpoints[0].x();
    LogData log = std::move(m_log);
    *this = LogCsvReader();
    return log;
}
