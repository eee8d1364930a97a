#pragma once

#include "devicemanager/UserDialogs.h"

class Console;

// The command line asks nobody in the middle of its work: what the manager would ask is
// answered as nobody were there, and what it has to say is printed as a message.
class ConsoleDialogs : public UnattendedDialogs
{
public:
    explicit ConsoleDialogs(Console& console)
        : console(console)
    { }

    Button message(QObject* parent, Icon icon, const QString& title, const QString& text,
                   Buttons buttons, Button default_button = NoButton) override;

private:
    Console& console;
};
