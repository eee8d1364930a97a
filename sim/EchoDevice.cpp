#include "sim/EchoDevice.h"

namespace hidsim {

EchoDevice::EchoDevice(unsigned short vendor_id, unsigned short product_id,
                       unsigned short release_number)
    : vendor(vendor_id)
    , product(product_id)
    , release(release_number)
{ }

bool EchoDevice::receive(const QByteArray& report, Port& port)
{
    QByteArray reply = report.mid(1, 64);
    reply.append(QByteArray(64 - reply.size(), '\0'));
    port.send(reply, reply_delay.load());
    return true;
}

} // namespace hidsim
