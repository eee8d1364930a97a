#pragma once

// What the device benchmarks share: times in milliseconds, medians, the processor time of the
// calling thread, and the bare round trip on a HID handle that no transport can undercut.

#include "BenchResult.h"

#include "devicelink/HidDevice.h"
#include "devicelink/VoroComm.h"
#include "devicelink/VoroCommands.h"

#include <QtGlobal>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Only Qt's critical messages and worse reach stderr: the simulated boxes' chatter would bury
// the figures.
inline void printCriticalMessagesOnly()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
}

// Processor time the calling thread has used, in milliseconds.
inline double threadCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// Processor time the whole process has used, all its threads, in milliseconds.
inline double processCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

inline double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

inline double median(std::vector<double> v)
{
    return percentile(std::move(v), 0.5);
}

// Reports `measured` against `floor` (their medians) as the ratio the goal bounds by `limit`;
// a run that did not complete misses the goal whatever the ratio, and `failure` says so.
inline bool reportRatio(const Goal& goal, double limit, const std::vector<double>& measured,
                        const std::vector<double>& floor, bool complete, const char* failure)
{
    const double ratio = median(measured) / median(floor);
    std::printf("  ratio: %.2f (goal <= %.1f)%s\n", ratio, limit, complete ? "" : failure);
    const bool met = complete && ratio <= limit;
    result(goal, ratio, met, "%.2f");
    return met;
}

inline HidDevice::Id idOf(const std::string& path)
{
    HidDevice::Id id;
    id.path = path;
    return id;
}

// One request and its answer on a bare handle.
inline double bareRoundTrip(HidDevice& hid)
{
    uint8_t out[VoroComm::REPORT_SIZE] = { 0, CMD__GET_PROTOCOL_VERSION };
    uint8_t in[VoroComm::REPORT_SIZE] = {};
    const auto start = Clock::now();
    hid.write(out, VoroComm::REPORT_SIZE);
    hid.read(in, VoroComm::REPORT_SIZE, VoroComm::REPLY_TIMEOUT_MS);
    return ms(Clock::now() - start);
}

// The median of `count` bare round trips to the device at `path`.
inline double medianRoundTrip(const std::string& path, int count)
{
    HidDevice hid(idOf(path));
    std::vector<double> times;
    for (int i = 0; i < count; ++i)
        times.push_back(bareRoundTrip(hid));
    return median(times);
}

} // namespace bench
