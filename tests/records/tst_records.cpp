// The device records: text forms, validity, equality and the helpers over the enumerations.
#include "records/VoroDevice.h"

#include <QtTest>

class tst_Records : public QObject
{
    Q_OBJECT

private slots:
    void actuatorSettingsTextPutsControlSourceLast()
    {
        ActuatorSettings a;
        a.active = true;
        a.sensor_type = 16;
        a.sensor_offset = -5;
        a.pot_min = 0;
        a.pot_max = 1000;
        a.pot_shift_min = -30;
        a.pot_shift_max = 30;
        a.hysteresis_heating = 5;
        a.hysteresis_cooling = 5;
        a.setpoint = 210;
        a.actuator_type = 0;
        a.control_source = 2;
        QCOMPARE(a.toText(), QString("1;16;-5;0;1000;-30;30;5;5;210;0;2"));
        bool ok = false;
        QCOMPARE(ActuatorSettings::fromText(a.toText(), &ok), a);
        QVERIFY(ok);
    }

    void actuatorSettingsParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("eleven parts") << "1;16;-5;0;1000;-30;30;5;5;210;0" << false;
        QTest::newRow("thirteen parts") << "1;16;-5;0;1000;-30;30;5;5;210;0;2;0" << false;
        QTest::newRow("empty part") << "1;16;;0;1000;-30;30;5;5;210;0;2" << false;
        QTest::newRow("letters") << "1;16;-5;0;1000;-30;30;5;5;21o;0;2" << false;
        QTest::newRow("hexadecimal") << "1;0x10;-5;0;1000;-30;30;5;5;210;0;2" << false;
        QTest::newRow("beyond int") << "1;16;-5;0;4294967295;-30;30;5;5;210;0;2" << false;
        QTest::newRow("negative potentiometer limit")
            << "1;16;-5;-5;1000;-30;30;5;5;210;0;2" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("valid") << "7;16;-5;0;1000;-30;30;5;5;210;0;2" << true;
        // Each field holds what the box can take back, nothing cut or cast to fit.
        QTest::newRow("negative pot_min") << "1;16;-5;-5;1000;-30;30;5;5;210;0;2" << false;
        QTest::newRow("negative pot_max") << "1;16;-5;0;-1;-30;30;5;5;210;0;2" << false;
        QTest::newRow("sensor type without key") << "1;11;-5;0;1000;-30;30;5;5;210;0;2" << false;
        QTest::newRow("sensor type 0") << "1;0;-5;0;1000;-30;30;5;5;210;0;2" << false;
        QTest::newRow("actuator type 2") << "1;16;-5;0;1000;-30;30;5;5;210;2;2" << false;
        QTest::newRow("control source 9") << "1;16;-5;0;1000;-30;30;5;5;210;0;9" << false;
        QTest::newRow("control source -1") << "1;16;-5;0;1000;-30;30;5;5;210;0;-1" << false;
        QTest::newRow("offset beyond 16 bits") << "1;16;32768;0;1000;-30;30;5;5;210;0;2" << false;
        QTest::newRow("shift below 16 bits") << "1;16;0;0;1000;-32769;30;5;5;210;0;2" << false;
        QTest::newRow("negative hysteresis") << "1;16;0;0;1000;-30;30;-1;5;210;0;2" << false;
        QTest::newRow("odd but representable")
            << "1;19;-32768;2147483647;0;32767;-32768;0;32767;-32768;1;8" << true;
    }

    void actuatorSettingsParsing()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        bool ok = !valid;
        const ActuatorSettings a = ActuatorSettings::fromText(text, &ok);
        QCOMPARE(ok, valid);
        if (valid)
            QVERIFY(a.active); // any non-zero number is true
    }

    void commonSettingsParsing()
    {
        bool ok = false;
        QCOMPARE(CommonSettings::fromText("0;1;10", &ok), CommonSettings());
        QVERIFY(ok);
        CommonSettings::fromText("0;1", &ok);
        QVERIFY(!ok);
        CommonSettings::fromText("0;1;10;4", &ok);
        QVERIFY(!ok);
        CommonSettings::fromText("0;x;10", &ok);
        QVERIFY(!ok);
        for (const char* beyond : { "2;1;10", "-1;1;10", "0;3;10", "0;1;256", "0;1;-1" }) {
            CommonSettings::fromText(beyond, &ok);
            QVERIFY2(!ok, beyond);
        }
        CommonSettings c;
        c.control_mode = 1;
        c.control_type = 2;
        c.modbus_response_delay = 255;
        QCOMPARE(c.toText(), QString("1;2;255"));
        QCOMPARE(CommonSettings::fromText(c.toText(), &ok), c);
    }

    void statusParsing()
    {
        bool ok = false;
        DeviceStatus s = DeviceStatus::fromText("17;19200;e;1;3725;1;42;12", &ok);
        QVERIFY(ok);
        QCOMPARE(s.modbus_address, 17);
        QCOMPARE(s.baudrate, 19200);
        QCOMPARE(s.parity, 'e');
        QCOMPARE(s.stop_bits, 1);
        QCOMPARE(s.uptime, 3725);
        QVERIFY(s.cooling);
        QCOMPARE(s.spare_value, 42);
        QCOMPARE(s.config_write_count, 12u);
        QCOMPARE(s.flash_write_count, 0xFFFFFFFFu); // not reported

        s = DeviceStatus::fromText("1;9600;n;2;0;0;0;4294967295;7;extra;parts", &ok);
        QVERIFY(ok);
        QCOMPARE(s.config_write_count, 4294967295u);
        QCOMPARE(s.flash_write_count, 7u);
        QVERIFY(!s.cooling);

        s = DeviceStatus::fromText(QString::fromUtf8("1;9600;\u20ac;2;0;0;0;4;7"), &ok);
        QVERIFY(ok);
        QCOMPARE(int(s.parity), 0); // beyond Latin-1

        for (const char* bad :
             { "1;9600;no;2;0;0;0;4;7", "1;9600;;2;0;0;0;4;7", "1;9600;n;2;0;0;0",
               "1;9600;n;2;0;0;0;-1", "1;9600;n;2;0;0;0;4;", "1;9600;n;2;0;0;0;4;x",
               "256;9600;n;2;0;0;0;4;7", "1;-9600;n;2;0;0;0;4;7", "1;9600;n;-1;0;0;0;4;7",
               "1;9600;n;2;-1;0;0;4;7" }) {
            DeviceStatus::fromText(bad, &ok);
            QVERIFY2(!ok, bad);
        }
    }

    void actuatorDataParsing()
    {
        bool ok = false;
        const ActuatorData d = ActuatorData::fromText("215;10950;0;17000000;0;1;3;5", &ok);
        QVERIFY(ok);
        QCOMPARE(d.temperature, 215);
        QCOMPARE(d.sensor_resistance, 10950);
        QVERIFY(d.pot_resistance > ActuatorData::MAX_VALID_RESISTANCE);
        QVERIFY(d.triac);
        QCOMPARE(int(d.errors),
                 VoroDefinitions::E__SENSOR_NC | VoroDefinitions::E__SENSOR_OUT_OF_RANGE);
        QCOMPARE(int(d.mem_errors), VoroDefinitions::E__SENSOR_NC | VoroDefinitions::E__POT_NC);

        const ActuatorData wide = ActuatorData::fromText("-55;1;2;3;4;0;255;0;more", &ok);
        QVERIFY(ok);
        QCOMPARE(wide.temperature, -55);
        QCOMPARE(int(wide.errors), 0xFF);

        // Error bits are a byte: a number beyond it is not cut to its low bits.
        for (const char* bad : { "215;10950;0;17000000;0;1;3", "215;10950;0;17000000;0;1;3;x",
                                 "215;10950;0;17000000;0;1;257;0", "215;10950;0;17000000;0;1;0;-1",
                                 "215;-1;0;17000000;0;1;0;0", "215;0;0;-17000000;0;1;0;0" }) {
            ActuatorData::fromText(bad, &ok);
            QVERIFY2(!ok, bad);
        }
    }

    void hostileTextsAreRefusedOrReadWithoutHarm()
    {
        // what a faulty box might send: long, binary, separators only
        const QStringList texts { QString(63, QLatin1Char(';')), QString(5000, QLatin1Char('9')),
                                  QString::fromLatin1("\x01\x02\xff;\t;\n"),
                                  QString::fromUtf8("\xef\xbf\xbd;1;2") };
        for (const QString& t : texts) {
            bool ok = true;
            CommonSettings::fromText(t, &ok);
            QVERIFY(!ok);
            ActuatorSettings::fromText(t, &ok);
            QVERIFY(!ok);
            DeviceStatus::fromText(t, &ok);
            QVERIFY(!ok);
            ActuatorData::fromText(t, &ok);
            QVERIFY(!ok);
        }
    }

    void configEquality()
    {
        VoroConfig a;
        a.location = QString();
        a.actuator_locations = QStringList { "A", "B" };
        a.log_interval = 300;
        a.actuator_settings = QVector<ActuatorSettings>(8);
        VoroConfig b = a;
        b.location = QLatin1String("");
        QVERIFY(a == b); // null and empty locations are equal

        b.actuator_settings[5].setpoint = 215;
        QVERIFY(a != b);
        b = a;
        b.actuator_settings.removeLast();
        QVERIFY(a != b);
        b = a;
        b.actuator_locations[1] = "C";
        QVERIFY(a != b);
        b = a;
        b.common.modbus_response_delay = 11;
        QVERIFY(a != b);
        b = a;
        b.log_interval = 60;
        QVERIFY(a != b);
    }

    void defaults()
    {
        const ActuatorSettings a;
        QVERIFY(a.active);
        QCOMPARE(a.sensor_type, int(VoroDefinitions::ST__PT1000));
        QCOMPARE(a.pot_max, 1000u);
        QCOMPARE(a.pot_shift_min, -30);
        const VoroDevice d;
        QCOMPARE(d.id, -1);
        QCOMPARE(d.state, int(VoroDefinitions::DS__NEW));
        QVERIFY(d.firmware_version.isNull());
        QCOMPARE(d.status.parity, 'n');
        QCOMPARE(VoroDevice(7).id, 7);
    }

    void enumHelpers()
    {
        QVERIFY(enumKey("SensorType", 11).isNull());
        QCOMPARE(enumKey("SensorType", 16), QString("ST__PT1000"));
        QCOMPARE(enumKey("ControlSource", 8), QString("CS__ACTUATOR_8"));
        QVERIFY(enumKey("NoSuchEnum", 0).isNull());
        bool ok = false;
        QCOMPARE(enumValue("SensorType", "ST__PT1000", &ok), 16);
        QVERIFY(ok);
        QCOMPARE(enumValue("SensorType", "PT1000", &ok), -1);
        QVERIFY(!ok);
        QCOMPARE(enumValue("ActuatorType", "AT__NO", &ok), 1);
        QCOMPARE(enumValue("ControlMode", "", &ok), -1);
        QVERIFY(!ok);
        QCOMPARE(enumValue("NoSuchEnum", "CM__LOCAL", &ok), -1);
        QVERIFY(!ok);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("name");
        QTest::newRow("location") << " Room 1.01, North "
                                  << "x"
                                  << ""
                                  << "room_1_01_north";
        QTest::newRow("blank") << "  "
                               << "fallback"
                               << ".cfg"
                               << "fallback.cfg";
        QTest::newRow("forbidden") << "A/B:C"
                                   << "x"
                                   << ""
                                   << "abc";
        QTest::newRow("only forbidden") << "<>:\"/\\|?*"
                                        << "device"
                                        << ".cfg"
                                        << "device.cfg";
        QTest::newRow("run") << "a . ,\t,b"
                             << "x"
                             << ".csv"
                             << "a_b.csv";
        QTest::newRow("umlaut") << QString::fromUtf8("Büro Süd") << "x"
                                << "" << QString::fromUtf8("büro_süd");
    }

    void fileNames()
    {
        QFETCH(QString, text);
        QFETCH(QString, fallback);
        QFETCH(QString, suffix);
        QFETCH(QString, name);
        QCOMPARE(makeFileName(text, fallback, suffix), name);
    }
};

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
