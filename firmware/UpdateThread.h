#pragma once

#include "devicelink/HidDevice.h"
#include "firmware/UpdateImage.h"

#include <QString>
#include <QThread>

#include <cstdint>
#include <optional>

class FwProgrammer;

// One attempt at updating one bootloader device, in a thread of its own: asks the device for
// its hardware id, attaches and reads its memory layout, lays the image into it, then erases,
// writes program memory and resets. Until the erase nothing of the box is touched: when the
// image does not fit and the box's firmware is known to be intact, the bootloader is reset so
// that the box restarts on it. Reports its steps by signals (queued to whoever listens in
// another thread) and its outcome in result() once finished. Call start() once its signals are
// connected.
class UpdateThread : public QThread
{
    Q_OBJECT

public:
    static constexpr uint16_t VENDOR_ID = 0x0483;
    static constexpr uint16_t PRODUCT_ID = 0xA517;
    static constexpr uint8_t HARDWARE_ID_CODE = 0x14;
    static constexpr int HARDWARE_ID_TIMEOUT_MS = 1000;
    static constexpr int WRITE_ATTEMPTS = 5;
    static constexpr int ERASE_TIMEOUT_MS = 10000;

    enum Outcome {
        Updated, // written and reset: the box starts its new firmware
        OpenFailed, // the device node could not be opened
        NoAnswer, // opened, but the bootloader did not answer
        Unfit, // the image does not fit this box; nothing was erased
        Failed, // erasing or writing failed: the box has no firmware until written
    };
    struct Result
    {
        Outcome outcome = NoAnswer;
        QString reason; // for the user, when not updated
        bool reset_sent = false; // Unfit: the box restarts on its old firmware
        QString version; // of the image used, when one was chosen
    };

    // `mayReset`: the box's firmware is intact (it was running until it was sent here), so a
    // reset brings it back when the image does not fit.
    UpdateThread(const HidDevice::Id& id, const UpdateImage& image, bool mayReset,
                 QObject* parent = nullptr);

    HidDevice::Id deviceId() const { return id; }
    // Valid once the thread has finished.
    Result result() const { return outcome; }

signals:
    void statusMessage(HidDevice::Id id, QString msg);
    void progress(HidDevice::Id id, int progress);

protected:
    void run() override;

private:
    std::optional<uint32_t> askHardwareId(HidDevice& device);
    void attempt();
    void fail(Outcome kind, const QString& reason);
    void unfit(FwProgrammer& programmer, const QString& reason);
    void report(int value);
    static QString explain(int commResult);

    const HidDevice::Id id;
    const UpdateImage image;
    const bool mayReset;
    Result outcome;
    int lastProgress = -1;
};
