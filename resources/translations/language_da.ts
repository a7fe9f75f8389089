<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Træk for at ændre perspektivet.
Dobbeltklik for at annullere transformationerne.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Træk med venstre eller højre museknap.
 - Hold SHIFT nede for fri størrelsesændring
 - Hold CTRL nede for kun at skalere
 - Hold ALT nede for kun at rotere
 - Dobbeltklik for at nulstille rotationen.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Lag</translation>
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
        <translation>Slet indhold</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Alle %1 valgte indhold bliver slettet. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Forrest</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Hæv</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Sænk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Bagerst</translation>
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
        <translation>Tilpas</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Denne fil kunne ikke tilføjes:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Disse filer kunne ikke tilføjes:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Billeder ikke tilføjet</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Ikke nok hukommelse.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Kunne ikke indlæse filen.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Kunne ikke gemme filen:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Baggrundsfarve</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Baggrundsbillede</translation>
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
        <translation>Vælg lærredets farve</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Vælg lærredets øverste farve</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Vælg lærredets nederste farve</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Tilføj baggrund</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Fjern baggrund</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Åbn collageprojekt</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Åbn projekt</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Gem projekt</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportér</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Klistermærker</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Lærred</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farve</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Vis gitter</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Gradienter</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Bevar format ved udfyldning</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Bevar billedformat</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Ignorér billedformat</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Lærredsstørrelse</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Dokumentet erklærer entiteter, hvilket intet projekt indeholder.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Dokumentet indeholder mere end %1 byte tekst.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Dokumentet er indlejret mere end %1 niveauer dybt.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Dokumentet indeholder mere end %1 elementer.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Indlæsningsfejl</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Kan ikke indlæse collagefilen %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Fortolkningsfejl</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Kan ikke fortolke collagefilen %1. Fejlen var: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Ikke fundet: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Kan ikke læses: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Nogle billeder i collagefilen %1 blev ikke fundet. De beholder deres plads og gemmes med projektet.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Nogle billeder i collagefilen %1 kunne ikke læses. De beholder deres plads og gemmes med projektet.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Nogle billeder i collagefilen %1 blev ikke fundet eller kunne ikke læses. De beholder deres plads og gemmes med projektet.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Billeder ikke indlæst</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Manglende billeder</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Filfejl</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Fejl ved lagring til %1-filen '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Vælg collagefilen</translation>
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
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bund</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Venstre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Højre</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Uigennemsigtighed</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredde</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>Stabel</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Forrest</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Hæv</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Sænk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Bagerst</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspektiv</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Gendan</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Uigennemsigtighed</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Skyggefarve</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Vælg skyggefarve</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Skyggeradius</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Lærredsstørrelse</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Højde:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Mætning</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lysstyrke</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Skarphed</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Nuance</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Farve</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Vælg skyggefarve</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Uigennemsigtighed</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Margen</translation>
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
        <translation>Kameraets RAW-fil kan ikke læses (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Filen er beskadiget eller ufuldstændig.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Der er intet billede at gemme.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>Filnavnet har ingen endelse, der angiver billedtypen.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Billeder kan ikke gemmes som "%1"-filer.</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>Billedet kunne ikke kodes som "%1".</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>Billedet på %1 x %2 pixel er for stort til at åbne (mere end %3 MB hukommelse).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Filen angiver et billede på %1 x %2 pixel, mere end dens %3 byte kan rumme: den er beskadiget eller ufuldstændig.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Antal kolonner:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Flisestørrelse:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Skabeloner</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Lokal maske</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Gendan originalen</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Vælg en png med maske</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>Det valgte foto understøttes ikke eller er beskadiget.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>Det valgte foto har intet alfalag.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Ikke nok hukommelse.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportér</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Klistermærker</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generér</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Tilstand:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Fliser</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Forskudt</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Tilpas farve</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Ikke nok hukommelse.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Ingen af flisefotoene kunne læses.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Der opstod en ukendt fejl.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 af %2 flisefotos kunne ikke læses og blev udeladt.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Tilføj fliser</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Fjern fliser</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Trin 2: Vælg fotos som fliser, jo flere jo bedre.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
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
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Onlinehjælp</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Ofte stillede spørgsmål om produktet</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Kontakt kundeservice</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>Sproget er skiftet. Genstart programmet.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Ingen filer</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 fil(er)</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%1 af %2 fil(er) valgt.</translation>
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
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Tilføj billede</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Tilføj tekst</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Gem som billede</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Finjustering og dekoration</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Til vandrette panoramaer skal du vælge 2 eller flere fotos.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Til lodrette panoramaer skal du vælge 2 eller flere fotos.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>Til 360-graders panoramaer skal du vælge 6 eller flere fotos.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Til flisepanoramaer skal du vælge 4 til 16 fotos.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>De valgte fotos kan ikke udfylde et helt flisegitter. Vælg et lige antal fotos, eller 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>De valgte fotos har ikke samme pixelstørrelse og kan derfor ikke sættes sammen.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Nogle af de valgte fotos understøttes ikke eller er beskadigede.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>De valgte fotos er for små.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Nogle af de tilstødende fotos overlapper ikke nok til at kunne sættes sammen. Vælg fotos af ét motiv, hvor hvert foto deler omkring en tredjedel af billedet med det næste.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Sammensætningen mislykkedes.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Tilføj fotos</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Vælg en gruppe fotos og passende indstillinger.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Original størrelse</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 størrelse</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 størrelse</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Vælg original størrelse til udskrivning.
Vælg en lille størrelse til skærmvisning eller deling på nettet.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Vandret</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Lodret</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Fliser</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Billede</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Det er ikke en almindelig fil.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Finjustering</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Forrest</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Hæv</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Sænk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Bagerst</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Vend vandret</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Vend lodret</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Spejl</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Vend vandret</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Vend lodret</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Ingen printere fundet&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Sideretning:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggende</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Farvetilstand:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gråtoner</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farve</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Tilpas til side</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Kunne ikke udskrive på printeren "%1".</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Kunne ikke gemme filen:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Vælg placering til PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Indsæt</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markér alt</translation>
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
        <translation>Farve:</translation>
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
        <translation>Åbn fil</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Gem fil</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Rediger tekst</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fed</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Understreget</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Indsæt</translation>
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
        <translation>Fjern</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 billeder valgt</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 objekter valgt</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Diasshow</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 findes allerede.
Vil du erstatte den?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Dobbeltklik for at redigere...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Forrest</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Hæv</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Sænk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Bagerst</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Rediger tekst</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Rediger tekstkurve</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Fjern tekstform</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Rediger </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Lukker fil</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Vil du gemme dine ændringer?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Er du sikker på, at du vil afslutte og miste dine ændringer?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Er du sikker på, at du vil afslutte?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Ingen baggrund endnu.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Vælg baggrund</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Trin 1: Vælg et foto som baggrund.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
</context>
</TS>
