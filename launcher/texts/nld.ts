<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Het SSL-certificaat van de server is gewijzigd.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Verbinding maken met uw server</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Back-up maken van %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>De back-upbestemming komt niet overeen met de geregistreerde bestemming.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Gedeelde map ingeschakeld</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Proxy-instellingen van het systeem gebruiken</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>De service voor persoonlijke mappen is op de server uitgeschakeld voor deze gebruiker.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Kies de lokale mappen waarvan u een back-up op de server wilt maken.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Voer het serveradres en de aanmeldingsgegevens van uw account in.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Initialisatie mislukt. Start de toepassing opnieuw.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Voer de verificatiecode in:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Er bestaat al een back-uptaak met deze naam van de gedeelde map.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Back-upwachtrij</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximale bestandsgrootte (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Nee, andere map kiezen</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup is gereed.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Voer een geldig poortnummer in (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Deze map wordt al door een andere back-uptaak gebruikt.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup is bezig met initialisatie...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Er kan geen beveiligde verbinding met de server tot stand worden gebracht.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Gebruikersnaam voor proxy:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Toch doorgaan</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Bezig met ontkoppelen...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Wachten tot het bestand is ontgrendeld...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Monochroom pictogram in het systeemvak gebruiken</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Voor dit account is verificatie in twee stappen vereist.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>De bronmap is alleen-lezen.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Handmatige proxyconfiguratie</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Gebruikersaccount</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>De toegang tot de map is geweigerd.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Met deze wizard stelt u back-ups van uw computer naar uw server in.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Mappen kiezen voor de back-up</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Bezig met bijwerken...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokale map</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Weet u zeker dat u deze computer wilt ontkoppelen van de server?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>De upgrade kan niet worden voltooid.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Klik om de update te installeren</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Laatste back-up:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Kan geen back-up maken van %1 wegens onvoldoende rechten of schijfruimte.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>De back-uprichting komt niet overeen met de serverinstellingen.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Zoeken naar servers in uw lokale netwerk</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Back-up maken van bestanden en mappen met het voorvoegsel %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Er is een fout opgetreden (foutcode: %1). Neem contact op met de online ondersteuning van Veltrane.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Halvora Backup upgraden</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Er is een onverwachte fout opgetreden.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Back-up is uitgeschakeld voor dit gebruikersaccount.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Het certificaat van de server verschilt van het eerder vertrouwde certificaat. Wilt u het nieuwe certificaat vertrouwen?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Uw opslagquotum op de server is vol.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Deze map overlapt met een map waarvan al een back-up wordt gemaakt.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>De gebruikersnaam of het wachtwoord is onjuist.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Er is een verificatiecode vereist.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Deze versie van Halvora Backup wordt niet meer ondersteund. Voer een upgrade uit.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Halvora Backup openen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>De lokale database is beschadigd.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Ontkoppelen</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Zoeken naar servers...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Voorbereiden</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Het quotum van de gedeelde map is vol.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>De schijf waarop deze map staat, is vol.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Bevestig de volgende instellingen.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Het SSL-certificaat van de server kan niet worden geverifieerd.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Verbindingen vanaf dit IP-adres zijn niet toegestaan.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Uitgesloten bestandstypen</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Netwerkfout. Controleer uw verbinding.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Wachtwoord controleren...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Halvora Backup starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Uitgesloten paden</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Controleer of de back-upservice op uw server is ingeschakeld voordat u verdergaat.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Bijgewerkt</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Te veel mislukte pogingen. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Van bestanden met de volgende extensies wordt geen back-up gemaakt.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Voer het adres en de poort van de proxy in.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Bezig met back-up...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Kan geen sessie met de server maken.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Mappen voor back-up kiezen</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 betekent geen groottelimiet.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Er is geen geldige map geselecteerd.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>De automatische verbinding wordt beheerd door uw beheerder.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>De gedeelde map op de server is niet gekoppeld.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>De server bewaart een alleen-lezen kopie van uw bestanden.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveradres</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Authenticatie mislukt.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Van bestanden die groter zijn dan deze grootte wordt geen back-up gemaakt.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradres:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wachten</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Uw bestanden, veilig en altijd binnen handbereik.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verbinding testen...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Instellingen toepassen...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Het opslagquotum op de server is niet voldoende voor deze map.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Start %1 opnieuw om de nieuwe taalinstellingen toe te passen.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Nu starten</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Hulp nodig? Ga naar de website van de online ondersteuning van Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Van deze map kan geen back-up worden gemaakt.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>De verificatiecode is onjuist.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Beveiligde verbinding gebruiken (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>De bewerking is mislukt.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Er is onvoldoende ruimte op de lokale schijf.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Er is geen map geselecteerd.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Deze computer</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>De back-upbestemming op de server is gewijzigd.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Deze map is alleen-lezen. Wilt u er toch een back-up van maken?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklik om de bestandsextensie te bewerken.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>De lokale back-upmap is niet gekoppeld.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 bestand(en) verwerken...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Bestanden op de server behouden wanneer ze lokaal worden verwijderd</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinding maken...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Geen proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Verbinden via FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>De proxyserver vereist authenticatie</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Beveiligingswaarschuwing</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>De lokale back-upmap kan niet worden gevonden.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Alleen-lezen</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Selecteer de mappen op deze computer waarvan u een back-up wilt maken.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Voer de gebruikersnaam voor de proxy in.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>De gedeelde map bestaat niet op de server.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Kies een bestemmingsmap op de server.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>De server heeft onverwacht gereageerd.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>De serverversie wordt niet ondersteund. Werk de server bij.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>De ID voor automatisch verbinden is ongeldig.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Bestanden in deze map kunnen worden gelezen, maar niet gewijzigd.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Bezig met downloaden...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help en ondersteuning</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>U hebt geen toestemming voor toegang tot deze gedeelde map.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Upgrade van %1 mislukt (foutcode: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup kon niet worden geïnstalleerd of gestart</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Uw persoonlijke map heeft niet genoeg ruimte: %1 MB nodig, %2 MB vrij.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Het installatiepakket is beschadigd.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Uw persoonlijke map kan de programmabestanden niet bevatten.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>De installatie is niet voltooid.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Uw beheerder kan dit ook zien.</translation>
    </message>
</context>
</TS>
