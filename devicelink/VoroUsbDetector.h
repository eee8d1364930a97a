#pragma once

#include "devicelink/HidDevice.h"

#include <QObject>
#include <QTimer>

#include <list>

// Notices voro-BOX units on USB by polling the enumeration and announces each one once. A unit
// is forgotten only when the manager says its communication has ended; it is then held back
// for about a second so that it comes back only after its old connection is gone.
class VoroUsbDetector : public QObject
{
    Q_OBJECT

public:
    static constexpr uint16_t VENDOR_ID = 0x0483;
    static constexpr uint16_t PRODUCT_ID = 0xA514;
    static constexpr int SCAN_INTERVAL_MS = 100;
    static constexpr int BLOCK_MS = 1000;

    explicit VoroUsbDetector(QObject* parent = nullptr);

    void removeDevice(const HidDevice::Id& id);

signals:
    void deviceDetected(HidDevice::Id id);

public slots:
    void scan();
    void clearBlocked();

private:
    static bool contains(const std::list<HidDevice::Id>& list, const HidDevice::Id& id);

    std::list<HidDevice::Id> known; // announced and not removed since
    std::list<HidDevice::Id> blocked; // removed recently; not announced while listed
    QTimer scan_timer;
    QTimer block_timer;
};
