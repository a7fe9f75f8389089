<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Drag around to change the perspective.
Double click to cancel the transformations.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Shape</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>Delete content</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>All the %1 selected content will be deleted, do you want to continue?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>To Front</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>To Back</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>Fine-tuning</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Fit in</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>This file could not be added:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>These files could not be added:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Pictures not added</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Not enough memory.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Failed to load file.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Failed to save file:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Background Color</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Background Picture</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 Pix (Locked)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Select canvas color</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Select canvas top color</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Select canvas bottom color</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Add background</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Clear background</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Open Collage Project</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Stickers</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Canvas</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Show Grid</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Gradients</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Keep ratio by expanding</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Keep aspect ratio</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Ignore aspect ratio</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Canvas Size</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>The document declares entities, which no project holds.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>The document holds more than %1 bytes of text.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>The document is nested more than %1 levels deep.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>The document holds more than %1 elements.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Loading error</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Unable to load the Collage file %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Parsing error</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Unable to parse the Collage file %1. The error was: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Not found: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Pictures not loaded</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Missing pictures</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>File Error</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Error saving to the %1 file '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Select the Collage file</translation>
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
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>To Front</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>To Back</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspective</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Shadow Color</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Select shadow color</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Shadow Radius</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Canvas Size</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Sharpness</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
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
        <translation>Color</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Select shadow color</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>No Shape</translation>
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
        <translation>The camera RAW file cannot be read (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>The file is damaged or incomplete.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>There is no image to save.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>The file name has no suffix to tell the image type.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Images cannot be saved as "%1" files.</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>The image could not be encoded as "%1".</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Column Count:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Tile Size:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Templates</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Local Mask</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Restore to original</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Choose a png with mask</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>The selected photo is not supported or damaged.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>The selected photo has no alpha layer.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Not enough memory.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Stickers</translation>
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
        <translation>Generate</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Interlace</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Match Color</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Not enough memory.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>None of the tile photos could be read.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Unknown error happened.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 of %2 tile photos could not be read and were left out.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Add Tiles</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Remove Tiles</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Step2: Select photos as tiles,  the more the better.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>About %1</translation>
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
        <translation>Edit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Online Help</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Product FAQ</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contact Customer Service</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>The language is switched successfully, please restart your application.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>No files</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 file(s)</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%1 of %2 file(s) selected.</translation>
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
        <translation>Back</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Add Picture</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Add Text</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Save as Image</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Fine-tuning &amp; Decoration</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>For horizontal panoramas, you need to select 2 or more photos.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>For vertical panoramas, you need to select 2 or more photos.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>For 360-degree panoramas, you need to select 6 or more photos.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>For tile panoramas, you need to select 4 to 16 photos.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>The selected photos do not have the same pixel size and therefore cannot be stitched.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Some selected photos are not supported or damaged.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>The selected photos are too small.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Stitching failed.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Add Photos</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Select a group of photos and suitable options.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Original Size</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 Size</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 Size</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>For printing,  select original size.  
For digital display or web sharing,  select a small size.</translation>
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
        <translation>Tile</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Fine-tuning</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>To Front</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>To Back</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Flip H</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Flip V</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Flip Horizontal</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Flip Vertical</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;No printers found&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Page orientation:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Color mode:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Grayscale</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Fit to page</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Failed to print on printer "%1".</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Failed to save file:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Choose pdf location</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
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
        <translation>Open File</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Edit Text</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 pictures selected</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 objects selected</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Slideshow</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Double click to edit...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>To Front</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>To Back</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Edit Text</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Edit Text Curve</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Remove Text Shape</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Edit </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Closing File</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Do you want to save your changes?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Are you sure you want to quit and lose your changes?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Are you sure you want to quit?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>No background yet.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Select Background</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Step 1: Select a photo as background.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
</TS>
