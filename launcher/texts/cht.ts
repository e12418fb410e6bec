<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>伺服器的 SSL 憑證已變更。</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>連線到您的伺服器</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>正在備份 %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>備份目的地與記錄中的不符。</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>已啟用共用資料夾</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>使用系統代理伺服器設定</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>伺服器已對此使用者停用家目錄服務。</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>選擇要備份至伺服器的本機資料夾。</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>請輸入伺服器位址與您的帳號認證資訊。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>初始化失敗。請重新啟動應用程式。</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>輸入驗證碼：</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>已有使用此共用資料夾名稱的備份任務。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>備份佇列</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>檔案大小上限（MB）：</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>否，選擇其他資料夾</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup 準備完成</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>請輸入有效的連接埠號碼（1-65535）。</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>此資料夾已被其他備份任務使用。</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系統預設值</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup 準備中...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>無法與伺服器建立安全連線。</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>代理伺服器使用者名稱：</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>仍要繼續</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除連結...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>正在等待檔案解除鎖定...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>使用單色系統匣圖示</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>此帳號必須使用兩步驟驗證。</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>來源資料夾為唯讀。</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手動設定代理伺服器</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>資料夾存取遭拒。</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>此精靈將協助您設定從電腦到伺服器的備份。</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>選擇要備份的資料夾</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>本機資料夾</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>確定要解除此電腦與伺服器的連結嗎？</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>無法完成升級。</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>按一下以安裝更新</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>上次備份：</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>由於權限或磁碟空間不足，無法備份 %1。</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>備份方向與伺服器設定不符。</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>搜尋區域網路中的伺服器</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>備份前綴為 %1 的檔案和資料夾。</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>發生錯誤（錯誤代碼：%1）。請聯絡 Veltrane 線上支援以取得協助。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>升級 Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>發生未預期的錯誤。</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>此使用者帳號已停用備份。</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>以後再說</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>伺服器的憑證與先前信任的憑證不同。是否要信任新的憑證？</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選器</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>您在伺服器上的儲存空間配額已滿。</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>此資料夾與已備份的資料夾重疊。</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>使用者名稱或密碼不正確。</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>需要輸入驗證碼。</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>此版本的 Halvora Backup 已不再受支援。請進行升級。</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>開啟 Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>本機資料庫已損毀。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除連結</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>正在搜尋伺服器...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目的地</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>共用資料夾的配額已滿。</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>此資料夾所在的磁碟已滿。</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>請確認下列設定。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>無法驗證伺服器的 SSL 憑證。</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>不允許來自此 IP 位址的連線。</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>排除的檔案類型</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>網路錯誤。請檢查您的網路連線。</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>正在檢查密碼...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>版權所有 (C) %1 Veltrane Inc. 保留一切權利。</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>登入時啟動 Halvora Backup</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>排除的路徑</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>繼續之前，請確認伺服器上已啟用備份服務。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新狀態</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>嘗試失敗次數過多。請稍後再試。</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>不會備份具有下列副檔名的檔案。</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>請輸入代理伺服器位址和連接埠。</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在備份...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>無法與伺服器建立工作階段。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>選擇要備份的資料夾</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 表示不限制大小。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>未選取有效的資料夾。</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>自動連線由您的管理員控制。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>恢復</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>伺服器上的共用資料夾未掛載。</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>伺服器將保留您檔案的唯讀複本。</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>驗證失敗。</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>不會備份超過此大小的檔案。</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>伺服器位址：</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>上傳中</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>您的檔案，安全無虞，隨手可得。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在測試連線...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在套用設定...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>伺服器上的儲存空間配額不足以容納此資料夾。</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>請重新啟動 %1 以套用新的語言設定。</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>立即開始</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>需要協助嗎？請造訪 Veltrane 線上支援網站。</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>無法備份此資料夾。</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>驗證碼不正確。</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>使用安全連線（SSL）</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>操作失敗。</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>本機磁碟空間不足。</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>未選取資料夾。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>本機</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>伺服器上的備份目的地已變更。</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>此資料夾為唯讀。仍要備份嗎？</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>按兩下以編輯副檔名。</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>本機備份資料夾未掛載。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>正在處理 %1 個檔案...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>本機刪除檔案時，仍保留伺服器上的檔案</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理伺服器</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>透過 FarBridge 連線</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>代理伺服器需要驗證</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>安全性警告</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>找不到本機備份資料夾。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>唯讀</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>選擇此電腦上要備份的資料夾。</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>請輸入代理伺服器使用者名稱。</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>伺服器上不存在此共用資料夾。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>進階</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>選擇伺服器上的目的地資料夾。</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>伺服器傳回了未預期的回應。</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>不支援此伺服器版本。請更新伺服器。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>自動連線 ID 無效。</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>此資料夾中的檔案僅能讀取，無法變更。</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>正在下載...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>您沒有存取此共用資料夾的權限。</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 升級失敗（錯誤代碼：%2）。</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>無法安裝或啟動 Halvora Backup</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>您的主資料夾空間不足：需要 %1 MB，可用 %2 MB。</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>安裝套件已損毀。</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>您的主資料夾無法容納程式檔案。</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>安裝未能完成。</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>您的管理員也能看到此訊息。</translation>
    </message>
</context>
</TS>
