#pragma once

#include "records/VoroConfig.h"
#include "records/VoroDevice.h"

#include <QMainWindow>
#include <QMap>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace Ui {
class MainWindow;
}
class ActuatorModel;
class ButtonDelegate;
class ComboBoxDelegate;
class PlotDlg;
class PropertyObject;
class UserDialogs;
class VoroManager;

// The program's one window: the attached boxes in a list, the selected box's settings and
// information in the property editor on the left, its eight actuators in the table on the
// right, and the device actions in the menus. Edits change only a working copy of the
// selected box's record until Save writes it; Revert throws them away.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int REPEAT_TEST_INTERVAL_MS = 1000;
    // Every capability of the actuator table: clear errors, test and edit.
    static constexpr int ALL_CAPABILITIES = 7;

    // `dialogs` answers every message box and file dialog of the window and its manager (not
    // owned); without one the system's dialogs are shown.
    explicit MainWindow(QWidget* parent = nullptr, UserDialogs* dialogs = nullptr);
    ~MainWindow() override;

    VoroManager* manager() const { return m_manager; }
    PlotDlg* plotDialog() const { return m_plotDlg; }
    // The record the window works on; id -1 while no box is selected.
    const VoroDevice& workingCopy() const { return m_device; }

private slots:
    // The device list, selection, update reports, Save and Revert.
    void onDeviceDetected(VoroDevice::Id id);
    void selectDevice(VoroDevice::Id id);
    void onDeviceUpdated(VoroDevice::Id id, bool config_changed);
    void onDeviceDeleted(VoroDevice::Id id);
    void removeCurrentDevice();
    void onCurrentDeviceChanged(int index);
    void on_m_revert_clicked();
    void on_m_save_clicked();

    // The actuator table's buttons and editors, and the log display.
    void onLogRead(VoroDevice::Id id, int actuator_index);
    void updatePersistentEditors();
    void onCopy(int row, int col);
    void onPaste(int row, int col);
    void onClearErrors(int row, int col);
    void onShowLog(int row, int col);
    void onTestActuator(int row, int col);
    void repeatTests();
    void onActuatorConfigChanged(int index, ActuatorSettings config, QString location);

    // The menus.
    void onLogsExported(VoroDevice::Id id, const QStringList& failed_files);
    void on_actionReset_To_Factory_Defaults_triggered();
    void on_actionFirmware_Update_triggered();
    void on_actionAbout_triggered();
    void on_actionExport_Settings_triggered();
    void on_actionImport_Settings_triggered();
    void on_actionExport_Logs_triggered();
    void on_actionImport_Log_triggered();

private:
    void setUpTable();
    void registerIconFonts();
    void refreshGroup(int key);
    void updateActions();
    // A box is selected, and ready: only such a box is ever written to.
    bool selected() const { return m_device.id != -1; }
    bool writable() const;
    // Asks which side wins after the box's settings changed at the box while local edits
    // exist; true for "Reload Device Settings".
    bool askReloadOnConflict();
    void information(const QString& title, const QString& text);
    void warning(const QString& title, const QString& text);
    bool question(const QString& title, const QString& text);

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
    VoroManager* m_manager;
    ActuatorModel* m_model;
    PlotDlg* m_plotDlg;
    QMap<int, PropertyObject*> m_groups; // 0 Info, 1 Control, 2 RS485, 3 Log
    ActuatorSettings m_copiedSettings;
};
