<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Configuration and Diagnostic Utility</source>
        <translation>Utilitaire de configuration et de diagnostic %1</translation>
    </message>
    <message>
        <source>Version: %1
Bundled Firmware: %2</source>
        <translation>Version&#xa0;: %1
Firmware fourni&#xa0;: %2</translation>
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
        <translation>Actionneur %1</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Résistance</translation>
    </message>
    <message>
        <source>Potentiometer Shift</source>
        <translation>Décalage de consigne</translation>
    </message>
    <message>
        <source>Potentiometer Resistance</source>
        <translation>Résistance potentiomètre</translation>
    </message>
    <message>
        <source>Potentiometer Setpoint</source>
        <translation>Consigne potentiomètre</translation>
    </message>
    <message>
        <source>TRIAC</source>
        <translation>TRIAC</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Mem Errors</source>
        <translation>Erreurs mémorisées</translation>
    </message>
    <message>
        <source>Control Source</source>
        <translation>Source de régulation</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Type de sonde</translation>
    </message>
    <message>
        <source>Sensor Offset</source>
        <translation>Correction de sonde</translation>
    </message>
    <message>
        <source>Potentiometer Min Resistance</source>
        <translation>Résistance potentiomètre min.</translation>
    </message>
    <message>
        <source>Potentiometer Max Resistance</source>
        <translation>Résistance potentiomètre max.</translation>
    </message>
    <message>
        <source>Potentiometer Min Shift</source>
        <translation>Décalage de consigne min.</translation>
    </message>
    <message>
        <source>Potentiometer Max Shift</source>
        <translation>Décalage de consigne max.</translation>
    </message>
    <message>
        <source>Hysterresis Heating</source>
        <translation>Hystérésis chauffage</translation>
    </message>
    <message>
        <source>Hysteresis Cooling</source>
        <translation>Hystérésis refroidissement</translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Actuator Type</source>
        <translation>Type d&apos;actionneur</translation>
    </message>
    <message>
        <source>%1 – %2 lies beyond %3 and has been limited to %4</source>
        <translation>%1 – %2 est hors de %3 et a été limité à %4</translation>
    </message>
</context>
<context>
    <name>ApplyDialog</name>
    <message>
        <source>Choose File…</source>
        <translation>Choisir un fichier…</translation>
    </message>
    <message>
        <source>Also write the locations (the box&apos;s and its actuators&apos;)</source>
        <translation>Écrire aussi les emplacements (celui du boîtier et ceux des actionneurs)</translation>
    </message>
    <message>
        <source>Apply Settings</source>
        <translation>Appliquer les paramètres</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Fichier de paramètres</translation>
    </message>
    <message>
        <source>Settings of %1</source>
        <translation>Paramètres de %1</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Boîtier</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source :</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Done: every box has its result.</source>
        <translation>Terminé : chaque boîtier a son résultat.</translation>
    </message>
    <message>
        <source>Settings file %1</source>
        <translation>Fichier de paramètres %1</translation>
    </message>
    <message>
        <source>Choose a settings file, or a box whose settings to apply.</source>
        <translation>Choisissez un fichier de paramètres, ou un boîtier dont appliquer les paramètres.</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>ne peut pas être écrit</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>aucune modification</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s)</source>
        <translation>
            <numerusform>%n champ</numerusform>
            <numerusform>%n champs</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing will be written to any box:
%1</source>
        <translation>Rien ne sera écrit sur aucun boîtier :
%1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Écriture…</translation>
    </message>
    <message>
        <source>writing…</source>
        <translation>écriture…</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>written</source>
        <translation>écrit</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups of %1</source>
        <translation>Sauvegardes de %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restaurer…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message numerus="yes">
        <source>%n backup(s) of %1, newest first.</source>
        <translation>
            <numerusform>%n sauvegarde de %1, la plus récente en premier.</numerusform>
            <numerusform>%n sauvegardes de %1, la plus récente en premier.</numerusform>
        </translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>The box holds the settings of this backup.</source>
        <translation>Le boîtier a les paramètres de cette sauvegarde.</translation>
    </message>
    <message numerus="yes">
        <source>Restoring this backup changes %n field(s).</source>
        <translation>
            <numerusform>Restaurer cette sauvegarde modifie %n champ.</numerusform>
            <numerusform>Restaurer cette sauvegarde modifie %n champs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Restaurer les paramètres</translation>
    </message>
    <message>
        <source>Write the settings of the backup of %1 back to %2?</source>
        <translation>Réécrire les paramètres de la sauvegarde du %1 sur %2 ?</translation>
    </message>
    <message>
        <source>Delete Backups</source>
        <translation>Supprimer les sauvegardes</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n backup(s) of %1?</source>
        <translation>
            <numerusform>Supprimer %n sauvegarde de %1 ?</numerusform>
            <numerusform>Supprimer %n sauvegardes de %1 ?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds these settings already.</source>
        <translation>%1 a déjà ces paramètres.</translation>
    </message>
    <message>
        <source>The backup has been restored to %1.</source>
        <translation>La sauvegarde a été restaurée sur %1.</translation>
    </message>
    <message>
        <source>The backup could not be restored to %1: %2.</source>
        <translation>La sauvegarde n&apos;a pas pu être restaurée sur %1 : %2.</translation>
    </message>
