// The settings file: its INI layout (read back with Python's configparser), the round trip,
// and every file or value that an import refuses.
#include "device/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using SettingsFile::ReadResult;

namespace {
VoroConfig sampleConfig()
{
    VoroConfig c;
    c.location = QStringLiteral("Lab 2, North");
    c.log_interval = 600;
    c.common.control_mode = VoroDefinitions::CM__EXTERNAL;
    c.common.control_type = VoroDefinitions::CT__COOLING;
    c.common.modbus_response_delay = 25;
    for (int i = 0; i < 8; ++i) {
        c.actuator_locations << (i == 0 ? QStringLiteral("Entrance")
                                        : QStringLiteral("Room %1").arg(i));
        ActuatorSettings a;
        a.active = i != 4;
        a.control_source = i == 3 ? VoroDefinitions::CS__ACTUATOR_1 : VoroDefinitions::CS__SENSORS;
        a.sensor_type = i == 5 ? VoroDefinitions::ST__NI1000_TK5000 : VoroDefinitions::ST__PT1000;
        a.sensor_offset = -5 + i;
        a.pot_min = 100 * quint32(i);
        a.pot_max = 10000;
        a.pot_shift_min = -30;
        a.pot_shift_max = 30 + i;
        a.hysteresis_heating = 5;
        a.hysteresis_cooling = 7;
        a.setpoint = 200 + i;
        a.actuator_type = i % 2;
        c.actuator_settings << a;
    }
    return c;
}

// The section "config" as Python's configparser reads it, keys as they stand in the file.
QJsonObject pythonSection(const QString& file)
{
    const char* script = R"(
import configparser, json, sys
p = configparser.RawConfigParser()
p.optionxform = str
p.read(sys.argv[1], encoding='utf-8')
print(json.dumps(dict(p['config']) if p.has_section('config') else {}))
)";
    QProcess python;
    python.start(QStringLiteral("python3"), { "-c", script, file });
    if (!python.waitForFinished(10000) || python.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

class Files
{
public:
    QString write(const QByteArray& content, const QString& name = QStringLiteral("x.cfg"))
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return f.fileName();
    }
    QString path(const QString& name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
};
} // namespace

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void export_writesTheIniLayout()
    {
        Files files;
        VoroConfig c = sampleConfig();
        c.location = QStringLiteral("Lab 2");
        const QString file = files.path("lab_2.cfg");
        QVERIFY(SettingsFile::write(file, c));

        const QJsonObject s = pythonSection(file);
        const QStringList expected = {
            "location=Lab 2",
            "actuator_locations\\1\\location=Entrance",
            "actuator_locations\\8\\location=Room 7",
            "actuator_locations\\size=8",
            "log_interval=600",
            "common_settings\\control_mode=CM__EXTERNAL",
            "common_settings\\control_type=CT__COOLING",
            "common_settings\\modbus_response_delay=25",
            "actuator_settings\\size=8",
            "actuator_settings\\1\\active=1",
            "actuator_settings\\5\\active=0",
            "actuator_settings\\4\\control_source=CS__ACTUATOR_1",
            "actuator_settings\\3\\sensor_type=ST__PT1000",
            "actuator_settings\\6\\sensor_type=ST__NI1000_TK5000",
            "actuator_settings\\1\\sensor_offset=-5",
            "actuator_settings\\8\\pot_min=700",
            "actuator_settings\\8\\pot_max=10000",
            "actuator_settings\\8\\pot_shift_min=-30",
            "actuator_settings\\8\\pot_shift_max=37",
            "actuator_settings\\8\\hysteresis_heating=5",
            "actuator_settings\\8\\hysteresis_cooling=7",
            "actuator_settings\\8\\setpoint=207",
            "actuator_settings\\2\\actuator_type=AT__NO",
        };
        for (const QString& line : expected) {
            const QString key = line.section('=', 0, 0);
            QCOMPARE(key + '=' + s.value(key).toString(), line);
        }
        // location and interval, two array sizes, 8 locations, 3 common and 8 × 12 actuator
        // settings: nothing else is stored
        QCOMPARE(s.size(), 2 + 2 + 8 + 3 + 96);
    }

    void exportOverAnOldFile_keepsNothingOfIt()
    {
        Files files;
        const QString file
            = files.write("[other]\nkey=1\n[config]\nactuator_settings\\9\\setpoint=1\n");
        QVERIFY(SettingsFile::write(file, sampleConfig()));
        const QJsonObject s = pythonSection(file);
        QVERIFY(!s.contains("actuator_settings\\9\\setpoint"));
        QSettings back(file, QSettings::IniFormat);
        QCOMPARE(back.childGroups(), QStringList { "config" });
    }

    void exportThenImport_givesAnEqualConfiguration_data()
    {
        QTest::addColumn<VoroConfig>("config");
        QTest::newRow("sample") << sampleConfig();
        VoroConfig odd = sampleConfig();
        odd.location = QStringLiteral(" ümlaut; \"quoted\", =x\\y ");
        odd.actuator_locations[2] = QStringLiteral("Desk, left");
        odd.actuator_locations[3] = QString();
        odd.actuator_settings[1].sensor_type = 11; // a number the box may send without a name
        odd.actuator_settings[2].setpoint = 320; // beyond the editors, as the box may hold it
        QTest::newRow("odd texts and values") << odd;
    }

