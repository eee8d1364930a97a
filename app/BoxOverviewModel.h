#pragma once

#include "device/SettingsBackup.h"
#include "firmware/BoxUpdate.h"
#include "records/VoroDevice.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QVector>

class VoroManager;

// One row per attached box for the Boxes overview: location, serial number, firmware and
// whether it is current, state, active and latched errors, time of the last backup. A row
// follows its box by serial number (USB path without one) through reconnections and firmware
// updates, and goes when the box is given up.
class BoxOverviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { LOCATION, SERIAL, FIRMWARE, STATE, ERRORS, LATCHED, BACKUP, COLUMN_COUNT };
    enum State { READY, RECONNECTING, WATCHED, BOOTLOADER, UPDATING };
    // The box's id (-1 while it is away), the order of the list, and the row's State.
    static constexpr int ID_ROLE = Qt::UserRole + 1;
    static constexpr int SORT_ROLE = Qt::UserRole + 2;
    static constexpr int STATE_ROLE = Qt::UserRole + 3;
    static constexpr int OUTDATED_ROLE = Qt::UserRole + 4;

    explicit BoxOverviewModel(VoroManager* manager, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The row of the box, or -1.
    int rowOf(VoroDevice::Id id) const;
    VoroDevice::Id idAt(int row) const;
    // "ready", "reconnecting", …, as the user reads it.
    static QString stateText(State state);

public slots:
    // The firmware updater's view of a box (by serial number).
    void onUpdateChanged(const BoxUpdate& update);

private:
    struct Row
    {
        QString key; // serial number, or USB path without one
        VoroDevice::Id id = -1;
        VoroDevice device; // as last shown
        State state = READY;
        int update_progress = 0;
        QDateTime last_backup;
        int backups = 0;
    };

    void onDetected(VoroDevice::Id id);
    void onUpdated(VoroDevice::Id id);
    void onDeleted(VoroDevice::Id id);
    void onReturned(VoroDevice::Id old_id, VoroDevice::Id new_id);
    void onLost(VoroDevice::Id old_id);
    void onBackupMade(VoroDevice::Id id, const SettingsBackup& backup);
    int rowOfKey(const QString& key) const;
    void changed(int row);
    void readBackups(Row& row) const;
    QVariant display(const Row& r, int column) const;

    VoroManager* manager;
    QVector<Row> rows;
};
