// The two binary ".bme" containers: the digest check, then the segments of the plain ("bf01")
// or the block ("be01") layout. Every read is checked against the bytes present, so a count
// that promises more than the file holds ends the import instead of a loop or an allocation.
#include "firmware/ImageImporter.h"

#include <QCryptographicHash>

#include <map>
#include <vector>

namespace {
constexpr int kDigestOffset = 12;
constexpr int kDigestSize = 20;
constexpr int kSegmentsOffset = kDigestOffset + kDigestSize;
constexpr int kBlockData = 8;
constexpr int kMaxPayload = 6;

// Big-endian reads that never run past the end.
class Reader
{
public:
    Reader(const QByteArray& bytes, int pos)
        : bytes(bytes)
        , pos(pos)
    { }
    bool u32(uint32_t& value)
    {
        if (left() < 4)
            return false;
        const auto* p = reinterpret_cast<const uint8_t*>(bytes.constData() + pos);
        value = uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
        pos += 4;
        return true;
    }
    // Takes up to n bytes; returns how many there were.
    int skip(int n)
    {
        const int taken = qMin(n, left());
        pos += taken;
        return taken;
    }
    int left() const { return bytes.size() - pos; }
    int position() const { return pos; }

private:
    const QByteArray& bytes;
    int pos;
};

bool digestMatches(const QByteArray& container)
{
    if (container.size() < kSegmentsOffset)
        return false;
    QByteArray zeroed = container;
    zeroed.replace(kDigestOffset, kDigestSize, QByteArray(kDigestSize, '\0'));
    return QCryptographicHash::hash(zeroed, QCryptographicHash::Sha1)
        == container.mid(kDigestOffset, kDigestSize);
}

int segmentCount(const QByteArray& container)
{
    uint32_t count = 0;
    Reader(container, 4).u32(count);
    return qMax(0, int32_t(count));
}

struct Segment
{
    uint32_t address;
    int offset; // of the first data byte in the container
    int size;
};

struct Block
{
    uint32_t payload;
    int offset; // of its 8 data bytes in the container
};
} // namespace

ImageImporter::ImportResult ImageImporter::importPlain(const QByteArray& container,
                                                       FirmwareImage& image,
                                                       const DeviceLayout& layout)
{
    if (!digestMatches(container))
        return ContainerError;
    Reader in(container, kSegmentsOffset);
    std::vector<Segment> segments;
    const int count = segmentCount(container);
    for (int s = 0; s < count; ++s) {
        uint32_t address = 0, size = 0, length = 0;
        if (!in.u32(address) || !in.u32(size) || !in.u32(length) || length != size
            || size > uint32_t(in.left())) {
            qWarning("Insufficient data in segment: %d", s);
            return ContainerError;
        }
        segments.push_back({ address, in.position(), int(size) });
        in.skip(int(size));
    }
    if (in.left() > 0) {
        qWarning("additional data detected: size: %d", container.size());
        return ContainerError;
    }
    bool stored = false;
    for (const Segment& seg : segments) {
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
    if (!digestMatches(container))
        return ContainerError;
    Reader in(container, kSegmentsOffset);
    // Per region type: the file address of its first placed block, and its blocks.
    std::map<int, std::pair<uint32_t, std::vector<int>>> entries;
    const int count = segmentCount(container);
    for (int s = 0; s < count; ++s) {
        uint32_t address = 0, blocks = 0;
        if (!in.u32(address) || !in.u32(blocks)) {
            qWarning("invalid block size (%d) in segment %d, block: %d", 0, s, 0);
            return ContainerError;
        }
        const int blockCount = qMax(0, int32_t(blocks));
        for (int b = 0; b < blockCount; ++b) {
            uint32_t payload = 0;
            if (!in.u32(payload)) {
                qWarning("invalid block size (%d) in segment %d, block: %d", 0, s, b);
                return ContainerError;
            }
            if (payload > uint32_t(kMaxPayload)) {
                qWarning("invalid payload size (%d) in segment %d, block: %d", int(payload), s, b);
                return ContainerError;
            }
            const int offset = in.position();
            const int read = in.skip(kBlockData);
            if (read < kBlockData) {
                qWarning("invalid block size (%d) in segment %d, block: %d", read, s, b);
                return ContainerError;
            }
            const DeviceLayout::Location loc = layout.locate(address, image.regions);
            if (loc.found) {
                auto it = entries.find(loc.type);
                if (it == entries.end())
                    it = entries.emplace(loc.type, std::make_pair(address, std::vector<int>()))
                             .first;
                it->second.second.push_back(offset);
            }
            address += payload;
        }
    }
    if (in.left() > 0) {
        qWarning("additional data detected");
        return ContainerError;
    }
    for (const auto& entry : entries) {
        const int type = entry.first;
        const uint32_t entryAddress = entry.second.first;
        const std::vector<int>& blocks = entry.second.second;
        if (verbose)
            qDebug("found programmable segment at address 0x%08x, containing %d %s", entryAddress,
                   int(blocks.size()), blocks.size() == 1 ? "block" : "blocks");
        const qint64 size = qint64(blocks.size()) * kBlockData;
        if (size > DeviceLayout::MAX_BUFFER_BYTES) {
            qWarning("segment too large: %lld bytes", size);
            return ContainerError;
        }
        const uint32_t start = layout.locate(entryAddress, image.regions).deviceAddress;
        layout.relayRegions(start, image.regions, type, uint32_t(size));
        uint32_t address = entryAddress;
        for (int offset : blocks) {
            for (int k = 0; k < kBlockData; ++k, ++address) {
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
