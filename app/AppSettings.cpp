#include "app/AppSettings.h"

#include <QSettings>

QString AppSettings::language()
{
    QSettings settings(ORGANISATION, APPLICATION);
    return settings.value(KEY_LANGUAGE, QStringLiteral("en")).toString();
}
