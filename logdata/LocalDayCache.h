#pragma once

#include <QDate>
#include <QString>

// Converts between log times (ms since 1970 UTC) and the local "dd.MM.yyyy hh:mm:ss" text
// without QDateTime's per-call cost: consecutive rows fall on the same local day, so the day's
// midnight is looked up once and the time of day is plain arithmetic. Days on which the UTC
// offset changes take QDateTime's own path, which also decides what a skipped hour means.
class LocalDayCache
{
public:
    // Appends the local date and time of `time`, seconds truncated as QDateTime shows them.
    void appendText(QString& out, double time);
    // Reads exactly "dd.MM.yyyy hh:mm:ss" as local time; false for any other text or for a
    // local time that does not exist. The bytes of the second form are Latin-1.
    bool parse(const QChar* begin, const QChar* end, double& time);
    bool parse(const char* begin, const char* end, double& time);

private:
    struct Day
    {
        QDate date;
        int day = 0, month = 0, year = 0; // of date, compared for every row read
        qint64 start = 0;
        qint64 end = 0; // start == end: nothing cached
        bool uniform = false; // one UTC offset all day long
        QChar text[11]; // "dd.MM.yyyy "
    };
    static void load(Day& day, const QDate& date);
    template<typename Char> bool parseText(const Char* begin, const Char* end, double& time);

    Day shown; // the day of the last appendText
    Day read; // the day of the last parse
};
