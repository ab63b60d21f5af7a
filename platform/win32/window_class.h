#pragma once
// One window procedure for every window class of our own: the object that
// serves a window travels in CREATESTRUCT, lives in GWLP_USERDATA from
// WM_NCCREATE to WM_NCDESTROY, and receives every message in between.

#include <string>

#include "platform/win32/win32_api.h"

namespace platform::win32 {

template <typename Window>
LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* window = static_cast<Window*>(create->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        if (window) window->attach(hwnd);
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->detach();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return window->handle(message, wParam, lParam);
}

HINSTANCE instance();

// Registers the class once; later calls with the same name do nothing.
void registerWindowClass(const std::string& name, WNDPROC procedure);

}  // namespace platform::win32
