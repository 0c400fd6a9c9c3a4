<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Esta versão do Halvenor já está instalada. Deseja instalá-la novamente?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Uma versão mais recente do Halvenor já está instalada. A instalação será encerrada.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>A instalação para todos os usuários requer direitos de administrador.\nDeseja instalar o Halvenor somente para o usuário atual?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Esta versão do Oskavel Drive já está instalada. Deseja instalá-la novamente?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Uma versão mais recente do Oskavel Drive já está instalada. A instalação será encerrada.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Adicionar nome de arquivo</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Alterar pasta de sincronização</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Computador local</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Servidor remoto</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Pasta de sincronização</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Categoria do log</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtrar entradas do log</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Atualizar log</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Detalhes da tarefa de sincronização</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Destino local</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Destino remoto</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Fechar tutorial</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Tutorial do Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Tutorial do Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Parar download</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Excluir versão baixada</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Baixar uma versão anterior</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Escolha as pastas compartilhadas do seu servidor Halvenor que você deseja sincronizar com este computador.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Escolha as pastas de equipe do Halvenor Drive que você deseja sincronizar com este computador.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Assistente de configuração avançada</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Configurações avançadas</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Falha na configuração automática. Configure a conexão manualmente.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Concluindo a configuração automática...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>A chave de configuração foi aplicada.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Configurações de filtro</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Arquivos e pastas que correspondem a estas regras não são sincronizados.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nomes de arquivo</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Arquivos com estes nomes não são sincronizados. Caracteres curinga como *.tmp são permitidos.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Arquivos bloqueados</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Não sincronizar arquivos cujo nome começa com ponto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Escolher outro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Editar conexão</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gerenciar</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Mesclar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continuar mesmo assim</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Começar agora</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nome do computador</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Criado em</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Este campo é obrigatório.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Alguns campos não são válidos. Verifique-os e tente novamente.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Digite no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Nenhum dado</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Manter as duas versões e renomear a cópia deste computador</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Manter as duas versões no Halvenor Drive e renomear a cópia deste computador</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Manter a versão modificada por último</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Quando um arquivo for alterado tanto no servidor quanto neste computador:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Sempre manter a versão do servidor</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Renomear o arquivo local e manter os dois</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Conexão direta</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Conexão via relay</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Rede local</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Detectando o tipo de conexão...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Digite o código de verificação do seu aplicativo autenticador:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Parar de sincronizar esta pasta</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Parar de sincronizar estas pastas</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Nenhuma opção disponível</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Sincronizar esta pasta novamente</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Sincronizar estas pastas novamente</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Enviar para %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Copiar link de compartilhamento</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Procurar versões anteriores</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Escolha o que você deseja sincronizar com este computador.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Meus arquivos e pastas de equipe</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Sincronize seus próprios arquivos e as pastas de equipe que você pode acessar.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Compartilhados comigo</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Sincronize os arquivos e pastas que outras pessoas compartilharam com você.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Criar uma tarefa de sincronização</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Não é possível baixar este arquivo no momento. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Não é possível listar as versões deste arquivo.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Não é possível criar um link de compartilhamento para este item.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>O Halvenor Drive está pronto.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>O Halvenor Drive está sendo inicializado...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Esta conexão está inativa.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Mostrar ícones em preto e branco na barra de menus e na área de notificação</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Mostrar a pasta de sincronização na barra lateral do gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Manter os arquivos no servidor quando forem excluídos deste computador</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Não mostrar esta mensagem novamente</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Somente download</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Visão geral do Tavlo</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>O Tavlo não consegue acessar o servidor.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Não há pastas compartilhadas.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Ativar Sincronização sob Demanda</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Nome de usuário ou senha incorretos.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Falha no login</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Não é possível acessar o serviço de relay.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>O ID do servidor não é válido ou não existe.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>O ID do servidor do Halvenor Drive não é válido ou não existe.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>O serviço de relay está temporariamente indisponível. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ocorreu um erro desconhecido.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Ocorreu um conflito de arquivos.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>O banco de dados local está danificado.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>O arquivo ou a pasta não existe.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>A conexão com o servidor foi perdida.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Este Tavlo está vinculado a outro servidor.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Este Tavlo está vinculado a outro servidor do Halvenor Drive.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>O Pelmora não pode criar um link de compartilhamento para este item.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>O Pelmora está desativado no servidor. Entre em contato com o administrador.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora desativado</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Armazenamento do servidor cheio</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Não é possível obter o link para este arquivo.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Falha na inicialização.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Parâmetro inválido.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Digite um número de porta entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Seu endereço IP foi bloqueado pelo servidor.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Este computador já está vinculado a este Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>A pasta de sincronização local não foi encontrada.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Muitas tentativas de login malsucedidas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Ocorreu um erro de rede. Verifique sua conexão.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Não há conexão disponível para este arquivo.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>O administrador exige a verificação em duas etapas. Ative-a primeiro no portal da web.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>O código de verificação está incorreto.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>É necessário um código de verificação.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permissão negada.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>O servidor usa uma versão de protocolo incompatível.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>O Halvenor Drive no servidor usa uma versão de protocolo incompatível.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Digite o endereço e a porta do servidor proxy.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Sua senha expirou. Altere-a no portal da web.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>O Fennick não permite que este arquivo seja compartilhado.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>A pasta remota não está montada.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Não é possível ativar a pasta compartilhada.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>A pasta compartilhada entra em conflito com uma pasta de sincronização existente.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Você atingiu o número máximo de pastas compartilhadas.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Ponto de montagem inválido</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Pasta compartilhada não encontrada</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>A pasta compartilhada não está montada no servidor.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Sem permissão</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Não é possível excluir o item compartilhado.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>O certificado SSL do servidor foi alterado.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Não é possível verificar o certificado SSL do servidor.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>A pasta de sincronização está em um volume que não está montado.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>O túnel de relay está desativado no servidor.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>O serviço de pasta pessoal do usuário está desativado no servidor.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>As informações do usuário não estão disponíveis.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Digite um nome de usuário.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Você não tem permissão para usar o Halvenor Drive. Entre em contato com o administrador.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Esta versão do cliente não é mais compatível. Atualize o cliente.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Esta versão do Halvenor Drive não é mais compatível. Atualize o Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>A versão do servidor é muito antiga. Atualize o pacote do servidor.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>A versão do servidor é muito antiga para o Halvenor Drive. Atualize o pacote do servidor.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Versão incompatível</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Não há nenhuma versão anterior deste arquivo disponível.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Nomes de arquivo bloqueados</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensões de arquivo</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Tamanho máximo do arquivo</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Não sincronizar arquivos maiores que %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filtro de arquivos</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 arquivos atualizados</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primeira página</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nome da pasta</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Filtro de pastas</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Mostrar o tutorial novamente</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Mostrar o tutorial do Halvenor Drive novamente</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendi</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Todos os eventos</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Intervalo de datas</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo de arquivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 itens</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Palavra-chave</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Último mês</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Última semana</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Renomeado neste computador</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Nenhum histórico ainda</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Renomeado no servidor</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>A pasta já contém arquivos. Eles serão mesclados com os arquivos do servidor.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>O arquivo está bloqueado</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Conectar a outro servidor</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Procurando dispositivos Tavlo na rede local...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Histórico de downloads</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Tarefas de sincronização</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Mostrar opções de sincronização no menu de contexto</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Mostrar notificações na área de trabalho</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Mostrar ícones de status de sincronização em arquivos e pastas</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Criptografar transferências de dados com SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Iniciar o Halvenor quando eu fizer login</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Iniciar o Halvenor Drive quando eu fizer login</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Modo de mesclagem</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Mostrar ícones em itens que não são sincronizados</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Modo de sincronização</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Modo de sincronização</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Usar ícones em preto e branco</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>O servidor proxy exige nome de usuário e senha</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuração manual de proxy</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usar as configurações de proxy do sistema</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Configurações de proxy</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando configurações...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Nenhuma configuração foi alterada.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Suas alterações não foram salvas. Deseja salvá-las agora?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Alterar pasta</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Pasta de sincronização local</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Compartilhamento</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Pastas compartilhadas</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tarefas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Mais tutoriais</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Sobre o Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Monitorando alterações nos arquivos...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Verificando suas credenciais...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Tem certeza de que deseja desvincular este computador?\nOs arquivos que já foram sincronizados permanecem neste computador.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Conectado com sucesso.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>O armazenamento do servidor está cheio. A sincronização está pausada até que haja espaço livre.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>O armazenamento do Halvenor Drive está cheio. A sincronização está pausada até que haja espaço livre.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>O download foi interrompido.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>O download foi concluído.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Baixando %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Falha no download.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Algo deu errado. Tente novamente.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>O Halvenor Drive encontrou um problema. Tente novamente.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>A configuração foi concluída.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Você pode alterar estas configurações a qualquer momento pelo ícone do Halvenor Drive na área de notificação.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>A pasta selecionada é um ponto de montagem. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>A pasta selecionada não está vazia. Os arquivos dela serão sincronizados com o servidor.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>A pasta selecionada não está vazia. Os arquivos dela serão sincronizados com o Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Você não pode gravar na pasta selecionada.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Digite o endereço do seu servidor Halvenor e os dados da sua conta.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>O novo idioma entrará em vigor depois que você reiniciar o aplicativo.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>O disco local está cheio. A sincronização está pausada até que haja espaço livre.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Deseja mesclar o conteúdo da pasta local com a pasta do servidor?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Alterações em unidades de rede podem não ser detectadas imediatamente.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Sincronizando %1 de %2 arquivos</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Sua cota de armazenamento no servidor se esgotou.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>O Halvenor já está em execução.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>O Halvenor Drive já está em execução.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Selecionar uma pasta</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Escolha uma pasta deste computador para sincronizar com o servidor.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>compartilhou um item com você.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>A cota da pasta compartilhada se esgotou.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Tem certeza de que deseja excluir este item compartilhado?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Seus arquivos, em qualquer lugar.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>O certificado SSL do servidor foi alterado.\nVocê confia no novo certificado?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>O certificado SSL do servidor não é confiável.\nDeseja continuar mesmo assim?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Sincronize e compartilhe arquivos em todos os seus dispositivos.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testando a conexão...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Não foi possível verificar o nome de usuário.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Atualizando...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Bem-vindo ao Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Tem certeza de que deseja cancelar a instalação do Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Cancelar instalação</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Instalação do Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Aceito os termos do Contrato de Licença</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Leia atentamente o contrato de licença a seguir.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Não aceito os termos do Contrato de Licença</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Contrato de Licença do Usuário Final</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Clique no botão Concluir para sair do Assistente de Instalação.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Iniciar o Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Instalação concluída</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>O Halvenor Drive foi instalado.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>O Assistente de Instalação do Halvenor Drive foi concluído</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>O Assistente de Instalação foi encerrado prematuramente devido a um erro. Seu sistema não foi modificado.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Para instalar este programa mais tarde, execute o Assistente de Instalação novamente. Clique no botão Concluir para sair do Assistente de Instalação.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Falha na instalação</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>O Assistente de Instalação do Halvenor Drive foi encerrado prematuramente</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Feche os aplicativos e tente reiniciá-los.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Não feche os aplicativos. Será necessário reiniciar.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Alguns arquivos que precisam ser atualizados estão em uso.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Arquivos em uso</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Os seguintes aplicativos estão usando arquivos que esta instalação precisa atualizar.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Feche estes aplicativos e clique em Repetir para continuar ou clique em Sair para sair da instalação.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Permite alterar a forma como os recursos são instalados.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>O Halvenor Drive não tem recursos separados que possam ser alterados.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Alterar a instalação</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Selecione a operação que deseja executar.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Remove o Halvenor Drive do seu computador.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Remover a instalação</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Corrige erros da instalação mais recente restaurando arquivos e atalhos ausentes ou danificados.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Reparar a instalação</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Alterar, reparar ou remover a instalação</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>O Assistente de Instalação permite alterar a forma como o Halvenor Drive está instalado no seu computador, ou repará-lo ou removê-lo.\nClique em Avançar para continuar ou em Cancelar para sair do Assistente de Instalação.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Bem-vindo à manutenção do Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Aguarde enquanto o Assistente de Instalação instala o Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Instalando o Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Isso pode levar alguns minutos.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Clique em Instalar para iniciar a instalação. Clique em Voltar para revisar ou alterar as configurações de instalação. Clique em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Pronto para instalar o Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>O Assistente de Instalação está pronto para iniciar a instalação.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Clique em Remover para remover o Halvenor Drive do seu computador. Clique em Voltar para revisar ou alterar as configurações de instalação. Clique em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Pronto para remover o Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>O Assistente de Instalação está pronto para remover o Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Clique em Reparar para reparar a instalação do Halvenor Drive. Clique em Voltar para revisar ou alterar as configurações de instalação. Clique em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Pronto para reparar o Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>O Assistente de Instalação está pronto para reparar o Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>O Assistente de Instalação foi interrompido. Seu sistema não foi modificado.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Para instalar o Halvenor Drive mais tarde, execute o Assistente de Instalação novamente. Clique no botão Concluir para sair do Assistente de Instalação.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Instalação interrompida</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>O Assistente de Instalação do Halvenor Drive foi interrompido</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>O Assistente de Instalação instalará o Halvenor Drive no seu computador.\nClique em Avançar para continuar ou em Cancelar para sair do Assistente de Instalação.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Bem-vindo ao Assistente de Instalação do Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Configurações de rede</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Próximas %1 páginas</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Não, obrigado</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Nenhuma pasta válida foi selecionada.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>comentou em</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>mencionou você em</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>solicitou acesso a</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>compartilhou com você</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Menções</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Abrir no portal da web</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Compartilhados</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronização</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Solicitações de acesso</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Atividade</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Não foi possível sincronizar alguns arquivos. Clique aqui para ver os detalhes.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Problema de sincronização</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 compartilhou &quot;%2&quot; com você.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Novo item compartilhado</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Sincronização sob Demanda</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Download unidirecional</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Somente baixar alterações do servidor</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Somente baixar alterações do Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Upload unidirecional</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Abrir pasta que contém o item</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Abrir o Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Ver status da sincronização</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Usuários internos</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Usuários conectados podem ver</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Usuários conectados podem editar</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Restrito</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Somente as pessoas convidadas podem abrir o link</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Público</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Qualquer pessoa com o link pode ver</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Qualquer pessoa com o link pode editar</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Pode ver</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Pode editar</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>%1 páginas anteriores</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>O Halvenor está sincronizando seus arquivos.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>O Halvenor Drive está sincronizando seus arquivos.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Seus arquivos serão mantidos sincronizados entre este computador e o servidor.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Saiba mais sobre o Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Saiba mais sobre o Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Tudo pronto!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Abrir minha pasta de sincronização</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Somente leitura</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Você só pode visualizar os arquivos desta pasta. As alterações feitas neste computador não são enviadas.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Você só pode visualizar os arquivos desta pasta do Halvenor Drive. As alterações feitas neste computador não são enviadas.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Alterados recentemente</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Aplicar a todas as subpastas</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Sincronização Seletiva</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Direção da sincronização</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Filtrar arquivos</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Escolher pastas</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Escolha um modo de sincronização</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>As pastas que você desmarcar serão removidas deste computador, mas permanecerão no servidor.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Sincronização Seletiva...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Tem certeza de que deseja remover esta tarefa de sincronização?\nOs arquivos sincronizados permanecem neste computador.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Desativar esta pasta compartilhada remove os arquivos dela deste computador.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Compartilhamento ativado</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Convidar pessoas</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Link de compartilhamento</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Permissão do link</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Usuários e grupos</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Deseja sincronizar os itens compartilhados com você?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Salvar e copiar link</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Duração personalizada</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Expira em</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Limitar o número de acessos</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Disponível a partir de</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Expira após %1 acessos</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Compartilhamento por link</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Restringir acesso</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Alguns arquivos não foram sincronizados</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Disco do servidor cheio</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>O Tavlo foi alterado</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>É necessário atualizar o cliente</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>É necessário atualizar o servidor</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>O disco local está cheio</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acesso negado</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Cota excedida</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Falha na verificação do certificado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>A direção de sincronização desta pasta não corresponde à configuração do servidor.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Sincronizar arquivos temporários</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>Há %1 dias</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>Há %1 horas</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Agora mesmo</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>Há %1 minutos</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Novo compartilhamento</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Alterar a pasta de sincronização</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Este computador</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Visão geral da sincronização</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Tipo de conexão</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Pasta não vazia</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Pasta somente leitura</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Caminho da pasta</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Clique duas vezes no ícone para abrir a pasta de sincronização</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inativo</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Digite o endereço IP, o nome do host ou o ID do seu servidor.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Abrir o Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Ativar criptografia SSL</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Aviso de segurança</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Em espera</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Informações de status</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indexando a pasta...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Uma nova versão está disponível. Clique para atualizar.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>O Halvenor Drive está disponível. Clique para atualizar.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Sincronizando agora</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Verificando dados...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>O Tavlo foi substituído. Vincule-o novamente.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Abrir pasta de sincronização</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Reconectar</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Informações da conexão</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Sincronizado em todos os seus dispositivos</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 arquivos sendo sincronizados</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Conexão instável</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Arquivos atualizados recentemente</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Atualizando...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Tentar sincronizar novamente</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Abrir o portal da web</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Agora você já pode usar o Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Os arquivos que você colocar na pasta de sincronização são mantidos atualizados em todos os seus dispositivos.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Sua pasta de sincronização</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Clique com o botão direito em um arquivo para compartilhá-lo ou procurar versões anteriores dele.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Compartilhar e restaurar</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>O ícone na área de notificação permite ver rapidamente o status da sincronização.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Clique nele para pausar a sincronização, abrir a pasta de sincronização ou alterar as configurações.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Status da sincronização</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Iniciar o tour</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Use a Sincronização Seletiva para escolher as pastas que são mantidas neste computador.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>As pastas que você deixar de fora permanecem seguras no servidor.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Escolha o que sincronizar</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Sincronização bidirecional</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Atualize o pacote do servidor para usar a Sincronização Seletiva.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Falha na atualização. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Não foi possível atualizar o Halvenor Drive. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Usar o Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Você não tem permissão para acessar esta pasta de sincronização.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Falha no login. Verifique seu nome de usuário e sua senha.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>É necessária uma versão mais recente do cliente. Deseja atualizar agora?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Não foi possível atualizar o cliente.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>É feito backup dos arquivos em conflito com o servidor antes do início da sincronização.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Esta pasta se sobrepõe a outra tarefa de sincronização. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Digite o endereço do servidor e sua conta para se conectar.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Criar uma pasta do Halvenor</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Não foi possível criar a pasta local.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Criar uma pasta do Oskavel Drive</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Não há espaço livre suficiente no disco para esta pasta de sincronização.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Não há espaço livre suficiente no disco para esta pasta do Halvenor Drive.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Não foi possível ativar a Sincronização sob Demanda.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Localizar dispositivos Tavlo na sua rede local</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Este computador agora está vinculado ao seu servidor Halvenor.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Este computador agora está vinculado ao Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>A pasta de sincronização selecionada não é válida.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Não é possível verificar a pasta de sincronização devido a um erro de rede.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Escolha uma pasta no servidor e uma pasta neste computador para manter sincronizadas.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Nova tarefa de sincronização</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Sua cota no servidor está cheia.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>A pasta de sincronização é somente leitura.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Definir a pasta de sincronização</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Escolha onde os arquivos sincronizados serão mantidos neste computador.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Local da pasta de sincronização</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Escolha você mesmo as pastas e as regras de sincronização.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Configuração avançada</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Como você deseja configurar a sincronização?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Modo de configuração</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Sincronize sua pasta pessoal com as configurações recomendadas.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Configuração rápida</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Esta pasta já é sincronizada por outra tarefa.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Sincronizar a mesma pasta duas vezes pode causar conflitos.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Escolha uma pasta diferente ou remova a tarefa existente.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Tarefa de sincronização duplicada</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Já existe uma pasta compartilhada com este nome.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>A pasta compartilhada desta tarefa de sincronização não existe mais.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Sincronize com este computador os itens que outras pessoas compartilharam com você.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Talvez mais tarde</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Ativar agora</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Os arquivos compartilhados com você também podem ser sincronizados.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Sincronizar itens compartilhados comigo</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>O certificado SSL do servidor foi alterado. Confirme-o antes de sincronizar esta pasta.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Não é possível verificar o certificado SSL do servidor, portanto esta pasta não pode ser sincronizada.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Sincronizar com outro servidor</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Adicionar uma tarefa de sincronização</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Ocorreu um erro do sistema ao verificar a pasta de sincronização.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Esta pasta foi sincronizada por outra conta de usuário.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Sua conta foi desativada.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>O Halvenor mantém seus arquivos sincronizados entre este computador e o seu servidor.\nVamos configurar sua primeira tarefa de sincronização.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>O Halvenor Drive mantém seus arquivos sincronizados entre este computador e o seu servidor.\nVamos configurar sua primeira tarefa de sincronização.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Precisa de ajuda? Visite a Central de Ajuda do Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Precisa de ajuda? Visite a Central de Ajuda do Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Aguarde enquanto o assistente é carregado...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Aguarde enquanto o Halvenor Drive é carregado...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Bem-vindo ao Halvenor</translation>
    </message>
</context>
</TS>
