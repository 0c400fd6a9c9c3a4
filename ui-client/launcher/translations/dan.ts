<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Denne version af Halvenor er allerede installeret. Vil du installere den igen?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>En nyere version af Halvenor er allerede installeret. Installationen afsluttes nu.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Installation for alle brugere kræver administratorrettigheder.\nVil du kun installere Halvenor for den aktuelle bruger?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Denne version af Oskavel Drive er allerede installeret. Vil du installere den igen?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>En nyere version af Oskavel Drive er allerede installeret. Installationen afsluttes nu.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Tilføj filnavn</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Tilføj mappe</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Næste måned</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Forrige måned</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Skift synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Oplysninger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Lokal computer</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Fjernserver</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Logkategori</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtrer logposter</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Opdater log</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Detaljer om synkroniseringsopgave</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Lokal destination</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Fjerndestination</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Luk vejledningen</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Vejledning til Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Vejledning til Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Stop download</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Slet downloadet version</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Download en tidligere version</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Fjern tilknytning</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Vælg de delte mapper på din Halvenor-server, som du vil synkronisere med denne computer.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Vælg de teammapper i Halvenor Drive, som du vil synkronisere med denne computer.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Guide til avanceret opsætning</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Avancerede indstillinger</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Den automatiske opsætning mislykkedes. Konfigurer forbindelsen manuelt.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Afslutter automatisk opsætning...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>Opsætningsnøglen er anvendt.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Filterindstillinger</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Filer og mapper, der matcher disse regler, synkroniseres ikke.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Filnavne</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Filer med disse navne synkroniseres ikke. Jokertegn som *.tmp er tilladt.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Blokerede filer</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Synkroniser ikke filer, hvis navn begynder med et punktum</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Skift</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Vælg en anden</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Rediger forbindelse</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
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
        <translation>Flet</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
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
        <translation>Slet</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Fortsæt alligevel</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start nu</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computernavn</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Oprettet</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
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
        <translation>Dette felt skal udfyldes.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Nogle felter er ugyldige. Kontroller dem, og prøv igen.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Angiv højst %1 tegn.</translation>
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
        <translation>Behold begge versioner, og omdøb kopien fra denne computer</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Behold begge versioner i Halvenor Drive, og omdøb kopien fra denne computer</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Behold den senest ændrede version</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Når en fil er ændret både på serveren og på denne computer:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Behold altid serverens version</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Omdøb den lokale fil, og behold begge</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Direkte forbindelse</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Relæforbindelse</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Lokalt netværk</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Registrerer forbindelsestypen...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Angiv bekræftelseskoden fra din godkendelsesapp:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Stop synkronisering af denne mappe</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Stop synkronisering af disse mapper</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Ingen tilgængelige indstillinger</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Synkroniser denne mappe igen</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Synkroniser disse mapper igen</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Send til %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Kopiér delingslink</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Gennemse tidligere versioner</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Vælg, hvad du vil synkronisere med denne computer.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Mine filer og teammapper</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Synkroniser dine egne filer og de teammapper, du har adgang til.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Delt med mig</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Synkroniser de filer og mapper, som andre har delt med dig.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Opret en synkroniseringsopgave</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Filen kan ikke downloades lige nu. Prøv igen senere.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Versionerne af denne fil kan ikke vises.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Der kan ikke oprettes et delingslink til dette element.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive er klar.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive initialiserer...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Denne forbindelse er inaktiv.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Vis sort-hvide ikoner i menulinjen og meddelelsesområdet</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Vis synkroniseringsmappen i filhåndteringens sidepanel</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Behold filer på serveren, når de slettes fra denne computer</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Vis ikke denne meddelelse igen</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Kun download</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo-oversigt</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo kan ikke oprette forbindelse til serveren.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Der er ingen delte mapper.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Aktivér Synkronisering efter behov</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Brugernavnet eller adgangskoden er forkert.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Login mislykkedes</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Relætjenesten kan ikke nås.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>Server-id&apos;et er ugyldigt eller findes ikke.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Server-id&apos;et for Halvenor Drive er ugyldigt eller findes ikke.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Relætjenesten er midlertidigt utilgængelig. Prøv igen senere.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Der opstod en ukendt fejl.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Der opstod en filkonflikt.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Den lokale database er beskadiget.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Filen eller mappen findes ikke.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Forbindelsen til serveren blev afbrudt.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Denne Tavlo er tilknyttet en anden server.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Denne Tavlo er tilknyttet en anden Halvenor Drive-server.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora kan ikke oprette et delingslink til dette element.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora er deaktiveret på serveren. Kontakt din administrator.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora er deaktiveret</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Serverens lager er fuldt</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Linket til denne fil kan ikke hentes.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialiseringen mislykkedes.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Ugyldig parameter.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Angiv et portnummer mellem 1 og 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Din IP-adresse er blevet blokeret af serveren.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Denne computer er allerede tilknyttet denne Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>Den lokale synkroniseringsmappe mangler.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>For mange mislykkede loginforsøg. Prøv igen senere.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Der opstod en netværksfejl. Kontroller din forbindelse.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Der er ingen tilgængelig forbindelse til denne fil.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Din administrator kræver totrinsbekræftelse. Aktivér den først på webportalen.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekræftelseskoden er forkert.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Der kræves en bekræftelseskode.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Adgang nægtet.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Serveren bruger en inkompatibel protokolversion.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive på serveren bruger en inkompatibel protokolversion.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Angiv proxyserverens adresse og port.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Din adgangskode er udløbet. Skift den på webportalen.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick tillader ikke, at denne fil deles.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>Fjernmappen er ikke monteret.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Den delte mappe kan ikke aktiveres.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>Den delte mappe er i konflikt med en eksisterende synkroniseringsmappe.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Du har nået det maksimale antal delte mapper.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Ugyldigt monteringspunkt</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Den delte mappe blev ikke fundet</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Den delte mappe er ikke monteret på serveren.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Ingen tilladelse</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Det delte element kan ikke slettes.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Serverens SSL-certifikat er ændret.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Serverens SSL-certifikat kan ikke bekræftes.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>Synkroniseringsmappen ligger på et drev, der ikke er monteret.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Relætunnelen er deaktiveret på serveren.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Tjenesten til brugernes hjemmemapper er deaktiveret på serveren.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Brugeroplysningerne er ikke tilgængelige.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Angiv et brugernavn.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Du har ikke tilladelse til at bruge Halvenor Drive. Kontakt din administrator.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Denne klientversion understøttes ikke længere. Opgrader klienten.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Denne version af Halvenor Drive understøttes ikke længere. Opgrader Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>Serverversionen er for gammel. Opgrader serverpakken.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>Serverversionen er for gammel til Halvenor Drive. Opgrader serverpakken.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Inkompatibel version</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Der findes ingen tidligere version af denne fil.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Blokerede filnavne</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Filtypenavne</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Maksimal filstørrelse</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Synkroniser ikke filer, der er større end %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filfilter</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 filer opdateret</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Udfør</translation>
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
        <translation>Vis vejledningen igen</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Vis vejledningen til Halvenor Drive igen</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Forstået</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Alle hændelser</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Brugerdefineret</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Datointerval</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
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
        <translation>Nøgleord</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Seneste måned</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Seneste uge</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Omdøbt på denne computer</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Ingen historik endnu</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historik</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Omdøbt på serveren</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
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
        <translation>Upload</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>I går</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>Mappen indeholder allerede filer. De flettes med filerne på serveren.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloader</translation>
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
        <translation>Uploader</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Sidste side</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Opret forbindelse til en anden server</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Indlæser...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Søger efter Tavlo-enheder på det lokale netværk...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Downloadhistorik</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Synkroniseringsopgaver</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Vis synkroniseringsindstillinger i genvejsmenuen</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Vis skrivebordsmeddelelser</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Vis ikoner for synkroniseringsstatus på filer og mapper</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Krypter dataoverførsler med SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Start Halvenor, når jeg logger på</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Start Halvenor Drive, når jeg logger på</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Fletningstilstand</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Vis ikoner på elementer, der ikke synkroniseres</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synkroniseringstilstand</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Synkroniseringstilstand</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Brug sort-hvide ikoner</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Proxyserveren kræver et brugernavn og en adgangskode</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuel proxykonfiguration</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Brug systemets proxyindstillinger</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brugernavn</translation>
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
        <translation>Proxyindstillinger</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Anvender indstillinger...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Ingen indstillinger blev ændret.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Dine ændringer er ikke gemt. Vil du gemme dem nu?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Skift mappe</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivér</translation>
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
        <translation>Opgaver</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
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
        <translation>december</translation>
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
        <translation>marts</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
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
        <translation>Flere vejledninger</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Om Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Overvåger filændringer...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Kontrollerer dine loginoplysninger...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Er du sikker på, at du vil fjerne tilknytningen af denne computer?\nFiler, der allerede er synkroniseret, forbliver på denne computer.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Forbindelsen er oprettet.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiveret</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Serverens lager er fuldt. Synkroniseringen er sat på pause, indtil der er frigjort plads.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Lageret i Halvenor Drive er fuldt. Synkroniseringen er sat på pause, indtil der er frigjort plads.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Downloaden blev stoppet.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>Downloaden er fuldført.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Downloader %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Downloaden mislykkedes.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiveret</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Noget gik galt. Prøv igen.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive stødte på et problem. Prøv igen.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Opsætningen er fuldført.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Du kan til enhver tid ændre disse indstillinger via ikonet for Halvenor Drive i meddelelsesområdet.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>Den valgte mappe er et monteringspunkt. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>Den valgte mappe er ikke tom. Filerne i den synkroniseres med serveren.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>Den valgte mappe er ikke tom. Filerne i den synkroniseres med Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Du kan ikke skrive til den valgte mappe.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Angiv adressen på din Halvenor-server og dine kontooplysninger.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>Det nye sprog træder i kraft, når du genstarter programmet.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Opretter forbindelse...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Den lokale disk er fuld. Synkroniseringen er sat på pause, indtil der er frigjort plads.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Vil du flette indholdet af den lokale mappe med mappen på serveren?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Ændringer på netværksdrev registreres muligvis ikke med det samme.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synkroniserer %1 af %2 filer</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Din lagerkvote på serveren er opbrugt.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor kører allerede.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive kører allerede.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Vælg en mappe</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Vælg en mappe på denne computer, der skal synkroniseres med serveren.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>har delt et element med dig.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Den delte mappes kvote er opbrugt.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Er du sikker på, at du vil slette dette delte element?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Dine filer, overalt.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Serverens SSL-certifikat er ændret.\nHar du tillid til det nye certifikat?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Serverens SSL-certifikat er ikke tillidsværdigt.\nVil du fortsætte alligevel?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Starter...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Synkroniser og del filer på tværs af alle dine enheder.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester forbindelsen...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Brugernavnet kunne ikke bekræftes.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Fjerner tilknytning...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Opgraderer...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Velkommen til Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
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
        <translation>Nej</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Udskriv</translation>
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
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Er du sikker på, at du vil annullere installationen af Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Annuller installation</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Installation af Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Jeg accepterer vilkårene i licensaftalen</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Læs følgende licensaftale omhyggeligt.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Jeg accepterer ikke vilkårene i licensaftalen</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Slutbrugerlicensaftale</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klik på Udfør for at afslutte installationsguiden.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Start Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Installationen er fuldført</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive er installeret.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Installationsguiden til Halvenor Drive er fuldført</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>Installationsguiden blev afsluttet før tid på grund af en fejl. Dit system er ikke blevet ændret.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Hvis du vil installere programmet senere, skal du køre installationsguiden igen. Klik på Udfør for at afslutte installationsguiden.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Installationen mislykkedes</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Installationsguiden til Halvenor Drive blev afsluttet før tid</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Luk programmerne, og forsøg at genstarte dem.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Luk ikke programmerne. En genstart vil være nødvendig.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Nogle filer, der skal opdateres, er i brug.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Filer i brug</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Følgende programmer bruger filer, som installationen skal opdatere.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Luk disse programmer, og klik på Prøv igen for at fortsætte, eller klik på Afslut for at forlade installationen.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Gør det muligt at ændre, hvordan funktioner installeres.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive har ingen separate funktioner, der kan ændres.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Rediger installationen</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Vælg den handling, du vil udføre.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Fjerner Halvenor Drive fra computeren.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Fjern installationen</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Reparerer fejl i den seneste installation ved at gendanne manglende og beskadigede filer og genveje.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Reparer installationen</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Rediger, reparer eller fjern installationen</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Med installationsguiden kan du ændre, hvordan Halvenor Drive er installeret på computeren, eller reparere eller fjerne programmet.\nKlik på Næste for at fortsætte eller på Annuller for at afslutte installationsguiden.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Velkommen til vedligeholdelse af Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Vent, mens installationsguiden installerer Halvenor Drive.</translation>
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
        <translation>Dette kan tage et par minutter.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik på Installer for at starte installationen. Klik på Tilbage for at gennemse eller ændre installationsindstillingerne. Klik på Annuller for at afslutte guiden.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Klar til at installere Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>Installationsguiden er klar til at starte installationen.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik på Fjern for at fjerne Halvenor Drive fra computeren. Klik på Tilbage for at gennemse eller ændre installationsindstillingerne. Klik på Annuller for at afslutte guiden.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Klar til at fjerne Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>Installationsguiden er klar til at fjerne Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klik på Reparer for at reparere installationen af Halvenor Drive. Klik på Tilbage for at gennemse eller ændre installationsindstillingerne. Klik på Annuller for at afslutte guiden.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Klar til at reparere Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>Installationsguiden er klar til at reparere Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>Installationsguiden blev afbrudt. Dit system er ikke blevet ændret.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Hvis du vil installere Halvenor Drive senere, skal du køre installationsguiden igen. Klik på Udfør for at afslutte installationsguiden.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Installationen blev afbrudt</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Installationsguiden til Halvenor Drive blev afbrudt</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Installationsguiden installerer Halvenor Drive på computeren.\nKlik på Næste for at fortsætte eller på Annuller for at afslutte installationsguiden.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Velkommen til installationsguiden til Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Netværksindstillinger</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Næste %1 sider</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nej tak</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Der er ikke valgt en gyldig mappe.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Meddelelser</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>har kommenteret</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>har nævnt dig i</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>har anmodet om adgang til</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>har delt med dig</translation>
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
        <translation>Åbn på webportalen</translation>
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
        <translation>Adgangsanmodninger</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivitet</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Nogle filer kunne ikke synkroniseres. Klik her for at få flere oplysninger.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Synkroniseringsproblem</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 har delt &quot;%2&quot; med dig.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Nyt delt element</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synkronisering efter behov</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Envejsdownload</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Download kun ændringer fra serveren</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Download kun ændringer fra Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Envejsupload</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Åbn mappen med elementet</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Åbn fil</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Åbn mappe</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Åbn Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Vis synkroniseringsstatus</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sæt på pause</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Interne brugere</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Brugere, der er logget på, kan se</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Brugere, der er logget på, kan redigere</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Begrænset</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Kun personer, du inviterer, kan åbne linket</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Offentlig</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Alle med linket kan se</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Alle med linket kan redigere</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kan se</translation>
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
        <translation>Halvenor synkroniserer nu dine filer.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive synkroniserer nu dine filer.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Dine filer holdes synkroniseret mellem denne computer og serveren.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Få mere at vide om Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Få mere at vide om Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Alt er klar!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Åbn min synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Du kan kun se filerne i denne mappe. Ændringer foretaget på denne computer uploades ikke.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Du kan kun se filerne i denne Halvenor Drive-mappe. Ændringer foretaget på denne computer uploades ikke.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Senest ændret</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>lørdag</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Anvend på alle undermapper</translation>
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
        <translation>Vælg mapper</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Vælg en synkroniseringstilstand</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Mapper, som du fravælger, fjernes fra denne computer, men forbliver på serveren.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selektiv synkronisering...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Er du sikker på, at du vil fjerne denne synkroniseringsopgave?\nSynkroniserede filer forbliver på denne computer.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Hvis du deaktiverer denne delte mappe, fjernes dens filer fra denne computer.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Deling er aktiveret</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Inviter personer</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Delingslink</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Linktilladelse</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Brugere og grupper</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Vil du synkronisere de elementer, der er delt med dig?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Gem og kopiér link</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Brugerdefineret varighed</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Udløber den</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Begræns antallet af adgange</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Tilgængelig fra</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Udløber efter %1 adgange</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Linkdeling</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Begræns adgang</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Nogle filer blev ikke synkroniseret</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Serverens disk er fuld</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Tavlo er blevet ændret</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Klienten skal opgraderes</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Serveren skal opgraderes</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Den lokale disk er fuld</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sat på pause</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Adgang nægtet</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Kvoten er overskredet</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Certifikatbekræftelsen mislykkedes</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synkroniserer...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Opdateret</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>søndag</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>Synkroniseringsretningen for denne mappe stemmer ikke overens med indstillingen på serveren.</translation>
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
        <translation>For %1 dage siden</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>For %1 timer siden</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Lige nu</translation>
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
        <translation>Skift synkroniseringsmappen</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Denne computer</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Synkroniseringsoversigt</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Forbindelsestype</translation>
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
        <translation>Mappesti</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Dobbeltklik på ikonet for at åbne synkroniseringsmappen</translation>
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
        <translation>Angiv serverens IP-adresse, værtsnavn eller server-id.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Åbn Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Aktivér SSL-kryptering</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sikkerhedsadvarsel</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Statusoplysninger</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Opgrader</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Værdi</translation>
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
        <translation>Der er en ny version tilgængelig. Klik for at opdatere.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive er tilgængelig. Klik for at opdatere.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Synkroniserer nu</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Kontrollerer data...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Tavlo er blevet udskiftet. Tilknyt den igen.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download fuldført</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Åbn synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Genopret forbindelse</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Forbindelsesoplysninger</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Synkroniseret på alle dine enheder</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 filer synkroniseres</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Ustabil forbindelse</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Senest opdaterede filer</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Opdaterer...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Opgrader nu</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Prøv at synkronisere igen</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>tirsdag</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Åbn webportalen</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Tillykke!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Du er klar til at bruge Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Filer, som du lægger i din synkroniseringsmappe, holdes opdaterede på alle dine enheder.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Din synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Højreklik på en fil for at dele den eller gennemse dens tidligere versioner.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Del og gendan</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Ikonet i meddelelsesområdet viser synkroniseringsstatus med et hurtigt blik.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Klik på det for at sætte synkroniseringen på pause, åbne synkroniseringsmappen eller ændre indstillingerne.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Synkroniseringsstatus</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Start rundvisningen</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Brug Selektiv synkronisering til at vælge, hvilke mapper der skal gemmes på denne computer.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Mapper, som du udelader, forbliver sikkert på serveren.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Vælg, hvad der skal synkroniseres</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Tovejssynkronisering</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Opdater serverpakken for at bruge Selektiv synkronisering.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Opgraderingen mislykkedes. Prøv igen senere.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Halvenor Drive kunne ikke opgraderes. Prøv igen senere.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Brug Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>onsdag</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Du har ikke tilladelse til at få adgang til denne synkroniseringsmappe.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Login mislykkedes. Kontroller dit brugernavn og din adgangskode.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Der kræves en nyere klientversion. Vil du opgradere nu?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Klienten kunne ikke opgraderes.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Filer, der er i konflikt med serveren, sikkerhedskopieres, før synkroniseringen starter.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Denne mappe overlapper en anden synkroniseringsopgave. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Angiv serveradressen og din konto for at oprette forbindelse.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Opret en Halvenor-mappe</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Den lokale mappe kunne ikke oprettes.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Opret en Oskavel Drive-mappe</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Der er ikke nok ledig plads på disken til denne synkroniseringsmappe.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Der er ikke nok ledig plads på disken til denne Halvenor Drive-mappe.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Synkronisering efter behov kunne ikke aktiveres.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Find Tavlo-enheder på dit lokale netværk</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Denne computer er nu tilknyttet din Halvenor-server.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Denne computer er nu tilknyttet Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>Den valgte synkroniseringsmappe er ugyldig.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Synkroniseringsmappen kan ikke kontrolleres på grund af en netværksfejl.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Vælg en mappe på serveren og en mappe på denne computer, der skal holdes synkroniseret.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Ny synkroniseringsopgave</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Din kvote på serveren er opbrugt.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>Synkroniseringsmappen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Angiv synkroniseringsmappen</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Vælg, hvor dine synkroniserede filer skal gemmes på denne computer.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Placering af synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Vælg selv mapperne og synkroniseringsreglerne.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Avanceret opsætning</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Hvordan vil du konfigurere synkroniseringen?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Opsætningstilstand</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Synkroniser din hjemmemappe med de anbefalede indstillinger.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Hurtig opsætning</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Denne mappe synkroniseres allerede af en anden opgave.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Synkronisering af den samme mappe to gange kan medføre konflikter.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Vælg en anden mappe, eller fjern den eksisterende opgave.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Dublet af synkroniseringsopgave</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Der findes allerede en delt mappe med dette navn.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>Den delte mappe for denne synkroniseringsopgave findes ikke længere.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Synkroniser de elementer, som andre har delt med dig, til denne computer.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Måske senere</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Aktivér nu</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Filer, der er delt med dig, kan også synkroniseres.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Synkroniser elementer, der er delt med mig</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Serverens SSL-certifikat er ændret. Bekræft det, før denne mappe synkroniseres.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Serverens SSL-certifikat kan ikke bekræftes, så denne mappe kan ikke synkroniseres.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Synkroniser med en anden server</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Tilføj en synkroniseringsopgave</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Der opstod en systemfejl under kontrollen af synkroniseringsmappen.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Denne mappe blev synkroniseret af en anden brugerkonto.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Din konto er blevet deaktiveret.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor holder dine filer synkroniseret mellem denne computer og din server.\nLad os konfigurere din første synkroniseringsopgave.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive holder dine filer synkroniseret mellem denne computer og din server.\nLad os konfigurere din første synkroniseringsopgave.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Brug for hjælp? Besøg hjælpecenteret for Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Brug for hjælp? Besøg hjælpecenteret for Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Vent, mens guiden indlæses...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Vent, mens Halvenor Drive indlæses...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Velkommen til Halvenor</translation>
    </message>
</context>
</TS>
