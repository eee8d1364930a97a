#include "app/ApplyDialog.h"

#include "app/ComparisonTable.h"
#include "device/AppSettings.h"
#include "devicemanager/UserDialogs.h"
#include "devicemanager/VoroManager.h"
#include "records/BoxName.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

ApplyDialog::ApplyDialog(VoroManager* manager, UserDialogs* dialogs,
                         const QList<VoroDevice::Id>& targets, QWidget* parent)
    : QDialog(parent)
    , m_manager(manager)
    , m_dialogs(dialogs)
    , m_ids(targets)
    , m_run(new SettingsApply(manager, this))
    , m_source(new QComboBox(this))
    , m_choose(new QPushButton(tr("Choose File…"), this))
    , m_locations(
          new QCheckBox(tr("Also write the locations (the box's and its actuators')"), this))
    , m_targets(new QTableWidget(0, 3, this))
    , m_preview(new ComparisonTable(this))
    , m_problem(new QLabel(this))
{
    setWindowTitle(tr("Apply Settings"));
    m_source->setObjectName(QStringLiteral("m_source"));
    m_locations->setObjectName(QStringLiteral("m_locations"));
    m_source->addItem(tr("Settings file"), -1);
    QList<VoroDevice> ready;
    for (const VoroDevice::Id id : manager->deviceIds()) {
        const VoroDevice d = manager->device(id);
        if (d.state == VoroDefinitions::DS__READY)
            ready << d;
    }
    std::sort(ready.begin(), ready.end(), BoxName::lessThan);
    for (const VoroDevice& d : qAsConst(ready))
        m_source->addItem(tr("Settings of %1").arg(BoxName::qualified(d)), d.id);
    m_targets->setHorizontalHeaderLabels({ tr("Box"), tr("Changes"), tr("Result") });
    m_targets->verticalHeader()->hide();
    m_targets->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_targets->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_targets->setSelectionMode(QAbstractItemView::SingleSelection);
    m_targets->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_targets->horizontalHeader()->setSectionResizeMode(RESULT, QHeaderView::Stretch);
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* source = new QHBoxLayout;
    source->addWidget(new QLabel(tr("Source:"), this));
    source->addWidget(m_source, 1);
    source->addWidget(m_choose);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_targets);
    split->addWidget(m_preview);
    auto* buttons = new QDialogButtonBox(this);
    m_apply = buttons->addButton(tr("Apply"), QDialogButtonBox::ActionRole);
    m_apply->setObjectName(QStringLiteral("m_apply"));
    buttons->addButton(QDialogButtonBox::Close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source);
    layout->addWidget(m_locations);
    layout->addWidget(split, 1);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);

    connect(m_choose, &QPushButton::clicked, this, &ApplyDialog::chooseFile);
    connect(m_source, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        m_choose->setEnabled(m_source->currentData().toInt() == -1);
        prepare();
    });
    connect(m_locations, &QCheckBox::toggled, this, &ApplyDialog::prepare);
    connect(m_targets, &QTableWidget::itemSelectionChanged, this, &ApplyDialog::showPreview);
    connect(m_apply, &QPushButton::clicked, this, &ApplyDialog::apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_run, &SettingsApply::boxFinished, this, &ApplyDialog::onBoxFinished);
    connect(m_run, &SettingsApply::finished, this,
            [this] { m_problem->setText(tr("Done: every box has its result.")); });
    resize(760, 560);
    prepare();
}

void ApplyDialog::setSourceFile(const QString& file)
{
    m_file = file;
    m_source->setCurrentIndex(0);
    prepare();
}

void ApplyDialog::setSourceBox(VoroDevice::Id id)
{
    const int index = m_source->findData(id);
    if (index > 0)
        m_source->setCurrentIndex(index);
}

void ApplyDialog::setWithLocations(bool on)
{
    m_locations->setChecked(on);
}

void ApplyDialog::chooseFile()
{
    const QString file = m_dialogs->openFileName(this, tr("Apply Settings"),
                                                 lastFolder(AppSettings::FOLDER_EXPORT_IMPORT),
                                                 QStringLiteral("*.cfg"));
    if (file.isEmpty())
        return;
    setLastFolder(AppSettings::FOLDER_EXPORT_IMPORT, file);
    setSourceFile(file);
}

QString ApplyDialog::problem() const
{
    return m_problem->text();
}

bool ApplyDialog::canApply() const
{
    return m_apply->isEnabled();
}

