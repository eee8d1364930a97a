#include "records/ConfigField.h"

#include <algorithm>

namespace {
// An actuator's settings in the order of the settings file.
constexpr ConfigField::Name kSettingFields[] = { ConfigField::ACTIVE,
                                                 ConfigField::CONTROL_SOURCE,
                                                 ConfigField::SENSOR_TYPE,
                                                 ConfigField::SENSOR_OFFSET,
                                                 ConfigField::POT_MIN,
                                                 ConfigField::POT_MAX,
                                                 ConfigField::POT_SHIFT_MIN,
                                                 ConfigField::POT_SHIFT_MAX,
                                                 ConfigField::HYSTERESIS_HEATING,
                                                 ConfigField::HYSTERESIS_COOLING,
                                                 ConfigField::SETPOINT,
                                                 ConfigField::ACTUATOR_TYPE };

const char* keyName(ConfigField::Name name)
{
    switch (name) {
    case ConfigField::LOCATION:
    case ConfigField::ACTUATOR_LOCATION:
        return "location";
    case ConfigField::LOG_INTERVAL:
        return "log_interval";
    case ConfigField::CONTROL_MODE:
        return "control_mode";
    case ConfigField::CONTROL_TYPE:
        return "control_type";
    case ConfigField::MODBUS_RESPONSE_DELAY:
        return "modbus_response_delay";
    case ConfigField::ACTIVE:
        return "active";
    case ConfigField::CONTROL_SOURCE:
        return "control_source";
    case ConfigField::SENSOR_TYPE:
        return "sensor_type";
    case ConfigField::SENSOR_OFFSET:
        return "sensor_offset";
    case ConfigField::POT_MIN:
        return "pot_min";
    case ConfigField::POT_MAX:
        return "pot_max";
    case ConfigField::POT_SHIFT_MIN:
        return "pot_shift_min";
    case ConfigField::POT_SHIFT_MAX:
        return "pot_shift_max";
    case ConfigField::HYSTERESIS_HEATING:
        return "hysteresis_heating";
    case ConfigField::HYSTERESIS_COOLING:
        return "hysteresis_cooling";
    case ConfigField::SETPOINT:
        return "setpoint";
    case ConfigField::ACTUATOR_TYPE:
        return "actuator_type";
    }
    return "";
}

bool hasActuator(const VoroConfig& c, const ConfigField& f)
{
    if (!f.ofActuator())
        return true;
    const int count = f.name == ConfigField::ACTUATOR_LOCATION ? c.actuator_locations.size()
                                                               : c.actuator_settings.size();
    return f.actuator >= 0 && f.actuator < count;
}
} // namespace

QString ConfigField::key() const
{
    const QString name_key = QLatin1String(keyName(name));
    switch (name) {
    case CONTROL_MODE:
    case CONTROL_TYPE:
    case MODBUS_RESPONSE_DELAY:
        return QStringLiteral("common_settings\\") + name_key;
    case ACTUATOR_LOCATION:
        return QStringLiteral("actuator_locations\\%1\\location").arg(actuator + 1);
    default:
        if (ofActuator())
            return QStringLiteral("actuator_settings\\%1\\%2").arg(actuator + 1).arg(name_key);
        return name_key;
    }
}

QString ConfigField::label() const
{
    return ofActuator() ? tr("Actuator %1: %2").arg(actuator + 1).arg(title()) : title();
}

QString ConfigField::group() const
{
    // The window's property groups, whose names live in the catalogue under their class names.
    switch (name) {
    case LOCATION:
        return QObject::tr("InfoProperties");
    case LOG_INTERVAL:
        return QObject::tr("LogProperties");
    case CONTROL_MODE:
    case CONTROL_TYPE:
        return QObject::tr("ControlProperties");
    case MODBUS_RESPONSE_DELAY:
        return QObject::tr("RS485Properties");
    default:
        return tr("Actuator %1").arg(actuator + 1);
    }
}

QString ConfigField::title() const
{
    QString text;
    switch (name) {
    case LOCATION:
    case ACTUATOR_LOCATION:
        text = tr("Location");
        break;
    case LOG_INTERVAL:
        text = tr("Log Interval");
        break;
    case CONTROL_MODE:
        text = tr("Control Mode");
        break;
    case CONTROL_TYPE:
        text = tr("Control Type");
        break;
    case MODBUS_RESPONSE_DELAY:
        text = tr("Response Delay");
        break;
    case ACTIVE:
        text = tr("Active");
        break;
    case CONTROL_SOURCE:
        text = tr("Control Source");
        break;
    case SENSOR_TYPE:
        text = tr("Sensor Type");
        break;
    case SENSOR_OFFSET:
        text = tr("Sensor Offset");
        break;
    case POT_MIN:
        text = tr("Potentiometer Min Resistance");
        break;
    case POT_MAX:
        text = tr("Potentiometer Max Resistance");
        break;
    case POT_SHIFT_MIN:
        text = tr("Potentiometer Min Shift");
        break;
    case POT_SHIFT_MAX:
        text = tr("Potentiometer Max Shift");
        break;
    case HYSTERESIS_HEATING:
        text = tr("Hysteresis Heating");
        break;
    case HYSTERESIS_COOLING:
        text = tr("Hysteresis Cooling");
        break;
    case SETPOINT:
        text = tr("Setpoint");
        break;
    case ACTUATOR_TYPE:
        text = tr("Actuator Type");
        break;
    }
    return text;
}

