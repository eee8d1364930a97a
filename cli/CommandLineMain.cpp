#include "cli/CommandLineMain.h"

#include "cli/Commands.h"
#include "cli/Console.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <unistd.h>

int commandLineMain(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("voro-box"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORO_VERSION));
    // The libraries' diagnostics are for developers (QT_LOGGING_RULES brings them back); what
    // the user needs to know, the commands say.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
    QTranslator english;
    if (english.load(QStringLiteral("voro_en"), QStringLiteral(":/")))
        QCoreApplication::installTranslator(&english);

    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    const bool terminal = ::isatty(STDERR_FILENO);
    Console console(out, err, terminal, terminal && ::isatty(STDIN_FILENO),
                    [&in] { return in.readLine(); });
    return runCommandLine(QCoreApplication::arguments().mid(1), console);
}
