#pragma once

#include "records/VoroDevice.h"

#include <QString>

// How the program names a box to the user: by its location ("voro-BOX" without one) and,
// wherever two boxes could be confused, with a short form of its USB serial number, as in
// "Lab 2 (3A0F21)". The window, its questions and messages, and the command line all name
// boxes through these.
namespace BoxName {

constexpr int SHORT_ID_LENGTH = 6;

// The last six characters of the serial number, upper case; for a box that reports none, the
// last part of its USB path (the device node, e.g. "hidraw3").
QString shortId(const QString& serial_number, const QString& usb_path);
QString shortId(const VoroDevice& d);

// The location as the box reports it, or "voro-BOX".
QString location(const VoroDevice& d);
// "Lab 2 (3A0F21)"
QString qualified(const VoroDevice& d);
QString qualified(const QString& location, const QString& serial_number,
                  const QString& usb_path = QString());

// The order of lists of boxes: by the shown location, ignoring case, then by serial number,
// then by path, so that it is the same at every start and after every reload.
bool lessThan(const VoroDevice& a, const VoroDevice& b);

// The same box: the same serial number when both report one, else the same USB path.
bool sameBox(const QString& serial_a, const QString& path_a, const QString& serial_b,
             const QString& path_b);

} // namespace BoxName
