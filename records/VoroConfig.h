#pragma once

#include "records/VoroDefinitions.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

// Device-wide control and bus settings.
struct CommonSettings
{
    int control_mode = VoroDefinitions::CM__LOCAL;
    int control_type = VoroDefinitions::CT__HEATING;
    int modbus_response_delay = 10; // ms the box waits before answering on RS485

    static constexpr int MAX_RESPONSE_DELAY = 255; // the box keeps it in a byte

    // "control_mode;control_type;modbus_response_delay"; a text that does not parse, or an
    // enumeration value without a key, or a delay beyond a byte, is invalid.
    QString toText() const;
    static CommonSettings fromText(const QString& text, bool* ok);

    bool operator==(const CommonSettings& o) const;
    bool operator!=(const CommonSettings& o) const { return !(*this == o); }
};

// The configuration of one actuator. Temperatures in 0.1 °C, offsets, shifts and hystereses
// in 0.1 K, potentiometer limits in whole ohms.
struct ActuatorSettings
{
    bool active = true;
    int control_source = VoroDefinitions::CS__SENSORS;
    int sensor_type = VoroDefinitions::ST__PT1000;
    int sensor_offset = 0;
    quint32 pot_min = 0;
    quint32 pot_max = 1000;
    int pot_shift_min = -30;
    int pot_shift_max = 30;
    int hysteresis_heating = 0;
    int hysteresis_cooling = 0;
    int setpoint = 0;
    int actuator_type = VoroDefinitions::AT__NC;

    // Twelve fields with control_source last, as the box expects them. Reading refuses what the
    // box could not take back: enumeration values without a key, negative potentiometer
    // limits, 0.1-unit values beyond 16 bits, negative hystereses.
    QString toText() const;
    static ActuatorSettings fromText(const QString& text, bool* ok);

    bool operator==(const ActuatorSettings& o) const;
    bool operator!=(const ActuatorSettings& o) const { return !(*this == o); }
};

// The editable configuration of a box.
struct VoroConfig
{
    QString location;
    QStringList actuator_locations; // eight after a read
    int log_interval = 0; // seconds
    CommonSettings common;
    QVector<ActuatorSettings> actuator_settings; // eight after a read

    bool operator==(const VoroConfig& o) const;
    bool operator!=(const VoroConfig& o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(VoroConfig)
