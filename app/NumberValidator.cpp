#include "app/NumberValidator.h"

#include <QRegularExpression>

QValidator::State NumberValidator::validate(QString& input, int&) const
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?\\d*\\.?\\d*\\s*$"));
    if (!number.match(input).hasMatch())
        return Invalid;
    // A sign or a point alone is on its way to a number.
    return input.contains(QRegularExpression(QStringLiteral("\\d"))) ? Acceptable : Intermediate;
}
