#pragma once

#include <chrono>

namespace hidsim {

// A misbehaviour of the link to one device, injected on the bus. It hits the host's output
// reports that match `command` (the byte after the report id; -1 matches every report) and
// what the device answers to them; an OpenFailure hits the host's opens of the device instead.
struct Fault
{
    enum Kind {
        NoReply, // the device takes the report and stays silent
        WrongEcho, // the answer's first byte is changed
        GarbageReply, // the answer keeps its first byte, the rest is random bytes
        LateReply, // the answer comes after the host has given up (`delay`, default 1500 ms)
        SlowReply, // the answer comes late but in time (`delay`, default 300 ms)
        WriteFailure, // the host's write fails; the device sees nothing
        UnplugMidTransaction, // the device takes the report and is unplugged before answering
        OpenFailure, // opening the device's path fails, as for a node this user may not open
        DuplicateReply, // the answer comes twice: the copy waits as a stale report for the
                        // host's next request
    };

    static constexpr std::chrono::milliseconds LATE_DELAY { 1500 };
    static constexpr std::chrono::milliseconds SLOW_DELAY { 300 };

    Kind kind = NoReply;
    int command = -1;
    int skip = 0; // matching reports that pass unharmed before it strikes
    int times = 1; // matching reports it hits; -1 for every one from then on
    std::chrono::milliseconds delay { 0 }; // LateReply, SlowReply; 0 takes the default

    static Fault once(Kind kind, int command = -1, int skip = 0)
    {
        Fault f;
        f.kind = kind;
        f.command = command;
        f.skip = skip;
        return f;
    }
    static Fault always(Kind kind, int command = -1)
    {
        Fault f = once(kind, command);
        f.times = -1;
        return f;
    }

    std::chrono::milliseconds replyDelay() const
    {
        if (kind == LateReply)
            return delay.count() > 0 ? delay : LATE_DELAY;
        if (kind == SlowReply)
            return delay.count() > 0 ? delay : SLOW_DELAY;
        return std::chrono::milliseconds(0);
    }
};

} // namespace hidsim
