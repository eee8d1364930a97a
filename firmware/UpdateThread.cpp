#include "firmware/UpdateThread.h"

#include "devicelink/HidOpenMonitor.h"
#include "firmware/FwHidProgrammer.h"

#include <cstring>

UpdateThread::UpdateThread(const HidDevice::Id& id, const UpdateImage& image, bool mayReset,
                           QObject* parent)
    : QThread(parent)
    , id(id)
    , image(image)
    , mayReset(mayReset)
{ }

void UpdateThread::run()
{
    attempt();
}

void UpdateThread::report(int value)
{
    // The stream reports every packet; a row needs each value once.
    if (value == lastProgress)
        return;
    lastProgress = value;
    emit progress(id, value);
}

std::optional<uint32_t> UpdateThread::askHardwareId(HidDevice& device)
{
    uint8_t packet[FwCommBase::PACKET_SIZE] = { 0, HARDWARE_ID_CODE };
    bool sent = false;
    for (int attempt = 0; attempt < WRITE_ATTEMPTS && !sent; ++attempt)
        sent = device.write(packet, sizeof(packet));
    if (!sent)
        return std::nullopt;
    uint8_t reply[FwCommBase::PACKET_SIZE];
    std::memset(reply, 0, sizeof(reply));
    device.read(reply, sizeof(reply), HARDWARE_ID_TIMEOUT_MS);
    if (reply[0] != HARDWARE_ID_CODE)
        return std::nullopt;
    reply[sizeof(reply) - 1] = 0;
    bool ok = false;
    const uint hardwareId = QByteArray(reinterpret_cast<const char*>(reply + 1)).toUInt(&ok, 10);
    return ok ? std::optional<uint32_t>(hardwareId) : std::nullopt;
}

void UpdateThread::attempt()
{
    std::optional<uint32_t> hardwareId;
    {
        HidDevice device(id);
        // A bootloader whose node this user may not open is named to the user like a box.
        HidOpenMonitor::instance()->report(device);
        if (!device.isOpen()) {
            fail(OpenFailed, tr("its USB device cannot be opened"));
            return;
        }
        hardwareId = askHardwareId(device);
    }
    if (!hardwareId) {
        fail(NoAnswer, tr("the bootloader does not tell its hardware id"));
        return;
    }
    report(5);

    FwHidProgrammer programmer(id.vendor_id, id.product_id);
    connect(&programmer, &FwProgrammer::statusMessage,
            [this](const QString& msg) { emit statusMessage(id, msg); });
    connect(&programmer, &FwProgrammer::progress, [this](int value) { report(value); });
    if (!programmer.pollConnection(&id)) {
        fail(NoAnswer, tr("the bootloader does not answer"));
        return;
    }
    report(10);

    const UpdateImage used
        = *hardwareId == image.hardware_id ? image : UpdateImage::find(*hardwareId);
    if (!used.usable()) {
        unfit(programmer,
              *hardwareId == image.hardware_id
                  ? tr("the firmware image %1 cannot be used: %2").arg(used.fileName(), used.error)
                  : tr("this box's hardware (id %1) needs another firmware image: %2")
                        .arg(*hardwareId)
                        .arg(used.error));
        return;
    }
    outcome.version = used.version;
    if (!programmer.loadImage(used.data, used.fileName(), false)) {
        unfit(programmer, tr("the firmware image does not fit this box's memory"));
        return;
    }

    // From here on the box has no firmware until the new one is written.
    report(15);
    programmer.setReadTimeout(ERASE_TIMEOUT_MS);
    const bool erased = programmer.erase();
    programmer.setReadTimeout(FwCommBase::READ_TIMEOUT_MS);
    if (!erased) {
        fail(Failed, tr("erasing failed: %1").arg(explain(programmer.lastResult())));
        return;
    }
    if (!programmer.write(true, false, false)) {
        fail(Failed, tr("writing failed: %1").arg(explain(programmer.lastResult())));
        return;
    }
    programmer.reset();
    qDebug("Device rebooted");
    report(100);
    outcome.outcome = Updated;
}

void UpdateThread::fail(Outcome kind, const QString& reason)
{
    outcome.outcome = kind;
    outcome.reason = reason;
}

void UpdateThread::unfit(FwProgrammer& programmer, const QString& reason)
{
    fail(Unfit, reason);
    // Nothing was erased: the box's own firmware starts again.
    if (mayReset)
        outcome.reset_sent = programmer.reset() == FwCommBase::Completed;
}

QString UpdateThread::explain(int commResult)
{
    switch (commResult) {
    case FwCommBase::NoDevice:
        return tr("the connection to the box was lost");
    case FwCommBase::BadReply:
        return tr("the box did not answer");
    case FwCommBase::TimedOut:
        return tr("the box did not answer in time");
    default:
        return tr("the box did not accept the data");
    }
}