</context>
<context>
    <name>BoxOverview</name>
    <message>
        <source>Compare…</source>
        <translation>Comparer…</translation>
    </message>
    <message>
        <source>Apply Settings…</source>
        <translation>Appliquer les paramètres…</translation>
    </message>
    <message>
        <source>Export Settings…</source>
        <translation>Exporter les paramètres…</translation>
    </message>
    <message>
        <source>Export Logs…</source>
        <translation>Exporter les journaux…</translation>
    </message>
    <message>
        <source>Update Firmware…</source>
        <translation>Mettre à jour le micrologiciel…</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Restore from Backup…</source>
        <translation>Restaurer depuis une sauvegarde…</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Select one box to compare with a settings file, or two boxes to compare with each other.</source>
        <translation>Sélectionnez un boîtier à comparer avec un fichier de paramètres, ou deux boîtiers à comparer entre eux.</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 comparé à %2</translation>
    </message>
    <message>
        <source>Compare: no difference</source>
        <translation>Comparaison : aucune différence</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exporter les paramètres</translation>
    </message>
    <message>
        <source>%1: not ready</source>
        <translation>%1 : pas prêt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; cannot be written</source>
        <translation>%1 : &apos;%2&apos; ne peut pas être écrit</translation>
    </message>
    <message>
        <source>Settings exported to %1:
%2</source>
        <translation>Paramètres exportés dans %1 :
%2</translation>
    </message>
    <message>
        <source>

Not exported:
%1</source>
        <translation>

Non exportés :
%1</translation>
    </message>
    <message>
        <source>Export Logs</source>
        <translation>Exporter les journaux</translation>
    </message>
    <message numerus="yes">
        <source>Reading the logs of %n box(es)…</source>
        <translation>
            <numerusform>Lecture des journaux de %n boîtier…</numerusform>
            <numerusform>Lecture des journaux de %n boîtiers…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v sur %m</translation>
    </message>
    <message>
        <source>%1: not ready, or its logs are being exported already</source>
        <translation>%1 : pas prêt, ou ses journaux sont déjà en cours d&apos;exportation</translation>
    </message>
    <message>
        <source>%1: all logs exported</source>
        <translation>%1 : tous les journaux exportés</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) could not be written</source>
        <translation>
            <numerusform>%1 : %n fichier n&apos;a pas pu être écrit</numerusform>
            <numerusform>%1 : %n fichiers n&apos;ont pas pu être écrits</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the folder cannot be written to</source>
        <translation>%1 : impossible d&apos;écrire dans le dossier</translation>
    </message>
    <message numerus="yes">
        <source>%1: stopped answering; %n log(s) not read</source>
        <translation>
            <numerusform>%1 : ne répond plus ; %n journal non lu</numerusform>
            <numerusform>%1 : ne répond plus ; %n journaux non lus</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cancelled; %2 of %3 logs written</source>
        <translation>%1 : annulé ; %2 journaux sur %3 écrits</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
    <message>
        <source>None of the selected boxes has outdated firmware.</source>
        <translation>Aucun des boîtiers sélectionnés n&apos;a un micrologiciel obsolète.</translation>
    </message>
    <message>
        <source>Update the firmware of these boxes? Their settings are backed up first.

%1</source>
        <translation>Mettre à jour le micrologiciel de ces boîtiers ? Leurs paramètres sont d&apos;abord sauvegardés.

%1</translation>
    </message>
    <message>
        <source>The settings have been backed up:
%1</source>
        <translation>Les paramètres ont été sauvegardés :
%1</translation>
    </message>
    <message>
        <source>These boxes could not be backed up:
%1</source>
        <translation>Ces boîtiers n&apos;ont pas pu être sauvegardés :
%1</translation>
    </message>
    <message>
        <source>Log export into %1:
%2</source>
        <translation>Exportation des journaux dans %1 :
%2</translation>
    </message>
</context>
<context>
    <name>BoxOverviewModel</name>
    <message>
        <source>Actuator %1: %2</source>
        <translation>Actionneur %1 : %2</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>reconnecting</source>
        <translation>reconnexion</translation>
    </message>
    <message>
        <source>watched</source>
        <translation>surveillé</translation>
    </message>
    <message>
        <source>in its bootloader</source>
        <translation>dans son chargeur d&apos;amorçage</translation>
    </message>
    <message>
        <source>updating</source>
        <translation>mise à jour</translation>
    </message>
    <message>
        <source>%1 (outdated)</source>
        <translation>%1 (obsolète)</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (à jour)</translation>
    </message>
    <message>
        <source>updating (%1 %)</source>
        <translation>mise à jour (%1 %)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n in all)</source>
        <translation>
            <numerusform>%1 (%n en tout)</numerusform>
            <numerusform>%1 (%n en tout)</numerusform>
        </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Latched Errors</source>
        <translation>Erreurs mémorisées</translation>
    </message>
    <message>
        <source>Last Backup</source>
        <translation>Dernière sauvegarde</translation>
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
        <translation>voro-BOX sur %1</translation>
    </message>
    <message>
        <source>%1: update to %2</source>
        <translation>%1&#xa0;: mise à jour vers %2</translation>
    </message>
    <message>
        <source>Updated to %1</source>
        <translation>Mis à jour vers %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>nothing was erased; the box restarts on its old firmware</source>
        <translation>rien n&apos;a été effacé; le boîtier redémarre avec son ancien firmware</translation>
    </message>
    <message>
        <source>nothing was erased; the box restarts on its firmware %1</source>
        <translation>rien n&apos;a été effacé; le boîtier redémarre avec son firmware %1</translation>
    </message>
    <message>
        <source>try the update again</source>
        <translation>relancez la mise à jour</translation>
    </message>
    <message>
        <source>the box stays in its bootloader; unplug it and plug it in again to try once more</source>
        <translation>le boîtier reste dans son bootloader; débranchez-le puis rebranchez-le pour réessayer</translation>
    </message>
    <message>
        <source>Disconnected during the update</source>
        <translation>Déconnecté pendant la mise à jour</translation>
    </message>
    <message>
        <source>plug it in again to finish</source>
        <translation>rebranchez-le pour terminer</translation>
    </message>
    <message>
        <source>Updated to %1 at attempt %2 of %3</source>
        <translation>Mis à jour vers %1 à la tentative %2 sur %3</translation>
    </message>
