// The text forms of the device records, as a box answers them. A record that parses must be
// sent back to the box as the same text form it came in: what the program writes after a read
// is read again as the same values.
#include "fuzz/FuzzSupport.h"

#include "records/VoroDevice.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(fuzz::rawBytes(data, size));
    bool ok = false;

    const CommonSettings common = CommonSettings::fromText(text, &ok);
    if (ok) {
        bool again = false;
        FUZZ_CHECK(CommonSettings::fromText(common.toText(), &again) == common && again);
    }
    const ActuatorSettings actuator = ActuatorSettings::fromText(text, &ok);
    if (ok) {
        bool again = false;
        FUZZ_CHECK(ActuatorSettings::fromText(actuator.toText(), &again) == actuator && again);
    }
    DeviceStatus::fromText(text, &ok);
    ActuatorData::fromText(text, &ok);
    return 0;
}
