#include "app/InfoProperties.h"

#include "records/VoroDevice.h"

namespace {
// Collected by the translation tools; the editor translates them by name.
[[maybe_unused]] constexpr const char* CATALOGUE[] = {
    QT_TRANSLATE_NOOP("QObject", "InfoProperties"),
    QT_TRANSLATE_NOOP("QObject", "FirmwareVersion"),
    QT_TRANSLATE_NOOP("QObject", "FirmwareVersion.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "Location"),
    QT_TRANSLATE_NOOP("QObject", "Location.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "Uptime"),
    QT_TRANSLATE_NOOP("QObject", "Uptime.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "ConfigWriteCount"),
    QT_TRANSLATE_NOOP("QObject", "ConfigWriteCount.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "FlashWriteCount"),
    QT_TRANSLATE_NOOP("QObject", "FlashWriteCount.ToolTip"),
};
} // namespace

InfoProperties::InfoProperties(VoroDevice* record, bool readOnly, QObject* parent)
    : DeviceProperties(record, readOnly, parent)
{
    setReadOnly("Location", readOnly);
    takeRules("Location", ConfigField::LOCATION);
    // What the box reports is shown as it is, even where it reads like a catalogue entry.
    setVerbatim("FirmwareVersion", true);
    setVerbatim("Location", true);
}

QString InfoProperties::firmwareVersion() const
{
    return m_record->firmware_version;
}

QString InfoProperties::location() const
{
    return m_record->config.location;
}

void InfoProperties::setLocation(const QString& location)
{
    m_record->config.location = location;
}

QString InfoProperties::uptime() const
{
    // The box counts its uptime unsigned.
    return durationText(quint32(m_record->status.uptime));
}

QString InfoProperties::configWriteCount() const
{
    return QString::number(m_record->status.config_write_count);
}

QString InfoProperties::flashWriteCount() const
{
    return QString::number(m_record->status.flash_write_count);
}
