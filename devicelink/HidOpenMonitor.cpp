#include "devicelink/HidOpenMonitor.h"

#include "devicelink/HidDevice.h"

HidOpenMonitor* HidOpenMonitor::instance()
{
    static HidOpenMonitor* const monitor = new HidOpenMonitor;
    return monitor;
}

void HidOpenMonitor::report(const HidDevice& device)
{
    const QString path = QString::fromStdString(device.id.path);
    if (device.isOpen()) {
        emit opened(path);
        return;
    }
    qDebug("hid device: unable to open device: %08x", device.id.getHash());
    emit openFailed(path);
}
