// The menu actions: settings files, log export and import, factory reset, firmware update and
// About.
#include "app/MainWindow.h"

#include "app/AboutDlg.h"
#include "device/AppSettings.h"
#include "devicemanager/UserDialogs.h"
#include "devicemanager/VoroManager.h"
#include "logplot/PlotDlg.h"

#include <QDir>

void MainWindow::onLogsExported(VoroDevice::Id, const QStringList& failed_files)
{
    if (failed_files.isEmpty()) {
        information(tr("Log Export"), tr("All logs have been exported."));
        return;
    }
    QStringList shown;
    for (const QString& file : failed_files)
        shown << QDir::toNativeSeparators(file);
    warning(tr("Log Export"),
            tr("The logs have been exported, except these files, which could not be "
               "written:\n%1")
                .arg(shown.join(QLatin1Char('\n'))));
}

void MainWindow::on_actionExport_Settings_triggered()
{
    // Unsaved edits are exported as they stand.
    if (writable())
        m_manager->exportSettings(m_device, QString());
}

void MainWindow::on_actionImport_Settings_triggered()
{
    if (!writable())
        return;
    const VoroDevice::Id id = m_device.id;
    bool cancelled = true;
    const VoroDevice imported = m_manager->importSettings(m_device, &cancelled);
    // The file dialog runs its own event loop, in which the box may have gone.
    if (cancelled || m_device.id != id || !writable())
        return;
    if (m_device.config == imported.config) {
        information(tr("Import Settings"), tr("No change has been detected."));
        return;
    }
    m_device.config = imported.config;
    on_m_save_clicked();
    information(tr("Import Settings"), tr("The settings have been successfully imported."));
}

void MainWindow::on_actionExport_Logs_triggered()
{
    if (writable())
        m_manager->exportLogs(m_device.id); // onLogsExported tells when it is done
}

void MainWindow::on_actionImport_Log_triggered()
{
    const QString file = m_dialogs->openFileName(this, tr("Import Log"),
                                                 lastFolder(AppSettings::FOLDER_IMPORT_LOG),
                                                 QStringLiteral("*.csv"));
    if (file.isEmpty())
        return;
    setLastFolder(AppSettings::FOLDER_IMPORT_LOG, file);
    bool readable = false;
    const LogData log = LogData::readCsvFile(file, &readable);
    const QString shown = QDir::toNativeSeparators(file);
    if (!readable)
        warning(tr("Import Log"), tr("Unable to read the log file '%1'.").arg(shown));
    else if (log.count() == 0)
        warning(tr("Import Log"), tr("The file '%1' holds no valid log data.").arg(shown));
    else
        m_plotDlg->showLog(-1, file, log);
}

void MainWindow::on_actionFirmware_Update_triggered()
{
    if (!writable())
        return;
    // The manager checks the image and asks, naming the box and its versions.
    m_manager->requestFirmwareUpdate(m_device.id);
}

void MainWindow::on_actionReset_To_Factory_Defaults_triggered()
{
    if (!writable())
        return;
    const VoroDevice::Id id = m_device.id;
    if (question(tr("Reset To Factory Defaults"),
                 tr("Do you really want to reset to factory defaults? All settings will be "
                    "reset.")))
        m_manager->factoryReset(id);
}

void MainWindow::on_actionAbout_triggered()
{
    AboutDlg about(this);
    about.exec();
}
