#include "app/BoxOverviewModel.h"

#include "app/ActuatorModel.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"

#include <QLocale>

namespace {
QString keyOf(const VoroDevice& d)
{
    return d.serial_number.isEmpty() ? d.usb_path : d.serial_number;
}

// "3, 5": the actuators (counted from 1) with any of the errors.
QString actuatorsWith(const VoroDevice& d, bool latched)
{
    QStringList numbers;
    for (int i = 0; i < d.actuator_data.size(); ++i) {
        const ActuatorData& a = d.actuator_data.at(i);
        if (latched ? a.mem_errors : a.errors)
            numbers << QString::number(i + 1);
    }
    return numbers.join(QStringLiteral(", "));
}

// One line per actuator with errors: "Actuator 3: Sensor not connected".
QString errorLines(const VoroDevice& d, bool latched)
{
    QStringList lines;
    for (int i = 0; i < d.actuator_data.size(); ++i) {
        const ActuatorData& a = d.actuator_data.at(i);
        const quint8 flags = latched ? a.mem_errors : a.errors;
        if (flags)
            lines << BoxOverviewModel::tr("Actuator %1: %2")
                         .arg(i + 1)
                         .arg(ActuatorModel::errorText(flags));
    }
    return lines.join(QLatin1Char('\n'));
}
} // namespace

BoxOverviewModel::BoxOverviewModel(VoroManager* manager, QObject* parent)
    : QAbstractTableModel(parent)
    , manager(manager)
{
    connect(manager, &VoroManager::deviceDetected, this, &BoxOverviewModel::onDetected);
    connect(manager, &VoroManager::deviceUpdated, this, &BoxOverviewModel::onUpdated);
    connect(manager, &VoroManager::deviceDeleted, this, &BoxOverviewModel::onDeleted);
    connect(manager, &VoroManager::deviceReturned, this, &BoxOverviewModel::onReturned);
    connect(manager, &VoroManager::deviceLost, this, &BoxOverviewModel::onLost);
    connect(manager, &VoroManager::backupMade, this, &BoxOverviewModel::onBackupMade);
    for (const VoroDevice::Id id : manager->deviceIds())
        onDetected(id);
}

int BoxOverviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

int BoxOverviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QString BoxOverviewModel::stateText(State state)
{
    switch (state) {
    case READY:
        return tr("ready");
    case RECONNECTING:
        return tr("reconnecting");
    case WATCHED:
        return tr("watched");
    case BOOTLOADER:
        return tr("in its bootloader");
    case UPDATING:
        return tr("updating");
    }
    return QString();
}

QVariant BoxOverviewModel::display(const Row& r, int column) const
{
    const VoroDevice& d = r.device;
    switch (column) {
    case LOCATION:
        return BoxName::location(d);
    case SERIAL:
        return d.serial_number.isEmpty() ? BoxName::shortId(d) : d.serial_number;
    case FIRMWARE:
        if (d.firmware_version.isEmpty())
            return QString();
        return VoroManager::isOlderVersion(d.firmware_version,
                                           QString::fromLatin1(VoroManager::FIRMWARE_VERSION))
            ? tr("%1 (outdated)").arg(d.firmware_version)
            : tr("%1 (current)").arg(d.firmware_version);
    case STATE:
        return r.state == UPDATING ? tr("updating (%1 %)").arg(r.update_progress)
                                   : stateText(r.state);
    case ERRORS:
        return actuatorsWith(d, false);
    case LATCHED:
        return actuatorsWith(d, true);
    case BACKUP:
        if (!r.last_backup.isValid())
            return tr("none");
        return tr("%1 (%n in all)", nullptr, r.backups)
            .arg(QLocale().toString(r.last_backup, QLocale::ShortFormat));
    }
    return QVariant();
}

QVariant BoxOverviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const Row& r = rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return display(r, index.column());
    case Qt::ToolTipRole:
        if (index.column() == ERRORS || index.column() == LATCHED)
            return errorLines(r.device, index.column() == LATCHED);
        return BoxName::qualified(r.device);
    case ID_ROLE:
        return r.id;
    case STATE_ROLE:
        return int(r.state);
    case OUTDATED_ROLE:
        return !r.device.firmware_version.isEmpty()
            && VoroManager::isOlderVersion(r.device.firmware_version,
                                           QString::fromLatin1(VoroManager::FIRMWARE_VERSION));
    case SORT_ROLE:
        // The list order of the window: location, serial number, path.
        return BoxName::location(r.device).toLower() + QChar(0) + r.device.serial_number + QChar(0)
            + r.device.usb_path;
    default:
        return QVariant();
    }
}

QVariant BoxOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case LOCATION:
        return tr("Location");
    case SERIAL:
        return tr("Serial Number");
    case FIRMWARE:
        return tr("Firmware");
    case STATE:
        return tr("State");
    case ERRORS:
        return tr("Errors");
    case LATCHED:
        return tr("Latched Errors");
    case BACKUP:
        return tr("Last Backup");
    }
    return QVariant();
}

