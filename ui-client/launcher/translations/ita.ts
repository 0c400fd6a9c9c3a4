<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Questa versione di Halvenor è già installata. Vuoi installarla di nuovo?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>È già installata una versione più recente di Halvenor. L&apos;installazione verrà chiusa.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Per installare per tutti gli utenti sono necessari i diritti di amministratore.\nVuoi installare Halvenor solo per l&apos;utente corrente?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Questa versione di Oskavel Drive è già installata. Vuoi installarla di nuovo?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>È già installata una versione più recente di Oskavel Drive. L&apos;installazione verrà chiusa.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Aggiungi nome file</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Cambia cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Computer locale</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Server remoto</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Categoria del registro</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtra voci del registro</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Aggiorna registro</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Dettagli dell&apos;attività di sincronizzazione</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Destinazione locale</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Destinazione remota</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Chiudi tutorial</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Tutorial di Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Tutorial di Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Interrompi download</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Elimina versione scaricata</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Scarica una versione precedente</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Scegli le cartelle condivise del server Halvenor da sincronizzare con questo computer.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Scegli le cartelle del team in Halvenor Drive da sincronizzare con questo computer.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Configurazione guidata avanzata</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Configurazione automatica non riuscita. Configura la connessione manualmente.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Completamento della configurazione automatica...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>La chiave di configurazione è stata applicata.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Impostazioni filtro</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>I file e le cartelle che corrispondono a queste regole non vengono sincronizzati.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nomi file</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>I file con questi nomi non vengono sincronizzati. Sono consentiti caratteri jolly come *.tmp.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>File bloccati</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Non sincronizzare i file il cui nome inizia con un punto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Scegli un altro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Modifica connessione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gestisci</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Configura</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continua comunque</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Inizia ora</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nome computer</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creato</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Campo obbligatorio.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Alcuni campi non sono validi. Controllali e riprova.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Inserisci al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Mantieni entrambe le versioni e rinomina la copia di questo computer</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Mantieni entrambe le versioni in Halvenor Drive e rinomina la copia di questo computer</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Mantieni la versione modificata per ultima</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Quando un file è stato modificato sia sul server sia su questo computer:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Mantieni sempre la versione del server</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Rinomina il file locale e mantieni entrambi</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Connessione diretta</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Connessione tramite relay</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Rete locale</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Rilevamento del tipo di connessione...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Inserisci il codice di verifica dell&apos;app di autenticazione:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Non sincronizzare più questa cartella</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Non sincronizzare più queste cartelle</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Nessuna opzione disponibile</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Sincronizza di nuovo questa cartella</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Sincronizza di nuovo queste cartelle</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Invia a %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Copia link di condivisione</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Sfoglia versioni precedenti</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Scegli cosa vuoi sincronizzare con questo computer.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>I miei file e le cartelle del team</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Sincronizza i tuoi file e le cartelle del team a cui hai accesso.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Condivisi con me</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Sincronizza i file e le cartelle che altre persone hanno condiviso con te.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Crea un&apos;attività di sincronizzazione</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Al momento non è possibile scaricare questo file. Riprova più tardi.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Impossibile elencare le versioni di questo file.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Impossibile creare un link di condivisione per questo elemento.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive pronta.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive sta inizializzando...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Questa connessione non è attiva.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Mostra icone in bianco e nero nella barra dei menu e nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Mostra la cartella di sincronizzazione nella barra laterale del file manager</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Mantieni i file sul server quando vengono eliminati da questo computer</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Non mostrare più questo messaggio</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Solo download</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Panoramica di Tavlo</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo non riesce a raggiungere il server.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Non ci sono cartelle condivise.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Attiva Sincronizzazione su richiesta</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Nome utente o password non corretti.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Accesso non riuscito</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Impossibile raggiungere il servizio di relay.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>L&apos;ID del server non è valido o non esiste.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>L&apos;ID del server Halvenor Drive non è valido o non esiste.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Il servizio di relay non è temporaneamente disponibile. Riprova più tardi.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Si è verificato un errore sconosciuto.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Si è verificato un conflitto tra file.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Il database locale è danneggiato.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Il file o la cartella non esiste.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>La connessione al server è stata persa.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Questo Tavlo è collegato a un server diverso.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Questo Tavlo è collegato a un server Halvenor Drive diverso.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora non può creare un link di condivisione per questo elemento.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora è disattivato sul server. Contatta l&apos;amministratore.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora è disattivato</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Spazio di archiviazione del server esaurito</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Impossibile recuperare il link a questo file.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Inizializzazione non riuscita.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Parametro non valido.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Inserisci un numero di porta compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Il tuo indirizzo IP è stato bloccato dal server.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Questo computer è già collegato a questo Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>La cartella di sincronizzazione locale non è stata trovata.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Troppi tentativi di accesso non riusciti. Riprova più tardi.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Si è verificato un errore di rete. Controlla la connessione.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Nessuna connessione disponibile per questo file.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>L&apos;amministratore richiede la verifica in due passaggi. Attivala prima nel portale web.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Il codice di verifica non è corretto.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>È necessario un codice di verifica.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Autorizzazione negata.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Il server usa una versione del protocollo non compatibile.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive sul server usa una versione del protocollo non compatibile.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Inserisci l&apos;indirizzo e la porta del server proxy.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>La password è scaduta. Modificala nel portale web.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick non consente la condivisione di questo file.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>La cartella remota non è montata.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Impossibile attivare la cartella condivisa.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>La cartella condivisa è in conflitto con una cartella di sincronizzazione esistente.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Hai raggiunto il numero massimo di cartelle condivise.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Punto di montaggio non valido</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Cartella condivisa non trovata</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>La cartella condivisa non è montata sul server.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Nessuna autorizzazione</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Impossibile eliminare l&apos;elemento condiviso.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Il certificato SSL del server è cambiato.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Impossibile verificare il certificato SSL del server.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>La cartella di sincronizzazione si trova su un volume non montato.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Il tunnel relay è disattivato sul server.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Il servizio home degli utenti è disattivato sul server.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Informazioni utente non disponibili.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Inserisci un nome utente.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Non sei autorizzato a usare Halvenor Drive. Contatta l&apos;amministratore.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Questa versione del client non è più supportata. Aggiorna il client.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Questa versione di Halvenor Drive non è più supportata. Aggiorna Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>La versione del server è troppo vecchia. Aggiorna il pacchetto del server.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>La versione del server è troppo vecchia per Halvenor Drive. Aggiorna il pacchetto del server.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Versione non compatibile</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Non sono disponibili versioni precedenti di questo file.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Nomi file bloccati</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Estensioni file</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Dimensione massima file</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Non sincronizzare i file più grandi di %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filtro file</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 file aggiornati</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prima pagina</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nome cartella</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Filtro cartelle</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Mostra di nuovo il tutorial</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Mostra di nuovo il tutorial di Halvenor Drive</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ho capito</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Tutti gli eventi</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Intervallo di date</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo di file</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementi</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Parola chiave</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Ultimo mese</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Ultima settimana</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Rinominato su questo computer</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Nessuna cronologia</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Rinominato sul server</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>La cartella contiene già dei file. Verranno uniti ai file presenti sul server.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Il file è bloccato</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparazione in corso...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Upload in corso</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Ultima pagina</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Connetti a un altro server</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Ricerca di dispositivi Tavlo nella rete locale...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Cronologia download</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Attività di sincronizzazione</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Mostra le opzioni di sincronizzazione nel menu contestuale</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Mostra le notifiche sul desktop</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Mostra le icone dello stato di sincronizzazione su file e cartelle</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Crittografa i trasferimenti di dati con SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Avvia Halvenor all&apos;accesso</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Avvia Halvenor Drive all&apos;accesso</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Modalità unione</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Mostra le icone sugli elementi non sincronizzati</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Modalità di sincronizzazione</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Modalità di sincronizzazione</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Usa icone in bianco e nero</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Il server proxy richiede nome utente e password</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configurazione manuale del proxy</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Impostazioni proxy</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applicazione delle impostazioni...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Nessuna impostazione è stata modificata.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Le modifiche non sono state salvate. Vuoi salvarle ora?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambia cartella</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Cartella di sincronizzazione locale</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Condivisione</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Cartelle condivise</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Altri tutorial</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Informazioni su Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Monitoraggio delle modifiche ai file...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Verifica delle credenziali...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Vuoi davvero scollegare questo computer?\nI file già sincronizzati rimangono su questo computer.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Connessione riuscita.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Lo spazio di archiviazione del server è esaurito. La sincronizzazione è in pausa finché non viene liberato spazio.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Lo spazio di archiviazione di Halvenor Drive è esaurito. La sincronizzazione è in pausa finché non viene liberato spazio.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Il download è stato interrotto.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>Download completato.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Download di %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Download non riuscito.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Si è verificato un problema. Riprova.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Si è verificato un problema in Halvenor Drive. Riprova.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Configurazione completata.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Puoi modificare queste impostazioni in qualsiasi momento dall&apos;icona di Halvenor Drive nell&apos;area di notifica.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>La cartella selezionata è un punto di montaggio. Scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>La cartella selezionata non è vuota. I suoi file verranno sincronizzati con il server.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>La cartella selezionata non è vuota. I suoi file verranno sincronizzati con Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Non puoi scrivere nella cartella selezionata.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Inserisci l&apos;indirizzo del server Halvenor e i dati del tuo account.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>La nuova lingua verrà applicata al riavvio dell&apos;applicazione.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Il disco locale è pieno. La sincronizzazione è in pausa finché non viene liberato spazio.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Vuoi unire il contenuto della cartella locale con la cartella sul server?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Le modifiche sulle unità di rete potrebbero non essere rilevate immediatamente.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Sincronizzazione di %1 file su %2</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>La tua quota di spazio sul server è esaurita.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor è già in esecuzione.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive è già in esecuzione.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Scegli una cartella di questo computer da sincronizzare con il server.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>ha condiviso un elemento con te.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>La quota della cartella condivisa è esaurita.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Vuoi davvero eliminare questo elemento condiviso?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>I tuoi file, ovunque.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Il certificato SSL del server è cambiato.\nConsideri attendibile il nuovo certificato?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Il certificato SSL del server non è attendibile.\nVuoi continuare comunque?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Avvio in corso...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Sincronizza e condividi i file su tutti i tuoi dispositivi.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verifica della connessione...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Impossibile verificare il nome utente.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Scollegamento in corso...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Benvenuto in Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Ripara</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Vuoi davvero annullare l&apos;installazione di Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Annulla installazione</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Installazione di Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Accetto i termini del contratto di licenza</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Leggi attentamente il seguente contratto di licenza.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Non accetto i termini del contratto di licenza</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Contratto di licenza con l&apos;utente finale</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Fai clic su Fine per chiudere l&apos;installazione guidata.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Avvia Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Installazione completata</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive è stata installata.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Installazione guidata di Halvenor Drive completata</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>L&apos;installazione guidata è stata interrotta a causa di un errore. Il sistema non è stato modificato.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Per installare questo programma in un secondo momento, esegui di nuovo l&apos;installazione guidata. Fai clic su Fine per chiudere l&apos;installazione guidata.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Installazione non riuscita</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>L&apos;installazione guidata di Halvenor Drive è stata interrotta prima del termine</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Chiudi le applicazioni e prova a riavviarle.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Non chiudere le applicazioni. Sarà necessario un riavvio.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Alcuni file da aggiornare sono in uso.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>File in uso</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Le seguenti applicazioni stanno usando file che l&apos;installazione deve aggiornare.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Chiudi queste applicazioni e fai clic su Riprova per continuare oppure fai clic su Esci per uscire dall&apos;installazione.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Consente di modificare il modo in cui vengono installate le funzionalità.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive non ha funzionalità separate modificabili.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Modifica l&apos;installazione</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Seleziona l&apos;operazione da eseguire.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Rimuove Halvenor Drive dal computer.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Rimuovi l&apos;installazione</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Corregge gli errori dell&apos;installazione più recente ripristinando i file e i collegamenti mancanti o danneggiati.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Ripara l&apos;installazione</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Modifica, ripara o rimuovi l&apos;installazione</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L&apos;installazione guidata consente di modificare il modo in cui Halvenor Drive è installata nel computer, oppure di ripararla o rimuoverla.\nFai clic su Avanti per continuare o su Annulla per uscire dall&apos;installazione guidata.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Benvenuto nella manutenzione di Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Attendi mentre l&apos;installazione guidata installa Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Installazione di Halvenor Drive in corso</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>L&apos;operazione potrebbe richiedere alcuni minuti.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Fai clic su Installa per avviare l&apos;installazione. Fai clic su Indietro per rivedere o modificare le impostazioni di installazione. Fai clic su Annulla per uscire dalla procedura guidata.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Pronto per l&apos;installazione di Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>L&apos;installazione guidata è pronta per avviare l&apos;installazione.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Fai clic su Rimuovi per rimuovere Halvenor Drive dal computer. Fai clic su Indietro per rivedere o modificare le impostazioni di installazione. Fai clic su Annulla per uscire dalla procedura guidata.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Pronto per la rimozione di Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>L&apos;installazione guidata è pronta per rimuovere Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Fai clic su Ripara per riparare l&apos;installazione di Halvenor Drive. Fai clic su Indietro per rivedere o modificare le impostazioni di installazione. Fai clic su Annulla per uscire dalla procedura guidata.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Pronto per la riparazione di Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>L&apos;installazione guidata è pronta per riparare Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>L&apos;installazione guidata è stata interrotta. Il sistema non è stato modificato.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Per installare Halvenor Drive in un secondo momento, esegui di nuovo l&apos;installazione guidata. Fai clic su Fine per chiudere l&apos;installazione guidata.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Installazione interrotta</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>L&apos;installazione guidata di Halvenor Drive è stata interrotta</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L&apos;installazione guidata installerà Halvenor Drive nel computer.\nFai clic su Avanti per continuare o su Annulla per uscire dall&apos;installazione guidata.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Benvenuto nell&apos;installazione guidata di Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Impostazioni di rete</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>%1 pagine successive</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>No, grazie</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Non è stata selezionata alcuna cartella valida.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifiche</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>ha commentato</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>ti ha menzionato in</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>ha richiesto l&apos;accesso a</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>ha condiviso con te</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Menzioni</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Apri nel portale web</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Condivisi</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizzazione</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Richieste di accesso</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Attività recenti</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Non è stato possibile sincronizzare alcuni file. Fai clic qui per i dettagli.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Problema di sincronizzazione</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 ha condiviso &quot;%2&quot; con te.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Nuovo elemento condiviso</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Sincronizzazione su richiesta</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Download unidirezionale</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Scarica solo le modifiche dal server</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Scarica solo le modifiche da Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Upload unidirezionale</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Apri cartella contenitore</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Apri Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Visualizza stato sincronizzazione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Utenti interni</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Gli utenti che hanno eseguito l&apos;accesso possono visualizzare</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Gli utenti che hanno eseguito l&apos;accesso possono modificare</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Con restrizioni</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Solo le persone invitate possono aprire il link</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Pubblico</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Chiunque abbia il link può visualizzare</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Chiunque abbia il link può modificare</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Può visualizzare</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Può modificare</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>%1 pagine precedenti</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor sta sincronizzando i tuoi file.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive sta sincronizzando i tuoi file.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>I tuoi file verranno mantenuti sincronizzati tra questo computer e il server.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Ulteriori informazioni su Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Ulteriori informazioni su Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Tutto pronto!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Apri la mia cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Puoi solo visualizzare i file di questa cartella. Le modifiche apportate su questo computer non vengono caricate.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Puoi solo visualizzare i file di questa cartella di Halvenor Drive. Le modifiche apportate su questo computer non vengono caricate.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Modificati di recente</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Applica a tutte le sottocartelle</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Sincronizzazione selettiva</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Direzione di sincronizzazione</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Filtra file</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Scegli cartelle</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Scegli una modalità di sincronizzazione</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Le cartelle deselezionate vengono rimosse da questo computer ma restano sul server.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Sincronizzazione selettiva...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Vuoi davvero rimuovere questa attività di sincronizzazione?\nI file sincronizzati rimangono su questo computer.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Se disattivi questa cartella condivisa, i suoi file vengono rimossi da questo computer.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Condivisione attivata</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Invita persone</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Link di condivisione</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Autorizzazioni del link</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Utenti e gruppi</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Vuoi sincronizzare gli elementi condivisi con te?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Salva e copia link</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Durata personalizzata</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Scade il</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Limita il numero di accessi</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Disponibile dal</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Scade dopo %1 accessi</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Condivisione tramite link</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Limita accesso</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Alcuni file non sono stati sincronizzati</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Disco del server pieno</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Il Tavlo è cambiato</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Aggiornamento del client necessario</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Aggiornamento del server necessario</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Il disco locale è pieno</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accesso negato</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Quota superata</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Verifica del certificato non riuscita</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizzazione in corso...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>La direzione di sincronizzazione di questa cartella non corrisponde all&apos;impostazione del server.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Sincronizza i file temporanei</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 giorni fa</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 ore fa</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Proprio ora</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 minuti fa</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Nuova condivisione</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Cambia la cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Questo computer</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Panoramica della sincronizzazione</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Tipo di connessione</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Cartella non vuota</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Cartella di sola lettura</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Percorso della cartella</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Fai doppio clic sull&apos;icona per aprire la cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Non attivo</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Inserisci l&apos;indirizzo IP, il nome host o l&apos;ID del server.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Apri Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Attiva crittografia SSL</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Avviso di sicurezza</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Informazioni sullo stato</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indicizzazione della cartella...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>È disponibile una nuova versione. Fai clic per aggiornare.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive è disponibile. Fai clic per aggiornare.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Sincronizzazione in corso</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Verifica dei dati...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Il Tavlo è stato sostituito. Collegalo di nuovo.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Apri cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Riconnetti</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Informazioni sulla connessione</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Sincronizzato su tutti i tuoi dispositivi</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>Sincronizzazione di %1 file in corso</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Connessione instabile</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>File aggiornati di recente</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Riprova a sincronizzare</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Apri il portale web</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulazioni!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Ora puoi usare Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>I file che inserisci nella cartella di sincronizzazione vengono mantenuti aggiornati su tutti i tuoi dispositivi.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>La tua cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Fai clic con il pulsante destro del mouse su un file per condividerlo o sfogliarne le versioni precedenti.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Condividi e ripristina</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>L&apos;icona nell&apos;area di notifica mostra a colpo d&apos;occhio lo stato della sincronizzazione.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Fai clic sull&apos;icona per sospendere la sincronizzazione, aprire la cartella di sincronizzazione o modificare le impostazioni.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Stato della sincronizzazione</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Inizia il tour</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Usa la Sincronizzazione selettiva per scegliere le cartelle da mantenere su questo computer.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Le cartelle escluse restano al sicuro sul server.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Scegli cosa sincronizzare</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Sincronizzazione bidirezionale</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Aggiorna il pacchetto del server per usare la Sincronizzazione selettiva.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Aggiornamento non riuscito. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Impossibile aggiornare Halvenor Drive. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Usa Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Non hai l&apos;autorizzazione per accedere a questa cartella di sincronizzazione.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Accesso non riuscito. Controlla nome utente e password.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>È necessaria una versione più recente del client. Vuoi aggiornarlo ora?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Impossibile aggiornare il client.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Prima dell&apos;avvio della sincronizzazione viene eseguito il backup dei file in conflitto con il server.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Questa cartella si sovrappone a un&apos;altra attività di sincronizzazione. Scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Inserisci l&apos;indirizzo del server e il tuo account per connetterti.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Crea una cartella Halvenor</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Impossibile creare la cartella locale.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Crea una cartella Oskavel Drive</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Spazio libero su disco insufficiente per questa cartella di sincronizzazione.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Spazio libero su disco insufficiente per questa cartella di Halvenor Drive.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Impossibile attivare la Sincronizzazione su richiesta.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Trova dispositivi Tavlo nella rete locale</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Questo computer è ora collegato al server Halvenor.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Questo computer è ora collegato a Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>La cartella di sincronizzazione selezionata non è valida.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Impossibile controllare la cartella di sincronizzazione a causa di un errore di rete.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Scegli una cartella sul server e una cartella su questo computer da mantenere sincronizzate.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Nuova attività di sincronizzazione</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>La tua quota sul server è esaurita.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>La cartella di sincronizzazione è di sola lettura.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Imposta la cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Scegli dove conservare i file sincronizzati su questo computer.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Posizione della cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Scegli tu le cartelle e le regole di sincronizzazione.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Configurazione avanzata</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Come vuoi configurare la sincronizzazione?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Modalità di configurazione</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Sincronizza la tua cartella home con le impostazioni consigliate.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Configurazione rapida</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Questa cartella è già sincronizzata da un&apos;altra attività.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Sincronizzare due volte la stessa cartella può causare conflitti.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Scegli una cartella diversa o rimuovi l&apos;attività esistente.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Attività di sincronizzazione duplicata</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Esiste già una cartella condivisa con questo nome.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>La cartella condivisa di questa attività di sincronizzazione non esiste più.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Sincronizza su questo computer gli elementi che altri hanno condiviso con te.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Forse più tardi</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Attiva ora</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Anche i file condivisi con te possono essere sincronizzati.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Sincronizza gli elementi condivisi con me</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Il certificato SSL del server è cambiato. Confermalo prima che questa cartella venga sincronizzata.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Impossibile verificare il certificato SSL del server, pertanto questa cartella non può essere sincronizzata.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Sincronizza con un altro server</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Aggiungi un&apos;attività di sincronizzazione</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Si è verificato un errore di sistema durante il controllo della cartella di sincronizzazione.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Questa cartella è stata sincronizzata da un account utente diverso.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Il tuo account è stato disattivato.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor mantiene sincronizzati i file tra questo computer e il tuo server.\nConfiguriamo la tua prima attività di sincronizzazione.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive mantiene sincronizzati i file tra questo computer e il tuo server.\nConfiguriamo la tua prima attività di sincronizzazione.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Hai bisogno di aiuto? Visita il Centro assistenza di Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Hai bisogno di aiuto? Visita il Centro assistenza di Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Attendi il caricamento della procedura guidata...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Attendi il caricamento di Halvenor Drive...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Benvenuto in Halvenor</translation>
    </message>
</context>
</TS>
