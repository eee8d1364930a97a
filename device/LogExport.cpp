#include "device/LogExport.h"

#include "records/VoroDefinitions.h"

#include <QDebug>
#include <QDir>
#include <QSaveFile>
#include <QTemporaryFile>

LogExport::LogExport(const QString& chosen, const QString& location, const QDateTime& now)
    : folder(folderFor(chosen, location, now))
{ }

bool LogExport::prepare() const
{
    if (!QDir().mkpath(folder))
        return false;
    // Permissions alone do not tell: a read-only mount or a full disk refuses the file itself.
    QTemporaryFile probe(folder + QStringLiteral("/.voro-XXXXXX"));
    return probe.open() && probe.write("x", 1) == 1 && probe.flush();
}

bool LogExport::takeLog(const VoroDevice& data)
{
    const QString file = fileName(folder, index, data.config.actuator_locations.value(index));
    if (write(file, data.log)) {
        written << file;
    } else {
        qDebug("unable to write log file: %s", qPrintable(QDir::toNativeSeparators(file)));
        failed << file;
    }
    ++index;
    return index < VoroDefinitions::ACTUATOR_COUNT;
}

LogExportResult LogExport::result(LogExportResult::End end,
                                  const QStringList& actuator_locations) const
{
    LogExportResult r;
    r.end = end;
    r.folder = folder;
    r.written = written;
    r.not_written = failed;
    if (end == LogExportResult::FOLDER_NOT_WRITABLE)
        return r;
    for (int i = index; i < VoroDefinitions::ACTUATOR_COUNT; ++i)
        r.not_read << fileName(folder, i, actuator_locations.value(i));
    return r;
}

QString LogExport::folderFor(const QString& chosen, const QString& location, const QDateTime& now)
{
    const QChar separator = QDir::separator();
    return chosen + separator + makeFileName(location, QStringLiteral("voro-BOX"), QString())
        + separator + now.toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss"));
}

QString LogExport::fileName(const QString& folder, int index, const QString& actuator_location)
{
    // Not translated: exports made in any language sort and read alike.
    QString name = folder + QDir::separator() + QStringLiteral("actuator_%1").arg(index + 1);
    if (!actuator_location.isEmpty())
        name += QLatin1Char('_') + makeFileName(actuator_location, QString(), QString());
    return name + QStringLiteral(".csv");
}

bool LogExport::write(const QString& file_name, const LogData& log)
{
    QSaveFile file(file_name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = log.toCsv().toLocal8Bit();
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
