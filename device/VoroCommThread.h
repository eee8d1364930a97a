#pragma once

#include "records/VoroDevice.h"

#include <QMetaType>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <list>
#include <memory>

class VoroComm;

// The worker of one box: reads its identity at start, then works through the queue of
// requested operations and re-reads the whole box whenever the queue is empty (run mode), or
// only checks that it still answers (watch mode). Results leave only by the queued signals,
// each with a full copy of the record. A failed operation ends the thread; the manager then
// drops the box and the detector finds it again.
class VoroCommThread : public QThread
{
    Q_OBJECT

public:
    enum OperationType {
        OT__NONE = 0,
        OT__POLL = 2,
        OT__READ_ALL = 3,
        OT__WRITE_CONFIG = 4,
        OT__ENTER_BOOTLOADER = 6,
        OT__FACTORY_RESET = 7,
        OT__WRITE_ACTUATOR_SETTINGS = 8,
        OT__READ_LOG = 9,
        OT__CLEAR_ERRORS = 10,
        OT__TEST_ACTUATOR = 11
    };
    Q_ENUM(OperationType)

    enum Mode { MODE_IDLE = 0, MODE_RUN = 1, MODE_WATCH = 2 };

    static constexpr int IDLE_WAIT_MS = 200;

    // One requested operation; in operationFinished, the one that has ended.
    struct OperationData
    {
        OperationData(int type = OT__NONE)
            : type(type)
        { }

        int type;
        bool has_config = false;
        VoroConfig config;
        bool has_actuator_index = false;
        int actuator_index = 0;
        bool has_test_on = false;
        uint8_t test_on = 0; // 1 starts or continues the actuator test, 0 stops it
        // A log read stops asking for chunks once this is set, from any thread.
        std::shared_ptr<std::atomic<bool>> stop;

        // In operationFinished: why it failed (VoroComm::Failure), and whether `stop` ended it.
        int failure = 0;
        bool stopped = false;
    };

    // Takes ownership of `comm` and moves it to the new thread. `idle_wait_ms` is the longest
    // wait between polls while nothing is queued.
    explicit VoroCommThread(VoroComm* comm, QObject* parent = nullptr,
                            int idle_wait_ms = IDLE_WAIT_MS);
    ~VoroCommThread() override;

    void enqueue(const OperationData& operation);
    // Waits for the current operation to finish, then switches.
    void setMode(int mode);
    // Drops queued operations of `type` and waits until one of that type that is running
    // has finished.
    void cancelOperation(int type);
    void removeOperations(int type);
    void wake();
    // Ends the thread after the running operation and waits for it.
    void stop();
    // Ends the thread once the queued operations have run, without polling again; does not wait.
    void finishQueue();

signals:
    void initFailed(VoroDevice::Id id, VoroDevice data);
    void initSucceeded(VoroDevice::Id id, VoroDevice data);
    void operationFinished(VoroDevice::Id id, VoroCommThread::OperationData operation,
                           VoroDevice data, bool success);

protected:
    void run() override;

private:
    void work();
    void idleWait();
    bool execute(const OperationData& op);
    OperationData takeOperation();
    int currentType();
    bool queueEmpty();
    int currentMode();
    bool aborted();
    bool finishing();
    void setAbort();

    VoroDevice device; // the record last emitted; worker only
    VoroComm* comm; // worker only while running

    QMutex queue_mutex; // guards queue and current
    OperationData current;
    std::list<OperationData> queue;

    QMutex abort_mutex;
    bool abort = false;
    bool finish = false; // end once the queue is empty; guarded by abort_mutex

    QMutex mode_mutex;
    int mode = MODE_IDLE;

    const int idle_wait_ms;
    QMutex wait_mutex;
    QWaitCondition wake_condition;
    bool wake_pending = false; // a wake() the worker has not seen yet
};

Q_DECLARE_METATYPE(VoroCommThread::OperationData)
