#pragma once

#include "records/VoroConfig.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>
#include <QVector>

// One field of a box's configuration: device-wide, or one of an actuator. What the program
// compares, merges, checks and reports field by field: the fields a write did not bring to the
// box, the field an edit may not take, the user's edits kept over the box's new values.
struct ConfigField
{
    Q_DECLARE_TR_FUNCTIONS(ConfigField)

public:
    // In the order of the settings file.
    enum Name {
        LOCATION,
        LOG_INTERVAL,
        CONTROL_MODE,
        CONTROL_TYPE,
        MODBUS_RESPONSE_DELAY,
        ACTUATOR_LOCATION,
        ACTIVE,
        CONTROL_SOURCE,
        SENSOR_TYPE,
        SENSOR_OFFSET,
        POT_MIN,
        POT_MAX,
        POT_SHIFT_MIN,
        POT_SHIFT_MAX,
        HYSTERESIS_HEATING,
        HYSTERESIS_COOLING,
        SETPOINT,
        ACTUATOR_TYPE,
    };

    ConfigField() = default;
    ConfigField(Name name, int actuator = -1)
        : name(name)
        , actuator(actuator)
    { }

    Name name = LOCATION;
    int actuator = -1; // 0-based; for ACTUATOR_LOCATION and the actuator settings

    bool ofActuator() const { return name >= ACTUATOR_LOCATION; }
    // As the settings file names it: "location", "common_settings\control_mode",
    // "actuator_settings\3\setpoint" (actuators counted from 1, as in the file).
    QString key() const;
    // As the user reads it: "Location", "Actuator 3: Setpoint".
    QString label() const;
    // The same in two parts, as the window groups it: "Actuator 3" (or the property group,
    // "Control") and "Setpoint".
    QString group() const;
    QString title() const;

    // The field's value in `config`: an int (pot_min and pot_max as unsigned), a bool or a
    // text; invalid when `config` has no such actuator.
    QVariant value(const VoroConfig& config) const;
    // False when `config` has no such actuator.
    bool setValue(VoroConfig& config, const QVariant& value) const;
    // The value as a settings file holds it: an enumeration by its key name (empty for a value
    // without one), a flag as 0 or 1, numbers in the record's units, texts as they are.
    QString fileText(const VoroConfig& config) const;

    bool operator==(const ConfigField& o) const { return name == o.name && actuator == o.actuator; }
    bool operator!=(const ConfigField& o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(ConfigField)

namespace ConfigFields {

// Every field of a configuration with `actuators` actuators, in the order of the settings file.
QVector<ConfigField> all(int actuators);
// The fields in which `a` and `b` differ, in that order; the actuators only one of them has
// count as differing in every field.
QVector<ConfigField> differing(const VoroConfig& a, const VoroConfig& b);
// Three-way: the fields the user changed (`local` against `base`) over the box's new values
// (`theirs`). Actuators beyond what `theirs` has are dropped: the box decides how many it has.
VoroConfig merged(const VoroConfig& base, const VoroConfig& local, const VoroConfig& theirs);
// The location and the actuators' locations: what tells boxes apart, and what a file written
// to many boxes leaves alone unless asked.
bool isLocation(const ConfigField& field);
// `to` with the locations of `from`.
VoroConfig withLocationsOf(const VoroConfig& to, const VoroConfig& from);

} // namespace ConfigFields
