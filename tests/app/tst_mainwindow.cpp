// The main window on virtual boxes, through the real manager, table and property editor, its
// questions answered by a script: what a user does with it, and what the boxes then store.
#include "tests/support/CommTestSupport.h"

#include "tests/app/WindowFixture.h"
#include "tests/propertyeditor/ModelRows.h"

#include "app/AboutDlg.h"
#include "app/ActuatorModel.h"
#include "app/MainWindow.h"
#include "device/AppSettings.h"
#include "devicelink/VoroCommands.h"
#include "devicemanager/VoroManager.h"
#include "logplot/PlotDlg.h"
#include "propertyeditor/QPropertyEditorWidget.h"
#include "records/BoxName.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using hidsim::Bus;
using M = ActuatorModel;

namespace {
const char* const kDeviceActions[]
    = { "actionExport_Settings", "actionImport_Settings", "actionExport_Logs",
        "actionFirmware_Update", "actionReset_To_Factory_Defaults" };

// A log as the program writes it to a CSV file.
QString sampleCsv()
{
    LogData log;
    log.present = { { true, true, true } };
    const double start = QDateTime(QDate(2024, 3, 1), QTime(8, 0)).toMSecsSinceEpoch();
    for (int i = 0; i < 5; ++i) {
        const double t = start + i * 600000.0;
        log.series[LogData::SETPOINT] << QPointF(t, 21.0);
        log.series[LogData::TEMPERATURE] << QPointF(t, 20.0 + i / 10.0);
        log.series[LogData::TRIAC] << QPointF(t, i % 2);
    }
    return log.toCsv();
}
} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Bus::instance().setLatency(std::chrono::microseconds(0));
        QSettings(AppSettings::ORGANISATION, AppSettings::APPLICATION).clear();
    }

    void withoutBox_deviceActionsOff_aboutAndExitWork()
    {
        Window w;
        for (const char* name : kDeviceActions)
            QVERIFY2(!w.action(name)->isEnabled(), name);
        QVERIFY(!w.save()->isEnabled() && !w.revert()->isEnabled());
        QVERIFY(w.action("actionImport_Log")->isEnabled());
        QCOMPARE(w.window.windowTitle(),
                 QString("voro-BOX Configuration and Diagnostic Utility 1.1.2"));

        // About names the program and the firmware it carries; its link goes to the browser
        // and leaves it open; Ok closes it.
        UrlCatcher browser;
        QDesktopServices::setUrlHandler("https", &browser, "open");
        QStringList texts;
        bool openAfterLink = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<AboutDlg*>(QApplication::activeModalWidget());
            if (!about)
                return;
            for (const char* name : { "m_title", "m_text", "m_link" })
                texts << about->findChild<QLabel*>(name)->text();
            emit about->findChild<QLabel*>("m_link")->linkActivated("https://www.brenmar.ch");
            openAfterLink = about->isVisible();
            about->findChild<QPushButton*>("m_ok")->click();
        });
        w.action("actionAbout")->trigger();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts.at(0), QString("voro-BOX Configuration and Diagnostic Utility"));
        QCOMPARE(texts.at(1), QString("Version: 1.1.2\nBundled Firmware: 1.1.2.17"));
        QVERIFY(QRegularExpression("^\\d{4} <a href=\"https://www.brenmar.ch\">brenmar "
                                   "automation ag</a>$")
                    .match(texts.at(2))
                    .hasMatch());
        QVERIFY(openAfterLink);
        QCOMPARE(browser.urls, QList<QUrl>({ QUrl("https://www.brenmar.ch") }));

        w.action("actionExit")->trigger();
        QVERIFY(!w.window.isVisible());
    }

    // Remembered between starts, and always on a screen that is there.
    void geometry_fitsTheScreenAndIsRemembered()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect left(screen.topLeft() + QPoint(20, 60), QSize(600, 400));
        {
            Window first; // asks for 1510 x 850, more than this screen has
            QVERIFY(first.window.isMaximized());
            QVERIFY(screen.contains(first.window.geometry()));
            first.window.showNormal();
            first.window.setGeometry(left);
        }
        {
            Window second;
            QVERIFY(!second.window.isMaximized());
            QCOMPARE(second.window.geometry(), left);
            second.window.move(screen.right() + 3000, 5000); // on a monitor gone by the next start
        }
        Window third;
        QCOMPARE(third.window.size(), left.size());
        QVERIFY(screen.contains(third.window.geometry()));
    }

    // A dock the user closed stays closed at the next start; the others open as they were.
    void docks_closedByTheUserStayClosed()
    {
        const auto dock = [](Window& w, const char* name) {
            return w.window.findChild<QDockWidget*>(QString::fromLatin1(name));
        };
        {
            Window first;
            QVERIFY(dock(first, "m_trendDock")->toggleViewAction()->isChecked());
            dock(first, "m_trendDock")->toggleViewAction()->trigger(); // Ctrl+T
            first.action("actionExit")->trigger();
        }
        {
            Window second;
            QVERIFY(!dock(second, "m_trendDock")->toggleViewAction()->isChecked());
            QVERIFY(dock(second, "m_overviewDock")->toggleViewAction()->isChecked());
            QVERIFY(dock(second, "m_overviewDock")->isVisible());
            dock(second, "m_trendDock")->toggleViewAction()->trigger();
        }
        Window third;
        QVERIFY(dock(third, "m_trendDock")->toggleViewAction()->isChecked());
    }

    void importLog_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no such file
        QTest::addColumn<QString>("warning"); // %1 stands for the file
        QTest::newRow("a log the program wrote") << sampleCsv().toUtf8() << QString();
        QTest::newRow("no such file") << QByteArray() << "Unable to read the log file '%1'.";
        QTest::newRow("no valid row")
            << QByteArray("date;setpoint;temperature;triac\r\n31.02.2024 25:00:00;1;2;3\r\n")
            << "The file '%1' holds no valid log data.";
    }

    void importLog()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        const QString file = dir.filePath("room.csv");
        if (!content.isNull())
            QVERIFY(writeFile(file, content));
        Window w;
        w.dialogs.paths << file;
        w.action("actionImport_Log")->trigger();
        QCOMPARE(w.dialogs.asked.first().text, QDir::homePath()); // first time: home folder
        QCOMPARE(lastFolder(AppSettings::FOLDER_IMPORT_LOG), content.isNull() ? file : dir.path());
        PlotDlg* plot = w.window.plotDialog();
        const QList<ScriptedDialogs::Question> messages = w.dialogs.messages();
        if (warning.isEmpty()) {
            QVERIFY(messages.isEmpty());
            QVERIFY(plot->isVisible());
            QCOMPARE(plot->windowTitle(), file);
        } else {
            QVERIFY(!plot->isVisible());
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages.first().icon, UserDialogs::Warning);
            QCOMPARE(messages.first().text, warning.arg(QDir::toNativeSeparators(file)));
        }
        // Cancelled: nothing at all.
        w.action("actionImport_Log")->trigger();
        QCOMPARE(w.dialogs.messages().size(), messages.size());
    }

    void boxesComeAndGo_listedByLocation_selectionStaysUntilItsBoxGoes()
    {
        Window w;
        auto office = std::make_unique<PluggedBox>("Office 1.01");
        QVERIFY(w.waitSelected("Office 1.01"));
        QCOMPARE(w.properties()->model()->rowCount(), 4); // the four groups
        for (const char* name : kDeviceActions)
            QVERIFY(w.action(name)->isEnabled());
        QCOMPARE(w.table()->model()->columnCount(), 8);

        PluggedBox unnamed { QString() };
        QTRY_COMPARE_WITH_TIMEOUT(w.listed().size(), 2, kReadyMs);
        PluggedBox lab("Lab 2");
        // in the order of their locations, whatever order they came in
        QTRY_COMPARE_WITH_TIMEOUT(w.listed(), QStringList({ "Lab 2", "Office 1.01", "voro-BOX" }),
                                  kReadyMs);
        QCOMPARE(w.copy().config.location, QString("Office 1.01"));
        QCOMPARE(w.devices()->currentText(),
                 "Office 1.01 (" + office->box->serial().right(6) + ")");

        // Unplugged for good: once given up, the first entry is selected.
        w.window.manager()->setReturnGrace(300);
        office.reset();
        QTRY_VERIFY(w.window.reconnecting());
        QTRY_COMPARE_WITH_TIMEOUT(w.listed(), QStringList({ "Lab 2", "voro-BOX" }), kReadyMs);
        QVERIFY(w.waitSelected("Lab 2"));
        QVERIFY(w.window.statusBar()->currentMessage().contains("did not come back"));
    }

    // A box whose firmware the program cannot speak is shown by the location it reported,
    // read only, and nothing the window offers reaches it.
    void watchedBox_shownReadOnly_neverWritten()
    {
        PluggedBox attic("Attic");
        attic.box->setProtocolVersion(3);
        Window w;
        QTRY_COMPARE_WITH_TIMEOUT(w.listed(), QStringList { "Attic" }, kReadyMs);
        QTRY_VERIFY(w.copy().id != -1);
        QCOMPARE(w.dialogs.messages().size(), 1); // the manager's warning
        const QModelIndex location
            = findRow(w.properties()->model(), "InfoProperties", "Location", 1);
        QCOMPARE(location.data().toString(), QString("Attic"));
        QVERIFY(!(location.flags() & Qt::ItemIsEditable));
        for (const char* name : kDeviceActions)
            QVERIFY2(!w.action(name)->isEnabled(), name);

        const char* const handlers[] = { "on_m_save_clicked",
                                         "on_m_revert_clicked",
                                         "on_actionImport_Settings_triggered",
                                         "on_actionExport_Settings_triggered",
                                         "on_actionExport_Logs_triggered",
                                         "on_actionReset_To_Factory_Defaults_triggered",
                                         "on_actionFirmware_Update_triggered" };
        for (const char* handler : handlers)
            QVERIFY2(QMetaObject::invokeMethod(&w.window, handler), handler);
        // The record has no actuators: the table's handlers must not reach past its lists.
        for (const char* slot : { "onCopy", "onPaste", "onShowLog", "onClearErrors" })
            QVERIFY(QMetaObject::invokeMethod(&w.window, slot, Q_ARG(int, 22), Q_ARG(int, 3)));
        QVERIFY(QMetaObject::invokeMethod(&w.window, "onActuatorConfigChanged", Q_ARG(int, 3),
                                          Q_ARG(ActuatorSettings, ActuatorSettings()),
                                          Q_ARG(QString, "x")));
        QCOMPARE(w.dialogs.asked.size(), 1);
        QVERIFY(w.copy().config.actuator_settings.isEmpty());

        attic.box->clearReceived();
        QTRY_VERIFY(attic.commands().size() >= 2);
        for (const int command : attic.commands())
            QCOMPARE(command, int(CMD__GET_PROTOCOL_VERSION)); // pings only
        QCOMPARE(w.listed(), QStringList { "Attic" });
    }

    void save_data()
    {
        QTest::addColumn<bool>("setpoint"); // edited in the table as well
        QTest::newRow("setpoint and location") << true;
        QTest::newRow("location only") << false;
    }

    // What the user edits is written, made permanent, and only the configuration when no
    // actuator setting changed.
    void save()
    {
        QFETCH(bool, setpoint);
        PluggedBox office("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        if (setpoint) {
            QVERIFY(w.editCell(M::ROW_SETPOINT, 2, "23.5"));
            QCOMPARE(w.copy().config.actuator_settings.at(2).setpoint, 235); // at once
        }
        QVERIFY(w.editProperty("InfoProperties", "Location",
                               [](QWidget* e) { qobject_cast<QLineEdit*>(e)->setText("Hall"); }));
        QCOMPARE(w.copy().config.location, QString("Hall"));
        QTRY_VERIFY(w.save()->isEnabled() && w.revert()->isEnabled()); // at the next report
        QVERIFY(!office.commands().contains(CMD__SAVE)); // nothing written before Save

        office.box->clearReceived();
        QTest::mouseClick(w.save(), Qt::LeftButton);
        QTRY_COMPARE(office.box->savedConfig().location, QString("Hall"));
        QCOMPARE(office.box->savedConfig().settings[2][hidsim::Setpoint], setpoint ? 235 : 210);
        QCOMPARE(office.commands().count(CMD__SET_ACTUATOR_SETTINGS), setpoint ? 8 : 0);
        QVERIFY(w.waitSelected("Hall")); // reloaded from the box
        QVERIFY(!w.save()->isEnabled() && !w.revert()->isEnabled());
    }

    void revert_throwsTheLocalEditsAway()
    {
        PluggedBox office("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        office.box->clearReceived();
        QVERIFY(w.editCell(M::ROW_SETPOINT, 2, "23.5"));
        QTRY_VERIFY(w.revert()->isEnabled());
        w.revert()->click();
        QCOMPARE(w.copy().config.actuator_settings.at(2).setpoint, 210);
        QVERIFY(w.waitSelected("Office"));
        QVERIFY(w.waitReports());
        QVERIFY(!w.save()->isEnabled() && !w.revert()->isEnabled());
        QCOMPARE(w.cell(M::ROW_SETPOINT, 2).data().toString(), QString("21.0 °C"));
        QVERIFY(!office.commands().contains(CMD__SET_ACTUATOR_SETTINGS));
        QVERIFY(!office.commands().contains(CMD__SAVE));
    }

    void externalChange_data()
    {
        QTest::addColumn<bool>("edited"); // local edits exist
        QTest::addColumn<int>("answer"); // the button clicked, -1: the box closed
        QTest::addColumn<bool>("unplugged"); // the box goes while the question is open
        QTest::addColumn<int>("shown"); // setpoint of actuator 3 in the working copy after
        QTest::newRow("no local edits: taken without a question") << false << 0 << false << 245;
        QTest::newRow("keep local settings") << true << 1 << false << 235;
        QTest::newRow("reload device settings") << true << 0 << false << 245;
        QTest::newRow("closed: keeps the edits") << true << -1 << false << 235;
        // the question goes with its box; the edits stay while the box is waited for
        QTest::newRow("box gone meanwhile") << true << 0 << true << 235;
    }

    void externalChange()
    {
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(bool, unplugged);
        QFETCH(int, shown);
        auto office = std::make_unique<PluggedBox>("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        if (edited) {
            QVERIFY(w.editCell(M::ROW_SETPOINT, 2, "23.5"));
            QTRY_VERIFY(w.save()->isEnabled());
        }
        w.dialogs.chosen << answer;
        bool waited = false;
        w.dialogs.whileOpen = [&](const ScriptedDialogs::Question&) {
            if (unplugged) {
                office.reset();
                waited = QTest::qWaitFor([&] { return w.window.reconnecting(); }, kReadyMs);
            } else {
                // a field the user did not touch changes too; reports go on meanwhile
                office->box->setActuatorSetting(5, hidsim::Setpoint, 250);
                waited = w.waitReports();
            }
        };
        std::shared_ptr<hidsim::VoroBox> box = office->box;
        box->setActuatorSetting(2, hidsim::Setpoint, 245); // at the box itself

        if (!edited) {
            QTRY_COMPARE(w.copy().config.actuator_settings.at(2).setpoint, 245);
            QVERIFY(w.dialogs.asked.isEmpty());
            return;
        }
        QTRY_COMPARE(w.dialogs.messages("choice").size(), 1);
        const ScriptedDialogs::Question q = w.dialogs.asked.first();
        QCOMPARE(q.title, QString("Settings Conflict Detected"));
        QVERIFY(q.text.startsWith("The settings of Office (" + box->serial().right(6) + ")"));
        QCOMPARE(q.choices, QStringList({ "Reload Device Settings", "Keep Local Settings" }));
        QVERIFY(waited);
        QCOMPARE(w.dialogs.asked.first().withdrawn, unplugged);
        if (unplugged) {
            QVERIFY(w.window.reconnecting());
            QCOMPARE(w.listed(), QStringList { "Office" }); // still there, waited for
            QCOMPARE(w.copy().config.actuator_settings.at(2).setpoint, shown);
            return;
        }
        QVERIFY(w.waitReports());
        QCOMPARE(w.dialogs.asked.size(), 1); // one question, however many reports
        QTRY_COMPARE(w.copy().config.actuator_settings.at(2).setpoint, shown);
        // whatever the answer, what the user did not touch is what the box holds
        QCOMPARE(w.copy().config.actuator_settings.at(5).setpoint, 250);
        QCOMPARE(w.save()->isEnabled(), shown == 235);
        if (shown == 235) { // the next Save writes the user's field, and only that one
            w.save()->click();
            QTRY_COMPARE(box->savedConfig().settings[2][hidsim::Setpoint], 235);
            QCOMPARE(box->savedConfig().settings[5][hidsim::Setpoint], 250);
        }
    }

    void copyOnOneBox_pasteOnAnother_writtenOnlyBySave()
    {
        PluggedBox office("Office");
        office.box->setActuatorSetting(0, hidsim::Setpoint, 250);
        office.box->setActuatorSetting(0, hidsim::SensorType, VoroDefinitions::ST__NI1000);
        Window w;
        QVERIFY(w.waitSelected("Office"));
        PluggedBox lab("Lab");
        QTRY_COMPARE_WITH_TIMEOUT(w.listed().size(), 2, kReadyMs);

        QVERIFY(!w.button(M::ROW_PASTE_SETTINGS, 3)->isEnabled()); // nothing copied yet
        w.button(M::ROW_COPY_SETTINGS, 0)->click();
        QVERIFY(w.button(M::ROW_PASTE_SETTINGS, 3)->isEnabled());
        w.pick("Lab");
        QVERIFY(w.waitSelected("Lab"));
        lab.box->clearReceived();
        w.button(M::ROW_PASTE_SETTINGS, 3)->click();
        QCOMPARE(w.copy().config.actuator_settings.at(3),
                 w.window.manager()->device(w.idOf("Office")).config.actuator_settings.at(0));
        QTRY_COMPARE(w.cell(M::ROW_SETPOINT, 3).data().toString(), QString("25.0 °C"));
        QTRY_VERIFY(w.save()->isEnabled());
        QVERIFY(!lab.commands().contains(CMD__SET_ACTUATOR_SETTINGS));

        w.save()->click();
        QTRY_COMPARE(lab.box->savedConfig().settings[3][hidsim::Setpoint], 250);
        QCOMPARE(lab.box->savedConfig().settings[3][hidsim::SensorType],
                 int(VoroDefinitions::ST__NI1000));
        QCOMPARE(office.box->savedConfig().settings[3][hidsim::Setpoint], 210);
    }

    void testTwoActuators_repeatedWhileChecked()
    {
        PluggedBox office("Office");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        office.box->clearReceived();
        const auto tests = [&] { return office.box->receivedArguments(CMD__TEST_ACTUATOR); };

        w.button(M::ROW_TEST, 1)->click();
        QTRY_VERIFY(tests().contains("1;1")); // at once
        w.button(M::ROW_TEST, 4)->click();
        QTRY_VERIFY(tests().contains("4;1"));
        // the second click sends to both checked actuators
        const int first4 = tests().indexOf("4;1");
        QVERIFY(first4 > 0);
        QCOMPARE(tests().at(first4 - 1), QString("1;1"));
        QTRY_VERIFY(tests().count("4;1") >= 3); // once a second
        QVERIFY(office.box->testing(4));

        w.button(M::ROW_TEST, 1)->click(); // unchecked
        QTRY_COMPARE(tests().count("1;0"), 1);
        const int ones = tests().count("1;1"), fours = tests().count("4;1");
        QTRY_VERIFY(tests().count("4;1") >= fours + 2);
        QCOMPARE(tests().count("1;1"), ones);
        QCOMPARE(tests().count("1;0"), 1);
        QVERIFY(!tests().contains("4;0"));
    }

    void logButton_showsTheLogOfTheSelectedBoxOnly()
    {
        PluggedBox office("Office");
        office.box->setActuatorLocation(2, "Kitchen");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        PluggedBox lab("Lab");
        QTRY_COMPARE_WITH_TIMEOUT(w.listed().size(), 2, kReadyMs);
        QSignalSpy logs(w.window.manager(), &VoroManager::logRead);

        w.window.manager()->readActuatorLog(w.idOf("Lab"), 0);
        QTRY_COMPARE(logs.size(), 1);
        QVERIFY(!w.window.plotDialog()->isVisible());

        w.button(M::ROW_LOG, 2)->click();
        QTRY_VERIFY(w.window.plotDialog()->isVisible());
        QCOMPARE(w.window.plotDialog()->windowTitle(), QString("Actuator 3 - Kitchen"));
        w.pick("Lab");
        QVERIFY(!w.window.plotDialog()->isVisible()); // it went with the selection
    }

    void settingsFile_roundTripIntoASecondBox()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("office.cfg");
        PluggedBox office("Office");
        office.box->setActuatorSetting(3, hidsim::Setpoint, 245);
        office.box->setActuatorLocation(3, "Bay");
        Window w;
        QVERIFY(w.waitSelected("Office"));
        w.dialogs.paths << file;
        w.action("actionExport_Settings")->trigger();
        QVERIFY(QFile::exists(file));

        PluggedBox lab("Lab");
        QTRY_COMPARE_WITH_TIMEOUT(w.listed().size(), 2, kReadyMs);
        w.pick("Lab");
        QVERIFY(w.waitSelected("Lab"));
        w.dialogs.paths << file;
        w.action("actionImport_Settings")->trigger();
        QVERIFY(w.dialogs.messages().isEmpty()); // said once the box has confirmed it
        QTRY_COMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages().last().text,
                 "The settings have been successfully imported into Lab ("
                     + lab.box->serial().right(6) + ").");
        QCOMPARE(lab.box->savedConfig().settings[3][hidsim::Setpoint], 245);
        QCOMPARE(lab.box->savedConfig().locations[3], QString("Bay"));
        QVERIFY(w.waitSelected("Office")); // the box now carries that name
        QCOMPARE(w.listed(), QStringList({ "Office", "Office" }));

        lab.box->clearReceived();
        w.dialogs.paths << file;
        w.action("actionImport_Settings")->trigger();
        QCOMPARE(w.dialogs.messages().last().text, QString("No change has been detected."));
        QVERIFY(w.waitReports());
        QVERIFY(!lab.commands().contains(CMD__SAVE));
    }

    void deviceQuestions_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("command"); // what the answer sends, or -1
        const QString reset = "Reset To Factory Defaults";
        const QString resetText = "Do you really want to reset %name to factory defaults? "
                                  "All settings will be reset.";
        const QString update = "Firmware Update";
        const QString updateText = "Do you really want to update the firmware of the device "
                                   "'%name' from 1.1.2.17 to 1.1.2.17?";
        const char* resetSlot = "on_actionReset_To_Factory_Defaults_triggered";
        const char* updateSlot = "on_actionFirmware_Update_triggered";
        QTest::newRow("factory reset, No")
            << resetSlot << int(UserDialogs::No) << reset << resetText << -1;
        QTest::newRow("factory reset, Yes")
            << resetSlot << int(UserDialogs::Yes) << reset << resetText << int(CMD__FACTORY_RESET);
        QTest::newRow("firmware update, No")
            << updateSlot << int(UserDialogs::No) << update << updateText << -1;
        QTest::newRow("firmware update, Yes") << updateSlot << int(UserDialogs::Yes) << update
                                              << updateText << int(CMD__ENTER_BOOTLOADER);
    }

    void deviceQuestions()
    {
        QFETCH(QString, slot);
        QFETCH(int, answer);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, command);
        PluggedBox office("Office");
        office.box->setActuatorSetting(1, hidsim::Setpoint, 250);
        Window w;
        QVERIFY(w.waitSelected("Office"));
        office.box->clearReceived();
        w.dialogs.buttons << UserDialogs::Button(answer);
        QVERIFY(QMetaObject::invokeMethod(&w.window, slot.toLatin1()));
        QCOMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages().first().title, title);
        QCOMPARE(
            w.dialogs.messages().first().text,
            QString(text).replace("%name", BoxName::qualified("Office", office.box->serial())));
        QCOMPARE(w.dialogs.messages().first().icon, UserDialogs::Question);
        if (command < 0) {
            QVERIFY(w.waitReports());
            QVERIFY(!office.commands().contains(CMD__FACTORY_RESET));
            QVERIFY(!office.commands().contains(CMD__ENTER_BOOTLOADER));
            return;
        }
        QTRY_VERIFY(office.commands().contains(command));
        if (command == CMD__FACTORY_RESET) { // the box restarts with factory settings
            QCOMPARE(w.dialogs.messages().first().default_button, UserDialogs::No);
            QCOMPARE(office.box->factoryResets(), 1);
            QCOMPARE(office.box->savedConfig().settings[1][hidsim::Setpoint], 210);
            QVERIFY(w.waitSelected("voro-BOX")); // the same box, selected again
            QCOMPARE(w.listed(), QStringList { "voro-BOX" });
            QTRY_COMPARE(w.window.statusBar()->currentMessage(),
                         "Office (" + office.box->serial().right(6)
                             + ") has been reset to factory defaults.");
        } else { // gone to its bootloader, and waited for
            QTRY_VERIFY(w.window.reconnecting());
            QVERIFY(!office.plugged());
        }
    }

    // Opening an editor and closing it is no edit, even where the editor cannot show the
    // box's value: the value survives and nothing waits to be saved.
    void oddValues_surviveAClick_data()
    {
        QTest::addColumn<int>("what");
        QTest::newRow("log interval of 30 s") << 0;
        QTest::newRow("response delay above 255 ms") << 1;
        QTest::newRow("control mode the program does not know") << 2;
        QTest::newRow("setpoint beyond what the table accepts") << 3;
    }

    void oddValues_surviveAClick()
    {
        QFETCH(int, what);
        PluggedBox office("Office");
        switch (what) {
        case 0:
            office.box->setLogInterval(30);
            break;
        case 1:
            office.box->setCommon(hidsim::ModbusResponseDelay, 300);
            break;
        case 2:
            office.box->setCommon(hidsim::ControlMode, 5);
            break;
        default:
            office.box->setActuatorSetting(0, hidsim::Setpoint, 400);
        }
        Window w;
        QVERIFY(w.waitSelected("Office"));
        const VoroConfig before = w.copy().config;
        switch (what) {
        case 0:
            QVERIFY(w.editProperty("LogProperties", "Interval", {}));
            break;
        case 1:
            QVERIFY(w.editProperty("RS485Properties", "ResponseDelay", {}));
            break;
        case 2:
            QVERIFY(w.editProperty("ControlProperties", "Mode", {}));
            break;
        default:
            QVERIFY(Window::edit(w.table(), w.cell(M::ROW_SETPOINT, 0), {}));
        }
        QVERIFY(w.copy().config == before);
        QVERIFY(w.waitReports());
        QVERIFY(!w.save()->isEnabled());
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
