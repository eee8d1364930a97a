#include "sim/Bootloader.h"

#include "sim/VoroBox.h"

#include <QList>

#include <algorithm>

namespace hidsim {

namespace {
uint32_t le32(const QByteArray& b, int pos)
{
    const auto* p = reinterpret_cast<const uint8_t*>(b.constData() + pos);
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void putLe32(QByteArray& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b += char(v >> (8 * i));
}

template<class T> T locked(std::mutex& mutex, const T& value)
{
    std::lock_guard<std::mutex> lock(mutex);
    return value;
}

const QByteArray kEmptyDigest = QCryptographicHash::hash({}, QCryptographicHash::Sha1);
} // namespace

Bootloader::Bootloader(std::shared_ptr<VoroBox> box)
    : owner(std::move(box))
{
    setRegions(defaultRegions());
}

void Bootloader::installOn(const std::shared_ptr<VoroBox>& box,
                           std::function<void(Bootloader&)> configure)
{
    box->setBootloaderHook([configure](std::shared_ptr<VoroBox> self, const std::string&) {
        auto loader = std::make_shared<Bootloader>(self);
        if (configure)
            configure(*loader);
        Bus::instance().plug(loader);
    });
}

std::wstring Bootloader::serialNumber() const
{
    if (owner)
        return owner->serialNumber();
    std::lock_guard<std::mutex> lock(serial_mutex);
    return own_serial.toStdWString();
}

void Bootloader::setSerialNumber(const QString& serial)
{
    std::lock_guard<std::mutex> lock(serial_mutex);
    own_serial = serial;
}

bool Bootloader::receive(const QByteArray& report, Port& port)
{
    if (report.size() < 2)
        return true;
    QByteArray packet = report.mid(1, REPORT_SIZE);
    packet.append(QByteArray(REPORT_SIZE - packet.size(), '\0'));
    const uint8_t command = uint8_t(packet[0]);
    {
        std::lock_guard<std::mutex> lock(mutex);
        packets.push_back(packet);
        if (packets.size() > RECEIVED_KEPT)
            packets.pop_front();
    }
    if (command == Reset) {
        reset(port);
        return true;
    }
    std::chrono::milliseconds delay(0);
    QByteArray reply;
    {
        std::lock_guard<std::mutex> lock(mutex);
        reply = answer(command, packet, delay);
    }
    if (!reply.isNull()) {
        reply.append(QByteArray(REPORT_SIZE - reply.size(), '\0'));
        port.send(reply.left(REPORT_SIZE), delay);
    }
    return true;
}

QByteArray Bootloader::answer(uint8_t command, const QByteArray& packet,
                              std::chrono::milliseconds& delay)
{
    switch (command) {
    case HardwareIdCommand:
        return char(HardwareIdCommand) + hardware_id;
    case Query: {
        // While the flash is being erased the bootloader does not look at the host.
        const auto busy = erased_at + erase_time - std::chrono::steady_clock::now();
        if (busy.count() > 0)
            delay = std::chrono::duration_cast<std::chrono::milliseconds>(busy)
                + std::chrono::milliseconds(1);
        if (query_overrides != 0) {
            if (query_overrides > 0)
                --query_overrides;
            return query_override;
        }
        return queryReply();
    }
    case ConfigLock:
        config_locked = packet[1] != 0;
        return {};
    case Erase:
        erase(packet);
        return {};
    case Program:
        program(packet);
        return {};
    case ProgramComplete:
        return complete(packet);
    case Backup:
        return QByteArray("\x09\x01\x01\x64", 4);
    default:
        return {};
    }
}

QByteArray Bootloader::queryReply() const
{
    QByteArray reply;
    reply += char(Query);
    reply += char(bytes_per_packet);
    reply += char(family);
    for (const Memory& m : memories) {
        if (reply.size() + 9 > 3 + 6 * 9)
            break;
        reply += char(m.region.type);
        putLe32(reply, m.region.start);
        putLe32(reply, m.region.units);
    }
    if (reply.size() < 3 + 6 * 9)
        reply += char(0xFF);
    return reply;
}

bool Bootloader::back(Memory& m)
{
    const qint64 size = qint64(m.region.units) * m.bytesPerAddress;
    if (size > MAX_BACKED_BYTES)
        return false;
    if (m.bytes.size() != size)
        m.bytes = QByteArray(int(size), char(0xFF));
    return true;
}

void Bootloader::erase(const QByteArray& packet)
{
    ++erase_count;
    firmware_intact = false;
    erased_at = std::chrono::steady_clock::now();
    erase_text = VoroBox::text(packet.mid(1));
    for (Memory& m : memories) {
        if (m.region.type == 1 && back(m))
            m.bytes.fill(char(0xFF));
    }
    digest.reset();
    stream_region = -1;
    stream_faulty = false;
    image_valid = false;
    version.clear();
    // The erase names the image: major;minor;patch;hardware id. An image for other hardware
    // is taken but never accepted.
    const QList<QByteArray> fields = erase_text.split(';');
    if (fields.size() != 4)
        return;
    bool ok[4] = {};
    const int major = fields[0].toInt(&ok[0]);
    const int minor = fields[1].toInt(&ok[1]);
    const int patch = fields[2].toInt(&ok[2]);
    const qint64 hardware = fields[3].toLongLong(&ok[3]);
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return;
    if (hardware != hardware_id.toLongLong())
        stream_faulty = true;
    else
        version = QStringLiteral("%1.%2.%3.%4").arg(major).arg(minor).arg(patch).arg(build);
}

int Bootloader::regionOf(uint32_t address, int bytes) const
{
    for (size_t i = 0; i < memories.size(); ++i) {
        const Memory& m = memories[i];
        const quint64 units = quint64(bytes + m.bytesPerAddress - 1) / uint(m.bytesPerAddress);
        if (address >= m.region.start
            && quint64(address) + units <= quint64(m.region.start) + m.region.units)
            return int(i);
    }
    return -1;
}

void Bootloader::program(const QByteArray& packet)
{
    ++program_packets;
    if (std::chrono::steady_clock::now() < erased_at + erase_time) {
        // The flash is still being erased: the packet is lost, and the image with it.
        ++lost_packets;
        stream_faulty = true;
        return;
    }
    const uint32_t address = le32(packet, 1);
    const int length = uint8_t(packet[5]);
    const int index = length <= DATA_FIELD ? regionOf(address, length) : -1;
    if (index != stream_region || address <= stream_address)
        digest.reset(); // a new region begins
    digest.addData(packet.constData() + 1, REPORT_SIZE - 1);
    digest.addData("\0", 1);
    stream_region = index;
    stream_address = address;
    if (index < 0 || !back(memories[size_t(index)])) {
        stream_faulty = true;
        return;
    }
    Memory& m = memories[size_t(index)];
    const int offset = int(address - m.region.start) * m.bytesPerAddress;
    std::copy(packet.end() - length, packet.end(), m.bytes.begin() + offset);
}

QByteArray Bootloader::complete(const QByteArray& packet)
{
    const QByteArray received = packet.mid(1, 20);
    bool ok = !stream_faulty && (received == digest.result() || received == kEmptyDigest);
    if (refusals != 0) {
        ok = false;
        if (refusals > 0)
            --refusals;
    }
    if (ok) {
        ++accepted;
        image_valid = true;
    } else {
        ++refused;
        stream_faulty = true; // the image stays invalid until the next erase
        image_valid = false;
    }
    QByteArray reply;
    reply += char(ProgramComplete);
    reply += char(ok ? 1 : 0);
    return reply;
}

void Bootloader::reset(Port& port)
{
    std::shared_ptr<VoroBox> box;
    QString new_version;
    {
        std::lock_guard<std::mutex> lock(mutex);
        ++reset_count;
        if (image_valid && !stream_faulty) {
            box = owner;
            new_version = version;
        } else if (firmware_intact) {
            box = owner; // never erased: its own firmware starts again
        }
    }
    // Each restart enumerates anew, under a new path.
    if (box) {
        // The new firmware starts: the box is back with its saved settings.
        port.detach([box, new_version] {
            if (!new_version.isEmpty())
                box->setFirmwareVersion(new_version);
            Bus::instance().plug(box);
        });
    } else if (owner) {
        // Nothing valid to start: the bootloader comes up again.
        std::shared_ptr<Bootloader> self = shared_from_this();
        port.detach([self] { Bus::instance().plug(self); });
    } else {
        port.detach();
    }
}

void Bootloader::layMemory()
{
    const int program_bpa = family == 2 ? 2 : 1;
    for (Memory& m : memories) {
        m.bytesPerAddress = m.region.type == 2 ? 1 : program_bpa; // EEPROM is byte-wide
        m.bytes.clear();
    }
}

void Bootloader::setRegions(const std::vector<Region>& regions)
{
    std::lock_guard<std::mutex> lock(mutex);
    memories.clear();
    for (const Region& r : regions)
        memories.push_back({ r, 1, QByteArray() });
    layMemory();
}

void Bootloader::setFamily(int f)
{
    std::lock_guard<std::mutex> lock(mutex);
    family = f;
    layMemory();
}

void Bootloader::setHardwareId(const QByteArray& text)
{
    std::lock_guard<std::mutex> lock(mutex);
    hardware_id = text;
}

void Bootloader::setBytesPerPacket(int bytes)
{
    std::lock_guard<std::mutex> lock(mutex);
    bytes_per_packet = bytes;
}

void Bootloader::setEraseTime(std::chrono::milliseconds time)
{
    std::lock_guard<std::mutex> lock(mutex);
    erase_time = time;
}

void Bootloader::overrideQueryReply(const QByteArray& reply, int times)
{
    std::lock_guard<std::mutex> lock(mutex);
    query_override = reply;
    query_overrides = times;
}

void Bootloader::refuseCompletions(int times)
{
    std::lock_guard<std::mutex> lock(mutex);
    refusals = times;
}

void Bootloader::setBuildNumber(int b)
{
    std::lock_guard<std::mutex> lock(mutex);
    build = b;
}

QByteArray Bootloader::memory(uint32_t address, int bytes) const
{
    std::lock_guard<std::mutex> lock(mutex);
    QByteArray out(bytes, char(0xFF));
    const int index = regionOf(address, 1);
    if (index < 0)
        return out;
    const Memory& m = memories[size_t(index)];
    const qint64 offset = qint64(address - m.region.start) * m.bytesPerAddress;
    for (int i = 0; i < bytes && offset + i < m.bytes.size(); ++i)
        out[i] = m.bytes[int(offset + i)];
    return out;
}

int Bootloader::programPackets() const
{
    return locked(mutex, program_packets);
}

int Bootloader::acceptedCompletions() const
{
    return locked(mutex, accepted);
}

int Bootloader::refusedCompletions() const
{
    return locked(mutex, refused);
}

int Bootloader::lostPackets() const
{
    return locked(mutex, lost_packets);
}

int Bootloader::erases() const
{
    return locked(mutex, erase_count);
}

QByteArray Bootloader::eraseText() const
{
    return locked(mutex, erase_text);
}

bool Bootloader::configLocked() const
{
    return locked(mutex, config_locked);
}

int Bootloader::resets() const
{
    return locked(mutex, reset_count);
}

QString Bootloader::receivedVersion() const
{
    return locked(mutex, version);
}

std::shared_ptr<VoroBox> Bootloader::box() const
{
    return locked(mutex, owner);
}

} // namespace hidsim

namespace hidsim {

std::vector<QByteArray> Bootloader::received() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return { packets.begin(), packets.end() };
}

void Bootloader::clearReceived()
{
    std::lock_guard<std::mutex> lock(mutex);
    packets.clear();
}

} // namespace hidsim
