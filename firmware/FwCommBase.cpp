#include "firmware/FwCommBase.h"

#include "firmware/DeviceLayout.h"

#include <QMutexLocker>

#include <cstring>

namespace {
void putLe32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

uint32_t le32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
} // namespace

FwCommBase::FwCommBase(QObject* parent)
    : QObject(parent)
{ }

double FwCommBase::seconds(const QElapsedTimer& timer)
{
    return double(timer.elapsed()) / 1000.0;
}

FwCommBase::CommResult FwCommBase::receiveReply(uint8_t* reply, int code, const char* failure)
{
    std::memset(reply, 0, PACKET_SIZE);
    const CommResult r = receivePacket(reply, PACKET_SIZE);
    if (r == Failed)
        close();
    if (r != Completed) {
        qWarning("%s", failure);
        return r;
    }
    if (reply[0] != code) {
        qWarning("Received incorrect command. (0x%02X instead of 0x%02X)", reply[0], code);
        return BadReply;
    }
    return Completed;
}

FwCommBase::CommResult FwCommBase::query(uint8_t* reply)
{
    if (verbose)
        qDebug("Getting Query packet...");
    if (!isConnected())
        return NoDevice;
    uint8_t packet[PACKET_SIZE] = { 0, uint8_t(queryCode) };
    discardStaleReplies();
    QElapsedTimer timer;
    timer.start();
    CommResult r = sendPacket(packet, PACKET_SIZE);
    if (r == Failed) {
        close();
        return Failed;
    }
    if (r == TimedOut)
        return TimedOut;
    if (verbose)
        qDebug("Successfully sent querying command (%fs)", seconds(timer));
    std::memset(reply, 0, PACKET_SIZE);
    r = receivePacket(reply, PACKET_SIZE);
    // The echo decides first: a silent device leaves a zero there.
    if (reply[0] != queryCode) {
        qWarning("Received incorrect command. (0x%02X instead of 0x%02X)", reply[0], queryCode);
        return BadReply;
    }
    if (r == Failed) {
        close();
        return Failed;
    }
    if (r == TimedOut)
        return TimedOut;
    if (verbose)
        qDebug("Successfully received query packet (%fs)", seconds(timer));
    return Completed;
}

FwCommBase::CommResult FwCommBase::sendCommand(const uint8_t* packet, const char* failed,
                                               const char* sent)
{
    QElapsedTimer timer;
    timer.start();
    const CommResult r = sendPacket(packet, PACKET_SIZE);
    if (verbose) {
        if (r != Completed)
            qDebug("%s", failed);
        else
            qDebug("%s (%fs)", sent, seconds(timer));
    }
    return r;
}

FwCommBase::CommResult FwCommBase::erase(const int* header, int fourth)
{
    if (!isConnected()) {
        if (verbose)
            qDebug("Device not connected");
        return NoDevice;
    }
    uint8_t packet[PACKET_SIZE] = { 0, uint8_t(eraseCode) };
    if (header) {
        const QByteArray text = QByteArray::number(header[0]) + ';' + QByteArray::number(header[1])
            + ';' + QByteArray::number(header[2]) + ';' + QByteArray::number(fourth);
        std::memcpy(packet + 2, text.constData(), size_t(qMin(text.size(), PACKET_SIZE - 3)));
    }
    if (verbose)
        qDebug("Sending Erase Command...");
    return sendCommand(packet, "Erasing Device Failed", "Successfully sent erase command");
}

FwCommBase::CommResult FwCommBase::setConfigLock(bool lock)
{
    if (!isConnected()) {
        if (verbose)
            qDebug("Device not connected");
        return NoDevice;
    }
    const uint8_t packet[PACKET_SIZE] = { 0, uint8_t(configLockCode), uint8_t(lock ? 1 : 0) };
    if (verbose)
        qDebug(lock ? "Locking Config Bits..." : "Unlocking Config Bits...");
    return sendCommand(packet, "Unsuccessfully sent un/lock command",
                       "Successfully sent un/lock command");
}

FwCommBase::CommResult FwCommBase::reset()
{
    if (!isConnected())
        return NoDevice;
    const uint8_t packet[PACKET_SIZE] = { 0, uint8_t(resetCode) };
    if (verbose)
        qDebug("Sending Reset Command...");
    QElapsedTimer timer;
    timer.start();
    const CommResult r = sendPacket(packet, PACKET_SIZE);
    if (r != Completed)
        qWarning("Sending reset command failed.");
    else if (verbose)
        qDebug("Successfully sent reset command (%fs)", seconds(timer));
    return r;
}

FwCommBase::CommResult FwCommBase::backup()
{
    emit SetProgressBar(0);
    const uint8_t packet[PACKET_SIZE] = { 0, uint8_t(backupCode) };
    for (;;) {
        discardStaleReplies();
        const CommResult sent = sendPacket(packet, PACKET_SIZE);
        if (sent != Completed) {
            qWarning("Error during sending packet");
            return sent;
        }
        uint8_t reply[PACKET_SIZE];
        const CommResult r
            = receiveReply(reply, backupCode, "Error during receiving backup progress packet");
        if (r != Completed)
            return r;
        if (reply[1] == 0) {
            qWarning("Backup not successful");
            return Failed;
        }
        emit SetProgressBar(reply[3]);
        if (reply[2] != 0)
            return Completed;
    }
}

