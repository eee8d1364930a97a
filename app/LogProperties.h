#pragma once

#include "app/DeviceProperties.h"

#include <QString>

// The "Log" group: how often the box samples its actuators and how far back its log reaches.
class LogProperties : public DeviceProperties
{
    Q_OBJECT
    // its limits come from the setting rules
    Q_CLASSINFO("Interval", "singleStep=1;")
    Q_PROPERTY(int Interval READ interval WRITE setInterval USER true)
    Q_PROPERTY(QString Duration READ duration USER true)

public:
    // Samples a box keeps per actuator.
    static constexpr int LOG_CAPACITY = 1200;

    LogProperties(VoroDevice* record, bool readOnly, QObject* parent = nullptr);

    // The record keeps seconds; the user works in whole minutes.
    int interval() const;
    void setInterval(int minutes);
    // The time the log reaches back at the current interval.
    QString duration() const;
};
