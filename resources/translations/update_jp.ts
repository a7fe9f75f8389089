<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>アップデーター</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>アップデートをダウンロード中</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>残り時間: 0 分</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>約 1 時間</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>約 %1 時間</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>ダウンロードできるのは Web アドレス（http、https）だけです。</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>ファイル %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>更新をダウンロードできませんでした。</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>ダウンロードが %1 を超えています。更新にこれほどの容量は必要ありません。</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>サーバーから %1 秒間何も送られてきませんでした。</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>アップデートをダウンロード中</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>サーバーは HTTP ステータス %1 を返しました。</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>ダウンロードは %2 バイト中 %1 バイトで終了しました。</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>ファイル %1 を保存できませんでした。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>ダウンロードが完了しました！</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>インストーラーは別に開きます</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>「OK」をクリックすると更新のインストールを開始します</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>更新をインストールするには、アプリケーションの終了が必要な場合があります。これは必須のアップデートです。ここで終了するとアプリケーションが閉じます</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>更新をインストールするには、アプリケーションの終了が必要な場合があります。</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>「開く」ボタンをクリックして更新を適用します</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>ダウンロードした更新が見つかりません！</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>ダウンロードフォルダーを開けませんでした。</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>ダウンロードをキャンセルしてもよろしいですか？これは必須のアップデートです。ここで終了するとアプリケーションが閉じます</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>ダウンロードをキャンセルしてもよろしいですか？</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>更新情報が 1 MiB を超えています。</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>更新サーバーから %1 秒間何も送られてきませんでした。</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>更新情報が %1 秒以内に届きませんでした。</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>サーバーは HTTP ステータス %1 を返しました。</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>更新情報を読み取れません。</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>更新情報に Web アドレスではないアドレスが含まれています: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>%1 の更新を確認できませんでした</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>おめでとうございます！%1 の最新バージョンを使用しています</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>現在利用できる更新はありません</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>%2 のバージョン %1 がリリースされました！</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>今すぐ更新をダウンロードしますか？これは必須のアップデートです。ここで終了するとアプリケーションが閉じます。</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>今すぐ更新をダウンロードしますか？</translation>
    </message>
</context>
</TS>
