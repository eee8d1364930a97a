#pragma once

// What the fuzz targets share. Each target defines LLVMFuzzerInitialize and
// LLVMFuzzerTestOneInput; libFuzzer drives them under clang, ReplayMain.cpp in every build.

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// An invariant that must hold for every input: a failure aborts, so the fuzzer keeps the input
// as a crash and the replay fails.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__,          \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzz {

// The parsers log what they refuse; over millions of inputs that is noise and costs time.
// A fatal message still ends the run. FUZZ_VERBOSE=1 keeps them, to follow one input.
inline void silenceMessages()
{
    if (qEnvironmentVariableIsSet("FUZZ_VERBOSE"))
        return;
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
            std::abort();
        }
    });
}

// The input without a copy: reading past its end is caught by the address sanitizer, where a
// copy would hide a one-byte overread behind its terminating zero.
inline QByteArray rawBytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
}

// The input cut at every '\n': the replies of a box, the lines of a stream.
inline QList<QByteArray> lines(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size)).split('\n');
}

// The files of the readers that take a path, in a folder of their own. A name serves input
// after input: QSettings keeps what it read from each name it has seen, and a new name each
// time would grow that cache and set off a leak check after every input. It takes a file of
// the same name, size and time stamp as unchanged, so every file written here gets a time
// stamp no file had before.
class Files
{
public:
    // The input as the file `name`; its path.
    QString write(const QString& name, const uint8_t* data, size_t size)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            fail(path);
        file.close();
        touch(path);
        return path;
    }

    // A new time stamp for a file someone else wrote, so that it is read anew.
    void touch(const QString& path)
    {
        QFile file(path);
        const QDateTime stamp = QDateTime::fromMSecsSinceEpoch(1000000000000LL + ++serial);
        if (!file.open(QIODevice::ReadWrite)
            || !file.setFileTime(stamp, QFileDevice::FileModificationTime))
            fail(path);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

private:
    [[noreturn]] static void fail(const QString& path)
    {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }

    // In memory where the system offers it: the settings writer syncs its file to the disk,
    // which would cost more than the parsing.
    static QString base()
    {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        return shm.isDir() && shm.isWritable()
            ? QStringLiteral("/dev/shm/voro-fuzz-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/voro-fuzz-XXXXXX");
    }

    QTemporaryDir dir { base() };
    qint64 serial = 0;
};

// The files of this target, removed when it exits.
inline Files& files()
{
    static Files files;
    return files;
}

} // namespace fuzz
