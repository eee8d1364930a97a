<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>AT__NC</source>
        <translation>Normally Closed</translation>
    </message>
    <message>
        <source>AT__NO</source>
        <translation>Normally Open</translation>
    </message>
    <message>
        <source>CM__LOCAL</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>CM__EXTERNAL</source>
        <translation>External</translation>
    </message>
    <message>
        <source>CT__DEFINED_BY_INPUT</source>
        <translation>Defined by X19</translation>
    </message>
    <message>
        <source>CT__HEATING</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>CT__COOLING</source>
        <translation>Cooling</translation>
    </message>
    <message>
        <source>CS__SENSORS</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_1</source>
        <translation>Actuator 1</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_2</source>
        <translation>Actuator 2</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_3</source>
        <translation>Actuator 3</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_4</source>
        <translation>Actuator 4</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_5</source>
        <translation>Actuator 5</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_6</source>
        <translation>Actuator 6</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_7</source>
        <translation>Actuator 7</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_8</source>
        <translation>Actuator 8</translation>
    </message>
    <message>
        <source>ST__10K3A1_NTC</source>
        <translation>10K3A1 NTC</translation>
    </message>
    <message>
        <source>ST__10K4A1_NTC</source>
        <translation>10K4A1 NTC</translation>
    </message>
    <message>
        <source>ST__10K_NTC_CAREL</source>
        <translation>10K NTC Carel</translation>
    </message>
    <message>
        <source>ST__20K6A1_NTC</source>
        <translation>20K6A1 NTC</translation>
    </message>
    <message>
        <source>ST__2_2K3A1_NTC</source>
        <translation>2.2K3A1 NTC</translation>
    </message>
    <message>
        <source>ST__3K3A1_NTC</source>
        <translation>3K3A1 NTC</translation>
    </message>
    <message>
        <source>ST__30K6A1_NTC</source>
        <translation>30K6A1 NTC</translation>
    </message>
    <message>
        <source>ST__SIE1</source>
        <translation>SIE1</translation>
    </message>
    <message>
        <source>ST__TAC1</source>
        <translation>TAC1</translation>
    </message>
    <message>
        <source>ST__SAT1</source>
        <translation>SAT1</translation>
    </message>
    <message>
        <source>ST__PT1000</source>
        <translation>PT1000</translation>
    </message>
    <message>
        <source>ST__NI1000</source>
        <translation>NI1000</translation>
    </message>
    <message>
        <source>ST__NI1000_TK5000</source>
        <translation>NI1000 TK5000</translation>
    </message>
    <message>
        <source>E__SENSOR_NC</source>
        <translation>Sensor not connected</translation>
    </message>
    <message>
        <source>E__SENSOR_OUT_OF_RANGE</source>
        <translation>Sensor out of range</translation>
    </message>
    <message>
        <source>E__POT_NC</source>
        <translation>Potentiometer not connected</translation>
    </message>
    <message>
        <source>E__POT_OUT_OF_RANGE</source>
        <translation>Potentiometer out of range</translation>
    </message>
    <message>
        <source>ControlProperties</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>InfoProperties</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>LogProperties</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>RS485Properties</source>
        <translation>RS485</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Heating / Cooling</translation>
    </message>
    <message>
        <source>CurrentType</source>
        <translation>Current Heating / Cooling</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmware Version</translation>
    </message>
    <message>
        <source>ConfigWriteCount</source>
        <translation>EEPROM Write Count</translation>
    </message>
    <message>
        <source>FlashWriteCount</source>
        <translation>Flash Write Count</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval [min]</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Capture Window</translation>
    </message>
    <message>
        <source>ResponseDelay</source>
        <translation>Response Delay [ms]</translation>
    </message>
    <message>
        <source>StopBits</source>
        <translation>Stop Bits</translation>
    </message>
</context>
</TS>
