<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>服务器的 SSL 证书已更改。</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>连接到您的服务器</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>正在备份 %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>备份目标与记录中的不一致。</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>已启用共享文件夹</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>使用系统代理设置</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>服务器已对此用户禁用个人主目录服务。</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>选择要备份到服务器的本地文件夹。</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>请输入服务器地址和您的账户凭据。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>初始化失败。请重新启动应用程序。</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>输入验证码：</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>已存在使用此共享文件夹名称的备份任务。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>备份队列</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>最大文件大小（MB）：</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>否，选择其他文件夹</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup 已就绪。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>请输入有效的端口号（1-65535）。</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>此文件夹已被其他备份任务使用。</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup 正在初始化...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>无法与服务器建立安全连接。</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>代理用户名：</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>仍然继续</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除关联...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>正在等待文件解锁...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>使用单色托盘图标</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>此账户需要进行两步验证。</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>源文件夹为只读。</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手动配置代理</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>文件夹访问被拒绝。</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>此向导将帮助您设置从计算机到服务器的备份。</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>选择要备份的文件夹</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>本地文件夹</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>确定要解除此计算机与服务器的关联吗？</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>无法完成升级。</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>单击以安装更新</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>上次备份：</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>由于权限或磁盘空间不足，无法备份 %1。</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>备份方向与服务器设置不一致。</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>在局域网中搜索服务器</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>备份前缀为 %1 的文件和文件夹。</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>发生错误（错误代码：%1）。请联系 Veltrane 在线支持获取帮助。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>升级 Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>发生意外错误。</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>此用户账户已禁用备份。</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>暂不</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>服务器的证书与之前信任的证书不同。是否信任新证书？</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>过滤器</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>您在服务器上的存储配额已满。</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>此文件夹与已备份的文件夹重叠。</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>用户名或密码不正确。</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>需要输入验证码。</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>此版本的 Halvora Backup 已不再受支持。请升级。</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>打开 Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>本地数据库已损坏。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除关联</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>正在搜索服务器...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>正在准备</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>共享文件夹的配额已满。</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>此文件夹所在的磁盘已满。</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>请确认以下设置。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>无法验证服务器的 SSL 证书。</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>不允许来自此 IP 地址的连接。</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>排除的文件类型</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>网络错误。请检查您的网络连接。</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>正在检查密码...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>版权所有 (C) %1 Veltrane Inc. 保留所有权利。</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>登录时启动 Halvora Backup</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>排除的路径</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>继续之前，请确保服务器上已启用备份服务。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>失败次数过多。请稍后再试。</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>不会备份具有以下扩展名的文件。</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>请输入代理地址和端口。</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在备份...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>无法与服务器建立会话。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>选择要备份的文件夹</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 表示不限制大小。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>未选择有效的文件夹。</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>自动连接由管理员控制。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>恢复</translation>
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
        <translation>服务器上的共享文件夹未挂载。</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>服务器将保留您文件的只读副本。</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>身份验证失败。</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>不会备份超过此大小的文件。</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>服务器地址：</translation>
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
        <translation>正在上传</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>您的文件，安全可靠，触手可及。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在测试连接...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在应用设置...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>服务器上的存储配额不足以容纳此文件夹。</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>请重新启动 %1 以应用新的语言设置。</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>立即开始</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>需要帮助？请访问 Veltrane 在线支持网站。</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>无法备份此文件夹。</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>验证码不正确。</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>使用安全连接（SSL）</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>操作失败。</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>本地磁盘空间不足。</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>未选择文件夹。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>此电脑</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>服务器上的备份目标已更改。</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>此文件夹为只读。仍要备份吗？</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>双击以编辑文件扩展名。</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>本地备份文件夹未挂载。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>正在处理 %1 个文件...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>本地删除文件时，保留服务器上的文件</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>通过 FarBridge 连接</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>代理服务器需要身份验证</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>安全警告</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>找不到本地备份文件夹。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>选择此电脑上要备份的文件夹。</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>请输入代理用户名。</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>服务器上不存在该共享文件夹。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>选择服务器上的目标文件夹。</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>服务器返回了意外的响应。</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>不支持该服务器版本。请更新服务器。</translation>
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
        <translation>自动连接 ID 无效。</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>此文件夹中的文件只能读取，不能更改。</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>正在下载...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>您没有访问此共享文件夹的权限。</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 升级失败（错误代码：%2）。</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>无法安装或启动 Halvora Backup</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>您的主文件夹空间不足：需要 %1 MB，可用 %2 MB。</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>安装包已损坏。</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>您的主文件夹无法容纳程序文件。</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>安装未能完成。</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>您的管理员也可以看到此消息。</translation>
    </message>
</context>
</TS>
