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
    *ok = in.count() == 3 && in.toInt(0, c.control_mode) && in.toInt(1, c.control_type)
        && in.toInt(2, c.modbus_response_delay);
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
    // The limits are unsigned on the box: a negative one would come back as 4294967295 with
    // the next save, a value the box refuses.
    int pot_min = 0, pot_max = 0;
    *ok = in.count() == 12 && in.toBool(0, a.active) && in.toInt(1, a.sensor_type)
        && in.toInt(2, a.sensor_offset) && in.toInt(3, pot_min) && pot_min >= 0
        && in.toInt(4, pot_max) && pot_max >= 0 && in.toInt(5, a.pot_shift_min)
        && in.toInt(6, a.pot_shift_max) && in.toInt(7, a.hysteresis_heating)
        && in.toInt(8, a.hysteresis_cooling) && in.toInt(9, a.setpoint)
        && in.toInt(10, a.actuator_type) && in.toInt(11, a.control_source);
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