int BoxOverviewModel::rowOf(VoroDevice::Id id) const
{
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i).id == id && id != -1)
            return i;
    }
    return -1;
}

VoroDevice::Id BoxOverviewModel::idAt(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row).id : -1;
}

int BoxOverviewModel::rowOfKey(const QString& key) const
{
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i).key == key)
            return i;
    }
    return -1;
}

void BoxOverviewModel::changed(int row)
{
    emit dataChanged(index(row, 0), index(row, COLUMN_COUNT - 1));
}

void BoxOverviewModel::readBackups(Row& row) const
{
    const QList<SettingsBackup> backups = SettingsBackup::list(row.device.serial_number);
    row.backups = backups.size();
    row.last_backup = backups.isEmpty() ? QDateTime() : backups.first().time;
}

void BoxOverviewModel::onDetected(VoroDevice::Id id)
{
    const VoroDevice d = manager->device(id);
    if (d.id == -1)
        return;
    const QString key = keyOf(d);
    int row = rowOfKey(key);
    if (row < 0) {
        row = rows.size();
        beginInsertRows(QModelIndex(), row, row);
        rows.append(Row());
        rows[row].key = key;
        rows[row].device = d;
        readBackups(rows[row]);
        endInsertRows();
    }
    Row& r = rows[row];
    r.id = id;
    r.device = d;
    r.state = d.state == VoroDefinitions::DS__UNSUPPORTED ? WATCHED : READY;
    changed(row);
}

void BoxOverviewModel::onUpdated(VoroDevice::Id id)
{
    const int row = rowOf(id);
    if (row < 0)
        return;
    const VoroDevice d = manager->device(id);
    Row& r = rows[row];
    // Only what changes while it runs; the settings shown are those of its last complete read.
    // A box reports its values several times a second, of which the overview shows only the
    // errors: the view lays out its columns anew for each change it is told of.
    const auto errors = [](const VoroDevice& device) {
        return QStringList { actuatorsWith(device, false), actuatorsWith(device, true),
                             errorLines(device, false), errorLines(device, true) };
    };
    const QStringList before = errors(r.device);
    r.device.status = d.status;
    r.device.actuator_data = d.actuator_data;
    if (errors(r.device) != before)
        emit dataChanged(index(row, ERRORS), index(row, LATCHED));
}

void BoxOverviewModel::onDeleted(VoroDevice::Id id)
{
    const int row = rowOf(id);
    if (row < 0)
        return;
    Row& r = rows[row];
    r.id = -1;
    // A box on its way into its bootloader is the updater's from now on.
    if (r.state != UPDATING && r.state != BOOTLOADER)
        r.state = manager->isUpdating(r.key) ? BOOTLOADER : RECONNECTING;
    changed(row);
}

void BoxOverviewModel::onReturned(VoroDevice::Id, VoroDevice::Id new_id)
{
    onDetected(new_id);
}

void BoxOverviewModel::onLost(VoroDevice::Id old_id)
{
    for (int i = 0; i < rows.size(); ++i) {
        // Its id is gone already; the row of a box away that the manager gave up.
        const Row& r = rows.at(i);
        if (r.id != -1 || r.state != RECONNECTING)
            continue;
        if (old_id != r.device.id)
            continue;
        beginRemoveRows(QModelIndex(), i, i);
        rows.remove(i);
        endRemoveRows();
        return;
    }
}

void BoxOverviewModel::onBackupMade(VoroDevice::Id id, const SettingsBackup&)
{
    const int row = rowOf(id);
    if (row < 0)
        return;
    readBackups(rows[row]);
    changed(row);
}

void BoxOverviewModel::onUpdateChanged(const BoxUpdate& update)
{
    int row = rowOfKey(update.key);
    if (row < 0) {
        // Sent there by the version check before it was shown, or found there.
        row = rows.size();
        beginInsertRows(QModelIndex(), row, row);
        Row r;
        r.key = update.key;
        r.device.serial_number = update.serial;
        r.device.usb_path = update.path;
        r.device.config.location = update.location;
        r.device.firmware_version = update.from_version;
        r.state = BOOTLOADER;
        readBackups(r);
        rows.append(r);
        endInsertRows();
    }
    Row& r = rows[row];
    if (r.id != -1)
        return; // back in normal operation
    switch (update.phase) {
    case BoxUpdate::Running:
        r.state = UPDATING;
        r.update_progress = update.progress;
        break;
    case BoxUpdate::Updated:
    case BoxUpdate::Kept:
        r.state = RECONNECTING; // restarting into its firmware
        break;
    default:
        r.state = BOOTLOADER;
        break;
    }
    changed(row);
}
