#include "app/RS485Properties.h"

#include "records/VoroDevice.h"

namespace {
// Collected by the translation tools; the editor translates them by name.
[[maybe_unused]] constexpr const char* CATALOGUE[] = {
    QT_TRANSLATE_NOOP("QObject", "RS485Properties"),
    QT_TRANSLATE_NOOP("QObject", "Address"),
    QT_TRANSLATE_NOOP("QObject", "Address.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "Baudrate"),
    QT_TRANSLATE_NOOP("QObject", "Baudrate.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "Parity"),
    QT_TRANSLATE_NOOP("QObject", "Parity.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "StopBits"),
    QT_TRANSLATE_NOOP("QObject", "StopBits.ToolTip"),
    QT_TRANSLATE_NOOP("QObject", "ResponseDelay"),
    QT_TRANSLATE_NOOP("QObject", "ResponseDelay.ToolTip"),
};
} // namespace

RS485Properties::RS485Properties(VoroDevice* record, bool readOnly, QObject* parent)
    : DeviceProperties(record, readOnly, parent)
{
    setReadOnly("ResponseDelay", readOnly);
    setImmediateUpdatesDisabled("ResponseDelay", true);
    takeRules("ResponseDelay", ConfigField::MODBUS_RESPONSE_DELAY);
}

QString RS485Properties::address() const
{
    return QString::number(m_record->status.modbus_address);
}

QString RS485Properties::baudrate() const
{
    return QString::number(m_record->status.baudrate);
}

QString RS485Properties::parity() const
{
    switch (m_record->status.parity) {
    case 'n':
        return QObject::tr("None");
    case 'e':
        return QObject::tr("Even");
    case 'o':
        return QObject::tr("Odd");
    default:
        return QStringLiteral("-");
    }
}

QString RS485Properties::stopBits() const
{
    return QString::number(m_record->status.stop_bits);
}

int RS485Properties::responseDelay() const
{
    return m_record->config.common.modbus_response_delay;
}

void RS485Properties::setResponseDelay(int milliseconds)
{
    m_record->config.common.modbus_response_delay = milliseconds;
}