</context>
<context>
    <name>ColorCombo</name>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
</context>
<context>
    <name>ConfigField</name>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Log Interval</source>
        <translation>Intervalle du journal</translation>
    </message>
    <message>
        <source>Control Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Control Type</source>
        <translation>Chauffage / refroidissement</translation>
    </message>
    <message>
        <source>Response Delay</source>
        <translation>Délai de réponse</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Control Source</source>
        <translation>Source de régulation</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Type de sonde</translation>
    </message>
    <message>
        <source>Sensor Offset</source>
        <translation>Correction de sonde</translation>
    </message>
    <message>
        <source>Potentiometer Min Resistance</source>
        <translation>Résistance potentiomètre min.</translation>
    </message>
    <message>
        <source>Potentiometer Max Resistance</source>
        <translation>Résistance potentiomètre max.</translation>
    </message>
    <message>
        <source>Potentiometer Min Shift</source>
        <translation>Décalage de consigne min.</translation>
    </message>
    <message>
        <source>Potentiometer Max Shift</source>
        <translation>Décalage de consigne max.</translation>
    </message>
    <message>
        <source>Hysteresis Heating</source>
        <translation>Hystérésis chauffage</translation>
    </message>
    <message>
        <source>Hysteresis Cooling</source>
        <translation>Hystérésis refroidissement</translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Actuator Type</source>
        <translation>Type d&apos;actionneur</translation>
    </message>
    <message>
        <source>Actuator %1: %2</source>
        <translation>Actionneur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation>Actionneur %1</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateController</name>
    <message>
        <source>Restarting into the bootloader...</source>
        <translation>Redémarrage dans le bootloader...</translation>
    </message>
    <message>
        <source>the box did not restart into its bootloader</source>
        <translation>le boîtier n&apos;a pas redémarré dans son bootloader</translation>
    </message>
    <message>
        <source>Starting the update...</source>
        <translation>Démarrage de la mise à jour...</translation>
    </message>
    <message>
        <source>The box cannot be opened; trying again</source>
        <translation>Le boîtier ne peut pas être ouvert; nouvel essai sous peu</translation>
    </message>
    <message>
        <source>The bootloader does not answer; trying again</source>
        <translation>Le bootloader ne répond pas; nouvel essai sous peu</translation>
    </message>
    <message>
        <source>Attempt %1 of %2 failed: %3. Trying again.</source>
        <translation>La tentative %1 sur %2 a échoué&#xa0;: %3. Nouvel essai.</translation>
    </message>
    <message>
        <source>%1 (%2 attempts)</source>
        <translation>%1 (%2 tentatives)</translation>
    </message>
    <message>
        <source>the box left the USB bus</source>
        <translation>le boîtier a été déconnecté de l&apos;USB</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateRun</name>
    <message>
        <source>Failed: %1 has no serial number to follow it into its bootloader</source>
        <translation>Échec&#xa0;: %1 n&apos;a pas de numéro de série permettant de le reconnaître dans son bootloader</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, but the box did not come back</source>
        <translation>%1, mais l&apos;appareil n&apos;est pas revenu</translation>
    </message>
    <message>
        <source>Failed: %1 cannot be sent into its bootloader</source>
        <translation>Échec : %1 ne peut pas passer dans son chargeur d&apos;amorçage</translation>
    </message>
    <message>
        <source>Failed: the settings of %1 could not be backed up (%2)</source>
        <translation>Échec : les paramètres de %1 n&apos;ont pas pu être sauvegardés (%2)</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdater</name>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Firmware image: %1, version %2</source>
        <translation>Image du firmware&#xa0;: %1, version %2</translation>
    </message>
    <message>
        <source>Firmware image: %1 cannot be used: %2</source>
        <translation>Image du firmware&#xa0;: %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>FwProgrammer</name>
    <message>
        <source>Complete</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>Failed. Device not connected.</source>
        <translation>échoué. Appareil non connecté.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>Failed. Unable to communicate with device.</source>
        <translation>échoué. Communication impossible avec l&apos;appareil.</translation>
    </message>
    <message>
        <source>Timed out waiting for device</source>
        <translation>– délai d&apos;attente de l&apos;appareil dépassé</translation>
    </message>
    <message>
        <source>Device Attached.</source>
        <translation>Appareil raccordé.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Device Detached.</source>
        <translation>Appareil déconnecté.</translation>
    </message>
    <message>
        <source>Device Ready</source>
        <translation>Appareil prêt</translation>
    </message>
    <message>
        <source>Unable to communicate with device</source>
        <translation>Communication impossible avec l&apos;appareil</translation>
    </message>
    <message>
        <source>Operation timed out</source>
        <translation>Délai d&apos;attente dépassé</translation>
    </message>
    <message>
        <source>The device reports more memory than this program can hold. Nothing was written.</source>
        <translation>L&apos;appareil annonce plus de mémoire que ce programme ne peut en traiter. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Unexpected internal error encountered.  Recommend restarting the application to avoid bricking the device.</source>
        <translation>Erreur interne inattendue. Redémarrez le programme pour ne pas rendre l&apos;appareil inutilisable.</translation>
    </message>
    <message>
        <source>Warning: This HEX file does not contain config bit information.

Automatically disabling config bit reprogramming to avoid leaving the device in a state that could prevent further bootloading.</source>
        <translation>Avertissement&#xa0;: ce fichier HEX ne contient pas de bits de configuration.

