#pragma once
#include <cstdint>
#include <string>

namespace platform {

class Form;

using IconHandle = std::uintptr_t;

// The first, 88-byte form of the notification-area icon record.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    Form* window = nullptr;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    IconHandle icon = 0;
    char tip[64] = {};
};

constexpr unsigned nimAdd = 0;
constexpr unsigned nimDelete = 2;

void shellNotifyIcon(unsigned message, const NotifyIconData& data);
IconHandle loadIcon(const std::string& resourceName);
void destroyIcon(IconHandle icon);
// The message the shell broadcasts when the taskbar has been re-created.
unsigned taskbarCreatedMessage();

}  // namespace platform
