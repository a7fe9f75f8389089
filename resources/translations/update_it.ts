<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Download degli aggiornamenti</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Tempo rimanente: 0 minuti</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
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
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>circa un'ora</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>circa %1 ore</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 secondo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Tempo rimanente</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Si possono scaricare solo indirizzi web (http, https).</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Impossibile scaricare l'aggiornamento.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>Il download supera %1, più di quanto serva a qualsiasi aggiornamento.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Il server non ha inviato nulla per %1 secondi.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>di</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Download degli aggiornamenti</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Tempo rimanente</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Il server ha risposto con lo stato HTTP %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>Il download si è interrotto dopo %1 di %2 byte.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Impossibile salvare il file %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Download completato!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Il programma di installazione si aprirà separatamente</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Fare clic su "OK" per iniziare l'installazione dell'aggiornamento</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Per installare l'aggiornamento potrebbe essere necessario uscire dall'applicazione. Questo è un aggiornamento obbligatorio: uscendo ora l'applicazione verrà chiusa</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Per installare l'aggiornamento potrebbe essere necessario uscire dall'applicazione.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Fare clic sul pulsante "Apri" per applicare l'aggiornamento</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Impossibile trovare l'aggiornamento scaricato!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>Impossibile aprire la cartella dei download.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Annullare davvero il download? Questo è un aggiornamento obbligatorio: uscendo ora l'applicazione verrà chiusa</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Annullare davvero il download?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>Le informazioni di aggiornamento superano 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>Il server degli aggiornamenti non ha inviato nulla per %1 secondi.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>Le informazioni di aggiornamento non sono arrivate entro %1 secondi.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Il server ha risposto con lo stato HTTP %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>Le informazioni di aggiornamento non sono leggibili.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>Le informazioni di aggiornamento indicano un indirizzo che non è un indirizzo web: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Impossibile verificare gli aggiornamenti di %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Congratulazioni! Stai usando l'ultima versione di %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Al momento non sono disponibili aggiornamenti</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>È stata rilasciata la versione %1 di %2!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Scaricare l'aggiornamento ora? Questo è un aggiornamento obbligatorio: uscendo ora l'applicazione verrà chiusa.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Scaricare l'aggiornamento ora?</translation>
    </message>
</context>
</TS>
