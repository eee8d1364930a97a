#pragma once

#include "logplot/LogData.h"

#include <QDateTime>
#include <QString>

// Where a log export puts its files and how it writes them: one folder per box and export
// under the folder the user chose, one CSV file per actuator.
namespace LogExport {

// <chosen>/<the box's location as a file name, "voro-BOX" without one>/<yyyy_MM_dd_hh_mm_ss>
QString folder(const QString& chosen, const QString& location, const QDateTime& now);
// <folder>/actuator_<index + 1>[_<the actuator's location as a file name>].csv
QString fileName(const QString& folder, int index, const QString& actuator_location);
// The log's CSV text in the local 8-bit encoding, replacing the file. False when the file could
// not be written; an existing file is then left as it was.
bool write(const QString& file_name, const LogData& log);

} // namespace LogExport
