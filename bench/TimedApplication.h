#pragma once

// The GUI thread's share of the work in the window benchmarks.

#include "BenchSupport.h"

#include <QApplication>
#include <QString>
#include <QTimer>

namespace bench {

// Times the handling of every event the GUI thread delivers from its event loop (an event
// sent while another is handled counts towards that one).
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (depth > 0 || !measuring)
            return nested(receiver, event);
        // Named before it is handled: a deferred delete ends its receiver.
        const char* name = receiver ? receiver->metaObject()->className() : "null receiver";
        const int type = int(event->type());
        const auto start = Clock::now();
        const bool result = nested(receiver, event);
        const double took = ms(Clock::now() - start);
        ++events;
        if (took > longest_ms) {
            longest_ms = took;
            longest_what
                = QStringLiteral("event type %1 for a %2").arg(type).arg(QLatin1String(name));
        }
        return result;
    }

    // The GUI thread's processor time and the wall clock, in ms, of `seconds` in the event
    // loop, every event timed.
    struct Span
    {
        double cpu = 0, wall = 0;
    };
    Span run(int seconds)
    {
        QTimer::singleShot(seconds * 1000, this, &QCoreApplication::quit);
        measuring = true;
        const double cpu_start = threadCpuMs();
        const auto wall_start = Clock::now();
        exec();
        Span span { threadCpuMs() - cpu_start, ms(Clock::now() - wall_start) };
        measuring = false;
        return span;
    }

    bool measuring = false;
    double longest_ms = 0;
    QString longest_what;
    long long events = 0;

private:
    bool nested(QObject* receiver, QEvent* event)
    {
        ++depth;
        const bool result = QApplication::notify(receiver, event);
        --depth;
        return result;
    }

    int depth = 0;
};

} // namespace bench
