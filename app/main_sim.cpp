// The program on simulated hardware: plugs in a few virtual boxes, then starts as usual.
// Options for the demo script: --screenshot FILE grabs the window after --after MS and quits
// (the whole screen while a question or dialog is open beside it).
// --old-firmware adds two boxes whose firmware is older than the program's, to see the update;
// --bootloader-fault KIND (refuse, layout, open, unplug) makes the second one's bootloader
// misbehave (sim/DemoScenario.h).
// --twin adds a second "Lab 2", to see two boxes in one room told apart.
// --boxes N adds N boxes of a building being commissioned (every fourth with older firmware).
// --latency MS makes every report cost that long (1 as on USB full speed; 0 by default).
// --language CODE runs in that language ("en", "de", "fr") without changing the stored one.
#include "app/Startup.h"
#include "sim/DemoScenario.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

int main(int argc, char** argv)
{
    QString screenshot;
    int after_ms = 5000;
    bool old_firmware = false;
    bool twin = false;
    int building = 0;
    QString language;
    QString fault;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--old-firmware") == 0)
            old_firmware = true;
        else if (std::strcmp(argv[i], "--twin") == 0)
            twin = true;
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
        else if (std::strcmp(argv[i], "--boxes") == 0)
            building = std::max(0, std::min(64, std::atoi(argv[++i])));
        else if (std::strcmp(argv[i], "--latency") == 0)
            hidsim::Bus::instance().setLatency(std::chrono::milliseconds(std::stoi(argv[++i])));
    }
    if (!hidsim::plugDemoScenario(old_firmware, fault)) {
        std::fprintf(stderr, "unknown bootloader fault: %s (refuse, layout, open, unplug)\n",
                     qPrintable(fault));
        return 2;
    }
    if (twin) {
        auto other = std::make_shared<hidsim::VoroBox>(QStringLiteral("Lab 2"));
        other->setActuatorLocation(0, QStringLiteral("Window"));
        other->setTimeScale(hidsim::kDemoTimeScale);
        hidsim::Bus::instance().plug(other);
    }
    hidsim::plugBuilding(building);
    const auto started = [&](QWidget* window) {
        if (screenshot.isEmpty())
            return;
        QTimer::singleShot(after_ms, window, [window, screenshot] {
            const QWidgetList shown = QApplication::topLevelWidgets();
            const bool alone = std::none_of(shown.begin(), shown.end(), [window](QWidget* w) {
                return w != window && w->isVisible() && w->isWindow()
                    && w->windowType() == Qt::Dialog;
            });
            const QPixmap image = alone ? window->grab() : window->screen()->grabWindow(0);
            const bool saved = image.save(screenshot);
            std::printf("%s %s\n", saved ? "screenshot saved to" : "could not save",
                        qPrintable(screenshot));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    };
    return startApplication(argc, argv, started, language);
}
