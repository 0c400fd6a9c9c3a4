<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Esta versão de Halvenor já está instalada. Pretende instalá-la novamente?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Já está instalada uma versão mais recente de Halvenor. A instalação será encerrada.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>A instalação para todos os utilizadores requer direitos de administrador.\nPretende instalar Halvenor apenas para o utilizador atual?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Esta versão de Oskavel Drive já está instalada. Pretende instalá-la novamente?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Já está instalada uma versão mais recente de Oskavel Drive. A instalação será encerrada.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Adicionar nome de ficheiro</translation>
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
        <translation>Mês seguinte</translation>
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
        <translation>Categoria do registo</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtrar entradas do registo</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Atualizar registo</translation>
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
        <translation>Definições</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Fechar tutorial</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Tutorial de Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Tutorial de Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Parar transferência</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Eliminar versão transferida</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Transferir uma versão anterior</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desassociar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Escolha as pastas partilhadas do seu servidor Halvenor que pretende sincronizar com este computador.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Escolha as pastas de equipa de Halvenor Drive que pretende sincronizar com este computador.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Assistente de configuração avançada</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Definições avançadas</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>A configuração automática falhou. Configure a ligação manualmente.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>A concluir a configuração automática...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>A chave de configuração foi aplicada.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Definições de filtro</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Os ficheiros e pastas que correspondem a estas regras não são sincronizados.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nomes de ficheiro</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Os ficheiros com estes nomes não são sincronizados. São permitidos carateres universais, como *.tmp.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Ficheiros bloqueados</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Não sincronizar ficheiros cujo nome comece por um ponto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
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
        <translation>Editar ligação</translation>
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
        <translation>Gerir</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
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
        <translation>Eliminar</translation>
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
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
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
        <translation>Introduza no máximo %1 carateres.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partilhar</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Manter ambas as versões e mudar o nome da cópia deste computador</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Manter ambas as versões em Halvenor Drive e mudar o nome da cópia deste computador</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Manter a versão modificada mais recentemente</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Quando um ficheiro tiver sido alterado tanto no servidor como neste computador:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Manter sempre a versão do servidor</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Mudar o nome do ficheiro local e manter ambos</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Ligação direta</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Ligação por relay</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Rede local</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>A detetar o tipo de ligação...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Introduza o código de verificação da sua aplicação de autenticação:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Deixar de sincronizar esta pasta</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Deixar de sincronizar estas pastas</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Nenhuma opção disponível</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Voltar a sincronizar esta pasta</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Voltar a sincronizar estas pastas</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Enviar para %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Copiar link de partilha</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Procurar versões anteriores</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Escolha o que pretende sincronizar com este computador.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Os meus ficheiros e pastas de equipa</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Sincronize os seus próprios ficheiros e as pastas de equipa a que tem acesso.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Partilhados comigo</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Sincronize os ficheiros e pastas que outras pessoas partilharam consigo.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Criar uma tarefa de sincronização</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>De momento, não é possível transferir este ficheiro. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Não é possível listar as versões deste ficheiro.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Não é possível criar um link de partilha para este item.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive pronta.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive a iniciar...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Esta ligação está inativa.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Mostrar ícones a preto e branco na barra de menus e na área de notificação</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Mostrar a pasta de sincronização na barra lateral do gestor de ficheiros</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Apresentação</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Manter os ficheiros no servidor quando forem eliminados deste computador</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Não voltar a mostrar esta mensagem</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Apenas transferência</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Vista geral de Tavlo</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>O Tavlo não consegue contactar o servidor.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Não existem pastas partilhadas.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Ativar a Sincronização a Pedido</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>O nome de utilizador ou a palavra-passe estão incorretos.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Falha ao iniciar sessão</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Não é possível contactar o serviço de relay.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>O ID do servidor não é válido ou não existe.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>O ID do servidor de Halvenor Drive não é válido ou não existe.</translation>
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
        <translation>Ocorreu um conflito de ficheiros.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>A base de dados local está danificada.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>O ficheiro ou a pasta não existe.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>A ligação ao servidor foi perdida.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Este Tavlo está associado a outro servidor.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Este Tavlo está associado a outro servidor de Halvenor Drive.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>O Pelmora não consegue criar um link de partilha para este item.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>O Pelmora está desativado no servidor. Contacte o administrador.</translation>
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
        <translation>Não é possível obter o link para este ficheiro.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>A inicialização falhou.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Parâmetro inválido.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Introduza um número de porta entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>O seu endereço IP foi bloqueado pelo servidor.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Este computador já está associado a este Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>A pasta de sincronização local não foi encontrada.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Demasiadas tentativas de início de sessão falhadas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Ocorreu um erro de rede. Verifique a sua ligação.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Não existe nenhuma ligação disponível para este ficheiro.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>O administrador exige a verificação em dois passos. Ative-a primeiro no portal web.</translation>
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
        <translation>O servidor utiliza uma versão de protocolo incompatível.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive no servidor utiliza uma versão de protocolo incompatível.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Introduza o endereço e a porta do servidor proxy.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>A sua palavra-passe expirou. Altere-a no portal web.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>O Fennick não permite que este ficheiro seja partilhado.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>A pasta remota não está montada.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Não é possível ativar a pasta partilhada.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>A pasta partilhada entra em conflito com uma pasta de sincronização existente.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Atingiu o número máximo de pastas partilhadas.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Ponto de montagem inválido</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Pasta partilhada não encontrada</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>A pasta partilhada não está montada no servidor.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Sem permissão</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Não é possível eliminar o item partilhado.</translation>
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
        <translation>A pasta de sincronização encontra-se num volume que não está montado.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>O túnel de relay está desativado no servidor.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>O serviço de pasta pessoal dos utilizadores está desativado no servidor.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>As informações do utilizador não estão disponíveis.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Introduza um nome de utilizador.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Não tem permissão para utilizar Halvenor Drive. Contacte o administrador.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Esta versão do cliente já não é suportada. Atualize o cliente.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Esta versão de Halvenor Drive já não é suportada. Atualize Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>A versão do servidor é demasiado antiga. Atualize o pacote do servidor.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>A versão do servidor é demasiado antiga para Halvenor Drive. Atualize o pacote do servidor.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Versão incompatível</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Não existe nenhuma versão anterior deste ficheiro.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Nomes de ficheiro bloqueados</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensões de ficheiro</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Tamanho máximo de ficheiro</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Não sincronizar ficheiros com mais de %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filtro de ficheiros</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 ficheiros atualizados</translation>
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
        <translation>Mostrar novamente o tutorial</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Mostrar novamente o tutorial de Halvenor Drive</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
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
        <translation>Transferência</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo de ficheiro</translation>
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
        <translation>Nome alterado neste computador</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Ainda não existe histórico</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Nome alterado no servidor</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
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
        <translation>Envio</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>A pasta já contém ficheiros. Estes serão unidos aos ficheiros do servidor.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>A transferir</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>O ficheiro está bloqueado</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>A preparar...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>A enviar</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinição do sistema</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Ligar a outro servidor</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>A carregar...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>A procurar dispositivos Tavlo na rede local...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Histórico de transferências</translation>
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
        <translation>Mostrar notificações no ambiente de trabalho</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Mostrar ícones de estado da sincronização em ficheiros e pastas</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Encriptar as transferências de dados com SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Iniciar Halvenor quando eu iniciar sessão</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Iniciar Halvenor Drive quando eu iniciar sessão</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Modo de união</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Mostrar ícones nos itens que não são sincronizados</translation>
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
        <translation>Utilizar ícones a preto e branco</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>O servidor proxy requer um nome de utilizador e uma palavra-passe</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuração manual do proxy</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Utilizar as definições de proxy do sistema</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de utilizador</translation>
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
        <translation>Definições de proxy</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>A aplicar as definições...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Nenhuma definição foi alterada.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>As suas alterações não foram guardadas. Pretende guardá-las agora?</translation>
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
        <translation>Partilha</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Pastas partilhadas</translation>
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
        <translation>Acerca de Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>A monitorizar alterações aos ficheiros...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>A verificar as suas credenciais...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Tem a certeza de que pretende desassociar este computador?\nOs ficheiros que já foram sincronizados permanecem neste computador.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Ligação estabelecida com êxito.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>O armazenamento do servidor está cheio. A sincronização está em pausa até ser libertado espaço.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>O armazenamento de Halvenor Drive está cheio. A sincronização está em pausa até ser libertado espaço.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>A transferência foi interrompida.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>A transferência está concluída.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>A transferir %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>A transferência falhou.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Ocorreu um problema. Tente novamente.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive encontrou um problema. Tente novamente.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>A configuração está concluída.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Pode alterar estas definições em qualquer momento a partir do ícone de Halvenor Drive na área de notificação.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>A pasta selecionada é um ponto de montagem. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>A pasta selecionada não está vazia. Os respetivos ficheiros serão sincronizados com o servidor.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>A pasta selecionada não está vazia. Os respetivos ficheiros serão sincronizados com Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Não pode escrever na pasta selecionada.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Introduza o endereço do seu servidor Halvenor e os dados da sua conta.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>O novo idioma será aplicado depois de reiniciar a aplicação.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>A ligar...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>O disco local está cheio. A sincronização está em pausa até ser libertado espaço.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Pretende unir o conteúdo da pasta local com a pasta no servidor?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>As alterações em unidades de rede podem não ser detetadas de imediato.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>A sincronizar %1 de %2 ficheiros</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>A sua quota de armazenamento no servidor esgotou-se.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor já está em execução.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive já está em execução.</translation>
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
        <translation>partilhou um item consigo.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>A quota da pasta partilhada esgotou-se.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Tem a certeza de que pretende eliminar este item partilhado?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Os seus ficheiros, em todo o lado.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>O certificado SSL do servidor foi alterado.\nConfia no novo certificado?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>O certificado SSL do servidor não é fidedigno.\nPretende continuar mesmo assim?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>A iniciar...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Sincronize e partilhe ficheiros em todos os seus dispositivos.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>A testar a ligação...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Não foi possível verificar o nome de utilizador.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>A desassociar...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>A atualizar...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Bem-vindo a Halvenor Drive</translation>
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
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Tem a certeza de que pretende cancelar a instalação de Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Cancelar a instalação</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Instalação de Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Aceito os termos do Contrato de Licença</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Leia atentamente o seguinte contrato de licença.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Não aceito os termos do Contrato de Licença</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Contrato de Licença de Utilizador Final</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Clique no botão Concluir para sair do Assistente de Configuração.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Iniciar Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Instalação concluída</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive foi instalada.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>O Assistente de Configuração de Halvenor Drive foi concluído</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>O Assistente de Configuração terminou prematuramente devido a um erro. O sistema não foi modificado.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Para instalar este programa mais tarde, execute novamente o Assistente de Configuração. Clique no botão Concluir para sair do Assistente de Configuração.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>A instalação falhou</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>O Assistente de Configuração de Halvenor Drive terminou prematuramente</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Fechar as aplicações e tentar reiniciá-las.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Não fechar as aplicações. Será necessário reiniciar.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Alguns ficheiros que têm de ser atualizados estão em utilização.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Ficheiros em utilização</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>As seguintes aplicações estão a utilizar ficheiros que esta instalação tem de atualizar.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Feche estas aplicações e clique em Tentar novamente para continuar, ou clique em Sair para abandonar a instalação.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Permite alterar a forma como as funcionalidades são instaladas.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive não tem funcionalidades separadas que possam ser alteradas.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Alterar a instalação</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Selecione a operação que pretende efetuar.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Remove Halvenor Drive do computador.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Remover a instalação</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Corrige erros na instalação mais recente através do restauro de ficheiros e atalhos em falta ou danificados.</translation>
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
        <translation>O Assistente de Configuração permite alterar a forma como Halvenor Drive está instalada no computador, ou repará-la ou removê-la.\nClique em Seguinte para continuar ou em Cancelar para sair do Assistente de Configuração.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Bem-vindo à manutenção de Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Aguarde enquanto o Assistente de Configuração instala Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>A instalar Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Esta operação pode demorar alguns minutos.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Clique em Instalar para iniciar a instalação. Clique em Anterior para rever ou alterar as definições de instalação. Clique em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Pronto para instalar Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>O Assistente de Configuração está pronto para iniciar a instalação.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Clique em Remover para remover Halvenor Drive do computador. Clique em Anterior para rever ou alterar as definições de instalação. Clique em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Pronto para remover Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>O Assistente de Configuração está pronto para remover Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Clique em Reparar para reparar a instalação de Halvenor Drive. Clique em Anterior para rever ou alterar as definições de instalação. Clique em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Pronto para reparar Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>O Assistente de Configuração está pronto para reparar Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>O Assistente de Configuração foi interrompido. O sistema não foi modificado.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Para instalar Halvenor Drive mais tarde, execute novamente o Assistente de Configuração. Clique no botão Concluir para sair do Assistente de Configuração.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Instalação interrompida</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>O Assistente de Configuração de Halvenor Drive foi interrompido</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>O Assistente de Configuração irá instalar Halvenor Drive no computador.\nClique em Seguinte para continuar ou em Cancelar para sair do Assistente de Configuração.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Bem-vindo ao Assistente de Configuração de Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Definições de rede</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>%1 páginas seguintes</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Não, obrigado</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Não foi selecionada nenhuma pasta válida.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>comentou</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>mencionou-o em</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>pediu acesso a</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>partilhou consigo</translation>
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
        <translation>Abrir no portal web</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Partilhados</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronização</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Pedidos de acesso</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Atividade</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Não foi possível sincronizar alguns ficheiros. Clique aqui para ver os detalhes.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Problema de sincronização</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 partilhou &quot;%2&quot; consigo.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Novo item partilhado</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Sincronização a Pedido</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Transferência unidirecional</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Apenas transferir as alterações do servidor</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Apenas transferir as alterações de Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Envio unidirecional</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Abrir a pasta que contém o item</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir ficheiro</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Abrir Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Ver o estado da sincronização</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Utilizadores internos</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Os utilizadores com sessão iniciada podem ver</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Os utilizadores com sessão iniciada podem editar</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Restrito</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Apenas as pessoas que convidar podem abrir o link</translation>
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
        <translation>Halvenor está a sincronizar os seus ficheiros.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive está a sincronizar os seus ficheiros.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Os seus ficheiros serão mantidos sincronizados entre este computador e o servidor.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Saiba mais sobre Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Saiba mais sobre Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Está tudo pronto!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Abrir a minha pasta de sincronização</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Só de leitura</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Só pode ver os ficheiros desta pasta. As alterações efetuadas neste computador não são enviadas.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Só pode ver os ficheiros desta pasta de Halvenor Drive. As alterações efetuadas neste computador não são enviadas.</translation>
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
        <translation>Filtrar ficheiros</translation>
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
        <translation>As pastas que desmarcar são removidas deste computador, mas permanecem no servidor.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Sincronização Seletiva...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Tem a certeza de que pretende remover esta tarefa de sincronização?\nOs ficheiros sincronizados permanecem neste computador.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Desativar esta pasta partilhada remove os respetivos ficheiros deste computador.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Partilha ativada</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Convidar pessoas</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Link de partilha</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Permissão do link</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Utilizadores e grupos</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Pretende sincronizar os itens partilhados consigo?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Guardar e copiar link</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Duração personalizada</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Expira a</translation>
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
        <translation>Partilha por link</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Restringir o acesso</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Alguns ficheiros não foram sincronizados</translation>
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
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acesso negado</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Quota excedida</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Falha na verificação do certificado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>A sincronizar...</translation>
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
        <translation>A direção de sincronização desta pasta não corresponde à definição do servidor.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Sincronizar ficheiros temporários</translation>
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
        <translation>Nova partilha</translation>
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
        <translation>Vista geral da sincronização</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Tipo de ligação</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Pasta não vazia</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Pasta só de leitura</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Caminho da pasta</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Faça duplo clique no ícone para abrir a pasta de sincronização</translation>
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
        <translation>Introduza o endereço IP, o nome de anfitrião ou o ID do seu servidor.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Abrir Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Ativar a encriptação SSL</translation>
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
        <translation>Informações de estado</translation>
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
        <translation>A indexar a pasta...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Está disponível uma nova versão. Clique para atualizar.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive está disponível. Clique para atualizar.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>A sincronizar agora</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>A verificar os dados...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>O Tavlo foi substituído. Associe-o novamente.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Transferência concluída</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Abrir pasta de sincronização</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Voltar a ligar</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Informações da ligação</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Sincronizado em todos os seus dispositivos</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>A sincronizar %1 ficheiros</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Ligação instável</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Ficheiros atualizados recentemente</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>A atualizar...</translation>
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
        <translation>Abrir o portal web</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Já pode utilizar Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Os ficheiros que colocar na sua pasta de sincronização são mantidos atualizados em todos os seus dispositivos.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>A sua pasta de sincronização</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Clique com o botão direito do rato num ficheiro para o partilhar ou para procurar as versões anteriores.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Partilhar e restaurar</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>O ícone na área de notificação mostra rapidamente o estado da sincronização.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Clique no ícone para pausar a sincronização, abrir a pasta de sincronização ou alterar as definições.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Estado da sincronização</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Iniciar a visita guiada</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Utilize a Sincronização Seletiva para escolher as pastas que são mantidas neste computador.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>As pastas que deixar de fora permanecem em segurança no servidor.</translation>
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
        <translation>Atualize o pacote do servidor para utilizar a Sincronização Seletiva.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>A atualização falhou. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Não foi possível atualizar Halvenor Drive. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Utilizar o Fennick</translation>
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
        <translation>Não tem permissão para aceder a esta pasta de sincronização.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Falha ao iniciar sessão. Verifique o nome de utilizador e a palavra-passe.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>É necessária uma versão mais recente do cliente. Pretende atualizar agora?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Não foi possível atualizar o cliente.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>É feita uma cópia de segurança dos ficheiros em conflito com o servidor antes de a sincronização começar.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Esta pasta sobrepõe-se a outra tarefa de sincronização. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Introduza o endereço do servidor e a sua conta para estabelecer a ligação.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Criar uma pasta Halvenor</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Não foi possível criar a pasta local.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Criar uma pasta Oskavel Drive</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Não existe espaço livre suficiente no disco para esta pasta de sincronização.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Não existe espaço livre suficiente no disco para esta pasta de Halvenor Drive.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Não foi possível ativar a Sincronização a Pedido.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Procurar dispositivos Tavlo na sua rede local</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Este computador está agora associado ao seu servidor Halvenor.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Este computador está agora associado a Halvenor Drive.</translation>
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
        <translation>A sua quota no servidor está esgotada.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>A pasta de sincronização é só de leitura.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Definir a pasta de sincronização</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Escolha onde os ficheiros sincronizados são guardados neste computador.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Localização da pasta de sincronização</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Escolha manualmente as pastas e as regras de sincronização.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Configuração avançada</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Como pretende configurar a sincronização?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Modo de configuração</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Sincronize a sua pasta pessoal com as definições recomendadas.</translation>
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
        <translation>Já existe uma pasta partilhada com este nome.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>A pasta partilhada desta tarefa de sincronização já não existe.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Sincronize com este computador os itens que outras pessoas partilharam consigo.</translation>
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
        <translation>Os ficheiros partilhados consigo também podem ser sincronizados.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Sincronizar itens partilhados comigo</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>O certificado SSL do servidor foi alterado. Confirme-o antes de esta pasta ser sincronizada.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Não é possível verificar o certificado SSL do servidor, pelo que esta pasta não pode ser sincronizada.</translation>
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
        <translation>Ocorreu um erro de sistema ao verificar a pasta de sincronização.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Esta pasta foi sincronizada por uma conta de utilizador diferente.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>A sua conta foi desativada.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor mantém os seus ficheiros sincronizados entre este computador e o seu servidor.\nVamos configurar a sua primeira tarefa de sincronização.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive mantém os seus ficheiros sincronizados entre este computador e o seu servidor.\nVamos configurar a sua primeira tarefa de sincronização.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Precisa de ajuda? Visite o Centro de Ajuda de Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Precisa de ajuda? Visite o Centro de Ajuda de Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Aguarde enquanto o assistente é carregado...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Aguarde o carregamento de Halvenor Drive...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Bem-vindo a Halvenor</translation>
    </message>
</context>
</TS>
