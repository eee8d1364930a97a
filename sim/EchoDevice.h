#pragma once

#include "sim/HidBus.h"

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

private:
    unsigned short vendor;
    unsigned short product;
    unsigned short release;
};

} // namespace hidsim
