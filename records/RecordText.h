#pragma once

#include <QString>
#include <QStringList>

// The semicolon text form of the device records: decimal fields, empty parts kept, and a part
// that is not a base-10 number makes the whole text invalid.
class RecordText
{
public:
    explicit RecordText(const QString& text)
        : parts(text.split(QLatin1Char(';')))
    { }

    int count() const { return parts.size(); }
    QString part(int i) const { return parts.value(i); }

    bool toInt(int i, int& value) const
    {
        bool ok = false;
        value = parts.value(i).toInt(&ok, 10);
        return ok;
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

private:
    QStringList parts;
};
