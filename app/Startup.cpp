#include "app/Startup.h"

#include "app/MainWindow.h"
#include "device/TerminationSignals.h"
#include "device/AppSettings.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

bool loadTranslation(QTranslator& translator, const QString& language)
{
    return translator.load(QStringLiteral("voro_") + language, QStringLiteral(":/"));
}

namespace {
// Qt's German catalogue is written for Germany; Swiss German writes "ss" for "ß", as ours does.
class SwissGermanTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        QString text = QTranslator::translate(context, source, disambiguation, n);
        return text.isNull() ? text : text.replace(QChar(0x00DF), QLatin1String("ss"));
    }
};
} // namespace

std::unique_ptr<QTranslator> qtTranslation(const QString& language)
{
    auto translator = language.startsWith(QLatin1String("de"))
        ? std::make_unique<SwissGermanTranslator>()
        : std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

QLocale programLocale(const QString& language)
{
    // Dates and numbers as they are written in Switzerland, in the program's language.
    const QLocale swiss(language + QStringLiteral("_CH"));
    return swiss.language() == QLocale(language).language() ? swiss : QLocale(language);
}

int startApplication(int argc, char** argv, const std::function<void(QWidget*)>& started,
                     const QString& language)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // Docks and Wayland match the window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("ch.brenmar.VoroBoxCdu"));
    QIcon icon;
    for (const int size : { 16, 24, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/Images/voro-box-cdu-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    const QString lang = language.isEmpty() ? AppSettings::language() : language;
    // Weekdays, months and dates (the plot's heading, the file dialogs) follow the language.
    QLocale::setDefault(programLocale(lang));
    // Released with the process: the texts they translate live as long as the program.
    // Qt's own catalogue is optional (a separate package); ours is searched first.
    if (auto qt = qtTranslation(lang))
        QCoreApplication::installTranslator(qt.release());
    auto* translator = new QTranslator;
    // Identifiers such as "E__SENSOR_NC" read well only through the catalogue, also in English;
    // a language without a catalogue runs with the raw texts.
    loadTranslation(*translator, lang);
    QCoreApplication::installTranslator(translator);

    auto window = std::make_unique<MainWindow>();
    // Logout, shutdown or Ctrl+C end the program as Exit does, without a question, also from
    // inside a dialog.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, window.get(), [&window] {
        window->closeWithoutQuestions();
        QCoreApplication::quit();
    });
    window->show();
    if (started)
        started(window.get());
    const int result = app.exec();
    window.reset();
    return result;
}
