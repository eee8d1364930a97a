// LogData's CSV writer and reader on a generated log of a sample a minute, against two Python
// readers of the same file in the same run: a careful pure-Python one (csv module, local
// midnight looked up once per date: fair_csv_reader.py) and pandas read_csv with the date
// format given (pandas_csv_reader.py). Every side reads the file itself and takes the best of
// the same number of runs, the sides taking turns; the figure that counts is Import Log
// (readCsvFile: file and parse).
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
// fromCsv of a QString of the whole file is measured for comparison only: Import Log does not
// take that path, and most of its time is Qt's decoding of the bytes into that QString.
constexpr const char* PARSE = "fromCsv (file read included) vs fair Python reader";
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

double seconds(const std::function<void()>& run)
{
    QElapsedTimer clock;
    clock.start();
    run();
    return double(clock.nsecsElapsed()) / 1e9;
}

double bestSeconds(const std::function<void()>& run)
{
    double best = 1e300;
    for (int i = 0; i < RUNS; ++i)
        best = std::min(best, seconds(run));
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
    double seconds = 1e300, first = 0, last = 0;
    QString error;
};

// A Python reader in a process of its own that reads the file once each time it is asked, as
// our side does in this process; it stays, so that its later runs find their interpreter and
// memory warm as ours do.
class PythonReader
{
public:
    PythonReader(const QString& script, const QString& path)
    {
        m_reader.name = script;
        m_process.start(python(),
                        { QStringLiteral(VORO_BENCH_DIR "/") + script, path, QString::number(RUNS),
                          QStringLiteral("turns") });
        if (!m_process.waitForStarted(-1))
            fail(m_process.errorString());
    }
    ~PythonReader()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }

    // One run; the best counts, and every run must read the same.
    void run()
    {
        if (!m_reader.error.isEmpty())
            return;
        m_process.write("\n");
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(-1)) {
                m_process.waitForFinished(1000);
                fail(QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed());
                return;
            }
        }
        const QStringList reply = QString::fromLatin1(m_process.readLine()).simplified().split(' ');
        if (reply.size() != 4) {
            fail(QStringLiteral("replied '%1'").arg(reply.join(' ')));
            return;
        }
        const int rows = reply[0].toInt();
        const double first = reply[2].toDouble(), last = reply[3].toDouble();
        if (m_reader.ran
            && (rows != m_reader.rows || first != m_reader.first || last != m_reader.last)) {
            fail(QStringLiteral("read other rows in another run"));
            return;
        }
        m_reader.ran = true;
        m_reader.rows = rows;
        m_reader.first = first;
        m_reader.last = last;
        m_reader.seconds = std::min(m_reader.seconds, reply[1].toDouble());
    }

    const Reader& reader() const { return m_reader; }

private:
    void fail(const QString& error)
    {
        m_reader.ran = false;
        m_reader.error = error.isEmpty() ? QStringLiteral("it ended") : error;
    }

    QProcess m_process;
    Reader m_reader;
};

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
    if (bench::listGoals(argc, argv, { WRITE, IMPORT, PANDAS }))
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

    // The sides take turns, a run each, so that a machine shared with other work slows them
    // alike rather than the one that happened to run while it was busy.
    LogData parsed, imported;
    double parse_s = 1e300, import_s = 1e300;
    PythonReader fair_reader(QStringLiteral("fair_csv_reader.py"), path);
    PythonReader pandas_reader(QStringLiteral("pandas_csv_reader.py"), path);
    for (int run = 0; run < RUNS; ++run) {
        parse_s = std::min(parse_s, seconds([&] {
                               QFile in(path);
                               in.open(QIODevice::ReadOnly);
                               // as QString(QByteArray)
                               parsed = LogData::fromCsv(QString::fromUtf8(in.readAll()));
                           }));
        import_s = std::min(import_s, seconds([&] { imported = LogData::readCsvFile(path); }));
        fair_reader.run();
        pandas_reader.run();
    }
    const Reader& fair = fair_reader.reader();
    const Reader& pandas = pandas_reader.reader();
    if (parsed.count() != rows || imported.count() != rows) {
        std::fprintf(stderr, "read %d and %d rows of %d\n", parsed.count(), imported.count(), rows);
        return 1;
    }

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
    if (fair.ran && fair.rows == parsed.count()) {
        std::printf("%-52s %.1fx\n", PARSE, fair.seconds / parse_s);
        bench::info(PARSE, fair.seconds / parse_s, "%.1fx");
    }
    const bool import_met = against(IMPORT, 20, fair, import_s, imported);
    const bool pandas_met = against(PANDAS, 3, pandas, import_s, imported);
    return write_met && import_met && pandas_met ? 0 : 1;
}
