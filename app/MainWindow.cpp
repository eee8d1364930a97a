// The window itself: construction, what is enabled when, closing, and its message boxes.
#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "app/ActuatorCellDelegate.h"
#include "app/ActuatorModel.h"
#include "app/ActuatorTable.h"
#include "app/BoxList.h"
#include "app/ButtonDelegate.h"
#include "app/CenteredBoxProxy.h"
#include "app/ComboBoxDelegate.h"
#include "app/DeviceProperties.h"
#include "app/FirmwareUpdater.h"
#include "app/NoBoxHint.h"
#include "app/OpenFailureNotice.h"
#include "app/StandardDialogs.h"
#include "app/Version.h"
#include "app/WindowPlacement.h"
#include "device/AppSettings.h"
#include "devicemanager/VoroManager.h"
#include "logplot/PlotDlg.h"
#include "propertyeditor/PropertyObject.h"
#include "propertyeditor/QPropertyEditorWidget.h"
#include "records/BoxName.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDockWidget>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QSettings>

namespace {
const QString GEOMETRY_KEY = QStringLiteral("window/geometry");
// Whether the user left each dock open, by its object name: one closed on a small screen stays
// closed at the next start.
const QString DOCKS_KEY = QStringLiteral("window/docks/");
} // namespace

MainWindow::MainWindow(QWidget* parent, UserDialogs* dialogs)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_ownDialogs(dialogs ? nullptr : new StandardDialogs)
    , m_dialogs(dialogs ? dialogs : m_ownDialogs.get())
    // The buttons take the height their style gives them: the table then fits on a laptop.
    , m_copyDelegate(new ButtonDelegate(tr("Copy Settings"), false, 0, this))
    , m_pasteDelegate(new ButtonDelegate(tr("Paste Settings"), false, 0, this))
    , m_clearErrorsDelegate(new ButtonDelegate(tr("Clear Errors"), false, 0, this))
    , m_logDelegate(new ButtonDelegate(tr("Log"), false, 0, this))
    , m_testDelegate(new ButtonDelegate(tr("Test"), true, 0, this))
    , m_controlSourceDelegate(new ComboBoxDelegate("ControlSource", this))
    , m_sensorTypeDelegate(new ComboBoxDelegate("SensorType", this))
    , m_actuatorTypeDelegate(new ComboBoxDelegate("ActuatorType", this))
    , m_manager(new VoroManager(this, m_dialogs))
    , m_model(new ActuatorModel(this))
    , m_plotDlg(new PlotDlg(this))
{
    ui->setupUi(this);
    m_boxes = std::make_unique<BoxList>(ui->m_devices);
    setWindowTitle(tr("%1 Configuration and Diagnostic Utility %2")
                       .arg(QLatin1String(Version::PRODUCT), QLatin1String(Version::PROGRAM)));
    // The platform's own Quit keys: Ctrl+X is Cut in every text field.
    ui->actionExit->setShortcuts(QKeySequence::Quit);

    QFont small = QApplication::font();
    small.setPointSize(9);
    ui->m_properties->setFont(small);
    ui->m_properties->setHeaderHidden(true);
    ui->m_properties->setFixedWidth(330);
    ui->m_properties->setColumnWidth(0, 220);

    connect(ui->m_properties, &QPropertyEditorWidget::inputRefused, this,
            [this](QObject* group, const QString& property) {
                if (auto* g = qobject_cast<DeviceProperties*>(group)) {
                    if (const std::optional<SettingProblem> rule = g->typedRule(property))
                        status(rule->text());
                }
            });

    registerIconFonts();
    QApplication::setStyle(new CenteredBoxProxy);

    m_model->setCapabilities(ALL_CAPABILITIES);
    connect(m_model, &ActuatorModel::configChanged, this, &MainWindow::onActuatorConfigChanged);
    // After the editor has finished its commit: a message box must not open inside it.
    connect(m_model, &ActuatorModel::editRefused, this, &MainWindow::onEditRefused,
            Qt::QueuedConnection);
    setUpTable();

    connect(&m_repeatTestTimer, &QTimer::timeout, this, &MainWindow::repeatTests);
    m_repeatTestTimer.start(REPEAT_TEST_INTERVAL_MS);

    connectManager();
    setUpTrend();
    connect(ui->m_devices, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MainWindow::onCurrentDeviceChanged);
    // A box that is seen but cannot be opened is named in the status bar, without a dialog.
    auto* notice = new OpenFailureNotice(m_manager, statusBar());
    m_noBoxHint = new NoBoxHint(ui->centralWidget);
    ui->verticalLayout->insertWidget(0, m_noBoxHint, 1);
    connect(notice, &OpenFailureNotice::shownChanged, m_noBoxHint, &NoBoxHint::setAccessProblem);
    if (m_manager->firmwareUpdater())
        new FirmwareUpdater(m_manager->firmwareUpdater(), this);
    setUpOverview();
    // The trend and the overview share the room below the table as tabs, the trend in front:
    // side by side neither has the width it needs.
    auto* trend = findChild<QDockWidget*>(QStringLiteral("m_trendDock"));
    auto* overview = findChild<QDockWidget*>(QStringLiteral("m_overviewDock"));
    if (trend && overview)
        tabifyDockWidget(overview, trend);
    const QSettings settings(AppSettings::ORGANISATION, AppSettings::APPLICATION);
    for (QDockWidget* dock : findChildren<QDockWidget*>()) {
        if (!settings.value(DOCKS_KEY + dock->objectName(), true).toBool())
            dock->close();
    }

    onDeviceDeleted(-1); // no box selected yet
    WindowPlacement::place(this, QSize(1510, 850),
                           QSettings(AppSettings::ORGANISATION, AppSettings::APPLICATION)
                               .value(GEOMETRY_KEY)
                               .toByteArray());
}

