// voro-box on virtual boxes, as scripts and people call it: what it prints (text and JSON
// lines), its exit status, what it writes to the boxes and what it leaves alone, and how it
// ends when interrupted.
#include "tests/support/CommTestSupport.h"

#include "cli/Commands.h"
#include "cli/Console.h"
#include "device/AppSettings.h"
#include "device/SettingsBackup.h"
#include "devicelink/VoroCommands.h"
#include "firmware/UpdateHistory.h"
#include "sim/Bootloader.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>

using hidsim::Bus;

namespace {
struct Run
{
    int status = -1;
    QString out;
    QString err;

    QStringList lines() const { return out.split('\n', Qt::SkipEmptyParts); }
    QList<QJsonObject> json() const
    {
        QList<QJsonObject> objects;
        for (const QString& line : lines())
            objects << QJsonDocument::fromJson(line.toUtf8()).object();
        return objects;
    }
};

// One call, in this process; `interruptWhen` is asked every few milliseconds while the command
// runs, and the first time it says so, the process gets a SIGINT (Ctrl+C).
Run voroBox(const QStringList& arguments, const std::function<bool(const Run&)>& interruptWhen = {})
{
    Run r;
    QTextStream out(&r.out), err(&r.err);
    Console console(out, err, false, false);
    QTimer poll;
    bool sent = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!sent && interruptWhen && interruptWhen(r)) {
            sent = true;
            std::raise(SIGINT);
        }
    });
    poll.start(10);
    r.status = runCommandLine(arguments, console);
    return r;
}

// Plugs a box (clock stopped) for the length of a test.
std::shared_ptr<PluggedBox> plug(const QString& location, const QString& firmware = QString())
{
    auto p = std::make_shared<PluggedBox>(location);
    if (!firmware.isEmpty())
        p->box->setFirmwareVersion(firmware);
    return p;
}

QString shortId(const PluggedBox& p)
{
    return p.box->serial().right(6).toUpper();
}

