#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// Memory kinds of a bootloader device; the codes are those of its query reply.
enum RegionType : uint8_t {
    RT__PROGRAM = 1,
    RT__EEPROM = 2,
    RT__CONFIG = 3,
    RT__END_OF_LIST = 0xFF, // ends the region list of a query reply, never stored
};

// One writable range of device memory and the host's copy of it. Addresses count device
// address units; the buffer holds `size` bytes.
struct MemoryRegion
{
    uint8_t type = 0;
    uint32_t start = 0;
    uint32_t end = 0; // exclusive
    uint32_t size = 0;
    QByteArray buffer;

    MemoryRegion() = default;
    // A region with an erased (all 0xFF) buffer of `size` bytes.
    MemoryRegion(uint8_t type, uint32_t start, uint32_t end, uint32_t size);
};

using MemoryRegions = std::vector<MemoryRegion>;
