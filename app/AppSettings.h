#pragma once

#include "device/FolderSettings.h"

#include <QString>

// Per-user application settings: the names of the store and the remembered folders come from
// device/FolderSettings.h, which the device manager shares.
namespace AppSettings {
inline const QString KEY_LANGUAGE = QStringLiteral("lang");

// The stored language code, "en" when none is stored.
QString language();
} // namespace AppSettings
