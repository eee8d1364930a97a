#include "records/VoroDefinitions.h"

#include <QMetaEnum>
#include <QRegularExpression>

namespace {
QMetaEnum metaEnum(const char* enum_name)
{
    const QMetaObject& mo = VoroDefinitions::staticMetaObject;
    return mo.enumerator(mo.indexOfEnumerator(enum_name));
}
} // namespace

QString enumKey(const char* enum_name, int value)
{
    const QMetaEnum e = metaEnum(enum_name);
    return e.isValid() ? QString::fromLatin1(e.valueToKey(value)) : QString();
}

int enumValue(const char* enum_name, const QString& key, bool* ok)
{
    const QMetaEnum e = metaEnum(enum_name);
    bool found = false;
    int value = e.isValid() ? e.keyToValue(key.toLocal8Bit().constData(), &found) : -1;
    if (!found)
        value = -1;
    if (ok)
        *ok = found;
    return value;
}

QString makeFileName(const QString& text, const QString& fallback, const QString& suffix)
{
    static const QRegularExpression forbidden(QStringLiteral("[<>:\"/\\\\|?*]"));
    static const QRegularExpression separators(QStringLiteral("[\\.\\s\\,]+"));
    QString name = text.trimmed();
    name.remove(forbidden);
    name = name.toLower();
    name.replace(separators, QStringLiteral("_"));
    if (name.isEmpty())
        name = fallback;
    return name + suffix;
}
