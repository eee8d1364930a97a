#include "sim/BoxState.h"

#include <algorithm>
#include <cmath>

namespace hidsim {

namespace {
constexpr double kRoomTimeConstant = 900.0; // s
constexpr double kHeatedTo = 32.0; // °C a room tends to with its valve open while heating
constexpr double kCooledTo = 12.0; // °C, the same while cooling
constexpr int kNoReading = 17000000; // 0.1 ohm: an open input
constexpr double kMaxStep = 10.0; // s of box time per model step

// Resistance of the sensor type at t °C, in ohm.
double resistance(int type, double t)
{
    switch (type) {
    case 16: // PT1000
        return 1000.0 * (1.0 + 3.9083e-3 * t - 5.775e-7 * t * t);
    case 17: // NI1000
        return 1000.0 * (1.0 + 5.485e-3 * t + 6.65e-6 * t * t);
    case 19: // NI1000 TK5000
        return 1000.0 * (1.0 + 4.427e-3 * t + 5.172e-6 * t * t);
    default: { // the NTC family by its resistance at 25 °C
        static const double r25[]
            = { 10000, 10000, 10000, 10000, 20000, 2200, 3000, 30000, 10000, 1800, 10000 };
        const double r = (type >= 1 && type <= 10) ? r25[type] : 10000;
        return r * std::exp(3950.0 * (1.0 / (t + 273.15) - 1.0 / 298.15));
    }
    }
}
} // namespace

BoxState::BoxState()
{
    restoreDefaults();
    saveConfiguration();
}

BoxConfig BoxState::configuration() const
{
    BoxConfig c;
    c.location = location;
    c.common = common;
    c.log_interval = log_interval;
    for (int i = 0; i < ACTUATORS; ++i) {
        c.settings[size_t(i)] = actuators[size_t(i)].settings;
        c.locations[size_t(i)] = actuators[size_t(i)].location;
    }
    return c;
}

void BoxState::restart()
{
    location = saved.location;
    common = saved.common;
    for (int i = 0; i < ACTUATORS; ++i) {
        BoxActuator& a = actuators[size_t(i)];
        a.settings = saved.settings[size_t(i)];
        a.location = saved.locations[size_t(i)];
        a.testing = false;
    }
    if (log_interval != saved.log_interval) {
        log_interval = saved.log_interval;
        clearLogs();
    }
    boot_time = now;
}

void BoxState::restoreDefaults()
{
    location.clear();
    common = { 0, 1, 10 };
    log_interval = DEFAULT_LOG_INTERVAL;
    for (auto& a : actuators) {
        a.settings = { 1, 16, 0, 0, 1000, -30, 30, 5, 5, 210, 0, 0 };
        a.location.clear();
        a.mem_errors = a.errors; // a reset forgets old errors, not a broken sensor
        a.testing = false;
    }
    clearLogs();
}

void BoxState::clearLogs()
{
    for (auto& a : actuators)
        a.log.clear();
    has_sample = false;
    last_sample = now;
}

bool BoxState::cooling() const
{
    return common[ControlType] == 2 || (common[ControlType] == 0 && cooling_input);
}

bool BoxState::triac(int i) const
{
    const BoxActuator& a = actuators[size_t(i)];
    if (a.testing)
        return true;
    return a.demand != (a.settings[ActuatorType] == 1);
}

int BoxState::potShift(int i) const
{
    const BoxActuator& a = actuators[size_t(i)];
    if (a.errors & (PotNc | PotOutOfRange))
        return 0;
    const auto& s = a.settings;
    const double lo = s[PotMin], hi = s[PotMax];
    if (hi == lo)
        return s[PotShiftMin];
    const double f = std::clamp((a.pot_resistance / 10.0 - lo) / (hi - lo), 0.0, 1.0);
    return int(std::lround(s[PotShiftMin] + f * (s[PotShiftMax] - s[PotShiftMin])));
}

int BoxState::effectiveSetpoint(int i) const
{
    return actuators[size_t(i)].settings[Setpoint] + potShift(i);
}

int BoxState::measuredTemperature(int i) const
{
    const BoxActuator& a = actuators[size_t(i)];
    return int(std::lround(a.temperature * 10.0)) + a.settings[SensorOffset];
}

int BoxState::sensorResistance(int i) const
{
    const BoxActuator& a = actuators[size_t(i)];
    if (a.errors & SensorNc)
        return kNoReading;
    if (a.errors & SensorOutOfRange)
        return 0;
    return int(std::lround(10.0 * resistance(a.settings[SensorType], a.temperature)));
}

int BoxState::reportedPotResistance(int i) const
{
    const BoxActuator& a = actuators[size_t(i)];
    if (a.errors & PotNc)
        return kNoReading;
    if (a.errors & PotOutOfRange)
        return 0;
    return a.pot_resistance;
}

LogRecord BoxState::sample(int i) const
{
    return { effectiveSetpoint(i), measuredTemperature(i), triac(i) };
}

int BoxState::secondsSinceSample() const
{
    return has_sample ? int(now - last_sample) : 0;
}

double BoxState::ambient() const
{
    return 17.0 + 2.0 * std::sin(2.0 * M_PI * now / 86400.0);
}

void BoxState::regulate()
{
    const bool cool = cooling();
    std::array<bool, ACTUATORS> before;
    for (int i = 0; i < ACTUATORS; ++i)
        before[size_t(i)] = actuators[size_t(i)].demand;
    for (int i = 0; i < ACTUATORS; ++i) {
        BoxActuator& a = actuators[size_t(i)];
        const auto& s = a.settings;
        if (!s[Active] || (a.errors & (SensorNc | SensorOutOfRange))) {
            a.demand = false;
            continue;
        }
        const int source = s[ControlSource];
        if (source >= 1 && source <= ACTUATORS && source - 1 != i) {
            a.demand = before[size_t(source - 1)];
            continue;
        }
        const int t = measuredTemperature(i), sp = effectiveSetpoint(i);
        if (cool) {
            if (t > sp + s[HysteresisCooling])
                a.demand = true;
            else if (t <= sp)
                a.demand = false;
        } else {
            if (t < sp - s[HysteresisHeating])
                a.demand = true;
            else if (t >= sp)
                a.demand = false;
        }
    }
}

void BoxState::step(double dt)
{
    regulate();
    const double amb = ambient();
    const double k = 1.0 - std::exp(-dt / kRoomTimeConstant);
    const double driven = cooling() ? kCooledTo : kHeatedTo;
    for (int i = 0; i < ACTUATORS; ++i) {
        BoxActuator& a = actuators[size_t(i)];
        const bool open = triac(i) != (a.settings[ActuatorType] == 1);
        a.temperature += ((open ? driven : amb) - a.temperature) * k;
    }
    now += dt;
}

void BoxState::sampleLogs()
{
    for (int i = 0; i < ACTUATORS; ++i) {
        auto& log = actuators[size_t(i)].log;
        log.push_back(sample(i));
        while (log.size() > size_t(LOG_CAPACITY))
            log.pop_front();
    }
    last_sample = now;
    has_sample = true;
}

void BoxState::advance(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0)
        return;
    const double interval = std::max(1, log_interval);
    const double logged = double(LOG_CAPACITY) * interval;
    if (seconds > logged) {
        // Samples older than a full log would be pushed out again: the rooms only settle,
        // in coarse steps, so that any jump costs bounded time.
        const double settle = seconds - logged;
        run(settle, std::max(kMaxStep, settle / 10000.0), false);
        last_sample = now;
        seconds = logged;
    }
    run(seconds, kMaxStep, true);
}

void BoxState::run(double seconds, double max_step, bool sampling)
{
    const double interval = std::max(1, log_interval);
    double left = seconds;
    while (left > 0) {
        double dt = std::min(left, max_step);
        if (sampling)
            dt = std::min(dt, std::max(last_sample + interval - now, 1e-6));
        step(dt);
        left -= dt;
        if (sampling && now >= last_sample + interval - 1e-9)
            sampleLogs();
    }
}

void BoxState::fillHistory()
{
    clearLogs();
    advance(double(LOG_CAPACITY) * std::max(1, log_interval));
    boot_time = now;
}

} // namespace hidsim
