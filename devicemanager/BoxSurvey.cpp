#include "devicemanager/BoxSurvey.h"

#include "devicelink/HidDevice.h"
#include "devicelink/VoroComm.h"
#include "devicelink/VoroUsbDetector.h"
#include "devicemanager/VoroManager.h"
#include "firmware/UpdateThread.h"
#include "records/BoxName.h"

#include <QThread>
#include <QTimer>

#include <algorithm>
#include <tuple>

QString SurveyedBox::name() const
{
    return BoxName::qualified(location, serial_number, usb_path);
}

QString SurveyedBox::stateKey(State state)
{
    switch (state) {
    case READY:
        return QStringLiteral("ready");
    case OUTDATED:
        return QStringLiteral("outdated");
    case UNSUPPORTED:
        return QStringLiteral("unsupported");
    case BOOTLOADER:
        return QStringLiteral("bootloader");
    case NO_ACCESS:
        return QStringLiteral("no-access");
    case NOT_ANSWERING:
        break;
    }
    return QStringLiteral("not-answering");
}

BoxSurvey::BoxSurvey(QObject* parent, const QString& reference_version)
    : QObject(parent)
    , reference(reference_version.isEmpty() ? QString::fromLatin1(VoroManager::FIRMWARE_VERSION)
                                            : reference_version)
{ }

BoxSurvey::~BoxSurvey()
{
    // A box that does not answer costs its threads a second per request at most.
    for (QThread* t : threads) {
        t->disconnect(this);
        t->wait();
        delete t;
    }
}

void BoxSurvey::start()
{
    if (running)
        return;
    running = true;
    found.clear();
    reading.clear();
    for (const HidDevice::Id& id :
         HidDevice::enumerate(VoroUsbDetector::VENDOR_ID, VoroUsbDetector::PRODUCT_ID)) {
        SurveyedBox box;
        box.serial_number = QString::fromStdWString(id.serial_number);
        box.usb_path = QString::fromStdString(id.path);
        reading.push_back(box);
    }
    pending = int(reading.size());
    for (size_t i = 0; i < reading.size(); ++i) {
        SurveyedBox* box = &reading[i];
        QThread* thread = QThread::create([box] {
            HidDevice::Id id;
            id.path = box->usb_path.toStdString();
            auto* hid = new HidDevice(id);
            if (!hid->isOpen()) {
                delete hid;
                box->state = SurveyedBox::NO_ACCESS;
                return;
            }
            VoroComm comm(hid, -1);
            if (!comm.readIdentity())
                return; // NOT_ANSWERING
            box->protocol_version = comm.device.protocol_version;
            box->location = comm.device.config.location;
            box->firmware_version = comm.device.firmware_version;
            box->state = SurveyedBox::READY; // judged once all are back
        });
        connect(thread, &QThread::finished, this, &BoxSurvey::onThreadFinished,
                Qt::QueuedConnection);
        threads.push_back(thread);
        thread->start();
    }
    if (pending == 0)
        QTimer::singleShot(0, this, &BoxSurvey::finish); // after the caller's connections
}

void BoxSurvey::onThreadFinished()
{
    if (--pending == 0)
        finish();
}

SurveyedBox::State BoxSurvey::judge(const SurveyedBox& box) const
{
    if (box.state != SurveyedBox::READY)
        return box.state;
    const bool older = VoroManager::isOlderVersion(box.firmware_version, reference);
    if (box.protocol_version == VoroManager::PROTOCOL_VERSION)
        return older ? SurveyedBox::OUTDATED : SurveyedBox::READY;
    // An older protocol is left behind by an update; a newer one is beyond this program.
    return box.protocol_version < VoroManager::PROTOCOL_VERSION && older ? SurveyedBox::OUTDATED
                                                                         : SurveyedBox::UNSUPPORTED;
}

void BoxSurvey::finish()
{
    for (QThread* t : threads) {
        t->wait();
        delete t;
    }
    threads.clear();
    QList<SurveyedBox> boxes;
    for (SurveyedBox box : reading) {
        box.state = judge(box);
        boxes << box;
    }
    reading.clear();
    const auto record = [](const SurveyedBox& b) {
        VoroDevice d;
        d.config.location = b.location;
        d.serial_number = b.serial_number;
        d.usb_path = b.usb_path;
        return d;
    };
    std::sort(boxes.begin(), boxes.end(), [&](const SurveyedBox& a, const SurveyedBox& b) {
        return BoxName::lessThan(record(a), record(b));
    });
    QList<SurveyedBox> loaders;
    for (const HidDevice::Id& id :
         HidDevice::enumerate(UpdateThread::VENDOR_ID, UpdateThread::PRODUCT_ID)) {
        SurveyedBox loader;
        loader.state = SurveyedBox::BOOTLOADER;
        loader.serial_number = QString::fromStdWString(id.serial_number);
        loader.usb_path = QString::fromStdString(id.path);
        loaders << loader;
    }
    std::sort(loaders.begin(), loaders.end(), [](const SurveyedBox& a, const SurveyedBox& b) {
        return std::tie(a.serial_number, a.usb_path) < std::tie(b.serial_number, b.usb_path);
    });
    found = boxes + loaders;
    running = false;
    emit finished();
}
