#pragma once

#include <QFlags>
#include <QList>
#include <QString>

class QObject;

// Every question the program puts to the user: messages with buttons and file choices. Classes
// that ask take one of these, so that the window answers with the system's dialogs
// (app/StandardDialogs), the command line on its terminal, and tests in place of the user. No
// widget type appears here: what asks may run without a display.
class UserDialogs
{
public:
    // What kind of message it is; the window shows it as the icon.
    enum Icon { NoIcon = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };
    // The standard answers. The values are those of Qt's message box buttons, so that a view
    // with widgets maps them one to one.
    enum Button {
        NoButton = 0x00000000,
        Ok = 0x00000400,
        Save = 0x00000800,
        Yes = 0x00004000,
        No = 0x00010000,
        Cancel = 0x00400000,
        Discard = 0x00800000,
    };
    Q_DECLARE_FLAGS(Buttons, Button)
    // What a button of the caller's own does; the values are those of Qt's message box.
    enum ButtonRole { AcceptRole = 0, RejectRole = 1, ActionRole = 3 };

    // A button of a message with buttons of the caller's own.
    struct ChoiceButton
    {
        QString text;
        ButtonRole role;
    };

    virtual ~UserDialogs() = default;

    // A modal message of the given kind about `parent` (the window it belongs to, or null);
    // the answer is one of `buttons`. Enter answers `default_button` (NoButton: the
    // platform's choice).
    virtual Button message(QObject* parent, Icon icon, const QString& title, const QString& text,
                           Buttons buttons, Button default_button = NoButton)
        = 0;
    // A modal message with the given buttons; the index of the one clicked. A message closed
    // without a click answers with its escape button (the one reject button), or -1. A message
    // about something that can go away (`withdrawn_by`, when given) closes when that object is
    // destroyed, and answers -1.
    virtual int choice(QObject* parent, Icon icon, const QString& title, const QString& text,
                       const QList<ChoiceButton>& buttons, int default_button,
                       QObject* withdrawn_by = nullptr)
        = 0;
    // File and folder choices; an empty text when the user cancels. Only folders are offered
    // by existingDirectory.
    virtual QString saveFileName(QObject* parent, const QString& caption, const QString& path,
                                 const QString& filter)
        = 0;
    virtual QString openFileName(QObject* parent, const QString& caption, const QString& folder,
                                 const QString& filter)
        = 0;
    virtual QString existingDirectory(QObject* parent, const QString& caption,
                                      const QString& folder)
        = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(UserDialogs::Buttons)

// Nobody to ask: every message is answered No or Cancel where it offers them, else with its
// default button or Ok; every choice takes its default, and no file is chosen. For what runs
// unattended: the command line builds on it, benchmarks use it as it is.
class UnattendedDialogs : public UserDialogs
{
public:
    Button message(QObject* parent, Icon icon, const QString& title, const QString& text,
                   Buttons buttons, Button default_button = NoButton) override;
    int choice(QObject* parent, Icon icon, const QString& title, const QString& text,
               const QList<ChoiceButton>& buttons, int default_button,
               QObject* withdrawn_by = nullptr) override;
    QString saveFileName(QObject* parent, const QString& caption, const QString& path,
                         const QString& filter) override;
    QString openFileName(QObject* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString existingDirectory(QObject* parent, const QString& caption,
                              const QString& folder) override;
};
