#pragma once

#include "devicelink/HidDevice.h"
#include "firmware/BoxUpdate.h"
#include "firmware/UpdateHistory.h"
#include "firmware/UpdateImage.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <map>

class UpdateThread;

// Updates the firmware of every box that shows up in its bootloader, without a window: polls
// USB for bootloaders, checks the image, runs one update thread per box, retries what is worth
// retrying and tells each box's story by signals, from the moment it is announced (or found)
// to its result, which stays until dismissed. Whoever sends a box into its bootloader announces
// it first, so that its row names the box and its versions and the update knows that the box's
// own firmware is intact. Asks nobody anything. Lives in the thread that creates it (the GUI
// thread of the window, the main thread of a command line).
//
// Retries: a bootloader that cannot be opened is tried again after growing pauses for as long
// as it is there (permissions often arrive a moment after the node); one that opens but stays
// silent is given up after a while. Only attempts that reached erasing count towards the limit
// of BoxUpdate::ATTEMPTS; a box that leaves in the middle finishes when it comes back.
class FirmwareUpdateController : public QObject
{
    Q_OBJECT

public:
    static constexpr int POLL_MS = 100;
    static constexpr int FIRST_PAUSE_MS = 250; // doubled after each failed open, up to
    static constexpr int LONGEST_PAUSE_MS = 4000;
    static constexpr int SILENT_ATTEMPTS = 8; // a bootloader that opens but never answers
    // An announced box that has not shown up in its bootloader by then never will.
    static constexpr int BOOTLOADER_WAIT_MS = 30000;

    explicit FirmwareUpdateController(const UpdateHistory& history = UpdateHistory(),
                                      QObject* parent = nullptr);
    ~FirmwareUpdateController() override;

    void startPolling(int ms = POLL_MS);
    void stopPolling();

    // Reads and checks the image of the voro-BOX hardware anew; the updates that start from now
    // on write it.
    const UpdateImage& checkImage();
    // The image file to write instead of the one found by UpdateImage::find (the command
    // line's --image); an empty path goes back to that.
    void setImageFile(const QString& path) { image_file = path; }
    const UpdateImage& image() const { return current; }

    // A box about to be sent into its bootloader, known by its USB serial number.
    void announce(const QString& serial, const QString& location, const QString& firmwareVersion);
    // Whether bootloaders nobody announced are updated too (true by default).
    void setUpdatesUnannounced(bool on) { unannounced = on; }
    // A bootloader nobody announced (by serial number, or path without one) that is updated
    // when it is found even while unannounced ones are not.
    void include(const QString& key) { included.insert(key); }
    // True when the last update of this box during this run did not succeed: it is not offered
    // again by itself.
    bool hasFailed(const QString& serial) const { return failedSerials.contains(serial); }

    // The boxes to show, in the order they came; results stay until dismissFinished().
    QList<BoxUpdate> boxes() const;
    // Some box shown has no result yet.
    bool isRunning() const;
    // Forgets the results shown; a box that left in the middle comes back into view when it
    // returns.
    void dismissFinished();
    const UpdateHistory& history() const { return log; }

signals:
    void boxChanged(const BoxUpdate& box);
    // Per box, by serial number: an update has begun, or has ended (success only when the new
    // firmware is written; a box that left in the middle has ended without success, and begins
    // again when it returns).
    void updateStarted(const QString& serial);
    void updateFinished(const QString& serial, bool success);

private slots:
    void poll();

private:
    struct Entry
    {
        BoxUpdate box;
        HidDevice::Id id;
        UpdateThread* thread = nullptr;
        bool may_reset = false; // the box's firmware is intact: a reset brings it back
        bool present = false; // its bootloader was listed by the last poll
        bool gone_since_result = false;
        bool dismissed = false;
        bool started = false; // updateStarted was emitted and updateFinished not yet
        qint64 retry_at = 0;
        int failed_opens = 0;
        int silent_attempts = 0;
        QElapsedTimer announced_at;
    };

    Entry& entryFor(const HidDevice::Id& id);
    Entry* entryOf(const HidDevice::Id& id);
    void startAttempt(Entry& e);
    void onAttemptEnded(const QString& key);
    void onStatus(const HidDevice::Id& id, const QString& msg);
    void onProgress(const HidDevice::Id& id, int value);
    void retryLater(Entry& e, const QString& status);
    void finish(Entry& e, BoxUpdate::Phase phase, const QString& reason);
    void disconnected(Entry& e);
    void record(const Entry& e, const char* result, const QString& reason);
    void changed(Entry& e);
    bool isPresent(const HidDevice::Id& id) const;
    static QString keyOf(const HidDevice::Id& id);

    UpdateHistory log;
    UpdateImage current;
    QString image_file;
    bool unannounced = true;
    QSet<QString> included;
    std::map<QString, Entry> entries;
    QStringList order; // keys in the order the boxes came
    QSet<QString> failedSerials;
    QTimer timer;
    QElapsedTimer clock;
};
