<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Configuration and Diagnostic Utility</source>
        <translation>%1 Konfigurations- und Diagnoseprogramm</translation>
    </message>
    <message>
        <source>Version: %1
Bundled Firmware: %2</source>
        <translation>Version: %1
Mitgelieferte Firmware: %2</translation>
    </message>
</context>
<context>
    <name>ActuatorModel</name>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>%1 K</source>
        <translation>%1 K</translation>
    </message>
    <message>
        <source>%1 Ohm</source>
        <translation>%1 Ohm</translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation>Stellantrieb %1</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Potentiometer Shift</source>
        <translation>Sollwertverschiebung</translation>
    </message>
    <message>
        <source>Potentiometer Resistance</source>
        <translation>Potentiometer-Widerstand</translation>
    </message>
    <message>
        <source>Potentiometer Setpoint</source>
        <translation>Potentiometer-Sollwert</translation>
    </message>
    <message>
        <source>TRIAC</source>
        <translation>TRIAC</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Mem Errors</source>
        <translation>Gespeicherte Fehler</translation>
    </message>
    <message>
        <source>Control Source</source>
        <translation>Regelquelle</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Fühlertyp</translation>
    </message>
    <message>
        <source>Sensor Offset</source>
        <translation>Fühlerkorrektur</translation>
    </message>
    <message>
        <source>Potentiometer Min Resistance</source>
        <translation>Potentiometer-Widerstand min.</translation>
    </message>
    <message>
        <source>Potentiometer Max Resistance</source>
        <translation>Potentiometer-Widerstand max.</translation>
    </message>
    <message>
        <source>Potentiometer Min Shift</source>
        <translation>Sollwertverschiebung min.</translation>
    </message>
    <message>
        <source>Potentiometer Max Shift</source>
        <translation>Sollwertverschiebung max.</translation>
    </message>
    <message>
        <source>Hysterresis Heating</source>
        <translation>Hysterese Heizen</translation>
    </message>
    <message>
        <source>Hysteresis Cooling</source>
        <translation>Hysterese Kühlen</translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>Actuator Type</source>
        <translation>Stellantriebstyp</translation>
    </message>
    <message>
        <source>%1 – %2 lies beyond %3 and has been limited to %4</source>
        <translation>%1 – %2 liegt ausserhalb von %3 und wurde auf %4 begrenzt</translation>
    </message>
</context>
<context>
    <name>ApplyDialog</name>
    <message>
        <source>Choose File…</source>
        <translation>Datei wählen…</translation>
    </message>
    <message>
        <source>Also write the locations (the box&apos;s and its actuators&apos;)</source>
        <translation>Auch die Standorte schreiben (den der Box und die der Stellantriebe)</translation>
    </message>
    <message>
        <source>Apply Settings</source>
        <translation>Einstellungen übertragen</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>Settings of %1</source>
        <translation>Einstellungen von %1</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Done: every box has its result.</source>
        <translation>Fertig: jede Box hat ihr Ergebnis.</translation>
    </message>
    <message>
        <source>Settings file %1</source>
        <translation>Einstellungsdatei %1</translation>
    </message>
    <message>
        <source>Choose a settings file, or a box whose settings to apply.</source>
        <translation>Wählen Sie eine Einstellungsdatei oder eine Box, deren Einstellungen übertragen werden sollen.</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>keine Änderung</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s)</source>
        <translation>
            <numerusform>%n Feld</numerusform>
            <numerusform>%n Felder</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing will be written to any box:
%1</source>
        <translation>Es wird auf keine Box geschrieben:
%1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Danach</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Schreiben…</translation>
    </message>
    <message>
        <source>writing…</source>
        <translation>wird geschrieben…</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups of %1</source>
        <translation>Sicherungen von %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Wiederherstellen…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message numerus="yes">
        <source>%n backup(s) of %1, newest first.</source>
        <translation>
            <numerusform>%n Sicherung von %1, die neueste zuerst.</numerusform>
            <numerusform>%n Sicherungen von %1, die neueste zuerst.</numerusform>
        </translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>The box holds the settings of this backup.</source>
        <translation>Die Box hat die Einstellungen dieser Sicherung.</translation>
    </message>
    <message numerus="yes">
        <source>Restoring this backup changes %n field(s).</source>
        <translation>
            <numerusform>Das Wiederherstellen dieser Sicherung ändert %n Feld.</numerusform>
            <numerusform>Das Wiederherstellen dieser Sicherung ändert %n Felder.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Einstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Write the settings of the backup of %1 back to %2?</source>
        <translation>Die Einstellungen der Sicherung vom %1 auf %2 zurückschreiben?</translation>
    </message>
    <message>
        <source>Delete Backups</source>
        <translation>Sicherungen löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n backup(s) of %1?</source>
        <translation>
            <numerusform>%n Sicherung von %1 löschen?</numerusform>
            <numerusform>%n Sicherungen von %1 löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds these settings already.</source>
        <translation>%1 hat diese Einstellungen bereits.</translation>
    </message>
    <message>
        <source>The backup has been restored to %1.</source>
        <translation>Die Sicherung wurde auf %1 wiederhergestellt.</translation>
    </message>
    <message>
        <source>The backup could not be restored to %1: %2.</source>
        <translation>Die Sicherung konnte nicht auf %1 wiederhergestellt werden: %2.</translation>
    </message>
