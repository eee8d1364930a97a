#include "devicemanager/UserDialogs.h"

UserDialogs::Button UnattendedDialogs::message(QObject*, Icon, const QString&, const QString&,
                                               Buttons buttons, Button default_button)
{
    // Nothing is agreed to that nobody was asked about.
    if (buttons.testFlag(No))
        return No;
    if (buttons.testFlag(Cancel))
        return Cancel;
    if (default_button != NoButton)
        return default_button;
    return buttons.testFlag(Ok) ? Ok : NoButton;
}

int UnattendedDialogs::choice(QObject*, Icon, const QString&, const QString&,
                              const QList<ChoiceButton>&, int default_button, QObject*)
{
    return default_button;
}

QString UnattendedDialogs::saveFileName(QObject*, const QString&, const QString&, const QString&)
{
    return QString();
}

QString UnattendedDialogs::openFileName(QObject*, const QString&, const QString&, const QString&)
{
    return QString();
}

QString UnattendedDialogs::existingDirectory(QObject*, const QString&, const QString&)
{
    return QString();
}
