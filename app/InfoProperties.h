#pragma once

#include "app/DeviceProperties.h"

#include <QString>

// The "Info" group: what the box is and how long and how often it has worked.
class InfoProperties : public DeviceProperties
{
    Q_OBJECT
    Q_PROPERTY(QString FirmwareVersion READ firmwareVersion USER true)
    Q_PROPERTY(QString Location READ location WRITE setLocation USER true)
    Q_PROPERTY(QString Uptime READ uptime USER true)
    Q_PROPERTY(QString ConfigWriteCount READ configWriteCount USER true)
    Q_PROPERTY(QString FlashWriteCount READ flashWriteCount USER true)

public:
    InfoProperties(VoroDevice* record, bool readOnly, QObject* parent = nullptr);

    QString firmwareVersion() const;
    QString location() const;
    void setLocation(const QString& location);
    QString uptime() const;
    QString configWriteCount() const;
    QString flashWriteCount() const;
};
