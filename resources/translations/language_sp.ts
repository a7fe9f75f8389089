<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Arrastre para cambiar la perspectiva.
Haga doble clic para cancelar las transformaciones.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Arrastre con el botón izquierdo o derecho del ratón.
 - Mantenga pulsada MAYÚS para redimensionar libremente
 - Mantenga pulsada CTRL para solo escalar
 - Mantenga pulsada ALT para solo girar
 - Haga doble clic para restaurar la rotación.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Capa</translation>
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
        <translation>Eliminar contenido</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Se eliminarán los %1 contenidos seleccionados. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Al frente</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Al fondo</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>Ajuste fino</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>No se pudo añadir este archivo:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>No se pudieron añadir estos archivos:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Imágenes no añadidas</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>No hay suficiente memoria.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>No se pudo cargar el archivo.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>No se pudo guardar el archivo:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 px (bloqueado)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Seleccionar el color del lienzo</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Seleccionar el color superior del lienzo</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Seleccionar el color inferior del lienzo</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Añadir fondo</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Quitar fondo</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Abrir proyecto de collage</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Pegatinas</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Lienzo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Mostrar cuadrícula</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Degradados</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Mantener proporción ampliando</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Mantener proporción</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Ignorar proporción</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Tamaño del lienzo</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>El documento declara entidades, que ningún proyecto contiene.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>El documento contiene más de %1 bytes de texto.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>El documento está anidado a más de %1 niveles.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>El documento contiene más de %1 elementos.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Error de carga</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>No se puede cargar el archivo de collage %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Error de análisis</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>No se puede analizar el archivo de collage %1. El error fue: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>No encontrado: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>No se puede leer: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>No se encontraron algunas imágenes del archivo de collage %1. Conservan su lugar y se guardan con el proyecto.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>No se pudieron leer algunas imágenes del archivo de collage %1. Conservan su lugar y se guardan con el proyecto.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Algunas imágenes del archivo de collage %1 no se encontraron o no se pudieron leer. Conservan su lugar y se guardan con el proyecto.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Imágenes no cargadas</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Imágenes que faltan</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Error al guardar en el archivo de %1 '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Seleccionar el archivo de collage</translation>
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
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
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
        <translation>Al frente</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Al fondo</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspectiva</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Color de sombra</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Seleccionar el color de la sombra</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Radio de sombra</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Tamaño del lienzo</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Matiz</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Seleccionar el color de la sombra</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Margen</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Sin forma</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>No se puede leer el archivo RAW de la cámara (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>El archivo está dañado o incompleto.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>El nombre del archivo no tiene una extensión que indique el tipo de imagen.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Las imágenes no se pueden guardar como archivos «%1».</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>No se pudo codificar la imagen como «%1».</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>La imagen de %1 x %2 píxeles es demasiado grande para abrirla (más de %3 MB de memoria).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>El archivo declara una imagen de %1 x %2 píxeles, más de lo que caben en sus %3 bytes: está dañado o incompleto.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Número de columnas:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Tamaño de tesela:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Máscara local</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Restaurar original</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Elija un png con máscara</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>La foto elegida no es compatible o está dañada.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>La foto elegida no tiene capa alfa.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>No hay suficiente memoria.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Pegatinas</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Entrelazado</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Ajustar color</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>No hay suficiente memoria.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>No se pudo leer ninguna foto de mosaico.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Se produjo un error desconocido.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 de %2 fotos de mosaico no se pudieron leer y se omitieron.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Añadir teselas</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Quitar teselas</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Paso 2: Elija fotos como teselas; cuantas más, mejor.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Preguntas frecuentes del producto</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contactar con el servicio de atención al cliente</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>El idioma se ha cambiado correctamente. Reinicie la aplicación.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Ningún archivo</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 archivo(s)</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%1 de %2 archivo(s) seleccionado(s).</translation>
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
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Guardar como imagen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Ajuste fino y decoración</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Para panoramas horizontales, seleccione 2 o más fotos.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Para panoramas verticales, seleccione 2 o más fotos.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>Para panoramas de 360 grados, seleccione 6 o más fotos.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Para panoramas en mosaico, seleccione de 4 a 16 fotos.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>Las fotos seleccionadas no llenan una cuadrícula completa. Seleccione un número par de fotos, o 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>Las fotos seleccionadas no tienen el mismo tamaño en píxeles y por eso no se pueden unir.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Algunas fotos seleccionadas no son compatibles o están dañadas.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>Las fotos seleccionadas son demasiado pequeñas.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Algunas fotos contiguas no se solapan lo suficiente para unirse. Seleccione fotos de una misma escena, cada una compartiendo cerca de un tercio de su encuadre con la siguiente.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>La unión ha fallado.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Seleccione un grupo de fotos y las opciones adecuadas.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 tamaño</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 tamaño</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Para imprimir, seleccione el tamaño original.
Para pantalla o para compartir en la web, seleccione un tamaño pequeño.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Ajuste fino</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Al frente</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Al fondo</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Voltear H</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Voltear V</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Voltear verticalmente</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;No se encontraron impresoras&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Orientación de página:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Modo de color:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>No se pudo imprimir en la impresora "%1".</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>No se pudo guardar el archivo:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Elegir ubicación del PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
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
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 imágenes seleccionadas</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 objetos seleccionados</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Presentación</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Haga doble clic para editar...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Al frente</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Al fondo</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Editar curva del texto</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Quitar forma del texto</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Editar </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Cerrar archivo</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>¿Seguro que desea salir y perder los cambios?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Aún no hay fondo.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Seleccionar fondo</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Paso 1: Elija una foto como fondo.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
</TS>
