// The virtual bootloader as a box becomes it and comes back from it: the round trip through
// enter-bootloader, an update and the reset, and what the bootloader refuses.
#include "tests/support/CommTestSupport.h"

#include "firmware/BundledFirmware.h"
#include "firmware/FwHidProgrammer.h"
#include "sim/Bootloader.h"

#include <QtTest>

using namespace hidsim;

namespace {
// The one bootloader on the bus, once it is there.
std::shared_ptr<Bootloader> bootloaderOnBus(std::string* path = nullptr)
{
    for (const auto& entry :
         Bus::instance().enumerate(Bootloader::VENDOR_ID, Bootloader::PRODUCT_ID)) {
        if (path)
            *path = entry.path;
        return std::dynamic_pointer_cast<Bootloader>(Bus::instance().device(entry.path));
    }
    return nullptr;
}

struct Programmer
{
    explicit Programmer(const std::string& path)
    {
        id.vendor_id = Bootloader::VENDOR_ID;
        id.product_id = Bootloader::PRODUCT_ID;
        id.path = path;
    }
    bool update()
    {
        return programmer.pollConnection(&id)
            && programmer.loadFile(BundledFirmware::RESOURCE, false) && programmer.erase()
            && programmer.write(true, false, false) && programmer.reset() == FwCommBase::Completed;
    }
    HidDevice::Id id;
    FwHidProgrammer programmer { Bootloader::VENDOR_ID, Bootloader::PRODUCT_ID };
};
} // namespace

class tst_Bootloader : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::instance().setLatency(std::chrono::microseconds(0)); }
    void cleanup() { Bus::instance().unplugAll(); }

    void box_becomesItsBootloader_andComesBackUpdated()
    {
        PluggedBox plugged(QStringLiteral("Office 1.01"));
        plugged.box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        plugged.box->setActuatorSetting(2, Setpoint, 235);
        std::unique_ptr<VoroComm> comm(plugged.openComm());
        QVERIFY(comm->enterBootloader());
        QVERIFY(!plugged.plugged());
        std::string path;
        const std::shared_ptr<Bootloader> loader = bootloaderOnBus(&path);
        QVERIFY(loader);
        QCOMPARE(loader->box(), plugged.box);

        Programmer p(path);
        QVERIFY(p.update());
        QCOMPARE(loader->receivedVersion(), QString(BundledFirmware::VERSION));
        QVERIFY(!bootloaderOnBus());
        const auto boxes = Bus::instance().enumerate(VoroBox::VENDOR_ID, VoroBox::PRODUCT_ID);
        QCOMPARE(int(boxes.size()), 1);
        QCOMPARE(Bus::instance().device(boxes.front().path), plugged.box);
        QCOMPARE(plugged.box->firmwareVersion(), QString(BundledFirmware::VERSION));
        QCOMPARE(plugged.box->location(), QString("Office 1.01"));
        QCOMPARE(plugged.box->actuatorSetting(2, Setpoint), 235);
    }

    void withoutAnAcceptedImage_theBootloaderStartsAgain_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("completion refused") << "refuse";
        QTest::newRow("image for other hardware") << "hardware";
    }
    void withoutAnAcceptedImage_theBootloaderStartsAgain()
    {
        QFETCH(QString, fault);
        auto box = std::make_shared<VoroBox>(QStringLiteral("Lab"));
        box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        auto loader = std::make_shared<Bootloader>(box);
        if (fault == "refuse")
            loader->refuseCompletions(-1);
        if (fault == "hardware")
            loader->setHardwareId("4711");
        const std::string path = Bus::instance().plug(loader);
        Programmer p(path);
        QVERIFY(p.programmer.pollConnection(&p.id));
        QVERIFY(p.programmer.loadFile(BundledFirmware::RESOURCE, false));
        QVERIFY(p.programmer.erase());
        QVERIFY(!p.programmer.write(true, false, false));
        QVERIFY(loader->refusedCompletions() > 0);
        p.programmer.reset();
        std::string again;
        QCOMPARE(bootloaderOnBus(&again), loader);
        QVERIFY(again != path); // enumerated anew
        QCOMPARE(box->firmwareVersion(), QString("1.1.1.9"));
    }

    void resetBeforeAnyErase_bringsTheBoxBackOnItsOldFirmware()
    {
        auto box = std::make_shared<VoroBox>(QStringLiteral("Lab"));
        box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
        auto loader = std::make_shared<Bootloader>(box);
        Programmer p(Bus::instance().plug(loader));
        QVERIFY(p.programmer.pollConnection(&p.id));
        QCOMPARE(p.programmer.reset(), FwCommBase::Completed);
        QVERIFY(!bootloaderOnBus());
        QVERIFY(!Bus::instance().pathOf(box.get()).empty());
        QCOMPARE(box->firmwareVersion(), QString("1.1.1.9"));
    }

    void packetsDuringTheErase_areLost()
    {
        auto loader = std::make_shared<Bootloader>();
        loader->setEraseTime(std::chrono::milliseconds(300));
        Programmer p(Bus::instance().plug(loader));
        QVERIFY(p.programmer.pollConnection(&p.id));
        QVERIFY(p.programmer.loadFile(BundledFirmware::RESOURCE, false));
        uint8_t erase[65] = { 0, Bootloader::Erase };
        HidDevice hid(p.id);
        QVERIFY(hid.write(erase, sizeof erase));
        QVERIFY(!p.programmer.write(true, false, false)); // at once, without waiting
        QVERIFY(loader->lostPackets() > 0);
    }

    void erase_holdsBackTheNextQuery()
    {
        auto loader = std::make_shared<Bootloader>();
        loader->setEraseTime(std::chrono::milliseconds(300));
        Programmer p(Bus::instance().plug(loader));
        QVERIFY(p.programmer.pollConnection(&p.id));
        QVERIFY(p.programmer.loadFile(BundledFirmware::RESOURCE, false));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(p.programmer.erase());
        QVERIFY(timer.elapsed() >= 300);
        QCOMPARE(loader->erases(), 1);
        QVERIFY(p.programmer.write(true, false, false));
    }
};

QTEST_GUILESS_MAIN(tst_Bootloader)
#include "tst_bootloader.moc"
