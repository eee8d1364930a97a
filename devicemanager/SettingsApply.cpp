#include "devicemanager/SettingsApply.h"

#include "device/SettingsFile.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"

SettingsApply::SettingsApply(VoroManager* manager, QObject* parent)
    : QObject(parent)
    , manager(manager)
{
    connect(manager, &VoroManager::writeFinished, this, &SettingsApply::onWriteFinished);
    connect(manager, &VoroManager::deviceReturned, this, &SettingsApply::onReturned);
}

bool SettingsApply::prepare(const QString& file, const QList<VoroDevice::Id>& ids,
                            bool with_location)
{
    planned.clear();
    bool all = true;
    for (const VoroDevice::Id id : ids) {
        const VoroDevice d = manager->device(id);
        Plan plan;
        plan.id = id;
        plan.box = BoxName::qualified(d);
        plan.serial_number = d.serial_number;
        plan.from = d.config;
        if (d.state != VoroDefinitions::DS__READY) {
            plan.problem = tr("%1 cannot be written: its firmware cannot be worked with, or it "
                              "is not ready")
                               .arg(plan.box);
        } else {
            const SettingsFile::ReadResult read = SettingsFile::read(file, d.config, d.config);
            if (read.ok()) {
                plan.to = read.config;
                if (!with_location)
                    plan.to.location = d.config.location;
                plan.changes = ConfigFields::differing(plan.from, plan.to);
            } else {
                plan.problem = VoroManager::settingsFileProblem(read, file);
            }
        }
        all = all && plan.problem.isEmpty();
        planned << plan;
    }
    return all;
}

void SettingsApply::start()
{
    QList<Result> unchanged;
    for (const Plan& plan : qAsConst(planned)) {
        if (!plan.problem.isEmpty())
            continue;
        Result r;
        r.id = plan.id;
        r.box = plan.box;
        r.serial_number = plan.serial_number;
        r.changes = plan.changes;
        if (plan.changes.isEmpty()) {
            unchanged << r;
            continue;
        }
        // As the window saves: the actuators' settings only where they differ, then the rest
        // with the one save that makes both permanent.
        if (plan.to.actuator_settings != plan.from.actuator_settings)
            manager->writeActuatorSettings(plan.id, plan.to);
        manager->writeConfig(plan.id, plan.to);
        waiting << Waiting { r, plan.id };
    }
    for (const Result& r : qAsConst(unchanged))
        emit boxFinished(r);
    if (waiting.isEmpty())
        emit finished();
}

void SettingsApply::onReturned(VoroDevice::Id old_id, VoroDevice::Id new_id)
{
    for (Waiting& w : waiting) {
        if (w.id == old_id)
            w.id = new_id;
    }
}

void SettingsApply::onWriteFinished(const WriteOutcome& outcome)
{
    if (outcome.kind != WriteOutcome::SAVE)
        return;
    for (int i = 0; i < waiting.size(); ++i) {
        const Waiting& w = waiting.at(i);
        const bool same = outcome.serial_number.isEmpty()
            ? outcome.id == w.id
            : outcome.serial_number == w.result.serial_number;
        if (!same)
            continue;
        Result r = waiting.takeAt(i).result;
        r.id = outcome.id;
        r.end = outcome.success ? Result::SAVED : Result::FAILED;
        r.reason = outcome.reason();
        r.not_written = outcome.not_written;
        emit boxFinished(r);
        if (waiting.isEmpty())
            emit finished();
        return;
    }
}
