#pragma once

// What the fuzz targets share. Each target defines LLVMFuzzerInitialize and
// LLVMFuzzerTestOneInput; libFuzzer drives them under clang, ReplayMain.cpp in every build.

#include <QByteArray>
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

// Writes the input as a file for the readers that take a path. Every input gets a new name:
// QSettings caches what it read from a name and would not see a file of the same size and
// time stamp change.
class InputFile
{
public:
    QString write(const uint8_t* data, size_t size, const QString& suffix)
    {
        remove();
        path = dir.filePath(QStringLiteral("input%1%2").arg(++serial).arg(suffix));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::abort();
        }
        return path;
    }
    void remove()
    {
        if (!path.isEmpty())
            QFile::remove(path);
    }
    ~InputFile() { remove(); }

private:
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
    QString path;
    quint64 serial = 0;
};

// The one input file of a target; never destroyed, so that it outlives every input.
inline InputFile& inputFile()
{
    static InputFile* file = new InputFile;
    return *file;
}

} // namespace fuzz
