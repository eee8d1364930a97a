#pragma once

#include "records/VoroDevice.h"

#include <QStringList>
#include <QWidget>

class LiveTrend;
class QLabel;
class QPushButton;
class TrendPlot;
class UserDialogs;

// The live trend of the selected box below the table: the plot, a Pause button and Record…,
// which writes the box's live values into CSV files until it is pressed again (Stop
// Recording). It shows the trend the LiveTrend keeps, and adds each point as it comes.
class TrendView : public QWidget
{
    Q_OBJECT

public:
    TrendView(LiveTrend* trend, UserDialogs* dialogs, QWidget* parent = nullptr);

    // The box to show (-1: none), by any id it had; its actuators' names for the legend.
    void showBox(VoroDevice::Id id, const QStringList& actuator_locations);
    TrendPlot* plot() const { return m_plot; }
    QPushButton* pauseButton() const { return m_pause; }
    QPushButton* recordButton() const { return m_record; }

private slots:
    void onPointAdded(int key);
    void onTrendDropped(int key);
    void onRecordClicked();
    void onRecordingFailed(int key, const QString& file);

private:
    void load();
    void updateRecordState();

    LiveTrend* m_trend;
    UserDialogs* m_dialogs;
    TrendPlot* m_plot;
    QPushButton* m_pause;
    QPushButton* m_record;
    QLabel* m_recording;
    VoroDevice::Id m_id = -1;
    int m_key = -1;
    qint64 m_lastSecond = 0; // of the newest point shown
    bool m_anyShown = false;
};
