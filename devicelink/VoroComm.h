#pragma once

#include "devicelink/HidDevice.h"
#include "records/VoroDevice.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

// The transport of one box: a command code and a text argument go out in one output report,
// the answer comes back in one input report that echoes the code. The composite operations
// fill the working record `device` as they read. Used by one thread only (the box's
// communication thread), so it needs no lock.
class VoroComm : public QObject
{
    Q_OBJECT

public:
    static constexpr int REPORT_SIZE = 65; // output report with hidapi's report id
    static constexpr int ARGUMENT_SIZE = 63; // UTF-8 bytes an argument may take
    static constexpr int REPLY_SIZE = 64; // what follows the echo in the reply buffer
    static constexpr int REPLY_TIMEOUT_MS = 1000;
    // More than the kernel queues per handle: a box that keeps sending cannot hold us here.
    static constexpr int MAX_DISCARDED_REPORTS = 128;
    static constexpr const char* FACTORY_RESET_CODE = "1630497258";

    // Why an operation failed, for the user: the box fell silent, or said something that
    // cannot be read.
    enum Failure { NO_FAILURE, NO_ANSWER, INVALID_ANSWER };

    // Takes ownership of `hid`.
    VoroComm(HidDevice* hid, VoroDevice::Id id);
    ~VoroComm() override;

    // One request and, if `wait_reply`, its answer: the 64 bytes after the echo. A null array
    // means failure (refused write, silence, wrong echo, an argument too long for a report)
    // or that no answer was asked for. Input reports already waiting before the request are
    // late answers to earlier ones: they are discarded, never taken for this answer.
    QByteArray transact(uint8_t command, const QString& argument, bool wait_reply = true);
    // The text of an answer: up to its first zero byte, decoded as UTF-8.
    static QString replyText(const QByteArray& reply);

    // The reads take an answer only when it is wholly what it must be (a number, a version of
    // dot-separated numbers, a record whose every field is within its range; free text is
    // always taken); any other fails the read with a message naming it, and nothing of it
    // reaches the record.
    // A ping is answered with the protocol version.
    bool ping();
    bool readIdentity();
    bool readConfig();
    bool readStatus();
    bool writeConfig(const VoroConfig& config);
    bool writeActuatorSettings(const VoroConfig& config);
    bool clearErrors(int index);
    bool testActuator(int index, uint8_t on);
    // Reads one actuator's log into device.log. Only the box's end mark ends it: a chunk that
    // does not come, or does not decode, fails the read. Once `stop` is set (from any thread),
    // no further chunk is asked for: the read ends with an empty log and succeeds.
    bool readLog(int index, const std::atomic<bool>* stop = nullptr);
    bool factoryReset();
    bool enterBootloader();

    HidDevice* const hid;
    VoroDevice device; // the working copy the read commands fill
    Failure failure = NO_FAILURE; // of the last failed operation

private:
    void discardWaitingReports(uint8_t command);
    // One request whose answer `take` reads as what it must be. Silence logs `missing` (when
    // given), an answer that `take` refuses logs `invalid` with its text; either is false.
    bool ask(uint8_t command, const QString& argument, const char* missing, const char* invalid,
             const std::function<bool(const QByteArray&)>& take);
    // A number from `min` up.
    bool askNumber(uint8_t command, int min, const char* missing, const char* invalid, int& value);
    bool askVersion(const char* missing, QString& version);
    // Free text: every answer is taken (see ReplyText::toText).
    bool askText(uint8_t command, const QString& argument, const char* missing, QString& text);
    // A record in its text form.
    template<typename Record>
    bool readRecord(uint8_t command, const QString& argument, const char* missing,
                    const char* invalid, Record& record);
    // A set command: any answer is success; silence logs `message`.
    bool set(uint8_t command, const QString& argument, const char* message);
    bool readActuatorConfig(int index);
    // Cuts a location so that `prefix` and it fit one report, at a character boundary.
    static QString fitLocation(const QString& prefix, const QString& location);
};
