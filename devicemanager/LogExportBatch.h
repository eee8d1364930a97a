#pragma once

#include "device/LogExport.h"
#include "records/VoroDevice.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class VoroManager;

// The logs of many boxes exported at once into one chosen folder, each box into the folders a
// single export makes (<location>/<time>/actuator_<n>…csv); boxes that share a location are
// told apart by their serial number in that folder level, so that none overwrites another's
// files. Cancellable; each box ends with its LogExportResult.
class LogExportBatch : public QObject
{
    Q_OBJECT

public:
    explicit LogExportBatch(VoroManager* manager, QObject* parent = nullptr);

    // Starts the export of every box that is ready and not exporting already; the ids of those
    // that could not be started. boxFinished comes for each started box, finished after the
    // last (at once when none was started).
    QList<VoroDevice::Id> start(const QList<VoroDevice::Id>& ids, const QString& folder);
    // Each export stops after the chunk it is reading; the logs written so far stay.
    void cancel();
    bool isRunning() const { return !running.isEmpty(); }

signals:
    // `done` of the box's eight logs are written.
    void progress(VoroDevice::Id id, int done);
    void boxFinished(VoroDevice::Id id, const LogExportResult& result);
    void finished();

private:
    void onProgress(VoroDevice::Id id, int done);
    void onComplete(VoroDevice::Id id, const LogExportResult& result);

    VoroManager* manager;
    QList<VoroDevice::Id> running;
    bool starting = false; // a box may end while the others are being started
};
