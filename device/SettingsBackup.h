#pragma once

#include "device/SettingsFile.h"
#include "records/VoroConfig.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

// The settings a box held before something that may change them (a firmware update, a factory
// reset, settings written from a file), kept as ordinary ".cfg" settings files in the per-user
// data folder: one folder per box, named after its USB serial number, one file per backup,
// named after its time and reason. A backup is never overwritten; old ones stay until the user
// prunes them.
struct SettingsBackup
{
    Q_DECLARE_TR_FUNCTIONS(SettingsBackup)

public:
    enum Reason { FIRMWARE_UPDATE, FACTORY_RESET, IMPORT, APPLY, MANUAL, OTHER };

    QString file; // absolute path
    QString serial_number;
    QDateTime time; // local time, to the second
    Reason reason = OTHER;

    bool isValid() const { return !file.isEmpty(); }
    // "firmware-update", "factory-reset", "import", "apply", "manual": part of the file name,
    // never translated.
    static QString reasonKey(Reason reason);
    // As the user reads it: "Firmware update".
    static QString reasonText(Reason reason);

    // The folder that holds the backups of every box.
    static QString rootFolder();
    // The folder of one box; boxes without a serial number share one.
    static QString folderOf(const QString& serial_number);

    // Writes `config` as a new backup of the box; an invalid backup (and `*error`, for the
    // user) when the file cannot be written.
    static SettingsBackup write(const QString& serial_number, const VoroConfig& config,
                                Reason reason, QString* error = nullptr);
    // The box's backups, newest first; files that do not look like backups are left out.
    static QList<SettingsBackup> list(const QString& serial_number);
    // Deletes all but the newest `keep` backups of the box; how many went.
    static int prune(const QString& serial_number, int keep);
    // The backup's values over `current`, checked as any settings file is.
    SettingsFile::ReadResult read(const VoroConfig& current) const;
};

Q_DECLARE_METATYPE(SettingsBackup)
