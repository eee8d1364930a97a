#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QPointF>
#include <QString>
#include <QVector>

#include <array>

// One actuator's log: setpoint, temperature and TRIAC series of (time, value) samples.
// Times are milliseconds since 1970-01-01 UTC (QwtDate doubles), shown in local time.
struct LogData
{
    enum Series { SETPOINT = 0, TEMPERATURE = 1, TRIAC = 2, SERIES_COUNT = 3 };

    std::array<QVector<QPointF>, SERIES_COUNT> series;
    std::array<bool, SERIES_COUNT> present { { false, false, false } };
    double firstTime = 0;
    double lastTime = 0;
    double interval = 3.0;

    void clear();
    int count() const;
    double time(int i) const;
    double minValue(int s) const;
    double maxValue(int s) const;

    // Larger files are no log the box or this program wrote; reading them is refused.
    static constexpr qint64 MAX_CSV_FILE_SIZE = 256 << 20;

    QString toCsv() const;
    static LogData fromCsv(const QString& text);
    // Reads the bytes of a CSV file exactly as fromCsv(QString(utf8)) reads its text, without
    // decoding the whole text first.
    static LogData fromCsvUtf8(const QByteArray& utf8);
    // Reads a CSV log file; ok (when given) is false when the file cannot be read or is larger
    // than MAX_CSV_FILE_SIZE, and the log is then empty.
    static LogData readCsvFile(const QString& path, bool* ok = nullptr);

private:
    const QVector<QPointF>* timeSeries() const;
};

Q_DECLARE_METATYPE(LogData)
