// The log CSV readers, of text and of a file's bytes, on any file a user may import. What it reads
// survives an export and an import again: the same rows at the same times, and from then on the
// same values.
#include "fuzz/FuzzSupport.h"

#include "logdata/LogData.h"

#include <QStringList>

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace {
bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool sameSamples(const LogData& a, const LogData& b)
{
    for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
        if (a.series[s].size() != b.series[s].size())
            return false;
        for (int i = 0; i < a.series[s].size(); ++i) {
            if (!same(a.series[s][i].x(), b.series[s][i].x())
                || !same(a.series[s][i].y(), b.series[s][i].y()))
                return false;
        }
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A zone with summer time, so that the days with a skipped and a repeated hour are read too.
    setenv("TZ", "Europe/Zurich", 1);
    tzset();
    fuzz::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::rawBytes(data, size);
    const LogData log = LogData::fromCsv(QString::fromUtf8(bytes));
    // Import Log reads the file's bytes without decoding the whole text first: the same log
    FUZZ_CHECK(sameSamples(LogData::fromCsvUtf8(bytes), log));
    const int n = log.count();
    for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
        FUZZ_CHECK(log.series[s].size() == n);
        log.minValue(s);
        log.maxValue(s);
    }
    if (n > 0)
        FUZZ_CHECK(log.firstTime == log.time(0) && log.lastTime == log.time(n - 1));

    // one decimal is kept, so the values may change once; "-0.04" is written "-0.0", which
    // reads as zero and is written "0.0" from then on, the same number
    const QString exported = log.toCsv();
    // values are written as Qt writes them with one decimal
    const QStringList rows = exported.split(QStringLiteral("\r\n"));
    FUZZ_CHECK(rows.size() == n + 2);
    for (int i = 0; i < n; ++i) {
        const QStringList fields = rows.at(i + 1).split(QLatin1Char(';'));
        FUZZ_CHECK(fields.size() == 4);
        for (int s = 0; s < LogData::SERIES_COUNT; ++s)
            FUZZ_CHECK(fields.at(s + 1)
                       == QStringLiteral("%1").arg(log.series[s][i].y(), 0, 'f', 1));
    }
    const LogData back = LogData::fromCsv(exported);
    FUZZ_CHECK(back.count() == n);
    for (int i = 0; i < n; ++i)
        FUZZ_CHECK(back.time(i) == log.time(i));
    FUZZ_CHECK(sameSamples(back, LogData::fromCsv(back.toCsv())));
    return 0;
}
