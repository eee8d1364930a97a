#pragma once

#include "records/VoroDevice.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class BoxOverviewModel;
class LogExportBatch;
class QAction;
class QProgressDialog;
class QSortFilterProxyModel;
class QTableView;
class SettingsApply;
class UserDialogs;
class VoroManager;
struct LogExportResult;

// The Boxes overview: every attached box at a glance, several selected at a time, and what an
// installer does with many boxes at once: compare, apply settings, export settings and logs,
// update firmware, back up and restore. Double-click selects the box in the window.
class BoxOverview : public QWidget
{
    Q_OBJECT

public:
    BoxOverview(VoroManager* manager, UserDialogs* dialogs, QWidget* parent = nullptr);

    BoxOverviewModel* model() const { return m_model; }
    QTableView* view() const { return m_view; }
    // The boxes selected, in list order; boxes that are away are left out.
    QList<VoroDevice::Id> selectedIds() const;
    void select(const QList<VoroDevice::Id>& ids);
    // A settings write of the overview to this box is under way: it reports the result.
    bool isApplyingTo(const QString& serial_number) const;

signals:
    void boxActivated(VoroDevice::Id id);

public slots:
    void compare();
    void applySettings();
    void exportSettings();
    void exportLogs();
    void updateFirmware();
    void backUp();
    void showBackups();

private:
    void updateActions();
    void onLogExportFinished(VoroDevice::Id id, const LogExportResult& result);
    void onLogExportsDone();
    void information(const QString& title, const QString& text);
    void warning(const QString& title, const QString& text);

    VoroManager* m_manager;
    UserDialogs* m_dialogs;
    BoxOverviewModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_view;
    QList<QAction*> m_oneBox; // need exactly one box
    QList<QAction*> m_anyBoxes; // need at least one
    QList<QPointer<SettingsApply>> m_applies;
    LogExportBatch* m_logExport = nullptr;
    QPointer<QProgressDialog> m_logProgress;
    QStringList m_logResults;
    QString m_logFolder;
    int m_logsDone = 0;
    int m_logsWanted = 0;
};
