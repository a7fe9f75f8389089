<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Sleep om het perspectief te wijzigen.
Dubbelklik om de transformaties te annuleren.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Sleep met de linker- of rechtermuisknop.
 - Houd SHIFT ingedrukt om vrij van grootte te veranderen
 - Houd CTRL ingedrukt om alleen te schalen
 - Houd ALT ingedrukt om alleen te draaien
 - Dubbelklik om de draaiing te herstellen.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Vorm</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>Inhoud verwijderen</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Alle %1 geselecteerde inhoud wordt verwijderd. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Naar voren</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Naar achteren</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>Fijnafstemming</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Passend maken</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Dit bestand kon niet worden toegevoegd:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Deze bestanden konden niet worden toegevoegd:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Afbeeldingen niet toegevoegd</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Onvoldoende geheugen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Laden van bestand mislukt.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Opslaan van bestand mislukt:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Achtergrondafbeelding</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 px (vergrendeld)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Kleur van het canvas kiezen</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Bovenste kleur van het canvas kiezen</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Onderste kleur van het canvas kiezen</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Achtergrond toevoegen</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Achtergrond wissen</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Collageproject openen</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Project openen</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Project opslaan</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Stickers</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Canvas</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Raster tonen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Verlopen</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Verhouding behouden door te vergroten</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Beeldverhouding behouden</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Beeldverhouding negeren</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Canvasgrootte</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Het document declareert entiteiten, die geen enkel project bevat.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Het document bevat meer dan %1 bytes tekst.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Het document is meer dan %1 niveaus diep genest.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Het document bevat meer dan %1 elementen.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Fout bij laden</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Kan het collagebestand %1 niet laden</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Fout bij verwerken</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Kan het collagebestand %1 niet verwerken. De fout was: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Niet gevonden: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Kan niet worden gelezen: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Sommige afbeeldingen van het collagebestand %1 zijn niet gevonden. Ze behouden hun plaats en worden met het project opgeslagen.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Sommige afbeeldingen van het collagebestand %1 konden niet worden gelezen. Ze behouden hun plaats en worden met het project opgeslagen.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Sommige afbeeldingen van het collagebestand %1 zijn niet gevonden of konden niet worden gelezen. Ze behouden hun plaats en worden met het project opgeslagen.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Afbeeldingen niet geladen</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Ontbrekende afbeeldingen</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Bestandsfout</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Fout bij opslaan naar het %1-bestand '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Selecteer het collagebestand</translation>
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
        <translation>Boven</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Onder</translation>
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
        <translation>Dekking</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
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
        <translation>Naar voren</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Naar achteren</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspectief</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Dekking</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schaduwkleur</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Schaduwkleur kiezen</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Schaduwstraal</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Canvasgrootte</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breedte:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hoogte:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Verzadiging</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Scherpte</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Tint</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Schaduwkleur kiezen</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Dekking</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Geen vorm</translation>
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
        <translation>Het RAW-bestand van de camera kan niet worden gelezen (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Het bestand is beschadigd of onvolledig.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Er is geen afbeelding om op te slaan.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>De bestandsnaam heeft geen extensie die het afbeeldingstype aangeeft.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Afbeeldingen kunnen niet als "%1"-bestanden worden opgeslagen.</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>De afbeelding kon niet als "%1" worden gecodeerd.</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>De afbeelding van %1 x %2 pixels is te groot om te openen (meer dan %3 MB geheugen).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Het bestand beweert een afbeelding van %1 x %2 pixels te bevatten, meer dan de %3 bytes kunnen bevatten: het is beschadigd of onvolledig.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Aantal kolommen:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Tegelgrootte:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Sjablonen</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Lokaal masker</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Origineel herstellen</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Kies een png met masker</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>De gekozen foto wordt niet ondersteund of is beschadigd.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>De gekozen foto heeft geen alfalaag.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Onvoldoende geheugen.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Stickers</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Masker</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genereren</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tegels</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Verspringend</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Kleur afstemmen</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Onvoldoende geheugen.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Geen van de tegelfoto's kon worden gelezen.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Er is een onbekende fout opgetreden.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 van %2 tegelfoto's konden niet worden gelezen en zijn weggelaten.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Tegels toevoegen</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Tegels verwijderen</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Stap 2: Kies foto's als tegels, hoe meer hoe beter.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Online help</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Veelgestelde vragen over het product</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contact opnemen met de klantenservice</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>De taal is gewijzigd. Start de toepassing opnieuw.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Geen bestanden</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 bestand(en)</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%1 van %2 bestand(en) geselecteerd.</translation>
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
        <translation>Terug</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Afbeelding toevoegen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Tekst toevoegen</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Opslaan als afbeelding</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Fijnafstemming en decoratie</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Formaat</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Voor horizontale panorama's moet u 2 of meer foto's selecteren.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Voor verticale panorama's moet u 2 of meer foto's selecteren.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>Voor 360-gradenpanorama's moet u 6 of meer foto's selecteren.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Voor tegelpanorama's moet u 4 tot 16 foto's selecteren.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>De geselecteerde foto's kunnen geen volledig tegelraster vullen. Selecteer een even aantal foto's, of 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>De geselecteerde foto's hebben niet dezelfde pixelgrootte en kunnen daarom niet worden samengevoegd.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Sommige geselecteerde foto's worden niet ondersteund of zijn beschadigd.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>De geselecteerde foto's zijn te klein.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Sommige aangrenzende foto's overlappen niet genoeg om te worden samengevoegd. Kies foto's van één onderwerp die elk ongeveer een derde van hun beeld met de volgende delen.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Samenvoegen mislukt.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Foto's toevoegen</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Kies een groep foto's en passende opties.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Oorspronkelijk formaat</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 formaat</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 formaat</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Kies voor afdrukken het oorspronkelijke formaat.
Kies voor weergave op een scherm of delen op het web een klein formaat.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tegels</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Fijnafstemming</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Naar voren</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Naar achteren</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Horizontaal spiegelen</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Verticaal spiegelen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Spiegelen</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Horizontaal spiegelen</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Verticaal spiegelen</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Geen printers gevonden&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Paginarichting:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Kleurmodus:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Grijstinten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Aanpassen aan pagina</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Afdrukken op printer "%1" is mislukt.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Opslaan van bestand mislukt:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Kies locatie voor PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kleur:</translation>
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
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Tekst bewerken</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Onderstrepen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Selectie</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 afbeeldingen geselecteerd</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 objecten geselecteerd</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Diavoorstelling</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Dubbelklik om te bewerken...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Naar voren</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Naar achteren</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Tekst bewerken</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Tekstcurve bewerken</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Tekstvorm verwijderen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Bewerken </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Bestand sluiten</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Wilt u uw wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Weet u zeker dat u wilt afsluiten en uw wijzigingen wilt verliezen?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Weet u zeker dat u wilt afsluiten?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Nog geen achtergrond.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Achtergrond kiezen</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Stap 1: Kies een foto als achtergrond.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
</context>
</TS>
