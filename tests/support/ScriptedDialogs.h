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
        QWidget* parent = nullptr;
        QString kind; // "message", "choice", "save", "open" or "directory"
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text; // the message, or the proposed path or folder of a file dialog
        QMessageBox::StandardButtons buttons;
        QStringList choices; // the buttons of a choice
        QString filter;
        QFileDialog::Options options;
        QMessageBox::StandardButton default_button = QMessageBox::NoButton;
        bool withdrawn = false; // its subject went away while it was open
    };

    // Message boxes take the scripted buttons in order, then their default button, else Ok or
    // No, whichever is offered.
    QList<QMessageBox::StandardButton> buttons;
    // Choices take the scripted indexes in order, then their default button.
    QList<int> chosen;
    // File dialogs take the scripted paths in order, then cancel (an empty path).
    QStringList paths;
    QList<Question> asked;
    // Runs while a question is open, before it is answered: what happens meanwhile in the
    // nested event loop of a real dialog.
    std::function<void(const Question&)> whileOpen;

    QMessageBox::StandardButton
    message(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons offered,
            QMessageBox::StandardButton default_button = QMessageBox::NoButton) override
    {
        Question q = box(parent, QStringLiteral("message"), icon, title, text);
        q.buttons = offered;
        q.default_button = default_button;
        ask(q);
        if (!buttons.isEmpty())
            return buttons.takeFirst();
        if (default_button != QMessageBox::NoButton)
            return default_button;
        return offered.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
    }
    int choice(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
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
    QString saveFileName(QWidget* parent, const QString& caption, const QString& path,
                         const QString& filter) override
    {
        return file(parent, QStringLiteral("save"), caption, path, filter);
    }
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override
    {
        return file(parent, QStringLiteral("open"), caption, folder, filter);
    }
    QString existingDirectory(QWidget* parent, const QString& caption, const QString& folder,
                              QFileDialog::Options options) override
    {
        const QString answer = file(parent, QStringLiteral("directory"), caption, folder, {});
        asked.last().options = options;
        return answer;
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
    static Question box(QWidget* parent, const QString& kind, QMessageBox::Icon icon,
                        const QString& title, const QString& text)
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
    QString file(QWidget* parent, const QString& kind, const QString& caption, const QString& where,
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
