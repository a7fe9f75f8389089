<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>اسحب لتغيير المنظور.
انقر نقرًا مزدوجًا لإلغاء التحويلات.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>اسحب بزر الفأرة الأيسر أو الأيمن.
 - اضغط باستمرار على SHIFT لتغيير الحجم بحرية
 - اضغط باستمرار على CTRL للتحجيم فقط
 - اضغط باستمرار على ALT للتدوير فقط
 - انقر نقرًا مزدوجًا لاستعادة الدوران.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>الطبقة</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>الشكل</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>حذف المحتوى</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>سيتم حذف كل المحتويات المحددة وعددها %1، هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>إلى الأمام</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>رفع</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>خفض</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>إلى الخلف</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>ضبط دقيق</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>الحدود</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>ملاءمة</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>تعذرت إضافة هذا الملف:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>تعذرت إضافة هذه الملفات:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>لم تتم إضافة الصور</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>لا توجد ذاكرة كافية.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>فشل تحميل الملف.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>فشل حفظ الملف:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>لون الخلفية</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>الحدود</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 بكسل (مقفل)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>تحديد لون اللوحة</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>تحديد اللون العلوي للوحة</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>تحديد اللون السفلي للوحة</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>إضافة خلفية</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>مسح الخلفية</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>فتح مشروع كولاج</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>فتح مشروع</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>حفظ المشروع</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>ملصقات</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>اللوحة</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>لون</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>إظهار الشبكة</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>تدرجات</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>الحفاظ على النسبة بالتوسيع</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>الحفاظ على نسبة العرض إلى الارتفاع</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>تجاهل نسبة العرض إلى الارتفاع</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>حجم اللوحة</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>يعرّف المستند كيانات، وهو ما لا يحتويه أي مشروع.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>يحتوي المستند على أكثر من %1 بايت من النص.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>المستند متداخل بعمق يزيد على %1 مستوى.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>يحتوي المستند على أكثر من %1 عنصر.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>خطأ في التحميل</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>تعذّر تحميل ملف الكولاج %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>خطأ في التحليل</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>تعذّر تحليل ملف الكولاج %1. كان الخطأ: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>غير موجود: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>تتعذر قراءته: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>لم يتم العثور على بعض صور ملف الكولاج %1. تحتفظ بمكانها وتُحفظ مع المشروع.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>تعذرت قراءة بعض صور ملف الكولاج %1. تحتفظ بمكانها وتُحفظ مع المشروع.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>لم يتم العثور على بعض صور ملف الكولاج %1 أو تعذرت قراءتها. تحتفظ بمكانها وتُحفظ مع المشروع.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>لم يتم تحميل الصور</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>صور مفقودة</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>خطأ في الملف</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>خطأ في الحفظ إلى ملف %1 '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>اختر ملف الكولاج</translation>
    </message>
    <message>
        <source>Collage (*.pmp2)</source>
        <translation>كولاج (*.pmp2)</translation>
    </message>
