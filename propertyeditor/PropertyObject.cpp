#include "propertyeditor/PropertyObject.h"

#include "propertyeditor/EditorHints.h"

#include <QMetaProperty>

void PropertyObject::setHint(const char* property, const char* hint, const QVariant& value)
{
    const QMetaObject* meta = metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        if (qstrcmp(meta->property(i).name(), property) == 0) {
            // An invalid value deletes the dynamic property, which removes the hint.
            setProperty(EditorHints::key(QString::fromLatin1(property), QString::fromLatin1(hint))
                            .constData(),
                        value);
            return;
        }
    }
}

void PropertyObject::setOrRemove(const char* property, const char* hint, const QVariant& value,
                                 bool keep)
{
    setHint(property, hint, keep ? value : QVariant());
}

void PropertyObject::setReadOnly(const char* property, bool readOnly)
{
    setOrRemove(property, EditorHints::READ_ONLY, 1, readOnly);
}

void PropertyObject::setForeground(const char* property, const QColor& color)
{
    setOrRemove(property, EditorHints::FOREGROUND, color, color.isValid());
}

void PropertyObject::setBackground(const char* property, const QColor& color)
{
    setOrRemove(property, EditorHints::BACKGROUND, color, color.isValid());
}

void PropertyObject::setReplacement(const char* property, const QString& text)
{
    setOrRemove(property, EditorHints::REPLACEMENT, text, !text.isEmpty());
}

void PropertyObject::setUnit(const char* property, const QString& unit)
{
    setOrRemove(property, EditorHints::UNIT, unit, !unit.isEmpty());
}

void PropertyObject::setDisplayName(const char* property, const QString& name)
{
    setOrRemove(property, EditorHints::DISPLAY_NAME, name, !name.isEmpty());
}

void PropertyObject::setVerbatim(const char* property, bool verbatim)
{
    setHint(property, EditorHints::VERBATIM, verbatim);
}

void PropertyObject::setHidden(const char* property, bool hidden)
{
    setHint(property, EditorHints::HIDDEN, hidden);
}

void PropertyObject::setImmediateUpdatesDisabled(const char* property, bool disabled)
{
    setHint(property, EditorHints::IMMEDIATE_UPDATES_DISABLED, disabled);
}

void PropertyObject::setToolTip(const char* property, const QString& text)
{
    setOrRemove(property, EditorHints::TOOL_TIP, text, !text.isEmpty());
}

void PropertyObject::setMaxLength(const char* property, int characters)
{
    setHint(property, EditorHints::MAX_LENGTH, characters);
}

void PropertyObject::setMinimum(const char* property, const QVariant& minimum)
{
    setHint(property, EditorHints::MINIMUM, minimum);
}

void PropertyObject::setMaximum(const char* property, const QVariant& maximum)
{
    setHint(property, EditorHints::MAXIMUM, maximum);
}

void PropertyObject::setPrecision(const char* property, int decimals)
{
    setHint(property, EditorHints::PRECISION, decimals);
}

void PropertyObject::setMaxVisibleItems(const char* property, int count)
{
    setHint(property, EditorHints::MAX_VISIBLE_ITEMS, count);
}

void PropertyObject::setItemDisabled(const char* property, int value, bool disabled)
{
    setHint(property, EditorHints::disabledHint(value).toLatin1().constData(), disabled);
}

void PropertyObject::setItemText(const char* property, int value, const QString& text)
{
    setHint(property, EditorHints::textHint(value).toLatin1().constData(), text);
}

void PropertyObject::setLabels(const char* property, const QMap<int, QString>& labels)
{
    QString text;
    for (auto it = labels.cbegin(); it != labels.cend(); ++it)
        text += QStringLiteral("%1\t%2\n").arg(it.key()).arg(it.value());
    setHint(property, EditorHints::LABELS, text);
}
