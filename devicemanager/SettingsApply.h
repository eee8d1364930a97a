#pragma once

#include "device/SettingsBackup.h"
#include "devicemanager/WriteOutcome.h"
#include "records/ConfigField.h"
#include "records/VoroDevice.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

class VoroManager;

// One settings file applied to many boxes: read over each box's own settings and checked for
// every box before anything is written, so that what changes can be shown first (a preview,
// or the command line's --dry-run); then every box that changes is written at once, each saved
// once, and each box's result is known from a read of the box after its write. A box that
// changes nothing is not written.
class SettingsApply : public QObject
{
    Q_OBJECT

public:
    // What the file does to one box.
    struct Plan
    {
        VoroDevice::Id id = -1;
        QString box; // "Lab 2 (3A0F21)"
        QString serial_number;
        VoroConfig from; // what the box holds
        VoroConfig to; // what it is to hold
        QVector<ConfigField> changes;
        QString problem; // why the box cannot take the file, for the user; empty when it can
    };

    struct Result
    {
        enum End { UNCHANGED, SAVED, FAILED };

        VoroDevice::Id id = -1; // the box's id when its result was known
        QString box;
        QString serial_number;
        End end = UNCHANGED;
        QVector<ConfigField> changes;
        QString reason; // FAILED: why, for the user
        QVector<ConfigField> not_written; // FAILED: the fields the box does not hold as written
    };

    explicit SettingsApply(VoroManager* manager, QObject* parent = nullptr);

    // Reads `file` over the settings of each box. The boxes keep their own location and their
    // actuators' locations unless `with_locations` (one file is usually written to many
    // boxes). True when every box can take the file; otherwise nothing may be written and the
    // plans say why.
    bool prepare(const QString& file, const QList<VoroDevice::Id>& ids, bool with_locations);
    // The same with settings at hand (another box's, a backup's), checked by the setting rules.
    bool prepare(const VoroConfig& settings, const QList<VoroDevice::Id>& ids, bool with_locations);
    const QList<Plan>& plans() const { return planned; }

    // Writes every prepared box that changes, all at once, each after a backup of what it holds
    // (`reason`); a box whose backup fails is not written and fails. boxFinished comes for each
    // box (those without changes at once), finished after the last.
    void start(SettingsBackup::Reason reason = SettingsBackup::APPLY);
    bool isRunning() const { return !waiting.isEmpty(); }
    // A write to the box (by serial number) is under way.
    bool isWaitingFor(const QString& serial_number) const;

signals:
    void boxFinished(const SettingsApply::Result& result);
    void finished();

private:
    // The plan of one box, with `read` giving the settings it is to hold over its own, or a
    // problem.
    template<typename Read> bool planAll(const QList<VoroDevice::Id>& ids, Read read);

    struct Waiting
    {
        Result result;
        VoroDevice::Id id; // follows the box when it comes back under another id
    };

    void onWriteFinished(const WriteOutcome& outcome);
    void onReturned(VoroDevice::Id old_id, VoroDevice::Id new_id);

    VoroManager* manager;
    QList<Plan> planned;
    QList<Waiting> waiting;
};

Q_DECLARE_METATYPE(SettingsApply::Result)
