#pragma once

#include <QString>

class QApplication;

// The catalogues of one interface language: resource names without the
// ".qm" extension, which the loader adds.
struct LanguageCatalogues
{
    // ":/qm/language" + the application suffix.
    QString application;
    // ":/qt/qtbase" + Qt's suffix.
    QString qt;
    // ":/update/update" + the application suffix: the update checker's and
    // downloader's texts.
    QString update;
};

// The catalogues for a QLocale::Language value; only its low 16 bits count.
// Languages the product does not offer, English among them, get the English
// catalogues.
LanguageCatalogues languageCatalogues(int language);

// Installs the application's, the update catalogue's and Qt's translators for
// the language stored in the settings, or for the system language when none
// is stored. A stored language also becomes the language of the help and
// support links. The three translators are made on the first call and reused
// by later ones; a catalogue that does not load leaves its translator
// uninstalled. `app` is not used: translators go to the application instance.
void initLanguage(QApplication* app);
