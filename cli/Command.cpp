#include "cli/Command.h"

#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/Records.h"

Command::Command(const Invocation& invocation, Console& console)
    : invocation(invocation)
    , console(console)
    , session(invocation, console)
{ }

std::unique_ptr<Command> Command::make(const Invocation& invocation, Console& console)
{
    const QString& c = invocation.command;
    if (c == QLatin1String("list"))
        return std::make_unique<ListCommand>(invocation, console);
    if (c == QLatin1String("show"))
        return std::make_unique<ShowCommand>(invocation, console);
    if (c == QLatin1String("get-settings"))
        return std::make_unique<GetSettingsCommand>(invocation, console);
    if (c == QLatin1String("backup"))
        return std::make_unique<BackupCommand>(invocation, console);
    if (c == QLatin1String("backups"))
        return std::make_unique<BackupsCommand>(invocation, console);
    if (c == QLatin1String("set-settings"))
        return std::make_unique<SetSettingsCommand>(invocation, console);
    if (c == QLatin1String("export-logs"))
        return std::make_unique<ExportLogsCommand>(invocation, console);
    if (c == QLatin1String("update"))
        return std::make_unique<UpdateCommand>(invocation, console);
    if (c == QLatin1String("factory-reset") || c == QLatin1String("clear-errors")
        || c == QLatin1String("test"))
        return std::make_unique<WriteCommand>(invocation, console);
    if (c == QLatin1String("watch"))
        return std::make_unique<WatchCommand>(invocation, console);
    return nullptr;
}

void Command::interrupt()
{
    console.message(QStringLiteral("Interrupted."));
    interrupted = true;
    session.stop();
    finish(INTERRUPTED);
}

void Command::failed(const QString& name, const QString& serial_number, const QString& reason,
                     QJsonObject extra)
{
    ++failures;
    if (!console.json) {
        console.result(QStringLiteral("%1: %2").arg(name, reason));
        return;
    }
    QJsonObject o = Records::identity(name, serial_number);
    o.insert(QStringLiteral("result"), QStringLiteral("failed"));
    o.insert(QStringLiteral("reason"), reason);
    for (auto it = extra.begin(); it != extra.end(); ++it)
        o.insert(it.key(), it.value());
    console.result(o);
}

void Command::finish()
{
    if (interrupted && undone)
        finish(INTERRUPTED);
    else
        finish(failures ? BOX_FAILED : DONE);
}

void Command::finish(int exit_status)
{
    if (ended)
        return;
    ended = true;
    session.stop();
    emit finished(exit_status);
}

void Command::findAndOpen(BoxSession::Pick pick, VoroManager::FirmwareUpdates updates,
                          const std::function<void()>& then)
{
    connect(&session, &BoxSession::found, this, [this, updates](int code) {
        if (code != DONE) {
            finish(code);
            return;
        }
        session.open(updates);
    });
    connect(&session, &BoxSession::opened, this, then);
    session.find(pick);
}

QList<BoxSession::Target*> Command::readyTargets(bool watched_too)
{
    QList<BoxSession::Target*> ready;
    for (BoxSession::Target& t : session.targets()) {
        if (!t.problem.isEmpty()) {
            failed(t.found.name(), t.found.serial_number, t.problem);
            continue;
        }
        const VoroDevice d = session.manager()->device(t.id);
        if (d.state != VoroDefinitions::DS__READY && !watched_too) {
            failed(t.found.name(), t.found.serial_number,
                   QStringLiteral("runs firmware %1 (protocol %2), which this program cannot "
                                  "work with.%3")
                       .arg(d.firmware_version)
                       .arg(d.protocol_version)
                       .arg(t.found.state == SurveyedBox::OUTDATED
                                ? QStringLiteral(" voro-box update brings it up to date.")
                                : QString()));
            continue;
        }
        ready << &t;
    }
    return ready;
}
