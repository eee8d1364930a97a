#include "app/LogProperties.h"

#include "records/VoroDevice.h"

#include <limits>

namespace {
// Collected by the translation tools; the editor translates them by name.
[[maybe_unused]] constexpr const char* CATALOGUE[] = {
    QT_TRANSLATE_NOOP("QObject", "LogProperties"),    QT_TRANSLATE_NOOP("QObject", "Interval"),
    QT_TRANSLATE_NOOP("QObject", "Interval.ToolTip"), QT_TRANSLATE_NOOP("QObject", "Duration"),
    QT_TRANSLATE_NOOP("QObject", "Duration.ToolTip"),
};
} // namespace

LogProperties::LogProperties(VoroDevice* record, bool readOnly, QObject* parent)
    : DeviceProperties(record, readOnly, parent)
{
    setReadOnly("Interval", readOnly);
    setImmediateUpdatesDisabled("Interval", true);
    takeRules("Interval", ConfigField::LOG_INTERVAL);
}

int LogProperties::interval() const
{
    return m_record->config.log_interval / 60;
}

void LogProperties::setInterval(int minutes)
{
    // The editor stays within 1..60; anything else written here saturates instead of wrapping.
    m_record->config.log_interval = int(qBound<qint64>(
        std::numeric_limits<int>::min(), qint64(minutes) * 60, std::numeric_limits<int>::max()));
}

QString LogProperties::duration() const
{
    // 64 bits: a box may report any interval, and 1200 of the largest still fit.
    return durationText(qint64(m_record->config.log_interval) * LOG_CAPACITY);
}
