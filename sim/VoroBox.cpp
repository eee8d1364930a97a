#include "sim/VoroBox.h"

#include "sim/Bootloader.h"

#include <QStringList>

#include <algorithm>
#include <atomic>

namespace hidsim {

namespace {
constexpr uint8_t kGetStatus = 0x01;
constexpr uint8_t kGetCommonSettings = 0x02;
constexpr uint8_t kSetCommonSettings = 0x03;
constexpr uint8_t kGetActuatorData = 0x04;
constexpr uint8_t kGetActuatorSettings = 0x05;
constexpr uint8_t kSetActuatorSettings = 0x06;
constexpr uint8_t kSetLocation = 0x07;
constexpr uint8_t kGetActuatorLocation = 0x08;
constexpr uint8_t kSetActuatorLocation = 0x09;
constexpr uint8_t kClearErrors = 0x0A;
constexpr uint8_t kTestActuator = 0x10;
constexpr uint8_t kReadLog = 0x20;
constexpr uint8_t kGetLogInterval = 0x21;
constexpr uint8_t kSetLogInterval = 0x22;
constexpr uint8_t kFactoryReset = 0x70;
constexpr uint8_t kEnterBootloader = 0xE1;
constexpr uint8_t kGetProtocolVersion = 0xE2;
constexpr uint8_t kGetFirmwareVersion = 0xE3;
constexpr uint8_t kGetLocation = 0xE4;
constexpr uint8_t kSave = 0xEF;

const QByteArray kOk("OK");
const QByteArray kError("ERR");

// Exactly `count` decimal fields joined by ';'.
bool parseFields(const QByteArray& text, int count, std::vector<int>& out)
{
    const QList<QByteArray> parts = text.split(';');
    if (parts.size() != count)
        return false;
    out.clear();
    for (const QByteArray& p : parts) {
        bool ok = false;
        out.push_back(p.toInt(&ok, 10));
        if (!ok)
            return false;
    }
    return true;
}

bool validSensor(int type)
{
    return (type >= 1 && type <= 10) || type == 16 || type == 17 || type == 19;
}

bool validSettings(const std::vector<int>& f)
{
    return validSensor(f[SensorType]) && f[PotMin] >= 0 && f[PotMax] >= 0
        && (f[ActuatorType] == 0 || f[ActuatorType] == 1) && f[ControlSource] >= 0
        && f[ControlSource] <= BoxState::ACTUATORS;
}

QByteArray joined(const int* values, int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ';';
        out += QByteArray::number(values[i]);
    }
    return out;
}

// A text reply; an empty text is still an answer.
QByteArray utf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return bytes.isNull() ? QByteArray("") : bytes;
}

// A little-endian 16-bit word.
void putWord(QByteArray& out, uint16_t w)
{
    out += char(w & 0xFF);
    out += char(w >> 8);
}
} // namespace

VoroBox::VoroBox(const QString& location, unsigned short release_number)
    : release(release_number)
    , clock_synced(std::chrono::steady_clock::now())
{
    // Distinct in the last six digits, which is what the program shows of a serial.
    static std::atomic<quint64> boxes_made { 0 };
    serial_number = QString::number(0x20573A0F2100ULL + 0x10F3ULL * boxes_made++, 16).toUpper();
    state.fillHistory();
    state.location = location;
    state.saveConfiguration();
}

std::wstring VoroBox::serialNumber() const
{
    return serial().toStdWString();
}

void VoroBox::setSerialNumber(const QString& serial)
{
    std::lock_guard<std::mutex> lock(serial_mutex);
    serial_number = serial;
}

QString VoroBox::serial() const
{
    std::lock_guard<std::mutex> lock(serial_mutex);
    return serial_number;
}

QByteArray VoroBox::text(const QByteArray& bytes)
{
    const int end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}

