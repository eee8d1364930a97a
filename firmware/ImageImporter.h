#pragma once

#include "firmware/DeviceLayout.h"
#include "firmware/FirmwareImage.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// Reads a firmware file (a ".bme" container, optionally behind a "bm01" header, or Intel HEX)
// into an image whose regions the caller has prepared from the device's layout. Every count
// and size in a file is checked against the bytes actually there before it is used.
class ImageImporter
{
public:
    enum ImportResult {
        Ok = 0,
        OpenFailed = 1,
        NothingInRange = 2,
        HexFormatError = 3,
        NoBuffer = 4,
        ContainerError = 5,
    };

    // A container is read whole; a bigger file is refused rather than loaded.
    static constexpr qint64 MAX_CONTAINER_BYTES = 64 * 1024 * 1024;
    // A header longer than this has lost its closing brace.
    static constexpr int MAX_HEADER_BYTES = 1024;

    bool hasConfigData = false;
    bool verbose = false;

    ImportResult importFile(const QString& path, FirmwareImage& image, const DeviceLayout& layout);
    // The same for a file already read: what was checked is what gets written.
    ImportResult importData(const QByteArray& data, FirmwareImage& image,
                            const DeviceLayout& layout);

private:
    ImportResult importFrom(QIODevice& file, FirmwareImage& image, const DeviceLayout& layout);
    ImportResult readHeader(QIODevice& file, FirmwareImage& image);
    ImportResult importPlain(const QByteArray& container, FirmwareImage& image,
                             const DeviceLayout& layout);
    ImportResult importBlocks(const QByteArray& container, FirmwareImage& image,
                              const DeviceLayout& layout);
    ImportResult importHex(QIODevice& file, FirmwareImage& image, const DeviceLayout& layout);
    // Stores one byte where the layout puts it: Ok when stored, NothingInRange when the
    // address is outside every region, NoBuffer when its region has no place for it.
    ImportResult place(uint32_t fileAddress, char byte, FirmwareImage& image,
                       const DeviceLayout& layout);
};
