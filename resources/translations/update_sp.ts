<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Actualizador</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Descargando actualizaciones</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Tiempo restante: 0 minutos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
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
        <translation>desconocido</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>aproximadamente una hora</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>unas %1 horas</translation>
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
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Solo se pueden descargar direcciones web (http, https).</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>No se pudo descargar la actualización.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>La descarga supera %1, más de lo que necesita cualquier actualización.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>El servidor no ha enviado nada durante %1 segundos.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Descargando actualizaciones</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>El servidor respondió con el estado HTTP %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>La descarga terminó tras %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>No se pudo guardar el archivo %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>¡Descarga completada!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>El instalador se abrirá por separado</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Haga clic en "Aceptar" para empezar a instalar la actualización</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Para instalar la actualización, es posible que deba salir de la aplicación. Esta es una actualización obligatoria; salir ahora cerrará la aplicación</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Para instalar la actualización, es posible que deba salir de la aplicación.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Haga clic en el botón "Abrir" para aplicar la actualización</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>¡No se encuentra la actualización descargada!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>No se pudo abrir la carpeta de descargas.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>¿Seguro que desea cancelar la descarga? Esta es una actualización obligatoria; salir ahora cerrará la aplicación</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>¿Seguro que desea cancelar la descarga?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>La información de actualización supera 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>El servidor de actualizaciones no ha enviado nada durante %1 segundos.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>La información de actualización no llegó en %1 segundos.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>El servidor respondió con el estado HTTP %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>La información de actualización no se puede leer.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>La información de actualización indica una dirección que no es una dirección web: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>No se pudieron buscar actualizaciones de %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>¡Enhorabuena! Está usando la versión más reciente de %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>No hay actualizaciones disponibles por el momento</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>¡Se ha publicado la versión %1 de %2!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>¿Desea descargar la actualización ahora? Esta es una actualización obligatoria; salir ahora cerrará la aplicación.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>¿Desea descargar la actualización ahora?</translation>
    </message>
</context>
</TS>
