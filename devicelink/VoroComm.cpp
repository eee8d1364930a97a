#include "devicelink/VoroComm.h"

#include "devicelink/LogDecoder.h"
#include "devicelink/VoroCommands.h"

#include <QDebug>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstring>

namespace {
// A reply that must be a number: 0 for anything else, as the box's older firmware expects.
int replyNumber(const QByteArray& reply)
{
    const int end = reply.indexOf('\0');
    return (end < 0 ? reply : reply.left(end)).toInt(nullptr, 10);
}

QByteArray local(const QString& text)
{
    return text.toLocal8Bit();
}
} // namespace

VoroComm::VoroComm(HidDevice* hid, VoroDevice::Id id)
    : hid(hid)
    , device(id)
{ }

VoroComm::~VoroComm()
{
    delete hid;
}

QByteArray VoroComm::transact(uint8_t command, const QString& argument, bool wait_reply)
{
    const QByteArray text = argument.toUtf8();
    if (text.size() > ARGUMENT_SIZE) {
        // Cutting would send a broken record (a number cut short); callers fit texts first.
        qDebug("argument of command 0x%02x too long for one report: %d bytes", command,
               int(text.size()));
        return QByteArray();
    }
    uint8_t out[REPORT_SIZE] = {};
    out[1] = command;
    std::memcpy(out + 2, text.constData(), size_t(text.size()));
    if (!hid->write(out, REPORT_SIZE) || !wait_reply)
        return QByteArray();

    uint8_t in[REPORT_SIZE] = {};
    hid->read(in, REPORT_SIZE, REPLY_TIMEOUT_MS);
    // No command is 0, so silence and read errors, which leave the buffer clear, fail here too.
    if (in[0] != command)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(in + 1), REPLY_SIZE);
}

QString VoroComm::replyText(const QByteArray& reply)
{
    const int end = reply.indexOf('\0');
    return QString::fromUtf8(end < 0 ? reply : reply.left(end));
}

bool VoroComm::ask(uint8_t command, const QString& argument, QString& text)
{
    const QByteArray reply = transact(command, argument);
    if (reply.isNull())
        return false;
    text = replyText(reply);
    return true;
}

template<typename Record>
bool VoroComm::readRecord(uint8_t command, const QString& argument, const char* missing,
                          const char* invalid, Record& record)
{
    QString text;
    if (!ask(command, argument, text)) {
        qDebug("%s", missing);
        return false;
    }
    bool ok = false;
    const Record parsed = Record::fromText(text, &ok);
    if (!ok) {
        qDebug("%s: %s", invalid, local(text).constData());
        return false; // an invalid text never reaches the record
    }
    record = parsed;
    return true;
}

bool VoroComm::set(uint8_t command, const QString& argument, const char* failure)
{
    if (!transact(command, argument).isNull())
        return true;
    qDebug("%s", failure);
    return false;
}

bool VoroComm::ping()
{
    return !transact(CMD__GET_PROTOCOL_VERSION, QString()).isNull();
}

bool VoroComm::readIdentity()
{
    const QByteArray version = transact(CMD__GET_PROTOCOL_VERSION, QString());
    if (version.isNull())
        return false;
    device.protocol_version = replyNumber(version);
    return ask(CMD__GET_LOCATION, QString(), device.config.location)
        && ask(CMD__GET_FIRMWARE_VERSION, QString(), device.firmware_version);
}

bool VoroComm::readConfig()
{
    VoroConfig& config = device.config;
    if (!ask(CMD__GET_FIRMWARE_VERSION, QString(), device.firmware_version)) {
        qDebug("unable to get firmware version");
        return false;
    }
    const QByteArray interval = transact(CMD__GET_LOG_INTERVAL, QString());
    if (interval.isNull()) {
        qDebug("unable to get log interval");
        return false;
    }
    config.log_interval = replyNumber(interval);
    if (!ask(CMD__GET_LOCATION, QString(), config.location)) {
        qDebug("unable to get location");
        return false;
    }
    if (!readRecord(CMD__GET_COMMON_SETTINGS, QString(), "unable to get settings",
                    "invalid common settings", config.common))
        return false;

    config.actuator_settings.clear();
    config.actuator_locations.clear();
    for (int i = 0; i < VoroDefinitions::ACTUATOR_COUNT; ++i) {
        if (!readActuatorConfig(i))
            return false;
    }
    return true;
}

bool VoroComm::readActuatorConfig(int index)
{
    ActuatorSettings settings;
    if (!readRecord(CMD__GET_ACTUATOR_SETTINGS, QString::number(index),
                    "unable to get actuator settings", "invalid actuator settings", settings))
        return false;
    device.config.actuator_settings.append(settings);
    QString text;
    if (!ask(CMD__GET_ACTUATOR_LOCATION, QString::number(index), text)) {
        qDebug("unable to get actuator location");
        return false;
    }
    device.config.actuator_locations.append(text);
    return true;
}

