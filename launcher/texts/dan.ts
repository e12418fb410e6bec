<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Serverens SSL-certifikat er ændret.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Opret forbindelse til din server</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Sikkerhedskopierer %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>Sikkerhedskopiens destination svarer ikke til den registrerede.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Brugernavn:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Delt mappe aktiveret</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Brug systemets proxyindstillinger</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>Tjenesten for hjemmemapper er deaktiveret for denne bruger på serveren.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Vælg de lokale mapper, du vil sikkerhedskopiere til serveren.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Angiv serveradressen og dine kontooplysninger.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Initialiseringen mislykkedes. Genstart programmet.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Angiv bekræftelseskoden:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sæt på pause</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Der findes allerede en sikkerhedskopieringsopgave med dette navn på den delte mappe.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Programversion</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Sikkerhedskopieringskø</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksimal filstørrelse (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Nej, vælg en anden mappe</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup er klar.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sat på pause</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Angiv et gyldigt portnummer (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Denne mappe bruges allerede af en anden sikkerhedskopieringsopgave.</translation>
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
        <translation>Halvora Backup initialiserer...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Der kunne ikke oprettes en sikker forbindelse til serveren.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Brugernavn til proxy:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Fortsæt alligevel</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Frakobler...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Venter på, at filen låses op...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Brug et ensfarvet ikon i systembakken</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Totrinsbekræftelse er påkrævet for denne konto.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>Kildemappen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuel proxykonfiguration</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Adgang til mappen blev nægtet.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Denne guide hjælper dig med at sikkerhedskopiere din computer til din server.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Vælg de mapper, der skal sikkerhedskopieres</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Portnummer:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Opdaterer...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokal mappe</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Er du sikker på, at du vil frakoble denne computer fra serveren?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Opgraderingen kunne ikke fuldføres.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Klik for at installere opdateringen</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Seneste sikkerhedskopi:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>%1 kunne ikke sikkerhedskopieres på grund af manglende rettigheder eller diskplads.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>Sikkerhedskopieringsretningen svarer ikke til serverens indstillinger.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Søg efter servere på dit lokale netværk</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Sikkerhedskopier filer og mapper med præfikset %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Der opstod en fejl (fejlkode: %1). Kontakt onlinesupporten hos Veltrane for at få hjælp.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sti</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Opgrader Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Der opstod en uventet fejl.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Sikkerhedskopiering er deaktiveret for denne brugerkonto.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ikke nu</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Serverens certifikat adskiller sig fra det, du tidligere har stolet på. Vil du stole på det nye certifikat?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Din lagerkvote på serveren er opbrugt.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Denne mappe overlapper en mappe, der allerede sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Brugernavnet eller adgangskoden er forkert.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Der kræves en bekræftelseskode.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Denne version af Halvora Backup understøttes ikke længere. Opgrader programmet.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Åbn Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Den lokale database er beskadiget.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Frakobl</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Søger efter servere...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Forbereder</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinationsmappe</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Kvoten for den delte mappe er opbrugt.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Disken med denne mappe er fuld.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Bekræft følgende indstillinger.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Serverens SSL-certifikat kunne ikke bekræftes.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Forbindelser fra denne IP-adresse er ikke tilladt.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Udeladte filtyper</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Netværksfejl. Kontrollér din forbindelse.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Kontrollerer din adgangskode...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Start Halvora Backup, når jeg logger på</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Udeladte stier</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Sørg for, at sikkerhedskopieringstjenesten er aktiveret på din server, før du fortsætter.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Opdateret</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>For mange mislykkede forsøg. Prøv igen senere.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Filer med følgende filtypenavne sikkerhedskopieres ikke.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Angiv proxyadresse og port.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhedskopierer...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Der kunne ikke oprettes en session med serveren.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Forløb</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Vælg mapper til sikkerhedskopiering</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 betyder ingen størrelsesgrænse.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Forbindelse</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Der er ikke valgt nogen gyldig mappe.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Automatisk forbindelse styres af din administrator.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Den delte mappe på serveren er ikke monteret.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>Serveren gemmer en skrivebeskyttet kopi af dine filer.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Godkendelsen mislykkedes.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Filer, der er større end denne størrelse, sikkerhedskopieres ikke.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradresse:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fuldført</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploader</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Dine filer, sikre og altid inden for rækkevidde.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester forbindelsen...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Anvender indstillinger...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Lagerkvoten på serveren er ikke stor nok til denne mappe.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Genstart %1 for at anvende de nye sprogindstillinger.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start nu</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Brug for hjælp? Besøg webstedet for onlinesupport hos Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Denne mappe kan ikke sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekræftelseskoden er forkert.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Brug en sikker forbindelse (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Handlingen mislykkedes.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Der er ikke nok plads på den lokale disk.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Der er ikke valgt nogen mappe.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Denne computer</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>Sikkerhedskopiens destination på serveren er ændret.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Denne mappe er skrivebeskyttet. Vil du stadig sikkerhedskopiere den?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklik for at redigere filtypenavnet.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>Den lokale sikkerhedskopimappe er ikke monteret.</translation>
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
        <translation>Behandler %1 fil(er)...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Behold filer på serveren, når de slettes lokalt</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Opretter forbindelse...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Opret forbindelse via FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren kræver godkendelse</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Sikkerhedsadvarsel</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Den lokale sikkerhedskopimappe blev ikke fundet.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Vælg de mapper på denne computer, du vil sikkerhedskopiere.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Angiv brugernavnet til proxyen.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Den delte mappe findes ikke på serveren.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanceret</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Vælg en destinationsmappe på serveren.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Serveren svarede på en uventet måde.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Serverversionen understøttes ikke. Opdater serveren.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Id'et for automatisk forbindelse er ugyldigt.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Filerne i denne mappe kan læses, men ikke ændres.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Downloader...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Du har ikke tilladelse til at få adgang til denne delte mappe.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Opgradering af %1 mislykkedes (fejlkode: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup kunne ikke installeres eller startes</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Der er ikke nok plads i din hjemmemappe: %1 MB kræves, %2 MB ledig.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Installationspakken er beskadiget.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Din hjemmemappe kan ikke rumme programfilerne.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>Installationen blev ikke fuldført.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Din administrator kan også se dette.</translation>
    </message>
</context>
</TS>
