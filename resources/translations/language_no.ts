<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Dra for å endre perspektivet.
Dobbeltklikk for å oppheve transformasjonene.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Dra med venstre eller høyre museknapp.
 - Hold nede SHIFT for fri endring av størrelse
 - Hold nede CTRL for bare å skalere
 - Hold nede ALT for bare å rotere
 - Dobbeltklikk for å tilbakestille rotasjonen.</translation>
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
        <translation>Slett innhold</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Alt %1 valgte innhold blir slettet. Vil du fortsette?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Fremst</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Hev</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Senk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Bakerst</translation>
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
        <translation>Tilpass</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Denne filen kunne ikke legges til:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Disse filene kunne ikke legges til:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Bilder ikke lagt til</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Ikke nok minne.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Kunne ikke laste inn filen.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Kunne ikke lagre filen:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Bakgrunnsfarge</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Bakgrunnsbilde</translation>
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
        <translation>Velg farge for lerretet</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Velg øverste farge for lerretet</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Velg nederste farge for lerretet</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Legg til bakgrunn</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Fjern bakgrunn</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Åpne collageprosjekt</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Åpne prosjekt</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Lagre prosjekt</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Klistremerker</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Lerret</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farge</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Vis rutenett</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Fargeoverganger</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Behold forhold ved å fylle ut</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Behold størrelsesforhold</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Ignorer størrelsesforhold</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Lerretsstørrelse</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Dokumentet deklarerer entiteter, noe ingen prosjekter inneholder.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Dokumentet inneholder mer enn %1 byte tekst.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Dokumentet er nestet mer enn %1 nivåer dypt.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Dokumentet inneholder mer enn %1 elementer.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Innlastingsfeil</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Kan ikke laste inn collagefilen %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Tolkningsfeil</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Kan ikke tolke collagefilen %1. Feilen var: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Ikke funnet: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Kan ikke leses: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Noen bilder i collagefilen %1 ble ikke funnet. De beholder plassen sin og lagres med prosjektet.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Noen bilder i collagefilen %1 kunne ikke leses. De beholder plassen sin og lagres med prosjektet.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Noen bilder i collagefilen %1 ble ikke funnet eller kunne ikke leses. De beholder plassen sin og lagres med prosjektet.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Bilder ikke lastet inn</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Manglende bilder</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Filfeil</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Feil ved lagring til %1-filen '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Velg collagefilen</translation>
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
        <translation>Topp</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bunn</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Venstre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Høyre</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Dekkevne</translation>
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
        <translation>Fremst</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Hev</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Senk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Bakerst</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspektiv</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Gjenopprett</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Dekkevne</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Skyggefarge</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Velg skyggefarge</translation>
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
        <translation>Lerretsstørrelse</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Høyde:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Metning</translation>
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
        <translation>Skarphet</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Fargetone</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Farge</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Velg skyggefarge</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Dekkevne</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Marg</translation>
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
        <translation>Kameraets RAW-fil kan ikke leses (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Filen er skadet eller ufullstendig.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Det finnes ikke noe bilde å lagre.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>Filnavnet har ingen endelse som angir bildetypen.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Bilder kan ikke lagres som «%1»-filer.</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>Bildet kunne ikke kodes som «%1».</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>Bildet på %1 x %2 piksler er for stort til å åpnes (mer enn %3 MB minne).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Filen oppgir et bilde på %1 x %2 piksler, mer enn de %3 bytene kan romme: den er skadet eller ufullstendig.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Antall kolonner:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Flisstørrelse:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Maler</translation>
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
        <translation>Gjenopprett originalen</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Velg en png med maske</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>Det valgte bildet støttes ikke eller er skadet.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>Det valgte bildet har ikke noe alfalag.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Ikke nok minne.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Klistremerker</translation>
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
        <translation>Generer</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Fliser</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Forskjøvet</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Tilpass farge</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Ikke nok minne.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Ingen av flisbildene kunne leses.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Det oppstod en ukjent feil.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 av %2 flisbilder kunne ikke leses og ble utelatt.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Legg til fliser</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Fjern fliser</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Trinn 2: Velg bilder som fliser, jo flere jo bedre.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
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
        <translation>Versjon %1</translation>
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
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Nettbasert hjelp</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Vanlige spørsmål om produktet</translation>
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
        <translation>Språk</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>Språket er byttet. Start programmet på nytt.</translation>
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
        <translation>%1 av %2 fil(er) valgt.</translation>
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
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Legg til bilde</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Legg til tekst</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Lagre som bilde</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Finjustering og dekorasjon</translation>
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
        <translation>For vannrette panoramaer må du velge 2 eller flere bilder.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>For loddrette panoramaer må du velge 2 eller flere bilder.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>For 360-graders panoramaer må du velge 6 eller flere bilder.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>For flisepanoramaer må du velge 4 til 16 bilder.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>De valgte bildene kan ikke fylle et helt flisenett. Velg et partall bilder, eller 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>De valgte bildene har ikke samme pikselstørrelse og kan derfor ikke settes sammen.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Noen av de valgte bildene støttes ikke eller er skadet.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>De valgte bildene er for små.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Noen av bildene ved siden av hverandre overlapper ikke nok til å settes sammen. Velg bilder av ett motiv der hvert bilde deler omtrent en tredjedel av utsnittet med det neste.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Sammensettingen mislyktes.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Legg til bilder</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Velg en gruppe bilder og passende alternativer.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Opprinnelig størrelse</translation>
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
        <translation>Velg opprinnelig størrelse for utskrift.
Velg en liten størrelse for skjermvisning eller deling på nettet.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Vannrett</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Loddrett</translation>
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
        <translation>Bilde</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Det er ikke en vanlig fil.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Finjustering</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Fremst</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Hev</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Senk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Bakerst</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Speil vannrett</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Speil loddrett</translation>
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
        <translation>Speil</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Vend vannrett</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Vend loddrett</translation>
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
        <translation>Skriver:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Ingen skrivere funnet&gt;</translation>
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
        <translation>Fargemodus:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gråtoner</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farge</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Tilpass til siden</translation>
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
        <translation>Feil</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Kunne ikke skrive ut på skriveren «%1».</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Kunne ikke lagre filen:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Velg plassering for PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Lim inn</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farge:</translation>
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
        <translation>Åpne fil</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Lagre fil</translation>
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
        <translation>Fet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Understreking</translation>
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
        <translation>Lim inn</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Utvalg</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 bilder valgt</translation>
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
        <translation>Lysbildefremvisning</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 finnes allerede.
Vil du erstatte den?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Dobbeltklikk for å redigere...</translation>
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
        <translation>Fremst</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Hev</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Senk</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Bakerst</translation>
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
        <translation>Vil du lagre endringene?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Er du sikker på at du vil avslutte og miste endringene?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Er du sikker på at du vil avslutte?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Ingen bakgrunn ennå.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Velg bakgrunn</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Trinn 1: Velg et bilde som bakgrunn.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
</context>
</TS>
