#include "app/DevicesPlaceholder.h"

#include "devicemanager/VoroManager.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
constexpr int kIdRole = Qt::UserRole + 1;
}

DevicesPlaceholder::DevicesPlaceholder(QWidget* parent)
    : QWidget(parent)
    , m_manager(new VoroManager(this))
    , m_devices(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("voro-BOX CDU"));
    auto* layout = new QVBoxLayout(this);
    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/Images/image_logo.png")));
    layout->addWidget(logo);
    layout->addWidget(new QLabel(tr("Connected voro-BOX units:"), this));
    layout->addWidget(m_devices);
    resize(420, 300);

    connect(m_manager, &VoroManager::deviceDetected, this, &DevicesPlaceholder::onDeviceDetected);
    connect(m_manager, &VoroManager::deviceDeleted, this, &DevicesPlaceholder::onDeviceDeleted);
}

QListWidgetItem* DevicesPlaceholder::item(VoroDevice::Id id) const
{
    for (int row = 0; row < m_devices->count(); ++row) {
        if (m_devices->item(row)->data(kIdRole).toInt() == id)
            return m_devices->item(row);
    }
    return nullptr;
}

void DevicesPlaceholder::onDeviceDetected(VoroDevice::Id id)
{
    const VoroDevice device = m_manager->device(id);
    QListWidgetItem* entry = item(id);
    if (!entry) {
        entry = new QListWidgetItem(m_devices);
        entry->setData(kIdRole, id);
    }
    const QString location
        = device.config.location.isEmpty() ? QStringLiteral("voro-BOX") : device.config.location;
    const QString state = device.state == VoroDefinitions::DS__READY
        ? tr("firmware %1")
        : tr("unsupported firmware %1");
    entry->setText(QStringLiteral("%1  (%2)").arg(location, state.arg(device.firmware_version)));
}

void DevicesPlaceholder::onDeviceDeleted(VoroDevice::Id id)
{
    delete item(id);
}
