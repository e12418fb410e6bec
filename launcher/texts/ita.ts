<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Il certificato SSL del server è cambiato.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Connessione al server</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Backup di %1 in corso</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>La destinazione del backup non corrisponde a quella registrata.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Cartella condivisa abilitata</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>Il servizio home utente è disabilitato per questo utente sul server.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Scegliere le cartelle locali di cui eseguire il backup sul server.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Inserire l'indirizzo del server e le credenziali dell'account.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Inizializzazione non riuscita. Riavviare l'applicazione.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Inserire il codice di verifica:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Esiste già un'attività di backup con questo nome di cartella condivisa.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Coda di backup</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Dimensione massima file (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>No, scegliere un'altra cartella</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup pronta.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Inserire un numero di porta valido (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Questa cartella è già utilizzata da un'altra attività di backup.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup sta inizializzando...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Impossibile stabilire una connessione sicura con il server.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Nome utente proxy:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continua comunque</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Scollegamento in corso...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>In attesa dello sblocco del file...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Usa un'icona monocromatica nell'area di notifica</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Per questo account è richiesta la verifica in due passaggi.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>La cartella di origine è di sola lettura.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configurazione manuale del proxy</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account utente</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Accesso alla cartella negato.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Questa procedura guidata consente di configurare il backup del computer sul server.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Scegliere le cartelle da includere nel backup</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Cartella locale</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Vuole davvero scollegare questo computer dal server?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Impossibile completare l'aggiornamento.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Fare clic per installare l'aggiornamento</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Ultimo backup:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Impossibile eseguire il backup di %1: privilegi o spazio su disco insufficienti.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>La direzione del backup non corrisponde alle impostazioni del server.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Cerca server nella rete locale</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Includi nel backup file e cartelle con il prefisso %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Si è verificato un errore (codice di errore: %1). Contattare il supporto online di Veltrane.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Aggiorna Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Il backup è disabilitato per questo account utente.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Il certificato del server è diverso da quello considerato attendibile in precedenza. Vuole considerare attendibile il nuovo certificato?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>La quota di archiviazione sul server è esaurita.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Questa cartella si sovrappone a una cartella già inclusa nel backup.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Nome utente o password non corretti.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>È richiesto un codice di verifica.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Questa versione di Halvora Backup non è più supportata. Eseguire l'aggiornamento.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Apri Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Il database locale è danneggiato.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Ricerca dei server in corso...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>La quota della cartella condivisa è esaurita.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Il disco che contiene questa cartella è pieno.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Confermare le seguenti impostazioni.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Impossibile verificare il certificato SSL del server.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Le connessioni da questo indirizzo IP non sono consentite.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Tipi di file esclusi</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Errore di rete. Controllare la connessione.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Verifica della password in corso...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Avvia Halvora Backup all'accesso</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Percorsi esclusi</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Prima di continuare, verificare che il servizio di backup sia abilitato sul server.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Troppi tentativi non riusciti. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>I file con le seguenti estensioni non verranno inclusi nel backup.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Inserire l'indirizzo e la porta del proxy.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backup in corso...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Impossibile creare una sessione con il server.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Scelta delle cartelle per il backup</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 indica nessun limite di dimensione.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Nessuna cartella valida selezionata.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>La connessione automatica è gestita dall'amministratore.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>La cartella condivisa sul server non è montata.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>Il server conserverà una copia di sola lettura dei file.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Server proxy</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Indirizzo server</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Autenticazione non riuscita.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>I file di dimensioni superiori non verranno inclusi nel backup.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Indirizzo server:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>File al sicuro e sempre a portata di mano.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verifica della connessione in corso...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applicazione delle impostazioni in corso...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>La quota di archiviazione sul server non è sufficiente per questa cartella.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Riavviare %1 per applicare le nuove impostazioni della lingua.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Avvia ora</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Serve aiuto? Visitare il sito del supporto online di Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Impossibile eseguire il backup di questa cartella.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Il codice di verifica non è corretto.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Usa una connessione sicura (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operazione non riuscita.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Spazio insufficiente sul disco locale.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Nessuna cartella selezionata.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Questo computer</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>La destinazione del backup sul server è cambiata.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Questa cartella è di sola lettura. Vuole eseguirne comunque il backup?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Fare doppio clic per modificare l'estensione del file.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>La cartella di backup locale non è montata.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Elaborazione di %1 file in corso...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Mantieni i file sul server quando vengono eliminati in locale</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Connetti tramite FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Il server proxy richiede l'autenticazione</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Avviso di sicurezza</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Impossibile trovare la cartella di backup locale.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Selezionare le cartelle di questo computer di cui eseguire il backup.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Inserire il nome utente del proxy.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>La cartella condivisa non esiste sul server.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Scegliere una cartella di destinazione sul server.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Il server ha risposto in modo imprevisto.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>La versione del server non è supportata. Aggiornare il server.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>L'ID di connessione automatica non è valido.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>I file in questa cartella possono essere letti ma non modificati.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Non dispone dell'autorizzazione per accedere a questa cartella condivisa.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Aggiornamento di %1 non riuscito (codice di errore: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Impossibile installare o avviare Halvora Backup</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Spazio insufficiente nella cartella home: servono %1 MB, liberi %2 MB.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Il pacchetto di installazione è danneggiato.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>La cartella home non può contenere i file del programma.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>L'installazione non è stata completata.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Anche l'amministratore può vedere questo messaggio.</translation>
    </message>
</context>
</TS>
