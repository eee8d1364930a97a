#include "app/ControlProperties.h"

#include "records/VoroDevice.h"

namespace {
// Collected by the translation tools; the editor translates them by name.
[[maybe_unused]] constexpr const char* CATALOGUE[] = {
    QT_TRANSLATE_NOOP("QObject", "ControlProperties"),
    QT_TRANSLATE_NOOP("QObject", "Mode"),
    QT_TRANSLATE_NOOP("QObject", "Mode.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "Type"),
    QT_TRANSLATE_NOOP("QObject", "Type.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "CurrentType"),
    QT_TRANSLATE_NOOP("QObject", "CurrentType.ToolTip"),
};
} // namespace

ControlProperties::ControlProperties(VoroDevice* record, bool readOnly, QObject* parent)
    : DeviceProperties(record, readOnly, parent)
{
    setReadOnly("Mode", readOnly);
    setReadOnly("Type", readOnly);
}

VoroDefinitions::ControlMode ControlProperties::mode() const
{
    return VoroDefinitions::ControlMode(m_record->config.common.control_mode);
}

void ControlProperties::setMode(VoroDefinitions::ControlMode mode)
{
    m_record->config.common.control_mode = mode;
}

VoroDefinitions::ControlType ControlProperties::type() const
{
    return VoroDefinitions::ControlType(m_record->config.common.control_type);
}

void ControlProperties::setType(VoroDefinitions::ControlType type)
{
    m_record->config.common.control_type = type;
}

QString ControlProperties::currentType() const
{
    return m_record->status.cooling ? QObject::tr("Cooling") : QObject::tr("Heating");
}
