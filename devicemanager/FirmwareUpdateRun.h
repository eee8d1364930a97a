#pragma once

#include "devicemanager/BoxSurvey.h"
#include "firmware/BoxUpdate.h"
#include "records/VoroDevice.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class VoroManager;

// The firmware of many boxes updated at once through the manager and its update controller:
// each box is sent into its bootloader (or a bootloader already there is taken as it is), the
// controller updates them all in parallel, and a box is done once it is back in normal
// operation with its new firmware, or once its update has failed. A box that leaves in the
// middle, whose bootloader cannot be opened, or that does not come back after its update, is
// given up after RETURN_WAIT_MS.
class FirmwareUpdateRun : public QObject
{
    Q_OBJECT

public:
    static constexpr int RETURN_WAIT_MS = 60000;

    struct Result
    {
        QString key; // the serial number, or the bootloader's USB path without one
        QString serial_number; // empty for a bootloader without one
        QString box; // "Lab 2 (3A0F21)"
        bool success = false;
        QString version; // the firmware the box came back with; empty when it did not
        QString text; // for the user: "Updated to 1.1.2.17", "Failed: …"
    };

    // `manager` must have been made with its updater.
    explicit FirmwareUpdateRun(VoroManager* manager, QObject* parent = nullptr);

    // Sends the boxes into their bootloaders and takes the bootloaders found by a survey.
    // A box that cannot be followed into its bootloader (it has no serial number) or that
    // cannot be sent there ends at once, failed.
    void start(const QList<VoroDevice::Id>& boxes, const QList<SurveyedBox>& bootloaders);
    bool isRunning() const { return !following.isEmpty(); }

signals:
    // How an update stands, for progress.
    void boxChanged(const BoxUpdate& update);
    void boxFinished(const FirmwareUpdateRun::Result& result);
    void finished();

private:
    struct Followed
    {
        Result result;
        bool written = false; // the new firmware is written; waiting for the box's return
        QElapsedTimer stalled; // since it is away, retried, or written and not back; else off
    };

    void onBoxChanged(const BoxUpdate& update);
    void onDeviceDetected(VoroDevice::Id id);
    void check();
    void end(QString key, bool success, QString text,
             QString version = {}); // copies: the arguments may live in the list

    VoroManager* manager;
    QList<Followed> following;
    QTimer timer;
};

Q_DECLARE_METATYPE(FirmwareUpdateRun::Result)
