<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>このバージョンの Halvenor は既にインストールされています。もう一度インストールしますか?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>より新しいバージョンの Halvenor が既にインストールされています。セットアップを終了します。</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>すべてのユーザー用にインストールするには管理者権限が必要です。\n現在のユーザー専用として Halvenor をインストールしますか?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>このバージョンの Oskavel Drive は既にインストールされています。もう一度インストールしますか?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>より新しいバージョンの Oskavel Drive が既にインストールされています。セットアップを終了します。</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>ファイル名を追加</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>翌月</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>前月</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>同期フォルダーを変更</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>ローカル コンピューター</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>リモート サーバー</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>同期フォルダー</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>ログのカテゴリ</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>ログ エントリをフィルター</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>ログを更新</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>同期タスクの詳細</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>ローカルの保存先</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>リモートの保存先</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>チュートリアルを閉じる</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Halvenor チュートリアル</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Halvenor Drive チュートリアル</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>ダウンロードを停止</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>ダウンロードしたバージョンを削除</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>以前のバージョンをダウンロード</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>リンク解除</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>このコンピューターと同期する、Halvenor サーバー上の共有フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>このコンピューターと同期する、Halvenor Drive のチーム フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>詳細セットアップ ウィザード</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>自動セットアップに失敗しました。接続を手動で設定してください。</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>自動セットアップを完了しています...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>セットアップ キーが適用されました。</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>フィルター設定</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>これらのルールに一致するファイルとフォルダーは同期されません。</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>これらの名前のファイルは同期されません。*.tmp などのワイルドカードを使用できます。</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>ブロックされたファイル</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>名前がドットで始まるファイルを同期しない</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>別のものを選択</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>接続を編集</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>管理</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>マージ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>セットアップ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>このまま続行</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>コンピューター名</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>この項目は必須です。</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>無効な項目があります。確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>%1 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>データがありません</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>両方のバージョンを保持し、このコンピューター上のコピーの名前を変更する</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Halvenor Drive で両方のバージョンを保持し、このコンピューター上のコピーの名前を変更する</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>最後に変更されたバージョンを保持する</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>サーバーとこのコンピューターの両方でファイルが変更された場合:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>常にサーバー上のバージョンを保持する</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>ローカル ファイルの名前を変更して両方を保持する</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>直接接続</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>リレー接続</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>ローカル ネットワーク</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>接続の種類を検出しています...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>認証アプリに表示された確認コードを入力してください:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>このフォルダーの同期を停止</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>これらのフォルダーの同期を停止</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>使用できるオプションはありません</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>このフォルダーの同期を再開</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>これらのフォルダーの同期を再開</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>%1 に送る</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>共有リンクをコピー</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>以前のバージョンを参照</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>このコンピューターと同期する内容を選択してください。</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>マイ ファイルとチーム フォルダー</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>自分のファイルと、アクセスできるチーム フォルダーを同期します。</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>自分と共有</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>他のユーザーがあなたと共有したファイルとフォルダーを同期します。</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>同期タスクを作成</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>このファイルは現在ダウンロードできません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>このファイルのバージョンを一覧表示できません。</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>このアイテムの共有リンクを作成できません。</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive は準備完了です。</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive は初期化中です。</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>この接続は非アクティブです。</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>メニュー バーと通知領域に白黒のアイコンを表示する</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>ファイル マネージャーのサイドバーに同期フォルダーを表示する</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>このコンピューターから削除したファイルをサーバー上に残す</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>今後このメッセージを表示しない</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>ダウンロードのみ</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo の概要</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo がサーバーに接続できません。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>共有フォルダーはありません。</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>オンデマンド同期を有効にする</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>サインインに失敗しました</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>リレー サービスに接続できません。</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>サーバー ID が無効か、存在しません。</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Halvenor Drive のサーバー ID が無効か、存在しません。</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>リレー サービスは一時的に利用できません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>不明なエラーが発生しました。</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>ファイルの競合が発生しました。</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>ローカル データベースが破損しています。</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>ファイルまたはフォルダーが存在しません。</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>サーバーとの接続が切断されました。</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>この Tavlo は別のサーバーにリンクされています。</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>この Tavlo は別の Halvenor Drive サーバーにリンクされています。</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora はこのアイテムの共有リンクを作成できません。</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>サーバーで Pelmora が無効になっています。管理者に問い合わせてください。</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora は無効です</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>サーバーのストレージがいっぱいです</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>このファイルへのリンクを取得できません。</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>初期化に失敗しました。</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>パラメーターが無効です。</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>1 から 65535 までのポート番号を入力してください。</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>お使いの IP アドレスはサーバーによってブロックされています。</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>このコンピューターは既にこの Tavlo にリンクされています。</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>ローカルの同期フォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>サインインの失敗回数が多すぎます。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>ネットワーク エラーが発生しました。接続を確認してください。</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>このファイルに使用できる接続がありません。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>管理者により 2 段階認証が必須とされています。先に Web ポータルで有効にしてください。</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>確認コードが正しくありません。</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>確認コードが必要です。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>アクセス許可がありません。</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>サーバーは互換性のないプロトコル バージョンを使用しています。</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>サーバー上の Halvenor Drive は互換性のないプロトコル バージョンを使用しています。</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>プロキシ サーバーのアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>パスワードの有効期限が切れています。Web ポータルで変更してください。</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick ではこのファイルの共有が許可されていません。</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>リモート フォルダーがマウントされていません。</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>共有フォルダーを有効にできません。</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>共有フォルダーが既存の同期フォルダーと競合しています。</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>共有フォルダーの数が上限に達しました。</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>無効なマウント ポイント</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>共有フォルダーが見つかりません</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>共有フォルダーがサーバー上でマウントされていません。</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>権限がありません</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>共有アイテムを削除できません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>サーバーの SSL 証明書が変更されました。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>サーバーの SSL 証明書を検証できません。</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>同期フォルダーが、マウントされていないボリューム上にあります。</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>サーバーでリレー トンネルが無効になっています。</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>サーバーでユーザー ホーム サービスが無効になっています。</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>ユーザー情報を取得できません。</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>ユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Halvenor Drive の使用が許可されていません。管理者に問い合わせてください。</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>このバージョンのクライアントはサポートされなくなりました。クライアントをアップグレードしてください。</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>このバージョンの Halvenor Drive はサポートされなくなりました。Halvenor Drive をアップグレードしてください。</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>サーバーのバージョンが古すぎます。サーバー パッケージをアップグレードしてください。</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>サーバーのバージョンが Halvenor Drive に対して古すぎます。サーバー パッケージをアップグレードしてください。</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>互換性のないバージョン</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>このファイルには以前のバージョンがありません。</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>ブロックするファイル名</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>ファイル拡張子</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>最大ファイル サイズ</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>%1 MB を超えるファイルを同期しない</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>ファイル フィルター</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 個のファイルが更新されました</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>最初のページ</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>フォルダー名</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>フォルダー フィルター</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>チュートリアルをもう一度表示</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Halvenor Drive のチュートリアルをもう一度表示</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>わかりました</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>すべてのイベント</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>ファイルの種類</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>From</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 件</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>先週</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>このコンピューターで名前を変更</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>履歴はまだありません</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>サーバーで名前を変更</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>To</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>このフォルダーには既にファイルがあります。これらのファイルはサーバー上のファイルとマージされます。</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>ファイルはロックされています</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>準備しています...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定値</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最後のページ</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>別のサーバーに接続</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込んでいます...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>ローカル ネットワーク上の Tavlo デバイスを検索しています...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>ダウンロード履歴</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>同期タスク</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>コンテキスト メニューに同期オプションを表示する</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>デスクトップ通知を表示する</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>ファイルとフォルダーに同期状態アイコンを表示する</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>SSL でデータ転送を暗号化する</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>サインイン時に Halvenor を起動する</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>サインイン時に Halvenor Drive を起動する</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>マージ モード</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>同期されないアイテムにアイコンを表示する</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>同期モード</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>同期方式</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>白黒のアイコンを使用する</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>プロキシ サーバーにはユーザー名とパスワードが必要</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手動でプロキシを設定</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>システムのプロキシ設定を使用する</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>プロキシ設定</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>設定を適用しています...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>変更された設定はありません。</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>変更は保存されていません。今すぐ保存しますか?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>フォルダーを変更</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効にする</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>ローカルの同期フォルダー</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>共有フォルダー</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>タスク</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>その他のチュートリアル</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Halvenor Drive について</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>ファイルの変更を監視しています...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>資格情報を確認しています...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>このコンピューターのリンクを解除してもよろしいですか?\n既に同期されたファイルはこのコンピューターに残ります。</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>接続しました。</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>サーバーのストレージがいっぱいです。空き容量ができるまで同期を一時停止します。</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Halvenor Drive のストレージがいっぱいです。空き容量ができるまで同期を一時停止します。</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>ダウンロードを停止しました。</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>ダウンロードが完了しました。</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 をダウンロードしています...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>ダウンロードに失敗しました。</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>問題が発生しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive で問題が発生しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>セットアップが完了しました。</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>これらの設定は、通知領域の Halvenor Drive アイコンからいつでも変更できます。</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>選択したフォルダーはマウント ポイントです。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>選択したフォルダーは空ではありません。フォルダー内のファイルはサーバーと同期されます。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>選択したフォルダーは空ではありません。フォルダー内のファイルは Halvenor Drive と同期されます。</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>選択したフォルダーに書き込むことができません。</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Halvenor サーバーのアドレスとアカウント情報を入力してください。</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>新しい言語は、アプリケーションを再起動した後に有効になります。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続しています...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>ローカル ディスクがいっぱいです。空き容量ができるまで同期を一時停止します。</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>ローカル フォルダーの内容をサーバー上のフォルダーとマージしますか?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>ネットワーク ドライブ上の変更は、すぐに検出されない場合があります。</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>%2 個中 %1 個のファイルを同期しています</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>サーバー上のストレージ クォータを使い切りました。</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor は既に実行されています。</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive は既に実行されています。</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>サーバーと同期するこのコンピューター上のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>があなたとアイテムを共有しました。</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>共有フォルダーのクォータを使い切りました。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>この共有アイテムを削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>あなたのファイルを、どこでも。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>サーバーの SSL 証明書が変更されました。\n新しい証明書を信頼しますか?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>サーバーの SSL 証明書は信頼されていません。\nこのまま続行しますか?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>起動しています...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>すべてのデバイスでファイルを同期し、共有できます。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>接続をテストしています...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>ユーザー名を確認できませんでした。</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>リンクを解除しています...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>アップグレードしています...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Halvenor Drive へようこそ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>修復</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Halvenor Drive のインストールをキャンセルしてもよろしいですか?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>セットアップのキャンセル</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Halvenor Drive セットアップ</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>使用許諾契約書に同意します</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>次の使用許諾契約書をよくお読みください。</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>使用許諾契約書に同意しません</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>使用許諾契約書</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>[完了] をクリックしてセットアップ ウィザードを終了してください。</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Halvenor Drive を起動する</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>セットアップ完了</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive がインストールされました。</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Halvenor Drive セットアップ ウィザードが完了しました</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>エラーのため、セットアップ ウィザードは途中で終了しました。システムは変更されていません。</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>このプログラムを後でインストールするには、セットアップ ウィザードをもう一度実行してください。[完了] をクリックしてセットアップ ウィザードを終了してください。</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>セットアップに失敗しました</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Halvenor Drive セットアップ ウィザードは途中で終了しました</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>アプリケーションを閉じて、再起動を試みる。</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>アプリケーションを閉じない。再起動が必要になります。</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>更新が必要なファイルの一部が使用中です。</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>使用中のファイル</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>次のアプリケーションが、このセットアップで更新が必要なファイルを使用しています。</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>これらのアプリケーションを閉じてから [再試行] をクリックして続行するか、[終了] をクリックしてセットアップを終了してください。</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>機能のインストール方法を変更します。</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive には、変更できる個別の機能はありません。</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>インストールを変更</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>実行する操作を選択してください。</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Halvenor Drive をコンピューターから削除します。</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>インストールを削除</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>見つからないファイルや破損したファイル、ショートカットを復元して、最新のインストールのエラーを修復します。</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>インストールを修復</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>インストールの変更、修復、または削除</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>セットアップ ウィザードでは、コンピューターへの Halvenor Drive のインストール方法の変更、修復、または削除を行えます。\n続行するには [次へ] を、セットアップ ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Halvenor Drive のメンテナンスへようこそ</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>セットアップ ウィザードが Halvenor Drive をインストールしています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Halvenor Drive をインストールしています</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>数分かかる場合があります。</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>インストールを開始するには [インストール] をクリックしてください。インストール設定を確認または変更するには [戻る] をクリックしてください。ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Halvenor Drive のインストール準備完了</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>セットアップ ウィザードはインストールを開始する準備ができました。</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Halvenor Drive をコンピューターから削除するには [削除] をクリックしてください。インストール設定を確認または変更するには [戻る] をクリックしてください。ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Halvenor Drive の削除準備完了</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>セットアップ ウィザードは Halvenor Drive を削除する準備ができました。</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Halvenor Drive のインストールを修復するには [修復] をクリックしてください。インストール設定を確認または変更するには [戻る] をクリックしてください。ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Halvenor Drive の修復準備完了</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>セットアップ ウィザードは Halvenor Drive を修復する準備ができました。</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>セットアップ ウィザードは中断されました。システムは変更されていません。</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Halvenor Drive を後でインストールするには、セットアップ ウィザードをもう一度実行してください。[完了] をクリックしてセットアップ ウィザードを終了してください。</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>セットアップが中断されました</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Halvenor Drive セットアップ ウィザードは中断されました</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>セットアップ ウィザードは、Halvenor Drive をコンピューターにインストールします。\n続行するには [次へ] を、セットアップ ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Halvenor Drive セットアップ ウィザードへようこそ</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>次の %1 ページ</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>いいえ、結構です</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>有効なフォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>がコメントしました</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>があなたをメンションしました</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>がアクセスをリクエストしました</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>があなたと共有しました</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>メンション</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Web ポータルで開く</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>アクセス リクエスト</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>アクティビティ</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>一部のファイルを同期できませんでした。詳細を表示するにはここをクリックしてください。</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>同期の問題</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 さんが「%2」をあなたと共有しました。</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>新しい共有アイテム</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>オンデマンド同期</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>一方向ダウンロード</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>サーバーからの変更のみをダウンロードする</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Halvenor Drive からの変更のみをダウンロードする</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>一方向アップロード</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>保存先のフォルダーを開く</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Halvenor Drive を開く</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>同期状態を表示</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>内部ユーザー</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>サインインしたユーザーが閲覧可能</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>サインインしたユーザーが編集可能</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>制限付き</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>招待したユーザーのみがリンクを開けます</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>公開</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>リンクを知っている全員が閲覧可能</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>リンクを知っている全員が編集可能</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>閲覧可能</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>編集可能</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>前の %1 ページ</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor がファイルを同期しています。</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive がファイルを同期しています。</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>ファイルはこのコンピューターとサーバーの間で同期されます。</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Halvenor の詳細</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Halvenor Drive の詳細</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>準備が整いました!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>同期フォルダーを開く</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>このフォルダー内のファイルは閲覧のみ可能です。このコンピューターで行った変更はアップロードされません。</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>この Halvenor Drive フォルダー内のファイルは閲覧のみ可能です。このコンピューターで行った変更はアップロードされません。</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>最近の変更</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>すべてのサブフォルダーに適用</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>選択型同期</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>同期方向</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>ファイルをフィルター</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>同期モードを選択</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>選択を解除したフォルダーはこのコンピューターから削除されますが、サーバー上には残ります。</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>選択型同期...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>この同期タスクを削除してもよろしいですか?\n同期されたファイルはこのコンピューターに残ります。</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>この共有フォルダーを無効にすると、そのファイルはこのコンピューターから削除されます。</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>共有が有効です</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>ユーザーを招待</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>共有リンク</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>リンクの権限</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>ユーザーとグループ</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>あなたと共有されているアイテムを同期しますか?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>保存してリンクをコピー</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>カスタム期間</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>有効期限</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>アクセス回数を制限する</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>公開開始日</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>%1 回のアクセス後に期限切れ</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>リンク共有</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>アクセスを制限</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>一部のファイルが同期されませんでした</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>サーバーのディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Tavlo が変更されました</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>クライアントのアップグレードが必要です</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>サーバーのアップグレードが必要です</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>ローカル ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>クォータを超過しました</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>証明書の検証に失敗しました</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期しています...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>このフォルダーの同期方向がサーバー上の設定と一致しません。</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>一時ファイルを同期する</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>たった今</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>新しい共有</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>同期フォルダーの変更</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>このコンピューター</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>同期の概要</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>接続の種類</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>フォルダーが空ではありません</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>読み取り専用フォルダー</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>フォルダーのパス</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>アイコンをダブルクリックすると同期フォルダーが開きます</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>非アクティブ</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>サーバー アドレス</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>サーバーの IP アドレス、ホスト名、またはサーバー ID を入力してください。</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Halvenor を開く</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>SSL 暗号化を有効にする</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>セキュリティの警告</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>スタンバイ</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>状態情報</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>フォルダーのインデックスを作成しています...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>新しいバージョンを利用できます。クリックして更新してください。</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive を利用できます。クリックして更新してください。</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>同期中</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>データを確認しています...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Tavlo が交換されました。もう一度リンクしてください。</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>ダウンロードが完了しました</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>同期フォルダーを開く</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>再接続</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>接続情報</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>すべてのデバイスで同期済み</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 個のファイルを同期しています</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>接続が不安定です</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>最近更新されたファイル</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>更新しています...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>今すぐアップグレード</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>もう一度同期を試す</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Web ポータルを開く</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>おめでとうございます!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Halvenor Drive を使用する準備ができました。</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>同期フォルダーに入れたファイルは、すべてのデバイスで常に最新の状態に保たれます。</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>同期フォルダー</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>ファイルを右クリックすると、共有したり、以前のバージョンを参照したりできます。</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>共有と復元</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>通知領域のアイコンで、同期状態をひと目で確認できます。</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>アイコンをクリックして、同期を一時停止したり、同期フォルダーを開いたり、設定を変更したりできます。</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>同期状態</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>ツアーを開始</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>選択型同期を使用して、このコンピューターに保持するフォルダーを選択できます。</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>同期対象外にしたフォルダーは、サーバー上に安全に保管されます。</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>同期する内容を選択</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>双方向同期</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>選択型同期を使用するには、サーバー パッケージを更新してください。</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>アップグレードに失敗しました。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Halvenor Drive をアップグレードできませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Fennick を使用</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>この同期フォルダーにアクセスする権限がありません。</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>サインインに失敗しました。ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>新しいバージョンのクライアントが必要です。今すぐアップグレードしますか?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>クライアントをアップグレードできませんでした。</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>サーバーと競合するファイルは、同期を開始する前にバックアップされます。</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>このフォルダーは別の同期タスクと重複しています。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>接続するサーバーのアドレスとアカウントを入力してください。</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Halvenor フォルダーを作成</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>ローカル フォルダーを作成できませんでした。</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Oskavel Drive フォルダーを作成</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>この同期フォルダー用のディスクの空き容量が不足しています。</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>この Halvenor Drive フォルダー用のディスクの空き容量が不足しています。</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>オンデマンド同期を有効にできませんでした。</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>ローカル ネットワーク上の Tavlo デバイスを検索</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>このコンピューターは Halvenor サーバーにリンクされました。</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>このコンピューターは Halvenor Drive にリンクされました。</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>選択した同期フォルダーは無効です。</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>ネットワーク エラーのため、同期フォルダーを確認できません。</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>同期させるサーバー上のフォルダーとこのコンピューター上のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>新しい同期タスク</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>サーバー上のクォータがいっぱいです。</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>同期フォルダーは読み取り専用です。</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>同期フォルダーを設定</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>同期したファイルをこのコンピューター上のどこに保存するかを選択してください。</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>同期フォルダーの場所</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>同期するフォルダーと同期ルールを自分で選択します。</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>詳細セットアップ</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>同期をどのように設定しますか?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>セットアップ モード</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>推奨設定でホーム フォルダーを同期します。</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>クイック セットアップ</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>このフォルダーは既に別のタスクで同期されています。</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>同じフォルダーを二重に同期すると、競合が発生する可能性があります。</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>別のフォルダーを選択するか、既存のタスクを削除してください。</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>重複する同期タスク</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>この名前の共有フォルダーは既に存在します。</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>この同期タスクの共有フォルダーは存在しなくなりました。</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>他のユーザーがあなたと共有したアイテムをこのコンピューターに同期します。</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>今すぐ有効にする</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>あなたと共有されているファイルも同期できます。</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>自分と共有されているアイテムを同期</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>サーバーの SSL 証明書が変更されました。このフォルダーを同期する前に証明書を確認してください。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>サーバーの SSL 証明書を検証できないため、このフォルダーを同期できません。</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>別のサーバーと同期</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>同期タスクを追加</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>同期フォルダーの確認中にシステム エラーが発生しました。</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>このフォルダーは別のユーザー アカウントで同期されていました。</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>お使いのアカウントは無効になっています。</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor は、このコンピューターとサーバーの間でファイルを同期します。\n最初の同期タスクを設定しましょう。</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive は、このコンピューターとサーバーの間でファイルを同期します。\n最初の同期タスクを設定しましょう。</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>お困りですか? Halvenor ヘルプ センターをご覧ください。</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>お困りですか? Halvenor Drive ヘルプ センターをご覧ください。</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>ウィザードを読み込んでいます。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Halvenor Drive を読み込んでいます。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Halvenor へようこそ</translation>
    </message>
</context>
</TS>
