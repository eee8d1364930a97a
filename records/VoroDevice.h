#pragma once

#include "logdata/LogData.h"
#include "records/VoroConfig.h"

#include <QMetaType>
#include <QString>
#include <QVector>

// What a box reports about itself.
struct DeviceStatus
{
    int modbus_address = 0;
    int baudrate = 0;
    char parity = 'n'; // 'n', 'e' or 'o'
    int stop_bits = 0;
    int uptime = 0; // seconds since the box started
    bool cooling = false;
    int spare_value = 0;
    quint32 config_write_count = 0;
    quint32 flash_write_count = 0; // 0xFFFFFFFF when the box does not report it

    static constexpr int MAX_MODBUS_ADDRESS = 255; // one byte on the bus

    // At least eight fields; a parity of one character, counts, address, baud rate, stop bits
    // and uptime not negative.
    static DeviceStatus fromText(const QString& text, bool* ok);
};

// Live values of one actuator.
struct ActuatorData
{
    // Resistances above this are no valid reading.
    static constexpr int MAX_VALID_RESISTANCE = 1699999;

    int temperature = 0; // 0.1 °C
    int sensor_resistance = 0; // 0.1 ohm
    int pot_shift = 0; // 0.1 K
    int pot_resistance = 0; // 0.1 ohm
    int pot_setpoint = 0; // 0.1 °C
    bool triac = false;
    quint8 errors = 0; // VoroDefinitions::ErrorFlag bits
    quint8 mem_errors = 0; // latched errors, same bits

    // At least eight fields; resistances not negative, error bits within a byte. Temperatures
    // are only shown and may be anything the box reports.
    static ActuatorData fromText(const QString& text, bool* ok);
};

// Everything the program knows about one box.
struct VoroDevice
{
    typedef int Id; // -1: no device

    VoroDevice() = default;
    explicit VoroDevice(Id id)
        : id(id)
    { }

    Id id = -1;
    // The USB identity the box was found under: its serial number, which names it across
    // ports, restarts and its bootloader (empty when it reports none), and the platform path
    // of its interface.
    QString serial_number;
    QString usb_path;
    int state = VoroDefinitions::DS__NEW;
    QString firmware_version;
    int protocol_version = 0;
    DeviceStatus status;
    QVector<ActuatorData> actuator_data; // eight after a status read
    VoroConfig config;
    LogData log; // the most recently read actuator log
};

Q_DECLARE_METATYPE(VoroDevice)
