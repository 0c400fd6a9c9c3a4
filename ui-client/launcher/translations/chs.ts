<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>此版本的 Halvenor 已安装。是否要重新安装？</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>已安装更新版本的 Halvenor。安装程序即将退出。</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>为所有用户安装需要管理员权限。\n是否仅为当前用户安装 Halvenor？</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>此版本的 Oskavel Drive 已安装。是否要重新安装？</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>已安装更新版本的 Oskavel Drive。安装程序即将退出。</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>添加文件名</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>下个月</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>更改同步文件夹</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>本地电脑</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>远程服务器</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>同步文件夹</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>日志类别</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>筛选日志条目</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>刷新日志</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>同步任务详细信息</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>本地目标位置</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>远程目标位置</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>关闭教程</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Halvenor 教程</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Halvenor Drive 教程</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>停止下载</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>删除已下载的版本</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>下载早期版本</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>取消链接</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>请选择 Halvenor 服务器上要与这台电脑同步的共享文件夹。</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>请选择 Halvenor Drive 中要与这台电脑同步的团队文件夹。</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>高级设置向导</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>高级设置</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>自动设置失败。请手动设置连接。</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>正在完成自动设置...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>已应用设置密钥。</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>筛选设置</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>符合这些规则的文件和文件夹将不会同步。</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>不会同步具有这些名称的文件。可以使用通配符，例如 *.tmp。</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>已阻止的文件</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>不同步名称以点开头的文件</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>选择其他</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>编辑连接</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>管理</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>仍然继续</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>立即开始</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>电脑名称</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标位置</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>此字段为必填项。</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>部分字段无效。请检查后重试。</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>最多可输入 %1 个字符。</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>无数据</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共享</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>保留两个版本，并重命名来自这台电脑的副本</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>在 Halvenor Drive 中保留两个版本，并重命名来自这台电脑的副本</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>保留最后修改的版本</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>当文件在服务器和这台电脑上都被更改时：</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>始终保留服务器版本</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>重命名本地文件并保留两者</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>直接连接</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>中继连接</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>局域网</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>正在检测连接类型...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>互联网</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>请输入身份验证器应用中的验证码：</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>停止同步此文件夹</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>停止同步这些文件夹</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>没有可用的选项</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>重新同步此文件夹</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>重新同步这些文件夹</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>发送到 %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>复制共享链接</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>浏览早期版本</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>请选择要与这台电脑同步的内容。</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>我的文件和团队文件夹</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>同步您自己的文件以及您有权访问的团队文件夹。</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>与我共享</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>同步其他人与您共享的文件和文件夹。</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>创建同步任务</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>暂时无法下载此文件。请稍后重试。</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>无法列出此文件的版本。</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>无法为此项目创建共享链接。</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive 已就绪。</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive 正在初始化...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>此连接处于非活动状态。</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>在菜单栏和通知区域中显示黑白图标</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>在文件管理器的侧边栏中显示同步文件夹</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>从这台电脑删除文件时，保留服务器上的文件</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>不再显示此消息</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>仅下载</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo 概览</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo 无法连接到服务器。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>没有共享文件夹。</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>启用按需同步</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>用户名或密码不正确。</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>登录失败</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>无法连接到中继服务。</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>服务器 ID 无效或不存在。</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Halvenor Drive 服务器 ID 无效或不存在。</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>中继服务暂时不可用。请稍后重试。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>发生未知错误。</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>发生文件冲突。</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>本地数据库已损坏。</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>文件或文件夹不存在。</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>与服务器的连接已断开。</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>此 Tavlo 已链接到其他服务器。</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>此 Tavlo 已链接到其他 Halvenor Drive 服务器。</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora 无法为此项目创建共享链接。</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>服务器上的 Pelmora 已被禁用。请联系您的管理员。</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora 已禁用</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>服务器存储空间已满</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>无法获取此文件的链接。</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>初始化失败。</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>参数无效。</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>请输入 1 到 65535 之间的端口号。</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>您的 IP 地址已被服务器阻止。</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>这台电脑已链接到此 Tavlo。</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>本地同步文件夹丢失。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>登录失败次数过多。请稍后重试。</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>发生网络错误。请检查您的网络连接。</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>此文件没有可用的连接。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>您的管理员要求使用两步验证。请先在 Web 门户中启用。</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>验证码不正确。</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>需要验证码。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>权限被拒绝。</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>服务器使用的协议版本不兼容。</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>服务器上的 Halvenor Drive 使用的协议版本不兼容。</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>请输入代理服务器的地址和端口。</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>您的密码已过期。请在 Web 门户中更改密码。</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick 不允许共享此文件。</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>远程文件夹未挂载。</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>无法启用共享文件夹。</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>共享文件夹与现有的同步文件夹冲突。</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>共享文件夹数量已达到上限。</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>挂载点无效</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>找不到共享文件夹</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>共享文件夹未在服务器上挂载。</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>无法删除共享项目。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>服务器的 SSL 证书已更改。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>无法验证服务器的 SSL 证书。</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>同步文件夹位于未挂载的卷上。</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>服务器上的中继隧道已禁用。</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>服务器上的用户主目录服务已禁用。</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>无法获取用户信息。</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>请输入用户名。</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>您无权使用 Halvenor Drive。请联系您的管理员。</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>不再支持此客户端版本。请升级客户端。</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>不再支持此版本的 Halvenor Drive。请升级 Halvenor Drive。</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>服务器版本过旧。请升级服务器套件。</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>服务器版本过旧，无法用于 Halvenor Drive。请升级服务器套件。</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>版本不兼容</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>此文件没有可用的早期版本。</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>已阻止的文件名</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>文件扩展名</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>最大文件大小</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>不同步大于 %1 MB 的文件</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>文件筛选器</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>已更新 %1 个文件</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>第一页</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>文件夹名称</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>文件夹筛选器</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>再次显示教程</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>再次显示 Halvenor Drive 教程</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>所有事件</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>日期范围</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>文件类型</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 个项目</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>关键字</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>上周</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>已在这台电脑上重命名</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>暂无历史记录</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>已在服务器上重命名</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>To</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>该文件夹中已有文件。这些文件将与服务器上的文件合并。</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>文件已锁定</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>正在准备...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上传</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>连接到其他服务器</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>正在局域网中搜索 Tavlo 设备...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>下载历史记录</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>同步任务</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>在右键菜单中显示同步选项</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>显示桌面通知</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>在文件和文件夹上显示同步状态图标</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>使用 SSL 加密数据传输</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>登录时启动 Halvenor</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>登录时启动 Halvenor Drive</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>合并模式</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>在未同步的项目上显示图标</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>同步模式</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>同步方式</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>使用黑白图标</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>代理服务器需要用户名和密码</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手动配置代理</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>使用系统代理设置</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>代理设置</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在应用设置...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>未更改任何设置。</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>您的更改尚未保存。是否立即保存？</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>更改文件夹</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>本地同步文件夹</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>共享</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>共享文件夹</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>更多教程</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>关于 Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>正在监视文件更改...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>正在检查您的凭据...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>确定要取消这台电脑的链接吗？\n已同步的文件将保留在这台电脑上。</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>连接成功。</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已禁用</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>服务器的存储空间已满。同步已暂停，直到释放出空间。</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Halvenor Drive 的存储空间已满。同步已暂停，直到释放出空间。</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>下载已停止。</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>下载已完成。</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>正在下载 %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>下载失败。</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>出现问题。请重试。</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive 遇到问题。请重试。</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>设置已完成。</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>您可以随时通过通知区域中的 Halvenor Drive 图标更改这些设置。</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>所选文件夹是一个挂载点。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>所选文件夹不为空。其中的文件将与服务器同步。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>所选文件夹不为空。其中的文件将与 Halvenor Drive 同步。</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>无法写入所选文件夹。</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>请输入 Halvenor 服务器的地址和您的帐户信息。</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>新语言将在重新启动应用程序后生效。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>本地磁盘已满。同步已暂停，直到释放出空间。</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>是否要将本地文件夹的内容与服务器上的文件夹合并？</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>网络驱动器上的更改可能无法立即检测到。</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>正在同步第 %1 个文件，共 %2 个</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>您在服务器上的存储配额已用完。</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor 已在运行。</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive 已在运行。</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>请选择这台电脑上要与服务器同步的文件夹。</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>与您共享了一个项目。</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>共享文件夹的配额已用完。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>确定要删除此共享项目吗？</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>您的文件，随处可用。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>服务器的 SSL 证书已更改。\n是否信任新证书？</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>服务器的 SSL 证书不受信任。\n是否仍要继续？</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在启动...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>在您的所有设备间同步和共享文件。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在测试连接...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>无法验证用户名。</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在取消链接...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>正在升级...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>欢迎使用 Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>修复</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>确定要取消安装 Halvenor Drive 吗？</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>取消安装</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Halvenor Drive 安装程序</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>我接受许可协议中的条款</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>请仔细阅读以下许可协议。</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>我不接受许可协议中的条款</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>最终用户许可协议</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>单击“完成”按钮退出安装向导。</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>启动 Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>安装完成</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive 已安装。</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Halvenor Drive 安装向导已完成</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>安装向导因出错而提前结束。您的系统未被修改。</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>若要以后安装此程序，请重新运行安装向导。单击“完成”按钮退出安装向导。</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>安装失败</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Halvenor Drive 安装向导已提前结束</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>关闭应用程序并尝试重新启动它们。</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>不关闭应用程序。将需要重新启动。</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>某些需要更新的文件正在使用中。</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>文件正在使用</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>以下应用程序正在使用此安装程序需要更新的文件。</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>请关闭这些应用程序，然后单击“重试”继续，或单击“退出”离开安装程序。</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>可以更改功能的安装方式。</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive 没有可更改的单独功能。</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>更改安装</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>请选择要执行的操作。</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>从您的电脑中移除 Halvenor Drive。</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>移除安装</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>通过还原丢失和损坏的文件及快捷方式，修复最近一次安装中的错误。</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>修复安装</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>更改、修复或移除安装</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安装向导可让您更改 Halvenor Drive 在电脑上的安装方式，或者修复或移除它。\n单击“下一步”继续，或单击“取消”退出安装向导。</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>欢迎使用 Halvenor Drive 维护</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>安装向导正在安装 Halvenor Drive，请稍候。</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>正在安装 Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>这可能需要几分钟时间。</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>单击“安装”开始安装。单击“上一步”查看或更改安装设置。单击“取消”退出向导。</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>已准备好安装 Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>安装向导已准备好开始安装。</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>单击“移除”从您的电脑中移除 Halvenor Drive。单击“上一步”查看或更改安装设置。单击“取消”退出向导。</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>已准备好移除 Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>安装向导已准备好移除 Halvenor Drive。</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>单击“修复”修复 Halvenor Drive 的安装。单击“上一步”查看或更改安装设置。单击“取消”退出向导。</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>已准备好修复 Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>安装向导已准备好修复 Halvenor Drive。</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>安装向导已中断。您的系统未被修改。</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>若要以后安装 Halvenor Drive，请重新运行安装向导。单击“完成”按钮退出安装向导。</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>安装已中断</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Halvenor Drive 安装向导已中断</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安装向导将在您的电脑上安装 Halvenor Drive。\n单击“下一步”继续，或单击“取消”退出安装向导。</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>欢迎使用 Halvenor Drive 安装向导</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>网络设置</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>后 %1 页</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>不用了，谢谢</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>未选择有效的文件夹。</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>评论了</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>提到了您</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>请求访问</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>与您共享了</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>评论</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>提及</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>在 Web 门户中打开</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>共享</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>访问请求</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>动态</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>部分文件无法同步。单击此处查看详细信息。</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>同步问题</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 与您共享了“%2”。</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>新的共享项目</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>按需同步</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>单向下载</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>仅从服务器下载更改</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>仅从 Halvenor Drive 下载更改</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>单向上传</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>打开所在文件夹</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>打开 Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>查看同步状态</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>内部用户</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>已登录用户可查看</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>已登录用户可编辑</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>受限</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>只有您邀请的人才能打开此链接</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>公开</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>任何拥有链接的人都可以查看</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>任何拥有链接的人都可以编辑</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>可查看</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>可编辑</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>前 %1 页</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor 正在同步您的文件。</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive 正在同步您的文件。</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>您的文件将在这台电脑和服务器之间保持同步。</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>了解有关 Halvenor 的更多信息</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>了解有关 Halvenor Drive 的更多信息</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>一切就绪！</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>打开我的同步文件夹</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>您只能查看此文件夹中的文件。在这台电脑上所做的更改不会上传。</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>您只能查看此 Halvenor Drive 文件夹中的文件。在这台电脑上所做的更改不会上传。</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>最近更改</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>应用到所有子文件夹</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>选择性同步</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>同步方向</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>筛选文件</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>选择同步模式</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>取消选择的文件夹将从这台电脑中移除，但仍保留在服务器上。</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>选择性同步...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>确定要移除此同步任务吗？\n已同步的文件将保留在这台电脑上。</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>禁用此共享文件夹后，其文件将从这台电脑中移除。</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>已启用共享</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>邀请他人</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>共享链接</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>链接权限</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>用户和群组</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>是否要同步与您共享的项目？</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>保存并复制链接</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>自定义期限</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>到期日期</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>限制访问次数</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>生效日期</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>访问 %1 次后失效</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>链接共享</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>限制访问</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>部分文件未同步</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>服务器磁盘已满</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Tavlo 已更改</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>需要升级客户端</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>需要升级服务器</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>本地磁盘已满</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>访问被拒绝</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>超出配额</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>证书验证失败</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>正在同步...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>此文件夹的同步方向与服务器上的设置不一致。</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>同步临时文件</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 天前</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 小时前</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>刚刚</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 分钟前</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>新的共享</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>更改同步文件夹</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>这台电脑</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>同步概览</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>连接类型</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>文件夹不为空</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>只读文件夹</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>文件夹路径</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>双击图标打开同步文件夹</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>非活动</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>服务器地址</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>请输入服务器的 IP 地址、主机名或服务器 ID。</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>打开 Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>启用 SSL 加密</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>安全警告</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>待机</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>状态信息</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>正在为文件夹建立索引...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>有新版本可用。单击以更新。</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive 现已推出。单击以更新。</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>正在同步</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>正在检查数据...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Tavlo 已被更换。请重新链接。</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>打开同步文件夹</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>重新连接</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>连接信息</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>已在您的所有设备上同步</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>正在同步 %1 个文件</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>连接不稳定</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>最近更新的文件</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>立即升级</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>重新尝试同步</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>打开 Web 门户</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>您已准备好使用 Halvenor Drive。</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>放入同步文件夹的文件会在您的所有设备上保持最新。</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>您的同步文件夹</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>右键单击文件即可共享该文件或浏览其早期版本。</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>共享和还原</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>通过通知区域中的图标，可以一目了然地查看同步状态。</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>单击该图标可暂停同步、打开同步文件夹或更改设置。</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>同步状态</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>开始导览</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>使用选择性同步来选择要保留在这台电脑上的文件夹。</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>未选择的文件夹仍安全地保留在服务器上。</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>选择要同步的内容</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>双向同步</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>请更新服务器套件以使用选择性同步。</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>升级失败。请稍后重试。</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>无法升级 Halvenor Drive。请稍后重试。</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>使用 Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>您无权访问此同步文件夹。</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>登录失败。请检查您的用户名和密码。</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>需要更新版本的客户端。是否立即升级？</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>无法升级客户端。</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>与服务器冲突的文件将在同步开始前进行备份。</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>此文件夹与其他同步任务重叠。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>请输入服务器地址和您的帐户以进行连接。</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>创建 Halvenor 文件夹</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>无法创建本地文件夹。</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>创建 Oskavel Drive 文件夹</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>磁盘上没有足够的可用空间用于此同步文件夹。</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>磁盘上没有足够的可用空间用于此 Halvenor Drive 文件夹。</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>无法启用按需同步。</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>在局域网中查找 Tavlo 设备</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>这台电脑现已链接到您的 Halvenor 服务器。</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>这台电脑现已链接到 Halvenor Drive。</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>所选同步文件夹无效。</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>由于网络错误，无法检查同步文件夹。</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>请选择服务器上的一个文件夹和这台电脑上的一个文件夹以保持同步。</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>新建同步任务</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>您在服务器上的配额已满。</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>同步文件夹为只读。</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>设置同步文件夹</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>请选择已同步文件在这台电脑上的存放位置。</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>同步文件夹位置</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>自行选择文件夹和同步规则。</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>高级设置</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>您希望如何设置同步？</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>设置模式</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>使用推荐设置同步您的个人文件夹。</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>快速设置</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>此文件夹已由其他任务同步。</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>重复同步同一个文件夹可能会导致冲突。</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>请选择其他文件夹，或移除现有任务。</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>重复的同步任务</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>已存在同名的共享文件夹。</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>此同步任务的共享文件夹已不存在。</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>将其他人与您共享的项目同步到这台电脑。</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>立即启用</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>与您共享的文件也可以同步。</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>同步与我共享的项目</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>服务器的 SSL 证书已更改。请先确认证书，然后再同步此文件夹。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>无法验证服务器的 SSL 证书，因此无法同步此文件夹。</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>与其他服务器同步</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>添加同步任务</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>检查同步文件夹时发生系统错误。</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>此文件夹曾由其他用户帐户同步。</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>您的帐户已被禁用。</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor 会在这台电脑和您的服务器之间同步您的文件。\n让我们来设置您的第一个同步任务。</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive 会在这台电脑和您的服务器之间同步您的文件。\n让我们来设置您的第一个同步任务。</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>需要帮助？请访问 Halvenor 帮助中心。</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>需要帮助？请访问 Halvenor Drive 帮助中心。</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>向导正在加载，请稍候...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Halvenor Drive 正在加载，请稍候...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>欢迎使用 Halvenor</translation>
    </message>
</context>
</TS>
