#pragma once

#include "logdata/LocalDayCache.h"
#include "logdata/LogData.h"

// Collects the rows of a log CSV text into a LogData: a local "dd.MM.yyyy hh:mm:ss" time and
// three numbers, separated by ';'. Any other line is skipped, whatever it holds.
class LogCsvReader
{
public:
    LogCsvReader();

    // Room for the rows a text of this many characters or bytes can hold, so that a long file
    // is read without growing the series.
    void reserveFor(qint64 length);
    // A whole text. Lines end with CR LF as written, or with LF alone from other editors.
    void addText(const QString& text);
    // The UTF-8 bytes of a text, in pieces: reads the lines that end within [begin, end) and
    // returns where the first line that does not end there starts, to be handed in again in
    // front of the next bytes. With `last` the rest is the text's last line, and the text
    // ends. The bytes are read as QString(QByteArray) reads them, so the caller ends the text
    // at the first zero byte.
    const char* addUtf8(const char* begin, const char* end, bool last);
    // The log read, with its last time and interval; the reader starts again empty.
    LogData finish();

private:
    void addUtf8Line(const char* begin, const char* end);
    template<typename Char> void addLine(const Char* begin, const Char* end);

    LogData m_log;
    LocalDayCache m_days;
    bool m_textStart = true;
};
