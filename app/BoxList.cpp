#include "app/BoxList.h"

#include "records/BoxName.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>

namespace {
// What an entry keeps of its box to find its place.
enum Role { ID = Qt::UserRole, LOCATION, SERIAL, PATH };

VoroDevice keyOf(const QComboBox* combo, int index)
{
    VoroDevice d(combo->itemData(index, ID).toInt());
    d.config.location = combo->itemData(index, LOCATION).toString();
    d.serial_number = combo->itemData(index, SERIAL).toString();
    d.usb_path = combo->itemData(index, PATH).toString();
    return d;
}
} // namespace

BoxList::BoxList(QComboBox* combo)
    : combo(combo)
{ }

int BoxList::indexOf(VoroDevice::Id id) const
{
    return combo->findData(id, ID, Qt::MatchExactly);
}

VoroDevice::Id BoxList::idAt(int index) const
{
    return index >= 0 && index < combo->count() ? combo->itemData(index, ID).toInt() : -1;
}

VoroDevice::Id BoxList::current() const
{
    return idAt(combo->currentIndex());
}

void BoxList::setCurrent(VoroDevice::Id id)
{
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(indexOf(id));
}

void BoxList::put(const VoroDevice& d, bool reconnecting)
{
    const QSignalBlocker quiet(combo);
    const VoroDevice::Id was_current = current();
    const int old = indexOf(d.id);
    if (old >= 0)
        combo->removeItem(old);
    int at = 0;
    while (at < combo->count() && BoxName::lessThan(keyOf(combo, at), d))
        ++at;
    const QString name = BoxName::qualified(d);
    combo->insertItem(
        at,
        reconnecting ? QCoreApplication::translate("MainWindow", "%1 – reconnecting…").arg(name)
                     : name);
    combo->setItemData(at, d.id, ID);
    combo->setItemData(at, d.config.location, LOCATION);
    combo->setItemData(at, d.serial_number, SERIAL);
    combo->setItemData(at, d.usb_path, PATH);
    combo->setCurrentIndex(indexOf(was_current));
}

void BoxList::replace(VoroDevice::Id from, const VoroDevice& d)
{
    const bool was_current = current() == from;
    remove(from);
    put(d);
    if (was_current)
        setCurrent(d.id);
}

void BoxList::remove(VoroDevice::Id id)
{
    const QSignalBlocker quiet(combo);
    const VoroDevice::Id was_current = current();
    const int at = indexOf(id);
    if (at >= 0)
        combo->removeItem(at);
    combo->setCurrentIndex(indexOf(was_current));
}
