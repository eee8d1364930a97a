#include "devicelink/HidDevice.h"

#include <hidapi.h>

uint32_t HidDevice::Id::getHash() const
{
    if (!hash_valid) {
        uint32_t h = 0;
        for (char c : path)
            h = h * 65599u + uint32_t(int32_t(static_cast<signed char>(c)));
        hash = h;
        hash_valid = true;
    }
    return hash;
}

std::list<HidDevice::Id> HidDevice::enumerate(uint16_t vendor_id, uint16_t product_id)
{
    std::list<Id> result;
    hid_device_info* devices = hid_enumerate(vendor_id, product_id);
    for (hid_device_info* d = devices; d; d = d->next) {
        if (!d->path)
            continue;
        Id id;
        id.vendor_id = vendor_id;
        id.product_id = product_id;
        id.release_number = d->release_number;
        id.path = d->path;
        if (d->serial_number)
            id.serial_number = d->serial_number;
        result.push_back(id);
    }
    hid_free_enumeration(devices);
    return result;
}

HidDevice::HidDevice(const Id& id)
    : id(id)
    , handle(hid_open_path(id.path.c_str()))
{ }

HidDevice::~HidDevice()
{
    if (handle)
        hid_close(handle);
}

bool HidDevice::write(const uint8_t* data, int length)
{
    return handle && hid_write(handle, data, size_t(length)) == length;
}

int HidDevice::read(uint8_t* buffer, int length, int timeout_ms)
{
    if (!handle)
        return 0;
    if (timeout_ms <= 0)
        return hid_read(handle, buffer, size_t(length));
    return hid_read_timeout(handle, buffer, size_t(length), timeout_ms);
}

int HidDevice::readWaiting(uint8_t* buffer, int length)
{
    // hidapi returns at once for a time-out of 0, whatever the handle's blocking mode.
    return handle ? hid_read_timeout(handle, buffer, size_t(length), 0) : 0;
}
