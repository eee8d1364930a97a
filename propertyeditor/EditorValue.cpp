#include "propertyeditor/EditorValue.h"

#include <QMetaProperty>
#include <QWidget>

namespace {
constexpr char SHOWN[] = "_editor#shown";
}

namespace EditorValue {

QVariant userValue(const QWidget* editor)
{
    if (!editor)
        return QVariant();
    const QMetaProperty user = editor->metaObject()->userProperty();
    return user.isValid() ? user.read(editor) : QVariant();
}

void remember(QWidget* editor, const QVariant& shown)
{
    if (editor)
        editor->setProperty(SHOWN, QVariantList { shown });
}

bool filled(const QWidget* editor)
{
    return editor && editor->property(SHOWN).isValid();
}

bool unchanged(const QWidget* editor, const QVariant& current)
{
    // Wrapped in a list, so that an invalid value shown (no item) is remembered as well.
    const QVariant shown = editor ? editor->property(SHOWN) : QVariant();
    return shown.isValid() && shown.toList().value(0) == current;
}

} // namespace EditorValue
