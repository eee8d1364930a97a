#pragma once

#include "sim/HidBus.h"

#include <atomic>

namespace hidsim {

// The simplest device on the bus: answers every output report with its bytes after the
// report id, padded to a 64-byte input report. Enough to exercise detection and the transport.
class EchoDevice : public VirtualDevice
{
public:
    EchoDevice(unsigned short vendor_id, unsigned short product_id,
               unsigned short release_number = 0x0100);
    unsigned short vendorId() const override { return vendor; }
    unsigned short productId() const override { return product; }
    unsigned short releaseNumber() const override { return release; }
    bool receive(const QByteArray& report, Port& port) override;

    // Answers this much later than the bus latency alone would.
    void setReplyDelay(std::chrono::milliseconds delay) { reply_delay = delay; }

private:
    std::atomic<std::chrono::milliseconds> reply_delay { std::chrono::milliseconds(0) };
    unsigned short vendor;
    unsigned short product;
    unsigned short release;
};

} // namespace hidsim
