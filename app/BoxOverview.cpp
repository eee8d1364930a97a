#include "app/BoxOverview.h"

#include "app/ApplyDialog.h"
#include "app/BackupsDialog.h"
#include "app/BoxOverviewModel.h"
#include "app/CompareDialog.h"
#include "app/ComparisonTable.h"
#include "device/AppSettings.h"
#include "device/SettingsFile.h"
#include "devicemanager/LogExportBatch.h"
#include "devicemanager/SettingsApply.h"
#include "devicemanager/UserDialogs.h"
#include "devicemanager/VoroManager.h"
#include "firmware/FirmwareUpdateController.h"
#include "records/BoxName.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

BoxOverview::BoxOverview(VoroManager* manager, UserDialogs* dialogs, QWidget* parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_dialogs(dialogs)
    , m_model(new BoxOverviewModel(manager, this))
    , m_sorted(new QSortFilterProxyModel(this))
    , m_view(new QTableView(this))
{
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(BoxOverviewModel::SORT_ROLE);
    m_sorted->setDynamicSortFilter(true);
    m_sorted->sort(BoxOverviewModel::LOCATION);
    m_view->setObjectName(QStringLiteral("m_overviewTable"));
    m_view->setModel(m_sorted);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setAlternatingRowColors(true);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [&](const QString& text, void (BoxOverview::*slot)(), QList<QAction*>& group) {
        QAction* a = bar->addAction(text, this, slot);
        m_view->addAction(a);
        group << a;
        return a;
    };
    add(tr("Compare…"), &BoxOverview::compare, m_anyBoxes);
    add(tr("Apply Settings…"), &BoxOverview::applySettings, m_anyBoxes);
    add(tr("Export Settings…"), &BoxOverview::exportSettings, m_anyBoxes);
    add(tr("Export Logs…"), &BoxOverview::exportLogs, m_anyBoxes);
    add(tr("Update Firmware…"), &BoxOverview::updateFirmware, m_anyBoxes);
    add(tr("Back Up"), &BoxOverview::backUp, m_anyBoxes);
    add(tr("Restore from Backup…"), &BoxOverview::showBackups, m_oneBox);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_view, 1);

    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const VoroDevice::Id id = index.data(BoxOverviewModel::ID_ROLE).toInt();
        if (id != -1)
            emit boxActivated(id);
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BoxOverview::updateActions);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &BoxOverview::updateActions);
    if (FirmwareUpdateController* updater = manager->firmwareUpdater())
        connect(updater, &FirmwareUpdateController::boxChanged, m_model,
                &BoxOverviewModel::onUpdateChanged);
    updateActions();
}

