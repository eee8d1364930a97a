#include "firmware/FirmwareUpdateController.h"

#include "firmware/BundledFirmware.h"
#include "firmware/UpdateThread.h"

#include <algorithm>

FirmwareUpdateController::FirmwareUpdateController(const UpdateHistory& history, QObject* parent)
    : QObject(parent)
    , log(history)
{
    static const int registered = qRegisterMetaType<HidDevice::Id>("HidDevice::Id")
        + qRegisterMetaType<BoxUpdate>("BoxUpdate");
    Q_UNUSED(registered)
    connect(&timer, &QTimer::timeout, this, &FirmwareUpdateController::poll);
    clock.start();
}

FirmwareUpdateController::~FirmwareUpdateController()
{
    timer.stop();
    // An update cannot be cut short safely; let each attempt finish before its object goes.
    for (auto& [key, e] : entries) {
        if (!e.thread)
            continue;
        e.thread->disconnect(this);
        e.thread->wait();
        delete e.thread;
    }
}

void FirmwareUpdateController::startPolling(int ms)
{
    timer.start(ms);
}

void FirmwareUpdateController::stopPolling()
{
    timer.stop();
}

const UpdateImage& FirmwareUpdateController::checkImage()
{
    current = image_file.isEmpty()
        ? UpdateImage::find(BundledFirmware::HARDWARE_ID)
        : UpdateImage::read(image_file, BundledFirmware::HARDWARE_ID, false);
    return current;
}

QString FirmwareUpdateController::keyOf(const HidDevice::Id& id)
{
    // The serial follows a box across ports and across its bootloader; the path is all a device
    // without one has.
    return id.serial_number.empty() ? QString::fromStdString(id.path)
                                    : QString::fromStdWString(id.serial_number);
}

void FirmwareUpdateController::announce(const QString& serial, const QString& location,
                                        const QString& firmwareVersion)
{
    if (serial.isEmpty())
        return; // its bootloader cannot be told from another's; it is named when it shows up
    if (current.path.isEmpty())
        checkImage();
    Entry& e = entries[serial];
    if (e.thread)
        return; // already in its bootloader and being updated
    if (!order.contains(serial))
        order << serial;
    const bool wasStarted = e.started;
    e = Entry();
    e.started = wasStarted;
    e.box.key = serial;
    e.box.serial = serial;
    e.box.location = location;
    e.box.from_version = firmwareVersion;
    e.box.to_version = current.version;
    e.box.announced = true;
    e.box.status = tr("Restarting into the bootloader...");
    e.may_reset = true;
    e.announced_at.start();
    failedSerials.remove(serial);
    changed(e);
}

QList<BoxUpdate> FirmwareUpdateController::boxes() const
{
    QList<BoxUpdate> shown;
    for (const QString& key : order) {
        const auto found = entries.find(key);
        if (found != entries.end() && !found->second.dismissed)
            shown << found->second.box;
    }
    return shown;
}

bool FirmwareUpdateController::isRunning() const
{
    return std::any_of(entries.begin(), entries.end(), [](const auto& entry) {
        return !entry.second.dismissed && !entry.second.box.hasResult();
    });
}

void FirmwareUpdateController::dismissFinished()
{
    for (auto it = entries.begin(); it != entries.end();) {
        Entry& e = it->second;
        if (!e.box.hasResult()) {
            ++it;
            continue;
        }
        e.dismissed = true;
        // Kept while its bootloader is still there (so that a box that failed is not tried
        // again until it is plugged in anew), or while it may come back to finish.
        if (e.present || e.box.phase == BoxUpdate::Disconnected) {
            ++it;
            continue;
        }
        order.removeAll(it->first);
        it = entries.erase(it);
    }
}

FirmwareUpdateController::Entry* FirmwareUpdateController::entryOf(const HidDevice::Id& id)
{
    for (auto& [key, e] : entries) {
        if (e.thread && e.id == id)
            return &e;
    }
    return nullptr;
}

FirmwareUpdateController::Entry& FirmwareUpdateController::entryFor(const HidDevice::Id& id)
{
    const QString key = keyOf(id);
    const auto found = entries.find(key);
    if (found != entries.end())
        return found->second;
    Entry& e = entries[key];
    order.removeAll(key);
    order << key;
    e.box.key = key;
    e.box.serial = QString::fromStdWString(id.serial_number);
    e.box.to_version = checkImage().version;
    return e;
}