La programmation des bits de configuration est désactivée automatiquement afin que l&apos;appareil puisse encore être mis à jour par son bootloader.</translation>
    </message>
    <message>
        <source>Opened: </source>
        <translation>Ouvert&#xa0;: </translation>
    </message>
    <message>
        <source>Error: Could not open file</source>
        <translation>Erreur&#xa0;: impossible d&apos;ouvrir le fichier&#xa0;:</translation>
    </message>
    <message>
        <source>No address within range in file:</source>
        <translation>Aucune adresse dans la plage valable dans le fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Verify the correct firmware image was specified and is designed for your device.</source>
        <translation>Vérifiez que la bonne image du firmware a été indiquée et qu&apos;elle est prévue pour votre appareil.</translation>
    </message>
    <message>
        <source>Error in hex file.  Please make sure the firmware image supplied was designed for the device to be programmed.</source>
        <translation>Erreur dans le fichier HEX. Assurez-vous que l&apos;image du firmware est prévue pour l&apos;appareil à programmer.</translation>
    </message>
    <message>
        <source>Memory allocation failed.  Please close other applications to free up system RAM and try again.</source>
        <translation>L&apos;allocation de mémoire a échoué. Fermez d&apos;autres applications pour libérer de la mémoire vive, puis réessayez.</translation>
    </message>
    <message>
        <source>Error in file.  Please make sure the firmware image supplied was designed for the device to be programmed.</source>
        <translation>Erreur dans le fichier. Assurez-vous que l&apos;image du firmware est prévue pour l&apos;appareil à programmer.</translation>
    </message>
    <message>
        <source>Failed to import:</source>
        <translation>Échec de l&apos;importation&#xa0;:</translation>
    </message>
    <message>
        <source>Erasing Device... (this may take several seconds)</source>
        <translation>Effacement de l&apos;appareil... (cela peut prendre quelques secondes)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacement</translation>
    </message>
    <message>
        <source>Writing Device Program Memory...</source>
        <translation>Écriture de la mémoire programme...</translation>
    </message>
    <message>
        <source>Writing Device EEPROM Memory...</source>
        <translation>Écriture de l&apos;EEPROM...</translation>
    </message>
    <message>
        <source>Unable to unlock Configuration bits</source>
        <translation>Impossible de déverrouiller les bits de configuration</translation>
    </message>
    <message>
        <source>Unlocked Configuration bits successfully</source>
        <translation>Bits de configuration déverrouillés</translation>
    </message>
    <message>
        <source>Writing Device Config Words...</source>
        <translation>Écriture des mots de configuration...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Creating Firmware Backup...</source>
        <translation>Création d&apos;une sauvegarde du firmware...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importer les paramètres</translation>
    </message>
    <message>
        <source>Export Logs</source>
        <translation>Exporter les journaux</translation>
    </message>
    <message>
        <source>Import Log</source>
        <translation>Importer un journal</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Reset To Factory Defaults</source>
        <translation>Rétablir les réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Copy Settings</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste Settings</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clear Errors</source>
        <translation>Effacer erreurs</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Settings Conflict Detected</source>
        <translation>Conflit de paramètres détecté</translation>
    </message>
    <message>
        <source>Reload Device Settings</source>
        <translation>Recharger les paramètres de l&apos;appareil</translation>
    </message>
    <message>
        <source>Keep Local Settings</source>
        <translation>Conserver les paramètres locaux</translation>
    </message>
    <message>
        <source>Log Export</source>
        <translation>Exportation des journaux</translation>
    </message>
    <message>
        <source>No change has been detected.</source>
        <translation>Aucune modification n&apos;a été détectée.</translation>
    </message>
    <message>
        <source>Unable to read the log file &apos;%1&apos;.</source>
        <translation>Impossible de lire le fichier journal «%1».</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no valid log data.</source>
        <translation>Le fichier «%1» ne contient aucune donnée de journal valable.</translation>
    </message>
    <message>
        <source>%1 – reconnecting…</source>
        <translation>%1 – reconnexion…</translation>
    </message>
    <message>
        <source>Closing once %1 has confirmed the save…</source>
        <translation>Fermeture dès que %1 aura confirmé l&apos;enregistrement…</translation>
    </message>
    <message>
        <source>%1 does not answer; waiting for it to come back…</source>
        <translation>%1 ne répond pas; en attente de son retour…</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 est de retour.</translation>
    </message>
    <message>
        <source>%1 did not come back; its unsaved changes are gone.</source>
        <translation>%1 n&apos;est pas revenu; ses modifications non enregistrées sont perdues.</translation>
    </message>
    <message>
        <source>%1 did not come back.</source>
        <translation>%1 n&apos;est pas revenu.</translation>
    </message>
    <message>
        <source>Select Box</source>
        <translation>Choisir l&apos;appareil</translation>
    </message>
    <message>
        <source>The settings of %1 have been changed externally.

What would you like to do?

Reloading will discard your local changes and load the externally changed settings.
Keeping local settings keeps the fields you changed and takes the external changes for all others.</source>
        <translation>Les paramètres de %1 ont été modifiés de l&apos;extérieur.

Que voulez-vous faire?

Recharger abandonne vos modifications locales et charge les paramètres modifiés de l&apos;extérieur.
Conserver les paramètres locaux garde les champs que vous avez modifiés et reprend les modifications externes pour tous les autres.</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved, and it does not answer at the moment.

Do you want to discard them?</source>
        <translation>%1 a des modifications non enregistrées et ne répond pas pour le moment.

Voulez-vous abandonner ces modifications?</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.

Do you want to save them?</source>
        <translation>%1 a des modifications non enregistrées.

