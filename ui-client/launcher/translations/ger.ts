<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Diese Version von Halvenor ist bereits installiert. Möchten Sie sie erneut installieren?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Eine neuere Version von Halvenor ist bereits installiert. Das Setup wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Für die Installation für alle Benutzer sind Administratorrechte erforderlich.\nMöchten Sie Halvenor nur für den aktuellen Benutzer installieren?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Diese Version von Oskavel Drive ist bereits installiert. Möchten Sie sie erneut installieren?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Eine neuere Version von Oskavel Drive ist bereits installiert. Das Setup wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Dateinamen hinzufügen</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Synchronisierungsordner ändern</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Lokaler Computer</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Remoteserver</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Synchronisierungsordner</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Protokollkategorie</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Protokolleinträge filtern</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Protokoll aktualisieren</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Details der Synchronisierungsaufgabe</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Lokales Ziel</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Remoteziel</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Tutorial schließen</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Tutorial zu Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Tutorial zu Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Download abbrechen</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Heruntergeladene Version löschen</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Frühere Version herunterladen</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Verknüpfung aufheben</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Wählen Sie die freigegebenen Ordner auf Ihrem Halvenor-Server aus, die Sie mit diesem Computer synchronisieren möchten.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Wählen Sie die Teamordner in Halvenor Drive aus, die Sie mit diesem Computer synchronisieren möchten.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Assistent für die erweiterte Einrichtung</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Die automatische Einrichtung ist fehlgeschlagen. Bitte richten Sie die Verbindung manuell ein.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Automatische Einrichtung wird abgeschlossen ...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>Der Einrichtungsschlüssel wurde angewendet.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Filtereinstellungen</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Dateien und Ordner, die diesen Regeln entsprechen, werden nicht synchronisiert.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Dateien mit diesen Namen werden nicht synchronisiert. Platzhalter wie *.tmp sind zulässig.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Blockierte Dateien</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Dateien, deren Name mit einem Punkt beginnt, nicht synchronisieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Andere auswählen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Verbindung bearbeiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Verwalten</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Trotzdem fortfahren</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computername</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dieses Feld ist erforderlich.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Einige Felder sind ungültig. Bitte überprüfen Sie die Eingaben und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Beide Versionen behalten und die Kopie von diesem Computer umbenennen</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Beide Versionen in Halvenor Drive behalten und die Kopie von diesem Computer umbenennen</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Die zuletzt geänderte Version behalten</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Wenn eine Datei sowohl auf dem Server als auch auf diesem Computer geändert wurde:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Immer die Serverversion behalten</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Lokale Datei umbenennen und beide behalten</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Direkte Verbindung</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Relay-Verbindung</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Lokales Netzwerk</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Verbindungstyp wird ermittelt ...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Geben Sie den Bestätigungscode aus Ihrer Authentifizierungs-App ein:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Diesen Ordner nicht mehr synchronisieren</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Diese Ordner nicht mehr synchronisieren</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Keine Optionen verfügbar</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Diesen Ordner wieder synchronisieren</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Diese Ordner wieder synchronisieren</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Senden an %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Freigabelink kopieren</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Frühere Versionen durchsuchen</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Wählen Sie aus, was Sie mit diesem Computer synchronisieren möchten.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Meine Dateien und Teamordner</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Synchronisieren Sie Ihre eigenen Dateien und die Teamordner, auf die Sie Zugriff haben.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Für mich freigegeben</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Synchronisieren Sie die Dateien und Ordner, die andere Personen für Sie freigegeben haben.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Synchronisierungsaufgabe erstellen</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Diese Datei kann derzeit nicht heruntergeladen werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Die Versionen dieser Datei können nicht aufgelistet werden.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Für dieses Element kann kein Freigabelink erstellt werden.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive ist bereit.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive wird initialisiert ...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Diese Verbindung ist inaktiv.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Schwarzweiße Symbole in der Menüleiste und im Infobereich anzeigen</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Synchronisierungsordner in der Seitenleiste des Dateimanagers anzeigen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Dateien auf dem Server behalten, wenn sie auf diesem Computer gelöscht werden</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Nur herunterladen</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo-Übersicht</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo kann den Server nicht erreichen.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Es gibt keine freigegebenen Ordner.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>On-demand Sync aktivieren</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Der Benutzername oder das Kennwort ist falsch.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Der Relay-Dienst ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>Die Server-ID ist ungültig oder existiert nicht.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Die Server-ID von Halvenor Drive ist ungültig oder existiert nicht.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Der Relay-Dienst ist vorübergehend nicht verfügbar. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Ein Dateikonflikt ist aufgetreten.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Die lokale Datenbank ist beschädigt.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Die Datei oder der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Die Verbindung zum Server wurde unterbrochen.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Dieses Tavlo ist mit einem anderen Server verknüpft.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Dieses Tavlo ist mit einem anderen Server von Halvenor Drive verknüpft.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora kann für dieses Element keinen Freigabelink erstellen.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora ist auf dem Server deaktiviert. Bitte wenden Sie sich an Ihren Administrator.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora ist deaktiviert</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Serverspeicher ist voll</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Der Link zu dieser Datei kann nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Die Initialisierung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Ungültiger Parameter.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Geben Sie eine Portnummer zwischen 1 und 65535 ein.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Ihre IP-Adresse wurde vom Server blockiert.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Dieser Computer ist bereits mit diesem Tavlo verknüpft.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>Der lokale Synchronisierungsordner fehlt.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Zu viele fehlgeschlagene Anmeldeversuche. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Ein Netzwerkfehler ist aufgetreten. Bitte überprüfen Sie Ihre Verbindung.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Für diese Datei ist keine Verbindung verfügbar.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Ihr Administrator verlangt die Bestätigung in zwei Schritten. Bitte aktivieren Sie sie zuerst im Webportal.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Der Bestätigungscode ist falsch.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Ein Bestätigungscode ist erforderlich.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Berechtigung verweigert.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Der Server verwendet eine inkompatible Protokollversion.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive auf dem Server verwendet eine inkompatible Protokollversion.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Geben Sie die Adresse und den Port des Proxyservers ein.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Ihr Kennwort ist abgelaufen. Bitte ändern Sie es im Webportal.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick lässt die Freigabe dieser Datei nicht zu.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>Der Remoteordner ist nicht eingehängt.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Der freigegebene Ordner kann nicht aktiviert werden.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>Der freigegebene Ordner steht in Konflikt mit einem vorhandenen Synchronisierungsordner.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Sie haben die maximale Anzahl freigegebener Ordner erreicht.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Ungültiger Einhängepunkt</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Freigegebener Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Der freigegebene Ordner ist auf dem Server nicht eingehängt.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Das freigegebene Element kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Das SSL-Zertifikat des Servers kann nicht überprüft werden.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>Der Synchronisierungsordner befindet sich auf einem Volume, das nicht eingehängt ist.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Der Relay-Tunnel ist auf dem Server deaktiviert.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Der Dienst für Home-Ordner der Benutzer ist auf dem Server deaktiviert.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Benutzerinformationen sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Geben Sie einen Benutzernamen ein.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Sie sind nicht berechtigt, Halvenor Drive zu verwenden. Bitte wenden Sie sich an Ihren Administrator.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Diese Clientversion wird nicht mehr unterstützt. Bitte aktualisieren Sie den Client.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Diese Version von Halvenor Drive wird nicht mehr unterstützt. Bitte aktualisieren Sie Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>Die Serverversion ist zu alt. Bitte aktualisieren Sie das Serverpaket.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>Die Serverversion ist für Halvenor Drive zu alt. Bitte aktualisieren Sie das Serverpaket.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Inkompatible Version</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Für diese Datei ist keine frühere Version verfügbar.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Blockierte Dateinamen</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Dateierweiterungen</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Maximale Dateigröße</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Dateien über %1 MB nicht synchronisieren</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Dateifilter</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 Dateien aktualisiert</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Ordnerfilter</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Tutorial erneut anzeigen</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Tutorial zu Halvenor Drive erneut anzeigen</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Alle Ereignisse</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Elemente</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Auf diesem Computer umbenannt</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Noch kein Verlauf</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Auf dem Server umbenannt</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>Der Ordner enthält bereits Dateien. Sie werden mit den Dateien auf dem Server zusammengeführt.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Datei ist gesperrt</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Wird vorbereitet ...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Mit einem anderen Server verbinden</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen ...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Lokales Netzwerk wird nach Tavlo-Geräten durchsucht ...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Downloadverlauf</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Synchronisierungsaufgaben</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Synchronisierungsoptionen im Kontextmenü anzeigen</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Desktopbenachrichtigungen anzeigen</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Symbole für den Synchronisierungsstatus an Dateien und Ordnern anzeigen</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Datenübertragungen mit SSL verschlüsseln</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Halvenor bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Halvenor Drive bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Zusammenführungsmodus</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Symbole an nicht synchronisierten Elementen anzeigen</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synchronisierungsmodus</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Synchronisierungsmodus</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Schwarzweiße Symbole verwenden</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Der Proxyserver erfordert Benutzername und Kennwort</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuelle Proxykonfiguration</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Proxyeinstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Proxyeinstellungen</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Einstellungen werden übernommen ...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Es wurden keine Einstellungen geändert.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Ihre Änderungen wurden nicht gespeichert. Möchten Sie sie jetzt speichern?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Ordner ändern</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Lokaler Synchronisierungsordner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Freigegebene Ordner</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Weitere Tutorials</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Über Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Dateiänderungen werden überwacht ...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Anmeldedaten werden überprüft ...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Möchten Sie die Verknüpfung dieses Computers wirklich aufheben?\nBereits synchronisierte Dateien bleiben auf diesem Computer.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Verbindung erfolgreich hergestellt.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Der Speicher des Servers ist voll. Die Synchronisierung ist angehalten, bis wieder Speicherplatz verfügbar ist.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Der Speicher von Halvenor Drive ist voll. Die Synchronisierung ist angehalten, bis wieder Speicherplatz verfügbar ist.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>Der Download ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 wird heruntergeladen ...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Der Download ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Es ist ein Fehler aufgetreten. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Bei Halvenor Drive ist ein Problem aufgetreten. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Die Einrichtung ist abgeschlossen.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Sie können diese Einstellungen jederzeit über das Symbol von Halvenor Drive im Infobereich ändern.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>Der ausgewählte Ordner ist ein Einhängepunkt. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>Der ausgewählte Ordner ist nicht leer. Die darin enthaltenen Dateien werden mit dem Server synchronisiert.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>Der ausgewählte Ordner ist nicht leer. Die darin enthaltenen Dateien werden mit Halvenor Drive synchronisiert.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Sie können nicht in den ausgewählten Ordner schreiben.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Geben Sie die Adresse Ihres Halvenor-Servers und Ihre Kontodaten ein.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>Die neue Sprache wird nach einem Neustart der Anwendung wirksam.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt ...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Der lokale Datenträger ist voll. Die Synchronisierung ist angehalten, bis wieder Speicherplatz verfügbar ist.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Möchten Sie den Inhalt des lokalen Ordners mit dem Ordner auf dem Server zusammenführen?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Änderungen auf Netzlaufwerken werden möglicherweise nicht sofort erkannt.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>%1 von %2 Dateien werden synchronisiert</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist aufgebraucht.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor wird bereits ausgeführt.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive wird bereits ausgeführt.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Wählen Sie einen Ordner auf diesem Computer aus, der mit dem Server synchronisiert werden soll.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>hat ein Element für Sie freigegeben.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Das Kontingent des freigegebenen Ordners ist aufgebraucht.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Möchten Sie dieses freigegebene Element wirklich löschen?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Ihre Dateien, überall.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert.\nVertrauen Sie dem neuen Zertifikat?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Das SSL-Zertifikat des Servers ist nicht vertrauenswürdig.\nMöchten Sie trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet ...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Dateien auf allen Ihren Geräten synchronisieren und freigeben.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verbindung wird getestet ...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Der Benutzername konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Verknüpfung wird aufgehoben ...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Wird aktualisiert ...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Willkommen bei Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Möchten Sie die Installation von Halvenor Drive wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Setup abbrechen</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Setup von Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Ich akzeptiere die Bedingungen der Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Bitte lesen Sie die folgende Lizenzvereinbarung sorgfältig durch.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Ich akzeptiere die Bedingungen der Lizenzvereinbarung nicht</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Endbenutzer-Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klicken Sie auf „Fertig stellen“, um den Setup-Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Halvenor Drive starten</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Setup abgeschlossen</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive wurde installiert.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Der Setup-Assistent für Halvenor Drive wurde abgeschlossen</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>Der Setup-Assistent wurde aufgrund eines Fehlers vorzeitig beendet. Ihr System wurde nicht geändert.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Um dieses Programm später zu installieren, führen Sie den Setup-Assistenten erneut aus. Klicken Sie auf „Fertig stellen“, um den Setup-Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Setup fehlgeschlagen</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Der Setup-Assistent für Halvenor Drive wurde vorzeitig beendet</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Anwendungen schließen und versuchen, sie neu zu starten.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Anwendungen nicht schließen. Ein Neustart ist erforderlich.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Einige Dateien, die aktualisiert werden müssen, werden gerade verwendet.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Dateien in Verwendung</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Die folgenden Anwendungen verwenden Dateien, die von diesem Setup aktualisiert werden müssen.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Schließen Sie diese Anwendungen und klicken Sie auf „Wiederholen“, um fortzufahren, oder auf „Beenden“, um das Setup zu verlassen.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Ermöglicht es Ihnen, die Installation der Funktionen zu ändern.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive enthält keine einzelnen Funktionen, die geändert werden können.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Installation ändern</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Wählen Sie den gewünschten Vorgang aus.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Entfernt Halvenor Drive von Ihrem Computer.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Installation entfernen</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Behebt Fehler in der letzten Installation, indem fehlende und beschädigte Dateien und Verknüpfungen wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Installation reparieren</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Installation ändern, reparieren oder entfernen</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Mit dem Setup-Assistenten können Sie die Installation von Halvenor Drive auf Ihrem Computer ändern, reparieren oder entfernen.\nKlicken Sie auf „Weiter“, um fortzufahren, oder auf „Abbrechen“, um den Setup-Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Willkommen bei der Wartung von Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Bitte warten Sie, während der Setup-Assistent Halvenor Drive installiert.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Halvenor Drive wird installiert</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Dies kann einige Minuten dauern.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicken Sie auf „Installieren“, um die Installation zu starten. Klicken Sie auf „Zurück“, um Ihre Installationseinstellungen zu überprüfen oder zu ändern. Klicken Sie auf „Abbrechen“, um den Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Bereit zur Installation von Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>Der Setup-Assistent ist bereit, mit der Installation zu beginnen.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicken Sie auf „Entfernen“, um Halvenor Drive von Ihrem Computer zu entfernen. Klicken Sie auf „Zurück“, um Ihre Installationseinstellungen zu überprüfen oder zu ändern. Klicken Sie auf „Abbrechen“, um den Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Bereit zum Entfernen von Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>Der Setup-Assistent ist bereit, Halvenor Drive zu entfernen.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicken Sie auf „Reparieren“, um die Installation von Halvenor Drive zu reparieren. Klicken Sie auf „Zurück“, um Ihre Installationseinstellungen zu überprüfen oder zu ändern. Klicken Sie auf „Abbrechen“, um den Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Bereit zur Reparatur von Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>Der Setup-Assistent ist bereit, Halvenor Drive zu reparieren.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>Der Setup-Assistent wurde unterbrochen. Ihr System wurde nicht geändert.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Um Halvenor Drive später zu installieren, führen Sie den Setup-Assistenten erneut aus. Klicken Sie auf „Fertig stellen“, um den Setup-Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Setup unterbrochen</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Der Setup-Assistent für Halvenor Drive wurde unterbrochen</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Der Setup-Assistent installiert Halvenor Drive auf Ihrem Computer.\nKlicken Sie auf „Weiter“, um fortzufahren, oder auf „Abbrechen“, um den Setup-Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Willkommen beim Setup-Assistenten für Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Nächste %1 Seiten</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Es wurde kein gültiger Ordner ausgewählt.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>hat kommentiert:</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>hat Sie erwähnt in</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>hat Zugriff angefordert auf</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>hat für Sie freigegeben:</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Erwähnungen</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Im Webportal öffnen</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Freigegeben</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Zugriffsanfragen</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Einige Dateien konnten nicht synchronisiert werden. Klicken Sie hier, um Details anzuzeigen.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Synchronisierungsproblem</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 hat „%2“ für Sie freigegeben.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Neues freigegebenes Element</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>On-demand Sync</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Unidirektionaler Download</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Nur Änderungen vom Server herunterladen</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Nur Änderungen von Halvenor Drive herunterladen</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Unidirektionaler Upload</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Enthaltenden Ordner öffnen</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Halvenor Drive öffnen</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Synchronisierungsstatus anzeigen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Interne Benutzer</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Angemeldete Benutzer können anzeigen</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Angemeldete Benutzer können bearbeiten</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Eingeschränkt</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Nur von Ihnen eingeladene Personen können den Link öffnen</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Öffentlich</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Jeder mit dem Link kann anzeigen</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Jeder mit dem Link kann bearbeiten</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kann anzeigen</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Kann bearbeiten</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Vorherige %1 Seiten</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor synchronisiert jetzt Ihre Dateien.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive synchronisiert jetzt Ihre Dateien.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Ihre Dateien werden zwischen diesem Computer und dem Server synchron gehalten.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Weitere Informationen zu Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Weitere Informationen zu Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Alles bereit!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Meinen Synchronisierungsordner öffnen</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Sie können die Dateien in diesem Ordner nur anzeigen. Auf diesem Computer vorgenommene Änderungen werden nicht hochgeladen.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Sie können die Dateien in diesem Ordner von Halvenor Drive nur anzeigen. Auf diesem Computer vorgenommene Änderungen werden nicht hochgeladen.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Kürzlich geändert</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Auf alle Unterordner anwenden</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Selective Sync</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Synchronisierungsrichtung</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Dateien filtern</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Synchronisierungsmodus auswählen</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Ordner, deren Auswahl Sie aufheben, werden von diesem Computer entfernt, bleiben aber auf dem Server erhalten.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selective Sync ...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Möchten Sie diese Synchronisierungsaufgabe wirklich entfernen?\nSynchronisierte Dateien bleiben auf diesem Computer.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Wenn Sie diesen freigegebenen Ordner deaktivieren, werden seine Dateien von diesem Computer entfernt.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Freigabe aktiviert</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Personen einladen</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Freigabelink</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Linkberechtigung</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Benutzer und Gruppen</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Möchten Sie die Elemente synchronisieren, die für Sie freigegeben wurden?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Speichern und Link kopieren</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Benutzerdefinierte Dauer</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Läuft ab am</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Anzahl der Zugriffe begrenzen</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Verfügbar ab</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Läuft nach %1 Zugriffen ab</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Freigabe per Link</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Zugriff einschränken</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Einige Dateien wurden nicht synchronisiert</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Serverdatenträger voll</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Das Tavlo hat sich geändert</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Clientaktualisierung erforderlich</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Serveraktualisierung erforderlich</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Lokaler Datenträger ist voll</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Kontingent überschritten</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Zertifikatsüberprüfung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert ...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>Die Synchronisierungsrichtung dieses Ordners stimmt nicht mit der Einstellung auf dem Server überein.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Temporäre Dateien synchronisieren</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>vor %1 Tagen</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>vor %1 Stunden</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Gerade eben</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>vor %1 Minuten</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Neue Freigabe</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Synchronisierungsordner ändern</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Synchronisierungsübersicht</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Verbindungstyp</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Ordner nicht leer</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Schreibgeschützter Ordner</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Ordnerpfad</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Doppelklicken Sie auf das Symbol, um den Synchronisierungsordner zu öffnen</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Geben Sie die IP-Adresse, den Hostnamen oder die Server-ID Ihres Servers ein.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Halvenor öffnen</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>SSL-Verschlüsselung aktivieren</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sicherheitswarnung</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Statusinformationen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Ordner wird indiziert ...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Eine neue Version ist verfügbar. Klicken Sie zum Aktualisieren hier.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive ist verfügbar. Klicken Sie zum Aktualisieren hier.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Wird gerade synchronisiert</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Daten werden überprüft ...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Das Tavlo wurde ersetzt. Bitte verknüpfen Sie es erneut.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Synchronisierungsordner öffnen</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Erneut verbinden</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Verbindungsinformationen</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Auf allen Ihren Geräten synchronisiert</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 Dateien werden synchronisiert</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Instabile Verbindung</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Kürzlich aktualisierte Dateien</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Wird aktualisiert ...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Synchronisierung erneut versuchen</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Webportal öffnen</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Sie können Halvenor Drive jetzt verwenden.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Dateien, die Sie in Ihrem Synchronisierungsordner ablegen, werden auf allen Ihren Geräten auf dem neuesten Stand gehalten.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Ihr Synchronisierungsordner</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf eine Datei, um sie freizugeben oder ihre früheren Versionen zu durchsuchen.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Freigeben und wiederherstellen</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Das Symbol im Infobereich zeigt den Synchronisierungsstatus auf einen Blick.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Klicken Sie darauf, um die Synchronisierung anzuhalten, den Synchronisierungsordner zu öffnen oder die Einstellungen zu ändern.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Synchronisierungsstatus</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Tour starten</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Mit Selective Sync wählen Sie die Ordner aus, die auf diesem Computer gespeichert werden.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Nicht ausgewählte Ordner bleiben sicher auf dem Server.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Auswählen, was synchronisiert wird</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Bidirektionale Synchronisierung</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Aktualisieren Sie das Serverpaket, um Selective Sync zu verwenden.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Die Aktualisierung ist fehlgeschlagen. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Halvenor Drive konnte nicht aktualisiert werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Fennick verwenden</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Sie haben keine Berechtigung für den Zugriff auf diesen Synchronisierungsordner.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Die Anmeldung ist fehlgeschlagen. Bitte überprüfen Sie Benutzername und Kennwort.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Eine neuere Clientversion ist erforderlich. Möchten Sie jetzt aktualisieren?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Der Client konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Dateien, die mit dem Server in Konflikt stehen, werden vor Beginn der Synchronisierung gesichert.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Dieser Ordner überschneidet sich mit einer anderen Synchronisierungsaufgabe. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Geben Sie die Serveradresse und Ihr Konto ein, um eine Verbindung herzustellen.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Halvenor-Ordner erstellen</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Der lokale Ordner konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Ordner für Oskavel Drive erstellen</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Auf dem Datenträger ist nicht genügend freier Speicherplatz für diesen Synchronisierungsordner vorhanden.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Auf dem Datenträger ist nicht genügend freier Speicherplatz für diesen Ordner von Halvenor Drive vorhanden.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>On-demand Sync konnte nicht aktiviert werden.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Tavlo-Geräte im lokalen Netzwerk suchen</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Dieser Computer ist jetzt mit Ihrem Halvenor-Server verknüpft.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Dieser Computer ist jetzt mit Halvenor Drive verknüpft.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>Der ausgewählte Synchronisierungsordner ist ungültig.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Der Synchronisierungsordner kann aufgrund eines Netzwerkfehlers nicht überprüft werden.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Wählen Sie einen Ordner auf dem Server und einen Ordner auf diesem Computer aus, die synchron gehalten werden sollen.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Neue Synchronisierungsaufgabe</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Ihr Kontingent auf dem Server ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>Der Synchronisierungsordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Synchronisierungsordner festlegen</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Wählen Sie aus, wo Ihre synchronisierten Dateien auf diesem Computer gespeichert werden.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Speicherort des Synchronisierungsordners</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Wählen Sie Ordner und Synchronisierungsregeln selbst aus.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Erweiterte Einrichtung</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Wie möchten Sie die Synchronisierung einrichten?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Einrichtungsmodus</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Synchronisieren Sie Ihren Home-Ordner mit den empfohlenen Einstellungen.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Schnelleinrichtung</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Dieser Ordner wird bereits von einer anderen Aufgabe synchronisiert.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Wenn derselbe Ordner doppelt synchronisiert wird, kann dies zu Konflikten führen.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Bitte wählen Sie einen anderen Ordner oder entfernen Sie die vorhandene Aufgabe.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Doppelte Synchronisierungsaufgabe</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Ein freigegebener Ordner mit diesem Namen ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>Der freigegebene Ordner dieser Synchronisierungsaufgabe ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Synchronisieren Sie Elemente, die andere für Sie freigegeben haben, auf diesen Computer.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Vielleicht später</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Jetzt aktivieren</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Für Sie freigegebene Dateien können ebenfalls synchronisiert werden.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Für mich freigegebene Elemente synchronisieren</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert. Bitte bestätigen Sie es, bevor dieser Ordner synchronisiert wird.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Das SSL-Zertifikat des Servers kann nicht überprüft werden. Daher kann dieser Ordner nicht synchronisiert werden.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Mit einem anderen Server synchronisieren</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Synchronisierungsaufgabe hinzufügen</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Beim Überprüfen des Synchronisierungsordners ist ein Systemfehler aufgetreten.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Dieser Ordner wurde von einem anderen Benutzerkonto synchronisiert.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Ihr Konto wurde deaktiviert.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor hält Ihre Dateien zwischen diesem Computer und Ihrem Server synchron.\nRichten wir nun Ihre erste Synchronisierungsaufgabe ein.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive hält Ihre Dateien zwischen diesem Computer und Ihrem Server synchron.\nRichten wir nun Ihre erste Synchronisierungsaufgabe ein.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Benötigen Sie Hilfe? Besuchen Sie das Hilfecenter von Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Benötigen Sie Hilfe? Besuchen Sie das Hilfecenter von Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Bitte warten Sie, während der Assistent geladen wird ...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Bitte warten Sie, während Halvenor Drive geladen wird ...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Willkommen bei Halvenor</translation>
    </message>
</context>
</TS>
