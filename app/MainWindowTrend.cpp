// The live trend of the selected box, in a dock below the table that the user can close.
#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "app/TrendView.h"
#include "devicemanager/LiveTrend.h"
#include "devicemanager/VoroManager.h"

#include <QDockWidget>

void MainWindow::setUpTrend()
{
    // Every box is recorded from the moment it is ready, shown or not.
    m_liveTrend = new LiveTrend(m_manager);
    m_trendView = new TrendView(m_liveTrend, m_dialogs);
    auto* dock = new QDockWidget(tr("Live Trend"), this);
    dock->setObjectName(QStringLiteral("m_trendDock"));
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
                      | QDockWidget::DockWidgetFloatable);
    dock->setWidget(m_trendView);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    QAction* toggle = dock->toggleViewAction();
    toggle->setText(tr("&Live Trend"));
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    ui->menuDevice_Actions->addSeparator();
    ui->menuDevice_Actions->addAction(toggle);
}

void MainWindow::showTrend()
{
    if (m_trendView)
        m_trendView->showBox(m_device.id, m_baseline.actuator_locations);
}
