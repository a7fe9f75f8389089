<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>AbstractContent</name>
    <message>
        <source>Drag around to change the perspective.
Double click to cancel the transformations.</source>
        <translation>Σύρετε για να αλλάξετε την προοπτική.
Κάντε διπλό κλικ για να ακυρώσετε τους μετασχηματισμούς.</translation>
    </message>
    <message>
        <source>Drag with Left or Right mouse button.
 - Hold down SHIFT for free resize
 - Hold down CTRL to scale only
 - Hold down ALT to rotate only
 - Double click to restore rotation.</source>
        <translation>Σύρετε με το αριστερό ή το δεξί κουμπί του ποντικιού.
 - Κρατήστε πατημένο το SHIFT για ελεύθερη αλλαγή μεγέθους
 - Κρατήστε πατημένο το CTRL για κλιμάκωση μόνο
 - Κρατήστε πατημένο το ALT για περιστροφή μόνο
 - Κάντε διπλό κλικ για επαναφορά της περιστροφής.</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Επίπεδο</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Σχήμα</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>Delete content</source>
        <translation>Διαγραφή περιεχομένου</translation>
    </message>
    <message>
        <source>All the %1 selected content will be deleted, do you want to continue?</source>
        <translation>Θα διαγραφούν και τα %1 επιλεγμένα περιεχόμενα. Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Στο προσκήνιο</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Ανύψωση</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Χαμήλωμα</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Στο βάθος</translation>
    </message>
</context>
<context>
    <name>CanvasAppliance</name>
    <message>
        <source>Fine-tuning</source>
        <translation>Λεπτή ρύθμιση</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Περίγραμμα</translation>
    </message>
    <message>
        <source>Fit in</source>
        <translation>Προσαρμογή</translation>
    </message>
    <message>
        <source>This file could not be added:</source>
        <translation>Δεν ήταν δυνατή η προσθήκη αυτού του αρχείου:</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Δεν ήταν δυνατή η προσθήκη αυτών των αρχείων:</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Οι εικόνες δεν προστέθηκαν</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Δεν υπάρχει αρκετή μνήμη.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Αποτυχία φόρτωσης αρχείου.</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Αποτυχία αποθήκευσης αρχείου:</translation>
    </message>
</context>
<context>
    <name>CollageAppliance</name>
    <message>
        <source>Background Color</source>
        <translation>Χρώμα φόντου</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Εικόνα φόντου</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Περίγραμμα</translation>
    </message>
    <message>
        <source>%1 x %2 Pix (Locked)</source>
        <translation>%1 x %2 px (κλειδωμένο)</translation>
    </message>
    <message>
        <source>Select canvas color</source>
        <translation>Επιλογή χρώματος καμβά</translation>
    </message>
    <message>
        <source>Select canvas top color</source>
        <translation>Επιλογή πάνω χρώματος καμβά</translation>
    </message>
    <message>
        <source>Select canvas bottom color</source>
        <translation>Επιλογή κάτω χρώματος καμβά</translation>
    </message>
    <message>
        <source>Add background</source>
        <translation>Προσθήκη φόντου</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Απαλοιφή φόντου</translation>
    </message>
</context>
<context>
    <name>CollageApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Open Collage Project</source>
        <translation>Άνοιγμα έργου κολάζ</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Άνοιγμα έργου</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Αποθήκευση έργου</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Αυτοκόλλητα</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Κείμενο</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Καμβάς</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Χρώμα</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Εμφάνιση πλέγματος</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Κανένα</translation>
    </message>
    <message>
        <source>Gradients</source>
        <translation>Διαβαθμίσεις</translation>
    </message>
    <message>
        <source>Keep ratio by expanding</source>
        <translation>Διατήρηση αναλογίας με επέκταση</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>Διατήρηση αναλογίας</translation>
    </message>
    <message>
        <source>Ignore aspect ratio</source>
        <translation>Αγνόηση αναλογίας</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Μέγεθος καμβά</translation>
    </message>
