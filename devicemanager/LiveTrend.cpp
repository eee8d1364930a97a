#include "devicemanager/LiveTrend.h"

#include "devicemanager/VoroManager.h"

#include <QDateTime>

LiveTrend::LiveTrend(VoroManager* manager, Clock clock)
    : QObject(manager)
    , m_manager(manager)
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentMSecsSinceEpoch(); })
{
    connect(manager, &VoroManager::deviceDetected, this, &LiveTrend::onDeviceDetected);
    connect(manager, &VoroManager::deviceUpdated, this, &LiveTrend::onDeviceUpdated);
    connect(manager, &VoroManager::deviceDeleted, this, &LiveTrend::onDeviceDeleted);
    connect(manager, &VoroManager::deviceReturned, this, &LiveTrend::onDeviceReturned);
    connect(manager, &VoroManager::deviceLost, this, &LiveTrend::onDeviceLost);
}

LiveTrend::~LiveTrend() = default;

int LiveTrend::trendKey(VoroDevice::Id id) const
{
    return m_keys.value(id, -1);
}

const TrendBuffer* LiveTrend::trend(int key) const
{
    const auto it = m_trends.find(key);
    return it == m_trends.end() ? nullptr : &it->second.buffer;
}

LiveTrend::Trend* LiveTrend::find(int key)
{
    const auto it = m_trends.find(key);
    return it == m_trends.end() ? nullptr : &it->second;
}

TrendBuffer::Values LiveTrend::valuesOf(const VoroDevice& device)
{
    TrendBuffer::Values v;
    v.fill(0);
    const int n = std::min(TrendBuffer::ACTUATORS, int(device.actuator_data.size()));
    for (int a = 0; a < n; ++a) {
        const ActuatorData& d = device.actuator_data.at(a);
        const int setpoint = a < device.config.actuator_settings.size()
            ? device.config.actuator_settings.at(a).setpoint
            : 0;
        v[size_t(TrendBuffer::channel(a, LogData::SETPOINT))] = float(setpoint + d.pot_shift) / 10;
        v[size_t(TrendBuffer::channel(a, LogData::TEMPERATURE))] = float(d.temperature) / 10;
        v[size_t(TrendBuffer::channel(a, LogData::TRIAC))] = d.triac ? 1.0f : 0.0f;
    }
    return v;
}

void LiveTrend::onDeviceDetected(VoroDevice::Id id)
{
    // Announced again after a save, or back after deviceReturned: the trend goes on.
    if (m_keys.contains(id) || m_manager->device(id).state != VoroDefinitions::DS__READY)
        return;
    m_keys.insert(id, m_nextKey);
    m_trends[m_nextKey];
    ++m_nextKey;
}

void LiveTrend::onDeviceUpdated(VoroDevice::Id id)
{
    Trend* t = find(trendKey(id));
    if (!t)
        return;
    const qint64 second = m_clock() / 1000;
    if (t->pending && second != t->pending_second)
        commit(trendKey(id), *t);
    t->pending = true;
    t->pending_second = second;
    t->pending_values = valuesOf(m_manager->device(id));
}

void LiveTrend::commit(int key, Trend& t)
{
    if (!t.pending)
        return;
    t.pending = false;
    t.buffer.append(t.pending_second, t.pending_values);
    if (t.recorder) {
        const int last = t.buffer.size() - 1;
        if (!t.recorder->write(t.buffer.second(last), t.pending_values)) {
            const QString file = t.recorder->error();
            t.recorder.reset();
            emit recordingFailed(key, file);
        }
    }
    emit pointAdded(key);
}

void LiveTrend::onDeviceDeleted(VoroDevice::Id id)
{
    const int key = trendKey(id);
    Trend* t = find(key);
    if (!t)
        return;
    commit(key, *t);
    t->buffer.appendGap();
    emit pointAdded(key);
}

void LiveTrend::onDeviceReturned(VoroDevice::Id old_id, VoroDevice::Id new_id)
{
    const int key = trendKey(old_id);
    if (key >= 0)
        m_keys.insert(new_id, key); // the old id keeps naming the trend, for views of it
}

void LiveTrend::onDeviceLost(VoroDevice::Id old_id)
{
    const int key = trendKey(old_id);
    if (key < 0)
        return;
    for (auto it = m_keys.begin(); it != m_keys.end();)
        it = it.value() == key ? m_keys.erase(it) : std::next(it);
    m_trends.erase(key);
    emit trendDropped(key);
}

bool LiveTrend::startRecording(int key, const QString& chosen, QString* problem)
{
    Trend* t = find(key);
    if (!t)
        return false;
    VoroDevice d;
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it) {
        if (it.value() == key && m_manager->device(it.key()).id != -1)
            d = m_manager->device(it.key());
    }
    auto recorder
        = std::make_unique<TrendRecorder>(chosen, d.config.location, d.config.actuator_locations,
                                          QDateTime::fromMSecsSinceEpoch(m_clock()));
    if (!recorder->open()) {
        if (problem)
            *problem = recorder->error();
        return false;
    }
    t->recorder = std::move(recorder);
    return true;
}

void LiveTrend::stopRecording(int key)
{
    if (Trend* t = find(key))
        t->recorder.reset();
}

bool LiveTrend::isRecording(int key) const
{
    const auto it = m_trends.find(key);
    return it != m_trends.end() && it->second.recorder;
}

QString LiveTrend::recordingFolder(int key) const
{
    const auto it = m_trends.find(key);
    return it != m_trends.end() && it->second.recorder ? it->second.recorder->folder() : QString();
}

QStringList LiveTrend::recordingFiles(int key) const
{
    const auto it = m_trends.find(key);
    return it != m_trends.end() && it->second.recorder ? it->second.recorder->files()
                                                       : QStringList();
}
