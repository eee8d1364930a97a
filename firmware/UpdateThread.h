#pragma once

#include "devicelink/HidDevice.h"

#include <QString>
#include <QStringList>
#include <QThread>

class FwHidProgrammer;

// Updates one bootloader device: asks for its hardware id, chooses the image made for it,
// attaches, then loads, erases, writes program memory and resets, up to three times. Lives in
// its own thread; reports by signals, which reach the dialog queued. Call start() once its
// signals are connected.
class UpdateThread : public QThread
{
    Q_OBJECT

public:
    static constexpr uint16_t VENDOR_ID = 0x0483;
    static constexpr uint16_t PRODUCT_ID = 0xA517;
    static constexpr uint8_t HARDWARE_ID_CODE = 0x14;
    static constexpr int HARDWARE_ID_TIMEOUT_MS = 1000;
    static constexpr int ERASE_TIMEOUT_MS = 10000;
    static constexpr int ATTEMPTS = 3;

    explicit UpdateThread(const HidDevice::Id& id);

    HidDevice::Id deviceId() const { return id; }
    // The image for a hardware id: a development folder, the working folder, then the
    // resources; empty when there is none.
    static QString chooseImage(uint32_t hardwareId);
    static QStringList developmentFolders();

signals:
    void statusMessage(HidDevice::Id id, QString msg);
    void progress(HidDevice::Id id, int progress);
    void updateFinished(HidDevice::Id id, bool success);

protected:
    void run() override;

private slots:
    void onProgram();
    void onProgress(int value);
    void onStatusMessage(const QString& msg);

private:
    QString readImagePath();

    QString imagePath;
    const HidDevice::Id id;
    FwHidProgrammer* programmer = nullptr;
    QThread* const home; // where the object returns when the work is done
};