</context>
<context>
    <name>ColorBorderWidget</name>
    <message>
        <source>Top</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>العرض</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>الترتيب</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>إلى الأمام</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>رفع</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>خفض</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>إلى الخلف</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>المنظور</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>لون الظل</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>اختر لون الظل</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>نصف قطر الظل</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>حجم اللوحة</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>العرض:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>الارتفاع:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>التشبع</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>التباين</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>الحدة</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>درجة الحرارة</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>الصبغة</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>اختر لون الظل</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>الهامش</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>بلا شكل</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>تعذّرت قراءة ملف RAW الخاص بالكاميرا (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>الملف تالف أو غير مكتمل.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>لا توجد صورة لحفظها.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>لا يحتوي اسم الملف على امتداد يحدد نوع الصورة.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>لا يمكن حفظ الصور كملفات "%1".</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>تعذّر ترميز الصورة بتنسيق "%1".</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>الصورة ذات %1 × %2 بكسل أكبر من أن تُفتح (تتطلب أكثر من %3 ميغابايت من الذاكرة).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>يدّعي الملف صورة بحجم %1 × %2 بكسل، وهو أكثر مما تتسع له بايتاته البالغة %3: الملف تالف أو غير مكتمل.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>عدد الأعمدة:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>حجم البلاطة:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>قوالب</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>قناع محلي</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>استعادة الأصل</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>اختر ملف png يحتوي على قناع</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>الصورة المحددة غير مدعومة أو تالفة.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>الصورة المحددة لا تحتوي على طبقة شفافية.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>لا توجد ذاكرة كافية.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>ملصقات</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>قناع</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>الوضع:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>تجانب</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>متداخل</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>مطابقة اللون</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>لا توجد ذاكرة كافية.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>تعذرت قراءة جميع صور البلاطات.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>حدث خطأ غير معروف.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>تعذرت قراءة %1 من %2 من صور البلاطات وتم استبعادها.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>إضافة بلاطات</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>إزالة البلاطات</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>الخطوة 2: اختر صورًا كبلاطات، وكلما زادت كان أفضل.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>المساعدة عبر الإنترنت</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>الأسئلة الشائعة حول المنتج</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>الاتصال بخدمة العملاء</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>تم تغيير اللغة بنجاح، يُرجى إعادة تشغيل التطبيق.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>لا توجد ملفات</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 ملف/ملفات</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>تم تحديد %1 من %2 ملف/ملفات.</translation>
    </message>
</context>
<context>
    <name>PRetouchAppliance</name>
    <message>
        <source>Panorama</source>
        <translation>بانوراما</translation>
    </message>
</context>
<context>
    <name>PRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>إضافة صورة</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>إضافة نص</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>حفظ كصورة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>الضبط الدقيق والزخرفة</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>النمط</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>للبانوراما الأفقية، يجب تحديد صورتين أو أكثر.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>للبانوراما العمودية، يجب تحديد صورتين أو أكثر.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>لبانوراما 360 درجة، يجب تحديد 6 صور أو أكثر.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>لبانوراما البلاطات، يجب تحديد 4 إلى 16 صورة.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>لا يمكن للصور المحددة ملء شبكة بلاطات كاملة. حدد عددًا زوجيًا من الصور، أو 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>الصور المحددة ليست بنفس الحجم بالبكسل، لذا لا يمكن دمجها.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>بعض الصور المحددة غير مدعومة أو تالفة.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>الصور المحددة صغيرة جدًا.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>بعض الصور المتجاورة لا تتداخل بما يكفي لدمجها. اختر صورًا لمشهد واحد تشترك كل منها في نحو ثلث مجال رؤيتها مع الصورة التالية.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>فشل الدمج.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>إضافة صور</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>اختر مجموعة من الصور والخيارات المناسبة.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>الحجم الأصلي</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 الحجم</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 الحجم</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>للطباعة، اختر الحجم الأصلي.
للعرض الرقمي أو المشاركة على الويب، اختر حجمًا صغيرًا.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>تجانب</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>إنه ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>ضبط دقيق</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>إلى الأمام</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>رفع</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>خفض</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>إلى الخلف</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>قلب أفقي</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>قلب عمودي</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>مرآة</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>قلب أفقي</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>قلب عمودي</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>الطابعة:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;لم يتم العثور على طابعات&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>اتجاه الصفحة:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>وضع الألوان:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>تدرج رمادي</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>ملون</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>ملاءمة الصفحة</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>تعذرت الطباعة على الطابعة "%1".</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>فشل حفظ الملف:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>اختر موقع ملف PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>أ:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>خ:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>ز:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>حفظ الملف</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>تحرير النص</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>غامق</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>مائل</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>تسطير</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>التحديد</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>تم تحديد %1 من الصور</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>تم تحديد %1 من العناصر</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>عرض الشرائح</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 موجود بالفعل.
هل تريد استبداله؟</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>انقر نقرًا مزدوجًا للتحرير...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>منحنى</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>إلى الأمام</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>رفع</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>خفض</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>إلى الخلف</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>تحرير النص</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>تحرير منحنى النص</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>إزالة شكل النص</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>تحرير </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>إغلاق الملف</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>هل تريد حفظ التغييرات؟</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>هل أنت متأكد أنك تريد الإنهاء وفقدان التغييرات؟</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>هل أنت متأكد أنك تريد الإنهاء؟</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>لا توجد خلفية بعد.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>اختيار الخلفية</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>الخطوة 1: اختر صورة كخلفية.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
</context>
</TS>
