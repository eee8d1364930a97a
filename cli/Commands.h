#pragma once

#include "cli/Command.h"
#include "devicemanager/FirmwareUpdateRun.h"
#include "devicemanager/LogExportBatch.h"
#include "devicemanager/SettingsApply.h"
#include "devicemanager/WriteOutcome.h"
#include "firmware/UpdateImage.h"

#include <QHash>
#include <QTimer>

#include <memory>

// `list`: what is attached, at once (no box is read beyond its identity).
class ListCommand : public Command
{
    Q_OBJECT
public:
    using Command::Command;
    void start() override;
};

// `show BOX`: identity, settings and live values.
class ShowCommand : public Command
{
    Q_OBJECT
public:
    using Command::Command;
    void start() override;
};

// `get-settings BOX FILE.cfg`: the box's settings into a settings file.
class GetSettingsCommand : public Command
{
    Q_OBJECT
public:
    using Command::Command;
    void start() override;
};

// `backup (BOX...|--all)`: a backup of each box's settings, as before every risky step.
class BackupCommand : public Command
{
    Q_OBJECT

public:
    using Command::Command;
    void start() override;
};

// `backups BOX`: the box's backups, newest first.
class BackupsCommand : public Command
{
    Q_OBJECT

public:
    using Command::Command;
    void start() override;
};

// `set-settings (BOX...|--all) FILE.cfg`: a settings file checked against every box first,
// then written to all of them at once (or, with --dry-run, what would change).
class SetSettingsCommand : public Command
{
    Q_OBJECT
public:
    using Command::Command;
    void start() override;
    void interrupt() override;

private:
    void apply();
    void report(const SettingsApply::Result& r);

    std::unique_ptr<SettingsApply> run;
};

// `export-logs (BOX...|--all) DIR`: every actuator log of every box as CSV files.
class ExportLogsCommand : public Command
{
    Q_OBJECT
public:
    using Command::Command;
    void start() override;
    void interrupt() override;

private:
    void exportAll();
    void report(VoroDevice::Id id, const LogExportResult& r);

    std::unique_ptr<LogExportBatch> batch;
    QHash<VoroDevice::Id, int> done;
    QHash<VoroDevice::Id, QString> names;
};

// `update (BOX...|--all)`: the firmware of outdated (or the named) boxes, all at once.
class UpdateCommand : public Command
{
    Q_OBJECT
public:
    using Command::Command;
    void start() override;
    void interrupt() override;

private:
    void choose();
    void update();

    UpdateImage image;
    QList<SurveyedBox> chosen;
    std::unique_ptr<FirmwareUpdateRun> run;
    QHash<QString, int> progress;
};

// `factory-reset BOX --yes`, `clear-errors BOX [ACTUATOR]`, `test BOX ACTUATOR SECONDS`:
// writes to one box whose outcome the box confirms.
class WriteCommand : public Command
{
    Q_OBJECT
public:
    using Command::Command;
    void start() override;
    void interrupt() override;

private:
    void write();
    void repeatTest();
    void endTest();
    void onWriteFinished(const WriteOutcome& outcome);

    BoxSession::Target* target = nullptr;
    int expected = 0; // outcomes still to come
    QTimer repeat;
    int seconds_left = 0;
    bool test_ended = false;
};

// `watch (BOX...|--all)`: live values every interval until interrupted.
class WatchCommand : public Command
{
    Q_OBJECT
public:
    using Command::Command;
    void start() override;
    void interrupt() override;

private:
    void watch();
    void print();

    QTimer tick;
};

// Runs one call of the command line to its end, in an event loop of its own; the exit status.
int runCommandLine(const QStringList& arguments, Console& console);
