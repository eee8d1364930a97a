#pragma once

#include <QDoubleSpinBox>
#include <QSpinBox>

// The spin boxes of the property editor. A number outside the limits can be typed whole and is
// then refused as a whole when it is to be taken (QVariantDelegate says so), where Qt's own
// spin boxes drop every key that leaves the range: 9999 typed into 1…60 would become 9.
class EditorSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
};

class EditorDoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
};
