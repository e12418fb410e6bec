<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>サーバーの SSL 証明書が変更されました。</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>サーバーへの接続</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>%1 をバックアップしています</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>バックアップ先が記録されているものと一致しません。</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>ユーザー名:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>共有フォルダーは有効です</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>システムのプロキシ設定を使用する</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>サーバーでこのユーザーのホームサービスが無効になっています。</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>サーバーにバックアップするローカルフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>サーバーのアドレスとアカウントの認証情報を入力してください。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>初期化に失敗しました。アプリケーションを再起動してください。</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>確認コードを入力してください:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>この共有フォルダー名のバックアップタスクは既に存在します。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>バックアップキュー</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>最大ファイルサイズ (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>いいえ、別のフォルダーを選択します</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup は準備完了です。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>有効なポート番号 (1-65535) を入力してください。</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>このフォルダーは既に別のバックアップタスクで使用されています。</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定値</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup は初期化中です。</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>サーバーとの安全な接続を確立できませんでした。</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>プロキシのユーザー名:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>このまま続行</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>リンクを解除しています...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>ファイルのロック解除を待っています...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>モノクロのトレイアイコンを使用する</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>このアカウントには 2 段階認証が必要です。</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>ソースフォルダーは読み取り専用です。</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>プロキシを手動で設定する</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>フォルダーへのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>このウィザードでは、コンピューターからサーバーへのバックアップを設定します。</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>バックアップするフォルダーを選択</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>更新しています...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>ローカルフォルダー</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>このコンピューターとサーバーのリンクを解除してもよろしいですか?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>アップグレードを完了できませんでした。</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>クリックして更新プログラムをインストール</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>前回のバックアップ:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>権限またはディスク容量が不足しているため、%1 をバックアップできませんでした。</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>バックアップの方向がサーバーの設定と一致しません。</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>ローカルネットワーク上のサーバーを検索</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>名前が %1 で始まるファイルとフォルダーをバックアップします。</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>エラーが発生しました (エラーコード: %1)。Veltrane オンラインサポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Halvora Backup をアップグレード</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>予期しないエラーが発生しました。</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>このユーザーアカウントではバックアップが無効になっています。</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>サーバーの証明書が以前に信頼したものと異なります。新しい証明書を信頼しますか?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>サーバーのストレージクォータが上限に達しました。</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>このフォルダーは、既にバックアップされているフォルダーと重複しています。</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>確認コードが必要です。</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>このバージョンの Halvora Backup はサポートされなくなりました。アップグレードしてください。</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Halvora Backup を開く</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>ローカルデータベースが破損しています。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>リンク解除</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>サーバーを検索しています...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>共有フォルダーのクォータが上限に達しました。</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>このフォルダーがあるディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>次の設定を確認してください。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>サーバーの SSL 証明書を検証できませんでした。</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>この IP アドレスからの接続は許可されていません。</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>除外するファイルの種類</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>ネットワークエラーです。接続を確認してください。</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>パスワードを確認しています...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. 無断複写・転載を禁じます。</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>ログイン時に Halvora Backup を起動する</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>除外するパス</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>続行する前に、サーバーでバックアップサービスが有効になっていることを確認してください。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>失敗した試行が多すぎます。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>次の拡張子のファイルはバックアップされません。</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>プロキシのアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>バックアップしています...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>サーバーとのセッションを作成できませんでした。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>バックアップするフォルダーの選択</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 を指定するとサイズは無制限になります。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>アドレス:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>有効なフォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>自動接続は管理者によって制御されています。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>サーバー上の共有フォルダーがマウントされていません。</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>サーバーにはファイルの読み取り専用コピーが保持されます。</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>認証に失敗しました。</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>このサイズを超えるファイルはバックアップされません。</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>サーバーアドレス:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了しました</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>大切なファイルを安全に、いつでも手元に。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>接続をテストしています...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>設定を適用しています...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>このフォルダーに対してサーバーのストレージクォータが不足しています。</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>新しい言語設定を適用するには、%1 を再起動してください。</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>お困りですか? Veltrane オンラインサポートの Web サイトをご覧ください。</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>このフォルダーはバックアップできません。</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>確認コードが正しくありません。</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>安全な接続 (SSL) を使用する</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>操作に失敗しました。</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>ローカルディスクの空き容量が不足しています。</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>フォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>このコンピューター</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>サーバー上のバックアップ先が変更されました。</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>このフォルダーは読み取り専用です。それでもバックアップしますか?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>ダブルクリックして拡張子を編集します。</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>ローカルのバックアップフォルダーがマウントされていません。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 個のファイルを処理しています...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>ローカルで削除したファイルをサーバーに残す</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続しています...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>FarBridge 経由で接続する</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>プロキシサーバーで認証が必要</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>セキュリティの警告</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>ローカルのバックアップフォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>このコンピューター上でバックアップするフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>プロキシのユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>共有フォルダーがサーバー上に存在しません。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>サーバー上の保存先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>サーバーから予期しない応答がありました。</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>このサーバーのバージョンはサポートされていません。サーバーを更新してください。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>自動接続 ID が無効です。</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>このフォルダー内のファイルは読み取りのみ可能で、変更はできません。</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>ダウンロードしています...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>この共有フォルダーへのアクセス権がありません。</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 のアップグレードに失敗しました (エラーコード: %2)。</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup をインストールまたは起動できませんでした</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>ホームフォルダーの空き容量が不足しています: 必要 %1 MB、空き %2 MB。</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>インストールパッケージが破損しています。</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>ホームフォルダーにプログラムファイルを保存できません。</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>インストールが完了しませんでした。</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>この内容は管理者も確認できます。</translation>
    </message>
</context>
</TS>