Voulez-vous les enregistrer?</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1:
%2</source>
        <translation>Les paramètres ne peuvent pas être enregistrés sur %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Saving to %1…</source>
        <translation>Enregistrement sur %1…</translation>
    </message>
    <message>
        <source>The settings could not be imported into %1: %2.</source>
        <translation>Les paramètres n&apos;ont pas pu être importés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés sur %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré sur %1</translation>
    </message>
    <message>
        <source>The settings have been successfully imported into %1.</source>
        <translation>Les paramètres ont été importés avec succès dans %1.</translation>
    </message>
    <message>
        <source>Stored errors of actuator %1 cleared on %2</source>
        <translation>Erreurs mémorisées de l&apos;actionneur %1 effacées sur %2</translation>
    </message>
    <message>
        <source>The stored errors of actuator %1 of %2 could not be cleared: %3.</source>
        <translation>Les erreurs mémorisées de l&apos;actionneur %1 de %2 n&apos;ont pas pu être effacées&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Test of actuator %1 ended on %2</source>
        <translation>Test de l&apos;actionneur %1 terminé sur %2</translation>
    </message>
    <message>
        <source>The test of actuator %1 of %2 could not be ended: %3.</source>
        <translation>Le test de l&apos;actionneur %1 de %2 n&apos;a pas pu être terminé&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 has been reset to factory defaults.</source>
        <translation>Les réglages d&apos;usine de %1 ont été rétablis.</translation>
    </message>
    <message>
        <source>%1 could not be reset to factory defaults: %2.</source>
        <translation>Les réglages d&apos;usine de %1 n&apos;ont pas pu être rétablis&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Reading the logs of %1…</source>
        <translation>Lecture des journaux de %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be written to. No log of %2 has been read.</source>
        <translation>Impossible d&apos;écrire dans le dossier «%1». Aucun journal de %2 n&apos;a été lu.</translation>
    </message>
    <message>
        <source>All logs of %1 have been exported to:
%2</source>
        <translation>Tous les journaux de %1 ont été exportés dans&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The logs of %1 have been exported to:
%2

These files could not be written:
%3</source>
        <translation>Les journaux de %1 ont été exportés dans&#xa0;:
%2

Ces fichiers n&apos;ont pas pu être écrits&#xa0;:
%3</translation>
    </message>
    <message>
        <source>%1 stopped answering during the log export. These logs have not been read:
%2

The others are in:
%3</source>
        <translation>%1 a cessé de répondre pendant l&apos;exportation des journaux. Ces journaux n&apos;ont pas été lus&#xa0;:
%2

Les autres se trouvent dans&#xa0;:
%3</translation>
    </message>
    <message>
        <source>The log export of %1 has been cancelled; %2 of %3 logs have been written to:
%4</source>
        <translation>L&apos;exportation des journaux de %1 a été annulée; %2 journaux sur %3 ont été écrits dans&#xa0;:
%4</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Do you really want to reset %1 to factory defaults? All settings will be reset.</source>
        <translation>Voulez-vous vraiment rétablir les réglages d&apos;usine de %1? Tous les paramètres seront réinitialisés.</translation>
    </message>
    <message>
        <source>Resetting %1 to factory defaults…</source>
        <translation>Rétablissement des réglages d&apos;usine de %1…</translation>
    </message>
    <message>
        <source>The settings cannot be pasted onto actuator %1 of %2:
%3</source>
        <translation>Les paramètres ne peuvent pas être collés sur l&apos;actionneur %1 de %2&#xa0;:
%3</translation>
    </message>
    <message>
        <source>Invalid Setting</source>
        <translation>Paramètre non valable</translation>
    </message>
    <message>
        <source>The log of actuator %1 of %2 could not be read: %3.</source>
        <translation>Le journal de l&apos;actionneur %1 de %2 n&apos;a pas pu être lu&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 restarts; waiting for it to come back…</source>
        <translation>%1 redémarre; en attente de son retour…</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Device Actions</source>
        <translation>A&amp;ppareil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Export Settings</source>
        <translation>&amp;Exporter les paramètres</translation>
    </message>
    <message>
        <source>&amp;Import Settings</source>
        <translation>&amp;Importer les paramètres</translation>
    </message>
    <message>
        <source>Export &amp;Logs</source>
        <translation>Exporter les &amp;journaux</translation>
    </message>
    <message>
        <source>Import L&amp;og</source>
        <translation>Importer un j&amp;ournal</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Firmware Update</source>
        <translation>&amp;Mise à jour du firmware</translation>
    </message>
    <message>
        <source>&amp;Reset To Factory Defaults</source>
        <translation>&amp;Rétablir les réglages d&apos;usine</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>%1 Configuration and Diagnostic Utility %2</source>
        <translation>Utilitaire de configuration et de diagnostic %1 %2</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v sur %m</translation>
    </message>
    <message>
        <source>Live Trend</source>
        <translation>Tendance en direct</translation>
    </message>
    <message>
        <source>&amp;Live Trend</source>
        <translation>&amp;Tendance en direct</translation>
    </message>
    <message>
        <source>Boxes Overview</source>
        <translation>Vue d&apos;ensemble des boîtiers</translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Restaurer les paramètres</translation>
    </message>
    <message>
        <source>%1 is back after: %2. Its settings differ from the backup made before (%3). Restore them?</source>
        <translation>%1 est de retour après : %2. Ses paramètres diffèrent de la sauvegarde faite avant (%3). Les restaurer ?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Keep Current Settings</source>
        <translation>Garder les paramètres actuels</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Backup of %1</source>
        <translation>Sauvegarde du %1</translation>
    </message>
    <message>
        <source>&amp;Boxes Overview</source>
        <translation>Vue d&apos;ensemble des &amp;boîtiers</translation>
    </message>
</context>
<context>
    <name>NoBoxHint</name>
    <message>
        <source>No voro-BOX found</source>
        <translation>Aucune voro-BOX trouvée</translation>
    </message>
    <message>
        <source>Connect a voro-BOX to a USB port of this computer with its USB cable. It is found by itself and appears here a few seconds later.</source>
        <translation>Branchez une voro-BOX à un port USB de cet ordinateur avec son câble USB. Elle est détectée d&apos;elle-même et apparaît ici quelques secondes plus tard.</translation>
    </message>
    <message>
        <source>A voro-BOX has been found but cannot be opened: the notice in the status bar below says how to give this user access to it.</source>
        <translation>Une voro-BOX a été trouvée mais ne peut pas être ouverte&#xa0;: l&apos;avis dans la barre d&apos;état ci-dessous indique comment donner à cet utilisateur l&apos;accès à celle-ci.</translation>
    </message>