void ApplyDialog::prepare()
{
    if (m_started)
        return;
    const VoroDevice::Id source = m_source->currentData().toInt();
    const bool with_locations = m_locations->isChecked();
    bool ok = false;
    m_problem->clear();
    if (source != -1) {
        ok = m_run->prepare(m_manager->device(source).config, m_ids, with_locations);
    } else if (!m_file.isEmpty()) {
        m_source->setItemText(0, tr("Settings file %1").arg(QFileInfo(m_file).fileName()));
        ok = m_run->prepare(m_file, m_ids, with_locations);
    } else {
        // The boxes are listed all the same, each as it stands.
        ok = m_run->prepare(VoroConfig(), {}, with_locations);
        m_targets->setRowCount(m_ids.size());
        for (int row = 0; row < m_ids.size(); ++row) {
            m_targets->setItem(
                row, BOX,
                new QTableWidgetItem(BoxName::qualified(m_manager->device(m_ids.at(row)))));
            m_targets->setItem(row, CHANGES, new QTableWidgetItem(QString()));
            m_targets->setItem(row, RESULT, new QTableWidgetItem(QString()));
        }
        m_problem->setText(tr("Choose a settings file, or a box whose settings to apply."));
        m_apply->setEnabled(false);
        m_preview->setRowCount(0);
        return;
    }
    const QList<SettingsApply::Plan>& plans = m_run->plans();
    m_targets->setRowCount(plans.size());
    QStringList problems;
    for (int row = 0; row < plans.size(); ++row) {
        const SettingsApply::Plan& p = plans.at(row);
        const QString changes = !p.problem.isEmpty() ? tr("cannot be written")
            : p.changes.isEmpty()                    ? tr("no change")
                                                     : tr("%n field(s)", nullptr, p.changes.size());
        m_targets->setItem(row, BOX, new QTableWidgetItem(p.box));
        m_targets->setItem(row, CHANGES, new QTableWidgetItem(changes));
        m_targets->setItem(row, RESULT, new QTableWidgetItem(QString()));
        if (!p.problem.isEmpty() && !problems.contains(p.problem))
            problems << p.problem;
    }
    if (!problems.isEmpty())
        m_problem->setText(
            tr("Nothing will be written to any box:\n%1").arg(problems.join(QLatin1Char('\n'))));
    m_apply->setEnabled(ok && !plans.isEmpty());
    if (!plans.isEmpty())
        m_targets->selectRow(0);
    showPreview();
}

void ApplyDialog::showPreview()
{
    const int row = m_targets->currentRow();
    const QList<SettingsApply::Plan>& plans = m_run->plans();
    if (row < 0 || row >= plans.size()) {
        m_preview->setRowCount(0);
        return;
    }
    const SettingsApply::Plan& p = plans.at(row);
    m_preview->show(p.changes, p.from, p.to, tr("Now"), tr("After"));
}

void ApplyDialog::apply()
{
    if (!canApply() || m_started)
        return;
    m_started = true;
    m_apply->setEnabled(false);
    m_source->setEnabled(false);
    m_choose->setEnabled(false);
    m_locations->setEnabled(false);
    m_problem->setText(tr("Writing…"));
    for (int row = 0; row < m_targets->rowCount(); ++row)
        m_targets->item(row, RESULT)->setText(tr("writing…"));
    m_run->start(SettingsBackup::APPLY);
}

int ApplyDialog::rowOf(const QString& serial_number, VoroDevice::Id id) const
{
    const QList<SettingsApply::Plan>& plans = m_run->plans();
    for (int row = 0; row < plans.size(); ++row) {
        const SettingsApply::Plan& p = plans.at(row);
        if (serial_number.isEmpty() ? p.id == id : p.serial_number == serial_number)
            return row;
    }
    return -1;
}

void ApplyDialog::onBoxFinished(const SettingsApply::Result& r)
{
    const int row = rowOf(r.serial_number, r.id);
    if (row < 0)
        return;
    QString text;
    switch (r.end) {
    case SettingsApply::Result::UNCHANGED:
        text = tr("unchanged");
        break;
    case SettingsApply::Result::SAVED:
        text = tr("written");
        break;
    case SettingsApply::Result::FAILED:
        text = tr("failed: %1").arg(r.reason);
        break;
    }
    m_targets->item(row, RESULT)->setText(text);
    m_targets->item(row, RESULT)->setToolTip(text);
}
