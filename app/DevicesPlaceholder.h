#pragma once

#include "devicelink/HidDevice.h"

#include <QWidget>

class QListWidget;
class QTimer;
class VoroUsbDetector;

// Stand-in for the main window until it exists: lists the boxes the detector announces and
// hands vanished ones back to it, as the manager will.
class DevicesPlaceholder : public QWidget
{
    Q_OBJECT

public:
    explicit DevicesPlaceholder(QWidget* parent = nullptr);
    ~DevicesPlaceholder() override;

private:
    void onDeviceDetected(const HidDevice::Id& id);
    void onCheckPresence();

    VoroUsbDetector* detector;
    QListWidget* list;
    QTimer* presence_timer;
};
