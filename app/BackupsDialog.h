#pragma once

#include "device/SettingsBackup.h"
#include "records/VoroDevice.h"

#include <QDialog>

#include <functional>

class ComparisonTable;
class QLabel;
class QPushButton;
class QTableWidget;
class UserDialogs;
class VoroManager;

// A box's backups: time and reason of each, how many there are, what restoring one would
// change, restoring it (after the user has seen that) and deleting old ones.
class BackupsDialog : public QDialog
{
    Q_OBJECT

public:
    BackupsDialog(VoroManager* manager, UserDialogs* dialogs, VoroDevice::Id id,
                  QWidget* parent = nullptr);

    const QList<SettingsBackup>& backups() const { return m_backups; }
    QTableWidget* list() const { return m_list; }
    ComparisonTable* preview() const { return m_preview; }

    // Writes a backup back to its box through the confirmed write path, locations included;
    // the result comes as a status text to `report`. False when it cannot start (`report` says
    // why).
    static bool restore(VoroManager* manager, VoroDevice::Id id, const SettingsBackup& backup,
                        QObject* owner, std::function<void(const QString&)> report);

public slots:
    void restoreSelected();
    void deleteSelected();

private:
    void reload();
    void showPreview();
    QList<int> selectedRows() const;

    VoroManager* m_manager;
    UserDialogs* m_dialogs;
    VoroDevice::Id m_id;
    QString m_serial;
    QString m_box;
    QList<SettingsBackup> m_backups;
    QLabel* m_count;
    QTableWidget* m_list;
    ComparisonTable* m_preview;
    QLabel* m_status;
    QPushButton* m_restore;
    QPushButton* m_delete;
};
