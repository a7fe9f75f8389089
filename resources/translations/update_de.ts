<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Updates werden heruntergeladen</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Verbleibende Zeit: 0 Minuten</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
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
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>etwa eine Stunde</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>etwa %1 Stunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Nur Webadressen (http, https) können heruntergeladen werden.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Das Update konnte nicht heruntergeladen werden.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>Der Download ist größer als %1, mehr als jedes Update braucht.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Der Server hat %1 Sekunden lang nichts gesendet.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Updates werden heruntergeladen</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Der Server antwortete mit HTTP-Status %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>Der Download endete nach %1 von %2 Byte.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Download abgeschlossen!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Das Installationsprogramm wird separat geöffnet</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Klicken Sie auf „OK“, um die Installation des Updates zu beginnen</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Zum Installieren des Updates müssen Sie die Anwendung eventuell beenden. Dies ist ein Pflicht-Update; wenn Sie jetzt beenden, wird die Anwendung geschlossen</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Zum Installieren des Updates müssen Sie die Anwendung eventuell beenden.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Klicken Sie auf „Öffnen“, um das Update anzuwenden</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Das heruntergeladene Update wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>Der Download-Ordner konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Möchten Sie den Download wirklich abbrechen? Dies ist ein Pflicht-Update; wenn Sie jetzt beenden, wird die Anwendung geschlossen</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Möchten Sie den Download wirklich abbrechen?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>Die Update-Informationen sind größer als 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>Der Update-Server hat %1 Sekunden lang nichts gesendet.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>Die Update-Informationen sind nicht innerhalb von %1 Sekunden angekommen.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Der Server antwortete mit HTTP-Status %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>Die Update-Informationen sind nicht lesbar.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>Die Update-Informationen nennen eine Adresse, die keine Webadresse ist: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Die Suche nach Updates für %1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Glückwunsch! Sie verwenden die neueste Version von %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Derzeit sind keine Updates verfügbar</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Version %1 von %2 ist erschienen!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Möchten Sie das Update jetzt herunterladen? Dies ist ein Pflicht-Update; wenn Sie jetzt beenden, wird die Anwendung geschlossen.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Möchten Sie das Update jetzt herunterladen?</translation>
    </message>
</context>
</TS>
