#include "records/SettingRules.h"

#include "records/SettingLimits.h"

#include <QMetaEnum>
#include <QStringList>

namespace {
using namespace SettingLimits;

// The names the user sees of every value of an enumeration, joined.
QString enumNames(const char* enum_name)
{
    const QMetaObject& meta = VoroDefinitions::staticMetaObject;
    const QMetaEnum e = meta.enumerator(meta.indexOfEnumerator(enum_name));
    QStringList names;
    for (int i = 0; i < e.keyCount(); ++i)
        names << QObject::tr(e.key(i));
    return names.join(QStringLiteral(", "));
}

QString tenths(qint64 value)
{
    return QString::number(value / 10.0, 'f', 1);
}

QString range(const QString& low, const QString& high, const QString& unit)
{
    return SettingProblem::tr("%1 … %2 %3").arg(low, high, unit);
}

// The unit a numeric field is read in.
QString unitOf(ConfigField::Name name)
{
    switch (name) {
    case ConfigField::SETPOINT:
        return QStringLiteral("°C");
    case ConfigField::POT_MIN:
    case ConfigField::POT_MAX:
        return QStringLiteral("Ohm");
    case ConfigField::MODBUS_RESPONSE_DELAY:
        return QStringLiteral("ms");
    default:
        return QStringLiteral("K");
    }
}

class Checker
{
public:
    Checker(const VoroConfig& candidate, const VoroConfig& reference)
        : c(candidate)
        , r(reference)
    { }

    std::optional<SettingProblem> problem;

    // A changed number must lie within its range, on a multiple of its step.
    void number(const ConfigField& f)
    {
        if (problem || unchanged(f))
            return;
        const SettingRange r = *SettingRules::range(f.name);
        const qint64 v = f.value(c).toLongLong();
        if (v < r.low || v > r.high || v % r.step != 0)
            refuse(f, SettingRules::allowed(f.name));
    }
    void enumeration(const ConfigField& f, const char* enum_name)
    {
        if (problem || unchanged(f))
            return;
        if (enumKey(enum_name, f.value(c).toInt()).isNull())
            refuse(f, SettingRules::allowed(f.name));
    }
    void text(const ConfigField& f, bool plain)
    {
        if (problem || unchanged(f))
            return;
        const QString t = f.value(c).toString();
        if (t.size() > LOCATION_LENGTH || (plain && t.contains(QLatin1Char(';'))))
            refuse(f, SettingRules::allowed(f.name));
    }

    void actuator(int i)
    {
        using F = ConfigField;
        const QVector<ActuatorSettings>& all = c.actuator_settings;
        const ActuatorSettings& a = all.at(i);
        followers(i);
        enumeration(F(F::SENSOR_TYPE, i), "SensorType");
        number(F(F::SENSOR_OFFSET, i));
        number(F(F::POT_MIN, i));
        number(F(F::POT_MAX, i));
        if (!problem && a.pot_min > a.pot_max) {
            // blamed on the limit that was changed; a pair the box holds already is its own
            if (!unchanged(F(F::POT_MAX, i)))
                refuse(
                    F(F::POT_MAX, i),
                    SettingProblem::tr("at least the minimum resistance, %1 Ohm").arg(a.pot_min));
            else if (!unchanged(F(F::POT_MIN, i)))
                refuse(F(F::POT_MIN, i),
                       SettingProblem::tr("at most the maximum resistance, %1 Ohm").arg(a.pot_max));
        }
        number(F(F::POT_SHIFT_MIN, i));
        number(F(F::POT_SHIFT_MAX, i));
        number(F(F::HYSTERESIS_HEATING, i));
        number(F(F::HYSTERESIS_COOLING, i));
        number(F(F::SETPOINT, i));
        enumeration(F(F::ACTUATOR_TYPE, i), "ActuatorType");
    }

private:
    bool unchanged(const ConfigField& f) const
    {
        const QVariant held = f.value(r);
        return held.isValid() && held == f.value(c);
    }
    void refuse(const ConfigField& f, const QString& allowed)
    {
        if (!problem)
            problem = SettingProblem { f, allowed };
    }

    // An actuator follows the sensors or another actuator, and following leads back to the
    // sensors somewhere: the box would otherwise regulate an actuator by itself.
    void followers(int i)
    {
        using F = ConfigField;
        const F source(F::CONTROL_SOURCE, i);
        enumeration(source, "ControlSource");
        if (problem || unchanged(source))
            return;
        const QVector<ActuatorSettings>& all = c.actuator_settings;
        const int own = i + 1; // the control source that names this actuator
        if (all.at(i).control_source == own) {
            refuse(
                source,
                SettingProblem::tr("the sensors, or an actuator other than actuator %1").arg(own));
            return;
        }
        int next = all.at(i).control_source - 1;
        for (int steps = 0; next >= 0 && next < all.size() && steps < all.size(); ++steps) {
            if (next == i) {
                refuse(
                    source,
                    SettingProblem::tr("the sensors, or an actuator that does not follow actuator "
                                       "%1, directly or through others")
                        .arg(own));
                return;
            }
            next = all.at(next).control_source - 1;
        }
    }

    const VoroConfig& c;
    const VoroConfig& r;
};
} // namespace

