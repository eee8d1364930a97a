// LogData and its CSV format, with QDateTime and QString::arg as the reference for dates and
// numbers, in a time zone with daylight saving time.
#include "logdata/LogData.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>

namespace {
const QString kFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

double at(const QString& text)
{
    return double(QDateTime::fromString(text, kFormat).toMSecsSinceEpoch());
}

// Equal to the bit, NaN included.
bool sameValue(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameLog(const LogData& a, const LogData& b)
{
    if (a.present != b.present || !sameValue(a.firstTime, b.firstTime)
        || !sameValue(a.lastTime, b.lastTime) || !sameValue(a.interval, b.interval))
        return false;
    for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
        if (a.series[s].size() != b.series[s].size())
            return false;
        for (int i = 0; i < a.series[s].size(); ++i) {
            if (!sameValue(a.series[s][i].x(), b.series[s][i].x())
                || !sameValue(a.series[s][i].y(), b.series[s][i].y()))
                return false;
        }
    }
    return true;
}

LogData sampleLog(int n, double start, double step)
{
    LogData log;
    log.present = { { true, true, true } };
    for (int i = 0; i < n; ++i) {
        const double t = start + i * step;
        log.series[LogData::SETPOINT].append({ t, 20 + (i % 50) * 0.1 });
        log.series[LogData::TEMPERATURE].append({ t, 18.04 + (i % 37) * 0.13 });
        log.series[LogData::TRIAC].append({ t, double(i % 2) });
    }
    return log;
}
} // namespace

