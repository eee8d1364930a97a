#pragma once

#include "sim/BoxState.h"
#include "sim/HidBus.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace hidsim {

// A voro-BOX on the simulated bus: answers the framed text commands from its own state, and
// lets tests and the demo act on it from outside, as its own controls, its Modbus master or a
// pair of pliers would. Thread-safe: the bus calls receive() on the host's writing thread.
class VoroBox : public VirtualDevice, public std::enable_shared_from_this<VoroBox>
{
public:
    static constexpr unsigned short VENDOR_ID = 0x0483;
    static constexpr unsigned short PRODUCT_ID = 0xA514;
    static constexpr int ACTUATORS = BoxState::ACTUATORS;
    static constexpr int REPORT_SIZE = 64; // input report, no report id
    static constexpr int RECEIVED_KEPT = 4096;
    static constexpr int LOG_RECORDS_PER_CHUNK = 11; // 44 bytes: 60 Base64 characters and ';'
    static constexpr const char* FACTORY_RESET_CODE = "1630497258";

    struct Received
    {
        std::chrono::steady_clock::time_point time;
        QByteArray report; // as the host wrote it, report id first
    };
    // Called once the box has left the bus for its bootloader, with the box and the path it
    // was plugged in under: the place to plug in the bootloader device.
    using BootloaderHook
        = std::function<void(std::shared_ptr<VoroBox> box, const std::string& path)>;

    explicit VoroBox(const QString& location = {}, unsigned short release_number = 0x0200);

    unsigned short vendorId() const override { return VENDOR_ID; }
    unsigned short productId() const override { return PRODUCT_ID; }
    unsigned short releaseNumber() const override { return release; }
    bool receive(const QByteArray& report, Port& port) override;
    // Plugging in is a restart: the box starts from its saved configuration.
    void pluggedIn() override;

    std::wstring serialNumber() const override;

    // Identity. Every box gets a serial number of its own, twelve hexadecimal digits as the
    // box's USB stack makes of its chip's unique id; its bootloader reports the same one.
    void setSerialNumber(const QString& serial);
    QString serial() const;
    void setProtocolVersion(int version);
    int protocolVersion() const;
    void setFirmwareVersion(const QString& version);
    QString firmwareVersion() const;

    // Restarts the box as a power cycle does: it leaves the bus and comes back under the same
    // path, working with its saved configuration again. Unplugging and plugging it in, a
    // factory reset and the return from its bootloader restart it as well.
    void restart();

    // Configuration, changed from outside as the box's own controls do: such a change is
    // saved at once. The getters give the configuration in use, which the set commands change
    // and only the save command (or a factory reset) makes permanent.
    void setLocation(const QString& location);
    QString location() const;
    void setActuatorLocation(int index, const QString& location);
    QString actuatorLocation(int index) const;
    void setCommon(CommonField field, int value);
    int common(CommonField field) const;
    void setActuatorSetting(int index, SettingField field, int value);
    int actuatorSetting(int index, SettingField field) const;
    void setLogInterval(int seconds); // clears the logs, as a new interval does on the box
    int logInterval() const;
    // What the box would start from after a restart.
    BoxConfig savedConfig() const;

    // Status.
    void setModbus(int address, int baudrate, char parity, int stop_bits);
    void setCoolingInput(bool cooling); // X19
    void setReportsFlashCount(bool reports); // older firmware sends eight status fields
    quint32 configWriteCount() const;
    quint32 flashWriteCount() const;
    int factoryResets() const;

    // Live values.
    void setErrors(int index, uint8_t errors); // latched into the stored errors as well
    uint8_t errors(int index) const;
    uint8_t memErrors(int index) const;
    void setPotResistance(int index, int tenth_ohm);
    void setRoomTemperature(int index, double celsius);
    int temperature(int index) const; // 0.1 °C as reported
    bool triac(int index) const;
    bool testing(int index) const;

    // Time: box seconds per real second (0 stops the clock), and jumps ahead.
    void setTimeScale(double scale);
    void advance(double seconds);

    // Logs, oldest first.
    QVector<LogRecord> log(int index) const;
    // Replaces a log; the newest record was taken `seconds_since_newest` ago.
    void setLog(int index, const QVector<LogRecord>& records, int seconds_since_newest = 0);
    // The next log reads (`times`, -1 for all) fall silent after `chunks` chunks.
    void cutLogShort(int chunks, int times = 1);

    // The next `times` requests (-1: all) with this command are answered with `text` instead,
    // cut to what a report holds; the box ignores what they asked for.
    void overrideReply(int command, const QByteArray& text, int times = 1);

    // What the host wrote, oldest first (the last RECEIVED_KEPT reports).
    std::vector<Received> received() const;
    // The arguments of the received reports with this command, decoded.
    QStringList receivedArguments(int command) const;
    void clearReceived();

    // Without a hook the box turns into a Bootloader (sim/Bootloader.h) under a new path.
    void setBootloaderHook(BootloaderHook hook);

    // The text a command argument or a reply carries: up to the first zero byte.
    static QByteArray text(const QByteArray& bytes);

private:
    struct LogStream
    {
        QVector<LogRecord> newest_first;
        int position = 0;
        int chunks_sent = 0;
        int cut_after = -1; // chunks before the stream falls silent; -1 never
    };

    // The reply text, or a null array for no reply at all.
    QByteArray answer(uint8_t command, const QByteArray& argument);
    QByteArray status() const;
    QByteArray actuatorData(int index) const;
    QByteArray actuatorSettings(int index) const;
    QByteArray openLog(const QByteArray& argument);
    QByteArray logChunk();
    void save();
    void syncClock() const;
    static bool toIndex(const QByteArray& text, int& index);
    bool takeOverride(uint8_t command, QByteArray& reply);
    void enterBootloader(Port& port);

    const unsigned short release;
    mutable std::mutex mutex;
    mutable BoxState state; // mutable: reading the box lets its clock catch up
    // Under a lock of its own: the bus asks for it with its lock held, and the box calls the
    // bus with its own lock held.
    mutable std::mutex serial_mutex;
    QString serial_number;
    int protocol_version = 2;
    QString firmware_version = QStringLiteral("1.1.2.17");
    bool reports_flash_count = true;
    int factory_resets = 0;
    bool restart_pending = false; // the reply of a factory reset is out: restart now
    double time_scale = 1.0;
    mutable std::chrono::steady_clock::time_point clock_synced;
    std::array<std::chrono::steady_clock::time_point, ACTUATORS> test_until {};
    static constexpr std::chrono::milliseconds TEST_HOLD { 3000 }; // after the last "on"
    LogStream log_stream;
    int log_cuts_left = 0;
    int log_cut_chunks = 0;
    std::deque<Received> reports;
    struct Override
    {
        int command;
        QByteArray text;
        int times;
    };
    std::vector<Override> overrides;
    BootloaderHook bootloader_hook;
};

} // namespace hidsim
