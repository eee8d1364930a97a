#pragma once

#include "devicemanager/TrendBuffer.h"
#include "devicemanager/TrendRecorder.h"
#include "records/VoroDevice.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <map>
#include <memory>

class VoroManager;

// Records the live values of every ready box from the manager's update reports, so that the
// trend of any box can be shown at once. The reports of one second make one point (the last
// values of that second), added when the next second's first report comes; a box that stops
// answering leaves a gap, and one that comes back (deviceReturned) goes on in the same trend,
// which is dropped only when the box does not come back. A trend may also be recorded into
// CSV files (TrendRecorder), which goes on across a reconnect. Without widgets.
class LiveTrend : public QObject
{
    Q_OBJECT

public:
    // Milliseconds since 1970 UTC.
    using Clock = std::function<qint64()>;

    // Without a clock the system's.
    explicit LiveTrend(VoroManager* manager, Clock clock = Clock());
    ~LiveTrend() override;

    // The trend of a box by any id it had since it was ready; -1 for none.
    int trendKey(VoroDevice::Id id) const;
    // Null for an unknown key.
    const TrendBuffer* trend(int key) const;
    // The live values of a report as a trend point: effective setpoint (setpoint plus the
    // potentiometer's shift) and temperature in °C, the TRIAC as 0 or 1.
    static TrendBuffer::Values valuesOf(const VoroDevice& device);

    // Records the box's trend below `chosen` from its next point on; false when the files
    // cannot be made (`*problem` then names the one).
    bool startRecording(int key, const QString& chosen, QString* problem = nullptr);
    void stopRecording(int key);
    bool isRecording(int key) const;
    // The recording's folder and files; empty when the trend is not recorded.
    QString recordingFolder(int key) const;
    QStringList recordingFiles(int key) const;

signals:
    // A point (or a gap) was added to the trend.
    void pointAdded(int key);
    // A file of the recording could not be written: the recording has stopped.
    void recordingFailed(int key, const QString& file);
    // The box did not come back; its trend is gone.
    void trendDropped(int key);

private slots:
    void onDeviceDetected(VoroDevice::Id id);
    void onDeviceUpdated(VoroDevice::Id id);
    void onDeviceDeleted(VoroDevice::Id id);
    void onDeviceReturned(VoroDevice::Id old_id, VoroDevice::Id new_id);
    void onDeviceLost(VoroDevice::Id old_id);

private:
    struct Trend
    {
        TrendBuffer buffer;
        // The second whose reports are coming in, not yet added.
        bool pending = false;
        qint64 pending_second = 0;
        TrendBuffer::Values pending_values {};
        std::unique_ptr<TrendRecorder> recorder;
    };

    void commit(int key, Trend& t);
    Trend* find(int key);

    VoroManager* m_manager;
    Clock m_clock;
    std::map<int, Trend> m_trends;
    QHash<VoroDevice::Id, int> m_keys;
    int m_nextKey = 1;
};
