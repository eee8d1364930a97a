#pragma once

#include "device/LogExport.h"
#include "device/SettingsBackup.h"
#include "device/SettingsFile.h"
#include "device/VoroCommThread.h"
#include "devicelink/HidDevice.h"
#include "devicemanager/PendingWrites.h"
#include "devicemanager/UserDialogs.h"
#include "devicemanager/WriteOutcome.h"
#include "firmware/BundledFirmware.h"
#include "records/VoroDevice.h"

#include <QDeadlineTimer>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class FirmwareUpdateController;
class VoroUsbDetector;

// The single owner of all attached boxes. Each box the detector announces gets an id, a
// transport and a communication thread; after its identity read the manager decides whether
// its firmware can be worked with, must be updated or is too new. It keeps the records the
// window shows, notices configuration changes made at the box, and offers one call per user
// action. Lives in the GUI thread and talks to the threads only through their queued signals
// and their thread-safe operations. Any failure of a box ends its thread: the box is forgotten
// and comes back under a new id once the detector announces it again; the manager recognises
// it then by its USB serial number and says so (deviceReturned), or says that it has not come
// back within a grace period (deviceLost). Every write it is asked for ends in a writeFinished
// that tells what the box holds afterwards.
class VoroManager : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* FIRMWARE_VERSION = BundledFirmware::VERSION; // carried for updates
    static constexpr int PROTOCOL_VERSION = 2;
    static constexpr int CHECK_INTERVAL_MS = 500;
    static constexpr int UPDATER_POLL_MS = 100;
    // Checks a box still reading its identity is waited for, so that boxes plugged in together
    // get one question.
    static constexpr int MAX_DEFERRED_CHECKS = 4;
    // How long a box that stopped answering may take to come back before it counts as gone.
    static constexpr int RETURN_GRACE_MS = 10000;
    // How long the end of the program waits for the boxes' last operations (tests ended,
    // writes that are under way).
    static constexpr int SHUTDOWN_WAIT_MS = 3000;

    enum FirmwareUpdates { WithUpdater, WithoutUpdater };

    // `parent` is the main window, or whatever else owns the manager: every question is about
    // it. `dialogs` answers them (not owned); without one nobody is asked (UnattendedDialogs).
    // WithoutUpdater leaves boxes sent into their bootloader to someone else (tests of the
    // manager alone, commands that update nothing).
    explicit VoroManager(QObject* parent = nullptr, UserDialogs* dialogs = nullptr,
                         FirmwareUpdates updates = WithUpdater);
    ~VoroManager() override;

    // A copy of the record; one with id -1 for an unknown id.
    VoroDevice device(VoroDevice::Id id) const;
    QList<VoroDevice::Id> deviceIds() const;

    // Operations for the window; an unknown id, a box that is only watched, or an actuator
    // index outside 0 … 7, does nothing. The writes (writeConfig, clearErrors, a test's end,
    // factoryReset) end in writeFinished.
    // Writes the configuration and makes it permanent; the box's record keeps what the box
    // holds until the read after the write shows the new values.
    void writeConfig(VoroDevice::Id id, const VoroConfig& config);
    void writeActuatorSettings(VoroDevice::Id id, const VoroConfig& config);
    void readActuatorLog(VoroDevice::Id id, int index);
    void clearErrors(VoroDevice::Id id, int index);
    void testActuator(VoroDevice::Id id, int index, uint8_t on);
    // Ends every test of the box that was started and not ended.
    void endTests(VoroDevice::Id id);
    // Sends the box into its bootloader, where the firmware updater takes it over, once its
    // settings are backed up (a box not read yet is read first). False when nothing is sent:
    // the box cannot be updated, or its backup failed (backupProblem() says why).
    bool enterBootloader(VoroDevice::Id id);
    // The Firmware Update action: checks the image, asks the user naming the box and its
    // versions, and on Yes sends the box into its bootloader.
    void requestFirmwareUpdate(VoroDevice::Id id);
    // Backs the settings up, then resets the box; a failed backup ends in a writeFinished
    // (NO_BACKUP) without touching the box.
    void factoryReset(VoroDevice::Id id);

    // Writes the settings of a ready box, as last read, to a new backup; backupMade follows.
    // An invalid backup when it could not be made (backupProblem() says why).
    SettingsBackup backUp(VoroDevice::Id id, SettingsBackup::Reason reason);
    // The same for many boxes at once, the files written side by side; a box whose backup
    // failed has an invalid one, and why in `problems`.
    QMap<VoroDevice::Id, SettingsBackup> backUp(const QList<VoroDevice::Id>& ids,
                                                SettingsBackup::Reason reason,
                                                QMap<VoroDevice::Id, QString>* problems);
    QString backupProblem() const { return backup_problem; }
    // Takes the configuration last read from the box as the new baseline and working copy.
    void acceptDeviceSettings(VoroDevice::Id id);

    // Asks for a folder and writes the eight logs of a ready box there, after making sure that
    // the folder can be written to; logExportProgress after each log, logExportComplete at the
    // end. A box whose export runs is not exported twice at once.
    void exportLogs(VoroDevice::Id id);
    // The same into `chosen` without asking; the box's folder level is named after
    // `folder_name` instead of its location when one is given (two boxes of one location
    // exported at once). False when the box cannot be exported now: unknown, not ready, or its
    // export runs.
    bool exportLogs(VoroDevice::Id id, const QString& chosen,
                    const QString& folder_name = QString());
    bool isExportingLogs(VoroDevice::Id id) const;
    // Stops the box's export after the chunk of the log being read.
    void cancelLogExport(VoroDevice::Id id);

    // A box that stopped answering counts as gone after this long (RETURN_GRACE_MS), and not
    // while its firmware update runs.
    void setReturnGrace(int ms) { return_grace_ms = ms; }
    // The box (by serial number, or USB path without one) is in its bootloader for an update
    // started here: it is not given up until it returns or updateEnded is called.
    bool isUpdating(const QString& serial_or_path) const;
    // Writes `device.config` to a settings file; asks for the file when `file_name` is empty.
    void exportSettings(const VoroDevice& device, const QString& file_name = QString());
    // A copy of `device` whose configuration carries the values of a settings file the user
    // chooses; `*cancelled` is true when nothing was taken (no file chosen, or a file refused).
    VoroDevice importSettings(const VoroDevice& device, bool* cancelled);
    // Why the settings file `file` was refused, as the user reads it; empty when it was read.
    static QString settingsFileProblem(const SettingsFile::ReadResult& read, const QString& file);

    // Whether the firmware check asks the user (the window; the default) or decides by itself
    // (the command line). Without questions a box with older firmware works as it is, and one
    // whose firmware cannot be worked with is only watched, without a message; an update is
    // then the caller's to start (enterBootloader), also for a watched box whose firmware is
    // older than the one carried.
    void setFirmwareQuestions(bool ask) { firmware_questions = ask; }

    // True when `version` is older than `reference` by major, minor and patch; a fourth part
    // does not count.
    static bool isOlderVersion(const QString& version, const QString& reference);

    // Updates the boxes sent into their bootloader; none WithoutUpdater. Its views (the
    // window's dialog) are made by whoever shows them.
    FirmwareUpdateController* firmwareUpdater() const { return updater; }

