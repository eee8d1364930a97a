#pragma once

#include "devicelink/HidDevice.h"

#include <QDialog>
#include <QMap>
#include <QTimer>

class QScrollArea;
class QVBoxLayout;
class QWidget;
class UpdateItemView;
class UpdateThread;

// Watches for boxes in their bootloader and updates each in its own thread, one row per box
// in a modal dialog that shows itself while updates run and hides when the last has ended.
// A box whose update has failed three times in a row is left in its bootloader with a final
// status in its row until it is unplugged; the dialog can then be closed.
class FirmwareUpdater : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MAX_FAILED_UPDATES = 3;

    explicit FirmwareUpdater(QWidget* parent = nullptr);
    ~FirmwareUpdater() override;

    void startPolling(int ms);
    void stopPolling();

    QList<UpdateItemView*> rows() const { return items.values(); }
    int runningUpdates() const { return threads.size(); }

signals:
    void updateComplete(HidDevice::Id id, bool success);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onProgress(HidDevice::Id id, int progress);
    void onStatusMessage(HidDevice::Id id, QString msg);
    void onUpdateFinished(HidDevice::Id id, bool success);
    void onThreadFinished(QObject* thread);
    void checkUpdate();

private:
    void buildForm();
    void startThread(const HidDevice::Id& id);
    void removeRow(const HidDevice::Id& id);
    void hideWhenIdle();

    QVBoxLayout* verticalLayout = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* scrollAreaWidgetContents = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    QVBoxLayout* m_scroll_layout = nullptr;

    QMap<HidDevice::Id, UpdateThread*> threads;
    QMap<HidDevice::Id, UpdateItemView*> items;
    QTimer timer;
    bool shown = false;
    // Per device: updates that ended without success since it was plugged in, and whether the
    // running one has succeeded.
    QMap<HidDevice::Id, int> failures;
    QMap<HidDevice::Id, bool> succeeded;
};
