<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Эта версия Halvenor уже установлена. Установить её повторно?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Уже установлена более новая версия Halvenor. Работа программы установки будет завершена.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Для установки для всех пользователей требуются права администратора.\nУстановить Halvenor только для текущего пользователя?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Эта версия Oskavel Drive уже установлена. Установить её повторно?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Уже установлена более новая версия Oskavel Drive. Работа программы установки будет завершена.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Добавить имя файла</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Изменить папку синхронизации</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Локальный компьютер</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Удалённый сервер</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Папка синхронизации</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Категория журнала</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Фильтр записей журнала</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Обновить журнал</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Сведения о задаче синхронизации</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Локальное расположение</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Удалённое расположение</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Закрыть руководство</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Руководство по Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Руководство по Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Остановить скачивание</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Удалить скачанную версию</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Скачать предыдущую версию</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Отвязать</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Выберите общие папки на сервере Halvenor, которые нужно синхронизировать с этим компьютером.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Выберите командные папки в Halvenor Drive, которые нужно синхронизировать с этим компьютером.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Мастер расширенной настройки</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Дополнительные настройки</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Не удалось выполнить автоматическую настройку. Настройте подключение вручную.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Завершение автоматической настройки...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>Ключ настройки применён.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Настройки фильтра</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Файлы и папки, соответствующие этим правилам, не синхронизируются.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Имена файлов</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Файлы с этими именами не синхронизируются. Можно использовать подстановочные знаки, например *.tmp.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Заблокированные файлы</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Не синхронизировать файлы, имена которых начинаются с точки</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Выбрать другое</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Изменить подключение</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Всё равно продолжить</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Начать сейчас</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Имя компьютера</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Создано</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Это поле обязательно для заполнения.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Некоторые поля заполнены неверно. Проверьте их и повторите попытку.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Максимальное число символов: %1.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Сохранять обе версии и переименовывать копию с этого компьютера</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Сохранять обе версии в Halvenor Drive и переименовывать копию с этого компьютера</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Сохранять версию, изменённую последней</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Если файл изменён и на сервере, и на этом компьютере:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Всегда сохранять версию с сервера</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Переименовывать локальный файл и сохранять оба</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Прямое подключение</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Подключение через ретранслятор</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Локальная сеть</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Определение типа подключения...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Интернет</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Введите код подтверждения из приложения-аутентификатора:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Прекратить синхронизацию этой папки</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Прекратить синхронизацию этих папок</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Нет доступных параметров</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Возобновить синхронизацию этой папки</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Возобновить синхронизацию этих папок</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Отправить в %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Копировать ссылку для общего доступа</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Просмотреть предыдущие версии</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Выберите, что нужно синхронизировать с этим компьютером.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Мои файлы и командные папки</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Синхронизация ваших файлов и командных папок, к которым у вас есть доступ.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Доступные мне</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Синхронизация файлов и папок, к которым вам предоставили доступ другие пользователи.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Создать задачу синхронизации</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Сейчас этот файл невозможно скачать. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Не удаётся получить список версий этого файла.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Не удаётся создать ссылку для общего доступа к этому элементу.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive готов.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive выполняет инициализацию...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Это подключение неактивно.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Показывать чёрно-белые значки в строке меню и области уведомлений</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Показывать папку синхронизации на боковой панели файлового менеджера</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Отображение</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Сохранять файлы на сервере при их удалении с этого компьютера</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Больше не показывать это сообщение</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Только скачивание</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Обзор Tavlo</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo не может подключиться к серверу.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Нет общих папок.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Включить синхронизацию по запросу</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Ошибка входа</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Служба ретрансляции недоступна.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>Идентификатор сервера недействителен или не существует.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Идентификатор сервера Halvenor Drive недействителен или не существует.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Служба ретрансляции временно недоступна. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Произошла неизвестная ошибка.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Возник конфликт файлов.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Локальная база данных повреждена.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Файл или папка не существует.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Подключение к серверу потеряно.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Это устройство Tavlo привязано к другому серверу.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Это устройство Tavlo привязано к другому серверу Halvenor Drive.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora не может создать ссылку для общего доступа к этому элементу.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Служба Pelmora отключена на сервере. Обратитесь к администратору.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Служба Pelmora отключена</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Хранилище сервера заполнено</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Не удаётся получить ссылку на этот файл.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Ошибка инициализации.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Недопустимый параметр.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Введите номер порта от 1 до 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Ваш IP-адрес заблокирован сервером.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Этот компьютер уже привязан к этому устройству Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>Локальная папка синхронизации отсутствует.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Слишком много неудачных попыток входа. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Произошла ошибка сети. Проверьте подключение.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Для этого файла нет доступного подключения.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Администратор требует использовать двухэтапную проверку. Сначала включите её на веб-портале.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Неверный код подтверждения.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Требуется код подтверждения.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Доступ запрещён.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Сервер использует несовместимую версию протокола.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive на сервере использует несовместимую версию протокола.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Введите адрес и порт прокси-сервера.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Срок действия пароля истёк. Измените пароль на веб-портале.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick не разрешает предоставлять общий доступ к этому файлу.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>Удалённая папка не смонтирована.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Не удаётся включить общую папку.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>Общая папка конфликтует с существующей папкой синхронизации.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Достигнуто максимальное число общих папок.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Недопустимая точка монтирования</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Общая папка не найдена</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Общая папка не смонтирована на сервере.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Нет разрешения</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Не удаётся удалить общий элемент.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>SSL-сертификат сервера изменился.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Не удаётся проверить SSL-сертификат сервера.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>Папка синхронизации находится на несмонтированном томе.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Туннель ретрансляции отключён на сервере.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Служба домашних папок пользователей отключена на сервере.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Сведения о пользователе недоступны.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Введите имя пользователя.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>У вас нет прав на использование Halvenor Drive. Обратитесь к администратору.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Эта версия клиента больше не поддерживается. Обновите клиент.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Эта версия Halvenor Drive больше не поддерживается. Обновите Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>Версия сервера устарела. Обновите серверный пакет.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>Версия сервера слишком старая для Halvenor Drive. Обновите серверный пакет.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Несовместимая версия</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Предыдущие версии этого файла отсутствуют.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Заблокированные имена файлов</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Расширения файлов</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Максимальный размер файла</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Не синхронизировать файлы размером более %1 МБ</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Фильтр файлов</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>Обновлено файлов: %1</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Первая страница</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Имя папки</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Фильтр папок</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Показать руководство ещё раз</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Показать руководство по Halvenor Drive ещё раз</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Понятно</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Все события</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Произвольный период</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Диапазон дат</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачивание</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Тип файла</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>Элементов: %1</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Ключевое слово</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Прошлый месяц</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Прошлая неделя</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Переименовано на этом компьютере</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>История пока пуста</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Переименовано на сервере</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименование</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>Папка уже содержит файлы. Они будут объединены с файлами на сервере.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Скачивание</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Файл заблокирован</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Подготовка...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Последняя страница</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Подключиться к другому серверу</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Поиск устройств Tavlo в локальной сети...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>История скачиваний</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Задачи синхронизации</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Показывать параметры синхронизации в контекстном меню</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Показывать уведомления на рабочем столе</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Показывать значки состояния синхронизации на файлах и папках</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Шифровать передачу данных с помощью SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Запускать Halvenor при входе в систему</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Запускать Halvenor Drive при входе в систему</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Режим объединения</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Показывать значки на несинхронизируемых элементах</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Режим синхронизации</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Способ синхронизации</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Использовать чёрно-белые значки</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Прокси-сервер требует имя пользователя и пароль</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ручная настройка прокси</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Без прокси</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Использовать системные настройки прокси</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Настройки прокси</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Применение настроек...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Настройки не изменены.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Изменения не сохранены. Сохранить их сейчас?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Изменить папку</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Локальная папка синхронизации</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Общий доступ</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Общие папки</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Другие руководства</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>О программе Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Отслеживание изменений файлов...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Проверка учётных данных...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Вы действительно хотите отвязать этот компьютер?\nУже синхронизированные файлы останутся на этом компьютере.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Подключение установлено.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Хранилище сервера заполнено. Синхронизация приостановлена до освобождения места.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Хранилище Halvenor Drive заполнено. Синхронизация приостановлена до освобождения места.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Скачивание остановлено.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>Скачивание завершено.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Скачивание %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Не удалось выполнить скачивание.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Что-то пошло не так. Повторите попытку.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>В работе Halvenor Drive возникла проблема. Повторите попытку.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Настройка завершена.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Эти настройки можно изменить в любое время с помощью значка Halvenor Drive в области уведомлений.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>Выбранная папка является точкой монтирования. Выберите другую папку.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>Выбранная папка не пуста. Её файлы будут синхронизированы с сервером.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>Выбранная папка не пуста. Её файлы будут синхронизированы с Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Нет прав на запись в выбранную папку.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Введите адрес сервера Halvenor и данные учётной записи.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>Новый язык будет применён после перезапуска приложения.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Локальный диск заполнен. Синхронизация приостановлена до освобождения места.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Объединить содержимое локальной папки с папкой на сервере?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Изменения на сетевых дисках могут обнаруживаться с задержкой.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Синхронизация файлов: %1 из %2</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Ваша квота хранилища на сервере исчерпана.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor уже запущен.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive уже запущен.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Выберите папку на этом компьютере для синхронизации с сервером.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>предоставил(а) вам доступ к элементу.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Квота общей папки исчерпана.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Вы действительно хотите удалить этот общий элемент?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Ваши файлы — всегда под рукой.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>SSL-сертификат сервера изменился.\nДоверять новому сертификату?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>SSL-сертификат сервера не является доверенным.\nВсё равно продолжить?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Запуск...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Синхронизируйте файлы и делитесь ими на всех своих устройствах.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Проверка подключения...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Не удалось проверить имя пользователя.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Отвязка...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Обновление...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Добро пожаловать в Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Вы действительно хотите отменить установку Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Отмена установки</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Установка Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Я принимаю условия лицензионного соглашения</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Внимательно прочитайте следующее лицензионное соглашение.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Я не принимаю условия лицензионного соглашения</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Лицензионное соглашение с конечным пользователем</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Нажмите кнопку «Готово», чтобы выйти из мастера установки.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Запустить Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Установка завершена</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive установлен.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Мастер установки Halvenor Drive завершил работу</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>Работа мастера установки прервана из-за ошибки. Система не была изменена.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Чтобы установить эту программу позже, снова запустите мастер установки. Нажмите кнопку «Готово», чтобы выйти из мастера установки.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Ошибка установки</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Мастер установки Halvenor Drive преждевременно завершил работу</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Закрыть приложения и попытаться перезапустить их.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Не закрывать приложения. Потребуется перезагрузка.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Некоторые файлы, которые нужно обновить, используются.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Используемые файлы</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Следующие приложения используют файлы, которые должна обновить программа установки.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Закройте эти приложения и нажмите «Повторить», чтобы продолжить, или «Выход», чтобы выйти из программы установки.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Позволяет изменить способ установки компонентов.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>В Halvenor Drive нет отдельных компонентов, которые можно изменить.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Изменить установленную программу</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Выберите операцию, которую нужно выполнить.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Удаляет Halvenor Drive с компьютера.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Удалить установленную программу</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Исправляет ошибки последней установки, восстанавливая отсутствующие и повреждённые файлы и ярлыки.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Восстановить установленную программу</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Изменение, восстановление или удаление программы</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Мастер установки позволяет изменить способ установки Halvenor Drive на компьютере, а также восстановить или удалить программу.\nНажмите «Далее», чтобы продолжить, или «Отмена», чтобы выйти из мастера установки.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Добро пожаловать в режим обслуживания Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Подождите, пока мастер установки устанавливает Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Установка Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Это может занять несколько минут.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Нажмите «Установить», чтобы начать установку. Нажмите «Назад», чтобы просмотреть или изменить параметры установки. Нажмите «Отмена», чтобы выйти из мастера.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Всё готово к установке Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>Мастер установки готов начать установку.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Нажмите «Удалить», чтобы удалить Halvenor Drive с компьютера. Нажмите «Назад», чтобы просмотреть или изменить параметры установки. Нажмите «Отмена», чтобы выйти из мастера.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Всё готово к удалению Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>Мастер установки готов удалить Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Нажмите «Восстановить», чтобы восстановить установку Halvenor Drive. Нажмите «Назад», чтобы просмотреть или изменить параметры установки. Нажмите «Отмена», чтобы выйти из мастера.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Всё готово к восстановлению Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>Мастер установки готов восстановить Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>Работа мастера установки была прервана. Система не была изменена.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Чтобы установить Halvenor Drive позже, снова запустите мастер установки. Нажмите кнопку «Готово», чтобы выйти из мастера установки.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Установка прервана</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Работа мастера установки Halvenor Drive прервана</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Мастер установки установит Halvenor Drive на компьютер.\nНажмите «Далее», чтобы продолжить, или «Отмена», чтобы выйти из мастера установки.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Добро пожаловать в мастер установки Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Настройки сети</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Следующие %1 стр.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Нет, спасибо</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Не выбрана допустимая папка.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>прокомментировал(а)</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>упомянул(а) вас в</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>запросил(а) доступ к</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>предоставил(а) вам доступ к</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Комментарии</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Упоминания</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Открыть на веб-портале</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Общий доступ</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Запросы доступа</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Активность</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Не удалось синхронизировать некоторые файлы. Нажмите здесь, чтобы узнать подробности.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Проблема синхронизации</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 предоставил(а) вам доступ к «%2».</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Новый общий элемент</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Синхронизация по запросу</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Одностороннее скачивание</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Только скачивать изменения с сервера</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Только скачивать изменения из Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Односторонняя отправка</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Открыть папку с файлом</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Открыть Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Просмотреть состояние синхронизации</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Внутренние пользователи</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Пользователи, выполнившие вход, могут просматривать</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Пользователи, выполнившие вход, могут редактировать</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Ограниченный</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Открыть ссылку могут только приглашённые вами пользователи</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Общедоступный</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Просматривать могут все, у кого есть ссылка</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Редактировать могут все, у кого есть ссылка</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Может просматривать</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Может редактировать</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Предыдущие %1 стр.</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor синхронизирует ваши файлы.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive синхронизирует ваши файлы.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Файлы на этом компьютере и на сервере будут синхронизироваться.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Подробнее о Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Подробнее о Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Всё готово!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Открыть мою папку синхронизации</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Файлы в этой папке доступны только для просмотра. Изменения, внесённые на этом компьютере, не отправляются на сервер.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Файлы в этой папке Halvenor Drive доступны только для просмотра. Изменения, внесённые на этом компьютере, не отправляются на сервер.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Недавно изменённые</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Применить ко всем вложенным папкам</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Выборочная синхронизация</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Направление синхронизации</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Фильтрация файлов</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Выбор папок</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Выбор режима синхронизации</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Папки, с которых снят флажок, удаляются с этого компьютера, но остаются на сервере.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Выборочная синхронизация...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Вы действительно хотите удалить эту задачу синхронизации?\nСинхронизированные файлы останутся на этом компьютере.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>При отключении этой общей папки её файлы будут удалены с этого компьютера.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Общий доступ включён</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Пригласить пользователей</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Ссылка для общего доступа</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Разрешения для ссылки</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Пользователи и группы</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Синхронизировать элементы, к которым вам предоставили доступ?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Сохранить и копировать ссылку</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Произвольный срок</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Срок действия до</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Ограничить число обращений</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Доступно с</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Истекает после обращений: %1</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Общий доступ по ссылке</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Ограничить доступ</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Некоторые файлы не синхронизированы</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Диск сервера заполнен</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Устройство Tavlo изменилось</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Требуется обновление клиента</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Требуется обновление сервера</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Локальный диск заполнен</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Квота превышена</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Ошибка проверки сертификата</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Синхронизация...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Всё актуально</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>Направление синхронизации этой папки не соответствует настройке на сервере.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Синхронизировать временные файлы</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 дн. назад</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 ч назад</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Только что</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 мин назад</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Новый общий доступ</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Изменение папки синхронизации</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Этот компьютер</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Обзор синхронизации</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Тип подключения</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Папка не пуста</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Папка только для чтения</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Путь к папке</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Дважды щёлкните значок, чтобы открыть папку синхронизации</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Неактивно</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Введите IP-адрес, имя хоста или идентификатор вашего сервера.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Открыть Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Включить SSL-шифрование</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Предупреждение системы безопасности</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Сведения о состоянии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Индексирование папки...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Доступна новая версия. Нажмите, чтобы обновить.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Доступен Halvenor Drive. Нажмите, чтобы обновить.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Идёт синхронизация</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Проверка данных...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Устройство Tavlo заменено. Привяжите его снова.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Скачивание завершено</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Открыть папку синхронизации</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Переподключиться</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Сведения о подключении</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Синхронизировано на всех ваших устройствах</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>Синхронизация файлов: %1</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Нестабильное подключение</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Недавно обновлённые файлы</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Обновление...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Повторить синхронизацию</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Открыть веб-портал</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Всё готово к работе с Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Файлы, помещённые в папку синхронизации, поддерживаются в актуальном состоянии на всех ваших устройствах.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Ваша папка синхронизации</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Щёлкните файл правой кнопкой мыши, чтобы поделиться им или просмотреть его предыдущие версии.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Общий доступ и восстановление</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Значок в области уведомлений позволяет сразу увидеть состояние синхронизации.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Щёлкните его, чтобы приостановить синхронизацию, открыть папку синхронизации или изменить настройки.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Состояние синхронизации</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Начать знакомство</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>С помощью выборочной синхронизации можно выбрать папки, которые будут храниться на этом компьютере.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Исключённые папки остаются в безопасности на сервере.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Выберите, что синхронизировать</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Двусторонняя синхронизация</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Чтобы использовать выборочную синхронизацию, обновите серверный пакет.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Не удалось выполнить обновление. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Не удалось обновить Halvenor Drive. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Использовать Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>У вас нет прав доступа к этой папке синхронизации.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Не удалось войти. Проверьте имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Требуется более новая версия клиента. Обновить сейчас?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Не удалось обновить клиент.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Перед началом синхронизации создаются резервные копии файлов, конфликтующих с сервером.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Эта папка пересекается с папкой другой задачи синхронизации. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Введите адрес сервера и данные учётной записи для подключения.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Создать папку Halvenor</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Не удалось создать локальную папку.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Создать папку Oskavel Drive</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>На диске недостаточно свободного места для этой папки синхронизации.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>На диске недостаточно свободного места для этой папки Halvenor Drive.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Не удалось включить синхронизацию по запросу.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Найти устройства Tavlo в локальной сети</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Этот компьютер привязан к вашему серверу Halvenor.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Этот компьютер привязан к Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>Выбранная папка синхронизации недопустима.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Не удаётся проверить папку синхронизации из-за ошибки сети.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Выберите папку на сервере и папку на этом компьютере, которые нужно синхронизировать.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Новая задача синхронизации</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Ваша квота на сервере исчерпана.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>Папка синхронизации доступна только для чтения.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Выбрать папку синхронизации</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Выберите, где на этом компьютере будут храниться синхронизируемые файлы.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Расположение папки синхронизации</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Самостоятельно выберите папки и правила синхронизации.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Расширенная настройка</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Как вы хотите настроить синхронизацию?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Режим настройки</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Синхронизация домашней папки с рекомендуемыми настройками.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Быстрая настройка</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Эта папка уже синхронизируется другой задачей.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Синхронизация одной и той же папки дважды может привести к конфликтам.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Выберите другую папку или удалите существующую задачу.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Повторяющаяся задача синхронизации</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Общая папка с таким именем уже существует.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>Общая папка этой задачи синхронизации больше не существует.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Синхронизация на этот компьютер элементов, к которым вам предоставили доступ другие пользователи.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Возможно, позже</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Включить сейчас</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Файлы, к которым вам предоставили доступ, тоже можно синхронизировать.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Синхронизировать доступные мне элементы</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>SSL-сертификат сервера изменился. Подтвердите его перед синхронизацией этой папки.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Не удаётся проверить SSL-сертификат сервера, поэтому эту папку невозможно синхронизировать.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Синхронизировать с другим сервером</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Добавить задачу синхронизации</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>При проверке папки синхронизации произошла системная ошибка.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Эта папка была синхронизирована под другой учётной записью пользователя.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Ваша учётная запись отключена.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor синхронизирует файлы между этим компьютером и вашим сервером.\nДавайте настроим первую задачу синхронизации.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive синхронизирует файлы между этим компьютером и вашим сервером.\nДавайте настроим первую задачу синхронизации.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Нужна помощь? Посетите Справочный центр Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Нужна помощь? Посетите Справочный центр Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Подождите, идёт загрузка мастера...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Подождите, идёт загрузка Halvenor Drive...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Добро пожаловать в Halvenor</translation>
    </message>
</context>
</TS>
