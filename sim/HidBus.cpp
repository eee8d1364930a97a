#include "sim/HidBus.h"

#include <hidapi.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <thread>

namespace hidsim {

struct Slot
{
    std::shared_ptr<VirtualDevice> device;
    std::string path;
    bool plugged = true;
    std::list<hid_device_*> handles;
    std::list<Fault> faults;
    uint32_t garbage_seed = 0x9E3779B9u;
};

struct QueuedReport
{
    std::chrono::steady_clock::time_point ready;
    QByteArray bytes;
};

} // namespace hidsim

// hidapi's opaque handle type.
struct hid_device_
{
    std::shared_ptr<hidsim::Slot> slot;
    std::deque<hidsim::QueuedReport> queue;
    std::condition_variable arrived;
    bool nonblocking = false;
};

namespace hidsim {

namespace {
// The kernel keeps this many input reports per open hidraw handle and drops newer ones.
constexpr size_t kQueueLimit = 64;
} // namespace

namespace {
// The fault (if any) that hits a report with this command byte, or an open when `command` is
// kOpening; counts the report or open for every matching fault that is still holding back.
constexpr int kOpening = -2;

bool matches(const Fault& fault, int command)
{
    if (command == kOpening || fault.kind == Fault::OpenFailure)
        return command == kOpening && fault.kind == Fault::OpenFailure;
    return fault.command < 0 || fault.command == command;
}

const Fault* takeFault(std::list<Fault>& faults, int command, Fault& hit)
{
    const Fault* result = nullptr;
    for (auto it = faults.begin(); it != faults.end();) {
        if (!matches(*it, command)) {
            ++it;
            continue;
        }
        if (it->skip > 0) {
            --it->skip;
            ++it;
            continue;
        }
        if (result) {
            ++it;
            continue;
        }
        hit = *it;
        result = &hit;
        if (it->times > 0 && --it->times == 0)
            it = faults.erase(it);
        else
            ++it;
    }
    return result;
}

// Bytes 1 ... 63 become noise (a small xorshift, so that a failing run can be repeated).
void garble(QByteArray& report, uint32_t& seed)
{
    for (int i = 1; i < report.size(); ++i) {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        report[i] = char(seed & 0xFF);
    }
}
} // namespace

class Bus::SlotPort : public Port
{
public:
    SlotPort(Bus& bus, Slot& slot, const Fault* fault, uint32_t seed)
        : bus(bus)
        , slot(slot)
        , fault(fault)
        , seed(seed)
    { }
    void send(const QByteArray& report, std::chrono::milliseconds extra_delay) override
    {
        QByteArray bytes = report;
        if (fault) {
            switch (fault->kind) {
            case Fault::NoReply:
            case Fault::UnplugMidTransaction:
            case Fault::WriteFailure:
            case Fault::OpenFailure:
                return;
            case Fault::WrongEcho:
                if (!bytes.isEmpty())
                    bytes[0] = char(bytes[0] ^ 0x80);
                break;
            case Fault::GarbageReply:
                garble(bytes, seed);
                break;
            case Fault::LateReply:
            case Fault::SlowReply:
                extra_delay += fault->replyDelay();
                break;
            case Fault::DuplicateReply:
                bus.deliver(slot, bytes, extra_delay);
                break;
            }
        }
        bus.deliver(slot, bytes, extra_delay);
    }
    std::string path() const override { return slot.path; }
    void detach(std::function<void()> then) override
    {
        detaching = true;
        after_detach = std::move(then);
    }

    bool detaching = false;
    std::function<void()> after_detach;

private:
    Bus& bus;
    Slot& slot;
    const Fault* fault;
    uint32_t seed;
};

Bus& Bus::instance()
{
    static Bus bus;
    return bus;
}

std::string Bus::plug(std::shared_ptr<VirtualDevice> device, const std::string& path)
{
    device->pluggedIn(); // no bus lock held: the device takes its own
    std::lock_guard<std::mutex> lock(mutex);
    std::string p = path;
    if (p.empty() || slots_by_path.count(p))
        p = "/dev/hidraw-sim" + std::to_string(++next_path);
    auto slot = std::make_shared<Slot>();
    slot->device = std::move(device);
    slot->path = p;
    slots_by_path[p] = slot;
    return p;
}

bool Bus::unplug(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mutex);
    auto it = slots_by_path.find(path);
    if (it == slots_by_path.end())
        return false;
    unplugLocked(it);
    return true;
}

void Bus::unplugLocked(std::map<std::string, std::shared_ptr<Slot>>::iterator it)
{
    it->second->plugged = false;
    for (hid_device_* h : it->second->handles)
        h->arrived.notify_all();
    slots_by_path.erase(it);
}

void Bus::unplugSlot(const std::shared_ptr<Slot>& slot)
{
    std::lock_guard<std::mutex> lock(mutex);
    auto it = slots_by_path.find(slot->path);
    // Gone already, and the path may serve another device by now.
    if (it != slots_by_path.end() && it->second == slot)
        unplugLocked(it);
}

void Bus::unplugAll()
{
    for (const auto& p : paths())
        unplug(p);
}

std::shared_ptr<VirtualDevice> Bus::device(const std::string& path) const
{
    std::lock_guard<std::mutex> lock(mutex);
    auto it = slots_by_path.find(path);
    return it == slots_by_path.end() ? nullptr : it->second->device;
}

