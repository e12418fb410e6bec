<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Serverens SSL-sertifikat er endret.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Koble til serveren din</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Sikkerhetskopierer %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>Sikkerhetskopiens mål samsvarer ikke med det registrerte målet.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Brukernavn:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Delt mappe aktivert</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Bruk systemets proxyinnstillinger</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>Tjenesten for hjemmemapper er deaktivert for denne brukeren på serveren.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Velg de lokale mappene du vil sikkerhetskopiere til serveren.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Angi serveradressen og kontoopplysningene dine.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Initialiseringen mislyktes. Start programmet på nytt.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Angi bekreftelseskoden:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Det finnes allerede en sikkerhetskopieringsoppgave med dette navnet på den delte mappen.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Sikkerhetskopieringskø</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksimal filstørrelse (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Nei, velg en annen mappe</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup er klar.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Satt på pause</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Angi et gyldig portnummer (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Denne mappen brukes allerede av en annen sikkerhetskopieringsoppgave.</translation>
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
        <translation>Halvora Backup starter opp...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Kan ikke opprette en sikker tilkobling til serveren.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Brukernavn for proxy:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Fortsett likevel</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kobler fra...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Venter på at filen skal låses opp...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Bruk et ensfarget ikon i systemkurven</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Totrinnsbekreftelse kreves for denne kontoen.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>Kildemappen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfigurasjon</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Tilgang til mappen ble nektet.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Denne veiviseren hjelper deg med å sikkerhetskopiere datamaskinen til serveren din.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Velg mappene som skal sikkerhetskopieres</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Portnummer:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Oppdaterer...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokal mappe</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Er du sikker på at du vil koble denne datamaskinen fra serveren?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Oppgraderingen kunne ikke fullføres.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Klikk for å installere oppdateringen</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Siste sikkerhetskopi:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Kan ikke sikkerhetskopiere %1 på grunn av manglende rettigheter eller diskplass.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>Sikkerhetskopieringsretningen samsvarer ikke med serverinnstillingene.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Søk etter servere i det lokale nettverket</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Sikkerhetskopier filer og mapper med prefikset %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Det oppstod en feil (feilkode: %1). Kontakt brukerstøtten hos Veltrane på nett for å få hjelp.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Bane</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Oppgrader Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Det oppstod en uventet feil.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Sikkerhetskopiering er deaktivert for denne brukerkontoen.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ikke nå</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Serverens sertifikat er forskjellig fra det som ble klarert tidligere. Vil du klarere det nye sertifikatet?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrering</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Lagringskvoten din på serveren er full.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Denne mappen overlapper med en mappe som allerede sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Brukernavnet eller passordet er feil.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Det kreves en bekreftelseskode.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Denne versjonen av Halvora Backup støttes ikke lenger. Oppgrader programmet.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Åpne Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Den lokale databasen er skadet.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Søker etter servere...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Forbereder</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Målmappe</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Kvoten for den delte mappen er full.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Disken som inneholder denne mappen, er full.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Bekreft følgende innstillinger.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Serverens SSL-sertifikat kunne ikke bekreftes.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Tilkoblinger fra denne IP-adressen er ikke tillatt.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Utelatte filtyper</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Nettverksfeil. Kontroller tilkoblingen.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Kontrollerer passordet...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Med enerett.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Start Halvora Backup når jeg logger på</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Utelatte baner</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Kontroller at sikkerhetskopieringstjenesten er aktivert på serveren før du fortsetter.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>For mange mislykkede forsøk. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Filer med følgende filetternavn blir ikke sikkerhetskopiert.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Angi proxyadresse og port.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhetskopierer...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Kan ikke opprette en økt med serveren.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Velg mapper som skal sikkerhetskopieres</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 betyr ingen størrelsesgrense.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Ingen gyldig mappe er valgt.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Automatisk tilkobling styres av administratoren.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Den delte mappen på serveren er ikke montert.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>Serveren beholder en skrivebeskyttet kopi av filene dine.</translation>
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
        <translation>Godkjenningen mislyktes.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Filer som er større enn denne størrelsen, blir ikke sikkerhetskopiert.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradresse:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fullført</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laster opp</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Filene dine, trygge og alltid innen rekkevidde.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester tilkoblingen...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Bruker innstillingene...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Lagringskvoten på serveren er ikke stor nok for denne mappen.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Start %1 på nytt for å ta i bruk de nye språkinnstillingene.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start nå</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Trenger du hjelp? Besøk nettstedet for brukerstøtte hos Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Denne mappen kan ikke sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekreftelseskoden er feil.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Bruk en sikker tilkobling (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operasjonen mislyktes.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Det er ikke nok plass på den lokale disken.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Ingen mappe er valgt.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Denne datamaskinen</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>Sikkerhetskopiens mål på serveren er endret.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Denne mappen er skrivebeskyttet. Vil du likevel sikkerhetskopiere den?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklikk for å redigere filetternavnet.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>Den lokale sikkerhetskopimappen er ikke montert.</translation>
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
        <translation>Behold filer på serveren når de slettes lokalt</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Koble til via FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren krever godkjenning</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Sikkerhetsadvarsel</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Finner ikke den lokale sikkerhetskopimappen.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Velg mappene på denne datamaskinen som du vil sikkerhetskopiere.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Angi brukernavnet for proxyen.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Den delte mappen finnes ikke på serveren.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Velg en målmappe på serveren.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Serveren svarte på en uventet måte.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Serverversjonen støttes ikke. Oppdater serveren.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>ID-en for automatisk tilkobling er ugyldig.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Filene i denne mappen kan leses, men ikke endres.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Laster ned...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Du har ikke tillatelse til å få tilgang til denne delte mappen.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Oppgradering av %1 mislyktes (feilkode: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup kunne ikke installeres eller startes</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Hjemmemappen din har ikke nok plass: %1 MB trengs, %2 MB ledig.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Installasjonspakken er skadet.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Hjemmemappen din kan ikke romme programfilene.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>Installasjonen ble ikke fullført.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Administratoren din kan også se dette.</translation>
    </message>
</context>
</TS>
