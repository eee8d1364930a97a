#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

// The record of every firmware update attempt, one line each in a text file of the per-user
// data folder, for the user and for whoever supports them. Lines are appended whole, so that
// two programs updating at once never mix theirs; the reader takes what it can from a file
// anyone may have edited.
//
// A line holds seven fields separated by tabs: the time in UTC (ISO 8601), the box's location,
// its serial number, the firmware before and after, the result ("updated", "kept", "failed",
// "disconnected") and the reason; a backslash escapes a tab, a line break or itself
// (\t, \n, \r, \\). Lines starting with '#' are comments.
class UpdateHistory
{
public:
    struct Record
    {
        QDateTime time; // UTC
        QString location;
        QString serial;
        QString from_version;
        QString to_version;
        QString result;
        QString reason;

        bool operator==(const Record& o) const;
    };

    static constexpr const char* FILE_NAME = "firmware-updates.txt";
    // The reader looks at no more than the newest this many bytes; older lines are dropped.
    static constexpr qint64 MAX_READ_BYTES = 4 * 1024 * 1024;
    // A longer line was not written by this program and is skipped.
    static constexpr int MAX_LINE_BYTES = 4096;

    // No file: appending does nothing, reading finds nothing.
    explicit UpdateHistory(const QString& file = QString());

    QString fileName() const { return file; }
    // False when the line could not be written (the reason is logged).
    bool append(const Record& record) const;
    // The records of the file, oldest first; malformed lines are skipped.
    QVector<Record> read() const;

    // One record as its line (without the line break), and back; false for a malformed line.
    static QByteArray toLine(const Record& record);
    static bool fromLine(const QByteArray& line, Record& record);

private:
    QString file;
};
