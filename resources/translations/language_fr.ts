<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Faites glisser pour modifier la perspective.
Double-cliquez pour annuler les transformations.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Faites glisser avec le bouton gauche ou droit de la souris.
 - Maintenez MAJ pour redimensionner librement
 - Maintenez CTRL pour mettre à l'échelle uniquement
 - Maintenez ALT pour faire pivoter uniquement
 - Double-cliquez pour rétablir la rotation.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Calque</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>Supprimer le contenu</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Les %1 contenus sélectionnés seront supprimés. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Au premier plan</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>À l'arrière-plan</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>Réglage fin</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Ce fichier n'a pas pu être ajouté :</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Ces fichiers n'ont pas pu être ajoutés :</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Images non ajoutées</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Échec du chargement du fichier.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Échec de l'enregistrement du fichier :</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Couleur d'arrière-plan</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Image d'arrière-plan</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 px (verrouillé)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Choisir la couleur du canevas</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Choisir la couleur du haut du canevas</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Choisir la couleur du bas du canevas</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Ajouter un arrière-plan</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Effacer l'arrière-plan</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Ouvrir un projet de collage</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir le projet</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Autocollants</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Canevas</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Afficher la grille</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Dégradés</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Conserver les proportions en remplissant</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Ignorer les proportions</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Taille du canevas</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Le document déclare des entités, ce qu'aucun projet ne contient.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Le document contient plus de %1 octets de texte.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Le document est imbriqué sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Le document contient plus de %1 éléments.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Erreur de chargement</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Impossible de charger le fichier de collage %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Erreur d'analyse</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Impossible d'analyser le fichier de collage %1. L'erreur était : %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Introuvable : %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Illisible : %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Certaines images du fichier de collage %1 sont introuvables. Elles gardent leur place et sont enregistrées avec le projet.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Certaines images du fichier de collage %1 n'ont pas pu être lues. Elles gardent leur place et sont enregistrées avec le projet.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Certaines images du fichier de collage %1 sont introuvables ou n'ont pas pu être lues. Elles gardent leur place et sont enregistrées avec le projet.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Images non chargées</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Images manquantes</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Erreur lors de l'enregistrement dans le fichier %1 « %2 »</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Sélectionner le fichier de collage</translation>
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
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>Empilement</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Au premier plan</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>À l'arrière-plan</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspective</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Couleur de l'ombre</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Choisir la couleur de l'ombre</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Rayon de l'ombre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Taille du canevas</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
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
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Teinte</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Choisir la couleur de l'ombre</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Aucune forme</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>Le fichier RAW de l'appareil photo ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Le fichier est endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Il n'y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>Le nom du fichier n'a pas d'extension indiquant le type d'image.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Les images ne peuvent pas être enregistrées au format « %1 ».</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>L'image n'a pas pu être encodée au format « %1 ».</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>L'image de %1 x %2 pixels est trop grande pour être ouverte (plus de %3 Mo de mémoire).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Le fichier annonce une image de %1 x %2 pixels, plus que ses %3 octets ne peuvent contenir : il est endommagé ou incomplet.</translation>
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
        <translation>Nombre de colonnes :</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Taille des tuiles :</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Masque local</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Rétablir l'original</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Choisissez un png avec masque</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>La photo choisie n'est pas prise en charge ou est endommagée.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>La photo choisie n'a pas de couche alpha.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Autocollants</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Décalé</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Ajuster la couleur</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Aucune photo de tuile n'a pu être lue.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Une erreur inconnue s'est produite.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 photo(s) de tuile sur %2 n'ont pas pu être lues et ont été ignorées.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Ajouter des tuiles</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Retirer des tuiles</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Étape 2 : choisissez des photos comme tuiles, plus il y en a, mieux c'est.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Édition</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>FAQ du produit</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contacter le service client</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>La langue a bien été changée. Veuillez redémarrer l'application.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 fichier(s)</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%1 sur %2 fichier(s) sélectionné(s).</translation>
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
        <translation>Retour</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Enregistrer comme image</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Réglage fin et décoration</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Pour un panorama horizontal, sélectionnez au moins 2 photos.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Pour un panorama vertical, sélectionnez au moins 2 photos.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>Pour un panorama à 360 degrés, sélectionnez au moins 6 photos.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Pour un panorama en mosaïque, sélectionnez de 4 à 16 photos.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>Les photos sélectionnées ne peuvent pas remplir une grille complète. Sélectionnez un nombre pair de photos, ou 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>Les photos sélectionnées n'ont pas la même taille en pixels et ne peuvent donc pas être assemblées.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Certaines photos sélectionnées ne sont pas prises en charge ou sont endommagées.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>Les photos sélectionnées sont trop petites.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Certaines photos voisines ne se chevauchent pas assez pour être assemblées. Choisissez des photos d'une même scène, chacune partageant environ un tiers de son champ avec la suivante.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>L'assemblage a échoué.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Choisissez un groupe de photos et les options adaptées.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Taille d'origine</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 taille</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 taille</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Pour l'impression, choisissez la taille d'origine.
Pour l'affichage à l'écran ou le partage sur le web, choisissez une petite taille.</translation>
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
        <translation>Mosaïque</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n'est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Réglage fin</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Au premier plan</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>À l'arrière-plan</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Retourner H</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Retourner V</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Retourner verticalement</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Imprimante :</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Aucune imprimante trouvée&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Orientation :</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Mode couleur :</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Échec de l'impression sur l'imprimante « %1 ».</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Échec de l'enregistrement du fichier :</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Choisir l'emplacement du PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R :</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>V :</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B :</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 images sélectionnées</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 objets sélectionnés</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Diaporama</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Double-cliquez pour modifier...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Au premier plan</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>À l'arrière-plan</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Modifier la courbe du texte</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Supprimer la forme du texte</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Modifier </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Fermeture du fichier</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Voulez-vous vraiment quitter et perdre vos modifications ?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Pas encore d'arrière-plan.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Choisir l'arrière-plan</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Étape 1 : choisissez une photo comme arrière-plan.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
</TS>
