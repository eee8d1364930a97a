// The Boxes overview in its dock, and the restore offered after an update or a reset.
#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "app/BackupsDialog.h"
#include "app/BoxList.h"
#include "app/BoxOverview.h"
#include "app/CompareDialog.h"
#include "app/ComparisonTable.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"

#include <QAction>
#include <QDockWidget>
#include <QLocale>
#include <QTableView>

void MainWindow::setUpOverview()
{
    m_overview = new BoxOverview(m_manager, m_dialogs, this);
    auto* dock = new QDockWidget(tr("Boxes Overview"), this);
    dock->setObjectName(QStringLiteral("m_overviewDock"));
    dock->setWidget(m_overview);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
                      | QDockWidget::DockWidgetFloatable);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    // Shows the overview and takes the keyboard there; the dock's own button closes it.
    auto* show = new QAction(tr("&Boxes Overview"), this);
    show->setObjectName(QStringLiteral("actionBoxes_Overview"));
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(show, &QAction::triggered, this, [this, dock] {
        dock->show();
        dock->raise();
        m_overview->view()->setFocus(Qt::ShortcutFocusReason);
    });
    ui->menuDevice_Actions->addSeparator();
    ui->menuDevice_Actions->addAction(show);
    // Double-click picks the box as the list would: edits are asked about first.
    connect(m_overview, &BoxOverview::boxActivated, this, [this](VoroDevice::Id id) {
        const int index = m_boxes->indexOf(id);
        if (index >= 0)
            onCurrentDeviceChanged(index);
    });
    connect(m_manager, &VoroManager::settingsDifferFromBackup, this,
            &MainWindow::onSettingsDifferFromBackup);
}

void MainWindow::onSettingsDifferFromBackup(VoroDevice::Id id, const SettingsBackup& backup)
{
    const VoroDevice d = m_manager->device(id);
    const SettingsFile::ReadResult read = backup.read(d.config);
    if (!read.ok())
        return;
    const QString name = BoxName::qualified(d);
    const QString when = QLocale().toString(backup.time, QLocale::ShortFormat);
    auto* offer = new CompareDialog(
        tr("Restore Settings"),
        tr("%1 is back after: %2. Its settings differ from the backup made before (%3). "
           "Restore them?")
            .arg(name, SettingsBackup::reasonText(backup.reason), when),
        this, tr("Restore"), tr("Keep Current Settings"));
    offer->setObjectName(QStringLiteral("m_restoreOffer"));
    offer->setAttribute(Qt::WA_DeleteOnClose);
    offer->table()->compare(d.config, read.config, tr("Now"), tr("Backup of %1").arg(when));
    // The box may have come back under another id by the time the user answers: it is found
    // again by its serial number.
    const QString serial = d.serial_number;
    connect(offer, &QDialog::accepted, this, [this, serial, id, backup] {
        VoroDevice::Id now = id;
        for (const VoroDevice::Id other : m_manager->deviceIds()) {
            if (!serial.isEmpty() && m_manager->device(other).serial_number == serial)
                now = other;
        }
        BackupsDialog::restore(m_manager, now, backup, this,
                               [this](const QString& text) { status(text); });
    });
    offer->show();
}
