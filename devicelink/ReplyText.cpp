#include "devicelink/ReplyText.h"

#include <QTextCodec>

namespace ReplyText {

namespace {
constexpr int kReplyTextSize = 63; // what an input report holds after the echo

bool isDigits(const QByteArray& text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// The length of `text` without a multi-byte sequence that the end cuts short.
int withoutCutSequence(const QByteArray& text)
{
    const int size = text.size();
    for (int back = 1; back <= 3 && back <= size; ++back) {
        const uchar c = uchar(text.at(size - back));
        if ((c & 0xC0) == 0x80)
            continue; // a continuation byte: look further back for its lead byte
        const int needed = (c & 0xE0) == 0xC0 ? 2
            : (c & 0xF0) == 0xE0              ? 3
            : (c & 0xF8) == 0xF0              ? 4
                                              : 1;
        return needed > back ? size - back : size;
    }
    return size;
}
} // namespace

QByteArray bytes(const QByteArray& reply)
{
    const int end = reply.indexOf('\0');
    return end < 0 ? reply : reply.left(end);
}

bool toNumber(const QByteArray& reply, int min, int max, int& value)
{
    const QByteArray text = bytes(reply);
    const bool negative = text.startsWith('-');
    const QByteArray digits = negative ? text.mid(1) : text;
    if (!isDigits(digits) || digits.size() > 10)
        return false;
    const qint64 n = (negative ? -1 : 1) * digits.toLongLong();
    if (n < min || n > max)
        return false;
    value = int(n);
    return true;
}

bool toVersion(const QByteArray& reply, QString& version)
{
    const QByteArray text = bytes(reply);
    for (const QByteArray& part : text.split('.')) {
        if (!isDigits(part) || part.size() > 9)
            return false;
    }
    version = QString::fromLatin1(text);
    return true;
}

QString toText(const QByteArray& reply)
{
    QByteArray raw = bytes(reply);
    if (raw.size() == kReplyTextSize)
        raw.truncate(withoutCutSequence(raw));
    // A byte order mark is a character of the text here, not a header to drop.
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString decoded
        = QTextCodec::codecForName("UTF-8")->toUnicode(raw.constData(), raw.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return decoded;
    const QByteArray all = bytes(reply);
    qDebug("text not UTF-8, read as Latin-1: %s", all.toHex(' ').constData());
    return QString::fromLatin1(all);
}

} // namespace ReplyText
