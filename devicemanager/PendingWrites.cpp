#include "devicemanager/PendingWrites.h"

#include "devicelink/VoroComm.h"

namespace {
using Op = VoroCommThread::OperationData;

bool belongsTo(const WriteOutcome& w, const Op& op)
{
    switch (w.kind) {
    case WriteOutcome::SAVE:
        return op.type == VoroCommThread::OT__WRITE_CONFIG; // the last of its operations
    case WriteOutcome::CLEAR_ERRORS:
        return op.type == VoroCommThread::OT__CLEAR_ERRORS && op.actuator_index == w.actuator_index;
    case WriteOutcome::TEST_OFF:
        return op.type == VoroCommThread::OT__TEST_ACTUATOR && op.has_test_on && op.test_on == 0
            && op.actuator_index == w.actuator_index;
    case WriteOutcome::FACTORY_RESET:
        return op.type == VoroCommThread::OT__FACTORY_RESET;
    }
    return false;
}
} // namespace

void PendingWrites::add(const WriteOutcome& outcome, const VoroConfig& expected)
{
    entries.append({ outcome, expected, false, false });
}

void PendingWrites::operationDone(const Op& op)
{
    for (Entry& e : entries) {
        if (!e.done && belongsTo(e.outcome, op)) {
            e.done = true;
            return;
        }
    }
}

void PendingWrites::judge(Entry& e, const VoroDevice& read, WriteOutcome::Failure failure)
{
    WriteOutcome& w = e.outcome;
    w.id = read.id;
    switch (w.kind) {
    case WriteOutcome::SAVE:
        w.not_written = ConfigFields::differing(e.expected, read.config);
        w.success = w.not_written.isEmpty();
        break;
    case WriteOutcome::CLEAR_ERRORS: {
        // The box keeps in its stored errors only what is still going on.
        const ActuatorData a = read.actuator_data.value(w.actuator_index);
        w.success = (a.mem_errors & ~a.errors) == 0;
        break;
    }
    case WriteOutcome::TEST_OFF:
    case WriteOutcome::FACTORY_RESET:
        w.success = true; // answered, and the box reads again
        break;
    }
    w.failure = w.success ? WriteOutcome::NONE : failure;
}

QList<WriteOutcome> PendingWrites::confirm(const VoroDevice& read)
{
    QList<WriteOutcome> known;
    for (auto it = entries.begin(); it != entries.end();) {
        // A factory reset is known only from the box's return.
        if (!it->done || it->outcome.kind == WriteOutcome::FACTORY_RESET) {
            ++it;
            continue;
        }
        judge(*it, read, WriteOutcome::NOT_TAKEN);
        known << it->outcome;
        it = entries.erase(it);
    }
    return known;
}

void PendingWrites::stopped(int failure)
{
    stop_failure = failure == VoroComm::INVALID_ANSWER ? WriteOutcome::INVALID_ANSWER
                                                       : WriteOutcome::NO_ANSWER;
}

QList<WriteOutcome> PendingWrites::returned(const VoroDevice& read, QList<int>& resend_tests,
                                            QList<VoroConfig>& resave)
{
    QList<WriteOutcome> known;
    QVector<Entry> waiting;
    for (Entry& e : entries) {
        const bool again = e.outcome.kind == WriteOutcome::TEST_OFF
            || (e.outcome.kind == WriteOutcome::SAVE && !e.done && !e.retried);
        if (again) {
            // Only a box that restarted has ended its test for sure; and a box that fell silent
            // before it answered the save may hold the values without keeping them.
            if (e.outcome.kind == WriteOutcome::TEST_OFF)
                resend_tests << e.outcome.actuator_index;
            else
                resave << e.expected;
            e.done = false;
            e.retried = true;
            e.outcome.id = read.id;
            waiting << e;
            continue;
        }
        judge(e, read, stop_failure);
        known << e.outcome;
    }
    entries = waiting;
    return known;
}

QList<WriteOutcome> PendingWrites::lost(const VoroConfig& last)
{
    QList<WriteOutcome> known;
    for (Entry& e : entries) {
        e.outcome.success = false;
        e.outcome.failure = WriteOutcome::NOT_RETURNED;
        if (e.outcome.kind == WriteOutcome::SAVE)
            e.outcome.not_written = ConfigFields::differing(e.expected, last);
        known << e.outcome;
    }
    entries.clear();
    return known;
}
