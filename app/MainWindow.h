#pragma once

#include "devicemanager/UserDialogs.h"
#include "records/VoroConfig.h"
#include "records/VoroDevice.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace Ui {
class MainWindow;
}
class ActuatorModel;
class BoxList;
class BoxOverview;
class ButtonDelegate;
class ComboBoxDelegate;
class LiveTrend;
class NoBoxHint;
class PlotDlg;
class PropertyObject;
class QProgressDialog;
class TrendView;
class VoroManager;
struct LogExportResult;
struct SettingsBackup;
struct WriteOutcome;

// The program's one window: the attached boxes in a list, the selected box's settings and
// information in the property editor on the left, its eight actuators in the table on the
// right, and the device actions in the menus. Edits change only a working copy of the
// selected box's record until Save writes it; Revert throws them away. Nothing is lost without
// a question: leaving a box, closing, importing over edits and resetting ask first, and a box
// that stops answering stays selected, read only, until it is back (its edits kept over its
// new values) or given up. Every write ends in a message that names the box.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int REPEAT_TEST_INTERVAL_MS = 1000;
    // Every capability of the actuator table: clear errors, test and edit.
    static constexpr int ALL_CAPABILITIES = 7;
    static constexpr int STATUS_MESSAGE_MS = 15000;

    // `dialogs` answers every message box and file dialog of the window and its manager (not
    // owned); without one the system's dialogs are shown.
    explicit MainWindow(QWidget* parent = nullptr, UserDialogs* dialogs = nullptr);
    ~MainWindow() override;

    VoroManager* manager() const { return m_manager; }
    PlotDlg* plotDialog() const { return m_plotDlg; }
    LiveTrend* liveTrend() const { return m_liveTrend; }
    TrendView* trendView() const { return m_trendView; }
    BoxOverview* overview() const { return m_overview; }
    // The record the window works on; id -1 while no box is selected.
    const VoroDevice& workingCopy() const { return m_device; }
    // The selected box stopped answering and is waited for.
    bool reconnecting() const { return m_reconnecting; }

public slots:
    // Closes the window without asking anything (the session ends, or the process is told to
    // stop): tests are ended and edits dropped, as after Discard.
    void closeWithoutQuestions();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    // The device list, selection, update reports, Save and Revert.
    void onDeviceDetected(VoroDevice::Id id);
    void selectDevice(VoroDevice::Id id);
    void onDeviceUpdated(VoroDevice::Id id, bool config_changed);
    void onDeviceDeleted(VoroDevice::Id id);
    void onDeviceReturned(VoroDevice::Id old_id, VoroDevice::Id new_id);
    void onDeviceLost(VoroDevice::Id old_id);
    void onWriteFinished(const WriteOutcome& outcome);
    void removeCurrentDevice();
    void onCurrentDeviceChanged(int index);
    void on_m_revert_clicked();
    void on_m_save_clicked();

    // The actuator table's buttons and editors, and the log display.
    void onLogRead(VoroDevice::Id id, int actuator_index);
    void onLogReadFailed(VoroDevice::Id id, int actuator_index, const QString& box,
                         const QString& reason);
    void updatePersistentEditors();
    void onCopy(int row, int col);
    void onPaste(int row, int col);
    void onClearErrors(int row, int col);
    void onShowLog(int row, int col);
    void onTestActuator(int row, int col);
    void repeatTests();
    void onActuatorConfigChanged(int index, ActuatorSettings config, QString location);
    void onEditRefused(const QString& problem);

    // The menus.
    void onLogExportProgress(VoroDevice::Id id, int done);
    void onLogsExported(VoroDevice::Id id, const LogExportResult& result);
    void on_actionReset_To_Factory_Defaults_triggered();
    void on_actionFirmware_Update_triggered();
    void on_actionAbout_triggered();
    void on_actionExport_Settings_triggered();
    void on_actionImport_Settings_triggered();
    void on_actionExport_Logs_triggered();
    void on_actionImport_Log_triggered();

    // The Boxes overview, and the restore offered when a box comes back from an update or a
    // reset with other settings than its backup.
    void onSettingsDifferFromBackup(VoroDevice::Id id, const SettingsBackup& backup);

private:
    enum Leaving { PROCEED, CANCEL };

    void setUpTable();
    // The live trend below the table, and the action that shows and hides it.
    void setUpTrend();
    void showTrend();
    void setUpOverview();
    void registerIconFonts();
    void connectManager();
    void refreshGroup(int key);
    void createGroups(bool read_only);
    void deleteGroups();
    void updateActions();
    void updateEditButtons();
    // A box is selected (possibly one that is reconnecting).
    bool selected() const { return m_device.id != -1; }
    // A ready box is selected and answering: only such a box is ever written to.
    bool writable() const;
    // The working copy holds edits that the box does not.
    bool hasEdits() const;
    // The selected box as it stands on the box, and its name.
    VoroDevice heldRecord() const;
    QString boxName() const;

    // The user's edits over new values from the box: only the fields the user changed stay.
    void rebase(const VoroConfig& fresh);
    // The working copy into the table and the property groups.
    void showWorkingCopy();
    void startReconnecting();
    // Before the selected box's edits could be lost: asks Save, Discard or Cancel when there
    // are edits (Discard or Cancel while the box does not answer). Save starts the save;
    // Discard drops the edits.
    Leaving askAboutEdits(const QString& title);
    // Writes the working copy; false when a setting may not be written (said in a message).
    bool save(bool for_import = false);
    // Ends every running test of the selected box.
    void endTests();
    void resolveConflict(VoroDevice::Id id);
    void withdrawQuestions();
    void status(const QString& text);

    void information(const QString& title, const QString& text);
    void warning(const QString& title, const QString& text);
    bool question(const QString& title, const QString& text,
                  UserDialogs::Button default_button = UserDialogs::NoButton);

    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<UserDialogs> m_ownDialogs;
    UserDialogs* m_dialogs;
    ButtonDelegate* m_copyDelegate;
    ButtonDelegate* m_pasteDelegate;
    ButtonDelegate* m_clearErrorsDelegate;
    ButtonDelegate* m_logDelegate;
    ButtonDelegate* m_testDelegate;
    QTimer m_repeatTestTimer;
    ComboBoxDelegate* m_controlSourceDelegate;
    ComboBoxDelegate* m_sensorTypeDelegate;
    ComboBoxDelegate* m_actuatorTypeDelegate;
    VoroDevice m_device; // the working copy
    VoroConfig m_baseline; // what the box held when the working copy was last brought in line
    bool m_reconnecting = false;
    bool m_restartAsked = false; // the selected box was told to restart (factory reset)
    // The saves of the selected box under way, oldest first: true for one of Import Settings.
    QList<bool> m_saves;
    bool m_closeAfterSave = false;
    bool m_quitting = false;
    VoroManager* m_manager;
    ActuatorModel* m_model;
    PlotDlg* m_plotDlg;
    std::unique_ptr<BoxList> m_boxes;
    QMap<int, PropertyObject*> m_groups; // 0 Info, 1 Control, 2 RS485, 3 Log
    ActuatorSettings m_copiedSettings;
    NoBoxHint* m_noBoxHint = nullptr;
    QPointer<QProgressDialog> m_exportProgress;
    VoroDevice::Id m_exportId = -1;
    LiveTrend* m_liveTrend = nullptr;
    TrendView* m_trendView = nullptr;
    BoxOverview* m_overview = nullptr;
};
