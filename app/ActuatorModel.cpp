#include "app/ActuatorModel.h"

#include "app/ActuatorEdit.h"
#include "app/ComboBoxDelegate.h"
#include "records/SettingRules.h"

#include <QColor>
#include <QDebug>
#include <QFont>

namespace {

bool s_settingsCopied = false;

// A stored tenth as the table shows it: one decimal, '.' as separator, in the unit's format
// ("%1 °C").
QString tenths(int value, const QString& format)
{
    return format.arg(value / 10.0, 0, 'f', 1);
}

QString degrees(int tenth)
{
    return tenths(tenth, ActuatorModel::tr("%1 °C"));
}

QString kelvins(int tenth)
{
    return tenths(tenth, ActuatorModel::tr("%1 K"));
}

QString resistance(int tenth_ohms)
{
    if (tenth_ohms > ActuatorData::MAX_VALID_RESISTANCE)
        return QStringLiteral("-");
    return tenths(tenth_ohms, ActuatorModel::tr("%1 Ohm"));
}

QString ohms(quint32 value)
{
    return ActuatorModel::tr("%1 Ohm").arg(value);
}

QString decimal(int tenth)
{
    return QString::number(tenth / 10.0, 'f', 1);
}

} // namespace

ActuatorModel::ActuatorModel(QObject* parent)
    : QAbstractTableModel(parent)
{ }

int ActuatorModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_actuatorData.isEmpty() ? 0 : ROW_COUNT;
}

int ActuatorModel::columnCount(const QModelIndex&) const
{
    // the records, not the data vector: the two differ only while columns are being inserted
    return m_columns.size();
}

const ActuatorColumn* ActuatorModel::column(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.row() >= ROW_COUNT)
        return nullptr;
    auto it = m_columns.constFind(index.column());
    return it == m_columns.constEnd() ? nullptr : &it.value();
}

QString ActuatorModel::errorText(quint8 errors)
{
    static const char* const names[] = { QT_TRANSLATE_NOOP("QObject", "E__SENSOR_NC"),
                                         QT_TRANSLATE_NOOP("QObject", "E__SENSOR_OUT_OF_RANGE"),
                                         QT_TRANSLATE_NOOP("QObject", "E__POT_NC"),
                                         QT_TRANSLATE_NOOP("QObject", "E__POT_OUT_OF_RANGE") };
    QStringList texts;
    for (int bit = 0; bit < 4; ++bit) {
        if (errors & (1 << bit))
            texts << QObject::tr(names[bit]);
    }
    return texts.join(QStringLiteral(", "));
}

QVariant ActuatorModel::displayData(const ActuatorColumn& c, int row) const
{
    const ActuatorData& d = c.data;
    const ActuatorSettings& s = c.settings;
    switch (row) {
    case ROW_LOCATION:
        return c.location;
    case ROW_TEMPERATURE:
        return degrees(d.temperature);
    case ROW_RESISTANCE:
        return resistance(d.sensor_resistance);
    case ROW_POT_SHIFT:
        return kelvins(d.pot_shift);
    case ROW_POT_RESISTANCE:
        return resistance(d.pot_resistance);
    case ROW_POT_SETPOINT:
        return degrees(d.pot_setpoint);
    case ROW_TRIAC:
        return d.triac ? QObject::tr("On") : QObject::tr("Off");
    case ROW_ERRORS:
        return errorText(d.errors);
    case ROW_MEM_ERRORS:
        return errorText(d.mem_errors);
    case ROW_SENSOR_TYPE:
        return s.sensor_type;
    case ROW_SENSOR_OFFSET:
        return kelvins(s.sensor_offset);
    case ROW_POT_MIN:
        return ohms(s.pot_min);
    case ROW_POT_MAX:
        return ohms(s.pot_max);
    case ROW_POT_SHIFT_MIN:
        return kelvins(s.pot_shift_min);
    case ROW_POT_SHIFT_MAX:
        return kelvins(s.pot_shift_max);
    case ROW_HYSTERESIS_HEATING:
        return kelvins(s.hysteresis_heating);
    case ROW_HYSTERESIS_COOLING:
        return kelvins(s.hysteresis_cooling);
    case ROW_SETPOINT:
        return degrees(s.setpoint);
    case ROW_ACTUATOR_TYPE:
        return s.actuator_type;
    default: // the check box, the combo box and the buttons draw themselves
        return QVariant();
    }
}

