#include "device/LogExport.h"

#include "device/VoroDefinitions.h"

#include <QDir>
#include <QObject>
#include <QSaveFile>

namespace LogExport {

QString folder(const QString& chosen, const QString& location, const QDateTime& now)
{
    const QChar separator = QDir::separator();
    return chosen + separator + makeFileName(location, QStringLiteral("voro-BOX"), QString())
        + separator + now.toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss"));
}

QString fileName(const QString& folder, int index, const QString& actuator_location)
{
    QString name = folder + QDir::separator() + QObject::tr("actuator_%1").arg(index + 1);
    if (!actuator_location.isEmpty())
        name += QLatin1Char('_') + makeFileName(actuator_location, QString(), QString());
    return name + QStringLiteral(".csv");
}

bool write(const QString& file_name, const LogData& log)
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

} // namespace LogExport