FwCommBase::CommResult FwCommBase::complete(int code)
{
    const QByteArray sha1 = digest.result();
    qDebug("sha1: %s", sha1.toHex().constData());
    uint8_t packet[PACKET_SIZE] = { 0, uint8_t(code) };
    std::memcpy(packet + 2, sha1.constData(), size_t(sha1.size()));
    discardStaleReplies();
    const CommResult sent = sendPacket(packet, PACKET_SIZE);
    if (sent != Completed) {
        qWarning("Error during sending packet with address: 0x%x", le32(packet + 2));
        return sent;
    }
    uint8_t reply[PACKET_SIZE];
    const CommResult r
        = receiveReply(reply, code, "Error during receiving program complete packet");
    if (r != Completed)
        return r;
    if (reply[1] == 0) {
        qWarning("update not successful");
        return Failed;
    }
    return Completed;
}

FwCommBase::CommResult FwCommBase::program(uint32_t address, uint8_t bytesPerPacket,
                                           uint8_t bytesPerAddress, uint8_t bytesPerWord,
                                           uint8_t family, uint32_t endAddress, const uint8_t* data)
{
    return send(address, bytesPerPacket, bytesPerAddress, bytesPerWord, family, endAddress, data,
                programCode, programCompleteCode, PROGRESS_OFFSET);
}

FwCommBase::CommResult FwCommBase::send(uint32_t address, uint8_t bytesPerPacket,
                                        uint8_t bytesPerAddress, uint8_t bytesPerWord,
                                        uint8_t family, uint32_t endAddress, const uint8_t* data,
                                        int programCode, int completeCode, int progressOffset)
{
    digest.reset();
    if (verbose)
        qDebug("FwCommBase::send: address: 0x%06lX, endAddress: 0x%06lX, addressesToProgram: "
               "%ld, bytesPerPacket: %d,t bytesPerAddress: %d, bytesPerWord: %d, "
               "deviceFamily: %d",
               ulong(address), ulong(endAddress), long(endAddress) - long(address), bytesPerPacket,
               bytesPerAddress, bytesPerWord, family);
    if (!data || bytesPerAddress == 0 || bytesPerWord == 0 || endAddress < address) {
        qWarning("Bad parameters specified when calling send() function.");
        return Failed;
    }
    // The data field holds no more; a packet that is not a whole number of words and of
    // address units would split a word or let the data run ahead of the address.
    bytesPerPacket = qMin<uint8_t>(bytesPerPacket, DATA_FIELD);
    while (bytesPerPacket % bytesPerWord || bytesPerPacket % bytesPerAddress)
        --bytesPerPacket;
    if (endAddress == address)
        return isConnected() ? Completed : NoDevice;
    if (!isConnected())
        return NoDevice;
    if (bytesPerPacket < bytesPerAddress) {
        // Such a packet would never advance the address.
        qWarning("Bad packet size: %d bytes per packet, %d bytes per address", bytesPerPacket,
                 bytesPerAddress);
        return Failed;
    }

    const uint32_t total = endAddress - address;
    int lastCode = programCode;
    bool pendingFlush = false;
    while (address < endAddress) {
        const uint32_t remaining = endAddress - address;
        const int percent = qMin(100, int((1.0 - double(remaining) / double(total)) * 100.0));
        if (verbose)
            qDebug("FwCommBase::send: address: 0x%06lX, completion: %d%%", ulong(address), percent);
        emit SetProgressBar(progressOffset + 2 * (percent / 3));

        uint8_t packet[PACKET_SIZE] = { 0, uint8_t(programCode) };
        putLe32(packet + 2, address);
        uint8_t* const fieldEnd = packet + PACKET_SIZE;
        int length;
        if (quint64(remaining) * bytesPerAddress < bytesPerPacket) {
            length = int(remaining * bytesPerAddress);
            std::memcpy(fieldEnd - length, data, size_t(length));
            while (length % bytesPerWord && length < bytesPerPacket) {
                std::memmove(fieldEnd - length - 1, fieldEnd - length, size_t(length));
                fieldEnd[-1] = 0xFF;
                ++length;
            }
        } else {
            length = bytesPerPacket;
            std::memcpy(fieldEnd - length, data, size_t(length));
        }
        packet[6] = uint8_t(length);

        const uint8_t* payload = fieldEnd - length;
        bool blank = true;
        for (int i = 0; i < length && blank; ++i) {
            if (family == 2 && i % bytesPerWord == 3)
                continue; // the phantom byte of a 24-bit word
            blank = payload[i] == 0xFF;
        }
        if (!blank) {
            digest.addData(reinterpret_cast<const char*>(packet + 2), PACKET_SIZE - 2);
            digest.addData("\0", 1);
            const CommResult r = sendPacket(packet, PACKET_SIZE);
            if (r != Completed) {
                qWarning("Error during sending packet with address: 0x%x", address);
                return r;
            }
            lastCode = programCode;
            pendingFlush = true;
        } else if (pendingFlush) {
            lastCode = completeCode;
            const CommResult r = complete(completeCode);
            if (r != Completed)
                return r;
            pendingFlush = false;
        }
        address += bytesPerPacket / bytesPerAddress;
        data += length;
    }
    if (lastCode != completeCode)
        return complete(completeCode);
    return Completed;
}
