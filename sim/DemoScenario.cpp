#include "sim/DemoScenario.h"

#include "sim/Bootloader.h"
#include "sim/HidBus.h"
#include "sim/VoroBox.h"

#include <QStringList>

#include <thread>

namespace hidsim {

namespace {
constexpr std::chrono::milliseconds kEraseTime(2000);

// Turns the box into a bootloader with the given fault when it is sent there.
void installBootloader(const std::shared_ptr<VoroBox>& box, const QString& fault)
{
    box->setBootloaderHook([fault](std::shared_ptr<VoroBox> self, const std::string&) {
        auto loader = std::make_shared<Bootloader>(self);
        loader->setEraseTime(kEraseTime);
        if (fault == QLatin1String("refuse"))
            loader->refuseCompletions(1);
        if (fault == QLatin1String("layout"))
            loader->setRegions({ { 1, 0x1000, 0x100 } });
        const std::string path = Bus::instance().plug(loader);
        if (fault == QLatin1String("open")) {
            Fault f = Fault::once(Fault::OpenFailure);
            f.times = 3;
            Bus::instance().injectFault(path, f);
        }
        if (fault == QLatin1String("unplug")) {
            Bus::instance().injectFault(
                path, Fault::once(Fault::UnplugMidTransaction, Bootloader::Program, 30));
            // The user notices and plugs it in again.
            std::thread([loader] {
                while (!Bus::instance().pathOf(loader.get()).empty())
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                std::this_thread::sleep_for(std::chrono::seconds(5));
                Bus::instance().plug(loader);
            }).detach();
        }
    });
}
} // namespace

bool plugDemoScenario(bool old_firmware, const QString& bootloader_fault)
{
    const QStringList faults = { QString(), QStringLiteral("refuse"), QStringLiteral("layout"),
                                 QStringLiteral("open"), QStringLiteral("unplug") };
    if (!faults.contains(bootloader_fault))
        return false;
    // Two boxes in different rooms; their clocks run fast so that the live values move. The
    // office's rooms differ, so that their trends are told apart.
    auto office = std::make_shared<VoroBox>(QStringLiteral("Office 1.01"));
    office->setActuatorLocation(0, QStringLiteral("Window"));
    office->setActuatorLocation(1, QStringLiteral("Door"));
    office->setActuatorSetting(1, Setpoint, 225);
    office->setPotResistance(2, 8000); // a shift of +1.8 K
    office->setActuatorSetting(3, HysteresisHeating, 10);
    office->setRoomTemperature(3, 18.5);
    office->setErrors(5, PotNc);
    office->setTimeScale(kDemoTimeScale);

    auto lab = std::make_shared<VoroBox>(QStringLiteral("Lab 2"));
    lab->setActuatorLocation(0, QStringLiteral("Bench"));
    lab->setCommon(ControlType, 2);
    lab->setActuatorSetting(3, ControlSource, 1);
    lab->setTimeScale(kDemoTimeScale);

    Bus& bus = Bus::instance();
    bus.plug(office);
    bus.plug(lab);
    if (!old_firmware)
        return true;
    auto workshop = std::make_shared<VoroBox>(QStringLiteral("Workshop"));
    workshop->setFirmwareVersion(QStringLiteral("1.1.1.9"));
    workshop->setActuatorLocation(0, QStringLiteral("Bench"));
    workshop->setTimeScale(kDemoTimeScale);
    installBootloader(workshop, QString());
    bus.plug(workshop);
    auto cellar = std::make_shared<VoroBox>(QStringLiteral("Cellar"));
    cellar->setFirmwareVersion(QStringLiteral("1.1.0.3"));
    cellar->setTimeScale(kDemoTimeScale);
    installBootloader(cellar, bootloader_fault);
    bus.plug(cellar);
    return true;
}

void plugBuilding(int count)
{
    for (int i = 0; i < count; ++i) {
        auto box = std::make_shared<VoroBox>(
            QStringLiteral("Floor %1 Room %2").arg(i / 4 + 1).arg(i % 4 + 1));
        box->setActuatorLocation(0, QStringLiteral("Window"));
        box->setActuatorLocation(1, QStringLiteral("Door"));
        box->setTimeScale(30);
        if (i % 4 == 3) {
            box->setFirmwareVersion(QStringLiteral("1.1.1.9"));
            installBootloader(box, QString());
        }
        if (i == 2)
            box->setErrors(4, SensorNc);
        Bus::instance().plug(box);
    }
}

} // namespace hidsim
