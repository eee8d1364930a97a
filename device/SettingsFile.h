#pragma once

#include "records/VoroConfig.h"

#include <QString>

// A box's configuration as a ".cfg" file: INI text through QSettings, one group "config",
// enumerations stored by their key names. Reading checks every value by SettingRules, so a file
// can never bring the box a value that the user could not have set by hand.
namespace SettingsFile {

// Larger than any settings file by far; a bigger file is not read into memory at all.
constexpr qint64 MAX_FILE_SIZE = 1024 * 1024;

struct ReadResult
{
    enum Problem {
        NONE,
        UNREADABLE, // missing, not a file, or cannot be opened
        NOT_SETTINGS, // too large, not INI text, or without the group "config"
        INVALID_VALUE, // `key` holds a value the editors could not produce
    };

    bool ok() const { return problem == NONE; }

    Problem problem = NONE;
    QString key; // as it stands in the file, e.g. "actuator_settings\3\setpoint"
    QString allowed; // what that key may hold, when SettingRules refused it
    QString value; // INVALID_VALUE: the value refused, as the file holds it
    VoroConfig config; // the file's values over the current ones; only when ok()
};

// Writes the configuration, replacing whatever the file held. False when it could not be
// written.
bool write(const QString& file_name, const VoroConfig& config);

// Reads the file over `current`: keys the file lacks keep their current value (the locations
// become empty), array entries beyond the current lists are ignored. A value equal to the one
// the box holds (`held`) is always taken; any other must be one SettingRules allows.
ReadResult read(const QString& file_name, const VoroConfig& current, const VoroConfig& held);
inline ReadResult read(const QString& file_name, const VoroConfig& current)
{
    return read(file_name, current, current);
}

} // namespace SettingsFile
