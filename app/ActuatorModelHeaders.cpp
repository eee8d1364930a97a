// The actuator table's header texts.
#include "app/ActuatorModel.h"

QVariant ActuatorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return QVariant();
        return tr("Actuator %1").arg(section + 1);
    }
    switch (section) {
    case ROW_ACTIVE:
        return tr("Active");
    case ROW_LOCATION:
        return tr("Location");
    case ROW_TEMPERATURE:
        return tr("Temperature");
    case ROW_RESISTANCE:
        return tr("Resistance");
    case ROW_POT_SHIFT:
        return tr("Potentiometer Shift");
    case ROW_POT_RESISTANCE:
        return tr("Potentiometer Resistance");
    case ROW_POT_SETPOINT:
        return tr("Potentiometer Setpoint");
    case ROW_TRIAC:
        return tr("TRIAC");
    case ROW_ERRORS:
        return tr("Errors");
    case ROW_MEM_ERRORS:
        return tr("Mem Errors");
    case ROW_CONTROL_SOURCE:
        return tr("Control Source");
    case ROW_SENSOR_TYPE:
        return tr("Sensor Type");
    case ROW_SENSOR_OFFSET:
        return tr("Sensor Offset");
    case ROW_POT_MIN:
        return tr("Potentiometer Min Resistance");
    case ROW_POT_MAX:
        return tr("Potentiometer Max Resistance");
    case ROW_POT_SHIFT_MIN:
        return tr("Potentiometer Min Shift");
    case ROW_POT_SHIFT_MAX:
        return tr("Potentiometer Max Shift");
    // the key keeps its old spelling, which the catalogues may correct
    case ROW_HYSTERESIS_HEATING:
        return tr("Hysterresis Heating");
    case ROW_HYSTERESIS_COOLING:
        return tr("Hysteresis Cooling");
    case ROW_SETPOINT:
        return tr("Setpoint");
    case ROW_ACTUATOR_TYPE:
        return tr("Actuator Type");
    default:
        if (section > ROW_ACTUATOR_TYPE && section < ROW_COUNT)
            return QString(); // the button rows explain themselves
        return QVariant();
    }
}
