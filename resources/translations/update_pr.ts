<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Atualizador</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>A transferir atualizações</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Tempo restante: 0 minutos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>cerca de uma hora</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>cerca de %1 horas</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Só é possível transferir endereços web (http, https).</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Não foi possível escrever o ficheiro %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Não foi possível transferir a atualização.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>A transferência é maior do que %1, mais do que qualquer atualização precisa.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>O servidor não enviou nada durante %1 segundos.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>A transferir atualizações</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>O servidor respondeu com o estado HTTP %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>A transferência terminou após %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Não foi possível guardar o ficheiro %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Transferência concluída!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>O instalador abrirá em separado</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Clique em "OK" para começar a instalar a atualização</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Para instalar a atualização, poderá ter de sair da aplicação. Esta é uma atualização obrigatória; sair agora fechará a aplicação</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Para instalar a atualização, poderá ter de sair da aplicação.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Clique no botão "Abrir" para aplicar a atualização</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Não foi possível encontrar a atualização transferida!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>Não foi possível abrir a pasta de transferências.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Tem a certeza de que pretende cancelar a transferência? Esta é uma atualização obrigatória; sair agora fechará a aplicação</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Tem a certeza de que pretende cancelar a transferência?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>As informações de atualização excedem 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>O servidor de atualizações não enviou nada durante %1 segundos.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>As informações de atualização não chegaram em %1 segundos.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>O servidor respondeu com o estado HTTP %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>As informações de atualização não são legíveis.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>As informações de atualização indicam um endereço que não é um endereço web: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Não foi possível procurar atualizações do %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Parabéns! Está a utilizar a versão mais recente do %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>De momento não há atualizações disponíveis</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Foi lançada a versão %1 do %2!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Pretende transferir a atualização agora? Esta é uma atualização obrigatória; sair agora fechará a aplicação.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Pretende transferir a atualização agora?</translation>
    </message>
</context>
</TS>
