#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Records.h"
#include "firmware/BundledFirmware.h"
#include "firmware/FirmwareUpdateController.h"

namespace {
QString from(const SurveyedBox& b)
{
    return b.firmware_version.isEmpty() ? QStringLiteral("?") : b.firmware_version;
}
} // namespace

void UpdateCommand::start()
{
    // Checked before any box is looked at: an image that cannot be written sends none anywhere.
    image = invocation.image.isEmpty()
        ? UpdateImage::find(BundledFirmware::HARDWARE_ID)
        : UpdateImage::read(invocation.image, BundledFirmware::HARDWARE_ID, false);
    if (!image.usable()) {
        console.message(QStringLiteral("The firmware image %1 cannot be used: %2. No box is "
                                       "updated.")
                            .arg(image.description(), image.error));
        finish(BAD_INPUT);
        return;
    }
    connect(&session, &BoxSession::found, this, [this](int code) {
        if (code != DONE)
            finish(code);
        else
            choose();
    });
    session.find(invocation.all ? BoxSession::ALL_BOXES_AND_BOOTLOADERS : BoxSession::NAMED,
                 image.version);
}

void UpdateCommand::choose()
{
    for (const SurveyedBox& b : session.picked()) {
        switch (b.state) {
        case SurveyedBox::OUTDATED:
        case SurveyedBox::BOOTLOADER:
            chosen << b;
            break;
        case SurveyedBox::READY:
            // Named, it is written anew; --all leaves it as it is.
            if (!invocation.all)
                chosen << b;
            break;
        case SurveyedBox::UNSUPPORTED:
            failed(b.name(), b.serial_number,
                   QStringLiteral("runs firmware %1 (protocol %2), which this program cannot "
                                  "update.")
                       .arg(from(b))
                       .arg(b.protocol_version));
            break;
        case SurveyedBox::NO_ACCESS:
            failed(b.name(), b.serial_number,
                   QStringLiteral("cannot be opened: this user may not use its device node. "
                                  "Install the package (its udev rule), then plug the box in "
                                  "again."));
            break;
        case SurveyedBox::NOT_ANSWERING:
            failed(b.name(), b.serial_number, QStringLiteral("did not answer."));
            break;
        }
    }
    if (chosen.isEmpty()) {
        if (!failures)
            console.message(
                QStringLiteral("Every box is up to date (firmware %1).").arg(image.version));
        finish();
        return;
    }
    QStringList lines;
    for (const SurveyedBox& b : qAsConst(chosen))
        lines << QStringLiteral("  %1: %2 -> %3")
                     .arg(b.name(), b.isBootloader() ? QStringLiteral("bootloader") : from(b),
                          image.version);
    if (!invocation.yes) {
        if (!console.canAsk()) {
            console.message(QStringLiteral("Refusing to update without --yes: there is no "
                                           "terminal to ask on."));
            finish(BAD_INPUT);
            return;
        }
        console.message(QStringLiteral("Firmware %1 (%2) for:\n%3")
                            .arg(image.version, image.description(), lines.join('\n')));
        if (!console.confirm(QStringLiteral("Update %1?")
                                 .arg(chosen.size() == 1
                                          ? QStringLiteral("this box")
                                          : QStringLiteral("these %1 boxes").arg(chosen.size())))) {
            console.message(QStringLiteral("Nothing has been updated."));
            finish();
            return;
        }
    }
    connect(&session, &BoxSession::opened, this, &UpdateCommand::update);
    session.open(VoroManager::WithUpdater);
    FirmwareUpdateController* updater = session.manager()->firmwareUpdater();
    // Only the boxes chosen here, before the controller's first look at the bus.
    updater->setUpdatesUnannounced(false);
    updater->setImageFile(invocation.image);
    updater->checkImage();
}

void UpdateCommand::update()
{
    if (interrupted) {
        finish(INTERRUPTED);
        return;
    }
    QList<VoroDevice::Id> boxes;
    QList<SurveyedBox> bootloaders;
    for (BoxSession::Target& t : session.targets()) {
        if (t.found.isBootloader()) {
            bootloaders << t.found;
            continue;
        }
        const bool chosen_box
            = std::any_of(chosen.begin(), chosen.end(),
                          [&](const SurveyedBox& b) { return b.usb_path == t.found.usb_path; });
        if (!chosen_box)
            continue;
        if (!t.problem.isEmpty())
            failed(t.found.name(), t.found.serial_number, t.problem);
        else
            boxes << t.id;
    }
    run = std::make_unique<FirmwareUpdateRun>(session.manager());
    connect(run.get(), &FirmwareUpdateRun::boxChanged, this, [this](const BoxUpdate& u) {
        progress.insert(u.name(), u.progress);
        QStringList parts;
        for (auto it = progress.cbegin(); it != progress.cend(); ++it)
            parts << QStringLiteral("%1 %2 %").arg(it.key()).arg(it.value());
        console.progress(QStringLiteral("Updating: ") + parts.join(QStringLiteral(", ")));
    });
    connect(run.get(), &FirmwareUpdateRun::boxFinished, this,
            [this](const FirmwareUpdateRun::Result& r) {
                progress.clear();
                const QString& serial = r.serial_number;
                if (!r.success) {
                    failed(r.box, serial, r.text);
                    return;
                }
                if (console.json) {
                    QJsonObject o = Records::identity(r.box, serial);
                    o.insert(QStringLiteral("result"), QStringLiteral("updated"));
                    o.insert(QStringLiteral("firmware_version"), r.version);
                    console.result(o);
                } else {
                    console.result(QStringLiteral("%1: %2").arg(r.box, r.text));
                }
            });
    connect(run.get(), &FirmwareUpdateRun::finished, this, [this] { finish(); });
    run->start(boxes, bootloaders);
}

void UpdateCommand::interrupt()
{
    if (!run || !run->isRunning()) {
        if (session.manager()) {
            // Boxes are being read: none has been sent anywhere yet, and none will be.
            interrupted = true;
            undone = true;
            finish(INTERRUPTED);
            return;
        }
        Command::interrupt();
        return;
    }
    interrupted = true;
    console.message(QStringLiteral("Interrupted: the updates under way are finished first; do "
                                   "not unplug the boxes."));
}
