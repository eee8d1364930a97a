#pragma once

#include "logdata/LogData.h"
#include "records/VoroDevice.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// One log export of one box: the eight actuator logs are read one after another, and each is
// written to its own CSV file as it arrives, into one folder per box and export below the
// folder the user chose.
class LogExport
{
public:
    // Makes the export's folder below `chosen`; a folder that cannot be made shows later as
    // files that cannot be written.
    LogExport(const QString& chosen, const QString& location, const QDateTime& now);

    // The actuator whose log the export waits for.
    int awaitedIndex() const { return index; }
    // Writes the awaited log from the record it came with; false once all eight are done.
    bool takeLog(const VoroDevice& data);
    // The files that could not be written so far.
    QStringList failedFiles() const { return failed; }
    // For an export that cannot go on: the files that could not be written and those that
    // were never reached, named after the box's actuator locations.
    QStringList unwrittenFiles(const QStringList& actuator_locations) const;

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
    QStringList failed;
};
