<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>O certificado SSL do servidor foi alterado.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>Ligar ao seu servidor</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>A fazer cópia de segurança de %1</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>O destino da cópia de segurança não corresponde ao registado.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nome de utilizador:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>Pasta partilhada ativada</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Utilizar as definições de proxy do sistema</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>O serviço de pasta pessoal está desativado para este utilizador no servidor.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>Escolha as pastas locais de que pretende fazer cópia de segurança no servidor.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>Introduza o endereço do servidor e as credenciais da sua conta.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>Falha na inicialização. Reinicie a aplicação.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>Introduza o código de verificação:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>Já existe uma tarefa de cópia de segurança com este nome de pasta partilhada.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Fila de cópias de segurança</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Tamanho máximo do ficheiro (MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>Não, escolher outra pasta</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup pronta.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>Introduza um número de porta válido (1-65535).</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>Esta pasta já está a ser utilizada por outra tarefa de cópia de segurança.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinição do sistema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup a iniciar...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Não foi possível estabelecer uma ligação segura ao servidor.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>Nome de utilizador do proxy:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continuar mesmo assim</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>A desassociar...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>A aguardar o desbloqueio do ficheiro...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Utilizar um ícone monocromático na área de notificação</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>A verificação em dois passos é obrigatória para esta conta.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>A pasta de origem é só de leitura.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuração manual do proxy</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>O acesso à pasta foi negado.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>Este assistente ajuda-o a configurar cópias de segurança do seu computador no seu servidor.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>Escolher as pastas para cópia de segurança</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>A atualizar...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Pasta local</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Tem a certeza de que pretende desassociar este computador do servidor?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>Não foi possível concluir a atualização.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>Clique para instalar a atualização</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Última cópia de segurança:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>Falha ao fazer cópia de segurança de %1 por falta de privilégios ou de espaço em disco.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>A direção da cópia de segurança não corresponde às definições do servidor.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>Procurar servidores na sua rede local</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Fazer cópia de segurança de ficheiros e pastas com o prefixo %1.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>Ocorreu um erro (código de erro: %1). Contacte o Suporte Online da Veltrane.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Atualizar Halvora Backup</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>A cópia de segurança está desativada para esta conta de utilizador.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>O certificado do servidor é diferente do que foi considerado fidedigno anteriormente. Pretende confiar no novo certificado?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>A sua quota de armazenamento no servidor está cheia.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Esta pasta sobrepõe-se a uma pasta que já tem cópia de segurança.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>O nome de utilizador ou a palavra-passe está incorreto.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>É necessário um código de verificação.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>Esta versão de Halvora Backup já não é suportada. Atualize a aplicação.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Abrir Halvora Backup</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>A base de dados local está danificada.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desassociar</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>A procurar servidores...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>A preparar</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>A quota da pasta partilhada está cheia.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>O disco que contém esta pasta está cheio.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>Confirme as seguintes definições.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>Não foi possível verificar o certificado SSL do servidor.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>Não são permitidas ligações a partir deste endereço IP.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Tipos de ficheiro excluídos</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Erro de rede. Verifique a sua ligação.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>A verificar a palavra-passe...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>Iniciar Halvora Backup quando iniciar sessão</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Caminhos excluídos</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>Antes de continuar, certifique-se de que o serviço de cópia de segurança está ativado no seu servidor.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Demasiadas tentativas falhadas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>Não será feita cópia de segurança dos ficheiros com as seguintes extensões.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Introduza o endereço e a porta do proxy.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>A fazer cópia de segurança...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>Falha ao criar uma sessão com o servidor.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>Escolher pastas para cópia de segurança</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0 significa sem limite de tamanho.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Não foi selecionada nenhuma pasta válida.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>A ligação automática é controlada pelo seu administrador.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>A pasta partilhada no servidor não está montada.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>O servidor guardará uma cópia só de leitura dos seus ficheiros.</translation>
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
        <translation>Falha na autenticação.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>Não será feita cópia de segurança dos ficheiros maiores do que este tamanho.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Endereço do servidor:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>A aguardar</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>A carregar</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>Os seus ficheiros, seguros e sempre ao seu alcance.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>A testar a ligação...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>A aplicar as definições...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>A quota de armazenamento no servidor não é suficiente para esta pasta.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Reinicie %1 para aplicar as novas definições de idioma.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>Precisa de ajuda? Visite o site do Suporte Online da Veltrane.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Não é possível fazer cópia de segurança desta pasta.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>O código de verificação está incorreto.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Utilizar uma ligação segura (SSL)</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>A operação falhou.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>Não há espaço suficiente no disco local.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Nenhuma pasta selecionada.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Este computador</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>O destino da cópia de segurança no servidor foi alterado.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>Esta pasta é só de leitura. Pretende fazer a cópia de segurança mesmo assim?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Faça duplo clique para editar a extensão do ficheiro.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>A pasta de cópia de segurança local não está montada.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>A processar %1 ficheiro(s)...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Manter os ficheiros no servidor quando forem eliminados localmente</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>A ligar...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>Ligar através do FarBridge</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>O servidor proxy requer autenticação</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>Aviso de segurança</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Não foi possível encontrar a pasta de cópia de segurança local.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Só de leitura</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Selecione as pastas deste computador de que pretende fazer cópia de segurança.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Introduza o nome de utilizador do proxy.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>A pasta partilhada não existe no servidor.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Escolha uma pasta de destino no servidor.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>O servidor respondeu de forma inesperada.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>A versão do servidor não é suportada. Atualize o servidor.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>O ID de ligação automática é inválido.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>Os ficheiros desta pasta podem ser lidos, mas não alterados.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>A transferir...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Não tem permissão para aceder a esta pasta partilhada.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Falha na atualização de %1 (código de erro: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Não foi possível instalar nem iniciar o Halvora Backup</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>A sua pasta pessoal não tem espaço suficiente: %1 MB necessários, %2 MB livres.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>O pacote de instalação está danificado.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>A sua pasta pessoal não consegue guardar os ficheiros do programa.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>A instalação não foi concluída.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>O seu administrador também pode ver isto.</translation>
    </message>
</context>
</TS>