bool VoroBox::receive(const QByteArray& report, Port& port)
{
    if (report.size() < 2)
        return true; // nothing the firmware would act on
    const uint8_t command = uint8_t(report[1]);
    QByteArray reply;
    {
        std::lock_guard<std::mutex> lock(mutex);
        reports.push_back({ std::chrono::steady_clock::now(), report });
        while (reports.size() > size_t(RECEIVED_KEPT))
            reports.pop_front();
        if (!takeOverride(command, reply) && command != kEnterBootloader) {
            syncClock();
            reply = answer(command, text(report.mid(2)));
        }
    }
    if (command == kEnterBootloader && reply.isNull()) {
        enterBootloader(port); // no answer: the box restarts at once
        return true;
    }
    if (reply.isNull())
        return true;
    QByteArray frame(REPORT_SIZE, '\0');
    frame[0] = char(command);
    const QByteArray body = reply.left(REPORT_SIZE - 1);
    std::copy(body.begin(), body.end(), frame.begin() + 1);
    port.send(frame);
    bool restarting = false;
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::swap(restarting, restart_pending);
    }
    if (restarting) {
        // The box leaves the bus and comes back on the same port, which restarts it.
        std::shared_ptr<VoroBox> self = shared_from_this();
        const std::string path = port.path();
        port.detach([self, path] { Bus::instance().plug(self, path); });
    }
    return true;
}

void VoroBox::pluggedIn()
{
    std::lock_guard<std::mutex> lock(mutex);
    syncClock();
    state.restart();
}

void VoroBox::enterBootloader(Port& port)
{
    BootloaderHook hook;
    {
        std::lock_guard<std::mutex> lock(mutex);
        hook = bootloader_hook;
    }
    std::shared_ptr<VoroBox> self = weak_from_this().lock();
    const std::string path = port.path();
    port.detach([hook, self, path] {
        if (hook)
            hook(self, path);
        else if (self) // the box restarts as its bootloader, enumerated anew
            Bus::instance().plug(std::make_shared<Bootloader>(self));
    });
}

bool VoroBox::takeOverride(uint8_t command, QByteArray& reply)
{
    for (auto it = overrides.begin(); it != overrides.end(); ++it) {
        if (it->command != command)
            continue;
        reply = it->text.isNull() ? QByteArray("") : it->text;
        if (it->times > 0 && --it->times == 0)
            overrides.erase(it);
        return true;
    }
    return false;
}

bool VoroBox::toIndex(const QByteArray& text, int& index)
{
    bool ok = false;
    index = text.toInt(&ok, 10);
    return ok && index >= 0 && index < ACTUATORS;
}

QByteArray VoroBox::answer(uint8_t command, const QByteArray& argument)
{
    int index = 0;
    std::vector<int> f;
    switch (command) {
    case kGetStatus:
        return status();
    case kGetCommonSettings:
        return joined(state.common.data(), COMMON_FIELDS);
    case kSetCommonSettings:
        if (!parseFields(argument, COMMON_FIELDS, f) || f[ControlMode] < 0 || f[ControlMode] > 1
            || f[ControlType] < 0 || f[ControlType] > 2 || f[ModbusResponseDelay] < 0
            || f[ModbusResponseDelay] > 255)
            return kError;
        std::copy(f.begin(), f.end(), state.common.begin());
        return kOk;
    case kGetActuatorData:
        return toIndex(argument, index) ? actuatorData(index) : kError;
    case kGetActuatorSettings:
        return toIndex(argument, index) ? actuatorSettings(index) : kError;
    case kSetActuatorSettings:
        if (!parseFields(argument, SETTING_FIELDS + 1, f) || f[0] < 0 || f[0] >= ACTUATORS)
            return kError;
        index = f[0];
        f.erase(f.begin());
        if (!validSettings(f))
            return kError;
        f[Active] = f[Active] != 0;
        std::copy(f.begin(), f.end(), state.actuators[size_t(index)].settings.begin());
        return kOk;
    case kSetLocation:
        state.location = QString::fromUtf8(argument);
        return kOk;
    case kGetActuatorLocation:
        return toIndex(argument, index) ? utf8(state.actuators[size_t(index)].location) : kError;
    case kSetActuatorLocation: {
        const int sep = argument.indexOf(';');
        if (sep < 0 || !toIndex(argument.left(sep), index))
            return kError;
        state.actuators[size_t(index)].location = QString::fromUtf8(argument.mid(sep + 1));
        return kOk;
    }
    case kClearErrors:
        if (!toIndex(argument, index))
            return kError;
        state.actuators[size_t(index)].mem_errors = state.actuators[size_t(index)].errors;
        return kOk;
    case kTestActuator:
        if (!parseFields(argument, 2, f) || f[0] < 0 || f[0] >= ACTUATORS)
            return kError;
        state.actuators[size_t(f[0])].testing = f[1] != 0;
        test_until[size_t(f[0])] = std::chrono::steady_clock::now() + TEST_HOLD;
        return kOk;
    case kReadLog:
        return argument.isEmpty() ? logChunk() : openLog(argument);
    case kGetLogInterval:
        return QByteArray::number(state.log_interval);
    case kSetLogInterval: {
        bool ok = false;
        const int seconds = argument.toInt(&ok, 10);
        if (!ok || seconds < 1)
            return kError;
        if (seconds != state.log_interval) {
            state.log_interval = seconds;
            state.clearLogs();
        }
        return kOk;
    }
    case kFactoryReset:
        if (argument != FACTORY_RESET_CODE)
            return kError;
        state.restoreDefaults();
        ++factory_resets;
        save();
        restart_pending = true;
        return kOk;
    case kGetProtocolVersion:
        return QByteArray::number(protocol_version);
    case kGetFirmwareVersion:
        return utf8(firmware_version);
    case kGetLocation:
        return utf8(state.location);
    case kSave:
        save();
        return kOk;
    default:
        return kError;
    }
}

