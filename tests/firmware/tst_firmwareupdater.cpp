// The updater dialog end to end on the simulated bus: boxes in their bootloader are found,
// updated from the image for their hardware id, one row each, and come back with the new
// firmware; failures are retried a bounded number of times.
#include "FirmwareTestSupport.h"

#include "devicelink/HidOpenMonitor.h"
#include "firmware/BundledFirmware.h"
#include "firmware/FirmwareUpdater.h"
#include "firmware/UpdateItemView.h"
#include "firmware/UpdateThread.h"

#include <QProgressBar>
#include <QtTest>

namespace {
constexpr int kUpdateMs = 30000;

// The progress each row showed, by device path, recorded from the moment the row appears.
class RowWatcher : public QObject
{
public:
    explicit RowWatcher(FirmwareUpdater& updater)
    {
        updater.findChild<QWidget*>("scrollAreaWidgetContents")->installEventFilter(this);
    }
    QMap<QString, QList<int>> progress;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ChildAdded)
            return false;
        auto* row = qobject_cast<UpdateItemView*>(static_cast<QChildEvent*>(event)->child());
        if (row) {
            const QString path = QString::fromStdString(row->deviceId().path);
            connect(row->findChild<QProgressBar*>(), &QProgressBar::valueChanged, this,
                    [this, path](int v) { progress[path] << v; });
        }
        return false;
    }
};

// The program region as the bundled image lays it out.
MemoryRegion bundledRegion()
{
    FirmwareImage image = imageOf({ MemoryRegion(RT__PROGRAM, 0x08004000, 0x08020000, 0x1C000) });
    DeviceLayout layout;
    ImageImporter().importFile(BundledFirmware::RESOURCE, image, layout);
    return image.regions[0];
}

bool isBundledImage(const hidsim::Bootloader& loader)
{
    const MemoryRegion r = bundledRegion();
    return loader.memory(r.start, int(r.size)) == r.buffer;
}

// The box is back on the bus as a box.
bool isBack(const std::shared_ptr<hidsim::VoroBox>& box)
{
    for (const std::string& path : hidsim::Bus::instance().paths()) {
        if (hidsim::Bus::instance().device(path) == box)
            return true;
    }
    return false;
}

void checkProgress(const QList<int>& values)
{
    QVERIFY2(values.size() > 6, qPrintable(QString::number(values.size())));
    QCOMPARE(values.mid(0, 4), (QList<int> { 5, 10, 15, 33 }));
    QCOMPARE(values.mid(values.size() - 2), (QList<int> { 99, 100 }));
    QVERIFY(std::is_sorted(values.begin(), values.end()));
}

struct Updater
{
    Updater()
        : watcher(updater)
    {
        updater.startPolling(100);
    }
    FirmwareUpdater updater;
    RowWatcher watcher;
    QSignalSpy complete { &updater, &FirmwareUpdater::updateComplete };
    bool finished(int n, bool success) const
    {
        int count = 0;
        for (const auto& args : complete)
            count += args[1].toBool() == success;
        return count >= n;
    }
};

std::shared_ptr<hidsim::VoroBox> oldBox(const QString& location)
{
    auto box = std::make_shared<hidsim::VoroBox>(location);
    box->setTimeScale(0);
    box->setFirmwareVersion("1.1.1.9");
    return box;
}
} // namespace

