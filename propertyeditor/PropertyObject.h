#pragma once

#include <QColor>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

// Base of the objects shown in the property editor. The setters attach editor hints to the
// object's own declared properties; hints for names it does not declare are not stored.
class PropertyObject : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Called before the editor re-reads the object; for objects that cache what they show.
    virtual void refresh() { }

    void setHint(const char* property, const char* hint, const QVariant& value);

    // Read only whatever the property's write accessor says; false removes the hint.
    void setReadOnly(const char* property, bool readOnly);
    // An invalid colour removes the hint.
    void setForeground(const char* property, const QColor& color);
    void setBackground(const char* property, const QColor& color);
    // Shown instead of the value; the entry is then read only. Empty removes the hint.
    void setReplacement(const char* property, const QString& text);
    // Shown in brackets after the name. Empty removes the hint.
    void setUnit(const char* property, const QString& unit);
    // Shown instead of the translated property name. Empty removes the hint.
    void setDisplayName(const char* property, const QString& name);
    void setHidden(const char* property, bool hidden);
    // Spin boxes then write the object only when editing is committed, not at every step.
    void setImmediateUpdatesDisabled(const char* property, bool disabled);
    // A text value shown as it is, never looked up in the catalogue (names, versions).
    void setVerbatim(const char* property, bool verbatim);
    // The row's and its editor's tool tip, where the catalogue has none (what may be typed).
    // Empty removes the hint.
    void setToolTip(const char* property, const QString& text);
    // The most characters a text editor takes.
    void setMaxLength(const char* property, int characters);
    void setMinimum(const char* property, const QVariant& minimum);
    void setMaximum(const char* property, const QVariant& maximum);
    void setPrecision(const char* property, int decimals);
    void setMaxVisibleItems(const char* property, int count);
    // For enumerations: an item that cannot be chosen, a text instead of the translated key,
    // and headings keyed by the item they stand before (counting from 0).
    void setItemDisabled(const char* property, int value, bool disabled);
    void setItemText(const char* property, int value, const QString& text);
    void setLabels(const char* property, const QMap<int, QString>& labels);

private:
    void setOrRemove(const char* property, const char* hint, const QVariant& value, bool keep);
};
