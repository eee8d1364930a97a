#include "app/BackupsDialog.h"

#include "app/ComparisonTable.h"
#include "devicemanager/SettingsApply.h"
#include "devicemanager/UserDialogs.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

BackupsDialog::BackupsDialog(VoroManager* manager, UserDialogs* dialogs, VoroDevice::Id id,
                             QWidget* parent)
    : QDialog(parent)
    , m_manager(manager)
    , m_dialogs(dialogs)
    , m_id(id)
    , m_count(new QLabel(this))
    , m_list(new QTableWidget(0, 2, this))
    , m_preview(new ComparisonTable(this))
    , m_status(new QLabel(this))
{
    const VoroDevice d = manager->device(id);
    m_serial = d.serial_number;
    m_box = BoxName::qualified(d);
    setWindowTitle(tr("Backups of %1").arg(m_box));
    m_list->setHorizontalHeaderLabels({ tr("Time"), tr("Reason") });
    m_list->verticalHeader()->hide();
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_status->setWordWrap(true);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_list);
    split->addWidget(m_preview);
    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(tr("Restore…"), QDialogButtonBox::ActionRole);
    m_delete = buttons->addButton(tr("Delete"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_count);
    layout->addWidget(split, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    connect(m_restore, &QPushButton::clicked, this, &BackupsDialog::restoreSelected);
    connect(m_delete, &QPushButton::clicked, this, &BackupsDialog::deleteSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, &BackupsDialog::showPreview);
    resize(640, 520);
    reload();
}

void BackupsDialog::reload()
{
    m_backups = SettingsBackup::list(m_serial);
    m_count->setText(tr("%n backup(s) of %1, newest first.", nullptr, m_backups.size()).arg(m_box));
    m_list->setRowCount(m_backups.size());
    for (int row = 0; row < m_backups.size(); ++row) {
        const SettingsBackup& b = m_backups.at(row);
        m_list->setItem(row, 0,
                        new QTableWidgetItem(QLocale().toString(b.time, QLocale::ShortFormat)));
        m_list->setItem(row, 1, new QTableWidgetItem(SettingsBackup::reasonText(b.reason)));
        m_list->item(row, 0)->setToolTip(b.file);
    }
    m_list->resizeColumnsToContents();
    if (!m_backups.isEmpty())
        m_list->selectRow(0);
    showPreview();
}

QList<int> BackupsDialog::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& i : m_list->selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void BackupsDialog::showPreview()
{
    const QList<int> rows = selectedRows();
    const VoroDevice d = m_manager->device(m_id);
    m_restore->setEnabled(rows.size() == 1 && d.state == VoroDefinitions::DS__READY);
    m_delete->setEnabled(!rows.isEmpty());
    m_preview->setRowCount(0);
    if (rows.size() != 1 || d.id == -1)
        return;
    const SettingsFile::ReadResult read = m_backups.at(rows.first()).read(d.config);
    if (!read.ok()) {
        m_status->setText(VoroManager::settingsFileProblem(read, m_backups.at(rows.first()).file));
        m_restore->setEnabled(false);
        return;
    }
    m_preview->compare(d.config, read.config, tr("Now"), tr("Backup"));
    m_status->setText(
        m_preview->differences() == 0
            ? tr("The box holds the settings of this backup.")
            : tr("Restoring this backup changes %n field(s).", nullptr, m_preview->differences()));
}

void BackupsDialog::restoreSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    const SettingsBackup backup = m_backups.at(rows.first());
    if (m_dialogs->message(this, UserDialogs::Question, tr("Restore Settings"),
                           tr("Write the settings of the backup of %1 back to %2?")
                               .arg(QLocale().toString(backup.time, QLocale::ShortFormat), m_box),
                           UserDialogs::Yes | UserDialogs::No, UserDialogs::No)
        != UserDialogs::Yes)
        return;
    m_restore->setEnabled(false);
    restore(m_manager, m_id, backup, this, [this](const QString& text) {
        m_status->setText(text);
        reload();
    });
}

void BackupsDialog::deleteSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    if (m_dialogs->message(this, UserDialogs::Question, tr("Delete Backups"),
                           tr("Delete %n backup(s) of %1?", nullptr, rows.size()).arg(m_box),
                           UserDialogs::Yes | UserDialogs::No, UserDialogs::No)
        != UserDialogs::Yes)
        return;
    for (const int row : rows)
        QFile::remove(m_backups.at(row).file);
    reload();
}

bool BackupsDialog::restore(VoroManager* manager, VoroDevice::Id id, const SettingsBackup& backup,
                            QObject* owner, std::function<void(const QString&)> report)
{
    auto* run = new SettingsApply(manager, owner);
    const SettingsFile::ReadResult read = backup.read(manager->device(id).config);
    if (!read.ok() || !run->prepare(read.config, { id }, true)) {
        report(read.ok() ? run->plans().value(0).problem
                         : VoroManager::settingsFileProblem(read, backup.file));
        run->deleteLater();
        return false;
    }
    QObject::connect(
        run, &SettingsApply::boxFinished, owner, [report](const SettingsApply::Result& r) {
            switch (r.end) {
            case SettingsApply::Result::UNCHANGED:
                report(tr("%1 holds these settings already.").arg(r.box));
                break;
            case SettingsApply::Result::SAVED:
                report(tr("The backup has been restored to %1.").arg(r.box));
                break;
            case SettingsApply::Result::FAILED:
                report(tr("The backup could not be restored to %1: %2.").arg(r.box, r.reason));
                break;
            }
        });
    QObject::connect(run, &SettingsApply::finished, run, &QObject::deleteLater);
    run->start(SettingsBackup::APPLY);
    return true;
}
