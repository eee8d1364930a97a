#include "records/VoroDevice.h"

#include "records/RecordText.h"

DeviceStatus DeviceStatus::fromText(const QString& text, bool* ok)
{
    RecordText in(text);
    DeviceStatus s;
    bool valid = in.count() >= 8;
    if (valid) {
        const QString parity = in.part(2);
        valid = parity.size() == 1;
        if (valid) {
            const ushort code = parity.at(0).unicode();
            s.parity = code <= 0xFF ? char(code) : 0;
        }
    }
    valid = valid && in.toInt(0, s.modbus_address, 0, MAX_MODBUS_ADDRESS)
        && in.toInt(1, s.baudrate, 0) && in.toInt(3, s.stop_bits, 0) && in.toInt(4, s.uptime, 0)
        && in.toBool(5, s.cooling) && in.toInt(6, s.spare_value)
        && in.toUInt(7, s.config_write_count);
    if (valid && in.count() >= 9)
        valid = in.toUInt(8, s.flash_write_count);
    else
        s.flash_write_count = 0xFFFFFFFF;
    *ok = valid;
    return s;
}

ActuatorData ActuatorData::fromText(const QString& text, bool* ok)
{
    RecordText in(text);
    ActuatorData d;
    int errors = 0, mem_errors = 0;
    *ok = in.count() >= 8 && in.toInt(0, d.temperature) && in.toInt(1, d.sensor_resistance, 0)
        && in.toInt(2, d.pot_shift) && in.toInt(3, d.pot_resistance, 0)
        && in.toInt(4, d.pot_setpoint) && in.toBool(5, d.triac) && in.toInt(6, errors, 0, 0xFF)
        && in.toInt(7, mem_errors, 0, 0xFF);
    d.errors = quint8(errors);
    d.mem_errors = quint8(mem_errors);
    return d;
}
