#pragma once

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <deque>

namespace hidsim {

// One actuator's settings as the box keeps and sends them, in this order.
enum SettingField {
    Active,
    SensorType,
    SensorOffset, // 0.1 K
    PotMin, // ohm
    PotMax, // ohm
    PotShiftMin, // 0.1 K
    PotShiftMax, // 0.1 K
    HysteresisHeating, // 0.1 K
    HysteresisCooling, // 0.1 K
    Setpoint, // 0.1 °C
    ActuatorType, // 0 normally closed, 1 normally open
    ControlSource, // 0 own sensor, 1 ... 8 follow that actuator
    SETTING_FIELDS
};

enum CommonField { ControlMode, ControlType, ModbusResponseDelay, COMMON_FIELDS };

constexpr int BOX_ACTUATORS = 8;

// The configuration a box works with: what the set commands change, and what the save command
// makes survive a restart.
struct BoxConfig
{
    QString location;
    std::array<int, COMMON_FIELDS> common {};
    int log_interval = 0;
    std::array<std::array<int, SETTING_FIELDS>, BOX_ACTUATORS> settings {};
    std::array<QString, BOX_ACTUATORS> locations;

    bool operator==(const BoxConfig& o) const
    {
        return location == o.location && common == o.common && log_interval == o.log_interval
            && settings == o.settings && locations == o.locations;
    }
    bool operator!=(const BoxConfig& o) const { return !(*this == o); }
};

// Error bits of an actuator.
enum ErrorBit : uint8_t { SensorNc = 1, SensorOutOfRange = 2, PotNc = 4, PotOutOfRange = 8 };

// One log sample: setpoint and temperature in 0.1 °C.
struct LogRecord
{
    int setpoint = 0;
    int temperature = 0;
    bool triac = false;
    bool operator==(const LogRecord& o) const
    {
        return setpoint == o.setpoint && temperature == o.temperature && triac == o.triac;
    }
};

struct BoxActuator
{
    std::array<int, SETTING_FIELDS> settings {};
    QString location;
    double temperature = 20.0; // °C, the room's true temperature
    int pot_resistance = 5000; // 0.1 ohm
    uint8_t errors = 0;
    uint8_t mem_errors = 0;
    bool demand = false; // the regulator wants the valve open
    bool testing = false; // the actuator test holds the TRIAC on
    std::deque<LogRecord> log; // oldest first
};

// What the box knows and how its rooms warm up and cool down. Plain data with no locking and
// no wire format: VoroBox guards it and speaks for it.
class BoxState
{
public:
    static constexpr int ACTUATORS = BOX_ACTUATORS;
    static constexpr int LOG_CAPACITY = 1200;
    static constexpr int DEFAULT_LOG_INTERVAL = 600;

    BoxState();

    // Factory settings: no locations, default settings and interval, errors cleared, logs empty.
    // Changes only what the box uses now; saveConfiguration() makes it permanent.
    void restoreDefaults();
    // The configuration in use, and the one the box starts from.
    BoxConfig configuration() const;
    void saveConfiguration() { saved = configuration(); }
    // A restart: the saved configuration comes back, a running test ends, the uptime restarts.
    // A log interval that changes with it starts empty logs, as a new interval always does.
    void restart();
    // Runs the rooms for `seconds` of box time, sampling the logs on the way.
    void advance(double seconds);
    // Fills every log with a full history, as a box that has run for a while has.
    void fillHistory();
    void clearLogs();

    bool cooling() const;
    bool triac(int i) const;
    int potShift(int i) const; // 0.1 K
    int measuredTemperature(int i) const; // 0.1 °C, with the sensor offset
    int sensorResistance(int i) const; // 0.1 ohm
    int reportedPotResistance(int i) const; // 0.1 ohm
    int effectiveSetpoint(int i) const; // 0.1 °C
    LogRecord sample(int i) const;
    int secondsSinceSample() const;

    // The configuration in use (here and in the actuators), and the saved one.
    QString location;
    std::array<int, COMMON_FIELDS> common {};
    int log_interval = DEFAULT_LOG_INTERVAL;
    std::array<BoxActuator, ACTUATORS> actuators;
    BoxConfig saved;

    int modbus_address = 1;
    int baudrate = 19200;
    char parity = 'e';
    int stop_bits = 1;
    bool cooling_input = false; // X19, consulted when the control type leaves it to the input
    quint32 config_write_count = 0;
    quint32 flash_write_count = 1;

    double now = 0; // box time in seconds
    double boot_time = 0;
    double last_sample = 0;
    bool has_sample = false;

private:
    void run(double seconds, double max_step, bool sampling);
    void step(double dt);
    void regulate();
    void sampleLogs();
    double ambient() const;
};

} // namespace hidsim
