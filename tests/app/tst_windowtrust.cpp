// What the window owes the technician: no edit lost without a question, the box it acts on
// named and kept selected while it reconnects, every write's outcome said once the box has
// confirmed it, one set of setting rules for every way in, tests ended, logs that say what
// became of them, a list in a stable order, and an end by signal as by Exit.
#include "tests/support/CommTestSupport.h"

#include "tests/app/WindowFixture.h"

#include "device/AppSettings.h"
#include "device/TerminationSignals.h"
#include "devicelink/VoroCommands.h"
#include "logplot/PlotDlg.h"

#include <QDesktopServices>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using hidsim::Bus;
using hidsim::Fault;
using M = ActuatorModel;

namespace {
// How the window names a box: its location and the last six digits of its serial number.
QString named(const PluggedBox& b)
{
    return b.box->location() + " (" + b.box->serial().right(6) + ")";
}

QString status(const Window& w)
{
    return w.window.statusBar()->currentMessage();
}
} // namespace

class tst_WindowTrust : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Bus::instance().setLatency(std::chrono::microseconds(0));
        QSettings(AppSettings::ORGANISATION, AppSettings::APPLICATION).clear();
    }

    void leavingWithEdits_data()
    {
        QTest::addColumn<QString>("how"); // what the user does with edits made
        QTest::addColumn<int>("answer");
        for (const char* how : { "switch", "exit" }) {
            QTest::addRow("%s, save", how) << how << int(UserDialogs::Save);
            QTest::addRow("%s, discard", how) << how << int(UserDialogs::Discard);
            QTest::addRow("%s, cancel", how) << how << int(UserDialogs::Cancel);
        }
        QTest::newRow("import, discard") << "import" << int(UserDialogs::Discard);
        QTest::newRow("import, cancel") << "import" << int(UserDialogs::Cancel);
        QTest::newRow("factory reset, cancel") << "reset" << int(UserDialogs::Cancel);
    }

    void leavingWithEdits()
    {
        QFETCH(QString, how);
        QFETCH(int, answer);
        PluggedBox office("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        PluggedBox lab("Lab");
        QTRY_COMPARE_WITH_TIMEOUT(w.listed().size(), 2, kReadyMs);
        QVERIFY(w.editCell(M::ROW_SETPOINT, 2, "23.5"));
        // the box is named by what it holds, not by the location being edited
        QVERIFY(w.editProperty("InfoProperties", "Location",
                               [](QWidget* e) { qobject_cast<QLineEdit*>(e)->setText("Foyer"); }));
        const QString name = named(office);
        QTemporaryDir dir;
        const QString file = dir.filePath("hall.cfg");
        QVERIFY(writeFile(file, "[config]\nlocation=Hall\n"));
        w.dialogs.buttons << UserDialogs::Button(answer);
        QString listedWhileAsked; // the list shows the box the question is about
        w.dialogs.whileOpen = [&](const ScriptedDialogs::Question&) {
            listedWhileAsked = w.devices()->currentText();
        };
        if (how == "exit") {
            // The platform's Quit keys; Ctrl+X stays Cut.
            QCOMPARE(w.action("actionExit")->shortcuts(),
                     QKeySequence::keyBindings(QKeySequence::Quit));
            w.action("actionExit")->trigger();
        } else if (how == "import") {
            w.dialogs.paths << file;
            w.action("actionImport_Settings")->trigger();
        } else if (how == "reset") {
            w.action("actionReset_To_Factory_Defaults")->trigger();
        } else {
            w.pick("Lab");
        }
        const ScriptedDialogs::Question q = w.dialogs.messages().first();
        QVERIFY(q.text.startsWith(name + " has changes that are not saved."));
        QCOMPARE(q.buttons, UserDialogs::Save | UserDialogs::Discard | UserDialogs::Cancel);
        QCOMPARE(q.default_button, UserDialogs::Save);
        QCOMPARE(listedWhileAsked, name);

        if (answer == UserDialogs::Cancel) {
            QCOMPARE(w.dialogs.asked.size(), 1); // no file asked for, no reset
            QVERIFY(w.window.isVisible());
            QCOMPARE(w.devices()->currentText(), name);
            QCOMPARE(w.copy().config.actuator_settings.at(2).setpoint, 235);
            QVERIFY(w.waitReports());
            QVERIFY(!office.commands().contains(CMD__SAVE));
            QCOMPARE(office.box->factoryResets(), 0);
            return;
        }
        if (how == "import") { // the file goes over what the box holds, not over the edits
            QTRY_COMPARE(office.box->savedConfig().location, QString("Hall"));
            QTRY_COMPARE(w.dialogs.messages().size(), 2);
            QCOMPARE(w.dialogs.messages().last().text,
                     "The settings have been successfully imported into " + name + ".");
            QCOMPARE(office.box->savedConfig().settings[2][hidsim::Setpoint], 210);
            return;
        }
        if (answer == UserDialogs::Save) {
            QTRY_COMPARE(office.box->savedConfig().settings[2][hidsim::Setpoint], 235);
            QCOMPARE(office.box->savedConfig().location, QString("Foyer"));
            QTRY_COMPARE(status(w), "Saved to " + name);
        }
        if (how == "exit") // with Save only once the box has confirmed it
            QTRY_VERIFY(!w.window.isVisible());
        else
            QVERIFY(w.waitSelected("Lab"));
        QVERIFY(w.waitReports());
        QCOMPARE(office.box->savedConfig().settings[2][hidsim::Setpoint],
                 answer == UserDialogs::Save ? 235 : 210);
    }

    // A box that stops answering stays selected, read only, with the user's edits; when it is
    // back they stay over its new values, and a test that was running is ended.
    void selectedBoxDrops_keptWithItsEdits()
    {
        PluggedBox office("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        PluggedBox lab("Lab");
        QTRY_COMPARE_WITH_TIMEOUT(w.listed().size(), 2, kReadyMs);
        QVERIFY(w.editCell(M::ROW_SETPOINT, 2, "23.5"));
        w.button(M::ROW_TEST, 1)->click();
        QTRY_VERIFY(office.box->testing(1));

        office.inject(Fault::once(Fault::NoReply, CMD__GET_STATUS));
        QTRY_VERIFY_WITH_TIMEOUT(w.window.reconnecting(), kReadyMs);
        QCOMPARE(w.devices()->currentText(), named(office) + " – reconnecting…");
        QCOMPARE(w.copy().config.actuator_settings.at(2).setpoint, 235);
        QVERIFY(!(w.cell(M::ROW_SETPOINT, 2).flags() & Qt::ItemIsEnabled));
        QVERIFY(!w.save()->isEnabled() && !w.action("actionExport_Logs")->isEnabled());
        office.box->setActuatorSetting(5, hidsim::Setpoint, 250); // at the box meanwhile

        QTRY_VERIFY_WITH_TIMEOUT(!w.window.reconnecting(), kReadyMs);
        QCOMPARE(w.devices()->currentText(), named(office));
        QCOMPARE(w.copy().config.actuator_settings.at(2).setpoint, 235); // the user's
        QCOMPARE(w.copy().config.actuator_settings.at(5).setpoint, 250); // the box's
        QCOMPARE(status(w), named(office) + " is back.");
        QTRY_VERIFY(office.box->receivedArguments(CMD__TEST_ACTUATOR).contains("1;0"));
        QTRY_VERIFY(w.save()->isEnabled());
        w.save()->click();
        QTRY_COMPARE(office.box->savedConfig().settings[2][hidsim::Setpoint], 235);
        QCOMPARE(office.box->savedConfig().settings[5][hidsim::Setpoint], 250);
        QVERIFY(w.dialogs.asked.isEmpty());
    }

    void saveOutcome_data()
    {
        QTest::addColumn<bool>("import"); // else: edited in the table
        QTest::addColumn<int>("command"); // where the link fails, -1: nowhere
        QTest::addColumn<int>("times"); // how often, -1: always
        QTest::addColumn<QString>("said"); // %1: the box
        QTest::newRow("confirmed") << false << -1 << 0 << "Saved to %1";
        QTest::newRow("save reply dropped: saved again when the box is back")
            << false << int(CMD__SAVE) << 1 << "Saved to %1";
        QTest::newRow("failing: the edits stay")
            << false << int(CMD__SET_ACTUATOR_SETTINGS) << -1
            << "The settings could not be saved to %1: the box stopped answering; not written: "
               "Actuator 3: Setpoint.";
        QTest::newRow("import failing")
            << true << int(CMD__SET_ACTUATOR_SETTINGS) << -1
            << "The settings could not be imported into %1: the box stopped answering; not "
               "written: Actuator 3: Setpoint.";
    }

    void saveOutcome()
    {
        QFETCH(bool, import);
        QFETCH(int, command);
        QFETCH(int, times);
        QFETCH(QString, said);
        PluggedBox office("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        QTemporaryDir dir;
        if (import) {
            QVERIFY(writeFile(dir.filePath("a.cfg"),
                              "[config]\nlocation=Office\n"
                              "actuator_settings\\size=8\n"
                              "actuator_settings\\3\\setpoint=235\n"));
            w.dialogs.paths << dir.filePath("a.cfg");
        } else {
            QVERIFY(w.editCell(M::ROW_SETPOINT, 2, "23.5"));
            QTRY_VERIFY(w.save()->isEnabled());
        }
        if (command >= 0) {
            Fault f
                = Fault::once(command == CMD__SAVE ? Fault::NoReply : Fault::WriteFailure, command);
            f.times = times;
            office.inject(f);
        }
        if (import)
            w.action("actionImport_Settings")->trigger();
        else
            w.save()->click();
        QCOMPARE(status(w), "Saving to " + named(office) + "…");
        QVERIFY(!w.save()->isEnabled()); // until the box has said
        QTRY_COMPARE_WITH_TIMEOUT(status(w), said.arg(named(office)), 3 * kReadyMs);
        const bool failed = said.startsWith("The settings could not");
        QCOMPARE(w.dialogs.messages().size(), failed ? 1 : 0);
        if (failed)
            QCOMPARE(w.dialogs.messages().first().text, said.arg(named(office)));
        QCOMPARE(w.copy().config.actuator_settings.at(2).setpoint, 235);
        QCOMPARE(office.box->savedConfig().settings[2][hidsim::Setpoint], failed ? 210 : 235);
        QTRY_COMPARE(w.save()->isEnabled(), failed); // for another try
    }

    void clearErrors_data()
    {
        QTest::addColumn<bool>("boxIgnoresIt"); // it answers, and does nothing
        QTest::newRow("cleared") << false;
        QTest::newRow("not cleared") << true;
    }

    void clearErrors()
    {
        QFETCH(bool, boxIgnoresIt);
        PluggedBox office("Office");
        office.box->setErrors(3, hidsim::SensorNc);
        office.box->setErrors(3, 0);
        if (boxIgnoresIt)
            office.box->overrideReply(CMD__CLEAR_ERRORS, "OK");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        QTRY_VERIFY(w.button(M::ROW_CLEAR_ERRORS, 3)
                    && w.button(M::ROW_CLEAR_ERRORS, 3)->isEnabled());
        w.button(M::ROW_CLEAR_ERRORS, 3)->click();
        if (!boxIgnoresIt) {
            QTRY_COMPARE(status(w), "Stored errors of actuator 4 cleared on " + named(office));
            QVERIFY(w.dialogs.asked.isEmpty());
            return;
        }
        QTRY_COMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages().first().text,
                 "The stored errors of actuator 4 of " + named(office)
                     + " could not be cleared: the box still reports the errors as stored.");
    }

    // Settings that each are fine may not fit together: an actuator following itself is
    // refused whether it comes by Paste or from a file, and nothing reaches the box.
    void rulesForEveryWayIn_data()
    {
        QTest::addColumn<bool>("paste"); // else: Import Settings
        QTest::addColumn<QString>("said"); // a part of the message
        QTest::newRow("paste") << true
                               << "Actuator 3: Control Source – allowed: the sensors, or "
                                  "an actuator other than actuator 3";
        QTest::newRow("import") << false
                                << "the value 'CS__ACTUATOR_3' for "
                                   "'actuator_settings\\3\\control_source', which the device "
                                   "cannot take (allowed: the sensors, or an actuator other "
                                   "than actuator 3)";
    }

    void rulesForEveryWayIn()
    {
        QFETCH(bool, paste);
        QFETCH(QString, said);
        PluggedBox office("Office");
        office.box->setActuatorSetting(0, hidsim::ControlSource, 3); // follows actuator 3
        Window w;
        QVERIFY(w.waitSelected("Office"));
        QTemporaryDir dir;
        const QString file = dir.filePath("self.cfg");
        if (paste) {
            w.button(M::ROW_COPY_SETTINGS, 0)->click();
            w.button(M::ROW_PASTE_SETTINGS, 2)->click();
        } else {
            QVERIFY(writeFile(file,
                              "[config]\nactuator_settings\\size=8\n"
                              "actuator_settings\\3\\control_source=CS__ACTUATOR_3\n"));
            w.dialogs.paths << file;
            w.action("actionImport_Settings")->trigger();
        }
        QCOMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages().first().icon, UserDialogs::Warning);
        QVERIFY2(w.dialogs.messages().first().text.contains(said),
                 qPrintable(w.dialogs.messages().first().text));
        QCOMPARE(w.copy().config.actuator_settings.at(2).control_source, 0);
        QVERIFY(w.waitReports());
        QVERIFY(!w.save()->isEnabled());
        QVERIFY(!office.commands().contains(CMD__SAVE));
    }

    void testsEnd_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("switching box") << "switch";
        QTest::newRow("revert") << "revert";
        QTest::newRow("closing") << "close";
    }

    void testsEnd()
    {
        QFETCH(QString, how);
        PluggedBox office("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        PluggedBox lab("Lab");
        QTRY_COMPARE_WITH_TIMEOUT(w.listed().size(), 2, kReadyMs);
        w.button(M::ROW_TEST, 4)->click();
        QTRY_VERIFY(office.box->testing(4));
        if (how == "switch") {
            w.pick("Lab");
        } else if (how == "revert") {
            QVERIFY(w.editCell(M::ROW_SETPOINT, 2, "23.5"));
            QTRY_VERIFY(w.revert()->isEnabled());
            w.revert()->click();
            QVERIFY(!w.button(M::ROW_TEST, 4)->isChecked());
        } else {
            w.window.close();
        }
        QTRY_VERIFY(office.box->receivedArguments(CMD__TEST_ACTUATOR).contains("4;0"));
        QVERIFY(!office.box->testing(4));
        QTRY_COMPARE(status(w), "Test of actuator 5 ended on " + named(office));
    }

    void logReadFailure_saysBoxActuatorAndReason()
    {
        PluggedBox office("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        office.inject(Fault::once(Fault::NoReply, CMD__READ_LOG));
        w.button(M::ROW_LOG, 2)->click();
        QTRY_COMPARE_WITH_TIMEOUT(w.dialogs.messages().size(), 1, kReadyMs);
        QCOMPARE(w.dialogs.messages().first().text,
                 "The log of actuator 3 of " + named(office)
                     + " could not be read: the box stopped answering.");
        QVERIFY(!w.window.plotDialog()->isVisible());
    }

    void logExport_data()
    {
        QTest::addColumn<QString>("how"); // "done", "cancelled" or "unwritable"
        QTest::addColumn<QString>("said"); // %1 the box, %2 the folder
        QTest::newRow("done, folder opened") << "done"
                                             << "All logs of %1 have been exported to:\n%2";
        QTest::newRow("cancelled")
            << "cancelled"
            << "The log export of %1 has been cancelled; 1 of 8 logs have been written to:\n%2";
        QTest::newRow("folder not writable")
            << "unwritable"
            << "The folder '%2' cannot be written to. No log of %1 has been read.";
    }

    void logExport()
    {
        QFETCH(QString, how);
        QFETCH(QString, said);
        PluggedBox office("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        QTemporaryDir dir;
        QString chosen = dir.path();
        if (how == "unwritable") {
            QVERIFY(writeFile(dir.filePath("file"), "x")); // no folder can be made below it
            chosen = dir.filePath("file");
        }
        UrlCatcher browser;
        QDesktopServices::setUrlHandler("file", &browser, "open");
        QList<int> shown; // what the progress dialog showed
        QStringList counted;
        connect(w.window.manager(), &VoroManager::logExportProgress, [&] {
            auto* progress = w.window.findChild<QProgressDialog*>();
            shown << (progress && progress->isVisible() ? progress->value() : -1);
            counted << (progress ? progress->findChild<QProgressBar*>()->text() : QString());
            if (how == "cancelled")
                progress->findChild<QPushButton*>()->click();
        });
        w.dialogs.chosen << 0; // Open Folder, where it is offered
        w.dialogs.paths << chosen;
        office.box->clearReceived();
        w.action("actionExport_Logs")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(w.dialogs.asked.size(), 2, kReadyMs); // folder, then the end
        QDesktopServices::unsetUrlHandler("file");
        const ScriptedDialogs::Question end = w.dialogs.asked.last();
        const QString folder = how == "unwritable"
            ? chosen + "/office/" + end.text.section('/', -1).section('\'', 0, 0)
            : dir.path() + "/office/"
                + QDir(dir.filePath("office"))
                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                      .value(0);
        QCOMPARE(end.title, QString("Log Export"));
        QCOMPARE(end.text, said.arg(named(office), QDir::toNativeSeparators(folder)));
        QVERIFY(!w.window.findChild<QProgressDialog*>());
        if (how == "unwritable") {
            QVERIFY(!office.commands().contains(CMD__READ_LOG)); // nothing read
            QVERIFY(end.choices.isEmpty() || !end.choices.contains("Open Folder"));
            return;
        }
        QCOMPARE(end.choices, QStringList({ "Open Folder", "Close" }));
        QCOMPARE(browser.urls, QList<QUrl> { QUrl::fromLocalFile(folder) });
        QCOMPARE(shown.first(), 1);
        QCOMPARE(counted.first(), QString("1 of 8"));
        QCOMPARE(shown.size(), how == "cancelled" ? 1 : 8);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), how == "cancelled" ? 1 : 8);
    }

    // Three boxes, two of them in the same room: each named apart, always in the same order,
    // which Save and Revert keep; a box renamed at the box moves to its place.
    void listOrder_stableWithTwins()
    {
        PluggedBox first("Lab 2");
        Window w;
        QVERIFY(w.waitSelected("Lab 2"));
        PluggedBox attic("Attic");
        PluggedBox second("Lab 2");
        QTRY_COMPARE_WITH_TIMEOUT(w.listed().size(), 3, kReadyMs);
        QStringList order { named(attic), named(first), named(second) };
        if (first.box->serial() > second.box->serial())
            order.swapItemsAt(1, 2);
        const auto entries = [&] {
            QStringList texts;
            for (int i = 0; i < w.devices()->count(); ++i)
                texts << w.devices()->itemText(i);
            return texts;
        };
        QCOMPARE(entries(), order);
        QCOMPARE(w.devices()->currentText(), named(first)); // the first to come is selected

        QVERIFY(w.editCell(M::ROW_SETPOINT, 2, "23.5"));
        QTRY_VERIFY(w.save()->isEnabled());
        w.save()->click();
        QTRY_COMPARE(status(w), "Saved to " + named(first));
        QVERIFY(w.editCell(M::ROW_SETPOINT, 2, "24.5"));
        QTRY_VERIFY(w.revert()->isEnabled());
        w.revert()->click();
        QVERIFY(w.waitReports());
        QCOMPARE(entries(), order);
        QCOMPARE(w.devices()->currentText(), named(first));

        attic.box->setLocation("Zoo"); // at a box that is not selected
        QTRY_COMPARE(entries(), QStringList({ order.at(1), order.at(2), named(attic) }));
        QCOMPARE(w.devices()->currentText(), named(first));
    }

    // Logout, shutdown, Ctrl+C: the window goes without a question, and the running test is
    // ended before the box's connection closes.
    void terminationSignal_endsAsExitDoes()
    {
        PluggedBox office("Office");
        auto w = std::make_unique<Window>();
        QVERIFY(w->waitSelected("Office"));
        TerminationSignals termination;
        connect(&termination, &TerminationSignals::received, &w->window,
                &MainWindow::closeWithoutQuestions);
        QVERIFY(w->editCell(M::ROW_SETPOINT, 2, "23.5"));
        w->button(M::ROW_TEST, 6)->click();
        QTRY_VERIFY(office.box->testing(6));
        std::raise(SIGTERM);
        QTRY_VERIFY(!w->window.isVisible());
        QVERIFY(w->dialogs.asked.isEmpty());
        w.reset();
        QVERIFY(office.box->receivedArguments(CMD__TEST_ACTUATOR).contains("6;0"));
        QVERIFY(!office.box->testing(6));
        QCOMPARE(office.box->savedConfig().settings[2][hidsim::Setpoint], 210);
    }
};

QTEST_MAIN(tst_WindowTrust)
#include "tst_windowtrust.moc"
