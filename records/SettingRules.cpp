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

QString tenths(int value)
{
    return QString::number(value / 10.0, 'f', 1);
}

QString range(const QString& low, const QString& high, const QString& unit)
{
    return SettingProblem::tr("%1 … %2 %3").arg(low, high, unit);
}

QString tenthsRange(int low, int high, const QString& unit)
{
    return range(tenths(low), tenths(high), unit);
}

class Checker
{
public:
    Checker(const VoroConfig& candidate, const VoroConfig& reference)
        : c(candidate)
        , r(reference)
    { }

    std::optional<SettingProblem> problem;

    // A changed number must lie within [low, high], on a multiple of `step`.
    void number(const ConfigField& f, qint64 low, qint64 high, const QString& allowed,
                qint64 step = 1)
    {
        if (problem || unchanged(f))
            return;
        const qint64 v = f.value(c).toLongLong();
        if (v < low || v > high || v % step != 0)
            refuse(f, allowed);
    }
    void enumeration(const ConfigField& f, const char* enum_name)
    {
        if (problem || unchanged(f))
            return;
        if (enumKey(enum_name, f.value(c).toInt()).isNull())
            refuse(f, enumNames(enum_name));
    }
    void text(const ConfigField& f, bool plain)
    {
        if (problem || unchanged(f))
            return;
        const QString t = f.value(c).toString();
        if (t.size() > LOCATION_LENGTH || (plain && t.contains(QLatin1Char(';')))) {
            refuse(f,
                   plain ? SettingProblem::tr("at most %1 characters, without \";\"")
                               .arg(LOCATION_LENGTH)
                         : SettingProblem::tr("at most %1 characters").arg(LOCATION_LENGTH));
        }
    }

    void actuator(int i)
    {
        using F = ConfigField;
        const QVector<ActuatorSettings>& all = c.actuator_settings;
        const ActuatorSettings& a = all.at(i);
        followers(i);
        enumeration(F(F::SENSOR_TYPE, i), "SensorType");
        const QString kelvin = QStringLiteral("K");
        number(F(F::SENSOR_OFFSET, i), -SENSOR_OFFSET_LIMIT, SENSOR_OFFSET_LIMIT,
               tenthsRange(-SENSOR_OFFSET_LIMIT, SENSOR_OFFSET_LIMIT, kelvin));
        const QString ohm_range
            = range(QString::number(0), QString::number(POT_RESISTANCE_MAX), QStringLiteral("Ohm"));
        number(F(F::POT_MIN, i), 0, POT_RESISTANCE_MAX, ohm_range);
        number(F(F::POT_MAX, i), 0, POT_RESISTANCE_MAX, ohm_range);
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
        const QString shift_range = tenthsRange(-POT_SHIFT_LIMIT, POT_SHIFT_LIMIT, kelvin);
        number(F(F::POT_SHIFT_MIN, i), -POT_SHIFT_LIMIT, POT_SHIFT_LIMIT, shift_range);
        number(F(F::POT_SHIFT_MAX, i), -POT_SHIFT_LIMIT, POT_SHIFT_LIMIT, shift_range);
        const QString hysteresis_range = tenthsRange(0, HYSTERESIS_MAX, kelvin);
        number(F(F::HYSTERESIS_HEATING, i), 0, HYSTERESIS_MAX, hysteresis_range);
        number(F(F::HYSTERESIS_COOLING, i), 0, HYSTERESIS_MAX, hysteresis_range);
        number(F(F::SETPOINT, i), SETPOINT_MIN, SETPOINT_MAX,
               tenthsRange(SETPOINT_MIN, SETPOINT_MAX, QStringLiteral("°C")));
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

namespace SettingRules {

std::optional<SettingProblem> check(const VoroConfig& candidate, const VoroConfig& reference)
{
    using F = ConfigField;
    Checker k(candidate, reference);
    k.text(F::LOCATION, false);
    for (int i = 0; i < candidate.actuator_locations.size(); ++i)
        k.text(F(F::ACTUATOR_LOCATION, i), true);
    k.number(F::LOG_INTERVAL, LOG_INTERVAL_MIN, LOG_INTERVAL_MAX,
             SettingProblem::tr("%1 … %2 minutes, in whole minutes")
                 .arg(LOG_INTERVAL_MIN / 60)
                 .arg(LOG_INTERVAL_MAX / 60),
             LOG_INTERVAL_MIN);
    k.enumeration(F::CONTROL_MODE, "ControlMode");
    k.enumeration(F::CONTROL_TYPE, "ControlType");
    k.number(F::MODBUS_RESPONSE_DELAY, 0, RESPONSE_DELAY_MAX,
             range(QString::number(0), QString::number(RESPONSE_DELAY_MAX), QStringLiteral("ms")));
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
