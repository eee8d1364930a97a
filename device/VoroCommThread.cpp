#include "device/VoroCommThread.h"

#include "devicelink/VoroComm.h"

#include <QDebug>

VoroCommThread::VoroCommThread(VoroComm* comm, QObject* parent, int idle_wait_ms)
    : QThread(parent)
    , device(comm->device)
    , comm(comm)
    , idle_wait_ms(idle_wait_ms)
{
    qRegisterMetaType<VoroDevice>("VoroDevice");
    qRegisterMetaType<VoroDevice::Id>("VoroDevice::Id");
    qRegisterMetaType<VoroConfig>("VoroConfig");
    qRegisterMetaType<VoroCommThread::OperationData>("VoroCommThread::OperationData");
    qRegisterMetaType<LogData>("LogData");
    comm->moveToThread(this);
}

VoroCommThread::~VoroCommThread()
{
    stop();
    delete comm; // still here only when the thread never ran
}

void VoroCommThread::enqueue(const OperationData& operation)
{
    {
        QMutexLocker lock(&queue_mutex);
        queue.push_back(operation);
    }
    wake();
}

void VoroCommThread::setMode(int new_mode)
{
    const int type = currentType();
    if (type != OT__NONE)
        cancelOperation(type);
    {
        QMutexLocker lock(&mode_mutex);
        mode = new_mode;
    }
    wake();
}

void VoroCommThread::cancelOperation(int type)
{
    removeOperations(type);
    while (currentType() == type)
        QThread::msleep(5);
}

void VoroCommThread::removeOperations(int type)
{
    QMutexLocker lock(&queue_mutex);
    queue.remove_if([type](const OperationData& op) { return op.type == type; });
}

void VoroCommThread::wake()
{
    QMutexLocker lock(&wait_mutex);
    wake_pending = true;
    wake_condition.wakeAll();
}

void VoroCommThread::stop()
{
    if (!isRunning())
        return;
    setAbort();
    const int type = currentType();
    if (type != OT__NONE)
        cancelOperation(type);
    wake();
    wait();
}

void VoroCommThread::finishQueue()
{
    {
        QMutexLocker lock(&abort_mutex);
        finish = true;
    }
    wake();
}

void VoroCommThread::run()
{
    const bool identified = comm->readIdentity();
    device = comm->device;
    if (identified) {
        emit initSucceeded(device.id, device);
        work();
    } else {
        emit initFailed(device.id, device);
    }
    qDebug() << "VoroCommThread end: " << device.id
             << "aborted: " << (aborted() ? "true" : "false");
    delete comm; // closes the HID interface
    comm = nullptr;
}

void VoroCommThread::work()
{
    for (;;) {
        if (aborted())
            return;
        idleWait();
        if (aborted())
            return; // stop() need not wait for another poll
        const int m = currentMode();
        // Only what is queued for a running box is still worth its time.
        if (finishing() && (m != MODE_RUN || queueEmpty()))
            return;
        if (m == MODE_WATCH) {
            if (!comm->ping())
                return;
            continue;
        }
        if (m == MODE_IDLE)
            continue;
        if (m != MODE_RUN) {
            qWarning() << "Error: unknown mode:" << m;
            continue;
        }
        OperationData op = takeOperation();
        comm->failure = VoroComm::NO_FAILURE;
        const bool success = execute(op);
        if (success)
            device = comm->device;
        op.failure = success ? VoroComm::NO_FAILURE : comm->failure;
        op.stopped = op.stop && op.stop->load();
        emit operationFinished(device.id, op, device, success);
        {
            QMutexLocker lock(&queue_mutex);
            current = OperationData();
        }
        if (!success)
            return;
    }
}

void VoroCommThread::idleWait()
{
    // Only queued work in run mode goes ahead at once; any other pass waits, so that queued
    // operations in idle or watch mode do not spin the loop.
    const bool work_waiting = currentMode() == MODE_RUN && !queueEmpty();
    QMutexLocker lock(&wait_mutex);
    if (!work_waiting && !wake_pending)
        wake_condition.wait(&wait_mutex, idle_wait_ms);
    wake_pending = false;
}

bool VoroCommThread::execute(const OperationData& op)
{
    switch (op.type) {
    case OT__POLL:
    case OT__READ_ALL:
        return comm->readConfig() && comm->readStatus();
    case OT__WRITE_CONFIG:
        return comm->writeConfig(op.config);
    case OT__WRITE_ACTUATOR_SETTINGS:
        return comm->writeActuatorSettings(op.config);
    case OT__CLEAR_ERRORS:
        return comm->clearErrors(op.actuator_index);
    case OT__TEST_ACTUATOR:
        return comm->testActuator(op.actuator_index, op.test_on);
    case OT__READ_LOG:
        return comm->readLog(op.actuator_index, op.stop.get());
    case OT__ENTER_BOOTLOADER:
        comm->enterBootloader();
        setAbort(); // the box has left for its bootloader
        return true;
    case OT__FACTORY_RESET:
        comm->factoryReset();
        setAbort(); // the box restarts; it is found again
        return true;
    default:
        return true;
    }
}

VoroCommThread::OperationData VoroCommThread::takeOperation()
{
    QMutexLocker lock(&queue_mutex);
    if (queue.empty()) {
        current = OperationData(OT__POLL);
    } else {
        current = queue.front();
        queue.pop_front();
    }
    return current;
}

int VoroCommThread::currentType()
{
    QMutexLocker lock(&queue_mutex);
    return current.type;
}

bool VoroCommThread::queueEmpty()
{
    QMutexLocker lock(&queue_mutex);
    return queue.empty();
}

int VoroCommThread::currentMode()
{
    QMutexLocker lock(&mode_mutex);
    return mode;
}

bool VoroCommThread::aborted()
{
    QMutexLocker lock(&abort_mutex);
    return abort;
}

bool VoroCommThread::finishing()
{
    QMutexLocker lock(&abort_mutex);
    return finish;
}

void VoroCommThread::setAbort()
{
    QMutexLocker lock(&abort_mutex);
    abort = true;
}
