#pragma once

#include <QValidator>

// Lets a number be typed into a cell of the actuator table, in the form the table shows its
// numbers ("21.5", "-0.3"): digits, one sign in front, one "." and nothing else. Any number is
// taken; the table keeps it within its field's range and says so.
class NumberValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};
