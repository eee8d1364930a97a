#include "app/ActuatorColumn.h"

#include "app/ActuatorModel.h"
#include "app/IChangeNotifier.h"

bool ActuatorColumn::clearErrorsEnabled() const
{
    return data.mem_errors != 0 && data.mem_errors != data.errors;
}

bool ActuatorColumn::update(const ActuatorData& new_data, const ActuatorSettings& new_settings,
                            const QString& new_location)
{
    const ActuatorData old_data = data;
    const ActuatorSettings old_settings = settings;
    const QString old_location = location;
    const bool old_clear_errors = clearErrorsEnabled();
    data = new_data;
    settings = new_settings;
    location = new_location;
    if (!notifier)
        return false;

    using M = ActuatorModel;
    constexpr int WHOLE_COLUMN = M::ROW_COUNT - 1;
    bool changed = false;
    auto announce = [&](bool differs, int row, int further = 0) {
        if (!differs)
            return;
        notifier->cellsChanged(index, row, further);
        changed = true;
    };
    announce(old_data.temperature != data.temperature, M::ROW_TEMPERATURE);
    announce(old_data.sensor_resistance != data.sensor_resistance, M::ROW_RESISTANCE);
    announce(old_data.pot_shift != data.pot_shift, M::ROW_POT_SHIFT);
    announce(old_data.pot_resistance != data.pot_resistance, M::ROW_POT_RESISTANCE);
    announce(old_data.pot_setpoint != data.pot_setpoint, M::ROW_POT_SETPOINT);
    announce(old_data.triac != data.triac, M::ROW_TRIAC);
    announce(old_data.errors != data.errors, M::ROW_ERRORS);
    announce(old_data.mem_errors != data.mem_errors, M::ROW_MEM_ERRORS);
    // every cell's colour depends on these two
    announce(old_settings.active != settings.active, M::ROW_ACTIVE, WHOLE_COLUMN);
    announce(old_settings.sensor_type != settings.sensor_type, M::ROW_SENSOR_TYPE);
    announce(old_settings.control_source != settings.control_source, M::ROW_ACTIVE, WHOLE_COLUMN);
    announce(old_settings.sensor_offset != settings.sensor_offset, M::ROW_SENSOR_OFFSET);
    announce(old_settings.pot_min != settings.pot_min, M::ROW_POT_MIN);
    announce(old_settings.pot_max != settings.pot_max, M::ROW_POT_MAX);
    announce(old_settings.pot_shift_min != settings.pot_shift_min, M::ROW_POT_SHIFT_MIN);
    announce(old_settings.pot_shift_max != settings.pot_shift_max, M::ROW_POT_SHIFT_MAX);
    announce(old_settings.hysteresis_heating != settings.hysteresis_heating,
             M::ROW_HYSTERESIS_HEATING);
    announce(old_settings.hysteresis_cooling != settings.hysteresis_cooling,
             M::ROW_HYSTERESIS_COOLING);
    announce(old_settings.setpoint != settings.setpoint, M::ROW_SETPOINT);
    announce(old_settings.actuator_type != settings.actuator_type, M::ROW_ACTUATOR_TYPE);
    announce(old_location != location, M::ROW_LOCATION);
    announce(old_clear_errors != clearErrorsEnabled(), M::ROW_CLEAR_ERRORS);
    return changed;
}
