<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Serverns SSL-certifikat har ändrats.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Anslut till din server</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Säkerhetskopierar %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>Säkerhetskopians mål stämmer inte med det registrerade målet.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Användarnamn:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Delad mapp aktiverad</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Använd systemets proxyinställningar</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>Tjänsten för hemmappar är inaktiverad för den här användaren på servern.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Välj de lokala mappar som du vill säkerhetskopiera till servern.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Ange serveradressen och dina kontouppgifter.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Initieringen misslyckades. Starta om programmet.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Ange verifieringskoden:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Det finns redan en säkerhetskopieringsuppgift med det här namnet på den delade mappen.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Programversion</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Säkerhetskopieringskö</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximal filstorlek (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Nej, välj en annan mapp</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup är klar.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tillstånd</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Ange ett giltigt portnummer (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Den här mappen används redan av en annan säkerhetskopieringsuppgift.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup initialiserar...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Det gick inte att upprätta en säker anslutning till servern.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Användarnamn för proxy:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Fortsätt ändå</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kopplar från...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Väntar på att filen ska låsas upp...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Använd en enfärgad ikon i systemfältet</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Tvåstegsverifiering krävs för det här kontot.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>Källmappen är skrivskyddad.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfiguration</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Åtkomst till mappen nekades.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Den här guiden hjälper dig att säkerhetskopiera datorn till din server.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Välj mappar att säkerhetskopiera</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Portnummer:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Uppdaterar...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokal mapp</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Är du säker på att du vill koppla den här datorn från servern?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Uppgraderingen kunde inte slutföras.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Klicka för att installera uppdateringen</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Senaste säkerhetskopia:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Det gick inte att säkerhetskopiera %1 på grund av otillräcklig behörighet eller diskutrymme.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>Säkerhetskopieringsriktningen stämmer inte med serverinställningarna.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Sök efter servrar i det lokala nätverket</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Säkerhetskopiera filer och mappar med prefixet %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Ett fel uppstod (felkod: %1). Kontakta onlinesupporten hos Veltrane för att få hjälp.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sökväg</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Uppgradera Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ett oväntat fel uppstod.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Säkerhetskopiering är inaktiverad för det här användarkontot.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Inte nu</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Serverns certifikat skiljer sig från det som tidigare var betrott. Vill du lita på det nya certifikatet?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrering</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Din lagringskvot på servern är full.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Den här mappen överlappar en mapp som redan säkerhetskopieras.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Användarnamnet eller lösenordet är felaktigt.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>En verifieringskod krävs.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Den här versionen av Halvora Backup stöds inte längre. Uppgradera programmet.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Öppna Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Den lokala databasen är skadad.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Söker efter servrar...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Förbereder</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Målmapp</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Kvoten för den delade mappen är full.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Disken som innehåller den här mappen är full.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Bekräfta följande inställningar.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Serverns SSL-certifikat kunde inte verifieras.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Anslutningar från den här IP-adressen tillåts inte.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Undantagna filtyper</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Nätverksfel. Kontrollera anslutningen.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Kontrollerar lösenordet...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Med ensamrätt.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Starta Halvora Backup när jag loggar in</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Undantagna sökvägar</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Kontrollera att säkerhetskopieringstjänsten är aktiverad på servern innan du fortsätter.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Uppdaterad</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>För många misslyckade försök. Försök igen senare.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Filer med följande filnamnstillägg säkerhetskopieras inte.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Ange proxyadress och port.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Säkerhetskopierar...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Det gick inte att skapa en session med servern.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Välj mappar för säkerhetskopiering</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 innebär ingen storleksgräns.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Anslutning</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adress:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Ingen giltig mapp har valts.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Automatisk anslutning styrs av administratören.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Den delade mappen på servern är inte monterad.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>Servern behåller en skrivskyddad kopia av dina filer.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveradress</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Autentiseringen misslyckades.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Filer som är större än den här storleken säkerhetskopieras inte.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradress:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Slutförd</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Väntar</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laddar upp</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Dina filer, säkra och alltid inom räckhåll.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testar anslutningen...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Verkställer inställningar...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Lagringskvoten på servern räcker inte för den här mappen.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Starta om %1 för att använda de nya språkinställningarna.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Starta nu</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Behöver du hjälp? Besök webbplatsen för onlinesupport hos Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Den här mappen kan inte säkerhetskopieras.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Verifieringskoden är felaktig.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Använd en säker anslutning (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Åtgärden misslyckades.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Det finns inte tillräckligt med utrymme på den lokala disken.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Ingen mapp är vald.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Den här datorn</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>Säkerhetskopians mål på servern har ändrats.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Den här mappen är skrivskyddad. Vill du ändå säkerhetskopiera den?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklicka för att redigera filnamnstillägget.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>Den lokala säkerhetskopieringsmappen är inte monterad.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Bearbetar %1 fil(er)...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Behåll filer på servern när de tas bort lokalt</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Anslut via FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyservern kräver autentisering</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Säkerhetsvarning</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Det går inte att hitta den lokala säkerhetskopieringsmappen.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivskyddad</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Välj de mappar på den här datorn som du vill säkerhetskopiera.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Ange användarnamnet för proxyn.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Den delade mappen finns inte på servern.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Välj en målmapp på servern.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Servern svarade på ett oväntat sätt.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Serverversionen stöds inte. Uppdatera servern.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>ID:t för automatisk anslutning är ogiltigt.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Filerna i den här mappen kan läsas men inte ändras.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Hämtar...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Du har inte behörighet att komma åt den här delade mappen.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Uppgraderingen av %1 misslyckades (felkod: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup kunde inte installeras eller startas</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Det finns inte tillräckligt med utrymme i din hemmapp: %1 MB behövs, %2 MB ledigt.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Installationspaketet är skadat.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Din hemmapp kan inte rymma programfilerna.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>Installationen slutfördes inte.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Din administratör kan också se detta.</translation>
    </message>
</context>
</TS>
