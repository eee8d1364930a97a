#include "cli/ConsoleDialogs.h"

#include "cli/Console.h"

UserDialogs::Button ConsoleDialogs::message(QObject* parent, Icon icon, const QString& title,
                                            const QString& text, Buttons buttons,
                                            Button default_button)
{
    console.message(QStringLiteral("%1: %2").arg(title, text));
    return UnattendedDialogs::message(parent, icon, title, text, buttons, default_button);
}
