// Firmware files into memory regions: the header, both containers with their digest, Intel
// HEX, the address arithmetic, hostile counts, and the bundled image the build makes.
#include "FirmwareTestSupport.h"

#include "firmware/BundledFirmware.h"
#include "firmware/UpdateImage.h"

#include <QtTest>

namespace {
const QByteArray kData("ABCD");

QByteArray validPlain()
{
    return container("bf01", 1, plainSegment(0x1000, kData));
}

QList<MemoryRegion> programAt(quint32 start, quint32 units)
{
    return { MemoryRegion(RT__PROGRAM, start, start + units, units) };
}

struct Import
{
    ImageImporter::ImportResult result;
    FirmwareImage image;
    bool hasConfigData;
};

Import import(const QByteArray& file, const QList<MemoryRegion>& regions,
              DeviceLayout layout = DeviceLayout())
{
    QTemporaryDir dir;
    Import out { ImageImporter::OpenFailed, imageOf(regions), false };
    ImageImporter importer;
    out.result
        = importer.importFile(writeFile(dir, QStringLiteral("f.bme"), file), out.image, layout);
    out.hasConfigData = importer.hasConfigData;
    return out;
}

// The firmware bytes that a block region stands for: six of every eight.
QByteArray unblock(const QByteArray& blocks, int firmwareSize)
{
    QByteArray out;
    for (int i = 0; i < blocks.size(); i += 8)
        out += blocks.mid(i, 6);
    return out.left(firmwareSize);
}

QByteArray runPython(const QString& script, const QStringList& args)
{
    QProcess python;
    python.start(QStringLiteral("python3"), QStringList { QStringLiteral("-c"), script } + args);
    python.waitForFinished(30000);
    return python.readAllStandardOutput().trimmed();
}
} // namespace

class tst_ImageImporter : public QObject
{
    Q_OBJECT

private slots:
    void header_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("fields"); // empty: the image keeps its earlier header

