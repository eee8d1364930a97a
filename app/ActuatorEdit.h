#pragma once

#include "records/ConfigField.h"
#include "records/VoroConfig.h"

#include <QString>
#include <QVariant>

#include <optional>

// The field a row of the actuator table edits; none for the rows of live values and buttons.
std::optional<ConfigField::Name> actuatorField(int row);

// One edit of the actuator table applied to a copy of an actuator's settings and location.
// Numbers are scaled, rounded and clamped to the range SettingRules gives (`limited` tells
// whether the number lay beyond it); false when the value is no value of its field at all,
// and then nothing was changed. Whether the result may be written is for SettingRules to say.
bool applyActuatorEdit(int actuator_index, int row, int role, const QVariant& value,
                       ActuatorSettings& settings, QString& location, bool* limited = nullptr);

// A location as the box stores it: at most 24 UTF-16 units, never ending in half of a
// surrogate pair, with ';' (the field separator of the device protocol) replaced by '_'.
QString sanitizedLocation(const QString& text);
