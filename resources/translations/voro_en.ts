<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Configuration and Diagnostic Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version: %1
Bundled Firmware: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActuatorModel</name>
    <message>
        <source>%1 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Setpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRIAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mem Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Min Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Max Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Min Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Max Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hysterresis Heating</source>
        <translation>Hysteresis Heating</translation>
    </message>
    <message>
        <source>Hysteresis Cooling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuator Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – %2 lies beyond %3 and has been limited to %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApplyDialog</name>
    <message>
        <source>Choose File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also write the locations (the box&apos;s and its actuators&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: every box has its result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a settings file, or a box whose settings to apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no change</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n field(s)</source>
        <translation>
            <numerusform>%n field</numerusform>
            <numerusform>%n fields</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing will be written to any box:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n backup(s) of %1, newest first.</source>
        <translation>
            <numerusform>%n backup of %1, newest first.</numerusform>
            <numerusform>%n backups of %1, newest first.</numerusform>
        </translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box holds the settings of this backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Restoring this backup changes %n field(s).</source>
        <translation>
            <numerusform>Restoring this backup changes %n field.</numerusform>
            <numerusform>Restoring this backup changes %n fields.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the settings of the backup of %1 back to %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete %n backup(s) of %1?</source>
        <translation>
            <numerusform>Delete %n backup of %1?</numerusform>
            <numerusform>Delete %n backups of %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds these settings already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup has been restored to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be restored to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoxOverview</name>
    <message>
        <source>Compare…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Logs…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Firmware…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from Backup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one box to compare with a settings file, or two boxes to compare with each other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare: no difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings exported to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Not exported:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Reading the logs of %n box(es)…</source>
        <translation>
            <numerusform>Reading the logs of %n box…</numerusform>
            <numerusform>Reading the logs of %n boxes…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not ready, or its logs are being exported already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: all logs exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) could not be written</source>
        <translation>
            <numerusform>%1: %n file could not be written</numerusform>
            <numerusform>%1: %n files could not be written</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the folder cannot be written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: stopped answering; %n log(s) not read</source>
        <translation>
            <numerusform>%1: stopped answering; %n log not read</numerusform>
            <numerusform>%1: stopped answering; %n logs not read</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cancelled; %2 of %3 logs written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the selected boxes has outdated firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update the firmware of these boxes? Their settings are backed up first.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings have been backed up:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These boxes could not be backed up:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log export into %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoxOverviewModel</name>
    <message>
        <source>Actuator %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reconnecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in its bootloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>updating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (outdated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>updating (%1 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n in all)</source>
        <translation>
            <numerusform>%1 (%n in all)</numerusform>
            <numerusform>%1 (%n in all)</numerusform>
        </translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latched Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Backup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoxUpdate</name>
    <message>
        <source>voro-BOX %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voro-BOX at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: update to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was erased; the box restarts on its old firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was erased; the box restarts on its firmware %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>try the update again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box stays in its bootloader; unplug it and plug it in again to try once more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected during the update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plug it in again to finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated to %1 at attempt %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorCombo</name>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigField</name>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Min Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Max Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Min Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentiometer Max Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hysteresis Heating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hysteresis Cooling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuator Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuator %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateController</name>
    <message>
        <source>Restarting into the bootloader...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box did not restart into its bootloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting the update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box cannot be opened; trying again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bootloader does not answer; trying again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempt %1 of %2 failed: %3. Trying again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 attempts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box left the USB bus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateRun</name>
    <message>
        <source>Failed: %1 has no serial number to follow it into its bootloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, but the box did not come back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1 cannot be sent into its bootloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: the settings of %1 could not be backed up (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareUpdater</name>
    <message>
        <source>Firmware Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware image: %1, version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware image: %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FwProgrammer</name>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed. Device not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed. Unable to communicate with device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed out waiting for device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Attached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Detached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to communicate with device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device reports more memory than this program can hold. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected internal error encountered.  Recommend restarting the application to avoid bricking the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: This HEX file does not contain config bit information.

Automatically disabling config bit reprogramming to avoid leaving the device in a state that could prevent further bootloading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Could not open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No address within range in file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify the correct firmware image was specified and is designed for your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in hex file.  Please make sure the firmware image supplied was designed for the device to be programmed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory allocation failed.  Please close other applications to free up system RAM and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in file.  Please make sure the firmware image supplied was designed for the device to be programmed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to import:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erasing Device... (this may take several seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Device Program Memory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Device EEPROM Memory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to unlock Configuration bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlocked Configuration bits successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing Device Config Words...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating Firmware Backup...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset To Factory Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Conflict Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload Device Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Local Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No change has been detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read the log file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no valid log data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – reconnecting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing once %1 has confirmed the save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not answer; waiting for it to come back…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not come back; its unsaved changes are gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not come back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings of %1 have been changed externally.

What would you like to do?

Reloading will discard your local changes and load the externally changed settings.
Keeping local settings keeps the fields you changed and takes the external changes for all others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has changes that are not saved, and it does not answer at the moment.

Do you want to discard them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.

Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving to %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be imported into %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings have been successfully imported into %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored errors of actuator %1 cleared on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored errors of actuator %1 of %2 could not be cleared: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test of actuator %1 ended on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test of actuator %1 of %2 could not be ended: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been reset to factory defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be reset to factory defaults: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the logs of %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be written to. No log of %2 has been read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All logs of %1 have been exported to:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logs of %1 have been exported to:
%2

These files could not be written:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stopped answering during the log export. These logs have not been read:
%2

The others are in:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log export of %1 has been cancelled; %2 of %3 logs have been written to:
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to reset %1 to factory defaults? All settings will be reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resetting %1 to factory defaults…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings cannot be pasted onto actuator %1 of %2:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log of actuator %1 of %2 could not be read: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 restarts; waiting for it to come back…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Device Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import L&amp;og</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Firmware Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset To Factory Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Configuration and Diagnostic Utility %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Live Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boxes Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is back after: %2. Its settings differ from the backup made before (%3). Restore them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Current Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Boxes Overview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoBoxHint</name>
    <message>
        <source>No voro-BOX found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect a voro-BOX to a USB port of this computer with its USB cable. It is found by itself and appears here a few seconds later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A voro-BOX has been found but cannot be opened: the notice in the status bar below says how to give this user access to it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenFailureNotice</name>
    <message>
        <source>A voro-BOX was found at %1 but cannot be opened, most likely because this user has no permission to use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the voro-box-cdu package (or its udev rule 70-voro-box.rules), then plug the box in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>Triac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This log holds no samples</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlotDlg</name>
    <message>
        <source>Actuator %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode.ToolTip</source>
        <translation>Local: the device regulates on its own. External: a building system sets the values over RS485 (Modbus).</translation>
    </message>
    <message>
        <source>Type.ToolTip</source>
        <translation>Whether the device heats or cools, or follows the signal on input X19</translation>
    </message>
    <message>
        <source>CurrentType.ToolTip</source>
        <translation>Whether the device heats or cools at the moment</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FirmwareVersion.ToolTip</source>
        <translation>The firmware the device runs</translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location.ToolTip</source>
        <translation>The device&apos;s name, at most 24 characters</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uptime.ToolTip</source>
        <translation>Time since the device last started (days, hours:minutes:seconds)</translation>
    </message>
    <message>
        <source>ConfigWriteCount.ToolTip</source>
        <translation>How often the device has written its settings to its EEPROM</translation>
    </message>
    <message>
        <source>FlashWriteCount.ToolTip</source>
        <translation>How often the device has written its flash memory</translation>
    </message>
    <message>
        <source>Interval.ToolTip</source>
        <translation>How often the device records setpoint, temperature and TRIAC state of every actuator (1 to 60 minutes)</translation>
    </message>
    <message>
        <source>Duration.ToolTip</source>
        <translation>How far back the log reaches at this interval (1200 records)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address.ToolTip</source>
        <translation>The device&apos;s Modbus address on the RS485 line</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate.ToolTip</source>
        <translation>Transmission speed of the RS485 line in bit/s</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity.ToolTip</source>
        <translation>Parity bit of the RS485 line</translation>
    </message>
    <message>
        <source>StopBits.ToolTip</source>
        <translation>Stop bits of the RS485 line</translation>
    </message>
    <message>
        <source>ResponseDelay.ToolTip</source>
        <translation>How long the device waits before it answers a Modbus request (0 to 255 ms)</translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPropertyModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingProblem</name>
    <message>
        <source>%1 … %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 characters, without &quot;;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at least the minimum resistance, %1 Ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most the maximum resistance, %1 Ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sensors, or an actuator other than actuator %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sensors, or an actuator that does not follow actuator %1, directly or through others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – allowed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 … %2 minutes, in whole minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>%1 cannot be written: its firmware cannot be worked with, or it is not ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its settings could not be backed up (%1), so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>Firmware update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings applied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup on request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be written in &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Triac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrendView</name>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the view where it is; the values are still recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Live Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The live values cannot be recorded: %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording has stopped: %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateImage</name>
    <message>
        <source>%1 (built in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from the working folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no firmware image for hardware id %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged (its container or its digest does not match)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a firmware image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has no version header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is made for hardware id %1, not %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateThread</name>
    <message>
        <source>its USB device cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bootloader does not tell its hardware id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bootloader does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the firmware image %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this box&apos;s hardware (id %1) needs another firmware image: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the firmware image does not fit this box&apos;s memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erasing failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to the box was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box did not accept the data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoroManager</name>
    <message>
        <source>Firmware Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to communicate with device &apos;%1&apos; with firmware version &apos;%2&apos;, please use a newer version of the %3-CDU.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to communicate with device &apos;%1&apos; with firmware version &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write the settings file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read the settings file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a settings file: it has no readable group &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware &apos;%1&apos; of device &apos;%2&apos; has to be updated to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware of these devices has to be updated:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new firmware is available, do you want to update the device &apos;%1&apos; from %2 to %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new firmware is available for these devices:

%1

Do you want to update them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware image %1 cannot be used: %2. No device is updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to update the firmware of the device &apos;%1&apos; from %2 to %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box sent an answer that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its settings have not been read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings of %1 could not be backed up: %2. Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds the value &apos;%2&apos; for &apos;%3&apos;, which the device cannot take. Nothing has been imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds the value &apos;%2&apos; for &apos;%3&apos;, which the device cannot take (allowed: %4). Nothing has been imported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteOutcome</name>
    <message>
        <source>the box still reports the errors as stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box did not take: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box stopped answering; not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box stopped answering and did not come back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box sent an answer that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its settings could not be backed up (%1), so nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
