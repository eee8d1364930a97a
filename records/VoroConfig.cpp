#include "records/VoroConfig.h"

#include "records/RecordText.h"

QString CommonSettings::toText() const
{
    return QStringLiteral("%1;%2;%3")
        .arg(control_mode)
        .arg(control_type)
        .arg(modbus_response_delay);
}

CommonSettings CommonSettings::fromText(const QString& text, bool* ok)
{
    RecordText in(text);
    CommonSettings c;
    *ok = in.count() == 3 && in.toEnum(0, c.control_mode, "ControlMode")
        && in.toEnum(1, c.control_type, "ControlType")
        && in.toInt(2, c.modbus_response_delay, 0, MAX_RESPONSE_DELAY);
    return c;
}

bool CommonSettings::operator==(const CommonSettings& o) const
{
    return control_mode == o.control_mode && control_type == o.control_type
        && modbus_response_delay == o.modbus_response_delay;
}

QString ActuatorSettings::toText() const
{
    return QStringList { QString::number(active ? 1 : 0),
                         QString::number(sensor_type),
                         QString::number(sensor_offset),
                         QString::number(pot_min),
                         QString::number(pot_max),
                         QString::number(pot_shift_min),
                         QString::number(pot_shift_max),
                         QString::number(hysteresis_heating),
                         QString::number(hysteresis_cooling),
                         QString::number(setpoint),
                         QString::number(actuator_type),
                         QString::number(control_source) }
        .join(QLatin1Char(';'));
}

ActuatorSettings ActuatorSettings::fromText(const QString& text, bool* ok)
{
    RecordText in(text);
    ActuatorSettings a;
    // The limits are read as int, as the box parses them when they come back.
    int pot_min = 0, pot_max = 0;
    const int lo = RecordText::WORD_MIN, hi = RecordText::WORD_MAX;
    *ok = in.count() == 12 && in.toBool(0, a.active) && in.toEnum(1, a.sensor_type, "SensorType")
        && in.toInt(2, a.sensor_offset, lo, hi) && in.toInt(3, pot_min, 0)
        && in.toInt(4, pot_max, 0) && in.toInt(5, a.pot_shift_min, lo, hi)
        && in.toInt(6, a.pot_shift_max, lo, hi) && in.toInt(7, a.hysteresis_heating, 0, hi)
        && in.toInt(8, a.hysteresis_cooling, 0, hi) && in.toInt(9, a.setpoint, lo, hi)
        && in.toEnum(10, a.actuator_type, "ActuatorType")
        && in.toEnum(11, a.control_source, "ControlSource");
    a.pot_min = quint32(pot_min);
    a.pot_max = quint32(pot_max);
    return a;
}

bool ActuatorSettings::operator==(const ActuatorSettings& o) const
{
    return active == o.active && control_source == o.control_source && sensor_type == o.sensor_type
        && sensor_offset == o.sensor_offset && pot_min == o.pot_min && pot_max == o.pot_max
        && pot_shift_min == o.pot_shift_min && pot_shift_max == o.pot_shift_max
        && hysteresis_heating == o.hysteresis_heating && hysteresis_cooling == o.hysteresis_cooling
        && setpoint == o.setpoint && actuator_type == o.actuator_type;
}

bool VoroConfig::operator==(const VoroConfig& o) const
{
    return location == o.location && actuator_locations == o.actuator_locations
        && log_interval == o.log_interval && common == o.common
        && actuator_settings == o.actuator_settings;
}