// The plain number without unit, as the default line edit and the combo boxes read it.
QVariant ActuatorModel::editData(const ActuatorColumn& c, int row) const
{
    const ActuatorSettings& s = c.settings;
    switch (row) {
    case ROW_LOCATION:
        return c.location;
    case ROW_CONTROL_SOURCE:
        return QString::number(s.control_source);
    case ROW_SENSOR_TYPE:
        return s.sensor_type;
    case ROW_SENSOR_OFFSET:
        return decimal(s.sensor_offset);
    case ROW_POT_MIN:
        return QString::number(s.pot_min);
    case ROW_POT_MAX:
        return QString::number(s.pot_max);
    case ROW_POT_SHIFT_MIN:
        return decimal(s.pot_shift_min);
    case ROW_POT_SHIFT_MAX:
        return decimal(s.pot_shift_max);
    case ROW_HYSTERESIS_HEATING:
        return decimal(s.hysteresis_heating);
    case ROW_HYSTERESIS_COOLING:
        return decimal(s.hysteresis_cooling);
    case ROW_SETPOINT:
        return decimal(s.setpoint);
    case ROW_ACTUATOR_TYPE:
        return s.actuator_type;
    default:
        return QVariant();
    }
}

// An inactive actuator is greyed throughout; one that follows another actuator everywhere but
// in the rows that still mean something for it.
QVariant ActuatorModel::foreground(const ActuatorColumn& c, int row) const
{
    const bool uses_sensors = c.settings.control_source == VoroDefinitions::CS__SENSORS;
    if (row == ROW_ERRORS || row == ROW_MEM_ERRORS)
        return QColor(c.settings.active && uses_sensors ? Qt::white : Qt::lightGray);
    if (c.settings.active && (row == ROW_TRIAC || row == ROW_CONTROL_SOURCE || uses_sensors))
        return QVariant();
    return QColor(Qt::lightGray);
}

QVariant ActuatorModel::background(const ActuatorColumn& c, int row) const
{
    const bool shows_errors
        = c.settings.active && c.settings.control_source == VoroDefinitions::CS__SENSORS;
    if (row == ROW_ERRORS && shows_errors && c.data.errors != 0)
        return QColor(192, 0, 0);
    if (row == ROW_MEM_ERRORS && shows_errors && c.data.mem_errors != 0)
        return QColor(221, 100, 19);
    return QVariant();
}

QVariant ActuatorModel::data(const QModelIndex& index, int role) const
{
    const ActuatorColumn* c = column(index);
    if (!c)
        return QVariant();
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return displayData(*c, row);
    case Qt::EditRole:
        return editData(*c, row);
    case Qt::CheckStateRole:
        if (row == ROW_ACTIVE)
            return c->settings.active ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    case Qt::ToolTipRole:
        if (row == ROW_ERRORS || row == ROW_MEM_ERRORS)
            return displayData(*c, row);
        return QVariant();
    case Qt::FontRole: {
        QFont font;
        font.setWeight(QFont::Normal);
        return font;
    }
    case Qt::TextAlignmentRole:
    case CheckAlignmentRole:
        return int(Qt::AlignCenter);
    case ComboBoxDelegate::ExcludedValueRole:
        // an actuator cannot follow itself
        if (row == ROW_CONTROL_SOURCE)
            return index.column() + 1;
        return QVariant();
    case Qt::BackgroundRole:
        return background(*c, row);
    case Qt::ForegroundRole:
        return foreground(*c, row);
    default:
        return QVariant();
    }
}

bool ActuatorModel::cellEnabled(const ActuatorColumn& c, int row) const
{
    const bool can_edit = c.capabilities & CAN_EDIT;
    switch (row) {
    case ROW_PASTE_SETTINGS:
        return can_edit && s_settingsCopied;
    case ROW_CLEAR_ERRORS:
        return (c.capabilities & CAN_CLEAR_ERRORS) && c.clearErrorsEnabled();
    case ROW_TEST:
        return c.capabilities & CAN_TEST;
    default:
        return can_edit;
    }
}

Qt::ItemFlags ActuatorModel::flags(const QModelIndex& index) const
{
    const ActuatorColumn* c = column(index);
    if (!c)
        return Qt::NoItemFlags;
    const int row = index.row();
    Qt::ItemFlags result;
    if (row == ROW_ACTIVE)
        result = Qt::ItemIsUserCheckable;
    else if (row == ROW_LOCATION || (row >= ROW_CONTROL_SOURCE && row <= ROW_ACTUATOR_TYPE)
             || row == ROW_COPY_SETTINGS || row == ROW_PASTE_SETTINGS || row >= ROW_CLEAR_ERRORS)
        result = Qt::ItemIsEditable;
    else if (row >= ROW_TEMPERATURE && row <= ROW_MEM_ERRORS)
        return Qt::ItemIsEnabled; // live values: always readable
    else
        return Qt::NoItemFlags; // the two spacer rows
    if (cellEnabled(*c, row))
        result |= Qt::ItemIsEnabled;
    return result;
}

