#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Records.h"
#include "records/BoxName.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace {
QJsonArray files(const QStringList& paths)
{
    QJsonArray out;
    for (const QString& p : paths)
        out << QDir::toNativeSeparators(p);
    return out;
}

QString fileNames(const QStringList& paths)
{
    QStringList names;
    for (const QString& p : paths)
        names << QFileInfo(p).fileName();
    return names.join(QStringLiteral(", "));
}
} // namespace

void ExportLogsCommand::start()
{
    // The folder is the user's to name: one that cannot be made is said before any box is read.
    if (!QDir().mkpath(invocation.path)) {
        console.message(QStringLiteral("The folder '%1' cannot be made.")
                            .arg(QDir::toNativeSeparators(invocation.path)));
        finish(BAD_INPUT);
        return;
    }
    findAndOpen(invocation.all ? BoxSession::ALL_BOXES : BoxSession::NAMED,
                VoroManager::WithoutUpdater, [this] { exportAll(); });
}

void ExportLogsCommand::exportAll()
{
    QList<VoroDevice::Id> ids;
    for (BoxSession::Target* t : readyTargets()) {
        ids << t->id;
        names.insert(t->id, BoxName::qualified(session.manager()->device(t->id)));
    }
    batch = std::make_unique<LogExportBatch>(session.manager());
    connect(batch.get(), &LogExportBatch::progress, this, [this](VoroDevice::Id id, int logs) {
        done.insert(id, logs);
        QStringList parts;
        for (auto it = done.cbegin(); it != done.cend(); ++it)
            parts << QStringLiteral("%1 %2/%3")
                         .arg(names.value(it.key()))
                         .arg(it.value())
                         .arg(VoroDefinitions::ACTUATOR_COUNT);
        console.progress(QStringLiteral("Exporting logs: ") + parts.join(QStringLiteral(", ")));
    });
    connect(batch.get(), &LogExportBatch::boxFinished, this, &ExportLogsCommand::report);
    connect(batch.get(), &LogExportBatch::finished, this, [this] { finish(); });
    const QString folder = QDir(invocation.path).absolutePath();
    for (const VoroDevice::Id id : batch->start(ids, folder)) {
        const VoroDevice d = session.manager()->device(id);
        failed(BoxName::qualified(d), d.serial_number, QStringLiteral("is not ready to export."));
    }
}

void ExportLogsCommand::report(VoroDevice::Id id, const LogExportResult& r)
{
    done.remove(id);
    const VoroDevice d = session.manager()->device(id);
    const QString serial = d.id == -1 ? QString() : d.serial_number;
    const QString folder = QDir::toNativeSeparators(r.folder);
    const QJsonObject extra { { QStringLiteral("folder"), folder },
                              { QStringLiteral("written"), files(r.written) },
                              { QStringLiteral("not_written"), files(r.not_written) },
                              { QStringLiteral("not_read"), files(r.not_read) } };
    switch (r.end) {
    case LogExportResult::COMPLETE:
        if (r.not_written.isEmpty()) {
            if (console.json) {
                QJsonObject o = Records::identity(r.box, serial);
                o.insert(QStringLiteral("result"), QStringLiteral("exported"));
                for (auto it = extra.begin(); it != extra.end(); ++it)
                    o.insert(it.key(), it.value());
                console.result(o);
            } else {
                console.result(QStringLiteral("%1: %2 logs exported to %3")
                                   .arg(r.box)
                                   .arg(r.written.size())
                                   .arg(folder));
            }
            return;
        }
        failed(r.box, serial,
               QStringLiteral("these files could not be written in %1: %2")
                   .arg(folder, fileNames(r.not_written)),
               extra);
        return;
    case LogExportResult::FOLDER_NOT_WRITABLE:
        failed(r.box, serial, QStringLiteral("the folder %1 cannot be written to").arg(folder),
               extra);
        return;
    case LogExportResult::BOX_STOPPED:
        failed(r.box, serial,
               QStringLiteral("stopped answering; not read: %1").arg(fileNames(r.not_read)), extra);
        return;
    case LogExportResult::CANCELLED:
        undone = true;
        failed(r.box, serial,
               QStringLiteral("cancelled after %1 logs, written to %2")
                   .arg(r.written.size())
                   .arg(folder),
               extra);
        return;
    }
}

void ExportLogsCommand::interrupt()
{
    if (!batch || !batch->isRunning()) {
        Command::interrupt();
        return;
    }
    interrupted = true;
    console.message(QStringLiteral("Interrupted: stopping after the chunks being read."));
    batch->cancel();
}
