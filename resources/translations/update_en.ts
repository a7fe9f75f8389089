<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Updater</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Downloading updates</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Time remaining: 0 minutes</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
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
        <translation>unknown</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>about one hour</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>about %1 hours</translation>
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
        <translation>1 second</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Time remaining</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Only web addresses (http, https) can be downloaded.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>The folder %1 could not be made.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>The update could not be downloaded.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>The download is larger than %1, more than any update needs.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>The server sent nothing for %1 seconds.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>of</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Downloading Updates</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Time Remaining</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>The server answered with HTTP status %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>The download ended after %1 of %2 bytes.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Download complete!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>The installer will open separately</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Click "OK" to begin installing the update</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>In order to install the update, you may need to quit the application.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Click the "Open" button to apply the update</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Cannot find downloaded update!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>The download folder could not be opened.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Are you sure you want to cancel the download?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>The update information is larger than 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>The update server sent nothing for %1 seconds.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>The update information did not arrive within %1 seconds.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>The server answered with HTTP status %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>The update information is not readable.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>The update information names an address that is not a web address: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Could not check for updates of %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Congratulations! You are running the latest version of %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>No updates are available for the moment</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Version %1 of %2 has been released!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Would you like to download the update now?</translation>
    </message>
</context>
</TS>
