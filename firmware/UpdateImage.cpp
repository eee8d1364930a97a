#include "firmware/UpdateImage.h"

#include "firmware/BundledFirmware.h"
#include "firmware/FirmwareImage.h"
#include "firmware/ImageImporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// A header line and a container of the largest size the importer takes.
constexpr qint64 kMaxImageBytes
    = ImageImporter::MAX_CONTAINER_BYTES + 8 + ImageImporter::MAX_HEADER_BYTES;
} // namespace

QString UpdateImage::fileNameFor(uint32_t hardwareId)
{
    return QStringLiteral("%1.bme").arg(hardwareId, 0, 16);
}

QString UpdateImage::fileName() const
{
    return QFileInfo(path).fileName();
}

QString UpdateImage::description() const
{
    if (built_in)
        return tr("%1 (built in)").arg(fileName());
    if (path == QStringLiteral("./") + fileName())
        return tr("%1 from the working folder").arg(fileName());
    return QDir::toNativeSeparators(path);
}

UpdateImage UpdateImage::find(uint32_t hardwareId)
{
    const QString name = fileNameFor(hardwareId);
    // Only the folder the program was started in overrides the built-in image: a file there is
    // the user's own choice.
    const QString local = QStringLiteral("./") + name;
    if (QFile::exists(local)) {
        qDebug("using the firmware image in the working folder: %s", qPrintable(local));
        return read(local, hardwareId, false);
    }
    const QString builtIn = QStringLiteral(":/") + name;
    if (QFile::exists(builtIn))
        return read(builtIn, hardwareId, true);
    qWarning("no update file found for hw_id: %u", hardwareId);
    UpdateImage none;
    none.path = name;
    none.hardware_id = hardwareId;
    none.error = tr("there is no firmware image for hardware id %1").arg(hardwareId);
    return none;
}

UpdateImage UpdateImage::read(const QString& path, uint32_t hardwareId, bool builtIn)
{
    UpdateImage image;
    image.path = path;
    image.built_in = builtIn;
    image.hardware_id = hardwareId;
    QFile file(path);
    // A device or a pipe would be read without end, or never answer.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        image.error = tr("the file cannot be read");
        return image;
    }
    if (file.size() > kMaxImageBytes) {
        image.error = tr("the file is too large");
        return image;
    }
    image.data = file.read(kMaxImageBytes + 1);
    // Without a memory layout nothing is placed: a well-formed file is "nothing in range".
    FirmwareImage parsed;
    const ImageImporter::ImportResult result
        = ImageImporter().importData(image.data, parsed, DeviceLayout());
    if (result == ImageImporter::ContainerError) {
        image.error = tr("the file is damaged (its container or its digest does not match)");
    } else if (result != ImageImporter::NothingInRange && result != ImageImporter::Ok) {
        image.error = tr("the file is not a firmware image");
    } else if (!parsed.hasHeader) {
        image.error = tr("the file has no version header");
    } else if (uint32_t(parsed.hardwareId) != hardwareId) {
        image.error = tr("the file is made for hardware id %1, not %2")
                          .arg(uint32_t(parsed.hardwareId))
                          .arg(hardwareId);
    }
    if (!image.usable()) {
        qWarning("firmware image %s cannot be used: %s", qPrintable(path), qPrintable(image.error));
        image.data.clear();
        return image;
    }
    image.version
        = QStringLiteral("%1.%2.%3").arg(parsed.major).arg(parsed.minor).arg(parsed.patch);
    // The build number is not in the header; the program knows it for its own image.
    const QString bundled = QString::fromLatin1(BundledFirmware::VERSION);
    if (builtIn && bundled.startsWith(image.version + QLatin1Char('.')))
        image.version = bundled;
    return image;
}
