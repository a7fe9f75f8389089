<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Uppdatering</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Hämtar uppdateringar</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Återstående tid: 0 minuter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
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
        <translation>okänd</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>ungefär en timme</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>ungefär %1 timmar</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minut</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuter</translation>
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
        <translation>Återstående tid</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Endast webbadresser (http, https) kan hämtas.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Mappen %1 kunde inte skapas.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Filen %1 kunde inte skrivas: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Uppdateringen kunde inte hämtas.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>Hämtningen är större än %1, mer än någon uppdatering behöver.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Servern har inte skickat något på %1 sekunder.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>av</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Hämtar uppdateringar</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Återstående tid</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Servern svarade med HTTP-status %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>Hämtningen avbröts efter %1 av %2 byte.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Filen %1 kunde inte sparas.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Hämtningen är klar!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Installationsprogrammet öppnas separat</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Klicka på "OK" för att börja installera uppdateringen</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>För att installera uppdateringen kan du behöva avsluta programmet. Det här är en obligatorisk uppdatering; avslutar du nu stängs programmet</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>För att installera uppdateringen kan du behöva avsluta programmet.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Klicka på knappen "Öppna" för att tillämpa uppdateringen</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Den hämtade uppdateringen hittades inte!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>Hämtningsmappen kunde inte öppnas.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Vill du verkligen avbryta hämtningen? Det här är en obligatorisk uppdatering; avslutar du nu stängs programmet</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Vill du verkligen avbryta hämtningen?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>Uppdateringsinformationen är större än 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>Uppdateringsservern har inte skickat något på %1 sekunder.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>Uppdateringsinformationen kom inte fram inom %1 sekunder.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Servern svarade med HTTP-status %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>Uppdateringsinformationen går inte att läsa.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>Uppdateringsinformationen anger en adress som inte är en webbadress: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Det gick inte att söka efter uppdateringar för %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Grattis! Du kör den senaste versionen av %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Inga uppdateringar finns för tillfället</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Version %1 av %2 har släppts!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Vill du hämta uppdateringen nu? Det här är en obligatorisk uppdatering; avslutar du nu stängs programmet.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Vill du hämta uppdateringen nu?</translation>
    </message>
</context>
</TS>
