#pragma once

// Imports the static RAW image plug-in into a program. Include this header in
// exactly one source file of every program that reads images (and link
// vellumar::rawplugin): the import registers the plug-in before main runs,
// and its reference to the plug-in's instance function is what keeps the
// linker from dropping the plug-in from the static library.
#include <QtPlugin>

Q_IMPORT_PLUGIN(QRawPlugin)
