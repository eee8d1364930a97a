#pragma once

#include <QObject>
#include <QString>

// The device's enumerations. Their key names are stored in settings files and serve as
// translation keys for what the user sees, hence Qt enums on a QObject.
class VoroDefinitions : public QObject
{
    Q_OBJECT

public:
    // All typed as int, so that any number a box reports is a value of its enumeration, known
    // or not.
    enum ControlMode : int { CM__LOCAL = 0, CM__EXTERNAL = 1 };
    Q_ENUM(ControlMode)

    enum ControlType : int { CT__DEFINED_BY_INPUT = 0, CT__HEATING = 1, CT__COOLING = 2 };
    Q_ENUM(ControlType)

    // An actuator either uses its own sensor input or follows another actuator.
    enum ControlSource : int {
        CS__SENSORS = 0,
        CS__ACTUATOR_1,
        CS__ACTUATOR_2,
        CS__ACTUATOR_3,
        CS__ACTUATOR_4,
        CS__ACTUATOR_5,
        CS__ACTUATOR_6,
        CS__ACTUATOR_7,
        CS__ACTUATOR_8
    };
    Q_ENUM(ControlSource)

    enum ActuatorType : int { AT__NC = 0, AT__NO = 1 };
    Q_ENUM(ActuatorType)

    enum SensorType : int {
        ST__10K3A1_NTC = 1,
        ST__10K4A1_NTC = 2,
        ST__10K_NTC_CAREL = 3,
        ST__20K6A1_NTC = 4,
        ST__2_2K3A1_NTC = 5,
        ST__3K3A1_NTC = 6,
        ST__30K6A1_NTC = 7,
        ST__SIE1 = 8,
        ST__TAC1 = 9,
        ST__SAT1 = 10,
        ST__PT1000 = 16,
        ST__NI1000 = 17,
        ST__NI1000_TK5000 = 19
    };
    Q_ENUM(SensorType)

    // VoroDevice::state
    enum DeviceState { DS__NEW = 0, DS__UNSUPPORTED = 3, DS__INITIALIZED = 4, DS__READY = 5 };
    Q_ENUM(DeviceState)

    // Bits of ActuatorData::errors and mem_errors; the names are translation keys.
    enum ErrorFlag {
        E__SENSOR_NC = 0x01,
        E__SENSOR_OUT_OF_RANGE = 0x02,
        E__POT_NC = 0x04,
        E__POT_OUT_OF_RANGE = 0x08
    };
    Q_ENUM(ErrorFlag)

    static constexpr int ACTUATOR_COUNT = 8;
};

// The key of `value` in the named enumeration of VoroDefinitions; null when it has none.
QString enumKey(const char* enum_name, int value);
// The value of `key` in the named enumeration; -1 and *ok false when the key is unknown.
int enumValue(const char* enum_name, const QString& key, bool* ok = nullptr);

// A file name made from free text (a location): trimmed, without characters that file systems
// refuse, in lower case, runs of dots, blanks and commas as one "_"; `fallback` when nothing is
// left. `suffix` is appended.
QString makeFileName(const QString& text, const QString& fallback, const QString& suffix);
