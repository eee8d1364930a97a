#pragma once

// The firmware the program carries for updates. Boxes older than VERSION (by major, minor and
// patch) are offered an update; the About dialog shows its first three parts. The image in the
// resources is built from resources/firmware/ with this version in its header.
namespace BundledFirmware {
constexpr const char* VERSION = "1.1.2.17";
constexpr int HARDWARE_ID = 221124040;
constexpr const char* RESOURCE = ":/d2e15c8.bme";
} // namespace BundledFirmware
