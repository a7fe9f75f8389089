<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Ενημέρωση</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Λήψη ενημερώσεων</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Υπολειπόμενος χρόνος: 0 λεπτά</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
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
        <translation>άγνωστος</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>περίπου μία ώρα</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>περίπου %1 ώρες</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 λεπτό</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 λεπτά</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 δευτερόλεπτο</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Υπολειπόμενος χρόνος</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Μόνο διευθύνσεις ιστού (http, https) μπορούν να ληφθούν.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Δεν ήταν δυνατή η δημιουργία του φακέλου %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του αρχείου %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Δεν ήταν δυνατή η λήψη της ενημέρωσης.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>Η λήψη είναι μεγαλύτερη από %1, περισσότερο από όσο χρειάζεται οποιαδήποτε ενημέρωση.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Ο διακομιστής δεν έστειλε τίποτα για %1 δευτερόλεπτα.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>από</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Λήψη ενημερώσεων</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Υπολειπόμενος χρόνος</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Άγνωστος</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Ο διακομιστής απάντησε με κατάσταση HTTP %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>Η λήψη σταμάτησε μετά από %1 από %2 byte.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του αρχείου %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Η λήψη ολοκληρώθηκε!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Το πρόγραμμα εγκατάστασης θα ανοίξει ξεχωριστά</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Πατήστε «OK» για να ξεκινήσει η εγκατάσταση της ενημέρωσης</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Για να εγκαταστήσετε την ενημέρωση, ίσως χρειαστεί να κλείσετε την εφαρμογή. Αυτή είναι υποχρεωτική ενημέρωση· αν βγείτε τώρα, η εφαρμογή θα κλείσει</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Για να εγκαταστήσετε την ενημέρωση, ίσως χρειαστεί να κλείσετε την εφαρμογή.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Πατήστε το κουμπί «Άνοιγμα» για να εφαρμοστεί η ενημέρωση</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Δεν βρέθηκε η ενημέρωση που λήφθηκε!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα του φακέλου λήψεων.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Είστε βέβαιοι ότι θέλετε να ακυρώσετε τη λήψη; Αυτή είναι υποχρεωτική ενημέρωση· αν βγείτε τώρα, η εφαρμογή θα κλείσει</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Είστε βέβαιοι ότι θέλετε να ακυρώσετε τη λήψη;</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>Οι πληροφορίες ενημέρωσης ξεπερνούν το 1 MiB.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>Ο διακομιστής ενημερώσεων δεν έστειλε τίποτα για %1 δευτερόλεπτα.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>Οι πληροφορίες ενημέρωσης δεν έφτασαν μέσα σε %1 δευτερόλεπτα.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Ο διακομιστής απάντησε με κατάσταση HTTP %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>Οι πληροφορίες ενημέρωσης δεν είναι αναγνώσιμες.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>Οι πληροφορίες ενημέρωσης αναφέρουν διεύθυνση που δεν είναι διεύθυνση ιστού: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Δεν ήταν δυνατός ο έλεγχος για ενημερώσεις του %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Συγχαρητήρια! Χρησιμοποιείτε την πιο πρόσφατη έκδοση του %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Δεν υπάρχουν διαθέσιμες ενημερώσεις προς το παρόν</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Κυκλοφόρησε η έκδοση %1 του %2!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Θέλετε να κάνετε λήψη της ενημέρωσης τώρα; Αυτή είναι υποχρεωτική ενημέρωση· αν βγείτε τώρα, η εφαρμογή θα κλείσει.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Θέλετε να κάνετε λήψη της ενημέρωσης τώρα;</translation>
    </message>
</context>
</TS>
