// The program on simulated hardware: plugs in a few virtual boxes, then starts as usual.
// Options for the demo script: --screenshot FILE grabs the window after --after MS and quits.
// --old-firmware adds two boxes whose firmware is older than the program's, to see the update;
// --bootloader-fault KIND (refuse, layout, open, unplug) makes the second one's bootloader
// misbehave (sim/DemoScenario.h).
// --language CODE runs in that language ("en", "de", "fr") without changing the stored one.
#include "app/Startup.h"
#include "sim/DemoScenario.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    QString screenshot;
    int after_ms = 5000;
    bool old_firmware = false;
    QString language;
    QString fault;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--old-firmware") == 0)
            old_firmware = true;
        else if (i + 1 == argc)
            break;
        else if (std::strcmp(argv[i], "--screenshot") == 0)
            screenshot = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--after") == 0)
            after_ms = std::stoi(argv[++i]);
        else if (std::strcmp(argv[i], "--language") == 0)
            language = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--bootloader-fault") == 0)
            fault = QString::fromLocal8Bit(argv[++i]);
    }
    if (!hidsim::plugDemoScenario(old_firmware, fault)) {
        std::fprintf(stderr, "unknown bootloader fault: %s (refuse, layout, open, unplug)\n",
                     qPrintable(fault));
        return 2;
    }
    const auto started = [&](QWidget* window) {
        if (screenshot.isEmpty())
            return;
        QTimer::singleShot(after_ms, window, [window, screenshot] {
            const bool saved = window->grab().save(screenshot);
            std::printf("%s %s\n", saved ? "screenshot saved to" : "could not save",
                        qPrintable(screenshot));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    };
    return startApplication(argc, argv, started, language);
}
