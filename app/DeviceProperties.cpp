#include "app/DeviceProperties.h"

#include "records/SettingLimits.h"

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

void DeviceProperties::takeRules(const char* property, ConfigField::Name field)
{
    m_typed.insert(QString::fromLatin1(property), field);
    setToolTip(property,
               SettingProblem { ConfigField(field), SettingRules::allowed(field) }.toolTip());
    if (const std::optional<SettingRange> r = SettingRules::range(field)) {
        setMinimum(property, int(r->low / r->scale));
        setMaximum(property, int(r->high / r->scale));
    } else if (field == ConfigField::LOCATION) {
        setMaxLength(property, SettingLimits::LOCATION_LENGTH);
    }
}

std::optional<SettingProblem> DeviceProperties::typedRule(const QString& property) const
{
    const auto it = m_typed.constFind(property);
    if (it == m_typed.constEnd())
        return std::nullopt;
    return SettingProblem { ConfigField(it.value()), SettingRules::allowed(it.value()) };
}