public slots:
    // The firmware update of the box (by serial number, or USB path without one) has ended,
    // whatever its result: from now on it has the usual time to come back.
    void updateEnded(const QString& serial_or_path);

signals:
    // The box is ready to be shown: after its first complete read, after every saved
    // configuration, and once for a box that is only watched (DS__UNSUPPORTED).
    void deviceDetected(VoroDevice::Id id);
    // A box that stopped answering (deviceDeleted of `old_id`) is back as `new_id`: the same
    // serial number, or the same USB path for a box without one. Comes just before the
    // deviceDetected of `new_id`.
    void deviceReturned(VoroDevice::Id old_id, VoroDevice::Id new_id);
    // The box of `old_id` has not come back within the grace period.
    void deviceLost(VoroDevice::Id old_id);
    // A backup of the box's settings has been written.
    void backupMade(VoroDevice::Id id, const SettingsBackup& backup);
    // A box back from a firmware update or a factory reset holds other settings than the
    // backup made before it: the user may want them back. Comes after its deviceDetected.
    void settingsDifferFromBackup(VoroDevice::Id id, const SettingsBackup& backup);
    // A write asked for has ended; see WriteOutcome.
    void writeFinished(const WriteOutcome& outcome);
    // After every poll; `config_changed` when the box's configuration differs from the baseline.
    void deviceUpdated(VoroDevice::Id id, bool config_changed);
    void deviceDeleted(VoroDevice::Id id);
    // A log read outside an export; the log is in device(id).log.
    void logRead(VoroDevice::Id id, int actuator_index);
    // A log read outside an export failed: the box (named as `box`) stopped answering or
    // sent a log that cannot be read (`reason`, for the user); deviceDeleted follows.
    void logReadFailed(VoroDevice::Id id, int actuator_index, const QString& box,
                       const QString& reason);
    // The export has written the logs of `done` of the eight actuators.
    void logExportProgress(VoroDevice::Id id, int done);
    // The log export has ended (see LogExportResult); when the box stopped answering in the
    // middle, this comes just before deviceDeleted.
    void logExportComplete(VoroDevice::Id id, const LogExportResult& result);
    // A box was found but its device node could not be opened, or was opened; emitted at every
    // attempt, also for boxes in their bootloader that the firmware updater opens and reports
    // through HidOpenMonitor.
    void deviceOpenFailed(const QString& path);
    void deviceOpened(const QString& path);

