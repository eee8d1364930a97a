#pragma once

#include "firmware/MemoryRegion.h"

#include <cstdint>

// The memory geometry of a bootloader device, as its query reply describes it, and the
// arithmetic between file addresses (bytes) and device addresses (units of 1 or 2 bytes).
struct DeviceLayout
{
    // The data field of a program packet holds this many bytes.
    static constexpr int MAX_BYTES_PER_PACKET = 58;
    // The host copies of all regions together never exceed this: a reply or a file that asks
    // for more is refused instead of allocated.
    static constexpr qint64 MAX_BUFFER_BYTES = 16 * 1024 * 1024;
    static constexpr int QUERY_REPLY_SIZE = 65;

    int family = 0;
    int bytesPerPacket = 0;
    int bytesPerWordProgram = 2;
    int bytesPerWordEeprom = 1;
    int bytesPerWordConfig = 2;
    int bytesPerAddressProgram = 1;
    int bytesPerAddressEeprom = 1;
    int bytesPerAddressConfig = 1;
    MemoryRegions* regions = nullptr; // the device's regions, owned by the programmer

    int bytesPerAddress(int type) const;
    int bytesPerWord(int type) const;
    bool hasRegion(int type) const;

    // Where a byte of the file goes.
    struct Location
    {
        bool found = false;
        uint8_t type = 0;
        int bytesPerAddress = 1;
        uint32_t deviceAddress = 0;
        char* data = nullptr; // none for a region starting at 0, or outside its buffer
    };
    Location locate(uint32_t fileAddress, MemoryRegions& list) const;

    // Gives every region of `type` a new erased buffer of `size` bytes starting at the
    // device address `start`.
    void relayRegions(uint32_t start, MemoryRegions& list, int type, uint32_t size) const;

    enum QueryRead { QR__OK, QR__TOO_LARGE };
    // Takes family, bytes per packet and the region records of a query reply (65 bytes, the
    // command code first) into this layout and its region list. A reply whose regions would
    // need more than MAX_BUFFER_BYTES of host memory leaves the list empty.
    QueryRead readQueryReply(const uint8_t* reply);
};
