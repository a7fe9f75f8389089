<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>更新程式</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>正在下載更新</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>剩餘時間：0 分鐘</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 位元組</translation>
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
        <translation>未知</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>約 1 小時</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>約 %1 小時</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分鐘</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分鐘</translation>
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
        <translation>剩餘時間</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>只能下載網址（http、https）。</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>無法寫入檔案 %1：%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>無法下載更新。</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>下載內容大於 %1，超過任何更新所需。</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>伺服器已有 %1 秒未傳送任何資料。</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>正在下載更新</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>剩餘時間</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>伺服器回應 HTTP 狀態 %1。</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>下載在 %2 位元組中的 %1 位元組後中斷。</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>無法儲存檔案 %1。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>下載完成！</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>安裝程式將另行開啟</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>按一下「確定」開始安裝更新</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>要安裝更新，您可能需要結束應用程式。這是必要的更新，現在結束將會關閉應用程式</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>要安裝更新，您可能需要結束應用程式。</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>按一下「開啟」按鈕以套用更新</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>找不到已下載的更新！</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>無法開啟下載資料夾。</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>確定要取消下載嗎？這是必要的更新，現在結束將會關閉應用程式</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>確定要取消下載嗎？</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>更新資訊大於 1 MiB。</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>更新伺服器已有 %1 秒未傳送任何資料。</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>更新資訊未在 %1 秒內送達。</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>伺服器回應 HTTP 狀態 %1。</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>無法讀取更新資訊。</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>更新資訊包含的位址不是網址：%1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>無法檢查 %1 的更新</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>恭喜！您使用的是最新版本的 %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>目前沒有可用的更新</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>%2 的 %1 版已發佈！</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>要立即下載更新嗎？這是必要的更新，現在結束將會關閉應用程式。</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>要立即下載更新嗎？</translation>
    </message>
</context>
</TS>
