<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Mit Ihrem Server verbinden</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>%1 wird gesichert</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>Das Sicherungsziel stimmt nicht mit dem gespeicherten Ziel überein.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Freigegebener Ordner aktiviert</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Proxy-Einstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>Der Home-Dienst ist auf dem Server für diesen Benutzer deaktiviert.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Wählen Sie die lokalen Ordner aus, die Sie auf dem Server sichern möchten.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Geben Sie die Serveradresse und Ihre Anmeldedaten ein.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Die Initialisierung ist fehlgeschlagen. Bitte starten Sie die Anwendung neu.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Geben Sie den Bestätigungscode ein:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Es gibt bereits eine Sicherungsaufgabe für einen freigegebenen Ordner mit diesem Namen.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Programmversion</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Sicherungswarteschlange</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximale Dateigröße (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Nein, anderen Ordner wählen</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup ist bereit.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Bitte geben Sie eine gültige Portnummer ein (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Dieser Ordner wird bereits von einer anderen Sicherungsaufgabe verwendet.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup wird initialisiert ...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Es konnte keine sichere Verbindung zum Server hergestellt werden.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Proxy-Benutzername:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Trotzdem fortfahren</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Verknüpfung wird aufgehoben ...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Warten, bis die Datei entsperrt ist ...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Einfarbiges Taskleistensymbol verwenden</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Für dieses Konto ist die Bestätigung in zwei Schritten erforderlich.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>Der Quellordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuelle Proxy-Konfiguration</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Der Zugriff auf den Ordner wurde verweigert.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Dieser Assistent hilft Ihnen, Sicherungen Ihres Computers auf Ihrem Server einzurichten.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Zu sichernde Ordner auswählen</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Portnummer:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Wird aktualisiert ...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokaler Ordner</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Möchten Sie die Verknüpfung dieses Computers mit dem Server wirklich aufheben?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Das Upgrade konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Zum Installieren des Updates klicken</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Letzte Sicherung:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>%1 konnte wegen fehlender Berechtigungen oder zu wenig Speicherplatz nicht gesichert werden.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>Die Sicherungsrichtung stimmt nicht mit den Servereinstellungen überein.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Server im lokalen Netzwerk suchen</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Dateien und Ordner mit dem Präfix %1 sichern.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Es ist ein Fehler aufgetreten (Fehlercode: %1). Bitte wenden Sie sich an den Onlinesupport von Veltrane.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Upgrade von Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Es ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Die Sicherung ist für dieses Benutzerkonto deaktiviert.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Das Zertifikat des Servers unterscheidet sich vom bisher vertrauenswürdigen Zertifikat. Möchten Sie dem neuen Zertifikat vertrauen?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Dateifilter</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Dieser Ordner überschneidet sich mit einem bereits gesicherten Ordner.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Benutzername oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Ein Bestätigungscode ist erforderlich.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Diese Version von Halvora Backup wird nicht mehr unterstützt. Bitte führen Sie ein Upgrade durch.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Halvora Backup öffnen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Die lokale Datenbank ist beschädigt.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Verknüpfung aufheben</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Server werden gesucht ...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Das Kontingent des freigegebenen Ordners ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Der Datenträger mit diesem Ordner ist voll.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Bitte bestätigen Sie die folgenden Einstellungen.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Das SSL-Zertifikat des Servers konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Verbindungen von dieser IP-Adresse sind nicht zulässig.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Ausgeschlossene Dateitypen</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Netzwerkfehler. Bitte überprüfen Sie Ihre Verbindung.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Passwort wird überprüft ...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Halvora Backup bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Ausgeschlossene Pfade</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Stellen Sie sicher, dass der Sicherungsdienst auf Ihrem Server aktiviert ist, bevor Sie fortfahren.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Zu viele fehlgeschlagene Versuche. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Dateien mit den folgenden Erweiterungen werden nicht gesichert.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Bitte geben Sie die Proxy-Adresse und den Port ein.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sicherung läuft ...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Es konnte keine Sitzung mit dem Server erstellt werden.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Ordner für die Sicherung auswählen</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 bedeutet keine Größenbeschränkung.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Es wurde kein gültiger Ordner ausgewählt.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Die automatische Verbindung wird von Ihrem Administrator verwaltet.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Der freigegebene Ordner auf dem Server ist nicht eingebunden.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>Der Server bewahrt eine schreibgeschützte Kopie Ihrer Dateien auf.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy-Server</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Authentifizierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Dateien über dieser Größe werden nicht gesichert.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradresse:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Ihre Dateien – sicher und immer griffbereit.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verbindung wird getestet ...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Einstellungen werden übernommen ...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Das Speicherkontingent auf dem Server reicht für diesen Ordner nicht aus.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Bitte starten Sie %1 neu, um die neuen Spracheinstellungen zu übernehmen.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Benötigen Sie Hilfe? Besuchen Sie die Website des Onlinesupports von Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Dieser Ordner kann nicht gesichert werden.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Der Bestätigungscode ist falsch.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Sichere Verbindung verwenden (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Der Vorgang ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Auf dem lokalen Datenträger ist nicht genügend Speicherplatz vorhanden.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Kein Ordner ausgewählt.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>Das Sicherungsziel auf dem Server hat sich geändert.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Dieser Ordner ist schreibgeschützt. Möchten Sie ihn trotzdem sichern?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Doppelklicken, um die Dateierweiterung zu bearbeiten.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>Der lokale Sicherungsordner ist nicht eingebunden.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Verarbeitung von %1 Datei(en) ...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Dateien auf dem Server behalten, wenn sie lokal gelöscht werden</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt ...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Über FarBridge verbinden</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Der Proxy-Server erfordert eine Authentifizierung</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Sicherheitswarnung</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Der lokale Sicherungsordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Wählen Sie die Ordner auf diesem Computer aus, die Sie sichern möchten.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Bitte geben Sie den Proxy-Benutzernamen ein.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Der freigegebene Ordner ist auf dem Server nicht vorhanden.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Wählen Sie einen Zielordner auf dem Server aus.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Der Server hat unerwartet geantwortet.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Die Serverversion wird nicht unterstützt. Bitte aktualisieren Sie den Server.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Die ID für die automatische Verbindung ist ungültig.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Dateien in diesem Ordner können gelesen, aber nicht geändert werden.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Sie haben keine Berechtigung für den Zugriff auf diesen freigegebenen Ordner.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Upgrade von %1 fehlgeschlagen (Fehlercode: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup konnte nicht installiert oder gestartet werden</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>In Ihrem Home-Ordner ist nicht genug Platz: %1 MB benötigt, %2 MB frei.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Das Installationspaket ist beschädigt.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Ihr Home-Ordner kann die Programmdateien nicht aufnehmen.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>Die Installation wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Ihr Administrator kann dies ebenfalls sehen.</translation>
    </message>
</context>
</TS>
