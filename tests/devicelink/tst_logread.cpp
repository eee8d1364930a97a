// Reading an actuator log: the decoding of the box's header and Base64 chunks (against records
// that Python's struct and base64 encode), the time axis, and readLog on the virtual box.
#include "tests/support/CommTestSupport.h"

#include "devicelink/LogDecoder.h"
#include "devicelink/VoroCommands.h"

#include <QDateTime>
#include <QProcess>
#include <QtTest>

#include <memory>

using hidsim::Bus;
using hidsim::Fault;
using LogDecoder::Sample;

namespace {
// Encodes the records as the box does, with Python's struct and base64: eleven records a
// chunk, each chunk ending in ';', one chunk a line.
QStringList pythonChunks(const QVector<Sample>& records)
{
    QStringList triples;
    for (const Sample& s : records)
        triples << QStringLiteral("%1,%2,%3").arg(s.setpoint).arg(s.temperature).arg(int(s.triac));
    const char* script = R"(
import base64, struct, sys
recs = [tuple(int(x) for x in t.split(',')) for t in sys.argv[1:]]
for i in range(0, len(recs), 11):
    raw = b''.join(struct.pack('<Hh', (sp + 1000) | (0x4000 if tr else 0), te)
                   for sp, te, tr in recs[i:i + 11])
    print(base64.b64encode(raw).decode('ascii') + ';')
)";
    QProcess python;
    python.start(QStringLiteral("python3"), QStringList { "-c", script } + triples);
    if (!python.waitForFinished(10000) || python.exitCode() != 0)
        return {};
    return QString::fromLatin1(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QByteArray chunkOf(const QByteArray& bytes)
{
    return bytes.toBase64() + ';';
}

bool sameSamples(const LogData& log, const QVector<hidsim::LogRecord>& oldest_first)
{
    if (log.count() != oldest_first.size())
        return false;
    for (int j = 0; j < oldest_first.size(); ++j) {
        const hidsim::LogRecord& r = oldest_first.at(j);
        if (log.series[LogData::SETPOINT].at(j).y() != r.setpoint / 10.0
            || log.series[LogData::TEMPERATURE].at(j).y() != r.temperature / 10.0
            || log.series[LogData::TRIAC].at(j).y() != (r.triac ? 1.0 : 0.0))
            return false;
    }
    return true;
}
} // namespace

class tst_LogRead : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::instance().setLatency(std::chrono::microseconds(0)); }

    void chunksEncodedByPython_decodeNewestFirst()
    {
        QVector<Sample> records;
        for (int i = 0; i < 25; ++i) // three chunks, the last one partly filled
            records << Sample { 150 + i * 5, -400 + i * 97, i % 3 == 0 };
        records << Sample { -1000, 0, false } << Sample { 15383, 32767, true }
                << Sample { 0, -32768, true };
        const QStringList chunks = pythonChunks(records);
        QCOMPARE(chunks.size(), 3);

        QVector<Sample> decoded;
        for (const QString& chunk : chunks)
            QVERIFY(LogDecoder::decodeChunk(chunk, decoded));
        QCOMPARE(decoded.size(), records.size());
        for (int i = 0; i < records.size(); ++i) {
            QCOMPARE(decoded.at(i).setpoint, records.at(i).setpoint);
            QCOMPARE(decoded.at(i).temperature, records.at(i).temperature);
            QCOMPARE(decoded.at(i).triac, records.at(i).triac);
        }
    }

    void workedRecords()
    {
        // w1 = 0x44BA: TRIAC on, setpoint 21.0 °C; w2 = 0x00D7: 21.5 °C.
        // w1 = 0x03E8, w2 = 0xFF9C: setpoint 0.0 °C, -10.0 °C, TRIAC off.
        QVector<Sample> s;
        QVERIFY(LogDecoder::decodeChunk(chunkOf(QByteArray::fromHex("ba44d700e8039cff")), s));
        QCOMPARE(s.size(), 2);
        const LogData log = LogDecoder::buildLog(s, { 0, 60 }, QDateTime::currentDateTime());
        // newest first on the wire, oldest first in the log
        QCOMPARE(log.series[LogData::SETPOINT].at(1).y(), 21.0);
        QCOMPARE(log.series[LogData::TEMPERATURE].at(1).y(), 21.5);
        QCOMPARE(log.series[LogData::TRIAC].at(1).y(), 1.0);
        QCOMPARE(log.series[LogData::SETPOINT].at(0).y(), 0.0);
        QCOMPARE(log.series[LogData::TEMPERATURE].at(0).y(), -10.0);
        QCOMPARE(log.series[LogData::TRIAC].at(0).y(), 0.0);
    }

    void chunkEnds_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<int>("records");
        QTest::newRow("one record") << "AAAAAA==;" << true << 1;
        QTest::newRow("text after ';' ignored") << "AAAAAA==;AAAAAA==" << true << 1;
        QTest::newRow("trailing bytes ignored") << QString(chunkOf("\1\2\3\4\5\6")) << true << 1;
        QTest::newRow("less than a record") << QString(chunkOf("\1\2\3")) << true << 0;
        QTest::newRow("only ';'") << ";" << false << 0;
        QTest::newRow("no ';'") << "AAAAAA==" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("not Base64") << "A*A!AA==;" << false << 0;
        QTest::newRow("an error text") << "ERR" << false << 0;
        QTest::newRow("not Latin-1") << QStringLiteral("AAAA\u20ac;") << false << 0;
    }

    void chunkEnds()
    {
        QFETCH(QString, reply);
        QFETCH(bool, goesOn);
        QFETCH(int, records);
        QVector<Sample> s;
        QCOMPARE(LogDecoder::decodeChunk(reply, s), goesOn);
        QCOMPARE(s.size(), records);
    }

    void header_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("interval");
        QTest::newRow("two numbers") << "120;600" << 120 << 600;
        QTest::newRow("one field") << "120" << 0 << 600;
        QTest::newRow("three fields") << "1;2;3" << 0 << 600;
        QTest::newRow("not numbers") << "a;b" << 0 << 600;
        QTest::newRow("offset not a number") << "x;300" << 0 << 300;
        QTest::newRow("zero interval") << "5;0" << 5 << 600;
        QTest::newRow("negative interval") << "5;-60" << 5 << 600;
    }

    void header()
    {
        QFETCH(QString, text);
        const LogDecoder::Header h = LogDecoder::parseHeader(text);
        QTEST(h.offset, "offset");
        QTEST(h.interval, "interval");
    }

    void timeAxis()
    {
        const QDateTime now = QDateTime::currentDateTime();
        const double nowMs = double(now.toMSecsSinceEpoch());
        QVector<Sample> many(1200);
        LogData log = LogDecoder::buildLog(many, { 120, 600 }, now);
        QCOMPARE(log.count(), 1200);
        QCOMPARE(log.interval, 600000.0);
        QCOMPARE(log.lastTime, nowMs - 120000.0);
        QCOMPARE(log.firstTime, log.lastTime - 1199 * 600000.0);
        QCOMPARE(log.time(0), log.firstTime);
        QCOMPARE(log.time(1199), log.lastTime);
        QVERIFY(log.present[0] && log.present[1] && log.present[2]);

        log = LogDecoder::buildLog(QVector<Sample>(1), { 0, 60 }, now);
        QCOMPARE(log.firstTime, log.lastTime);
        QCOMPARE(log.lastTime, nowMs);

        log = LogDecoder::buildLog({}, { 0, 60 }, now);
        QCOMPARE(log.count(), 0);
        QVERIFY(!log.present[0]);
    }

    // The worked example on the wire: header "0;300", one chunk of one zero record, then ";".
    void readLog_oneZeroRecord()
    {
        PluggedBox plugged;
        plugged.box->overrideReply(CMD__READ_LOG, "0;300");
        plugged.box->overrideReply(CMD__READ_LOG, "AAAAAA==;");
        plugged.box->overrideReply(CMD__READ_LOG, ";");
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        const double before = double(QDateTime::currentMSecsSinceEpoch());
        QVERIFY(comm->readLog(4));
        const double after = double(QDateTime::currentMSecsSinceEpoch());
        const LogData& log = comm->device.log;
        QCOMPARE(log.count(), 1);
        QCOMPARE(log.series[LogData::SETPOINT].at(0).y(), -100.0);
        QCOMPARE(log.series[LogData::TEMPERATURE].at(0).y(), 0.0);
        QCOMPARE(log.series[LogData::TRIAC].at(0).y(), 0.0);
        QCOMPARE(log.interval, 300000.0);
        QVERIFY(log.lastTime >= before && log.lastTime <= after);
        QCOMPARE(plugged.box->receivedArguments(CMD__READ_LOG), QStringList({ "4", "", "" }));
    }

    void readLog_fullLogOfTheBox()
    {
        PluggedBox plugged;
        QVector<hidsim::LogRecord> records;
        for (int i = 0; i < 1200; ++i)
            records << hidsim::LogRecord { 150 + i % 131, -200 + i, i % 7 == 0 };
        plugged.box->setLog(6, records, 120);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        MessageLog messages;
        const double before = double(QDateTime::currentMSecsSinceEpoch());
        QVERIFY(comm->readLog(6));
        const LogData& log = comm->device.log;
        QVERIFY(sameSamples(log, records));
        QCOMPARE(log.interval, 600000.0);
        QVERIFY(log.lastTime >= before - 120000.0 && log.lastTime <= before);
        QCOMPARE(log.firstTime, log.lastTime - 1199 * 600000.0);
        QVERIFY(messages.contains("offset: 120, interval: 600"));
        // the header, 110 chunks of up to eleven records, and the empty one that ends it
        QCOMPARE(plugged.box->receivedArguments(CMD__READ_LOG).size(), 112);
    }

    void readLog_cutShort_keepsWhatArrived()
    {
        PluggedBox plugged;
        plugged.box->cutLogShort(3);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        QVERIFY(comm->readLog(0));
        const QVector<hidsim::LogRecord> all = plugged.box->log(0);
        QVERIFY(sameSamples(comm->device.log, all.mid(all.size() - 33)));
    }

    void readLog_noOpeningReply_fails()
    {
        PluggedBox plugged;
        plugged.inject(Fault::once(Fault::WriteFailure, CMD__READ_LOG));
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        comm->device.log.series[0] << QPointF(1, 1); // an earlier log
        comm->device.log.present[0] = true;
        MessageLog messages;
        QVERIFY(!comm->readLog(1));
        QCOMPARE(comm->device.log.count(), 0);
        QCOMPARE(messages.messages(), QStringList { "unable to get actuator log" });
    }

    // A box that never stops sending chunks is not believed beyond a bound.
    void readLog_endlessChunks_stopAtTheBound()
    {
        PluggedBox plugged;
        plugged.box->overrideReply(CMD__READ_LOG, "0;60");
        plugged.box->overrideReply(CMD__READ_LOG, chunkOf(QByteArray(44, '\x10')), -1);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        QVERIFY(comm->readLog(0));
        QCOMPARE(comm->device.log.count(), LogDecoder::MAX_SAMPLES);
    }

    void readLog_garbageChunks_neverCrash()
    {
        PluggedBox plugged;
        plugged.inject(Fault::always(Fault::GarbageReply, CMD__READ_LOG));
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        for (int index = 0; index < 8; ++index) {
            QVERIFY(comm->readLog(index));
            QVERIFY(comm->device.log.count() <= LogDecoder::MAX_SAMPLES);
        }
    }
};

QTEST_GUILESS_MAIN(tst_LogRead)
#include "tst_logread.moc"
