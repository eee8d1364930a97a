// LogData's CSV writer and reader on a generated log of a sample a minute, against two Python
// readers of the same file in the same run: a careful pure-Python one (csv module, local
// midnight looked up once per date: fair_csv_reader.py) and pandas read_csv with the date
// format given (pandas_csv_reader.py). Every side reads the file itself and takes the best of
// the same number of runs; the figure that counts is Import Log (readCsvFile: file and parse).
//   logcsv_bench [rows]      # default 1,000,000
// The Python readers run on $VORO_PYTHON, else /usr/bin/python3 (where Debian's pandas is),
// else python3.
#include "BenchResult.h"
#include "logdata/LogData.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const bench::Goal WRITE { "toCsv rows/s", ">= 1000000" };
const bench::Goal PARSE { "fromCsv (file read included) vs fair Python reader", ">= 4x" };
const bench::Goal IMPORT { "Import Log vs fair Python reader", ">= 20x" };
const bench::Goal PANDAS { "Import Log vs pandas read_csv", ">= 3x" };

constexpr int RUNS = 3; // on every side: the first also warms the page cache

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

double bestSeconds(const std::function<void()>& run)
{
    double best = 1e300;
    for (int i = 0; i < RUNS; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        best = std::min(best, double(clock.nsecsElapsed()) / 1e9);
    }
    return best;
}

QString python()
{
    const QString chosen = qEnvironmentVariable("VORO_PYTHON");
    if (!chosen.isEmpty())
        return chosen;
    return QFileInfo::exists(QStringLiteral("/usr/bin/python3"))
        ? QStringLiteral("/usr/bin/python3")
        : QStringLiteral("python3");
}

// What a Python reader made of the file: its rows, its best time and its first and last time.
struct Reader
{
    QString name;
    bool ran = false;
    int rows = 0;
    double seconds = 0, first = 0, last = 0;
    QString error;
};

Reader runPython(const QString& script, const QString& path)
{
    Reader r;
    r.name = script;
    QProcess process;
    process.start(python(),
                  { QStringLiteral(VORO_BENCH_DIR "/") + script, path, QString::number(RUNS) });
    process.waitForFinished(-1);
    const QStringList reply
        = QString::fromLatin1(process.readAllStandardOutput()).simplified().split(' ');
    r.error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0
        || reply.size() != 4) {
        if (r.error.isEmpty())
            r.error = process.errorString();
        return r;
    }
    r.ran = true;
    r.rows = reply[0].toInt();
    r.seconds = reply[1].toDouble();
    r.first = reply[2].toDouble();
    r.last = reply[3].toDouble();
    return r;
}

// One goal of ours against a Python reader, which must have read what we read.
bool against(const bench::Goal& goal, double needed, const Reader& reader, double ours,
             const LogData& read)
{
    if (!reader.ran) {
        std::printf("%s did not run: %s\n", qPrintable(reader.name),
                    qPrintable(reader.error.left(300)));
        return false; // not measured
    }
    const bool same = reader.rows == read.count() && reader.first == read.time(0)
        && reader.last == read.time(read.count() - 1);
    const double factor = reader.seconds / ours;
    std::printf("%-52s %.1fx  (goal %s)%s\n", goal.figure, factor, goal.goal,
                same ? "" : "  -- but it read other rows or times");
    if (!same) {
        bench::result(goal, "read other rows", false);
        return false;
    }
    bench::result(goal, factor, factor >= needed, "%.1fx");
    return factor >= needed;
}

} // namespace

int main(int argc, char** argv)
{
    if (bench::listGoals(argc, argv, { WRITE, PARSE, IMPORT, PANDAS }))
        return 0;
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000000;
    const LogData log = generate(rows);

    QString text;
    const double write_s = bestSeconds([&] {
        text.clear();
        text.squeeze();
        text = log.toCsv();
    });
    QTemporaryDir dir;
    const QString path = dir.filePath("log.csv");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toLocal8Bit()) < 0)
        return 1;
    out.close();
    text.clear();
    text.squeeze();

    LogData parsed, imported;
    const double parse_s = bestSeconds([&] {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        parsed = LogData::fromCsv(QString::fromUtf8(in.readAll())); // as QString(QByteArray)
    });
    const double import_s = bestSeconds([&] { imported = LogData::readCsvFile(path); });
    if (parsed.count() != rows || imported.count() != rows) {
        std::fprintf(stderr, "read %d and %d rows of %d\n", parsed.count(), imported.count(), rows);
        return 1;
    }

    const Reader fair = runPython(QStringLiteral("fair_csv_reader.py"), path);
    const Reader pandas = runPython(QStringLiteral("pandas_csv_reader.py"), path);

    std::printf("rows %d, best of %d runs on every side, the file read included\n", rows, RUNS);
    std::printf("toCsv                             %.3f s  %9.0f rows/s  (goal >= 1000000)\n",
                write_s, rows / write_s);
    std::printf("file, QString, fromCsv            %.3f s  %9.0f rows/s\n", parse_s,
                rows / parse_s);
    std::printf("readCsvFile (Import Log)          %.3f s  %9.0f rows/s\n", import_s,
                rows / import_s);
    for (const Reader* r : { &fair, &pandas }) {
        if (r->ran)
            std::printf("%-33s %.3f s  %9.0f rows/s\n", qPrintable(r->name), r->seconds,
                        r->rows / r->seconds);
    }
    std::printf("\n");
    const bool write_met = rows / write_s >= 1e6;
    bench::result(WRITE, rows / write_s, write_met, "%.0f");
    const bool parse_met = against(PARSE, 4, fair, parse_s, parsed);
    const bool import_met = against(IMPORT, 20, fair, import_s, imported);
    const bool pandas_met = against(PANDAS, 3, pandas, import_s, imported);
    return write_met && parse_met && import_met && pandas_met ? 0 : 1;
}
