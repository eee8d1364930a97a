// Exporting a box's logs: the folder asked for, a progress dialog with Cancel, and an end that
// says where the files went and what is missing.
#include "app/MainWindow.h"

#include "devicemanager/UserDialogs.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>
#include <QProgressDialog>
#include <QUrl>

namespace {
QString fileNames(const QStringList& files)
{
    QStringList names;
    for (const QString& file : files)
        names << QFileInfo(file).fileName();
    return names.join(QLatin1Char('\n'));
}
} // namespace

void MainWindow::on_actionExport_Logs_triggered()
{
    if (!writable())
        return;
    const VoroDevice::Id id = m_device.id;
    const QString name = boxName();
    // Set first: a folder that cannot be written to is reported before exportLogs returns.
    m_exportId = id;
    m_manager->exportLogs(id); // asks for the folder
    if (!m_manager->isExportingLogs(id)) {
        m_exportId = -1;
        return;
    }
    m_exportProgress = new QProgressDialog(tr("Reading the logs of %1…").arg(name), tr("Cancel"), 0,
                                           VoroDefinitions::ACTUATOR_COUNT, this);
    m_exportProgress->setWindowTitle(tr("Export Logs"));
    // Logs are counted, not percents: "3 of 8".
    auto* bar = new QProgressBar(m_exportProgress);
    bar->setFormat(tr("%v of %m"));
    m_exportProgress->setBar(bar);
    m_exportProgress->setRange(0, VoroDefinitions::ACTUATOR_COUNT);
    m_exportProgress->setWindowModality(Qt::WindowModal);
    m_exportProgress->setAutoClose(false);
    m_exportProgress->setAutoReset(false);
    m_exportProgress->setMinimumDuration(0);
    m_exportProgress->setValue(0);
    connect(m_exportProgress, &QProgressDialog::canceled, this, [this, id] {
        m_manager->cancelLogExport(id);
        if (m_exportProgress)
            m_exportProgress->setLabelText(tr("Cancelling…"));
    });
}

void MainWindow::onLogExportProgress(VoroDevice::Id id, int done)
{
    if (m_exportProgress && id == m_exportId)
        m_exportProgress->setValue(done);
}

void MainWindow::onLogsExported(VoroDevice::Id id, const LogExportResult& r)
{
    // The exports of many boxes at once are the Boxes overview's to report.
    if (id != m_exportId)
        return;
    delete m_exportProgress;
    m_exportId = -1;
    const QString folder = QDir::toNativeSeparators(r.folder);
    UserDialogs::Icon icon = UserDialogs::Warning;
    QString text;
    switch (r.end) {
    case LogExportResult::FOLDER_NOT_WRITABLE:
        warning(tr("Log Export"),
                tr("The folder '%1' cannot be written to. No log of %2 has been read.")
                    .arg(folder, r.box));
        return;
    case LogExportResult::COMPLETE:
        if (r.not_written.isEmpty()) {
            icon = UserDialogs::Information;
            text = tr("All logs of %1 have been exported to:\n%2").arg(r.box, folder);
        } else {
            text = tr("The logs of %1 have been exported to:\n%2\n\nThese files could not be "
                      "written:\n%3")
                       .arg(r.box, folder, fileNames(r.not_written));
        }
        break;
    case LogExportResult::BOX_STOPPED:
        text = tr("%1 stopped answering during the log export. These logs have not been "
                  "read:\n%2\n\nThe others are in:\n%3")
                   .arg(r.box, fileNames(r.not_read + r.not_written), folder);
        break;
    case LogExportResult::CANCELLED:
        icon = UserDialogs::Information;
        text = tr("The log export of %1 has been cancelled; %2 of %3 logs have been written "
                  "to:\n%4")
                   .arg(r.box)
                   .arg(r.written.size())
                   .arg(VoroDefinitions::ACTUATOR_COUNT)
                   .arg(folder);
        break;
    }
    QList<UserDialogs::ChoiceButton> buttons { { tr("Open Folder"), UserDialogs::ActionRole },
                                               { tr("Close"), UserDialogs::RejectRole } };
    if (r.written.isEmpty())
        buttons.removeFirst();
    const int answer
        = m_dialogs->choice(this, icon, tr("Log Export"), text, buttons, buttons.size() - 1);
    if (!r.written.isEmpty() && answer == 0)
        QDesktopServices::openUrl(QUrl::fromLocalFile(r.folder));
}
