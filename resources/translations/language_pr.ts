<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Arraste para alterar a perspetiva.
Faça duplo clique para cancelar as transformações.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Arraste com o botão esquerdo ou direito do rato.
 - Mantenha SHIFT premido para redimensionar livremente
 - Mantenha CTRL premido para apenas escalar
 - Mantenha ALT premido para apenas rodar
 - Faça duplo clique para repor a rotação.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Camada</translation>
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
        <translation>Eliminar conteúdo</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Todos os %1 conteúdos selecionados serão eliminados. Pretende continuar?</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Para a frente</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Elevar</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Para trás</translation>
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
        <translation>Margem</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Não foi possível adicionar este ficheiro:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Não foi possível adicionar estes ficheiros:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Imagens não adicionadas</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Falha ao carregar o ficheiro.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Falha ao guardar o ficheiro:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Margem</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 px (bloqueado)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Selecionar a cor da tela</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Selecionar a cor superior da tela</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Selecionar a cor inferior da tela</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Adicionar fundo</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Limpar fundo</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Abrir projeto de colagem</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir projeto</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar projeto</translation>
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
        <translation>Autocolantes</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Mostrar grelha</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Gradientes</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Manter proporção expandindo</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Manter proporção</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Ignorar proporção</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Tamanho da tela</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>O documento declara entidades, que nenhum projeto contém.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>O documento contém mais de %1 bytes de texto.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>O documento está aninhado em mais de %1 níveis.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>O documento contém mais de %1 elementos.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Erro ao carregar</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Não foi possível carregar o ficheiro de colagem %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Erro de análise</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Não foi possível analisar o ficheiro de colagem %1. O erro foi: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Não encontrado: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Não é possível ler: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Algumas imagens do ficheiro de colagem %1 não foram encontradas. Mantêm o seu lugar e são guardadas com o projeto.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Não foi possível ler algumas imagens do ficheiro de colagem %1. Mantêm o seu lugar e são guardadas com o projeto.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Algumas imagens do ficheiro de colagem %1 não foram encontradas ou não puderam ser lidas. Mantêm o seu lugar e são guardadas com o projeto.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Imagens não carregadas</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Imagens em falta</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Erro de ficheiro</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Erro ao guardar no ficheiro %1 '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Selecionar o ficheiro de colagem</translation>
    </message>
    <message>
        <source>Collage (*.pmp2)</source>
        <translation>Colagem (*.pmp2)</translation>
    </message>
</context>
<context>
    <name>ColorBorderWidget</name>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>Pilha</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Para a frente</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Para trás</translation>
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
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Cor da sombra</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Selecionar a cor da sombra</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Raio da sombra</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Tamanho da tela</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
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
        <translation>Cor</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Selecionar a cor da sombra</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Margem</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Sem forma</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>Não é possível ler o ficheiro RAW da câmara (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>O ficheiro está danificado ou incompleto.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Não existe nenhuma imagem para guardar.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>O nome do ficheiro não tem uma extensão que indique o tipo de imagem.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Não é possível guardar imagens como ficheiros "%1".</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>Não foi possível codificar a imagem como "%1".</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>A imagem de %1 x %2 píxeis é demasiado grande para abrir (mais de %3 MB de memória).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>O ficheiro indica uma imagem de %1 x %2 píxeis, mais do que os seus %3 bytes podem conter: está danificado ou incompleto.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Número de colunas:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Tamanho do ladrilho:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modelos</translation>
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
        <translation>Escolha um png com máscara</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>A foto escolhida não é suportada ou está danificada.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>A foto escolhida não tem camada alfa.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
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
        <translation>Autocolantes</translation>
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
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Ladrilhos</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Intercalado</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Ajustar cor</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Nenhuma foto de ladrilho pôde ser lida.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Ocorreu um erro desconhecido.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 de %2 fotos de ladrilho não puderam ser lidas e foram ignoradas.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Adicionar ladrilhos</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Remover ladrilhos</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Etapa 2: Selecione fotos como ladrilhos, quanto mais melhor.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
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
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Ajuda online</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Perguntas frequentes sobre o produto</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contactar o apoio ao cliente</translation>
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
        <translation>O idioma foi alterado com êxito. Reinicie a aplicação.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Nenhum arquivo</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 arquivo(s)</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>%1 de %2 arquivo(s) selecionado(s).</translation>
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
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Adicionar imagem</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Guardar como imagem</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Ajuste fino e decoração</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Para panoramas horizontais, selecione 2 ou mais fotos.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Para panoramas verticais, selecione 2 ou mais fotos.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>Para panoramas de 360 graus, selecione 6 ou mais fotos.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Para panoramas em mosaico, selecione de 4 a 16 fotos.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>As fotos selecionadas não preenchem uma grelha completa. Selecione um número par de fotos, ou 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>As fotos selecionadas não têm o mesmo tamanho em píxeis e por isso não podem ser unidas.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Algumas fotos selecionadas não são suportadas ou estão danificadas.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>As fotos selecionadas são demasiado pequenas.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Algumas fotos vizinhas não se sobrepõem o suficiente para serem unidas. Selecione fotos de uma mesma cena, cada uma partilhando cerca de um terço do enquadramento com a seguinte.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>A união falhou.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Adicionar fotos</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Selecione um grupo de fotos e as opções adequadas.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamanho original</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 tamanho</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 tamanho</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Para imprimir, selecione o tamanho original.
Para ecrã ou partilha na web, selecione um tamanho pequeno.</translation>
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
        <translation>Ladrilhos</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um ficheiro normal.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Ajuste fino</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Para a frente</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Elevar</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Para trás</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Inverter H</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Inverter V</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Inverter horizontalmente</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Inverter verticalmente</translation>
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
        <translation>Impressora:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Nenhuma impressora encontrada&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Orientação da página:</translation>
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
        <translation>Modo de cor:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Escala de cinzentos</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Ajustar à página</translation>
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
        <translation>Erro</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Falha ao imprimir na impressora "%1".</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Falha ao guardar o ficheiro:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Escolher a localização do PDF</translation>
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
        <translation>Colar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Cor:</translation>
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
        <translation>Abrir ficheiro</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar ficheiro</translation>
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
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Colar</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>%1 imagens selecionadas</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>%1 objetos selecionados</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Apresentação de slides</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Pretende substituí-lo?</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Clique duas vezes para editar...</translation>
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
        <translation>Para a frente</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Para trás</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Editar curva do texto</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Remover forma do texto</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
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
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>A fechar o ficheiro</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Pretende guardar as alterações?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Tem a certeza de que pretende sair e perder as alterações?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Tem a certeza de que pretende sair?</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Nenhum fundo ainda.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Selecionar fundo</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Etapa 1: Selecione uma foto como fundo.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
</context>
</TS>
