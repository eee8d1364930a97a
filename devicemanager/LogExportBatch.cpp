#include "devicemanager/LogExportBatch.h"

#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"

#include <QHash>

LogExportBatch::LogExportBatch(VoroManager* manager, QObject* parent)
    : QObject(parent)
    , manager(manager)
{
    connect(manager, &VoroManager::logExportProgress, this, &LogExportBatch::onProgress);
    connect(manager, &VoroManager::logExportComplete, this, &LogExportBatch::onComplete);
}

QList<VoroDevice::Id> LogExportBatch::start(const QList<VoroDevice::Id>& ids, const QString& folder)
{
    // The folder level each box would get; a name two boxes share gets their serial numbers.
    QHash<QString, int> uses;
    for (const VoroDevice::Id id : ids)
        ++uses[makeFileName(manager->device(id).config.location, QStringLiteral("voro-BOX"),
                            QString())];
    QList<VoroDevice::Id> refused;
    starting = true;
    for (const VoroDevice::Id id : ids) {
        const VoroDevice d = manager->device(id);
        const QString level
            = makeFileName(d.config.location, QStringLiteral("voro-BOX"), QString());
        const QString name = uses.value(level) > 1
            ? BoxName::location(d) + QLatin1Char(' ') + BoxName::shortId(d)
            : QString();
        // The box is running before its export can end (a folder refused ends it at once).
        running << id;
        if (!manager->exportLogs(id, folder, name)) {
            running.removeOne(id);
            refused << id;
        }
    }
    starting = false;
    if (running.isEmpty())
        emit finished();
    return refused;
}

void LogExportBatch::cancel()
{
    for (const VoroDevice::Id id : qAsConst(running))
        manager->cancelLogExport(id);
}

void LogExportBatch::onProgress(VoroDevice::Id id, int done)
{
    if (running.contains(id))
        emit progress(id, done);
}

void LogExportBatch::onComplete(VoroDevice::Id id, const LogExportResult& result)
{
    if (!running.removeOne(id))
        return;
    emit boxFinished(id, result);
    if (running.isEmpty() && !starting)
        emit finished();
}
