#include "device/LogExport.h"

#include "records/VoroDefinitions.h"

#include <QDebug>
#include <QDir>
#include <QSaveFile>

LogExport::LogExport(const QString& chosen, const QString& location, const QDateTime& now)
    : folder(folderFor(chosen, location, now))
{
    QDir().mkpath(folder);
}

bool LogExport::takeLog(const VoroDevice& data)
{
    const QString file = fileName(folder, index, data.config.actuator_locations.value(index));
    if (!write(file, data.log)) {
        qDebug("unable to write log file: %s", qPrintable(QDir::toNativeSeparators(file)));
        failed << file;
    }
    ++index;
    return index < VoroDefinitions::ACTUATOR_COUNT;
}

QStringList LogExport::unwrittenFiles(const QStringList& actuator_locations) const
{
    QStringList files = failed;
    for (int i = index; i < VoroDefinitions::ACTUATOR_COUNT; ++i)
        files << fileName(folder, i, actuator_locations.value(i));
    return files;
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
