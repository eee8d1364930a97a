// How boxes are named and ordered, and the configuration field by field: what differs, the
// three-way merge of the user's edits over new values from the box, and the rules of what a box
// may be given.
#include "records/BoxName.h"
#include "records/ConfigField.h"
#include "records/SettingRules.h"

#include <QtTest>

#include <algorithm>
#include <functional>

namespace {
VoroConfig boxConfig()
{
    VoroConfig c;
    c.location = QStringLiteral("Lab 2");
    c.log_interval = 600;
    for (int i = 0; i < 8; ++i) {
        c.actuator_locations << QStringLiteral("Room %1").arg(i + 1);
        ActuatorSettings a;
        a.hysteresis_heating = 5;
        a.hysteresis_cooling = 5;
        a.setpoint = 210;
        a.pot_min = i == 4 ? 200 : 0;
        c.actuator_settings << a;
    }
    return c;
}

VoroDevice box(const QString& location, const QString& serial, const QString& path = "/dev/x")
{
    VoroDevice d;
    d.config.location = location;
    d.serial_number = serial;
    d.usb_path = path;
    return d;
}

using Edit = std::function<void(VoroConfig&)>;
} // namespace

Q_DECLARE_METATYPE(Edit)

class tst_ConfigRules : public QObject
{
    Q_OBJECT

private slots:
    void boxNames_data()
    {
        QTest::addColumn<VoroDevice>("device");
        QTest::addColumn<QString>("qualified");
        QTest::newRow("serial: its last six digits")
            << box("Lab 2", "20573a0f21a3") << "Lab 2 (0F21A3)";
        QTest::newRow("no location") << box("", "20573A0F21A3") << "voro-BOX (0F21A3)";
        QTest::newRow("no serial: the device node")
            << box("Lab 2", "", "/dev/hidraw3") << "Lab 2 (hidraw3)";
        QTest::newRow("a short serial as it is") << box("Hall", "42") << "Hall (42)";
    }

    void boxNames()
    {
        QFETCH(VoroDevice, device);
        QFETCH(QString, qualified);
        QCOMPARE(BoxName::qualified(device), qualified);
    }

    // The same order at every start, whatever order the boxes came in.
    void listOrder_byLocationThenSerial()
    {
        QVector<VoroDevice> boxes { box("lab 2", "B2"), box("Office", "A1"), box("Lab 2", "A9"),
                                    box("", "C3"), box("Attic", "Z0") };
        std::sort(boxes.begin(), boxes.end(), BoxName::lessThan);
        QStringList names;
        for (const VoroDevice& d : boxes)
            names << BoxName::qualified(d);
        QCOMPARE(names,
                 QStringList(
                     { "Attic (Z0)", "Lab 2 (A9)", "lab 2 (B2)", "Office (A1)", "voro-BOX (C3)" }));
        QVERIFY(BoxName::sameBox("A9", "/dev/a", "A9", "/dev/b")); // moved to another port
        QVERIFY(!BoxName::sameBox("A9", "/dev/a", "B2", "/dev/a"));
        QVERIFY(BoxName::sameBox("", "/dev/a", "", "/dev/a"));
    }

    void differingFields_namedAsTheSettingsFileNamesThem()
    {
        VoroConfig a = boxConfig(), b = boxConfig();
        b.location = "Hall";
        b.actuator_locations[2] = "Desk";
        b.common.control_type = VoroDefinitions::CT__COOLING;
        b.actuator_settings[2].setpoint = 230;
        b.actuator_settings[7].pot_max = 2000;
        QStringList keys;
        for (const ConfigField& f : ConfigFields::differing(a, b))
            keys << f.key();
        QCOMPARE(keys,
                 QStringList({ "location", "actuator_locations\\3\\location",
                               "common_settings\\control_type", "actuator_settings\\3\\setpoint",
                               "actuator_settings\\8\\pot_max" }));
        QCOMPARE(ConfigField(ConfigField::SETPOINT, 2).label(), QString("Actuator 3: Setpoint"));
        b.actuator_settings.removeLast(); // an actuator one side lacks differs throughout
        QCOMPARE(ConfigFields::differing(a, b).size(), 5 - 1 + 12);
    }