    void exportThenImport_givesAnEqualConfiguration()
    {
        QFETCH(VoroConfig, config);
        Files files;
        const QString file = files.path("roundtrip.cfg");
        QVERIFY(SettingsFile::write(file, config));
        VoroConfig other = sampleConfig();
        other.location = QStringLiteral("Elsewhere");
        for (auto& a : other.actuator_settings)
            a.setpoint = 180;
        const ReadResult r = SettingsFile::read(file, other, config);
        QVERIFY(r.ok());
        QVERIFY(r.config == config);
    }

    void importChangesOnlyWhatTheFileHolds()
    {
        Files files;
        const VoroConfig current = sampleConfig();
        // entry 2 gets another sensor; entries 9 and 10 do not exist on the box; without the
        // key "location" the location is emptied
        const QString file
            = files.write("[config]\nactuator_settings\\size=10\n"
                          "actuator_settings\\2\\sensor_type=ST__NI1000\n"
                          "actuator_settings\\10\\setpoint=999\n"
                          "actuator_locations\\size=2\nactuator_locations\\1\\location=Hall\n");
        const ReadResult r = SettingsFile::read(file, current);
        QVERIFY(r.ok());
        VoroConfig expected = current;
        expected.location.clear();
        expected.actuator_settings[1].sensor_type = VoroDefinitions::ST__NI1000;
        expected.actuator_locations[0] = QStringLiteral("Hall");
        expected.actuator_locations[1] = QString(); // an entry without its key is emptied
        QVERIFY(r.config == expected);
    }

