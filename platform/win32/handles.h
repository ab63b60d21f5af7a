#pragma once
// Which real window shows which control, and the guard that keeps the
// backend's own changes to a window from coming back as the user's.

#include "platform/control.h"
#include "platform/form.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

HWND windowOf(const Control& control);
// Links a control with the window that shows it (both ways).
void remember(HWND window, Control& control);
// Only controls this backend made are found; any other window gives null.
Control* controlAt(HWND window);
// The window is going away while its control lives on.
void release(HWND window);
// The window is going away after its control has gone: touch nothing.
void forget(HWND window);

// The form a control stands on.
Form& formOf(Control& control);

// While alive, notifications that windows send are the backend's own doing.
class Pushing {
public:
    Pushing();
    ~Pushing();
    Pushing(const Pushing&) = delete;
    Pushing& operator=(const Pushing&) = delete;
};
bool pushing();

}  // namespace platform::win32
