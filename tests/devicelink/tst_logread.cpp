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
using LogDecoder::Chunk;
using LogDecoder::Sample;

Q_DECLARE_METATYPE(LogDecoder::Chunk)

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
            QCOMPARE(LogDecoder::decodeChunk(chunk, decoded), Chunk::Records);
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
        QCOMPARE(LogDecoder::decodeChunk(chunkOf(QByteArray::fromHex("ba44d700e8039cff")), s),
                 Chunk::Records);
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
        QTest::addColumn<Chunk>("outcome");
        QTest::addColumn<int>("records");
        QTest::newRow("one record") << "AAAAAA==;" << Chunk::Records << 1;
        QTest::newRow("text after ';' ignored") << "AAAAAA==;AAAAAA==" << Chunk::Records << 1;
        QTest::newRow("trailing bytes ignored")
            << QString(chunkOf("\1\2\3\4\5\6")) << Chunk::Records << 1;
        QTest::newRow("less than a record") << QString(chunkOf("\1\2\3")) << Chunk::Records << 0;
        QTest::newRow("only ';'") << ";" << Chunk::End << 0;
        QTest::newRow("no ';'") << "AAAAAA==" << Chunk::End << 0;
        QTest::newRow("empty") << "" << Chunk::End << 0;
        QTest::newRow("an error text") << "ERR" << Chunk::End << 0;
        QTest::newRow("one character") << "A;" << Chunk::End << 0;
        QTest::newRow("not Base64") << "A*A!AA==;" << Chunk::Invalid << 0;
        QTest::newRow("not Latin-1") << QStringLiteral("AAAA\u20ac;") << Chunk::Invalid << 0;
    }

    void chunkEnds()
    {
        QFETCH(QString, reply);
        QFETCH(Chunk, outcome);
        QFETCH(int, records);
        QVector<Sample> s;
        QCOMPARE(LogDecoder::decodeChunk(reply, s), outcome);
        QCOMPARE(s.size(), records);
    }

    void header_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("interval");
        QTest::newRow("two numbers") << "120;600" << true << 120 << 600;
        QTest::newRow("sampled just now") << "0;1" << true << 0 << 1;
        QTest::newRow("one field") << "120" << false << 0 << 0;
        QTest::newRow("three fields") << "1;2;3" << false << 0 << 0;
        QTest::newRow("not numbers") << "a;b" << false << 0 << 0;
        QTest::newRow("offset not a number") << "x;300" << false << 0 << 0;
        QTest::newRow("negative offset") << "-5;300" << false << 0 << 0;
        QTest::newRow("zero interval") << "5;0" << false << 0 << 0;
        QTest::newRow("negative interval") << "5;-60" << false << 0 << 0;
        QTest::newRow("a chunk") << "AAAAAA==;" << false << 0 << 0;
    }

    void header()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        LogDecoder::Header h { -1, -1 };
        QCOMPARE(LogDecoder::parseHeader(text, h), valid);
        if (valid) {
            QTEST(h.offset, "offset");
            QTEST(h.interval, "interval");
        } else {
            QCOMPARE(h.offset, -1); // untouched
        }
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

    // Only the box's end mark ends a log: a chunk that does not come, or that is not Base64, or
    // a header that is not one, fails the read, whatever arrived before.
    void readLog_failures_data()
    {
        QTest::addColumn<int>("cutAfter"); // chunks before the box falls silent; -1 never
        QTest::addColumn<QByteArray>("header"); // a scripted header, or null for the box's
        QTest::addColumn<QByteArray>("chunk"); // a scripted first chunk, or null
        QTest::addColumn<QString>("message");
        QTest::newRow("silent after three chunks")
            << 3 << QByteArray() << QByteArray() << "unable to get actuator log chunk";
        QTest::newRow("silent at once")
            << 0 << QByteArray() << QByteArray() << "unable to get actuator log chunk";
        QTest::newRow("header of one field")
            << -1 << QByteArray("600") << QByteArray() << "invalid actuator log header: 600";
        QTest::newRow("header with a chunk's text") << -1 << QByteArray("AAAAAA==;") << QByteArray()
                                                    << "invalid actuator log header: AAAAAA==;";
        QTest::newRow("chunk not Base64") << -1 << QByteArray("0;60") << QByteArray("AA*A;")
                                          << "invalid actuator log chunk: AA*A;";
    }
    void readLog_failures()
    {
        QFETCH(int, cutAfter);
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, chunk);
        QFETCH(QString, message);
        PluggedBox plugged;
        if (cutAfter >= 0)
            plugged.box->cutLogShort(cutAfter);
        if (!header.isNull())
            plugged.box->overrideReply(CMD__READ_LOG, header);
        if (!chunk.isNull())
            plugged.box->overrideReply(CMD__READ_LOG, chunk);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        MessageLog messages;
        QVERIFY(!comm->readLog(0));
        QVERIFY(messages.messages().endsWith(message));
    }

    // A copy of an answer left waiting (a late or a repeated one) is discarded before the next
    // request, so that no chunk is taken twice or in another's place.
    void readLog_staleReportsWaiting_areDiscarded_data()
    {
        QTest::addColumn<int>("skip"); // 0x20 requests before the one answered twice
        QTest::newRow("header") << 0;
        QTest::newRow("a chunk in the middle") << 40;
        QTest::newRow("the end mark") << 110;
    }
    void readLog_staleReportsWaiting_areDiscarded()
    {
        QFETCH(int, skip);
        PluggedBox plugged;
        plugged.inject(Fault::once(Fault::DuplicateReply, CMD__READ_LOG, skip));
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        MessageLog messages;
        QVERIFY(comm->readLog(2));
        QVERIFY(sameSamples(comm->device.log, plugged.box->log(2)));
        QCOMPARE(messages.messages().filter("discarded a stale reply to command 0x20").size(), 1);
        QVERIFY(comm->readLog(3)); // and the next log starts clean
        QVERIFY(sameSamples(comm->device.log, plugged.box->log(3)));
    }

    // A chunk that comes after its time-out fails the read; its late copy never answers a
    // later request as if it were that request's answer.
    void readLog_lateChunk_failsAndIsNeverTakenForTheNextAnswer()
    {
        PluggedBox plugged;
        plugged.inject(Fault::once(Fault::LateReply, CMD__READ_LOG, 5));
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        MessageLog messages;
        QVERIFY(!comm->readLog(1));
        QVERIFY(messages.contains("unable to get actuator log chunk"));
        // The late chunk lands while the next read waits for its header: that read fails too,
        // rather than take a chunk of actuator 1 for its header (or, had it come before the
        // request, it would have been discarded).
        QVERIFY(!comm->readLog(2) || sameSamples(comm->device.log, plugged.box->log(2)));
        QVERIFY(comm->readLog(3));
        QVERIFY(sameSamples(comm->device.log, plugged.box->log(3)));
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
    void readLog_endlessChunks_failAtTheBound()
    {
        PluggedBox plugged;
        plugged.box->overrideReply(CMD__READ_LOG, "0;60");
        plugged.box->overrideReply(CMD__READ_LOG, chunkOf(QByteArray(44, '\x10')), -1);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        MessageLog messages;
        QVERIFY(!comm->readLog(0));
        QVERIFY(messages.contains("invalid actuator log: more than 20000 records"));
    }

    void readLog_garbageReplies_failWithoutHarm()
    {
        PluggedBox plugged;
        plugged.inject(Fault::always(Fault::GarbageReply, CMD__READ_LOG));
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        for (int index = 0; index < 8; ++index) {
            QVERIFY(!comm->readLog(index));
            QCOMPARE(comm->device.log.count(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(tst_LogRead)
#include "tst_logread.moc"
