// The update controller end to end on the simulated bus, without any widget: boxes in their
// bootloader are found, named, updated from the checked image and end in a result that says
// what happened, also when the bootloader misbehaves; every attempt is in the history.
#include "FirmwareTestSupport.h"

#include "devicelink/HidOpenMonitor.h"
#include "firmware/BundledFirmware.h"
#include "firmware/FirmwareUpdateController.h"

#include <QtTest>

namespace {
constexpr int kUpdateMs = 30000;

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

// The firmware the box runs now, when it is back on the bus as a box; empty otherwise.
QString backOn(const std::shared_ptr<hidsim::VoroBox>& box)
{
    return hidsim::Bus::instance().pathOf(box.get()).empty() ? QString() : box->firmwareVersion();
}

struct Controller
{
    Controller()
        : controller(UpdateHistory(dir.filePath("history.txt")))
    {
        controller.startPolling();
    }
    BoxUpdate box(const QString& key) const
    {
        for (const BoxUpdate& b : controller.boxes()) {
            if (b.key == key)
                return b;
        }
        return BoxUpdate();
    }
    bool done(const QString& key) const { return box(key).hasResult(); }
    QStringList results() const
    {
        QStringList out;
        for (const UpdateHistory::Record& r : controller.history().read())
            out << r.result;
        return out;
    }

    QTemporaryDir dir;
    FirmwareUpdateController controller;
    QSignalSpy started { &controller, &FirmwareUpdateController::updateStarted };
    QSignalSpy finished { &controller, &FirmwareUpdateController::updateFinished };
};

// A box that its manager has just sent into its bootloader.
struct Announced
{
    Announced(Controller& c, const QString& location)
        : box(oldBox(location))
        , serial(box->serial())
    {
        c.controller.announce(serial, location, box->firmwareVersion());
    }
    std::shared_ptr<hidsim::VoroBox> box;
    QString serial;
};
} // namespace

