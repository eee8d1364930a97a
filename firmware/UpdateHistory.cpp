#include "firmware/UpdateHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {
constexpr int kFields = 7;
const QByteArray kHeader = "# voro-BOX CDU firmware updates: time (UTC), location, serial, from, "
                           "to, result, reason\n";

QByteArray escaped(const QString& text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool unescaped(const QByteArray& field, QString& text)
{
    QByteArray out;
    for (int i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c == '\\') {
            if (++i == field.size())
                return false;
            switch (field[i]) {
            case '\\':
                c = '\\';
                break;
            case 't':
                c = '\t';
                break;
            case 'n':
                c = '\n';
                break;
            case 'r':
                c = '\r';
                break;
            default:
                return false;
            }
        }
        out += c;
    }
    text = QString::fromUtf8(out);
    return true;
}
} // namespace

bool UpdateHistory::Record::operator==(const Record& o) const
{
    return time == o.time && location == o.location && serial == o.serial
        && from_version == o.from_version && to_version == o.to_version && result == o.result
        && reason == o.reason;
}

UpdateHistory::UpdateHistory(const QString& file)
    : file(file)
{ }

QByteArray UpdateHistory::toLine(const Record& r)
{
    const QList<QByteArray> fields = { r.time.toUTC().toString(Qt::ISODate).toLatin1(),
                                       escaped(r.location),
                                       escaped(r.serial),
                                       escaped(r.from_version),
                                       escaped(r.to_version),
                                       escaped(r.result),
                                       escaped(r.reason) };
    return fields.join('\t');
}

bool UpdateHistory::fromLine(const QByteArray& line, Record& r)
{
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != kFields)
        return false;
    r.time = QDateTime::fromString(QString::fromLatin1(fields[0]), Qt::ISODate);
    if (!r.time.isValid())
        return false;
    // Lines hold whole seconds; a finer time written by hand is taken to the second.
    r.time = r.time.toUTC().addMSecs(-r.time.time().msec());
    QString* const texts[]
        = { &r.location, &r.serial, &r.from_version, &r.to_version, &r.result, &r.reason };
    for (int i = 0; i < kFields - 1; ++i) {
        if (!unescaped(fields[i + 1], *texts[i]))
            return false;
    }
    return !r.result.isEmpty();
}

bool UpdateHistory::append(const Record& record) const
{
    if (file.isEmpty())
        return true;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qWarning("cannot write the update history %s: %s", qPrintable(file),
                 qPrintable(out.errorString()));
        return false;
    }
    // One write per line: appends of two programs never interleave within a line.
    const QByteArray line = (out.size() == 0 ? kHeader : QByteArray()) + toLine(record) + '\n';
    if (out.write(line) != line.size()) {
        qWarning("cannot write the update history %s: %s", qPrintable(file),
                 qPrintable(out.errorString()));
        return false;
    }
    return true;
}

QVector<UpdateHistory::Record> UpdateHistory::read() const
{
    QVector<Record> records;
    QFile in(file);
    if (file.isEmpty() || !in.open(QIODevice::ReadOnly))
        return records;
    const qint64 size = in.size();
    bool partial = false;
    if (size > MAX_READ_BYTES) {
        in.seek(size - MAX_READ_BYTES);
        partial = true; // the first line read is the end of an older one
    }
    while (!in.atEnd()) {
        QByteArray line = in.readLine(MAX_LINE_BYTES + 1);
        const bool whole = line.endsWith('\n') || in.atEnd();
        if (!whole) {
            // Too long to be ours: skip the rest of it in pieces.
            while (!in.atEnd() && !line.endsWith('\n'))
                line = in.readLine(MAX_LINE_BYTES + 1);
            partial = false;
            continue;
        }
        if (partial) {
            partial = false;
            continue;
        }
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        Record record;
        if (line.isEmpty() || line.startsWith('#') || !fromLine(line, record))
            continue;
        records.append(record);
    }
    return records;
}