    void hostileArraySize_readsOnlyWhatTheBoxHas()
    {
        Files files;
        const ReadResult r
            = SettingsFile::read(files.write("[config]\nactuator_settings\\size=2147483647\n"
                                             "actuator_settings\\8\\setpoint=250\n"
                                             "actuator_locations\\size=-5\n"),
                                 sampleConfig());
        QVERIFY(r.ok());
        QCOMPARE(r.config.actuator_settings.at(7).setpoint, 250);
        QCOMPARE(r.config.actuator_locations, sampleConfig().actuator_locations);
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("key");
        const int invalid = ReadResult::INVALID_VALUE;
        const int notSettings = ReadResult::NOT_SETTINGS;
        QTest::newRow("binary") << QByteArray("\x00\xff\x10[config\n\x01=\x02\n", 16) << notSettings
                                << "config";
        QTest::newRow("no group config")
            << QByteArray("[general]\nlocation=x\n") << notSettings << "config";
        QTest::newRow("empty") << QByteArray() << notSettings << "config";
        QTest::newRow("too large") << QByteArray("[config]\nlocation=x\n")
                + QByteArray(int(SettingsFile::MAX_FILE_SIZE), '#')
                                   << notSettings << "config";

        const auto row = [&](const char* name, const QByteArray& line, const QString& key) {
            QTest::newRow(name) << QByteArray("[config]\n" + line + "\n") << invalid << key;
        };
        row("unknown mode", "common_settings\\control_mode=CM__REMOTE",
            "common_settings\\control_mode");
        row("type as number", "common_settings\\control_type=1", "common_settings\\control_type");
        row("unknown sensor", "actuator_settings\\3\\sensor_type=PT1000",
            "actuator_settings\\3\\sensor_type");
        row("unknown source", "actuator_settings\\1\\control_source=CS__ACTUATOR_9",
            "actuator_settings\\1\\control_source");
        row("unknown actuator type", "actuator_settings\\8\\actuator_type=AT__NX",
            "actuator_settings\\8\\actuator_type");
        row("setpoint low", "actuator_settings\\1\\setpoint=149", "actuator_settings\\1\\setpoint");
        row("setpoint high", "actuator_settings\\2\\setpoint=281",
            "actuator_settings\\2\\setpoint");
        row("setpoint text", "actuator_settings\\2\\setpoint=21.5",
            "actuator_settings\\2\\setpoint");
        row("offset", "actuator_settings\\1\\sensor_offset=-51",
            "actuator_settings\\1\\sensor_offset");
        row("shift min", "actuator_settings\\1\\pot_shift_min=-101",
            "actuator_settings\\1\\pot_shift_min");
        row("shift max", "actuator_settings\\1\\pot_shift_max=101",
            "actuator_settings\\1\\pot_shift_max");
        row("hysteresis heating", "actuator_settings\\1\\hysteresis_heating=-1",
            "actuator_settings\\1\\hysteresis_heating");
        row("hysteresis cooling", "actuator_settings\\1\\hysteresis_cooling=51",
            "actuator_settings\\1\\hysteresis_cooling");
        row("pot min negative", "actuator_settings\\1\\pot_min=-1",
            "actuator_settings\\1\\pot_min");
        row("pot max", "actuator_settings\\1\\pot_max=11001", "actuator_settings\\1\\pot_max");
        row("pot huge", "actuator_settings\\1\\pot_max=99999999999999999999",
            "actuator_settings\\1\\pot_max");
        row("active text", "actuator_settings\\1\\active=yes", "actuator_settings\\1\\active");
        row("response delay", "common_settings\\modbus_response_delay=256",
            "common_settings\\modbus_response_delay");
        row("interval short", "log_interval=59", "log_interval");
        row("interval long", "log_interval=3660", "log_interval");
        row("interval not minutes", "log_interval=90", "log_interval");
        row("location long", "location=1234567890123456789012345", "location");
        row("actuator location long",
            "actuator_locations\\size=8\nactuator_locations\\4\\location=1234567890123456789012345",
            "actuator_locations\\4\\location");
        // what no single value shows: the rules between actuators and between limits
        row("follows itself", "actuator_settings\\3\\control_source=CS__ACTUATOR_3",
            "actuator_settings\\3\\control_source");
        row("followers in a circle",
            "actuator_settings\\1\\control_source=CS__ACTUATOR_2\n"
            "actuator_settings\\2\\control_source=CS__ACTUATOR_1",
            "actuator_settings\\1\\control_source");
        row("pot min above max", "actuator_settings\\4\\pot_min=10500",
            "actuator_settings\\4\\pot_min");
        row("actuator location ';'",
            "actuator_locations\\size=8\nactuator_locations\\2\\location=\"Hall; east\"",
            "actuator_locations\\2\\location");
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, problem);
        QFETCH(QString, key);
        Files files;
        QByteArray text = content;
        if (problem == ReadResult::INVALID_VALUE) // a valid size key for the arrays it names
            text.replace("[config]\n", "[config]\nactuator_settings\\size=8\n");
        const ReadResult r = SettingsFile::read(files.write(text), sampleConfig());
        QCOMPARE(int(r.problem), problem);
        QCOMPARE(r.key, key);
    }

    void limitsThemselvesAreTaken()
    {
        Files files;
        const ReadResult r = SettingsFile::read(
            files.write("[config]\nlocation=123456789012345678901234\nlog_interval=3600\n"
                        "common_settings\\modbus_response_delay=255\n"
                        "actuator_settings\\size=8\n"
                        "actuator_settings\\1\\setpoint=150\nactuator_settings\\2\\setpoint=280\n"
                        "actuator_settings\\1\\sensor_offset=-50\n"
                        "actuator_settings\\1\\pot_shift_min=-100\n"
                        "actuator_settings\\1\\pot_shift_max=100\n"
                        "actuator_settings\\1\\hysteresis_heating=0\n"
                        "actuator_settings\\1\\hysteresis_cooling=50\n"
                        "actuator_settings\\1\\pot_min=0\nactuator_settings\\1\\pot_max=11000\n"
                        "actuator_settings\\1\\active=2\n"),
            sampleConfig());
        QVERIFY(r.ok());
        QCOMPARE(r.config.log_interval, 3600);
        QCOMPARE(r.config.actuator_settings.at(1).setpoint, 280);
        QCOMPARE(r.config.actuator_settings.at(0).pot_max, 11000u);
        QVERIFY(r.config.actuator_settings.at(0).active);
    }

    void valuesTheBoxHolds_areTakenBeyondTheLimits()
    {
        Files files;
        VoroConfig held = sampleConfig();
        held.log_interval = 45;
        held.actuator_settings[0].setpoint = 320;
        VoroConfig edited = held;
        edited.actuator_settings[0].setpoint = 210;
        edited.log_interval = 600;
        const ReadResult r = SettingsFile::read(
            files.write("[config]\nlog_interval=45\nactuator_settings\\size=1\n"
                        "actuator_settings\\1\\setpoint=320\n"),
            edited, held);
        QVERIFY(r.ok());
        QCOMPARE(r.config.log_interval, 45);
        QCOMPARE(r.config.actuator_settings.at(0).setpoint, 320);
    }

    void missingOrUnreadableFiles()
    {
        Files files;
        QCOMPARE(int(SettingsFile::read(files.path("none.cfg"), sampleConfig()).problem),
                 int(ReadResult::UNREADABLE));
        QDir().mkpath(files.path("folder.cfg"));
        QCOMPARE(int(SettingsFile::read(files.path("folder.cfg"), sampleConfig()).problem),
                 int(ReadResult::UNREADABLE));
        if (geteuid() == 0)
            QSKIP("root reads every file");
        const QString locked = files.write("[config]\nlocation=x\n");
        QFile::setPermissions(locked, QFileDevice::Permissions());
        QCOMPARE(int(SettingsFile::read(locked, sampleConfig()).problem),
                 int(ReadResult::UNREADABLE));
    }

    void exportThatCannotBeWritten_fails()
    {
        Files files;
        const QString plain = files.write("not a folder", "plain");
        QVERIFY(!SettingsFile::write(plain + "/x.cfg", sampleConfig()));
        QDir().mkpath(files.path("taken.cfg"));
        QVERIFY(!SettingsFile::write(files.path("taken.cfg"), sampleConfig()));
    }
};

QTEST_GUILESS_MAIN(tst_SettingsFile)
#include "tst_settingsfile.moc"
