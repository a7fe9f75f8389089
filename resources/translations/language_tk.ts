<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Perspektifi değiştirmek için sürükleyin.
Dönüşümleri iptal etmek için çift tıklayın.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Sol veya sağ fare düğmesiyle sürükleyin.
 - Serbest yeniden boyutlandırma için SHIFT tuşunu basılı tutun
 - Yalnızca ölçeklemek için CTRL tuşunu basılı tutun
 - Yalnızca döndürmek için ALT tuşunu basılı tutun
 - Döndürmeyi geri almak için çift tıklayın.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Katman</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Şekil</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>İçeriği sil</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Seçili %1 içeriğin tümü silinecek. Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>En öne</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Alçalt</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>En arkaya</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>İnce ayar</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Kenarlık</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Sığdır</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Bu dosya eklenemedi:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Bu dosyalar eklenemedi:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Resimler eklenmedi</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Yeterli bellek yok.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Dosya yüklenemedi.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Dosya kaydedilemedi:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Arka plan rengi</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Arka plan resmi</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Kenarlık</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 piksel (kilitli)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Tuval rengini seç</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Tuvalin üst rengini seç</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Tuvalin alt rengini seç</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Arka plan ekle</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Arka planı temizle</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Kolaj projesi aç</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Proje aç</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projeyi kaydet</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Çıkartmalar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Tuval</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Izgarayı göster</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Degradeler</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Genişleterek oranı koru</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>En boy oranını koru</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>En boy oranını yok say</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Tuval boyutu</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Belge, hiçbir projenin içermediği varlıklar bildiriyor.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Belge %1 bayttan fazla metin içeriyor.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Belge %1 düzeyden daha derin iç içe geçmiş.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Belge %1 öğeden fazlasını içeriyor.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Yükleme hatası</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>%1 kolaj dosyası yüklenemiyor</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Ayrıştırma hatası</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>%1 kolaj dosyası ayrıştırılamadı. Hata: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Bulunamadı: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Okunamıyor: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>%1 kolaj dosyasındaki bazı resimler bulunamadı. Yerlerini korurlar ve projeyle birlikte kaydedilirler.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>%1 kolaj dosyasındaki bazı resimler okunamadı. Yerlerini korurlar ve projeyle birlikte kaydedilirler.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>%1 kolaj dosyasındaki bazı resimler bulunamadı veya okunamadı. Yerlerini korurlar ve projeyle birlikte kaydedilirler.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Resimler yüklenmedi</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Eksik resimler</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dosya hatası</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>%1 dosyasına kaydedilirken hata: '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Kolaj dosyasını seçin</translation>
    </message>
    <message>
        <source>Collage (*.pmp2)</source>
        <translation>Kolaj (*.pmp2)</translation>
    </message>
