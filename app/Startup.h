#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <functional>
#include <memory>

class QWidget;

// The program: high-DPI set-up, the translation of the stored language (or of `language`
// when one is given, for this run only), the main window and the event loop. `started` sees
// the shown window before the loop runs (the simulator's demo uses it for its screenshot).
int startApplication(int argc, char** argv,
                     const std::function<void(QWidget* window)>& started = {},
                     const QString& language = QString());

// The locale of the program's language as written in Switzerland ("de" → de_CH), or the
// language's own where Switzerland has none of it.
QLocale programLocale(const QString& language);

// Loads the catalogue "voro_<language>" from the resources into `translator`.
bool loadTranslation(QTranslator& translator, const QString& language);

// Qt's own catalogue of the language (standard buttons, file dialogs) from where Qt's
// translations are installed, German in Swiss spelling; null when the system has none for it.
std::unique_ptr<QTranslator> qtTranslation(const QString& language);
