#pragma once

#include "records/VoroDevice.h"

#include <QWidget>

class QListWidget;
class QListWidgetItem;
class VoroManager;

// Stand-in for the main window until it exists: owns the device manager and lists the boxes it
// announces as ready, by location, until they are deleted.
class DevicesPlaceholder : public QWidget
{
    Q_OBJECT

public:
    explicit DevicesPlaceholder(QWidget* parent = nullptr);

    VoroManager* manager() const { return m_manager; }

private:
    void onDeviceDetected(VoroDevice::Id id);
    void onDeviceDeleted(VoroDevice::Id id);
    QListWidgetItem* item(VoroDevice::Id id) const;

    VoroManager* m_manager;
    QListWidget* m_devices;
};
