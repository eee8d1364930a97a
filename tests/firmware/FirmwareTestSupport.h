#pragma once

// What the firmware tests share: a virtual bootloader on the bus for the length of a test,
// hand-made firmware files, and image regions to import them into.

#include "firmware/DeviceLayout.h"
#include "firmware/FirmwareImage.h"
#include "firmware/ImageImporter.h"
#include "sim/Bootloader.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"
#include "tests/support/CommTestSupport.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

struct PluggedBootloader
{
    explicit PluggedBootloader(std::shared_ptr<hidsim::VoroBox> box = nullptr)
        : loader(std::make_shared<hidsim::Bootloader>(std::move(box)))
    {
        plug();
    }
    ~PluggedBootloader() { hidsim::Bus::instance().unplug(path); }
    void plug() { path = hidsim::Bus::instance().plug(loader); }
    void unplug() const { hidsim::Bus::instance().unplug(path); }
    bool plugged() const { return hidsim::Bus::instance().device(path) == loader; }
    HidDevice::Id id() const
    {
        HidDevice::Id id;
        id.vendor_id = hidsim::Bootloader::VENDOR_ID;
        id.product_id = hidsim::Bootloader::PRODUCT_ID;
        id.path = path;
        return id;
    }
    void inject(const hidsim::Fault& fault) const
    {
        hidsim::Bus::instance().injectFault(path, fault);
    }
    // The packets with this command code the bootloader received.
    QList<QByteArray> packets(uint8_t command) const
    {
        QList<QByteArray> out;
        for (const QByteArray& p : loader->received()) {
            if (uint8_t(p[0]) == command)
                out << p;
        }
        return out;
    }

    std::shared_ptr<hidsim::Bootloader> loader;
    std::string path;
};

// A box that runs firmware older than the program's, its clock stopped; made to be sent into
// its bootloader.
inline std::shared_ptr<hidsim::VoroBox> oldBox(const QString& location)
{
    auto box = std::make_shared<hidsim::VoroBox>(location);
    box->setTimeScale(0);
    box->setFirmwareVersion("1.1.1.9");
    return box;
}

// A file in a temporary folder.
inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
    return path;
}

inline QByteArray be32(quint32 v)
{
    QByteArray out(4, '\0');
    qToBigEndian(v, out.data());
    return out;
}

// A ".bme" container: magic, count, reserved, the SHA-1 over it with the digest field zeroed,
// then `segments` as given.
inline QByteArray container(const char* magic, quint32 count, const QByteArray& segments,
                            quint32 reserved = 0)
{
    QByteArray c
        = QByteArray(magic) + be32(count) + be32(reserved) + QByteArray(20, '\0') + segments;
    c.replace(12, 20, QCryptographicHash::hash(c, QCryptographicHash::Sha1));
    return c;
}

inline QByteArray plainSegment(quint32 address, const QByteArray& data)
{
    return be32(address) + be32(quint32(data.size())) + be32(quint32(data.size())) + data;
}

// A block segment whose blocks stand for `payloads` bytes each, with data bytes 0x10 + block.
inline QByteArray blockSegment(quint32 address, const QList<int>& payloads)
{
    QByteArray out = be32(address) + be32(quint32(payloads.size()));
    for (int b = 0; b < payloads.size(); ++b)
        out += be32(quint32(payloads[b])) + QByteArray(8, char(0x10 + b));
    return out;
}

// One Intel HEX record with its checksum.
inline QByteArray hexRecord(int type, quint16 address, const QByteArray& data)
{
    QByteArray body;
    body += char(data.size());
    body += char(address >> 8);
    body += char(address & 0xFF);
    body += char(type);
    body += data;
    quint8 sum = 0;
    for (char c : body)
        sum += quint8(c);
    body += char(quint8(-sum));
    return ':' + body.toHex().toUpper() + '\n';
}

// An image prepared as the programmer prepares it: one erased copy of each region.
inline FirmwareImage imageOf(const QList<MemoryRegion>& regions)
{
    FirmwareImage image;
    for (const MemoryRegion& r : regions)
        image.regions.emplace_back(r.type, r.start, r.end, r.size);
    return image;
}

// The Intel HEX that objcopy makes of `data` placed at `address`.
inline QByteArray objcopyHex(const QByteArray& data, quint32 address)
{
    QTemporaryDir dir;
    const QString bin = writeFile(dir, QStringLiteral("in.bin"), data);
    const QString hex = dir.filePath(QStringLiteral("out.hex"));
    QProcess objcopy;
    objcopy.start(QStringLiteral("objcopy"),
                  { QStringLiteral("-I"), QStringLiteral("binary"), QStringLiteral("-O"),
                    QStringLiteral("ihex"), QStringLiteral("--change-addresses"),
                    QString::number(address), bin, hex });
    if (!objcopy.waitForFinished(30000) || objcopy.exitCode() != 0)
        return QByteArray();
    QFile file(hex);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Bytes that look like firmware: no long runs of 0xFF.
inline QByteArray firmwareBytes(int size, quint32 seed = 7)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        out[i] = char((seed >> 16) % 255);
    }
    return out;
}

inline QString bmetool()
{
    return QStringLiteral(VORO_BINARY_DIR "/tools/bmetool/bmetool");
}
