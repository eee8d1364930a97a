#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdint>

// The firmware image an update writes, read and checked before any box is touched: the file
// named after the hardware id in the working folder when there is one (a local override),
// otherwise the one built into the program. The bytes checked are the bytes written.
struct UpdateImage
{
    Q_DECLARE_TR_FUNCTIONS(UpdateImage)

public:
    QString path; // as opened: "./d2e15c8.bme" or ":/d2e15c8.bme"
    bool built_in = false;
    QByteArray data;
    uint32_t hardware_id = 0;
    QString version; // "1.1.2.17" for the built-in image, the header's "1.1.2" for another
    QString error; // why it cannot be used; empty when it can

    bool usable() const { return error.isEmpty(); }
    QString fileName() const;
    // "d2e15c8.bme (built in)", "d2e15c8.bme from the working folder", or the path of an
    // image chosen by the user.
    QString description() const;

    // "d2e15c8.bme" for 221124040.
    static QString fileNameFor(uint32_t hardwareId);
    // The image for a hardware id, read and checked.
    static UpdateImage find(uint32_t hardwareId);
    // Reads and checks the file at `path` as the image for `hardwareId`: a regular file,
    // well-formed (container and digest, or Intel HEX), with a version header naming that
    // hardware.
    static UpdateImage read(const QString& path, uint32_t hardwareId, bool builtIn);
};