class tst_LogData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // a zone with daylight saving time, whatever the machine's own is
        qputenv("TZ", "Europe/Zurich");
        tzset();
    }

    void emptyLog()
    {
        const LogData log;
        QCOMPARE(log.count(), 0);
        QCOMPARE(log.time(0), 0.0);
        QCOMPARE(log.interval, 3.0);
        QCOMPARE(log.minValue(LogData::SETPOINT), 0.0);
        QCOMPARE(log.toCsv(), QString("date;setpoint;temperature;triac\r\n"));
    }

    void writesRowsAsTheExample()
    {
        LogData log;
        log.present = { { true, true, true } };
        const double t = at("05.03.2021 14:20:00");
        log.series[0].append({ t + 999, 21.5 }); // milliseconds are cut, not rounded
        log.series[1].append({ t + 999, 20.94 });
        log.series[2].append({ t + 999, 1 });
        QCOMPARE(
            log.toCsv(),
            QString("date;setpoint;temperature;triac\r\n05.03.2021 14:20:00;21.5;20.9;1.0\r\n"));
    }

    void valuesAreWrittenAsQtWritesThem()
    {
        // exact ties, negative zeros, large and odd values, and a random spread
        QVector<double> values { 0.25,
                                 0.75,
                                 1.25,
                                 -0.25,
                                 -0.75,
                                 20.95,
                                 -0.04,
                                 -0.0,
                                 0.0,
                                 0.05,
                                 2.5,
                                 -2.5,
                                 1e14 + 0.25,
                                 123456789.75,
                                 999999999999999.75, // ten times it is no double
                                 -999999999999999.25,
                                 1e15,
                                 -1e20,
                                 1e-300,
                                 std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity() };
        QRandomGenerator random(7);
        for (int i = 0; i < 20000; ++i)
            values << (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-3, 9));
        for (int i = 0; i < 2000; ++i)
            values << random.bounded(-4000, 4000) / 4.0;

        LogData log;
        log.present = { { true, true, true } };
        for (double v : values) {
            for (auto& s : log.series)
                s.append({ 0, v });
        }
        const QStringList lines = log.toCsv().split("\r\n");
        QCOMPARE(lines.size(), values.size() + 2);
        for (int i = 0; i < values.size(); ++i) {
            const QString expected = QString("%1").arg(values[i], 0, 'f', 1);
            QCOMPARE(lines[i + 1].section(';', 1, 1), expected);
        }
    }

    void datesAreWrittenAsQDateTimeShowsThem()
    {
        // every 7 minutes 13 seconds across both switches of 2021 and a year boundary
        QVector<double> times;
        for (double t = at("27.03.2021 20:00:00"); t < at("29.03.2021 04:00:00"); t += 433000.5)
            times << t;
        for (double t = at("30.10.2021 20:00:00"); t < at("01.11.2021 04:00:00"); t += 433000.5)
            times << t;
        for (double t = at("31.12.2021 23:00:00"); t < at("01.01.2022 01:00:00"); t += 59999)
            times << t;
        times << -1.0 << -86400001.0 << 0.0; // before 1970, and the epoch itself

        LogData log;
        log.present = { { false, true, false } };
        for (double t : times)
            log.series[LogData::TEMPERATURE].append({ t, 20 });
        const QStringList lines = log.toCsv().split("\r\n");
        for (int i = 0; i < times.size(); ++i) {
            const QDateTime local = QDateTime::fromMSecsSinceEpoch(qint64(std::floor(times[i])));
            QCOMPARE(lines[i + 1].section(';', 0, 0), local.toString(kFormat));
        }
    }

    void datesAreReadAsQDateTimeReadsThem()
    {
        QStringList stamps { "28.03.2021 01:59:59", "28.03.2021 02:00:00", "28.03.2021 02:30:00",
                             "28.03.2021 03:00:00", "31.10.2021 02:30:00", "31.10.2021 03:00:00",
                             "29.02.2024 12:00:00", "29.02.2023 12:00:00", "31.04.2021 10:00:00",
                             "01.01.0001 00:00:00", "00.01.2021 10:00:00", "01.13.2021 10:00:00",
                             "01.01.2021 24:00:00", "01.01.2021 23:60:00", "01.01.2021 23:59:60",
                             "1.01.2021 10:00:00",  "01.01.2021 10:00",    "01.01.2021T10:00:00",
                             "2021-03-05 14:20:00", "01.01.21 10:00:00",   "01.01.2021 10:00:00 " };
        QRandomGenerator random(11);
        for (int i = 0; i < 3000; ++i) {
            const QDateTime t
                = QDateTime::fromSecsSinceEpoch(random.bounded(1600000000, 1700000000));
            stamps << t.toString(kFormat);
        }
        for (const QString& stamp : stamps) {
            const QDateTime expected = QDateTime::fromString(stamp, kFormat);
            const LogData log = LogData::fromCsv(stamp + ";1;2;3\r\n");
            QCOMPARE(log.count(), expected.isValid() ? 1 : 0);
            if (expected.isValid())
                QCOMPARE(log.time(0), double(expected.toMSecsSinceEpoch()));
        }
    }

    void readsTimesAndInterval()
    {
        const LogData one = LogData::fromCsv("date;setpoint;temperature;triac\r\n"
                                             "05.03.2021 14:20:00;21.5;20.9;1.0\r\n");
        QCOMPARE(one.count(), 1);
        QCOMPARE(one.firstTime, at("05.03.2021 14:20:00"));
        QCOMPARE(one.lastTime, one.firstTime);
        QCOMPARE(one.interval, 600000.0);
        QVERIFY(one.present[0] && one.present[1] && one.present[2]);

        const LogData three = LogData::fromCsv("05.03.2021 14:20:00;21.5;20.9;1.0\r\n"
                                               "05.03.2021 14:25:00;21.5;21.0;0.0\r\n"
                                               "05.03.2021 16:00:00;21.5;21.1;0.0\r\n");
        QCOMPARE(three.interval, 300000.0);
        QCOMPARE(three.lastTime, at("05.03.2021 16:00:00"));
        QCOMPARE(three.series[LogData::TEMPERATURE][1].y(), 21.0);
    }

    void malformedRowsAreSkipped()
    {
        const LogData log = LogData::fromCsv("date;setpoint;temperature;triac\r\n"
                                             "05.03.2021 14:20:00;21.5;20.9;1.0;5\r\n"
                                             "2021-03-05 14:20:00;21.5;20.9;1.0\r\n"
                                             "05.03.2021 14:21:00;21.5;20.9\r\n"
                                             "05.03.2021 14:22:00;abc;20.9;1.0\r\n"
                                             "05.03.2021 14:23:00;21.5;;1.0\r\n"
                                             "05.03.2021 14:24:00;1.2.3;20.9;1.0\r\n"
                                             "05.03.2021 14:25:00;-;20.9;1.0\r\n"
                                             "05.03.2021 14:26:00;21.5;20.9;1.0\r\n"
                                             "\r\n");
        QCOMPARE(log.count(), 1);
        QCOMPARE(log.firstTime, at("05.03.2021 14:26:00"));
        QVERIFY(LogData::fromCsv("no log here").count() == 0);
        QVERIFY(LogData::fromCsv(QString()).present[LogData::TRIAC]);
    }

    void otherEditorsFilesReadAlike()
    {
        const QString crlf = "date;setpoint;temperature;triac\r\n"
                             "05.03.2021 14:20:00;21.5;20.9;1.0\r\n"
                             "05.03.2021 14:30:00;21,5;-0,5;0\r\n";
        QString lf = crlf;
        lf.remove('\r');
        const LogData a = LogData::fromCsv(crlf);
        const LogData b = LogData::fromCsv(lf);
        QCOMPARE(a.count(), 2);
        QCOMPARE(b.count(), 2);
        QCOMPARE(a.series, b.series);
        QCOMPARE(a.series[LogData::SETPOINT][1].y(), 21.5); // decimal comma
        QCOMPARE(a.series[LogData::TEMPERATURE][1].y(), -0.5);
        // numbers in other notations still read
        const LogData c = LogData::fromCsv("05.03.2021 14:20:00;2.15e1; 20.5 ;+1\n");
        QCOMPARE(c.count(), 1);
        QCOMPARE(c.series[0][0].y(), 21.5);
        QCOMPARE(c.series[1][0].y(), 20.5);
        QCOMPARE(c.series[2][0].y(), 1.0);
    }

    void roundTripKeepsSecondsAndOneDecimal()
    {
        // a week at 3-minute steps with odd milliseconds, across the autumn switch
        const LogData log = sampleLog(3360, at("28.10.2021 00:00:00") + 0.75, 180000.25);
        const LogData back = LogData::fromCsv(log.toCsv());
        QCOMPARE(back.count(), log.count());
        QCOMPARE(back.interval, 180000.0);
        const double repeatedHour = at("31.10.2021 02:00:00") + 3600000; // local time again
        for (int i = 0; i < log.count(); ++i) {
            double expected = std::floor(log.time(i) / 1000) * 1000;
            if (expected >= repeatedHour && expected < repeatedHour + 3600000)
                expected -= 3600000; // the text cannot tell the two hours apart
            QCOMPARE(back.time(i), expected);
            for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
                const double v = log.series[s][i].y();
                QCOMPARE(back.series[s][i].y(), QString::number(v, 'f', 1).toDouble());
            }
        }
        // what the writer produces reads back exactly as it was written
        QCOMPARE(back.toCsv(), log.toCsv());
    }

    void rangesSkipValuesThatAreNotNumbers()
    {
        LogData log;
        log.present = { { true, true, false } };
        for (double v : { -3.5, -1.25, std::nan(""), -7.0 })
            log.series[0].append({ 0, v });
        log.series[1].append({ 0, std::numeric_limits<double>::infinity() });
        log.series[2].append({ 0, 5 });
        QCOMPARE(log.maxValue(0), -1.25);
        QCOMPARE(log.minValue(0), -7.0);
        QCOMPARE(log.minValue(1), std::numeric_limits<double>::max());
        QCOMPARE(log.maxValue(1), std::numeric_limits<double>::lowest());
        QCOMPARE(log.minValue(2), 0.0); // not present
        QCOMPARE(log.maxValue(2), 0.0);
        QCOMPARE(log.maxValue(3), 0.0);
    }

    void countFollowsTheFirstPresentSeries()
    {
        LogData log = sampleLog(5, 1000, 1000);
        log.present[0] = false;
        log.series[1].resize(3);
        QCOMPARE(log.count(), 3);
        QCOMPARE(log.time(2), 3000.0);
        QCOMPARE(log.time(3), 0.0);
        QCOMPARE(log.time(-1), 0.0);
        log.clear();
        QCOMPARE(log.count(), 0);
        QVERIFY(!log.present[1]);
        QCOMPARE(log.interval, 3.0);
    }

    // Import Log reads the file's bytes as QString(QByteArray) would decode them (UTF-8, ending
    // at the first zero byte), without decoding the whole file first.
    void bytesReadAsTheirText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray row = "05.03.2021 14:20:00;21.5;20.9;1.0\r\n";
        const QByteArray later = "05.03.2021 14:25:00;21.5;21.0;0.0\r\n";
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("as written")
            << sampleLog(3360, at("28.10.2021 00:00:00"), 180000).toCsv().toUtf8();
        QTest::newRow("line feeds only") << QByteArray(row + later).replace('\r', "");
        QTest::newRow("carriage returns only") << QByteArray(row + later).replace('\n', "");
        QTest::newRow("CR CR LF") << QByteArray(row + later).replace("\r\n", "\r\r\n");
        QTest::newRow("malformed rows") << QByteArray("date;setpoint;temperature;triac\r\n"
                                                      "05.03.2021 14:20:00;21.5;20.9;1.0;5\r\n"
                                                      "2021-03-05 14:20:00;21.5;20.9;1.0\r\n"
                                                      "05.03.2021 14:21:00;21.5;20.9\r\n"
                                                      "05.03.2021 14:22:00;abc;20.9;1.0\r\n"
                                                      "05.03.2021 14:23:00;21.5;;1.0\r\n"
                                                      "05.03.2021 14:25:00;-;20.9;1.0\r\n"
                                                      "\r\n");
        QTest::newRow("other notations")
            << QByteArray("05.03.2021 14:20:00;2.15e1; 20.5 ;+1\n05.03.2021 14:30:00;21,5;-0,5;0\n"
                          "05.03.2021 14:40:00;nan;inf;-0\n");
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + row + later;
        QTest::newRow("byte order mark before a later row") << row + "\xEF\xBB\xBF" + later;
        QTest::newRow("two byte order marks") << "\xEF\xBB\xBF\xEF\xBB\xBF" + row + later;
        QTest::newRow("invalid UTF-8 in a value") << QByteArray(row).replace("21.5", "21\xE2.5");
        QTest::newRow("cut sequence before a separator")
            << row + QByteArray(later).replace(";21.0", "\xE2\x82;21.0");
        QTest::newRow("cut sequence before the line end")
            << QByteArray(row).replace("\r", "\xF0\x9F\x98\r");
        QTest::newRow("lone continuation bytes") << "\x80\x80" + row + "\xBF" + later;
        QTest::newRow("encoded surrogate and overlong") << "\xED\xA0\x80;\xC0\x80;1;2\n" + row;
        QTest::newRow("no-break space around a value") << QByteArray(row).replace(";20.9;",
                                                                                  ";\xC2\xA0"
                                                                                  "20.9\xC2\xA0;");
        QTest::newRow("full-width digits") << QByteArray(row).replace("1.0", "\xEF\xBC\x91.0");
        QTest::newRow("zero byte ends the text") << row + QByteArray("\0\r\n", 3) + later;
        QTest::newRow("zero byte within a row")
            << row + QByteArray(later).replace("21.0", QByteArray("21\0.0", 5));
        QByteArray long_line = row;
        long_line.insert(20, QByteArray(3 << 20, '0')); // a setpoint of three million digits
        QTest::newRow("very long line") << row + long_line + later;
        // Long enough to be read from a file in several pieces, with odd lines near the seams.
        QByteArray pieces = sampleLog(80000, at("01.03.2021 00:00:00"), 60000).toCsv().toUtf8();
        for (int at = pieces.size() - 100; at > 0; at -= 262139)
            pieces.insert(pieces.indexOf('\n', at) + 1,
                          "\xEF\xBB\xBF" + later + "\xC3\xA4;1;2;3\r\n");
        QTest::newRow("pieces") << pieces;

        // Lines made of the characters a log holds, bytes of UTF-8 sequences and any byte.
        QRandomGenerator random(5);
        static const char* const parts[] = { "05.03.2021 14:2",
                                             "0:00",
                                             ";",
                                             "21.5",
                                             "-",
                                             ",",
                                             "\r",
                                             "\n",
                                             "\r\n",
                                             "\xEF\xBB\xBF",
                                             "\xC3\xA4",
                                             "\xE2\x82",
                                             "\xAC",
                                             "\xF0\x9F\x98\x80",
                                             "\xC2\xA0",
                                             " ",
                                             "9" };
        for (int text = 0; text < 60; ++text) {
            QByteArray bytes;
            for (int i = random.bounded(0, 300); i > 0; --i) {
                if (random.bounded(20) == 0)
                    bytes += char(random.bounded(1, 256));
                else
                    bytes += parts[random.bounded(int(std::size(parts)))];
            }
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(text))) << bytes;
        }
    }

    void bytesReadAsTheirText()
    {
        QFETCH(QByteArray, bytes);
        const LogData expected = LogData::fromCsv(QString(bytes));
        QVERIFY(sameLog(LogData::fromCsvUtf8(bytes), expected));

        QTemporaryDir dir;
        QFile file(dir.filePath("log.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        bool ok = false;
        QVERIFY(sameLog(LogData::readCsvFile(file.fileName(), &ok), expected));
        QVERIFY(ok);
    }

    void unreadableFilesReadAsNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readable");
        QTest::newRow("missing") << "missing.csv" << false;
        QTest::newRow("a folder") << "folder" << false;
        QTest::newRow("larger than a log can be") << "huge.csv" << false;
        QTest::newRow("a device that never ends") << "/dev/zero" << true;
    }

    void unreadableFilesReadAsNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, readable);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QFile huge(dir.filePath("huge.csv")); // sparse: takes no room on the disk
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write("05.03.2021 14:20:00;1;2;3\r\n") > 0
                && huge.resize(LogData::MAX_CSV_FILE_SIZE + 1));
        huge.close();
        bool ok = !readable;
        const LogData log = LogData::readCsvFile(QDir(dir.path()).filePath(name), &ok);
        QCOMPARE(ok, readable);
        QCOMPARE(log.count(), 0);
    }

    void hostileTextReadsWithoutHarm()
    {
        QRandomGenerator random(3);
        for (int round = 0; round < 200; ++round) {
            QString text;
            const int n = random.bounded(0, 2000);
            for (int i = 0; i < n; ++i) {
                static const char pieces[] = "0123456789.;:, \r\n-e";
                text += random.bounded(4) ? QChar(pieces[random.bounded(int(sizeof pieces - 1))])
                                          : QChar(ushort(random.bounded(0, 0xFFFF)));
            }
            const LogData log = LogData::fromCsv(text);
            QCOMPARE(log.series[0].size(), log.series[2].size());
        }
        const QString separators(1 << 20, QLatin1Char(';'));
        QCOMPARE(LogData::fromCsv(separators).count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_LogData)
#include "tst_logdata.moc"
