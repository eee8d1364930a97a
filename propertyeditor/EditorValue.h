#pragma once

#include <QVariant>

class QWidget;

// What an editor showed when it was filled. An editor that cannot show a value (a spin box
// below its minimum, a combo box without the item) shows another one, which closing it would
// write back; comparing with what it showed lets the delegates write only what the user
// changed.
namespace EditorValue {
// The value of the editor's user property (the text of a line edit, the value of a spin box).
QVariant userValue(const QWidget* editor);
void remember(QWidget* editor, const QVariant& shown);
// True once the editor has been filled.
bool filled(const QWidget* editor);
// True when `current` is still what the editor was filled with.
bool unchanged(const QWidget* editor, const QVariant& current);
} // namespace EditorValue
