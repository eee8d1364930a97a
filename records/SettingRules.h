#pragma once

#include "records/ConfigField.h"
#include "records/VoroConfig.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <optional>

// A value the box may not be given, and what it may hold instead.
struct SettingProblem
{
    Q_DECLARE_TR_FUNCTIONS(SettingProblem)

public:
    ConfigField field;
    QString allowed; // as the user reads it: "15.0 … 28.0 °C"

    // "Actuator 3: Setpoint – allowed: 15.0 … 28.0 °C"
    QString text() const;
    // "Allowed: 15.0 … 28.0 °C": an editor's tool tip.
    QString toolTip() const;
};

// What a number of a field may be, in the units of the records: within low … high, on a
// multiple of step. The user reads and types it divided by scale (tenths, minutes).
struct SettingRange
{
    qint64 low = 0, high = 0;
    qint64 step = 1;
    int scale = 1;
};

// What a box may be given, decided in one place for every way a value gets there: the actuator
// table, Paste, Import Settings, Save, and whatever comes later. Every field within what the
// program's editors can set; no actuator following itself, no actuators following each other
// round in a circle; a potentiometer minimum not above its maximum.
//
// Only what differs from `reference` is judged: the values the box already holds (or those
// before an edit) are taken as they are, so that an odd value the box reports never blocks an
// edit elsewhere.
namespace SettingRules {

std::optional<SettingProblem> check(const VoroConfig& candidate, const VoroConfig& reference);

// The range of a numeric field (offsets, resistances, shifts, hystereses, setpoint, response
// delay, log interval); none for the others. The editors take their limits from here.
std::optional<SettingRange> range(ConfigField::Name name);
// What a field may hold, as the user reads it: "15.0 … 28.0 °C", "at most 24 characters",
// the names of an enumeration; empty for Active, which is on or off.
QString allowed(ConfigField::Name name);
// The field's value in `config` as the window shows it: numbers in the editors' units ("21.5
// °C", "10 minutes"), enumerations by their names, Active as on or off, texts as they are.
QString shown(const ConfigField& field, const VoroConfig& config);
std::optional<SettingProblem> checkActuators(const QVector<ActuatorSettings>& candidate,
                                             const QVector<ActuatorSettings>& reference);

} // namespace SettingRules