</context>
<context>
    <name>BoxOverview</name>
    <message>
        <source>Compare…</source>
        <translation>Vergleichen…</translation>
    </message>
    <message>
        <source>Apply Settings…</source>
        <translation>Einstellungen übertragen…</translation>
    </message>
    <message>
        <source>Export Settings…</source>
        <translation>Einstellungen exportieren…</translation>
    </message>
    <message>
        <source>Export Logs…</source>
        <translation>Protokolle exportieren…</translation>
    </message>
    <message>
        <source>Update Firmware…</source>
        <translation>Firmware aktualisieren…</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Restore from Backup…</source>
        <translation>Aus Sicherung wiederherstellen…</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Select one box to compare with a settings file, or two boxes to compare with each other.</source>
        <translation>Wählen Sie eine Box, um sie mit einer Einstellungsdatei zu vergleichen, oder zwei Boxen, um sie miteinander zu vergleichen.</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 verglichen mit %2</translation>
    </message>
    <message>
        <source>Compare: no difference</source>
        <translation>Vergleich: kein Unterschied</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Einstellungen exportieren</translation>
    </message>
    <message>
        <source>%1: not ready</source>
        <translation>%1: nicht bereit</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; cannot be written</source>
        <translation>%1: &apos;%2&apos; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Settings exported to %1:
%2</source>
        <translation>Einstellungen exportiert nach %1:
%2</translation>
    </message>
    <message>
        <source>

Not exported:
%1</source>
        <translation>

Nicht exportiert:
%1</translation>
    </message>
    <message>
        <source>Export Logs</source>
        <translation>Protokolle exportieren</translation>
    </message>
    <message numerus="yes">
        <source>Reading the logs of %n box(es)…</source>
        <translation>
            <numerusform>Die Protokolle von %n Box werden gelesen…</numerusform>
            <numerusform>Die Protokolle von %n Boxen werden gelesen…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v von %m</translation>
    </message>
    <message>
        <source>%1: not ready, or its logs are being exported already</source>
        <translation>%1: nicht bereit, oder ihre Protokolle werden bereits exportiert</translation>
    </message>
    <message>
        <source>%1: all logs exported</source>
        <translation>%1: alle Protokolle exportiert</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) could not be written</source>
        <translation>
            <numerusform>%1: %n Datei konnte nicht geschrieben werden</numerusform>
            <numerusform>%1: %n Dateien konnten nicht geschrieben werden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the folder cannot be written to</source>
        <translation>%1: in den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message numerus="yes">
        <source>%1: stopped answering; %n log(s) not read</source>
        <translation>
            <numerusform>%1: antwortet nicht mehr; %n Protokoll nicht gelesen</numerusform>
            <numerusform>%1: antwortet nicht mehr; %n Protokolle nicht gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cancelled; %2 of %3 logs written</source>
        <translation>%1: abgebrochen; %2 von %3 Protokollen geschrieben</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>None of the selected boxes has outdated firmware.</source>
        <translation>Keine der gewählten Boxen hat eine veraltete Firmware.</translation>
    </message>
    <message>
        <source>Update the firmware of these boxes? Their settings are backed up first.

%1</source>
        <translation>Die Firmware dieser Boxen aktualisieren? Ihre Einstellungen werden zuerst gesichert.

%1</translation>
    </message>
    <message>
        <source>The settings have been backed up:
%1</source>
        <translation>Die Einstellungen wurden gesichert:
%1</translation>
    </message>
    <message>
        <source>These boxes could not be backed up:
%1</source>
        <translation>Diese Boxen konnten nicht gesichert werden:
%1</translation>
    </message>
    <message>
        <source>Log export into %1:
%2</source>
        <translation>Protokollexport nach %1:
%2</translation>
    </message>
</context>
<context>
    <name>BoxOverviewModel</name>
    <message>
        <source>Actuator %1: %2</source>
        <translation>Stellantrieb %1: %2</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>reconnecting</source>
        <translation>verbindet neu</translation>
    </message>
    <message>
        <source>watched</source>
        <translation>nur beobachtet</translation>
    </message>
    <message>
        <source>in its bootloader</source>
        <translation>im Bootloader</translation>
    </message>
    <message>
        <source>updating</source>
        <translation>wird aktualisiert</translation>
    </message>
    <message>
        <source>%1 (outdated)</source>
        <translation>%1 (veraltet)</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (aktuell)</translation>
    </message>
    <message>
        <source>updating (%1 %)</source>
        <translation>wird aktualisiert (%1 %)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n in all)</source>
        <translation>
            <numerusform>%1 (%n insgesamt)</numerusform>
            <numerusform>%1 (%n insgesamt)</numerusform>
        </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Latched Errors</source>
        <translation>Gespeicherte Fehler</translation>
    </message>
    <message>
        <source>Last Backup</source>
        <translation>Letzte Sicherung</translation>
    </message>
</context>
<context>
    <name>BoxUpdate</name>
    <message>
        <source>voro-BOX %1</source>
        <translation>voro-BOX %1</translation>
    </message>
    <message>
        <source>voro-BOX at %1</source>
        <translation>voro-BOX an %1</translation>
    </message>
    <message>
        <source>%1: update to %2</source>
        <translation>%1: Update auf %2</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Auf %1 aktualisiert</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>nothing was erased; the box restarts on its old firmware</source>
        <translation>nichts wurde gelöscht; das Gerät startet wieder mit seiner bisherigen Firmware</translation>
    </message>
    <message>
        <source>nothing was erased; the box restarts on its firmware %1</source>
        <translation>nichts wurde gelöscht; das Gerät startet wieder mit seiner Firmware %1</translation>
    </message>
    <message>
        <source>try the update again</source>
        <translation>versuchen Sie das Update erneut</translation>
    </message>
    <message>
        <source>the box stays in its bootloader; unplug it and plug it in again to try once more</source>
        <translation>das Gerät bleibt im Bootloader; trennen Sie es und schliessen Sie es wieder an, um es erneut zu versuchen</translation>
    </message>
    <message>
        <source>Disconnected during the update</source>
        <translation>Während des Updates getrennt</translation>
    </message>
    <message>
        <source>plug it in again to finish</source>
        <translation>schliessen Sie es wieder an, um das Update abzuschliessen</translation>
    </message>
    <message>
        <source>Updated to %1 at attempt %2 of %3</source>
        <translation>Auf %1 aktualisiert, beim %2. von %3 Versuchen</translation>
    </message>