</context>
<context>
    <name>CollageProjectFile</name>
    <message>
        <source>The document declares entities, which no project holds.</source>
        <translation>Το έγγραφο δηλώνει οντότητες, τις οποίες κανένα έργο δεν περιέχει.</translation>
    </message>
    <message>
        <source>The document holds more than %1 bytes of text.</source>
        <translation>Το έγγραφο περιέχει περισσότερα από %1 byte κειμένου.</translation>
    </message>
    <message>
        <source>The document is nested more than %1 levels deep.</source>
        <translation>Το έγγραφο έχει ένθεση βαθύτερη από %1 επίπεδα.</translation>
    </message>
    <message>
        <source>The document holds more than %1 elements.</source>
        <translation>Το έγγραφο περιέχει περισσότερα από %1 στοιχεία.</translation>
    </message>
    <message>
        <source>Loading error</source>
        <translation>Σφάλμα φόρτωσης</translation>
    </message>
    <message>
        <source>Unable to load the Collage file %1</source>
        <translation>Δεν είναι δυνατή η φόρτωση του αρχείου κολάζ %1</translation>
    </message>
    <message>
        <source>Parsing error</source>
        <translation>Σφάλμα ανάλυσης</translation>
    </message>
    <message>
        <source>Unable to parse the Collage file %1. The error was: %2</source>
        <translation>Δεν είναι δυνατή η ανάλυση του αρχείου κολάζ %1. Το σφάλμα ήταν: %2</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Δεν βρέθηκε: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1 (%2)</source>
        <translation>Δεν είναι δυνατή η ανάγνωση: %1 (%2)</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found. They keep their place and are saved with the project.</source>
        <translation>Ορισμένες εικόνες του αρχείου κολάζ %1 δεν βρέθηκαν. Διατηρούν τη θέση τους και αποθηκεύονται με το έργο.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 could not be read. They keep their place and are saved with the project.</source>
        <translation>Ορισμένες εικόνες του αρχείου κολάζ %1 δεν ήταν δυνατό να διαβαστούν. Διατηρούν τη θέση τους και αποθηκεύονται με το έργο.</translation>
    </message>
    <message>
        <source>Some pictures of the Collage file %1 were not found or could not be read. They keep their place and are saved with the project.</source>
        <translation>Ορισμένες εικόνες του αρχείου κολάζ %1 δεν βρέθηκαν ή δεν ήταν δυνατό να διαβαστούν. Διατηρούν τη θέση τους και αποθηκεύονται με το έργο.</translation>
    </message>
    <message>
        <source>Pictures not loaded</source>
        <translation>Οι εικόνες δεν φορτώθηκαν</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Εικόνες που λείπουν</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Σφάλμα αρχείου</translation>
    </message>
    <message>
        <source>Error saving to the %1 file '%2'</source>
        <translation>Σφάλμα αποθήκευσης στο αρχείο %1 '%2'</translation>
    </message>
    <message>
        <source>Select the Collage file</source>
        <translation>Επιλέξτε το αρχείο κολάζ</translation>
    </message>
    <message>
        <source>Collage (*.pmp2)</source>
        <translation>Κολάζ (*.pmp2)</translation>
    </message>
</context>
<context>
    <name>ColorBorderWidget</name>
    <message>
        <source>Top</source>
        <translation>Πάνω</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Κάτω</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Αριστερά</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Δεξιά</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Αδιαφάνεια</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Πλάτος</translation>
    </message>
</context>
<context>
    <name>ContentProperties</name>
    <message>
        <source>Stack</source>
        <translation>Στοίβα</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Στο προσκήνιο</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Ανύψωση</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Χαμήλωμα</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Στο βάθος</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Προοπτική</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Αδιαφάνεια</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Χρώμα σκιάς</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Επιλογή χρώματος σκιάς</translation>
    </message>
    <message>
        <source>Shadow Radius</source>
        <translation>Ακτίνα σκιάς</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
