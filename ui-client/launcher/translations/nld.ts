<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Deze versie van Halvenor is al geïnstalleerd. Wilt u deze opnieuw installeren?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Er is al een nieuwere versie van Halvenor geïnstalleerd. De installatie wordt nu afgesloten.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Voor installatie voor alle gebruikers zijn beheerdersrechten vereist.\nWilt u Halvenor alleen voor de huidige gebruiker installeren?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Deze versie van Oskavel Drive is al geïnstalleerd. Wilt u deze opnieuw installeren?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Er is al een nieuwere versie van Oskavel Drive geïnstalleerd. De installatie wordt nu afgesloten.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Bestandsnaam toevoegen</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Map toevoegen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Volgende maand</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Synchronisatiemap wijzigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Lokale computer</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Externe server</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Synchronisatiemap</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Logcategorie</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Logvermeldingen filteren</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Log vernieuwen</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Details van synchronisatietaak</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Lokale bestemming</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Externe bestemming</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Zelfstudie sluiten</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Zelfstudie van Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Zelfstudie van Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Download stoppen</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Gedownloade versie verwijderen</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Een eerdere versie downloaden</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Ontkoppelen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Kies de gedeelde mappen op uw Halvenor-server die u met deze computer wilt synchroniseren.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Kies de teammappen in Halvenor Drive die u met deze computer wilt synchroniseren.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Wizard voor geavanceerde configuratie</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Geavanceerde instellingen</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Automatische configuratie is mislukt. Stel de verbinding handmatig in.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Automatische configuratie voltooien...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>De configuratiesleutel is toegepast.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Filterinstellingen</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Bestanden en mappen die aan deze regels voldoen, worden niet gesynchroniseerd.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Bestandsnamen</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Bestanden met deze namen worden niet gesynchroniseerd. Jokertekens zoals *.tmp zijn toegestaan.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Geblokkeerde bestanden</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Geen bestanden synchroniseren waarvan de naam met een punt begint</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Andere kiezen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Verbinding bewerken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Beheren</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Samenvoegen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Toch doorgaan</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Nu starten</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computernaam</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Gemaakt</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
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
        <translation>Tijd</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dit veld is verplicht.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Sommige velden zijn ongeldig. Controleer ze en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Voer niet meer dan %1 tekens in.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Geen gegevens</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Beide versies behouden en de naam van de kopie van deze computer wijzigen</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Beide versies in Halvenor Drive behouden en de naam van de kopie van deze computer wijzigen</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>De laatst gewijzigde versie behouden</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Wanneer een bestand zowel op de server als op deze computer is gewijzigd:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Altijd de serverversie behouden</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>De naam van het lokale bestand wijzigen en beide behouden</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Directe verbinding</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Relayverbinding</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Lokaal netwerk</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Verbindingstype detecteren...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Voer de verificatiecode uit uw authenticator-app in:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Deze map niet meer synchroniseren</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Deze mappen niet meer synchroniseren</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Geen opties beschikbaar</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Deze map weer synchroniseren</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Deze mappen weer synchroniseren</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Verzenden naar %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Deellink kopiëren</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Eerdere versies bekijken</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Kies wat u met deze computer wilt synchroniseren.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Mijn bestanden en teammappen</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Synchroniseer uw eigen bestanden en de teammappen waartoe u toegang hebt.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Gedeeld met mij</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Synchroniseer de bestanden en mappen die anderen met u hebben gedeeld.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Een synchronisatietaak maken</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Dit bestand kan momenteel niet worden gedownload. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>De versies van dit bestand kunnen niet worden weergegeven.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Voor dit item kan geen deellink worden gemaakt.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive is gereed.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive is bezig met initialisatie...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Deze verbinding is inactief.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Zwart-witpictogrammen weergeven in de menubalk en het systeemvak</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>De synchronisatiemap weergeven in de zijbalk van bestandsbeheer</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Bestanden op de server behouden wanneer ze van deze computer worden verwijderd</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Dit bericht niet meer weergeven</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Alleen downloaden</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo-overzicht</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo kan de server niet bereiken.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Er zijn geen gedeelde mappen.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Synchronisatie op aanvraag inschakelen</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>De gebruikersnaam of het wachtwoord is onjuist.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Aanmelden mislukt</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>De relayservice is niet bereikbaar.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>De server-ID is ongeldig of bestaat niet.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>De server-ID van Halvenor Drive is ongeldig of bestaat niet.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>De relayservice is tijdelijk niet beschikbaar. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Er is een onbekende fout opgetreden.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Er is een bestandsconflict opgetreden.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>De lokale database is beschadigd.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Het bestand of de map bestaat niet.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>De verbinding met de server is verbroken.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Deze Tavlo is gekoppeld aan een andere server.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Deze Tavlo is gekoppeld aan een andere Halvenor Drive-server.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora kan geen deellink voor dit item maken.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora is uitgeschakeld op de server. Neem contact op met uw beheerder.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora is uitgeschakeld</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Serveropslag is vol</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>De link naar dit bestand kan niet worden opgehaald.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialisatie mislukt.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Ongeldige parameter.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Voer een poortnummer tussen 1 en 65535 in.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Uw IP-adres is door de server geblokkeerd.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Deze computer is al aan deze Tavlo gekoppeld.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>De lokale synchronisatiemap ontbreekt.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Te veel mislukte aanmeldpogingen. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Er is een netwerkfout opgetreden. Controleer uw verbinding.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Er is geen verbinding beschikbaar voor dit bestand.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Uw beheerder vereist verificatie in twee stappen. Schakel deze eerst in via het webportaal.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>De verificatiecode is onjuist.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Er is een verificatiecode vereist.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Toegang geweigerd.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>De server gebruikt een niet-compatibele protocolversie.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive op de server gebruikt een niet-compatibele protocolversie.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Voer het adres en de poort van de proxyserver in.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Uw wachtwoord is verlopen. Wijzig het in het webportaal.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick staat niet toe dat dit bestand wordt gedeeld.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>De externe map is niet aangekoppeld.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>De gedeelde map kan niet worden ingeschakeld.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>De gedeelde map conflicteert met een bestaande synchronisatiemap.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>U hebt het maximumaantal gedeelde mappen bereikt.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Ongeldig koppelpunt</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Gedeelde map niet gevonden</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>De gedeelde map is niet aangekoppeld op de server.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Geen machtiging</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Het gedeelde item kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Het SSL-certificaat van de server is gewijzigd.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Het SSL-certificaat van de server kan niet worden geverifieerd.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>De synchronisatiemap staat op een volume dat niet is aangekoppeld.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>De relaytunnel is uitgeschakeld op de server.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>De service voor thuismappen van gebruikers is uitgeschakeld op de server.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Gebruikersgegevens zijn niet beschikbaar.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Voer een gebruikersnaam in.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>U mag Halvenor Drive niet gebruiken. Neem contact op met uw beheerder.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Deze clientversie wordt niet meer ondersteund. Upgrade de client.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Deze versie van Halvenor Drive wordt niet meer ondersteund. Upgrade Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>De serverversie is te oud. Upgrade het serverpakket.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>De serverversie is te oud voor Halvenor Drive. Upgrade het serverpakket.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Niet-compatibele versie</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Er is geen eerdere versie van dit bestand beschikbaar.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Geblokkeerde bestandsnamen</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Bestandsextensies</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Maximale bestandsgrootte</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Geen bestanden synchroniseren die groter zijn dan %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Bestandsfilter</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 bestanden bijgewerkt</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Eerste pagina</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Mapnaam</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Mapfilter</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>De zelfstudie opnieuw weergeven</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>De zelfstudie van Halvenor Drive opnieuw weergeven</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Begrepen</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Alle gebeurtenissen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Datumbereik</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Bestandstype</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 items</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Trefwoord</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Afgelopen maand</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Afgelopen week</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Naam gewijzigd op deze computer</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Nog geen geschiedenis</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Naam gewijzigd op de server</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Opnieuw instellen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gisteren</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>De map bevat al bestanden. Deze worden samengevoegd met de bestanden op de server.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Bezig met downloaden</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Bestand is vergrendeld</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Voorbereiden...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Bezig met uploaden</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Laatste pagina</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Verbinding maken met een andere server</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Zoeken naar Tavlo-apparaten in het lokale netwerk...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Downloadgeschiedenis</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Synchronisatietaken</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Synchronisatieopties weergeven in het contextmenu</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Bureaubladmeldingen weergeven</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Synchronisatiestatuspictogrammen weergeven op bestanden en mappen</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Gegevensoverdracht versleutelen met SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Halvenor starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Halvenor Drive starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Samenvoegmodus</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Pictogrammen weergeven op items die niet worden gesynchroniseerd</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synchronisatiemodus</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Synchronisatiemodus</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Zwart-witpictogrammen gebruiken</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>De proxyserver vereist een gebruikersnaam en wachtwoord</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Handmatige proxyconfiguratie</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Geen proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>De proxyinstellingen van het systeem gebruiken</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Proxyinstellingen</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Instellingen toepassen...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Er zijn geen instellingen gewijzigd.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Uw wijzigingen zijn niet opgeslagen. Wilt u ze nu opslaan?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Map wijzigen</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Lokale synchronisatiemap</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Gedeelde mappen</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Taken</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Meer zelfstudies</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Over Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Controleren op bestandswijzigingen...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Uw aanmeldgegevens controleren...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Weet u zeker dat u deze computer wilt ontkoppelen?\nBestanden die al zijn gesynchroniseerd, blijven op deze computer staan.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>De verbinding is tot stand gebracht.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>De opslag van de server is vol. De synchronisatie is onderbroken totdat er ruimte vrijkomt.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>De opslag van Halvenor Drive is vol. De synchronisatie is onderbroken totdat er ruimte vrijkomt.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>De download is gestopt.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>De download is voltooid.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 downloaden...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>De download is mislukt.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Er is iets misgegaan. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Er is een probleem opgetreden in Halvenor Drive. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>De configuratie is voltooid.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>U kunt deze instellingen altijd wijzigen via het pictogram van Halvenor Drive in het systeemvak.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>De geselecteerde map is een koppelpunt. Kies een andere map.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>De geselecteerde map is niet leeg. De bestanden erin worden met de server gesynchroniseerd.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>De geselecteerde map is niet leeg. De bestanden erin worden met Halvenor Drive gesynchroniseerd.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>U kunt niet schrijven naar de geselecteerde map.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Voer het adres van uw Halvenor-server en uw accountgegevens in.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>De nieuwe taal wordt van kracht nadat u de toepassing opnieuw hebt gestart.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinding maken...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>De lokale schijf is vol. De synchronisatie is onderbroken totdat er ruimte vrijkomt.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Wilt u de inhoud van de lokale map samenvoegen met de map op de server?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Wijzigingen op netwerkstations worden mogelijk niet direct gedetecteerd.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>%1 van %2 bestanden synchroniseren</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Uw opslagquotum op de server is opgebruikt.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor is al actief.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive is al actief.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Selecteer een map</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Kies een map op deze computer om met de server te synchroniseren.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>heeft een item met u gedeeld.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Het quotum van de gedeelde map is opgebruikt.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Weet u zeker dat u dit gedeelde item wilt verwijderen?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Uw bestanden, overal.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Het SSL-certificaat van de server is gewijzigd.\nVertrouwt u het nieuwe certificaat?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Het SSL-certificaat van de server wordt niet vertrouwd.\nWilt u toch doorgaan?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Starten...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Synchroniseer en deel bestanden op al uw apparaten.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verbinding testen...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>De gebruikersnaam kan niet worden geverifieerd.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Ontkoppelen...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Upgraden...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Welkom bij Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Negeren</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Weet u zeker dat u de installatie van Halvenor Drive wilt annuleren?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Installatie annuleren</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Installatie van Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Ik ga akkoord met de voorwaarden in de licentieovereenkomst</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Lees de volgende licentieovereenkomst zorgvuldig door.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Ik ga niet akkoord met de voorwaarden in de licentieovereenkomst</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Licentieovereenkomst voor eindgebruikers</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klik op Voltooien om de installatiewizard af te sluiten.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Halvenor Drive starten</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Installatie voltooid</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive is geïnstalleerd.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>De installatiewizard van Halvenor Drive is voltooid</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>De installatiewizard is voortijdig beëindigd vanwege een fout. Uw systeem is niet gewijzigd.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Als u dit programma later wilt installeren, voert u de installatiewizard opnieuw uit. Klik op Voltooien om de installatiewizard af te sluiten.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Installatie mislukt</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>De installatiewizard van Halvenor Drive is voortijdig beëindigd</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>De toepassingen sluiten en proberen ze opnieuw te starten.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>De toepassingen niet sluiten. Opnieuw opstarten is vereist.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Sommige bestanden die moeten worden bijgewerkt, zijn in gebruik.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Bestanden in gebruik</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>De volgende toepassingen gebruiken bestanden die door deze installatie moeten worden bijgewerkt.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Sluit deze toepassingen en klik op Opnieuw om door te gaan, of klik op Afsluiten om de installatie te verlaten.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Hiermee kunt u wijzigen hoe onderdelen worden geïnstalleerd.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive heeft geen afzonderlijke onderdelen die kunnen worden gewijzigd.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>De installatie wijzigen</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Selecteer de bewerking die u wilt uitvoeren.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Verwijdert Halvenor Drive van uw computer.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>De installatie verwijderen</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Herstelt fouten in de meest recente installatie door ontbrekende en beschadigde bestanden en snelkoppelingen te herstellen.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>De installatie herstellen</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>De installatie wijzigen, herstellen of verwijderen</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Met de installatiewizard kunt u wijzigen hoe Halvenor Drive op uw computer is geïnstalleerd, of het programma herstellen of verwijderen.\nKlik op Volgende om door te gaan of op Annuleren om de installatiewizard af te sluiten.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Welkom bij het onderhoud van Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Een ogenblik geduld terwijl de installatiewizard Halvenor Drive installeert.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Halvenor Drive installeren</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Dit kan enkele minuten duren.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik op Installeren om de installatie te starten. Klik op Terug om uw installatie-instellingen te bekijken of te wijzigen. Klik op Annuleren om de wizard af te sluiten.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Klaar om Halvenor Drive te installeren</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>De installatiewizard is klaar om met de installatie te beginnen.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik op Verwijderen om Halvenor Drive van uw computer te verwijderen. Klik op Terug om uw installatie-instellingen te bekijken of te wijzigen. Klik op Annuleren om de wizard af te sluiten.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Klaar om Halvenor Drive te verwijderen</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>De installatiewizard is klaar om Halvenor Drive te verwijderen.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik op Herstellen om de installatie van Halvenor Drive te herstellen. Klik op Terug om uw installatie-instellingen te bekijken of te wijzigen. Klik op Annuleren om de wizard af te sluiten.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Klaar om Halvenor Drive te herstellen</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>De installatiewizard is klaar om Halvenor Drive te herstellen.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>De installatiewizard is onderbroken. Uw systeem is niet gewijzigd.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Als u Halvenor Drive later wilt installeren, voert u de installatiewizard opnieuw uit. Klik op Voltooien om de installatiewizard af te sluiten.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Installatie onderbroken</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>De installatiewizard van Halvenor Drive is onderbroken</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>De installatiewizard installeert Halvenor Drive op uw computer.\nKlik op Volgende om door te gaan of op Annuleren om de installatiewizard af te sluiten.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Welkom bij de installatiewizard van Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Netwerkinstellingen</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Volgende %1 pagina&apos;s</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nee, bedankt</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Er is geen geldige map geselecteerd.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Meldingen</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>heeft gereageerd op</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>heeft u vermeld in</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>heeft toegang aangevraagd tot</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>heeft met u gedeeld</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Vermeldingen</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Openen in het webportaal</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Gedeeld</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisatie</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Toegangsaanvragen</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activiteit</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Sommige bestanden kunnen niet worden gesynchroniseerd. Klik hier voor details.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Synchronisatieprobleem</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 heeft &quot;%2&quot; met u gedeeld.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Nieuw gedeeld item</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synchronisatie op aanvraag</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Eenrichtingsdownload</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Alleen wijzigingen van de server downloaden</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Alleen wijzigingen van Halvenor Drive downloaden</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Eenrichtingsupload</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Bijbehorende map openen</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Halvenor Drive openen</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Synchronisatiestatus weergeven</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Onderbreken</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Interne gebruikers</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Aangemelde gebruikers kunnen weergeven</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Aangemelde gebruikers kunnen bewerken</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Beperkt</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Alleen personen die u uitnodigt, kunnen de link openen</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Openbaar</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Iedereen met de link kan weergeven</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Iedereen met de link kan bewerken</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kan weergeven</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Kan bewerken</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Vorige %1 pagina&apos;s</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor synchroniseert nu uw bestanden.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive synchroniseert nu uw bestanden.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Uw bestanden worden gesynchroniseerd gehouden tussen deze computer en de server.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Meer informatie over Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Meer informatie over Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Alles is klaar!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Mijn synchronisatiemap openen</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Alleen-lezen</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>U kunt de bestanden in deze map alleen bekijken. Wijzigingen op deze computer worden niet geüpload.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>U kunt de bestanden in deze map van Halvenor Drive alleen bekijken. Wijzigingen op deze computer worden niet geüpload.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Recent gewijzigd</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Toepassen op alle submappen</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Selectieve synchronisatie</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Synchronisatierichting</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Bestanden filteren</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Mappen kiezen</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Kies een synchronisatiemodus</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Mappen die u deselecteert, worden van deze computer verwijderd maar blijven op de server staan.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selectieve synchronisatie...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Weet u zeker dat u deze synchronisatietaak wilt verwijderen?\nGesynchroniseerde bestanden blijven op deze computer staan.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Als u deze gedeelde map uitschakelt, worden de bestanden ervan van deze computer verwijderd.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Delen ingeschakeld</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Personen uitnodigen</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Deellink</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Linkmachtiging</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Gebruikers en groepen</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Wilt u de items synchroniseren die met u zijn gedeeld?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Opslaan en link kopiëren</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Aangepaste duur</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Verloopt op</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Aantal toegangen beperken</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Beschikbaar vanaf</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Verloopt na %1 toegangen</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Delen via link</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Toegang beperken</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Sommige bestanden zijn niet gesynchroniseerd</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Serverschijf vol</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>De Tavlo is gewijzigd</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Client-upgrade vereist</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Server-upgrade vereist</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Lokale schijf is vol</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Onderbroken</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Quotum overschreden</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Certificaatverificatie mislukt</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchroniseren...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Bijgewerkt</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>De synchronisatierichting van deze map komt niet overeen met de instelling op de server.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Tijdelijke bestanden synchroniseren</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 dagen geleden</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 uur geleden</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Zojuist</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 minuten geleden</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Nieuw gedeeld item</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>De synchronisatiemap wijzigen</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Deze computer</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Synchronisatieoverzicht</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Verbindingstype</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Map is niet leeg</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Map is alleen-lezen</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Mappad</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Dubbelklik op het pictogram om de synchronisatiemap te openen</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactief</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradres</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Voer het IP-adres, de hostnaam of de server-ID van uw server in.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Halvenor openen</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>SSL-versleuteling inschakelen</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Beveiligingswaarschuwing</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Stand-by</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Statusinformatie</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgraden</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Map indexeren...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Er is een nieuwe versie beschikbaar. Klik om bij te werken.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive is beschikbaar. Klik om bij te werken.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Wordt nu gesynchroniseerd</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Gegevens controleren...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>De Tavlo is vervangen. Koppel deze opnieuw.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download voltooid</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Synchronisatiemap openen</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Opnieuw verbinden</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Verbindingsgegevens</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Gesynchroniseerd op al uw apparaten</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 bestanden worden gesynchroniseerd</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Instabiele verbinding</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Recent bijgewerkte bestanden</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Bijwerken...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Nu upgraden</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Synchronisatie opnieuw proberen</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Het webportaal openen</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>U bent klaar om Halvenor Drive te gebruiken.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Bestanden die u in uw synchronisatiemap plaatst, worden op al uw apparaten up-to-date gehouden.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Uw synchronisatiemap</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Klik met de rechtermuisknop op een bestand om het te delen of om eerdere versies ervan te bekijken.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Delen en herstellen</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Het pictogram in het systeemvak toont in één oogopslag de synchronisatiestatus.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Klik erop om de synchronisatie te onderbreken, de synchronisatiemap te openen of de instellingen te wijzigen.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Synchronisatiestatus</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Rondleiding starten</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Gebruik Selectieve synchronisatie om te kiezen welke mappen op deze computer worden bewaard.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Mappen die u weglaat, blijven veilig op de server staan.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Kies wat u wilt synchroniseren</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Tweerichtingssynchronisatie</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Werk het serverpakket bij om Selectieve synchronisatie te gebruiken.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>De upgrade is mislukt. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Halvenor Drive kan niet worden geüpgraded. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Fennick gebruiken</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>U hebt geen toegang tot deze synchronisatiemap.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Aanmelden mislukt. Controleer uw gebruikersnaam en wachtwoord.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Er is een nieuwere clientversie vereist. Wilt u nu upgraden?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>De client kan niet worden geüpgraded.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Van bestanden die conflicteren met de server, wordt een back-up gemaakt voordat de synchronisatie begint.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Deze map overlapt met een andere synchronisatietaak. Kies een andere map.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Voer het serveradres en uw accountgegevens in om verbinding te maken.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Een Halvenor-map maken</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>De lokale map kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Een Oskavel Drive-map maken</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Er is niet genoeg vrije ruimte op de schijf voor deze synchronisatiemap.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Er is niet genoeg vrije ruimte op de schijf voor deze map van Halvenor Drive.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Synchronisatie op aanvraag kan niet worden ingeschakeld.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Tavlo-apparaten zoeken in uw lokale netwerk</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Deze computer is nu gekoppeld aan uw Halvenor-server.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Deze computer is nu gekoppeld aan Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>De geselecteerde synchronisatiemap is ongeldig.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>De synchronisatiemap kan niet worden gecontroleerd vanwege een netwerkfout.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Kies een map op de server en een map op deze computer die gesynchroniseerd moeten blijven.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Nieuwe synchronisatietaak</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Uw quotum op de server is vol.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>De synchronisatiemap is alleen-lezen.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>De synchronisatiemap instellen</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Kies waar uw gesynchroniseerde bestanden op deze computer worden bewaard.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Locatie van synchronisatiemap</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Kies zelf de mappen en synchronisatieregels.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Geavanceerde configuratie</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Hoe wilt u de synchronisatie instellen?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Configuratiemodus</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Synchroniseer uw thuismap met de aanbevolen instellingen.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Snelle configuratie</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Deze map wordt al door een andere taak gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Als u dezelfde map twee keer synchroniseert, kunnen er conflicten ontstaan.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Kies een andere map of verwijder de bestaande taak.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Dubbele synchronisatietaak</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Er bestaat al een gedeelde map met deze naam.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>De gedeelde map van deze synchronisatietaak bestaat niet meer.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Synchroniseer de items die anderen met u hebben gedeeld naar deze computer.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Misschien later</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Nu inschakelen</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Bestanden die met u zijn gedeeld, kunnen ook worden gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Items synchroniseren die met mij zijn gedeeld</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Het SSL-certificaat van de server is gewijzigd. Bevestig het voordat deze map wordt gesynchroniseerd.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Het SSL-certificaat van de server kan niet worden geverifieerd. Daarom kan deze map niet worden gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Synchroniseren met een andere server</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Een synchronisatietaak toevoegen</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Er is een systeemfout opgetreden bij het controleren van de synchronisatiemap.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Deze map is gesynchroniseerd door een ander gebruikersaccount.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Uw account is uitgeschakeld.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor houdt uw bestanden gesynchroniseerd tussen deze computer en uw server.\nLaten we uw eerste synchronisatietaak instellen.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive houdt uw bestanden gesynchroniseerd tussen deze computer en uw server.\nLaten we uw eerste synchronisatietaak instellen.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Hulp nodig? Ga naar het Helpcentrum van Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Hulp nodig? Ga naar het Helpcentrum van Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Een ogenblik geduld terwijl de wizard wordt geladen...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Een ogenblik geduld terwijl Halvenor Drive wordt geladen...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Welkom bij Halvenor</translation>
    </message>
</context>
</TS>