int bootloadersOnBus()
{
    return int(
        HidDevice::enumerate(hidsim::Bootloader::VENDOR_ID, hidsim::Bootloader::PRODUCT_ID).size());
}
} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::instance().setLatency(std::chrono::microseconds(0)); }
    void cleanup() { Bus::instance().unplugAll(); }

    // Positions follow the window's order; each state is what a script can act on.
    void list_namesEveryBoxAndBootloader()
    {
        auto lab = plug("Lab 2"), cellar = plug("Cellar", "1.1.0.3"), attic = plug("Attic");
        attic->inject(hidsim::Fault::always(hidsim::Fault::OpenFailure));
        auto loader = std::make_shared<hidsim::Bootloader>();
        loader->setSerialNumber("0000BEEF0001");
        Bus::instance().plug(loader);

        const Run r = voroBox({ "list", "--json" });
        QCOMPARE(r.status, 0);
        const QList<QJsonObject> boxes = r.json();
        QCOMPARE(boxes.size(), 4);
        QStringList states, names;
        for (int i = 0; i < boxes.size(); ++i) {
            QCOMPARE(boxes.at(i).value("position").toInt(), i + 1);
            QCOMPARE(QStringList(boxes.at(i).keys()),
                     (QStringList { "firmware_version", "location", "name", "position",
                                    "protocol_version", "serial_number", "state", "usb_path" }));
            states << boxes.at(i).value("state").toString();
            names << boxes.at(i).value("name").toString();
        }
        // The box that cannot be opened has no location yet: it sorts as "voro-BOX".
        QCOMPARE(states, (QStringList { "outdated", "ready", "no-access", "bootloader" }));
        QCOMPARE(names.at(0), "Cellar (" + shortId(*cellar) + ")");
        QCOMPARE(boxes.at(0).value("firmware_version").toString(), QString("1.1.0.3"));
        QCOMPARE(boxes.at(0).value("protocol_version").toInt(), 2);
        QCOMPARE(names.at(3), QString("voro-BOX (EF0001)"));

        const Run text = voroBox({ "list" });
        QCOMPARE(text.status, 0);
        QCOMPARE(text.lines().size(), 5); // a header, then the boxes
        QVERIFY(text.lines().at(2).contains(lab->box->serial()));
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("twins"); // two boxes "Lab 2" instead of one
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("unknown command") << QStringList { "frob" } << false << 2 << "unknown";
        QTest::newRow("no box given") << QStringList { "show" } << false << 2 << "one BOX";
        QTest::newRow("boxes and --all")
            << QStringList { "watch", "1", "--all" } << false << 2 << "BOX... or --all";
        QTest::newRow("option of another command")
            << QStringList { "show", "1", "--dry-run" } << false << 2 << "does not take";
        QTest::newRow("actuator out of range")
            << QStringList { "test", "1", "9", "5" } << false << 2 << "ACTUATOR";
        QTest::newRow("settings file missing")
            << QStringList { "set-settings", "--all", "/nonexistent/x.cfg" } << false << 2
            << "Unable to read";
        QTest::newRow("factory reset without --yes")
            << QStringList { "factory-reset", "1" } << false << 2 << "without --yes";
        QTest::newRow("update without --yes, no terminal")
            << QStringList { "update", "1" } << false << 2 << "no terminal";
        QTest::newRow("no such box") << QStringList { "show", "Nowhere", "--timeout", "0" } << false
                                     << 3 << "No box matches 'Nowhere'";
        QTest::newRow("a location two boxes share")
            << QStringList { "show", "Lab 2" } << true << 2 << "names 2 boxes";
        QTest::newRow("one of two by its serial") << QStringList { "show" } << true << 0 << "";
    }

    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, twins);
        QFETCH(int, status);
        QFETCH(QString, said);
        auto lab = plug("Lab 2");
        std::shared_ptr<PluggedBox> twin = twins ? plug("Lab 2") : nullptr;
        if (arguments == QStringList { "show" } && twins)
            arguments << shortId(*twin);
        const Run r = voroBox(arguments);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
        // Nothing was written to any box.
        QVERIFY(lab->box->receivedArguments(CMD__SAVE).isEmpty());
        if (status == 0)
            QVERIFY(r.out.contains(twin->box->serial()));
    }

    void noBoxAttached_isStatus3()
    {
        const Run r = voroBox({ "list", "--timeout", "0" });
        QCOMPARE(r.status, 3);
        QCOMPARE(r.out, QString());
        QVERIFY(r.err.contains("No voro-BOX is attached"));
    }

    // A file checked against every box before any write; --dry-run writes nothing; each box
    // that changes is saved once and confirmed; a box that does not take it fails alone.
    void setSettings_dryRunThenAll_oneBoxFailing()
    {
        auto lab = plug("Lab 2"), office = plug("Office");
        QTemporaryDir dir;
        const QString file = dir.filePath("lab.cfg");
        QCOMPARE(voroBox({ "get-settings", "Lab 2", file }).status, 0);
        {
            QSettings s(file, QSettings::IniFormat);
            s.setValue("config/actuator_settings/2/setpoint", 235);
            s.setValue("config/location", "Elsewhere");
            s.setValue("config/actuator_locations/1/location", "Elsewhere");
        }
        const QString bench = lab->box->actuatorLocation(0);
        const Run dry = voroBox({ "set-settings", "--all", file, "--dry-run", "--json" });
        QCOMPARE(dry.status, 0);
        QCOMPARE(dry.json().size(), 2);
        for (const QJsonObject& o : dry.json()) {
            QCOMPARE(o.value("result").toString(), QString("would-change"));
            const QJsonObject change = o.value("changes").toArray().first().toObject();
            QCOMPARE(change.value("key").toString(), QString("actuator_settings\\2\\setpoint"));
            QCOMPARE(change.value("to").toString(), QString("235"));
        }
        for (const auto& p : { lab, office })
            QVERIFY(p->box->receivedArguments(CMD__SAVE).isEmpty());

        // Office answers its actuator writes without taking them.
        office->box->overrideReply(CMD__SET_ACTUATOR_SETTINGS, "OK", -1);
        const Run r = voroBox({ "set-settings", "--all", file, "--json" });
        QCOMPARE(r.status, 1);
        QMap<QString, QJsonObject> by_name;
        for (const QJsonObject& o : r.json())
            by_name.insert(o.value("name").toString(), o);
        const QJsonObject saved = by_name.value("Lab 2 (" + shortId(*lab) + ")");
        QCOMPARE(saved.value("result").toString(), QString("saved"));
        const QJsonObject refused = by_name.value("Office (" + shortId(*office) + ")");
        QCOMPARE(refused.value("result").toString(), QString("failed"));
        QCOMPARE(refused.value("not_written").toArray().first().toString(),
                 QString("actuator_settings\\2\\setpoint"));
        QVERIFY(refused.value("reason").toString().contains("did not take"));
        QCOMPARE(lab->box->savedConfig().settings[1][hidsim::Setpoint], 235);
        QCOMPARE(lab->box->receivedArguments(CMD__SAVE).size(), 1);
        // Each box keeps its own location and its actuators' unless --with-location.
        QCOMPARE(lab->box->location(), QString("Lab 2"));
        QCOMPARE(lab->box->actuatorLocation(0), bench);

        // A value no editor could set stops everything before the first write.
        {
            QSettings s(file, QSettings::IniFormat);
            s.setValue("config/actuator_settings/3/setpoint", 99);
        }
        lab->box->clearReceived();
        const Run invalid = voroBox({ "set-settings", "Lab 2", file });
        QCOMPARE(invalid.status, 2);
        QVERIFY2(invalid.err.contains("actuator_settings\\3\\setpoint"), qPrintable(invalid.err));
        QVERIFY(lab->box->receivedArguments(CMD__SET_ACTUATOR_SETTINGS).isEmpty());
    }

    // A backup on request is listed, and written back with set-settings --with-location, which
    // backs the box up again first.
    void backup_listedAndWrittenBack()
    {
        QDir(SettingsBackup::rootFolder()).removeRecursively(); // those of earlier tests
        auto lab = plug("Lab 2");
        lab->box->setActuatorSetting(2, hidsim::Setpoint, 235);
        const Run made = voroBox({ "backup", "Lab 2", "--json" });
        QCOMPARE(made.status, 0);
        QCOMPARE(made.json().first().value("result").toString(), QString("backed-up"));
        const QString file = made.json().first().value("file").toString();
        const Run listed = voroBox({ "backups", "Lab 2", "--json" });
        QCOMPARE(listed.json().size(), 1);
        QCOMPARE(listed.json().first().value("reason").toString(), QString("manual"));
        QCOMPARE(listed.json().first().value("file").toString(), file);

        lab->box->setActuatorSetting(2, hidsim::Setpoint, 190);
        lab->box->setLocation("Elsewhere");
        QCOMPARE(voroBox({ "set-settings", "Elsewhere", file, "--with-location" }).status, 0);
        QCOMPARE(lab->box->actuatorSetting(2, hidsim::Setpoint), 235);
        QCOMPARE(lab->box->location(), QString("Lab 2"));
        const Run after = voroBox({ "backups", "Lab 2", "--json" });
        QCOMPARE(after.json().size(), 2);
        QCOMPARE(after.json().first().value("reason").toString(), QString("apply"));
    }

    // Boxes that share a location get folders of their own; every log of every box is there.
    void exportLogs_twinsApart()
    {
        auto lab = plug("Lab 2"), twin = plug("Lab 2");
        QTemporaryDir dir;
        const Run r = voroBox({ "export-logs", "--all", dir.path(), "--json" });
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json().size(), 2);
        QSet<QString> folders;
        for (const QJsonObject& o : r.json()) {
            QCOMPARE(o.value("result").toString(), QString("exported"));
            QCOMPARE(o.value("written").toArray().size(), 8);
            folders << o.value("folder").toString();
        }
        QCOMPARE(folders.size(), 2);
        QVERIFY(QDir(dir.filePath("lab_2_" + shortId(*lab).toLower())).exists());
        QVERIFY(QDir(dir.filePath("lab_2_" + shortId(*twin).toLower())).exists());
    }

    // Two outdated boxes go into their bootloaders together and come back updated; a box that
    // is up to date is left alone.
    void update_twoOldBoxesInParallel()
    {
        auto workshop = plug("Workshop", "1.1.1.9"), cellar = plug("Cellar", "1.1.0.3"),
             lab = plug("Lab 2");
        for (const auto& p : { workshop, cellar })
            hidsim::Bootloader::installOn(p->box, [](hidsim::Bootloader& loader) {
                loader.setEraseTime(std::chrono::milliseconds(300));
            });
        int most = 0;
        const Run r = voroBox({ "update", "--all", "--yes", "--json" }, [&](const Run&) {
            most = qMax(most, bootloadersOnBus());
            return false;
        });
        QCOMPARE(r.status, 0);
        QCOMPARE(most, 2);
        QCOMPARE(r.json().size(), 2);
        for (const QJsonObject& o : r.json()) {
            QCOMPARE(o.value("result").toString(), QString("updated"));
            QCOMPARE(o.value("firmware_version").toString(), QString("1.1.2.17"));
        }
        QCOMPARE(workshop->box->firmwareVersion(), QString("1.1.2.17"));
        QCOMPARE(cellar->box->firmwareVersion(), QString("1.1.2.17"));
        QVERIFY(!lab->box->receivedArguments(CMD__ENTER_BOOTLOADER).size());
    }

    // Ctrl+C in the middle of a firmware write: the write is finished and reported.
    void update_interrupted_finishesTheWrite()
    {
        auto workshop = plug("Workshop", "1.1.1.9");
        hidsim::Bootloader::installOn(workshop->box);
        const Run r = voroBox({ "update", "Workshop", "--yes" },
                              [&](const Run&) { return bootloadersOnBus() == 1; });
        QVERIFY2(r.err.contains("Interrupted: the updates under way are finished first"),
                 qPrintable(r.err));
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("Updated to 1.1.2.17"));
        QCOMPARE(workshop->box->firmwareVersion(), QString("1.1.2.17"));
    }

    // What is written to one box, each confirmed; a test cut short is switched off.
    void writes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("interrupt");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("result");
        QTest::newRow("test") << QStringList { "test", "Lab 2", "3", "1" } << false << 0
                              << "actuator 3 tested for 1 s";
        QTest::newRow("test, interrupted") << QStringList { "test", "Lab 2", "3", "60" } << true
                                           << 130 << "test of actuator 3 stopped after";
        QTest::newRow("clear errors") << QStringList { "clear-errors", "Lab 2", "5" } << false << 0
                                      << "stored errors of actuator 5 cleared";
        QTest::newRow("factory reset") << QStringList { "factory-reset", "Lab 2", "--yes" } << false
                                       << 0 << "reset to factory settings";
    }

    void writes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, interrupt);
        QFETCH(int, status);
        QFETCH(QString, result);
        auto lab = plug("Lab 2");
        lab->box->setErrors(4, 0x04);
        lab->box->setErrors(4, 0);
        lab->box->setActuatorSetting(0, hidsim::Setpoint, 250);
        const Run r
            = voroBox(arguments, [&](const Run&) { return interrupt && lab->box->testing(2); });
        QCOMPARE(r.status, status);
        QVERIFY2(r.out.contains(result), qPrintable(r.out + r.err));
        QVERIFY(!lab->box->testing(2));
        if (arguments.first() == "test")
            QCOMPARE(lab->box->receivedArguments(CMD__TEST_ACTUATOR).last(), QString("2;0"));
        if (arguments.first() == "clear-errors")
            QCOMPARE(int(lab->box->memErrors(4)), 0);
        if (arguments.first() == "factory-reset")
            QCOMPARE(lab->box->actuatorSetting(0, hidsim::Setpoint), 210);
    }

    // Watching ends with Ctrl+C, having printed a line per box and interval.
    void watch_interrupted_endsCleanly()
    {
        auto lab = plug("Lab 2"), office = plug("Office");
        const Run r = voroBox({ "watch", "--all", "--interval", "0.2", "--json" },
                              [](const Run& sofar) { return sofar.lines().size() >= 4; });
        QCOMPARE(r.status, 0);
        const QList<QJsonObject> lines = r.json();
        QVERIFY(lines.size() >= 4);
        const QJsonObject first = lines.first();
        QVERIFY(first.value("time").toString().contains('T'));
        const QJsonArray actuators = first.value("actuators").toArray();
        QCOMPARE(actuators.size(), 8);
        QCOMPARE(actuators.first().toObject().value("actuator").toInt(), 1);
        QVERIFY(actuators.first().toObject().contains("temperature"));
    }

    // The executable itself: its streams, its status, and a real Ctrl+C.
    void executable_streamsAndSignals()
    {
        const QString program = QStringLiteral(VORO_BINARY_DIR) + "/cli/voro-box-sim";
        QProcess list;
        list.start(program, { "list", "--json" });
        QVERIFY(list.waitForFinished(30000));
        QCOMPARE(list.exitCode(), 0);
        const QList<QByteArray> lines = list.readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(lines.size(), 2); // the demo's two boxes
        QCOMPARE(QJsonDocument::fromJson(lines.first()).object().value("location").toString(),
                 QString("Lab 2"));
        QVERIFY(list.readAllStandardError().isEmpty());

        QProcess none;
        none.start(program, { "--sim-none", "show", "1", "--timeout", "0" });
        QVERIFY(none.waitForFinished(30000));
        QCOMPARE(none.exitCode(), 3);

        QProcess watch;
        watch.start(program, { "watch", "1", "--interval", "0.2" });
        QVERIFY(watch.waitForReadyRead(30000));
        ::kill(pid_t(watch.processId()), SIGINT);
        QVERIFY(watch.waitForFinished(30000));
        QCOMPARE(watch.exitStatus(), QProcess::NormalExit);
        QCOMPARE(watch.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
