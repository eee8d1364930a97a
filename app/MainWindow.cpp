// The window itself: construction, the device list and selection, update reports, the
// settings-conflict question, Save and Revert.
#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "app/ActuatorCellDelegate.h"
#include "app/ActuatorModel.h"
#include "app/ButtonDelegate.h"
#include "app/CenteredBoxProxy.h"
#include "app/ComboBoxDelegate.h"
#include "app/ControlProperties.h"
#include "app/FirmwareUpdater.h"
#include "app/InfoProperties.h"
#include "app/LogProperties.h"
#include "app/OpenFailureNotice.h"
#include "app/RS485Properties.h"
#include "app/Version.h"
#include "device/AppSettings.h"
#include "devicemanager/UserDialogs.h"
#include "devicemanager/VoroManager.h"
#include "logplot/PlotDlg.h"

#include <QApplication>
#include <QDebug>
#include <QFontDatabase>
#include <QHeaderView>
#include <QSettings>

namespace {
enum Group { INFO = 0, CONTROL = 1, RS485 = 2, LOG = 3 };

// At most one conflict question is on screen, whichever window asks.
bool s_conflictOpen = false;

const QString GEOMETRY_KEY = QStringLiteral("window/geometry");

// A box by its location; one without a location stays recognisable as a box.
QString listText(const VoroDevice& d)
{
    return d.config.location.isEmpty() ? QString::fromLatin1(Version::PRODUCT) : d.config.location;
}
} // namespace

MainWindow::MainWindow(QWidget* parent, UserDialogs* dialogs)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_ownDialogs(dialogs ? nullptr : new StandardDialogs)
    , m_dialogs(dialogs ? dialogs : m_ownDialogs.get())
    , m_copyDelegate(new ButtonDelegate(tr("Copy Settings"), false, 30, this))
    , m_pasteDelegate(new ButtonDelegate(tr("Paste Settings"), false, 30, this))
    , m_clearErrorsDelegate(new ButtonDelegate(tr("Clear Errors"), false, 30, this))
    , m_logDelegate(new ButtonDelegate(tr("Log"), false, 30, this))
    , m_testDelegate(new ButtonDelegate(tr("Test"), true, 30, this))
    , m_controlSourceDelegate(new ComboBoxDelegate("ControlSource", this))
    , m_sensorTypeDelegate(new ComboBoxDelegate("SensorType", this))
    , m_actuatorTypeDelegate(new ComboBoxDelegate("ActuatorType", this))
    , m_manager(new VoroManager(this, m_dialogs))
    , m_model(new ActuatorModel(this))
    , m_plotDlg(new PlotDlg(this))
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("%1 Configuration and Diagnostic Utility %2")
                       .arg(QLatin1String(Version::PRODUCT), QLatin1String(Version::PROGRAM)));

    QFont small = QApplication::font();
    small.setPointSize(9);
    ui->m_properties->setFont(small);
    ui->m_properties->setEditTriggers(QAbstractItemView::AllEditTriggers);
    ui->m_properties->setHeaderHidden(true);
    ui->m_properties->setFixedWidth(330);
    ui->m_properties->setColumnWidth(0, 220);

    registerIconFonts();
    QApplication::setStyle(new CenteredBoxProxy);

    m_model->setCapabilities(ALL_CAPABILITIES);
    connect(m_model, &ActuatorModel::configChanged, this, &MainWindow::onActuatorConfigChanged);
    setUpTable();

    connect(&m_repeatTestTimer, &QTimer::timeout, this, &MainWindow::repeatTests);
    m_repeatTestTimer.start(REPEAT_TEST_INTERVAL_MS);

    connect(m_manager, &VoroManager::deviceDetected, this, &MainWindow::onDeviceDetected);
    connect(m_manager, &VoroManager::deviceUpdated, this, &MainWindow::onDeviceUpdated);
    connect(m_manager, &VoroManager::deviceDeleted, this, &MainWindow::onDeviceDeleted);
    connect(m_manager, &VoroManager::logRead, this, &MainWindow::onLogRead);
    connect(m_manager, &VoroManager::logExportComplete, this, &MainWindow::onLogsExported);
    connect(ui->m_devices, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MainWindow::onCurrentDeviceChanged);
    // A box that is seen but cannot be opened is named in the status bar, without a dialog.
    new OpenFailureNotice(m_manager, statusBar());
    if (m_manager->firmwareUpdater())
        new FirmwareUpdater(m_manager->firmwareUpdater(), this);

    onDeviceDeleted(-1); // no box selected yet
    resize(1510, 850);
    restoreGeometry(QSettings(AppSettings::ORGANISATION, AppSettings::APPLICATION)
                        .value(GEOMETRY_KEY)
                        .toByteArray());
}