class tst_FirmwareUpdater : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::Bus::instance().setLatency(std::chrono::microseconds(0)); }
    void cleanup() { hidsim::Bus::instance().unplugAll(); }

    void bootloaders_areUpdatedInParallel_eachInItsOwnRow()
    {
        auto office = oldBox("Office"), lab = oldBox("Lab");
        PluggedBootloader first(office), second(lab);
        Updater u;
        QTRY_VERIFY_WITH_TIMEOUT(u.finished(2, true), kUpdateMs);
        for (const PluggedBootloader* p : { &first, &second }) {
            checkProgress(u.watcher.progress.value(QString::fromStdString(p->path)));
            QVERIFY(isBundledImage(*p->loader));
            QCOMPARE(p->loader->refusedCompletions(), 0);
            QVERIFY(p->loader->acceptedCompletions() > 0);
            QCOMPARE(p->loader->eraseText(), QByteArray("1;1;2;221124040"));
            QVERIFY(!p->plugged());
        }
        QTRY_VERIFY(!u.updater.isVisible());
        QVERIFY(u.updater.rows().isEmpty());
        QVERIFY(isBack(office) && isBack(lab));
        QCOMPARE(office->firmwareVersion(), QString(BundledFirmware::VERSION));
        QCOMPARE(office->location(), QString("Office"));
    }

    void unplugInTheMiddleOfAWrite_thenTheNextPlugInSucceeds()
    {
        PluggedBootloader p(oldBox("Hall"));
        p.inject(hidsim::Fault::once(hidsim::Fault::UnplugMidTransaction, 0x05, 30));
        Updater u;
        QTRY_VERIFY_WITH_TIMEOUT(u.finished(1, false), kUpdateMs);
        QVERIFY(!p.plugged());
        QTRY_VERIFY(u.updater.rows().isEmpty());
        p.plug();
        QTRY_VERIFY_WITH_TIMEOUT(u.finished(1, true), kUpdateMs);
        QVERIFY(isBundledImage(*p.loader));
        QVERIFY(isBack(p.loader->box()));
    }

    void refusedCompletion_isRetriedWithinTheUpdate()
    {
        PluggedBootloader p(oldBox("Hall"));
        p.loader->refuseCompletions(1);
        Updater u;
        QTRY_VERIFY_WITH_TIMEOUT(u.finished(1, true), kUpdateMs);
        QCOMPARE(p.loader->refusedCompletions(), 1);
        QCOMPARE(p.loader->erases(), 2);
        QVERIFY(isBundledImage(*p.loader));
    }

    void noImageForTheHardware_givesUpAfterThreeUpdates_andTheDialogCloses()
    {
        MessageLog log;
        PluggedBootloader p(oldBox("Cellar"));
        p.loader->setHardwareId("12345");
        Updater u;
        QTRY_VERIFY_WITH_TIMEOUT(u.finished(3, false), kUpdateMs);
        QTRY_COMPARE(u.updater.runningUpdates(), 0);
        QCOMPARE(u.updater.rows().size(), 1);
        const QString status = u.updater.rows().first()->status();
        QVERIFY2(status.contains("failed 3 times") && status.contains("Error: Could not open file")
                     && status.contains("unplug it and plug it in again"),
                 qPrintable(status));
        QVERIFY(log.contains("no update file found for hw_id: 12345"));
        QVERIFY(u.updater.isVisible());
        QVERIFY(u.updater.close());
        QVERIFY(!u.updater.isVisible());
        QTest::qWait(350); // three more polls: no new attempt
        QCOMPARE(p.packets(UpdateThread::HARDWARE_ID_CODE).size(), 3);
        QCOMPARE(p.loader->erases(), 0);

        // Plugged in again, it is a new device and gets three new attempts.
        p.unplug();
        QTRY_VERIFY(u.updater.rows().isEmpty());
        p.plug();
        QTRY_VERIFY_WITH_TIMEOUT(u.finished(6, false), kUpdateMs);
        QTRY_COMPARE(p.packets(UpdateThread::HARDWARE_ID_CODE).size(), 6);
    }

    void closing_whileAnUpdateRuns_hasNoEffect()
    {
        PluggedBootloader p(oldBox("Hall"));
        p.loader->setEraseTime(std::chrono::milliseconds(1500));
        Updater u;
        QTRY_COMPARE(p.loader->erases(), 1);
        QVERIFY(u.updater.isVisible());
        QVERIFY(!u.updater.close());
        QVERIFY(u.updater.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(u.finished(1, true), kUpdateMs);
        QTRY_VERIFY(!u.updater.isVisible());
    }

    void imageInTheWorkingFolder_takesPrecedence()
    {
        QTemporaryDir dir;
        const QByteArray firmware = firmwareBytes(2000, 42);
        writeFile(dir, "fw.bin", firmware);
        QCOMPARE(QProcess::execute(bmetool(),
                                   { "build", "--plain", "--header", "1;1;2;221124040", "--bin",
                                     dir.filePath("fw.bin"), "--address", "0x08004000", "-o",
                                     dir.filePath("d2e15c8.bme") }),
                 0);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QCOMPARE(UpdateThread::chooseImage(BundledFirmware::HARDWARE_ID), QString("./d2e15c8.bme"));
        PluggedBootloader p(oldBox("Hall"));
        Updater u;
        QTRY_VERIFY_WITH_TIMEOUT(u.finished(1, true), kUpdateMs);
        QDir::setCurrent(previous);
        QCOMPARE(p.loader->memory(0x08004000, firmware.size()), firmware);
        QCOMPARE(UpdateThread::chooseImage(BundledFirmware::HARDWARE_ID),
                 QString(BundledFirmware::RESOURCE));
    }
    void unopenableBootloader_isReportedEachTime_andUpdatedOncePluggedInAgain()
    {
        PluggedBootloader p(oldBox("Hall"));
        p.inject(hidsim::Fault::always(hidsim::Fault::OpenFailure));
        const QString path = QString::fromStdString(p.path);
        QSignalSpy failed(HidOpenMonitor::instance(), &HidOpenMonitor::openFailed);
        QSignalSpy opened(HidOpenMonitor::instance(), &HidOpenMonitor::opened);
        Updater u;
        // Without an open there is no update to report, only the row that gives up.
        QTRY_VERIFY_WITH_TIMEOUT(u.updater.rows().size() == 1
                                     && u.updater.rows().first()->status().contains("failed 3"),
                                 kUpdateMs);
        QCOMPARE(u.updater.runningUpdates(), 0);
        QVERIFY(u.complete.isEmpty());
        // The window's notice appears from the second failed open of a node.
        QCOMPARE(failed.size(), 3);
        for (const auto& args : failed)
            QCOMPARE(args[0].toString(), path);
        QVERIFY(opened.isEmpty());
        QCOMPARE(p.loader->erases(), 0);

        // The fix the notice names: the rule is in place, the box plugged in again.
        hidsim::Bus::instance().clearFaults(p.path);
        p.unplug();
        QTRY_VERIFY(u.updater.rows().isEmpty());
        p.plug();
        QTRY_VERIFY_WITH_TIMEOUT(u.finished(1, true), kUpdateMs);
        QVERIFY(isBundledImage(*p.loader));
        QVERIFY(!opened.isEmpty());
    }
};

QTEST_MAIN(tst_FirmwareUpdater)
#include "tst_firmwareupdater.moc"
