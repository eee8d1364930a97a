#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Records.h"
#include "device/SettingsFile.h"

#include <QJsonArray>

namespace {
QJsonArray changesJson(const QVector<ConfigField>& changes, const VoroConfig& from,
                       const VoroConfig& to)
{
    QJsonArray out;
    for (const ConfigField& f : changes)
        out << QJsonObject { { QStringLiteral("key"), f.key() },
                             { QStringLiteral("from"), f.fileText(from) },
                             { QStringLiteral("to"), f.fileText(to) } };
    return out;
}

QJsonArray keys(const QVector<ConfigField>& fields)
{
    QJsonArray out;
    for (const ConfigField& f : fields)
        out << f.key();
    return out;
}

QString count(int changes)
{
    return changes == 1 ? QStringLiteral("1 change") : QStringLiteral("%1 changes").arg(changes);
}
} // namespace

void SetSettingsCommand::start()
{
    // A file that is no settings file at all is refused before any box is touched.
    const SettingsFile::ReadResult read = SettingsFile::read(invocation.path, VoroConfig());
    if (read.problem == SettingsFile::ReadResult::UNREADABLE
        || read.problem == SettingsFile::ReadResult::NOT_SETTINGS) {
        console.message(VoroManager::settingsFileProblem(read, invocation.path));
        finish(BAD_INPUT);
        return;
    }
    findAndOpen(invocation.all ? BoxSession::ALL_BOXES : BoxSession::NAMED,
                VoroManager::WithoutUpdater, [this] { apply(); });
}

void SetSettingsCommand::apply()
{
    QList<VoroDevice::Id> ids;
    for (BoxSession::Target* t : readyTargets())
        ids << t->id;
    if (ids.isEmpty()) {
        finish();
        return;
    }
    run = std::make_unique<SettingsApply>(session.manager());
    // Nothing is written unless every box can take the file.
    if (!run->prepare(invocation.path, ids, invocation.with_location)) {
        for (const SettingsApply::Plan& p : run->plans()) {
            if (!p.problem.isEmpty())
                console.message(QStringLiteral("%1: %2").arg(p.box, p.problem));
        }
        console.message(QStringLiteral("Nothing has been written."));
        finish(BAD_INPUT);
        return;
    }
    if (invocation.dry_run) {
        for (const SettingsApply::Plan& p : run->plans()) {
            if (console.json) {
                QJsonObject o = Records::identity(p.box, p.serial_number);
                o.insert(QStringLiteral("result"),
                         p.changes.isEmpty() ? QStringLiteral("unchanged")
                                             : QStringLiteral("would-change"));
                o.insert(QStringLiteral("changes"), changesJson(p.changes, p.from, p.to));
                console.result(o);
                continue;
            }
            console.result(p.changes.isEmpty() ? QStringLiteral("%1: no change").arg(p.box)
                                               : QStringLiteral("%1: %2 would be written")
                                                     .arg(p.box, count(p.changes.size())));
            for (const ConfigField& f : p.changes)
                console.result(QStringLiteral("  %1: %2 -> %3")
                                   .arg(f.key(), f.fileText(p.from), f.fileText(p.to)));
        }
        finish();
        return;
    }
    connect(run.get(), &SettingsApply::boxFinished, this, &SetSettingsCommand::report);
    connect(run.get(), &SettingsApply::finished, this, [this] { finish(); });
    console.progress(QStringLiteral("Writing and saving..."));
    run->start();
}

void SetSettingsCommand::report(const SettingsApply::Result& r)
{
    if (console.json) {
        QJsonObject o = Records::identity(r.box, r.serial_number);
        static const char* const ends[] = { "unchanged", "saved", "failed" };
        o.insert(QStringLiteral("result"), QLatin1String(ends[r.end]));
        o.insert(QStringLiteral("changes"), keys(r.changes));
        if (r.end == SettingsApply::Result::FAILED) {
            failed(r.box, r.serial_number, r.reason,
                   { { QStringLiteral("changes"), keys(r.changes) },
                     { QStringLiteral("not_written"), keys(r.not_written) } });
            return;
        }
        console.result(o);
        return;
    }
    switch (r.end) {
    case SettingsApply::Result::UNCHANGED:
        console.result(QStringLiteral("%1: unchanged").arg(r.box));
        break;
    case SettingsApply::Result::SAVED:
        console.result(QStringLiteral("%1: saved (%2)").arg(r.box, count(r.changes.size())));
        break;
    case SettingsApply::Result::FAILED:
        failed(r.box, r.serial_number, QStringLiteral("not saved: %1").arg(r.reason));
        break;
    }
}

void SetSettingsCommand::interrupt()
{
    if (!run || !run->isRunning()) {
        Command::interrupt();
        return;
    }
    // What was sent is finished: each box is read again, and what it holds is reported.
    interrupted = true;
    console.message(QStringLiteral("Interrupted: waiting for the boxes to confirm what they were "
                                   "sent."));
}