</context>
<context>
    <name>ColorCombo</name>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
</context>
<context>
    <name>ConfigField</name>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Log Interval</source>
        <translation>Protokollintervall</translation>
    </message>
    <message>
        <source>Control Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Control Type</source>
        <translation>Heizen / Kühlen</translation>
    </message>
    <message>
        <source>Response Delay</source>
        <translation>Antwortverzögerung</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Control Source</source>
        <translation>Regelquelle</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Fühlertyp</translation>
    </message>
    <message>
        <source>Sensor Offset</source>
        <translation>Fühlerkorrektur</translation>
    </message>
    <message>
        <source>Potentiometer Min Resistance</source>
        <translation>Potentiometer-Widerstand min.</translation>
    </message>
    <message>
        <source>Potentiometer Max Resistance</source>
        <translation>Potentiometer-Widerstand max.</translation>
    </message>
    <message>
        <source>Potentiometer Min Shift</source>
        <translation>Sollwertverschiebung min.</translation>
    </message>
    <message>
        <source>Potentiometer Max Shift</source>
        <translation>Sollwertverschiebung max.</translation>
    </message>
    <message>
        <source>Hysteresis Heating</source>
        <translation>Hysterese Heizen</translation>
    </message>
    <message>
        <source>Hysteresis Cooling</source>
        <translation>Hysterese Kühlen</translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>Actuator Type</source>
        <translation>Stellantriebstyp</translation>
    </message>
    <message>
        <source>Actuator %1: %2</source>
        <translation>Stellantrieb %1: %2</translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation>Stellantrieb %1</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateController</name>
    <message>
        <source>Restarting into the bootloader...</source>
        <translation>Neustart in den Bootloader...</translation>
    </message>
    <message>
        <source>the box did not restart into its bootloader</source>
        <translation>das Gerät ist nicht in den Bootloader gestartet</translation>
    </message>
    <message>
        <source>Starting the update...</source>
        <translation>Update wird gestartet...</translation>
    </message>
    <message>
        <source>The box cannot be opened; trying again</source>
        <translation>Das Gerät kann nicht geöffnet werden; neuer Versuch folgt</translation>
    </message>
    <message>
        <source>The bootloader does not answer; trying again</source>
        <translation>Der Bootloader antwortet nicht; neuer Versuch folgt</translation>
    </message>
    <message>
        <source>Attempt %1 of %2 failed: %3. Trying again.</source>
        <translation>Versuch %1 von %2 fehlgeschlagen: %3. Neuer Versuch.</translation>
    </message>
    <message>
        <source>%1 (%2 attempts)</source>
        <translation>%1 (%2 Versuche)</translation>
    </message>
    <message>
        <source>the box left the USB bus</source>
        <translation>das Gerät wurde vom USB getrennt</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateRun</name>
    <message>
        <source>Failed: %1 has no serial number to follow it into its bootloader</source>
        <translation>Fehlgeschlagen: %1 hat keine Seriennummer, an der es im Bootloader wiederzuerkennen wäre</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1, but the box did not come back</source>
        <translation>%1, aber das Gerät ist nicht zurückgekehrt</translation>
    </message>
    <message>
        <source>Failed: %1 cannot be sent into its bootloader</source>
        <translation>Fehlgeschlagen: %1 kann nicht in den Bootloader versetzt werden</translation>
    </message>
    <message>
        <source>Failed: the settings of %1 could not be backed up (%2)</source>
        <translation>Fehlgeschlagen: die Einstellungen von %1 konnten nicht gesichert werden (%2)</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdater</name>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Firmware image: %1, version %2</source>
        <translation>Firmware-Image: %1, Version %2</translation>
    </message>
    <message>
        <source>Firmware image: %1 cannot be used: %2</source>
        <translation>Firmware-Image: %1 kann nicht verwendet werden: %2</translation>
    </message>
</context>
<context>
    <name>FwProgrammer</name>
    <message>
        <source>Complete</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>Failed. Device not connected.</source>
        <translation>fehlgeschlagen. Gerät nicht verbunden.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed. Unable to communicate with device.</source>
        <translation>fehlgeschlagen. Keine Kommunikation mit dem Gerät möglich.</translation>
    </message>
    <message>
        <source>Timed out waiting for device</source>
        <translation>– Zeitüberschreitung beim Warten auf das Gerät</translation>
    </message>
    <message>
        <source>Device Attached.</source>
        <translation>Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Device Detached.</source>
        <translation>Gerät getrennt.</translation>
    </message>
    <message>
        <source>Device Ready</source>
        <translation>Gerät bereit</translation>
    </message>
    <message>
        <source>Unable to communicate with device</source>
        <translation>Keine Kommunikation mit dem Gerät möglich</translation>
    </message>
    <message>
        <source>Operation timed out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>The device reports more memory than this program can hold. Nothing was written.</source>
        <translation>Das Gerät meldet mehr Speicher, als dieses Programm verarbeiten kann. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Unexpected internal error encountered.  Recommend restarting the application to avoid bricking the device.</source>
        <translation>Unerwarteter interner Fehler. Starten Sie das Programm neu, damit das Gerät nicht unbrauchbar wird.</translation>
    </message>
    <message>
        <source>Warning: This HEX file does not contain config bit information.

Automatically disabling config bit reprogramming to avoid leaving the device in a state that could prevent further bootloading.</source>
        <translation>Warnung: Diese HEX-Datei enthält keine Konfigurationsbits.

