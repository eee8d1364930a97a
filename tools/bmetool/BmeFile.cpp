#include "BmeFile.h"

#include <QCryptographicHash>
#include <QList>

namespace bme {

namespace {
constexpr int kDigestOffset = 12;
constexpr int kDigestSize = 20;
constexpr int kPayload = 6;
constexpr int kBlockData = 8;

void putBe32(QByteArray& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char(v >> shift);
}

struct Segment
{
    uint32_t address = 0;
    QByteArray data; // plain: the bytes; block: the firmware bytes the blocks stand for
    int blocks = 0;
};

QByteArray digestOf(QByteArray container)
{
    container.replace(kDigestOffset, kDigestSize, QByteArray(kDigestSize, '\0'));
    return QCryptographicHash::hash(container, QCryptographicHash::Sha1);
}
} // namespace

bool readHex(const QByteArray& text, Bytes& out, QString& error)
{
    uint32_t extended = 0;
    int number = 0;
    for (QByteArray line : text.split('\n')) {
        ++number;
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const QByteArray bytes = QByteArray::fromHex(line.mid(1));
        if (line[0] != ':' || line.size() % 2 == 0 || bytes.size() < 5
            || bytes.size() != 5 + uint8_t(bytes[0])) {
            error = QStringLiteral("line %1: not an Intel HEX record").arg(number);
            return false;
        }
        uint8_t sum = 0;
        for (char c : bytes)
            sum += uint8_t(c);
        if (sum != 0) {
            error = QStringLiteral("line %1: checksum mismatch").arg(number);
            return false;
        }
        const int length = uint8_t(bytes[0]);
        const uint32_t address = uint32_t(uint8_t(bytes[1])) << 8 | uint8_t(bytes[2]);
        const int type = uint8_t(bytes[3]);
        const QByteArray data = bytes.mid(4, length);
        if (type == 0) {
            for (int i = 0; i < length; ++i)
                out[extended + address + uint32_t(i)] = uint8_t(data[i]);
        } else if (type == 1) {
            return true;
        } else if ((type == 2 || type == 4) && length == 2) {
            const uint32_t value = uint32_t(uint8_t(data[0])) << 8 | uint8_t(data[1]);
            extended = type == 2 ? value << 4 : value << 16;
        }
    }
    return true;
}

void addBinary(const QByteArray& data, uint32_t address, Bytes& out)
{
    for (int i = 0; i < data.size(); ++i)
        out[address + uint32_t(i)] = uint8_t(data[i]);
}

QByteArray build(const Bytes& bytes, const QString& header, bool block)
{
    std::vector<Segment> segments;
    for (const auto& b : bytes) {
        if (segments.empty()
            || (!block
                && segments.back().address + uint32_t(segments.back().data.size()) != b.first))
            segments.push_back({ b.first, QByteArray(), 0 });
        Segment& s = segments.back();
        while (s.address + uint32_t(s.data.size()) < b.first)
            s.data += char(0xFF); // an erased gap inside a block segment
        s.data += char(b.second);
    }
    QByteArray body;
    for (const Segment& s : segments) {
        putBe32(body, s.address);
        if (!block) {
            putBe32(body, uint32_t(s.data.size()));
            putBe32(body, uint32_t(s.data.size()));
            body += s.data;
            continue;
        }
        const int count = (s.data.size() + kPayload - 1) / kPayload;
        putBe32(body, uint32_t(count));
        for (int k = 0; k < count; ++k) {
            const QByteArray payload = s.data.mid(k * kPayload, kPayload);
            putBe32(body, uint32_t(payload.size()));
            body += payload + QByteArray(kBlockData - payload.size(), char(0xFF));
        }
    }
    QByteArray container(block ? "be01" : "bf01");
    putBe32(container, uint32_t(segments.size()));
    putBe32(container, uint32_t(bytes.size()));
    container += QByteArray(kDigestSize, '\0') + body;
    container.replace(kDigestOffset, kDigestSize, digestOf(container));
    if (header.isEmpty())
        return container;
    return "bm01{" + header.toLatin1() + '}' + container;
}

} // namespace bme
