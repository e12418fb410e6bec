<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>SSL-сертификат сервера изменился.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Подключение к серверу</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Резервное копирование: %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>Место назначения резервной копии не совпадает с сохранённым.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Общая папка включена</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Использовать системные настройки прокси</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>На сервере для этого пользователя отключена служба домашних папок.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Выберите локальные папки для резервного копирования на сервер.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Введите адрес сервера и учётные данные.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Не удалось выполнить инициализацию. Перезапустите приложение.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Введите код подтверждения:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Задача резервного копирования с таким именем общей папки уже существует.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Очередь резервного копирования</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Максимальный размер файла (МБ):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Нет, выбрать другую папку</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup готов.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Введите допустимый номер порта (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Эта папка уже используется другой задачей резервного копирования.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup выполняет инициализацию...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Не удалось установить защищённое соединение с сервером.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Имя пользователя прокси:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Всё равно продолжить</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Отвязка...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Ожидание разблокировки файла...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Использовать монохромный значок в трее</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Для этой учётной записи требуется двухэтапная проверка.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>Исходная папка доступна только для чтения.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ручная настройка прокси</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Доступ к папке запрещён.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Этот мастер поможет настроить резервное копирование компьютера на сервер.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Выберите папки для резервного копирования</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Обновление...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Локальная папка</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Вы действительно хотите отвязать этот компьютер от сервера?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Не удалось завершить обновление.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Нажмите, чтобы установить обновление</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Последняя резервная копия:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Не удалось создать резервную копию %1: недостаточно прав или места на диске.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>Направление резервного копирования не соответствует настройкам сервера.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Найти серверы в локальной сети</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Копировать файлы и папки с префиксом %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Произошла ошибка (код ошибки: %1). Обратитесь в службу онлайн-поддержки Veltrane.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Обновить Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>Резервное копирование отключено для этой учётной записи.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>Сертификат сервера отличается от ранее доверенного. Доверять новому сертификату?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Ваша квота хранилища на сервере исчерпана.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Эта папка пересекается с папкой, которая уже копируется.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Требуется код подтверждения.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Эта версия Halvora Backup больше не поддерживается. Обновите программу.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Открыть Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Локальная база данных повреждена.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Отвязать</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Поиск серверов...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Место назначения</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>Квота общей папки исчерпана.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>Диск, на котором находится эта папка, заполнен.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Проверьте указанные ниже настройки.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Не удалось проверить SSL-сертификат сервера.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Подключения с этого IP-адреса запрещены.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Исключённые типы файлов</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Ошибка сети. Проверьте подключение.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Проверка пароля...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>© %1 Veltrane Inc. Все права защищены.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Запускать Halvora Backup при входе в систему</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Исключённые пути</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Прежде чем продолжить, убедитесь, что на сервере включена служба резервного копирования.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Актуально</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Слишком много неудачных попыток. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Файлы со следующими расширениями не будут копироваться.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Введите адрес и порт прокси.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Резервное копирование...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Не удалось создать сеанс с сервером.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Выбор папок для резервного копирования</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 — без ограничения размера.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Не выбрано ни одной допустимой папки.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>Автоматическое подключение контролируется администратором.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Общая папка на сервере не подключена.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>На сервере будет храниться копия ваших файлов только для чтения.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Ошибка проверки подлинности.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Файлы, размер которых превышает это значение, не будут копироваться.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Адрес сервера:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Ваши файлы в безопасности и всегда под рукой.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Проверка подключения...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Применение настроек...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>Квоты хранилища на сервере недостаточно для этой папки.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Перезапустите %1, чтобы применить новые языковые настройки.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Начать сейчас</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Нужна помощь? Посетите сайт онлайн-поддержки Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Резервное копирование этой папки невозможно.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Неверный код подтверждения.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Использовать защищённое соединение (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Не удалось выполнить операцию.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Недостаточно места на локальном диске.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Папка не выбрана.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Этот компьютер</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>Место назначения резервной копии на сервере изменилось.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Эта папка доступна только для чтения. Всё равно создать её резервную копию?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Дважды щёлкните, чтобы изменить расширение файла.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>Локальная папка резервного копирования не подключена.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Обработка файлов: %1...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Сохранять на сервере файлы, удалённые на компьютере</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Без прокси</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Подключаться через FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Прокси-сервер требует проверки подлинности</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Предупреждение безопасности</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Не удалось найти локальную папку резервного копирования.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Выберите папки на этом компьютере для резервного копирования.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Введите имя пользователя прокси.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Общая папка не существует на сервере.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Выберите папку назначения на сервере.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>Сервер вернул непредвиденный ответ.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Версия сервера не поддерживается. Обновите сервер.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Недопустимый идентификатор автоматического подключения.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Файлы в этой папке можно читать, но нельзя изменять.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Скачивание...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>У вас нет прав доступа к этой общей папке.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Не удалось обновить %1 (код ошибки: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Не удалось установить или запустить Halvora Backup</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>В домашней папке недостаточно места: требуется %1 МБ, свободно %2 МБ.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>Установочный пакет повреждён.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Домашняя папка не может вместить файлы программы.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>Установка не завершена.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Ваш администратор также видит это сообщение.</translation>
    </message>
</context>
</TS>
