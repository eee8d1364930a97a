#pragma once

#include "sim/BusFault.h"

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct hid_device_;

// The simulated USB HID bus behind our hidapi-compatible C API: a process-wide registry of
// virtual devices that can be plugged and unplugged at any time, with the kernel's per-handle
// input report queue and a per-report latency in real time.
namespace hidsim {

class Bus;

// What a virtual device may do towards the host while it handles an output report.
class Port
{
public:
    virtual ~Port() = default;
    // Queues an input report (without report id) for every open handle of the device.
    // It becomes readable one report latency plus extra_delay from now, never before
    // a report sent earlier.
    virtual void send(const QByteArray& report,
                      std::chrono::milliseconds extra_delay = std::chrono::milliseconds(0))
        = 0;
    // The path the device is plugged in under.
    virtual std::string path() const = 0;
    // The device leaves the bus once the host's write has completed, as a unit does that
    // restarts on a command; the write itself succeeds. `then` runs after the unplug with no
    // bus lock held, e.g. to plug in what takes the device's place.
    virtual void detach(std::function<void()> then = {}) = 0;
};

// One device on the bus. receive() runs on the writing thread with no bus lock held, so an
// implementation guards its own state and may plug or unplug devices from inside it.
class VirtualDevice
{
public:
    virtual ~VirtualDevice() = default;
    virtual unsigned short vendorId() const = 0;
    virtual unsigned short productId() const = 0;
    virtual unsigned short releaseNumber() const { return 0x0100; }
    // The USB serial number string; empty for a device that has none.
    virtual std::wstring serialNumber() const { return {}; }
    // An output report as the host wrote it, report id first. Returning false makes the
    // host's write fail, as a stalled endpoint does.
    virtual bool receive(const QByteArray& report, Port& port) = 0;
    // Called as the device is plugged in, before the host can see it: a device powered by
    // the bus starts up here.
    virtual void pluggedIn() { }
};

struct Slot;

class Bus
{
public:
    static Bus& instance();

    // Plugs a device in and returns its path: the given one when it is not in use (the same
    // USB port again), otherwise a fresh path unique to this plug-in.
    std::string plug(std::shared_ptr<VirtualDevice> device, const std::string& path = {});
    // Unplugs the device at path; its open handles fail from now on. False if nothing is there.
    bool unplug(const std::string& path);
    void unplugAll();
    std::shared_ptr<VirtualDevice> device(const std::string& path) const;
    // The path the device is plugged in under; empty when it is not on the bus.
    std::string pathOf(const VirtualDevice* device) const;
    std::vector<std::string> paths() const;

    // Cost of every report in either direction (0 for unit tests, 1 ms models full speed).
    void setLatency(std::chrono::microseconds latency);
    std::chrono::microseconds latency() const;

    // Counters for tests and benchmarks.
    long long reportsWritten() const;

    // Faults of the device at path (see Fault); they end with its plug-in. Several faults
    // are checked in the order given, and the first one due hits a report.
    bool injectFault(const std::string& path, const Fault& fault);
    void clearFaults(const std::string& path);

    // The C API's implementation.
    struct EnumEntry
    {
        std::string path;
        unsigned short vendor_id;
        unsigned short product_id;
        unsigned short release_number;
        std::wstring serial_number;
    };
    std::vector<EnumEntry> enumerate(unsigned short vendor_id, unsigned short product_id) const;
    hid_device_* open(const std::string& path);
    void close(hid_device_* handle);
    int write(hid_device_* handle, const unsigned char* data, size_t length);
    int read(hid_device_* handle, unsigned char* data, size_t length, int timeout_ms);
    bool setNonBlocking(hid_device_* handle, bool nonblocking);
    bool isNonBlocking(hid_device_* handle) const;
    bool isPlugged(hid_device_* handle) const;

private:
    using Clock = std::chrono::steady_clock;
    class SlotPort;

    Bus() = default;
    void deliver(Slot& slot, const QByteArray& report, Clock::duration delay);
    void unplugSlot(const std::shared_ptr<Slot>& slot);
    void unplugLocked(std::map<std::string, std::shared_ptr<Slot>>::iterator it);

    mutable std::mutex mutex;
    std::map<std::string, std::shared_ptr<Slot>> slots_by_path; // plugged devices by path
    unsigned long long next_path = 0;
    std::chrono::microseconds report_latency { 0 };
    long long written = 0;
};

} // namespace hidsim
