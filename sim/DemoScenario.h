#pragma once

#include <QString>

namespace hidsim {
// What the simulator executable starts with: a couple of devices to detect and talk to. With
// `old_firmware` two more boxes run firmware older than the program's, "Workshop" (1.1.1.9) and
// "Cellar" (1.1.0.3), so that the update is offered; their bootloaders take two seconds to
// erase. `bootloader_fault` makes Cellar's bootloader misbehave:
//   "refuse"  refuses the first written image (the update succeeds at its second attempt)
//   "layout"  reports memory the image does not fit (nothing is erased; the box restarts)
//   "open"    cannot be opened three times in a row (as while permissions arrive)
//   "unplug"  is unplugged in the middle of the write and plugged in again five seconds later
// Returns false for an unknown fault.
// How much faster than real time the demo boxes' clocks run: fast enough that the live values
// move, slow enough that the live trend shows the rooms warming and cooling (a room crosses its
// setpoint and hysteresis about once a minute).
inline constexpr double kDemoTimeScale = 2;
bool plugDemoScenario(bool old_firmware = false, const QString& bootloader_fault = QString());
// A building being commissioned: `count` more boxes, "Floor 1 Room 1" and so on, alike but for
// their rooms; every fourth runs firmware 1.1.1.9 (with a bootloader to update it), and the
// third has an actuator whose sensor is not connected.
void plugBuilding(int count);
} // namespace hidsim
