<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Den här versionen av Halvenor är redan installerad. Vill du installera den igen?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>En nyare version av Halvenor är redan installerad. Installationsprogrammet avslutas nu.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Installation för alla användare kräver administratörsbehörighet.\nVill du installera Halvenor endast för den aktuella användaren?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Den här versionen av Oskavel Drive är redan installerad. Vill du installera den igen?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>En nyare version av Oskavel Drive är redan installerad. Installationsprogrammet avslutas nu.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Lägg till filnamn</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Lägg till mapp</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nästa månad</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Föregående månad</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Ändra synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Lokal dator</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Fjärrserver</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Loggkategori</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtrera loggposter</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Uppdatera loggen</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Information om synkroniseringsuppgiften</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Lokalt mål</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Fjärrmål</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Stäng självstudien</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Självstudie för Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Självstudie för Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Stoppa nedladdningen</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Ta bort nedladdad version</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Ladda ned en tidigare version</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Välj de delade mapparna på din Halvenor-server som du vill synkronisera med den här datorn.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Välj de teammappar i Halvenor Drive som du vill synkronisera med den här datorn.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Guide för avancerad konfiguration</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Avancerade inställningar</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Den automatiska konfigurationen misslyckades. Konfigurera anslutningen manuellt.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Slutför den automatiska konfigurationen...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>Konfigurationsnyckeln har tillämpats.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Filterinställningar</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Filer och mappar som matchar de här reglerna synkroniseras inte.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Filer med de här namnen synkroniseras inte. Jokertecken som *.tmp är tillåtna.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Blockerade filer</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Synkronisera inte filer vars namn börjar med en punkt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändra</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Välj en annan</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Redigera anslutning</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senare</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Hantera</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Sammanfoga</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Konfigurera</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Fortsätt ändå</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Starta nu</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Datornamn</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Skapad</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
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
        <translation>Tid</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Det här fältet är obligatoriskt.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Vissa fält är ogiltiga. Kontrollera dem och försök igen.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Ange högst %1 tecken.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Inga data</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Dela</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Behåll båda versionerna och byt namn på kopian från den här datorn</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Behåll båda versionerna i Halvenor Drive och byt namn på kopian från den här datorn</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Behåll den senast ändrade versionen</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>När en fil har ändrats både på servern och på den här datorn:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Behåll alltid serverns version</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Byt namn på den lokala filen och behåll båda</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Direktanslutning</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Reläanslutning</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Lokalt nätverk</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Identifierar anslutningstypen...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Ange verifieringskoden från din autentiseringsapp:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Sluta synkronisera den här mappen</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Sluta synkronisera de här mapparna</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Inga alternativ tillgängliga</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Synkronisera den här mappen igen</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Synkronisera de här mapparna igen</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Skicka till %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Kopiera delningslänk</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Bläddra bland tidigare versioner</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Välj vad du vill synkronisera med den här datorn.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Mina filer och teammappar</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Synkronisera dina egna filer och de teammappar som du har åtkomst till.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Delat med mig</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Synkronisera filer och mappar som andra har delat med dig.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Skapa en synkroniseringsuppgift</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Den här filen kan inte laddas ned just nu. Försök igen senare.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Det går inte att visa versionerna av den här filen.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Det går inte att skapa en delningslänk för det här objektet.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive är klar.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive initialiserar...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Den här anslutningen är inaktiv.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Visa svartvita ikoner i menyraden och meddelandefältet</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Visa synkroniseringsmappen i filhanterarens sidofält</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Behåll filer på servern när de tas bort från den här datorn</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Visa inte det här meddelandet igen</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Endast nedladdning</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Översikt över Tavlo</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo kan inte nå servern.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Det finns inga delade mappar.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Aktivera Synkronisering vid behov</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Användarnamnet eller lösenordet är felaktigt.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Inloggningen misslyckades</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Det går inte att nå relätjänsten.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>Server-ID:t är ogiltigt eller finns inte.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Server-ID:t för Halvenor Drive är ogiltigt eller finns inte.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Relätjänsten är tillfälligt otillgänglig. Försök igen senare.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ett okänt fel har inträffat.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>En filkonflikt har uppstått.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Den lokala databasen är skadad.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Filen eller mappen finns inte.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Anslutningen till servern bröts.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Den här Tavlo är länkad till en annan server.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Den här Tavlo är länkad till en annan Halvenor Drive-server.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora kan inte skapa en delningslänk för det här objektet.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora är inaktiverat på servern. Kontakta administratören.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora är inaktiverat</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Serverns lagringsutrymme är fullt</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Det går inte att hämta länken till den här filen.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initieringen misslyckades.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Ogiltig parameter.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Ange ett portnummer mellan 1 och 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Din IP-adress har blockerats av servern.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Den här datorn är redan länkad till den här Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>Den lokala synkroniseringsmappen saknas.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>För många misslyckade inloggningsförsök. Försök igen senare.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Ett nätverksfel har inträffat. Kontrollera anslutningen.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Det finns ingen anslutning tillgänglig för den här filen.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Administratören kräver tvåstegsverifiering. Aktivera den först i webbportalen.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Verifieringskoden är felaktig.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>En verifieringskod krävs.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Åtkomst nekad.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Servern använder en inkompatibel protokollversion.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive på servern använder en inkompatibel protokollversion.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Ange proxyserverns adress och port.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Ditt lösenord har gått ut. Ändra det i webbportalen.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick tillåter inte att den här filen delas.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>Fjärrmappen är inte monterad.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Det går inte att aktivera den delade mappen.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>Den delade mappen står i konflikt med en befintlig synkroniseringsmapp.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Du har nått det högsta tillåtna antalet delade mappar.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Ogiltig monteringspunkt</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Den delade mappen hittades inte</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Den delade mappen är inte monterad på servern.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Behörighet saknas</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Det går inte att ta bort det delade objektet.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Serverns SSL-certifikat har ändrats.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Det går inte att verifiera serverns SSL-certifikat.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>Synkroniseringsmappen finns på en volym som inte är monterad.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Relätunneln är inaktiverad på servern.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Tjänsten för användarnas hemmappar är inaktiverad på servern.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Användarinformationen är inte tillgänglig.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Ange ett användarnamn.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Du har inte behörighet att använda Halvenor Drive. Kontakta administratören.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Den här klientversionen stöds inte längre. Uppgradera klienten.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Den här versionen av Halvenor Drive stöds inte längre. Uppgradera Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>Serverversionen är för gammal. Uppgradera serverpaketet.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>Serverversionen är för gammal för Halvenor Drive. Uppgradera serverpaketet.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Inkompatibel version</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Det finns ingen tidigare version av den här filen.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Blockerade filnamn</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Filnamnstillägg</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Maximal filstorlek</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Synkronisera inte filer som är större än %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filfilter</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 filer uppdaterade</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Slutför</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Första sidan</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Mappnamn</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Mappfilter</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Fredag</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Visa självstudien igen</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Visa självstudien för Halvenor Drive igen</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Jag förstår</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Alla händelser</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Anpassat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Datumintervall</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Nedladdning</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Filtyp</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mapp</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Från</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 objekt</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Nyckelord</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Förra månaden</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Förra veckan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Namnet ändrades på den här datorn</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Ingen historik ännu</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historik</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Namnet ändrades på servern</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Till</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Uppladdning</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>I går</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>Mappen innehåller redan filer. De sammanfogas med filerna på servern.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laddar ned</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Filen är låst</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Förbereder...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laddar upp</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Sista sidan</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Anslut till en annan server</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Läser in...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Söker efter Tavlo-enheter i det lokala nätverket...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Nedladdningshistorik</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Synkroniseringsuppgifter</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Visa synkroniseringsalternativ i snabbmenyn</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Visa skrivbordsaviseringar</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Visa synkroniseringsstatusikoner på filer och mappar</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Kryptera dataöverföringar med SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Starta Halvenor när jag loggar in</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Starta Halvenor Drive när jag loggar in</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Sammanfogningsläge</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Visa ikoner på objekt som inte synkroniseras</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Synkroniseringsläge</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Synkroniseringsläge</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Använd svartvita ikoner</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Proxyservern kräver användarnamn och lösenord</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfiguration</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Använd systemets proxyinställningar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adress</translation>
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
        <translation>Proxyinställningar</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tillämpar inställningar...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Inga inställningar har ändrats.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Dina ändringar har inte sparats. Vill du spara dem nu?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Byt mapp</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Lokal synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Delning</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Delade mappar</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Uppgifter</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Tillämpa</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Måndag</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Augusti</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januari</translation>
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
        <translation>Mars</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maj</translation>
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
        <translation>Fler självstudier</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Om Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Bevakar filändringar...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Kontrollerar dina inloggningsuppgifter...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Vill du verkligen koppla från den här datorn?\nFiler som redan har synkroniserats finns kvar på den här datorn.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Anslutningen lyckades.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Inaktiverad</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Serverns lagringsutrymme är fullt. Synkroniseringen pausas tills utrymme frigörs.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Lagringsutrymmet i Halvenor Drive är fullt. Synkroniseringen pausas tills utrymme frigörs.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Nedladdningen stoppades.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>Nedladdningen är klar.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Laddar ned %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Nedladdningen misslyckades.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiverad</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Något gick fel. Försök igen.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Ett problem uppstod i Halvenor Drive. Försök igen.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Konfigurationen är klar.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Du kan när som helst ändra de här inställningarna via Halvenor Drive-ikonen i meddelandefältet.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>Den valda mappen är en monteringspunkt. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>Den valda mappen är inte tom. Filerna i den kommer att synkroniseras med servern.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>Den valda mappen är inte tom. Filerna i den kommer att synkroniseras med Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Du kan inte skriva till den valda mappen.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Ange adressen till din Halvenor-server och dina kontouppgifter.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>Det nya språket börjar gälla när du startar om programmet.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Den lokala disken är full. Synkroniseringen pausas tills utrymme frigörs.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Vill du sammanfoga innehållet i den lokala mappen med mappen på servern?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Ändringar på nätverksenheter kanske inte upptäcks direkt.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synkroniserar %1 av %2 filer</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Din lagringskvot på servern är förbrukad.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor körs redan.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive körs redan.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Välj en mapp</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Välj en mapp på den här datorn som ska synkroniseras med servern.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>delade ett objekt med dig.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Den delade mappens kvot är förbrukad.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Vill du verkligen ta bort det här delade objektet?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Dina filer, överallt.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Serverns SSL-certifikat har ändrats.\nLitar du på det nya certifikatet?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Serverns SSL-certifikat är inte betrott.\nVill du fortsätta ändå?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Startar...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Synkronisera och dela filer mellan alla dina enheter.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testar anslutningen...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Det gick inte att verifiera användarnamnet.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kopplar från...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Uppgraderar...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Välkommen till Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorera</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installera</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparera</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Vill du verkligen avbryta installationen av Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Avbryt installationen</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Installation av Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Jag godkänner villkoren i licensavtalet</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Läs följande licensavtal noggrant.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Jag godkänner inte villkoren i licensavtalet</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Licensavtal för slutanvändare</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Klicka på Slutför för att avsluta installationsguiden.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Starta Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Installationen är klar</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive har installerats.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Installationsguiden för Halvenor Drive är slutförd</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>Installationsguiden avslutades i förtid på grund av ett fel. Inga ändringar har gjorts i systemet.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Om du vill installera programmet senare kör du installationsguiden igen. Klicka på Slutför för att avsluta installationsguiden.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Installationen misslyckades</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Installationsguiden för Halvenor Drive avslutades i förtid</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Stäng programmen och försök starta om dem.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Stäng inte programmen. En omstart kommer att krävas.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Vissa filer som måste uppdateras används.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Filer som används</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Följande program använder filer som installationsprogrammet måste uppdatera.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Stäng de här programmen och klicka på Försök igen för att fortsätta, eller klicka på Avsluta för att lämna installationen.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Gör att du kan ändra hur funktioner installeras.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive har inga separata funktioner som kan ändras.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Ändra installationen</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Välj den åtgärd som du vill utföra.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Tar bort Halvenor Drive från datorn.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Ta bort installationen</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Reparerar fel i den senaste installationen genom att återställa saknade och skadade filer och genvägar.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Reparera installationen</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Ändra, reparera eller ta bort installationen</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Med installationsguiden kan du ändra hur Halvenor Drive är installerat på datorn, eller reparera eller ta bort programmet.\nKlicka på Nästa för att fortsätta eller på Avbryt för att avsluta installationsguiden.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Välkommen till underhåll av Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Vänta medan installationsguiden installerar Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Installerar Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Det här kan ta några minuter.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicka på Installera för att starta installationen. Klicka på Tillbaka för att granska eller ändra installationsinställningarna. Klicka på Avbryt för att avsluta guiden.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Klart att installera Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>Installationsguiden är redo att starta installationen.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicka på Ta bort för att ta bort Halvenor Drive från datorn. Klicka på Tillbaka för att granska eller ändra installationsinställningarna. Klicka på Avbryt för att avsluta guiden.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Klart att ta bort Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>Installationsguiden är redo att ta bort Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Klicka på Reparera för att reparera installationen av Halvenor Drive. Klicka på Tillbaka för att granska eller ändra installationsinställningarna. Klicka på Avbryt för att avsluta guiden.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Klart att reparera Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>Installationsguiden är redo att reparera Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>Installationsguiden avbröts. Inga ändringar har gjorts i systemet.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Om du vill installera Halvenor Drive senare kör du installationsguiden igen. Klicka på Slutför för att avsluta installationsguiden.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Installationen avbröts</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Installationsguiden för Halvenor Drive avbröts</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Installationsguiden installerar Halvenor Drive på datorn.\nKlicka på Nästa för att fortsätta eller på Avbryt för att avsluta installationsguiden.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Välkommen till installationsguiden för Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Nätverksinställningar</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Nästa %1 sidor</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nej tack</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Ingen giltig mapp har valts.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Aviseringar</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>kommenterade</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>nämnde dig i</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>begärde åtkomst till</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>delade med dig</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentarer</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Omnämnanden</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Öppna i webbportalen</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Delat</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synkronisering</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Åtkomstbegäranden</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivitet</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Vissa filer kunde inte synkroniseras. Klicka här för mer information.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Synkroniseringsproblem</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 delade ”%2” med dig.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Nytt delat objekt</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synkronisering vid behov</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Envägsnedladdning</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Ladda endast ned ändringar från servern</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Ladda endast ned ändringar från Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Envägsuppladdning</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Öppna överordnad mapp</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Öppna mapp</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Öppna Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Visa synkroniseringsstatus</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Interna användare</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Inloggade användare kan visa</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Inloggade användare kan redigera</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Begränsad</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Endast personer som du bjuder in kan öppna länken</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Offentlig</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Alla som har länken kan visa</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Alla som har länken kan redigera</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Kan visa</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Kan redigera</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Föregående %1 sidor</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor synkroniserar nu dina filer.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive synkroniserar nu dina filer.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Dina filer hålls synkroniserade mellan den här datorn och servern.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Läs mer om Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Läs mer om Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Allt är klart!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Öppna min synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivskyddad</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Du kan bara visa filerna i den här mappen. Ändringar som görs på den här datorn laddas inte upp.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Du kan bara visa filerna i den här Halvenor Drive-mappen. Ändringar som görs på den här datorn laddas inte upp.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Nyligen ändrade</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Lördag</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Tillämpa på alla undermappar</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Selektiv synkronisering</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Synkroniseringsriktning</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Filtrera filer</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Välj mappar</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Välj ett synkroniseringsläge</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Mappar som du avmarkerar tas bort från den här datorn men finns kvar på servern.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selektiv synkronisering...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Vill du verkligen ta bort den här synkroniseringsuppgiften?\nSynkroniserade filer finns kvar på den här datorn.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Om du inaktiverar den här delade mappen tas dess filer bort från den här datorn.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Delning aktiverad</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Bjud in personer</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Delningslänk</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Länkbehörighet</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Användare och grupper</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Vill du synkronisera objekten som har delats med dig?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Spara och kopiera länk</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Anpassad varaktighet</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Upphör att gälla</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Begränsa antalet åtkomster</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Tillgänglig från</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Upphör att gälla efter %1 åtkomster</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Länkdelning</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Begränsa åtkomst</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Vissa filer synkroniserades inte</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Serverns disk är full</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Tavlo har ändrats</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Klientuppgradering krävs</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Serveruppgradering krävs</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Den lokala disken är full</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Åtkomst nekad</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Kvoten har överskridits</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Certifikatverifieringen misslyckades</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synkroniserar...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Uppdaterad</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Söndag</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>Synkroniseringsriktningen för den här mappen stämmer inte med inställningen på servern.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Synkronisera temporära filer</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Torsdag</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>För %1 dagar sedan</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>För %1 timmar sedan</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Just nu</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>För %1 minuter sedan</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Ny delning</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Ändra synkroniseringsmappen</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Den här datorn</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Synkroniseringsöversikt</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Anslutningstyp</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Mappen är inte tom</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Skrivskyddad mapp</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Mappsökväg</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Dubbelklicka på ikonen för att öppna synkroniseringsmappen</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradress</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Ange IP-adress, värdnamn eller server-ID för din server.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Öppna Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Aktivera SSL-kryptering</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Säkerhetsvarning</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Vänteläge</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Statusinformation</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uppgradera</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Värde</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Välkommen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indexerar mappen...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>En ny version är tillgänglig. Klicka för att uppdatera.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive är tillgängligt. Klicka för att uppdatera.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Synkroniserar nu</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Kontrollerar data...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Tavlo har bytts ut. Länka den igen.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Nedladdningen är klar</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Öppna synkroniseringsmappen</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Återanslut</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Anslutningsinformation</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Synkroniserat på alla dina enheter</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 filer synkroniseras</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Instabil anslutning</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Nyligen uppdaterade filer</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Uppdaterar...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Uppgradera nu</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Försök synkronisera igen</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tisdag</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Öppna webbportalen</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Grattis!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Du är redo att använda Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Filer som du lägger i synkroniseringsmappen hålls uppdaterade på alla dina enheter.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Din synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Högerklicka på en fil för att dela den eller bläddra bland dess tidigare versioner.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Dela och återställ</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Ikonen i meddelandefältet visar synkroniseringsstatusen i ett ögonkast.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Klicka på den för att pausa synkroniseringen, öppna synkroniseringsmappen eller ändra inställningarna.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Synkroniseringsstatus</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Starta rundturen</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Använd Selektiv synkronisering för att välja vilka mappar som ska finnas på den här datorn.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Mappar som du utelämnar finns kvar säkert på servern.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Välj vad som ska synkroniseras</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Tvåvägssynkronisering</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Uppdatera serverpaketet för att använda Selektiv synkronisering.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Uppgraderingen misslyckades. Försök igen senare.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Det gick inte att uppgradera Halvenor Drive. Försök igen senare.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Använd Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Onsdag</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Du har inte behörighet att komma åt den här synkroniseringsmappen.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Inloggningen misslyckades. Kontrollera användarnamn och lösenord.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>En nyare klientversion krävs. Vill du uppgradera nu?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Det gick inte att uppgradera klienten.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Filer som står i konflikt med servern säkerhetskopieras innan synkroniseringen startar.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Den här mappen överlappar en annan synkroniseringsuppgift. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Ange serveradressen och ditt konto för att ansluta.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Skapa en Halvenor-mapp</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Det gick inte att skapa den lokala mappen.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Skapa en Oskavel Drive-mapp</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på disken för den här synkroniseringsmappen.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på disken för den här Halvenor Drive-mappen.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Det gick inte att aktivera Synkronisering vid behov.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Hitta Tavlo-enheter i ditt lokala nätverk</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Den här datorn är nu länkad till din Halvenor-server.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Den här datorn är nu länkad till Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>Den valda synkroniseringsmappen är ogiltig.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Det går inte att kontrollera synkroniseringsmappen på grund av ett nätverksfel.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Välj en mapp på servern och en mapp på den här datorn som ska hållas synkroniserade.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Ny synkroniseringsuppgift</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Din kvot på servern är full.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>Synkroniseringsmappen är skrivskyddad.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Ange synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Välj var dina synkroniserade filer ska lagras på den här datorn.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Synkroniseringsmappens plats</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Välj mappar och synkroniseringsregler själv.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Avancerad konfiguration</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Hur vill du konfigurera synkroniseringen?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Konfigurationsläge</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Synkronisera din hemmapp med de rekommenderade inställningarna.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Snabbkonfiguration</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Den här mappen synkroniseras redan av en annan uppgift.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Om samma mapp synkroniseras två gånger kan det uppstå konflikter.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Välj en annan mapp eller ta bort den befintliga uppgiften.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Dubblerad synkroniseringsuppgift</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Det finns redan en delad mapp med det här namnet.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>Den delade mappen för den här synkroniseringsuppgiften finns inte längre.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Synkronisera objekt som andra har delat med dig till den här datorn.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Kanske senare</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Aktivera nu</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Filer som delas med dig kan också synkroniseras.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Synkronisera objekt som delats med mig</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Serverns SSL-certifikat har ändrats. Bekräfta det innan den här mappen synkroniseras.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Det går inte att verifiera serverns SSL-certifikat, så den här mappen kan inte synkroniseras.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Synkronisera med en annan server</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Lägg till en synkroniseringsuppgift</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Ett systemfel uppstod när synkroniseringsmappen kontrollerades.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Den här mappen synkroniserades av ett annat användarkonto.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Ditt konto har inaktiverats.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor håller dina filer synkroniserade mellan den här datorn och din server.\nNu konfigurerar vi din första synkroniseringsuppgift.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive håller dina filer synkroniserade mellan den här datorn och din server.\nNu konfigurerar vi din första synkroniseringsuppgift.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Behöver du hjälp? Besök hjälpcentret för Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Behöver du hjälp? Besök hjälpcentret för Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Vänta medan guiden läses in...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Vänta medan Halvenor Drive läses in...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Välkommen till Halvenor</translation>
    </message>
</context>
</TS>
