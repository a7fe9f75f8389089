<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>拖曳以變更透視。
按兩下以取消變形。</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>以滑鼠左鍵或右鍵拖曳。
 - 按住 SHIFT 可自由調整大小
 - 按住 CTRL 僅縮放
 - 按住 ALT 僅旋轉
 - 按兩下可還原旋轉。</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>圖層</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形狀</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>刪除內容</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>將刪除所選的全部 %1 個內容，要繼續嗎？</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>移至最前</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>移至最後</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>微調</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>邊框</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>符合視窗</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>無法加入此檔案：</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>無法加入這些檔案：</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>未加入圖片</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>記憶體不足。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>無法載入檔案。</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>無法儲存檔案：</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>背景顏色</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>邊框</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 像素 (已鎖定)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>選取畫布顏色</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>選取畫布頂部顏色</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>選取畫布底部顏色</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>新增背景</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>清除背景</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>開啟拼貼專案</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>開啟專案</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>儲存專案</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>貼圖</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>畫布</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>顯示格線</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>漸層</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>擴展並保持比例</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>保持長寬比</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>忽略長寬比</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>畫布大小</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>文件宣告了實體，但專案從不包含實體。</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>文件包含超過 %1 位元組的文字。</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>文件的巢狀層級超過 %1 層。</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>文件包含超過 %1 個元素。</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>載入錯誤</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>無法載入拼貼檔案 %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>剖析錯誤</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>無法剖析拼貼檔案 %1。錯誤為：%2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>找不到：%1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>無法讀取：%1（%2）</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>找不到拼貼檔案 %1 中的部分圖片。它們會保留原位，並隨專案一起儲存。</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>無法讀取拼貼檔案 %1 的部分圖片。它們會保留位置，並隨專案一起儲存。</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>找不到或無法讀取拼貼檔案 %1 的部分圖片。它們會保留位置，並隨專案一起儲存。</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>未載入圖片</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>遺失的圖片</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>檔案錯誤</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>儲存至 %1 檔案「%2」時發生錯誤</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>選擇拼貼檔案</translation>
    </message>
    <message>
        <source>Collage (*.pmp2)</source>
        <translation>拼貼 (*.pmp2)</translation>
    </message>
</context>
<context>
    <name>ColorBorderWidget</name>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>寬度</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>堆疊</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>移至最上層</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>移至最下層</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>透視</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>陰影顏色</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>選擇陰影顏色</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>陰影半徑</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>畫布大小</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>寬度:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>飽和度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>對比</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>銳利度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>色溫</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>色調</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>選擇陰影顏色</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>邊距</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>無形狀</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>首頁</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>無法讀取相機 RAW 檔案（%1）。</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>檔案已損壞或不完整。</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>沒有可儲存的影像。</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>檔案名稱沒有可判斷影像類型的副檔名。</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>無法將影像儲存為「%1」檔案。</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>無法將影像編碼為「%1」。</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>%1 x %2 像素的影像太大，無法開啟（需要超過 %3 MB 的記憶體）。</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>檔案聲稱含有 %1 x %2 像素的影像，超出其 %3 位元組所能容納的內容：檔案已損壞或不完整。</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>欄數：</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>磚塊大小：</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>範本</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>本機遮罩</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>還原為原始</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>選擇含遮罩的 png</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>所選相片不受支援或已損壞。</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>所選相片沒有 Alpha 圖層。</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>記憶體不足。</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>貼圖</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>遮罩</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>產生</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>模式：</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>平鋪</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>交錯</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>配合色彩</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>記憶體不足。</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>無法讀取任何拼塊相片。</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>發生未知錯誤。</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%2 張拼塊相片中有 %1 張無法讀取，已略過。</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>新增拼塊</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>移除拼塊</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>步驟 2：選取相片作為拼塊，越多越好。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>關於 %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>線上說明</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>產品常見問題</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>聯絡客戶服務</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>語言已成功切換，請重新啟動應用程式。</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>沒有檔案</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 個檔案</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>已選取 %2 個檔案中的 %1 個。</translation>
    </message>
</context>
<context>
    <name>PRetouchAppliance</name>
    <message>
        <source>Panorama</source>
        <translation>全景</translation>
    </message>
</context>
<context>
    <name>PRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>新增圖片</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>新增文字</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>另存為影像</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>微調與裝飾</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>樣式</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>水平全景需要選取 2 張以上的相片。</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>垂直全景需要選取 2 張以上的相片。</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>360 度全景需要選取 6 張以上的相片。</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>拼貼全景需要選取 4 到 16 張相片。</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>所選相片無法填滿完整的拼貼格。請選取偶數張相片，或 9 張。</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>所選相片的像素尺寸不同，因此無法接合。</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>部分所選相片不受支援或已損毀。</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>所選相片太小。</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>部分相鄰相片的重疊不足，無法接合。請選取同一場景的相片，每張與下一張約有三分之一的畫面重疊。</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>接合失敗。</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>新增相片</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>選取一組相片和適合的選項。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>原始尺寸</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 尺寸</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 尺寸</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>列印時請選取原始尺寸。
數位顯示或網路分享時請選取較小尺寸。</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>平鋪</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>這不是一般檔案。</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>微調</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>移至最前</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>移至最後</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>水平翻轉</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>垂直翻轉</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>鏡像</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>水平翻轉</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>垂直翻轉</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>印表機：</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;找不到印表機&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>頁面方向：</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>直向</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>橫向</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>色彩模式：</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>灰階</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>彩色</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>符合頁面大小</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>無法在印表機「%1」上列印。</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>無法儲存檔案：</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>選擇 PDF 位置</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>顏色：</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>紅：</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>綠：</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>藍：</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>儲存檔案</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>編輯文字</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗體</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜體</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>底線</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>選取範圍</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>已選取 %1 張圖片</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>已選取 %1 個物件</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>投影片放映</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要取代它嗎？</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>按兩下以編輯...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>曲線</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>移至最上層</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>移至最下層</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>編輯文字</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>編輯文字曲線</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>移除文字形狀</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>編輯 </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>正在關閉檔案</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>是否要儲存變更？</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>確定要結束並捨棄變更嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>確定要結束嗎？</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>尚未選擇背景。</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>選取背景</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>步驟 1：選取一張相片作為背景。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
</TS>
