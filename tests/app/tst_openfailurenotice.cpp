// The status-bar notice for a box whose device node cannot be opened, on the simulated bus
// through the real manager and detector.
#include "tests/support/CommTestSupport.h"

#include "tests/support/ScriptedDialogs.h"

#include "app/OpenFailureNotice.h"
#include "devicemanager/VoroManager.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QtTest>

using hidsim::Fault;

namespace {
// A failed open comes round again about every second (the detector's block).
constexpr int kCyclesMs = 10000;
} // namespace

class tst_OpenFailureNotice : public QObject
{
    Q_OBJECT

private slots:
    void unopenableBox_namedOnceUntilItOpens_withoutModalDialog()
    {
        PluggedBox plugged;
        const QString path = QString::fromStdString(plugged.path);
        // A node that udev has not yet handed to the user fails one open: no notice.
        plugged.inject(Fault::once(Fault::OpenFailure));

        QMainWindow window;
        ScriptedDialogs dialogs;
        auto* manager = new VoroManager(&window, &dialogs);
        new OpenFailureNotice(manager, window.statusBar());
        auto* notice = window.statusBar()->findChild<QWidget*>("openFailureNotice");
        QVERIFY(notice);
        auto* label = notice->findChild<QLabel*>("openFailureText");
        QVERIFY(label);
        QSignalSpy failed(manager, &VoroManager::deviceOpenFailed);
        QSignalSpy ready(manager, &VoroManager::deviceDetected);
        const auto dropWithOpensFailing = [&] {
            plugged.inject(Fault::always(Fault::OpenFailure));
            plugged.inject(Fault::once(Fault::WriteFailure)); // the next poll drops the box
        };

        QVERIFY(ready.wait(kCyclesMs));
        QCOMPARE(failed.size(), 1);
        QVERIFY(notice->isHidden());

        dropWithOpensFailing();
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isHidden(), kCyclesMs);
        QCOMPARE(label->text(), OpenFailureNotice::text({ path }));
        QVERIFY(label->text().contains(path));
        QVERIFY(label->text().contains("70-voro-box.rules"));
        // The manager keeps trying; the notice neither repeats nor blocks anything.
        const int seen = failed.size();
        QTRY_VERIFY_WITH_TIMEOUT(failed.size() >= seen + 2, kCyclesMs);
        QCOMPARE(label->text(), OpenFailureNotice::text({ path }));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(dialogs.asked.isEmpty());

        ready.clear();
        hidsim::Bus::instance().clearFaults(plugged.path);
        QVERIFY(ready.wait(kCyclesMs));
        QVERIFY(notice->isHidden());

        // Named once per run: failing again later says nothing more.
        dropWithOpensFailing();
        const int before = failed.size();
        QTRY_VERIFY_WITH_TIMEOUT(failed.size() >= before + 3, kCyclesMs);
        QVERIFY(notice->isHidden());
    }
};

QTEST_MAIN(tst_OpenFailureNotice)
#include "tst_openfailurenotice.moc"
