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
std::optional<SettingProblem> checkActuators(const QVector<ActuatorSettings>& candidate,
                                             const QVector<ActuatorSettings>& reference);

} // namespace SettingRules
