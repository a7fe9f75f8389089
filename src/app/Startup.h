#pragma once

// Takes in the file names given on the command line: each of argv[1] to
// argv[argc - 1], read as UTF-8, that App::isContentUrl accepts goes to
// Settings::addCommandlineUrl in order; the rest are dropped silently.
void storeCommandlineUrls(int argc, char* argv[]);
