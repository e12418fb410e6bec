<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>The SSL certificate of the server has changed.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Connect to Your Server</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Backing up %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>The backup destination does not match the one on record.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Username:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Shared folder enabled</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Use system proxy settings</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>The home service is disabled for this user on the server.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Choose the local folders that you want to back up to the server.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Enter the server address and your account credentials.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Initialization failed. Please restart the application.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Enter the verification code:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>A backup task with this shared folder name already exists.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Backup Queue</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximum file size (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>No, choose another folder</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup is ready.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Please enter a valid port number (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>This folder is already used by another backup task.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup is initializing...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>A secure connection to the server could not be established.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Proxy username:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continue anyway</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Unlinking...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Waiting for the file to be unlocked...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Use a monochrome tray icon</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Two-step verification is required for this account.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>The source folder is read-only.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manual proxy configuration</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Access to the folder was denied.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>This wizard helps you set up backups of your computer to your server.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Choose the folders to back up</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Updating...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Local Folder</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Are you sure you want to unlink this computer from the server?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>The upgrade could not be completed.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Click to install the update</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Last backup:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Failed to back up %1 due to insufficient privileges or disk space.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>The backup direction does not match the server settings.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Search for servers on your local network</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Back up files and folders with the prefix %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Upgrade Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Backup is disabled for this user account.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Not now</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Your storage quota on the server is full.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>This folder overlaps with a folder that is already backed up.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>The username or password is incorrect.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>A verification code is required.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>This version of Halvora Backup is no longer supported. Please upgrade.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Open Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>The local database is damaged.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Unlink</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Searching for servers...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>The quota of the shared folder is full.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>The disk that holds this folder is full.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Please confirm the following settings.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>The SSL certificate of the server could not be verified.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Connections from this IP address are not allowed.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Excluded File Types</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Network error. Please check your connection.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Checking your password...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. All rights reserved.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Start Halvora Backup when I log in</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Excluded paths</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Make sure that the backup service is enabled on your server before you continue.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Too many failed attempts. Please try again later.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Files with the following extensions will not be backed up.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Please enter the proxy address and port.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backing up...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Failed to create a session with the server.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Choose Folders to Back Up</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 means no size limit.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>No valid folder has been selected.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Automatic connection is controlled by your administrator.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>The shared folder on the server is not mounted.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>The server will keep a read-only copy of your files.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Authentication failed.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Files larger than this size will not be backed up.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Server address:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Your files, safe and always within reach.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testing the connection...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applying settings...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>The storage quota on the server is not enough for this folder.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Please restart %1 to apply the new language settings.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start Now</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Need help? Visit the Veltrane Online Support website.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>This folder cannot be backed up.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>The verification code is incorrect.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Use a secure connection (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>The operation failed.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>There is not enough space on the local disk.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>No folder is selected.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>This Computer</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>The backup destination on the server has changed.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>This folder is read-only. Do you still want to back it up?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-click to edit the file extension.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>The local backup folder is not mounted.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Processing %1 file(s)...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Keep files on the server when they are deleted locally</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Connect through FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>The proxy server requires authentication</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Security Warning</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>The local backup folder cannot be found.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Select the folders on this computer that you want to back up.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Please enter the proxy username.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>The shared folder does not exist on the server.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Choose a destination folder on the server.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>The server responded in an unexpected way.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>The server version is not supported. Please update the server.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>The automatic connection ID is invalid.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Files in this folder can be read but not changed.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Downloading...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>You do not have permission to access this shared folder.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 upgrade failed (error code: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup could not be installed or started</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Your home folder does not have enough room: %1 MB needed, %2 MB free.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>The installation package is damaged.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Your home folder cannot hold the program files.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>The installation did not complete.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Your administrator can see this too.</translation>
    </message>
</context>
</TS>
