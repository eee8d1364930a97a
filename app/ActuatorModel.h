#pragma once

#include "app/ActuatorColumn.h"
#include "app/IChangeNotifier.h"
#include "records/SettingRules.h"
#include "records/VoroConfig.h"
#include "records/VoroDevice.h"

#include <QAbstractTableModel>
#include <QMap>
#include <QStringList>
#include <QVector>

// The actuator table of the main window: one column per actuator, live values on top, the
// editable settings below them and the rows whose cells hold buttons at the bottom. It clamps
// every edit (and says so with editLimited), checks it by the setting rules, and reports it
// with configChanged (or refuses it with editRefused); it never talks to the device.
class ActuatorModel : public QAbstractTableModel, public IChangeNotifier
{
    Q_OBJECT

public:
    enum Row {
        ROW_ACTIVE = 0,
        ROW_LOCATION,
        ROW_TEMPERATURE,
        ROW_RESISTANCE,
        ROW_POT_SHIFT,
        ROW_POT_RESISTANCE,
        ROW_POT_SETPOINT,
        ROW_TRIAC,
        ROW_ERRORS,
        ROW_MEM_ERRORS,
        ROW_CONTROL_SOURCE,
        ROW_SENSOR_TYPE,
        ROW_SENSOR_OFFSET,
        ROW_POT_MIN,
        ROW_POT_MAX,
        ROW_POT_SHIFT_MIN,
        ROW_POT_SHIFT_MAX,
        ROW_HYSTERESIS_HEATING,
        ROW_HYSTERESIS_COOLING,
        ROW_SETPOINT,
        ROW_ACTUATOR_TYPE,
        ROW_SPACER_1,
        ROW_COPY_SETTINGS,
        ROW_PASTE_SETTINGS,
        ROW_SPACER_2,
        ROW_CLEAR_ERRORS,
        ROW_TEST,
        ROW_LOG,
        ROW_COUNT
    };

    // Bits of the capability mask.
    enum Capability { CAN_CLEAR_ERRORS = 0x1, CAN_TEST = 0x2, CAN_EDIT = 0x4 };

    // Answered with Qt::AlignCenter; tells the application style where to draw check boxes.
    static constexpr int CheckAlignmentRole = Qt::UserRole + 17;

    // Locations are stored by the box in a fixed field.

    explicit ActuatorModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setCapabilities(int mask);
    int capabilities() const { return m_capabilities; }

    void updateActuators(const QVector<ActuatorData>& data,
                         const QVector<ActuatorSettings>& settings, const QStringList& locations);
    void clear();

    // Once any actuator's settings have been copied, Paste is offered everywhere, for the rest
    // of the process and on every device.
    void setSettingsCopied();
    static bool settingsCopied();

    void cellsChanged(int column, int row, int further) override;

    // The text of an error byte: the names of its known bits, translated, joined by ", ".
    static QString errorText(quint8 errors);

    // The field a cell edits by typing, and what it may hold (its text() reads "Actuator 3:
    // Setpoint – allowed: 15.0 … 28.0 °C"); none for the other cells.
    std::optional<SettingProblem> typedRule(const QModelIndex& index) const;

signals:
    void configChanged(int index, ActuatorSettings edited_config, QString edited_location);
    // An edit was refused by the setting rules; `problem` names the field and what it may hold.
    void editRefused(const QString& problem);
    // A number typed beyond its field's range was taken as the nearest it may be; `note` says
    // so, with the range.
    void editLimited(const QString& note);

private:
    const ActuatorColumn* column(const QModelIndex& index) const;
    QVariant displayData(const ActuatorColumn& c, int row) const;
    QVariant editData(const ActuatorColumn& c, int row) const;
    QVariant foreground(const ActuatorColumn& c, int row) const;
    QVariant background(const ActuatorColumn& c, int row) const;
    bool cellEnabled(const ActuatorColumn& c, int row) const;

    QVector<ActuatorData> m_actuatorData;
    QVector<ActuatorSettings> m_actuatorSettings;
    QStringList m_actuatorLocations;
    QMap<int, ActuatorColumn> m_columns;
    int m_capabilities = 0;
};
