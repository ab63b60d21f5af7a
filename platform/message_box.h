#pragma once
#include <string>

namespace platform {

enum class MbIcon { Information, Exclamation, Question, Error };
enum class MbButtons { Ok, YesNo };
enum class MbResult { Ok, Yes, No, Cancel };

// A modal message box; the message loop goes on dispatching while it is open.
MbResult messageBox(const std::string& text, const std::string& caption, MbIcon icon,
                    MbButtons buttons);

}  // namespace platform
