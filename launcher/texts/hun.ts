<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation type="unfinished">The SSL certificate of the server has changed.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation type="unfinished">Connect to Your Server</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation type="unfinished">Backing up %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation type="unfinished">The backup destination does not match the one on record.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation type="unfinished">Username:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation type="unfinished">Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation type="unfinished">Shared folder enabled</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation type="unfinished">Use system proxy settings</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation type="unfinished">The home service is disabled for this user on the server.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished">Password:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation type="unfinished">Choose the local folders that you want to back up to the server.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation type="unfinished">Enter the server address and your account credentials.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished">Exit</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation type="unfinished">Initialization failed. Please restart the application.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation type="unfinished">Enter the verification code:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished">Pause</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation type="unfinished">A backup task with this shared folder name already exists.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished">Version</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation type="unfinished">Backup Queue</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation type="unfinished">Maximum file size (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation type="unfinished">No, choose another folder</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup készen áll.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished">Paused</translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished">Status</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation type="unfinished">Please enter a valid port number (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation type="unfinished">This folder is already used by another backup task.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished">System default</translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished">About</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>A Halvora Backup inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation type="unfinished">A secure connection to the server could not be established.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation type="unfinished">Proxy username:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation type="unfinished">Continue anyway</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation type="unfinished">Unlinking...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation type="unfinished">Waiting for the file to be unlocked...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation type="unfinished">Use a monochrome tray icon</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation type="unfinished">Two-step verification is required for this account.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation type="unfinished">The source folder is read-only.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation type="unfinished">Manual proxy configuration</translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished">Account</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation type="unfinished">Access to the folder was denied.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation type="unfinished">This wizard helps you set up backups of your computer to your server.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation type="unfinished">Choose the folders to back up</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished">Port:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation type="unfinished">Updating...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation type="unfinished">Local Folder</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation type="unfinished">Are you sure you want to unlink this computer from the server?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation type="unfinished">The upgrade could not be completed.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation type="unfinished">Click to install the update</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation type="unfinished">Last backup:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation type="unfinished">Failed to back up %1 due to insufficient privileges or disk space.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation type="unfinished">The backup direction does not match the server settings.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation type="unfinished">Search for servers on your local network</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation type="unfinished">Back up files and folders with the prefix %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation type="unfinished">An error occurred (error code: %1). Please contact Veltrane Online Support for help.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished">Path</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation type="unfinished">Upgrade Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished">An unexpected error occurred.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation type="unfinished">Backup is disabled for this user account.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation type="unfinished">Not now</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished">Apply</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation type="unfinished">The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished">Filter</translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished">Select</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation type="unfinished">Your storage quota on the server is full.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation type="unfinished">This folder overlaps with a folder that is already backed up.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation type="unfinished">The username or password is incorrect.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation type="unfinished">A verification code is required.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation type="unfinished">This version of Halvora Backup is no longer supported. Please upgrade.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation type="unfinished">Open Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished">Error</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation type="unfinished">The local database is damaged.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation type="unfinished">Unlink</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation type="unfinished">Searching for servers...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation type="unfinished">Preparing</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished">Destination</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation type="unfinished">The quota of the shared folder is full.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation type="unfinished">The disk that holds this folder is full.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation type="unfinished">Please confirm the following settings.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation type="unfinished">The SSL certificate of the server could not be verified.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation type="unfinished">Connections from this IP address are not allowed.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation type="unfinished">Excluded File Types</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation type="unfinished">Network error. Please check your connection.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation type="unfinished">Checking your password...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation type="unfinished">Copyright (C) %1 Veltrane Inc. All rights reserved.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation type="unfinished">Start Halvora Backup when I log in</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished">Language</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation type="unfinished">Excluded paths</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation type="unfinished">Make sure that the backup service is enabled on your server before you continue.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation type="unfinished">Up to date</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation type="unfinished">Too many failed attempts. Please try again later.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation type="unfinished">Files with the following extensions will not be backed up.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation type="unfinished">Please enter the proxy address and port.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation type="unfinished">Backing up...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation type="unfinished">%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation type="unfinished">Failed to create a session with the server.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished">Progress</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished">Summary</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation type="unfinished">Choose Folders to Back Up</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation type="unfinished">0 means no size limit.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished">Connection</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished">Address:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation type="unfinished">No valid folder has been selected.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation type="unfinished">Automatic connection is controlled by your administrator.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished">Resume</translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished">Done</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation type="unfinished">The shared folder on the server is not mounted.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation type="unfinished">The server will keep a read-only copy of your files.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation type="unfinished">Proxy</translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished">Server</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation type="unfinished">Authentication failed.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation type="unfinished">Files larger than this size will not be backed up.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation type="unfinished">Server address:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished">Completed</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished">Waiting</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation type="unfinished">Uploading</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation type="unfinished">Your files, safe and always within reach.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation type="unfinished">Testing the connection...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation type="unfinished">Applying settings...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation type="unfinished">The storage quota on the server is not enough for this folder.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation type="unfinished">Please restart %1 to apply the new language settings.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation type="unfinished">Start Now</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation type="unfinished">Need help? Visit the Veltrane Online Support website.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation type="unfinished">This folder cannot be backed up.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation type="unfinished">The verification code is incorrect.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation type="unfinished">Use a secure connection (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation type="unfinished">The operation failed.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation type="unfinished">There is not enough space on the local disk.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation type="unfinished">No folder is selected.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished">Settings</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation type="unfinished">This Computer</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation type="unfinished">The backup destination on the server has changed.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation type="unfinished">This folder is read-only. Do you still want to back it up?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation type="unfinished">Double-click to edit the file extension.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation type="unfinished">The local backup folder is not mounted.</translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished">File</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation type="unfinished">Processing %1 file(s)...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation type="unfinished">Keep files on the server when they are deleted locally</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished">Connecting...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation type="unfinished">No proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished">Continue</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation type="unfinished">Connect through FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation type="unfinished">The proxy server requires authentication</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation type="unfinished">Security Warning</translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished">General</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation type="unfinished">The local backup folder cannot be found.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation type="unfinished">Read-only</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation type="unfinished">Select the folders on this computer that you want to back up.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation type="unfinished">Please enter the proxy username.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation type="unfinished">The shared folder does not exist on the server.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished">Advanced</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation type="unfinished">Choose a destination folder on the server.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation type="unfinished">The server responded in an unexpected way.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation type="unfinished">The server version is not supported. Please update the server.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished">Next</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation type="unfinished">The automatic connection ID is invalid.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation type="unfinished">Files in this folder can be read but not changed.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation type="unfinished">Downloading...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished">Help</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation type="unfinished">You do not have permission to access this shared folder.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation type="unfinished">%1 upgrade failed (error code: %2).</translation>
    </message>
</context>
</TS>
