#pragma once
#include <string>

namespace book {

// The folder of every data file, ending in a backslash: "FN\" in the user's
// application-data folder, found or created, or else the program's own folder.
std::string resolveDataFolder();

}  // namespace book