</context>
<context>
    <name>ColorBorderWidget</name>
    <message>
        <source>Top</source>
        <translation>Üst</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opaklık</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Genişlik</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>Yığın</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>En öne</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Alçalt</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>En arkaya</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspektif</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opaklık</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Gölge rengi</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Gölge rengini seç</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Gölge yarıçapı</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Tuval boyutu</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Genişlik:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Yükseklik:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Doygunluk</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Parlaklık</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Keskinlik</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Ton</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Gölge rengini seç</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opaklık</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Kenar boşluğu</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Şekil yok</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>Ana sayfa</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>Kameranın RAW dosyası okunamıyor (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Dosya hasarlı veya eksik.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Kaydedilecek görüntü yok.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>Dosya adında görüntü türünü belirten bir uzantı yok.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Görüntüler "%1" dosyası olarak kaydedilemez.</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>Görüntü "%1" olarak kodlanamadı.</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>%1 x %2 piksellik görüntü açılamayacak kadar büyük (%3 MB'tan fazla bellek).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Dosya %1 x %2 piksellik bir görüntü bildiriyor; bu, %3 baytının alabileceğinden fazla: dosya hasarlı veya eksik.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Sütun sayısı:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Döşeme boyutu:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Şablonlar</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Yerel maske</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Orijinale döndür</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Maskeli bir png seçin</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>Seçilen fotoğraf desteklenmiyor veya bozuk.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>Seçilen fotoğrafın alfa katmanı yok.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Yeterli bellek yok.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Çıkartmalar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mod:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Döşeme</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Kaydırmalı</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Rengi eşle</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Yeterli bellek yok.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Döşeme fotoğraflarının hiçbiri okunamadı.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Bilinmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%2 döşeme fotoğrafından %1 tanesi okunamadı ve atlandı.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Döşeme ekle</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Döşemeleri kaldır</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Adım 2: Döşeme olarak fotoğraf seçin, ne kadar çok o kadar iyi.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>%1 hakkında</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Çevrimiçi Yardım</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Ürün SSS</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Müşteri Hizmetleriyle İletişime Geçin</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>Dil başarıyla değiştirildi, lütfen uygulamayı yeniden başlatın.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Dosya yok</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 dosya</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%2 dosyadan %1 tanesi seçildi.</translation>
    </message>
</context>
<context>
    <name>PRetouchAppliance</name>
    <message>
        <source>Panorama</source>
        <translation>Panorama</translation>
    </message>
</context>
<context>
    <name>PRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Resim ekle</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Metin ekle</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Resim olarak kaydet</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>İnce ayar ve süsleme</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Yatay panoramalar için 2 veya daha fazla fotoğraf seçmeniz gerekir.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Dikey panoramalar için 2 veya daha fazla fotoğraf seçmeniz gerekir.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>360 derecelik panoramalar için 6 veya daha fazla fotoğraf seçmeniz gerekir.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Döşeme panoramaları için 4 ile 16 arasında fotoğraf seçmeniz gerekir.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>Seçilen fotoğraflar tam bir döşeme ızgarasını dolduramaz. Çift sayıda fotoğraf veya 9 fotoğraf seçin.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>Seçilen fotoğrafların piksel boyutları aynı olmadığından birleştirilemezler.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Seçilen bazı fotoğraflar desteklenmiyor veya bozuk.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>Seçilen fotoğraflar çok küçük.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Bazı komşu fotoğraflar birleştirilebilecek kadar örtüşmüyor. Her biri bir sonrakiyle görüntüsünün yaklaşık üçte birini paylaşan, aynı sahneye ait fotoğraflar seçin.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Birleştirme başarısız oldu.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotoğraf ekle</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Bir fotoğraf grubu ve uygun seçenekleri belirleyin.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Özgün boyut</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 boyut</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 boyut</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Baskı için özgün boyutu seçin.
Ekranda gösterim veya web'de paylaşım için küçük bir boyut seçin.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Döşeme</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Bu normal bir dosya değil.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>İnce ayar</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>En öne</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Alçalt</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>En arkaya</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Yatay çevir</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Dikey çevir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Ayna</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Yatay çevir</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Dikey çevir</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Yazıcı:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Yazıcı bulunamadı&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Sayfa yönü:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Renk modu:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gri tonlamalı</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renkli</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Sayfaya sığdır</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>"%1" yazıcısında yazdırılamadı.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Dosya kaydedilemedi:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>PDF konumunu seçin</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Renk:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Dosya Aç</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Dosyayı Kaydet</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Metni düzenle</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Kalın</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>İtalik</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Altı çizili</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Seçim</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 resim seçildi</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 nesne seçildi</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Slayt gösterisi</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 zaten var.
Değiştirmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Düzenlemek için çift tıklayın...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Eğri</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>En öne</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Alçalt</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>En arkaya</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Metni düzenle</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Metin Eğrisini Düzenle</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Metin Şeklini Kaldır</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Düzenle </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Dosya Kapatılıyor</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Değişikliklerinizi kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Çıkmak ve değişikliklerinizi kaybetmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Çıkmak istediğinizden emin misiniz?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Henüz arka plan yok.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Arka plan seç</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Adım 1: Arka plan olarak bir fotoğraf seçin.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
</context>
</TS>
