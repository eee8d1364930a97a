#include "devicelink/LogDecoder.h"

#include <QStringList>

namespace LogDecoder {

namespace {
constexpr int kTriacBit = 0x4000;
constexpr int kSetpointBias = 1000; // the box adds it so that the word stays positive

int word(const char* at)
{
    return int(uint8_t(at[0])) | (int(uint8_t(at[1])) << 8);
}
} // namespace

bool parseHeader(const QString& text, Header& header)
{
    const QStringList parts = text.split(QLatin1Char(';'));
    if (parts.size() != 2)
        return false;
    bool offset_ok = false, interval_ok = false;
    const int offset = parts.at(0).toInt(&offset_ok, 10);
    const int interval = parts.at(1).toInt(&interval_ok, 10);
    if (!offset_ok || !interval_ok || offset < 0 || interval < 1)
        return false;
    header = Header { offset, interval };
    return true;
}

Chunk decodeChunk(const QString& reply, QVector<Sample>& newest_first)
{
    const int end = reply.indexOf(QLatin1Char(';'));
    if (end <= 0)
        return Chunk::End;
    const QString base64 = reply.left(end);
    const auto decoded = QByteArray::fromBase64Encoding(base64.toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    // toLatin1 turns what Latin-1 lacks into '?', which no Base64 text holds.
    if (!decoded)
        return Chunk::Invalid;
    if (decoded.decoded.isEmpty())
        return Chunk::End;
    const QByteArray& bytes = decoded.decoded;
    for (int at = 0; at + RECORD_SIZE <= bytes.size(); at += RECORD_SIZE) {
        const int w1 = word(bytes.constData() + at);
        Sample s;
        s.setpoint = (w1 & ~kTriacBit) - kSetpointBias;
        s.temperature = int16_t(word(bytes.constData() + at + 2));
        s.triac = (w1 & kTriacBit) != 0;
        newest_first.append(s);
    }
    return Chunk::Records;
}

LogData buildLog(const QVector<Sample>& newest_first, const Header& header, const QDateTime& now)
{
    LogData log;
    const int n = newest_first.size();
    if (n == 0)
        return log;
    log.interval = double(header.interval) * 1000.0;
    log.lastTime = double(now.toMSecsSinceEpoch()) - double(header.offset) * 1000.0;
    log.firstTime = log.lastTime - log.interval * (n - 1);
    log.present = { { true, true, true } };
    for (auto& s : log.series)
        s.reserve(n);
    for (int j = 0; j < n; ++j) {
        const Sample& s = newest_first.at(n - 1 - j);
        const double x = log.firstTime + log.interval * j;
        log.series[LogData::SETPOINT].append(QPointF(x, s.setpoint / 10.0));
        log.series[LogData::TEMPERATURE].append(QPointF(x, s.temperature / 10.0));
        log.series[LogData::TRIAC].append(QPointF(x, s.triac ? 1.0 : 0.0));
    }
    return log;
}

} // namespace LogDecoder
