// The two binary ".bme" containers laid into the device's regions: read and checked whole by
// BmeContainer first, so that nothing is placed from a container that turns out malformed.
#include "firmware/BmeContainer.h"
#include "firmware/ImageImporter.h"

#include <map>
#include <vector>

ImageImporter::ImportResult ImageImporter::importPlain(const QByteArray& container,
                                                       FirmwareImage& image,
                                                       const DeviceLayout& layout)
{
    const BmeContainer::Contents contents = BmeContainer::read(container);
    if (!contents.digest_ok)
        return ContainerError;
    if (!contents.error.isEmpty()) {
        qWarning("malformed container: %s", qPrintable(contents.error));
        return ContainerError;
    }
    bool stored = false;
    for (const BmeContainer::Segment& seg : contents.segments) {
        if (verbose)
            qDebug("segment at address 0x%08x with size %d", seg.address, seg.size);
        for (int j = 0; j < seg.size; ++j) {
            const ImportResult r
                = place(seg.address + uint32_t(j), container[seg.offset + j], image, layout);
            if (r == NoBuffer)
                return NoBuffer;
            stored = stored || r == Ok;
        }
    }
    return stored ? Ok : NothingInRange;
}

ImageImporter::ImportResult ImageImporter::importBlocks(const QByteArray& container,
                                                        FirmwareImage& image,
                                                        const DeviceLayout& layout)
{
    const BmeContainer::Contents contents = BmeContainer::read(container);
    if (!contents.digest_ok)
        return ContainerError;
    if (!contents.error.isEmpty()) {
        qWarning("malformed container: %s", qPrintable(contents.error));
        return ContainerError;
    }
    // Per region type: the file address of its first placed block, and its blocks' data.
    std::map<int, std::pair<uint32_t, std::vector<int>>> entries;
    for (const BmeContainer::Segment& seg : contents.segments) {
        uint32_t address = seg.address;
        for (const BmeContainer::Block& block : seg.blocks) {
            const DeviceLayout::Location loc = layout.locate(address, image.regions);
            if (loc.found) {
                auto it = entries.find(loc.type);
                if (it == entries.end())
                    it = entries.emplace(loc.type, std::make_pair(address, std::vector<int>()))
                             .first;
                it->second.second.push_back(block.offset);
            }
            address += block.payload;
        }
    }
    for (const auto& entry : entries) {
        const int type = entry.first;
        const uint32_t entryAddress = entry.second.first;
        const std::vector<int>& blocks = entry.second.second;
        if (verbose)
            qDebug("found programmable segment at address 0x%08x, containing %d %s", entryAddress,
                   int(blocks.size()), blocks.size() == 1 ? "block" : "blocks");
        const qint64 size = qint64(blocks.size()) * BmeContainer::BLOCK_DATA;
        if (size > DeviceLayout::MAX_BUFFER_BYTES) {
            qWarning("segment too large: %lld bytes", size);
            return ContainerError;
        }
        const uint32_t start = layout.locate(entryAddress, image.regions).deviceAddress;
        layout.relayRegions(start, image.regions, type, uint32_t(size));
        uint32_t address = entryAddress;
        for (int offset : blocks) {
            for (int k = 0; k < BmeContainer::BLOCK_DATA; ++k, ++address) {
                const DeviceLayout::Location loc = layout.locate(address, image.regions);
                if (!loc.found) {
                    qWarning("Program Error");
                    return ContainerError;
                }
                if (!loc.data)
                    return NoBuffer;
                *loc.data = container[offset + k];
                if (loc.type == RT__CONFIG)
                    hasConfigData = true;
            }
        }
    }
    return entries.empty() ? NothingInRange : Ok;
}