Das Programmieren der Konfigurationsbits wird automatisch ausgeschaltet, damit das Gerät weiterhin über den Bootloader aktualisiert werden kann.</translation>
    </message>
    <message>
        <source>Opened: </source>
        <translation>Geöffnet: </translation>
    </message>
    <message>
        <source>Error: Could not open file</source>
        <translation>Fehler: Die Datei konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>No address within range in file:</source>
        <translation>Keine Adresse im gültigen Bereich in der Datei:</translation>
    </message>
    <message>
        <source>Verify the correct firmware image was specified and is designed for your device.</source>
        <translation>Prüfen Sie, ob das richtige Firmware-Image angegeben wurde und ob es für Ihr Gerät bestimmt ist.</translation>
    </message>
    <message>
        <source>Error in hex file.  Please make sure the firmware image supplied was designed for the device to be programmed.</source>
        <translation>Fehler in der HEX-Datei. Stellen Sie sicher, dass das Firmware-Image für das zu programmierende Gerät bestimmt ist.</translation>
    </message>
    <message>
        <source>Memory allocation failed.  Please close other applications to free up system RAM and try again.</source>
        <translation>Es konnte kein Speicher reserviert werden. Schliessen Sie andere Programme, um Arbeitsspeicher freizugeben, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Error in file.  Please make sure the firmware image supplied was designed for the device to be programmed.</source>
        <translation>Fehler in der Datei. Stellen Sie sicher, dass das Firmware-Image für das zu programmierende Gerät bestimmt ist.</translation>
    </message>
    <message>
        <source>Failed to import:</source>
        <translation>Import fehlgeschlagen:</translation>
    </message>
    <message>
        <source>Erasing Device... (this may take several seconds)</source>
        <translation>Gerät wird gelöscht... (dies kann einige Sekunden dauern)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Writing Device Program Memory...</source>
        <translation>Programmspeicher wird geschrieben...</translation>
    </message>
    <message>
        <source>Writing Device EEPROM Memory...</source>
        <translation>EEPROM wird geschrieben...</translation>
    </message>
    <message>
        <source>Unable to unlock Configuration bits</source>
        <translation>Die Konfigurationsbits konnten nicht entsperrt werden</translation>
    </message>
    <message>
        <source>Unlocked Configuration bits successfully</source>
        <translation>Konfigurationsbits entsperrt</translation>
    </message>
    <message>
        <source>Writing Device Config Words...</source>
        <translation>Konfigurationsworte werden geschrieben...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Creating Firmware Backup...</source>
        <translation>Firmware-Sicherung wird erstellt...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message>
        <source>Export Logs</source>
        <translation>Protokolle exportieren</translation>
    </message>
    <message>
        <source>Import Log</source>
        <translation>Protokoll importieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Reset To Factory Defaults</source>
        <translation>Auf Werkseinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Copy Settings</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste Settings</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear Errors</source>
        <translation>Fehler löschen</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Settings Conflict Detected</source>
        <translation>Konflikt bei den Einstellungen</translation>
    </message>
    <message>
        <source>Reload Device Settings</source>
        <translation>Geräteeinstellungen neu laden</translation>
    </message>
    <message>
        <source>Keep Local Settings</source>
        <translation>Lokale Einstellungen beibehalten</translation>
    </message>
    <message>
        <source>Log Export</source>
        <translation>Protokollexport</translation>
    </message>
    <message>
        <source>No change has been detected.</source>
        <translation>Es wurde keine Änderung festgestellt.</translation>
    </message>
    <message>
        <source>Unable to read the log file &apos;%1&apos;.</source>
        <translation>Die Protokolldatei «%1» kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no valid log data.</source>
        <translation>Die Datei «%1» enthält keine gültigen Protokolldaten.</translation>
    </message>
    <message>
        <source>%1 – reconnecting…</source>
        <translation>%1 – wird neu verbunden …</translation>
    </message>
    <message>
        <source>Closing once %1 has confirmed the save…</source>
        <translation>Das Programm wird beendet, sobald %1 das Speichern bestätigt hat …</translation>
    </message>
    <message>
        <source>%1 does not answer; waiting for it to come back…</source>
        <translation>%1 antwortet nicht; es wird gewartet, bis das Gerät wieder da ist …</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 ist wieder da.</translation>
    </message>
    <message>
        <source>%1 did not come back; its unsaved changes are gone.</source>
        <translation>%1 ist nicht zurückgekehrt; die nicht gespeicherten Änderungen sind verloren.</translation>
    </message>
    <message>
        <source>%1 did not come back.</source>
        <translation>%1 ist nicht zurückgekehrt.</translation>
    </message>
    <message>
        <source>Select Box</source>
        <translation>Gerät wählen</translation>
    </message>
    <message>
        <source>The settings of %1 have been changed externally.

What would you like to do?

Reloading will discard your local changes and load the externally changed settings.
Keeping local settings keeps the fields you changed and takes the external changes for all others.</source>
        <translation>Die Einstellungen von %1 wurden extern geändert.

Was möchten Sie tun?

Neu laden verwirft Ihre lokalen Änderungen und lädt die extern geänderten Einstellungen.
Lokale Einstellungen beibehalten behält die Felder, die Sie geändert haben, und übernimmt für alle anderen die externen Änderungen.</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved, and it does not answer at the moment.

Do you want to discard them?</source>
        <translation>%1 hat nicht gespeicherte Änderungen und antwortet im Moment nicht.

Möchten Sie die Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.

