// The virtual box's control API: what tests and the demo do to it from outside, as its own
// controls, Modbus or time would.
#include "sim/VoroBox.h"

#include <QStringList>

#include <algorithm>

namespace hidsim {

void VoroBox::setProtocolVersion(int version)
{
    std::lock_guard<std::mutex> lock(mutex);
    protocol_version = version;
}

int VoroBox::protocolVersion() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return protocol_version;
}

void VoroBox::setFirmwareVersion(const QString& version)
{
    std::lock_guard<std::mutex> lock(mutex);
    firmware_version = version;
}

QString VoroBox::firmwareVersion() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return firmware_version;
}

void VoroBox::setLocation(const QString& location)
{
    std::lock_guard<std::mutex> lock(mutex);
    state.location = location;
    state.saved.location = location;
}

QString VoroBox::location() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.location;
}

void VoroBox::setActuatorLocation(int index, const QString& location)
{
    std::lock_guard<std::mutex> lock(mutex);
    state.actuators.at(size_t(index)).location = location;
    state.saved.locations.at(size_t(index)) = location;
}

QString VoroBox::actuatorLocation(int index) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.actuators.at(size_t(index)).location;
}

void VoroBox::setCommon(CommonField field, int value)
{
    std::lock_guard<std::mutex> lock(mutex);
    state.common.at(size_t(field)) = value;
    state.saved.common.at(size_t(field)) = value;
}

int VoroBox::common(CommonField field) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.common.at(size_t(field));
}

void VoroBox::setActuatorSetting(int index, SettingField field, int value)
{
    std::lock_guard<std::mutex> lock(mutex);
    state.actuators.at(size_t(index)).settings.at(size_t(field)) = value;
    state.saved.settings.at(size_t(index)).at(size_t(field)) = value;
}

int VoroBox::actuatorSetting(int index, SettingField field) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.actuators.at(size_t(index)).settings.at(size_t(field));
}

void VoroBox::setLogInterval(int seconds)
{
    std::lock_guard<std::mutex> lock(mutex);
    state.log_interval = std::max(1, seconds);
    state.saved.log_interval = state.log_interval;
    state.clearLogs();
}

int VoroBox::logInterval() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.log_interval;
}

BoxConfig VoroBox::savedConfig() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.saved;
}

void VoroBox::restart()
{
    Bus& bus = Bus::instance();
    const std::string path = bus.pathOf(this);
    if (path.empty()) {
        pluggedIn(); // not on the bus: it restarts in place
        return;
    }
    bus.unplug(path);
    bus.plug(shared_from_this(), path);
}

void VoroBox::setModbus(int address, int baudrate, char parity, int stop_bits)
{
    std::lock_guard<std::mutex> lock(mutex);
    state.modbus_address = address;
    state.baudrate = baudrate;
    state.parity = parity;
    state.stop_bits = stop_bits;
}

void VoroBox::setCoolingInput(bool cooling)
{
    std::lock_guard<std::mutex> lock(mutex);
    state.cooling_input = cooling;
}

void VoroBox::setReportsFlashCount(bool reports)
{
    std::lock_guard<std::mutex> lock(mutex);
    reports_flash_count = reports;
}

quint32 VoroBox::configWriteCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.config_write_count;
}

quint32 VoroBox::flashWriteCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.flash_write_count;
}

int VoroBox::factoryResets() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return factory_resets;
}

void VoroBox::setErrors(int index, uint8_t errors)
{
    std::lock_guard<std::mutex> lock(mutex);
    BoxActuator& a = state.actuators.at(size_t(index));
    a.errors = errors;
    a.mem_errors |= errors;
}

uint8_t VoroBox::errors(int index) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.actuators.at(size_t(index)).errors;
}

uint8_t VoroBox::memErrors(int index) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return state.actuators.at(size_t(index)).mem_errors;
}

void VoroBox::setPotResistance(int index, int tenth_ohm)
{
    std::lock_guard<std::mutex> lock(mutex);
    state.actuators.at(size_t(index)).pot_resistance = tenth_ohm;
}

void VoroBox::setRoomTemperature(int index, double celsius)
{
    std::lock_guard<std::mutex> lock(mutex);
    state.actuators.at(size_t(index)).temperature = celsius;
}

int VoroBox::temperature(int index) const
{
    std::lock_guard<std::mutex> lock(mutex);
    syncClock();
    return state.measuredTemperature(index);
}

bool VoroBox::triac(int index) const
{
    std::lock_guard<std::mutex> lock(mutex);
    syncClock();
    return state.triac(index);
}

bool VoroBox::testing(int index) const
{
    std::lock_guard<std::mutex> lock(mutex);
    syncClock();
    return state.actuators.at(size_t(index)).testing;
}

void VoroBox::setTimeScale(double scale)
{
    std::lock_guard<std::mutex> lock(mutex);
    syncClock();
    time_scale = std::max(0.0, scale);
}

void VoroBox::advance(double seconds)
{
    std::lock_guard<std::mutex> lock(mutex);
    syncClock();
    state.advance(seconds);
}

QVector<LogRecord> VoroBox::log(int index) const
{
    std::lock_guard<std::mutex> lock(mutex);
    syncClock();
    const auto& log = state.actuators.at(size_t(index)).log;
    return QVector<LogRecord>(log.begin(), log.end());
}

void VoroBox::setLog(int index, const QVector<LogRecord>& records, int seconds_since_newest)
{
    std::lock_guard<std::mutex> lock(mutex);
    syncClock();
    auto& log = state.actuators.at(size_t(index)).log;
    log.assign(records.begin(), records.end());
    while (log.size() > size_t(BoxState::LOG_CAPACITY))
        log.pop_front();
    state.last_sample = state.now - seconds_since_newest;
    state.has_sample = !records.isEmpty();
}

void VoroBox::cutLogShort(int chunks, int times)
{
    std::lock_guard<std::mutex> lock(mutex);
    log_cut_chunks = std::max(0, chunks);
    log_cuts_left = times;
}

std::vector<VoroBox::Received> VoroBox::received() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return std::vector<Received>(reports.begin(), reports.end());
}

QStringList VoroBox::receivedArguments(int command) const
{
    std::lock_guard<std::mutex> lock(mutex);
    QStringList out;
    for (const Received& r : reports) {
        if (r.report.size() > 1 && uint8_t(r.report[1]) == command)
            out << QString::fromUtf8(text(r.report.mid(2)));
    }
    return out;
}

void VoroBox::clearReceived()
{
    std::lock_guard<std::mutex> lock(mutex);
    reports.clear();
}

void VoroBox::overrideReply(int command, const QByteArray& text, int times)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (times != 0)
        overrides.push_back({ command, text, times });
}

void VoroBox::setBootloaderHook(BootloaderHook hook)
{
    std::lock_guard<std::mutex> lock(mutex);
    bootloader_hook = std::move(hook);
}

} // namespace hidsim
