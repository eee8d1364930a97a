#pragma once

#include "records/VoroDevice.h"

class QComboBox;

// The window's device list: one entry per box, named "Lab 2 (3A0F21)" and kept in the order of
// location, then serial number, whatever order the boxes came in or were read again. Every
// change made here keeps the current entry where it is and never counts as the user's choice:
// the combo box's signals are held back meanwhile.
class BoxList
{
public:
    explicit BoxList(QComboBox* combo);

    // Adds the box's entry, or updates its text and place; a box that stopped answering is
    // marked as reconnecting.
    void put(const VoroDevice& d, bool reconnecting = false);
    // The box of entry `from` is back as `d`.
    void replace(VoroDevice::Id from, const VoroDevice& d);
    void remove(VoroDevice::Id id);

    int indexOf(VoroDevice::Id id) const;
    VoroDevice::Id idAt(int index) const; // -1 for no entry
    VoroDevice::Id current() const;
    void setCurrent(VoroDevice::Id id);

private:
    QComboBox* combo;
};
