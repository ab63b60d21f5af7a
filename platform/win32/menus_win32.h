#pragma once
// The menu bars of forms, and the commands of their items.

#include <vector>

#include "platform/menu.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

// Builds the bar from the top item's children; the command identifiers it
// hands out are added to `commands`.
HMENU buildMenuBar(MenuItem& top, std::vector<unsigned>& commands);
// The shortcuts named in the captions of the bar's items ("Ctrl+Z", "F3"),
// or none when no caption names one.
HACCEL buildShortcuts(const MenuItem& top);
MenuItem* menuItemOfCommand(unsigned commandId);
void forgetCommands(const std::vector<unsigned>& commands);

}  // namespace platform::win32
