#pragma once

// The program's name and version as the window title and the About dialog show them.
namespace Version {
constexpr char PRODUCT[] = "voro-BOX";
constexpr char PROGRAM[] = "1.1.2";
// The maker's web site, behind the organisation's name in the About dialog.
constexpr char WEB_SITE[] = "https://www.brenmar.ch";
} // namespace Version
