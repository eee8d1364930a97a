#pragma once

#include <QObject>
#include <QString>

class HidDevice;

// Where the program learns that a box it found on USB could not be opened: on Linux almost
// always a device node this user may not read and write. Whoever opens a box (the manager for
// boxes in normal operation, the firmware updater for boxes in their bootloader) reports how
// the open went; the window tells the user. One object for the whole process, so that openers
// in any thread reach the same listeners.
class HidOpenMonitor : public QObject
{
    Q_OBJECT

public:
    // Created on first use, never destroyed, so that a worker thread may report during
    // shutdown.
    static HidOpenMonitor* instance();

    // Emits opened or openFailed for the device's path. Callable from any thread; listeners in
    // another thread get the signal queued.
    void report(const HidDevice& device);

signals:
    void openFailed(const QString& path);
    void opened(const QString& path);

private:
    HidOpenMonitor() = default;
};
