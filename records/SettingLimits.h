#pragma once

// What the program's editors let a user set, in the units of the records. The actuator table
// clamps to these, a settings import refuses anything beyond them, and the property groups
// state the same numbers in their editor hints.
namespace SettingLimits {
constexpr int LOCATION_LENGTH = 24; // characters (UTF-16 units)
constexpr int SETPOINT_MIN = 150, SETPOINT_MAX = 280; // 0.1 °C
constexpr int SENSOR_OFFSET_LIMIT = 50; // ±5.0 K in 0.1 K
constexpr int POT_SHIFT_LIMIT = 100; // ±10.0 K in 0.1 K
constexpr int HYSTERESIS_MAX = 50; // 0 … 5.0 K in 0.1 K
constexpr int POT_RESISTANCE_MAX = 11000; // ohm
constexpr int RESPONSE_DELAY_MAX = 255; // ms
constexpr int LOG_INTERVAL_MIN = 60, LOG_INTERVAL_MAX = 3600; // seconds, in whole minutes
} // namespace SettingLimits
