<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Denne versjonen av Halvenor er allerede installert. Vil du installere den på nytt?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>En nyere versjon av Halvenor er allerede installert. Installasjonen avsluttes nå.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Installasjon for alle brukere krever administratorrettigheter.\nVil du installere Halvenor bare for gjeldende bruker?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Denne versjonen av Oskavel Drive er allerede installert. Vil du installere den på nytt?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>En nyere versjon av Oskavel Drive er allerede installert. Installasjonen avsluttes nå.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Legg til filnavn</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Legg til mappe</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Neste måned</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Forrige måned</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Endre synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Lokal datamaskin</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Ekstern server</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Loggkategori</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtrer loggoppføringer</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Oppdater loggen</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Detaljer om synkroniseringsoppgave</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Lokalt mål</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Eksternt mål</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Lukk veiledningen</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Veiledning for Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Veiledning for Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Stopp nedlastingen</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Slett nedlastet versjon</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Last ned en tidligere versjon</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Fjern tilknytning</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Velg de delte mappene på Halvenor-serveren som du vil synkronisere med denne datamaskinen.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Velg teammappene i Halvenor Drive som du vil synkronisere med denne datamaskinen.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Veiviser for avansert oppsett</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Avanserte innstillinger</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Det automatiske oppsettet mislyktes. Konfigurer tilkoblingen manuelt.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Fullfører automatisk oppsett...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>Oppsettnøkkelen er brukt.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Filterinnstillinger</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Filer og mapper som samsvarer med disse reglene, blir ikke synkronisert.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Filer med disse navnene blir ikke synkronisert. Jokertegn som *.tmp er tillatt.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Blokkerte filer</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Ikke synkroniser filer der navnet begynner med punktum</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Endre</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Velg en annen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Rediger tilkobling</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Administrer</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Slå sammen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Konfigurer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Fortsett likevel</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start nå</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Datamaskinnavn</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Opprettet</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
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
        <translation>Tidspunkt</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Dette feltet må fylles ut.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Noen felter er ugyldige. Kontroller dem og prøv på nytt.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Skriv inn maksimalt %1 tegn.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Ingen data</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Behold begge versjonene og gi nytt navn til kopien fra denne datamaskinen</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Behold begge versjonene i Halvenor Drive og gi nytt navn til kopien fra denne datamaskinen</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Behold versjonen som ble endret sist</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Når en fil er endret både på serveren og på denne datamaskinen:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Behold alltid serverversjonen</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Gi den lokale filen nytt navn og behold begge</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Direkte tilkobling</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Relétilkobling</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Lokalt nettverk</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Finner tilkoblingstypen...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internett</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Skriv inn bekreftelseskoden fra autentiseringsappen:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Slutt å synkronisere denne mappen</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Slutt å synkronisere disse mappene</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Ingen tilgjengelige alternativer</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Synkroniser denne mappen igjen</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Synkroniser disse mappene igjen</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Send til %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Kopier delingslenke</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Bla gjennom tidligere versjoner</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Velg hva du vil synkronisere med denne datamaskinen.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Mine filer og teammapper</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Synkroniser dine egne filer og teammappene du har tilgang til.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Delt med meg</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Synkroniser filene og mappene som andre har delt med deg.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Opprett en synkroniseringsoppgave</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Denne filen kan ikke lastes ned akkurat nå. Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Versjonene av denne filen kan ikke vises.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Det kan ikke opprettes en delingslenke for dette elementet.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive er klar.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive starter opp...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Denne tilkoblingen er inaktiv.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Vis svart-hvite ikoner i menylinjen og varslingsområdet</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Vis synkroniseringsmappen i sidepanelet i filbehandleren</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Behold filer på serveren når de slettes fra denne datamaskinen</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Ikke vis denne meldingen igjen</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Bare nedlasting</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo-oversikt</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo får ikke kontakt med serveren.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Det finnes ingen delte mapper.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Aktiver Synkronisering ved behov</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Brukernavnet eller passordet er feil.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Påloggingen mislyktes</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Relétjenesten kan ikke nås.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>Server-ID-en er ugyldig eller finnes ikke.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Server-ID-en for Halvenor Drive er ugyldig eller finnes ikke.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Relétjenesten er midlertidig utilgjengelig. Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Det oppstod en ukjent feil.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Det oppstod en filkonflikt.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Den lokale databasen er skadet.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Filen eller mappen finnes ikke.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Tilkoblingen til serveren ble brutt.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Denne Tavlo er tilknyttet en annen server.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Denne Tavlo er tilknyttet en annen Halvenor Drive-server.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora kan ikke opprette en delingslenke for dette elementet.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora er deaktivert på serveren. Kontakt administratoren.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora er deaktivert</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Serverlagringen er full</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Lenken til denne filen kan ikke hentes.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialiseringen mislyktes.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Ugyldig parameter.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Skriv inn et portnummer mellom 1 og 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>IP-adressen din er blokkert av serveren.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Denne datamaskinen er allerede tilknyttet denne Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>Den lokale synkroniseringsmappen mangler.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>For mange mislykkede påloggingsforsøk. Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Det oppstod en nettverksfeil. Kontroller tilkoblingen.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Ingen tilkobling er tilgjengelig for denne filen.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Administratoren krever totrinnsbekreftelse. Slå det på i nettportalen først.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekreftelseskoden er feil.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Det kreves en bekreftelseskode.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Tilgang nektet.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Serveren bruker en inkompatibel protokollversjon.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive på serveren bruker en inkompatibel protokollversjon.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Skriv inn adressen og porten til proxyserveren.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Passordet ditt er utløpt. Endre det i nettportalen.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick tillater ikke at denne filen deles.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>Den eksterne mappen er ikke montert.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Den delte mappen kan ikke aktiveres.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>Den delte mappen er i konflikt med en eksisterende synkroniseringsmappe.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Du har nådd maksimalt antall delte mapper.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Ugyldig monteringspunkt</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Fant ikke den delte mappen</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Den delte mappen er ikke montert på serveren.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Ingen tillatelse</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Det delte elementet kan ikke slettes.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Serverens SSL-sertifikat er endret.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Serverens SSL-sertifikat kan ikke bekreftes.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>Synkroniseringsmappen ligger på et volum som ikke er montert.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Relétunnelen er deaktivert på serveren.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Tjenesten for brukernes hjemmemapper er deaktivert på serveren.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Brukerinformasjon er ikke tilgjengelig.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Skriv inn et brukernavn.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Du har ikke tillatelse til å bruke Halvenor Drive. Kontakt administratoren.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Denne klientversjonen støttes ikke lenger. Oppgrader klienten.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Denne versjonen av Halvenor Drive støttes ikke lenger. Oppgrader Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>Serverversjonen er for gammel. Oppgrader serverpakken.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>Serverversjonen er for gammel for Halvenor Drive. Oppgrader serverpakken.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Inkompatibel versjon</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Det finnes ingen tidligere versjon av denne filen.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Blokkerte filnavn</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Filtyper</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Maksimal filstørrelse</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Ikke synkroniser filer som er større enn %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filfilter</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 filer oppdatert</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fullfør</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Første side</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Mappenavn</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Mappefilter</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>fredag</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Vis veiledningen på nytt</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Vis veiledningen for Halvenor Drive på nytt</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Skjønner</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Alle hendelser</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egendefinert</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Datoperiode</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Nedlasting</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Filtype</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementer</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Nøkkelord</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Siste måned</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Siste uke</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Nytt navn på denne datamaskinen</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Ingen historikk ennå</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historikk</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Nytt navn på serveren</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Opplasting</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>I går</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>Mappen inneholder allerede filer. De blir slått sammen med filene på serveren.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laster ned</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Filen er låst</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Forbereder...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laster opp</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Siste side</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Koble til en annen server</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laster inn...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Søker etter Tavlo-enheter på det lokale nettverket...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Nedlastingslogg</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Synkroniseringsoppgaver</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Vis synkroniseringsalternativer i hurtigmenyen</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Vis skrivebordsvarsler</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Vis ikoner for synkroniseringsstatus på filer og mapper</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Krypter dataoverføringer med SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Start Halvenor når jeg logger på</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Start Halvenor Drive når jeg logger på</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Sammenslåingsmodus</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Vis ikoner på elementer som ikke synkroniseres</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synkroniseringsmodus</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Synkroniseringsmodus</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Bruk svart-hvite ikoner</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Proxyserveren krever brukernavn og passord</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfigurasjon</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Bruk systemets proxyinnstillinger</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brukernavn</translation>
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
        <translation>Proxyinnstillinger</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Bruker innstillingene...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Ingen innstillinger ble endret.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Endringene dine er ikke lagret. Vil du lagre dem nå?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Endre mappe</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiver</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Lokal synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Deling</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Delte mapper</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Oppgaver</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>mandag</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>August</source>
        <translation>august</translation>
    </message>
    <message>
        <source>December</source>
        <translation>desember</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februar</translation>
    </message>
    <message>
        <source>January</source>
        <translation>januar</translation>
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
        <translation>mars</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
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
        <translation>Flere veiledninger</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Om Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Overvåker filendringer...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Kontrollerer påloggingsinformasjonen...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Er du sikker på at du vil fjerne tilknytningen for denne datamaskinen?\nFiler som allerede er synkronisert, blir værende på denne datamaskinen.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Tilkoblingen er opprettet.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Serverlagringen er full. Synkroniseringen er satt på pause til det blir frigjort plass.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Lagringen i Halvenor Drive er full. Synkroniseringen er satt på pause til det blir frigjort plass.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Nedlastingen ble stoppet.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>Nedlastingen er fullført.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Laster ned %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Nedlastingen mislyktes.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktivert</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Noe gikk galt. Prøv på nytt.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive støtte på et problem. Prøv på nytt.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Oppsettet er fullført.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Du kan når som helst endre disse innstillingene fra Halvenor Drive-ikonet i varslingsområdet.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>Den valgte mappen er et monteringspunkt. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>Den valgte mappen er ikke tom. Filene i den blir synkronisert med serveren.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>Den valgte mappen er ikke tom. Filene i den blir synkronisert med Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Du kan ikke skrive til den valgte mappen.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Skriv inn adressen til Halvenor-serveren og kontoopplysningene dine.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>Det nye språket trer i kraft når du starter programmet på nytt.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Den lokale disken er full. Synkroniseringen er satt på pause til det blir frigjort plass.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Vil du slå sammen innholdet i den lokale mappen med mappen på serveren?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Endringer på nettverksstasjoner blir kanskje ikke oppdaget med en gang.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synkroniserer %1 av %2 filer</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Lagringskvoten din på serveren er brukt opp.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor kjører allerede.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive kjører allerede.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Velg en mappe</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Velg en mappe på denne datamaskinen som skal synkroniseres med serveren.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>har delt et element med deg.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Kvoten for den delte mappen er brukt opp.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Er du sikker på at du vil slette dette delte elementet?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Filene dine, overalt.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Serverens SSL-sertifikat er endret.\nStoler du på det nye sertifikatet?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Serverens SSL-sertifikat er ikke klarert.\nVil du fortsette likevel?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Starter...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Synkroniser og del filer på tvers av alle enhetene dine.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester tilkoblingen...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Brukernavnet kunne ikke bekreftes.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Fjerner tilknytning...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Oppgraderer...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Velkommen til Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Er du sikker på at du vil avbryte installasjonen av Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Avbryt installasjonen</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Installasjon av Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Jeg godtar vilkårene i lisensavtalen</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Les følgende lisensavtale nøye.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Jeg godtar ikke vilkårene i lisensavtalen</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Lisensavtale for sluttbrukere</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klikk på Fullfør for å avslutte installasjonsveiviseren.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Start Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Installasjonen er fullført</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive er installert.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Installasjonsveiviseren for Halvenor Drive er fullført</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>Installasjonsveiviseren ble avsluttet for tidlig på grunn av en feil. Systemet ditt er ikke endret.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Hvis du vil installere dette programmet senere, kjører du installasjonsveiviseren på nytt. Klikk på Fullfør for å avslutte installasjonsveiviseren.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Installasjonen mislyktes</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Installasjonsveiviseren for Halvenor Drive ble avsluttet for tidlig</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Lukk programmene og prøv å starte dem på nytt.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Ikke lukk programmene. En omstart vil være nødvendig.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Noen filer som må oppdateres, er i bruk.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Filer i bruk</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Følgende programmer bruker filer som denne installasjonen må oppdatere.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Lukk disse programmene og klikk på Prøv igjen for å fortsette, eller klikk på Avslutt for å gå ut av installasjonen.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Lar deg endre hvordan funksjoner installeres.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive har ingen separate funksjoner som kan endres.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Endre installasjonen</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Velg handlingen du vil utføre.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Fjerner Halvenor Drive fra datamaskinen.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Fjern installasjonen</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Reparerer feil i den nyeste installasjonen ved å gjenopprette manglende og skadde filer og snarveier.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Reparer installasjonen</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Endre, reparer eller fjern installasjonen</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Med installasjonsveiviseren kan du endre hvordan Halvenor Drive er installert på datamaskinen, eller reparere eller fjerne programmet.\nKlikk på Neste for å fortsette eller på Avbryt for å avslutte installasjonsveiviseren.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Velkommen til vedlikehold av Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Vent mens installasjonsveiviseren installerer Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Installerer Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Dette kan ta noen minutter.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klikk på Installer for å starte installasjonen. Klikk på Tilbake for å se gjennom eller endre installasjonsinnstillingene. Klikk på Avbryt for å avslutte veiviseren.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Klar til å installere Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>Installasjonsveiviseren er klar til å starte installasjonen.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klikk på Fjern for å fjerne Halvenor Drive fra datamaskinen. Klikk på Tilbake for å se gjennom eller endre installasjonsinnstillingene. Klikk på Avbryt for å avslutte veiviseren.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Klar til å fjerne Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>Installasjonsveiviseren er klar til å fjerne Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klikk på Reparer for å reparere installasjonen av Halvenor Drive. Klikk på Tilbake for å se gjennom eller endre installasjonsinnstillingene. Klikk på Avbryt for å avslutte veiviseren.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Klar til å reparere Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>Installasjonsveiviseren er klar til å reparere Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>Installasjonsveiviseren ble avbrutt. Systemet ditt er ikke endret.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Hvis du vil installere Halvenor Drive senere, kjører du installasjonsveiviseren på nytt. Klikk på Fullfør for å avslutte installasjonsveiviseren.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Installasjonen ble avbrutt</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Installasjonsveiviseren for Halvenor Drive ble avbrutt</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Installasjonsveiviseren installerer Halvenor Drive på datamaskinen.\nKlikk på Neste for å fortsette eller på Avbryt for å avslutte installasjonsveiviseren.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Velkommen til installasjonsveiviseren for Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Nettverksinnstillinger</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Neste %1 sider</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nei takk</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Ingen gyldig mappe er valgt.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Varsler</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>har kommentert</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>har nevnt deg i</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>har bedt om tilgang til</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>har delt med deg</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentarer</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Omtaler</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Åpne i nettportalen</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Delt</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synkronisering</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Tilgangsforespørsler</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivitet</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Noen filer kunne ikke synkroniseres. Klikk her for å se detaljer.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Synkroniseringsproblem</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 har delt &quot;%2&quot; med deg.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Nytt delt element</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synkronisering ved behov</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Enveis nedlasting</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Bare last ned endringer fra serveren</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Bare last ned endringer fra Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Enveis opplasting</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Åpne mappen som inneholder elementet</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Åpne fil</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Åpne mappe</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Åpne Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Vis synkroniseringsstatus</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Interne brukere</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Påloggede brukere kan vise</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Påloggede brukere kan redigere</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Begrenset</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Bare personer du inviterer, kan åpne lenken</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Offentlig</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Alle som har lenken, kan vise</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Alle som har lenken, kan redigere</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kan vise</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Kan redigere</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Forrige %1 sider</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor synkroniserer nå filene dine.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive synkroniserer nå filene dine.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Filene dine holdes synkronisert mellom denne datamaskinen og serveren.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Finn ut mer om Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Finn ut mer om Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Alt er klart!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Åpne synkroniseringsmappen min</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Du kan bare vise filene i denne mappen. Endringer som gjøres på denne datamaskinen, lastes ikke opp.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Du kan bare vise filene i denne Halvenor Drive-mappen. Endringer som gjøres på denne datamaskinen, lastes ikke opp.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Nylig endret</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>lørdag</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Bruk på alle undermapper</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Selektiv synkronisering</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Synkroniseringsretning</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Filtrer filer</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Velg mapper</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Velg en synkroniseringsmodus</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Mapper du fjerner merket for, fjernes fra denne datamaskinen, men blir værende på serveren.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selektiv synkronisering...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Er du sikker på at du vil fjerne denne synkroniseringsoppgaven?\nSynkroniserte filer blir værende på denne datamaskinen.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Hvis du deaktiverer denne delte mappen, fjernes filene i den fra denne datamaskinen.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Deling er aktivert</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Inviter personer</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Delingslenke</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Lenketillatelse</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Brukere og grupper</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Vil du synkronisere elementene som er delt med deg?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Lagre og kopier lenke</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Egendefinert varighet</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Utløper</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Begrens antall tilganger</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Tilgjengelig fra</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Utløper etter %1 tilganger</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Lenkedeling</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Begrens tilgangen</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Noen filer ble ikke synkronisert</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Serverdisken er full</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Tavlo er endret</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Klienten må oppgraderes</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Serveren må oppgraderes</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Den lokale disken er full</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Satt på pause</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Tilgang nektet</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Kvoten er overskredet</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Sertifikatbekreftelsen mislyktes</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synkroniserer...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>søndag</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>Synkroniseringsretningen for denne mappen samsvarer ikke med innstillingen på serveren.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Synkroniser midlertidige filer</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>torsdag</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>For %1 dager siden</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>For %1 timer siden</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Akkurat nå</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>For %1 minutter siden</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Ny deling</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Endre synkroniseringsmappen</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Denne datamaskinen</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Synkroniseringsoversikt</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Tilkoblingstype</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Mappen er ikke tom</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Skrivebeskyttet mappe</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Mappebane</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Dobbeltklikk på ikonet for å åpne synkroniseringsmappen</translation>
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
        <translation>Skriv inn IP-adressen, vertsnavnet eller server-ID-en til serveren.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Åpne Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Aktiver SSL-kryptering</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sikkerhetsadvarsel</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Ventemodus</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Statusinformasjon</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Verdi</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Velkommen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indekserer mappen...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>En ny versjon er tilgjengelig. Klikk for å oppdatere.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive er tilgjengelig. Klikk for å oppdatere.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Synkroniserer nå</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Kontrollerer data...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Tavlo er byttet ut. Tilknytt den på nytt.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Nedlastingen er fullført</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Åpne synkroniseringsmappen</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Koble til på nytt</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Tilkoblingsinformasjon</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Synkronisert på alle enhetene dine</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 filer synkroniseres</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Ustabil tilkobling</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Nylig oppdaterte filer</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Oppdaterer...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Oppgrader nå</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Prøv å synkronisere på nytt</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>tirsdag</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Åpne nettportalen</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulerer!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Du er klar til å bruke Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Filer du legger i synkroniseringsmappen, holdes oppdatert på alle enhetene dine.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Synkroniseringsmappen din</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Høyreklikk på en fil for å dele den eller bla gjennom tidligere versjoner av den.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Del og gjenopprett</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Ikonet i varslingsområdet viser synkroniseringsstatusen med et raskt blikk.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Klikk på det for å sette synkroniseringen på pause, åpne synkroniseringsmappen eller endre innstillingene.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Synkroniseringsstatus</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Start omvisningen</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Bruk Selektiv synkronisering til å velge hvilke mapper som skal beholdes på denne datamaskinen.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Mapper du utelater, blir trygt værende på serveren.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Velg hva som skal synkroniseres</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Toveis synkronisering</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Oppdater serverpakken for å bruke Selektiv synkronisering.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Oppgraderingen mislyktes. Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Halvenor Drive kunne ikke oppgraderes. Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Bruk Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>onsdag</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Du har ikke tilgang til denne synkroniseringsmappen.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Påloggingen mislyktes. Kontroller brukernavnet og passordet.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>En nyere klientversjon kreves. Vil du oppgradere nå?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Klienten kunne ikke oppgraderes.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Filer som er i konflikt med serveren, sikkerhetskopieres før synkroniseringen starter.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Denne mappen overlapper med en annen synkroniseringsoppgave. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Skriv inn serveradressen og kontoen din for å koble til.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Opprett en Halvenor-mappe</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Den lokale mappen kunne ikke opprettes.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Opprett en Oskavel Drive-mappe</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Det er ikke nok ledig plass på disken til denne synkroniseringsmappen.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Det er ikke nok ledig plass på disken til denne Halvenor Drive-mappen.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Synkronisering ved behov kunne ikke aktiveres.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Finn Tavlo-enheter på det lokale nettverket</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Denne datamaskinen er nå tilknyttet Halvenor-serveren din.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Denne datamaskinen er nå tilknyttet Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>Den valgte synkroniseringsmappen er ugyldig.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Synkroniseringsmappen kan ikke kontrolleres på grunn av en nettverksfeil.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Velg en mappe på serveren og en mappe på denne datamaskinen som skal holdes synkronisert.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Ny synkroniseringsoppgave</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Kvoten din på serveren er full.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>Synkroniseringsmappen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Angi synkroniseringsmappen</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Velg hvor de synkroniserte filene skal lagres på denne datamaskinen.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Plassering av synkroniseringsmappen</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Velg mappene og synkroniseringsreglene selv.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Avansert oppsett</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Hvordan vil du konfigurere synkroniseringen?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Oppsettmodus</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Synkroniser hjemmemappen din med de anbefalte innstillingene.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Hurtigoppsett</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Denne mappen synkroniseres allerede av en annen oppgave.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Å synkronisere den samme mappen to ganger kan føre til konflikter.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Velg en annen mappe, eller fjern den eksisterende oppgaven.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Duplisert synkroniseringsoppgave</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Det finnes allerede en delt mappe med dette navnet.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>Den delte mappen for denne synkroniseringsoppgaven finnes ikke lenger.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Synkroniser elementene som andre har delt med deg, til denne datamaskinen.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Kanskje senere</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Aktiver nå</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Filer som er delt med deg, kan også synkroniseres.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Synkroniser elementer som er delt med meg</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Serverens SSL-sertifikat er endret. Bekreft det før denne mappen synkroniseres.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Serverens SSL-sertifikat kan ikke bekreftes, så denne mappen kan ikke synkroniseres.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Synkroniser med en annen server</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Legg til en synkroniseringsoppgave</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Det oppstod en systemfeil under kontrollen av synkroniseringsmappen.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Denne mappen ble synkronisert av en annen brukerkonto.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Kontoen din er deaktivert.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor holder filene dine synkronisert mellom denne datamaskinen og serveren din.\nLa oss konfigurere den første synkroniseringsoppgaven din.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive holder filene dine synkronisert mellom denne datamaskinen og serveren din.\nLa oss konfigurere den første synkroniseringsoppgaven din.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Trenger du hjelp? Besøk hjelpesenteret for Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Trenger du hjelp? Besøk hjelpesenteret for Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Vent mens veiviseren lastes inn...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Vent mens Halvenor Drive lastes inn...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Velkommen til Halvenor</translation>
    </message>
</context>
</TS>
