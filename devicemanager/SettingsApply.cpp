#include "devicemanager/SettingsApply.h"

#include "device/SettingsFile.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"
#include "records/SettingRules.h"

SettingsApply::SettingsApply(VoroManager* manager, QObject* parent)
    : QObject(parent)
    , manager(manager)
{
    connect(manager, &VoroManager::writeFinished, this, &SettingsApply::onWriteFinished);
    connect(manager, &VoroManager::deviceReturned, this, &SettingsApply::onReturned);
}

template<typename Read> bool SettingsApply::planAll(const QList<VoroDevice::Id>& ids, Read read)
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
            plan.problem = read(d.config, plan.to);
            if (plan.problem.isEmpty())
                plan.changes = ConfigFields::differing(plan.from, plan.to);
        }
        all = all && plan.problem.isEmpty();
        planned << plan;
    }
    return all;
}

bool SettingsApply::prepare(const QString& file, const QList<VoroDevice::Id>& ids,
                            bool with_locations)
{
    return planAll(ids, [&](const VoroConfig& held, VoroConfig& to) {
        const SettingsFile::ReadResult read = SettingsFile::read(file, held, held);
        if (!read.ok())
            return VoroManager::settingsFileProblem(read, file);
        to = with_locations ? read.config : ConfigFields::withLocationsOf(read.config, held);
        return QString();
    });
}

bool SettingsApply::prepare(const VoroConfig& settings, const QList<VoroDevice::Id>& ids,
                            bool with_locations)
{
    return planAll(ids, [&](const VoroConfig& held, VoroConfig& to) {
        // Only the entries both have: the box decides how many actuators it has.
        to = held;
        to.location = settings.location;
        to.log_interval = settings.log_interval;
        to.common = settings.common;
        for (int i = 0; i < to.actuator_settings.size() && i < settings.actuator_settings.size();
             ++i)
            to.actuator_settings[i] = settings.actuator_settings.at(i);
        for (int i = 0; i < to.actuator_locations.size() && i < settings.actuator_locations.size();
             ++i)
            to.actuator_locations[i] = settings.actuator_locations.at(i);
        if (!with_locations)
            to = ConfigFields::withLocationsOf(to, held);
        if (const std::optional<SettingProblem> problem = SettingRules::check(to, held))
            return problem->text();
        return QString();
    });
}

void SettingsApply::start(SettingsBackup::Reason reason)
{
    QList<Result> unchanged; // and those refused before any write
    QList<VoroDevice::Id> changing;
    for (const Plan& plan : qAsConst(planned)) {
        if (plan.problem.isEmpty() && !plan.changes.isEmpty())
            changing << plan.id;
    }
    QMap<VoroDevice::Id, QString> problems;
    manager->backUp(changing, reason, &problems);
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
        if (problems.contains(plan.id)) {
            r.end = Result::FAILED;
            r.reason = tr("its settings could not be backed up (%1), so nothing was written")
                           .arg(problems.value(plan.id));
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

bool SettingsApply::isWaitingFor(const QString& serial_number) const
{
    for (const Waiting& w : waiting) {
        if (w.result.serial_number == serial_number)
            return true;
    }
    return false;
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