bool VoroComm::readStatus()
{
    if (!readRecord(CMD__GET_STATUS, QString(), "unable to get status", "invalid status",
                    device.status))
        return false;

    device.actuator_data.clear();
    for (int i = 0; i < VoroDefinitions::ACTUATOR_COUNT; ++i) {
        ActuatorData data;
        if (!readRecord(CMD__GET_ACTUATOR_DATA, QString::number(i), "unable to get actuator data",
                        "invalid actuator data", data))
            return false;
        device.actuator_data.append(data);
    }
    return true;
}

QString VoroComm::fitLocation(const QString& prefix, const QString& location)
{
    const int room = ARGUMENT_SIZE - int(prefix.toUtf8().size());
    if (location.toUtf8().size() <= room)
        return location;
    // Every UTF-16 unit takes at least one byte, so a fitting text is no longer than `room`
    // units; looking no further keeps this cheap for any length.
    const QString head = location.left(room + 1);
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, head);
    graphemes.toEnd();
    int end = 0;
    for (int at = graphemes.toPreviousBoundary(); at > 0; at = graphemes.toPreviousBoundary()) {
        if (head.left(at).toUtf8().size() <= room) {
            end = at;
            break;
        }
    }
    const QString cut = head.left(end);
    qWarning("location too long for one report, cut to: %s", local(cut).constData());
    return cut;
}

bool VoroComm::writeConfig(const VoroConfig& config)
{
    if (config.actuator_locations.size() < VoroDefinitions::ACTUATOR_COUNT) {
        qDebug("invalid configuration: %d actuator locations",
               int(config.actuator_locations.size()));
        return false;
    }
    if (!set(CMD__SET_LOG_INTERVAL, QString::number(config.log_interval),
             "unable to set log interval")
        || !set(CMD__SET_LOCATION, fitLocation(QString(), config.location),
                "unable to set location")
        || !set(CMD__SET_COMMON_SETTINGS, config.common.toText(), "unable to set common settings"))
        return false;
    for (int i = 0; i < VoroDefinitions::ACTUATOR_COUNT; ++i) {
        const QString prefix = QStringLiteral("%1;").arg(i);
        if (!set(CMD__SET_ACTUATOR_LOCATION,
                 prefix + fitLocation(prefix, config.actuator_locations.at(i)),
                 "unable to set actuator location"))
            return false;
    }
    return set(CMD__SAVE, QString(), "unable to save");
}

bool VoroComm::writeActuatorSettings(const VoroConfig& config)
{
    if (config.actuator_settings.size() < VoroDefinitions::ACTUATOR_COUNT) {
        qDebug("invalid configuration: %d actuator settings", int(config.actuator_settings.size()));
        return false;
    }
    for (int i = 0; i < VoroDefinitions::ACTUATOR_COUNT; ++i) {
        const QString argument
            = QStringLiteral("%1;%2").arg(i).arg(config.actuator_settings.at(i).toText());
        if (!set(CMD__SET_ACTUATOR_SETTINGS, argument, "unable to set actuator settings"))
            return false;
    }
    return true;
}

bool VoroComm::clearErrors(int index)
{
    return set(CMD__CLEAR_ERRORS, QString::number(index), "unable to clear errors");
}

bool VoroComm::testActuator(int index, uint8_t on)
{
    return set(CMD__TEST_ACTUATOR, QStringLiteral("%1;%2").arg(index).arg(int(on)),
               "unable to test actuator");
}

bool VoroComm::readLog(int index)
{
    device.log.clear();
    QString text;
    if (!ask(CMD__READ_LOG, QString::number(index), text)) {
        qDebug("unable to get actuator log");
        return false;
    }
    const LogDecoder::Header header = LogDecoder::parseHeader(text);
    qDebug("offset: %d, interval: %d", header.offset, header.interval);

    // Each empty request brings the next chunk; silence, like an empty chunk, ends the log.
    QVector<LogDecoder::Sample> samples;
    while (ask(CMD__READ_LOG, QString(), text) && LogDecoder::decodeChunk(text, samples)) {
        if (samples.size() >= LogDecoder::MAX_SAMPLES) {
            qDebug("log longer than %d records, the rest is ignored", LogDecoder::MAX_SAMPLES);
            samples.resize(LogDecoder::MAX_SAMPLES);
            break;
        }
    }
    device.log = LogDecoder::buildLog(samples, header, QDateTime::currentDateTime());
    return true;
}

bool VoroComm::factoryReset()
{
    // The box answers once it has reset; whether it does changes nothing for the caller,
    // whose thread ends here and finds the box again.
    transact(CMD__FACTORY_RESET, QString::fromLatin1(FACTORY_RESET_CODE));
    return true;
}

bool VoroComm::enterBootloader()
{
    transact(CMD__ENTER_BOOTLOADER, QString(), false);
    return true;
}
