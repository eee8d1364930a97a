// The firmware update dialog as a view of the controller on the simulated bus: it shows itself
// when an update begins, cannot be closed while one runs, and keeps every row's result until it
// is closed.
#include "tests/firmware/FirmwareTestSupport.h"

#include "app/FirmwareUpdater.h"
#include "app/UpdateItemView.h"
#include "firmware/FirmwareUpdateController.h"

#include <QPushButton>
#include <QtTest>

namespace {
constexpr int kUpdateMs = 30000;
} // namespace

class tst_FirmwareUpdater : public QObject
{
    Q_OBJECT

private slots:
    void init() { hidsim::Bus::instance().setLatency(std::chrono::microseconds(0)); }
    void cleanup() { hidsim::Bus::instance().unplugAll(); }

    void cannotBeClosedWhileRunning_andResultsStayUntilClosed()
    {
        QTemporaryDir dir;
        FirmwareUpdateController controller(UpdateHistory(dir.filePath("history.txt")));
        FirmwareUpdater dialog(&controller);
        auto* close = dialog.findChild<QPushButton*>("m_close");
        QVERIFY(close);
        auto hall = oldBox("Hall"), cellar = oldBox("Cellar");
        controller.announce(hall->serial(), "Hall", "1.1.1.9");
        controller.announce(cellar->serial(), "Cellar", "1.1.1.9");
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.imageText(),
                 QString("Firmware image: d2e15c8.bme (built in), version 1.1.2.17"));
        PluggedBootloader slow(hall), refusing(cellar);
        slow.loader->setEraseTime(std::chrono::milliseconds(1500));
        refusing.loader->refuseCompletions(-1);
        controller.startPolling();

        QTRY_COMPARE(slow.loader->erases(), 1);
        QVERIFY(!close->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.reject();
        QVERIFY(!dialog.close());
        QVERIFY(dialog.isVisible());

        QTRY_VERIFY_WITH_TIMEOUT(!controller.isRunning(), kUpdateMs);
        QCOMPARE(dialog.rows().size(), 2);
        const UpdateItemView* updated = dialog.row(hall->serial());
        QCOMPARE(
            updated->title(),
            QString("Hall (%1): 1.1.1.9 \u2192 1.1.2.17").arg(hall->serial().right(6).toUpper()));
        QCOMPARE(updated->status(), QString("Updated to 1.1.2.17"));
        QCOMPARE(updated->outcome(), QString("updated"));
        QVERIFY(updated->progressShown());
        QCOMPARE(updated->progress(), 100);
        const UpdateItemView* failed = dialog.row(cellar->serial());
        QVERIFY2(failed->status().startsWith("Failed: writing failed"),
                 qPrintable(failed->status()));
        QCOMPARE(failed->outcome(), QString("failed"));
        QVERIFY(!failed->progressShown()); // never a full bar for a failure
        QVERIFY(dialog.isVisible()); // the results stay until the user has read them
        QVERIFY(close->isEnabled());

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.rows().isEmpty());
        QVERIFY(controller.boxes().isEmpty());

        // The next box in its bootloader brings the dialog back.
        PluggedBootloader next(oldBox("Attic"));
        QTRY_VERIFY(dialog.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!controller.isRunning(), kUpdateMs);
        QCOMPARE(dialog.rows().size(), 1);
        QVERIFY(dialog.close());
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(tst_FirmwareUpdater)
#include "tst_firmwareupdater.moc"
