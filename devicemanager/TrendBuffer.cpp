#include "devicemanager/TrendBuffer.h"

#include <cmath>
#include <limits>

void TrendBuffer::append(qint64 second, const Values& values)
{
    if (m_count > 0) {
        const qint64 last = this->second(m_count - 1);
        if (second <= last && !m_lastIsGap) {
            // The same second polled again, or a clock set back: the latest values stand.
            const int at = slot(m_count - 1);
            Chunk& chunk = *m_chunks[size_t(at / CHUNK)];
            for (int c = 0; c < CHANNELS; ++c)
                chunk.values[size_t(c)][size_t(at % CHUNK)] = values[size_t(c)];
            return;
        }
        second = std::max(second, last + 1);
    }
    push(second, values);
    m_lastIsGap = false;
}

void TrendBuffer::appendGap()
{
    if (m_count == 0 || m_lastIsGap)
        return;
    Values none;
    none.fill(std::numeric_limits<float>::quiet_NaN());
    push(second(m_count - 1) + 1, none);
    m_lastIsGap = true;
}

void TrendBuffer::push(qint64 second, const Values& values)
{
    // A clock that jumps further than 32-bit seconds reach leaves nothing worth keeping.
    if (m_count > 0 && second - m_base > qint64(std::numeric_limits<quint32>::max())) {
        m_chunks.clear();
        m_front = m_count = 0;
    }
    if (m_count == 0)
        m_base = second;
    const int at = slot(m_count);
    if (at / CHUNK >= int(m_chunks.size()))
        m_chunks.push_back(std::make_unique<Chunk>());
    Chunk& chunk = *m_chunks[size_t(at / CHUNK)];
    chunk.seconds[size_t(at % CHUNK)] = quint32(second - m_base);
    for (int c = 0; c < CHANNELS; ++c)
        chunk.values[size_t(c)][size_t(at % CHUNK)] = values[size_t(c)];
    ++m_count;
    dropOlderThan(second - SPAN_SECONDS);
}

void TrendBuffer::dropOlderThan(qint64 oldest)
{
    while (m_count > 0 && second(0) <= oldest) {
        ++m_front;
        --m_count;
        if (m_front == CHUNK) {
            m_chunks.pop_front();
            m_front = 0;
        }
    }
}

qint64 TrendBuffer::second(int i) const
{
    const int at = slot(i);
    return m_base + qint64(m_chunks[size_t(at / CHUNK)]->seconds[size_t(at % CHUNK)]);
}

float TrendBuffer::value(int i, int channel) const
{
    const int at = slot(i);
    return m_chunks[size_t(at / CHUNK)]->values[size_t(channel)][size_t(at % CHUNK)];
}

bool TrendBuffer::isGap(int i) const
{
    return std::isnan(value(i, 0)) && std::isnan(value(i, CHANNELS - 1));
}

size_t TrendBuffer::memoryUsed() const
{
    return m_chunks.size() * sizeof(Chunk);
}
