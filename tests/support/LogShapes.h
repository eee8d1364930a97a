#pragma once

// Logs of the shapes a plot must draw faithfully and fast, for the plot's tests and its
// benchmark: long logs as CSV imports bring them, of any length.

#include "logdata/LogData.h"

#include <qwt_date.h>

#include <QDateTime>
#include <QStringList>

#include <cmath>

namespace logshapes {

enum Shape { NOISE, ROOM, WEEK, SWING, STEPS, SPIKES, GAPS };

inline const QStringList& names()
{
    static const QStringList list { QStringLiteral("noise"),   QStringLiteral("room"),
                                    QStringLiteral("week"),    QStringLiteral("slow swing"),
                                    QStringLiteral("steps"),   QStringLiteral("spikes"),
                                    QStringLiteral("NaN gaps") };
    return list;
}

// Reproducible pseudo-random numbers in [0, 1).
class Random
{
public:
    double next()
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return double(m_state >> 11) / double(1ull << 53);
    }

private:
    quint64 m_state = 12345;
};

// The room as the box controls it: a setpoint for the day and one for the night, the TRIAC
// switching with a hysteresis of 0.3 K, the temperature following with the sensor's noise.
// `heat` and `loss` are what the temperature gains and loses per sample; `quantum` rounds it
// as the box logs it (0 for not at all).
class Room
{
public:
    Room(double heat, double loss, double noise, double quantum)
        : m_heat(heat)
        , m_loss(loss)
        , m_noise(noise)
        , m_quantum(quantum)
    { }

    void step(double setpoint, Random& random)
    {
        if (m_temperature < setpoint - 0.3)
            m_on = true;
        else if (m_temperature > setpoint + 0.3)
            m_on = false;
        m_temperature += (m_on ? m_heat : -m_loss) + (random.next() - 0.5) * m_noise;
    }
    double temperature() const
    {
        return m_quantum > 0 ? std::round(m_temperature / m_quantum) * m_quantum : m_temperature;
    }
    double triac() const { return m_on ? 1 : 0; }

private:
    const double m_heat, m_loss, m_noise, m_quantum;
    double m_temperature = 18;
    bool m_on = false;
};

// `n` samples of a shape, all three series present:
//  NOISE   every value at random;
//  ROOM    a room sampled every minute (the TRIAC switches every quarter of an hour or so);
//  WEEK    a room sampled every 10 s as the box logs it, in steps of 0.1 °C (60480 samples
//          are a week);
//  SWING   swings far slower than a pixel column, steps of the setpoint, a slow TRIAC;
//  STEPS   values that jump now and then and stay;
//  SPIKES  flat values with single samples far off;
//  GAPS    the room with stretches of values that are no number.
inline LogData makeLog(Shape shape, int n)
{
    LogData log;
    log.present = { { true, true, true } };
    log.firstTime = QwtDate::toDouble(QDateTime(QDate(2021, 3, 1), QTime(0, 0)));
    log.interval = shape == WEEK ? 10000 : shape == ROOM || shape == GAPS ? 60000 : 3000;
    for (auto& s : log.series)
        s.reserve(n);
    Random random;
    Room room = shape == WEEK ? Room(0.015, 0.007, 0.01, 0.1) : Room(0.09, 0.04, 0.02, 0);
    const int samples_a_day = int(86400000 / log.interval);
    for (int i = 0; i < n; ++i) {
        const double t = log.firstTime + i * log.interval;
        const int time_of_day = i % samples_a_day;
        const bool day = time_of_day >= samples_a_day / 4 && time_of_day < samples_a_day * 11 / 12;
        double v[LogData::SERIES_COUNT] = {};
        switch (shape) {
        case NOISE:
            v[0] = 15 + 10 * random.next();
            v[1] = 15 + 10 * random.next();
            v[2] = random.next() < 0.5 ? 0 : 1;
            break;
        case ROOM:
        case WEEK:
        case GAPS:
            v[0] = day ? 21.5 : 18;
            room.step(v[0], random);
            v[1] = room.temperature();
            v[2] = room.triac();
            if (shape == GAPS && i % 5000 >= 4100)
                v[0] = v[1] = v[2] = qQNaN();
            break;
        case SWING:
            v[0] = 20 + (i / 20000 % 2) * 2;
            v[1] = 20.5 + 1.5 * std::sin(i * 2 * M_PI / 5000);
            v[2] = v[1] < 20.5 ? 1 : 0;
            break;
        case STEPS:
            v[0] = 18 + (i / 7919) % 5;
            v[1] = 19 + (i / 3001) % 7 * 0.5;
            v[2] = (i / 4999) % 2;
            break;
        case SPIKES:
            v[0] = i % 10007 == 5000 ? 26 : 21;
            v[1] = i % 997 == 500 ? 24 : 20;
            v[2] = i % 1999 == 1000 ? 1 : 0;
            break;
        }
        for (int s = 0; s < LogData::SERIES_COUNT; ++s)
            log.series[size_t(s)].append(QPointF(t, v[s]));
        log.lastTime = t;
    }
    return log;
}

} // namespace logshapes
