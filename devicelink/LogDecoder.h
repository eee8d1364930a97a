#pragma once

#include "logdata/LogData.h"

#include <QDateTime>
#include <QString>
#include <QVector>

// The actuator log as the box sends it with command 0x20: a header "offset;interval", then
// chunks of Base64 text ending in ';', each holding 4-byte records, newest first. Every reply
// is taken as hostile: nothing here trusts a length or a count the box sends.
namespace LogDecoder {

// One record as it travels: setpoint and temperature in 0.1 °C.
struct Sample
{
    int setpoint = 0;
    int temperature = 0;
    bool triac = false;
};

struct Header
{
    int offset = 0; // seconds since the newest sample was taken
    int interval = 600; // seconds between samples
};

// A box keeps 1200 records; a box that sends more than this is not believed.
constexpr int MAX_SAMPLES = 20000;
constexpr int RECORD_SIZE = 4;

// Two numbers joined by ';': an offset that is not negative and an interval of at least one
// second (the box refuses any shorter one). False for anything else, which leaves `header` as
// it was: a log cannot be placed in time without its header.
bool parseHeader(const QString& text, Header& header);

enum class Chunk {
    Records, // the chunk's records were appended
    End, // the regular end of the log: no ';', nothing before it, or nothing once decoded
    Invalid, // text before the ';' that is not Base64: a corrupt reply, not an end
};

// Appends the records of one chunk reply to `newest_first`. Trailing bytes that do not make a
// whole record are ignored.
Chunk decodeChunk(const QString& reply, QVector<Sample>& newest_first);

// The log of the samples: oldest first, `interval` apart, the newest `offset` seconds before
// `now`. No samples give an empty log.
LogData buildLog(const QVector<Sample>& newest_first, const Header& header, const QDateTime& now);

} // namespace LogDecoder
