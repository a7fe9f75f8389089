<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>ドラッグして遠近感を変更します。
ダブルクリックで変形を取り消します。</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>マウスの左ボタンまたは右ボタンでドラッグします。
 - SHIFT を押したままで自由にサイズ変更
 - CTRL を押したままで拡大縮小のみ
 - ALT を押したままで回転のみ
 - ダブルクリックで回転を元に戻します。</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>レイヤー</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>シェイプ</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>コンテンツの削除</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>選択した %1 個のコンテンツがすべて削除されます。続行しますか？</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>最前面へ</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>前面へ</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>背面へ</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>最背面へ</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>微調整</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>枠線</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>ウィンドウに合わせる</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>このファイルは追加できませんでした:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>これらのファイルは追加できませんでした:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>追加されなかった画像</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>メモリが不足しています。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>ファイルを保存できませんでした:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>枠線</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 ピクセル (ロック)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>キャンバスの色を選択</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>キャンバスの上の色を選択</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>キャンバスの下の色を選択</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>背景を追加</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>背景を消去</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>コラージュプロジェクトを開く</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>プロジェクトを開く</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>ステッカー</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>キャンバス</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>グリッドを表示</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>グラデーション</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>拡大して比率を保持</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>縦横比を保持</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>縦横比を無視</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>キャンバスサイズ</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>文書でエンティティが宣言されていますが、プロジェクトには含まれないものです。</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>文書に %1 バイトを超えるテキストが含まれています。</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>ドキュメントの入れ子が %1 レベルを超えています。</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>ドキュメントに %1 個を超える要素が含まれています。</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>読み込みエラー</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>コラージュファイル %1 を読み込めません</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>解析エラー</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>コラージュ ファイル %1 を解析できません。エラー: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>見つかりません: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>読み込めません: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>コラージュ ファイル %1 の一部の画像が見つかりませんでした。位置はそのまま保持され、プロジェクトと一緒に保存されます。</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>コラージュファイル %1 の一部の画像を読み込めませんでした。画像の位置は保たれ、プロジェクトと一緒に保存されます。</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>コラージュファイル %1 の一部の画像が見つからないか、読み込めませんでした。画像の位置は保たれ、プロジェクトと一緒に保存されます。</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>読み込まれなかった画像</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>見つからない画像</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>ファイル エラー</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>%1 ファイル '%2' への保存中にエラーが発生しました</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>コラージュファイルを選択</translation>
    </message>
    <message>
        <source>Collage (*.pmp2)</source>
        <translation>コラージュ (*.pmp2)</translation>
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
        <translation>幅</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>重なり順</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>最前面へ</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>上げる</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>下げる</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>最背面へ</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>遠近感</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>影の色</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>影の色を選択</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>影の半径</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>キャンバスサイズ</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高さ:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>シャープネス</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>色温度</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>色合い</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>影の色を選択</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>余白</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>形なし</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>カメラの RAW ファイルを読み込めません（%1）。</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>ファイルが破損しているか、不完全です。</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>保存する画像がありません。</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>ファイル名に画像の種類を示す拡張子がありません。</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>画像を「%1」ファイルとして保存することはできません。</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>画像を「%1」としてエンコードできませんでした。</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>%1 x %2 ピクセルの画像は大きすぎて開けません（%3 MB を超えるメモリが必要です）。</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>ファイルは %1 x %2 ピクセルの画像を示していますが、%3 バイトには収まりません。ファイルが破損しているか、不完全です。</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>列数：</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>タイルサイズ：</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>ローカルマスク</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>マスク付きの png を選択</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>選択した写真は対応していないか、破損しています。</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>選択した写真にはアルファレイヤーがありません。</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>メモリが不足しています。</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>ステッカー</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>モード：</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>タイル</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>交互</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>色を合わせる</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>メモリが不足しています。</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>タイル写真を 1 枚も読み込めませんでした。</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>不明なエラーが発生しました。</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%2 枚のタイル写真のうち %1 枚を読み込めず、除外しました。</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>タイルを追加</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>タイルを削除</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>ステップ 2: タイルにする写真を選択してください（多いほど効果的です）。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>オンラインヘルプ</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>製品に関するよくある質問</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>カスタマーサービスに問い合わせる</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>言語を切り替えました。アプリケーションを再起動してください。</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>ファイルなし</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 個のファイル</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%2 個のファイルのうち %1 個を選択。</translation>
    </message>
</context>
<context>
    <name>PRetouchAppliance</name>
    <message>
        <source>Panorama</source>
        <translation>パノラマ</translation>
    </message>
</context>
<context>
    <name>PRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>画像として保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>微調整と装飾</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>横方向のパノラマには 2 枚以上の写真を選択してください。</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>縦方向のパノラマには 2 枚以上の写真を選択してください。</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>360 度パノラマには 6 枚以上の写真を選択してください。</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>タイル状のパノラマには 4～16 枚の写真を選択してください。</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>選択した写真ではタイルのグリッドを埋められません。偶数枚、または 9 枚の写真を選択してください。</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>選択した写真のピクセルサイズが異なるため、つなぎ合わせることができません。</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>選択した写真の一部はサポートされていないか、破損しています。</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>選択した写真が小さすぎます。</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>隣り合う写真の重なりが足りないため、つなぎ合わせることができません。同じ場面の写真を、それぞれ次の写真と約 3 分の 1 ずつ重なるように選択してください。</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>つなぎ合わせに失敗しました。</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>写真を追加</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>写真のグループと適切なオプションを選択してください。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>元のサイズ</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 サイズ</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 サイズ</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>印刷する場合は元のサイズを選択してください。
画面表示や Web での共有には小さいサイズを選択してください。</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>タイル</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>微調整</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>最前面へ</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>前面へ</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>背面へ</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>最背面へ</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>上下反転</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>プリンター:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;プリンターが見つかりません&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>用紙の向き:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>カラーモード:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>グレースケール</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>ページに合わせる</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>プリンター「%1」で印刷できませんでした。</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>ファイルを保存できませんでした:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>PDF の保存先を選択</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてを選択</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>色:</translation>
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
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ファイルを保存</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>選択範囲</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 枚の画像を選択</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 個のオブジェクトを選択</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>スライドショー</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか？</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>ダブルクリックして編集...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>カーブ</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>最前面へ</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>上げる</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>下げる</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>最背面へ</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>テキストのカーブを編集</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>テキストの形状を削除</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>編集 </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>ファイルを閉じる</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>変更を保存しますか？</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>変更を破棄して終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>終了してもよろしいですか？</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>背景がまだありません。</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>背景を選択</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>ステップ 1: 背景にする写真を選択してください。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
</TS>
