// The bootloader protocol over HID against the virtual bootloader: program packets as they
// arrive, skipping of erased packets, the digest the device checks, progress, query replies,
// and the failures of the transport.
#include "FirmwareTestSupport.h"

#include "firmware/FwHidComm.h"

#include <QtTest>

namespace {
// The digest a completion should carry: every program packet since the region began.
QByteArray digestOf(const QList<QByteArray>& packets)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QByteArray& p : packets)
        hash.addData(p.mid(1, 63) + '\0');
    return hash.result();
}

quint32 addressOf(const QByteArray& packet)
{
    return qFromLittleEndian<quint32>(packet.constData() + 1);
}

struct Connected
{
    explicit Connected(int family = 1)
    {
        plugged.loader->setFamily(family);
        plugged.loader->setRegions({ { 1, 0x1000, 0x8000 }, { 2, 0x20000, 0x100 } });
        const HidDevice::Id id = plugged.id();
        comm.findDevice(&id);
        comm.open();
    }
    PluggedBootloader plugged;
    FwHidComm comm { hidsim::Bootloader::VENDOR_ID, hidsim::Bootloader::PRODUCT_ID };
};
} // namespace

class tst_FwProtocol : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::Bus::instance().setLatency(std::chrono::microseconds(0)); }

    void program_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("bytesPerPacket");
        QTest::addColumn<int>("bytesPerAddress");
        QTest::addColumn<int>("bytesPerWord");
        QTest::addColumn<int>("family");
        QTest::addColumn<QList<int>>("lengths");
        QTest::addColumn<QList<int>>("offsets"); // of each packet's address from the start
        QTest::addColumn<int>("completions");

        const QByteArray ff1(1, char(0xFF));
        const QByteArray data = firmwareBytes(56);
        QTest::newRow("3 bytes in words of 4") << QByteArray("\x01\x02\x03") << 56 << 1 << 4 << 3
                                               << QList<int> { 4 } << QList<int> { 0 } << 1;
        QTest::newRow("all erased") << QByteArray(200, char(0xFF)) << 56 << 1 << 1 << 1
                                    << QList<int>() << QList<int>() << 1;
        QTest::newRow("data, an erased run, data")
            << data + QByteArray(112, char(0xFF)) + data << 56 << 1 << 1 << 1
            << QList<int> { 56, 56 } << QList<int> { 0, 168 } << 2;
        QTest::newRow("58 in words of 4 is 56")
            << data + data << 58 << 1 << 4 << 3 << QList<int> { 56, 56 } << QList<int> { 0, 56 }
            << 1;
        QTest::newRow("2 bytes per address") << data + data << 58 << 2 << 4 << 2
                                             << QList<int> { 56, 56 } << QList<int> { 0, 28 } << 1;
        QByteArray phantom(56, char(0xFF));
        phantom[3] = phantom[7] = phantom[51] = 0;
        QTest::newRow("family 2 ignores every fourth byte")
            << phantom << 56 << 2 << 4 << 2 << QList<int>() << QList<int>() << 1;
        QTest::newRow("more than the field holds")
            << firmwareBytes(120) << 200 << 1 << 1 << 1 << QList<int> { 58, 58, 4 }
            << QList<int> { 0, 58, 116 } << 1;
    }
    void program()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, bytesPerPacket);
        QFETCH(int, bytesPerAddress);
        QFETCH(int, bytesPerWord);
        QFETCH(int, family);
        QFETCH(QList<int>, lengths);
        QFETCH(QList<int>, offsets);
        QFETCH(int, completions);
        Connected c(family);
        const quint32 units = quint32(data.size() / bytesPerAddress);
        QCOMPARE(c.comm.send(0x1000, uint8_t(bytesPerPacket), uint8_t(bytesPerAddress),
                             uint8_t(bytesPerWord), uint8_t(family), 0x1000 + units,
                             reinterpret_cast<const uint8_t*>(data.constData()), 0x05, 0x06, 33),
                 FwCommBase::Completed);

        const QList<QByteArray> packets = c.plugged.packets(0x05);
        QList<int> gotLengths, gotOffsets;
        for (const QByteArray& p : packets) {
            gotLengths << uint8_t(p[5]);
            gotOffsets << int(addressOf(p) - 0x1000);
        }
        QCOMPARE(gotLengths, lengths);
        QCOMPARE(gotOffsets, offsets);
        QCOMPARE(c.plugged.packets(0x06).size(), completions);
        QCOMPARE(c.plugged.loader->acceptedCompletions(), completions);
        // Every completion covers all the region's packets sent before it.
        QList<QByteArray> before;
        for (const QByteArray& p : c.plugged.loader->received()) {
            if (uint8_t(p[0]) == 0x05)
                before << p;
            else if (uint8_t(p[0]) == 0x06)
                QCOMPARE(p.mid(1, 20), digestOf(before));
        }
        // What the bootloader stored is the region's data, erased bytes where it skipped.
        if (family != 2)
            QCOMPARE(c.plugged.loader->memory(0x1000, data.size()), data);
    }

    void shortPacket_isRightJustifiedAndPadded()
    {
        Connected c(3);
        const uint8_t data[3] = { 1, 2, 3 };
        QCOMPARE(c.comm.send(0x1000, 56, 1, 4, 3, 0x1003, data, 0x05, 0x06, 33),
                 FwCommBase::Completed);
        const QByteArray p = c.plugged.packets(0x05).value(0);
        QCOMPARE(p.left(6), QByteArray("\x05\x00\x10\x00\x00\x04", 6));
        QCOMPARE(p.mid(6, 54), QByteArray(54, '\0'));
        QCOMPARE(p.right(4), QByteArray("\x01\x02\x03\xFF", 4));
    }

    void regions_eachHaveTheirOwnDigest()
    {
        Connected c;
        const QByteArray a = firmwareBytes(300, 1), b = firmwareBytes(40, 2);
        const auto* pa = reinterpret_cast<const uint8_t*>(a.constData());
        QCOMPARE(c.comm.program(0x1000, 58, 1, 2, 1, 0x1000 + 300, pa), FwCommBase::Completed);
        QCOMPARE(c.comm.program(0x20000, 58, 1, 1, 1, 0x20000 + 40,
                                reinterpret_cast<const uint8_t*>(b.constData())),
                 FwCommBase::Completed);
        QCOMPARE(c.plugged.loader->acceptedCompletions(), 2);
        QCOMPARE(c.plugged.loader->refusedCompletions(), 0);
        QCOMPARE(c.plugged.loader->memory(0x20000, 40), b);
    }

    void progress_runsFrom33To99()
    {
        Connected c;
        const QByteArray data = firmwareBytes(4 * 56);
        QSignalSpy spy(&c.comm, &FwCommBase::SetProgressBar);
        c.comm.program(0x1000, 56, 1, 1, 1, 0x1000 + 4 * 56,
                       reinterpret_cast<const uint8_t*>(data.constData()));
        QList<int> values;
        for (const auto& args : spy)
            values << args[0].toInt();
        QCOMPARE(values, (QList<int> { 33, 49, 65, 83 }));
    }

    void badPacketSizes_areRefused_data()
    {
        QTest::addColumn<int>("bytesPerPacket");
        QTest::addColumn<int>("bytesPerAddress");
        QTest::addColumn<int>("bytesPerWord");
        QTest::newRow("0 bytes per packet") << 0 << 1 << 1;
        QTest::newRow("fewer than an address unit") << 1 << 2 << 1;
        QTest::newRow("no whole word") << 3 << 1 << 4;
        QTest::newRow("0 bytes per word") << 56 << 1 << 0;
    }
    void badPacketSizes_areRefused()
    {
        QFETCH(int, bytesPerPacket);
        QFETCH(int, bytesPerAddress);
        QFETCH(int, bytesPerWord);
        Connected c;
        const QByteArray data = firmwareBytes(64);
        QCOMPARE(c.comm.program(0x1000, uint8_t(bytesPerPacket), uint8_t(bytesPerAddress),
                                uint8_t(bytesPerWord), 1, 0x1000 + 32,
                                reinterpret_cast<const uint8_t*>(data.constData())),
                 FwCommBase::Failed);
        QVERIFY(c.plugged.loader->received().empty());
    }

    void queryReply_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("regions");
        QTest::addColumn<int>("programBytesPerAddress");

        const auto record = [](int type, quint32 start, quint32 size) {
            QByteArray r(1, char(type));
            r.resize(9);
            qToLittleEndian(start, r.data() + 1);
            qToLittleEndian(size, r.data() + 5);
            return r;
        };
        const int ok = DeviceLayout::QR__OK;
        QTest::newRow("end of list at once") << QByteArray(1, char(0xFF)) << 1 << ok << 0 << 1;
        QByteArray six;
        for (int i = 0; i < 6; ++i)
            six += record(1 + i % 3, 0x1000 * quint32(i + 1), 0x10);
        QTest::newRow("six records, no end") << six + record(1, 0x9000, 1) << 1 << ok << 6 << 1;
        QTest::newRow("unknown type skipped")
            << record(7, 0x1000, 0x10) + record(1, 0x2000, 0x10) + '\xFF' << 1 << ok << 1 << 1;
        QTest::newRow("family 2: two bytes per address")
            << record(1, 0x1000, 0x10) + '\xFF' << 2 << ok << 1 << 2;
        QTest::newRow("size clamped, still too large for the host")
            << record(1, 0x1000, 0x10000000) << 1 << int(DeviceLayout::QR__TOO_LARGE) << 0 << 1;
        QTest::newRow("16 MiB in all is the limit")
            << record(1, 0x1000, 0x800000) + record(2, 0x2000, 0x800001) << 1
            << int(DeviceLayout::QR__TOO_LARGE) << 0 << 1;
    }
    void queryReply()
    {
        QFETCH(QByteArray, records);
        QFETCH(int, family);
        QByteArray reply = QByteArray("\x02\x3A") + char(family) + records;
        reply.resize(DeviceLayout::QUERY_REPLY_SIZE);
        MemoryRegions regions { MemoryRegion(RT__PROGRAM, 1, 2, 1) };
        DeviceLayout layout;
        layout.regions = &regions;
        QTEST(int(layout.readQueryReply(reinterpret_cast<const uint8_t*>(reply.constData()))),
              "result");
        QTEST(int(regions.size()), "regions");
        QTEST(layout.bytesPerAddressProgram, "programBytesPerAddress");
        for (const MemoryRegion& r : regions)
            QCOMPARE(quint32(r.buffer.size()),
                     (r.end - r.start) * uint(layout.bytesPerAddress(r.type)));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("connected");
        QTest::newRow("query unanswered")
            << "query" << int(FwCommBase::BadReply)
            << "Received incorrect command. (0x00 instead of 0x02)" << true;
        QTest::newRow("completion refused")
            << "complete" << int(FwCommBase::Failed) << "update not successful" << true;
        QTest::newRow("write fails")
            << "erase" << int(FwCommBase::Failed) << "Write failed." << false;
        QTest::newRow("device gone")
            << "unplug" << int(FwCommBase::Failed) << "Write failed." << false;
    }
    void failures()
    {
        QFETCH(QString, what);
        Connected c;
        MessageLog log;
        c.comm.setReadTimeout(100);
        FwCommBase::CommResult r = FwCommBase::Completed;
        uint8_t reply[FwCommBase::PACKET_SIZE];
        if (what == "query") {
            c.plugged.inject(hidsim::Fault::once(hidsim::Fault::NoReply, 0x02));
            r = c.comm.query(reply);
        } else if (what == "complete") {
            c.plugged.loader->refuseCompletions(1);
            r = c.comm.complete(0x06);
        } else if (what == "erase") {
            c.plugged.inject(hidsim::Fault::always(hidsim::Fault::WriteFailure, 0x04));
            r = c.comm.erase(nullptr, 0);
        } else {
            c.plugged.unplug();
            r = c.comm.query(reply);
            r = c.comm.isConnected() ? r : FwCommBase::Failed;
        }
        QTEST(int(r), "result");
        QFETCH(QString, warning);
        QVERIFY2(log.contains(warning), qPrintable(log.messages().join('|')));
        QTEST(c.comm.isConnected(), "connected");
    }
};

QTEST_GUILESS_MAIN(tst_FwProtocol)
#include "tst_fwprotocol.moc"
