// LogData's CSV writer and reader on a generated 1,000,000-row log, next to Python's csv
// module with datetime.strptime reading the same file in the same run; the import as the
// main window does it (readCsvFile: file and parse) is the figure that counts.
//   build/bench/logcsv_bench [rows]
#include "BenchResult.h"
#include "logdata/LogData.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
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

    // Best of three here and below: the machine is shared, and the first read also warms the
    // page cache.
    QElapsedTimer clock;
    QString text;
    double write_s = 1e300;
    for (int run = 0; run < 3; ++run) {
        text.clear();
        text.squeeze();
        clock.restart();
        text = log.toCsv();
        write_s = std::min(write_s, clock.nsecsElapsed() / 1e9);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("log.csv");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toLocal8Bit()) < 0)
        return 1;
    out.close();

    double read_s = 1e300, file_s = 1e300, decode_s = 1e300;
    int counts[3] = {};
    for (int run = 0; run < 3; ++run) {
        clock.restart();
        counts[0] = LogData::fromCsv(text).count();
        read_s = std::min(read_s, clock.nsecsElapsed() / 1e9);

        clock.restart();
        bool ok = false;
        counts[1] = LogData::readCsvFile(path, &ok).count();
        file_s = std::min(file_s, clock.nsecsElapsed() / 1e9);

        // the way round through a QString of the whole file, for comparison
        clock.restart();
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        counts[2] = LogData::fromCsv(QString(in.readAll())).count();
        decode_s = std::min(decode_s, clock.nsecsElapsed() / 1e9);
    }
    if (counts[0] != rows || counts[1] != rows || counts[2] != rows) {
        std::fprintf(stderr, "read %d, %d and %d rows of %d\n", counts[0], counts[1], counts[2],
                     rows);
        return 1;
    }

    QProcess python;
    python.start("python3", { QStringLiteral(VORO_BENCH_DIR "/python_csv_reader.py"), path });
    python.waitForFinished(-1);
    const QStringList reply = QString::fromLatin1(python.readAllStandardOutput()).split(' ');
    const double python_s = reply.value(1).toDouble();

    std::printf("rows                        %d\n", rows);
    std::printf("toCsv                       %.3f s  %.0f rows/s  (goal >= 1000000)\n", write_s,
                rows / write_s);
    std::printf("fromCsv(QString)            %.3f s  %.0f rows/s\n", read_s, rows / read_s);
    std::printf("readCsvFile (Import Log)    %.3f s  %.0f rows/s\n", file_s, rows / file_s);
    std::printf("file, QString, fromCsv      %.3f s  %.0f rows/s\n", decode_s, rows / decode_s);
    bench::result("toCsv rows/s", rows / write_s, ">= 1000000", rows / write_s >= 1e6, "%.0f");
    if (python_s <= 0) {
        std::printf("python3 did not run: %s\n", python.readAllStandardError().constData());
        bench::result("fromCsv vs python", 0, ">= 5x", false, "%.1fx");
        bench::result("Import Log (file + parse) vs python", 0, ">= 20x", false, "%.1fx");
        return 1;
    }
    std::printf("python csv + strptime       %.3f s  %.0f rows/s  (%s rows)\n", python_s,
                rows / python_s, qPrintable(reply.value(0)));
    std::printf("fromCsv vs python           %.1fx  (goal >= 5x)\n", python_s / read_s);
    std::printf("readCsvFile vs python       %.1fx  (goal >= 20x; through a QString: %.1fx)\n",
                python_s / file_s, python_s / decode_s);
    const bool parse_met = python_s / read_s >= 5;
    const bool import_met = python_s / file_s >= 20;
    bench::result("fromCsv vs python", python_s / read_s, ">= 5x", parse_met, "%.1fx");
    bench::result("Import Log (file + parse) vs python", python_s / file_s, ">= 20x", import_met,
                  "%.1fx");
    return write_s * 1e6 <= rows && parse_met && import_met ? 0 : 1;
}
