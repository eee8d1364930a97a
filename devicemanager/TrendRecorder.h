#pragma once

#include "devicemanager/TrendBuffer.h"

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

// Writes the live values of one box as they come into one CSV file per actuator, in the log
// format that Import Log and the log export use, into a folder of its own below the one the
// user chose (laid out as a log export, the folder's name ending in "_live", and "_2", "_3" …
// after that when the folder is there already). Every row is flushed at once: a row that was
// shown is on disk.
class TrendRecorder
{
public:
    TrendRecorder(const QString& chosen, const QString& location,
                  const QStringList& actuator_locations, const QDateTime& now);

    // Makes the folder and the eight files with their header; false when that fails (then
    // error() names what could not be written).
    bool open();
    // Appends one row to each file; gaps are left out, since the format has no place for them.
    // False when a file could not be written.
    bool write(qint64 second, const TrendBuffer::Values& values);

    QString folder() const { return m_folder; }
    QStringList files() const;
    QString error() const { return m_error; }

private:
    bool writeTo(QFile& file, const QByteArray& bytes);
    void nameFiles();

    QString m_folder;
    QStringList m_locations;
    QStringList m_names;
    std::array<std::unique_ptr<QFile>, TrendBuffer::ACTUATORS> m_files;
    QString m_error;
};
