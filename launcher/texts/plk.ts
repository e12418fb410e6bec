<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Certyfikat SSL serwera został zmieniony.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Połącz się z serwerem</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Tworzenie kopii zapasowej: %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>Miejsce docelowe kopii zapasowej nie jest zgodne z zarejestrowanym.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Folder udostępniony włączony</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Użyj systemowych ustawień proxy</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>Usługa folderów domowych jest wyłączona dla tego użytkownika na serwerze.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Wybierz foldery lokalne, których kopię zapasową chcesz utworzyć na serwerze.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Wprowadź adres serwera i dane logowania do konta.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Inicjowanie nie powiodło się. Uruchom ponownie aplikację.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Wprowadź kod weryfikacyjny:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Zadanie kopii zapasowej z tą nazwą folderu udostępnionego już istnieje.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Kolejka kopii zapasowych</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksymalny rozmiar pliku (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Nie, wybierz inny folder</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Aplikacja Halvora Backup jest gotowa.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Wprowadź prawidłowy numer portu (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Ten folder jest już używany przez inne zadanie kopii zapasowej.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Domyślny język systemu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Aplikacja Halvora Backup jest inicjowana...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Nie można nawiązać bezpiecznego połączenia z serwerem.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Nazwa użytkownika proxy:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Kontynuuj mimo to</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odłączanie...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Oczekiwanie na odblokowanie pliku...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Użyj monochromatycznej ikony w zasobniku</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>To konto wymaga weryfikacji dwuetapowej.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>Folder źródłowy jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ręczna konfiguracja proxy</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Odmowa dostępu do folderu.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Ten kreator pomaga skonfigurować kopie zapasowe komputera na serwerze.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Wybierz foldery do kopii zapasowej</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Numer portu:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizowanie...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Folder lokalny</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Czy na pewno chcesz odłączyć ten komputer od serwera?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Nie można ukończyć uaktualnienia.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Kliknij, aby zainstalować aktualizację</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Ostatnia kopia zapasowa:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Nie można utworzyć kopii zapasowej %1 z powodu braku uprawnień lub miejsca na dysku.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>Kierunek kopii zapasowej nie jest zgodny z ustawieniami serwera.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Wyszukaj serwery w sieci lokalnej</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Twórz kopie zapasowe plików i folderów z prefiksem %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Wystąpił błąd (kod błędu: %1). Skontaktuj się z pomocą techniczną online firmy Veltrane.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Uaktualnij Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Kopie zapasowe są wyłączone dla tego konta użytkownika.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Certyfikat serwera różni się od poprzednio zaufanego. Czy chcesz zaufać nowemu certyfikatowi?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Twój limit miejsca na serwerze został wyczerpany.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Ten folder pokrywa się z folderem, którego kopia zapasowa jest już tworzona.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Nazwa użytkownika lub hasło są nieprawidłowe.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Wymagany jest kod weryfikacyjny.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Ta wersja aplikacji Halvora Backup nie jest już obsługiwana. Uaktualnij aplikację.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Otwórz Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Lokalna baza danych jest uszkodzona.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Wyszukiwanie serwerów...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Przygotowywanie</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Limit miejsca folderu udostępnionego został wyczerpany.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Dysk, na którym znajduje się ten folder, jest pełny.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Potwierdź poniższe ustawienia.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Nie można zweryfikować certyfikatu SSL serwera.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Połączenia z tego adresu IP są niedozwolone.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Wykluczone typy plików</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Błąd sieci. Sprawdź połączenie.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Sprawdzanie hasła...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Uruchamiaj aplikację Halvora Backup po zalogowaniu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Wykluczone ścieżki</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Przed kontynuowaniem upewnij się, że na serwerze jest włączona usługa kopii zapasowych.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktualne</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Zbyt wiele nieudanych prób. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Kopia zapasowa nie obejmie plików z następującymi rozszerzeniami.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Wprowadź adres i port serwera proxy.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Tworzenie kopii zapasowej...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Nie można utworzyć sesji z serwerem.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Wybierz foldery do kopii zapasowej</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 oznacza brak limitu rozmiaru.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Nie wybrano prawidłowego folderu.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Połączenie automatyczne jest zarządzane przez administratora.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Folder udostępniony na serwerze nie jest zamontowany.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>Serwer będzie przechowywać kopię plików tylko do odczytu.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Serwer proxy</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Uwierzytelnianie nie powiodło się.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Kopia zapasowa nie obejmie plików większych niż ten rozmiar.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Adres serwera:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Twoje pliki, bezpieczne i zawsze pod ręką.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testowanie połączenia...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Stosowanie ustawień...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Limit miejsca na serwerze jest niewystarczający dla tego folderu.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Uruchom ponownie %1, aby zastosować nowe ustawienia języka.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Rozpocznij teraz</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Potrzebujesz pomocy? Odwiedź witrynę pomocy technicznej online firmy Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Nie można utworzyć kopii zapasowej tego folderu.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Kod weryfikacyjny jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Użyj bezpiecznego połączenia (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operacja nie powiodła się.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Za mało miejsca na dysku lokalnym.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Nie wybrano folderu.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Ten komputer</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>Miejsce docelowe kopii zapasowej na serwerze zostało zmienione.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Ten folder jest tylko do odczytu. Czy nadal chcesz utworzyć jego kopię zapasową?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Kliknij dwukrotnie, aby edytować rozszerzenie pliku.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>Lokalny folder kopii zapasowej nie jest zamontowany.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Przetwarzanie plików: %1...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Zachowuj pliki na serwerze po usunięciu ich lokalnie</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Połącz przez FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Serwer proxy wymaga uwierzytelnienia</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Ostrzeżenie o zabezpieczeniach</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Nie można odnaleźć lokalnego folderu kopii zapasowej.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Wybierz foldery na tym komputerze, których kopię zapasową chcesz utworzyć.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Wprowadź nazwę użytkownika proxy.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Folder udostępniony nie istnieje na serwerze.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Wybierz folder docelowy na serwerze.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Serwer odpowiedział w nieoczekiwany sposób.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Ta wersja serwera nie jest obsługiwana. Zaktualizuj serwer.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Identyfikator połączenia automatycznego jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Pliki w tym folderze można odczytywać, ale nie można ich zmieniać.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Pobieranie...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Nie masz uprawnień dostępu do tego folderu udostępnionego.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Uaktualnienie %1 nie powiodło się (kod błędu: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Nie można zainstalować ani uruchomić aplikacji Halvora Backup</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>W folderze domowym brakuje miejsca: potrzeba %1 MB, wolne %2 MB.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Pakiet instalacyjny jest uszkodzony.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Folder domowy nie może pomieścić plików programu.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>Instalacja nie została ukończona.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Administrator również to widzi.</translation>
    </message>
</context>
</TS>