class tst_UpdateController : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::Bus::instance().setLatency(std::chrono::microseconds(0)); }
    void cleanup() { hidsim::Bus::instance().unplugAll(); }

    void bootloaders_areUpdatedInParallel_eachNamedWithItsResult()
    {
        Controller c;
        Announced office(c, "Office");
        auto stray = oldBox("Lab"); // in its bootloader, announced by nobody
        const QString short_serial = office.serial.right(6).toUpper();
        QCOMPARE(c.box(office.serial).title(),
                 QString("Office (%1): 1.1.1.9 \u2192 1.1.2.17").arg(short_serial));
        QVERIFY(c.controller.isRunning()); // waiting for its bootloader
        PluggedBootloader first(office.box), second(stray);
        QTRY_VERIFY_WITH_TIMEOUT(c.done(office.serial) && c.done(stray->serial()), kUpdateMs);

        QCOMPARE(c.box(stray->serial()).title(),
                 QString("voro-BOX %1: update to 1.1.2.17").arg(stray->serial()));
        for (const PluggedBootloader* p : { &first, &second }) {
            const BoxUpdate b = c.box(p->loader->box()->serial());
            QCOMPARE(b.result(), QString("Updated to 1.1.2.17"));
            QCOMPARE(b.progress, 100);
            QVERIFY(isBundledImage(*p->loader));
            QCOMPARE(p->loader->eraseText(), QByteArray("1;1;2;221124040"));
            QCOMPARE(backOn(p->loader->box()), QString(BundledFirmware::VERSION));
        }
        QVERIFY(!c.controller.isRunning());
        QCOMPARE(c.started.size(), 2);
        QCOMPARE(c.finished.size(), 2);
        for (const auto& args : c.finished)
            QVERIFY(args.at(1).toBool());
        const QVector<UpdateHistory::Record> history = c.controller.history().read();
        QCOMPARE(history.size(), 2);
        const UpdateHistory::Record office_record
            = history[0].serial == office.serial ? history[0] : history[1];
        QCOMPARE(office_record.location, QString("Office"));
        QCOMPARE(office_record.from_version, QString("1.1.1.9"));
        QCOMPARE(office_record.to_version, QString(BundledFirmware::VERSION));
        QCOMPARE(office_record.result, QString("updated"));

        // Results stay until dismissed; then the rows are gone.
        QCOMPARE(c.controller.boxes().size(), 2);
        c.controller.dismissFinished();
        QVERIFY(c.controller.boxes().isEmpty());
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("erases");
        QTest::addColumn<QString>("back"); // the firmware it runs after, or "" in its bootloader
        QTest::addColumn<QStringList>("history");
        const QString kept = " \u2014 nothing was erased; the box restarts on its firmware 1.1.1.9";
        const QString stays = " \u2014 the box stays in its bootloader; unplug it and plug it in "
                              "again to try once more";
        QTest::newRow("layout does not fit")
            << "layout" << int(BoxUpdate::Kept)
            << "Failed: the firmware image does not fit this box's memory" + kept << 0 << "1.1.1.9"
            << QStringList { "kept" };
        QTest::newRow("other hardware")
            << "hardware" << int(BoxUpdate::Kept)
            << "Failed: this box's hardware (id 12345) needs another firmware image: there is no "
               "firmware image for hardware id 12345"
                + kept
            << 0 << "1.1.1.9" << QStringList { "kept" };
        QTest::newRow("damaged image")
            << "damaged" << int(BoxUpdate::Kept)
            << "Failed: the firmware image d2e15c8.bme cannot be used: the file is damaged (its "
               "container or its digest does not match)"
                + kept
            << 0 << "1.1.1.9" << QStringList { "kept" };
        QTest::newRow("completions refused")
            << "refused" << int(BoxUpdate::Failed)
            << "Failed: writing failed: the box did not accept the data (3 attempts)" + stays << 3
            << "" << QStringList { "failed", "failed", "failed" };
        QTest::newRow("completion refused once")
            << "refused once" << int(BoxUpdate::Updated) << "Updated to 1.1.2.17 at attempt 2 of 3"
            << 2 << "1.1.2.17" << QStringList { "failed", "updated" };
        QTest::newRow("open failures first")
            << "open" << int(BoxUpdate::Updated) << "Updated to 1.1.2.17" << 1 << "1.1.2.17"
            << QStringList { "updated" };
        QTest::newRow("late reply") << "late" << int(BoxUpdate::Updated) << "Updated to 1.1.2.17"
                                    << 1 << "1.1.2.17" << QStringList { "updated" };
        QTest::newRow("image in the working folder")
            << "override" << int(BoxUpdate::Updated) << "Updated to 1.1.3" << 1 << "1.1.3.17"
            << QStringList { "updated" };
        QTest::newRow("unplugged, not back")
            << "unplug" << int(BoxUpdate::Disconnected)
            << "Disconnected during the update \u2014 plug it in again to finish" << 1 << ""
            << QStringList { "disconnected" };
    }

    void outcomes()
    {
        QFETCH(QString, fault);
        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        const QByteArray local = firmwareBytes(2000, 42);
        if (fault == "damaged") {
            QFile bundled(BundledFirmware::RESOURCE);
            QVERIFY(bundled.open(QIODevice::ReadOnly));
            QByteArray damaged = bundled.readAll();
            damaged[damaged.size() - 1] = char(damaged[damaged.size() - 1] ^ 1);
            writeFile(folder, "d2e15c8.bme", damaged);
        }
        if (fault == "override")
            writeFile(folder, "d2e15c8.bme",
                      "bm01{1;1;3;221124040}"
                          + container("bf01", 1, plainSegment(0x08004000, local)));
        QDir::setCurrent(folder.path());
        Controller c;
        Announced a(c, "Hall");
        PluggedBootloader p(a.box);
        QSignalSpy openFailed(HidOpenMonitor::instance(), &HidOpenMonitor::openFailed);
        if (fault == "layout")
            p.loader->setRegions({ { 1, 0x1000, 0x100 } });
        if (fault == "hardware")
            p.loader->setHardwareId("12345");
        if (fault.startsWith("refused"))
            p.loader->refuseCompletions(fault == "refused" ? -1 : 1);
        if (fault == "open") {
            hidsim::Fault f = hidsim::Fault::once(hidsim::Fault::OpenFailure);
            f.times = 3;
            p.inject(f);
        }
        if (fault == "late") {
            // The attach's query is answered twice: the copy would be taken for the answer to
            // the query that waits for the erase, and the write would start while erasing.
            p.loader->setEraseTime(std::chrono::milliseconds(300));
            p.inject(hidsim::Fault::once(hidsim::Fault::DuplicateReply, 0x02));
        }
        if (fault == "unplug")
            p.inject(hidsim::Fault::once(hidsim::Fault::UnplugMidTransaction, 0x05, 30));

        QTRY_VERIFY_WITH_TIMEOUT(c.done(a.serial), kUpdateMs);
        QDir::setCurrent(previous);
        const BoxUpdate b = c.box(a.serial);
        QTEST(int(b.phase), "phase");
        QTEST(b.result(), "result");
        QTEST(p.loader->erases(), "erases");
        if (fault == "override")
            QCOMPARE(p.loader->memory(0x08004000, local.size()), local);
        QCOMPARE(p.loader->lostPackets(), 0);
        QFETCH(QString, back);
        QTRY_COMPARE(backOn(a.box), back);
        QCOMPARE(p.plugged(), back.isEmpty() && fault != "unplug");
        QTEST(c.results(), "history");
        QCOMPARE(c.finished.size(), 1);
        QCOMPARE(c.finished.first().at(0).toString(), a.serial);
        QCOMPARE(c.finished.first().at(1).toBool(), b.succeeded());
        QVERIFY(!c.controller.isRunning());
        if (fault == "open")
            QCOMPARE(openFailed.size(), 3);
        if (fault == "refused") {
            QTest::qWait(5 * FirmwareUpdateController::POLL_MS); // and no fourth attempt
            QCOMPARE(p.loader->erases(), 3);
        }
    }

    void unpluggedInTheMiddle_finishesWhenPluggedInAgain()
    {
        Controller c;
        Announced a(c, "Hall");
        PluggedBootloader p(a.box);
        p.inject(hidsim::Fault::once(hidsim::Fault::UnplugMidTransaction, 0x05, 30));
        QTRY_VERIFY_WITH_TIMEOUT(c.box(a.serial).phase == BoxUpdate::Disconnected, kUpdateMs);
        c.controller.dismissFinished(); // the dialog closed meanwhile
        QVERIFY(c.controller.boxes().isEmpty());

        p.plug(); // under another path: known by its serial
        QTRY_VERIFY_WITH_TIMEOUT(c.box(a.serial).succeeded(), kUpdateMs);
        QCOMPARE(c.controller.boxes().size(), 1);
        QCOMPARE(c.box(a.serial).title(),
                 QString("Hall (%1): 1.1.1.9 \u2192 1.1.2.17").arg(a.serial.right(6).toUpper()));
        QVERIFY(isBundledImage(*p.loader));
        QTRY_COMPARE(backOn(a.box), QString(BundledFirmware::VERSION));
        QCOMPARE(c.results(), (QStringList { "disconnected", "updated" }));
        QCOMPARE(c.started.size(), 2);
        QCOMPARE(c.finished.size(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_UpdateController)
#include "tst_updatecontroller.moc"
