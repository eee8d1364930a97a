#pragma once

#include "devicemanager/UserDialogs.h"

// The system's message boxes and file dialogs, through QMessageBox and QFileDialog, parented to
// the window a question is about.
class StandardDialogs : public UserDialogs
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
