// LogData's CSV writer and reader on a generated 1,000,000-row log, next to Python's csv
// module with datetime.strptime reading the same file in the same run.
//   build/bench/logcsv_bench [rows]
#include "logdata/LogData.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {
LogData generate(int rows)
{
    LogData log;
    log.present = { { true, true, true } };
    const double start = double(QDateTime(QDate(2021, 1, 1), QTime(0, 0)).toMSecsSinceEpoch());
    for (auto& s : log.series)
        s.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        const double t = start + i * 60000.0;
        log.series[0].append({ t, 20 + (i % 60) * 0.1 });
        log.series[1].append({ t, 18 + (i % 97) * 0.07 });
        log.series[2].append({ t, double((i / 7) % 2) });
    }
    return log;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const LogData log = generate(rows);

    QElapsedTimer clock;
    clock.start();
    const QString text = log.toCsv();
    const double write_s = clock.nsecsElapsed() / 1e9;

    QTemporaryDir dir;
    const QString path = dir.filePath("log.csv");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toLocal8Bit()) < 0)
        return 1;
    out.close();

    clock.restart();
    const LogData parsed = LogData::fromCsv(text);
    const double read_s = clock.nsecsElapsed() / 1e9;

    clock.restart();
    QFile in(path);
    in.open(QIODevice::ReadOnly);
    const LogData fromFile = LogData::fromCsv(QString::fromLocal8Bit(in.readAll()));
    const double file_s = clock.nsecsElapsed() / 1e9;
    if (parsed.count() != rows || fromFile.count() != rows) {
        std::fprintf(stderr, "read %d rows of %d\n", parsed.count(), rows);
        return 1;
    }

    QProcess python;
    python.start("python3", { QStringLiteral(VORO_BENCH_DIR "/python_csv_reader.py"), path });
    python.waitForFinished(-1);
    const QStringList reply = QString::fromLatin1(python.readAllStandardOutput()).split(' ');
    const double python_s = reply.value(1).toDouble();

    std::printf("rows                      %d\n", rows);
    std::printf("toCsv                     %.3f s  %.0f rows/s  (goal >= 1000000)\n", write_s,
                rows / write_s);
    std::printf("fromCsv                   %.3f s  %.0f rows/s\n", read_s, rows / read_s);
    std::printf("file + decode + fromCsv   %.3f s  %.0f rows/s\n", file_s, rows / file_s);
    if (python_s > 0) {
        std::printf("python csv + strptime     %.3f s  %.0f rows/s  (%s rows)\n", python_s,
                    rows / python_s, qPrintable(reply.value(0)));
        std::printf("fromCsv vs python         %.1fx  (goal >= 5x; with file and decoding %.1fx)\n",
                    python_s / read_s, python_s / file_s);
    } else {
        std::printf("python3 did not run: %s\n", python.readAllStandardError().constData());
    }
    return 0;
}
