#pragma once

#include "propertyeditor/Property.h"
#include "propertyeditor/PropertyObject.h"
#include "tests/propertyeditor/ModelRows.h"

#include <QColor>
#include <QMap>
#include <QMetaType>
#include <QTranslator>

// Objects to show in the editor, covering every kind of entry it knows.

// Has properties, but none meant for the user.
class Plain : public PropertyObject
{
    Q_OBJECT
    Q_PROPERTY(int count MEMBER count)

public:
    int count = 1;
};

struct Span
{
    int from = 0;
    int to = 0;
    bool operator==(const Span& o) const { return from == o.from && to == o.to; }
    bool operator!=(const Span& o) const { return !(*this == o); }
};
Q_DECLARE_METATYPE(Span)

class Base : public PropertyObject
{
    Q_OBJECT
    Q_CLASSINFO("Count", "minimum=1;maximum=60;singleStep=1;")
    Q_CLASSINFO("Name", "maxLength=5;")
    Q_PROPERTY(int Count MEMBER count USER true)
    Q_PROPERTY(QString Name MEMBER name USER true)
    Q_PROPERTY(double Ratio MEMBER ratio USER true)
    Q_PROPERTY(QColor Colour MEMBER colour USER true)
    Q_PROPERTY(Level Grade MEMBER grade USER true)
    Q_PROPERTY(QString Fixed READ fixed USER true)
    Q_PROPERTY(int Step_Size MEMBER stepSize USER true)
    Q_PROPERTY(Span Window MEMBER window USER true)
    Q_PROPERTY(QString secret MEMBER secret)

public:
    enum Level : int { LV__LOW, LV__MID, LV__HIGH, LV__MAX };
    Q_ENUM(Level)

    using PropertyObject::PropertyObject;
    QString fixed() const { return QStringLiteral("constant"); }

    int count = 7;
    QString name = QStringLiteral("abc");
    double ratio = 0.5;
    QColor colour = QColor(Qt::red);
    Level grade = LV__MID;
    int stepSize = 2;
    Span window;
    QString secret;
};

// Redeclares Count, which stays with Base, and adds one entry of its own.
class Derived : public Base
{
    Q_OBJECT
    Q_PROPERTY(int Count MEMBER count USER true)
    Q_PROPERTY(int Extra MEMBER extra USER true)

public:
    using Base::Base;
    int extra = 3;
};

// Its group takes its title from the class info named like the class.
class Titled : public PropertyObject
{
    Q_OBJECT
    Q_CLASSINFO("Titled", "A Title")
    Q_CLASSINFO("special", "Special Group")
    Q_PROPERTY(int Value MEMBER value USER true)

public:
    int value = 0;
};

// A catalogue of our own texts, so tests can translate without a compiled one.
class Catalogue : public QTranslator
{
public:
    explicit Catalogue(QMap<QString, QString> texts)
        : texts(std::move(texts))
    { }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return texts.value(QString::fromUtf8(source));
    }

private:
    QMap<QString, QString> texts;
};
