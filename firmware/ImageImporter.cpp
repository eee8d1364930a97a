#include "firmware/ImageImporter.h"

#include <QBuffer>
#include <QFile>
#include <QList>

namespace {
const QByteArray kHeaderMagic("bm01");
const QByteArray kPlainMagic("bf01");
const QByteArray kBlockMagic("be01");
constexpr int kMagicSize = 4;
constexpr int kHeaderFields = 4;
// The longest valid record: 255 data bytes, plus ':', length, address, type and checksum.
constexpr int kMaxHexLine = 1 + 2 * (255 + 5) + 2;

// A decimal number that fits a signed 32-bit integer, nothing else (no blanks, no '+').
bool parseField(const QByteArray& text, int& value)
{
    if (text.isEmpty())
        return false;
    for (int i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!(c >= '0' && c <= '9') && !(i == 0 && c == '-' && text.size() > 1))
            return false;
    }
    bool ok = false;
    value = text.toInt(&ok, 10);
    return ok;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The byte written as two hexadecimal characters at `pos`, or -1.
int hexByte(const QByteArray& line, int pos)
{
    const int hi = hexDigit(line[pos]);
    const int lo = hexDigit(line[pos + 1]);
    return hi < 0 || lo < 0 ? -1 : hi << 4 | lo;
}
} // namespace

ImageImporter::ImportResult ImageImporter::importFile(const QString& path, FirmwareImage& image,
                                                      const DeviceLayout& layout)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return OpenFailed;
    return importFrom(file, image, layout);
}

ImageImporter::ImportResult ImageImporter::importData(const QByteArray& data, FirmwareImage& image,
                                                      const DeviceLayout& layout)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return importFrom(buffer, image, layout);
}

ImageImporter::ImportResult ImageImporter::importFrom(QIODevice& file, FirmwareImage& image,
                                                      const DeviceLayout& layout)
{
    QByteArray magic = file.read(kMagicSize);
    if (magic == kHeaderMagic) {
        const ImportResult header = readHeader(file, image);
        if (header != Ok)
            return header;
        magic = file.read(kMagicSize);
    }
    if (magic == kPlainMagic || magic == kBlockMagic) {
        if (file.size() - file.pos() > MAX_CONTAINER_BYTES) {
            qWarning("container too large: %lld bytes", file.size());
            return ContainerError;
        }
        const QByteArray container = magic + file.readAll();
        file.close();
        return magic == kPlainMagic ? importPlain(container, image, layout)
                                    : importBlocks(container, image, layout);
    }
    // Anything else is Intel HEX, read again from the start as text.
    file.close();
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return OpenFailed;
    return importHex(file, image, layout);
}

ImageImporter::ImportResult ImageImporter::readHeader(QIODevice& file, FirmwareImage& image)
{
    QByteArray text;
    char c = 0;
    do {
        if (text.size() >= MAX_HEADER_BYTES || !file.getChar(&c))
            return ContainerError;
        text.append(c);
    } while (c != '}');
    text = text.mid(1, text.size() - 2);
    const int nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    const QList<QByteArray> fields = text.split(';');
    if (fields.size() != kHeaderFields)
        return ContainerError;
    int values[kHeaderFields];
    for (int i = 0; i < kHeaderFields; ++i) {
        if (!parseField(fields[i], values[i]))
            return ContainerError;
    }
    image.major = values[0];
    image.minor = values[1];
    image.patch = values[2];
    image.hardwareId = values[3];
    image.hasHeader = true;
    return Ok;
}

ImageImporter::ImportResult ImageImporter::place(uint32_t fileAddress, char byte,
                                                 FirmwareImage& image, const DeviceLayout& layout)
{
    const DeviceLayout::Location loc = layout.locate(fileAddress, image.regions);
    if (!loc.found)
        return NothingInRange;
    if (!loc.data)
        return NoBuffer;
    *loc.data = byte;
    if (loc.type == RT__CONFIG)
        hasConfigData = true;
    return Ok;
}

ImageImporter::ImportResult ImageImporter::importHex(QIODevice& file, FirmwareImage& image,
                                                     const DeviceLayout& layout)
{
    uint32_t extended = 0;
    bool stored = false;
    while (!file.atEnd()) {
        QByteArray line = file.readLine(kMaxHexLine + 2);
        if (line.size() > kMaxHexLine + 1)
            return HexFormatError; // longer than any record can be
        if (line.size() < 11 || line[0] != ':')
            return HexFormatError;
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.size() < 11)
            return HexFormatError;
        const int length = hexByte(line, 1);
        if (length < 0 || line.size() < 11 + 2 * length)
            return HexFormatError;
        int bytes[255 + 5];
        int sum = 0;
        for (int i = 0; i < length + 5; ++i) {
            bytes[i] = hexByte(line, 1 + 2 * i);
            if (bytes[i] < 0)
                return HexFormatError;
            if (i < length + 4)
                sum += bytes[i];
        }
        if (uint8_t(-sum) != bytes[length + 4])
            return HexFormatError;
        const uint32_t address = uint32_t(bytes[1] << 8 | bytes[2]);
        const int type = bytes[3];
        const int* data = bytes + 4;
        if (type == 1)
            break;
        if (type == 2 || type == 4) {
            if (length < 2)
                return HexFormatError;
            extended = uint32_t(data[0] << 8 | data[1]) << (type == 2 ? 4 : 16);
        } else if (type == 0) {
            for (int i = 0; i < length; ++i) {
                const ImportResult r
                    = place(extended + address + uint32_t(i), char(data[i]), image, layout);
                if (r == NoBuffer)
                    return NoBuffer;
                stored = stored || r == Ok;
            }
        }
    }
    if (verbose)
        qDebug("Hex File imported successfully.");
    return stored ? Ok : NothingInRange;
}
