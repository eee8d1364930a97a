// The framing of one transaction, checked on the bytes the virtual box received.
#include "tests/support/CommTestSupport.h"

#include "devicelink/VoroCommands.h"

#include <QElapsedTimer>
#include <QtTest>

using hidsim::Fault;

class tst_VoroFraming : public QObject
{
    Q_OBJECT

private:
    // The last report the box received, as hidapi's write saw it (report id first).
    static QByteArray lastReport(const PluggedBox& plugged)
    {
        const auto received = plugged.box->received();
        return received.empty() ? QByteArray() : received.back().report;
    }

private slots:
    void init() { hidsim::Bus::instance().setLatency(std::chrono::microseconds(0)); }

    void emptyArgument_sendsCommandAndZeros()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        const QByteArray reply = comm->transact(CMD__GET_PROTOCOL_VERSION, QString());

        QByteArray expected(VoroComm::REPORT_SIZE, '\0');
        expected[1] = char(CMD__GET_PROTOCOL_VERSION);
        QCOMPARE(lastReport(plugged), expected);
        QCOMPARE(reply.size(), VoroComm::REPLY_SIZE);
        QCOMPARE(VoroComm::replyText(reply), QStringLiteral("2"));
    }

    void argumentOf63Bytes_fillsReportWithoutTerminator()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        // 20 three-byte characters and three ASCII ones: exactly 63 bytes.
        const QString location = QString(20, QChar(0x20AC)) + QStringLiteral("abc");
        QCOMPARE(location.toUtf8().size(), VoroComm::ARGUMENT_SIZE);
        QVERIFY(!comm->transact(CMD__SET_LOCATION, location).isNull());

        const QByteArray report = lastReport(plugged);
        QCOMPARE(report.size(), VoroComm::REPORT_SIZE);
        QCOMPARE(uint8_t(report[0]), uint8_t(0));
        QCOMPARE(uint8_t(report[1]), uint8_t(CMD__SET_LOCATION));
        QCOMPARE(report.mid(2), location.toUtf8());
        QCOMPARE(plugged.box->location(), location);
    }

    void argumentOver63Bytes_isRefusedBeforeSending()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        MessageLog log;
        const long long before = hidsim::Bus::instance().reportsWritten();
        QVERIFY(comm->transact(CMD__SET_LOCATION, QString(64, QLatin1Char('x'))).isNull());
        QVERIFY(comm->transact(CMD__SET_LOCATION, QString(22, QChar(0x20AC))).isNull());
        QCOMPARE(hidsim::Bus::instance().reportsWritten(), before);
        QVERIFY(plugged.box->received().empty());
        QCOMPARE(log.messages(),
                 QStringList({ "argument of command 0x07 too long for one report: 64 bytes",
                               "argument of command 0x07 too long for one report: 66 bytes" }));
    }

    void fullReply_gives63Characters()
    {
        PluggedBox plugged(QString(63, QLatin1Char('L')));
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        const QByteArray reply = comm->transact(CMD__GET_LOCATION, QString());
        QCOMPARE(reply.size(), VoroComm::REPLY_SIZE);
        QCOMPARE(reply.at(63), '\0'); // beyond the 64-byte input report
        QCOMPARE(VoroComm::replyText(reply), QString(63, QLatin1Char('L')));
    }

    void wrongEcho_failsAlthoughAReportArrived()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::once(Fault::WrongEcho));
        QVERIFY(comm->transact(CMD__GET_LOCATION, QString()).isNull());
        QCOMPARE(plugged.commands(), QList<int>({ CMD__GET_LOCATION }));
        // The link is fine again for the next request.
        QCOMPARE(VoroComm::replyText(comm->transact(CMD__GET_LOCATION, QString())),
                 QStringLiteral("Room 1"));
    }

    void failedOpen_failsAtOnce()
    {
        HidDevice::Id nowhere;
        nowhere.path = "/dev/hidraw-nowhere";
        VoroComm comm(new HidDevice(nowhere), 3);
        QVERIFY(!comm.hid->isOpen());
        QCOMPARE(comm.device.id, 3);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(comm.transact(CMD__GET_PROTOCOL_VERSION, QString()).isNull());
        QVERIFY(!comm.ping());
        QVERIFY(timer.elapsed() < VoroComm::REPLY_TIMEOUT_MS); // neither waited for a reply
    }

    // Whatever waits in the input queue before a request answers an earlier one: a reply not
    // awaited, or one the box sent twice. It is discarded and logged, and the request gets its
    // own answer, also where the stale one carries the same echo.
    void staleReportsWaiting_areDiscardedBeforeTheRequest_data()
    {
        QTest::addColumn<int>("staleCommand");
        QTest::addColumn<QString>("staleArgument");
        QTest::addColumn<bool>("awaited");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("answer");
        QTest::newRow("reply not awaited")
            << int(CMD__GET_PROTOCOL_VERSION) << "" << false << int(CMD__GET_LOCATION) << ""
            << "Room 1";
        QTest::newRow("same command, another actuator")
            << int(CMD__GET_ACTUATOR_LOCATION) << "0" << true << int(CMD__GET_ACTUATOR_LOCATION)
            << "1"
            << "Second";
    }
    void staleReportsWaiting_areDiscardedBeforeTheRequest()
    {
        QFETCH(int, staleCommand);
        QFETCH(QString, staleArgument);
        QFETCH(bool, awaited);
        QFETCH(int, command);
        QFETCH(QString, argument);
        PluggedBox plugged;
        plugged.box->setActuatorLocation(0, QStringLiteral("First"));
        plugged.box->setActuatorLocation(1, QStringLiteral("Second"));
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::once(Fault::DuplicateReply, staleCommand));
        comm->transact(uint8_t(staleCommand), staleArgument, awaited);

        MessageLog log;
        const QByteArray reply = comm->transact(uint8_t(command), argument);
        QTEST(VoroComm::replyText(reply), "answer");
        const int stale = awaited ? 1 : 2; // the duplicate, and the reply itself if not read
        const QString discarded = QString::asprintf(
            "discarded a stale reply to command 0x%02x before command 0x%02x: %08x", staleCommand,
            command, plugged.id().getHash());
        QCOMPARE(log.messages(), QStringList(QVector<QString>(stale, discarded).toList()));
    }

    void silenceAndLateReplies_timeOutAfterOneSecond()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::once(Fault::LateReply, CMD__GET_LOCATION));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(comm->transact(CMD__GET_LOCATION, QString()).isNull());
        QVERIFY(timer.elapsed() >= VoroComm::REPLY_TIMEOUT_MS - 10);
        // The late answer is read by the next request, whose echo it does not carry.
        QVERIFY(comm->transact(CMD__GET_FIRMWARE_VERSION, QString()).isNull());
    }

    void slowReply_withinTheSecond_isTaken()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::once(Fault::SlowReply, CMD__GET_PROTOCOL_VERSION));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(comm->ping());
        QVERIFY(timer.elapsed() >= 290);
    }

    void writeFailure_andUnplug_failWithoutWaiting()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::once(Fault::WriteFailure));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(comm->transact(CMD__GET_STATUS, QString()).isNull());
        QVERIFY(plugged.box->received().empty());

        plugged.inject(Fault::once(Fault::UnplugMidTransaction));
        QVERIFY(comm->transact(CMD__GET_STATUS, QString()).isNull());
        QCOMPARE(plugged.commands(), QList<int>({ CMD__GET_STATUS }));
        QVERIFY(!plugged.plugged());
        QVERIFY(comm->transact(CMD__GET_STATUS, QString()).isNull());
        // Three failures, none of which waited for its reply's time-out.
        QVERIFY(timer.elapsed() < VoroComm::REPLY_TIMEOUT_MS);
    }

    void garbageReply_keepsEchoAndDecodesSafely()
    {
        PluggedBox plugged;
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        plugged.inject(Fault::always(Fault::GarbageReply));
        for (int i = 0; i < 200; ++i) {
            const QByteArray reply = comm->transact(CMD__GET_LOCATION, QString());
            QCOMPARE(reply.size(), VoroComm::REPLY_SIZE);
            QVERIFY(VoroComm::replyText(reply).toUtf8().size() <= 3 * VoroComm::REPLY_SIZE);
        }
    }

    void replyText_endsAtFirstZeroAndSurvivesAnyBytes()
    {
        QCOMPARE(VoroComm::replyText(QByteArray("21;5\0xyz", 8)), QStringLiteral("21;5"));
        QCOMPARE(VoroComm::replyText(QByteArray()), QString());
        QCOMPARE(VoroComm::replyText(QByteArray("\xC3\xA9t\xC3\xA9")), QStringLiteral("été"));
        const QString broken = VoroComm::replyText(QByteArray(64, '\xFF'));
        QCOMPARE(broken.size(), 64); // each invalid byte becomes one replacement character
        QVERIFY(!VoroComm::replyText(QByteArray("\xE2\x82", 2)).isEmpty()); // cut sequence
    }
};

QTEST_GUILESS_MAIN(tst_VoroFraming)
#include "tst_voroframing.moc"
