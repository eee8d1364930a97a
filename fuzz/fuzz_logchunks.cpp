// The decoder of an actuator log as a box sends it: the first line of the input is the header
// reply, each further line one chunk reply, until a chunk ends the log.
#include "fuzz/FuzzSupport.h"

#include "devicelink/LogDecoder.h"

#include <QDateTime>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> replies = fuzz::lines(data, size);
    LogDecoder::Header header;
    if (!LogDecoder::parseHeader(QString::fromUtf8(replies.first()), header)) {
        // a refused header leaves the defaults, which no read then uses
        FUZZ_CHECK(header.offset == 0 && header.interval == 600);
        return 0;
    }
    FUZZ_CHECK(header.offset >= 0 && header.interval > 0);

    QVector<LogDecoder::Sample> samples;
    for (int i = 1; i < replies.size() && samples.size() < LogDecoder::MAX_SAMPLES; ++i) {
        const int before = samples.size();
        const LogDecoder::Chunk chunk
            = LogDecoder::decodeChunk(QString::fromUtf8(replies.at(i)), samples);
        if (chunk != LogDecoder::Chunk::Records) {
            FUZZ_CHECK(samples.size() == before); // an end or a corrupt chunk adds nothing
            break;
        }
    }
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(1600000000000LL, Qt::UTC);
    const LogData log = LogDecoder::buildLog(samples, header, now);
    FUZZ_CHECK(log.count() == samples.size());
    for (int i = 1; i < log.count(); ++i)
        FUZZ_CHECK(log.time(i) > log.time(i - 1));
    return 0;
}
