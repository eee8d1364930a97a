#pragma once

#include <QMetaType>

#include <cstdint>
#include <list>
#include <string>

struct hid_device_;

// One opened HID interface, and the identity of every interface hidapi lists.
class HidDevice
{
public:
    // An interface is its platform path; vendor, product, release and serial number only
    // describe it. The serial names a box across ports and across its bootloader, where the
    // path changes; it is empty when the device reports none.
    struct Id
    {
        int vendor_id = 0;
        int product_id = 0;
        int release_number = 0;
        std::string path;
        std::wstring serial_number;
        mutable bool hash_valid = false;
        mutable uint32_t hash = 0;

        // 65599-multiplier hash of the path, computed once; log messages show it as "%08x".
        uint32_t getHash() const;

        bool operator==(const Id& o) const { return path == o.path; }
        bool operator!=(const Id& o) const { return path != o.path; }
        bool operator<(const Id& o) const { return path < o.path; }
    };

    static std::list<Id> enumerate(uint16_t vendor_id, uint16_t product_id);

    // Opens the interface; a failure leaves the handle null, so every write fails and every
    // read returns 0.
    explicit HidDevice(const Id& id);
    ~HidDevice();
    HidDevice(const HidDevice&) = delete;
    HidDevice& operator=(const HidDevice&) = delete;

    bool isOpen() const { return handle != nullptr; }

    const Id id; // the identity it was opened from

    // `data` starts with the report id; true when hidapi wrote all `length` bytes.
    bool write(const uint8_t* data, int length);
    // hidapi's result: bytes read, 0 on time-out, -1 on error. timeout_ms <= 0 blocks.
    int read(uint8_t* buffer, int length, int timeout_ms);
    // An input report that is already waiting, without waiting for one: bytes read, 0 when
    // none is there, -1 on error.
    int readWaiting(uint8_t* buffer, int length);

private:
    hid_device_* handle = nullptr;
};

Q_DECLARE_METATYPE(HidDevice::Id)
