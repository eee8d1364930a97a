#pragma once

#include <QString>

// The per-user store of the program: the language and the last folders its file dialogs used.
// A settings object is opened anew at every access, so a value written here is seen by the
// next reader at once.
namespace AppSettings {
inline const QString ORGANISATION = QStringLiteral("brenmar automation ag");
inline const QString APPLICATION = QStringLiteral("voro-BOX-CDU");
inline const QString KEY_LANGUAGE = QStringLiteral("lang");
inline const QString FOLDER_EXPORT_LOGS = QStringLiteral("export_logs");
inline const QString FOLDER_EXPORT_IMPORT = QStringLiteral("export_import");
inline const QString FOLDER_IMPORT_LOG = QStringLiteral("import_log");

// The stored language code, "en" when none is stored.
QString language();
// The per-user data folder (QStandardPaths::AppDataLocation of this organisation and program,
// also for a program that runs under another name), e.g. for the firmware update history.
QString dataFolder();
} // namespace AppSettings

// The folder a file dialog of this kind last used; the home folder at first.
QString lastFolder(const QString& key);
// Remembers the folder of `path`, which may name a file (its folder is kept) or a folder.
void setLastFolder(const QString& key, const QString& path);
