<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>此版本的 Halvenor 已安裝。是否要重新安裝？</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>已安裝較新版本的 Halvenor。安裝程式即將結束。</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>為所有使用者安裝需要系統管理員權限。\n是否只為目前的使用者安裝 Halvenor？</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>此版本的 Oskavel Drive 已安裝。是否要重新安裝？</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>已安裝較新版本的 Oskavel Drive。安裝程式即將結束。</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>新增檔案名稱</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>行事曆</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>下個月</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>上個月</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>變更同步資料夾</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>本機電腦</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>遠端伺服器</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>同步資料夾</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>記錄類別</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>篩選記錄項目</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>重新整理記錄</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>同步任務詳細資料</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>本機目的地</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>遠端目的地</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>關閉教學</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Halvenor 教學</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Halvenor Drive 教學</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>停止下載</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>刪除已下載的版本</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>下載先前的版本</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除連結</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>請選擇 Halvenor 伺服器上要與這台電腦同步的共用資料夾。</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>請選擇 Halvenor Drive 中要與這台電腦同步的團隊資料夾。</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>進階設定精靈</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>進階設定</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>自動設定失敗。請手動設定連線。</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>正在完成自動設定...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>已套用設定金鑰。</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>篩選設定</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>符合這些規則的檔案和資料夾將不會同步。</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>不會同步具有這些名稱的檔案。可使用萬用字元，例如 *.tmp。</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>已封鎖的檔案</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>不同步名稱以點開頭的檔案</translation>
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
        <translation>變更</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>選擇其他</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>編輯連線</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍後</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>管理</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合併</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>仍要繼續</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>立即開始</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>電腦名稱</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>建立時間</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目的地</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>此欄位為必填。</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>部分欄位無效。請檢查後再試一次。</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>最多可輸入 %1 個字元。</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>沒有資料</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共用</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>保留兩個版本，並重新命名來自這台電腦的副本</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>在 Halvenor Drive 中保留兩個版本，並重新命名來自這台電腦的副本</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>保留最後修改的版本</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>當檔案在伺服器和這台電腦上都經過變更時：</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>一律保留伺服器上的版本</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>重新命名本機檔案並保留兩者</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>直接連線</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>中繼連線</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>區域網路</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>正在偵測連線類型...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>網際網路</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>請輸入驗證器應用程式中的驗證碼：</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>停止同步此資料夾</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>停止同步這些資料夾</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>沒有可用的選項</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>重新同步此資料夾</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>重新同步這些資料夾</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>傳送到 %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>複製共用連結</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>瀏覽先前的版本</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>請選擇要與這台電腦同步的內容。</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>我的檔案和團隊資料夾</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>同步您自己的檔案，以及您有權存取的團隊資料夾。</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>與我共用</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>同步其他人與您共用的檔案和資料夾。</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>建立同步任務</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>目前無法下載此檔案。請稍後再試。</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>無法列出此檔案的版本。</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>無法為此項目建立共用連結。</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive 準備完成</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive 準備中...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>此連線目前未啟用。</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>在選單列和通知區域中顯示黑白圖示</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>在檔案管理員的側邊欄中顯示同步資料夾</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>從這台電腦刪除檔案時，保留伺服器上的檔案</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>不要再顯示此訊息</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>僅下載</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo 概觀</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo 無法連線到伺服器。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>沒有共用資料夾。</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>啟用隨選同步</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>使用者名稱或密碼不正確。</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>登入失敗</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>無法連線到中繼服務。</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>伺服器 ID 無效或不存在。</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Halvenor Drive 伺服器 ID 無效或不存在。</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>中繼服務暫時無法使用。請稍後再試。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>發生不明錯誤。</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>發生檔案衝突。</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>本機資料庫已損毀。</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>檔案或資料夾不存在。</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>與伺服器的連線已中斷。</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>此 Tavlo 已連結到其他伺服器。</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>此 Tavlo 已連結到其他 Halvenor Drive 伺服器。</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora 無法為此項目建立共用連結。</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>伺服器上的 Pelmora 已停用。請聯絡您的系統管理員。</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora 已停用</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>伺服器儲存空間已滿</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>無法取得此檔案的連結。</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>初始化失敗。</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>參數無效。</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>請輸入 1 到 65535 之間的通訊埠號碼。</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>您的 IP 位址已遭伺服器封鎖。</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>這台電腦已連結到此 Tavlo。</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>找不到本機同步資料夾。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>登入失敗次數過多。請稍後再試。</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>發生網路錯誤。請檢查您的網路連線。</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>此檔案沒有可用的連線。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>您的系統管理員要求使用兩步驟驗證。請先在 Web 入口網站中啟用。</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>驗證碼不正確。</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>需要驗證碼。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>權限遭拒。</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>伺服器使用的協定版本不相容。</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>伺服器上的 Halvenor Drive 使用的協定版本不相容。</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>請輸入 Proxy 伺服器的位址和通訊埠。</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>您的密碼已過期。請在 Web 入口網站中變更密碼。</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick 不允許共用此檔案。</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>遠端資料夾未掛載。</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>無法啟用共用資料夾。</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>共用資料夾與現有的同步資料夾衝突。</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>共用資料夾數量已達上限。</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>掛載點無效</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>找不到共用資料夾</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>共用資料夾未在伺服器上掛載。</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>沒有權限</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>無法刪除共用項目。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>伺服器的 SSL 憑證已變更。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>無法驗證伺服器的 SSL 憑證。</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>同步資料夾位於未掛載的磁碟區上。</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>伺服器上的中繼通道已停用。</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>伺服器上的使用者家目錄服務已停用。</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>無法取得使用者資訊。</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>請輸入使用者名稱。</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>您沒有使用 Halvenor Drive 的權限。請聯絡您的系統管理員。</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>已不再支援此用戶端版本。請升級用戶端。</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>已不再支援此版本的 Halvenor Drive。請升級 Halvenor Drive。</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>伺服器版本過舊。請升級伺服器套件。</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>伺服器版本過舊，無法搭配 Halvenor Drive 使用。請升級伺服器套件。</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>版本不相容</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>此檔案沒有可用的先前版本。</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>已封鎖的檔案名稱</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>副檔名</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>檔案大小上限</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>不同步大於 %1 MB 的檔案</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>檔案篩選器</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>已更新 %1 個檔案</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>第一頁</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>資料夾名稱</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>資料夾篩選器</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>再次顯示教學</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>再次顯示 Halvenor Drive 教學</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>我知道了</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>所有事件</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>日期範圍</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>檔案類型</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>From</source>
        <translation>從</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 個項目</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>關鍵字</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>上個月</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>上週</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>已在這台電腦上重新命名</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>尚無歷史記錄</translation>
    </message>
    <message>
        <source>History</source>
        <translation>歷史記錄</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>已在伺服器上重新命名</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>To</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上傳</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>此資料夾中已有檔案。這些檔案將與伺服器上的檔案合併。</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下載</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>檔案已鎖定</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>正在準備...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上傳</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系統預設</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最後一頁</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>連線到其他伺服器</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在載入...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>正在區域網路中搜尋 Tavlo 裝置...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>下載歷史記錄</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>同步任務</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>在右鍵選單中顯示同步選項</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>顯示桌面通知</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>在檔案和資料夾上顯示同步狀態圖示</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>使用 SSL 加密資料傳輸</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>登入時啟動 Halvenor</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>登入時啟動 Halvenor Drive</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>合併模式</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>在未同步的項目上顯示圖示</translation>
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
        <translation>一般</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>使用黑白圖示</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Proxy 伺服器需要使用者名稱和密碼</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手動設定 Proxy</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用 Proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>使用系統 Proxy 設定</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>通訊埠</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Proxy 設定</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在套用設定...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>未變更任何設定。</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>您的變更尚未儲存。是否要立即儲存？</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>變更資料夾</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>本機同步資料夾</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>共用</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>共用資料夾</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>任務</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
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
        <translation>更多教學</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>關於 Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>正在監看檔案變更...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>正在檢查您的認證...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>確定要解除這台電腦的連結嗎？\n已同步的檔案會保留在這台電腦上。</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>連線成功。</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>伺服器的儲存空間已滿。同步將暫停，直到釋出空間為止。</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Halvenor Drive 的儲存空間已滿。同步將暫停，直到釋出空間為止。</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>下載已停止。</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>下載已完成。</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>正在下載 %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>下載失敗。</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已啟用</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>發生問題。請再試一次。</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive 發生問題。請再試一次。</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>設定已完成。</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>您隨時可以透過通知區域中的 Halvenor Drive 圖示變更這些設定。</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>所選資料夾是掛載點。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>所選資料夾不是空的。其中的檔案將與伺服器同步。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>所選資料夾不是空的。其中的檔案將與 Halvenor Drive 同步。</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>無法寫入所選資料夾。</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>請輸入 Halvenor 伺服器的位址和您的帳號資訊。</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>新的語言將在重新啟動應用程式後生效。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>本機磁碟已滿。同步將暫停，直到釋出空間為止。</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>是否要將本機資料夾的內容與伺服器上的資料夾合併？</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>網路磁碟機上的變更可能無法立即偵測到。</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>正在同步第 %1 個檔案，共 %2 個</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>您在伺服器上的儲存配額已用盡。</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor 已在執行中。</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive 已在執行中。</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>請選擇這台電腦上要與伺服器同步的資料夾。</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>與您共用了一個項目。</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>共用資料夾的配額已用盡。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>確定要刪除此共用項目嗎？</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>您的檔案，隨處可用。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>伺服器的 SSL 憑證已變更。\n是否信任新的憑證？</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>伺服器的 SSL 憑證不受信任。\n是否仍要繼續？</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在啟動...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>在您的所有裝置之間同步及共用檔案。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在測試連線...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>無法驗證使用者名稱。</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除連結...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>正在升級...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>歡迎使用 Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>略過</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>修復</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>確定要取消安裝 Halvenor Drive 嗎？</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>取消安裝</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Halvenor Drive 安裝程式</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>我接受授權合約中的條款</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>請仔細閱讀下列授權合約。</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>我不接受授權合約中的條款</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>使用者授權合約</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>按一下 [完成] 按鈕以結束安裝精靈。</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>啟動 Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>安裝完成</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive 已安裝。</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Halvenor Drive 安裝精靈已完成</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>安裝精靈因發生錯誤而提前結束。您的系統並未遭到修改。</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>若要稍後安裝此程式，請再次執行安裝精靈。按一下 [完成] 按鈕以結束安裝精靈。</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>安裝失敗</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Halvenor Drive 安裝精靈已提前結束</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>關閉應用程式並嘗試重新啟動它們。</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>不關閉應用程式。將需要重新開機。</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>部分需要更新的檔案正在使用中。</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>使用中的檔案</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>下列應用程式正在使用此安裝程式需要更新的檔案。</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>請關閉這些應用程式，然後按一下 [重試] 繼續，或按一下 [結束] 離開安裝程式。</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>可讓您變更功能的安裝方式。</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive 沒有可變更的個別功能。</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>變更安裝</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>請選擇要執行的作業。</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>從您的電腦移除 Halvenor Drive。</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>移除安裝</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>還原遺失和損毀的檔案及捷徑，以修復最近一次安裝中的錯誤。</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>修復安裝</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>變更、修復或移除安裝</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安裝精靈可讓您變更 Halvenor Drive 在電腦上的安裝方式，或是修復或移除它。\n按一下 [下一步] 繼續，或按一下 [取消] 結束安裝精靈。</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>歡迎使用 Halvenor Drive 維護</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>安裝精靈正在安裝 Halvenor Drive，請稍候。</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>正在安裝 Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>這可能需要幾分鐘的時間。</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>按一下 [安裝] 開始安裝。按一下 [上一步] 檢閱或變更安裝設定。按一下 [取消] 結束精靈。</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>已準備好安裝 Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>安裝精靈已準備好開始安裝。</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>按一下 [移除] 從您的電腦移除 Halvenor Drive。按一下 [上一步] 檢閱或變更安裝設定。按一下 [取消] 結束精靈。</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>已準備好移除 Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>安裝精靈已準備好移除 Halvenor Drive。</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>按一下 [修復] 修復 Halvenor Drive 的安裝。按一下 [上一步] 檢閱或變更安裝設定。按一下 [取消] 結束精靈。</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>已準備好修復 Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>安裝精靈已準備好修復 Halvenor Drive。</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>安裝精靈已中斷。您的系統並未遭到修改。</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>若要稍後安裝 Halvenor Drive，請再次執行安裝精靈。按一下 [完成] 按鈕以結束安裝精靈。</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>安裝已中斷</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Halvenor Drive 安裝精靈已中斷</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安裝精靈將在您的電腦上安裝 Halvenor Drive。\n按一下 [下一步] 繼續，或按一下 [取消] 結束安裝精靈。</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>歡迎使用 Halvenor Drive 安裝精靈</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>網路設定</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>後 %1 頁</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>不用了，謝謝</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>未選取有效的資料夾。</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>留言於</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>提及了您</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>要求存取</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>與您共用了</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>留言</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>提及</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>在 Web 入口網站中開啟</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>共用</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>存取要求</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>動態</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>部分檔案無法同步。按一下這裡以檢視詳細資料。</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>同步問題</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 與您共用了「%2」。</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>新的共用項目</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>隨選同步</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>單向下載</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>僅從伺服器下載變更</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>僅從 Halvenor Drive 下載變更</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>單向上傳</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>開啟所在資料夾</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>開啟 Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>檢視同步狀態</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>內部使用者</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>已登入的使用者可檢視</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>已登入的使用者可編輯</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>受限</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>只有您邀請的人才能開啟此連結</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>公開</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>任何知道連結的人都可以檢視</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>任何知道連結的人都可以編輯</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>可檢視</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>可編輯</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>前 %1 頁</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor 正在同步您的檔案。</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive 正在同步您的檔案。</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>您的檔案將在這台電腦和伺服器之間保持同步。</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>深入了解 Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>深入了解 Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>一切就緒！</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>開啟我的同步資料夾</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>唯讀</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>您只能檢視此資料夾中的檔案。在這台電腦上所做的變更不會上傳。</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>您只能檢視此 Halvenor Drive 資料夾中的檔案。在這台電腦上所做的變更不會上傳。</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>最近變更</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>恢復</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>套用到所有子資料夾</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>選擇性同步</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>同步方向</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>篩選檔案</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>選擇同步模式</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>取消選取的資料夾將從這台電腦移除，但仍會保留在伺服器上。</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>選擇性同步...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>確定要移除此同步任務嗎？\n已同步的檔案會保留在這台電腦上。</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>停用此共用資料夾後，其中的檔案將從這台電腦移除。</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>已啟用共用</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>邀請其他人</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>共用連結</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>連結權限</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>使用者和群組</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>是否要同步與您共用的項目？</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>儲存並複製連結</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>自訂期間</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>到期日</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>限制存取次數</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>生效日</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>存取 %1 次後失效</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>連結共用</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>限制存取</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>部分檔案未同步</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>伺服器磁碟已滿</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Tavlo 已變更</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>需要升級用戶端</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>需要升級伺服器</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>本機磁碟已滿</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>存取遭拒</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>已超過配額</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>憑證驗證失敗</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>正在同步...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新狀態</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>此資料夾的同步方向與伺服器上的設定不符。</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>同步暫存檔</translation>
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
        <translation>%1 小時前</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>剛剛</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 分鐘前</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>新的共用</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>變更同步資料夾</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>這台電腦</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>同步概觀</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>連線類型</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>資料夾不是空的</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>唯讀資料夾</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>資料夾路徑</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>按兩下圖示以開啟同步資料夾</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>未啟用</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>伺服器位址</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>請輸入伺服器的 IP 位址、主機名稱或伺服器 ID。</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>開啟 Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>啟用 SSL 加密</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>安全性警告</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>待命</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>狀態資訊</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>歡迎</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>正在為資料夾建立索引...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>有新版本可用。按一下即可更新。</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive 現已推出。按一下即可更新。</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>正在同步</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>正在檢查資料...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Tavlo 已更換。請重新連結。</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>開啟同步資料夾</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>重新連線</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>連線資訊</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>已在您的所有裝置上同步</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>正在同步 %1 個檔案</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>連線不穩定</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>最近更新的檔案</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>立即升級</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>再次嘗試同步</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>開啟 Web 入口網站</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>您已可以開始使用 Halvenor Drive。</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>放入同步資料夾的檔案會在您的所有裝置上保持最新狀態。</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>您的同步資料夾</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>在檔案上按一下右鍵，即可共用該檔案或瀏覽其先前的版本。</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>共用與還原</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>通知區域中的圖示可讓您一目了然地查看同步狀態。</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>按一下該圖示即可暫停同步、開啟同步資料夾或變更設定。</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>同步狀態</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>開始導覽</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>使用選擇性同步來選擇要保留在這台電腦上的資料夾。</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>未選擇的資料夾仍會安全地保留在伺服器上。</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>選擇要同步的內容</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>雙向同步</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>請更新伺服器套件以使用選擇性同步。</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>升級失敗。請稍後再試。</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>無法升級 Halvenor Drive。請稍後再試。</translation>
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
        <translation>您沒有存取此同步資料夾的權限。</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>登入失敗。請檢查您的使用者名稱和密碼。</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>需要較新版本的用戶端。是否要立即升級？</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>無法升級用戶端。</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>與伺服器衝突的檔案會在同步開始前先行備份。</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>此資料夾與其他同步任務重疊。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>請輸入伺服器位址和您的帳號以進行連線。</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>建立 Halvenor 資料夾</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>無法建立本機資料夾。</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>建立 Oskavel Drive 資料夾</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>磁碟上沒有足夠的可用空間供此同步資料夾使用。</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>磁碟上沒有足夠的可用空間供此 Halvenor Drive 資料夾使用。</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>無法啟用隨選同步。</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>在區域網路中尋找 Tavlo 裝置</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>這台電腦現已連結到您的 Halvenor 伺服器。</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>這台電腦現已連結到 Halvenor Drive。</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>所選的同步資料夾無效。</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>由於發生網路錯誤，無法檢查同步資料夾。</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>請選擇伺服器上的一個資料夾和這台電腦上的一個資料夾以保持同步。</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>新增同步任務</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>您在伺服器上的配額已滿。</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>同步資料夾為唯讀。</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>設定同步資料夾</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>請選擇已同步檔案在這台電腦上的存放位置。</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>同步資料夾位置</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>自行選擇資料夾和同步規則。</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>進階設定</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>您要如何設定同步？</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>設定模式</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>使用建議的設定同步您的個人資料夾。</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>快速設定</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>此資料夾已由其他任務同步。</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>重複同步同一個資料夾可能會造成衝突。</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>請選擇其他資料夾，或移除現有的任務。</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>重複的同步任務</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>已有同名的共用資料夾。</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>此同步任務的共用資料夾已不存在。</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>將其他人與您共用的項目同步到這台電腦。</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>以後再說</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>立即啟用</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>與您共用的檔案也可以同步。</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>同步與我共用的項目</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>伺服器的 SSL 憑證已變更。請先確認憑證，再同步此資料夾。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>無法驗證伺服器的 SSL 憑證，因此無法同步此資料夾。</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>與其他伺服器同步</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>新增同步任務</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>檢查同步資料夾時發生系統錯誤。</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>此資料夾曾由其他使用者帳號同步。</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>您的帳號已停用。</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor 會在這台電腦和您的伺服器之間同步您的檔案。\n讓我們來設定您的第一個同步任務。</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive 會在這台電腦和您的伺服器之間同步您的檔案。\n讓我們來設定您的第一個同步任務。</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>需要協助嗎？請造訪 Halvenor 說明中心。</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>需要協助嗎？請造訪 Halvenor Drive 說明中心。</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>精靈正在載入，請稍候...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Halvenor Drive 正在載入，請稍候...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>歡迎使用 Halvenor</translation>
    </message>
</context>
</TS>