Do you want to save them?</source>
        <translation>%1 hat nicht gespeicherte Änderungen.

Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1:
%2</source>
        <translation>Die Einstellungen können nicht auf %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Saving to %1…</source>
        <translation>Speichern auf %1 …</translation>
    </message>
    <message>
        <source>The settings could not be imported into %1: %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 importiert werden: %2.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen konnten nicht auf %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Auf %1 gespeichert</translation>
    </message>
    <message>
        <source>The settings have been successfully imported into %1.</source>
        <translation>Die Einstellungen wurden erfolgreich in %1 importiert.</translation>
    </message>
    <message>
        <source>Stored errors of actuator %1 cleared on %2</source>
        <translation>Gespeicherte Fehler von Stellantrieb %1 auf %2 gelöscht</translation>
    </message>
    <message>
        <source>The stored errors of actuator %1 of %2 could not be cleared: %3.</source>
        <translation>Die gespeicherten Fehler von Stellantrieb %1 auf %2 konnten nicht gelöscht werden: %3.</translation>
    </message>
    <message>
        <source>Test of actuator %1 ended on %2</source>
        <translation>Test von Stellantrieb %1 auf %2 beendet</translation>
    </message>
    <message>
        <source>The test of actuator %1 of %2 could not be ended: %3.</source>
        <translation>Der Test von Stellantrieb %1 auf %2 konnte nicht beendet werden: %3.</translation>
    </message>
    <message>
        <source>%1 has been reset to factory defaults.</source>
        <translation>%1 wurde auf die Werkseinstellungen zurückgesetzt.</translation>
    </message>
    <message>
        <source>%1 could not be reset to factory defaults: %2.</source>
        <translation>%1 konnte nicht auf die Werkseinstellungen zurückgesetzt werden: %2.</translation>
    </message>
    <message>
        <source>Reading the logs of %1…</source>
        <translation>Die Protokolle von %1 werden gelesen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen …</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be written to. No log of %2 has been read.</source>
        <translation>In den Ordner «%1» kann nicht geschrieben werden. Es wurde kein Protokoll von %2 gelesen.</translation>
    </message>
    <message>
        <source>All logs of %1 have been exported to:
%2</source>
        <translation>Alle Protokolle von %1 wurden exportiert nach:
%2</translation>
    </message>
    <message>
        <source>The logs of %1 have been exported to:
%2

These files could not be written:
%3</source>
        <translation>Die Protokolle von %1 wurden exportiert nach:
%2

Diese Dateien konnten nicht geschrieben werden:
%3</translation>
    </message>
    <message>
        <source>%1 stopped answering during the log export. These logs have not been read:
%2

The others are in:
%3</source>
        <translation>%1 hat während des Protokollexports aufgehört zu antworten. Diese Protokolle wurden nicht gelesen:
%2

Die übrigen befinden sich in:
%3</translation>
    </message>
    <message>
        <source>The log export of %1 has been cancelled; %2 of %3 logs have been written to:
%4</source>
        <translation>Der Protokollexport von %1 wurde abgebrochen; %2 von %3 Protokollen wurden geschrieben nach:
%4</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Do you really want to reset %1 to factory defaults? All settings will be reset.</source>
        <translation>Möchten Sie %1 wirklich auf die Werkseinstellungen zurücksetzen? Alle Einstellungen werden zurückgesetzt.</translation>
    </message>
    <message>
        <source>Resetting %1 to factory defaults…</source>
        <translation>%1 wird auf die Werkseinstellungen zurückgesetzt …</translation>
    </message>
    <message>
        <source>The settings cannot be pasted onto actuator %1 of %2:
%3</source>
        <translation>Die Einstellungen können nicht in Stellantrieb %1 von %2 eingefügt werden:
%3</translation>
    </message>
    <message>
        <source>Invalid Setting</source>
        <translation>Ungültige Einstellung</translation>
    </message>
    <message>
        <source>The log of actuator %1 of %2 could not be read: %3.</source>
        <translation>Das Protokoll von Stellantrieb %1 von %2 konnte nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>%1 restarts; waiting for it to come back…</source>
        <translation>%1 startet neu; es wird gewartet, bis das Gerät wieder da ist …</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Device Actions</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Export Settings</source>
        <translation>Einstellungen &amp;exportieren</translation>
    </message>
    <message>
        <source>&amp;Import Settings</source>
        <translation>Einstellungen &amp;importieren</translation>
    </message>
    <message>
        <source>Export &amp;Logs</source>
        <translation>&amp;Protokolle exportieren</translation>
    </message>
    <message>
        <source>Import L&amp;og</source>
        <translation>Protok&amp;oll importieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Firmware Update</source>
        <translation>&amp;Firmware-Update</translation>
    </message>
    <message>
        <source>&amp;Reset To Factory Defaults</source>
        <translation>Auf &amp;Werkseinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>%1 Configuration and Diagnostic Utility %2</source>
        <translation>%1 Konfigurations- und Diagnoseprogramm %2</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v von %m</translation>
    </message>
    <message>
        <source>Live Trend</source>
        <translation>Live-Verlauf</translation>
    </message>
    <message>
        <source>&amp;Live Trend</source>
        <translation>&amp;Live-Verlauf</translation>
    </message>
    <message>
        <source>Boxes Overview</source>
        <translation>Übersicht der Boxen</translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Einstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>%1 is back after: %2. Its settings differ from the backup made before (%3). Restore them?</source>
        <translation>%1 ist zurück nach: %2. Ihre Einstellungen weichen von der zuvor gemachten Sicherung (%3) ab. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Keep Current Settings</source>
        <translation>Aktuelle Einstellungen behalten</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Backup of %1</source>
        <translation>Sicherung vom %1</translation>
    </message>
    <message>
        <source>&amp;Boxes Overview</source>
        <translation>Übersicht der &amp;Boxen</translation>
    </message>
</context>
<context>
    <name>NoBoxHint</name>
    <message>
        <source>No voro-BOX found</source>
        <translation>Keine voro-BOX gefunden</translation>
    </message>
    <message>
        <source>Connect a voro-BOX to a USB port of this computer with its USB cable. It is found by itself and appears here a few seconds later.</source>
        <translation>Schliessen Sie eine voro-BOX mit ihrem USB-Kabel an einen USB-Anschluss dieses Computers an. Sie wird von selbst gefunden und erscheint nach wenigen Sekunden hier.</translation>
    </message>
    <message>
        <source>A voro-BOX has been found but cannot be opened: the notice in the status bar below says how to give this user access to it.</source>
        <translation>Eine voro-BOX wurde gefunden, kann aber nicht geöffnet werden: Der Hinweis in der Statusleiste unten sagt, wie dieser Benutzer Zugriff darauf erhält.</translation>
    </message>
