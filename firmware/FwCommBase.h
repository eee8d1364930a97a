#pragma once

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QObject>
#include <QRecursiveMutex>

#include "devicelink/HidDevice.h"

#include <cstdint>

// The host side of the bootloader's command protocol: one 64-byte packet per command (written
// behind a report id 0), a few commands answered by one reply. Streams a memory region in
// program packets with a running SHA-1 over what was sent, which the device checks at each
// completion. Reaches the device only through the four transport operations.
class FwCommBase : public QObject
{
    Q_OBJECT

public:
    enum CommResult { Completed = 0, NoDevice = 1, Failed = 2, BadReply = 3, TimedOut = 4 };

    static constexpr int PACKET_SIZE = 65; // report id and the 64-byte packet
    static constexpr int DATA_FIELD = 58; // of a program packet, bytes 6 ... 63
    static constexpr int READ_TIMEOUT_MS = 4000;
    static constexpr int PROGRESS_OFFSET = 33;

    explicit FwCommBase(QObject* parent = nullptr);

    // Looks for the device (exactly `filter` when given) and marks the transport connected
    // when it is there; open() then opens it and returns 0.
    virtual void findDevice(const HidDevice::Id* filter) = 0;
    virtual int open() = 0;
    virtual bool isConnected() = 0;
    virtual void close() = 0;
    virtual CommResult sendPacket(const uint8_t* report, int length) = 0;
    virtual CommResult receivePacket(uint8_t* reply, int length) = 0;
    // Drops replies that arrived after their request had given up on them; called before every
    // request that is answered, so that a late reply is never taken for the next one's.
    virtual void discardStaleReplies() { }

    void setVerbose(bool on) { verbose = on; }
    void setReadTimeout(int ms) { readTimeout = ms; }
    int readTimeoutMs() const { return readTimeout; }

    // `reply` holds PACKET_SIZE bytes.
    CommResult query(uint8_t* reply);
    // `header` holds the image's major, minor and patch, or is null for an image without one.
    CommResult erase(const int* header, int fourth);
    CommResult setConfigLock(bool lock);
    CommResult reset();
    CommResult backup();
    CommResult complete(int code);
    CommResult send(uint32_t address, uint8_t bytesPerPacket, uint8_t bytesPerAddress,
                    uint8_t bytesPerWord, uint8_t family, uint32_t endAddress, const uint8_t* data,
                    int programCode, int completeCode, int progressOffset);
    CommResult program(uint32_t address, uint8_t bytesPerPacket, uint8_t bytesPerAddress,
                       uint8_t bytesPerWord, uint8_t family, uint32_t endAddress,
                       const uint8_t* data);

signals:
    void SetProgressBar(int newValue);

protected:
    QRecursiveMutex mutex; // the transports close the device on failure while holding it
    bool verbose = false;
    const int queryCode = 0x02;
    const int configLockCode = 0x03;
    const int eraseCode = 0x04;
    const int programCode = 0x05;
    const int programCompleteCode = 0x06;
    const int resetCode = 0x08;
    const int backupCode = 0x09;
    QCryptographicHash digest { QCryptographicHash::Sha1 };
    int readTimeout = READ_TIMEOUT_MS;

private:
    // Sends a packet that is answered by nothing; logs `failed` or `sent` when verbose.
    CommResult sendCommand(const uint8_t* packet, const char* failed, const char* sent);
    // Receives the reply to `code` into a zeroed buffer and checks its echo.
    CommResult receiveReply(uint8_t* reply, int code, const char* failure);
    static double seconds(const QElapsedTimer& timer);
};
