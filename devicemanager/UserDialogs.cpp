#include "devicemanager/UserDialogs.h"

QMessageBox::StandardButton StandardDialogs::message(QWidget* parent, QMessageBox::Icon icon,
                                                     const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons)
{
    switch (icon) {
    case QMessageBox::Question:
        return QMessageBox::question(parent, title, text, buttons);
    case QMessageBox::Warning:
        return QMessageBox::warning(parent, title, text, buttons);
    case QMessageBox::Critical:
        return QMessageBox::critical(parent, title, text, buttons);
    default:
        return QMessageBox::information(parent, title, text, buttons);
    }
}

QString StandardDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& path,
                                      const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
}

QString StandardDialogs::openFileName(QWidget* parent, const QString& caption,
                                      const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString StandardDialogs::existingDirectory(QWidget* parent, const QString& caption,
                                           const QString& folder, QFileDialog::Options options)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder, options);
}
