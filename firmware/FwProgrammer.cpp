#include "firmware/FwProgrammer.h"

#include "firmware/ImageImporter.h"

#include <QFileInfo>
#include <QMutexLocker>

// Marks the programmer busy for one step; a step inside another leaves the outer flag alone.
class FwProgrammer::Busy
{
public:
    explicit Busy(FwProgrammer& p)
        : p(p)
    {
        QMutexLocker lock(&p.mutex);
        outer = p.busy;
        p.busy = true;
    }
    ~Busy()
    {
        if (outer)
            return;
        QMutexLocker lock(&p.mutex);
        p.busy = false;
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    FwProgrammer& p;
    bool outer = false;
};

FwProgrammer::FwProgrammer(FwCommBase* transport, QObject* parent)
    : QObject(parent)
    , transport(transport)
{
    transport->setParent(this);
    layout.regions = &deviceRegions;
    connect(transport, &FwCommBase::SetProgressBar, this, &FwProgrammer::progress);
}

FwProgrammer::~FwProgrammer()
{
    transport->close();
}

QString FwProgrammer::resultText(FwCommBase::CommResult result)
{
    switch (result) {
    case FwCommBase::Completed:
        return QLatin1Char(' ') + tr("Complete");
    case FwCommBase::NoDevice:
        return QLatin1Char(' ') + tr("Failed. Device not connected.");
    case FwCommBase::Failed:
        return QLatin1Char(' ') + tr("Failed") + QLatin1Char('.');
    case FwCommBase::BadReply:
        return QLatin1Char(' ') + tr("Failed. Unable to communicate with device.");
    case FwCommBase::TimedOut:
        return QLatin1Char(' ') + tr("Timed out waiting for device");
    }
    return QStringLiteral(" ");
}

void FwProgrammer::setVerbose(bool on)
{
    verbose = on;
    transport->setVerbose(on);
}

void FwProgrammer::setReadTimeout(int ms)
{
    transport->setReadTimeout(ms);
}

bool FwProgrammer::isConnected()
{
    return transport->isConnected();
}

bool FwProgrammer::pollConnection(const HidDevice::Id* filter)
{
    const bool before = isConnected();
    {
        QMutexLocker lock(&mutex);
        if (busy)
            return before;
    }
    if (!before)
        transport->findDevice(filter);
    if (isConnected() == before || !isConnected())
        return isConnected();
    if (verbose)
        qDebug("Attempting to open device...");
    const int opened = transport->open();
    emit statusMessage(tr("Device Attached."));
    emit statusMessage(tr("Connecting..."));
    if (opened != 0 || !queryDevice())
        detach();
    return isConnected();
}

void FwProgrammer::detach()
{
    if (verbose)
        qDebug("Closing device.");
    transport->close();
    emit statusMessage(tr("Device Detached."));
}

bool FwProgrammer::queryDevice()
{
    Busy busy(*this);
    const FwCommBase::CommResult r = transport->query(queryReply);
    switch (r) {
    case FwCommBase::Completed:
        emit statusMessage(tr("Device Ready"));
        if (verbose)
            qDebug("Device Ready");
        break;
    case FwCommBase::Failed:
    case FwCommBase::BadReply:
        emit statusMessage(tr("Unable to communicate with device"));
        break;
    case FwCommBase::TimedOut:
        emit statusMessage(tr("Operation timed out"));
        break;
    case FwCommBase::NoDevice:
        emit statusMessage(QString());
        break;
    }
    deviceRegions.clear();
    if (r != FwCommBase::Completed)
        return false;
    if (layout.readQueryReply(queryReply) != DeviceLayout::QR__OK) {
        qWarning("device reports more than %lld bytes of memory", DeviceLayout::MAX_BUFFER_BYTES);
        emit statusMessage(tr("The device reports more memory than this program can hold. "
                              "Nothing was written."));
        return false;
    }
    return true;
}

bool FwProgrammer::loadFile(const QString& path, bool lockWhenNoConfig)
{
    return load(QFileInfo(path).fileName(), lockWhenNoConfig,
                [&](ImageImporter& importer) { return importer.importFile(path, image, layout); });
}

bool FwProgrammer::loadImage(const QByteArray& data, const QString& name, bool lockWhenNoConfig)
{
    return load(name, lockWhenNoConfig,
                [&](ImageImporter& importer) { return importer.importData(data, image, layout); });
}

bool FwProgrammer::load(const QString& name, bool lockWhenNoConfig,
                        const std::function<int(ImageImporter&)>& import)
{
    Busy busy(*this);
    fileLoaded = false;
    image.regions.clear();
    if (verbose)
        qDebug("Total Programmable Regions Reported by Device: %d", int(deviceRegions.size()));
    for (const MemoryRegion& r : deviceRegions) {
        image.regions.emplace_back(r.type, r.start, r.end, r.size);
        if (verbose)
            qDebug("Device Programmable Region: [%X - %X)", r.start, r.end);
    }
    ImageImporter importer;
    importer.verbose = verbose;
    const auto result = ImageImporter::ImportResult(import(importer));
    switch (result) {
    case ImageImporter::Ok:
        if (lockWhenNoConfig && !importer.hasConfigData && layout.hasRegion(RT__CONFIG)) {
            if (!lockConfig(true))
                emit statusMessage(tr("Unexpected internal error encountered.  Recommend "
                                      "restarting the application to avoid bricking the "
                                      "device."));
            emit statusMessage(
                tr("Warning: This HEX file does not contain config bit information.\n\n"
                   "Automatically disabling config bit reprogramming to avoid leaving the "
                   "device in a state that could prevent further bootloading."));
        }
        emit statusMessage(tr("Opened: ") + name + QLatin1Char('\n'));
        fileLoaded = true;
        return true;
    case ImageImporter::OpenFailed:
        emit statusMessage(tr("Error: Could not open file") + QLatin1Char(' ') + name);
        break;
    case ImageImporter::NothingInRange:
        emit statusMessage(tr("No address within range in file:") + QLatin1Char(' ') + name
                           + QStringLiteral(".  ")
                           + tr("Verify the correct firmware image was specified and is "
                                "designed for your device."));
        break;
    case ImageImporter::HexFormatError:
        emit statusMessage(tr("Error in hex file.  Please make sure the firmware image "
                              "supplied was designed for the device to be programmed."));
        break;
    case ImageImporter::NoBuffer:
        emit statusMessage(tr("Memory allocation failed.  Please close other applications "
                              "to free up system RAM and try again."));
        break;
    case ImageImporter::ContainerError:
        emit statusMessage(tr("Error in file.  Please make sure the firmware image supplied "
                              "was designed for the device to be programmed."));
        break;
    default:
        emit statusMessage(tr("Failed to import:") + QLatin1Char(' ')
                           + QString::number(int(result)));
        break;
    }
    return false;
}

bool FwProgrammer::erase()
{
    Busy busy(*this);
    if (!isConnected())
        return false;
    emit statusMessage(tr("Erasing Device... (this may take several seconds)"));
    const int header[3] = { image.major, image.minor, image.patch };
    last = transport->erase(image.hasHeader ? header : nullptr, image.hardwareId);
    if (last != FwCommBase::Completed) {
        emit statusMessage(tr("Erase") + resultText(last));
        return false;
    }
    // The device answers its next query only once the erase is done. Without that answer the
    // flash may still be erasing, and whatever is written now would be lost.
    last = transport->query(queryReply);
    emit statusMessage(tr("Erase") + resultText(last));
    return last == FwCommBase::Completed;
}

bool FwProgrammer::lockConfig(bool lock)
{
    Busy busy(*this);
    return transport->setConfigLock(lock) == FwCommBase::Completed;
}

bool FwProgrammer::write(bool writeProgram, bool writeEeprom, bool writeConfig)
{
    Busy busy(*this);
    if (!isConnected() || !fileLoaded)
        return false;
    for (const MemoryRegion& r : image.regions) {
        if (r.type == RT__PROGRAM && writeProgram) {
            emit statusMessage(tr("Writing Device Program Memory..."));
        } else if (r.type == RT__EEPROM && writeEeprom) {
            emit statusMessage(tr("Writing Device EEPROM Memory..."));
        } else if (r.type == RT__CONFIG && writeConfig) {
            if (!lockConfig(false)) {
                emit statusMessage(tr("Unable to unlock Configuration bits"));
                return false;
            }
            emit statusMessage(tr("Unlocked Configuration bits successfully"));
            emit statusMessage(tr("Writing Device Config Words..."));
        } else {
            continue;
        }
        const int bpa = layout.bytesPerAddress(r.type);
        FwCommBase::CommResult& result = last;
        result = FwCommBase::Failed;
        // The stream reads (end - start) units of the buffer; never more than it holds.
        if (r.end >= r.start && quint64(r.end - r.start) * uint(bpa) <= quint64(r.buffer.size()))
            result
                = transport->program(r.start, uint8_t(layout.bytesPerPacket), uint8_t(bpa),
                                     uint8_t(layout.bytesPerWord(r.type)), uint8_t(layout.family),
                                     r.end, reinterpret_cast<const uint8_t*>(r.buffer.constData()));
        emit statusMessage(tr("Writing") + resultText(result));
        if (result != FwCommBase::Completed) {
            qWarning("Programming failed");
            return false;
        }
    }
    return true;
}

FwCommBase::CommResult FwProgrammer::reset()
{
    return transport->reset();
}

bool FwProgrammer::createBackup()
{
    emit statusMessage(tr("Creating Firmware Backup..."));
    return transport->backup() == FwCommBase::Completed;
}
