#pragma once

#include <QByteArray>
#include <QString>

// Reading the text of a box's reply (the bytes after the echo, up to the first zero byte) as
// the value it must be. Each reader takes the whole text or nothing: a reply that only
// begins like a number or a version is garbage, and garbage never becomes a value.
namespace ReplyText {

// The reply's bytes up to its first zero byte, or all of them.
QByteArray bytes(const QByteArray& reply);

// A decimal number within [min, max]: an optional '-', then digits, nothing else.
bool toNumber(const QByteArray& reply, int min, int max, int& value);

// A version: dot-separated decimal numbers, such as "1.1.2.17" or "2".
bool toVersion(const QByteArray& reply, QString& version);

// Free text as the box stores it, whatever characters it holds: a name a box keeps must never
// make it unusable. It is UTF-8 as this program writes it; a text that is not (a name written
// by other means) is read byte by byte as Latin-1, so that every byte shows and a save writes
// it back readable. A text that fills the report may end in a character the report had no
// room for; that character is left out.
QString toText(const QByteArray& reply);

} // namespace ReplyText
