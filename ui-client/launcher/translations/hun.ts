<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>A Halvenor ezen verziója már telepítve van. Szeretné újratelepíteni?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>A Halvenor egy újabb verziója már telepítve van. A telepítő most kilép.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>A minden felhasználó számára történő telepítéshez rendszergazdai jogosultság szükséges.\nSzeretné csak az aktuális felhasználó számára telepíteni a Halvenor alkalmazást?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Az Oskavel Drive ezen verziója már telepítve van. Szeretné újratelepíteni?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Az Oskavel Drive egy újabb verziója már telepítve van. A telepítő most kilép.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Fájlnév hozzáadása</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Mappa hozzáadása</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Naptár</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Következő hónap</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Előző hónap</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Szinkronizálási mappa módosítása</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Információ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Helyi számítógép</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Távoli kiszolgáló</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Szinkronizálási mappa</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Naplókategória</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Naplóbejegyzések szűrése</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Napló frissítése</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Szinkronizálási feladat részletei</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Helyi cél</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Távoli cél</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Bemutató bezárása</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Halvenor bemutató</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Halvenor Drive bemutató</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Letöltés leállítása</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Letöltött verzió törlése</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Korábbi verzió letöltése</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Válassza ki a Halvenor kiszolgáló azon megosztott mappáit, amelyeket szinkronizálni szeretne ezzel a számítógéppel.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Válassza ki a Halvenor Drive azon csapatmappáit, amelyeket szinkronizálni szeretne ezzel a számítógéppel.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Speciális beállítási varázsló</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Speciális beállítások</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Az automatikus beállítás nem sikerült. Állítsa be manuálisan a kapcsolatot.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Automatikus beállítás befejezése...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>A beállítási kulcs alkalmazása megtörtént.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Szűrőbeállítások</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Az ezeknek a szabályoknak megfelelő fájlok és mappák nem lesznek szinkronizálva.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Fájlnevek</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Az ilyen nevű fájlok nem lesznek szinkronizálva. Helyettesítő karakterek (például *.tmp) használhatók.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Letiltott fájlok</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Ne szinkronizálja a ponttal kezdődő nevű fájlokat</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Módosítás</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Másik választása</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Kapcsolat szerkesztése</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Később</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Kezelés</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Egyesítés</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Beállítás</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Folytatás mindenképp</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Indítás most</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Számítógépnév</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Létrehozva</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Művelet</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cél</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Méret</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Azonosító</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Ez a mező kötelező.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Egyes mezők érvénytelenek. Ellenőrizze őket, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Legfeljebb %1 karaktert adjon meg.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Nincs adat</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Megosztás</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Mindkét verzió megtartása, és az erről a számítógépről származó példány átnevezése</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Mindkét verzió megtartása a Halvenor Drive tárhelyén, és az erről a számítógépről származó példány átnevezése</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>A legutóbb módosított verzió megtartása</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Ha egy fájl a kiszolgálón és ezen a számítógépen is módosult:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Mindig a kiszolgálón lévő verzió megtartása</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>A helyi fájl átnevezése és mindkettő megtartása</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Közvetlen kapcsolat</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Közvetített kapcsolat</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Helyi hálózat</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Kapcsolattípus felismerése...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Adja meg a hitelesítő alkalmazásban megjelenő ellenőrző kódot:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>A mappa szinkronizálásának leállítása</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>A mappák szinkronizálásának leállítása</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Nincsenek elérhető lehetőségek</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>A mappa szinkronizálásának folytatása</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>A mappák szinkronizálásának folytatása</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Küldés ide: %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Megosztási hivatkozás másolása</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Korábbi verziók böngészése</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Válassza ki, mit szeretne szinkronizálni ezzel a számítógéppel.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Saját fájlok és csapatmappák</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Saját fájlok és az Ön számára elérhető csapatmappák szinkronizálása.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Megosztva velem</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>A mások által Önnel megosztott fájlok és mappák szinkronizálása.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Szinkronizálási feladat létrehozása</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>A fájl jelenleg nem tölthető le. Próbálja újra később.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>A fájl verziói nem listázhatók.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Ehhez az elemhez nem hozható létre megosztási hivatkozás.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>A Halvenor Drive készen áll.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>A Halvenor Drive inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Ez a kapcsolat inaktív.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Fekete-fehér ikonok megjelenítése a menüsoron és az értesítési területen</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>A szinkronizálási mappa megjelenítése a fájlkezelő oldalsávján</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Megjelenítés</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>A fájlok megtartása a kiszolgálón, ha erről a számítógépről törlődnek</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Ne jelenjen meg többé ez az üzenet</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Csak letöltés</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo áttekintés</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>A Tavlo nem éri el a kiszolgálót.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Nincsenek megosztott mappák.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Az Igény szerinti szinkronizálás engedélyezése</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>A felhasználónév vagy a jelszó helytelen.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>A bejelentkezés sikertelen</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>A közvetítőszolgáltatás nem érhető el.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>A kiszolgálóazonosító érvénytelen vagy nem létezik.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>A Halvenor Drive kiszolgálóazonosítója érvénytelen vagy nem létezik.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>A közvetítőszolgáltatás átmenetileg nem érhető el. Próbálja újra később.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ismeretlen hiba történt.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Fájlütközés történt.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>A helyi adatbázis megsérült.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>A fájl vagy mappa nem létezik.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Megszakadt a kapcsolat a kiszolgálóval.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Ez a Tavlo egy másik kiszolgálóhoz van kapcsolva.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Ez a Tavlo egy másik Halvenor Drive kiszolgálóhoz van kapcsolva.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>A Pelmora nem tud megosztási hivatkozást létrehozni ehhez az elemhez.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>A Pelmora le van tiltva a kiszolgálón. Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>A Pelmora le van tiltva</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>A kiszolgáló tárhelye megtelt</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>A fájl hivatkozása nem kérhető le.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Az inicializálás sikertelen.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Érvénytelen paraméter.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>1 és 65535 közötti portszámot adjon meg.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>A kiszolgáló letiltotta az Ön IP-címét.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Ez a számítógép már össze van kapcsolva ezzel a Tavlo eszközzel.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>A helyi szinkronizálási mappa hiányzik.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Túl sok sikertelen bejelentkezési kísérlet. Próbálja újra később.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Hálózati hiba történt. Ellenőrizze a kapcsolatot.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Ehhez a fájlhoz nem érhető el kapcsolat.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>A rendszergazda kötelezővé tette a kétlépcsős azonosítást. Először kapcsolja be a webportálon.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Az ellenőrző kód helytelen.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Ellenőrző kód megadása szükséges.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Hozzáférés megtagadva.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>A kiszolgáló nem kompatibilis protokollverziót használ.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>A kiszolgálón futó Halvenor Drive nem kompatibilis protokollverziót használ.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Adja meg a proxykiszolgáló címét és portját.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>A jelszava lejárt. Módosítsa a webportálon.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>A Fennick nem engedélyezi a fájl megosztását.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>A távoli mappa nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>A megosztott mappa nem engedélyezhető.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>A megosztott mappa ütközik egy meglévő szinkronizálási mappával.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Elérte a megosztott mappák maximális számát.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Érvénytelen csatlakoztatási pont</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>A megosztott mappa nem található</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>A megosztott mappa nincs csatlakoztatva a kiszolgálón.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Nincs jogosultság</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>A megosztott elem nem törölhető.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>A kiszolgáló SSL-tanúsítványa nem ellenőrizhető.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>A szinkronizálási mappa egy nem csatlakoztatott köteten található.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>A közvetítő alagút le van tiltva a kiszolgálón.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>A felhasználói kezdőmappák szolgáltatása le van tiltva a kiszolgálón.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>A felhasználói adatok nem érhetők el.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Adjon meg egy felhasználónevet.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Nem használhatja a Halvenor Drive alkalmazást. Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Az ügyfélprogram ezen verziója már nem támogatott. Frissítse az ügyfélprogramot.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>A Halvenor Drive ezen verziója már nem támogatott. Frissítse a Halvenor Drive alkalmazást.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>A kiszolgáló verziója túl régi. Frissítse a kiszolgálócsomagot.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>A kiszolgáló verziója túl régi a Halvenor Drive számára. Frissítse a kiszolgálócsomagot.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Nem kompatibilis verzió</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Ennek a fájlnak nincs elérhető korábbi verziója.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Letiltott fájlnevek</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Fájlkiterjesztések</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Maximális fájlméret</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Ne szinkronizálja azokat a fájlokat, amelyek nagyobbak, mint %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Fájlszűrő</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 fájl frissítve</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Első oldal</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Mappanév</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Mappaszűrő</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Péntek</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>A bemutató ismételt megjelenítése</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>A Halvenor Drive bemutató ismételt megjelenítése</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Értem</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Minden esemény</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egyéni</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Dátumtartomány</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Fájltípus</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ettől</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elem</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Kulcsszó</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Elmúlt hónap</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Elmúlt hét</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Átnevezve ezen a számítógépen</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Még nincsenek előzmények</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Előzmények</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Átnevezve a kiszolgálón</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Átnevezés</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Alaphelyzet</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Eddig</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Tegnap</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>A mappa már tartalmaz fájlokat. Ezek egyesítve lesznek a kiszolgálón lévő fájlokkal.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Letöltés folyamatban</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>A fájl zárolva van</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Előkészítés...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Feltöltés folyamatban</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Rendszer alapértelmezése</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Utolsó oldal</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Csatlakozás másik kiszolgálóhoz</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Betöltés...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Tavlo eszközök keresése a helyi hálózaton...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Letöltési előzmények</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Szinkronizálási feladatok</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Szinkronizálási lehetőségek megjelenítése a helyi menüben</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Asztali értesítések megjelenítése</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Szinkronizálási állapotikonok megjelenítése a fájlokon és mappákon</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Adatátvitel titkosítása SSL-lel</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>A Halvenor indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>A Halvenor Drive indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Egyesítési mód</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Ikonok megjelenítése a nem szinkronizált elemeken</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Szinkronizálási mód</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Szinkronizálási mód</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Fekete-fehér ikonok használata</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>A proxykiszolgáló felhasználónevet és jelszót kér</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuális proxykonfiguráció</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nincs proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>A rendszer proxybeállításainak használata</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Cím</translation>
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
        <translation>Proxybeállítások</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Beállítások alkalmazása...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Egyetlen beállítás sem módosult.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>A módosítások nincsenek mentve. Szeretné most menteni őket?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Mappa módosítása</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Engedélyezés</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Helyi szinkronizálási mappa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Megosztás</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Megosztott mappák</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Feladatok</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Hétfő</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Április</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Augusztus</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Február</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Január</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Július</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Június</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Március</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Május</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Október</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Szeptember</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>További bemutatók</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>A Halvenor Drive névjegye</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Fájlváltozások figyelése...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Hitelesítő adatok ellenőrzése...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Biztosan leválasztja ezt a számítógépet?\nA már szinkronizált fájlok megmaradnak ezen a számítógépen.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>A kapcsolódás sikerült.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Letiltva</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>A kiszolgáló tárhelye megtelt. A szinkronizálás szünetel, amíg fel nem szabadul hely.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>A Halvenor Drive tárhelye megtelt. A szinkronizálás szünetel, amíg fel nem szabadul hely.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>A letöltés leállt.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>A letöltés befejeződött.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 letöltése...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>A letöltés sikertelen.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Engedélyezve</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Hiba történt. Próbálja újra.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>A Halvenor Drive hibába ütközött. Próbálja újra.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>A beállítás befejeződött.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Ezeket a beállításokat bármikor módosíthatja az értesítési területen lévő Halvenor Drive ikonnal.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>A kiválasztott mappa egy csatlakoztatási pont. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>A kiválasztott mappa nem üres. A benne lévő fájlok szinkronizálva lesznek a kiszolgálóval.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>A kiválasztott mappa nem üres. A benne lévő fájlok szinkronizálva lesznek a Halvenor Drive tárhelyével.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>A kiválasztott mappába nem lehet írni.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Adja meg a Halvenor kiszolgáló címét és a fiókadatait.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>Az új nyelv az alkalmazás újraindítása után lép érvénybe.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kapcsolódás...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>A helyi lemez megtelt. A szinkronizálás szünetel, amíg fel nem szabadul hely.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Szeretné egyesíteni a helyi mappa tartalmát a kiszolgálón lévő mappával?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Előfordulhat, hogy a hálózati meghajtókon történt változások nem észlelhetők azonnal.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Szinkronizálás: %1 / %2 fájl</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>A kiszolgálón lévő tárhelykvótája elfogyott.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>A Halvenor már fut.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>A Halvenor Drive már fut.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Mappa kiválasztása</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Válasszon egy mappát ezen a számítógépen, amelyet szinkronizálni szeretne a kiszolgálóval.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>megosztott Önnel egy elemet.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>A megosztott mappa kvótája elfogyott.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Biztosan törli ezt a megosztott elemet?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Az Ön fájljai, bárhol.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott.\nMegbízik az új tanúsítványban?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>A kiszolgáló SSL-tanúsítványa nem megbízható.\nMégis folytatja?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Indítás...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Fájlok szinkronizálása és megosztása az összes eszköze között.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Kapcsolat tesztelése...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>A felhasználónév nem ellenőrizhető.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Leválasztás...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Frissítés folyamatban...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Üdvözli a Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Kihagyás</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Javítás</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Biztosan megszakítja a Halvenor Drive telepítését?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Telepítés megszakítása</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Halvenor Drive telepítő</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Elfogadom a licencszerződés feltételeit</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Olvassa el figyelmesen az alábbi licencszerződést.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Nem fogadom el a licencszerződés feltételeit</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Végfelhasználói licencszerződés</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>A telepítővarázslóból a Befejezés gombra kattintva léphet ki.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>A Halvenor Drive indítása</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>A telepítés befejeződött</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>A Halvenor Drive telepítése befejeződött.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>A Halvenor Drive telepítővarázslója befejeződött</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>A telepítővarázsló hiba miatt idő előtt befejeződött. A rendszer nem módosult.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Ha később szeretné telepíteni a programot, futtassa újra a telepítővarázslót. A telepítővarázslóból a Befejezés gombra kattintva léphet ki.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>A telepítés sikertelen</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>A Halvenor Drive telepítővarázslója idő előtt befejeződött</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Zárja be az alkalmazásokat, és próbálja újraindítani őket.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Ne zárja be az alkalmazásokat. Újraindításra lesz szükség.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Néhány frissítendő fájl használatban van.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Használatban lévő fájlok</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>A következő alkalmazások olyan fájlokat használnak, amelyeket a telepítőnek frissítenie kell.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Zárja be ezeket az alkalmazásokat, és kattintson az Újra gombra a folytatáshoz, vagy a Kilépés gombra a telepítőből való kilépéshez.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Lehetővé teszi a szolgáltatások telepítési módjának módosítását.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>A Halvenor Drive nem rendelkezik külön módosítható szolgáltatásokkal.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>A telepítés módosítása</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Válassza ki a végrehajtani kívánt műveletet.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Eltávolítja a Halvenor Drive alkalmazást a számítógépről.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>A telepítés eltávolítása</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Kijavítja a legutóbbi telepítés hibáit a hiányzó és sérült fájlok és parancsikonok helyreállításával.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>A telepítés javítása</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>A telepítés módosítása, javítása vagy eltávolítása</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>A telepítővarázslóval módosíthatja a Halvenor Drive telepítésének módját, illetve javíthatja vagy eltávolíthatja a programot.\nA folytatáshoz kattintson a Tovább gombra, a telepítővarázslóból való kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Üdvözli a Halvenor Drive karbantartó varázslója</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Várjon, amíg a telepítővarázsló telepíti a Halvenor Drive alkalmazást.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Állapot:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>A Halvenor Drive telepítése folyamatban</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Ez eltarthat néhány percig.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>A telepítés megkezdéséhez kattintson a Telepítés gombra. A telepítési beállítások áttekintéséhez vagy módosításához kattintson a Vissza gombra. A varázslóból való kilépéshez kattintson a Mégse gombra.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>A Halvenor Drive telepítésre kész</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>A telepítővarázsló készen áll a telepítés megkezdésére.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>A Halvenor Drive eltávolításához kattintson az Eltávolítás gombra. A telepítési beállítások áttekintéséhez vagy módosításához kattintson a Vissza gombra. A varázslóból való kilépéshez kattintson a Mégse gombra.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>A Halvenor Drive eltávolításra kész</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>A telepítővarázsló készen áll a Halvenor Drive eltávolítására.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>A Halvenor Drive telepítésének javításához kattintson a Javítás gombra. A telepítési beállítások áttekintéséhez vagy módosításához kattintson a Vissza gombra. A varázslóból való kilépéshez kattintson a Mégse gombra.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>A Halvenor Drive javításra kész</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>A telepítővarázsló készen áll a Halvenor Drive javítására.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>A telepítővarázsló megszakadt. A rendszer nem módosult.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Ha később szeretné telepíteni a Halvenor Drive alkalmazást, futtassa újra a telepítővarázslót. A telepítővarázslóból a Befejezés gombra kattintva léphet ki.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>A telepítés megszakadt</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>A Halvenor Drive telepítővarázslója megszakadt</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>A telepítővarázsló telepíti a Halvenor Drive alkalmazást a számítógépre.\nA folytatáshoz kattintson a Tovább gombra, a telepítővarázslóból való kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Üdvözli a Halvenor Drive telepítővarázslója</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Hálózati beállítások</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Következő %1 oldal</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Köszönöm, nem</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Nincs kiválasztva érvényes mappa.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Értesítések</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>hozzászólt ehhez:</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>megemlítette Önt itt:</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>hozzáférést kért ehhez:</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>megosztotta Önnel:</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Hozzászólások</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Említések</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Megnyitás a webportálon</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Megosztva</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Szinkronizálás</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Hozzáférési kérelmek</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Tevékenység</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Néhány fájlt nem sikerült szinkronizálni. A részletekért kattintson ide.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Szinkronizálási probléma</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 megosztotta Önnel a következőt: „%2”.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Új megosztott elem</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Igény szerinti szinkronizálás</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Egyirányú letöltés</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Csak a kiszolgálón történt változások letöltése</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Csak a Halvenor Drive tárhelyén történt változások letöltése</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Egyirányú feltöltés</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Tartalmazó mappa megnyitása</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Fájl megnyitása</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Mappa megnyitása</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>A Halvenor Drive megnyitása</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Szinkronizálási állapot megtekintése</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Belső felhasználók</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>A bejelentkezett felhasználók megtekinthetik</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>A bejelentkezett felhasználók szerkeszthetik</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Korlátozott</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Csak a meghívott személyek nyithatják meg a hivatkozást</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Nyilvános</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>A hivatkozás birtokában bárki megtekintheti</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>A hivatkozás birtokában bárki szerkesztheti</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Megtekintheti</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Szerkesztheti</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Előző %1 oldal</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>A Halvenor most szinkronizálja a fájljait.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>A Halvenor Drive most szinkronizálja a fájljait.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>A fájljai szinkronban maradnak ez a számítógép és a kiszolgáló között.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>További információ a Halvenor alkalmazásról</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>További információ a Halvenor Drive alkalmazásról</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Minden kész!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Saját szinkronizálási mappa megnyitása</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Csak olvasható</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Ebben a mappában csak megtekintheti a fájlokat. Az ezen a számítógépen végzett módosítások nem töltődnek fel.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Ebben a Halvenor Drive mappában csak megtekintheti a fájlokat. Az ezen a számítógépen végzett módosítások nem töltődnek fel.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Legutóbb módosítva</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Szombat</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Érvényes az összes almappára</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Szelektív szinkronizálás</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Szinkronizálás iránya</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Fájlok szűrése</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Mappák kiválasztása</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Válasszon szinkronizálási módot</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>A kijelölésből kivett mappák törlődnek erről a számítógépről, de a kiszolgálón megmaradnak.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Szelektív szinkronizálás...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Biztosan eltávolítja ezt a szinkronizálási feladatot?\nA szinkronizált fájlok megmaradnak ezen a számítógépen.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Ha letiltja ezt a megosztott mappát, a fájljai törlődnek erről a számítógépről.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Megosztás engedélyezve</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Személyek meghívása</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Megosztási hivatkozás</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Hivatkozás engedélye</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Felhasználók és csoportok</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Szeretné szinkronizálni az Önnel megosztott elemeket?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Mentés és hivatkozás másolása</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Egyéni időtartam</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Lejárat időpontja</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Hozzáférések számának korlátozása</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Elérhetőség kezdete</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Lejár %1 hozzáférés után</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Hivatkozásos megosztás</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Hozzáférés korlátozása</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Néhány fájl nem lett szinkronizálva</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>A kiszolgáló lemeze megtelt</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>A Tavlo megváltozott</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Az ügyfélprogram frissítése szükséges</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>A kiszolgáló frissítése szükséges</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>A helyi lemez megtelt</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Hozzáférés megtagadva</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Kvóta túllépve</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>A tanúsítvány ellenőrzése sikertelen</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Szinkronizálás...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Naprakész</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Vasárnap</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>A mappa szinkronizálási iránya nem egyezik a kiszolgálón megadott beállítással.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Ideiglenes fájlok szinkronizálása</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Csütörtök</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 napja</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 órája</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Az imént</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 perce</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Új megosztás</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>A szinkronizálási mappa módosítása</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Ez a számítógép</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Szinkronizálási áttekintés</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Kapcsolattípus</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>A mappa nem üres</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Csak olvasható mappa</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Mappa elérési útja</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>A szinkronizálási mappa megnyitásához kattintson duplán az ikonra</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktív</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Kiszolgáló címe</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Adja meg a kiszolgáló IP-címét, állomásnevét vagy kiszolgálóazonosítóját.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>A Halvenor megnyitása</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>SSL-titkosítás engedélyezése</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Biztonsági figyelmeztetés</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Készenlét</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Állapotinformációk</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Érték</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Üdvözöljük</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>A mappa indexelése...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Új verzió érhető el. Kattintson a frissítéshez.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>A Halvenor Drive elérhető. Kattintson a frissítéshez.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Szinkronizálás folyamatban</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Adatok ellenőrzése...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>A Tavlo eszközt lecserélték. Kapcsolja össze újra.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>A letöltés befejeződött</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Szinkronizálási mappa megnyitása</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Újrakapcsolódás</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Kapcsolatinformációk</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Szinkronizálva az összes eszközén</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 fájl szinkronizálása folyamatban</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Instabil kapcsolat</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Legutóbb frissített fájlok</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Frissítés...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Frissítés most</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Szinkronizálás újrapróbálása</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Kedd</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>A webportál megnyitása</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulálunk!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Készen áll a Halvenor Drive használatára.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>A szinkronizálási mappába helyezett fájlok az összes eszközén naprakészek maradnak.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Az Ön szinkronizálási mappája</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Kattintson a jobb gombbal egy fájlra a megosztásához vagy a korábbi verzióinak böngészéséhez.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Megosztás és visszaállítás</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Az értesítési területen lévő ikon egy pillantással mutatja a szinkronizálás állapotát.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Kattintson rá a szinkronizálás szüneteltetéséhez, a szinkronizálási mappa megnyitásához vagy a beállítások módosításához.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Szinkronizálási állapot</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>A bemutató indítása</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>A Szelektív szinkronizálás segítségével kiválaszthatja, mely mappák legyenek meg ezen a számítógépen.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>A kihagyott mappák biztonságban megmaradnak a kiszolgálón.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Válassza ki, mit szeretne szinkronizálni</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Kétirányú szinkronizálás</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>A Szelektív szinkronizálás használatához frissítse a kiszolgálócsomagot.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>A frissítés sikertelen. Próbálja újra később.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>A Halvenor Drive frissítése nem sikerült. Próbálja újra később.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>A Fennick használata</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Szerda</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Nincs jogosultsága a szinkronizálási mappához való hozzáféréshez.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>A bejelentkezés sikertelen. Ellenőrizze a felhasználónevet és a jelszót.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Az ügyfélprogram újabb verziójára van szükség. Szeretné most frissíteni?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Az ügyfélprogramot nem sikerült frissíteni.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>A kiszolgálóval ütköző fájlokról biztonsági másolat készül a szinkronizálás megkezdése előtt.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Ez a mappa átfedésben van egy másik szinkronizálási feladattal. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>A kapcsolódáshoz adja meg a kiszolgáló címét és a fiókadatait.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Halvenor mappa létrehozása</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>A helyi mappát nem sikerült létrehozni.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Oskavel Drive mappa létrehozása</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Nincs elég szabad hely a lemezen ehhez a szinkronizálási mappához.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Nincs elég szabad hely a lemezen ehhez a Halvenor Drive mappához.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Az Igény szerinti szinkronizálást nem sikerült engedélyezni.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Tavlo eszközök keresése a helyi hálózaton</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Ez a számítógép most már össze van kapcsolva a Halvenor kiszolgálóval.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Ez a számítógép most már össze van kapcsolva a Halvenor Drive kiszolgálóval.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>A kiválasztott szinkronizálási mappa érvénytelen.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>A szinkronizálási mappa hálózati hiba miatt nem ellenőrizhető.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Válasszon egy mappát a kiszolgálón és egy mappát ezen a számítógépen, amelyeket szinkronban szeretne tartani.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Új szinkronizálási feladat</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Az Ön kvótája a kiszolgálón megtelt.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>A szinkronizálási mappa csak olvasható.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Szinkronizálási mappa beállítása</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Válassza ki, hol legyenek tárolva a szinkronizált fájlok ezen a számítógépen.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Szinkronizálási mappa helye</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>A mappák és a szinkronizálási szabályok kiválasztása saját kezűleg.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Speciális beállítás</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Hogyan szeretné beállítani a szinkronizálást?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Beállítási mód</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>A saját kezdőmappa szinkronizálása az ajánlott beállításokkal.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Gyors beállítás</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Ezt a mappát már szinkronizálja egy másik feladat.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Ha ugyanazt a mappát kétszer szinkronizálja, ütközések léphetnek fel.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Válasszon másik mappát, vagy távolítsa el a meglévő feladatot.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Ismétlődő szinkronizálási feladat</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Már létezik ilyen nevű megosztott mappa.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>A szinkronizálási feladat megosztott mappája már nem létezik.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>A mások által Önnel megosztott elemek szinkronizálása erre a számítógépre.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Talán később</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Engedélyezés most</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Az Önnel megosztott fájlok is szinkronizálhatók.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Velem megosztott elemek szinkronizálása</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott. Erősítse meg a tanúsítványt a mappa szinkronizálása előtt.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>A kiszolgáló SSL-tanúsítványa nem ellenőrizhető, ezért ez a mappa nem szinkronizálható.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Szinkronizálás másik kiszolgálóval</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Szinkronizálási feladat hozzáadása</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Rendszerhiba történt a szinkronizálási mappa ellenőrzése közben.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Ezt a mappát egy másik felhasználói fiók szinkronizálta.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>A fiókja le van tiltva.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>A Halvenor szinkronban tartja a fájljait ez a számítógép és a kiszolgáló között.\nÁllítsuk be az első szinkronizálási feladatot.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>A Halvenor Drive szinkronban tartja a fájljait ez a számítógép és a kiszolgáló között.\nÁllítsuk be az első szinkronizálási feladatot.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Segítségre van szüksége? Látogasson el a Halvenor súgóközpontjába.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Segítségre van szüksége? Látogasson el a Halvenor Drive súgóközpontjába.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Várjon, amíg a varázsló betöltődik...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Várjon, amíg a Halvenor Drive betöltődik...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Üdvözli a Halvenor</translation>
    </message>
</context>
</TS>
