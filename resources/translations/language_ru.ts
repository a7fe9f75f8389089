<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Перетащите, чтобы изменить перспективу.
Двойной щелчок отменяет преобразования.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Перетаскивайте левой или правой кнопкой мыши.
 - Удерживайте SHIFT для свободного изменения размера
 - Удерживайте CTRL, чтобы только масштабировать
 - Удерживайте ALT, чтобы только вращать
 - Двойной щелчок восстанавливает поворот.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Слой</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>Удалить содержимое</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Все выбранные объекты (%1) будут удалены. Продолжить?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Поднять</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Опустить</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>На задний план</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>Тонкая настройка</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Не удалось добавить этот файл:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Не удалось добавить эти файлы:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Изображения не добавлены</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Не удалось загрузить файл.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Не удалось сохранить файл:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 пикс. (зафиксировано)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Выбрать цвет холста</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Выбрать верхний цвет холста</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Выбрать нижний цвет холста</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Добавить фон</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Очистить фон</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Открыть проект коллажа</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Наклейки</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Холст</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Показать сетку</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Градиенты</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Сохранять пропорции с заполнением</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Сохранять пропорции</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Игнорировать пропорции</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Размер холста</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Документ объявляет сущности, которых не бывает ни в одном проекте.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Документ содержит более %1 байт текста.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Вложенность документа превышает %1 уровней.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Документ содержит более %1 элементов.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Не удалось загрузить файл коллажа %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Ошибка разбора</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Не удалось разобрать файл коллажа %1. Ошибка: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Не найден: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Не удаётся прочитать: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Некоторые изображения файла коллажа %1 не найдены. Они сохраняют своё место и сохраняются вместе с проектом.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Некоторые изображения файла коллажа %1 не удалось прочитать. Они остаются на своих местах и сохраняются вместе с проектом.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Некоторые изображения файла коллажа %1 не найдены или их не удалось прочитать. Они остаются на своих местах и сохраняются вместе с проектом.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Изображения не загружены</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Отсутствующие изображения</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Ошибка файла</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Ошибка сохранения в файл %1 «%2»</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Выберите файл коллажа</translation>
    </message>
    <message>
        <source>Collage (*.pmp2)</source>
        <translation>Коллаж (*.pmp2)</translation>
    </message>
</context>
<context>
    <name>ColorBorderWidget</name>
    <message>
        <source>Top</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Снизу</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>Порядок</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Поднять</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Опустить</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>На задний план</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Перспектива</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Цвет тени</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Выбрать цвет тени</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Радиус тени</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Размер холста</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Высота:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Резкость</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Оттенок</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Выбрать цвет тени</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Отступ</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Без формы</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>Не удаётся прочитать RAW-файл камеры (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Файл повреждён или неполон.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Нет изображения для сохранения.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>У имени файла нет расширения, указывающего тип изображения.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Изображения нельзя сохранять в файлы «%1».</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>Не удалось закодировать изображение в формате «%1».</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>Изображение размером %1 x %2 пикселей слишком велико для открытия (более %3 МБ памяти).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Файл заявляет изображение %1 x %2 пикселей — больше, чем могут вместить его %3 байт: файл повреждён или неполон.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Число столбцов:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Размер плитки:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Шаблоны</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Локальная маска</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Восстановить исходную</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Выберите png с маской</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>Выбранное фото не поддерживается или повреждено.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>У выбранного фото нет альфа-слоя.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Наклейки</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Маска</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Плитка</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Со сдвигом</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Подбирать цвет</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Не удалось прочитать ни одного фото плиток.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Произошла неизвестная ошибка.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>Не удалось прочитать фото плиток: %1 из %2; они пропущены.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Добавить плитки</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Удалить плитки</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Шаг 2: выберите фото для плиток — чем больше, тем лучше.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Справка в Интернете</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Вопросы и ответы о продукте</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Связаться со службой поддержки</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>Язык успешно изменён. Перезапустите приложение.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Нет файлов</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>Файлов: %1</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>Выбрано файлов: %1 из %2.</translation>
    </message>
</context>
<context>
    <name>PRetouchAppliance</name>
    <message>
        <source>Panorama</source>
        <translation>Панорама</translation>
    </message>
</context>
<context>
    <name>PRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Добавить изображение</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Добавить текст</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Сохранить как изображение</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Тонкая настройка и оформление</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Для горизонтальной панорамы выберите не менее 2 фотографий.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Для вертикальной панорамы выберите не менее 2 фотографий.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>Для панорамы 360 градусов выберите не менее 6 фотографий.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Для мозаичной панорамы выберите от 4 до 16 фотографий.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>Выбранные фотографии не заполняют сетку целиком. Выберите чётное число фотографий или 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>Выбранные фотографии имеют разный размер в пикселях, поэтому их нельзя сшить.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Некоторые выбранные фотографии не поддерживаются или повреждены.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>Выбранные фотографии слишком малы.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Некоторые соседние фотографии перекрываются недостаточно, чтобы их можно было сшить. Выберите фотографии одной сцены, каждая из которых примерно на треть совпадает со следующей.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Не удалось сшить фотографии.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Добавить фотографии</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Выберите группу фотографий и подходящие параметры.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 размера</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 размера</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Для печати выберите исходный размер.
Для показа на экране или публикации в интернете выберите малый размер.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Горизонтальная</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Вертикальная</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Плитка</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Тонкая настройка</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Поднять</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Опустить</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>На задний план</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Отразить по горизонтали</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Отражение</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Отразить по горизонтали</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Отразить по вертикали</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Принтер:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Принтеры не найдены&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Ориентация страницы:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Цветовой режим:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Оттенки серого</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цветной</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>По размеру страницы</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Не удалось напечатать на принтере «%1».</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Не удалось сохранить файл:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Выберите расположение PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить все</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Цвет:</translation>
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
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Полужирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>Выбрано изображений: %1</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>Выбрано объектов: %1</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Слайд-шоу</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Дважды щёлкните, чтобы изменить...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Кривая</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Поднять</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Опустить</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>На задний план</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Изменить кривую текста</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Убрать форму текста</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Изменить </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Закрытие файла</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Выйти и потерять изменения?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Вы действительно хотите выйти?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Фон ещё не выбран.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Выбрать фон</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Шаг 1: выберите фото для фона.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
</TS>
