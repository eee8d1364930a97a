#include "app/StandardDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {
QWidget* widget(QObject* parent)
{
    return qobject_cast<QWidget*>(parent);
}

QMessageBox::StandardButtons standard(UserDialogs::Buttons buttons)
{
    return QMessageBox::StandardButtons(int(buttons));
}
} // namespace

UserDialogs::Button StandardDialogs::message(QObject* parent, Icon icon, const QString& title,
                                             const QString& text, Buttons buttons,
                                             Button default_button)
{
    const auto by_default = QMessageBox::StandardButton(default_button);
    QMessageBox::StandardButton answer;
    switch (icon) {
    case Question:
        answer = QMessageBox::question(widget(parent), title, text, standard(buttons), by_default);
        break;
    case Warning:
        answer = QMessageBox::warning(widget(parent), title, text, standard(buttons), by_default);
        break;
    case Critical:
        answer = QMessageBox::critical(widget(parent), title, text, standard(buttons), by_default);
        break;
    default:
        answer
            = QMessageBox::information(widget(parent), title, text, standard(buttons), by_default);
        break;
    }
    return Button(int(answer));
}

int StandardDialogs::choice(QObject* parent, Icon icon, const QString& title, const QString& text,
                            const QList<ChoiceButton>& buttons, int default_button,
                            QObject* withdrawn_by)
{
    // On the heap: the parent may be deleted while the box runs its own event loop.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Icon(icon), title, text,
                                                QMessageBox::NoButton, widget(parent));
    bool withdrawn = false;
    if (withdrawn_by) {
        QObject::connect(withdrawn_by, &QObject::destroyed, box, [&withdrawn, box] {
            withdrawn = true;
            box->reject();
        });
    }
    QList<QPushButton*> added;
    for (const ChoiceButton& button : buttons)
        added << box->addButton(button.text, QMessageBox::ButtonRole(button.role));
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

QString StandardDialogs::saveFileName(QObject* parent, const QString& caption, const QString& path,
                                      const QString& filter)
{
    return QFileDialog::getSaveFileName(widget(parent), caption, path, filter);
}

QString StandardDialogs::openFileName(QObject* parent, const QString& caption,
                                      const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(widget(parent), caption, folder, filter);
}

QString StandardDialogs::existingDirectory(QObject* parent, const QString& caption,
                                           const QString& folder)
{
    return QFileDialog::getExistingDirectory(widget(parent), caption, folder,
                                             QFileDialog::ShowDirsOnly);
}