QString SettingProblem::text() const
{
    return tr("%1 – allowed: %2").arg(field.label(), allowed);
}

QString SettingProblem::toolTip() const
{
    return tr("Allowed: %1").arg(allowed);
}

namespace SettingRules {

std::optional<SettingRange> range(ConfigField::Name name)
{
    using F = ConfigField;
    switch (name) {
    case F::LOG_INTERVAL:
        return SettingRange { LOG_INTERVAL_MIN, LOG_INTERVAL_MAX, 60, 60 };
    case F::MODBUS_RESPONSE_DELAY:
        return SettingRange { 0, RESPONSE_DELAY_MAX, 1, 1 };
    case F::SENSOR_OFFSET:
        return SettingRange { -SENSOR_OFFSET_LIMIT, SENSOR_OFFSET_LIMIT, 1, 10 };
    case F::POT_MIN:
    case F::POT_MAX:
        return SettingRange { 0, POT_RESISTANCE_MAX, 1, 1 };
    case F::POT_SHIFT_MIN:
    case F::POT_SHIFT_MAX:
        return SettingRange { -POT_SHIFT_LIMIT, POT_SHIFT_LIMIT, 1, 10 };
    case F::HYSTERESIS_HEATING:
    case F::HYSTERESIS_COOLING:
        return SettingRange { 0, HYSTERESIS_MAX, 1, 10 };
    case F::SETPOINT:
        return SettingRange { SETPOINT_MIN, SETPOINT_MAX, 1, 10 };
    default:
        return std::nullopt;
    }
}

QString allowed(ConfigField::Name name)
{
    using F = ConfigField;
    switch (name) {
    case F::LOCATION:
        return SettingProblem::tr("at most %1 characters").arg(LOCATION_LENGTH);
    case F::ACTUATOR_LOCATION:
        return SettingProblem::tr("at most %1 characters, without \";\"").arg(LOCATION_LENGTH);
    case F::LOG_INTERVAL:
        return SettingProblem::tr("%1 … %2 minutes, in whole minutes")
            .arg(LOG_INTERVAL_MIN / 60)
            .arg(LOG_INTERVAL_MAX / 60);
    case F::CONTROL_MODE:
        return enumNames("ControlMode");
    case F::CONTROL_TYPE:
        return enumNames("ControlType");
    case F::CONTROL_SOURCE:
        return enumNames("ControlSource");
    case F::SENSOR_TYPE:
        return enumNames("SensorType");
    case F::ACTUATOR_TYPE:
        return enumNames("ActuatorType");
    case F::ACTIVE:
        return QString();
    default:
        break;
    }
    const SettingRange r = *range(name);
    if (r.scale == 10)
        return ::range(tenths(r.low), tenths(r.high), unitOf(name));
    return ::range(QString::number(r.low / r.scale), QString::number(r.high / r.scale),
                   unitOf(name));
}

QString shown(const ConfigField& field, const VoroConfig& config)
{
    using F = ConfigField;
    const QVariant value = field.value(config);
    if (!value.isValid())
        return QString();
    switch (field.name) {
    case F::LOCATION:
    case F::ACTUATOR_LOCATION:
        return value.toString();
    case F::ACTIVE:
        return value.toBool() ? SettingProblem::tr("on") : SettingProblem::tr("off");
    case F::CONTROL_MODE:
    case F::CONTROL_TYPE:
    case F::CONTROL_SOURCE:
    case F::SENSOR_TYPE:
    case F::ACTUATOR_TYPE: {
        // A value without a name (one an odd box reports) is shown as its number.
        const QString key = field.fileText(config);
        return key.isEmpty() ? QString::number(value.toInt()) : QObject::tr(qPrintable(key));
    }
    case F::LOG_INTERVAL:
        return SettingProblem::tr("%1 minutes").arg(QString::number(value.toInt() / 60.0, 'g', 6));
    default:
        break;
    }
    const SettingRange r = *range(field.name);
    const qint64 v = value.toLongLong();
    const QString number = r.scale == 10 ? tenths(v) : QString::number(v / r.scale);
    return QStringLiteral("%1 %2").arg(number, unitOf(field.name));
}

std::optional<SettingProblem> check(const VoroConfig& candidate, const VoroConfig& reference)
{
    using F = ConfigField;
    Checker k(candidate, reference);
    k.text(F::LOCATION, false);
    for (int i = 0; i < candidate.actuator_locations.size(); ++i)
        k.text(F(F::ACTUATOR_LOCATION, i), true);
    k.number(F::LOG_INTERVAL);
    k.enumeration(F::CONTROL_MODE, "ControlMode");
    k.enumeration(F::CONTROL_TYPE, "ControlType");
    k.number(F::MODBUS_RESPONSE_DELAY);
    for (int i = 0; i < candidate.actuator_settings.size() && !k.problem; ++i)
        k.actuator(i);
    return k.problem;
}

std::optional<SettingProblem> checkActuators(const QVector<ActuatorSettings>& candidate,
                                             const QVector<ActuatorSettings>& reference)
{
    VoroConfig c, r;
    c.actuator_settings = candidate;
    r.actuator_settings = reference;
    Checker k(c, r);
    for (int i = 0; i < candidate.size() && !k.problem; ++i)
        k.actuator(i);
    return k.problem;
}

} // namespace SettingRules