</context>
<context>
    <name>OpenFailureNotice</name>
    <message>
        <source>A voro-BOX was found at %1 but cannot be opened, most likely because this user has no permission to use it.</source>
        <translation>Un boîtier voro-BOX a été trouvé sous %1 mais ne peut pas être ouvert, très probablement parce que cet utilisateur n&apos;a pas l&apos;autorisation de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>Install the voro-box-cdu package (or its udev rule 70-voro-box.rules), then plug the box in again.</source>
        <translation>Installez le paquet voro-box-cdu (ou sa règle udev 70-voro-box.rules), puis rebranchez le boîtier.</translation>
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
        <translation>Temps</translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Temperature [°C]</source>
        <translation>Température [°C]</translation>
    </message>
    <message>
        <source>This log holds no samples</source>
        <translation>Ce journal ne contient aucune mesure</translation>
    </message>
</context>
<context>
    <name>PlotDlg</name>
    <message>
        <source>Actuator %1</source>
        <translation>Actionneur %1</translation>
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
        <translation>Sonde non raccordée</translation>
    </message>
    <message>
        <source>E__SENSOR_OUT_OF_RANGE</source>
        <translation>Sonde hors plage</translation>
    </message>
    <message>
        <source>E__POT_NC</source>
        <translation>Potentiomètre non raccordé</translation>
    </message>
    <message>
        <source>E__POT_OUT_OF_RANGE</source>
        <translation>Potentiomètre hors plage</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Enclenché</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Déclenché</translation>
    </message>
    <message>
        <source>ControlProperties</source>
        <translation>Régulation</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Mode.ToolTip</source>
        <translation>Local&#xa0;: l&apos;appareil régule de manière autonome. Externe&#xa0;: un système de gestion du bâtiment fixe les valeurs par RS485 (Modbus).</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Chauffage / refroidissement</translation>
    </message>
    <message>
        <source>Type.ToolTip</source>
        <translation>Chauffage ou refroidissement, ou selon le signal de l&apos;entrée X19</translation>
    </message>
    <message>
        <source>CurrentType</source>
        <translation>Chauffage / refroid. actuel</translation>
    </message>
    <message>
        <source>CurrentType.ToolTip</source>
        <translation>Si l&apos;appareil chauffe ou refroidit en ce moment</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Refroidissement</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Chauffage</translation>
    </message>
    <message>
        <source>InfoProperties</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Version du firmware</translation>
    </message>
    <message>
        <source>FirmwareVersion.ToolTip</source>
        <translation>Firmware installé dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Location.ToolTip</source>
        <translation>Nom de l&apos;appareil, 24 caractères au plus</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Durée de fonctionnement</translation>
    </message>
    <message>
        <source>Uptime.ToolTip</source>
        <translation>Temps écoulé depuis le dernier démarrage de l&apos;appareil (jours, heures:minutes:secondes)</translation>
    </message>
    <message>
        <source>ConfigWriteCount</source>
        <translation>Écritures EEPROM</translation>
    </message>
    <message>
        <source>ConfigWriteCount.ToolTip</source>
        <translation>Nombre d&apos;écritures des paramètres dans l&apos;EEPROM de l&apos;appareil</translation>
    </message>
    <message>
        <source>FlashWriteCount</source>
        <translation>Écritures flash</translation>
    </message>
    <message>
        <source>FlashWriteCount.ToolTip</source>
        <translation>Nombre d&apos;écritures dans la mémoire flash de l&apos;appareil</translation>
    </message>
    <message>
        <source>LogProperties</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle [min]</translation>
    </message>
    <message>
        <source>Interval.ToolTip</source>
        <translation>Fréquence à laquelle l&apos;appareil enregistre la consigne, la température et l&apos;état du TRIAC de chaque actionneur (1 à 60 minutes)</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Duration.ToolTip</source>
        <translation>Période couverte par le journal à cet intervalle (1200 enregistrements)</translation>
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
        <translation>Adresse Modbus de l&apos;appareil sur le bus RS485</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit en bauds</translation>
    </message>
    <message>
        <source>Baudrate.ToolTip</source>
        <translation>Vitesse de transmission du bus RS485 en bit/s</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Parity.ToolTip</source>
        <translation>Bit de parité du bus RS485</translation>
    </message>
    <message>
        <source>StopBits</source>
        <translation>Bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>StopBits.ToolTip</source>
        <translation>Bits d&apos;arrêt du bus RS485</translation>
    </message>
    <message>
        <source>ResponseDelay</source>
        <translation>Délai de réponse [ms]</translation>
    </message>
    <message>
        <source>ResponseDelay.ToolTip</source>
        <translation>Temps d&apos;attente de l&apos;appareil avant de répondre à une requête Modbus (0 à 255 ms)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>CM__LOCAL</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>CM__EXTERNAL</source>
        <translation>Externe</translation>
    </message>
    <message>
        <source>CT__DEFINED_BY_INPUT</source>
        <translation>Selon X19</translation>
    </message>
    <message>
        <source>CT__HEATING</source>
        <translation>Chauffage</translation>
    </message>
    <message>
        <source>CT__COOLING</source>
        <translation>Refroidissement</translation>
    </message>
    <message>
        <source>CS__SENSORS</source>
        <translation>Sondes</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_1</source>
        <translation>Actionneur 1</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_2</source>
        <translation>Actionneur 2</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_3</source>
        <translation>Actionneur 3</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_4</source>
        <translation>Actionneur 4</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_5</source>
        <translation>Actionneur 5</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_6</source>
        <translation>Actionneur 6</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_7</source>
        <translation>Actionneur 7</translation>
    </message>
    <message>
        <source>CS__ACTUATOR_8</source>
        <translation>Actionneur 8</translation>
    </message>
    <message>
        <source>AT__NC</source>
        <translation>Fermé (NF)</translation>
    </message>
    <message>
        <source>AT__NO</source>
        <translation>Ouvert (NO)</translation>
    </message>
