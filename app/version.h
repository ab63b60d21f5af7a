#pragma once
// Festorin's version, in one place: Festorin.exe's version information
// (app/festorin.rc) and the installer's (CMake reads this file for makensis)
// both come from here. The About box's "Festorin v 1.0" is its own text.
#define FESTORIN_VERSION_MAJOR 1
#define FESTORIN_VERSION_MINOR 0
#define FESTORIN_VERSION_PATCH 0
#define FESTORIN_VERSION_BUILD 0
// The version as people read it, in the product's version and the uninstall entry.
#define FESTORIN_VERSION_TEXT "1.0"

// The four numbers as one text, "1.0.0.0", for the file's version.
#define FESTORIN_STRINGIZE(text) #text
#define FESTORIN_NUMBERS_TEXT(major, minor, patch, build) \
    FESTORIN_STRINGIZE(major.minor.patch.build)
#define FESTORIN_FILE_VERSION_TEXT                                                                \
    FESTORIN_NUMBERS_TEXT(FESTORIN_VERSION_MAJOR, FESTORIN_VERSION_MINOR, FESTORIN_VERSION_PATCH, \
                          FESTORIN_VERSION_BUILD)
