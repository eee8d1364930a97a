// The programming sequence on the virtual bootloader: what the user reads at each step, and
// what reaches the device.
#include "FirmwareTestSupport.h"

#include "firmware/BundledFirmware.h"
#include "firmware/FwHidProgrammer.h"

#include <QtTest>

namespace {
struct Programmer
{
    Programmer()
    {
        QObject::connect(&programmer, &FwProgrammer::statusMessage,
                         [this](const QString& s) { statuses << s; });
    }
    bool attach()
    {
        const HidDevice::Id id = plugged.id();
        return programmer.pollConnection(&id);
    }
    PluggedBootloader plugged;
    FwHidProgrammer programmer { hidsim::Bootloader::VENDOR_ID, hidsim::Bootloader::PRODUCT_ID };
    QStringList statuses;
};
} // namespace

class tst_FwProgrammer : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::Bus::instance().setLatency(std::chrono::microseconds(0)); }

    void resultTexts()
    {
        QCOMPARE(FwProgrammer::resultText(FwCommBase::Completed), QString(" Complete"));
        QCOMPARE(FwProgrammer::resultText(FwCommBase::NoDevice),
                 QString(" Failed. Device not connected."));
        QCOMPARE(FwProgrammer::resultText(FwCommBase::Failed), QString(" Failed."));
        QCOMPARE(FwProgrammer::resultText(FwCommBase::BadReply),
                 QString(" Failed. Unable to communicate with device."));
        QCOMPARE(FwProgrammer::resultText(FwCommBase::TimedOut),
                 QString(" Timed out waiting for device"));
        QCOMPARE(FwProgrammer::resultText(FwCommBase::CommResult(9)), QString(" "));
    }

    void steps_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<bool>("success");
        QTest::addColumn<QStringList>("statuses"); // the last ones, in order
        QTest::addColumn<bool>("connected");

        QTest::newRow("attach") << "attach" << true
                                << QStringList { "Device Attached.", "Connecting...",
                                                 "Device Ready" }
                                << true;
        QTest::newRow("attach, query unanswered")
            << "silent" << false
            << QStringList { "Connecting...", "Unable to communicate with device",
                             "Device Detached." }
            << false;
        QTest::newRow("attach, memory too large")
            << "huge" << false
            << QStringList { "The device reports more memory than this program can hold. "
                             "Nothing was written.",
                             "Device Detached." }
            << false;
        QTest::newRow("erase") << "erase" << true
                               << QStringList { "Erasing Device... (this may take several seconds)",
                                                "Erase Complete" }
                               << true;
        QTest::newRow("erase, write fails")
            << "erase fails" << false << QStringList { "Erase Failed." } << false;
        // Without the answer that ends the erase, writing would start while the flash erases.
        QTest::newRow("erase, its query unanswered")
            << "erase silent" << false
            << QStringList { "Erase Failed. Unable to communicate with device." } << true;
        QTest::newRow("write") << "write" << true
                               << QStringList { "Writing Device Program Memory...",
                                                "Writing Complete" }
                               << true;
        QTest::newRow("write, completion refused")
            << "refused" << false << QStringList { "Writing Failed." } << true;
        QTest::newRow("write, 0 bytes per packet")
            << "no packet size" << false << QStringList { "Writing Failed." } << true;
    }
    void steps()
    {
        QFETCH(QString, scenario);
        Programmer p;
        p.programmer.setReadTimeout(200);
        if (scenario == "silent")
            p.plugged.inject(hidsim::Fault::once(hidsim::Fault::NoReply, 0x02));
        if (scenario == "huge")
            p.plugged.loader->setRegions({ { 1, 0x1000, 0x0FFFFFFF } });
        if (scenario == "no packet size")
            p.plugged.loader->setBytesPerPacket(0);
        bool success = p.attach();
        if (scenario.startsWith("erase") || scenario == "write" || scenario == "refused"
            || scenario == "no packet size") {
            QVERIFY(p.programmer.loadFile(BundledFirmware::RESOURCE, false));
            if (scenario == "erase fails")
                p.plugged.inject(hidsim::Fault::always(hidsim::Fault::WriteFailure, 0x04));
            if (scenario == "erase silent")
                p.plugged.inject(hidsim::Fault::once(hidsim::Fault::NoReply, 0x02));
            success = p.programmer.erase();
        }
        if (success && scenario != "erase") {
            if (scenario == "refused")
                p.plugged.loader->refuseCompletions(1);
            if (scenario != "attach")
                success = p.programmer.write(true, false, false);
        }
        QTEST(success, "success");
        QFETCH(QStringList, statuses);
        QCOMPARE(p.statuses.mid(p.statuses.size() - statuses.size()), statuses);
        QTEST(p.programmer.isConnected(), "connected");
    }

    void loadFile_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no such file
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("status");
        QTest::newRow("opened") << hexRecord(4, 0, QByteArray::fromHex("0800"))
                + hexRecord(0, 0x4000, "AB")
                                << true << "Opened: f.hex\n";
        QTest::newRow("no such file")
            << QByteArray() << false << "Error: Could not open file f.hex";
        QTest::newRow("nothing in range")
            << hexRecord(0, 0, "AB") << false
            << "No address within range in file: f.hex.  Verify the correct firmware image was "
               "specified and is designed for your device.";
        QTest::newRow("bad hex") << QByteArray("junk") << false
                                 << "Error in hex file.  Please make sure the firmware image "
                                    "supplied was designed for the device to be programmed.";
        QTest::newRow("bad container") << QByteArray("bf01") << false
                                       << "Error in file.  Please make sure the firmware image "
                                          "supplied was designed for the device to be programmed.";
    }
    void loadFile()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = file.isNull() ? dir.filePath("f.hex") : writeFile(dir, "f.hex", file);
        Programmer p;
        QVERIFY(p.attach());
        QTEST(p.programmer.loadFile(path, true), "loaded");
        QFETCH(QString, status);
        QCOMPARE(p.statuses.last(), status);
        QCOMPARE(p.statuses.size(), 4); // only that one after attaching: no config warning
    }

    void write_takesOnlyTheChosenRegions_andUnlocksConfigFirst()
    {
        Programmer p;
        p.plugged.loader->setRegions(
            { { 3, 0x300000, 0x10 }, { 1, 0x1000, 0x100 }, { 2, 0x20000, 0x10 } });
        QVERIFY(p.attach());
        const QByteArray file = container("bf01", 3,
                                          plainSegment(0x300000, firmwareBytes(16, 3))
                                              + plainSegment(0x1000, firmwareBytes(32))
                                              + plainSegment(0x20000, firmwareBytes(16, 5)));
        QTemporaryDir dir;
        QVERIFY(p.programmer.loadFile(writeFile(dir, "f.bme", file), true));
        QVERIFY(p.programmer.write(true, false, false));
        QList<quint32> written;
        for (const QByteArray& packet : p.plugged.packets(0x05))
            written << qFromLittleEndian<quint32>(packet.constData() + 1);
        QCOMPARE(written, QList<quint32> { 0x1000 });

        p.statuses.clear();
        p.plugged.loader->clearReceived();
        QVERIFY(p.programmer.write(false, true, true));
        QCOMPARE(p.statuses,
                 (QStringList { "Unlocked Configuration bits successfully",
                                "Writing Device Config Words...", "Writing Complete",
                                "Writing Device EEPROM Memory...", "Writing Complete" }));
        QCOMPARE(p.plugged.loader->received().front().left(2), QByteArray("\x03\x00", 2));
        QCOMPARE(p.plugged.loader->memory(0x20000, 16), firmwareBytes(16, 5));

        p.plugged.inject(hidsim::Fault::always(hidsim::Fault::WriteFailure, 0x03));
        QVERIFY(!p.programmer.write(false, false, true));
        QCOMPARE(p.statuses.last(), QString("Unable to unlock Configuration bits"));
    }
};

QTEST_GUILESS_MAIN(tst_FwProgrammer)
#include "tst_fwprogrammer.moc"
