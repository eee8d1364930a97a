#pragma once

namespace hidsim {
// What the simulator executable starts with: a couple of devices to detect and talk to. With
// `old_firmware` a third box, "Workshop", runs firmware 1.1.1.9, older than the program's, so
// that the update is offered; its bootloader takes two seconds to erase.
void plugDemoScenario(bool old_firmware = false);
} // namespace hidsim
