<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Certifikát SSL serveru se změnil.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Připojení k serveru</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Zálohuje se %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>Cíl zálohy neodpovídá zaznamenanému cíli.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Uživatelské jméno:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Sdílená složka povolena</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Použít systémové nastavení proxy</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>Služba domovských složek je pro tohoto uživatele na serveru zakázána.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Vyberte místní složky, které chcete zálohovat na server.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Zadejte adresu serveru a přihlašovací údaje k účtu.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Inicializace se nezdařila. Restartujte aplikaci.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Zadejte ověřovací kód:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Úloha zálohování s tímto názvem sdílené složky již existuje.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Fronta zálohování</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximální velikost souboru (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Ne, vybrat jinou složku</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup je připravena.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Zadejte platné číslo portu (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Tuto složku již používá jiná úloha zálohování.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Jazyk systému</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup se inicializuje...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Nelze navázat zabezpečené připojení k serveru.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Uživatelské jméno pro proxy:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Přesto pokračovat</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odpojování...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Čeká se na odemknutí souboru...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Použít jednobarevnou ikonu v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Tento účet vyžaduje dvoufázové ověření.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>Zdrojová složka je jen pro čtení.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ruční konfigurace proxy</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Přístup ke složce byl odepřen.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Tento průvodce vám pomůže nastavit zálohování počítače na váš server.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Vyberte složky k zálohování</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Číslo portu:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizace...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Místní složka</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Opravdu chcete odpojit tento počítač od serveru?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Upgrade se nepodařilo dokončit.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Kliknutím nainstalujete aktualizaci</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Poslední záloha:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Zálohování %1 se nezdařilo kvůli nedostatečným oprávněním nebo nedostatku místa na disku.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>Směr zálohování neodpovídá nastavení serveru.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Vyhledat servery v místní síti</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Zálohovat soubory a složky s předponou %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Došlo k chybě (kód chyby: %1). Požádejte o pomoc online podporu společnosti Veltrane.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Upgradovat Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Došlo k neočekávané chybě.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Zálohování je pro tento uživatelský účet zakázáno.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Teď ne</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Certifikát serveru se liší od certifikátu, kterému jste dříve důvěřovali. Chcete novému certifikátu důvěřovat?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Vaše kvóta úložiště na serveru je vyčerpána.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Tato složka se překrývá se složkou, která je již zálohována.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Uživatelské jméno nebo heslo není správné.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Je vyžadován ověřovací kód.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Tato verze aplikace Halvora Backup již není podporována. Proveďte upgrade.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Otevřít Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Místní databáze je poškozena.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Vyhledávání serverů...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Příprava</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cílová složka</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Kvóta sdílené složky je vyčerpána.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Disk, na kterém je tato složka, je plný.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Potvrďte následující nastavení.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Certifikát SSL serveru nelze ověřit.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Připojení z této IP adresy nejsou povolena.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Vyloučené typy souborů</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Chyba sítě. Zkontrolujte připojení.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Ověřování hesla...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Spouštět Halvora Backup po přihlášení</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Vyloučené cesty</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Než budete pokračovat, ověřte, že je na serveru povolena služba zálohování.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Příliš mnoho neúspěšných pokusů. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Soubory s následujícími příponami nebudou zálohovány.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Zadejte adresu a port proxy serveru.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Zálohování...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Nepodařilo se vytvořit relaci se serverem.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Výběr složek k zálohování</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 znamená bez omezení velikosti.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Nebyla vybrána žádná platná složka.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Automatické připojení řídí váš správce.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Sdílená složka na serveru není připojena.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>Server bude uchovávat kopii vašich souborů jen pro čtení.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy server</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Adresa serveru</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Ověření se nezdařilo.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Soubory větší než tato velikost nebudou zálohovány.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Adresa serveru:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Vaše soubory, v bezpečí a vždy po ruce.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testování připojení...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Používá se nastavení...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Kvóta úložiště na serveru pro tuto složku nestačí.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Restartujte %1, aby se projevilo nové nastavení jazyka.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Spustit nyní</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Potřebujete pomoc? Navštivte web online podpory společnosti Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Tuto složku nelze zálohovat.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Ověřovací kód není správný.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Použít zabezpečené připojení (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operace se nezdařila.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Na místním disku není dostatek místa.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Není vybrána žádná složka.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>Cíl zálohy na serveru se změnil.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Tato složka je jen pro čtení. Chcete ji přesto zálohovat?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dvojím kliknutím upravíte příponu souboru.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>Místní složka zálohy není připojena.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Zpracování souborů: %1...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Ponechat soubory na serveru, když jsou odstraněny místně</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Připojit přes FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxy server vyžaduje ověření</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Bezpečnostní upozornění</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Místní složku zálohy nelze najít.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Jen pro čtení</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Vyberte složky v tomto počítači, které chcete zálohovat.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Zadejte uživatelské jméno pro proxy.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Sdílená složka na serveru neexistuje.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Upřesnit</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Vyberte cílovou složku na serveru.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Server odpověděl neočekávaným způsobem.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Verze serveru není podporována. Aktualizujte server.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>ID automatického připojení je neplatné.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Soubory v této složce lze číst, ale nelze je měnit.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Stahování...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Nemáte oprávnění k přístupu k této sdílené složce.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Upgrade %1 se nezdařil (kód chyby: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup nelze nainstalovat ani spustit</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Ve vaší domovské složce není dost místa: potřeba %1 MB, volno %2 MB.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Instalační balíček je poškozený.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Vaše domovská složka nemůže pojmout soubory programu.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>Instalace nebyla dokončena.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Váš správce to také vidí.</translation>
    </message>
</context>
</TS>
