<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Bu Halvenor sürümü zaten kurulu. Yeniden kurmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Daha yeni bir Halvenor sürümü zaten kurulu. Kurulum şimdi kapanacak.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Tüm kullanıcılar için kurulum yapmak yönetici hakları gerektirir.\nHalvenor yalnızca geçerli kullanıcı için kurulsun mu?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Bu Oskavel Drive sürümü zaten kurulu. Yeniden kurmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Daha yeni bir Oskavel Drive sürümü zaten kurulu. Kurulum şimdi kapanacak.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Dosya adı ekle</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Klasör ekle</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Sonraki ay</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Önceki ay</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Eşitleme klasörünü değiştir</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Yerel bilgisayar</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Uzak sunucu</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Eşitleme klasörü</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Günlük kategorisi</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Günlük kayıtlarını filtrele</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Günlüğü yenile</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Eşitleme görevi ayrıntıları</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Yerel hedef</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Uzak hedef</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Öğreticiyi kapat</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Halvenor öğreticisi</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Halvenor Drive öğreticisi</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>İndirmeyi durdur</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>İndirilen sürümü sil</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Önceki bir sürümü indir</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Halvenor sunucunuzda bu bilgisayarla eşitlemek istediğiniz paylaşılan klasörleri seçin.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Halvenor Drive içindeki, bu bilgisayarla eşitlemek istediğiniz ekip klasörlerini seçin.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Gelişmiş yapılandırma sihirbazı</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Gelişmiş ayarlar</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Otomatik yapılandırma başarısız oldu. Lütfen bağlantıyı el ile yapılandırın.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Otomatik yapılandırma tamamlanıyor...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>Yapılandırma anahtarı uygulandı.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Filtre ayarları</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Bu kurallarla eşleşen dosya ve klasörler eşitlenmez.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dosya adları</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Bu adlara sahip dosyalar eşitlenmez. *.tmp gibi joker karakterler kullanılabilir.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Engellenen dosyalar</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Adı nokta ile başlayan dosyalar eşitlenmesin</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Başkasını seç</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Bağlantıyı düzenle</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Daha sonra</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Yönet</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Birleştir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Yapılandır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Yine de devam et</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Şimdi başlat</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Bilgisayar adı</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Oluşturulma</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Eylem</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dosya adı</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Kimlik</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Bu alan zorunludur.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Bazı alanlar geçersiz. Lütfen kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>En fazla %1 karakter girin.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Veri yok</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Paylaş</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Her iki sürümü de sakla ve bu bilgisayardaki kopyayı yeniden adlandır</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Her iki sürümü de Halvenor Drive içinde sakla ve bu bilgisayardaki kopyayı yeniden adlandır</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>En son değiştirilen sürümü sakla</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Bir dosya hem sunucuda hem de bu bilgisayarda değiştirildiğinde:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Her zaman sunucudaki sürümü sakla</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Yerel dosyayı yeniden adlandır ve ikisini de sakla</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Doğrudan bağlantı</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Aktarmalı bağlantı</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Yerel ağ</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Bağlantı türü algılanıyor...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>İnternet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Kimlik doğrulayıcı uygulamanızdaki doğrulama kodunu girin:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Bu klasörün eşitlenmesini durdur</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Bu klasörlerin eşitlenmesini durdur</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Kullanılabilir seçenek yok</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Bu klasörü yeniden eşitle</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Bu klasörleri yeniden eşitle</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Şuraya gönder: %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Paylaşım bağlantısını kopyala</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Önceki sürümlere göz at</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Bu bilgisayarla neyi eşitlemek istediğinizi seçin.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Dosyalarım ve ekip klasörleri</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Kendi dosyalarınızı ve erişebildiğiniz ekip klasörlerini eşitleyin.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Benimle paylaşılanlar</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Başkalarının sizinle paylaştığı dosya ve klasörleri eşitleyin.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Eşitleme görevi oluştur</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Bu dosya şu anda indirilemiyor. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Bu dosyanın sürümleri listelenemiyor.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Bu öğe için paylaşım bağlantısı oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive hazır.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive başlıyor...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Bu bağlantı etkin değil.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Menü çubuğunda ve bildirim alanında siyah beyaz simgeler göster</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Eşitleme klasörünü dosya yöneticisinin kenar çubuğunda göster</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Dosyalar bu bilgisayardan silindiğinde sunucuda tut</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Bu iletiyi bir daha gösterme</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Yalnızca indirme</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo genel bakış</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo sunucuya ulaşamıyor.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Paylaşılan klasör yok.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>İsteğe Bağlı Eşitleme özelliğini etkinleştir</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Kullanıcı adı veya parola yanlış.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Oturum açılamadı</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Aktarma hizmetine ulaşılamıyor.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>Sunucu kimliği geçersiz veya mevcut değil.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Halvenor Drive sunucu kimliği geçersiz veya mevcut değil.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Aktarma hizmeti geçici olarak kullanılamıyor. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Bilinmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Bir dosya çakışması oluştu.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>Yerel veritabanı bozuk.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Dosya veya klasör mevcut değil.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Sunucuyla bağlantı kesildi.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Bu Tavlo farklı bir sunucuya bağlı.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Bu Tavlo farklı bir Halvenor Drive sunucusuna bağlı.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora bu öğe için paylaşım bağlantısı oluşturamıyor.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora sunucuda devre dışı. Lütfen yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora devre dışı</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Sunucu depolama alanı dolu</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Bu dosyanın bağlantısı alınamıyor.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Başlatma başarısız oldu.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Geçersiz parametre.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>1 ile 65535 arasında bir bağlantı noktası numarası girin.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>IP adresiniz sunucu tarafından engellendi.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Bu bilgisayar zaten bu Tavlo&apos;ya bağlı.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>Yerel eşitleme klasörü bulunamıyor.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Çok fazla başarısız oturum açma denemesi. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Bir ağ hatası oluştu. Lütfen bağlantınızı kontrol edin.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Bu dosya için kullanılabilir bağlantı yok.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Yöneticiniz iki adımlı doğrulamayı zorunlu kılıyor. Lütfen önce web portalında bu özelliği açın.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Doğrulama kodu yanlış.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Doğrulama kodu gerekli.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>İzin reddedildi.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Sunucu uyumsuz bir protokol sürümü kullanıyor.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Sunucudaki Halvenor Drive uyumsuz bir protokol sürümü kullanıyor.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Proxy sunucusunun adresini ve bağlantı noktasını girin.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Parolanızın süresi doldu. Lütfen web portalında değiştirin.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick bu dosyanın paylaşılmasına izin vermiyor.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>Uzak klasör bağlanmamış.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Paylaşılan klasör etkinleştirilemiyor.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>Paylaşılan klasör mevcut bir eşitleme klasörüyle çakışıyor.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Paylaşılan klasör sayısı üst sınırına ulaştınız.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Geçersiz bağlama noktası</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Paylaşılan klasör bulunamadı</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Paylaşılan klasör sunucuda bağlanmamış.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>İzin yok</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Paylaşılan öğe silinemiyor.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Sunucunun SSL sertifikası değişti.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Sunucunun SSL sertifikası doğrulanamıyor.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>Eşitleme klasörü bağlanmamış bir birimde bulunuyor.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Aktarma tüneli sunucuda devre dışı.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Kullanıcı ana klasörü hizmeti sunucuda devre dışı.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Kullanıcı bilgileri kullanılamıyor.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Bir kullanıcı adı girin.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Halvenor Drive kullanma izniniz yok. Lütfen yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Bu istemci sürümü artık desteklenmiyor. Lütfen istemciyi yükseltin.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Bu Halvenor Drive sürümü artık desteklenmiyor. Lütfen Halvenor Drive uygulamasını yükseltin.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>Sunucu sürümü çok eski. Lütfen sunucu paketini yükseltin.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>Sunucu sürümü Halvenor Drive için çok eski. Lütfen sunucu paketini yükseltin.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Uyumsuz sürüm</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Bu dosyanın önceki bir sürümü yok.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Engellenen dosya adları</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Dosya uzantıları</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>En büyük dosya boyutu</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>%1 MB üzerindeki dosyalar eşitlenmesin</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Dosya filtresi</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 dosya güncellendi</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>İlk sayfa</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Klasör adı</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Klasör filtresi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Öğreticiyi yeniden göster</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Halvenor Drive öğreticisini yeniden göster</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Anladım</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Tüm olaylar</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Tarih aralığı</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndirme</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Dosya türü</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Klasör</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 öğe</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Anahtar sözcük</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Geçen ay</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Geçen hafta</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Bu bilgisayarda yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Henüz geçmiş yok</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Sunucuda yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden adlandır</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Karşıya yükleme</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Dün</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>Klasörde zaten dosyalar var. Bu dosyalar sunucudaki dosyalarla birleştirilecek.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Dosya kilitli</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Hazırlanıyor...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Karşıya yükleniyor</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Son sayfa</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Başka bir sunucuya bağlan</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Yükleniyor...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Yerel ağda Tavlo cihazları aranıyor...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>İndirme geçmişi</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Eşitleme görevleri</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Bağlam menüsünde eşitleme seçeneklerini göster</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Masaüstü bildirimlerini göster</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Dosya ve klasörlerde eşitleme durumu simgelerini göster</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Veri aktarımlarını SSL ile şifrele</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Oturum açtığımda Halvenor&apos;u başlat</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Oturum açtığımda Halvenor Drive&apos;ı başlat</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Birleştirme modu</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Eşitlenmeyen öğelerde simge göster</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Eşitleme modu</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Eşitleme modu</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Siyah beyaz simgeler kullan</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Proxy sunucusu kullanıcı adı ve parola gerektiriyor</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>El ile proxy yapılandırması</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Proxy yok</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Sistem proxy ayarlarını kullan</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Bağlantı noktası</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Proxy ayarları</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Ayarlar uygulanıyor...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Hiçbir ayar değiştirilmedi.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Değişiklikleriniz kaydedilmedi. Şimdi kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Klasörü değiştir</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Etkinleştir</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Yerel eşitleme klasörü</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Paylaşım</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Paylaşılan klasörler</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Görevler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Nisan</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Ağustos</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Şubat</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Ocak</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Temmuz</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Haziran</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mart</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayıs</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Kasım</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ekim</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Eylül</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Diğer öğreticiler</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Halvenor Drive hakkında</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Dosya değişiklikleri izleniyor...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Kimlik bilgileriniz denetleniyor...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Bu bilgisayarın bağlantısını kesmek istediğinizden emin misiniz?\nDaha önce eşitlenmiş dosyalar bu bilgisayarda kalır.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Bağlantı başarılı.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Sunucunun depolama alanı dolu. Yer açılana kadar eşitleme duraklatıldı.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Halvenor Drive depolama alanı dolu. Yer açılana kadar eşitleme duraklatıldı.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>İndirme durduruldu.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>İndirme tamamlandı.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 indiriliyor...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>İndirme başarısız oldu.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Etkin</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Bir sorun oluştu. Lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive bir sorunla karşılaştı. Lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Yapılandırma tamamlandı.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Bu ayarları istediğiniz zaman bildirim alanındaki Halvenor Drive simgesinden değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>Seçilen klasör bir bağlama noktası. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>Seçilen klasör boş değil. İçindeki dosyalar sunucuyla eşitlenecek.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>Seçilen klasör boş değil. İçindeki dosyalar Halvenor Drive ile eşitlenecek.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Seçilen klasöre yazamazsınız.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Halvenor sunucunuzun adresini ve hesap bilgilerinizi girin.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>Yeni dil, uygulamayı yeniden başlattıktan sonra geçerli olur.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bağlanılıyor...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Yerel disk dolu. Yer açılana kadar eşitleme duraklatıldı.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Yerel klasörün içeriğini sunucudaki klasörle birleştirmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Ağ sürücülerindeki değişiklikler hemen algılanmayabilir.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>%1/%2 dosya eşitleniyor</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Sunucudaki depolama kotanız doldu.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor zaten çalışıyor.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive zaten çalışıyor.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Bir klasör seçin</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Bu bilgisayarda sunucuyla eşitlenecek bir klasör seçin.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>sizinle bir öğe paylaştı.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Paylaşılan klasörün kotası doldu.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Bu paylaşılan öğeyi silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Dosyalarınız her yerde.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Sunucunun SSL sertifikası değişti.\nYeni sertifikaya güveniyor musunuz?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Sunucunun SSL sertifikası güvenilir değil.\nYine de devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Başlatılıyor...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Dosyalarınızı tüm cihazlarınızda eşitleyin ve paylaşın.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Bağlantı test ediliyor...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Kullanıcı adı doğrulanamadı.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Bağlantı kesiliyor...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Yükseltiliyor...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Halvenor Drive&apos;a hoş geldiniz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Yoksay</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Kur</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Onar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Halvenor Drive kurulumunu iptal etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Kurulumu iptal et</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Halvenor Drive Kurulumu</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>Lisans Sözleşmesi&apos;ndeki koşulları kabul ediyorum</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Lütfen aşağıdaki lisans sözleşmesini dikkatle okuyun.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Lisans Sözleşmesi&apos;ndeki koşulları kabul etmiyorum</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Kurulum Sihirbazı&apos;ndan çıkmak için Son düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Halvenor Drive&apos;ı başlat</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Kurulum tamamlandı</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive kuruldu.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Halvenor Drive Kurulum Sihirbazı tamamlandı</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>Kurulum Sihirbazı bir hata nedeniyle erken sona erdi. Sisteminizde değişiklik yapılmadı.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Bu programı daha sonra kurmak için Kurulum Sihirbazı&apos;nı yeniden çalıştırın. Kurulum Sihirbazı&apos;ndan çıkmak için Son düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Kurulum başarısız oldu</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Halvenor Drive Kurulum Sihirbazı erken sona erdi</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Uygulamaları kapatın ve yeniden başlatmayı deneyin.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Uygulamaları kapatmayın. Yeniden başlatma gerekecek.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Güncellenmesi gereken bazı dosyalar kullanımda.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Kullanımdaki Dosyalar</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Aşağıdaki uygulamalar, bu kurulumun güncellemesi gereken dosyaları kullanıyor.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Bu uygulamaları kapatın ve devam etmek için Yeniden dene&apos;ye, kurulumdan çıkmak için Çıkış&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Özelliklerin nasıl kurulacağını değiştirmenizi sağlar.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive&apos;ın değiştirilebilecek ayrı özellikleri yok.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Kurulumu değiştir</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Gerçekleştirmek istediğiniz işlemi seçin.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Halvenor Drive&apos;ı bilgisayarınızdan kaldırır.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Kurulumu kaldır</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Eksik ve bozuk dosyaları ve kısayolları geri yükleyerek en son kurulumdaki hataları onarır.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Kurulumu onar</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Kurulumu değiştirin, onarın veya kaldırın</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kurulum Sihirbazı, Halvenor Drive&apos;ın bilgisayarınıza kurulma şeklini değiştirmenizi, onu onarmanızı veya kaldırmanızı sağlar.\nDevam etmek için İleri&apos;ye, Kurulum Sihirbazı&apos;ndan çıkmak için İptal&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Halvenor Drive bakımına hoş geldiniz</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Kurulum Sihirbazı Halvenor Drive&apos;ı kurarken lütfen bekleyin.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Durum:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Halvenor Drive kuruluyor</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Bu işlem birkaç dakika sürebilir.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Kurulumu başlatmak için Kur&apos;a tıklayın. Kurulum ayarlarınızı gözden geçirmek veya değiştirmek için Geri&apos;ye tıklayın. Sihirbazdan çıkmak için İptal&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Halvenor Drive kurulmaya hazır</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>Kurulum Sihirbazı kurulumu başlatmaya hazır.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Halvenor Drive&apos;ı bilgisayarınızdan kaldırmak için Kaldır&apos;a tıklayın. Kurulum ayarlarınızı gözden geçirmek veya değiştirmek için Geri&apos;ye tıklayın. Sihirbazdan çıkmak için İptal&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Halvenor Drive kaldırılmaya hazır</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>Kurulum Sihirbazı Halvenor Drive&apos;ı kaldırmaya hazır.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Halvenor Drive kurulumunu onarmak için Onar&apos;a tıklayın. Kurulum ayarlarınızı gözden geçirmek veya değiştirmek için Geri&apos;ye tıklayın. Sihirbazdan çıkmak için İptal&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Halvenor Drive onarılmaya hazır</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>Kurulum Sihirbazı Halvenor Drive&apos;ı onarmaya hazır.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>Kurulum Sihirbazı yarıda kesildi. Sisteminizde değişiklik yapılmadı.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Halvenor Drive&apos;ı daha sonra kurmak için Kurulum Sihirbazı&apos;nı yeniden çalıştırın. Kurulum Sihirbazı&apos;ndan çıkmak için Son düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Kurulum yarıda kesildi</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Halvenor Drive Kurulum Sihirbazı yarıda kesildi</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>Kurulum Sihirbazı Halvenor Drive&apos;ı bilgisayarınıza kuracak.\nDevam etmek için İleri&apos;ye, Kurulum Sihirbazı&apos;ndan çıkmak için İptal&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Halvenor Drive Kurulum Sihirbazı&apos;na hoş geldiniz</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Ağ ayarları</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Sonraki %1 sayfa</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Hayır, teşekkürler</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Geçerli bir klasör seçilmedi.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Bildirimler</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>yorum yaptı:</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>sizden bahsetti:</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>erişim istedi:</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>sizinle paylaştı:</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Yorumlar</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Bahsetmeler</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Web portalında aç</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Paylaşılan</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Eşitleme</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Erişim istekleri</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Etkinlik</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Bazı dosyalar eşitlenemedi. Ayrıntılar için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Eşitleme sorunu</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1, &quot;%2&quot; öğesini sizinle paylaştı.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Yeni paylaşılan öğe</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>İsteğe Bağlı Eşitleme</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Tek yönlü indirme</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Yalnızca sunucudaki değişiklikleri indir</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Yalnızca Halvenor Drive&apos;daki değişiklikleri indir</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Tek yönlü karşıya yükleme</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>İçeren klasörü aç</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Dosyayı aç</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Klasörü aç</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Halvenor Drive&apos;ı aç</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Eşitleme durumunu görüntüle</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Dahili kullanıcılar</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Oturum açmış kullanıcılar görüntüleyebilir</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Oturum açmış kullanıcılar düzenleyebilir</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Kısıtlı</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Bağlantıyı yalnızca davet ettiğiniz kişiler açabilir</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Herkese açık</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Bağlantıya sahip olan herkes görüntüleyebilir</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Bağlantıya sahip olan herkes düzenleyebilir</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Görüntüleyebilir</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Düzenleyebilir</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Önceki %1 sayfa</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor şimdi dosyalarınızı eşitliyor.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive şimdi dosyalarınızı eşitliyor.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Dosyalarınız bu bilgisayar ile sunucu arasında eşitlenmiş olarak tutulacak.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Halvenor hakkında daha fazla bilgi edinin</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Halvenor Drive hakkında daha fazla bilgi edinin</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Her şey hazır!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Eşitleme klasörümü aç</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Salt okunur</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Bu klasördeki dosyaları yalnızca görüntüleyebilirsiniz. Bu bilgisayarda yapılan değişiklikler karşıya yüklenmez.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Bu Halvenor Drive klasöründeki dosyaları yalnızca görüntüleyebilirsiniz. Bu bilgisayarda yapılan değişiklikler karşıya yüklenmez.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Son değiştirilenler</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Tüm alt klasörlere uygula</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Seçmeli Eşitleme</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Eşitleme yönü</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Dosyaları filtrele</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Klasörleri seç</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Bir eşitleme modu seçin</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Seçimini kaldırdığınız klasörler bu bilgisayardan kaldırılır ancak sunucuda kalır.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Seçmeli Eşitleme...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Bu eşitleme görevini kaldırmak istediğinizden emin misiniz?\nEşitlenmiş dosyalar bu bilgisayarda kalır.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Bu paylaşılan klasörü devre dışı bırakmak, dosyalarını bu bilgisayardan kaldırır.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Paylaşım etkin</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Kişileri davet et</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Paylaşım bağlantısı</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Bağlantı izni</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Kullanıcılar ve gruplar</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Sizinle paylaşılan öğeleri eşitlemek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Kaydet ve bağlantıyı kopyala</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Özel süre</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Sona erme tarihi</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Erişim sayısını sınırla</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Şu tarihten itibaren geçerli</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>%1 erişimden sonra sona erer</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Bağlantıyla paylaşım</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Erişimi kısıtla</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Bazı dosyalar eşitlenmedi</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Sunucu diski dolu</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Tavlo değişti</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>İstemci yükseltmesi gerekli</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Sunucu yükseltmesi gerekli</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Yerel disk dolu</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Erişim reddedildi</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Kota aşıldı</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Sertifika doğrulaması başarısız oldu</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Eşitleniyor...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Güncel</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>Bu klasörün eşitleme yönü sunucudaki ayarla eşleşmiyor.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Geçici dosyaları eşitle</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 gün önce</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 saat önce</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Az önce</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 dakika önce</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Yeni paylaşım</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Eşitleme klasörünü değiştir</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Bu bilgisayar</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Eşitlemeye genel bakış</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Bağlantı türü</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Klasör boş değil</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Salt okunur klasör</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Klasör yolu</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Eşitleme klasörünü açmak için simgeye çift tıklayın</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Etkin değil</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Sunucu adresi</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Sunucunuzun IP adresini, ana bilgisayar adını veya sunucu kimliğini girin.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Halvenor&apos;u aç</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>SSL şifrelemesini etkinleştir</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Güvenlik uyarısı</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Beklemede</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Durum bilgileri</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Değer</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Hoş geldiniz</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Klasör dizine ekleniyor...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Yeni bir sürüm var. Güncellemek için tıklayın.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive kullanılabilir. Güncellemek için tıklayın.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Şu anda eşitleniyor</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Veriler denetleniyor...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Tavlo değiştirildi. Lütfen yeniden bağlayın.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>İndirme tamamlandı</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Eşitleme klasörünü aç</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Yeniden bağlan</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Bağlantı bilgileri</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Tüm cihazlarınızda eşitlendi</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 dosya eşitleniyor</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Kararsız bağlantı</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Son güncellenen dosyalar</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Güncelleniyor...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Şimdi yükselt</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Eşitlemeyi yeniden dene</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Web portalını aç</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Tebrikler!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Halvenor Drive&apos;ı kullanmaya hazırsınız.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Eşitleme klasörünüze koyduğunuz dosyalar tüm cihazlarınızda güncel tutulur.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Eşitleme klasörünüz</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Bir dosyayı paylaşmak veya önceki sürümlerine göz atmak için dosyaya sağ tıklayın.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Paylaşın ve geri yükleyin</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>Bildirim alanındaki simge, eşitleme durumunu bir bakışta gösterir.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Eşitlemeyi duraklatmak, eşitleme klasörünü açmak veya ayarları değiştirmek için simgeye tıklayın.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Eşitleme durumu</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Turu başlat</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Bu bilgisayarda tutulacak klasörleri seçmek için Seçmeli Eşitleme özelliğini kullanın.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Dışarıda bıraktığınız klasörler sunucuda güvenle kalır.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Neyin eşitleneceğini seçin</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Çift yönlü eşitleme</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Seçmeli Eşitleme özelliğini kullanmak için sunucu paketini güncelleyin.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>Yükseltme başarısız oldu. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Halvenor Drive yükseltilemedi. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Fennick kullan</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Bu eşitleme klasörüne erişim izniniz yok.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Oturum açılamadı. Lütfen kullanıcı adınızı ve parolanızı kontrol edin.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Daha yeni bir istemci sürümü gerekiyor. Şimdi yükseltmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>İstemci yükseltilemedi.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Sunucuyla çakışan dosyaların, eşitleme başlamadan önce yedeği alınır.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Bu klasör başka bir eşitleme göreviyle çakışıyor. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Bağlanmak için sunucu adresini ve hesap bilgilerinizi girin.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Halvenor klasörü oluştur</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Yerel klasör oluşturulamadı.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Oskavel Drive klasörü oluştur</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>Diskte bu eşitleme klasörü için yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>Diskte bu Halvenor Drive klasörü için yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>İsteğe Bağlı Eşitleme etkinleştirilemedi.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Yerel ağınızdaki Tavlo cihazlarını bulun</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Bu bilgisayar artık Halvenor sunucunuza bağlı.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Bu bilgisayar artık Halvenor Drive&apos;a bağlı.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>Seçilen eşitleme klasörü geçerli değil.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Bir ağ hatası nedeniyle eşitleme klasörü denetlenemiyor.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Eşitlenmiş olarak tutulacak, sunucuda bir klasör ve bu bilgisayarda bir klasör seçin.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Yeni eşitleme görevi</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Sunucudaki kotanız doldu.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>Eşitleme klasörü salt okunur.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Eşitleme klasörünü ayarla</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Eşitlenen dosyalarınızın bu bilgisayarda nerede tutulacağını seçin.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Eşitleme klasörünün konumu</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Klasörleri ve eşitleme kurallarını kendiniz seçin.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Gelişmiş Yapılandırma</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Eşitlemeyi nasıl yapılandırmak istiyorsunuz?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Yapılandırma modu</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Ana klasörünüzü önerilen ayarlarla eşitleyin.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Hızlı Yapılandırma</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Bu klasör zaten başka bir görev tarafından eşitleniyor.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Aynı klasörü iki kez eşitlemek çakışmalara neden olabilir.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Lütfen farklı bir klasör seçin veya mevcut görevi kaldırın.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Yinelenen eşitleme görevi</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Bu ada sahip bir paylaşılan klasör zaten var.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>Bu eşitleme görevinin paylaşılan klasörü artık mevcut değil.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Başkalarının sizinle paylaştığı öğeleri bu bilgisayarla eşitleyin.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Belki daha sonra</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Şimdi etkinleştir</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Sizinle paylaşılan dosyalar da eşitlenebilir.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Benimle paylaşılan öğeleri eşitle</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Sunucunun SSL sertifikası değişti. Lütfen bu klasör eşitlenmeden önce sertifikayı onaylayın.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Sunucunun SSL sertifikası doğrulanamadığından bu klasör eşitlenemiyor.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Başka bir sunucuyla eşitle</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Eşitleme görevi ekle</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Eşitleme klasörü denetlenirken bir sistem hatası oluştu.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Bu klasör farklı bir kullanıcı hesabı tarafından eşitlenmiş.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Hesabınız devre dışı bırakıldı.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor, dosyalarınızı bu bilgisayar ile sunucunuz arasında eşitlenmiş olarak tutar.\nŞimdi ilk eşitleme görevinizi yapılandıralım.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive, dosyalarınızı bu bilgisayar ile sunucunuz arasında eşitlenmiş olarak tutar.\nŞimdi ilk eşitleme görevinizi yapılandıralım.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Yardım mı gerekiyor? Halvenor Yardım Merkezi&apos;ni ziyaret edin.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Yardım mı gerekiyor? Halvenor Drive Yardım Merkezi&apos;ni ziyaret edin.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Sihirbaz yüklenirken lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Halvenor Drive yüklenirken lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Halvenor&apos;a hoş geldiniz</translation>
    </message>
</context>
</TS>
