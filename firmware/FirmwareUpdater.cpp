#include "firmware/FirmwareUpdater.h"

#include "firmware/UpdateItemView.h"
#include "firmware/UpdateThread.h"

#include <QCloseEvent>
#include <QScrollArea>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <algorithm>

FirmwareUpdater::FirmwareUpdater(QWidget* parent)
    : QDialog(parent)
{
    buildForm();
    connect(&timer, &QTimer::timeout, this, &FirmwareUpdater::checkUpdate);
    static const int registered = qRegisterMetaType<HidDevice::Id>("HidDevice::Id");
    Q_UNUSED(registered)
}

FirmwareUpdater::~FirmwareUpdater()
{
    timer.stop();
    // An update cannot be cut short safely; let each finish before its object goes.
    for (UpdateThread* thread : qAsConst(threads)) {
        thread->disconnect(this);
        thread->wait();
        delete thread;
    }
}

void FirmwareUpdater::buildForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("FirmwareUpdater"));
    resize(354, 199);
    verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("m_scroll"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    policy.setVerticalStretch(10);
    policy.setHeightForWidth(m_scroll->sizePolicy().hasHeightForWidth());
    m_scroll->setSizePolicy(policy);
    m_scroll->setMinimumSize(QSize(300, 100));
    m_scroll->setMaximumSize(QSize(16777215, 16777215));
    m_scroll->setWidgetResizable(true);
    scrollAreaWidgetContents = new QWidget();
    scrollAreaWidgetContents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    scrollAreaWidgetContents->setGeometry(QRect(0, 0, 333, 178));
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

    setWindowTitle(tr("Firmware Update"));
    QMetaObject::connectSlotsByName(this);
    hide();
    setWindowModality(Qt::ApplicationModal);
}

void FirmwareUpdater::startPolling(int ms)
{
    timer.start(ms);
}

void FirmwareUpdater::stopPolling()
{
    timer.stop();
}

void FirmwareUpdater::checkUpdate()
{
    const std::list<HidDevice::Id> found
        = HidDevice::enumerate(UpdateThread::VENDOR_ID, UpdateThread::PRODUCT_ID);
    const auto present = [&found](const HidDevice::Id& id) {
        return std::find(found.begin(), found.end(), id) != found.end();
    };
    // A device that has left starts afresh when it comes back.
    for (const HidDevice::Id& id : failures.keys()) {
        if (present(id))
            continue;
        failures.remove(id);
        if (!threads.contains(id))
            removeRow(id);
    }
    for (const HidDevice::Id& id : found) {
        if (!threads.contains(id) && failures.value(id) < MAX_FAILED_UPDATES)
            startThread(id);
    }
    if (!threads.isEmpty() && !shown) {
        shown = true;
        show();
    }
    hideWhenIdle();
}

void FirmwareUpdater::startThread(const HidDevice::Id& id)
{
    auto* thread = new UpdateThread(id);
    threads.insert(id, thread);
    connect(thread, &UpdateThread::progress, this, &FirmwareUpdater::onProgress,
            Qt::QueuedConnection);
    connect(thread, &UpdateThread::statusMessage, this, &FirmwareUpdater::onStatusMessage,
            Qt::QueuedConnection);
    connect(thread, &UpdateThread::updateFinished, this, &FirmwareUpdater::onUpdateFinished,
            Qt::QueuedConnection);
    connect(
        thread, &QThread::finished, this, [this, thread] { onThreadFinished(thread); },
        Qt::QueuedConnection);
    auto* row = new UpdateItemView(id);
    items.insert(id, row);
    m_scroll_layout->insertWidget(m_scroll_layout->count() - 1, row);
    // Only now: no signal of the thread may come before its connections exist.
    thread->start(QThread::InheritPriority);
}

void FirmwareUpdater::onProgress(HidDevice::Id id, int progress)
{
    if (UpdateItemView* row = items.value(id))
        row->setProgress(progress);
    else
        qWarning("no update item found for id: %s", id.path.c_str());
}

void FirmwareUpdater::onStatusMessage(HidDevice::Id id, QString msg)
{
    if (UpdateItemView* row = items.value(id))
        row->setStatus(msg);
    else
        qWarning("no update item found for id: %s", id.path.c_str());
}

void FirmwareUpdater::onUpdateFinished(HidDevice::Id id, bool success)
{
    if (UpdateItemView* row = items.value(id))
        row->setProgress(100);
    else
        qWarning("no update item found for id: %s", id.path.c_str());
    if (success)
        succeeded.insert(id, true);
    emit updateComplete(id, success);
}

void FirmwareUpdater::onThreadFinished(QObject* object)
{
    auto* thread = static_cast<UpdateThread*>(object);
    const HidDevice::Id id = thread->deviceId();
    threads.remove(id);
    thread->deleteLater();
    if (succeeded.take(id)) {
        failures.remove(id);
        removeRow(id);
    } else if (++failures[id] < MAX_FAILED_UPDATES) {
        removeRow(id); // the next poll tries again with a new row
    } else if (UpdateItemView* row = items.value(id)) {
        const QString last = row->status();
        qWarning("giving up the update of %08x after %d attempts", id.getHash(),
                 MAX_FAILED_UPDATES);
        row->setStatus(tr("The update failed %1 times in a row (last: %2). The device stays in "
                          "its bootloader; unplug it and plug it in again to try once more.")
                           .arg(MAX_FAILED_UPDATES)
                           .arg(last.isEmpty() ? tr("no answer") : last));
    }
    hideWhenIdle();
}

void FirmwareUpdater::removeRow(const HidDevice::Id& id)
{
    UpdateItemView* row = items.take(id);
    if (!row)
        return;
    m_scroll_layout->removeWidget(row);
    row->setParent(nullptr);
    delete row;
}

void FirmwareUpdater::hideWhenIdle()
{
    if (threads.isEmpty() && items.isEmpty() && shown) {
        hide();
        shown = false;
    }
}

void FirmwareUpdater::closeEvent(QCloseEvent* event)
{
    if (!threads.isEmpty()) {
        event->ignore();
        return;
    }
    shown = false;
    QDialog::closeEvent(event);
}
