#include "start_hidden_marker.h"

#include "platform/atomic_file.h"
#include "platform/file_system.h"

namespace app {

namespace {

// The marker's content is never read; this line only makes it a text file.
const char* const markerContent = "*\r\n";

}  // namespace

bool startsHidden(const std::string& dossier) {
    return platform::fs::fileExists(dossier + startHiddenMarkerName);
}

void writeStartHiddenMarker(const std::string& dossier) {
    platform::writeFileAtomically(dossier + startHiddenMarkerName, markerContent);
}

void removeStartHiddenMarker(const std::string& dossier) {
    const std::string marker = dossier + startHiddenMarkerName;
    if (platform::fs::fileExists(marker)) platform::fs::remove(marker);
}

}  // namespace app
