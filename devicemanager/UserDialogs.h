#pragma once

#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

// Every question the program puts to the user: message boxes and file dialogs. Classes that ask
// take one of these, so that tests can answer in place of the user; StandardDialogs shows the
// real ones.
class UserDialogs
{
public:
    // A button of a message box with buttons of the caller's own.
    struct ChoiceButton
    {
        QString text;
        QMessageBox::ButtonRole role;
    };

    virtual ~UserDialogs() = default;

    // A modal message box of the given kind; the answer is one of `buttons`. Enter answers
    // `default_button` (NoButton: the platform's choice).
    virtual QMessageBox::StandardButton
    message(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton default_button = QMessageBox::NoButton)
        = 0;
    // A modal message box with the given buttons; the index of the one clicked. A box closed
    // without a click answers with its escape button (the one reject button), or -1. A box
    // about something that can go away (`withdrawn_by`, when given) closes when that object is
    // destroyed, and answers -1.
    virtual int choice(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                       const QString& text, const QList<ChoiceButton>& buttons, int default_button,
                       QObject* withdrawn_by = nullptr)
        = 0;
    // File and folder choices; an empty text when the user cancels.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& path,
                                 const QString& filter)
        = 0;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter)
        = 0;
    virtual QString existingDirectory(QWidget* parent, const QString& caption,
                                      const QString& folder, QFileDialog::Options options)
        = 0;
};

// The system's message boxes and file dialogs, through QMessageBox's and QFileDialog's static
// functions.
class StandardDialogs : public UserDialogs
{
public:
    QMessageBox::StandardButton
    message(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton default_button = QMessageBox::NoButton) override;
    int choice(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
               const QList<ChoiceButton>& buttons, int default_button,
               QObject* withdrawn_by = nullptr) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& path,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString existingDirectory(QWidget* parent, const QString& caption, const QString& folder,
                              QFileDialog::Options options) override;
};
