#pragma once

namespace hidsim {
// What the simulator executable starts with: a couple of devices to detect and talk to.
void plugDemoScenario();
} // namespace hidsim
