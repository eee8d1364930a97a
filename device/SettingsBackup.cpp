#include "device/SettingsBackup.h"

#include "device/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
// "2026-12-10_09-46-12_firmware-update.cfg", and "…_2.cfg" for a second one in that second.
const QString TIME_FORMAT = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString SUFFIX = QStringLiteral(".cfg");
// A serial number becomes a folder name: only what is safe in a path on every system.
const QRegularExpression UNSAFE(QStringLiteral("[^A-Za-z0-9_-]"));

QList<SettingsBackup::Reason> allReasons()
{
    return {
        SettingsBackup::FIRMWARE_UPDATE, SettingsBackup::FACTORY_RESET, SettingsBackup::IMPORT,
        SettingsBackup::APPLY,           SettingsBackup::MANUAL,        SettingsBackup::OTHER
    };
}

bool parseName(const QString& name, SettingsBackup& b)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)_([a-z-]+)(_\\d+)?\\.cfg$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return false;
    b.time = QDateTime::fromString(m.captured(1), TIME_FORMAT);
    if (!b.time.isValid())
        return false;
    b.reason = SettingsBackup::OTHER;
    for (const SettingsBackup::Reason r : allReasons()) {
        if (SettingsBackup::reasonKey(r) == m.captured(2))
            b.reason = r;
    }
    return true;
}
} // namespace

QString SettingsBackup::reasonKey(Reason reason)
{
    switch (reason) {
    case FIRMWARE_UPDATE:
        return QStringLiteral("firmware-update");
    case FACTORY_RESET:
        return QStringLiteral("factory-reset");
    case IMPORT:
        return QStringLiteral("import");
    case APPLY:
        return QStringLiteral("apply");
    case MANUAL:
        return QStringLiteral("manual");
    case OTHER:
        break;
    }
    return QStringLiteral("other");
}

QString SettingsBackup::reasonText(Reason reason)
{
    switch (reason) {
    case FIRMWARE_UPDATE:
        return tr("Firmware update");
    case FACTORY_RESET:
        return tr("Factory reset");
    case IMPORT:
        return tr("Settings import");
    case APPLY:
        return tr("Settings applied");
    case MANUAL:
        return tr("Backup on request");
    case OTHER:
        break;
    }
    return tr("Other");
}

QString SettingsBackup::rootFolder()
{
    return AppSettings::dataFolder() + QStringLiteral("/backups");
}

QString SettingsBackup::folderOf(const QString& serial_number)
{
    QString name = serial_number.trimmed();
    name.replace(UNSAFE, QStringLiteral("_"));
    // Boxes without one share a folder: their backups are kept all the same.
    return rootFolder() + QLatin1Char('/')
        + (name.isEmpty() ? QStringLiteral("without-serial-number") : name);
}

SettingsBackup SettingsBackup::write(const QString& serial_number, const VoroConfig& config,
                                     Reason reason, QString* error)
{
    QString ignored;
    QString& why = error ? *error : ignored;
    const QString folder = folderOf(serial_number);
    if (!QDir().mkpath(folder)) {
        why = tr("the folder '%1' cannot be created").arg(QDir::toNativeSeparators(folder));
        return {};
    }
    SettingsBackup b;
    b.serial_number = serial_number;
    b.reason = reason;
    b.time = QDateTime::currentDateTime();
    b.time.setTime(QTime(b.time.time().hour(), b.time.time().minute(), b.time.time().second()));
    const QString stem = folder + QLatin1Char('/') + b.time.toString(TIME_FORMAT) + QLatin1Char('_')
        + reasonKey(reason);
    // Never over an older backup: QFile::NewOnly fails when the name is taken.
    for (int n = 1; n < 1000; ++n) {
        const QString candidate
            = stem + (n == 1 ? QString() : QStringLiteral("_%1").arg(n)) + SUFFIX;
        QFile claim(candidate);
        if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            continue;
        claim.close();
        if (!SettingsFile::write(candidate, config)) {
            QFile::remove(candidate);
            break;
        }
        b.file = candidate;
        return b;
    }
    why = tr("the file cannot be written in '%1'").arg(QDir::toNativeSeparators(folder));
    return {};
}

QList<SettingsBackup> SettingsBackup::list(const QString& serial_number)
{
    const QString folder = folderOf(serial_number);
    const QFileInfoList files
        = QDir(folder).entryInfoList({ QStringLiteral("*") + SUFFIX }, QDir::Files, QDir::Name);
    std::vector<std::pair<SettingsBackup, QDateTime>> found; // with the time of the file
    for (const QFileInfo& info : files) {
        SettingsBackup b;
        if (!parseName(info.fileName(), b))
            continue;
        b.file = info.absoluteFilePath();
        b.serial_number = serial_number;
        found.emplace_back(b, info.lastModified());
    }
    // Newest first; within one second, the one written last first.
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.first.time != b.first.time)
            return a.first.time > b.first.time;
        return a.second > b.second;
    });
    QList<SettingsBackup> out;
    for (const auto& f : found)
        out << f.first;
    return out;
}

int SettingsBackup::prune(const QString& serial_number, int keep)
{
    const QList<SettingsBackup> all = list(serial_number);
    int removed = 0;
    for (int i = qMax(0, keep); i < all.size(); ++i) {
        if (QFile::remove(all.at(i).file))
            ++removed;
    }
    return removed;
}

SettingsFile::ReadResult SettingsBackup::read(const VoroConfig& current) const
{
    return SettingsFile::read(file, current, current);
}
