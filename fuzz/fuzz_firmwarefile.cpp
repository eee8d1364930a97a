// The firmware import on any file a user may pick: the ".bme" containers, with or without
// their header, and Intel HEX. Each input is laid into the voro-BOX's own memory and into a
// layout with two bytes per address and all three kinds of region.
#include "fuzz/FuzzSupport.h"

#include "firmware/ImageImporter.h"

namespace {
struct Layout
{
    DeviceLayout layout;
    MemoryRegions regions;
};

Layout voroBox()
{
    Layout l;
    l.regions = { MemoryRegion(RT__PROGRAM, 0x08004000, 0x08004000 + 0x1C000, 0x1C000) };
    return l;
}

Layout wordAddressed()
{
    Layout l;
    l.layout.family = 2;
    l.layout.bytesPerAddressProgram = 2;
    l.layout.bytesPerWordProgram = 4;
    l.layout.bytesPerAddressConfig = 2;
    l.layout.bytesPerWordConfig = 4;
    l.regions = { MemoryRegion(RT__PROGRAM, 0x800, 0x1000, 0x1000),
                  MemoryRegion(RT__EEPROM, 0x7000, 0x7100, 0x100),
                  MemoryRegion(RT__CONFIG, 0x10, 0x20, 0x20) };
    return l;
}

void import(const QString& path, const Layout& l)
{
    FirmwareImage image;
    for (const MemoryRegion& r : l.regions)
        image.regions.emplace_back(r.type, r.start, r.end, r.size);
    ImageImporter importer;
    const ImageImporter::ImportResult result = importer.importFile(path, image, l.layout);
    FUZZ_CHECK(result >= ImageImporter::Ok && result <= ImageImporter::ContainerError
               && result != ImageImporter::OpenFailed);
    FUZZ_CHECK(image.regions.size() == l.regions.size());
    qint64 total = 0;
    for (const MemoryRegion& r : image.regions) {
        FUZZ_CHECK(r.buffer.size() == int(r.size));
        total += r.buffer.size();
    }
    FUZZ_CHECK(total <= 3 * DeviceLayout::MAX_BUFFER_BYTES);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Layout layouts[] = { voroBox(), wordAddressed() };
    const QString path = fuzz::files().write(QStringLiteral("input.bme"), data, size);
    for (const Layout& l : layouts)
        import(path, l);
    return 0;
}
