// The firmware update history on any file a user, or another program, may have left in the data
// folder. Every record read is written back as a line that reads as the same record.
#include "fuzz/FuzzSupport.h"

#include "firmware/UpdateHistory.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::files().write(QStringLiteral("history.txt"), data, size);
    const QVector<UpdateHistory::Record> records = UpdateHistory(path).read();
    FUZZ_CHECK(records.size() <= int(size / 13) + 1); // a line holds a time and six tabs
    for (const UpdateHistory::Record& record : records) {
        const QByteArray line = UpdateHistory::toLine(record);
        UpdateHistory::Record again;
        FUZZ_CHECK(!line.contains('\n'));
        FUZZ_CHECK(UpdateHistory::fromLine(line, again));
        FUZZ_CHECK(again == record);
    }
    return 0;
}
