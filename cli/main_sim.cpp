// The command line on simulated hardware, for trying it without boxes and for its tests. Options
// of its own come first and are taken away before the command line sees the rest:
//   --sim-boxes N           N more boxes, "Box 1" … "Box N" (besides the demo's two)
//   --sim-old-firmware      two boxes with older firmware, as voro-box-cdu-sim has them
//   --sim-bootloader-fault KIND   one of them misbehaves in its bootloader (refuse, layout,
//                           open, unplug; sim/DemoScenario.h)
//   --sim-twin              a second "Lab 2"
//   --sim-latency MS        every USB report costs that long (1 as on a real box)
//   --sim-none              no box at all
#include "cli/CommandLineMain.h"
#include "sim/DemoScenario.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<char*> rest { argv[0] };
    bool old_firmware = false, twin = false, none = false;
    int boxes = 0;
    QString fault;
    for (int i = 1; i < argc; ++i) {
        const bool value = i + 1 < argc;
        if (std::strcmp(argv[i], "--sim-old-firmware") == 0)
            old_firmware = true;
        else if (std::strcmp(argv[i], "--sim-twin") == 0)
            twin = true;
        else if (std::strcmp(argv[i], "--sim-none") == 0)
            none = true;
        else if (std::strcmp(argv[i], "--sim-boxes") == 0 && value)
            boxes = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--sim-bootloader-fault") == 0 && value)
            fault = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--sim-latency") == 0 && value)
            hidsim::Bus::instance().setLatency(std::chrono::milliseconds(std::atoi(argv[++i])));
        else
            rest.push_back(argv[i]);
    }
    if (!none && !hidsim::plugDemoScenario(old_firmware, fault)) {
        std::fprintf(stderr, "unknown bootloader fault: %s (refuse, layout, open, unplug)\n",
                     qPrintable(fault));
        return 2;
    }
    for (int i = 0; i < boxes; ++i)
        hidsim::Bus::instance().plug(
            std::make_shared<hidsim::VoroBox>(QStringLiteral("Box %1").arg(i + 1)));
    if (twin) {
        auto other = std::make_shared<hidsim::VoroBox>(QStringLiteral("Lab 2"));
        other->setTimeScale(hidsim::kDemoTimeScale);
        hidsim::Bus::instance().plug(other);
    }
    int count = int(rest.size());
    rest.push_back(nullptr);
    return commandLineMain(count, rest.data());
}
