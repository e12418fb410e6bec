<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Megváltozott a kiszolgáló SSL-tanúsítványa.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Csatlakozás a kiszolgálóhoz</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Biztonsági mentés: %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>A biztonsági mentés célja nem egyezik a nyilvántartott céllal.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Felhasználónév:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Megosztott mappa engedélyezve</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Rendszerproxy-beállítások használata</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>A kezdőmappa-szolgáltatás le van tiltva ennél a felhasználónál a kiszolgálón.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Válassza ki azokat a helyi mappákat, amelyekről biztonsági mentést szeretne készíteni a kiszolgálóra.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Adja meg a kiszolgáló címét és a fiókja hitelesítő adatait.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Az inicializálás sikertelen. Indítsa újra az alkalmazást.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Adja meg az ellenőrző kódot:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Már létezik biztonsági mentési feladat ilyen nevű megosztott mappával.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Biztonsági mentési sor</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximális fájlméret (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Nem, másik mappát választok</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup készen áll.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Adjon meg érvényes portszámot (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Ezt a mappát már egy másik biztonsági mentési feladat használja.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Rendszernyelv</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>A Halvora Backup inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Nem sikerült biztonságos kapcsolatot létesíteni a kiszolgálóval.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Proxy felhasználóneve:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Folytatás mindenképp</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Leválasztás...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Várakozás a fájl zárolásának feloldására...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Egyszínű tálcaikon használata</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Ehhez a fiókhoz kétlépéses ellenőrzés szükséges.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>A forrásmappa csak olvasható.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Proxy kézi beállítása</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Fiók</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>A mappához való hozzáférés megtagadva.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Ez a varázsló segít beállítani a számítógép biztonsági mentését a kiszolgálóra.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Válassza ki a mentendő mappákat</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Portszám:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Frissítés...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Helyi mappa</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Biztosan leválasztja ezt a számítógépet a kiszolgálóról?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Nem sikerült befejezni a frissítést.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Kattintson a frissítés telepítéséhez</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Utolsó biztonsági mentés:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>%1 biztonsági mentése nem sikerült: nincs elég jogosultság vagy lemezterület.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>A biztonsági mentés iránya nem egyezik a kiszolgáló beállításaival.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Kiszolgálók keresése a helyi hálózaton</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>A(z) %1 előtagú fájlok és mappák biztonsági mentése.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Hiba történt (hibakód: %1). Segítségért forduljon a Veltrane online ügyfélszolgálatához.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Elérési út</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>A Halvora Backup frissítése</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Váratlan hiba történt.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>A biztonsági mentés le van tiltva ennél a felhasználói fióknál.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Most nem</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>A kiszolgáló tanúsítványa eltér a korábban megbízhatónak elfogadottól. Megbízik az új tanúsítványban?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Szűrő</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiválasztás</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Betelt a tárhelykvótája a kiszolgálón.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Ez a mappa átfedésben van egy olyan mappával, amelyről már készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>A felhasználónév vagy a jelszó helytelen.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Ellenőrző kód szükséges.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>A Halvora Backup ezen verziója már nem támogatott. Frissítsen újabb verzióra.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>A Halvora Backup megnyitása</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>A helyi adatbázis megsérült.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Kiszolgálók keresése...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Előkészítés</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Célmappa</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Betelt a megosztott mappa kvótája.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>A mappát tartalmazó lemez megtelt.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Erősítse meg a következő beállításokat.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Nem sikerült ellenőrizni a kiszolgáló SSL-tanúsítványát.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Erről az IP-címről nem engedélyezett a kapcsolódás.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Kizárt fájltípusok</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Hálózati hiba. Ellenőrizze a kapcsolatot.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Jelszó ellenőrzése...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>A Halvora Backup indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Kizárt elérési utak</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>A folytatás előtt győződjön meg arról, hogy a kiszolgálón engedélyezve van a biztonsági mentési szolgáltatás.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Naprakész</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Túl sok sikertelen kísérlet. Próbálkozzon később.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>A következő kiterjesztésű fájlokról nem készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Adja meg a proxy címét és portját.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Biztonsági mentés...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Nem sikerült munkamenetet létrehozni a kiszolgálóval.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Előrehaladás</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Mentendő mappák kiválasztása</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>A 0 érték esetén nincs méretkorlát.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Cím:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Nincs kiválasztva érvényes mappa.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Az automatikus kapcsolódást a rendszergazda szabályozza.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>A kiszolgálón lévő megosztott mappa nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>A kiszolgáló csak olvasható másolatot tárol a fájljairól.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxykiszolgáló</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>A hitelesítés sikertelen.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Az ennél nagyobb fájlokról nem készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Kiszolgáló címe:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Befejezve</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozás</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Fájljai biztonságban, mindig elérhető közelségben.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Kapcsolat tesztelése...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Beállítások alkalmazása...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>A kiszolgálón lévő tárhelykvóta nem elegendő ehhez a mappához.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Az új nyelvi beállítások érvénybe léptetéséhez indítsa újra a következőt: %1.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Indítás most</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Segítségre van szüksége? Keresse fel a Veltrane online ügyfélszolgálatát.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Ez a mappa nem menthető.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Az ellenőrző kód helytelen.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Biztonságos kapcsolat használata (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>A művelet sikertelen.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Nincs elég hely a helyi lemezen.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Nincs kiválasztva mappa.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Ez a számítógép</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>Megváltozott a biztonsági mentés célja a kiszolgálón.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Ez a mappa csak olvasható. Ennek ellenére készít róla biztonsági mentést?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Kattintson duplán a fájlkiterjesztés szerkesztéséhez.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>A helyi biztonsági mentési mappa nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 fájl feldolgozása...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>A helyileg törölt fájlok megtartása a kiszolgálón</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Csatlakozás...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nincs proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Csatlakozás FarBridge használatával</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>A proxykiszolgáló hitelesítést igényel</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Biztonsági figyelmeztetés</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>A helyi biztonsági mentési mappa nem található.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Csak olvasható</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Válassza ki a számítógép azon mappáit, amelyekről biztonsági mentést szeretne készíteni.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Adja meg a proxy felhasználónevét.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>A megosztott mappa nem létezik a kiszolgálón.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Speciális</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Válasszon célmappát a kiszolgálón.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>A kiszolgáló váratlan választ adott.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>A kiszolgáló verziója nem támogatott. Frissítse a kiszolgálót.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Az automatikus kapcsolódás azonosítója érvénytelen.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>A mappában lévő fájlok olvashatók, de nem módosíthatók.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Letöltés...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Nincs jogosultsága a megosztott mappa eléréséhez.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>A(z) %1 frissítése sikertelen (hibakód: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>A Halvora Backup nem telepíthető és nem indítható</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Nincs elég hely a saját mappájában: %1 MB szükséges, %2 MB szabad.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>A telepítőcsomag sérült.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>A saját mappája nem tudja befogadni a program fájljait.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>A telepítés nem fejeződött be.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>A rendszergazdája is látja ezt.</translation>
    </message>
</context>
</TS>
