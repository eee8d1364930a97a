#include "sim/DemoScenario.h"

#include "sim/EchoDevice.h"
#include "sim/HidBus.h"

namespace hidsim {

void plugDemoScenario()
{
    Bus& bus = Bus::instance();
    bus.plug(std::make_shared<EchoDevice>(0x0483, 0xA514, 0x0200));
    bus.plug(std::make_shared<EchoDevice>(0x0483, 0xA514, 0x0200));
}

} // namespace hidsim