        const QByteArray body = validPlain();
        QTest::newRow("four fields") << "bm01{1;1;2;221124040}" + body << int(ImageImporter::Ok)
                                     << QList<int> { 1, 1, 2, 221124040 };
        QTest::newRow("text ends at NUL") << QByteArray("bm01{3;4;5;6\0;7}", 16) + body
                                          << int(ImageImporter::Ok) << QList<int> { 3, 4, 5, 6 };
        QTest::newRow("signed limits")
            << "bm01{-1;0;0;-2147483648}" + body << int(ImageImporter::Ok)
            << QList<int> { -1, 0, 0, int(0x80000000) };
        QTest::newRow("no header") << body << int(ImageImporter::Ok) << QList<int>();
        QTest::newRow("no closing brace") << QByteArray("bm01{1;1;2;3") + QByteArray(5000, 'x')
                                          << int(ImageImporter::ContainerError) << QList<int>();
        QTest::newRow("three fields")
            << "bm01{1;1;2}" + body << int(ImageImporter::ContainerError) << QList<int>();
        QTest::newRow("five fields")
            << "bm01{1;1;2;3;4}" + body << int(ImageImporter::ContainerError) << QList<int>();
        QTest::newRow("empty field")
            << "bm01{1;;2;3}" + body << int(ImageImporter::ContainerError) << QList<int>();
        QTest::newRow("beyond 32 bits") << "bm01{1;1;2;2147483648}" + body
                                        << int(ImageImporter::ContainerError) << QList<int>();
        QTest::newRow("not a number")
            << "bm01{1;1;2; 7}" + body << int(ImageImporter::ContainerError) << QList<int>();
        QTest::newRow("unknown magic after it: read as HEX") << "bm01{1;1;2;3}xx01"
                + body << int(ImageImporter::HexFormatError) << QList<int> { 1, 1, 2, 3 };
    }
    void header()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, result);
        QFETCH(QList<int>, fields);
        QTemporaryDir dir;
        FirmwareImage image = imageOf(programAt(0x1000, 0x100));
        // What an earlier import left, which a file without header keeps.
        image.hasHeader = true;
        image.major = 9;
        image.minor = 8;
        image.patch = 7;
        image.hardwareId = 6;
        ImageImporter importer;
        QCOMPARE(int(importer.importFile(writeFile(dir, "f.bme", file), image, DeviceLayout())),
                 result);
        const QList<int> expected = fields.isEmpty() ? QList<int> { 9, 8, 7, 6 } : fields;
        QCOMPARE((QList<int> { image.major, image.minor, image.patch, image.hardwareId }),
                 expected);
        QVERIFY(image.hasHeader);
    }

    void containers_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("result");

        const int ok = ImageImporter::Ok, bad = ImageImporter::ContainerError,
                  none = ImageImporter::NothingInRange;
        const QByteArray plain = validPlain();
        QTest::newRow("plain") << plain << ok;
        QTest::newRow("plain, a trailing byte")
            << container("bf01", 1, plainSegment(0x1000, kData) + 'x') << bad;
        QByteArray reserved = plain;
        reserved[9] = 'r';
        QTest::newRow("reserved field changed") << reserved << bad;
        QByteArray digest = plain;
        digest[20] = char(digest[20] ^ 1);
        QTest::newRow("digest changed") << digest << bad;
        QTest::newRow("digest cut short") << plain.left(25) << bad;
        QTest::newRow("length differs from size")
            << container("bf01", 1, be32(0x1000) + be32(4) + be32(3) + kData) << bad;
        QTest::newRow("fewer data bytes than size")
            << container("bf01", 1, be32(0x1000) + be32(40) + be32(40) + kData) << bad;
        QTest::newRow("hostile segment count")
            << container("bf01", 0x7FFFFFFF, plainSegment(0x1000, kData)) << bad;
        QTest::newRow("negative count: no segments") << container("bf01", 0x80000000, {}) << none;
        QTest::newRow("plain, outside every region")
            << container("bf01", 1, plainSegment(0x9000, kData)) << none;
        QTest::newRow("blocks of 0 to 6 bytes")
            << container("be01", 1, blockSegment(0x1000, { 0, 1, 2, 3, 4, 5, 6 })) << ok;
        QTest::newRow("block of 7 bytes")
            << container("be01", 1, blockSegment(0x1000, { 6, 7 })) << bad;
        QTest::newRow("block data cut short")
            << container("be01", 1, blockSegment(0x1000, { 6, 6 }).chopped(1)) << bad;
        QTest::newRow("hostile block count")
            << container("be01", 1, be32(0x1000) + be32(0x7FFFFFFF) + be32(6) + QByteArray(8, 'a'))
            << bad;
        QTest::newRow("blocks, trailing byte")
            << container("be01", 1, blockSegment(0x1000, { 6 }) + 'x') << bad;
        QTest::newRow("blocks outside every region")
            << container("be01", 1, blockSegment(0x9000, { 6, 6 })) << none;
    }
    void containers()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, result);
        const Import r = import(file, programAt(0x1000, 0x100));
        QCOMPARE(int(r.result), result);
        if (result == ImageImporter::Ok && file.startsWith("bf01"))
            QCOMPARE(r.image.regions[0].buffer.left(5), kData + char(0xFF));
    }

    void blocks_relayTheirRegionFromTheFirstPlacedBlock()
    {
        // Two segments of one region join one stream of 8-byte blocks; the block before the
        // region is not placed but still moves the file address on.
        const QByteArray file = container(
            "be01", 2, blockSegment(0xF000 - 6, { 6, 6, 6 }) + blockSegment(0xF100, { 6, 4 }));
        const Import r = import(file, programAt(0xF000, 0x1000));
        QCOMPARE(int(r.result), int(ImageImporter::Ok));
        const MemoryRegion& region = r.image.regions[0];
        QCOMPARE(region.start, 0xF000u);
        QCOMPARE(region.size, 4u * 8);
        QCOMPARE(region.end, 0xF000u + 4 * 8);
        QCOMPARE(region.buffer,
                 QByteArray(8, 0x11) + QByteArray(8, 0x12) + QByteArray(8, 0x10)
                     + QByteArray(8, 0x11));
    }

    void hex_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("result");
        QTest::addColumn<quint32>("at"); // where the region holds "AB" afterwards

        const QByteArray ab("AB");
        const QByteArray eof = hexRecord(1, 0, {});
        const QByteArray linear = hexRecord(4, 0, QByteArray::fromHex("0001"));
        const int ok = ImageImporter::Ok, bad = ImageImporter::HexFormatError;
        QTest::newRow("linear address 0x0001")
            << linear + hexRecord(0, 0x10, ab) + eof << ok << 0x10010u;
        QTest::newRow("segment address 0x1000")
            << hexRecord(2, 0, QByteArray::fromHex("1000")) + hexRecord(0, 0x20, ab) + eof << ok
            << 0x10020u;
        QTest::newRow("lower case, no end record")
            << (linear + hexRecord(0, 0, ab)).toLower() << ok << 0x10000u;
        QTest::newRow("lines after the end are not read") << linear + hexRecord(0, 0, ab) + eof
                + "garbage\n" << ok << 0x10000u;
        QTest::newRow("CRLF line ends")
            << QByteArray(linear + hexRecord(0, 0, ab)).replace("\n", "\r\n") + eof << ok
            << 0x10000u;
        QTest::newRow("other record types ignored") << linear + hexRecord(5, 0, QByteArray(4, 1))
                + hexRecord(0, 0, ab) + eof << ok << 0x10000u;
        QTest::newRow("nothing in range")
            << hexRecord(0, 0x10, ab) + eof << int(ImageImporter::NothingInRange) << 0u;
        QByteArray checksum = linear + hexRecord(0, 0, ab);
        checksum[checksum.size() - 2] = checksum[checksum.size() - 2] == '0' ? '1' : '0';
        QTest::newRow("wrong checksum") << checksum + eof << bad << 0u;
        QTest::newRow("blank line before the end") << linear + "\n" + eof << bad << 0u;
        QTest::newRow("no colon") << linear + ";02000000414279\n" + eof << bad << 0u;
        QTest::newRow("shorter than its length")
            << linear + hexRecord(0, 0, ab).left(9) + "\n" + eof << bad << 0u;
        QTest::newRow("not hexadecimal") << linear + ":0200000041G279\n" + eof << bad << 0u;
        QTest::newRow("endless line") << linear + ':' + QByteArray(100000, '0') << bad << 0u;
    }
    void hex()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, result);
        QFETCH(quint32, at);
        const Import r = import(file, programAt(0x10000, 0x100));
        QCOMPARE(int(r.result), result);
        if (result == ImageImporter::Ok)
            QCOMPARE(r.image.regions[0].buffer.mid(int(at - 0x10000), 2), QByteArray("AB"));
    }

    void addresses_data()
    {
        QTest::addColumn<int>("bytesPerAddress");
        QTest::addColumn<quint32>("start");
        QTest::addColumn<quint32>("fileAddress");
        QTest::addColumn<bool>("found");
        QTest::addColumn<quint32>("deviceAddress");
        QTest::addColumn<int>("offset"); // -1: no buffer location

        QTest::newRow("2 bytes per address, odd byte")
            << 2 << 0x1000u << 0x2001u << true << 0x1000u << 1;
        QTest::newRow("2 bytes per address, last byte")
            << 2 << 0x1000u << 0x21FFu << true << 0x10FFu << 0x1FF;
        QTest::newRow("2 bytes per address, past the end")
            << 2 << 0x1000u << 0x2200u << false << 0u << -1;
        QTest::newRow("region at 0 has no location") << 1 << 0u << 0x10u << true << 0x10u << -1;
        QTest::newRow("below the region") << 1 << 0x1000u << 0xFFFu << false << 0u << -1;
    }
    void addresses()
    {
        QFETCH(int, bytesPerAddress);
        QFETCH(quint32, start);
        QFETCH(quint32, fileAddress);
        DeviceLayout layout;
        layout.bytesPerAddressProgram = bytesPerAddress;
        MemoryRegions regions { MemoryRegion(RT__PROGRAM, start, start + 0x100,
                                             0x100 * quint32(bytesPerAddress)) };
        const DeviceLayout::Location loc = layout.locate(fileAddress, regions);
        QTEST(loc.found, "found");
        QTEST(loc.deviceAddress, "deviceAddress");
        QFETCH(int, offset);
        QCOMPARE(loc.data ? int(loc.data - regions[0].buffer.constData()) : -1, offset);
    }

    void byteInRegionAtZero_isNoBuffer_andConfigBytesAreNoticed()
    {
        const QByteArray data = container("bf01", 1, plainSegment(0x10, kData));
        QCOMPARE(int(import(data, programAt(0, 0x100)).result), int(ImageImporter::NoBuffer));
        const Import config = import(data, { MemoryRegion(RT__CONFIG, 0x10, 0x20, 0x10) });
        QCOMPARE(int(config.result), int(ImageImporter::Ok));
        QVERIFY(config.hasConfigData);
        QVERIFY(!import(data, programAt(0x10, 0x10)).hasConfigData);
    }

    void objcopyHex_landsByteForByte()
    {
        const QByteArray firmware = firmwareBytes(3001);
        const QByteArray hex = objcopyHex(firmware, 0x08004000);
        QVERIFY(hex.contains(":020000040800F2")); // objcopy wrote an extended linear address
        const Import r = import(hex, programAt(0x08004000, 0x1000));
        QCOMPARE(int(r.result), int(ImageImporter::Ok));
        QCOMPARE(r.image.regions[0].buffer.left(firmware.size()), firmware);
        QCOMPARE(r.image.regions[0].buffer.mid(firmware.size()),
                 QByteArray(0x1000 - 3001, char(0xFF)));
    }

    void bundledImage_matchesItsVersionAndItsSource()
    {
        QFile resource(QString::fromLatin1(BundledFirmware::RESOURCE));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const QByteArray file = resource.readAll();
        // The digest checked by an outside SHA-1: the container with its digest field zeroed.
        const QString check
            = QStringLiteral("import hashlib,sys\n"
                             "d=open(sys.argv[1],'rb').read(); c=d[d.index(b'be01'):]\n"
                             "print(hashlib.sha1(c[:12]+bytes(20)+c[32:]).digest()==c[12:32])");
        QTemporaryDir dir;
        QCOMPARE(runPython(check, { writeFile(dir, "image.bme", file) }), QByteArray("True"));

        const Import r = import(file, programAt(0x08004000, 0x1C000));
        QCOMPARE(int(r.result), int(ImageImporter::Ok));
        QVERIFY(r.image.hasHeader);
        const QStringList version = QString::fromLatin1(BundledFirmware::VERSION).split('.');
        QCOMPARE(version.size(), 4);
        QCOMPARE((QList<int> { r.image.major, r.image.minor, r.image.patch, r.image.hardwareId }),
                 (QList<int> { version[0].toInt(), version[1].toInt(), version[2].toInt(),
                               BundledFirmware::HARDWARE_ID }));
        QCOMPARE(QString::fromLatin1(BundledFirmware::RESOURCE),
                 QStringLiteral(":/%1.bme").arg(BundledFirmware::HARDWARE_ID, 0, 16));

        // The blocks stand for the firmware in resources/firmware, as objcopy reads it.
        const QString hex = QStringLiteral(VORO_SOURCE_DIR "/resources/firmware/d2e15c8.hex");
        QProcess objcopy;
        const QString bin = dir.filePath("firmware.bin");
        objcopy.start("objcopy", { "-I", "ihex", "-O", "binary", "--gap-fill", "0xff", hex, bin });
        QVERIFY(objcopy.waitForFinished(30000) && objcopy.exitCode() == 0);
        QFile binary(bin);
        QVERIFY(binary.open(QIODevice::ReadOnly));
        const QByteArray firmware = binary.readAll();
        const MemoryRegion& region = r.image.regions[0];
        QCOMPARE(region.start, 0x08004000u);
        QCOMPARE(int(region.size), (firmware.size() + 5) / 6 * 8);
        QCOMPARE(unblock(region.buffer, firmware.size()), firmware);
        QVERIFY(region.buffer.contains(QByteArray(3 * 58, char(0xFF)))); // gaps to skip
    }

    void updateImage_isCheckedBeforeUse_data()
    {
        QTest::addColumn<QByteArray>("local"); // in the working folder; null for none
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("version");
        const QByteArray plain = container("bf01", 1, plainSegment(0x08004000, kData));
        QTest::newRow("built in") << QByteArray() << ""
                                  << "d2e15c8.bme (built in)"
                                  << "1.1.2.17";
        QTest::newRow("working folder") << "bm01{1;1;3;221124040}" + plain << ""
                                        << "d2e15c8.bme from the working folder"
                                        << "1.1.3";
        QByteArray damaged = "bm01{1;1;3;221124040}" + plain;
        damaged[damaged.size() - 1] = 'X';
        QTest::newRow("damaged")
            << damaged << "the file is damaged (its container or its digest does not match)"
            << ""
            << "";
        QTest::newRow("no header") << plain << "the file has no version header"
                                   << ""
                                   << "";
        QTest::newRow("other hardware")
            << "bm01{1;1;3;77}" + plain << "the file is made for hardware id 77, not 221124040"
            << ""
            << "";
        QTest::newRow("not firmware") << QByteArray("hello\n") << "the file is not a firmware image"
                                      << ""
                                      << "";
    }
    void updateImage_isCheckedBeforeUse()
    {
        QFETCH(QByteArray, local);
        QTemporaryDir dir;
        if (!local.isNull())
            writeFile(dir, "d2e15c8.bme", local);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const UpdateImage image = UpdateImage::find(BundledFirmware::HARDWARE_ID);
        QDir::setCurrent(previous);
        QTEST(image.error, "error");
        QCOMPARE(image.built_in, local.isNull());
        QCOMPARE(image.data.isEmpty(), !image.usable());
        if (image.usable()) {
            QTEST(image.description(), "description");
            QTEST(image.version, "version");
        }
    }

    void bmetool_buildsWhatTheImporterReads_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("plain") << QStringList { "--plain" };
        QTest::newRow("block") << QStringList();
    }
    void bmetool_buildsWhatTheImporterReads()
    {
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const QByteArray firmware = firmwareBytes(1000, 99);
        const QString out = dir.filePath("t.bme");
        QCOMPARE(QProcess::execute(bmetool(),
                                   QStringList { "build" } + options
                                       + QStringList { "--header", "2;0;1;77", "--bin",
                                                       writeFile(dir, "fw.bin", firmware),
                                                       "--address", "0x2000", "-o", out }),
                 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray data = file.readAll();
        const Import r = import(data, programAt(0x2000, 0x1000));
        QCOMPARE(int(r.result), int(ImageImporter::Ok));
        QCOMPARE(r.image.hardwareId, 77);
        const QByteArray region = r.image.regions[0].buffer;
        QCOMPARE(options.isEmpty() ? unblock(region, firmware.size()) : region.left(1000),
                 firmware);

        QCOMPARE(QProcess::execute(bmetool(), { "info", out }), 0);
        data[data.size() - 1] = char(data[data.size() - 1] ^ 0x40);
        QCOMPARE(QProcess::execute(bmetool(), { "info", writeFile(dir, "bad.bme", data) }), 1);
    }
};

QTEST_GUILESS_MAIN(tst_ImageImporter)
#include "tst_imageimporter.moc"
