#include "platform/win32/window_class.h"

#include <set>

namespace platform::win32 {

HINSTANCE instance() { return GetModuleHandleA(nullptr); }

void registerWindowClass(const std::string& name, WNDPROC procedure) {
    static std::set<std::string> registered;
    if (!registered.insert(name).second) return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance();
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = name.c_str();
    RegisterClassExA(&windowClass);
}

}  // namespace platform::win32