std::string Bus::pathOf(const VirtualDevice* device) const
{
    std::lock_guard<std::mutex> lock(mutex);
    for (const auto& s : slots_by_path) {
        if (s.second->device.get() == device)
            return s.first;
    }
    return {};
}

std::vector<std::string> Bus::paths() const
{
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<std::string> result;
    for (const auto& s : slots_by_path)
        result.push_back(s.first);
    return result;
}

void Bus::setLatency(std::chrono::microseconds latency)
{
    std::lock_guard<std::mutex> lock(mutex);
    report_latency = latency;
}

std::chrono::microseconds Bus::latency() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return report_latency;
}

long long Bus::reportsWritten() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return written;
}

std::vector<Bus::EnumEntry> Bus::enumerate(unsigned short vendor_id,
                                           unsigned short product_id) const
{
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<EnumEntry> result;
    for (const auto& s : slots_by_path) {
        const VirtualDevice& d = *s.second->device;
        if ((vendor_id == 0 || d.vendorId() == vendor_id)
            && (product_id == 0 || d.productId() == product_id))
            result.push_back(
                { s.first, d.vendorId(), d.productId(), d.releaseNumber(), d.serialNumber() });
    }
    return result;
}

hid_device_* Bus::open(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mutex);
    auto it = slots_by_path.find(path);
    Fault hit;
    if (it == slots_by_path.end() || takeFault(it->second->faults, kOpening, hit))
        return nullptr;
    auto* handle = new hid_device_;
    handle->slot = it->second;
    it->second->handles.push_back(handle);
    return handle;
}

void Bus::close(hid_device_* handle)
{
    if (!handle)
        return;
    {
        std::lock_guard<std::mutex> lock(mutex);
        handle->slot->handles.remove(handle);
    }
    delete handle;
}

bool Bus::injectFault(const std::string& path, const Fault& fault)
{
    std::lock_guard<std::mutex> lock(mutex);
    auto it = slots_by_path.find(path);
    if (it == slots_by_path.end() || fault.times == 0)
        return false;
    it->second->faults.push_back(fault);
    return true;
}

void Bus::clearFaults(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mutex);
    auto it = slots_by_path.find(path);
    if (it != slots_by_path.end())
        it->second->faults.clear();
}

int Bus::write(hid_device_* handle, const unsigned char* data, size_t length)
{
    std::shared_ptr<Slot> slot;
    std::chrono::microseconds latency;
    Fault hit;
    const Fault* fault = nullptr;
    uint32_t seed = 0;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!handle || !handle->slot->plugged || !data || length == 0)
            return -1;
        slot = handle->slot;
        latency = report_latency;
        ++written;
        fault = takeFault(slot->faults, length > 1 ? data[1] : -1, hit);
        seed = slot->garbage_seed += 0x6D2B79F5u;
    }
    if (fault && fault->kind == Fault::WriteFailure)
        return -1;
    if (latency.count() > 0)
        std::this_thread::sleep_for(latency);
    SlotPort port(*this, *slot, fault, seed);
    if (!slot->device->receive(QByteArray(reinterpret_cast<const char*>(data), int(length)), port))
        return -1;
    if (fault && fault->kind == Fault::UnplugMidTransaction)
        port.detaching = true;
    if (port.detaching) {
        unplugSlot(slot);
        if (port.after_detach)
            port.after_detach();
        return int(length);
    }
    std::lock_guard<std::mutex> lock(mutex);
    return slot->plugged ? int(length) : -1;
}

bool Bus::setNonBlocking(hid_device_* handle, bool nonblocking)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!handle)
        return false;
    handle->nonblocking = nonblocking;
    return true;
}

bool Bus::isNonBlocking(hid_device_* handle) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return handle && handle->nonblocking;
}

bool Bus::isPlugged(hid_device_* handle) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return handle && handle->slot->plugged;
}

void Bus::deliver(Slot& slot, const QByteArray& report, Clock::duration delay)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!slot.plugged)
        return;
    const auto ready = Clock::now() + report_latency + delay;
    for (hid_device_* h : slot.handles) {
        if (h->queue.size() >= kQueueLimit)
            continue;
        // Reports leave the device in order: a slow one holds back those behind it.
        auto at = h->queue.empty() ? ready : std::max(ready, h->queue.back().ready);
        h->queue.push_back({ at, report });
        h->arrived.notify_all();
    }
}

int Bus::read(hid_device_* handle, unsigned char* data, size_t length, int timeout_ms)
{
    if (!handle || !data)
        return -1;
    std::unique_lock<std::mutex> lock(mutex);
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeout_ms, 0));
    for (;;) {
        if (!handle->slot->plugged)
            return -1;
        const auto now = Clock::now();
        if (!handle->queue.empty() && handle->queue.front().ready <= now) {
            QByteArray bytes = handle->queue.front().bytes;
            handle->queue.pop_front();
            const size_t n = std::min(length, size_t(bytes.size()));
            std::memcpy(data, bytes.constData(), n);
            return int(n);
        }
        if (timeout_ms == 0 || (timeout_ms > 0 && now >= deadline))
            return 0;
        if (handle->queue.empty() && timeout_ms < 0)
            handle->arrived.wait(lock);
        else {
            auto wake = handle->queue.empty() ? deadline : handle->queue.front().ready;
            if (timeout_ms > 0)
                wake = std::min(wake, deadline);
            handle->arrived.wait_until(lock, wake);
        }
    }
}

} // namespace hidsim
