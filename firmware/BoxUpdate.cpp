#include "firmware/BoxUpdate.h"

#include "records/BoxName.h"

namespace {
const QChar kArrow(0x2192);
const QString kDash = QStringLiteral(" \u2014 ");
} // namespace

QString BoxUpdate::name() const
{
    if (announced)
        return BoxName::qualified(location, serial);
    if (!serial.isEmpty())
        return tr("voro-BOX %1").arg(serial);
    return tr("voro-BOX at %1").arg(path);
}

QString BoxUpdate::title() const
{
    if (from_version.isEmpty())
        return tr("%1: update to %2").arg(name(), to_version);
    return QStringLiteral("%1: %2 %3 %4").arg(name(), from_version, kArrow, to_version);
}

QString BoxUpdate::result() const
{
    switch (phase) {
    case Updated:
        // Attempts that failed before are part of the story.
        return attempts == 0 ? tr("Updated to %1").arg(to_version)
                             : tr("Updated to %1 at attempt %2 of %3")
                                   .arg(to_version)
                                   .arg(attempts + 1)
                                   .arg(ATTEMPTS);
    case Kept:
        return tr("Failed: %1").arg(reason) + kDash
            + (from_version.isEmpty()
                   ? tr("nothing was erased; the box restarts on its old firmware")
                   : tr("nothing was erased; the box restarts on its firmware %1")
                         .arg(from_version));
    case Failed:
        return tr("Failed: %1").arg(reason) + kDash
            + (path.isEmpty() ? tr("try the update again")
                              : tr("the box stays in its bootloader; unplug it and plug it in "
                                   "again to try once more"));
    case Disconnected:
        return tr("Disconnected during the update") + kDash + tr("plug it in again to finish");
    default:
        return QString();
    }
}
