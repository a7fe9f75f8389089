#pragma once

class QString;

// Takes in the file names given on the command line: each of argv[1] to
// argv[argc - 1], read as UTF-8, that App::isContentUrl accepts goes to
// Settings::addCommandlineUrl in order; the rest are dropped silently.
void storeCommandlineUrls(int argc, char* argv[]);

// Makes `name` the application's display name, the name dialogs and the
// window system show for the program. Qt's window system layer appends the
// display name to every window title that does not end with it once it has
// been set explicitly, while the main window's titles already begin with
// the product name ("Vellumar - Collage" would read "Vellumar - Collage —
// Vellumar"). When `name` is the application name, which Qt gives as the
// display name by default, it is therefore left to that default.
void setDisplayName(const QString& name);
