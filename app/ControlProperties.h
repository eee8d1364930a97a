#pragma once

#include "app/DeviceProperties.h"
#include "records/VoroDefinitions.h"

#include <QString>

// The "Control" group: where the box takes its orders from and whether it heats or cools.
class ControlProperties : public DeviceProperties
{
    Q_OBJECT
    Q_PROPERTY(VoroDefinitions::ControlMode Mode READ mode WRITE setMode USER true)
    Q_PROPERTY(VoroDefinitions::ControlType Type READ type WRITE setType USER true)
    Q_PROPERTY(QString CurrentType READ currentType USER true)

public:
    // Unlike the box's own settings, Mode and Type follow the read-only flag too.
    ControlProperties(VoroDevice* record, bool readOnly, QObject* parent = nullptr);

    VoroDefinitions::ControlMode mode() const;
    void setMode(VoroDefinitions::ControlMode mode);
    VoroDefinitions::ControlType type() const;
    void setType(VoroDefinitions::ControlType type);
    QString currentType() const;
};