QList<VoroDevice::Id> BoxOverview::selectedIds() const
{
    QList<int> rows;
    for (const QModelIndex& i : m_view->selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    QList<VoroDevice::Id> ids;
    for (const int row : rows) {
        const VoroDevice::Id id = m_sorted->index(row, 0).data(BoxOverviewModel::ID_ROLE).toInt();
        if (id != -1)
            ids << id;
    }
    return ids;
}

void BoxOverview::select(const QList<VoroDevice::Id>& ids)
{
    QItemSelection selection;
    for (const VoroDevice::Id id : ids) {
        const int row = m_model->rowOf(id);
        if (row >= 0) {
            const QModelIndex i = m_sorted->mapFromSource(m_model->index(row, 0));
            selection.select(i, i);
        }
    }
    m_view->selectionModel()->select(
        selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool BoxOverview::isApplyingTo(const QString& serial_number) const
{
    for (const QPointer<SettingsApply>& run : m_applies) {
        if (run && run->isWaitingFor(serial_number))
            return true;
    }
    return false;
}

void BoxOverview::updateActions()
{
    const int n = selectedIds().size();
    for (QAction* a : qAsConst(m_anyBoxes))
        a->setEnabled(n > 0);
    for (QAction* a : qAsConst(m_oneBox))
        a->setEnabled(n == 1);
}

void BoxOverview::information(const QString& title, const QString& text)
{
    m_dialogs->message(window(), UserDialogs::Information, title, text, UserDialogs::Ok);
}

void BoxOverview::warning(const QString& title, const QString& text)
{
    m_dialogs->message(window(), UserDialogs::Warning, title, text, UserDialogs::Ok);
}

void BoxOverview::compare()
{
    const QList<VoroDevice::Id> ids = selectedIds();
    if (ids.size() > 2 || ids.isEmpty()) {
        information(tr("Compare"),
                    tr("Select one box to compare with a settings file, or two "
                       "boxes to compare with each other."));
        return;
    }
    const VoroDevice left = m_manager->device(ids.first());
    VoroConfig right;
    QString right_title;
    if (ids.size() == 2) {
        const VoroDevice other = m_manager->device(ids.last());
        right = other.config;
        right_title = BoxName::qualified(other);
    } else {
        const QString file = m_dialogs->openFileName(window(), tr("Compare"),
                                                     lastFolder(AppSettings::FOLDER_EXPORT_IMPORT),
                                                     QStringLiteral("*.cfg"));
        if (file.isEmpty())
            return;
        setLastFolder(AppSettings::FOLDER_EXPORT_IMPORT, file);
        const SettingsFile::ReadResult read = SettingsFile::read(file, left.config);
        if (!read.ok()) {
            warning(tr("Compare"), VoroManager::settingsFileProblem(read, file));
            return;
        }
        right = read.config;
        right_title = QFileInfo(file).fileName();
    }
    auto* dialog = new CompareDialog(
        tr("Compare"), tr("%1 against %2").arg(BoxName::qualified(left), right_title), window());
    dialog->setObjectName(QStringLiteral("m_compareDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->table()->compare(left.config, right, BoxName::qualified(left), right_title);
    if (dialog->table()->differences() == 0)
        dialog->table()->hide();
    if (dialog->table()->differences() == 0)
        dialog->setWindowTitle(tr("Compare: no difference"));
    dialog->show();
}

void BoxOverview::applySettings()
{
    const QList<VoroDevice::Id> ids = selectedIds();
    if (ids.isEmpty())
        return;
    auto* dialog = new ApplyDialog(m_manager, m_dialogs, ids, window());
    dialog->setObjectName(QStringLiteral("m_applyDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_applies << dialog->run();
    dialog->show();
}

void BoxOverview::exportSettings()
{
    const QList<VoroDevice::Id> ids = selectedIds();
    if (ids.isEmpty())
        return;
    const QString folder = m_dialogs->existingDirectory(
        window(), tr("Export Settings"), lastFolder(AppSettings::FOLDER_EXPORT_IMPORT));
    if (folder.isEmpty())
        return;
    setLastFolder(AppSettings::FOLDER_EXPORT_IMPORT, folder);
    QStringList written, failed;
    for (const VoroDevice::Id id : ids) {
        const VoroDevice d = m_manager->device(id);
        if (d.state != VoroDefinitions::DS__READY) {
            failed << tr("%1: not ready").arg(BoxName::qualified(d));
            continue;
        }
        // Named by location and serial number: boxes of one room do not overwrite each other.
        const QString name = makeFileName(BoxName::location(d), QStringLiteral("voro-BOX"), "")
            + QLatin1Char('_') + makeFileName(d.serial_number, QStringLiteral("box"), ".cfg");
        const QString file = QDir(folder).filePath(name);
        if (SettingsFile::write(file, d.config))
            written << tr("%1: %2").arg(BoxName::qualified(d), name);
        else
            failed << tr("%1: '%2' cannot be written").arg(BoxName::qualified(d), name);
    }
    QString text = tr("Settings exported to %1:\n%2")
                       .arg(QDir::toNativeSeparators(folder), written.join(QLatin1Char('\n')));
    if (!failed.isEmpty())
        text += tr("\n\nNot exported:\n%1").arg(failed.join(QLatin1Char('\n')));
    if (failed.isEmpty())
        information(tr("Export Settings"), text);
    else
        warning(tr("Export Settings"), text);
}

void BoxOverview::exportLogs()
{
    const QList<VoroDevice::Id> ids = selectedIds();
    if (ids.isEmpty() || (m_logExport && m_logExport->isRunning()))
        return;
    const QString folder = m_dialogs->existingDirectory(
        window(), tr("Export Logs"), lastFolder(AppSettings::FOLDER_EXPORT_LOGS));
    if (folder.isEmpty())
        return;
    setLastFolder(AppSettings::FOLDER_EXPORT_LOGS, folder);
    if (!m_logExport) {
        m_logExport = new LogExportBatch(m_manager, this);
        connect(m_logExport, &LogExportBatch::progress, this, [this](VoroDevice::Id, int) {
            ++m_logsDone;
            if (m_logProgress)
                m_logProgress->setValue(m_logsDone);
        });
        connect(m_logExport, &LogExportBatch::boxFinished, this, &BoxOverview::onLogExportFinished);
        connect(m_logExport, &LogExportBatch::finished, this, &BoxOverview::onLogExportsDone);
    }
    m_logResults.clear();
    m_logFolder = folder;
    m_logsDone = 0;
    m_logsWanted = ids.size() * VoroDefinitions::ACTUATOR_COUNT;
    m_logProgress = new QProgressDialog(tr("Reading the logs of %n box(es)…", nullptr, ids.size()),
                                        tr("Cancel"), 0, m_logsWanted, window());
    m_logProgress->setObjectName(QStringLiteral("m_logExportProgress"));
    m_logProgress->setWindowTitle(tr("Export Logs"));
    auto* bar = new QProgressBar(m_logProgress);
    bar->setFormat(tr("%v of %m"));
    m_logProgress->setBar(bar);
    m_logProgress->setRange(0, m_logsWanted);
    m_logProgress->setAutoClose(false);
    m_logProgress->setAutoReset(false);
    m_logProgress->setMinimumDuration(0);
    connect(m_logProgress, &QProgressDialog::canceled, m_logExport, &LogExportBatch::cancel);
    const QList<VoroDevice::Id> refused = m_logExport->start(ids, folder);
    for (const VoroDevice::Id id : refused)
        m_logResults << tr("%1: not ready, or its logs are being exported already")
                            .arg(BoxName::qualified(m_manager->device(id)));
}

void BoxOverview::onLogExportFinished(VoroDevice::Id, const LogExportResult& r)
{
    QString text;
    switch (r.end) {
    case LogExportResult::COMPLETE:
        text = r.not_written.isEmpty()
            ? tr("%1: all logs exported").arg(r.box)
            : tr("%1: %n file(s) could not be written", nullptr, r.not_written.size()).arg(r.box);
        break;
    case LogExportResult::FOLDER_NOT_WRITABLE:
        text = tr("%1: the folder cannot be written to").arg(r.box);
        break;
    case LogExportResult::BOX_STOPPED:
        text = tr("%1: stopped answering; %n log(s) not read", nullptr, r.not_read.size())
                   .arg(r.box);
        break;
    case LogExportResult::CANCELLED:
        text = tr("%1: cancelled; %2 of %3 logs written")
                   .arg(r.box)
                   .arg(r.written.size())
                   .arg(VoroDefinitions::ACTUATOR_COUNT);
        break;
    }
    m_logResults << text;
}

void BoxOverview::onLogExportsDone()
{
    delete m_logProgress;
    information(tr("Export Logs"),
                tr("Log export into %1:\n%2")
                    .arg(QDir::toNativeSeparators(m_logFolder), m_logResults.join(QLatin1Char('\n'))));
}

void BoxOverview::updateFirmware()
{
    QList<VoroDevice::Id> outdated;
    QStringList lines;
    for (const VoroDevice::Id id : selectedIds()) {
        const VoroDevice d = m_manager->device(id);
        if (d.state == VoroDefinitions::DS__READY
            && VoroManager::isOlderVersion(d.firmware_version,
                                           QString::fromLatin1(VoroManager::FIRMWARE_VERSION))) {
            outdated << id;
            lines << QStringLiteral("%1: %2 \u2192 %3")
                         .arg(BoxName::qualified(d), d.firmware_version,
                              QString::fromLatin1(VoroManager::FIRMWARE_VERSION));
        }
    }
    if (outdated.isEmpty()) {
        information(tr("Update Firmware"), tr("None of the selected boxes has outdated firmware."));
        return;
    }
    if (m_dialogs->message(window(), UserDialogs::Question, tr("Update Firmware"),
                           tr("Update the firmware of these boxes? Their settings are backed up "
                              "first.\n\n%1")
                               .arg(lines.join(QLatin1Char('\n'))),
                           UserDialogs::Yes | UserDialogs::No, UserDialogs::No)
        != UserDialogs::Yes)
        return;
    // The window's update dialog shows them from here on.
    for (const VoroDevice::Id id : outdated)
        m_manager->enterBootloader(id);
}

void BoxOverview::backUp()
{
    QStringList done, failed;
    for (const VoroDevice::Id id : selectedIds()) {
        const QString box = BoxName::qualified(m_manager->device(id));
        const SettingsBackup made = m_manager->backUp(id, SettingsBackup::MANUAL);
        if (made.isValid())
            done << box;
        else
            failed << tr("%1: %2").arg(box, m_manager->backupProblem());
    }
    if (failed.isEmpty())
        information(tr("Back Up"),
                    tr("The settings have been backed up:\n%1").arg(done.join(QLatin1Char('\n'))));
    else
        warning(tr("Back Up"),
                tr("These boxes could not be backed up:\n%1").arg(failed.join(QLatin1Char('\n'))));
}

void BoxOverview::showBackups()
{
    const QList<VoroDevice::Id> ids = selectedIds();
    if (ids.size() != 1)
        return;
    auto* dialog = new BackupsDialog(m_manager, m_dialogs, ids.first(), window());
    dialog->setObjectName(QStringLiteral("m_backupsDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
