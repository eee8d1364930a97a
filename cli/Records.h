#pragma once

#include "devicemanager/BoxSurvey.h"
#include "records/VoroDevice.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// A box's records as the command line prints them: JSON with the records' own field names and
// units (the settings as a settings file holds them, enumerations by key name), and text for
// a person, with units and the enumerations' readable names.
namespace Records {

// Keys every result line starts with: "name", "serial_number".
QJsonObject identity(const QString& name, const QString& serial_number);
QJsonObject identity(const VoroDevice& d);

// A list entry: position, name, serial_number, usb_path, location, firmware_version,
// protocol_version, state.
QJsonObject surveyed(const SurveyedBox& box, int position);

// Everything `show` prints.
QJsonObject device(const VoroDevice& d);
// One actuator's live values: temperature, sensor_resistance, pot_shift, pot_resistance,
// pot_setpoint, triac, errors and mem_errors (error flags by key name).
QJsonObject actuatorData(const ActuatorData& a);
QJsonArray errorKeys(quint8 bits);

// "E__SENSOR_NC" read as "Sensor not connected" where a catalogue says so.
QString readable(const QString& key);
QString errorText(quint8 bits); // "-" for none
QString tenths(int value, const char* unit); // "21.5 °C"
QString resistance(int tenth_ohms); // "1095.0 Ω", "-" beyond a valid reading
// The text `show` prints, line by line.
QStringList deviceText(const VoroDevice& d);
// One actuator's live values on one line, as `watch` prints them.
QString actuatorLine(int index, const ActuatorData& a);

} // namespace Records
