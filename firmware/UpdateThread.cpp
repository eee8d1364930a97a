#include "firmware/UpdateThread.h"

#include "devicelink/HidOpenMonitor.h"
#include "firmware/FwHidProgrammer.h"

#include <QFile>

#include <cstring>

UpdateThread::UpdateThread(const HidDevice::Id& id)
    : id(id)
    , home(QThread::currentThread())
{
    moveToThread(this);
}

QStringList UpdateThread::developmentFolders()
{
    return { QStringLiteral("../../../../stm32/VORO-BOX/VORO-BOX/firmware_update/") };
}

QString UpdateThread::chooseImage(uint32_t hardwareId)
{
    const QString name = QStringLiteral("%1.bme").arg(hardwareId, 0, 16);
    for (const QString& folder : developmentFolders()) {
        if (QFile::exists(folder + name)) {
            qDebug("using dev update: %s", qPrintable(folder + name));
            return folder + name;
        }
    }
    if (QFile::exists(QStringLiteral("./") + name)) {
        qDebug("using debeug update");
        return QStringLiteral("./") + name;
    }
    if (QFile::exists(QStringLiteral(":/") + name))
        return QStringLiteral(":/") + name;
    qWarning("no update file found for hw_id: %u", hardwareId);
    return QString();
}

QString UpdateThread::readImagePath()
{
    HidDevice device(id);
    // A bootloader whose node this user may not open is named to the user like a box.
    HidOpenMonitor::instance()->report(device);
    uint8_t packet[65] = { 0, HARDWARE_ID_CODE };
    bool sent = false;
    for (int attempt = 0; attempt < 5 && !sent; ++attempt)
        sent = device.write(packet, sizeof(packet));
    if (!sent)
        return QString();
    uint8_t reply[65];
    std::memset(reply, 0, sizeof(reply));
    device.read(reply, sizeof(reply), HARDWARE_ID_TIMEOUT_MS);
    if (reply[0] != HARDWARE_ID_CODE)
        return QString();
    reply[sizeof(reply) - 1] = 0;
    bool ok = false;
    const uint hardwareId = QByteArray(reinterpret_cast<const char*>(reply + 1)).toUInt(&ok, 10);
    return ok ? chooseImage(hardwareId) : QString();
}

void UpdateThread::run()
{
    imagePath = readImagePath();
    programmer = new FwHidProgrammer(id.vendor_id, id.product_id, this);
    programmer->setVerbose(false);
    connect(programmer, &FwProgrammer::statusMessage, this, &UpdateThread::onStatusMessage);
    connect(programmer, &FwProgrammer::progress, this, &UpdateThread::onProgress);
    programmer->pollConnection(&id);
    if (programmer->isConnected()) {
        QMetaObject::invokeMethod(this, &UpdateThread::onProgram, Qt::QueuedConnection);
        exec();
    }
    // The device is closed here, in the thread that used it; the object itself goes back to
    // the thread that created it, whose event loop deletes it.
    delete programmer;
    programmer = nullptr;
    moveToThread(home);
}

void UpdateThread::onProgram()
{
    emit progress(id, 5);
    programmer->pollConnection(nullptr);
    emit progress(id, 10);
    bool success = false;
    if (programmer->isConnected()) {
        qDebug("Programmer connected");
        for (int attempt = 0; attempt < ATTEMPTS && !success; ++attempt) {
            if (!programmer->loadFile(imagePath, false)) {
                qDebug("loading hex file failed");
                continue;
            }
            qDebug("Erasing device");
            emit progress(id, 15);
            programmer->setReadTimeout(ERASE_TIMEOUT_MS);
            const bool erased = programmer->erase();
            programmer->setReadTimeout(FwCommBase::READ_TIMEOUT_MS);
            if (!erased) {
                qDebug("Erase failed");
                continue;
            }
            qDebug("Writing Firmware");
            if (!programmer->write(true, false, false)) {
                qDebug("Write Failed");
                continue;
            }
            programmer->reset();
            qDebug("Device rebooted");
            success = true;
        }
    }
    emit updateFinished(id, success);
    quit();
}

void UpdateThread::onProgress(int value)
{
    emit progress(id, value);
}

void UpdateThread::onStatusMessage(const QString& msg)
{
    emit statusMessage(id, msg);
}
