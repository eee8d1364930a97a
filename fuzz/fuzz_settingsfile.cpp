// The settings-file import on any file a user may pick. A file is taken only with values the
// editors could have set (or that the box holds already), and what was taken survives an
// export and an import again unchanged.
#include "fuzz/FuzzSupport.h"

#include "device/SettingsFile.h"
#include "records/SettingLimits.h"

namespace {
using namespace SettingLimits;

VoroConfig factoryConfig()
{
    VoroConfig c;
    c.location = QStringLiteral("Office 1.01");
    c.log_interval = 600;
    for (int i = 0; i < VoroDefinitions::ACTUATOR_COUNT; ++i) {
        c.actuator_locations << QStringLiteral("Room %1").arg(i + 1);
        ActuatorSettings a;
        a.setpoint = 210;
        c.actuator_settings << a;
    }
    return c;
}

bool within(int value, int held, int min, int max)
{
    return value == held || (value >= min && value <= max);
}

bool knownOrHeld(const char* enumeration, int value, int held)
{
    return value == held || !enumKey(enumeration, value).isNull();
}

// What the editors allow, or what the box holds already.
void checkTaken(const VoroConfig& c, const VoroConfig& held)
{
    FUZZ_CHECK(c.actuator_locations.size() == held.actuator_locations.size());
    FUZZ_CHECK(c.actuator_settings.size() == held.actuator_settings.size());
    FUZZ_CHECK(c.location == held.location || c.location.size() <= LOCATION_LENGTH);
    for (int i = 0; i < c.actuator_locations.size(); ++i) {
        const QString& l = c.actuator_locations.at(i);
        FUZZ_CHECK(l == held.actuator_locations.at(i)
                   || (l.size() <= LOCATION_LENGTH && !l.contains(QLatin1Char(';'))));
    }
    FUZZ_CHECK(c.log_interval == held.log_interval
               || (within(c.log_interval, -1, LOG_INTERVAL_MIN, LOG_INTERVAL_MAX)
                   && c.log_interval % LOG_INTERVAL_MIN == 0));
    FUZZ_CHECK(within(c.common.modbus_response_delay, held.common.modbus_response_delay, 0,
                      RESPONSE_DELAY_MAX));
    FUZZ_CHECK(knownOrHeld("ControlMode", c.common.control_mode, held.common.control_mode));
    FUZZ_CHECK(knownOrHeld("ControlType", c.common.control_type, held.common.control_type));
    for (int i = 0; i < c.actuator_settings.size(); ++i) {
        const ActuatorSettings& a = c.actuator_settings.at(i);
        const ActuatorSettings& h = held.actuator_settings.at(i);
        FUZZ_CHECK(knownOrHeld("ControlSource", a.control_source, h.control_source));
        FUZZ_CHECK(knownOrHeld("SensorType", a.sensor_type, h.sensor_type));
        FUZZ_CHECK(knownOrHeld("ActuatorType", a.actuator_type, h.actuator_type));
        FUZZ_CHECK(
            within(a.sensor_offset, h.sensor_offset, -SENSOR_OFFSET_LIMIT, SENSOR_OFFSET_LIMIT));
        FUZZ_CHECK(a.pot_min == h.pot_min || a.pot_min <= quint32(POT_RESISTANCE_MAX));
        FUZZ_CHECK(a.pot_max == h.pot_max || a.pot_max <= quint32(POT_RESISTANCE_MAX));
        FUZZ_CHECK(within(a.pot_shift_min, h.pot_shift_min, -POT_SHIFT_LIMIT, POT_SHIFT_LIMIT));
        FUZZ_CHECK(within(a.pot_shift_max, h.pot_shift_max, -POT_SHIFT_LIMIT, POT_SHIFT_LIMIT));
        FUZZ_CHECK(within(a.hysteresis_heating, h.hysteresis_heating, 0, HYSTERESIS_MAX));
        FUZZ_CHECK(within(a.hysteresis_cooling, h.hysteresis_cooling, 0, HYSTERESIS_MAX));
        FUZZ_CHECK(within(a.setpoint, h.setpoint, SETPOINT_MIN, SETPOINT_MAX));
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const VoroConfig held = factoryConfig();
    const SettingsFile::ReadResult read
        = SettingsFile::read(fuzz::files().write(QStringLiteral("input.cfg"), data, size), held);
    if (!read.ok()) {
        FUZZ_CHECK(read.problem == SettingsFile::ReadResult::UNREADABLE || !read.key.isEmpty());
        return 0;
    }
    checkTaken(read.config, held);

    const QString exported = fuzz::files().path(QStringLiteral("export.cfg"));
    FUZZ_CHECK(SettingsFile::write(exported, read.config));
    fuzz::files().touch(exported); // read what was written, not what QSettings remembers
    const SettingsFile::ReadResult again = SettingsFile::read(exported, held);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.config == read.config);
    return 0;
}