</context>
<context>
    <name>OpenFailureNotice</name>
    <message>
        <source>A voro-BOX was found at %1 but cannot be opened, most likely because this user has no permission to use it.</source>
        <translation>Unter %1 wurde eine voro-BOX gefunden, die sich nicht öffnen lässt, wahrscheinlich weil dieser Benutzer keine Berechtigung dafür hat.</translation>
    </message>
    <message>
        <source>Install the voro-box-cdu package (or its udev rule 70-voro-box.rules), then plug the box in again.</source>
        <translation>Installieren Sie das Paket voro-box-cdu (oder seine udev-Regel 70-voro-box.rules) und schliessen Sie das Gerät danach erneut an.</translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>Triac</source>
        <translation>TRIAC</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Temperature [°C]</source>
        <translation>Temperatur [°C]</translation>
    </message>
    <message>
        <source>This log holds no samples</source>
        <translation>Dieses Protokoll enthält keine Messwerte</translation>
    </message>
</context>
<context>
    <name>PlotDlg</name>
    <message>
        <source>Actuator %1</source>
        <translation>Stellantrieb %1</translation>
    </message>
</context>
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
    <message>
        <source>E__SENSOR_NC</source>
        <translation>Fühler nicht angeschlossen</translation>
    </message>
    <message>
        <source>E__SENSOR_OUT_OF_RANGE</source>
        <translation>Fühler ausserhalb des Messbereichs</translation>
    </message>
    <message>
        <source>E__POT_NC</source>
        <translation>Potentiometer nicht angeschlossen</translation>
    </message>
    <message>
        <source>E__POT_OUT_OF_RANGE</source>
        <translation>Potentiometer ausserhalb des Bereichs</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>ControlProperties</source>
        <translation>Regelung</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Mode.ToolTip</source>
        <translation>Lokal: Das Gerät regelt selbständig. Extern: Ein Gebäudeleitsystem gibt die Werte über RS485 (Modbus) vor.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Heizen / Kühlen</translation>
    </message>
    <message>
        <source>Type.ToolTip</source>
        <translation>Ob das Gerät heizt oder kühlt oder dem Signal am Eingang X19 folgt</translation>
    </message>
    <message>
        <source>CurrentType</source>
        <translation>Aktuell Heizen / Kühlen</translation>
    </message>
    <message>
        <source>CurrentType.ToolTip</source>
        <translation>Ob das Gerät zurzeit heizt oder kühlt</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Kühlen</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Heizen</translation>
    </message>
    <message>
        <source>InfoProperties</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>FirmwareVersion.ToolTip</source>
        <translation>Firmware, mit der das Gerät läuft</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Location.ToolTip</source>
        <translation>Bezeichnung des Geräts, höchstens 24 Zeichen</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Betriebszeit</translation>
    </message>
    <message>
        <source>Uptime.ToolTip</source>
        <translation>Zeit seit dem letzten Start des Geräts (Tage, Stunden:Minuten:Sekunden)</translation>
    </message>
    <message>
        <source>ConfigWriteCount</source>
        <translation>EEPROM-Schreibzyklen</translation>
    </message>
    <message>
        <source>ConfigWriteCount.ToolTip</source>
        <translation>Wie oft das Gerät seine Einstellungen ins EEPROM geschrieben hat</translation>
    </message>
    <message>
        <source>FlashWriteCount</source>
        <translation>Flash-Schreibzyklen</translation>
    </message>
    <message>
        <source>FlashWriteCount.ToolTip</source>
        <translation>Wie oft das Gerät seinen Flash-Speicher beschrieben hat</translation>
    </message>
    <message>
        <source>LogProperties</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall [min]</translation>
    </message>
    <message>
        <source>Interval.ToolTip</source>
        <translation>Wie oft das Gerät Sollwert, Temperatur und TRIAC-Zustand jedes Stellantriebs aufzeichnet (1 bis 60 Minuten)</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Aufzeichnungsdauer</translation>
    </message>
    <message>
        <source>Duration.ToolTip</source>
        <translation>Wie weit das Protokoll bei diesem Intervall zurückreicht (1200 Einträge)</translation>
    </message>
    <message>
        <source>RS485Properties</source>
        <translation>RS485</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Address.ToolTip</source>
        <translation>Modbus-Adresse des Geräts am RS485-Bus</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Baudrate.ToolTip</source>
        <translation>Übertragungsgeschwindigkeit des RS485-Busses in bit/s</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Parity.ToolTip</source>
        <translation>Paritätsbit des RS485-Busses</translation>
    </message>
    <message>
        <source>StopBits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>StopBits.ToolTip</source>
        <translation>Stoppbits des RS485-Busses</translation>
    </message>
    <message>
        <source>ResponseDelay</source>
        <translation>Antwortverzögerung [ms]</translation>
    </message>
    <message>
        <source>ResponseDelay.ToolTip</source>
        <translation>Wartezeit des Geräts, bevor es auf eine Modbus-Anfrage antwortet (0 bis 255 ms)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>CM__LOCAL</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>CM__EXTERNAL</source>
        <translation>Extern</translation>
    </message>
    <message>
        <source>CT__DEFINED_BY_INPUT</source>
        <translation>Gemäss X19</translation>
    </message>
    <message>
        <source>CT__HEATING</source>
        <translation>Heizen</translation>
    </message>
    <message>
        <source>CT__COOLING</source>
        <translation>Kühlen</translation>
    </message>
    <message>
        <source>CS__SENSORS</source>
        <translation>Fühler</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_1</source>
        <translation>Stellantrieb 1</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_2</source>
        <translation>Stellantrieb 2</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_3</source>
        <translation>Stellantrieb 3</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_4</source>
        <translation>Stellantrieb 4</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_5</source>
        <translation>Stellantrieb 5</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_6</source>
        <translation>Stellantrieb 6</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_7</source>
        <translation>Stellantrieb 7</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_8</source>
        <translation>Stellantrieb 8</translation>
    </message>
    <message>
        <source>AT__NC</source>
        <translation>Stromlos zu</translation>
    </message>
    <message>
        <source>AT__NO</source>
        <translation>Stromlos offen</translation>
    </message>
