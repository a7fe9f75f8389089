<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Güncelleyici</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Güncellemeler indiriliyor</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Kalan süre: 0 dakika</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bayt</translation>
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
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>yaklaşık bir saat</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>yaklaşık %1 saat</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 dakika</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 dakika</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 saniye</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 saniye</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Kalan süre</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Yalnızca web adresleri (http, https) indirilebilir.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>%1 klasörü oluşturulamadı.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>%1 dosyası yazılamadı: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Güncelleme indirilemedi.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>İndirme %1 boyutundan büyük; hiçbir güncelleme bu kadar büyük olmaz.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Sunucu %1 saniyedir hiçbir şey göndermedi.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Güncellemeler İndiriliyor</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Kalan Süre</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Sunucu HTTP durum kodu %1 ile yanıt verdi.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>İndirme %2 baytın %1 baytında sona erdi.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>%1 dosyası kaydedilemedi.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>İndirme tamamlandı!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Yükleyici ayrıca açılacak</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Güncellemeyi yüklemeye başlamak için "Tamam" düğmesine tıklayın</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Güncellemeyi yüklemek için uygulamadan çıkmanız gerekebilir. Bu zorunlu bir güncellemedir; şimdi çıkmak uygulamayı kapatır</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Güncellemeyi yüklemek için uygulamadan çıkmanız gerekebilir.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Güncellemeyi uygulamak için "Aç" düğmesine tıklayın</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>İndirilen güncelleme bulunamadı!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>İndirme klasörü açılamadı.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>İndirmeyi iptal etmek istediğinizden emin misiniz? Bu zorunlu bir güncellemedir; şimdi çıkmak uygulamayı kapatır</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>İndirmeyi iptal etmek istediğinizden emin misiniz?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>Güncelleme bilgisi 1 MiB'den büyük.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>Güncelleme sunucusu %1 saniyedir hiçbir şey göndermedi.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>Güncelleme bilgisi %1 saniye içinde gelmedi.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Sunucu HTTP durum kodu %1 ile yanıt verdi.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>Güncelleme bilgisi okunamıyor.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>Güncelleme bilgisi web adresi olmayan bir adres veriyor: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>%1 için güncellemeler denetlenemedi</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Tebrikler! %1 uygulamasının en son sürümünü kullanıyorsunuz</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Şu anda kullanılabilir güncelleme yok</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>%2 uygulamasının %1 sürümü yayımlandı!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Güncellemeyi şimdi indirmek ister misiniz? Bu zorunlu bir güncellemedir; şimdi çıkmak uygulamayı kapatır.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Güncellemeyi şimdi indirmek ister misiniz?</translation>
    </message>
</context>
</TS>
