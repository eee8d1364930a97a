#pragma once

#include "records/VoroConfig.h"
#include "records/VoroDevice.h"

#include <QString>

class IChangeNotifier;

// What the actuator table shows of one actuator, and which of its cells change when new values
// arrive.
struct ActuatorColumn
{
    int index = 0; // 0-based actuator index = table column
    ActuatorData data;
    ActuatorSettings settings;
    QString location;
    IChangeNotifier* notifier = nullptr; // not owned
    int capabilities = 0; // the model's mask when the record was made

    // Clear Errors makes sense only for latched errors the box does not report as current.
    bool clearErrorsEnabled() const;

    // Stores the new values and announces each changed cell to the notifier; true when at least
    // one cell was announced.
    bool update(const ActuatorData& new_data, const ActuatorSettings& new_settings,
                const QString& new_location);
};