</context>
<context>
    <name>ExactSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Μέγεθος καμβά</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Πλάτος:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Ύψος:</translation>
    </message>
</context>
<context>
    <name>FinetuneWidget</name>
    <message>
        <source>Saturation</source>
        <translation>Κορεσμός</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Αντίθεση</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Φωτεινότητα</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Οξύτητα</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Θερμοκρασία</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Απόχρωση</translation>
    </message>
</context>
<context>
    <name>FrameWidget</name>
    <message>
        <source>Color</source>
        <translation>Χρώμα</translation>
    </message>
    <message>
        <source>Select shadow color</source>
        <translation>Επιλογή χρώματος σκιάς</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Αδιαφάνεια</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Περιθώριο</translation>
    </message>
    <message>
        <source>No Shape</source>
        <translation>Χωρίς σχήμα</translation>
    </message>
</context>
<context>
    <name>HomeAppliance</name>
    <message>
        <source>Home</source>
        <translation>Αρχική</translation>
    </message>
</context>
<context>
    <name>IQImageIO</name>
    <message>
        <source>The camera RAW file cannot be read (%1).</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του αρχείου RAW της κάμερας (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete.</source>
        <translation>Το αρχείο είναι κατεστραμμένο ή ελλιπές.</translation>
    </message>
    <message>
        <source>There is no image to save.</source>
        <translation>Δεν υπάρχει εικόνα για αποθήκευση.</translation>
    </message>
    <message>
        <source>The file name has no suffix to tell the image type.</source>
        <translation>Το όνομα του αρχείου δεν έχει επέκταση που να δηλώνει τον τύπο της εικόνας.</translation>
    </message>
    <message>
        <source>Images cannot be saved as "%1" files.</source>
        <translation>Οι εικόνες δεν μπορούν να αποθηκευτούν ως αρχεία «%1».</translation>
    </message>
    <message>
        <source>The image could not be encoded as "%1".</source>
        <translation>Δεν ήταν δυνατή η κωδικοποίηση της εικόνας ως «%1».</translation>
    </message>
</context>
<context>
    <name>IQImageLimits</name>
    <message>
        <source>The image of %1 x %2 pixels is too large to open (more than %3 MB of memory).</source>
        <translation>Η εικόνα των %1 x %2 pixel είναι πολύ μεγάλη για να ανοίξει (περισσότερα από %3 MB μνήμης).</translation>
    </message>
    <message>
        <source>The file claims an image of %1 x %2 pixels, more than its %3 bytes can hold: it is damaged or incomplete.</source>
        <translation>Το αρχείο δηλώνει εικόνα %1 x %2 pixel, περισσότερα από όσα χωρούν τα %3 byte του: είναι κατεστραμμένο ή ελλιπές.</translation>
    </message>
</context>
<context>
    <name>MRetouchAppliance</name>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Zorivuv</source>
        <translation>Zorivuv</translation>
    </message>
    <message>
        <source>Column Count:</source>
        <translation>Πλήθος στηλών:</translation>
    </message>
    <message>
        <source>Tile Size:</source>
        <translation>Μέγεθος πλακιδίου:</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Πρότυπα</translation>
    </message>
    <message>
        <source>Local Mask</source>
        <translation>Τοπική μάσκα</translation>
    </message>
    <message>
        <source>(PNG)</source>
        <translation>(PNG)</translation>
    </message>
    <message>
        <source>Restore to original</source>
        <translation>Επαναφορά αρχικού</translation>
    </message>
    <message>
        <source>Choose a png with mask</source>
        <translation>Επιλέξτε ένα png με μάσκα</translation>
    </message>
    <message>
        <source>The selected photo is not supported or damaged.</source>
        <translation>Η επιλεγμένη φωτογραφία δεν υποστηρίζεται ή είναι κατεστραμμένη.</translation>
    </message>
    <message>
        <source>The selected photo has no alpha layer.</source>
        <translation>Η επιλεγμένη φωτογραφία δεν έχει επίπεδο άλφα.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Δεν υπάρχει αρκετή μνήμη.</translation>
    </message>
</context>
<context>
    <name>MRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Αυτοκόλλητα</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Κείμενο</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Μάσκα</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Δημιουργία</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Λειτουργία:</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Πλακίδια</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Εναλλάξ</translation>
    </message>
    <message>
        <source>Match Color</source>
        <translation>Ταίριασμα χρώματος</translation>
    </message>
</context>
<context>
    <name>MTileAppliance</name>
    <message>
        <source>Not enough memory.</source>
        <translation>Δεν υπάρχει αρκετή μνήμη.</translation>
    </message>
    <message>
        <source>None of the tile photos could be read.</source>
        <translation>Καμία φωτογραφία πλακιδίου δεν διαβάστηκε.</translation>
    </message>
    <message>
        <source>Unknown error happened.</source>
        <translation>Παρουσιάστηκε άγνωστο σφάλμα.</translation>
    </message>
    <message>
        <source>%1 of %2 tile photos could not be read and were left out.</source>
        <translation>%1 από %2 φωτογραφίες πλακιδίων δεν διαβάστηκαν και παραλείφθηκαν.</translation>
    </message>
</context>
<context>
    <name>MTileApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Add Tiles</source>
        <translation>Προσθήκη πλακιδίων</translation>
    </message>
    <message>
        <source>Remove Tiles</source>
        <translation>Αφαίρεση πλακιδίων</translation>
    </message>
    <message>
        <source>Step2: Select photos as tiles,  the more the better.</source>
        <translation>Βήμα 2: Επιλέξτε φωτογραφίες ως πλακίδια, όσο περισσότερες τόσο καλύτερα.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
</context>
<context>
    <name>MacOSUI</name>
    <message>
        <source>About %1</source>
        <translation>Σχετικά με το %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Ηλεκτρονική βοήθεια</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Συχνές ερωτήσεις για το προϊόν</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Επικοινωνία με την εξυπηρέτηση πελατών</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>The language is switched successfully, please restart your application.</source>
        <translation>Η γλώσσα άλλαξε με επιτυχία. Κάντε επανεκκίνηση της εφαρμογής.</translation>
    </message>
</context>
<context>
    <name>ModePhotoListAppliance</name>
    <message>
        <source>No files</source>
        <translation>Κανένα αρχείο</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 αρχείο(α)</translation>
    </message>
    <message>
        <source>%1 of %2 file(s) selected.</source>
        <translation>Επιλέχθηκαν %1 από %2 αρχεία.</translation>
    </message>
</context>
<context>
    <name>PRetouchAppliance</name>
    <message>
        <source>Panorama</source>
        <translation>Πανόραμα</translation>
    </message>
</context>
<context>
    <name>PRetouchApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Προσθήκη εικόνας</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Προσθήκη κειμένου</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Αποθήκευση ως εικόνα</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Fine-tuning &amp; Decoration</source>
        <translation>Λεπτή ρύθμιση &amp; διακόσμηση</translation>
    </message>
</context>
<context>
    <name>PanoramaAppliance</name>
    <message>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Στυλ</translation>
    </message>
    <message>
        <source>For horizontal panoramas, you need to select 2 or more photos.</source>
        <translation>Για οριζόντια πανοράματα πρέπει να επιλέξετε 2 ή περισσότερες φωτογραφίες.</translation>
    </message>
    <message>
        <source>For vertical panoramas, you need to select 2 or more photos.</source>
        <translation>Για κάθετα πανοράματα πρέπει να επιλέξετε 2 ή περισσότερες φωτογραφίες.</translation>
    </message>
    <message>
        <source>For 360-degree panoramas, you need to select 6 or more photos.</source>
        <translation>Για πανοράματα 360 μοιρών πρέπει να επιλέξετε 6 ή περισσότερες φωτογραφίες.</translation>
    </message>
    <message>
        <source>For tile panoramas, you need to select 4 to 16 photos.</source>
        <translation>Για πανοράματα πλακιδίων πρέπει να επιλέξετε 4 έως 16 φωτογραφίες.</translation>
    </message>
    <message>
        <source>The selected photos cannot fill a full tile grid. Select an even number of photos, or 9.</source>
        <translation>Οι επιλεγμένες φωτογραφίες δεν μπορούν να γεμίσουν πλήρες πλέγμα πλακιδίων. Επιλέξτε ζυγό αριθμό φωτογραφιών ή 9.</translation>
    </message>
    <message>
        <source>The selected photos do not have the same pixel size and therefore cannot be stitched.</source>
        <translation>Οι επιλεγμένες φωτογραφίες δεν έχουν το ίδιο μέγεθος σε pixel και γι' αυτό δεν μπορούν να συρραφούν.</translation>
    </message>
    <message>
        <source>Some selected photos are not supported or damaged.</source>
        <translation>Ορισμένες επιλεγμένες φωτογραφίες δεν υποστηρίζονται ή είναι κατεστραμμένες.</translation>
    </message>
    <message>
        <source>The selected photos are too small.</source>
        <translation>Οι επιλεγμένες φωτογραφίες είναι πολύ μικρές.</translation>
    </message>
    <message>
        <source>Some neighbouring photos do not overlap enough to be joined. Choose photos of one scene, each sharing about a third of its view with the next.</source>
        <translation>Ορισμένες γειτονικές φωτογραφίες δεν επικαλύπτονται αρκετά για να συρραφούν. Επιλέξτε φωτογραφίες μίας σκηνής, καθεμία από τις οποίες μοιράζεται περίπου το ένα τρίτο της εικόνας της με την επόμενη.</translation>
    </message>
    <message>
        <source>Stitching failed.</source>
        <translation>Η συρραφή απέτυχε.</translation>
    </message>
</context>
<context>
    <name>PanoramaApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Προσθήκη φωτογραφιών</translation>
    </message>
    <message>
        <source>Select a group of photos and suitable options.</source>
        <translation>Επιλέξτε μια ομάδα φωτογραφιών και τις κατάλληλες επιλογές.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Αρχικό μέγεθος</translation>
    </message>
    <message>
        <source>1/2 Size</source>
        <translation>1/2 μέγεθος</translation>
    </message>
    <message>
        <source>1/4 Size</source>
        <translation>1/4 μέγεθος</translation>
    </message>
    <message>
        <source>For printing,  select original size.  
For digital display or web sharing,  select a small size.</source>
        <translation>Για εκτύπωση επιλέξτε το αρχικό μέγεθος.
Για προβολή σε οθόνη ή κοινοποίηση στο διαδίκτυο επιλέξτε μικρό μέγεθος.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Οριζόντιο</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Κάθετο</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Πλακίδια</translation>
    </message>
</context>
<context>
    <name>PictureContent</name>
    <message>
        <source>Picture</source>
        <translation>Εικόνα</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Δεν είναι κανονικό αρχείο.</translation>
    </message>
    <message>
        <source>Fine-tuning</source>
        <translation>Λεπτή ρύθμιση</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Στο προσκήνιο</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Ανύψωση</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Χαμήλωμα</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Στο βάθος</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Οριζόντια αναστροφή</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Κατακόρυφη αναστροφή</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
</context>
<context>
    <name>PictureProperties</name>
    <message>
        <source>Mirror</source>
        <translation>Καθρέφτης</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Οριζόντια αναστροφή</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Κάθετη αναστροφή</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Εκτυπωτής:</translation>
    </message>
    <message>
        <source>&lt;No printers found&gt;</source>
        <translation>&lt;Δεν βρέθηκαν εκτυπωτές&gt;</translation>
    </message>
    <message>
        <source>Page orientation:</source>
        <translation>Προσανατολισμός σελίδας:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Κατακόρυφος</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Οριζόντιος</translation>
    </message>
    <message>
        <source>Color mode:</source>
        <translation>Λειτουργία χρώματος:</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Κλίμακα του γκρι</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Έγχρωμο</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Προσαρμογή στη σελίδα</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Failed to print on printer "%1".</source>
        <translation>Αποτυχία εκτύπωσης στον εκτυπωτή «%1».</translation>
    </message>
    <message>
        <source>Failed to save file:</source>
        <translation>Αποτυχία αποθήκευσης αρχείου:</translation>
    </message>
    <message>
        <source>Choose pdf location</source>
        <translation>Επιλογή θέσης PDF</translation>
    </message>
</context>
<context>
    <name>QCocoaMenuItem</name>
    <message>
        <source>Copy</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Επικόλληση</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Χρώμα:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Άνοιγμα αρχείου</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Αποθήκευση αρχείου</translation>
    </message>
</context>
<context>
    <name>RichTextEditorDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Επεξεργασία κειμένου</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Έντονα</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Πλάγια</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Υπογράμμιση</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>SceneView</name>
    <message>
        <source>Paste</source>
        <translation>Επικόλληση</translation>
    </message>
</context>
<context>
    <name>SelectionProperties</name>
    <message>
        <source>Selection</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>%1 pictures selected</source>
        <translation>Επιλέχθηκαν %1 εικόνες</translation>
    </message>
    <message>
        <source>%1 objects selected</source>
        <translation>Επιλέχθηκαν %1 αντικείμενα</translation>
    </message>
</context>
<context>
    <name>SlideshowWindow</name>
    <message>
        <source>Slideshow</source>
        <translation>Προβολή διαφανειών</translation>
    </message>
</context>
<context>
    <name>SuffixedSaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Το %1 υπάρχει ήδη.
Θέλετε να το αντικαταστήσετε;</translation>
    </message>
</context>
<context>
    <name>TextContent</name>
    <message>
        <source>Double click to edit...</source>
        <translation>Κάντε διπλό κλικ για επεξεργασία...</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Κείμενο</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Καμπύλη</translation>
    </message>
    <message>
        <source>To Front</source>
        <translation>Στο προσκήνιο</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Ανύψωση</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Χαμήλωμα</translation>
    </message>
    <message>
        <source>To Back</source>
        <translation>Στο βάθος</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Επεξεργασία κειμένου</translation>
    </message>
    <message>
        <source>Edit Text Curve</source>
        <translation>Επεξεργασία καμπύλης κειμένου</translation>
    </message>
    <message>
        <source>Remove Text Shape</source>
        <translation>Αφαίρεση σχήματος κειμένου</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Edit </source>
        <translation>Επεξεργασία </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>Closing File</source>
        <translation>Κλείσιμο αρχείου</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Θέλετε να αποθηκεύσετε τις αλλαγές σας;</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Are you sure you want to quit and lose your changes?</source>
        <translation>Είστε βέβαιοι ότι θέλετε να βγείτε και να χάσετε τις αλλαγές σας;</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Είστε βέβαιοι ότι θέλετε να βγείτε;</translation>
    </message>
</context>
<context>
    <name>ZorivuvAppliance</name>
    <message>
        <source>No background yet.</source>
        <translation>Δεν υπάρχει ακόμη φόντο.</translation>
    </message>
</context>
<context>
    <name>ZorivuvApplianceElements</name>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Select Background</source>
        <translation>Επιλογή φόντου</translation>
    </message>
    <message>
        <source>Step 1: Select a photo as background.</source>
        <translation>Βήμα 1: Επιλέξτε μια φωτογραφία ως φόντο.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
</context>
</TS>
