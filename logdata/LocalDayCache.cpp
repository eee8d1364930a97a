#include "logdata/LocalDayCache.h"

#include <QDateTime>

#include <cmath>

namespace {

const QString kFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");
constexpr qint64 kDayMs = 86400000;

void writeDigits(QChar* out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        out[i] = QChar('0' + value % 10);
}

ushort code(QChar c)
{
    return c.unicode();
}

ushort code(char c)
{
    return uchar(c);
}

QString toQString(const QChar* begin, int n)
{
    return QString(begin, n);
}

QString toQString(const char* begin, int n)
{
    return QString::fromLatin1(begin, n);
}

template<typename Char> bool readDigits(const Char* p, int width, int& value)
{
    value = 0;
    for (int i = 0; i < width; ++i) {
        const ushort c = code(p[i]);
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

void LocalDayCache::load(Day& day, const QDate& date)
{
    day.date = date;
    date.getDate(&day.year, &day.month, &day.day);
    const QDateTime start(date, QTime(0, 0), Qt::LocalTime);
    const QDateTime end(date.addDays(1), QTime(0, 0), Qt::LocalTime);
    day.start = start.toMSecsSinceEpoch();
    day.end = end.toMSecsSinceEpoch();
    day.uniform = start.isValid() && end.isValid() && day.end - day.start == kDayMs
        && start.offsetFromUtc() == end.addMSecs(-1).offsetFromUtc();
    if (!start.isValid() || !end.isValid() || day.end <= day.start)
        day.end = day.start;
    writeDigits(day.text, date.day(), 2);
    day.text[2] = QLatin1Char('.');
    writeDigits(day.text + 3, date.month(), 2);
    day.text[5] = QLatin1Char('.');
    writeDigits(day.text + 6, date.year(), 4);
    day.text[10] = QLatin1Char(' ');
}

void LocalDayCache::appendText(QString& out, double time)
{
    // QwtDate truncates to whole milliseconds; far-off or undefined times take Qt's path.
    if (!std::isfinite(time) || std::fabs(time) > 2.5e14) {
        out += QDateTime::fromMSecsSinceEpoch(qint64(std::isfinite(time) ? time : 0), Qt::LocalTime)
                   .toString(kFormat);
        return;
    }
    const qint64 ms = qint64(std::floor(time));
    if (ms < shown.start || ms >= shown.end) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
        load(shown, local.date());
    }
    if (!shown.uniform || ms < shown.start || ms >= shown.end || shown.date.year() > 9999
        || shown.date.year() < 1) {
        out += QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime).toString(kFormat);
        return;
    }
    const int secs = int((ms - shown.start) / 1000);
    QChar text[19];
    std::copy(shown.text, shown.text + 11, text);
    writeDigits(text + 11, secs / 3600, 2);
    text[13] = QLatin1Char(':');
    writeDigits(text + 14, secs / 60 % 60, 2);
    text[16] = QLatin1Char(':');
    writeDigits(text + 17, secs % 60, 2);
    out.append(text, 19);
}

template<typename Char>
bool LocalDayCache::parseText(const Char* begin, const Char* end, double& time)
{
    if (end - begin != 19 || code(begin[2]) != '.' || code(begin[5]) != '.'
        || code(begin[10]) != ' ' || code(begin[13]) != ':' || code(begin[16]) != ':')
        return false;
    int d, mo, y, h, mi, s;
    if (!readDigits(begin, 2, d) || !readDigits(begin + 3, 2, mo) || !readDigits(begin + 6, 4, y)
        || !readDigits(begin + 11, 2, h) || !readDigits(begin + 14, 2, mi)
        || !readDigits(begin + 17, 2, s) || h > 23 || mi > 59 || s > 59)
        return false;
    if (read.start == read.end || read.day != d || read.month != mo || read.year != y) {
        if (!QDate::isValid(y, mo, d))
            return false;
        load(read, QDate(y, mo, d));
    }
    if (read.uniform) {
        time = double(read.start + (h * 3600 + mi * 60 + s) * qint64(1000));
        return true;
    }
    // Qt decides which of a repeated hour's two instants a text means, and that a skipped
    // hour does not exist.
    const QDateTime local = QDateTime::fromString(toQString(begin, 19), kFormat);
    if (!local.isValid())
        return false;
    time = double(local.toMSecsSinceEpoch());
    return true;
}

bool LocalDayCache::parse(const QChar* begin, const QChar* end, double& time)
{
    return parseText(begin, end, time);
}

bool LocalDayCache::parse(const char* begin, const char* end, double& time)
{
    return parseText(begin, end, time);
}
