#include "app/FirmwareUpdater.h"

#include "app/UpdateItemView.h"
#include "firmware/FirmwareUpdateController.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QVBoxLayout>

FirmwareUpdater::FirmwareUpdater(FirmwareUpdateController* controller, QWidget* parent)
    : QDialog(parent)
    , controller(controller)
{
    buildForm();
    connect(controller, &FirmwareUpdateController::boxChanged, this,
            &FirmwareUpdater::onBoxChanged);
    for (const BoxUpdate& box : controller->boxes())
        onBoxChanged(box);
}

void FirmwareUpdater::buildForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("FirmwareUpdater"));
    resize(480, 360);
    verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("m_image"));
    m_image->setWordWrap(true);
    verticalLayout->addWidget(m_image);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("m_scroll"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    policy.setVerticalStretch(10);
    policy.setHeightForWidth(m_scroll->sizePolicy().hasHeightForWidth());
    m_scroll->setSizePolicy(policy);
    m_scroll->setMinimumSize(QSize(300, 100));
    m_scroll->setWidgetResizable(true);
    scrollAreaWidgetContents = new QWidget();
    scrollAreaWidgetContents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    verticalLayout_3 = new QVBoxLayout(scrollAreaWidgetContents);
    verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
    m_scroll_layout = new QVBoxLayout();
    m_scroll_layout->setObjectName(QStringLiteral("m_scroll_layout"));
    // Rows go between the two spacers, so that they stay centred.
    for (int i = 0; i < 2; ++i)
        m_scroll_layout->addItem(
            new QSpacerItem(20, 5, QSizePolicy::Minimum, QSizePolicy::Expanding));
    verticalLayout_3->addLayout(m_scroll_layout);
    m_scroll->setWidget(scrollAreaWidgetContents);
    verticalLayout->addWidget(m_scroll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_close = buttons->button(QDialogButtonBox::Close);
    m_close->setObjectName(QStringLiteral("m_close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &FirmwareUpdater::reject);
    verticalLayout->addWidget(buttons);

    setWindowTitle(tr("Firmware Update"));
    hide();
    setWindowModality(Qt::ApplicationModal);
}

QString FirmwareUpdater::imageText() const
{
    return m_image->text();
}

void FirmwareUpdater::updateImage()
{
    const UpdateImage& image = controller->image();
    m_image->setText(
        image.usable()
            ? tr("Firmware image: %1, version %2").arg(image.description(), image.version)
            : tr("Firmware image: %1 cannot be used: %2").arg(image.fileName(), image.error));
}

void FirmwareUpdater::onBoxChanged(const BoxUpdate& box)
{
    UpdateItemView* row = items.value(box.key);
    if (!row) {
        row = new UpdateItemView(box, scrollAreaWidgetContents);
        items.insert(box.key, row);
        m_scroll_layout->insertWidget(m_scroll_layout->count() - 1, row);
        updateImage();
    } else {
        row->setBox(box);
    }
    m_close->setEnabled(!controller->isRunning());
    if (!isVisible())
        show();
}

void FirmwareUpdater::reject()
{
    // Escape and the Close button: only once every box has its result.
    if (controller->isRunning())
        return;
    dismiss();
    QDialog::reject();
}

void FirmwareUpdater::closeEvent(QCloseEvent* event)
{
    // The window manager's close; QDialog turns it into reject().
    if (controller->isRunning()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FirmwareUpdater::dismiss()
{
    controller->dismissFinished();
    for (UpdateItemView* row : qAsConst(items)) {
        m_scroll_layout->removeWidget(row);
        delete row;
    }
    items.clear();
}