MainWindow::~MainWindow()
{
    QSettings(AppSettings::ORGANISATION, AppSettings::APPLICATION)
        .setValue(GEOMETRY_KEY, saveGeometry());
    // The boxes' threads stop while the window is still whole, and the editor lets go of the
    // groups, which point into the working copy, before either goes.
    delete m_manager;
    m_manager = nullptr;
    ui->m_properties->showObject(nullptr);
}

void MainWindow::setUpTable()
{
    QTableView* table = ui->m_actuators;
    table->setModel(m_model);
    table->setItemDelegate(new ActuatorCellDelegate(table));
    table->setItemDelegateForRow(ActuatorModel::ROW_COPY_SETTINGS, m_copyDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_PASTE_SETTINGS, m_pasteDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_CLEAR_ERRORS, m_clearErrorsDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_TEST, m_testDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_LOG, m_logDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_CONTROL_SOURCE, m_controlSourceDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_SENSOR_TYPE, m_sensorTypeDelegate);
    table->setItemDelegateForRow(ActuatorModel::ROW_ACTUATOR_TYPE, m_actuatorTypeDelegate);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setTextElideMode(Qt::ElideRight);
    table->setWordWrap(false);
    table->setEditTriggers(QAbstractItemView::AllEditTriggers);

    connect(m_copyDelegate, &ButtonDelegate::clicked, this, &MainWindow::onCopy);
    connect(m_pasteDelegate, &ButtonDelegate::clicked, this, &MainWindow::onPaste);
    connect(m_clearErrorsDelegate, &ButtonDelegate::clicked, this, &MainWindow::onClearErrors);
    connect(m_logDelegate, &ButtonDelegate::clicked, this, &MainWindow::onShowLog);
    connect(m_testDelegate, &ButtonDelegate::clicked, this, &MainWindow::onTestActuator);
}

void MainWindow::registerIconFonts()
{
    // Nothing selects the family yet; a licensed copy is embedded only when present.
    static const char* const faces[]
        = { "Font Awesome 5 Pro-Light-300", "Font Awesome 5 Pro-Solid-900",
            "Font Awesome 5 Pro-Regular-400" };
    for (const char* face : faces) {
        if (QFontDatabase::addApplicationFont(QStringLiteral(":/%1.otf").arg(face)) < 0)
            qWarning("%s cannot be loaded !", face);
    }
}

bool MainWindow::writable() const
{
    return selected() && m_device.state == VoroDefinitions::DS__READY;
}

void MainWindow::updateActions()
{
    // Only a ready box is written to or exported; a watched one is only shown.
    const bool ready = writable();
    ui->actionExport_Settings->setEnabled(ready);
    ui->actionImport_Settings->setEnabled(ready);
    ui->actionExport_Logs->setEnabled(ready);
    ui->actionReset_To_Factory_Defaults->setEnabled(ready);
    ui->actionFirmware_Update->setEnabled(ready);
}

// ---- the device list and the selection ----

void MainWindow::onDeviceDetected(VoroDevice::Id id)
{
    const int entry = ui->m_devices->findData(id, Qt::UserRole, Qt::MatchExactly);
    const VoroDevice d = m_manager->device(id);
    if (entry < 0) {
        disconnect(ui->m_devices, qOverload<int>(&QComboBox::currentIndexChanged), this,
                   &MainWindow::onCurrentDeviceChanged);
        ui->m_devices->addItem(QIcon(), listText(d), id);
        connect(ui->m_devices, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &MainWindow::onCurrentDeviceChanged);
        if (!selected())
            selectDevice(id);
        return;
    }
    ui->m_devices->setItemText(entry, listText(d));
    if (!selected()) {
        selectDevice(id);
    } else if (id == m_device.id) {
        removeCurrentDevice();
        selectDevice(id);
    }
}

void MainWindow::onDeviceDeleted(VoroDevice::Id id)
{
    if (id == m_device.id)
        removeCurrentDevice();
    const int entry = ui->m_devices->findData(id, Qt::UserRole, Qt::MatchExactly);
    if (entry >= 0)
        ui->m_devices->removeItem(entry); // the entry that becomes current is selected
}

void MainWindow::onCurrentDeviceChanged(int index)
{
    if (index < 0 || index >= ui->m_devices->count())
        return;
    const VoroDevice::Id id = ui->m_devices->itemData(index, Qt::UserRole).toInt();
    removeCurrentDevice();
    selectDevice(id);
}

