#pragma once

#include "records/VoroDefinitions.h"

#include <QString>
#include <QStringList>

#include <limits>

// The semicolon text form of the device records: decimal fields, empty parts kept, and a part
// that is not a base-10 number, or a number outside its field's range, makes the whole text
// invalid. A value is never cut or cast to fit: what a field cannot hold is not a reading.
class RecordText
{
public:
    // The box keeps temperatures, offsets and shifts in 0.1 units as signed 16-bit words (its
    // log records show it).
    static constexpr int WORD_MIN = -32768, WORD_MAX = 32767;

    explicit RecordText(const QString& text)
        : parts(text.split(QLatin1Char(';')))
    { }

    int count() const { return parts.size(); }
    QString part(int i) const { return parts.value(i); }

    bool toInt(int i, int& value, int min = std::numeric_limits<int>::min(),
               int max = std::numeric_limits<int>::max()) const
    {
        bool ok = false;
        const int n = parts.value(i).toInt(&ok, 10);
        if (!ok || n < min || n > max)
            return false;
        value = n;
        return true;
    }
    bool toUInt(int i, quint32& value) const
    {
        bool ok = false;
        value = parts.value(i).toUInt(&ok, 10);
        return ok;
    }
    // Any non-zero number is true.
    bool toBool(int i, bool& value) const
    {
        int n = 0;
        const bool ok = toInt(i, n);
        value = n != 0;
        return ok;
    }
    // A value of the named enumeration of VoroDefinitions that has a key: the box refuses any
    // other, so a save could not send it back.
    bool toEnum(int i, int& value, const char* enum_name) const
    {
        int n = 0;
        if (!toInt(i, n) || enumKey(enum_name, n).isNull())
            return false;
        value = n;
        return true;
    }

private:
    QStringList parts;
};
