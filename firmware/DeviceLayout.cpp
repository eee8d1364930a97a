#include "firmware/DeviceLayout.h"

#include <QtGlobal>

namespace {
constexpr uint32_t kMaxRegionUnits = 0x0FFFFFFF;
constexpr int kMaxRecords = 6;
constexpr int kRecordSize = 9;

uint32_t le32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
} // namespace

int DeviceLayout::bytesPerAddress(int type) const
{
    switch (type) {
    case RT__PROGRAM:
        return bytesPerAddressProgram;
    case RT__EEPROM:
        return bytesPerAddressEeprom;
    case RT__CONFIG:
        return bytesPerAddressConfig;
    default:
        qWarning("unknown type: %d", type);
        return 1;
    }
}

int DeviceLayout::bytesPerWord(int type) const
{
    switch (type) {
    case RT__PROGRAM:
        return bytesPerWordProgram;
    case RT__EEPROM:
        return bytesPerWordEeprom;
    case RT__CONFIG:
        return bytesPerWordConfig;
    default:
        return 1;
    }
}

bool DeviceLayout::hasRegion(int type) const
{
    if (!regions)
        return false;
    for (const MemoryRegion& r : *regions) {
        if (r.type == type)
            return true;
    }
    return false;
}

DeviceLayout::Location DeviceLayout::locate(uint32_t fileAddress, MemoryRegions& list) const
{
    // A faulty reply may say 0 bytes per address; count it as 1 rather than divide by zero.
    const auto unitsOf = [](int bpa) { return uint32_t(bpa > 0 ? bpa : 1); };
    const uint32_t bpa[3] = { unitsOf(bytesPerAddressProgram), unitsOf(bytesPerAddressEeprom),
                              unitsOf(bytesPerAddressConfig) };
    Location loc;
    for (MemoryRegion& r : list) {
        if (r.type < RT__PROGRAM || r.type > RT__CONFIG)
            continue;
        const uint32_t units = bpa[r.type - 1];
        const uint32_t address = fileAddress / units;
        if (address < r.start || address >= r.end)
            continue;
        loc.found = true;
        loc.type = r.type;
        loc.bytesPerAddress = int(units);
        loc.deviceAddress = address;
        const quint64 offset = quint64(address - r.start) * units + fileAddress % units;
        if (r.start != 0 && offset < quint64(r.buffer.size()))
            loc.data = r.buffer.data() + offset;
        return loc;
    }
    return loc;
}

void DeviceLayout::relayRegions(uint32_t start, MemoryRegions& list, int type, uint32_t size) const
{
    for (MemoryRegion& r : list) {
        if (r.type != type)
            continue;
        r = MemoryRegion(r.type, start, start + size / uint32_t(qMax(1, bytesPerAddress(type))),
                         size);
    }
}

DeviceLayout::QueryRead DeviceLayout::readQueryReply(const uint8_t* reply)
{
    family = reply[2];
    bytesPerPacket = reply[1];
    switch (family) {
    case 1:
        bytesPerWordProgram = 2;
        bytesPerAddressProgram = 1;
        break;
    case 2:
        bytesPerWordProgram = 4;
        bytesPerAddressProgram = 2;
        bytesPerWordConfig = 4;
        bytesPerAddressConfig = 2;
        break;
    case 3:
        bytesPerWordProgram = 4;
        bytesPerAddressProgram = 1;
        break;
    default:
        break;
    }
    MemoryRegions found;
    qint64 total = 0;
    for (int i = 0; i < kMaxRecords; ++i) {
        const uint8_t* record = reply + 3 + i * kRecordSize;
        const uint8_t type = record[0];
        if (type == RT__END_OF_LIST)
            break;
        if (type < RT__PROGRAM || type > RT__CONFIG)
            continue; // not a memory the host writes
        const uint32_t start = le32(record + 1);
        const uint32_t units = qMin(le32(record + 5), kMaxRegionUnits);
        const qint64 bytes = qint64(units) * bytesPerAddress(type);
        total += bytes;
        if (total > MAX_BUFFER_BYTES) {
            if (regions)
                regions->clear();
            return QR__TOO_LARGE;
        }
        found.emplace_back(type, start, start + units, uint32_t(bytes));
    }
    if (regions)
        *regions = std::move(found);
    return QR__OK;
}
