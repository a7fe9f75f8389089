<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Updater</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Updates downloaden</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Resterende tijd: 0 minuten</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
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
        <translation>onbekend</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>ongeveer een uur</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>ongeveer %1 uur</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuut</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuten</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 seconden</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Resterende tijd</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Alleen webadressen (http, https) kunnen worden gedownload.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>De map %1 kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Het bestand %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>De update kon niet worden gedownload.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>De download is groter dan %1, meer dan een update ooit nodig heeft.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>De server heeft %1 seconden niets verzonden.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>van</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Updates downloaden</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Resterende tijd</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>De server antwoordde met HTTP-status %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>De download stopte na %1 van %2 bytes.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Het bestand %1 kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Download voltooid!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Het installatieprogramma wordt apart geopend</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Klik op "OK" om de update te installeren</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Om de update te installeren moet u mogelijk de toepassing afsluiten. Dit is een verplichte update; nu afsluiten sluit de toepassing</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Om de update te installeren moet u mogelijk de toepassing afsluiten.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Klik op de knop "Openen" om de update toe te passen</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>De gedownloade update is niet gevonden!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>De downloadmap kon niet worden geopend.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Weet u zeker dat u het downloaden wilt annuleren? Dit is een verplichte update; nu afsluiten sluit de toepassing</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Weet u zeker dat u het downloaden wilt annuleren?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>De update-informatie is groter dan 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>De updateserver heeft %1 seconden niets verzonden.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>De update-informatie is niet binnen %1 seconden aangekomen.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>De server antwoordde met HTTP-status %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>De update-informatie is niet leesbaar.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>De update-informatie noemt een adres dat geen webadres is: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Kan niet controleren op updates voor %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Gefeliciteerd! U gebruikt de nieuwste versie van %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Er zijn momenteel geen updates beschikbaar</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Versie %1 van %2 is uitgebracht!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Wilt u de update nu downloaden? Dit is een verplichte update; nu afsluiten sluit de toepassing.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Wilt u de update nu downloaden?</translation>
    </message>
</context>
</TS>
