#include "devicemanager/TrendRecorder.h"

#include "device/LogExport.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

TrendRecorder::TrendRecorder(const QString& chosen, const QString& location,
                             const QStringList& actuator_locations, const QDateTime& now)
    : m_folder(LogExport::folderFor(chosen, location, now) + QStringLiteral("_live"))
    , m_locations(actuator_locations)
{
    nameFiles();
}

void TrendRecorder::nameFiles()
{
    m_names.clear();
    for (int i = 0; i < TrendBuffer::ACTUATORS; ++i)
        m_names << LogExport::fileName(m_folder, i, m_locations.value(i));
}

QStringList TrendRecorder::files() const
{
    return m_names;
}

bool TrendRecorder::open()
{
    // Two boxes of one location recorded in the same second must not share their files.
    const QString base = m_folder;
    for (int n = 2; QFileInfo::exists(m_folder); ++n)
        m_folder = base + QStringLiteral("_%1").arg(n);
    nameFiles();
    if (!QDir().mkpath(m_folder)) {
        m_error = m_folder;
        return false;
    }
    // The header exactly as a log export writes it.
    const QByteArray header = LogData().toCsv().toLocal8Bit();
    for (int i = 0; i < TrendBuffer::ACTUATORS; ++i) {
        auto file = std::make_unique<QFile>(m_names.at(i));
        if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate) || !writeTo(*file, header)) {
            m_error = m_names.at(i);
            return false;
        }
        m_files[size_t(i)] = std::move(file);
    }
    return true;
}

bool TrendRecorder::write(qint64 second, const TrendBuffer::Values& values)
{
    if (std::isnan(values[0]))
        return true; // a gap
    // One sample through the log's own writer, so that the rows read back as a log's do.
    LogData row;
    row.present.fill(true);
    const int header = LogData().toCsv().size();
    for (int a = 0; a < TrendBuffer::ACTUATORS; ++a) {
        QFile* file = m_files[size_t(a)].get();
        if (!file)
            return false;
        for (int s = 0; s < LogData::SERIES_COUNT; ++s) {
            row.series[size_t(s)] = { QPointF(double(second) * 1000.0,
                                              double(values[size_t(TrendBuffer::channel(a, s))])) };
        }
        if (!writeTo(*file, row.toCsv().mid(header).toLocal8Bit())) {
            m_error = m_names.at(a);
            return false;
        }
    }
    return true;
}

bool TrendRecorder::writeTo(QFile& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size() && file.flush();
}