</context>
<context>
    <name>QPropertyModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>SettingProblem</name>
    <message>
        <source>%1 … %2 %3</source>
        <translation>%1 … %2 %3</translation>
    </message>
    <message>
        <source>at most %1 characters, without &quot;;&quot;</source>
        <translation>höchstens %1 Zeichen, ohne «;»</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>at least the minimum resistance, %1 Ohm</source>
        <translation>mindestens der minimale Widerstand, %1 Ohm</translation>
    </message>
    <message>
        <source>at most the maximum resistance, %1 Ohm</source>
        <translation>höchstens der maximale Widerstand, %1 Ohm</translation>
    </message>
    <message>
        <source>the sensors, or an actuator other than actuator %1</source>
        <translation>die Fühler oder ein anderer Stellantrieb als Stellantrieb %1</translation>
    </message>
    <message>
        <source>the sensors, or an actuator that does not follow actuator %1, directly or through others</source>
        <translation>die Fühler oder ein Stellantrieb, der nicht Stellantrieb %1 folgt, weder direkt noch über andere</translation>
    </message>
    <message>
        <source>%1 – allowed: %2</source>
        <translation>%1 – erlaubt: %2</translation>
    </message>
    <message>
        <source>%1 … %2 minutes, in whole minutes</source>
        <translation>%1 … %2 Minuten, in ganzen Minuten</translation>
    </message>
    <message>
        <source>Allowed: %1</source>
        <translation>Erlaubt: %1</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>%1 cannot be written: its firmware cannot be worked with, or it is not ready</source>
        <translation>%1 kann nicht beschrieben werden: mit seiner Firmware kann nicht gearbeitet werden, oder es ist nicht bereit</translation>
    </message>
    <message>
        <source>its settings could not be backed up (%1), so nothing was written</source>
        <translation>ihre Einstellungen konnten nicht gesichert werden (%1), daher wurde nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Settings import</source>
        <translation>Einstellungsimport</translation>
    </message>
    <message>
        <source>Settings applied</source>
        <translation>Einstellungen übertragen</translation>
    </message>
    <message>
        <source>Backup on request</source>
        <translation>Sicherung auf Wunsch</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be created</source>
        <translation>der Ordner &apos;%1&apos; kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>the file cannot be written in &apos;%1&apos;</source>
        <translation>die Datei kann nicht in &apos;%1&apos; geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Triac</source>
        <translation>TRIAC</translation>
    </message>
    <message>
        <source>Temperature [°C]</source>
        <translation>Temperatur [°C]</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation>Stellantrieb %1</translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
</context>
<context>
    <name>TrendView</name>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Keeps the view where it is; the values are still recorded.</source>
        <translation>Hält die Ansicht an; die Werte werden weiter aufgezeichnet.</translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation>Stellantrieb %1</translation>
    </message>
    <message>
        <source>Record Live Values</source>
        <translation>Live-Werte aufzeichnen</translation>
    </message>
    <message>
        <source>The live values cannot be recorded: %1 cannot be written.</source>
        <translation>Die Live-Werte können nicht aufgezeichnet werden: %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The recording has stopped: %1 cannot be written.</source>
        <translation>Die Aufzeichnung wurde beendet: %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>S&amp;top Recording</source>
        <translation>Aufzeichnung &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Record…</source>
        <translation>&amp;Aufzeichnen…</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Aufzeichnung nach %1</translation>
    </message>
