// The bootloader's query reply, the memory layout the whole update builds on. A bootloader on
// the simulated bus answers every query with the first 63 bytes of the input (after the echo);
// the rest of the input is the firmware file loaded into the layout it reported. The
// programmer attaches, loads, and for a layout of modest size also erases and writes.
#include "fuzz/FuzzSupport.h"

#include "firmware/FwHidProgrammer.h"
#include "sim/Bootloader.h"

#include <memory>

namespace {
constexpr int kReplyBytes = 63; // a 64-byte report after the echo
// Writing streams every address of the layout; more than this per input would slow the
// fuzzer to a crawl without reaching other code.
constexpr qint64 kMaxWrittenBytes = 1024 * 1024;

// A new bootloader for every input, so that none inherits what the one before was sent.
struct PluggedLoader
{
    PluggedLoader()
        : loader(std::make_shared<hidsim::Bootloader>())
    {
        id.vendor_id = hidsim::Bootloader::VENDOR_ID;
        id.product_id = hidsim::Bootloader::PRODUCT_ID;
        id.path = hidsim::Bus::instance().plug(loader);
    }
    ~PluggedLoader() { hidsim::Bus::instance().unplug(id.path); }

    std::shared_ptr<hidsim::Bootloader> loader;
    HidDevice::Id id;
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t replyBytes = qMin(size, size_t(kReplyBytes));
    QByteArray reply(1, char(hidsim::Bootloader::Query));
    reply += QByteArray(reinterpret_cast<const char*>(data), int(replyBytes));
    const PluggedLoader plugged;
    plugged.loader->overrideQueryReply(reply, -1);

    FwHidProgrammer programmer(hidsim::Bootloader::VENDOR_ID, hidsim::Bootloader::PRODUCT_ID);
    programmer.setReadTimeout(1000);
    if (!programmer.pollConnection(&plugged.id))
        return 0;
    const DeviceLayout& layout = programmer.deviceLayout();
    FUZZ_CHECK(layout.regions);
    qint64 total = 0;
    for (const MemoryRegion& r : *layout.regions) {
        FUZZ_CHECK(r.type >= RT__PROGRAM && r.type <= RT__CONFIG);
        FUZZ_CHECK(r.buffer.size() == int(r.size));
        total += r.size;
    }
    FUZZ_CHECK(total <= DeviceLayout::MAX_BUFFER_BYTES);

    const QString file
        = fuzz::files().write(QStringLiteral("input.hex"), data + replyBytes, size - replyBytes);
    if (programmer.loadFile(file, true) && total <= kMaxWrittenBytes && programmer.erase())
        programmer.write(true, true, true);
    return 0;
}