void MainWindow::selectDevice(VoroDevice::Id id)
{
    m_device = m_manager->device(id);
    if (selected()) {
        // Decided once: the manager announces the box again when it becomes ready.
        const bool read_only = m_device.state != VoroDefinitions::DS__READY;
        m_model->setCapabilities(read_only ? 0 : ALL_CAPABILITIES);
        m_groups.insert(INFO, new InfoProperties(&m_device, read_only, this));
        ui->m_properties->appendObject(m_groups.value(INFO));
        m_groups.insert(CONTROL, new ControlProperties(&m_device, read_only, this));
        ui->m_properties->appendObject(m_groups.value(CONTROL));
        m_groups.insert(RS485, new RS485Properties(&m_device, read_only, this));
        ui->m_properties->appendObject(m_groups.value(RS485));
        m_groups.insert(LOG, new LogProperties(&m_device, read_only, this));
        ui->m_properties->appendObject(m_groups.value(LOG));
    }
    updateActions(); // the table fills at the box's next update report
}

void MainWindow::removeCurrentDevice()
{
    m_device = VoroDevice();
    m_model->clear(); // its editors go, and the Test buttons with them, sending nothing
    m_plotDlg->hide();
    ui->m_properties->showObject(nullptr);
    qDeleteAll(m_groups);
    m_groups.clear();
    ui->m_save->setEnabled(false);
    ui->m_revert->setEnabled(false);
    updateActions();
}

// ---- update reports ----

void MainWindow::refreshGroup(int key)
{
    PropertyObject* group = m_groups.value(key);
    if (!group)
        return;
    group->refresh();
    ui->m_properties->refreshObject(group);
}

void MainWindow::onDeviceUpdated(VoroDevice::Id id, bool config_changed)
{
    if (!selected() || id != m_device.id)
        return;
    const VoroDevice d = m_manager->device(id);
    const DeviceStatus& before = m_device.status;
    const bool rs485_changed = before.modbus_address != d.status.modbus_address
        || before.baudrate != d.status.baudrate || before.parity != d.status.parity
        || before.stop_bits != d.status.stop_bits;
    m_device.status = d.status;
    m_device.actuator_data = d.actuator_data;

    m_model->updateActuators(m_device.actuator_data, m_device.config.actuator_settings,
                             m_device.config.actuator_locations);
    updatePersistentEditors();
    refreshGroup(INFO);
    refreshGroup(CONTROL);
    if (rs485_changed)
        refreshGroup(RS485);

    const bool differs = writable() && m_device.config != d.config;
    ui->m_save->setEnabled(differs);
    ui->m_revert->setEnabled(differs);
    if (!config_changed)
        return;
    if (!differs) {
        m_manager->acceptDeviceSettings(id);
        on_m_revert_clicked();
    } else if (!s_conflictOpen) {
        const bool reload = askReloadOnConflict();
        m_manager->acceptDeviceSettings(id);
        // The question runs its own event loop: reload only the box it was about.
        if (reload && m_device.id == id)
            on_m_revert_clicked();
    }
}

bool MainWindow::askReloadOnConflict()
{
    s_conflictOpen = true;
    const int answer = m_dialogs->choice(
        this, QMessageBox::Warning, tr("Settings Conflict Detected"),
        tr("The device settings have been changed externally.\n\nWhat would you like to "
           "do?\n\nReloading will discard your local changes and load the externally changed "
           "settings.\nKeeping local settings will ignore the changes made externally."),
        { { tr("Reload Device Settings"), QMessageBox::AcceptRole },
          { tr("Keep Local Settings"), QMessageBox::RejectRole } },
        1);
    s_conflictOpen = false;
    return answer == 0;
}

// ---- Save and Revert ----

void MainWindow::on_m_revert_clicked()
{
    if (!writable())
        return;
    const VoroDevice::Id id = m_device.id;
    onDeviceDeleted(id);
    onDeviceDetected(id);
    ui->m_devices->setCurrentIndex(ui->m_devices->findData(id, Qt::UserRole, Qt::MatchExactly));
}

void MainWindow::on_m_save_clicked()
{
    if (!writable())
        return;
    const VoroDevice d = m_manager->device(m_device.id);
    if (m_device.config.actuator_settings != d.config.actuator_settings) {
        qDebug("saving actuator configs");
        m_manager->writeActuatorSettings(m_device.id, m_device.config);
    }
    m_manager->writeConfig(m_device.id, m_device.config);
}

// ---- the window's own message boxes ----

void MainWindow::information(const QString& title, const QString& text)
{
    m_dialogs->message(this, QMessageBox::Information, title, text, QMessageBox::Ok);
}

void MainWindow::warning(const QString& title, const QString& text)
{
    m_dialogs->message(this, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

bool MainWindow::question(const QString& title, const QString& text)
{
    return m_dialogs->message(this, QMessageBox::Question, title, text,
                              QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}
