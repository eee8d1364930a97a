#include "sim/DemoScenario.h"

#include "sim/Bootloader.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

namespace hidsim {

void plugDemoScenario(bool old_firmware)
{
    // Two boxes in different rooms; their clocks run fast so that the live values move.
    auto office = std::make_shared<VoroBox>(QStringLiteral("Office 1.01"));
    office->setActuatorLocation(0, QStringLiteral("Window"));
    office->setActuatorLocation(1, QStringLiteral("Door"));
    office->setActuatorSetting(1, Setpoint, 225);
    office->setErrors(5, PotNc);
    office->setTimeScale(30);

    auto lab = std::make_shared<VoroBox>(QStringLiteral("Lab 2"));
    lab->setActuatorLocation(0, QStringLiteral("Bench"));
    lab->setCommon(ControlType, 2);
    lab->setActuatorSetting(3, ControlSource, 1);
    lab->setTimeScale(30);

    Bus& bus = Bus::instance();
    bus.plug(office);
    bus.plug(lab);
    if (!old_firmware)
        return;
    auto workshop = std::make_shared<VoroBox>(QStringLiteral("Workshop"));
    workshop->setFirmwareVersion(QStringLiteral("1.1.1.9"));
    workshop->setActuatorLocation(0, QStringLiteral("Bench"));
    workshop->setTimeScale(30);
    Bootloader::installOn(
        workshop, [](Bootloader& loader) { loader.setEraseTime(std::chrono::milliseconds(2000)); });
    bus.plug(workshop);
}

} // namespace hidsim
