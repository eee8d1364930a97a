#include "cli/Records.h"

#include "records/BoxName.h"
#include "records/ConfigField.h"

#include <QCoreApplication>

namespace Records {

namespace {
const char* const kErrorKeys[]
    = { "E__SENSOR_NC", "E__SENSOR_OUT_OF_RANGE", "E__POT_NC", "E__POT_OUT_OF_RANGE" };

QString stateKey(int state)
{
    switch (state) {
    case VoroDefinitions::DS__READY:
        return QStringLiteral("ready");
    case VoroDefinitions::DS__UNSUPPORTED:
        return QStringLiteral("unsupported");
    default:
        return QStringLiteral("starting");
    }
}

// A settings field as JSON: enumerations by key name, flags as booleans, numbers as numbers.
QJsonValue fieldValue(const ConfigField& f, const VoroConfig& c)
{
    switch (f.name) {
    case ConfigField::ACTIVE:
        return f.value(c).toBool();
    case ConfigField::LOCATION:
    case ConfigField::ACTUATOR_LOCATION:
    case ConfigField::CONTROL_MODE:
    case ConfigField::CONTROL_TYPE:
    case ConfigField::CONTROL_SOURCE:
    case ConfigField::SENSOR_TYPE:
    case ConfigField::ACTUATOR_TYPE:
        return f.fileText(c);
    default:
        return f.value(c).toLongLong();
    }
}

// The last part of a field's settings-file key: "setpoint".
QString fieldName(const ConfigField& f)
{
    return f.key().section(QLatin1Char('\\'), -1);
}

QString enumText(const char* enumeration, int value)
{
    const QString key = enumKey(enumeration, value);
    return key.isNull() ? QString::number(value) : readable(key);
}

QString uptime(int seconds)
{
    const quint32 s = quint32(seconds);
    return QStringLiteral("%1 d %2:%3:%4")
        .arg(s / 86400)
        .arg(s / 3600 % 24, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

QJsonObject identity(const QString& name, const QString& serial_number)
{
    return { { QStringLiteral("name"), name }, { QStringLiteral("serial_number"), serial_number } };
}

QJsonObject identity(const VoroDevice& d)
{
    return identity(BoxName::qualified(d), d.serial_number);
}

QJsonObject surveyed(const SurveyedBox& box, int position)
{
    QJsonObject o = identity(box.name(), box.serial_number);
    o.insert(QStringLiteral("position"), position);
    o.insert(QStringLiteral("usb_path"), box.usb_path);
    o.insert(QStringLiteral("location"), box.location);
    o.insert(QStringLiteral("firmware_version"), box.firmware_version);
    o.insert(QStringLiteral("protocol_version"), box.protocol_version);
    o.insert(QStringLiteral("state"), SurveyedBox::stateKey(box.state));
    return o;
}

QJsonArray errorKeys(quint8 bits)
{
    QJsonArray keys;
    for (int i = 0; i < 4; ++i) {
        if (bits & (1u << i))
            keys << QLatin1String(kErrorKeys[i]);
    }
    if (bits & 0xF0)
        keys << QStringLiteral("0x%1").arg(bits & 0xF0, 2, 16, QLatin1Char('0'));
    return keys;
}

QJsonObject actuatorData(const ActuatorData& a)
{
    return {
        { QStringLiteral("temperature"), a.temperature },
        { QStringLiteral("sensor_resistance"), a.sensor_resistance },
        { QStringLiteral("pot_shift"), a.pot_shift },
        { QStringLiteral("pot_resistance"), a.pot_resistance },
        { QStringLiteral("pot_setpoint"), a.pot_setpoint },
        { QStringLiteral("triac"), a.triac },
        { QStringLiteral("errors"), errorKeys(a.errors) },
        { QStringLiteral("mem_errors"), errorKeys(a.mem_errors) },
    };
}

QJsonObject device(const VoroDevice& d)
{
    QJsonObject o = identity(d);
    o.insert(QStringLiteral("usb_path"), d.usb_path);
    o.insert(QStringLiteral("location"), d.config.location);
    o.insert(QStringLiteral("firmware_version"), d.firmware_version);
    o.insert(QStringLiteral("protocol_version"), d.protocol_version);
    o.insert(QStringLiteral("state"), stateKey(d.state));
    if (d.state != VoroDefinitions::DS__READY)
        return o; // a watched box has told nothing more
    const DeviceStatus& s = d.status;
    o.insert(QStringLiteral("status"),
             QJsonObject {
                 { QStringLiteral("modbus_address"), s.modbus_address },
                 { QStringLiteral("baudrate"), s.baudrate },
                 { QStringLiteral("parity"), QString(QLatin1Char(s.parity)) },
                 { QStringLiteral("stop_bits"), s.stop_bits },
                 { QStringLiteral("uptime"), s.uptime },
                 { QStringLiteral("cooling"), s.cooling },
                 { QStringLiteral("config_write_count"), qint64(s.config_write_count) },
                 { QStringLiteral("flash_write_count"),
                   s.flash_write_count == 0xFFFFFFFFu ? QJsonValue()
                                                      : QJsonValue(qint64(s.flash_write_count)) },
             });
    const VoroConfig& c = d.config;
    QJsonObject common;
    for (const ConfigField::Name n : { ConfigField::CONTROL_MODE, ConfigField::CONTROL_TYPE,
                                       ConfigField::MODBUS_RESPONSE_DELAY })
        common.insert(fieldName(n), fieldValue(n, c));
    o.insert(QStringLiteral("config"),
             QJsonObject { { QStringLiteral("location"), c.location },
                           { QStringLiteral("log_interval"), c.log_interval },
                           { QStringLiteral("common_settings"), common } });
    QJsonArray actuators;
    for (int i = 0; i < c.actuator_settings.size(); ++i) {
        QJsonObject settings;
        for (const ConfigField& f : ConfigFields::all(c.actuator_settings.size())) {
            if (f.actuator == i && f.name != ConfigField::ACTUATOR_LOCATION)
                settings.insert(fieldName(f), fieldValue(f, c));
        }
        QJsonObject actuator { { QStringLiteral("actuator"), i + 1 },
                               { QStringLiteral("location"), c.actuator_locations.value(i) },
                               { QStringLiteral("settings"), settings } };
        if (i < d.actuator_data.size())
            actuator.insert(QStringLiteral("data"), actuatorData(d.actuator_data.at(i)));
        actuators << actuator;
    }
    o.insert(QStringLiteral("actuators"), actuators);
    return o;
}

QString readable(const QString& key)
{
    return QCoreApplication::translate("QObject", key.toLatin1().constData());
}

QString errorText(quint8 bits)
{
    QStringList texts;
    for (const QJsonValue& key : errorKeys(bits))
        texts << readable(key.toString());
    return texts.isEmpty() ? QStringLiteral("-") : texts.join(QStringLiteral(", "));
}

QString tenths(int value, const char* unit)
{
    return QStringLiteral("%1 %2").arg(value / 10.0, 0, 'f', 1).arg(QString::fromUtf8(unit));
}

QString resistance(int tenth_ohms)
{
    return tenth_ohms > ActuatorData::MAX_VALID_RESISTANCE ? QStringLiteral("-")
                                                           : tenths(tenth_ohms, "Ω");
}

QString actuatorLine(int index, const ActuatorData& a)
{
    QString line = QStringLiteral("%1: %2, setpoint %3, %4")
                       .arg(index + 1)
                       .arg(tenths(a.temperature, "°C"), tenths(a.pot_setpoint, "°C"),
                            a.triac ? QStringLiteral("on") : QStringLiteral("off"));
    if (a.errors)
        line += QStringLiteral(", errors: ") + errorText(a.errors);
    if (a.mem_errors & ~a.errors)
        line += QStringLiteral(", stored: ") + errorText(a.mem_errors);
    return line;
}

QStringList deviceText(const VoroDevice& d)
{
    const auto row = [](const char* label, const QString& value) {
        return QStringLiteral("  %1 %2").arg(QLatin1String(label), -18).arg(value);
    };
    QStringList lines {
        BoxName::qualified(d),
        row("Serial number", d.serial_number.isEmpty() ? QStringLiteral("-") : d.serial_number),
        row("Location", d.config.location),
        row("Firmware",
            QStringLiteral("%1 (protocol %2)").arg(d.firmware_version).arg(d.protocol_version)),
        row("State", stateKey(d.state))
    };
    if (d.state != VoroDefinitions::DS__READY)
        return lines;
    const DeviceStatus& s = d.status;
    const VoroConfig& c = d.config;
    lines << row("Uptime", uptime(s.uptime))
          << row("Control",
                 QStringLiteral("%1, %2 (now %3)")
                     .arg(enumText("ControlMode", c.common.control_mode),
                          enumText("ControlType", c.common.control_type),
                          s.cooling ? QStringLiteral("cooling") : QStringLiteral("heating")))
          << row("RS485",
                 QStringLiteral("address %1, %2 baud, parity %3, %4 stop bits, "
                                "response delay %5 ms")
                     .arg(s.modbus_address)
                     .arg(s.baudrate)
                     .arg(QLatin1Char(s.parity))
                     .arg(s.stop_bits)
                     .arg(c.common.modbus_response_delay))
          << row("Log interval", QStringLiteral("%1 min").arg(c.log_interval / 60.0))
          << row("Writes",
                 s.flash_write_count == 0xFFFFFFFFu
                     ? QStringLiteral("settings %1").arg(s.config_write_count)
                     : QStringLiteral("settings %1, flash %2")
                           .arg(s.config_write_count)
                           .arg(s.flash_write_count));
    for (int i = 0; i < c.actuator_settings.size(); ++i) {
        const ActuatorSettings& a = c.actuator_settings.at(i);
        const QString place = c.actuator_locations.value(i);
        lines << QString()
              << QStringLiteral("  Actuator %1%2")
                     .arg(i + 1)
                     .arg(place.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(place));
        if (i < d.actuator_data.size()) {
            const ActuatorData& v = d.actuator_data.at(i);
            lines << row("Temperature", tenths(v.temperature, "°C"))
                  << row("Sensor", resistance(v.sensor_resistance))
                  << row("Potentiometer",
                         QStringLiteral("%1, shift %2, setpoint %3")
                             .arg(resistance(v.pot_resistance), tenths(v.pot_shift, "K"),
                                  tenths(v.pot_setpoint, "°C")))
                  << row("TRIAC", v.triac ? QStringLiteral("on") : QStringLiteral("off"))
                  << row("Errors",
                         QStringLiteral("%1 (stored: %2)")
                             .arg(errorText(v.errors), errorText(v.mem_errors)));
        }
        lines << row("Settings",
                     QStringLiteral("%1, %2, %3, offset %4")
                         .arg(a.active ? QStringLiteral("active") : QStringLiteral("inactive"),
                              enumText("ControlSource", a.control_source),
                              enumText("SensorType", a.sensor_type), tenths(a.sensor_offset, "K")))
              << row("",
                     QStringLiteral("setpoint %1, hysteresis %2 heating, %3 cooling, %4")
                         .arg(tenths(a.setpoint, "°C"), tenths(a.hysteresis_heating, "K"),
                              tenths(a.hysteresis_cooling, "K"),
                              enumText("ActuatorType", a.actuator_type)))
              << row("",
                     QStringLiteral("potentiometer %1 … %2 Ω, shift %3 … %4")
                         .arg(a.pot_min)
                         .arg(a.pot_max)
                         .arg(tenths(a.pot_shift_min, "K"), tenths(a.pot_shift_max, "K")));
    }
    return lines;
}

} // namespace Records
