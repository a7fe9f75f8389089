<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Opdatering</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Henter opdateringer</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Resterende tid: 0 minutter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
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
        <translation>ukendt</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>ca. én time</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>ca. %1 timer</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minut</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutter</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 sekund</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 sekunder</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Resterende tid</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Kun webadresser (http, https) kan hentes.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Mappen %1 kunne ikke oprettes.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Filen %1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Opdateringen kunne ikke hentes.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>Overførslen er større end %1, mere end nogen opdatering kræver.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Serveren har ikke sendt noget i %1 sekunder.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>af</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Henter opdateringer</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Resterende tid</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukendt</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Serveren svarede med HTTP-status %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>Overførslen stoppede efter %1 af %2 byte.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Filen %1 kunne ikke gemmes.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Overførslen er fuldført!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Installationsprogrammet åbnes separat</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Klik på "OK" for at begynde at installere opdateringen</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>For at installere opdateringen skal du muligvis afslutte programmet. Dette er en obligatorisk opdatering; afslutter du nu, lukkes programmet</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>For at installere opdateringen skal du muligvis afslutte programmet.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Klik på knappen "Åbn" for at anvende opdateringen</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Den hentede opdatering blev ikke fundet!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>Overførselsmappen kunne ikke åbnes.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Er du sikker på, at du vil annullere overførslen? Dette er en obligatorisk opdatering; afslutter du nu, lukkes programmet</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Er du sikker på, at du vil annullere overførslen?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>Opdateringsoplysningerne er større end 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>Opdateringsserveren har ikke sendt noget i %1 sekunder.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>Opdateringsoplysningerne nåede ikke frem inden for %1 sekunder.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Serveren svarede med HTTP-status %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>Opdateringsoplysningerne kan ikke læses.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>Opdateringsoplysningerne angiver en adresse, der ikke er en webadresse: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Kunne ikke søge efter opdateringer til %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Tillykke! Du kører den nyeste version af %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Der er ingen tilgængelige opdateringer i øjeblikket</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Version %1 af %2 er udkommet!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Vil du hente opdateringen nu? Dette er en obligatorisk opdatering; afslutter du nu, lukkes programmet.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Vil du hente opdateringen nu?</translation>
    </message>
</context>
</TS>
