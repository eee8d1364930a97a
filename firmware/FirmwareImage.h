#pragma once

#include "firmware/MemoryRegion.h"

// A firmware file laid into copies of the device's regions, with the version and hardware
// fields of its header (sent to the device with the erase command).
struct FirmwareImage
{
    MemoryRegions regions;
    bool hasHeader = false;
    int major = 0;
    int minor = 0;
    int patch = 0;
    int hardwareId = 0;
};