QVariant ConfigField::value(const VoroConfig& c) const
{
    if (!hasActuator(c, *this))
        return QVariant();
    const ActuatorSettings* a
        = name > ACTUATOR_LOCATION ? &c.actuator_settings.at(actuator) : nullptr;
    switch (name) {
    case LOCATION:
        return c.location;
    case LOG_INTERVAL:
        return c.log_interval;
    case CONTROL_MODE:
        return c.common.control_mode;
    case CONTROL_TYPE:
        return c.common.control_type;
    case MODBUS_RESPONSE_DELAY:
        return c.common.modbus_response_delay;
    case ACTUATOR_LOCATION:
        return c.actuator_locations.at(actuator);
    case ACTIVE:
        return a->active;
    case CONTROL_SOURCE:
        return a->control_source;
    case SENSOR_TYPE:
        return a->sensor_type;
    case SENSOR_OFFSET:
        return a->sensor_offset;
    case POT_MIN:
        return a->pot_min;
    case POT_MAX:
        return a->pot_max;
    case POT_SHIFT_MIN:
        return a->pot_shift_min;
    case POT_SHIFT_MAX:
        return a->pot_shift_max;
    case HYSTERESIS_HEATING:
        return a->hysteresis_heating;
    case HYSTERESIS_COOLING:
        return a->hysteresis_cooling;
    case SETPOINT:
        return a->setpoint;
    case ACTUATOR_TYPE:
        return a->actuator_type;
    }
    return QVariant();
}

QString ConfigField::fileText(const VoroConfig& c) const
{
    const QVariant v = value(c);
    const char* enumeration = nullptr;
    switch (name) {
    case CONTROL_MODE:
        enumeration = "ControlMode";
        break;
    case CONTROL_TYPE:
        enumeration = "ControlType";
        break;
    case CONTROL_SOURCE:
        enumeration = "ControlSource";
        break;
    case SENSOR_TYPE:
        enumeration = "SensorType";
        break;
    case ACTUATOR_TYPE:
        enumeration = "ActuatorType";
        break;
    case ACTIVE:
        return v.isValid() ? QString::number(v.toBool() ? 1 : 0) : QString();
    default:
        return v.toString();
    }
    return v.isValid() ? enumKey(enumeration, v.toInt()) : QString();
}

bool ConfigField::setValue(VoroConfig& c, const QVariant& v) const
{
    if (!hasActuator(c, *this))
        return false;
    ActuatorSettings* a = name > ACTUATOR_LOCATION ? &c.actuator_settings[actuator] : nullptr;
    switch (name) {
    case LOCATION:
        c.location = v.toString();
        break;
    case LOG_INTERVAL:
        c.log_interval = v.toInt();
        break;
    case CONTROL_MODE:
        c.common.control_mode = v.toInt();
        break;
    case CONTROL_TYPE:
        c.common.control_type = v.toInt();
        break;
    case MODBUS_RESPONSE_DELAY:
        c.common.modbus_response_delay = v.toInt();
        break;
    case ACTUATOR_LOCATION:
        c.actuator_locations[actuator] = v.toString();
        break;
    case ACTIVE:
        a->active = v.toBool();
        break;
    case CONTROL_SOURCE:
        a->control_source = v.toInt();
        break;
    case SENSOR_TYPE:
        a->sensor_type = v.toInt();
        break;
    case SENSOR_OFFSET:
        a->sensor_offset = v.toInt();
        break;
    case POT_MIN:
        a->pot_min = v.toUInt();
        break;
    case POT_MAX:
        a->pot_max = v.toUInt();
        break;
    case POT_SHIFT_MIN:
        a->pot_shift_min = v.toInt();
        break;
    case POT_SHIFT_MAX:
        a->pot_shift_max = v.toInt();
        break;
    case HYSTERESIS_HEATING:
        a->hysteresis_heating = v.toInt();
        break;
    case HYSTERESIS_COOLING:
        a->hysteresis_cooling = v.toInt();
        break;
    case SETPOINT:
        a->setpoint = v.toInt();
        break;
    case ACTUATOR_TYPE:
        a->actuator_type = v.toInt();
        break;
    }
    return true;
}

namespace ConfigFields {

QVector<ConfigField> all(int actuators)
{
    QVector<ConfigField> fields { ConfigField::LOCATION };
    for (int i = 0; i < actuators; ++i)
        fields.append(ConfigField(ConfigField::ACTUATOR_LOCATION, i));
    fields << ConfigField::LOG_INTERVAL << ConfigField::CONTROL_MODE << ConfigField::CONTROL_TYPE
           << ConfigField::MODBUS_RESPONSE_DELAY;
    for (int i = 0; i < actuators; ++i) {
        for (const ConfigField::Name name : kSettingFields)
            fields.append(ConfigField(name, i));
    }
    return fields;
}

QVector<ConfigField> differing(const VoroConfig& a, const VoroConfig& b)
{
    const int actuators = std::max({ a.actuator_settings.size(), b.actuator_settings.size(),
                                     a.actuator_locations.size(), b.actuator_locations.size() });
    QVector<ConfigField> fields;
    for (const ConfigField& f : all(actuators)) {
        if (f.value(a) != f.value(b))
            fields.append(f);
    }
    return fields;
}

VoroConfig merged(const VoroConfig& base, const VoroConfig& local, const VoroConfig& theirs)
{
    VoroConfig result = theirs;
    for (const ConfigField& f : differing(base, local)) {
        const QVariant mine = f.value(local);
        if (mine.isValid())
            f.setValue(result, mine);
    }
    return result;
}

bool isLocation(const ConfigField& field)
{
    return field.name == ConfigField::LOCATION || field.name == ConfigField::ACTUATOR_LOCATION;
}

VoroConfig withLocationsOf(const VoroConfig& to, const VoroConfig& from)
{
    VoroConfig out = to;
    out.location = from.location;
    for (int i = 0; i < out.actuator_locations.size() && i < from.actuator_locations.size(); ++i)
        out.actuator_locations[i] = from.actuator_locations.at(i);
    return out;
}

} // namespace ConfigFields