</context>
<context>
    <name>QPropertyModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
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
        <translation>au plus %1 caractères, sans «;»</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>au plus %1 caractères</translation>
    </message>
    <message>
        <source>at least the minimum resistance, %1 Ohm</source>
        <translation>au moins la résistance minimale, %1 Ohm</translation>
    </message>
    <message>
        <source>at most the maximum resistance, %1 Ohm</source>
        <translation>au plus la résistance maximale, %1 Ohm</translation>
    </message>
    <message>
        <source>the sensors, or an actuator other than actuator %1</source>
        <translation>les sondes, ou un actionneur autre que l&apos;actionneur %1</translation>
    </message>
    <message>
        <source>the sensors, or an actuator that does not follow actuator %1, directly or through others</source>
        <translation>les sondes, ou un actionneur qui ne suit pas l&apos;actionneur %1, ni directement ni par d&apos;autres</translation>
    </message>
    <message>
        <source>%1 – allowed: %2</source>
        <translation>%1 – autorisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 … %2 minutes, in whole minutes</source>
        <translation>%1 … %2 minutes, en minutes entières</translation>
    </message>
    <message>
        <source>Allowed: %1</source>
        <translation>Autorisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>%1 cannot be written: its firmware cannot be worked with, or it is not ready</source>
        <translation>%1 ne peut pas être écrit&#xa0;: son firmware n&apos;est pas pris en charge, ou il n&apos;est pas prêt</translation>
    </message>
    <message>
        <source>its settings could not be backed up (%1), so nothing was written</source>
        <translation>ses paramètres n&apos;ont pas pu être sauvegardés (%1), rien n&apos;a donc été écrit</translation>
    </message>
</context>
<context>
    <name>SettingsBackup</name>
    <message>
        <source>Firmware update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Réinitialisation d&apos;usine</translation>
    </message>
    <message>
        <source>Settings import</source>
        <translation>Importation des paramètres</translation>
    </message>
    <message>
        <source>Settings applied</source>
        <translation>Paramètres appliqués</translation>
    </message>
    <message>
        <source>Backup on request</source>
        <translation>Sauvegarde sur demande</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be created</source>
        <translation>le dossier &apos;%1&apos; ne peut pas être créé</translation>
    </message>
    <message>
        <source>the file cannot be written in &apos;%1&apos;</source>
        <translation>le fichier ne peut pas être écrit dans &apos;%1&apos;</translation>
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
        <translation>Température [°C]</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation>Actionneur %1</translation>
    </message>
    <message>
        <source>Setpoint</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
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
        <translation>Fige la vue ; les valeurs sont toujours enregistrées.</translation>
    </message>
    <message>
        <source>Actuator %1</source>
        <translation>Actionneur %1</translation>
    </message>
    <message>
        <source>Record Live Values</source>
        <translation>Enregistrer les valeurs en direct</translation>
    </message>
    <message>
        <source>The live values cannot be recorded: %1 cannot be written.</source>
        <translation>Les valeurs en direct ne peuvent pas être enregistrées : impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>The recording has stopped: %1 cannot be written.</source>
        <translation>L’enregistrement s’est arrêté : impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>S&amp;top Recording</source>
        <translation>A&amp;rrêter l’enregistrement</translation>
    </message>
    <message>
        <source>&amp;Record…</source>
        <translation>Enre&amp;gistrer…</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Enregistrement dans %1</translation>
    </message>
</context>
<context>
    <name>UpdateImage</name>
    <message>
        <source>%1 (built in)</source>
        <translation>%1 (intégré)</translation>
    </message>
    <message>
        <source>%1 from the working folder</source>
        <translation>%1 du dossier de travail</translation>
    </message>
    <message>
        <source>there is no firmware image for hardware id %1</source>
        <translation>il n&apos;y a pas d&apos;image de firmware pour l&apos;identifiant matériel %1</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop grand</translation>
    </message>
    <message>
        <source>the file is damaged (its container or its digest does not match)</source>
        <translation>le fichier est endommagé (son conteneur ou sa somme de contrôle ne correspond pas)</translation>
    </message>
    <message>
        <source>the file is not a firmware image</source>
        <translation>le fichier n&apos;est pas une image de firmware</translation>
    </message>
    <message>
        <source>the file has no version header</source>
        <translation>le fichier n&apos;a pas d&apos;en-tête de version</translation>
    </message>
    <message>
        <source>the file is made for hardware id %1, not %2</source>
        <translation>le fichier est fait pour l&apos;identifiant matériel %1, pas %2</translation>
    </message>
</context>
<context>
    <name>UpdateThread</name>
    <message>
        <source>its USB device cannot be opened</source>
        <translation>son périphérique USB ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the bootloader does not tell its hardware id</source>
        <translation>le bootloader n&apos;indique pas son identifiant matériel</translation>
    </message>
    <message>
        <source>the bootloader does not answer</source>
        <translation>le bootloader ne répond pas</translation>
    </message>
    <message>
        <source>the firmware image %1 cannot be used: %2</source>
        <translation>l&apos;image du firmware %1 ne peut pas être utilisée&#xa0;: %2</translation>
    </message>
    <message>
        <source>this box&apos;s hardware (id %1) needs another firmware image: %2</source>
        <translation>le matériel de ce boîtier (identifiant %1) demande une autre image de firmware&#xa0;: %2</translation>
    </message>
    <message>
        <source>the firmware image does not fit this box&apos;s memory</source>
        <translation>l&apos;image du firmware ne correspond pas à la mémoire de ce boîtier</translation>
    </message>
    <message>
        <source>erasing failed: %1</source>
        <translation>l&apos;effacement a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>writing failed: %1</source>
        <translation>l&apos;écriture a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>the connection to the box was lost</source>
        <translation>la connexion au boîtier a été perdue</translation>
    </message>
    <message>
        <source>the box did not answer</source>
        <translation>le boîtier n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the box did not answer in time</source>
        <translation>le boîtier n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>the box did not accept the data</source>
        <translation>le boîtier n&apos;a pas accepté les données</translation>
    </message>
