#pragma once

#include <functional>

class QString;
class QTranslator;
class QWidget;

// The program: high-DPI set-up, the translation of the stored language, the main window and
// the event loop. `started` sees the shown window before the loop runs (the simulator's demo
// uses it for its screenshot).
int startApplication(int argc, char** argv,
                     const std::function<void(QWidget* window)>& started = {});

// Loads the catalogue "voro_<language>" from the resources into `translator`.
bool loadTranslation(QTranslator& translator, const QString& language);
