#include "app/ActuatorEdit.h"

#include "app/ActuatorModel.h"
#include "records/SettingLimits.h"
#include "records/SettingRules.h"

#include <algorithm>
#include <cmath>

namespace {

// x scaled in single precision, as the box firmware computes it, rounded half away from zero
// and clamped to the field's range. Clamping first keeps huge and infinite numbers out of the
// integer conversion; the bounds are whole numbers, so the result is the same as rounding
// first.
template<typename T>
bool setScaled(const QVariant& value, ConfigField::Name name, T& field, bool* limited)
{
    const SettingRange r = *SettingRules::range(name);
    bool ok = false;
    double x = value.toDouble(&ok);
    if (!ok || std::isnan(x))
        return false;
    // far beyond every bound, and within what a float can hold
    x = std::clamp(x, -1e9, 1e9);
    const float scaled = float(x) * float(r.scale);
    const float bounded = std::clamp(scaled, float(r.low), float(r.high));
    if (limited)
        *limited = std::lround(scaled) != std::lround(bounded);
    field = T(std::lround(bounded));
    return true;
}

} // namespace

QString sanitizedLocation(const QString& text)
{
    QString result = text.left(SettingLimits::LOCATION_LENGTH);
    if (result.size() == SettingLimits::LOCATION_LENGTH
        && result.at(result.size() - 1).isHighSurrogate())
        result.chop(1);
    result.replace(QLatin1Char(';'), QLatin1Char('_'));
    return result;
}

std::optional<ConfigField::Name> actuatorField(int row)
{
    using M = ActuatorModel;
    using F = ConfigField;
    switch (row) {
    case M::ROW_ACTIVE:
        return F::ACTIVE;
    case M::ROW_LOCATION:
        return F::ACTUATOR_LOCATION;
    case M::ROW_CONTROL_SOURCE:
        return F::CONTROL_SOURCE;
    case M::ROW_SENSOR_TYPE:
        return F::SENSOR_TYPE;
    case M::ROW_SENSOR_OFFSET:
        return F::SENSOR_OFFSET;
    case M::ROW_POT_MIN:
        return F::POT_MIN;
    case M::ROW_POT_MAX:
        return F::POT_MAX;
    case M::ROW_POT_SHIFT_MIN:
        return F::POT_SHIFT_MIN;
    case M::ROW_POT_SHIFT_MAX:
        return F::POT_SHIFT_MAX;
    case M::ROW_HYSTERESIS_HEATING:
        return F::HYSTERESIS_HEATING;
    case M::ROW_HYSTERESIS_COOLING:
        return F::HYSTERESIS_COOLING;
    case M::ROW_SETPOINT:
        return F::SETPOINT;
    case M::ROW_ACTUATOR_TYPE:
        return F::ACTUATOR_TYPE;
    default:
        return std::nullopt;
    }
}

bool applyActuatorEdit(int, int row, int role, const QVariant& value, ActuatorSettings& s,
                       QString& location, bool* limited)
{
    using M = ActuatorModel;
    using F = ConfigField;
    if (limited)
        *limited = false;
    if (role == Qt::CheckStateRole) {
        if (row != M::ROW_ACTIVE)
            return false;
        s.active = value.toInt() == Qt::Checked;
        return true;
    }
    if (role != Qt::EditRole)
        return false;

    switch (row) {
    case M::ROW_LOCATION:
        location = sanitizedLocation(value.toString());
        return true;
    case M::ROW_CONTROL_SOURCE: {
        // which actuator may follow which is for SettingRules to say
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok)
            return false;
        s.control_source = v;
        return true;
    }
    case M::ROW_SENSOR_TYPE:
        s.sensor_type = value.toInt();
        return true;
    case M::ROW_ACTUATOR_TYPE:
        s.actuator_type = value.toInt();
        return true;
    case M::ROW_SENSOR_OFFSET:
        return setScaled(value, F::SENSOR_OFFSET, s.sensor_offset, limited);
    case M::ROW_POT_MIN:
        return setScaled(value, F::POT_MIN, s.pot_min, limited);
    case M::ROW_POT_MAX:
        return setScaled(value, F::POT_MAX, s.pot_max, limited);
    case M::ROW_POT_SHIFT_MIN:
        return setScaled(value, F::POT_SHIFT_MIN, s.pot_shift_min, limited);
    case M::ROW_POT_SHIFT_MAX:
        return setScaled(value, F::POT_SHIFT_MAX, s.pot_shift_max, limited);
    case M::ROW_HYSTERESIS_HEATING:
        return setScaled(value, F::HYSTERESIS_HEATING, s.hysteresis_heating, limited);
    case M::ROW_HYSTERESIS_COOLING:
        return setScaled(value, F::HYSTERESIS_COOLING, s.hysteresis_cooling, limited);
    case M::ROW_SETPOINT:
        return setScaled(value, F::SETPOINT, s.setpoint, limited);
    default:
        return false;
    }
}