</context>
<context>
    <name>VoroManager</name>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Unable to communicate with device &apos;%1&apos; with firmware version &apos;%2&apos;, please use a newer version of the %3-CDU.</source>
        <translation>Impossible de communiquer avec l&apos;appareil «%1» doté du firmware «%2». Veuillez utiliser une version plus récente du %3-CDU.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unable to communicate with device &apos;%1&apos; with firmware version &apos;%2&apos;.</source>
        <translation>Impossible de communiquer avec l&apos;appareil «%1» doté du firmware «%2».</translation>
    </message>
    <message>
        <source>Export Logs</source>
        <translation>Exporter les journaux</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exporter les paramètres</translation>
    </message>
    <message>
        <source>Unable to write the settings file &apos;%1&apos;.</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres «%1».</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importer les paramètres</translation>
    </message>
    <message>
        <source>Unable to read the settings file &apos;%1&apos;.</source>
        <translation>Impossible de lire le fichier de paramètres «%1».</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a settings file: it has no readable group &apos;%2&apos;.</source>
        <translation>Le fichier «%1» n&apos;est pas un fichier de paramètres&#xa0;: il ne contient aucun groupe «%2» lisible.</translation>
    </message>
    <message>
        <source>The firmware &apos;%1&apos; of device &apos;%2&apos; has to be updated to %3.</source>
        <translation>Le firmware «%1» de l&apos;appareil «%2» doit être mis à jour vers %3.</translation>
    </message>
    <message>
        <source>The firmware of these devices has to be updated:

%1</source>
        <translation>Le firmware de ces appareils doit être mis à jour&#xa0;:

%1</translation>
    </message>
    <message>
        <source>A new firmware is available, do you want to update the device &apos;%1&apos; from %2 to %3?</source>
        <translation>Un nouveau firmware est disponible. Voulez-vous mettre à jour l&apos;appareil «%1» de %2 vers %3?</translation>
    </message>
    <message>
        <source>A new firmware is available for these devices:

%1

Do you want to update them?</source>
        <translation>Un nouveau firmware est disponible pour ces appareils&#xa0;:

%1

Voulez-vous les mettre à jour?</translation>
    </message>
    <message>
        <source>The firmware image %1 cannot be used: %2. No device is updated.</source>
        <translation>L&apos;image du firmware %1 ne peut pas être utilisée&#xa0;: %2. Aucun appareil n&apos;est mis à jour.</translation>
    </message>
    <message>
        <source>Do you really want to update the firmware of the device &apos;%1&apos; from %2 to %3?</source>
        <translation>Voulez-vous vraiment mettre à jour le firmware de l&apos;appareil «%1» de %2 vers %3?</translation>
    </message>
    <message>
        <source>the box sent an answer that cannot be read</source>
        <translation>l&apos;appareil a envoyé une réponse illisible</translation>
    </message>
    <message>
        <source>the box stopped answering</source>
        <translation>l&apos;appareil ne répond plus</translation>
    </message>
    <message>
        <source>its settings have not been read</source>
        <translation>ses paramètres n&apos;ont pas été lus</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>The settings of %1 could not be backed up: %2. Nothing has been changed.</source>
        <translation>Les paramètres de %1 n&apos;ont pas pu être sauvegardés : %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds the value &apos;%2&apos; for &apos;%3&apos;, which the device cannot take. Nothing has been imported.</source>
        <translation>Le fichier de paramètres &apos;%1&apos; contient pour &apos;%3&apos; la valeur &apos;%2&apos;, que l&apos;appareil ne peut pas accepter. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds the value &apos;%2&apos; for &apos;%3&apos;, which the device cannot take (allowed: %4). Nothing has been imported.</source>
        <translation>Le fichier de paramètres &apos;%1&apos; contient pour &apos;%3&apos; la valeur &apos;%2&apos;, que l&apos;appareil ne peut pas accepter (autorisé : %4). Rien n&apos;a été importé.</translation>
    </message>
</context>
<context>
    <name>WriteOutcome</name>
    <message>
        <source>the box still reports the errors as stored</source>
        <translation>l&apos;appareil signale toujours les erreurs comme mémorisées</translation>
    </message>
    <message>
        <source>the box did not take: %1</source>
        <translation>l&apos;appareil n&apos;a pas accepté&#xa0;: %1</translation>
    </message>
    <message>
        <source>the box stopped answering</source>
        <translation>l&apos;appareil ne répond plus</translation>
    </message>
    <message>
        <source>the box stopped answering; not written: %1</source>
        <translation>l&apos;appareil ne répond plus; non écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>the box stopped answering and did not come back</source>
        <translation>l&apos;appareil ne répond plus et n&apos;est pas revenu</translation>
    </message>
    <message>
        <source>the box sent an answer that cannot be read</source>
        <translation>l&apos;appareil a envoyé une réponse illisible</translation>
    </message>
    <message>
        <source>its settings could not be backed up (%1), so nothing was changed</source>
        <translation>ses paramètres n&apos;ont pas pu être sauvegardés (%1), rien n&apos;a donc été modifié</translation>
    </message>
</context>
</TS>
