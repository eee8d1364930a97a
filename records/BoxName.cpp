#include "records/BoxName.h"

#include <tuple>

namespace BoxName {

QString shortId(const QString& serial_number, const QString& usb_path)
{
    const QString serial = serial_number.trimmed();
    if (!serial.isEmpty())
        return serial.right(SHORT_ID_LENGTH).toUpper();
    // hidraw paths end in the device node; other platforms' paths end in what tells ports apart
    const int cut = qMax(usb_path.lastIndexOf(QLatin1Char('/')), usb_path.lastIndexOf('\\'));
    return usb_path.mid(cut + 1);
}

QString shortId(const VoroDevice& d)
{
    return shortId(d.serial_number, d.usb_path);
}

QString location(const VoroDevice& d)
{
    return d.config.location.isEmpty() ? QStringLiteral("voro-BOX") : d.config.location;
}

QString qualified(const VoroDevice& d)
{
    return qualified(d.config.location, d.serial_number, d.usb_path);
}

QString qualified(const QString& location, const QString& serial_number, const QString& usb_path)
{
    const QString place = location.isEmpty() ? QStringLiteral("voro-BOX") : location;
    const QString id = shortId(serial_number, usb_path);
    return id.isEmpty() ? place : QStringLiteral("%1 (%2)").arg(place, id);
}

bool lessThan(const VoroDevice& a, const VoroDevice& b)
{
    const int byLocation = location(a).compare(location(b), Qt::CaseInsensitive);
    if (byLocation != 0)
        return byLocation < 0;
    return std::tie(a.serial_number, a.usb_path, a.id)
        < std::tie(b.serial_number, b.usb_path, b.id);
}

bool sameBox(const QString& serial_a, const QString& path_a, const QString& serial_b,
             const QString& path_b)
{
    if (!serial_a.isEmpty() && !serial_b.isEmpty())
        return serial_a == serial_b;
    return path_a == path_b;
}

} // namespace BoxName
