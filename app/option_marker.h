#pragma once
// The options, each kept as a marker file in the data folder: a file of that
// name, whatever it holds, turns its option on; a folder of that name does not.
#include <string>

#include "platform/menu.h"

namespace app {

class OptionMarker {
public:
    explicit constexpr OptionMarker(const char* name) : name_(name) {}

    const char* name() const { return name_; }
    bool present(const std::string& dataFolder) const;
    // Replaces the marker whole; throws platform::IoError, the old file then stays.
    void write(const std::string& dataFolder) const;
    // A missing marker is not an error; one that cannot be deleted only leaves
    // the option on at the next start.
    void remove(const std::string& dataFolder) const;

private:
    const char* name_;
};

// Start hidden in the notification area.
inline constexpr OptionMarker startHiddenMarker{"st.txt"};
// Open the reminders of the days on which the program did not run.
inline constexpr OptionMarker missedRemindersMarker{"catch_up.txt"};

// Turns an option over as its menu item shows it: a checked item is cleared
// and its marker removed, an unchecked one checked and its marker written.
void switchOption(platform::MenuItem& item, const OptionMarker& marker,
                  const std::string& dataFolder);

}  // namespace app
