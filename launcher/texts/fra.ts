<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Le certificat SSL du serveur a changé.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Connexion à votre serveur</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Sauvegarde de %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>La destination de la sauvegarde ne correspond pas à celle enregistrée.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nom d'utilisateur :</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Dossier partagé activé</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Utiliser les paramètres proxy du système</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>Le service de dossier personnel est désactivé pour cet utilisateur sur le serveur.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Choisissez les dossiers locaux que vous souhaitez sauvegarder sur le serveur.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Saisissez l'adresse du serveur et les identifiants de votre compte.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>L'initialisation a échoué. Veuillez redémarrer l'application.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Saisissez le code de vérification :</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Une tâche de sauvegarde portant ce nom de dossier partagé existe déjà.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Numéro de version</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>File d'attente de sauvegarde</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Taille maximale des fichiers (Mo) :</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Non, choisir un autre dossier</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup est prêt.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Veuillez saisir un numéro de port valide (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Ce dossier est déjà utilisé par une autre tâche de sauvegarde.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup est en cours d'initialisation...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Impossible d'établir une connexion sécurisée avec le serveur.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Nom d'utilisateur du proxy :</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continuer quand même</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Dissociation en cours...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>En attente du déverrouillage du fichier...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Utiliser une icône monochrome dans la zone de notification</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>La vérification en deux étapes est requise pour ce compte.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>Le dossier source est en lecture seule.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuration manuelle du proxy</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>L'accès au dossier a été refusé.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Cet assistant vous aide à configurer la sauvegarde de votre ordinateur sur votre serveur.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Choisir les dossiers à sauvegarder</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Mise à jour en cours...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Dossier local</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Voulez-vous vraiment dissocier cet ordinateur du serveur ?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>La mise à niveau n'a pas pu être effectuée.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Cliquez pour installer la mise à jour</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Dernière sauvegarde :</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Échec de la sauvegarde de %1 : droits ou espace disque insuffisants.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>Le sens de la sauvegarde ne correspond pas aux paramètres du serveur.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Rechercher des serveurs sur votre réseau local</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Sauvegarder les fichiers et dossiers dont le nom commence par %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Une erreur s'est produite (code d'erreur : %1). Veuillez contacter le support en ligne de Veltrane.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Mettre à niveau Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s'est produite.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>La sauvegarde est désactivée pour ce compte utilisateur.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Le certificat du serveur diffère de celui approuvé précédemment. Voulez-vous approuver le nouveau certificat ?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Votre quota de stockage sur le serveur est atteint.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Ce dossier chevauche un dossier déjà sauvegardé.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Le nom d'utilisateur ou le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Un code de vérification est requis.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Cette version de Halvora Backup n'est plus prise en charge. Veuillez la mettre à niveau.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Ouvrir Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>La base de données locale est endommagée.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Recherche de serveurs...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Le quota du dossier partagé est atteint.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Le disque contenant ce dossier est plein.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Veuillez confirmer les paramètres suivants.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Le certificat SSL du serveur n'a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Les connexions depuis cette adresse IP ne sont pas autorisées.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Types de fichiers exclus</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Erreur réseau. Veuillez vérifier votre connexion.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Vérification du mot de passe...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Démarrer Halvora Backup à l'ouverture de session</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Chemins exclus</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Assurez-vous que le service de sauvegarde est activé sur votre serveur avant de continuer.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Trop de tentatives infructueuses. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Les fichiers ayant les extensions suivantes ne seront pas sauvegardés.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Veuillez saisir l'adresse et le port du proxy.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sauvegarde en cours...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Impossible de créer une session avec le serveur.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Choix des dossiers à sauvegarder</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 signifie aucune limite de taille.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Aucun dossier valide n'a été sélectionné.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>La connexion automatique est gérée par votre administrateur.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Le dossier partagé n'est pas monté sur le serveur.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>Le serveur conservera une copie en lecture seule de vos fichiers.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Serveur proxy</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>L'authentification a échoué.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Les fichiers dépassant cette taille ne seront pas sauvegardés.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Adresse du serveur :</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Vos fichiers, en sécurité et toujours à portée de main.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Test de la connexion...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Application des paramètres...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Le quota de stockage sur le serveur est insuffisant pour ce dossier.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Veuillez redémarrer %1 pour appliquer les nouveaux paramètres de langue.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Démarrer maintenant</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Besoin d'aide ? Consultez le site du support en ligne de Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Ce dossier ne peut pas être sauvegardé.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Le code de vérification est incorrect.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Utiliser une connexion sécurisée (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>L'opération a échoué.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>L'espace disponible sur le disque local est insuffisant.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Aucun dossier sélectionné.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>La destination de la sauvegarde sur le serveur a changé.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Ce dossier est en lecture seule. Voulez-vous quand même le sauvegarder ?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-cliquez pour modifier l'extension de fichier.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>Le dossier de sauvegarde local n'est pas monté.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Traitement de %1 fichier(s)...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Conserver sur le serveur les fichiers supprimés localement</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Se connecter via FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Le serveur proxy exige une authentification</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Avertissement de sécurité</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Le dossier de sauvegarde local est introuvable.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Sélectionnez les dossiers de cet ordinateur que vous souhaitez sauvegarder.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Veuillez saisir le nom d'utilisateur du proxy.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Le dossier partagé n'existe pas sur le serveur.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Choisissez un dossier de destination sur le serveur.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Le serveur a renvoyé une réponse inattendue.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Cette version du serveur n'est pas prise en charge. Veuillez mettre à jour le serveur.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>L'ID de connexion automatique n'est pas valide.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Les fichiers de ce dossier peuvent être lus mais pas modifiés.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement en cours...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Vous n'êtes pas autorisé à accéder à ce dossier partagé.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Échec de la mise à niveau de %1 (code d'erreur : %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup n'a pas pu être installé ni démarré</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Votre dossier personnel manque d'espace : %1 Mo nécessaires, %2 Mo libres.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Le paquet d'installation est endommagé.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Votre dossier personnel ne peut pas contenir les fichiers du programme.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>L'installation ne s'est pas terminée.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Votre administrateur peut également le voir.</translation>
    </message>
</context>
</TS>
