<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Trascina per cambiare la prospettiva.
Fai doppio clic per annullare le trasformazioni.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Trascina con il tasto sinistro o destro del mouse.
 - Tieni premuto MAIUSC per ridimensionare liberamente
 - Tieni premuto CTRL per scalare soltanto
 - Tieni premuto ALT per ruotare soltanto
 - Fai doppio clic per ripristinare la rotazione.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>Elimina contenuto</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Tutti i %1 contenuti selezionati verranno eliminati. Continuare?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>In primo piano</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Alza</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Abbassa</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>In fondo</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>Regolazione fine</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Impossibile aggiungere questo file:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Impossibile aggiungere questi file:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Immagini non aggiunte</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Impossibile caricare il file.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Impossibile salvare il file:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 px (bloccato)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Seleziona il colore della tela</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Seleziona il colore superiore della tela</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Seleziona il colore inferiore della tela</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Aggiungi sfondo</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Rimuovi sfondo</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Apri progetto collage</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Adesivi</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Mostra griglia</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Sfumature</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Mantieni proporzioni riempiendo</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Mantieni proporzioni</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Ignora proporzioni</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Dimensioni tela</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Il documento dichiara entità, che nessun progetto contiene.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Il documento contiene più di %1 byte di testo.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Il documento è annidato per più di %1 livelli.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Il documento contiene più di %1 elementi.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Errore di caricamento</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Impossibile caricare il file di collage %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Errore di analisi</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Impossibile analizzare il file collage %1. L'errore era: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Non trovato: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Impossibile leggere: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Alcune immagini del file collage %1 non sono state trovate. Mantengono il loro posto e vengono salvate con il progetto.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Alcune immagini del file collage %1 non sono state lette. Mantengono il loro posto e vengono salvate con il progetto.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Alcune immagini del file collage %1 non sono state trovate o non sono state lette. Mantengono il loro posto e vengono salvate con il progetto.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Immagini non caricate</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Immagini mancanti</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Errore di file</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Errore durante il salvataggio nel file %1 '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Seleziona il file di collage</translation>
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
        <translation>In alto</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>In basso</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>In primo piano</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Alza</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Abbassa</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>In fondo</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Prospettiva</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Colore ombra</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Scegli il colore dell'ombra</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Raggio ombra</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Dimensioni tela</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidezza</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Tinta</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Scegli il colore dell'ombra</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Margine</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Nessuna forma</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>Impossibile leggere il file RAW della fotocamera (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Il file è danneggiato o incompleto.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Non c'è alcuna immagine da salvare.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>Il nome del file non ha un'estensione che indichi il tipo di immagine.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Le immagini non possono essere salvate come file "%1".</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>Impossibile codificare l'immagine come "%1".</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>L'immagine di %1 x %2 pixel è troppo grande per essere aperta (più di %3 MB di memoria).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Il file dichiara un'immagine di %1 x %2 pixel, più di quanto i suoi %3 byte possano contenere: è danneggiato o incompleto.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Numero di colonne:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Dimensione tessera:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modelli</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Maschera locale</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Ripristina originale</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Scegli un png con maschera</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>La foto scelta non è supportata o è danneggiata.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>La foto scelta non ha un livello alfa.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Adesivi</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maschera</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modalità:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tessere</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Sfalsato</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Adatta colore</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Nessuna foto tessera è leggibile.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Si è verificato un errore sconosciuto.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 di %2 foto tessera non sono leggibili e sono state escluse.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Aggiungi tessere</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Rimuovi tessere</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Passo 2: scegli le foto come tessere, più sono meglio è.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Guida online</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Domande frequenti sul prodotto</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contatta l'assistenza clienti</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>La lingua è stata cambiata. Riavvia l'applicazione.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Nessun file</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 file</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%1 di %2 file selezionati.</translation>
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
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Salva come immagine</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Regolazione fine e decorazione</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Per i panorami orizzontali occorre selezionare almeno 2 foto.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Per i panorami verticali occorre selezionare almeno 2 foto.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>Per i panorami a 360 gradi occorre selezionare almeno 6 foto.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Per i panorami a tessere occorre selezionare da 4 a 16 foto.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>Le foto selezionate non possono riempire una griglia completa. Selezionate un numero pari di foto, oppure 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>Le foto selezionate non hanno la stessa dimensione in pixel e quindi non possono essere unite.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Alcune foto selezionate non sono supportate o sono danneggiate.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>Le foto selezionate sono troppo piccole.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Alcune foto vicine non si sovrappongono abbastanza per essere unite. Scegli foto di una stessa scena, ciascuna con circa un terzo dell'inquadratura in comune con la successiva.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Unione non riuscita.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Scegli un gruppo di foto e le opzioni adatte.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Dimensione originale</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 dimensione</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 dimensione</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Per la stampa scegli la dimensione originale.
Per la visualizzazione su schermo o la condivisione sul web scegli una dimensione piccola.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tessere</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Regolazione fine</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>In primo piano</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Alza</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Abbassa</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>In fondo</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Capovolgi O</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Capovolgi V</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Specchio</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Rifletti orizzontalmente</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Rifletti verticalmente</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Stampante:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Nessuna stampante trovata&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Orientamento pagina:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Modalità colore:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Adatta alla pagina</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Impossibile stampare sulla stampante "%1".</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Impossibile salvare il file:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Scegli la posizione del PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
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
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 immagini selezionate</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 oggetti selezionati</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Presentazione</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Fai doppio clic per modificare...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>In primo piano</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Alza</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Abbassa</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>In fondo</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Modifica curva del testo</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Rimuovi forma del testo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Modifica </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Chiusura del file</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Uscire davvero e perdere le modifiche?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Uscire davvero?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Nessuno sfondo ancora.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Seleziona sfondo</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Passo 1: scegli una foto come sfondo.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
</TS>
