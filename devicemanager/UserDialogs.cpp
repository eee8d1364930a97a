#include "devicemanager/UserDialogs.h"

#include <QPointer>
#include <QPushButton>

QMessageBox::StandardButton StandardDialogs::message(QWidget* parent, QMessageBox::Icon icon,
                                                     const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton default_button)
{
    switch (icon) {
    case QMessageBox::Question:
        return QMessageBox::question(parent, title, text, buttons, default_button);
    case QMessageBox::Warning:
        return QMessageBox::warning(parent, title, text, buttons, default_button);
    case QMessageBox::Critical:
        return QMessageBox::critical(parent, title, text, buttons, default_button);
    default:
        return QMessageBox::information(parent, title, text, buttons, default_button);
    }
}

int StandardDialogs::choice(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                            const QString& text, const QList<ChoiceButton>& buttons,
                            int default_button, QObject* withdrawn_by)
{
    // On the heap: the parent may be deleted while the box runs its own event loop.
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, QMessageBox::NoButton, parent);
    bool withdrawn = false;
    if (withdrawn_by) {
        QObject::connect(withdrawn_by, &QObject::destroyed, box, [&withdrawn, box] {
            withdrawn = true;
            box->reject();
        });
    }
    QList<QPushButton*> added;
    for (const ChoiceButton& button : buttons)
        added << box->addButton(button.text, button.role);
    if (default_button >= 0 && default_button < added.size())
        box->setDefaultButton(added.at(default_button));
    box->exec();
    if (!box || withdrawn) {
        delete box;
        return -1;
    }
    const int clicked = added.indexOf(qobject_cast<QPushButton*>(box->clickedButton()));
    delete box;
    return clicked;
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
