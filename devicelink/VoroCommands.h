#pragma once

#include <cstdint>

// Command codes of the voro-BOX text protocol: the byte after the report id, echoed as the
// first byte of the box's answer.
enum VoroCommand : uint8_t {
    CMD__GET_STATUS = 0x01,
    CMD__GET_COMMON_SETTINGS = 0x02,
    CMD__SET_COMMON_SETTINGS = 0x03,
    CMD__GET_ACTUATOR_DATA = 0x04,
    CMD__GET_ACTUATOR_SETTINGS = 0x05,
    CMD__SET_ACTUATOR_SETTINGS = 0x06,
    CMD__SET_LOCATION = 0x07,
    CMD__GET_ACTUATOR_LOCATION = 0x08,
    CMD__SET_ACTUATOR_LOCATION = 0x09,
    CMD__CLEAR_ERRORS = 0x0A,
    CMD__TEST_ACTUATOR = 0x10,
    CMD__READ_LOG = 0x20,
    CMD__GET_LOG_INTERVAL = 0x21,
    CMD__SET_LOG_INTERVAL = 0x22,
    CMD__FACTORY_RESET = 0x70,
    CMD__ENTER_BOOTLOADER = 0xE1,
    CMD__GET_PROTOCOL_VERSION = 0xE2,
    CMD__GET_FIRMWARE_VERSION = 0xE3,
    CMD__GET_LOCATION = 0xE4,
    CMD__SAVE = 0xEF,
};
