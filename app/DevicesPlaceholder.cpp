#include "app/DevicesPlaceholder.h"

#include "devicelink/VoroUsbDetector.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kIdRole = Qt::UserRole + 1;
}

DevicesPlaceholder::DevicesPlaceholder(QWidget* parent)
    : QWidget(parent)
    , detector(new VoroUsbDetector)
    , list(new QListWidget(this))
    , presence_timer(new QTimer(this))
{
    setWindowTitle(QStringLiteral("voro-BOX CDU"));
    auto* layout = new QVBoxLayout(this);
    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/Images/image_logo.png")));
    layout->addWidget(logo);
    layout->addWidget(new QLabel(tr("Detected voro-BOX units:"), this));
    layout->addWidget(list);
    resize(420, 300);

    connect(detector, &VoroUsbDetector::deviceDetected, this,
            &DevicesPlaceholder::onDeviceDetected);
    connect(presence_timer, &QTimer::timeout, this, &DevicesPlaceholder::onCheckPresence);
    presence_timer->start(1000);
}

DevicesPlaceholder::~DevicesPlaceholder()
{
    delete detector;
}

void DevicesPlaceholder::onDeviceDetected(const HidDevice::Id& id)
{
    auto* item = new QListWidgetItem(QStringLiteral("%1  %2")
                                         .arg(id.getHash(), 8, 16, QLatin1Char('0'))
                                         .arg(QString::fromStdString(id.path)),
                                     list);
    item->setData(kIdRole, QVariant::fromValue(id));
}

void DevicesPlaceholder::onCheckPresence()
{
    const auto present
        = HidDevice::enumerate(VoroUsbDetector::VENDOR_ID, VoroUsbDetector::PRODUCT_ID);
    for (int row = list->count() - 1; row >= 0; --row) {
        const auto id = list->item(row)->data(kIdRole).value<HidDevice::Id>();
        if (std::find(present.begin(), present.end(), id) == present.end()) {
            detector->removeDevice(id);
            delete list->takeItem(row);
        }
    }
}
