#include "devicelink/VoroComm.h"

#include "devicelink/LogDecoder.h"
#include "devicelink/ReplyText.h"
#include "devicelink/VoroCommands.h"

#include <QDebug>
#include <QTextBoundaryFinder>

#include <cstring>
#include <limits>

namespace {
QByteArray local(const QString& text)
{
    return text.toLocal8Bit();
}

// The reply's text for a message, however broken.
QByteArray shown(const QByteArray& reply)
{
    return local(VoroComm::replyText(reply));
}
} // namespace

VoroComm::VoroComm(HidDevice* hid, VoroDevice::Id id)
    : hid(hid)
    , device(id)
{
    // Every record of the box carries where it was found, so that the box can be named and
    // recognised when it comes back under another id.
    device.serial_number = QString::fromStdWString(hid->id.serial_number);
    device.usb_path = QString::fromStdString(hid->id.path);
}

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
    discardWaitingReports(command);
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

void VoroComm::discardWaitingReports(uint8_t command)
{
    // The answer to this request can only come after it: whatever waits now is the late
    // answer to an earlier one, and taken for this one it would shift every answer after it.
    uint8_t stale[REPORT_SIZE];
    for (int n = 0; n < MAX_DISCARDED_REPORTS; ++n) {
        std::memset(stale, 0, sizeof stale);
        if (hid->readWaiting(stale, REPORT_SIZE) <= 0)
            return;
        qDebug("discarded a stale reply to command 0x%02x before command 0x%02x: %08x", stale[0],
               command, hid->id.getHash());
    }
}

QString VoroComm::replyText(const QByteArray& reply)
{
    return QString::fromUtf8(ReplyText::bytes(reply));
}

bool VoroComm::ask(uint8_t command, const QString& argument, const char* missing,
                   const char* invalid, const std::function<bool(const QByteArray&)>& take)
{
    const QByteArray reply = transact(command, argument);
    if (reply.isNull()) {
        if (missing)
            qDebug("%s", missing);
        failure = NO_ANSWER;
        return false;
    }
    if (!take(reply)) {
        qDebug("%s: %s", invalid, shown(reply).constData());
        failure = INVALID_ANSWER;
        return false; // nothing of an invalid answer reaches the record
    }
    return true;
}

template<typename Record>
bool VoroComm::readRecord(uint8_t command, const QString& argument, const char* missing,
                          const char* invalid, Record& record)
{
    return ask(command, argument, missing, invalid, [&record](const QByteArray& reply) {
        bool ok = false;
        const Record parsed = Record::fromText(replyText(reply), &ok);
        if (ok)
            record = parsed;
        return ok;
    });
}

bool VoroComm::askNumber(uint8_t command, int min, const char* missing, const char* invalid,
                         int& value)
{
    return ask(command, QString(), missing, invalid, [&](const QByteArray& reply) {
        return ReplyText::toNumber(reply, min, std::numeric_limits<int>::max(), value);
    });
}

bool VoroComm::askVersion(const char* missing, QString& version)
{
    return ask(
        CMD__GET_FIRMWARE_VERSION, QString(), missing, "invalid firmware version",
        [&version](const QByteArray& reply) { return ReplyText::toVersion(reply, version); });
}

bool VoroComm::askText(uint8_t command, const QString& argument, const char* missing, QString& text)
{
    return ask(command, argument, missing, nullptr, [&text](const QByteArray& reply) {
        text = ReplyText::toText(reply);
        return true;
    });
}

bool VoroComm::set(uint8_t command, const QString& argument, const char* message)
{
    if (!transact(command, argument).isNull())
        return true;
    qDebug("%s", message);
    failure = NO_ANSWER;
    return false;
}

bool VoroComm::ping()
{
    int version = 0;
    return askNumber(CMD__GET_PROTOCOL_VERSION, 0, nullptr, "invalid protocol version", version);
}

bool VoroComm::readIdentity()
{
    // A missing answer is left to the thread, which reports the failed start.
    return askNumber(CMD__GET_PROTOCOL_VERSION, 0, nullptr, "invalid protocol version",
                     device.protocol_version)
        && askText(CMD__GET_LOCATION, QString(), nullptr, device.config.location)
        && askVersion(nullptr, device.firmware_version);
}

bool VoroComm::readConfig()
{
    VoroConfig& config = device.config;
    // The box refuses a log interval under one second.
    if (!askVersion("unable to get firmware version", device.firmware_version)
        || !askNumber(CMD__GET_LOG_INTERVAL, 1, "unable to get log interval",
                      "invalid log interval", config.log_interval)
        || !askText(CMD__GET_LOCATION, QString(), "unable to get location", config.location)
        || !readRecord(CMD__GET_COMMON_SETTINGS, QString(), "unable to get settings",
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
    if (!askText(CMD__GET_ACTUATOR_LOCATION, QString::number(index),
                 "unable to get actuator location", text))
        return false;
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

bool VoroComm::readLog(int index, const std::atomic<bool>* stop)
{
    device.log.clear();
    const QByteArray opening = transact(CMD__READ_LOG, QString::number(index));
    if (opening.isNull()) {
        qDebug("unable to get actuator log");
        failure = NO_ANSWER;
        return false;
    }
    LogDecoder::Header header;
    if (!LogDecoder::parseHeader(replyText(opening), header)) {
        qDebug("invalid actuator log header: %s", shown(opening).constData());
        failure = INVALID_ANSWER;
        return false;
    }
    qDebug("offset: %d, interval: %d", header.offset, header.interval);

    // Each empty request brings the next chunk until the box marks the end. Silence is no end:
    // the log would be cut short without a word, and the late chunk would answer the next
    // request.
    QVector<LogDecoder::Sample> samples;
    for (;;) {
        // The box answers only what is asked: leaving the rest unasked ends its stream.
        if (stop && stop->load())
            return true;
        const QByteArray reply = transact(CMD__READ_LOG, QString());
        if (reply.isNull()) {
            qDebug("unable to get actuator log chunk");
            failure = NO_ANSWER;
            return false;
        }
        const LogDecoder::Chunk chunk = LogDecoder::decodeChunk(replyText(reply), samples);
        if (chunk == LogDecoder::Chunk::End)
            break;
        if (chunk == LogDecoder::Chunk::Invalid) {
            qDebug("invalid actuator log chunk: %s", shown(reply).constData());
            failure = INVALID_ANSWER;
            return false;
        }
        if (samples.size() > LogDecoder::MAX_SAMPLES) {
            qDebug("invalid actuator log: more than %d records", LogDecoder::MAX_SAMPLES);
            failure = INVALID_ANSWER;
            return false;
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