QByteArray VoroBox::status() const
{
    QByteArray out = QByteArray::number(state.modbus_address) + ';'
        + QByteArray::number(state.baudrate) + ';' + state.parity + ';'
        + QByteArray::number(state.stop_bits) + ';'
        + QByteArray::number(qint64(state.now - state.boot_time)) + ';'
        + (state.cooling() ? "1" : "0") + ";0;" + QByteArray::number(state.config_write_count);
    if (reports_flash_count)
        out += ';' + QByteArray::number(state.flash_write_count);
    return out;
}

QByteArray VoroBox::actuatorData(int i) const
{
    const BoxActuator& a = state.actuators[size_t(i)];
    const int values[] = { state.measuredTemperature(i),
                           state.sensorResistance(i),
                           state.potShift(i),
                           state.reportedPotResistance(i),
                           state.effectiveSetpoint(i),
                           state.triac(i) ? 1 : 0,
                           a.errors,
                           a.mem_errors };
    return joined(values, 8);
}

QByteArray VoroBox::actuatorSettings(int i) const
{
    return joined(state.actuators[size_t(i)].settings.data(), SETTING_FIELDS);
}

QByteArray VoroBox::openLog(const QByteArray& argument)
{
    int index = 0;
    log_stream = LogStream();
    if (!toIndex(argument, index))
        return kError;
    const auto& log = state.actuators[size_t(index)].log;
    log_stream.newest_first = QVector<LogRecord>(log.rbegin(), log.rend());
    if (log_cuts_left != 0) {
        log_stream.cut_after = log_cut_chunks;
        if (log_cuts_left > 0)
            --log_cuts_left;
    }
    return QByteArray::number(state.secondsSinceSample()) + ';'
        + QByteArray::number(state.log_interval);
}

QByteArray VoroBox::logChunk()
{
    LogStream& s = log_stream;
    if (s.cut_after >= 0 && s.chunks_sent >= s.cut_after)
        return QByteArray(); // the box has gone quiet in the middle of its log
    QByteArray bytes;
    for (int n = 0; n < LOG_RECORDS_PER_CHUNK && s.position < s.newest_first.size(); ++n) {
        const LogRecord& r = s.newest_first[s.position++];
        const int raw = std::clamp(r.setpoint + 1000, 0, 0x3FFF);
        putWord(bytes, uint16_t(raw | (r.triac ? 0x4000 : 0)));
        putWord(bytes, uint16_t(int16_t(std::clamp(r.temperature, -32768, 32767))));
    }
    ++s.chunks_sent;
    return bytes.toBase64() + ';';
}

void VoroBox::save()
{
    state.saveConfiguration();
    ++state.config_write_count;
    ++state.flash_write_count;
}

void VoroBox::syncClock() const
{
    const auto now = std::chrono::steady_clock::now();
    const double elapsed = std::chrono::duration<double>(now - clock_synced).count();
    clock_synced = now;
    for (int i = 0; i < ACTUATORS; ++i) {
        if (state.actuators[size_t(i)].testing && now >= test_until[size_t(i)])
            state.actuators[size_t(i)].testing = false;
    }
    if (time_scale > 0)
        state.advance(elapsed * time_scale);
}

// ---- control API ----

} // namespace hidsim
