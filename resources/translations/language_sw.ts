<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Dra för att ändra perspektivet.
Dubbelklicka för att ta bort transformationerna.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Dra med vänster eller höger musknapp.
 - Håll ned SHIFT för fri storleksändring
 - Håll ned CTRL för att bara skala
 - Håll ned ALT för att bara rotera
 - Dubbelklicka för att återställa rotationen.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>Ta bort innehåll</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Allt %1 markerat innehåll tas bort. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Längst fram</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Höj</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Sänk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Längst bak</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>Finjustering</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Kant</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Anpassa</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Den här filen kunde inte läggas till:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>De här filerna kunde inte läggas till:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Bilder lades inte till</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Inte tillräckligt med minne.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Det gick inte att läsa in filen.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Det gick inte att spara filen:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Bakgrundsfärg</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Bakgrundsbild</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Kant</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 px (låst)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Välj dukens färg</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Välj dukens övre färg</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Välj dukens nedre färg</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Lägg till bakgrund</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Ta bort bakgrund</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Öppna collageprojekt</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Öppna projekt</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Spara projekt</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Klistermärken</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Duk</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Visa rutnät</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Övertoningar</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Behåll proportioner genom att fylla</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Behåll proportioner</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Ignorera proportioner</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Dukens storlek</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Dokumentet deklarerar entiteter, vilket inget projekt innehåller.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Dokumentet innehåller mer än %1 byte text.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Dokumentet är kapslat mer än %1 nivåer djupt.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Dokumentet innehåller mer än %1 element.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Inläsningsfel</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Det gick inte att läsa in collagefilen %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Tolkningsfel</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Det går inte att tolka collagefilen %1. Felet var: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Hittades inte: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Kan inte läsas: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Vissa bilder i collagefilen %1 hittades inte. De behåller sin plats och sparas med projektet.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Några bilder i collagefilen %1 kunde inte läsas. De behåller sin plats och sparas med projektet.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Några bilder i collagefilen %1 hittades inte eller kunde inte läsas. De behåller sin plats och sparas med projektet.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Bilder lästes inte in</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Saknade bilder</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Filfel</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Fel vid sparande till %1-filen '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Välj collagefilen</translation>
    </message>
    <message>
        <source>Collage (*.pmp2)</source>
        <translation>Collage (*.pmp2)</translation>
    </message>
</context>
<context>
    <name>ColorBorderWidget</name>
    <message>
        <source>Top</source>
        <translation>Överkant</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Nederkant</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Höger</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacitet</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Längst fram</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Höj</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Sänk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Längst bak</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspektiv</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacitet</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Skuggfärg</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Välj skuggfärg</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Skuggradie</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Dukens storlek</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Bredd:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höjd:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Mättnad</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Ljusstyrka</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Skärpa</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Nyans</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Välj skuggfärg</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacitet</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Marginal</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Ingen form</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>Kamerans RAW-fil kan inte läsas (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Filen är skadad eller ofullständig.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Det finns ingen bild att spara.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>Filnamnet saknar en filändelse som anger bildtypen.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Bilder kan inte sparas som ”%1”-filer.</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>Bilden kunde inte kodas som ”%1”.</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>Bilden på %1 x %2 pixlar är för stor för att öppnas (mer än %3 MB minne).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Filen anger en bild på %1 x %2 pixlar, mer än dess %3 byte kan rymma: den är skadad eller ofullständig.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Antal kolumner:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Rutstorlek:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Mallar</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Lokal mask</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Återställ originalet</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Välj en png med mask</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>Det valda fotot stöds inte eller är skadat.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>Det valda fotot har inget alfalager.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Inte tillräckligt med minne.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Klistermärken</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Mask</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Läge:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Rutor</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Förskjutet</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Matcha färg</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Inte tillräckligt med minne.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Inget av plattfotona kunde läsas.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Ett okänt fel inträffade.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 av %2 plattfoton kunde inte läsas och utelämnades.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Lägg till plattor</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Ta bort plattor</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Steg 2: Välj foton som plattor, ju fler desto bättre.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Onlinehjälp</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Vanliga frågor om produkten</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Kontakta kundtjänst</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>Språket har bytts. Starta om programmet.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Inga filer</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 fil(er)</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%1 av %2 fil(er) markerade.</translation>
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
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Lägg till bild</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Lägg till text</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Spara som bild</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Finjustering och dekoration</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>För vågräta panoramor behöver du välja 2 eller fler foton.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>För lodräta panoramor behöver du välja 2 eller fler foton.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>För 360-graderspanoramor behöver du välja 6 eller fler foton.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>För rutpanoramor behöver du välja 4 till 16 foton.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>De valda fotona kan inte fylla ett helt rutnät. Välj ett jämnt antal foton, eller 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>De valda fotona har inte samma pixelstorlek och kan därför inte sättas ihop.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Några av de valda fotona stöds inte eller är skadade.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>De valda fotona är för små.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Några intilliggande foton överlappar inte tillräckligt för att kunna sättas ihop. Välj foton av en och samma scen där varje foto delar ungefär en tredjedel av bilden med nästa.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Sammanfogningen misslyckades.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Lägg till foton</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Välj en grupp foton och lämpliga alternativ.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Originalstorlek</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 storlek</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 storlek</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Välj originalstorlek för utskrift.
Välj en liten storlek för skärmvisning eller delning på webben.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Vågrät</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Lodrät</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Rutor</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Det är ingen vanlig fil.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Finjustering</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Längst fram</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Höj</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Sänk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Längst bak</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Vänd vågrätt</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Vänd lodrätt</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Spegla</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Vänd vågrätt</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Vänd lodrätt</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Skrivare:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Inga skrivare hittades&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Sidorientering:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggande</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Färgläge:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gråskala</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Anpassa till sidan</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Det gick inte att skriva ut på skrivaren "%1".</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Det gick inte att spara filen:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Välj plats för PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Färg:</translation>
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
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Spara fil</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Redigera text</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Understruken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Klistra in</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Markering</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 bilder markerade</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 objekt markerade</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Bildspel</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 finns redan.
Vill du ersätta den?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Dubbelklicka för att redigera...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurva</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Längst fram</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Höj</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Sänk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Längst bak</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Redigera text</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Redigera textkurva</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Ta bort textform</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Redigera </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Stänger fil</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Vill du spara ändringarna?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Vill du verkligen avsluta och förlora ändringarna?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Vill du verkligen avsluta?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Ingen bakgrund än.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Välj bakgrund</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Steg 1: Välj ett foto som bakgrund.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
</context>
</TS>
