// hidapi's C API over the simulated bus, so that everything above HidDevice runs unchanged.
#include "sim/HidBus.h"

#include <hidapi.h>

#include <cstdlib>
#include <cstring>

using hidsim::Bus;

namespace {
char* copyString(const std::string& s)
{
    char* p = static_cast<char*>(std::malloc(s.size() + 1));
    std::memcpy(p, s.c_str(), s.size() + 1);
    return p;
}

wchar_t* copyWide(const wchar_t* s)
{
    const size_t n = std::wcslen(s) + 1;
    auto* p = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
    std::wmemcpy(p, s, n);
    return p;
}
} // namespace

extern "C" {

int hid_init(void)
{
    return 0;
}

int hid_exit(void)
{
    return 0;
}

struct hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    hid_device_info* head = nullptr;
    hid_device_info** tail = &head;
    for (const auto& e : Bus::instance().enumerate(vendor_id, product_id)) {
        auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
        info->path = copyString(e.path);
        info->vendor_id = e.vendor_id;
        info->product_id = e.product_id;
        info->release_number = e.release_number;
        info->serial_number = copyWide(e.serial_number.c_str());
        info->manufacturer_string = copyWide(L"simulated");
        info->product_string = copyWide(L"simulated HID device");
        info->bus_type = HID_API_BUS_USB;
        *tail = info;
        tail = &info->next;
    }
    return head;
}

void hid_free_enumeration(struct hid_device_info* devs)
{
    while (devs) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

hid_device* hid_open_path(const char* path)
{
    return path ? Bus::instance().open(path) : nullptr;
}

int hid_write(hid_device* dev, const unsigned char* data, size_t length)
{
    return Bus::instance().write(dev, data, length);
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds)
{
    return Bus::instance().read(dev, data, length, milliseconds);
}

int hid_read(hid_device* dev, unsigned char* data, size_t length)
{
    return Bus::instance().read(dev, data, length, Bus::instance().isNonBlocking(dev) ? 0 : -1);
}

int hid_set_nonblocking(hid_device* dev, int nonblock)
{
    return Bus::instance().setNonBlocking(dev, nonblock != 0) ? 0 : -1;
}

void hid_close(hid_device* dev)
{
    Bus::instance().close(dev);
}

const wchar_t* hid_error(hid_device* dev)
{
    if (dev && !Bus::instance().isPlugged(dev))
        return L"device disconnected";
    return L"success";
}

} // extern "C"
