<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
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
</context>
</TS>
