#include "device/AppSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString kFolderGroup = QStringLiteral("folder");
}

QString AppSettings::language()
{
    QSettings settings(ORGANISATION, APPLICATION);
    return settings.value(KEY_LANGUAGE, QStringLiteral("en")).toString();
}

QString AppSettings::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + ORGANISATION + QLatin1Char('/') + APPLICATION;
}

QString lastFolder(const QString& key)
{
    QSettings settings(AppSettings::ORGANISATION, AppSettings::APPLICATION);
    settings.beginGroup(kFolderGroup);
    const QString folder = settings.value(key).toString();
    settings.endGroup();
    return folder.isEmpty() ? QDir::homePath() : folder;
}

void setLastFolder(const QString& key, const QString& path)
{
    QSettings settings(AppSettings::ORGANISATION, AppSettings::APPLICATION);
    settings.beginGroup(kFolderGroup);
    const QFileInfo info(path);
    settings.setValue(key, info.isFile() ? info.path() : path);
    settings.endGroup();
}