MainWindow::~MainWindow()
{
    QSettings settings(AppSettings::ORGANISATION, AppSettings::APPLICATION);
    settings.setValue(GEOMETRY_KEY, saveGeometry());
    // What the user chose: a dock closed is hidden itself, while closing the window only hides
    // the docks with it (and unchecks their menu entries).
    for (const QDockWidget* dock : findChildren<QDockWidget*>())
        settings.setValue(DOCKS_KEY + dock->objectName(), !dock->isHidden());
    // The boxes' threads stop while the window is still whole (running tests are ended on the
    // way), and the editor lets go of the groups, which point into the working copy, before
    // either goes.
    delete m_manager;
    m_manager = nullptr;
    ui->m_properties->showObject(nullptr);
}

void MainWindow::connectManager()
{
    VoroManager* m = m_manager;
    connect(m, &VoroManager::deviceDetected, this, &MainWindow::onDeviceDetected);
    connect(m, &VoroManager::deviceUpdated, this, &MainWindow::onDeviceUpdated);
    connect(m, &VoroManager::deviceDeleted, this, &MainWindow::onDeviceDeleted);
    connect(m, &VoroManager::deviceReturned, this, &MainWindow::onDeviceReturned);
    connect(m, &VoroManager::deviceLost, this, &MainWindow::onDeviceLost);
    connect(m, &VoroManager::writeFinished, this, &MainWindow::onWriteFinished);
    connect(m, &VoroManager::logRead, this, &MainWindow::onLogRead);
    connect(m, &VoroManager::logReadFailed, this, &MainWindow::onLogReadFailed);
    connect(m, &VoroManager::logExportProgress, this, &MainWindow::onLogExportProgress);
    connect(m, &VoroManager::logExportComplete, this, &MainWindow::onLogsExported);
}

void MainWindow::setUpTable()
{
    ActuatorTable* table = ui->m_actuators;
    table->setModel(m_model);
    auto* cells = new ActuatorCellDelegate(table);
    table->setItemDelegate(cells);
    // Typed input that is refused or limited is said where the user looks next, without a
    // dialog in the way.
    connect(cells, &ActuatorCellDelegate::inputRefused, this, &MainWindow::status);
    connect(m_model, &ActuatorModel::editLimited, this, &MainWindow::status);
    table->setItemDelegateForRow(ActuatorModel::ROW_COPY_SETTINGS, m_copyDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_PASTE_SETTINGS, m_pasteDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_CLEAR_ERRORS, m_clearErrorsDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_TEST, m_testDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_LOG, m_logDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_CONTROL_SOURCE, m_controlSourceDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_SENSOR_TYPE, m_sensorTypeDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_ACTUATOR_TYPE, m_actuatorTypeDelegate);

    connect(m_copyDelegate, &ButtonDelegate::clicked, this, &MainWindow::onCopy);
    connect(m_pasteDelegate, &ButtonDelegate::clicked, this, &MainWindow::onPaste);
    connect(m_clearErrorsDelegate, &ButtonDelegate::clicked, this, &MainWindow::onClearErrors);
    connect(m_logDelegate, &ButtonDelegate::clicked, this, &MainWindow::onShowLog);
    connect(m_testDelegate, &ButtonDelegate::clicked, this, &MainWindow::onTestActuator);
}