private slots:
    void onDeviceDetected(const HidDevice::Id& hid_id);
    void onInitFailed(VoroDevice::Id id, const VoroDevice& data);
    void onInitSucceeded(VoroDevice::Id id, const VoroDevice& data);
    void onOperationFinished(VoroDevice::Id id, const VoroCommThread::OperationData& op,
                             const VoroDevice& data, bool success);
    void onThreadFinished(VoroDevice::Id id);
    void checkDevices();
    void expireLostBoxes();

private:
    // Everything the manager holds of one box, from its detection to the end of its thread.
    struct Box
    {
        VoroCommThread* thread = nullptr;
        HidDevice::Id hid_id;
        // The record the window reads: as last read from the box, except config and state,
        // which are the manager's own. None before the first report of the thread.
        std::optional<VoroDevice> record;
        VoroConfig device_config; // as last read from the box, along with the record
        // The box's configuration that record->config was last brought in line with.
        std::optional<VoroConfig> baseline;
        bool check_pending = false; // the firmware check is due
        // Only watched, yet its bootloader takes it on: older firmware of an older protocol.
        bool update_only = false;
        // Sent into its bootloader as soon as its settings are read and backed up.
        bool update_after_read = false;
        std::optional<LogExport> log_export;
        QString export_box; // the box's name when its export began
        std::shared_ptr<std::atomic<bool>> export_stop; // cancels the export's log read
        PendingWrites writes;
        quint8 tests_on = 0; // bit i: the test of actuator i was started and not ended
    };

    // A box that stopped answering and may come back.
    struct LostBox
    {
        VoroDevice::Id id;
        VoroDevice last; // the record as last known
        PendingWrites writes;
        quint8 tests_on;
        QDeadlineTimer deadline;
    };

    UserDialogs::Button ask(UserDialogs::Icon icon, const QString& title, const QString& text,
                            UserDialogs::Buttons buttons);
    // The box of a running thread, or null.
    Box* box(VoroDevice::Id id);
    const Box* box(VoroDevice::Id id) const;
    // The box of a running thread that has reported at least once, or null.
    Box* boxWithRecord(VoroDevice::Id id);
    void updateDevice(VoroDevice::Id id, const VoroDevice& data);
    // Firmware decision for one box that needs no update, or cannot have one; true when the box
    // is to be updated (`required` when it cannot be used otherwise).
    bool needsUpdate(VoroDevice::Id id, bool* required);
    // One question (or message) for all boxes to update, then into their bootloaders.
    void offerUpdates(const QList<VoroDevice::Id>& offered, const QList<VoroDevice::Id>& required);
    // The image is usable; otherwise the user is told (once per fault unless `always`).
    bool firmwareImageUsable(bool always);
    // "Lab 2 (3A0F21)", and the same with ": 1.1.1.5 → 1.1.2.17".
    QString boxName(VoroDevice::Id id) const;
    QString updateLine(VoroDevice::Id id) const;
    QString imageVersion() const;
    void startOperation(VoroDevice::Id id, int type);
    void sendToBootloader(VoroDevice::Id id);
    // A backup before a step that may change the settings; false (and the user told) when it
    // could not be made. Remembered, to be compared with the box when it comes back.
    bool backUpBefore(VoroDevice::Id id, SettingsBackup::Reason reason);
    // The first read of a box that was to be updated after it.
    void readBeforeUpdate(VoroDevice::Id id);
    // A box is back from an update or reset: settingsDifferFromBackup when it differs.
    void compareWithBackup(VoroDevice::Id id);
    void watch(VoroDevice::Id id);
    bool enqueue(VoroDevice::Id id, const VoroCommThread::OperationData& op);
    bool enqueueForActuator(VoroDevice::Id id, int type, int index, bool has_test_on = false,
                            uint8_t test_on = 0, std::shared_ptr<std::atomic<bool>> stop = nullptr);
    void continueLogExport(VoroDevice::Id id, const VoroCommThread::OperationData& op,
                           const VoroDevice& data);
    void endLogExport(VoroDevice::Id id, LogExportResult::End end);
    // A write the box was asked for, to be confirmed by a later read.
    void expectWrite(VoroDevice::Id id, WriteOutcome::Kind kind, int actuator_index = -1,
                     const VoroConfig& expected = VoroConfig());
    void confirmWrites(VoroDevice::Id id);
    // Sends a save again that the box fell silent in; its outcome is already expected.
    void resendSave(VoroDevice::Id id, const VoroConfig& config);
    void operationFailed(VoroDevice::Id id, const VoroCommThread::OperationData& op);
    // The first announcement of a box: as a box that came back, when it is one.
    void announce(VoroDevice::Id id);
    void announceBox(VoroDevice::Id id);
    void keepLost(VoroDevice::Id id, Box& box);
    static QString identityKey(const VoroDevice& d);
    static VoroDevice::Id takeNextId();

    // The last id handed out, for the whole program: ids are never reused during a run, also
    // not by a second manager.
    static VoroDevice::Id last_id;

    std::unique_ptr<UserDialogs> own_dialogs;
    UserDialogs* dialogs;
    VoroUsbDetector* detector;
    FirmwareUpdateController* updater = nullptr; // a child
    std::map<VoroDevice::Id, Box> boxes;
    std::vector<LostBox> lost_boxes;
    QSet<QString> updating; // identity keys of boxes in their bootloader for an update
    // Backups made before an update or a reset, by identity key, until the box is back.
    QMap<QString, SettingsBackup> restore_offers;
    QString backup_problem;
    int return_grace_ms = RETURN_GRACE_MS;
    QTimer check_timer;
    bool firmware_questions = true;
    bool asking = false; // a firmware question is open: one at a time
    int deferred_checks = 0;
    QString reported_image_error;
    QString image_version; // of the image last checked
};