bool FirmwareUpdateController::isPresent(const HidDevice::Id& id) const
{
    const std::list<HidDevice::Id> found
        = HidDevice::enumerate(UpdateThread::VENDOR_ID, UpdateThread::PRODUCT_ID);
    return std::find(found.begin(), found.end(), id) != found.end();
}

void FirmwareUpdateController::poll()
{
    const std::list<HidDevice::Id> found
        = HidDevice::enumerate(UpdateThread::VENDOR_ID, UpdateThread::PRODUCT_ID);
    for (auto& [key, e] : entries)
        e.present = false;
    for (const HidDevice::Id& id : found) {
        const QString key = keyOf(id);
        if (!unannounced && !entries.count(key) && !included.contains(key))
            continue;
        Entry& e = entryFor(id);
        e.present = true;
        if (e.thread)
            continue;
        e.id = id;
        e.box.path = QString::fromStdString(id.path);
        switch (e.box.phase) {
        case BoxUpdate::Waiting:
        case BoxUpdate::Disconnected:
            startAttempt(e);
            break;
        case BoxUpdate::Retrying:
            if (clock.elapsed() >= e.retry_at)
                startAttempt(e);
            break;
        case BoxUpdate::Updated:
        case BoxUpdate::Kept:
        case BoxUpdate::Failed:
            // Plugged in anew after its result: a new update, whose firmware nobody knows.
            if (e.gone_since_result) {
                e.gone_since_result = false;
                e.dismissed = false;
                e.may_reset = false;
                e.box.attempts = 0;
                e.box.announced = false;
                e.box.from_version.clear();
                e.box.to_version = checkImage().version;
                order.removeAll(key);
                order << key;
                startAttempt(e);
            }
            break;
        case BoxUpdate::Running:
            break;
        }
    }
    for (auto it = entries.begin(); it != entries.end();) {
        Entry& e = it->second;
        if (e.present || e.thread) {
            ++it;
            continue;
        }
        if (e.box.phase == BoxUpdate::Retrying) {
            disconnected(e);
        } else if (e.box.phase == BoxUpdate::Waiting && e.box.path.isEmpty()
                   && e.announced_at.isValid() && e.announced_at.elapsed() > BOOTLOADER_WAIT_MS) {
            finish(e, BoxUpdate::Failed, tr("the box did not restart into its bootloader"));
        } else if (e.box.hasResult() && e.box.phase != BoxUpdate::Disconnected) {
            e.gone_since_result = true;
            if (e.dismissed) {
                order.removeAll(it->first);
                it = entries.erase(it);
                continue;
            }
        }
        ++it;
    }
}

void FirmwareUpdateController::startAttempt(Entry& e)
{
    if (!current.usable() || current.path.isEmpty())
        checkImage();
    auto* thread = new UpdateThread(e.id, current, e.may_reset);
    e.thread = thread;
    const QString key = e.box.key;
    connect(thread, &UpdateThread::statusMessage, this, &FirmwareUpdateController::onStatus,
            Qt::QueuedConnection);
    connect(thread, &UpdateThread::progress, this, &FirmwareUpdateController::onProgress,
            Qt::QueuedConnection);
    connect(
        thread, &QThread::finished, this, [this, key] { onAttemptEnded(key); },
        Qt::QueuedConnection);
    if (e.box.phase == BoxUpdate::Disconnected)
        e.dismissed = false; // back to finish what it began
    e.box.phase = BoxUpdate::Running;
    e.box.progress = 0;
    if (e.box.attempts == 0 && e.failed_opens == 0 && e.silent_attempts == 0)
        e.box.status = tr("Starting the update...");
    if (!e.started && !e.box.serial.isEmpty()) {
        e.started = true;
        emit updateStarted(e.box.serial);
    }
    changed(e);
    // Only now: no signal of the thread may come before its connections exist.
    thread->start(QThread::InheritPriority);
}

void FirmwareUpdateController::onStatus(const HidDevice::Id& id, const QString& msg)
{
    if (Entry* e = entryOf(id)) {
        e->box.status = msg.trimmed();
        changed(*e);
    }
}

void FirmwareUpdateController::onProgress(const HidDevice::Id& id, int value)
{
    if (Entry* e = entryOf(id)) {
        e->box.progress = value;
        changed(*e);
    }
}

