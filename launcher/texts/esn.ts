<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>El certificado SSL del servidor ha cambiado.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Conectar con su servidor</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Copia de seguridad de %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>El destino de la copia de seguridad no coincide con el registrado.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Carpeta compartida habilitada</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usar la configuración de proxy del sistema</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>El servicio de carpeta personal está deshabilitado para este usuario en el servidor.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Elija las carpetas locales de las que desea hacer una copia de seguridad en el servidor.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Introduzca la dirección del servidor y las credenciales de su cuenta.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Error de inicialización. Reinicie la aplicación.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Introduzca el código de verificación:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Ya existe una tarea de copia de seguridad con este nombre de carpeta compartida.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Cola de copias de seguridad</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Tamaño máximo de archivo (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>No, elegir otra carpeta</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup está lista.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Introduzca un número de puerto válido (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Esta carpeta ya la usa otra tarea de copia de seguridad.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup se está inicializando...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>No se pudo establecer una conexión segura con el servidor.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Nombre de usuario del proxy:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continuar de todos modos</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>Esperando a que se desbloquee el archivo...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Usar un icono monocromo en el área de notificación</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Esta cuenta requiere la verificación en dos pasos.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>La carpeta de origen es de solo lectura.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuración manual del proxy</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>Se ha denegado el acceso a la carpeta.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Este asistente le ayuda a configurar copias de seguridad de su equipo en su servidor.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Elegir las carpetas para la copia de seguridad</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Carpeta local</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>¿Seguro que desea desvincular este equipo del servidor?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>No se pudo completar la actualización.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Haga clic para instalar la actualización</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Última copia de seguridad:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>No se pudo hacer la copia de seguridad de %1 por falta de permisos o de espacio en disco.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>La dirección de la copia de seguridad no coincide con la configuración del servidor.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Buscar servidores en la red local</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Incluir en la copia de seguridad los archivos y carpetas con el prefijo %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Se ha producido un error (código de error: %1). Póngase en contacto con el soporte en línea de Veltrane.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Actualizar Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>La copia de seguridad está deshabilitada para esta cuenta de usuario.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>El certificado del servidor es distinto del que se consideró de confianza anteriormente. ¿Desea confiar en el nuevo certificado?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Su cuota de almacenamiento en el servidor está llena.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Esta carpeta se superpone con otra que ya está incluida en la copia de seguridad.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>El nombre de usuario o la contraseña no son correctos.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Se requiere un código de verificación.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Esta versión de Halvora Backup ya no se admite. Actualice la aplicación.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Abrir Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>La base de datos local está dañada.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Buscando servidores...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>La cuota de la carpeta compartida está llena.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>El disco que contiene esta carpeta está lleno.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Confirme la siguiente configuración.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>No se pudo verificar el certificado SSL del servidor.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>No se permiten conexiones desde esta dirección IP.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Tipos de archivo excluidos</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Error de red. Compruebe su conexión.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>Comprobando la contraseña...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Iniciar Halvora Backup al iniciar sesión</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Rutas excluidas</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Asegúrese de que el servicio de copia de seguridad está habilitado en su servidor antes de continuar.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Demasiados intentos fallidos. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Los archivos con las siguientes extensiones no se incluirán en la copia de seguridad.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Introduzca la dirección y el puerto del proxy.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Copia de seguridad en curso...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>No se pudo crear una sesión con el servidor.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Elegir carpetas para la copia de seguridad</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 significa sin límite de tamaño.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>No se ha seleccionado ninguna carpeta válida.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>La conexión automática la controla su administrador.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>La carpeta compartida del servidor no está montada.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>El servidor conservará una copia de solo lectura de sus archivos.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Servidor proxy</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Error de autenticación.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Los archivos que superen este tamaño no se incluirán en la copia de seguridad.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Dirección del servidor:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Sus archivos, seguros y siempre a mano.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Probando la conexión...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando la configuración...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>La cuota de almacenamiento del servidor no es suficiente para esta carpeta.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Reinicie %1 para aplicar la nueva configuración de idioma.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Iniciar ahora</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>¿Necesita ayuda? Visite el sitio web del soporte en línea de Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>No se puede hacer una copia de seguridad de esta carpeta.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>El código de verificación no es correcto.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Usar una conexión segura (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>La operación ha fallado.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>No hay suficiente espacio en el disco local.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>No hay ninguna carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Este equipo</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>El destino de la copia de seguridad en el servidor ha cambiado.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Esta carpeta es de solo lectura. ¿Desea hacer la copia de seguridad de todos modos?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Haga doble clic para editar la extensión de archivo.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>La carpeta de copia de seguridad local no está montada.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Procesando %1 archivo(s)...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Conservar los archivos en el servidor cuando se eliminen localmente</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Conectar a través de FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>El servidor proxy requiere autenticación</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Advertencia de seguridad</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>No se encuentra la carpeta de copia de seguridad local.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Seleccione las carpetas de este equipo de las que desea hacer una copia de seguridad.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Introduzca el nombre de usuario del proxy.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>La carpeta compartida no existe en el servidor.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Elija una carpeta de destino en el servidor.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>El servidor ha respondido de forma inesperada.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>La versión del servidor no es compatible. Actualice el servidor.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>El ID de conexión automática no es válido.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Los archivos de esta carpeta se pueden leer, pero no modificar.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>No tiene permiso para acceder a esta carpeta compartida.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Error al actualizar %1 (código de error: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>No se pudo instalar ni iniciar Halvora Backup</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>No hay suficiente espacio en su carpeta personal: se necesitan %1 MB, hay %2 MB libres.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>El paquete de instalación está dañado.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>Su carpeta personal no puede alojar los archivos del programa.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>La instalación no se completó.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>Su administrador también puede ver esto.</translation>
    </message>
</context>
</TS>