    // The user's edits stay; every other field takes the box's new value.
    void merge_keepsOnlyWhatTheUserChanged()
    {
        const VoroConfig base = boxConfig();
        VoroConfig local = base, theirs = base;
        local.actuator_settings[2].setpoint = 235; // the user's
        local.location = "Hall";
        theirs.actuator_settings[2].hysteresis_heating = 9; // the box's, same actuator
        theirs.actuator_settings[5].setpoint = 250;
        theirs.location = "Lab 3"; // both: the user's edit wins
        const VoroConfig merged = ConfigFields::merged(base, local, theirs);
        VoroConfig expected = theirs;
        expected.actuator_settings[2].setpoint = 235;
        expected.location = "Hall";
        QVERIFY(merged == expected);
        QVERIFY(ConfigFields::merged(base, base, theirs) == theirs); // no edits: the box's
        theirs.actuator_settings.resize(4); // the box decides how many actuators it has
        QCOMPARE(ConfigFields::merged(base, local, theirs).actuator_settings.size(), 4);
    }

    void rules_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("key"); // empty: allowed
        QTest::addColumn<QString>("allowed"); // a part of what the problem says is allowed
        const auto row = [](const char* name, Edit edit, const QString& key,
                            const QString& allowed = QString()) {
            QTest::newRow(name) << edit << key << allowed;
        };
        using Cfg = VoroConfig;
        row(
            "unchanged", [](Cfg&) {}, "");
        row(
            "setpoint at its limit", [](Cfg& c) { c.actuator_settings[1].setpoint = 280; }, "");
        row(
            "setpoint above", [](Cfg& c) { c.actuator_settings[1].setpoint = 281; },
            "actuator_settings\\2\\setpoint", "15.0 … 28.0 °C");
        row(
            "offset", [](Cfg& c) { c.actuator_settings[0].sensor_offset = -51; },
            "actuator_settings\\1\\sensor_offset", "-5.0 … 5.0 K");
        row(
            "sensor without a name", [](Cfg& c) { c.actuator_settings[0].sensor_type = 11; },
            "actuator_settings\\1\\sensor_type", "PT1000");
        row(
            "follows another", [](Cfg& c) { c.actuator_settings[2].control_source = 1; }, "");
        row(
            "follows itself", [](Cfg& c) { c.actuator_settings[2].control_source = 3; },
            "actuator_settings\\3\\control_source", "other than actuator 3");
        row(
            "followers in a circle",
            [](Cfg& c) {
                c.actuator_settings[0].control_source = 2;
                c.actuator_settings[1].control_source = 3;
                c.actuator_settings[2].control_source = 1;
            },
            "actuator_settings\\1\\control_source", "does not follow actuator 1");
        row(
            "pot min above max", [](Cfg& c) { c.actuator_settings[4].pot_min = 1500; },
            "actuator_settings\\5\\pot_min", "1000 Ohm");
        row(
            "pot max below min", [](Cfg& c) { c.actuator_settings[4].pot_max = 100; },
            "actuator_settings\\5\\pot_max", "200 Ohm");
        row(
            "location too long", [](Cfg& c) { c.location = QString(25, 'x'); }, "location", "24");
        row(
            "';' in an actuator location", [](Cfg& c) { c.actuator_locations[6] = "a;b"; },
            "actuator_locations\\7\\location", "\";\"");
        row(
            "interval of 90 s", [](Cfg& c) { c.log_interval = 90; }, "log_interval", "minutes");
        row(
            "unknown control mode", [](Cfg& c) { c.common.control_mode = 7; },
            "common_settings\\control_mode", "CM__EXTERNAL"); // untranslated here
    }

    void rules()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, key);
        QFETCH(QString, allowed);
        const VoroConfig held = boxConfig();
        VoroConfig candidate = held;
        edit(candidate);
        const std::optional<SettingProblem> problem = SettingRules::check(candidate, held);
        QCOMPARE(problem ? problem->field.key() : QString(), key);
        if (problem) {
            QVERIFY2(problem->allowed.contains(allowed), qPrintable(problem->allowed));
            QVERIFY(problem->text().startsWith(problem->field.label()));
        }
        // What the box holds already is its own business: the same values as the reference
        // pass, and so does an edit elsewhere.
        QVERIFY(!SettingRules::check(candidate, candidate));
        VoroConfig elsewhere = candidate;
        elsewhere.actuator_settings[7].setpoint = 222;
        QVERIFY(!SettingRules::check(elsewhere, candidate));
    }
};

QTEST_GUILESS_MAIN(tst_ConfigRules)
#include "tst_configrules.moc"
