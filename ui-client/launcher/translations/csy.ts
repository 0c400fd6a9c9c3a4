<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Tato verze aplikace Halvenor je již nainstalována. Chcete ji nainstalovat znovu?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Již je nainstalována novější verze aplikace Halvenor. Instalace bude nyní ukončena.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Instalace pro všechny uživatele vyžaduje oprávnění správce.\nChcete aplikaci Halvenor nainstalovat pouze pro aktuálního uživatele?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Tato verze aplikace Oskavel Drive je již nainstalována. Chcete ji nainstalovat znovu?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Již je nainstalována novější verze aplikace Oskavel Drive. Instalace bude nyní ukončena.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Přidat název souboru</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Přidat složku</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Další měsíc</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Předchozí měsíc</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Změnit synchronizovanou složku</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Místní počítač</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Vzdálený server</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Synchronizovaná složka</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Kategorie protokolu</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtrovat záznamy protokolu</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Obnovit protokol</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Podrobnosti synchronizační úlohy</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Místní cíl</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Vzdálený cíl</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Zavřít návod</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Návod k aplikaci Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Návod k aplikaci Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Zastavit stahování</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Odstranit staženou verzi</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Stáhnout starší verzi</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Vyberte sdílené složky na serveru Halvenor, které chcete synchronizovat s tímto počítačem.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Vyberte týmové složky v Halvenor Drive, které chcete synchronizovat s tímto počítačem.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Průvodce pokročilým nastavením</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Pokročilá nastavení</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Automatické nastavení se nezdařilo. Nastavte připojení ručně.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Dokončování automatického nastavení...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>Klíč nastavení byl použit.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Nastavení filtru</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Soubory a složky, které odpovídají těmto pravidlům, se nesynchronizují.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Názvy souborů</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Soubory s těmito názvy se nesynchronizují. Lze použít zástupné znaky, například *.tmp.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Blokované soubory</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Nesynchronizovat soubory, jejichž název začíná tečkou</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Vybrat jinou</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Upravit připojení</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Později</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Spravovat</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Sloučit</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Přesto pokračovat</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Spustit nyní</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Název počítače</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Vytvořeno</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Toto pole je povinné.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Některá pole nejsou platná. Zkontrolujte je a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Maximální počet znaků: %1.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Žádná data</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Sdílet</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Ponechat obě verze a přejmenovat kopii z tohoto počítače</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Ponechat obě verze v Halvenor Drive a přejmenovat kopii z tohoto počítače</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Ponechat naposledy upravenou verzi</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Pokud byl soubor změněn na serveru i v tomto počítači:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Vždy ponechat verzi ze serveru</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Přejmenovat místní soubor a ponechat oba</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Přímé připojení</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Připojení přes přenosovou službu</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Místní síť</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Zjišťování typu připojení...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Zadejte ověřovací kód z ověřovací aplikace:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Zastavit synchronizaci této složky</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Zastavit synchronizaci těchto složek</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Nejsou k dispozici žádné možnosti</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Znovu synchronizovat tuto složku</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Znovu synchronizovat tyto složky</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Odeslat do: %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Kopírovat odkaz pro sdílení</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Procházet starší verze</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Vyberte, co chcete synchronizovat s tímto počítačem.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Moje soubory a týmové složky</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Synchronizace vlastních souborů a týmových složek, ke kterým máte přístup.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Sdíleno se mnou</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Synchronizace souborů a složek, které s vámi sdíleli ostatní.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Vytvořit synchronizační úlohu</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Tento soubor nyní nelze stáhnout. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Verze tohoto souboru nelze zobrazit.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Pro tuto položku nelze vytvořit odkaz pro sdílení.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive je připravena.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive se inicializuje...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Toto připojení je neaktivní.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Zobrazovat černobílé ikony v řádku nabídek a oznamovací oblasti</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Zobrazovat synchronizovanou složku na bočním panelu správce souborů</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Ponechat soubory na serveru, když jsou odstraněny z tohoto počítače</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Tuto zprávu již nezobrazovat</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Pouze stahování</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Přehled Tavlo</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo se nemůže připojit k serveru.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Nejsou k dispozici žádné sdílené složky.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Povolit synchronizaci na vyžádání</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Uživatelské jméno nebo heslo je nesprávné.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Přihlášení se nezdařilo</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Přenosová služba není dostupná.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>ID serveru není platné nebo neexistuje.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>ID serveru Halvenor Drive není platné nebo neexistuje.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Přenosová služba je dočasně nedostupná. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Došlo k neznámé chybě.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Došlo ke konfliktu souborů.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Místní databáze je poškozená.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Soubor nebo složka neexistuje.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Připojení k serveru bylo ztraceno.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Toto zařízení Tavlo je propojeno s jiným serverem.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Toto zařízení Tavlo je propojeno s jiným serverem Halvenor Drive.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Služba Pelmora nemůže pro tuto položku vytvořit odkaz pro sdílení.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Služba Pelmora je na serveru zakázána. Obraťte se na správce.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Služba Pelmora je zakázána</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Úložiště serveru je plné</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Odkaz na tento soubor nelze načíst.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Inicializace se nezdařila.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Neplatný parametr.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Zadejte číslo portu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Vaše IP adresa byla serverem zablokována.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Tento počítač je již propojen s tímto zařízením Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>Místní synchronizovaná složka chybí.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Příliš mnoho neúspěšných pokusů o přihlášení. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Došlo k chybě sítě. Zkontrolujte připojení.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Pro tento soubor není k dispozici žádné připojení.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Správce vyžaduje dvoufázové ověření. Nejprve ho zapněte na webovém portálu.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Ověřovací kód je nesprávný.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Je vyžadován ověřovací kód.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Přístup byl odepřen.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Server používá nekompatibilní verzi protokolu.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive na serveru používá nekompatibilní verzi protokolu.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Zadejte adresu a port serveru proxy.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Platnost vašeho hesla vypršela. Změňte ho na webovém portálu.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick nepovoluje sdílení tohoto souboru.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>Vzdálená složka není připojena.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Sdílenou složku nelze povolit.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>Sdílená složka je v konfliktu s existující synchronizovanou složkou.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Dosáhli jste maximálního počtu sdílených složek.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Neplatný přípojný bod</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Sdílená složka nebyla nalezena</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Sdílená složka není na serveru připojena.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Chybí oprávnění</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Sdílenou položku nelze odstranit.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Certifikát SSL serveru se změnil.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Certifikát SSL serveru nelze ověřit.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>Synchronizovaná složka se nachází na svazku, který není připojen.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Přenosový tunel je na serveru zakázán.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Služba domovských složek uživatelů je na serveru zakázána.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Informace o uživateli nejsou k dispozici.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Zadejte uživatelské jméno.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Nemáte oprávnění používat aplikaci Halvenor Drive. Obraťte se na správce.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Tato verze klienta již není podporována. Aktualizujte klienta.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Tato verze aplikace Halvenor Drive již není podporována. Aktualizujte aplikaci Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>Verze serveru je příliš stará. Aktualizujte balíček serveru.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>Verze serveru je pro Halvenor Drive příliš stará. Aktualizujte balíček serveru.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Nekompatibilní verze</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Pro tento soubor není k dispozici žádná starší verze.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Blokované názvy souborů</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Přípony souborů</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Maximální velikost souboru</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Nesynchronizovat soubory větší než %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filtr souborů</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>Aktualizované soubory: %1</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Dokončit</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>První stránka</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Název složky</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Filtr složek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Znovu zobrazit návod</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Znovu zobrazit návod k aplikaci Halvenor Drive</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Rozumím</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Všechny události</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Rozsah dat</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Typ souboru</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Složka</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>Položky: %1</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Klíčové slovo</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Minulý měsíc</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Minulý týden</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Přejmenováno v tomto počítači</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Zatím žádná historie</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Přejmenováno na serveru</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Přejmenování</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetovat</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Včera</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>Složka již obsahuje soubory. Budou sloučeny se soubory na serveru.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Soubor je uzamčen</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Příprava...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Jazyk systému</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Poslední stránka</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Připojit k jinému serveru</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Načítání...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Hledání zařízení Tavlo v místní síti...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Historie stahování</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Synchronizační úlohy</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Zobrazovat možnosti synchronizace v místní nabídce</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Zobrazovat oznámení na ploše</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Zobrazovat ikony stavu synchronizace u souborů a složek</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Šifrovat přenos dat pomocí SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Spouštět aplikaci Halvenor po přihlášení</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Spouštět aplikaci Halvenor Drive po přihlášení</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Režim slučování</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Zobrazovat ikony u položek, které se nesynchronizují</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Režim synchronizace</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Způsob synchronizace</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Používat černobílé ikony</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Server proxy vyžaduje uživatelské jméno a heslo</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ruční konfigurace proxy</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Použít systémové nastavení proxy</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
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
        <translation>Nastavení proxy</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Používání nastavení...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Nebyla změněna žádná nastavení.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Vaše změny nebyly uloženy. Chcete je nyní uložit?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Změnit složku</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Místní synchronizovaná složka</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Sdílení</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Sdílené složky</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Úlohy</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Duben</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Srpen</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Prosinec</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Únor</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Leden</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Červenec</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Červen</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Březen</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Květen</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Říjen</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Září</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Další návody</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>O aplikaci Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Sledování změn souborů...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Ověřování přihlašovacích údajů...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Opravdu chcete odpojit tento počítač?\nJiž synchronizované soubory v tomto počítači zůstanou.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Připojení proběhlo úspěšně.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Zakázáno</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Úložiště serveru je plné. Synchronizace je pozastavena, dokud se neuvolní místo.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Úložiště Halvenor Drive je plné. Synchronizace je pozastavena, dokud se neuvolní místo.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Stahování bylo zastaveno.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>Stahování bylo dokončeno.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Stahování %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Stahování se nezdařilo.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Povoleno</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Něco se pokazilo. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>V aplikaci Halvenor Drive došlo k potížím. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Nastavení je dokončeno.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Tato nastavení můžete kdykoli změnit pomocí ikony Halvenor Drive v oznamovací oblasti.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>Vybraná složka je přípojný bod. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>Vybraná složka není prázdná. Její soubory budou synchronizovány se serverem.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>Vybraná složka není prázdná. Její soubory budou synchronizovány s Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Do vybrané složky nelze zapisovat.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Zadejte adresu serveru Halvenor a údaje o účtu.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>Nový jazyk se projeví po restartování aplikace.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Místní disk je plný. Synchronizace je pozastavena, dokud se neuvolní místo.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Chcete sloučit obsah místní složky se složkou na serveru?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Změny na síťových jednotkách nemusí být rozpoznány okamžitě.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synchronizace souborů: %1 z %2</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Vaše kvóta úložiště na serveru je vyčerpána.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Aplikace Halvenor je již spuštěna.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Aplikace Halvenor Drive je již spuštěna.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Vyberte složku</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Vyberte složku v tomto počítači, kterou chcete synchronizovat se serverem.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>s vámi sdílí položku.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Kvóta sdílené složky je vyčerpána.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Opravdu chcete odstranit tuto sdílenou položku?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Vaše soubory všude s vámi.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Certifikát SSL serveru se změnil.\nDůvěřujete novému certifikátu?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Certifikát SSL serveru není důvěryhodný.\nChcete přesto pokračovat?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Spouštění...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Synchronizujte a sdílejte soubory na všech svých zařízeních.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testování připojení...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Uživatelské jméno nelze ověřit.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odpojování...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Probíhá aktualizace...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Vítejte v aplikaci Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorovat</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Nainstalovat</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Opravit</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Opravdu chcete zrušit instalaci aplikace Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Zrušit instalaci</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Instalace aplikace Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Souhlasím s podmínkami licenční smlouvy</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Pečlivě si přečtěte následující licenční smlouvu.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Nesouhlasím s podmínkami licenční smlouvy</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Licenční smlouva s koncovým uživatelem</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Kliknutím na tlačítko Dokončit ukončíte průvodce instalací.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Spustit aplikaci Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Instalace dokončena</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Aplikace Halvenor Drive byla nainstalována.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Průvodce instalací aplikace Halvenor Drive byl dokončen</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>Průvodce instalací byl kvůli chybě předčasně ukončen. Systém nebyl změněn.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Chcete-li tento program nainstalovat později, spusťte průvodce instalací znovu. Kliknutím na tlačítko Dokončit ukončíte průvodce instalací.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Instalace se nezdařila</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Průvodce instalací aplikace Halvenor Drive byl předčasně ukončen</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Zavřít aplikace a pokusit se je restartovat.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Nezavírat aplikace. Bude vyžadován restart.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Některé soubory, které je třeba aktualizovat, se používají.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Používané soubory</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Následující aplikace používají soubory, které musí tato instalace aktualizovat.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Zavřete tyto aplikace a klikněte na tlačítko Opakovat, chcete-li pokračovat, nebo na tlačítko Ukončit, chcete-li instalaci opustit.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Umožňuje změnit způsob instalace funkcí.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Aplikace Halvenor Drive nemá žádné samostatné funkce, které by bylo možné změnit.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Změnit instalaci</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Vyberte operaci, kterou chcete provést.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Odebere aplikaci Halvenor Drive z počítače.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Odebrat instalaci</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Opraví chyby poslední instalace obnovením chybějících a poškozených souborů a zástupců.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Opravit instalaci</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Změnit, opravit nebo odebrat instalaci</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Průvodce instalací umožňuje změnit způsob, jakým je aplikace Halvenor Drive nainstalována v počítači, nebo ji opravit či odebrat.\nKlikněte na tlačítko Další, chcete-li pokračovat, nebo na tlačítko Zrušit, chcete-li průvodce instalací ukončit.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Vítejte v údržbě aplikace Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Počkejte, než průvodce instalací nainstaluje aplikaci Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stav:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Probíhá instalace aplikace Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Může to trvat několik minut.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kliknutím na tlačítko Nainstalovat zahájíte instalaci. Kliknutím na tlačítko Zpět můžete zkontrolovat nebo změnit nastavení instalace. Kliknutím na tlačítko Zrušit ukončíte průvodce.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Vše je připraveno k instalaci aplikace Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>Průvodce instalací je připraven zahájit instalaci.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kliknutím na tlačítko Odebrat odeberete aplikaci Halvenor Drive z počítače. Kliknutím na tlačítko Zpět můžete zkontrolovat nebo změnit nastavení instalace. Kliknutím na tlačítko Zrušit ukončíte průvodce.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Vše je připraveno k odebrání aplikace Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>Průvodce instalací je připraven odebrat aplikaci Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kliknutím na tlačítko Opravit opravíte instalaci aplikace Halvenor Drive. Kliknutím na tlačítko Zpět můžete zkontrolovat nebo změnit nastavení instalace. Kliknutím na tlačítko Zrušit ukončíte průvodce.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Vše je připraveno k opravě aplikace Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>Průvodce instalací je připraven opravit aplikaci Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>Průvodce instalací byl přerušen. Systém nebyl změněn.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Chcete-li aplikaci Halvenor Drive nainstalovat později, spusťte průvodce instalací znovu. Kliknutím na tlačítko Dokončit ukončíte průvodce instalací.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Instalace přerušena</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Průvodce instalací aplikace Halvenor Drive byl přerušen</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Průvodce instalací nainstaluje aplikaci Halvenor Drive do vašeho počítače.\nKlikněte na tlačítko Další, chcete-li pokračovat, nebo na tlačítko Zrušit, chcete-li průvodce instalací ukončit.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Vítejte v průvodci instalací aplikace Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Nastavení sítě</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Další stránky (%1)</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Ne, děkuji</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Nebyla vybrána žádná platná složka.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Oznámení</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>okomentoval(a)</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>vás zmínil(a) v</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>požádal(a) o přístup k</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>s vámi sdílel(a)</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Komentáře</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Zmínky</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Otevřít na webovém portálu</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Sdílené</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronizace</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Žádosti o přístup</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivita</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Některé soubory nelze synchronizovat. Podrobnosti zobrazíte kliknutím sem.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Problém se synchronizací</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 s vámi sdílí „%2“.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Nová sdílená položka</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synchronizace na vyžádání</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Jednosměrné stahování</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Pouze stahovat změny ze serveru</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Pouze stahovat změny z Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Jednosměrné nahrávání</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Otevřít umístění souboru</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Otevřít složku</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Otevřít aplikaci Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Zobrazit stav synchronizace</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Interní uživatelé</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Přihlášení uživatelé mohou zobrazit</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Přihlášení uživatelé mohou upravovat</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Omezený</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Odkaz mohou otevřít pouze lidé, které pozvete</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Veřejný</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Kdokoli s odkazem může zobrazit</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Kdokoli s odkazem může upravovat</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Může zobrazit</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Může upravovat</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Předchozí stránky (%1)</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Aplikace Halvenor nyní synchronizuje vaše soubory.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Aplikace Halvenor Drive nyní synchronizuje vaše soubory.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Vaše soubory budou synchronizovány mezi tímto počítačem a serverem.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Další informace o aplikaci Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Další informace o aplikaci Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Vše je připraveno!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Otevřít moji synchronizovanou složku</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Jen pro čtení</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Soubory v této složce můžete pouze zobrazit. Změny provedené v tomto počítači se nenahrávají.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Soubory v této složce Halvenor Drive můžete pouze zobrazit. Změny provedené v tomto počítači se nenahrávají.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Nedávno změněné</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Použít na všechny podsložky</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Selektivní synchronizace</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Směr synchronizace</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Filtrování souborů</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Výběr složek</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Výběr režimu synchronizace</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Složky, u kterých zrušíte výběr, budou odebrány z tohoto počítače, ale zůstanou na serveru.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selektivní synchronizace...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Opravdu chcete odebrat tuto synchronizační úlohu?\nSynchronizované soubory v tomto počítači zůstanou.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Zakázáním této sdílené složky odeberete její soubory z tohoto počítače.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Sdílení povoleno</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Pozvat lidi</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Odkaz pro sdílení</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Oprávnění odkazu</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Uživatelé a skupiny</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Chcete synchronizovat položky, které s vámi ostatní sdílejí?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Uložit a kopírovat odkaz</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Vlastní doba platnosti</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Platnost vyprší</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Omezit počet přístupů</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>K dispozici od</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Platnost vyprší po počtu přístupů: %1</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Sdílení odkazem</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Omezit přístup</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Některé soubory nebyly synchronizovány</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Disk serveru je plný</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Zařízení Tavlo se změnilo</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Je vyžadována aktualizace klienta</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Je vyžadována aktualizace serveru</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Místní disk je plný</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Přístup odepřen</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Kvóta překročena</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Ověření certifikátu se nezdařilo</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronizace...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>Směr synchronizace této složky neodpovídá nastavení na serveru.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Synchronizovat dočasné soubory</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>před %1 dny</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>před %1 h</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Právě teď</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>před %1 min</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Nové sdílení</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Změnit synchronizovanou složku</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Přehled synchronizace</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Typ připojení</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Složka není prázdná</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Složka jen pro čtení</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Cesta ke složce</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Poklikáním na ikonu otevřete synchronizovanou složku</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Neaktivní</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresa serveru</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Zadejte IP adresu, název hostitele nebo ID serveru.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Otevřít aplikaci Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Povolit šifrování SSL</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Upozornění zabezpečení</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Pohotovostní režim</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Informace o stavu</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Hodnota</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Vítejte</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indexování složky...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Je k dispozici nová verze. Klikněte pro aktualizaci.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Je k dispozici Halvenor Drive. Klikněte pro aktualizaci.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Probíhá synchronizace</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Kontrola dat...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Zařízení Tavlo bylo vyměněno. Propojte ho znovu.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Stahování dokončeno</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Otevřít synchronizovanou složku</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Znovu připojit</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Informace o připojení</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Synchronizováno na všech vašich zařízeních</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>Synchronizace souborů: %1</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Nestabilní připojení</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Nedávno aktualizované soubory</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizace...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Aktualizovat nyní</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Zkusit synchronizovat znovu</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Otevřít webový portál</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulujeme!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Nyní můžete začít používat aplikaci Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Soubory, které vložíte do synchronizované složky, budou aktuální na všech vašich zařízeních.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Vaše synchronizovaná složka</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Kliknutím pravým tlačítkem myši na soubor ho můžete sdílet nebo procházet jeho starší verze.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Sdílení a obnovení</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Ikona v oznamovací oblasti zobrazuje stav synchronizace na první pohled.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Kliknutím na ni můžete pozastavit synchronizaci, otevřít synchronizovanou složku nebo změnit nastavení.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Stav synchronizace</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Zahájit prohlídku</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Pomocí selektivní synchronizace vyberte složky, které budou uloženy v tomto počítači.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Vynechané složky zůstanou bezpečně uloženy na serveru.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Vyberte, co synchronizovat</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Obousměrná synchronizace</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Chcete-li používat selektivní synchronizaci, aktualizujte balíček serveru.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Aktualizace se nezdařila. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Aplikaci Halvenor Drive nelze aktualizovat. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Použít Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Nemáte oprávnění k přístupu k této synchronizované složce.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Přihlášení se nezdařilo. Zkontrolujte uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Je vyžadována novější verze klienta. Chcete ho nyní aktualizovat?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Klienta nelze aktualizovat.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Soubory, které jsou v konfliktu se serverem, budou před zahájením synchronizace zálohovány.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Tato složka se překrývá s jinou synchronizační úlohou. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Pro připojení zadejte adresu serveru a údaje o účtu.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Vytvořit složku Halvenor</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Místní složku nelze vytvořit.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Vytvořit složku Oskavel Drive</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Na disku není dostatek volného místa pro tuto synchronizovanou složku.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Na disku není dostatek volného místa pro tuto složku Halvenor Drive.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Synchronizaci na vyžádání nelze povolit.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Najít zařízení Tavlo v místní síti</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Tento počítač je nyní propojen s vaším serverem Halvenor.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Tento počítač je nyní propojen s Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>Vybraná synchronizovaná složka není platná.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Synchronizovanou složku nelze zkontrolovat kvůli chybě sítě.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Vyberte složku na serveru a složku v tomto počítači, které se budou synchronizovat.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Nová synchronizační úloha</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Vaše kvóta na serveru je vyčerpána.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>Synchronizovaná složka je jen pro čtení.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Nastavit synchronizovanou složku</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Vyberte, kde budou synchronizované soubory v tomto počítači uloženy.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Umístění synchronizované složky</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Složky a pravidla synchronizace si vyberete sami.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Pokročilé nastavení</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Jak chcete nastavit synchronizaci?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Režim nastavení</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Synchronizace domovské složky s doporučeným nastavením.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Rychlé nastavení</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Tuto složku již synchronizuje jiná úloha.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Dvojí synchronizace stejné složky může způsobit konflikty.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Vyberte jinou složku nebo odeberte stávající úlohu.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Duplicitní synchronizační úloha</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Sdílená složka s tímto názvem již existuje.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>Sdílená složka této synchronizační úlohy již neexistuje.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Synchronizace položek, které s vámi sdíleli ostatní, do tohoto počítače.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Možná později</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Povolit nyní</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Synchronizovat lze i soubory, které s vámi ostatní sdílejí.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Synchronizovat položky sdílené se mnou</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Certifikát SSL serveru se změnil. Před synchronizací této složky ho potvrďte.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Certifikát SSL serveru nelze ověřit, proto tuto složku nelze synchronizovat.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Synchronizovat s jiným serverem</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Přidat synchronizační úlohu</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Při kontrole synchronizované složky došlo k systémové chybě.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Tato složka byla synchronizována jiným uživatelským účtem.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Váš účet byl zakázán.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Aplikace Halvenor udržuje vaše soubory synchronizované mezi tímto počítačem a vaším serverem.\nNastavme vaši první synchronizační úlohu.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Aplikace Halvenor Drive udržuje vaše soubory synchronizované mezi tímto počítačem a vaším serverem.\nNastavme vaši první synchronizační úlohu.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Potřebujete pomoc? Navštivte centrum nápovědy Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Potřebujete pomoc? Navštivte centrum nápovědy Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Počkejte, než se načte průvodce...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Počkejte, než se načte aplikace Halvenor Drive...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Vítejte v aplikaci Halvenor</translation>
    </message>
</context>
</TS>
