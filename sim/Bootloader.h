#pragma once

#include "sim/HidBus.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace hidsim {

class VoroBox;

// The bootloader of a voro-BOX on the simulated bus (0483:A517). It answers its hardware id
// and the memory query, erases, stores program packets in its memory (a packet that comes while
// the flash is still being erased is lost), checks the SHA-1 of the packet stream at each
// completion, and on reset leaves the bus: the box it belongs to comes back with its saved
// settings and the firmware version of the image it received; one reset before any erase
// brings it back on its old firmware; otherwise the bootloader starts again. Thread-safe like
// every device on the bus.
//
// The digest a completion must carry covers each program packet sent since the start of the
// region being written (63 bytes after the command code, then one 0x00): a packet that lands in
// another region than the one before it, or not above the previous packet's address, starts a
// new stream. A completion carrying the digest of nothing is also accepted: it closes a region
// the host found nothing to write in.
class Bootloader : public VirtualDevice, public std::enable_shared_from_this<Bootloader>
{
public:
    static constexpr unsigned short VENDOR_ID = 0x0483;
    static constexpr unsigned short PRODUCT_ID = 0xA517;
    static constexpr unsigned HARDWARE_ID = 221124040;
    static constexpr int REPORT_SIZE = 64;
    static constexpr int DATA_FIELD = 58;
    // Memory held per region at most; a larger region is reported but not backed, and
    // program packets into it are refused.
    static constexpr qint64 MAX_BACKED_BYTES = 64 * 1024 * 1024;
    static constexpr size_t RECEIVED_KEPT = 4096;

    enum Command : uint8_t {
        Query = 0x02,
        ConfigLock = 0x03,
        Erase = 0x04,
        Program = 0x05,
        ProgramComplete = 0x06,
        Reset = 0x08,
        Backup = 0x09,
        HardwareIdCommand = 0x14,
    };

    struct Region
    {
        uint8_t type; // 1 program memory, 2 EEPROM, 3 configuration words
        uint32_t start; // device address
        uint32_t units; // size in device address units
    };
    // The voro-BOX's flash after the 16 KiB the bootloader keeps for itself.
    static std::vector<Region> defaultRegions() { return { { 1, 0x08004000, 0x1C000 } }; }

    // `box` is what comes back after a reset; none for a bootloader on its own.
    explicit Bootloader(std::shared_ptr<VoroBox> box = nullptr);

    unsigned short vendorId() const override { return VENDOR_ID; }
    unsigned short productId() const override { return PRODUCT_ID; }
    bool receive(const QByteArray& report, Port& port) override;
    // The box's serial number; a bootloader on its own reports the one it was given.
    std::wstring serialNumber() const override;
    void setSerialNumber(const QString& serial);

    // What the device reports and how it behaves.
    void setHardwareId(const QByteArray& text); // the reply to 0x14, decimal ASCII
    void setRegions(const std::vector<Region>& regions);
    void setBytesPerPacket(int bytes);
    void setFamily(int family);
    void setEraseTime(std::chrono::milliseconds time); // the next query waits for it
    // The next `times` query replies (-1: all) are exactly these bytes.
    void overrideQueryReply(const QByteArray& reply, int times = 1);
    // The next `times` completions (-1: all) are refused whatever their digest.
    void refuseCompletions(int times = 1);
    // The fourth part of the version the box reports after an update.
    void setBuildNumber(int build);

    // What happened.
    QByteArray memory(uint32_t address, int bytes) const; // 0xFF where nothing is backed
    int programPackets() const;
    // Program packets that came while the flash was still being erased, and were lost.
    int lostPackets() const;
    int acceptedCompletions() const;
    int refusedCompletions() const;
    int erases() const;
    QByteArray eraseText() const;
    bool configLocked() const;
    int resets() const;
    QString receivedVersion() const; // the version the box comes back with; empty for none
    // The packets the host wrote (64 bytes each, without report id), oldest first; the last
    // RECEIVED_KEPT of them.
    std::vector<QByteArray> received() const;
    void clearReceived();
    std::shared_ptr<VoroBox> box() const;

    // Makes `box` turn into a bootloader on enter-bootloader; `configure` may set it up
    // before it is plugged in.
    static void installOn(const std::shared_ptr<VoroBox>& box,
                          std::function<void(Bootloader&)> configure = {});

private:
    struct Memory
    {
        Region region;
        int bytesPerAddress;
        QByteArray bytes; // backed memory, empty until first erased or written
    };

    QByteArray answer(uint8_t command, const QByteArray& packet, std::chrono::milliseconds& delay);
    QByteArray queryReply() const;
    void erase(const QByteArray& packet);
    void program(const QByteArray& packet);
    QByteArray complete(const QByteArray& packet);
    void reset(Port& port);
    int regionOf(uint32_t address, int bytes) const;
    bool back(Memory& memory);
    void layMemory();

    mutable std::mutex mutex;
    std::shared_ptr<VoroBox> owner;
    mutable std::mutex serial_mutex; // apart from `mutex`, as in VoroBox
    QString own_serial;
    QByteArray hardware_id = QByteArray::number(HARDWARE_ID);
    std::vector<Memory> memories;
    int bytes_per_packet = DATA_FIELD;
    int family = 1;
    std::chrono::milliseconds erase_time { 0 };
    std::chrono::steady_clock::time_point erased_at;
    QByteArray query_override;
    int query_overrides = 0;
    int refusals = 0;
    int build = 17;

    // The stream since the last erase.
    QCryptographicHash digest { QCryptographicHash::Sha1 };
    int stream_region = -1;
    uint32_t stream_address = 0;
    bool stream_faulty = false; // a packet outside the memory, or too long
    bool image_valid = false;
    int program_packets = 0;
    int lost_packets = 0;
    bool firmware_intact = true; // not erased since it was plugged in
    int accepted = 0;
    int refused = 0;
    int erase_count = 0;
    int reset_count = 0;
    bool config_locked = true;
    QByteArray erase_text;
    QString version;
    std::deque<QByteArray> packets;
};

} // namespace hidsim
