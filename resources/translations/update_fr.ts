<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Téléchargement des mises à jour</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Temps restant : 0 minute</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>environ une heure</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>environ %1 heures</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Seules les adresses web (http, https) peuvent être téléchargées.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossible d'écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Impossible de télécharger la mise à jour.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>Le téléchargement dépasse %1, bien plus que ne le demande une mise à jour.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Le serveur n'a rien envoyé pendant %1 secondes.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Téléchargement des mises à jour</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Le serveur a répondu avec le statut HTTP %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>Le téléchargement s'est arrêté après %1 octets sur %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Impossible d'enregistrer le fichier %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Téléchargement terminé !</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Le programme d'installation s'ouvrira séparément</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Cliquez sur « OK » pour commencer l'installation de la mise à jour</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Pour installer la mise à jour, vous devrez peut-être quitter l'application. Cette mise à jour est obligatoire ; quitter maintenant fermera l'application</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Pour installer la mise à jour, vous devrez peut-être quitter l'application.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Cliquez sur le bouton « Ouvrir » pour appliquer la mise à jour</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Impossible de trouver la mise à jour téléchargée !</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>Impossible d'ouvrir le dossier de téléchargement.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Voulez-vous vraiment annuler le téléchargement ? Cette mise à jour est obligatoire ; quitter maintenant fermera l'application</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Voulez-vous vraiment annuler le téléchargement ?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>Les informations de mise à jour dépassent 1 Mio.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>Le serveur de mise à jour n'a rien envoyé pendant %1 secondes.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>Les informations de mise à jour ne sont pas arrivées en %1 secondes.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Le serveur a répondu avec le statut HTTP %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>Les informations de mise à jour sont illisibles.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>Les informations de mise à jour indiquent une adresse qui n'est pas une adresse web : %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Impossible de rechercher les mises à jour de %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Félicitations ! Vous utilisez la dernière version de %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Aucune mise à jour n'est disponible pour le moment</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>La version %1 de %2 est disponible !</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Voulez-vous télécharger la mise à jour maintenant ? Cette mise à jour est obligatoire ; quitter maintenant fermera l'application.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Voulez-vous télécharger la mise à jour maintenant ?</translation>
    </message>
</context>
</TS>
