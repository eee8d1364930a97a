#include "firmware/FwHidComm.h"

#include <QMutexLocker>

FwHidComm::FwHidComm(int vendorId, int productId, QObject* parent)
    : FwCommBase(parent)
    , vendorId(vendorId)
    , productId(productId)
{ }

FwHidComm::~FwHidComm() = default;

void FwHidComm::findDevice(const HidDevice::Id* filter)
{
    const std::list<HidDevice::Id> found
        = HidDevice::enumerate(uint16_t(vendorId), uint16_t(productId));
    if (filter) {
        connected = false;
        for (const HidDevice::Id& candidate : found) {
            if (candidate == *filter) {
                id = candidate;
                connected = true;
                break;
            }
        }
        return;
    }
    connected = !found.empty();
    if (connected)
        id = found.front();
}

int FwHidComm::open()
{
    QMutexLocker lock(&mutex);
    device = std::make_unique<HidDevice>(id);
    connected = true;
    if (verbose)
        qDebug("Device successfully connected to.");
    return 0;
}

void FwHidComm::close()
{
    QMutexLocker lock(&mutex);
    device.reset();
    connected = false;
}

bool FwHidComm::isConnected()
{
    return connected;
}

FwCommBase::CommResult FwHidComm::sendPacket(const uint8_t* report, int length)
{
    QMutexLocker lock(&mutex);
    for (int attempt = 0; attempt < ATTEMPTS && device; ++attempt) {
        if (device->write(report, length))
            return Completed;
    }
    qWarning("Write failed.");
    close();
    return Failed;
}

FwCommBase::CommResult FwHidComm::receivePacket(uint8_t* reply, int length)
{
    QMutexLocker lock(&mutex);
    for (int attempt = 0; attempt < ATTEMPTS && device; ++attempt) {
        if (device->read(reply, length, readTimeout) >= 0)
            return Completed;
    }
    qWarning("Read failed.");
    close();
    return Failed;
}

void FwHidComm::discardStaleReplies()
{
    QMutexLocker lock(&mutex);
    uint8_t stale[PACKET_SIZE];
    for (int n = 0; n < MAX_DISCARDED_REPORTS && device; ++n) {
        if (device->readWaiting(stale, PACKET_SIZE) <= 0)
            return;
        qDebug("discarded a stale bootloader reply to command 0x%02x: %08x", stale[0],
               id.getHash());
    }
}

bool FwHidComm::ping()
{
    if (!connected || !device)
        return connected;
    QMutexLocker lock(&mutex);
    uint8_t packet[PACKET_SIZE] = { 0, uint8_t(queryCode) };
    uint8_t reply[PACKET_SIZE] = {};
    device->write(packet, PACKET_SIZE);
    if (device->read(reply, PACKET_SIZE, PING_TIMEOUT_MS) <= 0)
        close();
    return connected;
}
