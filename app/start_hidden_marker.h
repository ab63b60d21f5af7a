#pragma once
// The start-hidden marker "st.txt" in the data folder: a file of that name,
// whatever it holds, makes the program start hidden; a folder does not count.
#include <string>

namespace app {

inline constexpr const char* startHiddenMarkerName = "st.txt";

bool startsHidden(const std::string& dossier);
// Replaces the marker whole; throws platform::IoError, the old file then stays.
void writeStartHiddenMarker(const std::string& dossier);
// A missing marker is not an error; one that cannot be deleted only makes the
// next start hidden.
void removeStartHiddenMarker(const std::string& dossier);

}  // namespace app