void FirmwareUpdateController::onAttemptEnded(const QString& key)
{
    const auto found = entries.find(key);
    if (found == entries.end() || !found->second.thread)
        return;
    Entry& e = found->second;
    const UpdateThread::Result r = e.thread->result();
    // It has finished: waiting returns at once, and nothing of it outlives the controller.
    e.thread->wait();
    delete e.thread;
    e.thread = nullptr;
    if (!r.version.isEmpty())
        e.box.to_version = r.version;
    e.box.reason = r.reason;
    const bool present = isPresent(e.id);
    switch (r.outcome) {
    case UpdateThread::Updated:
        e.box.progress = 100;
        e.box.open_failed = false;
        finish(e, BoxUpdate::Updated, QString());
        return;
    case UpdateThread::OpenFailed:
        e.box.open_failed = true;
        if (!present) {
            disconnected(e);
            return;
        }
        retryLater(e, tr("The box cannot be opened; trying again"));
        return;
    case UpdateThread::NoAnswer:
        e.box.open_failed = false;
        if (!present) {
            disconnected(e);
        } else if (++e.silent_attempts >= SILENT_ATTEMPTS) {
            finish(e, BoxUpdate::Failed, r.reason);
        } else {
            retryLater(e, tr("The bootloader does not answer; trying again"));
        }
        return;
    case UpdateThread::Unfit:
        e.box.open_failed = false;
        finish(e, r.reset_sent ? BoxUpdate::Kept : BoxUpdate::Failed, r.reason);
        return;
    case UpdateThread::Failed:
        e.box.open_failed = false;
        // Erased: a reset would not bring the old firmware back.
        e.may_reset = false;
        if (!present) {
            disconnected(e);
            return;
        }
        ++e.box.attempts;
        if (e.box.attempts >= BoxUpdate::ATTEMPTS) {
            finish(e, BoxUpdate::Failed, tr("%1 (%2 attempts)").arg(r.reason).arg(e.box.attempts));
            return;
        }
        record(e, "failed", r.reason);
        e.box.status = tr("Attempt %1 of %2 failed: %3. Trying again.")
                           .arg(e.box.attempts)
                           .arg(BoxUpdate::ATTEMPTS)
                           .arg(r.reason);
        startAttempt(e);
        return;
    }
}

void FirmwareUpdateController::retryLater(Entry& e, const QString& status)
{
    const int pause
        = int(qMin<qint64>(qint64(FIRST_PAUSE_MS) << qMin(e.failed_opens, 8), LONGEST_PAUSE_MS));
    ++e.failed_opens;
    e.retry_at = clock.elapsed() + pause;
    e.box.phase = BoxUpdate::Retrying;
    e.box.status = status;
    changed(e);
}

void FirmwareUpdateController::finish(Entry& e, BoxUpdate::Phase phase, const QString& reason)
{
    e.box.phase = phase;
    e.box.reason = reason;
    e.failed_opens = 0;
    e.silent_attempts = 0;
    static const char* const results[] = { "updated", "kept", "failed" };
    record(e, results[phase - BoxUpdate::Updated], reason);
    if (!e.box.serial.isEmpty()) {
        if (phase == BoxUpdate::Updated)
            failedSerials.remove(e.box.serial);
        else
            failedSerials.insert(e.box.serial);
    }
    changed(e);
    if (e.started) {
        e.started = false;
        emit updateFinished(e.box.serial, phase == BoxUpdate::Updated);
    }
}

void FirmwareUpdateController::disconnected(Entry& e)
{
    e.box.phase = BoxUpdate::Disconnected;
    e.box.reason = tr("the box left the USB bus");
    e.box.progress = 0;
    e.failed_opens = 0;
    e.silent_attempts = 0;
    record(e, "disconnected", e.box.reason);
    changed(e);
    if (e.started) {
        e.started = false;
        emit updateFinished(e.box.serial, false);
    }
}

void FirmwareUpdateController::record(const Entry& e, const char* result, const QString& reason)
{
    UpdateHistory::Record r;
    r.time = QDateTime::currentDateTimeUtc();
    r.location = e.box.location;
    r.serial = e.box.serial;
    r.from_version = e.box.from_version;
    r.to_version = e.box.to_version;
    r.result = QString::fromLatin1(result);
    r.reason = reason;
    log.append(r);
}

void FirmwareUpdateController::changed(Entry& e)
{
    emit boxChanged(e.box);
}
