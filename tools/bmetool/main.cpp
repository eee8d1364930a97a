// bmetool: builds ".bme" firmware files and shows what one holds.
//
//   bmetool build [--header MAJOR;MINOR;PATCH;HWID | --version M.m.p --hardware-id HWID]
//                 [--plain] (--hex FILE | --bin FILE --address ADDR) -o OUT
//   bmetool info FILE
//
// build writes a block container ("be01") unless --plain asks for a plain one ("bf01").
// info prints the header, the container and its segments as the program reads them
// (firmware/), and exits with 1 when the file is malformed or its digest does not match.
#include "BmeFile.h"

#include "firmware/BmeContainer.h"
#include "firmware/DeviceLayout.h"
#include "firmware/FirmwareImage.h"
#include "firmware/ImageImporter.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {
int usage()
{
    std::fprintf(stderr,
                 "usage: bmetool build [--header M;m;p;HWID | --version M.m.p --hardware-id HWID]\n"
                 "                     [--plain] (--hex FILE | --bin FILE --address ADDR) -o OUT\n"
                 "       bmetool info FILE\n");
    return 2;
}

bool readFile(const QString& path, QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bmetool: cannot read %s\n", qPrintable(path));
        return false;
    }
    data = file.readAll();
    return true;
}

int build(const QStringList& args)
{
    QString header, version, hardwareId, hex, bin, out;
    bool block = true, addressGiven = false;
    uint32_t address = 0;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--plain")) {
            block = false;
        } else if (a == QLatin1String("--header") && hasValue) {
            header = args[++i];
        } else if (a == QLatin1String("--version") && hasValue) {
            version = args[++i];
        } else if (a == QLatin1String("--hardware-id") && hasValue) {
            hardwareId = args[++i];
        } else if (a == QLatin1String("--hex") && hasValue) {
            hex = args[++i];
        } else if (a == QLatin1String("--bin") && hasValue) {
            bin = args[++i];
        } else if (a == QLatin1String("--address") && hasValue) {
            bool ok = false;
            address = args[++i].toUInt(&ok, 0);
            if (!ok)
                return usage();
            addressGiven = true;
        } else if (a == QLatin1String("-o") && hasValue) {
            out = args[++i];
        } else {
            return usage();
        }
    }
    if (out.isEmpty() || hex.isEmpty() == bin.isEmpty() || (!bin.isEmpty() && !addressGiven))
        return usage();
    // The build passes the fields apart: a ';' would split its argument.
    if (!version.isEmpty() || !hardwareId.isEmpty())
        header = QString(version).replace(QLatin1Char('.'), QLatin1Char(';')) + QLatin1Char(';')
            + hardwareId;
    if (!header.isEmpty() && header.split(QLatin1Char(';')).size() != 4) {
        std::fprintf(stderr, "bmetool: the header needs four fields: major;minor;patch;hwid\n");
        return 2;
    }
    QByteArray input;
    if (!readFile(hex.isEmpty() ? bin : hex, input))
        return 1;
    bme::Bytes bytes;
    QString error;
    if (!hex.isEmpty() && !bme::readHex(input, bytes, error)) {
        std::fprintf(stderr, "bmetool: %s: %s\n", qPrintable(hex), qPrintable(error));
        return 1;
    }
    if (!bin.isEmpty())
        bme::addBinary(input, address, bytes);
    if (bytes.empty()) {
        std::fprintf(stderr, "bmetool: no firmware bytes in the input\n");
        return 1;
    }
    QFile file(out);
    const QByteArray data = bme::build(bytes, header, block);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "bmetool: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

int info(const QString& path)
{
    QByteArray data;
    if (!readFile(path, data))
        return 1;
    // The header as the program reads it; then the container as BmeContainer reads it.
    FirmwareImage image;
    const ImageImporter::ImportResult header
        = ImageImporter().importData(data, image, DeviceLayout());
    if (image.hasHeader)
        std::printf("header:    %d;%d;%d;%d\n", image.major, image.minor, image.patch,
                    image.hardwareId);
    else
        std::printf("header:    none\n");
    const bool headed = data.startsWith("bm01");
    if (headed && !image.hasHeader && header == ImageImporter::ContainerError) {
        std::printf("malformed: the header is not {major;minor;patch;hardware id}\n");
        return 1;
    }
    const QByteArray container = headed ? data.mid(data.indexOf('}') + 1) : data;
    if (!BmeContainer::isContainer(container)) {
        std::printf("malformed: no container (magic \"%s\")\n",
                    container.left(4).toHex().constData());
        return 1;
    }
    const BmeContainer::Contents contents = BmeContainer::read(container);
    if (!contents.error.isEmpty()) {
        std::printf("malformed: %s\n", qPrintable(contents.error));
        return 1;
    }
    std::printf("container: %s\n", contents.block ? "block (be01)" : "plain (bf01)");
    std::printf("digest:    %s\n", contents.digest_ok ? "ok" : "MISMATCH");
    QCryptographicHash firmware(QCryptographicHash::Sha1);
    for (const BmeContainer::Segment& s : contents.segments) {
        const QByteArray bytes = contents.bytes(container, s);
        std::printf("segment:   0x%08x, %d bytes", s.address, int(bytes.size()));
        if (contents.block)
            std::printf(" in %d blocks", int(s.blocks.size()));
        std::printf("\n");
        firmware.addData(bytes);
    }
    std::printf("sha1 of the firmware bytes: %s\n", firmware.result().toHex().constData());
    return contents.digest_ok ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("build"))
        return build(args);
    if (command == QLatin1String("info") && args.size() == 1)
        return info(args.first());
    return usage();
}
