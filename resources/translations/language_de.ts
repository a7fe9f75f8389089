<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Ziehen, um die Perspektive zu ändern.
Doppelklick hebt die Transformationen auf.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Mit linker oder rechter Maustaste ziehen.
 - UMSCHALT halten für freie Größenänderung
 - STRG halten, um nur zu skalieren
 - ALT halten, um nur zu drehen
 - Doppelklick stellt die Drehung zurück.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Ebene</translation>
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
        <translation>Inhalt löschen</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Alle %1 ausgewählten Inhalte werden gelöscht. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Nach vorne</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>In den Hintergrund</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>Feinabstimmung</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Diese Datei konnte nicht hinzugefügt werden:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Diese Dateien konnten nicht hinzugefügt werden:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Bilder nicht hinzugefügt</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Datei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Datei konnte nicht gespeichert werden:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 px (gesperrt)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Farbe der Leinwand wählen</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Obere Farbe der Leinwand wählen</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Untere Farbe der Leinwand wählen</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Hintergrund hinzufügen</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Hintergrund entfernen</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Collage-Projekt öffnen</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Sticker</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Leinwand</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Raster anzeigen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Verläufe</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Seitenverhältnis durch Füllen beibehalten</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Seitenverhältnis ignorieren</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Leinwandgröße</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Das Dokument deklariert Entitäten, die kein Projekt enthält.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Das Dokument enthält mehr als %1 Byte Text.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Das Dokument ist mehr als %1 Ebenen tief verschachtelt.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Das Dokument enthält mehr als %1 Elemente.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Ladefehler</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Die Collage-Datei %1 kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Analysefehler</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Die Collage-Datei %1 kann nicht analysiert werden. Der Fehler war: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Nicht lesbar: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Einige Bilder der Collage-Datei %1 wurden nicht gefunden. Sie behalten ihren Platz und werden mit dem Projekt gespeichert.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Einige Bilder der Collage-Datei %1 konnten nicht gelesen werden. Sie behalten ihren Platz und werden mit dem Projekt gespeichert.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Einige Bilder der Collage-Datei %1 wurden nicht gefunden oder konnten nicht gelesen werden. Sie behalten ihren Platz und werden mit dem Projekt gespeichert.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Bilder nicht geladen</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Fehlende Bilder</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Fehler beim Speichern in die %1-Datei „%2“</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Collage-Datei auswählen</translation>
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
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
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
        <translation>Nach vorne</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Tiefer</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspektive</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Schattenfarbe wählen</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Schattenradius</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Leinwandgröße</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Schärfe</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Tönung</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Schattenfarbe wählen</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Keine Form</translation>
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
        <translation>Die RAW-Datei der Kamera kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Die Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>Der Dateiname hat keine Endung, die den Bildtyp angibt.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Bilder können nicht als „%1“-Dateien gespeichert werden.</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>Das Bild konnte nicht als „%1“ kodiert werden.</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>Das Bild mit %1 x %2 Pixeln ist zu groß zum Öffnen (mehr als %3 MB Speicher).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Die Datei gibt ein Bild mit %1 x %2 Pixeln an, mehr als ihre %3 Bytes fassen können: Sie ist beschädigt oder unvollständig.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Spaltenzahl:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Kachelgröße:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Lokale Maske</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Original wiederherstellen</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Wählen Sie ein PNG mit Maske</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>Das gewählte Foto wird nicht unterstützt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>Das gewählte Foto hat keine Alpha-Ebene.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Sticker</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Versetzt</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Farbe angleichen</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Keines der Kachelfotos konnte gelesen werden.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 von %2 Kachelfotos konnten nicht gelesen werden und wurden ausgelassen.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Kacheln hinzufügen</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Kacheln entfernen</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Schritt 2: Wählen Sie Fotos als Kacheln, je mehr, desto besser.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
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
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Produkt-FAQ</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Kundendienst kontaktieren</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>Die Sprache wurde umgestellt. Bitte starten Sie die Anwendung neu.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Keine Dateien</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 Datei(en)</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%1 von %2 Datei(en) ausgewählt.</translation>
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
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Als Bild speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Feinabstimmung &amp; Dekoration</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Für horizontale Panoramen wählen Sie mindestens 2 Fotos aus.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Für vertikale Panoramen wählen Sie mindestens 2 Fotos aus.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>Für 360-Grad-Panoramen wählen Sie mindestens 6 Fotos aus.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Für Kachelpanoramen wählen Sie 4 bis 16 Fotos aus.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>Die ausgewählten Fotos füllen kein vollständiges Kachelraster. Wählen Sie eine gerade Anzahl Fotos oder 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>Die ausgewählten Fotos haben nicht dieselbe Pixelgröße und können daher nicht zusammengefügt werden.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Einige ausgewählte Fotos werden nicht unterstützt oder sind beschädigt.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>Die ausgewählten Fotos sind zu klein.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Einige benachbarte Fotos überlappen sich nicht genug, um zusammengefügt zu werden. Wählen Sie Fotos einer Szene, die jeweils etwa ein Drittel ihres Bildes mit dem nächsten teilen.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Das Zusammenfügen ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Wählen Sie eine Gruppe von Fotos und passende Optionen.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 Größe</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 Größe</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Zum Drucken wählen Sie die Originalgröße.
Für die Anzeige am Bildschirm oder im Web wählen Sie eine kleine Größe.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kacheln</translation>
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
        <translation>Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Feinabstimmung</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Nach vorne</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Keine Drucker gefunden&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Seitenausrichtung:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Farbmodus:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Drucken auf dem Drucker „%1“ fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Datei konnte nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>PDF-Speicherort wählen</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
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
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 Bilder ausgewählt</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 Objekte ausgewählt</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Diashow</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Zum Bearbeiten doppelklicken...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Nach vorne</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Tiefer</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Textkurve bearbeiten</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Textform entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Bearbeiten </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Datei schließen</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Möchten Sie wirklich beenden und Ihre Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Möchten Sie wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Noch kein Hintergrund.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Hintergrund wählen</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Schritt 1: Wählen Sie ein Foto als Hintergrund.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
</TS>
