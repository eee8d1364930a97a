#include "firmware/BmeContainer.h"

#include <QCryptographicHash>

namespace BmeContainer {

namespace {
const QByteArray kPlainMagic("bf01");
const QByteArray kBlockMagic("be01");

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
    QByteArray zeroed = container;
    zeroed.replace(DIGEST_OFFSET, DIGEST_SIZE, QByteArray(DIGEST_SIZE, '\0'));
    return QCryptographicHash::hash(zeroed, QCryptographicHash::Sha1)
        == container.mid(DIGEST_OFFSET, DIGEST_SIZE);
}

// Segments announced; a count beyond what the file holds ends at the first missing one.
int segmentCount(const QByteArray& container)
{
    uint32_t count = 0;
    Reader(container, 4).u32(count);
    return qMax(0, int32_t(count));
}

void readPlain(const QByteArray& container, Contents& out)
{
    Reader in(container, SEGMENTS_OFFSET);
    const int count = segmentCount(container);
    for (int s = 0; s < count; ++s) {
        uint32_t address = 0, size = 0, length = 0;
        if (!in.u32(address) || !in.u32(size) || !in.u32(length) || length != size
            || size > uint32_t(in.left())) {
            out.error = QStringLiteral("insufficient data in segment %1").arg(s);
            return;
        }
        Segment seg;
        seg.address = address;
        seg.offset = in.position();
        seg.size = int(size);
        out.segments.push_back(seg);
        in.skip(int(size));
    }
    if (in.left() > 0)
        out.error = QStringLiteral("%1 bytes after the last segment").arg(in.left());
}

void readBlocks(const QByteArray& container, Contents& out)
{
    Reader in(container, SEGMENTS_OFFSET);
    const int count = segmentCount(container);
    for (int s = 0; s < count; ++s) {
        Segment seg;
        uint32_t blocks = 0;
        if (!in.u32(seg.address) || !in.u32(blocks)) {
            out.error = QStringLiteral("segment %1 cut short").arg(s);
            return;
        }
        const int block_count = qMax(0, int32_t(blocks));
        for (int b = 0; b < block_count; ++b) {
            Block block;
            if (!in.u32(block.payload)) {
                out.error = QStringLiteral("segment %1, block %2 cut short").arg(s).arg(b);
                return;
            }
            if (block.payload > uint32_t(MAX_PAYLOAD)) {
                out.error = QStringLiteral("segment %1, block %2: payload of %3 bytes")
                                .arg(s)
                                .arg(b)
                                .arg(block.payload);
                return;
            }
            block.offset = in.position();
            if (in.skip(BLOCK_DATA) < BLOCK_DATA) {
                out.error = QStringLiteral("segment %1, block %2 cut short").arg(s).arg(b);
                return;
            }
            seg.blocks.push_back(block);
        }
        out.segments.push_back(std::move(seg));
    }
    if (in.left() > 0)
        out.error = QStringLiteral("%1 bytes after the last segment").arg(in.left());
}
} // namespace

bool isContainer(const QByteArray& data)
{
    return data.startsWith(kPlainMagic) || data.startsWith(kBlockMagic);
}

Contents read(const QByteArray& container)
{
    Contents out;
    out.block = container.startsWith(kBlockMagic);
    if (!isContainer(container)) {
        out.error = QStringLiteral("no container");
        return out;
    }
    if (container.size() < SEGMENTS_OFFSET) {
        out.error = QStringLiteral("container cut short");
        return out;
    }
    out.digest_ok = digestMatches(container);
    if (out.block)
        readBlocks(container, out);
    else
        readPlain(container, out);
    return out;
}

QByteArray Contents::bytes(const QByteArray& container, const Segment& segment) const
{
    if (!block)
        return container.mid(segment.offset, segment.size);
    QByteArray out;
    for (const Block& b : segment.blocks)
        out += container.mid(b.offset, int(b.payload));
    return out;
}

} // namespace BmeContainer
