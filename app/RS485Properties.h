#pragma once

#include "app/DeviceProperties.h"

#include <QString>

// The "RS485" group: the box's Modbus line as it reports it, and its answer delay.
class RS485Properties : public DeviceProperties
{
    Q_OBJECT
    // its limits come from the setting rules
    Q_CLASSINFO("ResponseDelay", "singleStep=1;")
    Q_PROPERTY(QString Address READ address USER true)
    Q_PROPERTY(QString Baudrate READ baudrate USER true)
    Q_PROPERTY(QString Parity READ parity USER true)
    Q_PROPERTY(QString StopBits READ stopBits USER true)
    Q_PROPERTY(int ResponseDelay READ responseDelay WRITE setResponseDelay USER true)

public:
    RS485Properties(VoroDevice* record, bool readOnly, QObject* parent = nullptr);

    QString address() const;
    QString baudrate() const;
    QString parity() const;
    QString stopBits() const;
    int responseDelay() const; // ms
    void setResponseDelay(int milliseconds);
};
