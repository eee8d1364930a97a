#include "cli/Commands.h"

#include "cli/Console.h"
#include "device/TerminationSignals.h"
#include "devicemanager/VoroManager.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

int runCommandLine(const QStringList& arguments, Console& console)
{
    Invocation invocation;
    QString error;
    if (!Invocation::parse(arguments, invocation, error)) {
        console.message(
            QStringLiteral("voro-box: %1 (voro-box --help lists what it takes)").arg(error));
        return Command::BAD_INPUT;
    }
    if (invocation.command == QLatin1String("help")) {
        console.result(Invocation::usage().trimmed());
        return Command::DONE;
    }
    if (invocation.command == QLatin1String("version")) {
        console.result(QStringLiteral("voro-box %1 (firmware %2)")
                           .arg(QCoreApplication::applicationVersion(),
                                QLatin1String(VoroManager::FIRMWARE_VERSION)));
        return Command::DONE;
    }
    console.setJson(invocation.json);
    std::unique_ptr<Command> command = Command::make(invocation, console);
    // Ctrl+C and SIGTERM reach the command in this loop; it ends its work cleanly.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, command.get(),
                     &Command::interrupt);
    QEventLoop loop;
    int status = Command::DONE;
    QObject::connect(command.get(), &Command::finished, &loop, [&](int s) {
        status = s;
        loop.quit();
    });
    QTimer::singleShot(0, command.get(), &Command::start);
    loop.exec();
    return status;
}
