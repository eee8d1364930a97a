// Boxes that stop answering and come back: the manager keeps what it knew of each for a grace
// period, recognises it when it returns under a new id, and judges the writes that were under
// way by what the box holds then.
#include "devicemanager/VoroManager.h"

#include "records/BoxName.h"

#include <algorithm>

QString VoroManager::identityKey(const VoroDevice& d)
{
    return d.serial_number.isEmpty() ? d.usb_path : d.serial_number;
}

bool VoroManager::isUpdating(const QString& serial_or_path) const
{
    return updating.contains(serial_or_path);
}

void VoroManager::updateEnded(const QString& serial_or_path)
{
    updating.remove(serial_or_path);
    for (LostBox& lost : lost_boxes) {
        if (identityKey(lost.last) == serial_or_path)
            lost.deadline.setRemainingTime(return_grace_ms);
    }
}

void VoroManager::keepLost(VoroDevice::Id id, Box& box)
{
    // Only a box that was shown (or was asked to write) is waited for.
    const bool shown = box.record
        && (box.record->state == VoroDefinitions::DS__READY
            || box.record->state == VoroDefinitions::DS__UNSUPPORTED);
    if (!box.record || (!shown && box.writes.isEmpty()))
        return;
    lost_boxes.push_back(
        { id, *box.record, box.writes, box.tests_on, QDeadlineTimer(return_grace_ms) });
}

void VoroManager::announce(VoroDevice::Id id)
{
    announceBox(id);
    compareWithBackup(id);
}

void VoroManager::announceBox(VoroDevice::Id id)
{
    Box* b = boxWithRecord(id);
    const auto back = std::find_if(lost_boxes.begin(), lost_boxes.end(), [&](const LostBox& l) {
        return BoxName::sameBox(l.last.serial_number, l.last.usb_path, b->record->serial_number,
                                b->record->usb_path);
    });
    if (back == lost_boxes.end()) {
        emit deviceDetected(id);
        return;
    }
    LostBox lost = *back;
    lost_boxes.erase(back);
    updating.remove(identityKey(lost.last));
    emit deviceReturned(lost.id, id);
    emit deviceDetected(id);
    b = boxWithRecord(id); // the window's slots may have asked for anything meanwhile
    if (!b)
        return;
    QList<int> resend;
    QList<VoroConfig> resave;
    const QList<WriteOutcome> known = lost.writes.returned(*b->record, resend, resave);
    b->writes = lost.writes; // what must go out again
    // A test that ran when the box went is ended as well: the box may not have restarted.
    for (int i = 0; i < VoroDefinitions::ACTUATOR_COUNT; ++i) {
        if (resend.contains(i) || (lost.tests_on & (1u << i)))
            enqueueForActuator(id, VoroCommThread::OT__TEST_ACTUATOR, i, true, 0);
    }
    for (const VoroConfig& config : resave)
        resendSave(id, config);
    for (const WriteOutcome& w : known)
        emit writeFinished(w);
}

void VoroManager::expireLostBoxes()
{
    for (auto it = lost_boxes.begin(); it != lost_boxes.end();) {
        if (!it->deadline.hasExpired() || updating.contains(identityKey(it->last))) {
            ++it;
            continue;
        }
        const LostBox lost = *it;
        it = lost_boxes.erase(it);
        PendingWrites writes = lost.writes;
        for (const WriteOutcome& w : writes.lost(lost.last.config))
            emit writeFinished(w);
        emit deviceLost(lost.id);
        return; // the slots may have changed the list; the rest waits for the next tick
    }
}
