#include "app/TrendView.h"

#include "device/AppSettings.h"
#include "devicemanager/LiveTrend.h"
#include "devicemanager/UserDialogs.h"
#include "logplot/TrendPlot.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

static_assert(TrendPlot::CURVES == TrendBuffer::CHANNELS
                  && TrendPlot::ACTUATORS == TrendBuffer::ACTUATORS,
              "a trend point is a plot point");

TrendView::TrendView(LiveTrend* trend, UserDialogs* dialogs, QWidget* parent)
    : QWidget(parent)
    , m_trend(trend)
    , m_dialogs(dialogs)
    , m_plot(new TrendPlot(this))
    , m_pause(new QPushButton(tr("&Pause"), this))
    , m_record(new QPushButton(this))
    , m_recording(new QLabel(this))
{
    // The dock gives way on a small screen: the table comes first.
    m_plot->setMinimumSize(200, 40);
    m_plot->setAutoFillBackground(true);
    QPalette white = m_plot->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_plot->setPalette(white);
    m_pause->setCheckable(true);
    m_pause->setToolTip(tr("Keeps the view where it is; the values are still recorded."));
    m_recording->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pause);
    buttons->addWidget(m_record);
    buttons->addWidget(m_recording, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_plot, 1);

    connect(m_pause, &QPushButton::toggled, m_plot,
            [this](bool paused) { m_plot->setFollowing(!paused); });
    connect(m_plot, &TrendPlot::followingChanged, m_pause,
            [this](bool following) { m_pause->setChecked(!following); });
    connect(m_record, &QPushButton::clicked, this, &TrendView::onRecordClicked);
    connect(m_trend, &LiveTrend::pointAdded, this, &TrendView::onPointAdded);
    connect(m_trend, &LiveTrend::trendDropped, this, &TrendView::onTrendDropped);
    connect(m_trend, &LiveTrend::recordingFailed, this, &TrendView::onRecordingFailed);
    updateRecordState();
}

void TrendView::showBox(VoroDevice::Id id, const QStringList& actuator_locations)
{
    QStringList names;
    for (int a = 0; a < TrendPlot::ACTUATORS; ++a) {
        const QString location = actuator_locations.value(a);
        names << (location.isEmpty() ? tr("Actuator %1").arg(a + 1)
                                     : QStringLiteral("%1 %2").arg(a + 1).arg(location));
    }
    m_plot->setActuatorNames(names);
    const int key = m_trend->trendKey(id);
    if (id == m_id && key == m_key)
        return;
    m_id = id;
    m_key = key;
    load();
}

void TrendView::load()
{
    TrendPlot::Series series;
    const TrendBuffer* buffer = m_trend->trend(m_key);
    const int n = buffer ? buffer->size() : 0;
    for (QVector<QPointF>& s : series)
        s.reserve(n);
    for (int i = 0; i < n; ++i) {
        const double t = buffer->time(i);
        for (int c = 0; c < TrendPlot::CURVES; ++c)
            series[size_t(c)].append(QPointF(t, double(buffer->value(i, c))));
    }
    m_anyShown = n > 0;
    m_lastSecond = n > 0 ? buffer->second(n - 1) : 0;
    m_plot->setSeries(std::move(series));
    updateRecordState();
}

void TrendView::onPointAdded(int key)
{
    // A box becomes ready after it was selected: its trend begins now.
    if (m_key < 0 && m_id != -1 && m_trend->trendKey(m_id) == key) {
        m_key = key;
        load();
        updateRecordState();
        return;
    }
    const TrendBuffer* buffer = m_trend->trend(key);
    if (key != m_key || !buffer || buffer->isEmpty())
        return;
    // The points not shown yet, oldest first.
    int first = buffer->size();
    while (first > 0 && (!m_anyShown || buffer->second(first - 1) > m_lastSecond))
        --first;
    for (int i = first; i < buffer->size(); ++i) {
        TrendPlot::Values values;
        for (int c = 0; c < TrendPlot::CURVES; ++c)
            values[size_t(c)] = buffer->value(i, c);
        m_plot->appendPoint(buffer->time(i), values);
    }
    m_lastSecond = buffer->second(buffer->size() - 1);
    m_anyShown = true;
}

void TrendView::onTrendDropped(int key)
{
    if (key != m_key)
        return;
    m_key = -1;
    load();
}

void TrendView::onRecordClicked()
{
    if (m_trend->isRecording(m_key)) {
        m_trend->stopRecording(m_key);
        updateRecordState();
        return;
    }
    const QString chosen = m_dialogs->existingDirectory(
        window(), tr("Record Live Values"), lastFolder(AppSettings::FOLDER_EXPORT_LOGS));
    if (chosen.isEmpty())
        return;
    setLastFolder(AppSettings::FOLDER_EXPORT_LOGS, chosen);
    QString problem;
    if (!m_trend->startRecording(m_key, chosen, &problem)) {
        m_dialogs->message(window(), UserDialogs::Warning, tr("Record Live Values"),
                           tr("The live values cannot be recorded: %1 cannot be written.")
                               .arg(QDir::toNativeSeparators(problem)),
                           UserDialogs::Ok);
    }
    updateRecordState();
}

void TrendView::onRecordingFailed(int key, const QString& file)
{
    if (key != m_key)
        return;
    updateRecordState();
    m_dialogs->message(
        window(), UserDialogs::Warning, tr("Record Live Values"),
        tr("The recording has stopped: %1 cannot be written.").arg(QDir::toNativeSeparators(file)),
        UserDialogs::Ok);
}

void TrendView::updateRecordState()
{
    const bool recording = m_trend->isRecording(m_key);
    m_record->setText(recording ? tr("S&top Recording") : tr("&Record…"));
    m_record->setEnabled(m_key >= 0);
    m_recording->setText(
        recording
            ? tr("Recording to %1").arg(QDir::toNativeSeparators(m_trend->recordingFolder(m_key)))
            : QString());
}
