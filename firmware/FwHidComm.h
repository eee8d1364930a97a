#pragma once

#include "devicelink/HidDevice.h"
#include "firmware/FwCommBase.h"

#include <memory>

// The bootloader protocol over one HID interface, found by vendor and product id.
class FwHidComm : public FwCommBase
{
    Q_OBJECT

public:
    static constexpr int ATTEMPTS = 5; // writes, and reads that report an error
    static constexpr int PING_TIMEOUT_MS = 200;
    // More waiting reports than the kernel queues for a handle means a device that keeps
    // talking; the request goes out anyway.
    static constexpr int MAX_DISCARDED_REPORTS = 64;

    FwHidComm(int vendorId, int productId, QObject* parent = nullptr);
    ~FwHidComm() override;

    // Looks for the device: with a filter exactly that interface, otherwise the first one
    // listed. Marks the transport connected when found; open() opens it.
    void findDevice(const HidDevice::Id* filter) override;
    int open() override;
    bool ping();

    bool isConnected() override;
    void close() override;
    CommResult sendPacket(const uint8_t* report, int length) override;
    // A read that times out leaves the buffer as it was and still counts as completed: a
    // silent device shows up as a reply without its echo.
    CommResult receivePacket(uint8_t* reply, int length) override;
    void discardStaleReplies() override;

    HidDevice::Id deviceId() const { return id; }

private:
    const int vendorId;
    const int productId;
    HidDevice::Id id;
    std::unique_ptr<HidDevice> device;
    bool connected = false;
};