void MainWindow::registerIconFonts()
{
    // Nothing selects the family yet. The commercial font is embedded only where a licensed
    // copy was at hand at build time; without it there is nothing to register, or to warn of.
    static const char* const faces[]
        = { "Font Awesome 5 Pro-Light-300", "Font Awesome 5 Pro-Solid-900",
            "Font Awesome 5 Pro-Regular-400" };
    for (const char* face : faces) {
        const QString file = QStringLiteral(":/%1.otf").arg(QLatin1String(face));
        if (QFile::exists(file) && QFontDatabase::addApplicationFont(file) < 0)
            qWarning("%s cannot be loaded !", face);
    }
}

bool MainWindow::writable() const
{
    return selected() && !m_reconnecting && m_device.state == VoroDefinitions::DS__READY;
}

bool MainWindow::hasEdits() const
{
    return selected() && m_device.state == VoroDefinitions::DS__READY
        && m_device.config != m_baseline;
}

VoroDevice MainWindow::heldRecord() const
{
    // A box goes by what it holds, not by a location the user is editing.
    VoroDevice held = m_device;
    held.config = m_baseline;
    return held;
}

QString MainWindow::boxName() const
{
    return BoxName::qualified(heldRecord());
}

void MainWindow::updateActions()
{
    // Without a box the window says how to connect one instead of showing empty panels.
    const bool listed = ui->m_devices->count() > 0;
    m_noBoxHint->setVisible(!listed);
    for (QWidget* panel :
         { static_cast<QWidget*>(ui->m_devices), static_cast<QWidget*>(ui->m_properties),
           static_cast<QWidget*>(ui->m_actuators) })
        panel->setVisible(listed);

    // Only a ready box is written to or exported; a watched one is only shown.
    const bool ready = writable();
    ui->actionExport_Settings->setEnabled(ready);
    ui->actionImport_Settings->setEnabled(ready);
    ui->actionExport_Logs->setEnabled(ready);
    ui->actionReset_To_Factory_Defaults->setEnabled(ready);
    ui->actionFirmware_Update->setEnabled(ready);
    updateEditButtons();
    showTrend();
}

void MainWindow::updateEditButtons()
{
    // One save at a time from the buttons; edits made meanwhile stay for the next one.
    const bool differs = writable() && m_saves.isEmpty() && hasEdits();
    ui->m_save->setEnabled(differs);
    ui->m_revert->setEnabled(differs);
}

void MainWindow::status(const QString& text)
{
    statusBar()->showMessage(text, STATUS_MESSAGE_MS);
}

// ---- closing ----

void MainWindow::closeWithoutQuestions()
{
    m_quitting = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_quitting) {
        endTests();
        event->accept();
        return;
    }
    // The window closes once the box has confirmed the save; a failed one keeps it open.
    if (!m_saves.isEmpty()) {
        m_closeAfterSave = true;
        status(tr("Closing once %1 has confirmed the save…").arg(boxName()));
        event->ignore();
        return;
    }
    if (askAboutEdits(tr("Exit")) == CANCEL) {
        event->ignore();
        return;
    }
    if (!m_saves.isEmpty()) { // Save was chosen
        m_closeAfterSave = true;
        event->ignore();
        return;
    }
    endTests();
    event->accept();
}

// ---- the window's own message boxes ----

void MainWindow::information(const QString& title, const QString& text)
{
    m_dialogs->message(this, UserDialogs::Information, title, text, UserDialogs::Ok);
}

void MainWindow::warning(const QString& title, const QString& text)
{
    m_dialogs->message(this, UserDialogs::Warning, title, text, UserDialogs::Ok);
}

bool MainWindow::question(const QString& title, const QString& text,
                          UserDialogs::Button default_button)
{
    return m_dialogs->message(this, UserDialogs::Question, title, text,
                              UserDialogs::Yes | UserDialogs::No, default_button)
        == UserDialogs::Yes;
}
