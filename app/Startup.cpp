#include "app/Startup.h"

#include "app/MainWindow.h"
#include "device/AppSettings.h"

#include <QApplication>
#include <QTranslator>

#include <memory>

bool loadTranslation(QTranslator& translator, const QString& language)
{
    return translator.load(QStringLiteral("voro_") + language, QStringLiteral(":/"));
}

int startApplication(int argc, char** argv, const std::function<void(QWidget*)>& started)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);

    // Released with the process: the texts it translates live as long as the program.
    auto* translator = new QTranslator;
    // Identifiers such as "E__SENSOR_NC" read well only through the catalogue, also in English;
    // a language without a catalogue runs with the raw texts.
    loadTranslation(*translator, AppSettings::language());
    QCoreApplication::installTranslator(translator);

    auto window = std::make_unique<MainWindow>();
    window->show();
    if (started)
        started(window.get());
    const int result = app.exec();
    window.reset();
    return result;
}
