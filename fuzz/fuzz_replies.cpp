// The device link's reading of a box's replies: a box on the simulated bus answers every read
// request with the next line of the input (after the echo of the command, cut to one report)
// and fails the write once the input is used up. The link reads the identity, the
// configuration, the status and a log; a configuration it read is written back, and what
// reaches the box must be what was read.
#include "fuzz/FuzzSupport.h"

#include "devicelink/LogDecoder.h"
#include "devicelink/VoroComm.h"
#include "devicelink/VoroCommands.h"
#include "sim/HidBus.h"

#include <map>
#include <memory>

namespace {

class ScriptedBox : public hidsim::VirtualDevice
{
public:
    unsigned short vendorId() const override { return 0x0483; }
    unsigned short productId() const override { return 0xA514; }

    void start(QList<QByteArray> replies)
    {
        script = std::move(replies);
        next = 0;
        written.clear();
    }

    bool receive(const QByteArray& report, hidsim::Port& port) override
    {
        if (report.size() < 2)
            return false;
        const uint8_t command = uint8_t(report.at(1));
        QByteArray reply(1, char(command));
        if (isSet(command)) {
            // what the box stores; it answers as the firmware does
            const QByteArray argument = report.mid(2);
            const int end = argument.indexOf('\0');
            written[command] << (end < 0 ? argument : argument.left(end));
            reply += "OK";
        } else if (next < script.size()) {
            reply += script.at(next++).left(VoroComm::REPLY_SIZE - 1);
        } else {
            return false; // the box is gone: the write fails at once
        }
        port.send(reply);
        return true;
    }

    std::map<uint8_t, QList<QByteArray>> written;

private:
    static bool isSet(uint8_t command)
    {
        switch (command) {
        case CMD__SET_COMMON_SETTINGS:
        case CMD__SET_ACTUATOR_SETTINGS:
        case CMD__SET_LOCATION:
        case CMD__SET_ACTUATOR_LOCATION:
        case CMD__SET_LOG_INTERVAL:
        case CMD__SAVE:
            return true;
        default:
            return false;
        }
    }

    QList<QByteArray> script;
    int next = 0;
};

std::shared_ptr<ScriptedBox> box;
HidDevice::Id boxId;

// The configuration written back holds what was read: the records as they were, the locations
// whole or cut at a character boundary to fit one report.
void checkWrittenBack(const VoroConfig& read)
{
    const QList<QByteArray>& settings = box->written[CMD__SET_ACTUATOR_SETTINGS];
    FUZZ_CHECK(settings.size() == VoroDefinitions::ACTUATOR_COUNT);
    for (int i = 0; i < settings.size(); ++i) {
        const QByteArray prefix = QByteArray::number(i) + ';';
        FUZZ_CHECK(settings.at(i).startsWith(prefix));
        bool ok = false;
        const ActuatorSettings sent
            = ActuatorSettings::fromText(QString::fromUtf8(settings.at(i).mid(prefix.size())), &ok);
        FUZZ_CHECK(ok && sent == read.actuator_settings.at(i));
    }
    const QList<QByteArray>& locations = box->written[CMD__SET_ACTUATOR_LOCATION];
    FUZZ_CHECK(locations.size() == VoroDefinitions::ACTUATOR_COUNT);
    for (int i = 0; i < locations.size(); ++i) {
        const QByteArray prefix = QByteArray::number(i) + ';';
        FUZZ_CHECK(locations.at(i).startsWith(prefix));
        const QString sent = QString::fromUtf8(locations.at(i).mid(prefix.size()));
        FUZZ_CHECK(read.actuator_locations.at(i).startsWith(sent));
    }
    const QList<QByteArray>& location = box->written[CMD__SET_LOCATION];
    FUZZ_CHECK(location.size() == 1 && read.location.startsWith(QString::fromUtf8(location.at(0))));
    bool ok = false;
    FUZZ_CHECK(CommonSettings::fromText(
                   QString::fromUtf8(box->written[CMD__SET_COMMON_SETTINGS].value(0)), &ok)
                   == read.common
               && ok);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::silenceMessages();
    box = std::make_shared<ScriptedBox>();
    boxId.vendor_id = box->vendorId();
    boxId.product_id = box->productId();
    boxId.path = hidsim::Bus::instance().plug(box);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    box->start(fuzz::lines(data, size));
    VoroComm comm(new HidDevice(boxId), 1);
    comm.readIdentity();
    if (comm.readConfig()) {
        const VoroConfig config = comm.device.config;
        FUZZ_CHECK(config.actuator_settings.size() == VoroDefinitions::ACTUATOR_COUNT);
        FUZZ_CHECK(config.actuator_locations.size() == VoroDefinitions::ACTUATOR_COUNT);
        FUZZ_CHECK(comm.writeConfig(config) && comm.writeActuatorSettings(config));
        checkWrittenBack(config);
    }
    if (comm.readStatus())
        FUZZ_CHECK(comm.device.actuator_data.size() == VoroDefinitions::ACTUATOR_COUNT);
    if (comm.readLog(0)) {
        const LogData& log = comm.device.log;
        FUZZ_CHECK(log.count() <= LogDecoder::MAX_SAMPLES);
    }
    return 0;
}
