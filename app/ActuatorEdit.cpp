#include "app/ActuatorEdit.h"

#include "app/ActuatorModel.h"
#include "records/SettingLimits.h"

#include <algorithm>
#include <cmath>

namespace {

// x scaled in single precision, as the box firmware computes it, rounded half away from zero
// and clamped. Clamping first keeps huge and infinite numbers out of the integer conversion;
// the bounds are whole numbers, so the result is the same as rounding first.
bool toDeviceUnits(const QVariant& value, float factor, int low, int high, int& result)
{
    bool ok = false;
    double x = value.toDouble(&ok);
    if (!ok || std::isnan(x))
        return false;
    // far beyond every bound, and within what a float can hold
    x = std::clamp(x, -1e9, 1e9);
    const float scaled = std::clamp(float(x) * factor, float(low), float(high));
    result = int(std::lround(scaled));
    return true;
}

template<typename T>
bool setScaled(const QVariant& value, float factor, int low, int high, T& field)
{
    int v = 0;
    if (!toDeviceUnits(value, factor, low, high, v))
        return false;
    field = T(v);
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

bool applyActuatorEdit(int, int row, int role, const QVariant& value, ActuatorSettings& s,
                       QString& location)
{
    using M = ActuatorModel;
    namespace L = SettingLimits;
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
        return setScaled(value, 10, -L::SENSOR_OFFSET_LIMIT, L::SENSOR_OFFSET_LIMIT,
                         s.sensor_offset);
    case M::ROW_POT_MIN:
        return setScaled(value, 1, 0, L::POT_RESISTANCE_MAX, s.pot_min);
    case M::ROW_POT_MAX:
        return setScaled(value, 1, 0, L::POT_RESISTANCE_MAX, s.pot_max);
    case M::ROW_POT_SHIFT_MIN:
        return setScaled(value, 10, -L::POT_SHIFT_LIMIT, L::POT_SHIFT_LIMIT, s.pot_shift_min);
    case M::ROW_POT_SHIFT_MAX:
        return setScaled(value, 10, -L::POT_SHIFT_LIMIT, L::POT_SHIFT_LIMIT, s.pot_shift_max);
    case M::ROW_HYSTERESIS_HEATING:
        return setScaled(value, 10, 0, L::HYSTERESIS_MAX, s.hysteresis_heating);
    case M::ROW_HYSTERESIS_COOLING:
        return setScaled(value, 10, 0, L::HYSTERESIS_MAX, s.hysteresis_cooling);
    case M::ROW_SETPOINT:
        return setScaled(value, 10, L::SETPOINT_MIN, L::SETPOINT_MAX, s.setpoint);
    default:
        return false;
    }
}
