#pragma once

#include "device/VoroCommThread.h"
#include "devicemanager/WriteOutcome.h"
#include "records/VoroConfig.h"

#include <QList>
#include <QVector>

// The writes asked of one box whose outcome is not known yet. A write is known only from a
// read of the box after its operations have run; when the box stops answering on the way, its
// writes wait for the box to come back and are judged by what it holds then.
class PendingWrites
{
public:
    // `outcome` names the write (kind, box, actuator); `expected` is what a SAVE writes.
    void add(const WriteOutcome& outcome, const VoroConfig& expected = VoroConfig());
    bool isEmpty() const { return entries.isEmpty(); }

    // An operation of the box has run: the first write it belongs to waits for the next read.
    void operationDone(const VoroCommThread::OperationData& op);
    // A read of the whole box: the outcomes of the writes whose operations have run.
    QList<WriteOutcome> confirm(const VoroDevice& read);
    // The box stopped answering, for this reason (VoroComm::Failure).
    void stopped(int failure);
    // The box is back, and `read` is its first read: the outcome of every write but those that
    // must go out again: the test ends (`resend_tests` gets their actuators), and a save that
    // was cut short for the first time (`resave` gets what it writes), since what the box
    // holds in its working copy may not be kept.
    QList<WriteOutcome> returned(const VoroDevice& read, QList<int>& resend_tests,
                                 QList<VoroConfig>& resave);
    // The box did not come back; `last` is the configuration it was last known to hold.
    QList<WriteOutcome> lost(const VoroConfig& last);

private:
    struct Entry
    {
        WriteOutcome outcome;
        VoroConfig expected;
        bool done = false; // its operations have run
        bool retried = false; // sent again once after the box came back
    };

    // Fills in the outcome from what the box holds; false for a failure.
    static void judge(Entry& e, const VoroDevice& read, WriteOutcome::Failure failure);

    QVector<Entry> entries;
    WriteOutcome::Failure stop_failure = WriteOutcome::NO_ANSWER;
};
