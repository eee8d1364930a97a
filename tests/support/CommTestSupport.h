#pragma once

// What the device-link tests share: a virtual box plugged into the bus for the length of a
// test, and a record of the messages the code under test logs (from any thread).

#include "devicelink/HidDevice.h"
#include "devicelink/VoroComm.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

#include <memory>

class MessageLog
{
public:
    MessageLog()
    {
        instance() = this;
        previous = qInstallMessageHandler(&MessageLog::handle);
    }
    ~MessageLog()
    {
        qInstallMessageHandler(previous);
        instance() = nullptr;
    }

    QStringList messages() const
    {
        QMutexLocker lock(&mutex);
        return list;
    }
    bool contains(const QString& text) const { return messages().contains(text); }
    int count(const QString& text) const { return messages().count(text); }
    void clear()
    {
        QMutexLocker lock(&mutex);
        list.clear();
    }

private:
    static MessageLog*& instance()
    {
        static MessageLog* log = nullptr;
        return log;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        MessageLog* log = instance();
        if (!log)
            return;
        {
            QMutexLocker lock(&log->mutex);
            log->list << text;
        }
        if (type >= QtCriticalMsg && log->previous)
            log->previous(type, context, text);
    }

    mutable QMutex mutex;
    QStringList list;
    QtMessageHandler previous = nullptr;
};

// A box on the bus with its clock stopped, so that what it reports stays put.
struct PluggedBox
{
    explicit PluggedBox(const QString& location = QStringLiteral("Room 1"))
        : box(std::make_shared<hidsim::VoroBox>(location))
    {
        box->setTimeScale(0);
        path = hidsim::Bus::instance().plug(box);
    }
    ~PluggedBox() { hidsim::Bus::instance().unplug(path); }

    HidDevice::Id id() const
    {
        HidDevice::Id id;
        id.vendor_id = hidsim::VoroBox::VENDOR_ID;
        id.product_id = hidsim::VoroBox::PRODUCT_ID;
        id.path = path;
        return id;
    }
    VoroComm* openComm(VoroDevice::Id device_id = 1) const
    {
        return new VoroComm(new HidDevice(id()), device_id);
    }
    void inject(const hidsim::Fault& fault) const
    {
        hidsim::Bus::instance().injectFault(path, fault);
    }
    // The command bytes the box received, in order.
    QList<int> commands() const
    {
        QList<int> out;
        for (const auto& r : box->received())
            out << (r.report.size() > 1 ? int(uint8_t(r.report[1])) : -1);
        return out;
    }
    bool plugged() const { return bool(hidsim::Bus::instance().device(path)); }

    std::shared_ptr<hidsim::VoroBox> box;
    std::string path;
};
