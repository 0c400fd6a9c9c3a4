<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Ta wersja aplikacji Halvenor jest już zainstalowana. Czy chcesz zainstalować ją ponownie?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Zainstalowana jest już nowsza wersja aplikacji Halvenor. Instalator zostanie zamknięty.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Instalacja dla wszystkich użytkowników wymaga uprawnień administratora.\nCzy chcesz zainstalować aplikację Halvenor tylko dla bieżącego użytkownika?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Ta wersja aplikacji Oskavel Drive jest już zainstalowana. Czy chcesz zainstalować ją ponownie?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Zainstalowana jest już nowsza wersja aplikacji Oskavel Drive. Instalator zostanie zamknięty.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Dodaj nazwę pliku</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Dodaj folder</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Zmień folder synchronizacji</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Komputer lokalny</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Serwer zdalny</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Folder synchronizacji</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Kategoria dziennika</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtruj wpisy dziennika</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Odśwież dziennik</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Szczegóły zadania synchronizacji</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Lokalne miejsce docelowe</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Zdalne miejsce docelowe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Zamknij samouczek</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Samouczek aplikacji Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Samouczek aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Zatrzymaj pobieranie</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Usuń pobraną wersję</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Pobierz wcześniejszą wersję</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Wybierz foldery udostępnione na serwerze Halvenor, które chcesz synchronizować z tym komputerem.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Wybierz foldery zespołowe w Halvenor Drive, które chcesz synchronizować z tym komputerem.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Kreator konfiguracji zaawansowanej</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Ustawienia zaawansowane</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Automatyczna konfiguracja nie powiodła się. Skonfiguruj połączenie ręcznie.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Kończenie automatycznej konfiguracji...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>Klucz konfiguracji został zastosowany.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Ustawienia filtru</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Pliki i foldery zgodne z tymi regułami nie są synchronizowane.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nazwy plików</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Pliki o tych nazwach nie są synchronizowane. Dozwolone są symbole wieloznaczne, np. *.tmp.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Zablokowane pliki</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Nie synchronizuj plików, których nazwy zaczynają się od kropki</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Wybierz inny</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Edytuj połączenie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Zarządzaj</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Scal</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Skonfiguruj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Kontynuuj mimo to</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Rozpocznij teraz</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nazwa komputera</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>To pole jest wymagane.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Niektóre pola są nieprawidłowe. Sprawdź je i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Maksymalna liczba znaków: %1.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Brak danych</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udostępnij</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Zachowaj obie wersje i zmień nazwę kopii z tego komputera</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Zachowaj obie wersje w Halvenor Drive i zmień nazwę kopii z tego komputera</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Zachowaj wersję zmodyfikowaną jako ostatnią</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Gdy plik został zmieniony zarówno na serwerze, jak i na tym komputerze:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Zawsze zachowuj wersję z serwera</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Zmień nazwę pliku lokalnego i zachowaj oba</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Połączenie bezpośrednie</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Połączenie przez przekaźnik</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Sieć lokalna</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Wykrywanie typu połączenia...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Wprowadź kod weryfikacyjny z aplikacji uwierzytelniającej:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Zatrzymaj synchronizację tego folderu</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Zatrzymaj synchronizację tych folderów</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Brak dostępnych opcji</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Wznów synchronizację tego folderu</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Wznów synchronizację tych folderów</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Wyślij do: %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Kopiuj link udostępniania</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Przeglądaj wcześniejsze wersje</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Wybierz, co chcesz synchronizować z tym komputerem.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Moje pliki i foldery zespołowe</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Synchronizuj własne pliki oraz foldery zespołowe, do których masz dostęp.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Udostępnione mi</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Synchronizuj pliki i foldery, które udostępniły ci inne osoby.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Utwórz zadanie synchronizacji</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Nie można teraz pobrać tego pliku. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Nie można wyświetlić listy wersji tego pliku.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Nie można utworzyć linku udostępniania dla tego elementu.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Aplikacja Halvenor Drive jest gotowa.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Aplikacja Halvenor Drive jest inicjowana...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>To połączenie jest nieaktywne.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Pokazuj czarno-białe ikony na pasku menu i w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Pokazuj folder synchronizacji na pasku bocznym menedżera plików</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Zachowuj pliki na serwerze po usunięciu ich z tego komputera</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Nie pokazuj ponownie tego komunikatu</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Tylko pobieranie</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Przegląd Tavlo</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo nie może połączyć się z serwerem.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Brak folderów udostępnionych.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Włącz synchronizację na żądanie</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Nazwa użytkownika lub hasło są nieprawidłowe.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Logowanie nie powiodło się</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Nie można połączyć się z usługą przekaźnika.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>Identyfikator serwera jest nieprawidłowy lub nie istnieje.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Identyfikator serwera Halvenor Drive jest nieprawidłowy lub nie istnieje.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Usługa przekaźnika jest tymczasowo niedostępna. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Wystąpił nieznany błąd.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Wystąpił konflikt plików.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Lokalna baza danych jest uszkodzona.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Plik lub folder nie istnieje.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Utracono połączenie z serwerem.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>To urządzenie Tavlo jest połączone z innym serwerem.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>To urządzenie Tavlo jest połączone z innym serwerem Halvenor Drive.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Usługa Pelmora nie może utworzyć linku udostępniania dla tego elementu.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Usługa Pelmora jest wyłączona na serwerze. Skontaktuj się z administratorem.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Usługa Pelmora jest wyłączona</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Miejsce na serwerze jest zapełnione</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Nie można pobrać linku do tego pliku.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Inicjowanie nie powiodło się.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Nieprawidłowy parametr.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Wprowadź numer portu z zakresu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Twój adres IP został zablokowany przez serwer.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Ten komputer jest już połączony z tym urządzeniem Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>Brak lokalnego folderu synchronizacji.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Zbyt wiele nieudanych prób logowania. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Wystąpił błąd sieci. Sprawdź połączenie.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Brak dostępnego połączenia dla tego pliku.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Administrator wymaga weryfikacji dwuetapowej. Najpierw włącz ją w portalu internetowym.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Kod weryfikacyjny jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Wymagany jest kod weryfikacyjny.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Odmowa dostępu.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Serwer używa niezgodnej wersji protokołu.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive na serwerze używa niezgodnej wersji protokołu.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Wprowadź adres i port serwera proxy.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Twoje hasło wygasło. Zmień je w portalu internetowym.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick nie zezwala na udostępnianie tego pliku.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>Folder zdalny nie jest zamontowany.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Nie można włączyć folderu udostępnionego.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>Folder udostępniony koliduje z istniejącym folderem synchronizacji.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Osiągnięto maksymalną liczbę folderów udostępnionych.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Nieprawidłowy punkt montowania</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Nie znaleziono folderu udostępnionego</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Folder udostępniony nie jest zamontowany na serwerze.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Brak uprawnień</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Nie można usunąć udostępnionego elementu.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Certyfikat SSL serwera został zmieniony.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Nie można zweryfikować certyfikatu SSL serwera.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>Folder synchronizacji znajduje się na niezamontowanym woluminie.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Tunel przekaźnika jest wyłączony na serwerze.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Usługa folderów domowych użytkowników jest wyłączona na serwerze.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Informacje o użytkowniku są niedostępne.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Wprowadź nazwę użytkownika.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Nie masz uprawnień do korzystania z aplikacji Halvenor Drive. Skontaktuj się z administratorem.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Ta wersja klienta nie jest już obsługiwana. Uaktualnij klienta.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Ta wersja aplikacji Halvenor Drive nie jest już obsługiwana. Uaktualnij aplikację Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>Wersja serwera jest zbyt stara. Uaktualnij pakiet serwera.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>Wersja serwera jest zbyt stara dla aplikacji Halvenor Drive. Uaktualnij pakiet serwera.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Niezgodna wersja</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Brak wcześniejszych wersji tego pliku.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Zablokowane nazwy plików</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Rozszerzenia plików</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Maksymalny rozmiar pliku</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Nie synchronizuj plików większych niż %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filtr plików</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>Zaktualizowane pliki: %1</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Pierwsza strona</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nazwa folderu</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Filtr folderów</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Pokaż ponownie samouczek</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Pokaż ponownie samouczek aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Rozumiem</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Wszystkie zdarzenia</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Niestandardowy</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Zakres dat</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Typ pliku</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>Elementy: %1</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Słowo kluczowe</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Ostatni miesiąc</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Ostatni tydzień</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Zmieniono nazwę na tym komputerze</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Brak historii</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Zmieniono nazwę na serwerze</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmiana nazwy</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
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
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Wczoraj</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>Folder zawiera już pliki. Zostaną one scalone z plikami na serwerze.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Plik jest zablokowany</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Przygotowywanie...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Ostatnia strona</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Połącz z innym serwerem</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Ładowanie...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Wyszukiwanie urządzeń Tavlo w sieci lokalnej...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Historia pobierania</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Zadania synchronizacji</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Pokazuj opcje synchronizacji w menu kontekstowym</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Pokazuj powiadomienia na pulpicie</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Pokazuj ikony stanu synchronizacji na plikach i folderach</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Szyfruj przesyłanie danych przy użyciu SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Uruchamiaj aplikację Halvenor po zalogowaniu</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Uruchamiaj aplikację Halvenor Drive po zalogowaniu</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Tryb scalania</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Pokazuj ikony na elementach, które nie są synchronizowane</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Tryb synchronizacji</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Sposób synchronizacji</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Używaj czarno-białych ikon</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Serwer proxy wymaga nazwy użytkownika i hasła</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ręczna konfiguracja serwera proxy</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez serwera proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Używaj systemowych ustawień serwera proxy</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Serwer proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Ustawienia serwera proxy</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Stosowanie ustawień...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Nie zmieniono żadnych ustawień.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Zmiany nie zostały zapisane. Czy chcesz je teraz zapisać?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Zmień folder</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Lokalny folder synchronizacji</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Udostępnianie</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Foldery udostępnione</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Kwiecień</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Sierpień</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Grudzień</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Luty</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Styczeń</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Lipiec</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Czerwiec</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzec</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Październik</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Wrzesień</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Więcej samouczków</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>O aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Monitorowanie zmian plików...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Sprawdzanie poświadczeń...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Czy na pewno chcesz odłączyć ten komputer?\nPliki, które zostały już zsynchronizowane, pozostaną na tym komputerze.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Połączono pomyślnie.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Miejsce na serwerze jest zapełnione. Synchronizacja zostanie wstrzymana do czasu zwolnienia miejsca.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Miejsce w Halvenor Drive jest zapełnione. Synchronizacja zostanie wstrzymana do czasu zwolnienia miejsca.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Pobieranie zostało zatrzymane.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>Pobieranie zostało zakończone.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Pobieranie %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Pobieranie nie powiodło się.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Coś poszło nie tak. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>W aplikacji Halvenor Drive wystąpił problem. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Konfiguracja została zakończona.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Te ustawienia możesz zmienić w dowolnym momencie za pomocą ikony Halvenor Drive w obszarze powiadomień.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>Wybrany folder jest punktem montowania. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>Wybrany folder nie jest pusty. Jego pliki zostaną zsynchronizowane z serwerem.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>Wybrany folder nie jest pusty. Jego pliki zostaną zsynchronizowane z Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Nie można zapisywać w wybranym folderze.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Wprowadź adres serwera Halvenor i dane konta.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>Nowy język zostanie zastosowany po ponownym uruchomieniu aplikacji.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Dysk lokalny jest pełny. Synchronizacja zostanie wstrzymana do czasu zwolnienia miejsca.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Czy chcesz scalić zawartość folderu lokalnego z folderem na serwerze?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Zmiany na dyskach sieciowych mogą nie być wykrywane od razu.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synchronizowanie plików: %1 z %2</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Twój limit miejsca na serwerze został wyczerpany.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Aplikacja Halvenor jest już uruchomiona.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Aplikacja Halvenor Drive jest już uruchomiona.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Wybierz folder na tym komputerze do synchronizacji z serwerem.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>udostępnił(a) ci element.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Limit miejsca folderu udostępnionego został wyczerpany.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Czy na pewno chcesz usunąć ten udostępniony element?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Twoje pliki, wszędzie.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Certyfikat SSL serwera został zmieniony.\nCzy ufasz nowemu certyfikatowi?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Certyfikat SSL serwera nie jest zaufany.\nCzy mimo to chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Uruchamianie...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Synchronizuj i udostępniaj pliki na wszystkich swoich urządzeniach.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testowanie połączenia...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Nie można zweryfikować nazwy użytkownika.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odłączanie...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Uaktualnianie...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Witamy w aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignoruj</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Napraw</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów próbę</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Czy na pewno chcesz anulować instalację aplikacji Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Anuluj instalację</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Instalator aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Akceptuję warunki umowy licencyjnej</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Przeczytaj uważnie poniższą umowę licencyjną.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Nie akceptuję warunków umowy licencyjnej</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Umowa licencyjna użytkownika końcowego</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Kliknij przycisk Zakończ, aby zamknąć kreatora instalacji.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Uruchom aplikację Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Instalacja zakończona</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Aplikacja Halvenor Drive została zainstalowana.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Kreator instalacji aplikacji Halvenor Drive zakończył pracę</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>Kreator instalacji zakończył działanie przedwcześnie z powodu błędu. System nie został zmodyfikowany.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Aby zainstalować ten program później, ponownie uruchom kreatora instalacji. Kliknij przycisk Zakończ, aby zamknąć kreatora instalacji.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Instalacja nie powiodła się</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Kreator instalacji aplikacji Halvenor Drive zakończył działanie przedwcześnie</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Zamknij aplikacje i spróbuj uruchomić je ponownie.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Nie zamykaj aplikacji. Konieczne będzie ponowne uruchomienie komputera.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Niektóre pliki, które należy zaktualizować, są obecnie używane.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Pliki w użyciu</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Następujące aplikacje używają plików, które ten instalator musi zaktualizować.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Zamknij te aplikacje i kliknij przycisk Ponów próbę, aby kontynuować, lub kliknij przycisk Wyjdź, aby opuścić instalator.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Umożliwia zmianę sposobu instalacji funkcji.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Aplikacja Halvenor Drive nie zawiera osobnych funkcji, które można zmienić.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Zmień instalację</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Wybierz operację, którą chcesz wykonać.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Usuwa aplikację Halvenor Drive z komputera.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Usuń instalację</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Naprawia błędy ostatniej instalacji, przywracając brakujące i uszkodzone pliki oraz skróty.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Napraw instalację</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Zmień, napraw lub usuń instalację</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kreator instalacji umożliwia zmianę sposobu zainstalowania aplikacji Halvenor Drive na komputerze, a także jej naprawę lub usunięcie.\nKliknij przycisk Dalej, aby kontynuować, lub przycisk Anuluj, aby zamknąć kreatora instalacji.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Witamy w trybie konserwacji aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Poczekaj, aż kreator instalacji zainstaluje aplikację Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Instalowanie aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Może to potrwać kilka minut.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kliknij przycisk Zainstaluj, aby rozpocząć instalację. Kliknij przycisk Wstecz, aby przejrzeć lub zmienić ustawienia instalacji. Kliknij przycisk Anuluj, aby zamknąć kreatora.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Wszystko gotowe do instalacji aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>Kreator instalacji jest gotowy do rozpoczęcia instalacji.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kliknij przycisk Usuń, aby usunąć aplikację Halvenor Drive z komputera. Kliknij przycisk Wstecz, aby przejrzeć lub zmienić ustawienia instalacji. Kliknij przycisk Anuluj, aby zamknąć kreatora.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Wszystko gotowe do usunięcia aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>Kreator instalacji jest gotowy do usunięcia aplikacji Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kliknij przycisk Napraw, aby naprawić instalację aplikacji Halvenor Drive. Kliknij przycisk Wstecz, aby przejrzeć lub zmienić ustawienia instalacji. Kliknij przycisk Anuluj, aby zamknąć kreatora.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Wszystko gotowe do naprawy aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>Kreator instalacji jest gotowy do naprawy aplikacji Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>Działanie kreatora instalacji zostało przerwane. System nie został zmodyfikowany.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Aby zainstalować aplikację Halvenor Drive później, ponownie uruchom kreatora instalacji. Kliknij przycisk Zakończ, aby zamknąć kreatora instalacji.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Instalacja przerwana</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Działanie kreatora instalacji aplikacji Halvenor Drive zostało przerwane</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kreator instalacji zainstaluje aplikację Halvenor Drive na komputerze.\nKliknij przycisk Dalej, aby kontynuować, lub przycisk Anuluj, aby zamknąć kreatora instalacji.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Witamy w kreatorze instalacji aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Ustawienia sieci</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Następne %1 str.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nie, dziękuję</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Nie wybrano prawidłowego folderu.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Powiadomienia</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>skomentował(a)</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>wspomniał(a) o tobie w</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>poprosił(a) o dostęp do</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>udostępnił(a) ci</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Komentarze</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Wzmianki</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Otwórz w portalu internetowym</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Udostępnione</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronizacja</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Prośby o dostęp</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktywność</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Nie można zsynchronizować niektórych plików. Kliknij tutaj, aby wyświetlić szczegóły.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Problem z synchronizacją</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 udostępnił(a) ci element „%2”.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Nowy udostępniony element</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Synchronizacja na żądanie</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Pobieranie jednokierunkowe</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Tylko pobieraj zmiany z serwera</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Tylko pobieraj zmiany z Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Wysyłanie jednokierunkowe</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Otwórz folder zawierający</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Otwórz aplikację Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Wyświetl stan synchronizacji</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Użytkownicy wewnętrzni</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Zalogowani użytkownicy mogą wyświetlać</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Zalogowani użytkownicy mogą edytować</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Ograniczony</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Link mogą otworzyć tylko zaproszone przez ciebie osoby</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Publiczny</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Każdy, kto ma link, może wyświetlać</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Każdy, kto ma link, może edytować</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Może wyświetlać</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Może edytować</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Poprzednie %1 str.</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Aplikacja Halvenor synchronizuje teraz twoje pliki.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Aplikacja Halvenor Drive synchronizuje teraz twoje pliki.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Pliki będą synchronizowane między tym komputerem a serwerem.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Dowiedz się więcej o aplikacji Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Dowiedz się więcej o aplikacji Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Wszystko gotowe!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Otwórz mój folder synchronizacji</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Możesz tylko wyświetlać pliki w tym folderze. Zmiany wprowadzone na tym komputerze nie są wysyłane.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Możesz tylko wyświetlać pliki w tym folderze Halvenor Drive. Zmiany wprowadzone na tym komputerze nie są wysyłane.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Ostatnio zmienione</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Zastosuj do wszystkich podfolderów</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Synchronizacja selektywna</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Kierunek synchronizacji</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Filtrowanie plików</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Wybierz foldery</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Wybierz tryb synchronizacji</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Foldery, których zaznaczenie usuniesz, zostaną usunięte z tego komputera, ale pozostaną na serwerze.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Synchronizacja selektywna...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Czy na pewno chcesz usunąć to zadanie synchronizacji?\nZsynchronizowane pliki pozostaną na tym komputerze.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Wyłączenie tego folderu udostępnionego spowoduje usunięcie jego plików z tego komputera.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Udostępnianie włączone</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Zaproś osoby</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Link udostępniania</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Uprawnienia linku</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Użytkownicy i grupy</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Czy chcesz synchronizować elementy, które ci udostępniono?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Zapisz i kopiuj link</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Niestandardowy czas trwania</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Wygasa</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Ogranicz liczbę dostępów</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Dostępny od</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Wygasa po liczbie dostępów: %1</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Udostępnianie przez link</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Ogranicz dostęp</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Niektóre pliki nie zostały zsynchronizowane</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Dysk serwera jest pełny</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Urządzenie Tavlo zostało zmienione</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Wymagane uaktualnienie klienta</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Wymagane uaktualnienie serwera</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Dysk lokalny jest pełny</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Przekroczono limit</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Weryfikacja certyfikatu nie powiodła się</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronizowanie...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktualne</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>Kierunek synchronizacji tego folderu nie jest zgodny z ustawieniem na serwerze.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Synchronizuj pliki tymczasowe</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 dni temu</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 godz. temu</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Przed chwilą</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 min temu</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Nowe udostępnienie</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Zmień folder synchronizacji</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Ten komputer</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Przegląd synchronizacji</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Typ połączenia</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Folder nie jest pusty</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Folder tylko do odczytu</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Ścieżka folderu</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Kliknij dwukrotnie ikonę, aby otworzyć folder synchronizacji</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Nieaktywne</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Wprowadź adres IP, nazwę hosta lub identyfikator serwera.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Otwórz aplikację Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Włącz szyfrowanie SSL</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Ostrzeżenie o zabezpieczeniach</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Gotowość</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Informacje o stanie</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uaktualnienie</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Witamy</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indeksowanie folderu...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikacji</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Dostępna jest nowa wersja. Kliknij, aby zaktualizować.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Aplikacja Halvenor Drive jest dostępna. Kliknij, aby zaktualizować.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Trwa synchronizacja</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Sprawdzanie danych...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Urządzenie Tavlo zostało wymienione. Połącz je ponownie.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Pobieranie zakończone</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Otwórz folder synchronizacji</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Połącz ponownie</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Informacje o połączeniu</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Zsynchronizowano na wszystkich urządzeniach</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>Synchronizowane pliki: %1</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Niestabilne połączenie</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Ostatnio zaktualizowane pliki</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizowanie...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Uaktualnij teraz</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Ponów synchronizację</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Otwórz portal internetowy</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Możesz zacząć korzystać z aplikacji Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Pliki umieszczone w folderze synchronizacji są aktualne na wszystkich twoich urządzeniach.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Twój folder synchronizacji</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Kliknij plik prawym przyciskiem myszy, aby go udostępnić lub przejrzeć jego wcześniejsze wersje.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Udostępnianie i przywracanie</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Ikona w obszarze powiadomień pozwala szybko sprawdzić stan synchronizacji.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Kliknij ją, aby wstrzymać synchronizację, otworzyć folder synchronizacji lub zmienić ustawienia.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Stan synchronizacji</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Rozpocznij przewodnik</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Użyj synchronizacji selektywnej, aby wybrać foldery przechowywane na tym komputerze.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Pominięte foldery pozostają bezpiecznie na serwerze.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Wybierz, co synchronizować</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Synchronizacja dwukierunkowa</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Zaktualizuj pakiet serwera, aby korzystać z synchronizacji selektywnej.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Uaktualnienie nie powiodło się. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Nie można uaktualnić aplikacji Halvenor Drive. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Użyj Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Nie masz uprawnień dostępu do tego folderu synchronizacji.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Logowanie nie powiodło się. Sprawdź nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Wymagana jest nowsza wersja klienta. Czy chcesz go teraz uaktualnić?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Nie można uaktualnić klienta.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Przed rozpoczęciem synchronizacji tworzona jest kopia zapasowa plików powodujących konflikt z serwerem.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Ten folder pokrywa się z innym zadaniem synchronizacji. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Wprowadź adres serwera i dane konta, aby się połączyć.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Utwórz folder Halvenor</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Nie można utworzyć folderu lokalnego.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Utwórz folder Oskavel Drive</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Na dysku nie ma wystarczającej ilości wolnego miejsca dla tego folderu synchronizacji.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Na dysku nie ma wystarczającej ilości wolnego miejsca dla tego folderu Halvenor Drive.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Nie można włączyć synchronizacji na żądanie.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Znajdź urządzenia Tavlo w sieci lokalnej</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Ten komputer jest teraz połączony z twoim serwerem Halvenor.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Ten komputer jest teraz połączony z Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>Wybrany folder synchronizacji jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Nie można sprawdzić folderu synchronizacji z powodu błędu sieci.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Wybierz folder na serwerze i folder na tym komputerze, które mają być synchronizowane.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Nowe zadanie synchronizacji</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Twój limit na serwerze został wyczerpany.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>Folder synchronizacji jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Ustaw folder synchronizacji</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Wybierz, gdzie na tym komputerze mają być przechowywane synchronizowane pliki.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Lokalizacja folderu synchronizacji</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Samodzielnie wybierz foldery i reguły synchronizacji.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Konfiguracja zaawansowana</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Jak chcesz skonfigurować synchronizację?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Tryb konfiguracji</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Synchronizuj folder domowy przy użyciu zalecanych ustawień.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Szybka konfiguracja</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Ten folder jest już synchronizowany przez inne zadanie.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Dwukrotne synchronizowanie tego samego folderu może powodować konflikty.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Wybierz inny folder lub usuń istniejące zadanie.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Zduplikowane zadanie synchronizacji</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Folder udostępniony o tej nazwie już istnieje.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>Folder udostępniony tego zadania synchronizacji już nie istnieje.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Synchronizuj na tym komputerze elementy, które udostępnili ci inni.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Może później</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Włącz teraz</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Pliki, które ci udostępniono, również mogą być synchronizowane.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Synchronizuj elementy udostępnione mi</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Certyfikat SSL serwera został zmieniony. Potwierdź go przed synchronizacją tego folderu.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Nie można zweryfikować certyfikatu SSL serwera, dlatego tego folderu nie można zsynchronizować.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Synchronizuj z innym serwerem</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Dodaj zadanie synchronizacji</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Podczas sprawdzania folderu synchronizacji wystąpił błąd systemu.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Ten folder był synchronizowany przez inne konto użytkownika.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Twoje konto zostało wyłączone.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Aplikacja Halvenor synchronizuje pliki między tym komputerem a twoim serwerem.\nSkonfigurujmy pierwsze zadanie synchronizacji.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Aplikacja Halvenor Drive synchronizuje pliki między tym komputerem a twoim serwerem.\nSkonfigurujmy pierwsze zadanie synchronizacji.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Potrzebujesz pomocy? Odwiedź Centrum pomocy Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Potrzebujesz pomocy? Odwiedź Centrum pomocy Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Poczekaj, trwa ładowanie kreatora...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Poczekaj, trwa ładowanie aplikacji Halvenor Drive...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Witamy w aplikacji Halvenor</translation>
    </message>
</context>
</TS>