bool ActuatorModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const ActuatorColumn* c = column(index);
    if (!c)
        return false;
    const int i = index.column();
    ActuatorSettings settings = c->settings;
    QString location = c->location;
    bool limited = false;
    if (!applyActuatorEdit(i, index.row(), role, value, settings, location, &limited))
        return false;
    // A value can be fine on its own and still not fit the others: an actuator that another
    // one follows cannot follow that one.
    QVector<ActuatorSettings> all = m_actuatorSettings;
    all[i] = settings;
    if (const std::optional<SettingProblem> problem
        = SettingRules::checkActuators(all, m_actuatorSettings)) {
        emit editRefused(problem->text());
        return false;
    }

    m_actuatorSettings[i] = settings;
    m_actuatorLocations[i] = location;
    m_columns[i].update(m_actuatorData.at(i), settings, location);
    emit configChanged(i, settings, location);
    if (limited) {
        const SettingProblem rule = *typedRule(index);
        emit editLimited(tr("%1 – %2 lies beyond %3 and has been limited to %4")
                             .arg(rule.field.label(), value.toString().trimmed(), rule.allowed,
                                  displayData(m_columns[i], index.row()).toString()));
    }
    return true;
}

std::optional<SettingProblem> ActuatorModel::typedRule(const QModelIndex& index) const
{
    const std::optional<ConfigField::Name> field = actuatorField(index.row());
    const bool typed = field && *field != ConfigField::ACTIVE
        && (*field == ConfigField::ACTUATOR_LOCATION || SettingRules::range(*field));
    if (!column(index) || !typed)
        return std::nullopt;
    return SettingProblem { ConfigField(*field, index.column()), SettingRules::allowed(*field) };
}

void ActuatorModel::setCapabilities(int mask)
{
    m_capabilities = mask;
    const QVector<ActuatorData> data = m_actuatorData;
    const QVector<ActuatorSettings> settings = m_actuatorSettings;
    const QStringList locations = m_actuatorLocations;
    clear();
    updateActuators(data, settings, locations);
}

void ActuatorModel::updateActuators(const QVector<ActuatorData>& data,
                                    const QVector<ActuatorSettings>& settings,
                                    const QStringList& locations)
{
    const int n = data.size();
    // A record's lists always agree in length; should one fall short, its actuators show
    // defaults rather than reading past the end.
    QVector<ActuatorSettings> s = settings;
    s.resize(n);
    QStringList l = locations.mid(0, n);
    while (l.size() < n)
        l.append(QString());

    if (n == m_columns.size() && n == m_actuatorData.size()) {
        m_actuatorData = data;
        m_actuatorSettings = s;
        m_actuatorLocations = l;
        for (int i = 0; i < n; ++i)
            m_columns[i].update(data.at(i), s.at(i), l.at(i));
        return;
    }

    if (!m_columns.isEmpty() || !m_actuatorData.isEmpty())
        clear();
    if (n == 0)
        return;
    beginInsertRows(QModelIndex(), 0, ROW_COUNT - 1);
    m_actuatorData = data;
    m_actuatorSettings = s;
    m_actuatorLocations = l;
    endInsertRows();
    // The new columns are filled before the view first sees them, so there is nothing to
    // announce cell by cell.
    beginInsertColumns(QModelIndex(), 0, n - 1);
    for (int i = 0; i < n; ++i) {
        ActuatorColumn c;
        c.index = i;
        c.capabilities = m_capabilities;
        c.update(data.at(i), s.at(i), l.at(i));
        c.notifier = this;
        m_columns.insert(i, c);
    }
    endInsertColumns();
}

void ActuatorModel::clear()
{
    beginResetModel();
    m_actuatorData.clear();
    m_actuatorSettings.clear();
    m_actuatorLocations.clear();
    m_columns.clear();
    endResetModel();
}

void ActuatorModel::setSettingsCopied()
{
    s_settingsCopied = true;
    for (auto it = m_columns.cbegin(); it != m_columns.cend(); ++it)
        cellsChanged(it->index, ROW_PASTE_SETTINGS, 0);
}

bool ActuatorModel::settingsCopied()
{
    return s_settingsCopied;
}

void ActuatorModel::cellsChanged(int column, int row, int further)
{
    if (column < 0 || column >= m_columns.size()) {
        qDebug("error, no actuator with index %u", unsigned(column));
        return;
    }
    if (row < 0 || further < 0 || row + further >= ROW_COUNT)
        return;
    emit dataChanged(index(row, column), index(row + further, column), {});
}
