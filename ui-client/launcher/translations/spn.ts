<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Esta versión de Halvenor ya está instalada. ¿Desea instalarla de nuevo?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Ya hay instalada una versión más reciente de Halvenor. El programa de instalación se cerrará ahora.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Para instalar para todos los usuarios se necesitan derechos de administrador.\n¿Desea instalar Halvenor solo para el usuario actual?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Esta versión de Oskavel Drive ya está instalada. ¿Desea instalarla de nuevo?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Ya hay instalada una versión más reciente de Oskavel Drive. El programa de instalación se cerrará ahora.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Añadir nombre de archivo</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Cambiar carpeta de sincronización</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Ordenador local</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Servidor remoto</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Carpeta de sincronización</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Categoría del registro</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtrar entradas del registro</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Actualizar registro</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Detalles de la tarea de sincronización</translation>
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
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Cerrar tutorial</translation>
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
        <translation>Detener descarga</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Eliminar versión descargada</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Descargar una versión anterior</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Elija las carpetas compartidas de su servidor Halvenor que desea sincronizar con este ordenador.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Elija las carpetas de equipo de Halvenor Drive que desea sincronizar con este ordenador.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Asistente de configuración avanzada</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>La configuración automática ha fallado. Configure la conexión manualmente.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Finalizando la configuración automática...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>Se ha aplicado la clave de configuración.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Configuración de filtros</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Los archivos y carpetas que coincidan con estas reglas no se sincronizan.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Los archivos con estos nombres no se sincronizan. Se permiten comodines como *.tmp.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Archivos bloqueados</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>No sincronizar archivos cuyo nombre empiece por un punto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Elegir otro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Editar conexión</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Administrar</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Continuar de todos modos</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Iniciar ahora</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nombre del ordenador</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
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
        <translation>Este campo es obligatorio.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Algunos campos no son válidos. Revíselos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Introduzca %1 caracteres como máximo.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>No hay datos</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Conservar ambas versiones y cambiar el nombre de la copia de este ordenador</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Conservar ambas versiones en Halvenor Drive y cambiar el nombre de la copia de este ordenador</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Conservar la versión modificada más recientemente</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Cuando un archivo se ha modificado tanto en el servidor como en este ordenador:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Conservar siempre la versión del servidor</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Cambiar el nombre del archivo local y conservar ambos</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Conexión directa</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Conexión por retransmisión</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Red local</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Detectando el tipo de conexión...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Introduzca el código de verificación de su aplicación de autenticación:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Dejar de sincronizar esta carpeta</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Dejar de sincronizar estas carpetas</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>No hay opciones disponibles</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Volver a sincronizar esta carpeta</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Volver a sincronizar estas carpetas</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Enviar a %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Copiar enlace para compartir</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Examinar versiones anteriores</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Elija qué desea sincronizar con este ordenador.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Mis archivos y carpetas de equipo</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Sincronice sus propios archivos y las carpetas de equipo a las que tiene acceso.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Compartido conmigo</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Sincronice los archivos y carpetas que otras personas han compartido con usted.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Crear una tarea de sincronización</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>No se puede descargar este archivo en este momento. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>No se pueden mostrar las versiones de este archivo.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>No se puede crear un enlace para compartir este elemento.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive está lista.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive se está inicializando...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Esta conexión está inactiva.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Mostrar iconos en blanco y negro en la barra de menús y el área de notificación</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Mostrar la carpeta de sincronización en la barra lateral del administrador de archivos</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Conservar los archivos en el servidor cuando se eliminen de este ordenador</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Solo descarga</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Resumen de Tavlo</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo no puede conectar con el servidor.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>No hay carpetas compartidas.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Activar On-demand Sync</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>El nombre de usuario o la contraseña no son correctos.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Error de inicio de sesión</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>No se puede conectar con el servicio de retransmisión.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>El ID del servidor no es válido o no existe.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>El ID del servidor de Halvenor Drive no es válido o no existe.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>El servicio de retransmisión no está disponible temporalmente. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Se ha producido un error desconocido.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Se ha producido un conflicto de archivos.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>La base de datos local está dañada.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>El archivo o la carpeta no existe.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Se ha perdido la conexión con el servidor.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Este Tavlo está vinculado a otro servidor.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Este Tavlo está vinculado a otro servidor de Halvenor Drive.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora no puede crear un enlace para compartir este elemento.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora está desactivado en el servidor. Póngase en contacto con su administrador.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora está desactivado</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>El almacenamiento del servidor está lleno</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>No se puede obtener el enlace a este archivo.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Error de inicialización.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Parámetro no válido.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Introduzca un número de puerto entre 1 y 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>El servidor ha bloqueado su dirección IP.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Este ordenador ya está vinculado a este Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>No se encuentra la carpeta de sincronización local.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Demasiados intentos de inicio de sesión fallidos. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Se ha producido un error de red. Compruebe su conexión.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>No hay ninguna conexión disponible para este archivo.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Su administrador exige la verificación en dos pasos. Actívela primero en el portal web.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>El código de verificación no es correcto.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Se necesita un código de verificación.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permiso denegado.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>El servidor utiliza una versión de protocolo incompatible.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive en el servidor utiliza una versión de protocolo incompatible.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Introduzca la dirección y el puerto del servidor proxy.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Su contraseña ha caducado. Cámbiela en el portal web.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick no permite compartir este archivo.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>La carpeta remota no está montada.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>No se puede activar la carpeta compartida.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>La carpeta compartida entra en conflicto con una carpeta de sincronización existente.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Ha alcanzado el número máximo de carpetas compartidas.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Punto de montaje no válido</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>No se encuentra la carpeta compartida</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>La carpeta compartida no está montada en el servidor.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Sin permiso</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>No se puede eliminar el elemento compartido.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>El certificado SSL del servidor ha cambiado.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>No se puede verificar el certificado SSL del servidor.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>La carpeta de sincronización está en un volumen que no está montado.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>El túnel de retransmisión está desactivado en el servidor.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>El servicio de carpetas personales de usuario está desactivado en el servidor.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>La información del usuario no está disponible.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Introduzca un nombre de usuario.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>No tiene permiso para usar Halvenor Drive. Póngase en contacto con su administrador.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Esta versión del cliente ya no es compatible. Actualice el cliente.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Esta versión de Halvenor Drive ya no es compatible. Actualice Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>La versión del servidor es demasiado antigua. Actualice el paquete del servidor.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>La versión del servidor es demasiado antigua para Halvenor Drive. Actualice el paquete del servidor.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Versión incompatible</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>No hay ninguna versión anterior de este archivo disponible.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Nombres de archivo bloqueados</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensiones de archivo</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Tamaño máximo de archivo</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>No sincronizar archivos de más de %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filtro de archivos</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 archivos actualizados</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nombre de carpeta</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Filtro de carpetas</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Volver a mostrar el tutorial</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Volver a mostrar el tutorial de Halvenor Drive</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Todos los eventos</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Intervalo de fechas</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementos</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>El mes pasado</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>La semana pasada</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Cambiado de nombre en este ordenador</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Todavía no hay historial</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Cambiado de nombre en el servidor</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subida</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>La carpeta ya contiene archivos. Se combinarán con los archivos del servidor.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>El archivo está bloqueado</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Conectarse a otro servidor</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Buscando dispositivos Tavlo en la red local...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Historial de descargas</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Tareas de sincronización</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Mostrar opciones de sincronización en el menú contextual</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Mostrar notificaciones de escritorio</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Mostrar iconos de estado de sincronización en archivos y carpetas</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Cifrar las transferencias de datos con SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Iniciar Halvenor al iniciar sesión</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Iniciar Halvenor Drive al iniciar sesión</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Modo de combinación</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Mostrar iconos en los elementos que no se sincronizan</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Modo de sincronización</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Modo de sincronización</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Usar iconos en blanco y negro</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>El servidor proxy requiere nombre de usuario y contraseña</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuración manual del proxy</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usar la configuración de proxy del sistema</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando la configuración...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>No se ha modificado la configuración.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Los cambios no se han guardado. ¿Desea guardarlos ahora?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambiar carpeta</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Carpeta de sincronización local</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Uso compartido</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Carpetas compartidas</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
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
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Más tutoriales</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Acerca de Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Supervisando los cambios en los archivos...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Comprobando sus credenciales...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>¿Está seguro de que desea desvincular este ordenador?\nLos archivos ya sincronizados permanecen en este ordenador.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Conexión establecida correctamente.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>El almacenamiento del servidor está lleno. La sincronización está en pausa hasta que se libere espacio.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>El almacenamiento de Halvenor Drive está lleno. La sincronización está en pausa hasta que se libere espacio.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Se ha detenido la descarga.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>La descarga ha finalizado.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>La descarga ha fallado.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Se ha producido un error. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive ha encontrado un problema. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>La configuración ha finalizado.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Puede cambiar esta configuración en cualquier momento desde el icono de Halvenor Drive en el área de notificación.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>La carpeta seleccionada es un punto de montaje. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>La carpeta seleccionada no está vacía. Sus archivos se sincronizarán con el servidor.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>La carpeta seleccionada no está vacía. Sus archivos se sincronizarán con Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>No puede escribir en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Introduzca la dirección de su servidor Halvenor y los datos de su cuenta.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>El nuevo idioma se aplicará cuando reinicie la aplicación.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>El disco local está lleno. La sincronización está en pausa hasta que se libere espacio.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>¿Desea combinar el contenido de la carpeta local con la carpeta del servidor?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Es posible que los cambios en las unidades de red no se detecten de inmediato.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Sincronizando %1 de %2 archivos</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Se ha agotado su cuota de almacenamiento en el servidor.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Seleccionar una carpeta</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Elija una carpeta de este ordenador para sincronizarla con el servidor.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>ha compartido un elemento con usted.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Se ha agotado la cuota de la carpeta compartida.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>¿Está seguro de que desea eliminar este elemento compartido?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Sus archivos, en todas partes.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>El certificado SSL del servidor ha cambiado.\n¿Confía en el nuevo certificado?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>El certificado SSL del servidor no es de confianza.\n¿Desea continuar de todos modos?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Sincronice y comparta archivos en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Probando la conexión...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>No se ha podido verificar el nombre de usuario.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Bienvenido a Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>¿Está seguro de que desea cancelar la instalación de Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Cancelar la instalación</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Instalación de Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Acepto los términos del contrato de licencia</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Lea atentamente el siguiente contrato de licencia.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>No acepto los términos del contrato de licencia</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Contrato de licencia para el usuario final</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Haga clic en el botón Finalizar para salir del asistente de instalación.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Iniciar Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Instalación completada</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive se ha instalado.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Ha finalizado el asistente de instalación de Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>El asistente de instalación ha finalizado antes de tiempo debido a un error. No se ha modificado el sistema.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Para instalar este programa más adelante, vuelva a ejecutar el asistente de instalación. Haga clic en el botón Finalizar para salir del asistente de instalación.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Error en la instalación</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>El asistente de instalación de Halvenor Drive ha finalizado antes de tiempo</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Cerrar las aplicaciones e intentar reiniciarlas.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>No cerrar las aplicaciones. Será necesario reiniciar.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Algunos archivos que deben actualizarse están en uso.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Archivos en uso</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Las siguientes aplicaciones están usando archivos que este programa de instalación debe actualizar.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Cierre estas aplicaciones y haga clic en Reintentar para continuar, o haga clic en Salir para abandonar la instalación.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Le permite cambiar la forma en que se instalan las características.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive no tiene características independientes que se puedan cambiar.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Cambiar la instalación</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Seleccione la operación que desea realizar.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Quita Halvenor Drive de su ordenador.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Quitar la instalación</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Repara los errores de la instalación más reciente restaurando los archivos y accesos directos que faltan o están dañados.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Reparar la instalación</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Cambiar, reparar o quitar la instalación</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>El asistente de instalación le permite cambiar la instalación de Halvenor Drive en su ordenador, o bien repararla o quitarla.\nHaga clic en Siguiente para continuar o en Cancelar para salir del asistente de instalación.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Bienvenido al mantenimiento de Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Espere mientras el asistente de instalación instala Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Instalando Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Esto puede tardar unos minutos.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Haga clic en Instalar para iniciar la instalación. Haga clic en Atrás para revisar o cambiar la configuración de la instalación. Haga clic en Cancelar para salir del asistente.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Listo para instalar Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>El asistente de instalación está listo para iniciar la instalación.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Haga clic en Quitar para quitar Halvenor Drive de su ordenador. Haga clic en Atrás para revisar o cambiar la configuración de la instalación. Haga clic en Cancelar para salir del asistente.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Listo para quitar Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>El asistente de instalación está listo para quitar Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Haga clic en Reparar para reparar la instalación de Halvenor Drive. Haga clic en Atrás para revisar o cambiar la configuración de la instalación. Haga clic en Cancelar para salir del asistente.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Listo para reparar Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>El asistente de instalación está listo para reparar Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>Se ha interrumpido el asistente de instalación. No se ha modificado el sistema.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Para instalar Halvenor Drive más adelante, vuelva a ejecutar el asistente de instalación. Haga clic en el botón Finalizar para salir del asistente de instalación.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Instalación interrumpida</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Se ha interrumpido el asistente de instalación de Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>El asistente de instalación instalará Halvenor Drive en su ordenador.\nHaga clic en Siguiente para continuar o en Cancelar para salir del asistente de instalación.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Bienvenido al asistente de instalación de Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Configuración de red</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>%1 páginas siguientes</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>No, gracias</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>No se ha seleccionado ninguna carpeta válida.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>ha comentado en</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>le ha mencionado en</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>ha solicitado acceso a</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>ha compartido con usted</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Menciones</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Abrir en el portal web</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Compartido</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Solicitudes de acceso</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Algunos archivos no se han podido sincronizar. Haga clic aquí para ver los detalles.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Problema de sincronización</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 ha compartido «%2» con usted.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Nuevo elemento compartido</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>On-demand Sync</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Descarga unidireccional</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Solo descargar los cambios del servidor</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Solo descargar los cambios de Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Subida unidireccional</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Abrir la carpeta contenedora</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Abrir Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Ver estado de sincronización</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Usuarios internos</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Los usuarios que han iniciado sesión pueden ver</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Los usuarios que han iniciado sesión pueden editar</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Restringido</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Solo las personas que invite pueden abrir el enlace</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Público</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Cualquier persona con el enlace puede ver</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Cualquier persona con el enlace puede editar</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Puede ver</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Puede editar</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>%1 páginas anteriores</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor ya está sincronizando sus archivos.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive ya está sincronizando sus archivos.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Sus archivos se mantendrán sincronizados entre este ordenador y el servidor.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Más información sobre Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Más información sobre Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>¡Todo listo!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Abrir mi carpeta de sincronización</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Solo puede ver los archivos de esta carpeta. Los cambios realizados en este ordenador no se suben.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Solo puede ver los archivos de esta carpeta de Halvenor Drive. Los cambios realizados en este ordenador no se suben.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Modificados recientemente</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Aplicar a todas las subcarpetas</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Selective Sync</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Dirección de sincronización</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Filtrar archivos</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Elegir carpetas</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Elegir un modo de sincronización</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Las carpetas que desmarque se quitarán de este ordenador, pero se conservarán en el servidor.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selective Sync...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>¿Está seguro de que desea quitar esta tarea de sincronización?\nLos archivos sincronizados permanecen en este ordenador.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Si desactiva esta carpeta compartida, sus archivos se quitarán de este ordenador.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Uso compartido activado</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Invitar a personas</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Enlace para compartir</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Permiso del enlace</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Usuarios y grupos</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>¿Desea sincronizar los elementos que se han compartido con usted?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Guardar y copiar enlace</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Duración personalizada</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Caduca el</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Limitar el número de accesos</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Disponible desde</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Caduca tras %1 accesos</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Compartir mediante enlace</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Restringir el acceso</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Algunos archivos no se han sincronizado</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Disco del servidor lleno</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>El Tavlo ha cambiado</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Es necesario actualizar el cliente</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Es necesario actualizar el servidor</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>El disco local está lleno</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Cuota superada</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Error de verificación del certificado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>La dirección de sincronización de esta carpeta no coincide con la configuración del servidor.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Sincronizar archivos temporales</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>Hace %1 días</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>Hace %1 horas</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Justo ahora</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>Hace %1 minutos</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Nuevo recurso compartido</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Cambiar la carpeta de sincronización</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Este ordenador</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Resumen de sincronización</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Tipo de conexión</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>La carpeta no está vacía</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Carpeta de solo lectura</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Ruta de la carpeta</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Haga doble clic en el icono para abrir la carpeta de sincronización</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Introduzca la dirección IP, el nombre de host o el ID de su servidor.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Abrir Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Activar el cifrado SSL</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Advertencia de seguridad</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Información de estado</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indexando la carpeta...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Hay una nueva versión disponible. Haga clic para actualizar.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive está disponible. Haga clic para actualizar.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Sincronizando ahora</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Comprobando los datos...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>El Tavlo se ha sustituido. Vuelva a vincularlo.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Descarga finalizada</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Abrir carpeta de sincronización</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Volver a conectar</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Información de conexión</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Sincronizado en todos sus dispositivos</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>Sincronizando %1 archivos</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Conexión inestable</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Archivos actualizados recientemente</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Volver a intentar la sincronización</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Abrir el portal web</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Ya puede usar Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Los archivos que coloque en su carpeta de sincronización se mantienen actualizados en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Su carpeta de sincronización</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Haga clic con el botón derecho en un archivo para compartirlo o examinar sus versiones anteriores.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Compartir y restaurar</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>El icono del área de notificación muestra el estado de la sincronización de un vistazo.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Haga clic en él para pausar la sincronización, abrir la carpeta de sincronización o cambiar la configuración.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Estado de la sincronización</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Iniciar el recorrido</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Use Selective Sync para elegir las carpetas que se conservan en este ordenador.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Las carpetas que excluya permanecen a salvo en el servidor.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Elija qué sincronizar</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Sincronización bidireccional</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Actualice el paquete del servidor para usar Selective Sync.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>La actualización ha fallado. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>No se ha podido actualizar Halvenor Drive. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Usar Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>No tiene permiso para acceder a esta carpeta de sincronización.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Error de inicio de sesión. Compruebe su nombre de usuario y contraseña.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Se necesita una versión más reciente del cliente. ¿Desea actualizar ahora?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>No se ha podido actualizar el cliente.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Los archivos que entran en conflicto con el servidor se guardan en una copia de seguridad antes de que empiece la sincronización.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Esta carpeta se solapa con otra tarea de sincronización. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Introduzca la dirección del servidor y su cuenta para conectarse.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Crear una carpeta de Halvenor</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>No se ha podido crear la carpeta local.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Crear una carpeta de Oskavel Drive</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>No hay suficiente espacio libre en el disco para esta carpeta de sincronización.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>No hay suficiente espacio libre en el disco para esta carpeta de Halvenor Drive.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>No se ha podido activar On-demand Sync.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Buscar dispositivos Tavlo en la red local</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Este ordenador se ha vinculado a su servidor Halvenor.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Este ordenador se ha vinculado a Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>La carpeta de sincronización seleccionada no es válida.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>No se puede comprobar la carpeta de sincronización debido a un error de red.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Elija una carpeta del servidor y una carpeta de este ordenador para mantenerlas sincronizadas.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Nueva tarea de sincronización</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Se ha agotado su cuota en el servidor.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>La carpeta de sincronización es de solo lectura.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Establecer la carpeta de sincronización</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Elija dónde se guardan los archivos sincronizados en este ordenador.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Ubicación de la carpeta de sincronización</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Elija usted mismo las carpetas y las reglas de sincronización.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>¿Cómo desea configurar la sincronización?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Modo de configuración</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Sincronice su carpeta personal con la configuración recomendada.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Configuración rápida</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Otra tarea ya sincroniza esta carpeta.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Sincronizar la misma carpeta dos veces puede provocar conflictos.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Elija otra carpeta o quite la tarea existente.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Tarea de sincronización duplicada</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Ya existe una carpeta compartida con este nombre.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>La carpeta compartida de esta tarea de sincronización ya no existe.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Sincronice en este ordenador los elementos que otras personas han compartido con usted.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Quizás más tarde</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Activar ahora</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Los archivos compartidos con usted también se pueden sincronizar.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Sincronizar elementos compartidos conmigo</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>El certificado SSL del servidor ha cambiado. Confírmelo antes de sincronizar esta carpeta.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>No se puede verificar el certificado SSL del servidor, por lo que esta carpeta no se puede sincronizar.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Sincronizar con otro servidor</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Añadir una tarea de sincronización</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Se ha producido un error del sistema al comprobar la carpeta de sincronización.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Esta carpeta la sincronizó otra cuenta de usuario.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Su cuenta se ha desactivado.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor mantiene sus archivos sincronizados entre este ordenador y su servidor.\nConfiguremos su primera tarea de sincronización.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive mantiene sus archivos sincronizados entre este ordenador y su servidor.\nConfiguremos su primera tarea de sincronización.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>¿Necesita ayuda? Visite el Centro de ayuda de Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>¿Necesita ayuda? Visite el Centro de ayuda de Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Espere mientras se carga el asistente...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Espere mientras se carga Halvenor Drive...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Bienvenido a Halvenor</translation>
    </message>
</context>
</TS>
