#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Editor hints travel as dynamic properties "_<property>#<hint>" on the edited object, so the
// object decides at run time how each of its entries is presented.
namespace EditorHints {
constexpr char READ_ONLY[] = "readOnly";
constexpr char FOREGROUND[] = "foreground";
constexpr char BACKGROUND[] = "background";
constexpr char REPLACEMENT[] = "replacement";
constexpr char UNIT[] = "unit";
constexpr char DISPLAY_NAME[] = "display_name";
constexpr char HIDDEN[] = "hidden";
constexpr char IMMEDIATE_UPDATES_DISABLED[] = "immediate_updates_disabled";
constexpr char MINIMUM[] = "minimum";
constexpr char MAXIMUM[] = "maximum";
constexpr char SINGLE_STEP[] = "singleStep";
constexpr char PRECISION[] = "precision";
constexpr char MAX_VISIBLE_ITEMS[] = "max_visible_items";
constexpr char LABELS[] = "labels";
constexpr char VERBATIM[] = "verbatim";
constexpr char TOOL_TIP[] = "tool_tip";
constexpr char MAX_LENGTH[] = "max_length";

// Hints about one value of an enumeration carry the value in their name.
QString disabledHint(int value);
QString textHint(int value);

// The dynamic property name that holds `hint` for `property`.
QByteArray key(const QString& property, const QString& hint);

// Copies "name=value;" entries (a class info string) onto the editor's Qt properties; Qt
// converts each value text to the property's type. Entries without a closing ";" are ignored.
void applyClassInfoHints(QWidget* editor, const QString& hints);
} // namespace EditorHints
