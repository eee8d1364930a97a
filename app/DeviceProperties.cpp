#include "app/DeviceProperties.h"

#include <QString>

DeviceProperties::DeviceProperties(VoroDevice* record, bool readOnly, QObject* parent)
    : PropertyObject(parent)
    , m_record(record)
    , m_readOnly(readOnly)
{ }

QString DeviceProperties::durationText(qint64 seconds)
{
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    // Magnitude as unsigned, so that even the most negative value has one.
    const quint64 s = seconds < 0 ? 0 - quint64(seconds) : quint64(seconds);
    const QLatin1Char zero('0');
    return sign
        + QStringLiteral("%1d %2:%3:%4")
              .arg(s / 86400)
              .arg(s % 86400 / 3600, 2, 10, zero)
              .arg(s % 3600 / 60, 2, 10, zero)
              .arg(s % 60, 2, 10, zero);
}
