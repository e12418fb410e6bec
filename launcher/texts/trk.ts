<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Sunucunun SSL sertifikası değişti.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Sunucunuza bağlanın</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>%1 yedekleniyor</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>Yedekleme hedefi kayıtlı hedefle eşleşmiyor.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Kullanıcı adı:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Paylaşılan klasör etkin</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Sistem ara sunucu ayarlarını kullan</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>Sunucuda bu kullanıcı için ana klasör hizmeti devre dışı bırakılmış.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Sunucuya yedeklemek istediğiniz yerel klasörleri seçin.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Sunucu adresini ve hesap kimlik bilgilerinizi girin.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Başlatma başarısız oldu. Lütfen uygulamayı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Doğrulama kodunu girin:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Bu paylaşılan klasör adına sahip bir yedekleme görevi zaten var.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Yedekleme kuyruğu</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksimum dosya boyutu (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Hayır, başka bir klasör seç</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup hazır.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Lütfen geçerli bir bağlantı noktası numarası girin (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Bu klasör zaten başka bir yedekleme görevi tarafından kullanılıyor.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup başlıyor...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Sunucuyla güvenli bağlantı kurulamadı.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Ara sunucu kullanıcı adı:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Yine de devam et</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Bağlantı kaldırılıyor...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Dosyanın kilidinin açılması bekleniyor...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Tek renkli tepsi simgesi kullan</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Bu hesap için iki adımlı doğrulama gerekiyor.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>Kaynak klasör salt okunur.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>El ile ara sunucu yapılandırması</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Klasöre erişim reddedildi.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Bu sihirbaz, bilgisayarınızın sunucunuza yedeklenmesini ayarlamanıza yardımcı olur.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Yedeklenecek klasörleri seçin</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Bağlantı noktası:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Güncelleniyor...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Yerel klasör</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Bu bilgisayarın sunucuyla bağlantısını kaldırmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Yükseltme tamamlanamadı.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Güncellemeyi yüklemek için tıklayın</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Son yedekleme:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Yetersiz izin veya disk alanı nedeniyle %1 yedeklenemedi.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>Yedekleme yönü sunucu ayarlarıyla eşleşmiyor.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Yerel ağdaki sunucuları ara</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>%1 önekli dosya ve klasörleri yedekle.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Bir hata oluştu (hata kodu: %1). Yardım için lütfen Veltrane Çevrimiçi Destek ile iletişime geçin.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Halvora Backup'ı yükselt</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Beklenmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Bu kullanıcı hesabı için yedekleme devre dışı.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Şimdi değil</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Sunucunun sertifikası daha önce güvenilen sertifikadan farklı. Yeni sertifikaya güvenmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Sunucudaki depolama kotanız doldu.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Bu klasör, zaten yedeklenen bir klasörle çakışıyor.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Kullanıcı adı veya parola hatalı.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Doğrulama kodu gerekli.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Halvora Backup'ın bu sürümü artık desteklenmiyor. Lütfen yükseltin.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Halvora Backup'ı aç</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Yerel veritabanı bozuk.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Bağlantıyı kaldır</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Sunucular aranıyor...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Hazırlanıyor</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Paylaşılan klasörün kotası doldu.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Bu klasörün bulunduğu disk dolu.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Lütfen aşağıdaki ayarları onaylayın.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Sunucunun SSL sertifikası doğrulanamadı.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Bu IP adresinden gelen bağlantılara izin verilmiyor.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Hariç tutulan dosya türleri</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Ağ hatası. Lütfen bağlantınızı denetleyin.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Parolanız denetleniyor...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Telif hakkı (C) %1 Veltrane Inc. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Oturum açtığımda Halvora Backup'ı başlat</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Hariç tutulan yollar</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Devam etmeden önce sunucunuzda yedekleme hizmetinin etkin olduğundan emin olun.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Güncel</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Çok fazla başarısız deneme. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Aşağıdaki uzantılara sahip dosyalar yedeklenmeyecek.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Lütfen ara sunucu adresini ve bağlantı noktasını girin.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Yedekleniyor...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Sunucuyla oturum oluşturulamadı.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Yedeklenecek klasörleri seçin</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0, boyut sınırı olmadığı anlamına gelir.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Geçerli bir klasör seçilmedi.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Otomatik bağlantı yöneticiniz tarafından denetleniyor.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Sunucudaki paylaşılan klasör bağlı değil.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>Sunucu, dosyalarınızın salt okunur bir kopyasını saklayacak.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Ara sunucu</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Kimlik doğrulama başarısız oldu.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Bu boyuttan büyük dosyalar yedeklenmeyecek.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Sunucu adresi:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Bekliyor</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Karşıya yükleniyor</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Dosyalarınız güvende ve her zaman elinizin altında.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Bağlantı test ediliyor...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Ayarlar uygulanıyor...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Sunucudaki depolama kotası bu klasör için yeterli değil.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Yeni dil ayarlarını uygulamak için lütfen %1 uygulamasını yeniden başlatın.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Şimdi başlat</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Yardım mı gerekiyor? Veltrane Çevrimiçi Destek web sitesini ziyaret edin.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Bu klasör yedeklenemez.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Doğrulama kodu hatalı.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Güvenli bağlantı kullan (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>İşlem başarısız oldu.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Yerel diskte yeterli alan yok.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Hiçbir klasör seçilmedi.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Bu bilgisayar</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>Sunucudaki yedekleme hedefi değişti.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Bu klasör salt okunur. Yine de yedeklemek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dosya uzantısını düzenlemek için çift tıklayın.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>Yerel yedekleme klasörü bağlı değil.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 dosya işleniyor...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Yerel olarak silinen dosyaları sunucuda tut</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bağlanıyor...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ara sunucu kullanma</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>FarBridge üzerinden bağlan</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Ara sunucu kimlik doğrulaması gerektiriyor</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Güvenlik uyarısı</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Yerel yedekleme klasörü bulunamadı.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Salt okunur</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Bu bilgisayarda yedeklemek istediğiniz klasörleri seçin.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Lütfen ara sunucu kullanıcı adını girin.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Paylaşılan klasör sunucuda mevcut değil.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Sunucuda bir hedef klasör seçin.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Sunucu beklenmeyen bir yanıt verdi.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Sunucu sürümü desteklenmiyor. Lütfen sunucuyu güncelleyin.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Otomatik bağlantı kimliği geçersiz.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Bu klasördeki dosyalar okunabilir ancak değiştirilemez.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>İndiriliyor...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Bu paylaşılan klasöre erişim izniniz yok.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 yükseltmesi başarısız oldu (hata kodu: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup yüklenemedi veya başlatılamadı</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>Giriş klasörünüzde yeterli alan yok: %1 MB gerekli, %2 MB boş.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Kurulum paketi hasarlı.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Giriş klasörünüz program dosyalarını barındıramıyor.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>Kurulum tamamlanmadı.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Yöneticiniz de bunu görebilir.</translation>
    </message>
</context>
</TS>
