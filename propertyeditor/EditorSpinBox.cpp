#include "propertyeditor/EditorSpinBox.h"

namespace {
// The number typed, without the box's prefix and suffix.
QString typedNumber(QString text, const QString& prefix, const QString& suffix)
{
    if (!prefix.isEmpty() && text.startsWith(prefix))
        text.remove(0, prefix.size());
    if (!suffix.isEmpty() && text.endsWith(suffix))
        text.chop(suffix.size());
    return text.trimmed();
}

// On the way to a number: a sign alone, or a number beyond the limits.
template<typename Parse> QValidator::State beyondLimits(const QString& number, Parse parse)
{
    if (number == QLatin1String("-") || number == QLatin1String("+"))
        return QValidator::Intermediate;
    bool ok = false;
    parse(number, &ok);
    return ok ? QValidator::Intermediate : QValidator::Invalid;
}
} // namespace

QValidator::State EditorSpinBox::validate(QString& text, int& pos) const
{
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state != QValidator::Invalid)
        return state;
    const QLocale l = locale();
    return beyondLimits(typedNumber(text, prefix(), suffix()),
                        [&l](const QString& s, bool* ok) { return l.toLongLong(s, ok); });
}

QValidator::State EditorDoubleSpinBox::validate(QString& text, int& pos) const
{
    const QValidator::State state = QDoubleSpinBox::validate(text, pos);
    if (state != QValidator::Invalid)
        return state;
    const QLocale l = locale();
    return beyondLimits(typedNumber(text, prefix(), suffix()),
                        [&l](const QString& s, bool* ok) { return l.toDouble(s, ok); });
}
