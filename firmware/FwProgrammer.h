#pragma once

#include "firmware/DeviceLayout.h"
#include "firmware/FirmwareImage.h"
#include "firmware/FwCommBase.h"

#include <QMutex>
#include <QObject>

#include <functional>

class ImageImporter;

// The steps of a firmware update on one bootloader device, each with its status texts:
// attach and read the memory layout, load a file into an image of that layout, erase, write,
// lock or unlock the configuration words, reset. Used from one thread only.
class FwProgrammer : public QObject
{
    Q_OBJECT

public:
    // Takes ownership of the transport.
    FwProgrammer(FwCommBase* transport, QObject* parent = nullptr);
    ~FwProgrammer() override;

    void setVerbose(bool on);
    void setReadTimeout(int ms);
    bool isConnected();
    // Attaches to the device once it has appeared (exactly `filter` when given).
    bool pollConnection(const HidDevice::Id* filter = nullptr);
    bool loadFile(const QString& path, bool lockWhenNoConfig);
    // Loads a file already read; `name` stands for it in the status texts.
    bool loadImage(const QByteArray& data, const QString& name, bool lockWhenNoConfig);
    bool erase();
    bool write(bool writeProgram, bool writeEeprom, bool writeConfig);
    FwCommBase::CommResult reset();
    // What the transport answered to the last erase or write.
    FwCommBase::CommResult lastResult() const { return last; }
    bool createBackup();

    const FirmwareImage& firmwareImage() const { return image; }
    const DeviceLayout& deviceLayout() const { return layout; }

    // " Complete", " Failed.", ...: the suffix a step's status gets from a transport result.
    static QString resultText(FwCommBase::CommResult result);

signals:
    void statusMessage(const QString& msg);
    void progress(int progress);

private:
    class Busy;

    bool load(const QString& name, bool lockWhenNoConfig,
              const std::function<int(ImageImporter&)>& import);
    bool queryDevice();
    void detach();
    bool lockConfig(bool lock);

    QMutex mutex;
    bool busy = false;
    bool verbose = false;
    FwCommBase* transport;
    uint8_t queryReply[FwCommBase::PACKET_SIZE] = {};
    MemoryRegions deviceRegions;
    FirmwareImage image;
    DeviceLayout layout;
    bool fileLoaded = false;
    FwCommBase::CommResult last = FwCommBase::Completed;
};
