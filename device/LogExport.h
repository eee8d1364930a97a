#pragma once

#include "logdata/LogData.h"
#include "records/VoroDevice.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringList>

// How a log export ended, for whoever shows it.
struct LogExportResult
{
    enum End {
        COMPLETE, // every log was read; `not_written` names the files that could not be written
        FOLDER_NOT_WRITABLE, // the folder could not be made or written to: nothing was read
        BOX_STOPPED, // the box stopped answering; `not_read` names the logs never read
        CANCELLED, // the user stopped it; `not_read` names the logs left out
    };

    End end = COMPLETE;
    QString box; // the box as it was named when the export began
    QString folder;
    QStringList written;
    QStringList not_written;
    QStringList not_read;
};

Q_DECLARE_METATYPE(LogExportResult)

// One log export of one box: the eight actuator logs are read one after another, and each is
// written to its own CSV file as it arrives, into one folder per box and export below the
// folder the user chose.
class LogExport
{
public:
    LogExport(const QString& chosen, const QString& location, const QDateTime& now);

    // Makes the export's folder and tries a file in it, before any log is read; false when
    // nothing can be written there.
    bool prepare() const;
    QString folderPath() const { return folder; }

    // The actuator whose log the export waits for.
    int awaitedIndex() const { return index; }
    // Writes the awaited log from the record it came with; false once all eight are done.
    bool takeLog(const VoroDevice& data);
    // The export's end: what was written, what not, and the logs not read (named after the
    // box's actuator locations).
    LogExportResult result(LogExportResult::End end, const QStringList& actuator_locations) const;

    // <chosen>/<the box's location as a file name, "voro-BOX" without one>/<yyyy_MM_dd_hh_mm_ss>
    static QString folderFor(const QString& chosen, const QString& location, const QDateTime& now);
    // <folder>/actuator_<index + 1>[_<the actuator's location as a file name>].csv
    static QString fileName(const QString& folder, int index, const QString& actuator_location);
    // The log's CSV text in the local 8-bit encoding, replacing the file. False when the file
    // could not be written; an existing file is then left as it was.
    static bool write(const QString& file_name, const LogData& log);

private:
    QString folder;
    int index = 0;
    QStringList written;
    QStringList failed;
};
