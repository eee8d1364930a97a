#pragma once

// Answers the manager's message boxes and file dialogs in place of the user: records every
// question and gives the next scripted answer.

#include "devicemanager/UserDialogs.h"

#include <QList>
#include <QPointer>
#include <QStringList>

#include <functional>

class ScriptedDialogs : public UserDialogs
{
public:
    struct Question
    {
        QObject* parent = nullptr;
        QString kind; // "message", "choice", "save", "open" or "directory"
        UserDialogs::Icon icon = UserDialogs::NoIcon;
        QString title;
        QString text; // the message, or the proposed path or folder of a file dialog
        UserDialogs::Buttons buttons;
        QStringList choices; // the buttons of a choice
        QString filter;
        UserDialogs::Button default_button = UserDialogs::NoButton;
        bool withdrawn = false; // its subject went away while it was open
    };

    // Message boxes take the scripted buttons in order, then their default button, else Ok or
    // No, whichever is offered.
    QList<UserDialogs::Button> buttons;
    // Choices take the scripted indexes in order, then their default button.
    QList<int> chosen;
    // File dialogs take the scripted paths in order, then cancel (an empty path).
    QStringList paths;
    QList<Question> asked;
    // Runs while a question is open, before it is answered: what happens meanwhile in the
    // nested event loop of a real dialog.
    std::function<void(const Question&)> whileOpen;

    Button message(QObject* parent, Icon icon, const QString& title, const QString& text,
                   Buttons offered, Button default_button = NoButton) override
    {
        Question q = box(parent, QStringLiteral("message"), icon, title, text);
        q.buttons = offered;
        q.default_button = default_button;
        ask(q);
        if (!buttons.isEmpty())
            return buttons.takeFirst();
        if (default_button != NoButton)
            return default_button;
        return offered.testFlag(Ok) ? Ok : No;
    }
    int choice(QObject* parent, Icon icon, const QString& title, const QString& text,
               const QList<ChoiceButton>& offered, int default_button,
               QObject* withdrawn_by = nullptr) override
    {
        Question q = box(parent, QStringLiteral("choice"), icon, title, text);
        for (const ChoiceButton& b : offered)
            q.choices << b.text;
        const QPointer<QObject> subject = withdrawn_by;
        ask(q);
        if (withdrawn_by && !subject) {
            asked.last().withdrawn = true;
            return -1;
        }
        return chosen.isEmpty() ? default_button : chosen.takeFirst();
    }
    QString saveFileName(QObject* parent, const QString& caption, const QString& path,
                         const QString& filter) override
    {
        return file(parent, QStringLiteral("save"), caption, path, filter);
    }
    QString openFileName(QObject* parent, const QString& caption, const QString& folder,
                         const QString& filter) override
    {
        return file(parent, QStringLiteral("open"), caption, folder, filter);
    }
    QString existingDirectory(QObject* parent, const QString& caption,
                              const QString& folder) override
    {
        return file(parent, QStringLiteral("directory"), caption, folder, {});
    }

    QList<Question> messages(const QString& kind = QStringLiteral("message")) const
    {
        QList<Question> out;
        for (const Question& q : asked) {
            if (q.kind == kind)
                out << q;
        }
        return out;
    }

private:
    static Question box(QObject* parent, const QString& kind, Icon icon, const QString& title,
                        const QString& text)
    {
        Question q;
        q.parent = parent;
        q.kind = kind;
        q.icon = icon;
        q.title = title;
        q.text = text;
        return q;
    }
    void ask(const Question& q)
    {
        asked << q;
        if (whileOpen)
            whileOpen(q);
    }
    QString file(QObject* parent, const QString& kind, const QString& caption, const QString& where,
                 const QString& filter)
    {
        Question q;
        q.parent = parent;
        q.kind = kind;
        q.title = caption;
        q.text = where;
        q.filter = filter;
        ask(q);
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
};
