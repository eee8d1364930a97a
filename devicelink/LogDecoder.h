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
    int interval = DEFAULT_INTERVAL; // seconds between samples

    static constexpr int DEFAULT_INTERVAL = 600;
};

// A box keeps 1200 records; a box that sends more than this is not believed any further.
constexpr int MAX_SAMPLES = 20000;
constexpr int RECORD_SIZE = 4;

// Two numbers joined by ';'; anything else gives offset 0 and interval 600. An interval that is
// not positive would stack every sample on one instant, so it is taken as 600 too.
Header parseHeader(const QString& text);

// Appends the records of one chunk reply to `newest_first`. False when the reply ends the log:
// no ';', nothing before it, or text that is not Base64 or decodes to no bytes. Trailing bytes
// that do not make a whole record are ignored.
bool decodeChunk(const QString& reply, QVector<Sample>& newest_first);

// The log of the samples: oldest first, `interval` apart, the newest `offset` seconds before
// `now`. No samples give an empty log.
LogData buildLog(const QVector<Sample>& newest_first, const Header& header, const QDateTime& now);

} // namespace LogDecoder
