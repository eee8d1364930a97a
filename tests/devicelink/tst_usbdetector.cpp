// VoroUsbDetector on the simulated bus: each unit announced once, held back after removal.
#include "devicelink/VoroUsbDetector.h"
#include "sim/EchoDevice.h"
#include "sim/HidBus.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

namespace {
std::string plugBox(const std::string& path = {})
{
    return hidsim::Bus::instance().plug(
        std::make_shared<hidsim::EchoDevice>(0x0483, 0xA514, 0x0200), path);
}

QByteArray detectedMessage(const HidDevice::Id& id)
{
    return QByteArray("usb detector: detected new device: ")
        + QByteArray::number(id.getHash(), 16).rightJustified(8, '0');
}

HidDevice::Id announced(const QSignalSpy& spy, int i)
{
    return spy.at(i).at(0).value<HidDevice::Id>();
}
} // namespace

class tst_UsbDetector : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::Bus::instance().unplugAll(); }

    void unitPresentAtStartIsAnnouncedByTheFirstScan()
    {
        plugBox();
        const HidDevice::Id id = HidDevice::enumerate(0x0483, 0xA514).front();
        QElapsedTimer clock;
        clock.start();
        VoroUsbDetector detector;
        QSignalSpy spy(&detector, &VoroUsbDetector::deviceDetected);
        QTest::ignoreMessage(QtDebugMsg, detectedMessage(id).constData());
        QVERIFY(spy.wait(2000));
        QVERIFY(clock.elapsed() >= 90); // the first scan runs on the 100 ms timer
        QCOMPARE(spy.count(), 1);
        QCOMPARE(announced(spy, 0), id);
        QCOMPARE(announced(spy, 0).vendor_id, 0x0483);
        QCOMPARE(announced(spy, 0).product_id, 0xA514);
        QCOMPARE(announced(spy, 0).release_number, 0x0200);
    }

    void attachedUnitIsAnnouncedOnce()
    {
        plugBox();
        VoroUsbDetector detector;
        QSignalSpy spy(&detector, &VoroUsbDetector::deviceDetected);
        for (int i = 0; i < 20; ++i)
            detector.scan();
        QCOMPARE(spy.count(), 1);
        QVERIFY(!spy.wait(350)); // nor by the timer's own scans
        QCOMPARE(spy.count(), 1);
    }

    void onlyBoxesInTheirNormalModeCount()
    {
        hidsim::Bus::instance().plug(std::make_shared<hidsim::EchoDevice>(0x0483, 0xA517));
        hidsim::Bus::instance().plug(std::make_shared<hidsim::EchoDevice>(0x1234, 0xA514));
        VoroUsbDetector detector;
        QSignalSpy spy(&detector, &VoroUsbDetector::deviceDetected);
        detector.scan();
        QCOMPARE(spy.count(), 0);
    }

    void twoInterfacesAreAnnouncedSeparately()
    {
        plugBox();
        plugBox();
        VoroUsbDetector detector;
        QSignalSpy spy(&detector, &VoroUsbDetector::deviceDetected);
        detector.scan();
        QCOMPARE(spy.count(), 2);
        QVERIFY(announced(spy, 0) != announced(spy, 1));
        QCOMPARE(announced(spy, 0).release_number, announced(spy, 1).release_number);
    }

    void replugWithoutRemovalIsNotAnnouncedAgain()
    {
        const std::string path = plugBox();
        VoroUsbDetector detector;
        QSignalSpy spy(&detector, &VoroUsbDetector::deviceDetected);
        detector.scan();
        QCOMPARE(spy.count(), 1);
        hidsim::Bus::instance().unplug(path);
        detector.scan();
        QCOMPARE(plugBox(path), path); // the same USB port again
        detector.scan();
        QCOMPARE(spy.count(), 1);
    }

    void removedUnitIsHeldBackForAboutASecond()
    {
        plugBox();
        VoroUsbDetector detector;
        QSignalSpy spy(&detector, &VoroUsbDetector::deviceDetected);
        detector.scan();
        QCOMPARE(spy.count(), 1);
        const HidDevice::Id id = announced(spy, 0);

        const QByteArray removing = QByteArray("usb detector: removing device: ")
            + QByteArray::number(id.getHash(), 16).rightJustified(8, '0');
        QTest::ignoreMessage(QtDebugMsg, removing.constData());
        QElapsedTimer clock;
        clock.start();
        detector.removeDevice(id);
        detector.scan();
        QCOMPARE(spy.count(), 1);

        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(announced(spy, 1), id);
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
    }

    void secondRemovalOnlyWarns()
    {
        plugBox();
        VoroUsbDetector detector;
        QSignalSpy spy(&detector, &VoroUsbDetector::deviceDetected);
        detector.scan();
        const HidDevice::Id id = announced(spy, 0);
        detector.removeDevice(id);
        const QByteArray warning = QByteArray("usb detector: unable to remove device: ")
            + QByteArray::number(id.getHash(), 16).rightJustified(8, '0');
        QTest::ignoreMessage(QtWarningMsg, warning.constData());
        detector.removeDevice(id);
        // the unit still comes back after the hold
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.count(), 2);
    }

    void unplugDuringTheHoldIsNotAnnounced()
    {
        const std::string path = plugBox();
        VoroUsbDetector detector;
        QSignalSpy spy(&detector, &VoroUsbDetector::deviceDetected);
        detector.scan();
        detector.removeDevice(announced(spy, 0));
        hidsim::Bus::instance().unplug(path);
        detector.clearBlocked();
        detector.scan();
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_UsbDetector)
#include "tst_usbdetector.moc"