</context>
<context>
    <name>UpdateImage</name>
    <message>
        <source>%1 (built in)</source>
        <translation>%1 (eingebaut)</translation>
    </message>
    <message>
        <source>%1 from the working folder</source>
        <translation>%1 aus dem Arbeitsordner</translation>
    </message>
    <message>
        <source>there is no firmware image for hardware id %1</source>
        <translation>es gibt kein Firmware-Image für die Hardware-ID %1</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu gross</translation>
    </message>
    <message>
        <source>the file is damaged (its container or its digest does not match)</source>
        <translation>die Datei ist beschädigt (ihr Container oder ihre Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>the file is not a firmware image</source>
        <translation>die Datei ist kein Firmware-Image</translation>
    </message>
    <message>
        <source>the file has no version header</source>
        <translation>die Datei hat keinen Versionskopf</translation>
    </message>
    <message>
        <source>the file is made for hardware id %1, not %2</source>
        <translation>die Datei ist für die Hardware-ID %1 bestimmt, nicht für %2</translation>
    </message>
</context>
<context>
    <name>UpdateThread</name>
    <message>
        <source>its USB device cannot be opened</source>
        <translation>seine USB-Schnittstelle kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the bootloader does not tell its hardware id</source>
        <translation>der Bootloader nennt seine Hardware-ID nicht</translation>
    </message>
    <message>
        <source>the bootloader does not answer</source>
        <translation>der Bootloader antwortet nicht</translation>
    </message>
    <message>
        <source>the firmware image %1 cannot be used: %2</source>
        <translation>das Firmware-Image %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>this box&apos;s hardware (id %1) needs another firmware image: %2</source>
        <translation>die Hardware dieses Geräts (ID %1) braucht ein anderes Firmware-Image: %2</translation>
    </message>
    <message>
        <source>the firmware image does not fit this box&apos;s memory</source>
        <translation>das Firmware-Image passt nicht in den Speicher dieses Geräts</translation>
    </message>
    <message>
        <source>erasing failed: %1</source>
        <translation>Löschen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>writing failed: %1</source>
        <translation>Schreiben fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the connection to the box was lost</source>
        <translation>die Verbindung zum Gerät ist abgebrochen</translation>
    </message>
    <message>
        <source>the box did not answer</source>
        <translation>das Gerät hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the box did not answer in time</source>
        <translation>das Gerät hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the box did not accept the data</source>
        <translation>das Gerät hat die Daten nicht angenommen</translation>
    </message>
</context>
<context>
    <name>VoroManager</name>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Unable to communicate with device &apos;%1&apos; with firmware version &apos;%2&apos;, please use a newer version of the %3-CDU.</source>
        <translation>Mit dem Gerät «%1» mit der Firmware-Version «%2» ist keine Kommunikation möglich. Bitte verwenden Sie eine neuere Version des %3-CDU.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to communicate with device &apos;%1&apos; with firmware version &apos;%2&apos;.</source>
        <translation>Mit dem Gerät «%1» mit der Firmware-Version «%2» ist keine Kommunikation möglich.</translation>
    </message>
    <message>
        <source>Export Logs</source>
        <translation>Protokolle exportieren</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Einstellungen exportieren</translation>
    </message>
    <message>
        <source>Unable to write the settings file &apos;%1&apos;.</source>
        <translation>Die Einstellungsdatei «%1» kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message>
        <source>Unable to read the settings file &apos;%1&apos;.</source>
        <translation>Die Einstellungsdatei «%1» kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a settings file: it has no readable group &apos;%2&apos;.</source>
        <translation>Die Datei «%1» ist keine Einstellungsdatei: Sie enthält keine lesbare Gruppe «%2».</translation>
    </message>
    <message>
        <source>The firmware &apos;%1&apos; of device &apos;%2&apos; has to be updated to %3.</source>
        <translation>Die Firmware «%1» des Geräts «%2» muss auf %3 aktualisiert werden.</translation>
    </message>
    <message>
        <source>The firmware of these devices has to be updated:

%1</source>
        <translation>Die Firmware dieser Geräte muss aktualisiert werden:

%1</translation>
    </message>
    <message>
        <source>A new firmware is available, do you want to update the device &apos;%1&apos; from %2 to %3?</source>
        <translation>Eine neue Firmware ist verfügbar. Möchten Sie das Gerät «%1» von %2 auf %3 aktualisieren?</translation>
    </message>
    <message>
        <source>A new firmware is available for these devices:

%1

Do you want to update them?</source>
        <translation>Für diese Geräte ist eine neue Firmware verfügbar:

%1

Möchten Sie sie aktualisieren?</translation>
    </message>
    <message>
        <source>The firmware image %1 cannot be used: %2. No device is updated.</source>
        <translation>Das Firmware-Image %1 kann nicht verwendet werden: %2. Kein Gerät wird aktualisiert.</translation>
    </message>
    <message>
        <source>Do you really want to update the firmware of the device &apos;%1&apos; from %2 to %3?</source>
        <translation>Möchten Sie die Firmware des Geräts «%1» wirklich von %2 auf %3 aktualisieren?</translation>
    </message>
    <message>
        <source>the box sent an answer that cannot be read</source>
        <translation>das Gerät hat eine unlesbare Antwort gesendet</translation>
    </message>
    <message>
        <source>the box stopped answering</source>
        <translation>das Gerät antwortet nicht mehr</translation>
    </message>
    <message>
        <source>its settings have not been read</source>
        <translation>ihre Einstellungen wurden noch nicht gelesen</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>The settings of %1 could not be backed up: %2. Nothing has been changed.</source>
        <translation>Die Einstellungen von %1 konnten nicht gesichert werden: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds the value &apos;%2&apos; for &apos;%3&apos;, which the device cannot take. Nothing has been imported.</source>
        <translation>Die Einstellungsdatei &apos;%1&apos; enthält für &apos;%3&apos; den Wert &apos;%2&apos;, den das Gerät nicht annehmen kann. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds the value &apos;%2&apos; for &apos;%3&apos;, which the device cannot take (allowed: %4). Nothing has been imported.</source>
        <translation>Die Einstellungsdatei &apos;%1&apos; enthält für &apos;%3&apos; den Wert &apos;%2&apos;, den das Gerät nicht annehmen kann (erlaubt: %4). Es wurde nichts importiert.</translation>
    </message>
</context>
<context>
    <name>WriteOutcome</name>
    <message>
        <source>the box still reports the errors as stored</source>
        <translation>das Gerät meldet die Fehler weiterhin als gespeichert</translation>
    </message>
    <message>
        <source>the box did not take: %1</source>
        <translation>das Gerät hat nicht übernommen: %1</translation>
    </message>
    <message>
        <source>the box stopped answering</source>
        <translation>das Gerät antwortet nicht mehr</translation>
    </message>
    <message>
        <source>the box stopped answering; not written: %1</source>
        <translation>das Gerät antwortet nicht mehr; nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>the box stopped answering and did not come back</source>
        <translation>das Gerät antwortet nicht mehr und ist nicht zurückgekehrt</translation>
    </message>
    <message>
        <source>the box sent an answer that cannot be read</source>
        <translation>das Gerät hat eine unlesbare Antwort gesendet</translation>
    </message>
    <message>
        <source>its settings could not be backed up (%1), so nothing was changed</source>
        <translation>ihre Einstellungen konnten nicht gesichert werden (%1), daher wurde nichts geändert</translation>
    </message>
</context>
</TS>
