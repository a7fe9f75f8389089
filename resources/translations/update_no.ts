<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Oppdatering</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Laster ned oppdateringer</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Gjenstående tid: 0 minutter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <translation>ukjent</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>omtrent én time</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>omtrent %1 timer</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minutt</translation>
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
        <translation>Gjenstående tid</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Bare nettadresser (http, https) kan lastes ned.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Mappen %1 kunne ikke opprettes.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Filen %1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Oppdateringen kunne ikke lastes ned.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>Nedlastingen er større enn %1, mer enn noen oppdatering trenger.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Serveren har ikke sendt noe på %1 sekunder.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>av</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Laster ned oppdateringer</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Gjenstående tid</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Serveren svarte med HTTP-status %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>Nedlastingen stanset etter %1 av %2 byte.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Filen %1 kunne ikke lagres.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Nedlastingen er fullført!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Installasjonsprogrammet åpnes separat</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Klikk på «OK» for å begynne å installere oppdateringen</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>For å installere oppdateringen må du kanskje avslutte programmet. Dette er en obligatorisk oppdatering; avslutter du nå, lukkes programmet</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>For å installere oppdateringen må du kanskje avslutte programmet.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Klikk på «Åpne» for å ta i bruk oppdateringen</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Finner ikke den nedlastede oppdateringen!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>Nedlastingsmappen kunne ikke åpnes.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Er du sikker på at du vil avbryte nedlastingen? Dette er en obligatorisk oppdatering; avslutter du nå, lukkes programmet</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Er du sikker på at du vil avbryte nedlastingen?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>Oppdateringsinformasjonen er større enn 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>Oppdateringsserveren har ikke sendt noe på %1 sekunder.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>Oppdateringsinformasjonen kom ikke fram innen %1 sekunder.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Serveren svarte med HTTP-status %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>Oppdateringsinformasjonen kan ikke leses.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>Oppdateringsinformasjonen oppgir en adresse som ikke er en nettadresse: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Kunne ikke se etter oppdateringer for %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Gratulerer! Du bruker den nyeste versjonen av %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Ingen oppdateringer er tilgjengelige for øyeblikket</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Versjon %1 av %2 er utgitt!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Vil du laste ned oppdateringen nå? Dette er en obligatorisk oppdatering; avslutter du nå, lukkes programmet.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Vil du laste ned oppdateringen nå?</translation>
    </message>
</context>
</TS>
