#include "devicelink/VoroUsbDetector.h"

#include <QDebug>

#include <algorithm>

VoroUsbDetector::VoroUsbDetector(QObject* parent)
    : QObject(parent)
    , scan_timer(this)
    , block_timer(this)
{
    qRegisterMetaType<HidDevice::Id>("HidDevice::Id");
    connect(&scan_timer, &QTimer::timeout, this, &VoroUsbDetector::scan);
    connect(&block_timer, &QTimer::timeout, this, &VoroUsbDetector::clearBlocked);
    scan_timer.start(SCAN_INTERVAL_MS);
}

bool VoroUsbDetector::contains(const std::list<HidDevice::Id>& list, const HidDevice::Id& id)
{
    return std::find(list.begin(), list.end(), id) != list.end();
}

void VoroUsbDetector::scan()
{
    for (const HidDevice::Id& id : HidDevice::enumerate(VENDOR_ID, PRODUCT_ID)) {
        if (contains(known, id) || contains(blocked, id))
            continue;
        qDebug("usb detector: detected new device: %08x", id.getHash());
        known.push_back(id);
        emit deviceDetected(id);
    }
}

void VoroUsbDetector::removeDevice(const HidDevice::Id& id)
{
    if (!contains(known, id)) {
        qWarning("usb detector: unable to remove device: %08x", id.getHash());
        return;
    }
    qDebug("usb detector: removing device: %08x", id.getHash());
    known.remove(id);
    blocked.push_back(id);
    block_timer.start(BLOCK_MS);
}

void VoroUsbDetector::clearBlocked()
{
    blocked.clear();
}
