// HidDevice and its identity, on the simulated bus.
#include "devicelink/HidDevice.h"
#include "sim/Bootloader.h"
#include "sim/EchoDevice.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

#include <QElapsedTimer>
#include <QtTest>

#include <future>
#include <set>

using namespace std::chrono_literals;

namespace {
HidDevice::Id idOf(const std::string& path, int release = 0)
{
    HidDevice::Id id;
    id.path = path;
    id.release_number = release;
    return id;
}

QByteArray outputReport(uint8_t command, const QByteArray& text = {})
{
    QByteArray report(65, '\0');
    report[1] = char(command);
    report.replace(2, text.size(), text);
    return report;
}
} // namespace

class tst_HidDevice : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { hidsim::Bus::instance().unplugAll(); }

    void identityIsThePathAlone()
    {
        const auto a = idOf("abc", 0x0100);
        const auto b = idOf("abc", 0x0200);
        QVERIFY(a == b);
        QVERIFY(!(a != b));
        QCOMPARE(a.getHash(), b.getHash());
        QVERIFY(idOf("abc") != idOf("abd"));
        QVERIFY(HidDevice::Id() == idOf(""));
        // a path with an embedded zero byte is still compared byte for byte
        QVERIFY(idOf(std::string("a\0b", 3)) != idOf("a"));
    }

    void orderingIsBytewiseWithPrefixesFirst()
    {
        const std::set<HidDevice::Id> ids { idOf("b"), idOf("abc"), idOf("ab"), idOf("") };
        QStringList order;
        for (const auto& id : ids)
            order << QString::fromStdString(id.path);
        QCOMPARE(order, (QStringList { "", "ab", "abc", "b" }));
        QVERIFY(idOf("\x7f") < idOf("\x80")); // bytes beyond 0x7f sort as std::string does
    }

    void hashExamples()
    {
        QCOMPARE(idOf("abc").getHash(), 0x3025F862u);
        QCOMPARE(idOf("\x80").getHash(), 0xFFFFFF80u); // bytes from 0x80 count as negative
        QCOMPARE(idOf("").getHash(), 0u);

        HidDevice::Id id = idOf("abc");
        QVERIFY(!id.hash_valid);
        id.getHash();
        QVERIFY(id.hash_valid);
        const HidDevice::Id copy = id;
        QVERIFY(copy.hash_valid);
        QCOMPARE(copy.hash, 0x3025F862u);
    }

    void enumerateListsMatchingInterfacesWithTheAskedIds()
    {
        auto& bus = hidsim::Bus::instance();
        bus.plug(std::make_shared<hidsim::EchoDevice>(0x0483, 0xA514, 0x0201));
        bus.plug(std::make_shared<hidsim::EchoDevice>(0x0483, 0xA517, 0x0300));
        bus.plug(std::make_shared<hidsim::EchoDevice>(0x0483, 0xA514, 0x0202));

        const auto boxes = HidDevice::enumerate(0x0483, 0xA514);
        QCOMPARE(boxes.size(), size_t(2));
        std::set<int> releases;
        for (const auto& id : boxes) {
            QCOMPARE(id.vendor_id, 0x0483);
            QCOMPARE(id.product_id, 0xA514);
            QVERIFY(!id.path.empty());
            releases.insert(id.release_number);
        }
        QCOMPARE(releases, (std::set<int> { 0x0201, 0x0202 }));
        QVERIFY(HidDevice::enumerate(0x1234, 0xA514).empty());
    }

    // A box keeps its serial number across ports and in its bootloader, where the path changes.
    void enumerateReportsTheSerialNumberOfABoxAndItsBootloader()
    {
        auto& bus = hidsim::Bus::instance();
        auto box = std::make_shared<hidsim::VoroBox>("Lab 2");
        auto other = std::make_shared<hidsim::VoroBox>("Lab 3");
        QVERIFY(box->serial() != other->serial());
        box->setSerialNumber("3A0F21");
        bus.plug(box);
        bus.plug(std::make_shared<hidsim::Bootloader>(box));
        bus.plug(std::make_shared<hidsim::EchoDevice>(0x0483, 0xA514, 0x0201));

        std::set<std::wstring> serials;
        for (const auto& id : HidDevice::enumerate(0x0483, 0xA514))
            serials.insert(id.serial_number);
        QCOMPARE(serials, (std::set<std::wstring> { L"", L"3A0F21" }));
        const auto loaders = HidDevice::enumerate(0x0483, 0xA517);
        QCOMPARE(loaders.size(), size_t(1));
        QCOMPARE(loaders.front().serial_number, std::wstring(L"3A0F21"));
    }

    void failedOpenFailsEveryTransferAtOnce()
    {
        HidDevice device(idOf("/dev/hidraw-nowhere"));
        QVERIFY(!device.isOpen());
        const QByteArray report = outputReport(0xE2);
        QVERIFY(!device.write(reinterpret_cast<const uint8_t*>(report.constData()), 65));
        uint8_t buffer[65] = {};
        QElapsedTimer clock;
        clock.start();
        constexpr int kTimeoutMs = 10000;
        QCOMPARE(device.read(buffer, 65, kTimeoutMs), 0);
        QCOMPARE(device.read(buffer, 65, 0), 0); // would block forever on an open handle
        QVERIFY(clock.elapsed() < kTimeoutMs); // no time-out was waited for
    }

    void writeAndReadAReport()
    {
        const auto path
            = hidsim::Bus::instance().plug(std::make_shared<hidsim::EchoDevice>(0x0483, 0xA514));
        HidDevice device(HidDevice::enumerate(0x0483, 0xA514).front());
        QVERIFY(device.isOpen());
        QCOMPARE(device.id.path, path);
        const QByteArray report = outputReport(0xE4, "hello");
        QVERIFY(device.write(reinterpret_cast<const uint8_t*>(report.constData()), 65));
        uint8_t buffer[65] = {};
        QCOMPARE(device.read(buffer, 65, 1000), 64); // input reports carry no report id
        QCOMPARE(buffer[0], uint8_t(0xE4));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer + 1), 5), QByteArray("hello"));
    }

    void positiveTimeoutReturnsZeroWhenNothingArrives()
    {
        hidsim::Bus::instance().plug(std::make_shared<hidsim::EchoDevice>(0x0483, 0xA514));
        HidDevice device(HidDevice::enumerate(0x0483, 0xA514).front());
        uint8_t buffer[65] = {};
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(device.read(buffer, 65, 150), 0);
        QVERIFY(clock.elapsed() >= 140);
    }

    void zeroTimeoutWaitsForTheReport()
    {
        auto echo = std::make_shared<hidsim::EchoDevice>(0x0483, 0xA514);
        echo->setReplyDelay(200ms);
        hidsim::Bus::instance().plug(echo);
        HidDevice device(HidDevice::enumerate(0x0483, 0xA514).front());
        const QByteArray report = outputReport(0x01);
        QVERIFY(device.write(reinterpret_cast<const uint8_t*>(report.constData()), 65));
        uint8_t buffer[65] = {};
        // hidapi's blocking read: it returns the late report, not a time-out
        QCOMPARE(device.read(buffer, 65, 0), 64);
        QCOMPARE(buffer[0], uint8_t(0x01));
    }

    void unplugEndsABlockingReadAndFailsWrites()
    {
        const auto path
            = hidsim::Bus::instance().plug(std::make_shared<hidsim::EchoDevice>(0x0483, 0xA514));
        HidDevice device(HidDevice::enumerate(0x0483, 0xA514).front());
        auto reader = std::async(std::launch::async, [&device] {
            uint8_t buffer[65];
            return device.read(buffer, 65, 0);
        });
        QVERIFY(hidsim::Bus::instance().unplug(path));
        QCOMPARE(reader.wait_for(5s), std::future_status::ready);
        QCOMPARE(reader.get(), -1);
        const QByteArray report = outputReport(0x01);
        QVERIFY(!device.write(reinterpret_cast<const uint8_t*>(report.constData()), 65));
    }

    void unreadReportsQueueUpToTheKernelLimit()
    {
        hidsim::Bus::instance().plug(std::make_shared<hidsim::EchoDevice>(0x0483, 0xA514));
        HidDevice device(HidDevice::enumerate(0x0483, 0xA514).front());
        for (int i = 1; i <= 70; ++i) {
            const QByteArray report = outputReport(uint8_t(i));
            QVERIFY(device.write(reinterpret_cast<const uint8_t*>(report.constData()), 65));
        }
        uint8_t buffer[65];
        int n = 0;
        while (device.read(buffer, 65, 50) > 0) {
            ++n;
            QCOMPARE(buffer[0], uint8_t(n)); // oldest first; newer ones were dropped
        }
        QCOMPARE(n, 64);
    }
};

QTEST_GUILESS_MAIN(tst_HidDevice)
#include "tst_hiddevice.moc"
