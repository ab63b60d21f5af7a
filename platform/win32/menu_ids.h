#pragma once
// A menu item's command identifier, made from the captions on its way down
// from the menu bar. Another process cannot read our menus (Wine keeps them
// in the owning process), so a test program works an item's command out
// from its captions and sends it as WM_COMMAND.
#include <cstdint>
#include <string>
#include <vector>

namespace platform::win32 {

// Clear of the dialog identifiers (IDOK...) and of the system commands.
constexpr unsigned firstCommandId = 0x1000;
constexpr unsigned commandIdCount = 0x6000;

inline unsigned commandIdFor(const std::vector<std::string>& captions) {
    std::uint32_t hash = 2166136261u;
    auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 16777619u;
    };
    for (const std::string& caption : captions) {
        for (char c : caption) mix(static_cast<unsigned char>(c));
        mix(0);
    }
    return firstCommandId + hash % commandIdCount;
}

}  // namespace platform::win32
