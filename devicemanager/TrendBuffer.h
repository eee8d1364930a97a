#pragma once

#include "logdata/LogData.h"

#include <QtGlobal>

#include <array>
#include <deque>
#include <memory>

// The live values of one box, one point per second: for each of its eight actuators the
// effective setpoint, the temperature and the TRIAC state. Kept compactly (times as 32-bit
// seconds after the first point, values as 32-bit floats, in chunks), for a day at most: the
// oldest points go first. A point whose values are all NaN marks a gap, where the box did not
// answer; a curve breaks there.
class TrendBuffer
{
public:
    static constexpr int ACTUATORS = 8;
    static constexpr int CHANNELS = ACTUATORS * LogData::SERIES_COUNT;
    // How much is kept, in seconds before the newest point.
    static constexpr qint64 SPAN_SECONDS = 24 * 3600;

    using Values = std::array<float, CHANNELS>;

    // The channel of an actuator's series (LogData::Series).
    static constexpr int channel(int actuator, int series)
    {
        return actuator * LogData::SERIES_COUNT + series;
    }

    // Adds the point of `second` (seconds since 1970 UTC). A second not after the newest
    // point's is taken as that point's, so that times never go back; after a gap it becomes
    // the second after the gap.
    void append(qint64 second, const Values& values);
    // Marks a gap one second after the newest point (nothing without one, or after a gap).
    void appendGap();

    int size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    qint64 second(int i) const;
    // Milliseconds since 1970 UTC, as the plots take times.
    double time(int i) const { return double(second(i)) * 1000.0; }
    float value(int i, int channel) const;
    bool isGap(int i) const;
    // Bytes held for the points, including the room of the chunks not yet filled.
    size_t memoryUsed() const;

private:
    static constexpr int CHUNK = 1024;
    struct Chunk
    {
        std::array<quint32, CHUNK> seconds;
        std::array<std::array<float, CHUNK>, CHANNELS> values;
    };

    void push(qint64 second, const Values& values);
    void dropOlderThan(qint64 second);
    int slot(int i) const { return m_front + i; }

    std::deque<std::unique_ptr<Chunk>> m_chunks;
    qint64 m_base = 0; // the second the stored times count from
    int m_front = 0; // of the oldest point, in the first chunk
    int m_count = 0;
    bool m_lastIsGap = false;
};
