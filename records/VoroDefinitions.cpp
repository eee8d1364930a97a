#include "records/VoroDefinitions.h"

#include <QMetaEnum>
#include <QRegularExpression>

namespace {
// The keys the combo boxes and the property editor show, translated by name; listed here so
// that the translation tools keep them in the catalogues.
[[maybe_unused]] constexpr const char* CATALOGUE[] = {
    QT_TRANSLATE_NOOP("QObject", "CM__LOCAL"),
    QT_TRANSLATE_NOOP("QObject", "CM__EXTERNAL"),
    QT_TRANSLATE_NOOP("QObject", "CT__DEFINED_BY_INPUT"),
    QT_TRANSLATE_NOOP("QObject", "CT__HEATING"),
    QT_TRANSLATE_NOOP("QObject", "CT__COOLING"),
    QT_TRANSLATE_NOOP("QObject", "CS__SENSORS"),
    QT_TRANSLATE_NOOP("QObject", "CS__ACTUATOR_1"),
    QT_TRANSLATE_NOOP("QObject", "CS__ACTUATOR_2"),
    QT_TRANSLATE_NOOP("QObject", "CS__ACTUATOR_3"),
    QT_TRANSLATE_NOOP("QObject", "CS__ACTUATOR_4"),
    QT_TRANSLATE_NOOP("QObject", "CS__ACTUATOR_5"),
    QT_TRANSLATE_NOOP("QObject", "CS__ACTUATOR_6"),
    QT_TRANSLATE_NOOP("QObject", "CS__ACTUATOR_7"),
    QT_TRANSLATE_NOOP("QObject", "CS__ACTUATOR_8"),
    QT_TRANSLATE_NOOP("QObject", "AT__NC"),
    QT_TRANSLATE_NOOP("QObject", "AT__NO"),
    QT_TRANSLATE_NOOP("QObject", "ST__10K3A1_NTC"),
    QT_TRANSLATE_NOOP("QObject", "ST__10K4A1_NTC"),
    QT_TRANSLATE_NOOP("QObject", "ST__10K_NTC_CAREL"),
    QT_TRANSLATE_NOOP("QObject", "ST__20K6A1_NTC"),
    QT_TRANSLATE_NOOP("QObject", "ST__2_2K3A1_NTC"),
    QT_TRANSLATE_NOOP("QObject", "ST__3K3A1_NTC"),
    QT_TRANSLATE_NOOP("QObject", "ST__30K6A1_NTC"),
    QT_TRANSLATE_NOOP("QObject", "ST__SIE1"),
    QT_TRANSLATE_NOOP("QObject", "ST__TAC1"),
    QT_TRANSLATE_NOOP("QObject", "ST__SAT1"),
    QT_TRANSLATE_NOOP("QObject", "ST__PT1000"),
    QT_TRANSLATE_NOOP("QObject", "ST__NI1000"),
    QT_TRANSLATE_NOOP("QObject", "ST__NI1000_TK5000"),
};

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
