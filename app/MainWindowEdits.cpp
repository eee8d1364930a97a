// The working copy's edits: the question after a change made at the box, Save and Revert, the
// question before edits could be lost, and what the box says about every write.
#include "app/MainWindow.h"

#include "app/BoxOverview.h"

#include "ui_MainWindow.h"

#include "app/BoxList.h"
#include "app/ButtonDelegate.h"
#include "devicemanager/UserDialogs.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"
#include "records/ConfigField.h"
#include "records/SettingRules.h"

#include <QDebug>

namespace {
// At most one conflict question is on screen, whichever window asks; it goes when its box does.
QPointer<QObject> s_conflict;
} // namespace

void MainWindow::withdrawQuestions()
{
    delete s_conflict; // a question about a box that went goes with it
}

void MainWindow::resolveConflict(VoroDevice::Id id)
{
    if (s_conflict)
        return;
    s_conflict = new QObject(this);
    const int answer = m_dialogs->choice(
        this, UserDialogs::Warning, tr("Settings Conflict Detected"),
        tr("The settings of %1 have been changed externally.\n\nWhat would you like to "
           "do?\n\nReloading will discard your local changes and load the externally changed "
           "settings.\nKeeping local settings keeps the fields you changed and takes the "
           "external changes for all others.")
            .arg(boxName()),
        { { tr("Reload Device Settings"), UserDialogs::AcceptRole },
          { tr("Keep Local Settings"), UserDialogs::RejectRole } },
        1, s_conflict);
    const bool withdrawn = !s_conflict;
    delete s_conflict;
    // The question runs its own event loop: its box may have gone, or another be selected.
    if (withdrawn || m_device.id != id || m_reconnecting)
        return;
    m_manager->acceptDeviceSettings(id);
    const VoroDevice d = m_manager->device(id);
    if (answer == 0) {
        m_device.config = d.config;
        m_baseline = d.config;
    } else {
        rebase(d.config);
    }
    showWorkingCopy();
    m_boxes->put(d);
}

MainWindow::Leaving MainWindow::askAboutEdits(const QString& title)
{
    if (!hasEdits())
        return PROCEED;
    if (m_reconnecting) {
        const UserDialogs::Button answer = m_dialogs->message(
            this, UserDialogs::Question, title,
            tr("%1 has changes that are not saved, and it does not answer at the "
               "moment.\n\nDo you want to discard them?")
                .arg(boxName()),
            UserDialogs::Discard | UserDialogs::Cancel, UserDialogs::Cancel);
        return answer == UserDialogs::Discard ? PROCEED : CANCEL;
    }
    const UserDialogs::Button answer = m_dialogs->message(
        this, UserDialogs::Question, title,
        tr("%1 has changes that are not saved.\n\nDo you want to save them?").arg(boxName()),
        UserDialogs::Save | UserDialogs::Discard | UserDialogs::Cancel, UserDialogs::Save);
    switch (answer) {
    case UserDialogs::Save:
        return writable() && save() ? PROCEED : CANCEL;
    case UserDialogs::Discard:
        if (selected()) {
            m_device.config = m_baseline;
            showWorkingCopy();
        }
        return PROCEED;
    default:
        return CANCEL;
    }
}

void MainWindow::endTests()
{
    if (!selected())
        return;
    // Unchecking reports each button as a click, which sends the end of its test.
    m_testDelegate->resetCheckState();
    m_manager->endTests(m_device.id);
}

// ---- Save and Revert ----

void MainWindow::on_m_revert_clicked()
{
    if (!writable())
        return;
    endTests();
    m_device.config = m_baseline;
    showWorkingCopy();
}

void MainWindow::on_m_save_clicked()
{
    save();
}

bool MainWindow::save(bool for_import)
{
    if (!writable())
        return false;
    // Whatever way a value came in, the box is given only what it may hold.
    if (const std::optional<SettingProblem> problem
        = SettingRules::check(m_device.config, m_baseline)) {
        warning(tr("Save"),
                tr("The settings cannot be saved to %1:\n%2").arg(boxName(), problem->text()));
        return false;
    }
    if (m_device.config.actuator_settings != m_baseline.actuator_settings) {
        qDebug("saving actuator configs");
        m_manager->writeActuatorSettings(m_device.id, m_device.config);
    }
    m_manager->writeConfig(m_device.id, m_device.config);
    m_saves << for_import;
    updateEditButtons();
    status(tr("Saving to %1…").arg(boxName()));
    return true;
}

// ---- what became of every write ----

void MainWindow::onWriteFinished(const WriteOutcome& w)
{
    const bool ours = selected() && w.id == m_device.id;
    const QString reason = w.reason();
    switch (w.kind) {
    case WriteOutcome::SAVE: {
        // Settings applied from the Boxes overview are reported there, box by box.
        if (m_overview && m_overview->isApplyingTo(w.serial_number)) {
            updateEditButtons();
            return;
        }
        const bool imported = ours && !m_saves.isEmpty() && m_saves.takeFirst();
        updateEditButtons();
        if (!w.success) {
            m_closeAfterSave = false;
            const QString text = imported
                ? tr("The settings could not be imported into %1: %2.").arg(w.box, reason)
                : tr("The settings could not be saved to %1: %2.").arg(w.box, reason);
            status(text);
            warning(imported ? tr("Import Settings") : tr("Save"), text);
            return;
        }
        status(tr("Saved to %1").arg(w.box));
        if (imported)
            information(tr("Import Settings"),
                        tr("The settings have been successfully imported into %1.").arg(w.box));
        if (m_closeAfterSave && m_saves.isEmpty())
            close();
        return;
    }
    case WriteOutcome::CLEAR_ERRORS:
        if (w.success) {
            status(tr("Stored errors of actuator %1 cleared on %2")
                       .arg(w.actuator_index + 1)
                       .arg(w.box));
        } else {
            warning(tr("Clear Errors"),
                    tr("The stored errors of actuator %1 of %2 could not be "
                       "cleared: %3.")
                        .arg(w.actuator_index + 1)
                        .arg(w.box, reason));
        }
        return;
    case WriteOutcome::TEST_OFF:
        if (w.success) {
            status(tr("Test of actuator %1 ended on %2").arg(w.actuator_index + 1).arg(w.box));
        } else {
            warning(tr("Test"),
                    tr("The test of actuator %1 of %2 could not be ended: %3.")
                        .arg(w.actuator_index + 1)
                        .arg(w.box, reason));
        }
        return;
    case WriteOutcome::FACTORY_RESET:
        if (w.success) {
            status(tr("%1 has been reset to factory defaults.").arg(w.box));
        } else {
            warning(tr("Reset To Factory Defaults"),
                    tr("%1 could not be reset to factory defaults: %2.").arg(w.box, reason));
        }
        return;
    }
}
